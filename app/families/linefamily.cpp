#include "app/families/linefamily.h"

#include "app/families/arrowkeys.h"
#include "app/lengthprompt.h"
#include "app/toolfamily.h"
#include "app/toolsite.h"
#include "dialogs/dialogsettings.h"
#include "dialogs/ltxtdlg.h"
#include "model/drawingstate.h"
#include "model/list.h"
#include "model/settingsrecords.h"
#include "model/viewmapping.h"
#include "platform/canvas.h"
#include "platform/inputdialog.h"
#include "platform/wholenumber.h"
#include "resources/menus.h"
#include "tools/lineobjtool.h"

#include <utility>

namespace {

constexpr int HELP_LINES = 250;
const char* const CENTRE_PROMPT = "CENTRE - mark both endpoints with LEFT Button - cursor will move to centre";

// Draw Multilines: the number of lines, at most 3 digits.
constexpr int MIN_MULTILINE_COUNT = 2;
constexpr int MAX_MULTILINE_COUNT = 100;
constexpr int MULTILINE_COUNT_BUFFER = 4;
const char* const MULTILINE_PROMPT =
    "press Enter then arrow key or movecursor,press Enter on line end, press Enter on final line FIRST endpt";

// The measurement prompt takes up to 7 characters.
constexpr int MEASUREMENT_BUFFER = 8;

// Erases the multiline's rubber band while it is on the screen: only the multiline's first line
// keeps a band on the screen across a key.
void EraseRubberBand(TToolSite& site)
{
    auto* line = dynamic_cast<TLinetool*>(&site.Tool());
    if (line && line->step == STEP_MULTILINE_FIRST && line->BandShown())
        site.CallTool([line](TDrawingtool&, Canvas& dc, const TRect& rect) { line->EraseBand(dc, rect); });
}

class TLineFamily : public TToolFamily {
public:
    void KeyDown(TToolSite& site, int key) const override
    {
        TDrawingtool& tool = site.Tool();
        if (key == VK_ENTER) {
            // ENTER marks a start point, ends a multiline's first line at the cursor, or draws the
            // multiline's last lines.
            const bool marked = tool.lineDrawn != 0;
            EraseRubberBand(site);
            TToolFamily::KeyDown(site, key);
            // Not while a whole multiline is held for the next Enter to store.
            if (!marked && site.Tool().step != STEP_MULTILINE_LAST)
                site.Tool().lineDrawn = 1;
            // A multiline refused or not written: the repaint shows the drawing as its file holds
            // it, with what the tool still holds over it.
            if (std::exchange(site.Tool().heldNotStored, false))
                site.Refresh(0);
            return;
        }
        // An arrow draws from the marked start; it asks the length first.
        if (!IsArrowKey(key) || tool.lineDrawn != 1)
            return;
        int length = 0;
        if (!site.AskLength("LINE", "", 0, length)) {
            site.AbandonTool();
            return;
        }
        EraseRubberBand(site);
        TPoint cursor = site.Cursor();
        site.CallTool([key, length, &cursor](TDrawingtool& t, Canvas& dc, const TRect& rect) {
            t.KeyDown(dc, rect, key, cursor, length);
        });
        site.Tool().lineDrawn = 0;
        site.SetPrompt(LINE_PROMPT);
    }
};

const TLineFamily lineFamily{};

void StartMultiline(TCommandContext& context)
{
    UseCurrentPen(context);
    if (TToolSite* window = context.Window())
        RunMultilineDialog(*window);
}

void Centre(TCommandContext& context)
{
    TToolSite* window = context.Window();
    if (!window)
        return;
    TDrawingtool& tool = window->Tool();
    if (tool.step == STEP_MULTILINE_START) {
        window->Message("Centre is not available to this function", "CENTRE");
        return;
    }
    // Pressed again during a CENTRE, the step to return to stays the one saved first.
    if (!IsAnyCentreStep(tool.step))
        tool.savedStep = tool.step;
    tool.step = STEP_CENTRE_FIRST;
    window->SetPrompt(CENTRE_PROMPT);
}

void CentreCentre(TCommandContext& context)
{
    TToolSite* window = context.Window();
    if (!window)
        return;
    TDrawingtool& tool = window->Tool();
    if (!IsAnyCentreStep(tool.step))
        tool.savedStep = tool.step;
    tool.step = STEP_CENTRECENTRE_FIRST;
}

const TCommandRow commands[] = {
    {.id = CM_LINE, .needs = TCommandNeed::PlanView, .make = MakeTool<TLineobjtool>, .kind = KIND_LINE,
     .step = STEP_READY, .toolName = "Line", .prompt = LINE_PROMPT, .helpContext = HELP_LINES,
     .family = &lineFamily, .run = UseCurrentPen},
    {.id = CM_MULTILINE, .needs = TCommandNeed::PlanView, .make = MakeTool<TLineobjtool>, .kind = KIND_LINE,
     .step = STEP_MULTILINE_START, .toolName = "Multiline", .helpContext = HELP_LINES, .family = &lineFamily,
     .run = StartMultiline},
    {.id = CM_CENTRE, .needs = TCommandNeed::PlanView, .run = Centre, .held = THeldFigure::Keep},
    {.id = CM_CENTRECENTRE, .needs = TCommandNeed::PlanView, .run = CentreCentre,
     .held = THeldFigure::Keep},
};

const TKindRow kinds[] = {
    {KIND_LINE, MakeTool<TLineobjtool>, &lineFamily},
    {KIND_PICK, MakeTool<TLineobjtool>, &PlainFamily()},
    {KIND_PICKED_LINE, MakeTool<TLineobjtool>, &PlainFamily()},
};

// The codes of the line family's dialog sequences: the line-text dialog among the line dialogs,
// Draw Multilines among the multiline and stairs dialogs.
constexpr int LINE_DIALOG_LINE_TEXT = 8;
constexpr int MULTILINE_DIALOG_MULTILINES = 8;

const TSequenceRow sequences[] = {
    {TDialogSequence::Line, LINE_DIALOG_LINE_TEXT, RunLineTextDialog},
    {TDialogSequence::MultilineOrStairs, MULTILINE_DIALOG_MULTILINES, RunMultilineDialog},
};

}  // namespace

const TToolFamily& LineFamily()
{
    return lineFamily;
}

TFamilyRows LineFamilyRows()
{
    return {commands, kinds, sequences};
}

void UseCurrentPen(TCommandContext& context)
{
    if (TToolSite* window = context.Window())
        window->Tool().penWidth = State().currentPenWidth;
}

void RunMultilineDialog(TToolSite& site)
{
    TInputDialog dialog(&site.DialogParent(), "Draw Multilines", "Number of Lines", std::to_string(MIN_MULTILINE_COUNT),
                        MULTILINE_COUNT_BUFFER);
    if (dialog.Execute() != IDOK) {
        site.SetPickTool();
        return;
    }
    // The lines are spaced by the distance over the count less one: fewer than two lines have no
    // spacing.
    // The count is a whole number under the typed-number rule: "2.5" is refused, not read as 2.
    const std::optional<int32_t> count =
        ReadWholeNumber(dialog.GetBuffer(), {MIN_MULTILINE_COUNT, MAX_MULTILINE_COUNT, nullptr});
    if (!count) {
        site.Message("A multiline has 2 to 100 lines", "Draw Multilines");
        site.SetPickTool();
        return;
    }
    site.Tool().libraryFlag = *count;
    site.SetPrompt(MULTILINE_PROMPT);
}

void RunLineTextDialog(TToolSite& site)
{
    TLtxtdlg dialog(&site.DialogParent(), 2690);
    if (dialog.Execute() != IDOK) {
        site.Tool().noLineText = true;
        return;
    }
    // A text of nothing but blanks is written as no text, so the line gets no label rather than
    // the label of the line before.
    TLineTextSettings label;
    label.side = dialog.lineTextSide;
    if (dialog.lineText.find_first_not_of(' ') != std::string::npos)
        label.text = dialog.lineText;
    // Without the file the label would be the last line's: no label then.
    if (!StoreSettings(site.DialogParent(), TLineTextSettings::file.metric, FormatLineTextSettings(label)))
        site.Tool().noLineText = true;
}

void InputMeasurement(TToolSite& site)
{
    TDrawingtool& tool = site.Tool();
    int length = 0;
    const bool confirmed = AskTypedLength(site.DialogParent(), "Measurement", "", tool.dimensionLength(),
                                          MEASUREMENT_BUFFER, FractionRule::Proper, length);
    if (!confirmed) {
        // The dimension is given up: its arrows, held by the tool, are not kept.
        tool.DropHeld();
        site.SetPickTool();
        return;
    }
    tool.dimensionLength() = length;
    tool.step = STEP_DIMENSION_TEXT;
}
