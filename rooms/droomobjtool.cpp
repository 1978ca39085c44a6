#include "rooms/droomobjtool.h"

#include "model/drawingedit.h"
#include "model/drawingstate.h"
#include "model/list.h"
#include "model/roomobj.h"
#include "model/settingsrecords.h"
#include "model/viewmapping.h"
#include "platform/canvas.h"
#include "rooms/designroommerge.h"
#include "rooms/designroomsizes.h"
#include "rooms/maxdesignroomsize.h"

#include <algorithm>
#include <limits>

namespace {

// A room taken within this many logical units of its centre, on both axes, is dragged without
// being aligned on release.
constexpr int CENTRE_GRIP = 20;

// Which size text FormatDesignRoomSizes renews.
constexpr int LENGTH_TEXT = 1;
constexpr int WIDTH_TEXT = 2;

// The colour choices of NEWRM.CFG.
constexpr int NO_COLOUR = 1;
constexpr int WET_AREA_COLOUR = 2;
constexpr int BEDROOM_COLOUR = 3;
constexpr int OTHER_ROOMS_COLOUR = 4;

std::int32_t Clamp32(std::int64_t value)
{
    return std::int32_t(std::clamp<std::int64_t>(value, std::numeric_limits<std::int32_t>::min(),
                                                 std::numeric_limits<std::int32_t>::max()));
}

void Shift(std::int32_t& value, std::int64_t by)
{
    value = Clamp32(std::int64_t(value) + by);
}

}  // namespace

int FineMoveNudge(int unitSystem)
{
    return unitSystem == 0 ? 24 : 25;
}

TDRoomobjtool::TDRoomobjtool()
{
    kind = KIND_DESIGN_ROOM;
    selectedRoom = NO_INDEX;
    fillColour = State().currentFillColour;
}

// The selection

TRoomobj* TDRoomobjtool::SelectedRoom() const
{
    if (!roomSelected)
        return nullptr;
    const TDrawingState& state = State();
    if (selectedRoom < 0 || selectedRoom >= state.objects.count())
        return nullptr;
    auto* room = dynamic_cast<TRoomobj*>(state.objects[selectedRoom]);
    return room && IsDesignRoomOn(*room, state.currentFloor) ? room : nullptr;
}

void TDRoomobjtool::ClearSelection()
{
    selectedRoom = NO_INDEX;
    roomSelected = false;
}

void TDRoomobjtool::SelectDesignRoom(Canvas& dc, const TRect& clientRect, int x, int y)
{
    SelectRoomAt(ModelPoint(dc, clientRect, x, y));
}

void TDRoomobjtool::SelectRoomAt(TPoint model)
{
    ClearSelection();
    lastX = model.x;
    lastY = model.y;
    const TDrawingState& state = State();
    const TList& objects = state.objects;
    // Of overlapping rooms the one earlier in the list is taken.
    const TRoomobj* room = nullptr;
    for (int i = 0; i < objects.count() && !room; ++i) {
        const auto* candidate = dynamic_cast<const TRoomobj*>(objects[i]);
        if (candidate && IsDesignRoomOn(*candidate, state.currentFloor) && candidate->HoldsStrictly(model.x, model.y)) {
            room = candidate;
            selectedRoom = i;
        }
    }
    if (!room)
        return;
    roomSelected = true;
    roomWidth = room->roomWidth;
    roomLength = room->roomLength;

    const std::int64_t centreX = std::int64_t(room->x1) + room->roomWidth / 2;
    const std::int64_t centreY = std::int64_t(room->y1) - room->roomLength / 2;
    const std::int64_t grip = std::int64_t(CENTRE_GRIP) * state.unitsPerLogical;
    const bool nearCentre = centreX - grip < model.x && model.x < centreX + grip && centreY - grip < model.y &&
                            model.y < centreY + grip;

    editLeft = room->x1;
    editTop = room->y1;
    editRight = room->x2;
    editBottom = room->y2;
    if (step < STEP_DROOM_DRAG_ALIGNED) {
        TakeRoomRectangle(*room);
        step = nearCentre ? STEP_DROOM_DRAG_FREE : STEP_DROOM_DRAG_ALIGNED;
        active = 1;
    }
}

void TDRoomobjtool::TakeRoomRectangle(const TRoomobj& room)
{
    x1 = room.x1;
    y1 = room.y1;
    x2 = room.x2;
    y2 = room.y2;
}

void TDRoomobjtool::MoveToolRectangle(std::int64_t dx, std::int64_t dy)
{
    Shift(x1, dx);
    Shift(x2, dx);
    Shift(y1, dy);
    Shift(y2, dy);
}

// The mouse

void TDRoomobjtool::LButtonDown(Canvas& dc, const TRect& clientRect, int x, int y)
{
    outcome = TDesignRoomOutcome::None;
    if (step >= STEP_READY && step <= STEP_DROOM_LAST_SELECT) {
        SelectDesignRoom(dc, clientRect, x, y);
        return;
    }
    switch (step) {
    case STEP_DROOM_EXPAND:
    case STEP_DROOM_SHRINK:
        SelectDesignRoom(dc, clientRect, x, y);
        lineDrawn = 1;
        return;
    case STEP_DROOM_MOVE:
        SelectDesignRoom(dc, clientRect, x, y);
        lineDrawn = 1;
        step = STEP_DROOM_MOVE_TYPED;
        return;
    case STEP_DROOM_ROTATE:
    case STEP_DROOM_DELETE: {
        SelectDesignRoom(dc, clientRect, x, y);
        if (!HasSelectedRoom())
            return;
        TDrawingEdit edit;
        if (step == STEP_DROOM_ROTATE)
            RotateDesignRoom(*this, edit);
        else
            DeleteDesignRoom(*this, edit);
        edit.Commit();
        return;
    }
    case STEP_DROOM_MAX_SIZE:
        MaxDesignRoomSize(*this, ModelPoint(dc, clientRect, x, y));
        return;
    default:
        return;
    }
}

void TDRoomobjtool::LButtonUp(Canvas& dc, const TRect& clientRect, TPoint& point)
{
    TDrawingEdit edit;
    bool changed = false;
    if (active == 1 && HasSelectedRoom()) {
        TObject& room = edit.Modify(selectedRoom);
        room.x1 = x1;
        room.y1 = y1;
        room.x2 = x2;
        room.y2 = y2;
        changed = true;
    }
    feedbackState() = 0;
    active = 0;
    if (step == STEP_DROOM_DRAG_ALIGNED) {
        step = STEP_READY;
        if (HasSelectedRoom()) {
            MergeDesignRoom(*this, edit, ModelPoint(dc, clientRect, point.x, point.y));
            changed = true;
        }
    }
    if (changed)
        edit.Commit();
}

void TDRoomobjtool::RButtonDown(Canvas& dc, const TRect& clientRect, TPoint& point)
{
    if (step != STEP_DROOM_MOVE)
        return;
    SelectDesignRoom(dc, clientRect, point.x, point.y);
    step = STEP_DROOM_MOVE_FINE;
    lineDrawn = 1;
}

void TDRoomobjtool::MouseMove(Canvas& dc, const TRect& clientRect, int x, int y)
{
    if (active != 1 || !HasSelectedRoom())
        return;
    const TPoint m = ModelPoint(dc, clientRect, x, y);
    std::int32_t& shown = feedbackState();
    const bool inside = clientRect.left < x && x < clientRect.right && clientRect.top < y && y < clientRect.bottom;
    if (inside) {
        if (shown == 0) {
            // The first move covers the room where it lies; from then on only the outline moves.
            lastX = m.x;
            lastY = m.y;
            DrawFeedback(dc, 0);
        } else if (shown == 10) {
            lastX = m.x;
            lastY = m.y;
        } else if (shown == 1) {
            DrawFeedback(dc, 1);
        }
        MoveToolRectangle(std::int64_t(m.x) - lastX, std::int64_t(m.y) - lastY);
        lastX = m.x;
        lastY = m.y;
        DrawFeedback(dc, 1);
        shown = 1;
        return;
    }
    DrawFeedback(dc, 0);
    if (shown == 0) {
        lastX = m.x;
        lastY = m.y;
        shown = 10;
    } else if (shown == 10) {
        MoveToolRectangle(std::int64_t(m.x) - lastX, std::int64_t(m.y) - lastY);
        lastX = m.x;
        lastY = m.y;
        DrawFeedback(dc, 1);
    }
}

void TDRoomobjtool::DrawFeedback(Canvas& dc, int mode)
{
    if (!HasSelectedRoom())
        return;
    feedbackArea.Add(x1, y1);
    feedbackArea.Add(x2, y2);
    DrawRectangleFeedback(dc, mode, {x1, y1}, {x2, y2});
}

void TDRoomobjtool::DrawRectangleFeedback(Canvas& dc, int mode, TPoint corner1, TPoint corner2) const
{
    const TDrawingState& state = State();
    const TPoint a = ModelToLogical(corner1);
    const TPoint b = ModelToLogical(corner2);
    auto sides = [&] {
        dc.MoveTo(a.x, a.y);
        dc.LineTo(b.x, a.y);
        dc.LineTo(b.x, b.y);
        dc.LineTo(a.x, b.y);
        dc.LineTo(a.x, a.y);
    };
    if (mode == 1) {
        // Drawn twice, the outline leaves the screen as it was.
        const RasterOp oldRop = dc.SetROP2(RasterOp::Xor);
        const TPen oldPen = dc.SelectPen(TPen{state.currentColour, 1, PS_DOT});
        sides();
        dc.SelectPen(oldPen);
        dc.SetROP2(oldRop);
        return;
    }
    // The cover reaches one scale step beyond the right and bottom sides, over the room's pen.
    const int u = state.unitsPerLogical;
    const RasterOp oldRop = dc.SetROP2(RasterOp::Copy);
    const TPen oldPen = dc.SelectPen(TPen{state.currentFillColour, 1, PS_SOLID});
    sides();
    TBrush cover;
    cover.kind = BrushKind::Solid;
    cover.colour = state.currentFillColour;
    const TBrush oldBrush = dc.SelectBrush(cover);
    dc.Rectangle(a.x, a.y, b.x + u, b.y - u);
    dc.SelectBrush(oldBrush);
    dc.SelectPen(oldPen);
    dc.SetROP2(oldRop);
}

void TDRoomobjtool::DrawShownFeedback(Canvas& dc, const TRect& clientRect)
{
    const std::int32_t shown = feedbackState();
    const TRoomobj* room = SelectedRoom();
    if ((shown != 1 && shown != 10) || !room)
        return;
    // Drawn where the last event drew it, which the window repaints: nothing the tool holds changes.
    SetupViewMapping(dc, clientRect);
    DrawRectangleFeedback(dc, 0, {room->x1, room->y1}, {room->x2, room->y2});
    // 10: the drag came in from outside the window and has no outline out yet.
    if (shown == 1)
        DrawRectangleFeedback(dc, 1, {x1, y1}, {x2, y2});
}

// The keyboard

void TDRoomobjtool::KeyDown(Canvas& dc, const TRect& clientRect, int key, TPoint&, int value)
{
    outcome = TDesignRoomOutcome::None;
    const TRoomobj* room = SelectedRoom();
    if (!room)
        return;
    const bool fineMove = step == STEP_DROOM_MOVE_FINE;
    if (fineMove) {
        // After a key release the room's image is covered first; later keys erase the outline.
        SetupViewMapping(dc, clientRect);
        TakeRoomRectangle(*room);
        if (feedbackState() == 0) {
            DrawFeedback(dc, 0);
            feedbackState() = 1;
        } else {
            DrawFeedback(dc, 1);
        }
    }
    editLeft = room->x1;
    editTop = room->y1;
    editRight = room->x2;
    editBottom = room->y2;
    TDrawingEdit edit;
    if (EditByKey(edit, key, value))
        edit.Commit();
    // The room as the list holds it now: moved, or as the file kept it after a failed write.
    const TRoomobj* now = SelectedRoom();
    if (!now)
        return;
    TakeRoomRectangle(*now);
    if (fineMove)
        DrawFeedback(dc, 1);
}

bool TDRoomobjtool::EditByKey(TDrawingEdit& edit, int key, int value)
{
    if (key != VK_LEFT && key != VK_UP && key != VK_RIGHT && key != VK_DOWN)
        return false;
    const TRoomobj& current = *SelectedRoom();
    const bool acrossX = key == VK_LEFT || key == VK_RIGHT;
    std::int64_t d = value;
    switch (step) {
    case STEP_DROOM_EXPAND:
        break;
    case STEP_DROOM_SHRINK: {
        // A room keeps a width and a length of at least 1: a room turned inside out could never
        // be picked again.
        const std::int64_t left = std::int64_t(acrossX ? current.roomWidth : current.roomLength) - d;
        if (left < 1) {
            outcome = TDesignRoomOutcome::TooSmall;
            return false;
        }
        d = -d;
        break;
    }
    case STEP_DROOM_MOVE_TYPED:
        break;
    case STEP_DROOM_MOVE_FINE:
        d = FineMoveNudge(State().unitSystem);
        break;
    default:
        return false;
    }
    auto& room = static_cast<TRoomobj&>(edit.Modify(selectedRoom));
    if (step == STEP_DROOM_MOVE_TYPED || step == STEP_DROOM_MOVE_FINE) {
        const std::int64_t dx = key == VK_LEFT ? -d : key == VK_RIGHT ? d : 0;
        const std::int64_t dy = key == VK_DOWN ? -d : key == VK_UP ? d : 0;
        Shift(room.x1, dx);
        Shift(room.x2, dx);
        Shift(room.y1, dy);
        Shift(room.y2, dy);
        return true;
    }
    // Expand pushes the key's side outwards by d, shrink (d negative here) pulls it in.
    switch (key) {
    case VK_LEFT: Shift(room.x1, -d); break;
    case VK_RIGHT: Shift(room.x2, d); break;
    case VK_UP: Shift(room.y1, d); break;
    default: Shift(room.y2, -d); break;
    }
    if (acrossX) {
        Shift(room.roomWidth, d);
        FormatDesignRoomSizes(WIDTH_TEXT);
    } else {
        Shift(room.roomLength, d);
        FormatDesignRoomSizes(LENGTH_TEXT);
    }
    return true;
}

void TDRoomobjtool::FormatDesignRoomSizes(int which)
{
    TRoomobj* room = SelectedRoom();
    if (!room || (which != LENGTH_TEXT && which != WIDTH_TEXT))
        return;
    const int unitSystem = State().unitSystem;
    if (which == LENGTH_TEXT) {
        if (const auto text = DesignRoomSizeText(room->roomLength, unitSystem))
            room->SetSizeText2(*text);
    } else if (const auto text = DesignRoomSizeText(room->roomWidth, unitSystem)) {
        room->SetSizeText1(*text);
    }
}

// A new room

void TDRoomobjtool::Setup(int width, int length, int)
{
    TDrawingState& state = State();
    ownerId = ++state.groupIdCounter;
    groupId = ownerId;
    const TNewRoomSettings choice = ReadSettings<TNewRoomSettings>();
    sizeDisplay = choice.sizeDisplay;
    roomWidth = width;
    roomLength = length;

    // The lower-left corner two scale steps and a pen width inside the lower-left of the view.
    const std::int64_t u = state.unitsPerLogical;
    const std::int64_t left = (2 * u + state.viewOrgX + state.printLineFactor) * u;
    const std::int64_t bottom = (2 * u + state.viewOrgY + state.printLineFactor) * u;
    x1 = Clamp32(left);
    y1 = Clamp32(bottom + length);
    x2 = Clamp32(std::int64_t(x1) + width);
    y2 = Clamp32(std::int64_t(y1) - length);

    textPointSize = state.textPointSize;
    nameLength = std::int32_t(state.newRoomName.size());
    if (const auto text = DesignRoomSizeText(width, state.unitSystem))
        sizeText1 = *text;
    if (const auto text = DesignRoomSizeText(length, state.unitSystem))
        sizeText2 = *text;
    sizeText1Length = std::int32_t(sizeText1.size());
    sizeText2Length = std::int32_t(sizeText2.size());

    const TRoomColourSettings colours = ReadSettings<TRoomColourSettings>();
    switch (choice.colourChoice) {
    case NO_COLOUR: fillColour = state.currentFillColour; break;
    case WET_AREA_COLOUR: fillColour = TColor(colours.wetArea); break;
    case BEDROOM_COLOUR: fillColour = TColor(colours.bedroom); break;
    case OTHER_ROOMS_COLOUR: fillColour = TColor(colours.otherRooms); break;
    default: break;
    }

    auto room = std::make_unique<TRoomobj>(TYPE_DESIGN_ROOM);
    room->floor = state.currentFloor;
    room->ownerId = ownerId;
    room->groupId = groupId;
    room->penWidth = 1;
    room->penStyle = PS_SOLID;
    room->x1 = x1;
    room->y1 = y1;
    room->x2 = x2;
    room->y2 = y2;
    room->roomWidth = roomWidth;
    room->roomLength = roomLength;
    room->sizeDisplay = sizeDisplay;
    room->textPointSize = textPointSize;
    room->fillColour = std::int32_t(fillColour);
    room->SetRoomName(state.newRoomName);
    room->SetSizeText1(sizeText1);
    room->SetSizeText2(sizeText2);
    TDrawingEdit edit;
    edit.Add(std::move(room));
    edit.Commit();
}

// Rotate and delete

void RotateDesignRoom(TDRoomobjtool& tool, TDrawingEdit& edit)
{
    if (!tool.HasSelectedRoom())
        return;
    auto& room = static_cast<TRoomobj&>(edit.Modify(tool.selectedRoom));
    const std::int32_t width = room.roomWidth;
    const std::int32_t length = room.roomLength;
    tool.roomWidth = width;
    tool.roomLength = length;
    // About the centre, each half truncated; the far corners follow from the sizes, so the turned
    // room keeps its size exactly and two turns give back the rectangle it had.
    const std::int64_t centreX = std::int64_t(room.x1) + width / 2;
    const std::int64_t centreY = std::int64_t(room.y1) - length / 2;
    room.x1 = Clamp32(centreX - length / 2);
    room.x2 = Clamp32(std::int64_t(room.x1) + length);
    room.y1 = Clamp32(centreY + width / 2);
    room.y2 = Clamp32(std::int64_t(room.y1) - width);
    room.roomWidth = length;
    room.roomLength = width;
    tool.FormatDesignRoomSizes(WIDTH_TEXT);
    tool.FormatDesignRoomSizes(LENGTH_TEXT);
    // The repaint covers the turned room as well as the one it was.
    tool.x1 = room.x1;
    tool.y1 = room.y1;
    tool.x2 = room.x2;
    tool.y2 = room.y2;
}

void DeleteDesignRoom(TDRoomobjtool& tool, TDrawingEdit& edit)
{
    const TRoomobj* room = tool.SelectedRoom();
    if (!room)
        return;
    tool.x1 = room->x1;
    tool.y1 = room->y1;
    tool.x2 = room->x2;
    tool.y2 = room->y2;
    edit.Remove(tool.selectedRoom);
    tool.ClearSelection();
}
