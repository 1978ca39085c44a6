#include "app/families/designroomfamily.h"

#include "app/lengthprompt.h"
#include "app/toolfamily.h"
#include "app/toolsite.h"
#include "dialogs/dialogsettings.h"
#include "dialogs/feetdlg.h"
#include "dialogs/maxroomdlg.h"
#include "dialogs/measdlg.h"
#include "dialogs/rmpttndlg.h"
#include "dialogs/troomdlg.h"
#include "model/drawingstate.h"
#include "model/list.h"
#include "model/piecework.h"
#include "model/roomobj.h"
#include "model/settingsrecords.h"
#include "platform/colourdialog.h"
#include "platform/dialogrunner.h"
#include "platform/inputdialog.h"
#include "platform/wholenumber.h"
#include "resources/menus.h"
#include "rooms/droomobjtool.h"

#include <algorithm>
#include <array>
#include <atomic>
#include <climits>
#include <memory>

namespace {

constexpr int HELP_DESIGN_ROOMS = 260;
constexpr int DATUM_OFF = 1;
constexpr int DATUM_REQUESTED = 2;

const char* const TOOL_NAME = "Design Rooms";
const char* const HELP_PROMPT = "press HELP button if unsure";
const char* const PLACE_PROMPT = "place cursor in room, move with LB down (align to Room)";
const char* const PLACE_PROMPT_BOUNDARY = "place cursor in room, move with LB down (align to Room), RB (align Boundary)";
const char* const NO_SELECTION = "NO SELECTION";
const char* const ADJUST_ROOM = "ADJUST ROOM";
const char* const MERGE_TITLE = "DESIGN Room Merge";

// The longest room name taken; a name of one character stands for no name.
constexpr std::size_t MAX_ROOM_NAME = 16;
// The free size is offered as a room only above these, model units.
constexpr int LEAST_METRIC_OFFER = 10;
constexpr int LEAST_IMPERIAL_OFFER = 1;

constexpr TWholeNumberRange MERGE_DISTANCE{0, 32766, "millimetres"};
const char* const IMPERIAL_MERGE_MESSAGE = "Enter a length from 0 in to 113 ft 9 1/4 in";

TDRoomobjtool* DesignTool(TToolSite& site)
{
    return dynamic_cast<TDRoomobjtool*>(&site.Tool());
}

bool IsArrow(int key)
{
    return key == VK_LEFT || key == VK_UP || key == VK_RIGHT || key == VK_DOWN;
}

// The steps at which a left click reaches the tool.
bool ClickReachesTool(int step)
{
    return (step >= STEP_READY && step <= STEP_DROOM_LAST_SELECT) || step == STEP_DROOM_EXPAND ||
           step == STEP_DROOM_SHRINK || step == STEP_DROOM_ROTATE || step == STEP_DROOM_DELETE ||
           step == STEP_DROOM_MOVE || step == STEP_DROOM_MAX_SIZE;
}

// True when a design room of the current floor holds the model point strictly inside.
bool InsideDesignRoom(TPoint model)
{
    const TDrawingState& state = State();
    const auto& objects = state.objects.Items();
    // The type code rules out nearly every object of a large plan before any cast: this runs at
    // every click, and a large plan is looked through in pieces at once.
    std::atomic<bool> inside{false};
    auto look = [&](std::size_t, std::size_t first, std::size_t end) {
        for (std::size_t i = first; i < end && !inside.load(std::memory_order_relaxed); ++i) {
            const TObject& object = *objects[i];
            if (!IsDesignRoomOn(object, state.currentFloor))
                continue;
            const auto* room = dynamic_cast<const TRoomobj*>(&object);
            if (room && room->HoldsStrictly(model.x, model.y))
                inside = true;
        }
    };
    PieceWork::ForRanges(objects.size(), PieceWork::RangesFor(objects.size()), look);
    return inside;
}

// Before the first design room of a floor: the thickness its rooms' walls will have. Its result
// is not needed; the dialog keeps its file.
void AskWallSizeForFirstRoom(TWindow& parent)
{
    if (HasDesignRoomsOn(State().objects, State().currentFloor))
        return;
    if (State().unitSystem == 1) {
        TRmpttndlg dialog(&parent, 21000);
        dialog.Execute();
    } else {
        TRmpttnimpdlg dialog(&parent, 21500);
        dialog.Execute();
    }
}

// The room the user confirmed: a name over 16 characters ends it, one of one character is
// "none"; the room is made at the lower left of the view and the next click sets the datum.
void MakeRoom(TToolSite& site, std::string name, int width, int length, const char* prompt)
{
    TDRoomobjtool* tool = DesignTool(site);
    if (!tool || name.size() > MAX_ROOM_NAME)
        return;
    if (name.size() == 1)
        name = "none";
    State().newRoomName = name;
    tool->Setup(width, length, 0);
    TModelBox area;
    area.Add(tool->x1, tool->y1);
    area.Add(tool->x2, tool->y2);
    site.InvalidateModelArea(area);
    site.SetDatumMode(DATUM_REQUESTED);
    site.SetPrompt(prompt);
}

// Runs a new-room or maximum-size dialog twin and makes its room.
template <class Dialog, class... Args>
void RunRoomDialog(TToolSite& site, int resourceId, const char* prompt, Args... args)
{
    Dialog dialog(&site.DialogParent(), resourceId, args...);
    if (dialog.Execute() != IDOK)
        return;
    MakeRoom(site, dialog.roomNameText, dialog.Width(), dialog.Length(), prompt);
}

class TDesignRoomFamily : public TToolFamily {
public:
    void LButtonDown(TToolSite& site, TPoint point) const override
    {
        TDRoomobjtool* tool = DesignTool(site);
        if (!tool) {
            TToolFamily::LButtonDown(site, point);
            return;
        }
        site.SetDatumMode(DATUM_OFF);
        tool->lineDrawn = 0;
        const int clicked = tool->step;
        if (ClickReachesTool(clicked))
            TToolFamily::LButtonDown(site, point);

        if (tool->step == STEP_DROOM_REFUSED || tool->step == STEP_DROOM_ANGLED_WALL) {
            site.Message(tool->step == STEP_DROOM_REFUSED ? "the click was probably outside the external walls"
                                                          : "one of the measuring walls was angled",
                         NO_SELECTION);
            tool->step = STEP_READY;
        } else if (tool->outcome == TDesignRoomOutcome::SizeNotStored) {
            site.Message("The settings file CFG/" + SettingsFileName<TMaxRoomSettings>() + " could not be written: " +
                             tool->outcomeReason,
                         ApplicationName);
            tool->outcome = TDesignRoomOutcome::None;
            tool->step = STEP_READY;
        }
        if (clicked == STEP_DROOM_MOVE_TYPED || clicked == STEP_DROOM_MOVE_FINE)
            tool->step = STEP_READY;
        if (clicked == STEP_DROOM_ROTATE || clicked == STEP_DROOM_DELETE) {
            tool->step = STEP_READY;
            DrawMergePreview(site);
        }
    }

    void LButtonUp(TToolSite& site, TPoint point) const override
    {
        TDRoomobjtool* tool = DesignTool(site);
        if (!tool)
            return;
        if (tool->step == STEP_DROOM_DRAG_ALIGNED || tool->step == STEP_DROOM_DRAG_FREE) {
            TToolFamily::LButtonUp(site, point);
            DrawMergePreview(site);
            tool->step = STEP_READY;
        } else if (tool->step == STEP_DROOM_MAX_SIZE) {
            PlaceDesignRoom(site);
            tool->step = STEP_READY;
        }
    }

    void RButtonDown(TToolSite& site, TPoint point) const override
    {
        TDRoomobjtool* tool = DesignTool(site);
        if (!tool)
            return;
        if (tool->step == STEP_DROOM_MOVE_TYPED || tool->step == STEP_DROOM_MOVE_FINE)
            tool->step = STEP_READY;
        else if (tool->step == STEP_DROOM_MOVE)
            TToolFamily::RButtonDown(site, point);
    }

    bool MeasuresFromStart(const TDrawingtool&) const override { return false; }

    void KeyDown(TToolSite& site, int key) const override
    {
        TDRoomobjtool* tool = DesignTool(site);
        if (!tool || !IsArrow(key) || tool->lineDrawn != 1)
            return;
        if (tool->step == STEP_DROOM_MOVE_FINE) {
            TToolFamily::KeyDown(site, key);
            return;
        }
        if (tool->step != STEP_DROOM_EXPAND && tool->step != STEP_DROOM_SHRINK && tool->step != STEP_DROOM_MOVE_TYPED)
            return;
        int distance = 0;
        if (!site.AskLength(ADJUST_ROOM, "", std::nullopt, distance))
            return;
        TPoint cursor = site.Cursor();
        site.CallTool([key, distance, &cursor](TDrawingtool& t, Canvas& dc, const TRect& rect) {
            t.KeyDown(dc, rect, key, cursor, distance);
        });
        if (tool->outcome == TDesignRoomOutcome::TooSmall)
            site.Message("A room must keep a width and a length of at least 1", ADJUST_ROOM);
        tool->step = STEP_READY;
        DrawMergePreview(site);
    }

    void KeyUp(TToolSite& site, int) const override
    {
        TDRoomobjtool* tool = DesignTool(site);
        if (!tool || tool->step != STEP_DROOM_MOVE_FINE)
            return;
        // Each move was stored as its key went down; the release shows the room where it is now.
        DrawMergePreview(site);
        tool->feedbackState() = 0;
    }

    void Leaving(TToolSite& site) const override
    {
        // An outline or a covered room on the screen goes with a repaint of where it was.
        if (TDRoomobjtool* tool = DesignTool(site); tool && !tool->feedbackArea.empty)
            DrawMergePreview(site);
    }

    bool ClaimsClick(TToolSite& site, TPoint point) const override
    {
        return State().drawingState >= 2 && InsideDesignRoom(site.ModelPointOf(point));
    }

    void TakeClaimedClick(TToolSite& site, TPoint point) const override
    {
        auto tool = std::make_unique<TDRoomobjtool>();
        tool->step = STEP_READY;
        if (!site.InstallTool(std::move(tool), *this))
            return;
        site.SetToolName(TOOL_NAME);
        site.SetHelpContext(HELP_DESIGN_ROOMS);
        LButtonDown(site, point);
    }
};

const TDesignRoomFamily designRoomFamily{};

void StartNewDesignRoom(TCommandContext& context)
{
    if (TToolSite* window = context.Window())
        NewDesignRoom(*window);
}

constexpr auto MakeDesignRoomTool = MakeTool<TDRoomobjtool>;

const TCommandRow commands[] = {
    {.id = CM_NEWDESIGNROOM, .needs = TCommandNeed::PlanView, .make = MakeDesignRoomTool, .kind = KIND_DESIGN_ROOM,
     .step = STEP_READY, .toolName = TOOL_NAME, .helpContext = HELP_DESIGN_ROOMS, .family = &designRoomFamily,
     .run = StartNewDesignRoom},
    {.id = CM_MAXDESIGNROOM, .needs = TCommandNeed::PlanView, .make = MakeDesignRoomTool, .kind = KIND_DESIGN_ROOM,
     .step = STEP_DROOM_MAX_SIZE, .toolName = TOOL_NAME,
     .prompt = "click in a free area for the largest room that fits there", .helpContext = HELP_DESIGN_ROOMS,
     .family = &designRoomFamily},
    {.id = CM_DELETEROOM, .needs = TCommandNeed::PlanView, .make = MakeDesignRoomTool, .kind = KIND_DESIGN_ROOM,
     .step = STEP_DROOM_DELETE, .toolName = TOOL_NAME, .prompt = "click in the design room to delete",
     .helpContext = HELP_DESIGN_ROOMS, .family = &designRoomFamily},
    {.id = CM_EXPANDROOM, .needs = TCommandNeed::PlanView, .make = MakeDesignRoomTool, .kind = KIND_DESIGN_ROOM,
     .step = STEP_DROOM_EXPAND, .toolName = TOOL_NAME,
     .prompt = "click in the design room, then press the arrow key of the side to move out",
     .helpContext = HELP_DESIGN_ROOMS, .family = &designRoomFamily},
    {.id = CM_MOVEROOM, .needs = TCommandNeed::PlanView, .make = MakeDesignRoomTool, .kind = KIND_DESIGN_ROOM,
     .step = STEP_DROOM_MOVE, .toolName = TOOL_NAME,
     .prompt = "LB in the design room: move by a typed distance;  RB: move with the arrow keys",
     .helpContext = HELP_DESIGN_ROOMS, .family = &designRoomFamily},
    {.id = CM_ROTATEROOM, .needs = TCommandNeed::PlanView, .make = MakeDesignRoomTool, .kind = KIND_DESIGN_ROOM,
     .step = STEP_DROOM_ROTATE, .toolName = TOOL_NAME, .prompt = "click in the design room to turn",
     .helpContext = HELP_DESIGN_ROOMS, .family = &designRoomFamily},
    {.id = CM_SHRINKROOM, .needs = TCommandNeed::PlanView, .make = MakeDesignRoomTool, .kind = KIND_DESIGN_ROOM,
     .step = STEP_DROOM_SHRINK, .toolName = TOOL_NAME,
     .prompt = "click in the design room, then press the arrow key of the side to move in",
     .helpContext = HELP_DESIGN_ROOMS, .family = &designRoomFamily},
    {.id = CM_DESIGNROOMMERGE, .run = CmDesignRoomMerge, .held = THeldFigure::Keep},
    {.id = CM_DESIGNROOMCOLOURS, .run = CmDesignRoomColours, .held = THeldFigure::Keep},
};

const TKindRow kinds[] = {
    {KIND_DESIGN_ROOM, MakeDesignRoomTool, &designRoomFamily},
};

}  // namespace

const TToolFamily& DesignRoomFamily()
{
    return designRoomFamily;
}

TFamilyRows DesignRoomFamilyRows()
{
    return {commands, kinds};
}

void NewDesignRoom(TToolSite& site)
{
    site.SetPrompt(HELP_PROMPT);
    TWindow& parent = site.DialogParent();
    AskWallSizeForFirstRoom(parent);
    if (State().unitSystem == 1)
        RunRoomDialog<TTroomdlg>(site, 22000, PLACE_PROMPT);
    else
        RunRoomDialog<TTroomimpdlg>(site, 22500, PLACE_PROMPT_BOUNDARY);
}

void PlaceDesignRoom(TToolSite& site)
{
    TDRoomobjtool* tool = DesignTool(site);
    if (!tool)
        return;
    const bool metric = State().unitSystem == 1;
    const TMaxRoomSettings free = ReadSettings<TMaxRoomSettings>();
    const int least = metric ? LEAST_METRIC_OFFER : LEAST_IMPERIAL_OFFER;
    if (free.width <= least || free.length <= least)
        return;
    AskWallSizeForFirstRoom(site.DialogParent());
    tool->step = STEP_READY;
    if (metric)
        RunRoomDialog<TMaxroomdlg>(site, 23000, PLACE_PROMPT_BOUNDARY, int(free.width), int(free.length));
    else
        RunRoomDialog<TMaxroomimpdlg>(site, 23500, PLACE_PROMPT_BOUNDARY, int(free.width), int(free.length));
}

void DrawMergePreview(TToolSite& site)
{
    TDRoomobjtool* tool = DesignTool(site);
    if (!tool)
        return;
    const TDrawingState& state = State();
    TModelBox area = tool->feedbackArea;
    area.Add(tool->editLeft, tool->editTop);
    area.Add(tool->editRight, tool->editBottom);
    area.Add(tool->x1, tool->y1);
    area.Add(tool->x2, tool->y2);
    tool->feedbackArea = TModelBox{};
    // Ten scale steps and the merge distance beyond, for the pens and labels around the rooms.
    const std::int64_t u = std::max(1, state.unitsPerLogical);
    const std::int64_t reach = std::max<std::int32_t>(0, ReadSettings<TMergeSettings>().distance);
    const std::int64_t margin = (10 * u + reach / u) * u;
    auto widen = [](std::int32_t value, std::int64_t by) {
        return std::int32_t(std::clamp<std::int64_t>(value + by, INT32_MIN, INT32_MAX));
    };
    area.minX = widen(area.minX, -margin);
    area.minY = widen(area.minY, -margin);
    area.maxX = widen(area.maxX, margin);
    area.maxY = widen(area.maxY, margin);
    site.InvalidateModelArea(area);
}

void CmDesignRoomMerge(TCommandContext& context)
{
    TToolSite* window = context.Window();
    if (!context.DrawingOpen()) {
        // The unit system chooses the file: asked first when no drawing is loaded.
        TMeasdlg units(&context.DialogParent(), 5450);
        units.Execute();
    }
    TWindow& parent = window ? window->DialogParent() : context.DialogParent();
    const int unitSystem = State().unitSystem;
    TMergeSettings merge = ReadSettings<TMergeSettings>(unitSystem);
    if (unitSystem == 1) {
        TInputDialog box(&parent, MERGE_TITLE, "merge distance (m.m)", std::to_string(merge.distance), LENGTH_BUFFER);
        if (box.Execute() != IDOK)
            return;
        const std::optional<std::int32_t> typed = ReadWholeNumber(box.GetBuffer(), MERGE_DISTANCE);
        if (!typed) {
            parent.MessageBox(MERGE_DISTANCE.Message(), MERGE_TITLE, MB_OK | MB_ICONEXCLAMATION);
            return;
        }
        merge.distance = *typed;
    } else {
        TFeetdlg dialog(&parent, 9500, merge.distance);
        if (dialog.Execute() != IDOK)
            return;
        const std::int32_t typed = dialog.Length(FractionRule::Any);
        if (!MERGE_DISTANCE.Contains(typed)) {
            parent.MessageBox(IMPERIAL_MERGE_MESSAGE, MERGE_TITLE, MB_OK | MB_ICONEXCLAMATION);
            return;
        }
        merge.distance = typed;
    }
    StoreSettings(parent, SettingsFileName<TMergeSettings>(unitSystem), FormatSettings(merge));
}

void CmDesignRoomColours(TCommandContext& context)
{
    TToolSite* window = context.Window();
    TWindow& parent = window ? window->DialogParent() : context.DialogParent();
    TRoomColourSettings colours = ReadSettings<TRoomColourSettings>();
    const std::array<std::pair<const char*, std::int32_t*>, 3> choices = {{
        {"wet area colour", &colours.wetArea},
        {"bedroom colour", &colours.bedroom},
        {"other rooms colour", &colours.otherRooms},
    }};
    for (const auto& [title, colour] : choices) {
        TColourDialog dialog(&parent, title, TColor(*colour));
        // A cancel at any of the three writes nothing.
        if (dialog.Execute() != IDOK)
            return;
        *colour = std::int32_t(dialog.Colour());
    }
    StoreSettings(parent, SettingsFileName<TRoomColourSettings>(), FormatSettings(colours));
}
