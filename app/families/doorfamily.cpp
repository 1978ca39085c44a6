#include "app/families/doorfamily.h"

#include "app/families/windowfamily.h"
#include "app/toolfamily.h"
#include "app/toolsite.h"
#include "dialogs/ddoordlg.h"
#include "dialogs/doordlg.h"
#include "dialogs/miscdrdlg.h"
#include "dialogs/sdoordlg.h"
#include "model/drawingstate.h"
#include "openings/doorobjtool.h"
#include "platform/decimaltext.h"
#include "resources/menus.h"
#include "tools/toolkinds.h"

#include <optional>

namespace {

constexpr int HELP_DOORS = 300;
constexpr int HELP_OPENING = 250;
// The value a door tool's AutoDimension gets last from the window (not used by the tool).
constexpr int FROM_DOOR_DIALOG = 98;
// The width an opening's box proposes, in millimetres.
constexpr int OPENING_PROPOSAL = 1000;

const char* const WRONG_VIEW = "Wrong View - select  View then your floor plan";
const char* const OPENING_TITLE = "OPENING";
const char* const OPENING_PROMPT = "OPENING:";

// The start of each door dialog sequence (StartInternalDoorOrOpening's n).
constexpr int START_HINGED = 1;
constexpr int START_MULTIPLE = 2;
constexpr int START_OPENING = 3;
constexpr int START_SLIDING = 4;

// The choices of the single-or-multiple doors dialog.
constexpr int CHOICE_SLIDING = 1;
constexpr int CHOICE_MULTIPLE = 2;

TDoorobjtool* DoorTool(TToolSite& site)
{
    return dynamic_cast<TDoorobjtool*>(&site.Tool());
}

// The prompt of a working kind once its dialog ran.
const char* KindPrompt(int kind)
{
    switch (kind) {
    case KIND_DOOR_HINGED: return "ENTER HINGED side on wall where door will go";
    case KIND_DOOR_DOUBLE: return "ENTER CENTRE point on wall where doors are to go";
    case KIND_WALL_OPENING: return "press Enter on centre of Opening (mark on one internal wall line)";
    default: return "ENTER slide side jamb on wall where door will go";
    }
}

void ShowMessages(TToolSite& site, int kind, TPlaceOutcome outcome)
{
    for (const TToolMessage& message : DoorToolMessages(kind, outcome))
        site.Message(message.text, message.title);
}

// ENTER: the door at the cursor, or the refusal told.
void PlaceDoor(TToolSite& site, TDoorobjtool& tool)
{
    // A tool whose dialog never gave it a working kind has nothing to place.
    const int kind = tool.kind;
    if (!IsDoorKind(kind))
        return;
    TPoint cursor = site.Cursor();
    site.CallTool([&tool, &cursor, kind](TDrawingtool&, Canvas& dc, const TRect& rect) {
        tool.KeyDown(dc, rect, VK_ENTER, cursor, DoorEnterValue(kind));
    });
    tool.lineDrawn = kind == KIND_WALL_OPENING ? 1 : 0;
    if (tool.outcome == TPlaceOutcome::Placed) {
        site.InvalidateModelArea(tool.repaintArea);
        site.SetPickTool();
        return;
    }
    ShowMessages(site, kind, tool.outcome);
    if (!tool.repaintArea.empty)
        site.InvalidateModelArea(tool.repaintArea);  // what was drawn of a refused door
    // An opening is marked once; a door may be tried again where it fits, unless it has no width.
    if (kind == KIND_WALL_OPENING || tool.outcome == TPlaceOutcome::WidthTooSmall) {
        site.SetPickTool();
        return;
    }
    tool.active = 1;
    tool.armed = true;
}

// The door tool is a window tool: clicks (CENTRE only), moves, arrows and leaving are the window
// family's; ENTER places a door.
class TDoorFamily : public TToolFamily {
public:
    void LButtonDown(TToolSite& site, TPoint point) const override { WindowFamily().LButtonDown(site, point); }
    void LButtonUp(TToolSite& site, TPoint point) const override { WindowFamily().LButtonUp(site, point); }
    bool WantsMouseMove(const TDrawingtool& tool) const override { return WindowFamily().WantsMouseMove(tool); }
    bool MeasuresFromStart(const TDrawingtool& tool) const override
    {
        return WindowFamily().MeasuresFromStart(tool);
    }
    void KeyDown(TToolSite& site, int key) const override
    {
        TDoorobjtool* tool = DoorTool(site);
        if (!tool)
            return;
        if (key == VK_ENTER)
            PlaceDoor(site, *tool);
        else
            WindowFamily().KeyDown(site, key);
    }
    void Leaving(TToolSite& site) const override { WindowFamily().Leaving(site); }
};

const TDoorFamily doorFamily{};

void StartHingedDoor(TCommandContext& context)
{
    if (TToolSite* window = context.Window())
        StartInternalDoorOrOpening(*window, START_HINGED);
}

void StartOpening(TCommandContext& context)
{
    if (TToolSite* window = context.Window())
        StartInternalDoorOrOpening(*window, START_OPENING);
}

void StartOtherDoors(TCommandContext& context)
{
    if (TToolSite* window = context.Window())
        StartMiscDoor(*window);
}

const TCommandRow commands[] = {
    {.id = CM_INTERNALDOOR, .needs = TCommandNeed::PlanView, .make = MakeTool<TDoorobjtool>, .kind = KIND_DOOR_TOOL,
     .toolName = "Internal Door", .prompt = "place door cursor on partition wall and press Enter",
     .helpContext = HELP_DOORS, .family = &doorFamily, .run = StartHingedDoor},
    {.id = CM_OTHERINTERNALDOORS, .needs = TCommandNeed::PlanView, .make = MakeTool<TDoorobjtool>,
     .kind = KIND_DOOR_TOOL, .helpContext = HELP_DOORS, .family = &doorFamily, .run = StartOtherDoors},
    {.id = CM_WALLOPENING, .needs = TCommandNeed::PlanView, .make = MakeTool<TDoorobjtool>, .kind = KIND_DOOR_TOOL,
     .toolName = "Wall Opening", .prompt = "press ENTER on centre point (on one internal wall line) to OPENUP",
     .helpContext = HELP_OPENING, .family = &doorFamily, .run = StartOpening},
};

// A door tool for each working kind, with no width, code or side: it waits for a dialog and ignores
// ENTER until then. The sliding door's kind builds a door tool, never the internal-wall delete tool.
const TKindRow kinds[] = {
    {KIND_DOOR_HINGED, MakeTool<TDoorobjtool>, &doorFamily},
    {KIND_DOOR_DOUBLE, MakeTool<TDoorobjtool>, &doorFamily},
    {KIND_WALL_OPENING, MakeTool<TDoorobjtool>, &doorFamily},
    {KIND_DOOR_SLIDING, MakeTool<TDoorobjtool>, &doorFamily},
};

}  // namespace

const TToolFamily& DoorFamily()
{
    return doorFamily;
}

TFamilyRows DoorFamilyRows()
{
    return {commands, kinds};
}

void StartInternalDoorOrOpening(TToolSite& site, int n)
{
    TDoorobjtool* tool = DoorTool(site);
    if (!tool)
        return;
    if (!IsPlanFloor(State().currentFloor)) {
        site.Message(WRONG_VIEW, "");
        site.SetPickTool();
        return;
    }
    TWindow& parent = site.DialogParent();
    const bool imperial = State().unitSystem == 0;
    const int factor = imperial ? 24 : 1;
    int code = 0;
    int width = 0;
    int side = 0;
    switch (n) {
    case START_HINGED: {
        TDoordlg dialog(&parent, 10500);
        if (dialog.Execute() != IDOK) {
            site.AbandonTool();
            return;
        }
        width = DecimalValue(dialog.widthText) * factor;
        code = dialog.doorType;
        tool->kind = KIND_DOOR_HINGED;
        break;
    }
    case START_MULTIPLE: {
        TDDoordlg dialog(&parent, 10000);
        if (dialog.Execute() != IDOK) {
            site.AbandonTool();
            return;
        }
        width = DecimalValue(dialog.widthText) * factor;
        code = dialog.doorType;
        side = dialog.openingSide;
        tool->kind = KIND_DOOR_DOUBLE;
        break;
    }
    case START_OPENING: {
        // Millimetres proposed at 1000, or feet and inches; a width outside 1..32766 is told.
        const std::optional<int> proposal = imperial ? std::nullopt : std::optional<int>(OPENING_PROPOSAL);
        if (!site.AskLength(OPENING_TITLE, OPENING_PROMPT, proposal, width)) {
            site.AbandonTool();
            return;
        }
        tool->kind = KIND_WALL_OPENING;
        break;
    }
    case START_SLIDING: {
        TSdoordlg dialog(&parent, 13000);
        if (dialog.Execute() != IDOK) {
            site.AbandonTool();
            return;
        }
        width = DecimalValue(dialog.widthText) * factor;
        code = dialog.doorType;
        tool->objectIndex = dialog.intoWall;
        tool->kind = KIND_DOOR_SLIDING;
        break;
    }
    default: return;
    }

    tool->x1 = 0;
    tool->lineDrawn = 0;
    site.CallTool([tool, code, width, side](TDrawingtool&, Canvas& dc, const TRect& rect) {
        tool->AutoDimension(dc, rect, code, width, side, FROM_DOOR_DIALOG);
    });
    if (tool->outcome == TPlaceOutcome::WidthTooSmall) {
        ShowMessages(site, tool->kind, tool->outcome);
        site.AbandonTool();
        return;
    }
    // The cursor distance is measured from the top left corner of the external walls.
    if (const std::optional<TPoint> corner = TopLeftWallCorner(State().currentFloor))
        site.SetDatum(DATUM_SET, *corner);
    site.SetPrompt(KindPrompt(tool->kind));
}

void StartMiscDoor(TToolSite& site)
{
    TDoorobjtool* tool = DoorTool(site);
    if (!tool)
        return;
    TMiscdrdlg dialog(&site.DialogParent(), 13500);
    if (dialog.Execute() != IDOK) {
        site.AbandonTool();
        return;
    }
    if (dialog.doorChoice == CHOICE_SLIDING) {
        site.SetToolName("Intl Sliding Dr");
        site.SetPrompt("place door cursor on internal wall sliding side jamb, press Enter");
        tool->kind = KIND_DOOR_SLIDING;
        StartInternalDoorOrOpening(site, START_SLIDING);
    } else if (dialog.doorChoice == CHOICE_MULTIPLE) {
        site.SetToolName("Misc Doors");
        site.SetPrompt("place door cursor on internal wall and press Enter");
        StartInternalDoorOrOpening(site, START_MULTIPLE);
    }
}
