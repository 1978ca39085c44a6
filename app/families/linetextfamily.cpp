#include "app/families/linetextfamily.h"

#include "app/families/linefamily.h"
#include "app/toolfamily.h"
#include "app/toolsite.h"
#include "model/drawingstate.h"
#include "model/list.h"
#include "resources/menus.h"
#include "tools/lineobjtool.h"

namespace {

constexpr int HELP_LINE_TEXT = 242;
const char* const LINE_TEXT_PROMPT = "press LeftButton & DRAG the line, then give the text to go beside it";

class TLineTextFamily : public TToolFamily {
public:
    // The keys are the line tool's.
    void KeyDown(TToolSite& site, int key) const override { LineFamily().KeyDown(site, key); }

    void LButtonUp(TToolSite& site, TPoint point) const override
    {
        const int before = State().objects.count();
        TToolFamily::LButtonUp(site, point);
        // No line drawn (a drag too short, or a line refused): the tool stays for the next one.
        if (site.Tool().noLineText || State().objects.count() <= before)
            return;
        RunLineTextDialog(site);
        if (!site.Tool().noLineText) {
            site.CallTool([](TDrawingtool& tool, Canvas& dc, const TRect& rect) { tool.ObjectsAdded(dc, rect, 0, 0); });
        }
        site.SetPickTool();
    }
};

const TLineTextFamily lineTextFamily{};

const TCommandRow commands[] = {
    {.id = CM_LINETEXT, .needs = TCommandNeed::PlanView, .make = MakeTool<TLineobjtool>, .kind = KIND_LINE,
     .step = STEP_LINETEXT_READY, .toolName = "Line + Text", .prompt = LINE_TEXT_PROMPT,
     .helpContext = HELP_LINE_TEXT, .family = &lineTextFamily, .run = UseCurrentPen},
};

}  // namespace

TFamilyRows LineTextFamilyRows()
{
    return {commands, {}};
}
