#include "app/families/stairsfamily.h"

#include "app/toolfamily.h"
#include "app/toolsite.h"
#include "dialogs/strsdlg.h"
#include "model/drawingedit.h"
#include "model/drawingstate.h"
#include "model/extwallobj.h"
#include "model/list.h"
#include "model/settingsrecords.h"
#include "openings/stepobjtool.h"
#include "platform/canvas.h"
#include "platform/window.h"
#include "resources/menus.h"

#include <memory>
#include <optional>

namespace {

constexpr int HELP_STAIRS = 280;
const char* const STAIRS_TITLE = "STAIRS";
const char* const ONE_FLOOR = "You only have one floor";
const char* const NO_FLOOR_ABOVE = "There is no floor above this one";
const char* const STAIRS_TOOL_NAME = "STAIRS/WELLS";
const char* const LOWER_FLOOR_PROMPT = "You MUST have the LOWER floor of the two floors involved, showing";
const char* const PLACE_PROMPT = "STAIRS & STAIRWELL  Press ENTER when position is correct";

// The code of the stairs dialog among the multiline and stairs dialogs.
constexpr int MULTILINE_OR_STAIRS_DIALOG_STAIRS = 10;

// The dialog's codes are the tool's.
static_assert(FLIGHT_RETURN_LANDING == STAIRS_RETURN_LANDING && FLIGHT_STRAIGHT == STAIRS_STRAIGHT_FLIGHT);
static_assert(TOP_TREAD_TOP == STAIRS_TOP && TOP_TREAD_RIGHT == STAIRS_RIGHT && TOP_TREAD_BOTTOM == STAIRS_BOTTOM &&
              TOP_TREAD_LEFT == STAIRS_LEFT);

TStepobjtool* StairsTool(TToolSite& site)
{
    return dynamic_cast<TStepobjtool*>(&site.Tool());
}

void EraseOutline(TToolSite& site)
{
    TStepobjtool* tool = StairsTool(site);
    if (!tool || tool->outlineShown <= 0)
        return;
    site.CallTool([tool](TDrawingtool&, Canvas& dc, const TRect& rect) { tool->EraseOutline(dc, rect); });
}

class TStairsFamily : public TToolFamily {
public:
    // A click places nothing (ENTER does). In CENTRE it marks CENTRE's points; the outline is taken
    // off first and follows the mouse again afterwards.
    void LButtonDown(TToolSite& site, TPoint point) const override
    {
        TStepobjtool* tool = StairsTool(site);
        if (!tool || !IsAnyCentreStep(tool->step))
            return;
        EraseOutline(site);
        TToolFamily::LButtonDown(site, point);
        if (tool->outcome == TStairsOutcome::Ready)
            tool->active = 1;
    }
    void LButtonUp(TToolSite&, TPoint) const override {}
    void RButtonDown(TToolSite&, TPoint) const override {}

    bool WantsMouseMove(const TDrawingtool& tool) const override { return tool.active == 1; }
    // The outline has no start point to measure from.
    bool MeasuresFromStart(const TDrawingtool&) const override { return false; }

    void KeyDown(TToolSite& site, int key) const override
    {
        TStepobjtool* tool = StairsTool(site);
        if (!tool || key != VK_ENTER || tool->outcome != TStairsOutcome::Ready)
            return;
        TToolFamily::KeyDown(site, key);
        // The floor in view stays in view: a further stair starts from the command again.
        site.SetPickTool();
        site.Refresh(0);
    }

    void Leaving(TToolSite& site) const override
    {
        EraseOutline(site);
        if (TStepobjtool* tool = StairsTool(site))
            tool->active = 0;
    }
};

const TStairsFamily stairsFamily{};

// Other/Stairs Internal: a stair needs a floor above with external walls. The drawing is written,
// the stairs tool installed, then the stairs dialog asks for the stair.
void StartStairs(TCommandContext& context)
{
    TToolSite* window = context.Window();
    if (!window)
        return;
    const int floor = State().currentFloor;
    if (floor != GROUND_FLOOR && floor != FIRST_FLOOR) {
        window->Message(NO_FLOOR_ABOVE, STAIRS_TITLE);
        return;
    }
    if (!HasExternalWallsOn(State().objects, floor + 1)) {
        window->Message(ONE_FLOOR, STAIRS_TITLE);
        return;
    }
    TDrawingEdit edit;
    if (!edit.Commit())
        return;
    auto tool = std::make_unique<TStepobjtool>();
    tool->kind = KIND_STAIRS;
    if (!window->InstallTool(std::move(tool), stairsFamily))
        return;
    window->SetHelpContext(HELP_STAIRS);
    window->SetToolName(STAIRS_TOOL_NAME);
    window->SetPrompt(LOWER_FLOOR_PROMPT);
    RunStairsDialog(*window);
}

// The stairs dialog of the unit system; nothing when it is cancelled.
std::optional<TStairsChoice> AskStairs(TWindow& parent)
{
    if (State().unitSystem == 1) {
        TStrsdlg dialog(&parent, 2550);
        if (dialog.Execute() == IDOK)
            return dialog.Choice();
    } else if (State().unitSystem == 0) {
        TStrsimpdlg dialog(&parent, 3080);
        if (dialog.Execute() == IDOK)
            return dialog.Choice();
    }
    return std::nullopt;
}

const TCommandRow commands[] = {
    {.id = CM_STAIRS, .needs = TCommandNeed::PlanView, .family = &stairsFamily, .run = StartStairs},
};

const TSequenceRow sequences[] = {
    {TDialogSequence::MultilineOrStairs, MULTILINE_OR_STAIRS_DIALOG_STAIRS, RunStairsDialog},
};

}  // namespace

const TToolFamily& StairsFamily()
{
    return stairsFamily;
}

TFamilyRows StairsFamilyRows()
{
    // No kind row: a stairs tool is only made by its command, set up by its dialog.
    return {commands, {}, sequences};
}

void RunStairsDialog(TToolSite& site)
{
    TStepobjtool* tool = StairsTool(site);
    if (!tool)
        return;
    const std::optional<TStairsChoice> choice = AskStairs(site.DialogParent());
    if (!choice) {
        site.AbandonTool();
        return;
    }
    tool->topDirection() = choice->topTreadSide;
    tool->storeyHeight() = choice->storeyHeight;
    tool->Setup(choice->width, choice->stairwellLength, choice->flightType);
    if (tool->outcome == TStairsOutcome::NoFloorAbove) {
        site.Message(NO_FLOOR_ABOVE, STAIRS_TITLE);
        site.SetPickTool();
        return;
    }
    if (tool->outcome == TStairsOutcome::NoTreads) {
        site.Message("A riser height of " + std::to_string(tool->riserHeight) + " in CFG/" +
                         SettingsFileName<TStairsSettings>() +
                         " leaves no treads in this storey - make the riser height smaller",
                     STAIRS_TITLE);
        site.SetPickTool();
        return;
    }
    if (tool->outcome == TStairsOutcome::BadSettings) {
        site.Message("The riser height and tread width in CFG/" + SettingsFileName<TStairsSettings>() +
                         " must both be above 0",
                     STAIRS_TITLE);
        site.SetPickTool();
        return;
    }
    tool->active = 1;
    site.SetPrompt(PLACE_PROMPT);
}
