#include "app/families/roomfamily.h"

#include "app/toolfamily.h"
#include "app/toolsite.h"
#include "dialogs/roomdlg.h"
#include "model/drawingedit.h"
#include "model/drawingstate.h"
#include "model/list.h"
#include "model/roomobj.h"
#include "model/typecodes.h"
#include "platform/dialog.h"
#include "resources/menus.h"
#include "rooms/roomobjtool.h"

#include <algorithm>
#include <memory>
#include <string>

namespace {

constexpr int HELP_DESIGN_ROOMS = 260;
constexpr int HELP_FIXED_ROOMS = 270;
const char* const ROOM_TOOL_NAME = " Room";
const char* const ROOM_PROMPT = "Click cursor in new ROOM area, near corner to work from";
const char* const WRONG_VIEW = "Wrong View - select  View then Plan";
const char* const NO_SELECTION = "No selection was made - start ROOM again";
const char* const PLAN_VIEW_TITLE = "NEW ROOM";
const char* const NO_DESIGN_ROOMS = "There are no design rooms to lock in and finish drawing";
const char* const NO_DESIGN_ROOMS_TITLE = "LOCK DESIGN ROOMS IN";

// The longest room name the room step takes.
constexpr std::size_t MAX_ROOM_NAME = 16;
// FINISH works on the plan floors and the extra overlay level.
constexpr int LAST_FINISH_FLOOR = 54;

TRoomobjtool* RoomTool(TToolSite& site)
{
    return dynamic_cast<TRoomobjtool*>(&site.Tool());
}

class TRoomFamily : public TToolFamily {
public:
    // A click runs the room finder, then the room step.
    void LButtonDown(TToolSite& site, TPoint point) const override
    {
        if (!RoomTool(site)) {
            TToolFamily::LButtonDown(site, point);
            return;
        }
        site.CallTool([point](TDrawingtool& tool, Canvas& dc, const TRect& rect) {
            tool.LButtonDown(dc, rect, point.x, point.y);
        });
        PlaceFixedRoom(site);
    }

    // The release of the click that found the room does nothing.
    void LButtonUp(TToolSite&, TPoint) const override {}
};

const TRoomFamily roomFamily{};

void CmNewFixedRoom(TCommandContext& context)
{
    TToolSite* site = context.Window();
    if (!site || !context.DrawingOpen())
        return;
    site->SetHelpContext(HELP_FIXED_ROOMS);
    if (!IsPlanFloor(State().currentFloor)) {
        site->Message(WRONG_VIEW, "");
        return;
    }
    auto tool = std::make_unique<TRoomobjtool>();
    tool->kind = KIND_FIXED_ROOM;
    if (!site->InstallTool(std::move(tool), roomFamily))
        return;
    site->SetToolName(ROOM_TOOL_NAME);
    site->SetPrompt(ROOM_PROMPT);
}

// Hands the floor's design rooms to a fresh internal-wall tool at its finishing step, repaints
// what changed, and returns to the pick tool (the finishing tool kept would convert again at its
// next Setup).
void CmFinishDesignRooms(TCommandContext& context)
{
    TToolSite* site = context.Window();
    if (!site || !context.DrawingOpen())
        return;
    site->SetHelpContext(HELP_DESIGN_ROOMS);
    const int floor = State().currentFloor;
    if (floor < GROUND_FLOOR || floor > LAST_FINISH_FLOOR) {
        site->Message(PLAN_VIEW_REFUSAL, PLAN_VIEW_TITLE);
        return;
    }
    if (!HasDesignRoomsOn(State().objects, State().currentFloor)) {
        site->Message(NO_DESIGN_ROOMS, NO_DESIGN_ROOMS_TITLE);
        return;
    }
    if (!site->SetToolForKind(KIND_INTWALL))
        return;
    TDrawingtool& tool = site->Tool();
    tool.step = STEP_FINISH_DESIGN_ROOMS;
    tool.Setup(0, 0, 0);
    site->Refresh(15);
    site->SetDatumMode(DATUM_OFF);
    site->SetPickTool();
}

const TCommandRow commands[] = {
    {.id = CM_NEWFIXEDROOM, .run = CmNewFixedRoom},
    {.id = CM_FINISHDESIGNROOMS, .run = CmFinishDesignRooms},
};

const TKindRow kinds[] = {
    {KIND_FIXED_ROOM, MakeTool<TRoomobjtool>, &roomFamily},
};

}  // namespace

const TToolFamily& RoomFamily()
{
    return roomFamily;
}

TFamilyRows RoomFamilyRows()
{
    return {commands, kinds};
}

void PlaceFixedRoom(TToolSite& site)
{
    TRoomobjtool* tool = RoomTool(site);
    if (!tool)
        return;
    if (tool->NoRoomFound()) {
        tool->lineDrawn = 0;
        site.Message(NO_SELECTION, "");
        return;
    }

    std::string name;
    std::int32_t width = 0, length = 0, sizeDisplay = 0;
    int result = IDCANCEL;
    if (State().unitSystem == 1) {
        TRoomdlg dialog(&site.DialogParent(), 8000);
        result = dialog.Execute();
        name = dialog.roomNameText, width = dialog.Width(), length = dialog.Length();
        sizeDisplay = dialog.sizeDisplay;
    } else {
        TRoomimpdlg dialog(&site.DialogParent(), 8500);
        result = dialog.Execute();
        name = dialog.roomNameText, width = dialog.Width(), length = dialog.Length();
        sizeDisplay = dialog.sizeDisplay;
    }
    if (result != IDOK) {
        site.Refresh(0);
        return;
    }
    if (name.size() > MAX_ROOM_NAME)
        return;
    State().newRoomName = name;

    // Walls, name and sizes are one change of the drawing.
    TDrawingEdit edit;
    if (!tool->BuildRoom(edit, width, length) || !tool->AutoDimension(edit, sizeDisplay, width, length))
        return;
    edit.Commit();
    site.Refresh(15);
}
