#include "app/families/linetextfamily.h"

#include "app/families/linefamily.h"
#include "app/toolfamily.h"
#include "app/toolsite.h"
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
        TToolFamily::LButtonUp(site, point);
        // No line held (a drag too short, stored without text, or a line refused): the tool stays
        // for the next one.
        auto* tool = dynamic_cast<TLineobjtool*>(&site.Tool());
        if (!tool || !tool->HoldsFigure())
            return;
        // The line and its label (none when the dialog is cancelled) are one change, written once.
        RunLineTextDialog(site);
        bool written = true;
        site.CallTool([&written](TDrawingtool& current, Canvas& dc, const TRect& rect) {
            if (auto* lineText = dynamic_cast<TLineobjtool*>(&current))
                written = lineText->StoreLineText(dc, rect);
        });
        if (!written) {
            // The user has been told; the repaint shows the drawing as the file holds it.
            site.AbandonTool();
            return;
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
