#include "app/families/textfamily.h"

#include "app/toolfamily.h"
#include "app/toolsite.h"
#include "dialogs/textdlg.h"
#include "model/drawingedit.h"
#include "model/drawingstate.h"
#include "model/list.h"
#include "model/textobj.h"
#include "model/viewmapping.h"
#include "platform/inputdialog.h"
#include "resources/menus.h"
#include "tools/changetext.h"
#include "tools/textobjtool.h"

#include <utility>

namespace {

constexpr int HELP_TEXT = 242;

const char* const CENTRED_TEXT_PROMPT = "click LEFT button on TEXT centre point - press Enter when fnished ";
const char* const TYPED_TEXT_PROMPT =
    "click LEFT button on TEXT starting point - then type away - press Enter when finished ";
const char* const TEXT_LENGTH_PROMPT = "maximum of 24 letters/numbers/spaces";
const char* const TYPING_PROMPT = "press ENTER once for newline - T W I C E to FINISH";
const char* const CHANGE_TEXT_PROMPT = "click LEFT button on the text or number to change";

// The "Text" box holds 29 characters; a changed text up to the text tool's 79.
constexpr int TEXT_BUFFER = 30;
constexpr int CHANGED_TEXT_BUFFER = int(CHANGED_TEXT_CAPACITY) + 1;

// The text details dialog's answers.
constexpr int ALIGN_CENTRED = 1;
constexpr int ALIGN_FROM_CURSOR = 2;
constexpr int ALIGN_CENTRED_VERTICAL = 6;
constexpr int VERTICAL = 2700;

// Kind 4: the click is the text's centre; the text comes from the "Text" box.
void PlaceTextAt(TToolSite& site, TPoint point)
{
    site.SetPrompt(TEXT_LENGTH_PROMPT);
    TInputDialog box(&site.DialogParent(), "Text", "Enter text", "text", TEXT_BUFFER);
    const bool confirmed = box.Execute() == IDOK;
    if (confirmed) {
        const std::string text = box.GetBuffer();
        site.CallTool([point, &text](TDrawingtool& tool, Canvas& dc, const TRect& rect) {
            TPoint at = point;
            tool.PlaceText(dc, rect, at, text);
        });
    }
    site.SetPrompt(CENTRED_TEXT_PROMPT);
}

// Kind 25: new words for the text clicked on the floor in view.
void ChangeTextAt(TToolSite& site, TPoint point)
{
    TList& objects = State().objects;
    const TPoint logical = ModelToLogical(site.ModelPointOf(point));
    const std::optional<int> found = objects.FindObjectAt(HIT_TEXTS, logical.x, logical.y);
    if (!found)
        return;
    const int index = *found;
    const auto* text = dynamic_cast<const TTextobj*>(objects[index]);
    if (!text)
        return;
    TInputDialog box(&site.DialogParent(), "Change text/number", "Enter text", text->text, CHANGED_TEXT_BUFFER);
    if (box.Execute() != IDOK)
        return;
    TDrawingEdit edit;
    if (!ChangeText(edit, index, box.GetBuffer()))
        return;
    edit.Commit();
    // The old words may reach beyond the new ones.
    site.Refresh(0);
}

class TTextFamily : public TToolFamily {
public:
    void LButtonDown(TToolSite& site, TPoint point) const override
    {
        const TDrawingtool& tool = site.Tool();
        if (tool.kind == KIND_TEXT && !IsAnyCentreStep(tool.step))
            PlaceTextAt(site, point);
        else if (tool.kind == KIND_CHANGE_TEXT)
            ChangeTextAt(site, point);
        else
            TToolFamily::LButtonDown(site, point);
    }

    bool TypesText(const TDrawingtool& tool) const override { return tool.kind == KIND_TYPED_TEXT; }

    const char* RestartPrompt(const TDrawingtool& tool) const override
    {
        return tool.kind == KIND_TYPED_TEXT ? TYPED_TEXT_PROMPT : nullptr;
    }

    void Char(TToolSite& site, int character) const override
    {
        auto* tool = dynamic_cast<TTexttool*>(&site.Tool());
        // Characters typed while CENTRE or CENTRE CENTRE takes its clicks are not taken (the help
        // says so): the line goes on from the point CENTRE gives it.
        if (!tool || tool->kind != KIND_TYPED_TEXT || IsAnyCentreStep(tool->step))
            return;
        // A line stored or taken back from outside: the next line starts where the user clicks.
        site.SetPrompt(tool->WaitsForStart() ? TYPED_TEXT_PROMPT : TYPING_PROMPT);
        // A second ENTER in a row finishes the text.
        if (character == CHAR_ENTER && tool->lineEnded) {
            Finish(site, *tool);
            return;
        }
        site.CallTool([character](TDrawingtool& t, Canvas& dc, const TRect& rect) { t.Char(dc, rect, character); });
        if (character != CHAR_ENTER || tool->WaitsForStart())
            return;
        // A line the file could not take has been told: it stays typed, over the file's picture.
        if (std::exchange(tool->heldNotStored, false)) {
            site.Refresh(0);
            return;
        }
        bool started = true;
        site.CallTool([tool, &started](TDrawingtool&, Canvas& dc, const TRect& rect) {
            started = tool->StartNextLine(dc, rect);
        });
        // A next line the drawing file could not hold ends the text (the user has been told).
        if (!started)
            Finish(site, *tool);
    }

private:
    static void Finish(TToolSite& site, TTexttool& tool)
    {
        tool.kind = KIND_TYPED_TEXT_DONE;
        site.SetToolName("None");
        site.SetPrompt("select tool or function");
    }
};

const TTextFamily textFamily{};

void Text(TCommandContext& context)
{
    if (TToolSite* window = context.Window())
        StartText(*window);
}

using enum TCommandNeed;

const TCommandRow commands[] = {
    {.id = CM_TEXT, .needs = PlanView, .make = MakeTool<TTextobjtool>, .kind = KIND_TEXT, .toolName = "Text",
     .helpContext = HELP_TEXT, .family = &textFamily, .run = Text},
    {.id = CM_CHANGETEXT, .needs = PlanView, .make = MakeTool<TTextobjtool>, .kind = KIND_CHANGE_TEXT,
     .toolName = "Change Text", .prompt = CHANGE_TEXT_PROMPT, .helpContext = HELP_TEXT, .family = &textFamily},
};

const TKindRow kinds[] = {
    {KIND_TEXT, MakeTool<TTextobjtool>, &textFamily},
    {KIND_TYPED_TEXT_DONE, MakeTool<TTextobjtool>, &textFamily},
    {KIND_TYPED_TEXT, MakeTool<TTextobjtool>, &textFamily},
    {KIND_CHANGE_TEXT, MakeTool<TTextobjtool>, &textFamily},
};

}  // namespace

const TToolFamily& TextFamily()
{
    return textFamily;
}

TFamilyRows TextFamilyRows()
{
    return {commands, kinds};
}

void StartText(TToolSite& site)
{
    TTextdlg dialog(&site.DialogParent(), 2300);
    if (dialog.Execute() != IDOK) {
        site.SetPickTool();
        return;
    }
    TDrawingtool& tool = site.Tool();
    if (dialog.alignment == ALIGN_FROM_CURSOR) {
        tool.kind = KIND_TYPED_TEXT;
        site.SetPrompt(TYPED_TEXT_PROMPT);
    } else {
        site.SetPrompt(CENTRED_TEXT_PROMPT);
    }
    // A vertical text centred on the click stands on its centre.
    const bool centredVertical = dialog.alignment == ALIGN_CENTRED && dialog.escapement == VERTICAL;
    tool.alignment() = centredVertical ? ALIGN_CENTRED_VERTICAL : dialog.alignment;
    tool.escapement() = dialog.escapement;
}
