#include "walls/intwallobjtool.h"

#include "model/drawingedit.h"
#include "model/drawingstate.h"
#include "model/intwallobj.h"
#include "model/lineobj.h"
#include "model/list.h"
#include "model/modelunits.h"
#include "model/selectionlist.h"
#include "model/typecodes.h"
#include "model/viewmapping.h"
#include "platform/canvas.h"
#include "walls/finishdesignrooms.h"
#include "walls/wallsegment.h"

#include <cmath>
#include <cstdlib>
#include <limits>
#include <memory>
#include <vector>

namespace {

// Tolerance of the closing ENTER, the delete hit and the repaint margin, in logical units.
constexpr int MARGIN_LOGICAL = 3;

// How far an end cap keeps off each face: it erases the met wall's line between the faces only.
constexpr int CAP_INSET_METRIC = 25;
constexpr int CAP_INSET_IMPERIAL = 24;

std::unique_ptr<TIntwallobj> MakeWall(const TIntwallobjtool& tool)
{
    auto wall = std::make_unique<TIntwallobj>(tool.kind);
    tool.FillCommonFields(*wall);
    wall->typeCode = TYPE_INTWALL;
    wall->penWidth = 1;
    wall->penStyle = 0;
    wall->wallWidth = tool.wallWidth;
    wall->wallParams = tool.wallParams;
    wall->angle = tool.lineAux1;
    wall->wallFlag = 1;
    wall->face2StartX = tool.face2StartX;
    wall->face2Aux = tool.face2Aux;
    wall->face2StartY = tool.face2StartY;
    wall->face2EndX = tool.face2EndX;
    wall->face2EndY = tool.face2EndY;
    wall->joinData = tool.joinData;
    wall->wallColour1 = tool.wallColour1;
    wall->wallColour2 = tool.wallColour2;
    return wall;
}

// A plain line of type 1 on the current floor.
std::unique_ptr<TLineobj> MakeLine(std::int32_t ownerId, std::int32_t groupId, TPoint from, TPoint to, TColor colour)
{
    auto line = std::make_unique<TLineobj>(TYPE_LINE);
    line->floor = State().currentFloor;
    line->ownerId = ownerId;
    line->groupId = groupId;
    line->x1 = from.x;
    line->y1 = from.y;
    line->x2 = to.x;
    line->y2 = to.y;
    line->colour = std::int32_t(colour);
    line->penWidth = 1;
    line->penStyle = 0;
    return line;
}

// The angle from (x1, y1) to (x2, y2): an axis direction, else atan in thousandths of a degree
// rounded to tenths, by quadrant.
std::int32_t AngleBetween(std::int64_t x1, std::int64_t y1, std::int64_t x2, std::int64_t y2)
{
    if (x1 == x2 || y1 == y2) {
        if (x2 != x1)
            return x2 <= x1 ? 2700 : 900;
        return y2 > y1 ? 0 : 1800;
    }
    const double dx = double(std::llabs(x2 - x1));
    const double dy = double(std::llabs(y2 - y1));
    const auto thousandths = std::int64_t(std::atan(dx / dy) * 57295.78);
    std::int64_t a = thousandths / 100;
    if (thousandths % 100 > 49)
        ++a;
    if (x2 > x1 && y2 > y1)
        return std::int32_t(a);
    if (x2 > x1)
        return std::int32_t(1800 - a);
    if (y2 < y1)
        return std::int32_t(a + 1800);
    return std::int32_t(3600 - a);
}

// Moves two coordinates toward each other by d each, when they differ.
void Inset(std::int32_t& a, std::int32_t& b, std::int32_t d)
{
    if (a < b) {
        a = ClampToInt32(std::int64_t(a) + d);
        b = ClampToInt32(std::int64_t(b) - d);
    } else if (a > b) {
        a = ClampToInt32(std::int64_t(a) - d);
        b = ClampToInt32(std::int64_t(b) + d);
    }
}

TModelBox Widened(TModelBox box, std::int64_t by)
{
    if (box.empty)
        return box;
    box.minX = ClampToInt32(box.minX - by);
    box.minY = ClampToInt32(box.minY - by);
    box.maxX = ClampToInt32(box.maxX + by);
    box.maxY = ClampToInt32(box.maxY + by);
    return box;
}

double DistanceToSegment(double px, double py, double ax, double ay, double bx, double by)
{
    const double dx = bx - ax, dy = by - ay;
    const double length2 = dx * dx + dy * dy;
    double u = length2 > 0.0 ? ((px - ax) * dx + (py - ay) * dy) / length2 : 0.0;
    u = u < 0.0 ? 0.0 : u > 1.0 ? 1.0 : u;
    return std::hypot(px - (ax + u * dx), py - (ay + u * dy));
}

// The point lies inside the polygon (crossing rule).
bool Inside(const TPoint (&corners)[4], double px, double py)
{
    bool inside = false;
    for (int i = 0, j = 3; i < 4; j = i++) {
        const double xi = corners[i].x, yi = corners[i].y, xj = corners[j].x, yj = corners[j].y;
        if ((yi > py) != (yj > py) && px < (xj - xi) * (py - yi) / (yj - yi) + xi)
            inside = !inside;
    }
    return inside;
}

}  // namespace

// ---------------------------------------------------------------------------------------------
// Rubber band

void TIntwallobjtool::MouseMove(Canvas& dc, const TRect& clientRect, int x, int y)
{
    if (active != 1)
        return;
    const TPoint p = ModelPoint(dc, clientRect, x, y);
    if (kind != KIND_INTWALL)
        return;
    if (feedbackShown < 1) {
        x2 = p.x;
        y2 = p.y;
        DrawFeedback(dc, 0);
        feedbackShown = 1;
        return;
    }
    if (p.x == x2 && p.y == y2)
        return;
    DrawFeedback(dc, 0);
    x2 = p.x;
    y2 = p.y;
    DrawFeedback(dc, 0);
}

void TIntwallobjtool::DrawFeedback(Canvas& dc, int)
{
    if (kind != KIND_INTWALL || active != 1)
        return;
    dc.SetROP2(RasterOp::Xor);
    // Width 0 is one device pixel at every zoom: drawing the band twice restores every pixel.
    const TPen previous = dc.SelectPen(TPen{State().currentColour, 0, PS_DOT});
    const TPoint from = ModelToLogical({x1, y1});
    const TPoint to = ModelToLogical({x2, y2});
    dc.MoveTo(from.x, from.y);
    dc.LineTo(to.x, to.y);
    dc.Flush();
    dc.SelectPen(previous);
}

void TIntwallobjtool::DrawShownFeedback(Canvas& dc, const TRect& clientRect)
{
    if (kind != KIND_INTWALL || active != 1 || feedbackShown != 1)
        return;
    SetupViewMapping(dc, clientRect);
    DrawFeedback(dc, 0);
    dc.SetROP2(RasterOp::Copy);
}

void TIntwallobjtool::EraseBand(Canvas& dc, const TRect& clientRect)
{
    DrawShownFeedback(dc, clientRect);
    feedbackShown = 0;
}

void TIntwallobjtool::LButtonDown(Canvas& dc, const TRect& clientRect, int x, int y)
{
    // Every click ends the band (a click of CENTRE too); one outside CENTRE ends the run, and the
    // next ENTER marks a new start.
    EraseBand(dc, clientRect);
    if (step < STEP_CENTRE_FIRST)
        lineDrawn = 0;
    TLineobjtool::LButtonDown(dc, clientRect, x, y);
}

// ---------------------------------------------------------------------------------------------
// Keys

void TIntwallobjtool::TakeActionId()
{
    TDrawingState& state = State();
    if (state.groupIdCounter < std::numeric_limits<int>::max())
        ++state.groupIdCounter;
    ownerId = ClampToInt32(std::int64_t(FloorIdBase(state.currentFloor)) + state.groupIdCounter);
    groupId = ownerId;
}

void TIntwallobjtool::KeyDown(Canvas& dc, const TRect& clientRect, int key, TPoint& cursor, int value)
{
    outcome = TIntwallOutcome::None;
    repaintArea = {};
    if (kind == KIND_INTWALL_DELETE) {
        if (key == VK_ENTER)
            DeleteAt(dc, clientRect, cursor);
        return;
    }

    TDrawingState& state = State();
    active = 0;
    penWidth = 1;
    colour = state.currentColour;
    penStyle = 0;
    groupId = 0;
    markerState = 0;
    lineAux2 = 0;
    joinData = {0, 0, 0, 0};
    // Internal walls live on the plan floors only.
    if (FloorIdBase(state.currentFloor) == 0)
        return;

    TDrawingEdit edit;
    bool built = false;
    bool closed = false;
    if (key == VK_ENTER) {
        if (kind != KIND_INTWALL)
            return;
        const TPoint p = ModelPoint(dc, clientRect, cursor.x, cursor.y);
        if (lineDrawn == 0) {
            x1 = p.x;
            y1 = p.y;
            lineDrawn = 1;
            feedbackShown = 0;
            lastWallIndex = -1;
            return;
        }
        x2 = p.x;
        y2 = p.y;
        feedbackShown = 0;
        closed = CloseRun(edit);
        if (!closed) {
            TakeActionId();
            lineAux1 = AngleBetween(x1, y1, x2, y2);
            objectIndex = markerX;
            lineAux2 = markerX;
            built = StoreWall(edit);
        }
    } else if (key == VK_UP || key == VK_DOWN || key == VK_LEFT || key == VK_RIGHT) {
        if (lineDrawn != 1)
            return;
        std::int64_t endX = x1, endY = y1;
        int direction = 900;
        switch (key) {
        case VK_UP:
            endY += value;
            direction = 0;
            break;
        case VK_DOWN:
            endY -= value;
            direction = 1800;
            break;
        case VK_LEFT:
            endX -= value;
            direction = 2700;
            break;
        default:
            endX += value;
            break;
        }
        // A wall ending where the drawing file cannot store it is not built.
        if (!AcceptsPoint(endX, endY))
            return;
        TakeActionId();
        x2 = std::int32_t(endX);
        y2 = std::int32_t(endY);
        lineAux1 = direction;
        objectIndex = markerX;
        lineAux2 = markerX;
        built = StoreWall(edit);
    } else {
        return;
    }

    if (!built && !closed) {
        if (edit.Changed())
            edit.Commit();
        return;
    }

    // The wall is shown at once; the end caps go over the met walls' lines.
    if (built)
        state.objects[lastWallIndex]->DrawMapped(dc, clientRect, 0);
    if (built && (step == STEP_INTWALL_START_ABUTS || step == STEP_INTWALL_BOTH_ABUT))
        AddEndCap(edit, dc, clientRect, 1);
    if (built && (step == STEP_INTWALL_END_ABUTS || step == STEP_INTWALL_BOTH_ABUT)) {
        AddEndCap(edit, dc, clientRect, 2);
        active = 0;
    }
    if (step >= STEP_INTWALL_START_ABUTS && step <= STEP_INTWALL_BOTH_ABUT)
        step = STEP_READY;

    // The next piece starts where the user got to: the end of the wall just built as it was
    // entered.
    if (const TIntwallobj* last = LastWall()) {
        x1 = lastWallReversed ? last->x1 : last->x2;
        y1 = lastWallReversed ? last->y1 : last->y2;
    }
    const std::int64_t margin = std::int64_t(MARGIN_LOGICAL) * state.unitsPerLogical;
    if (built)
        repaintArea = Widened(edit.Area(), margin);
    edit.Commit();
}

bool TIntwallobjtool::StoreWall(TDrawingEdit& edit)
{
    if (x1 == x2 && y1 == y2) {
        penWidth = 1;
        penStyle = 0;
        return false;
    }
    // The segment as typed, for a refusal: BuildWall may snap it or turn it round.
    const std::array<std::int32_t, 5> typed{x1, y1, x2, y2, lineAux1};
    BuildWall(edit, 1);
    penWidth = 1;
    penStyle = 0;
    if (const auto point = derived.Unstorable()) {
        AcceptsPoint((*point)[0], (*point)[1]);  // tells the user
        edit.Drop();
        x1 = typed[0], y1 = typed[1], x2 = typed[2], y2 = typed[3], lineAux1 = typed[4];
        wallReversed = false;
        return false;
    }
    // A zero coordinate stands for an unset point.
    if (x1 == 0 || y1 == 0 || (x1 == x2 && y1 == y2))
        return false;
    auto wall = MakeWall(*this);
    wall->groupId = ownerId;
    lastWallIndex = edit.Add(std::move(wall));
    lastWallId = ownerId;
    lastWallReversed = wallReversed;
    lineDrawn = 1;
    return true;
}

void TIntwallobjtool::CreateObject(Canvas& dc, const TRect& clientRect)
{
    TDrawingEdit edit;
    const bool stored = StoreWall(edit);
    // A wall the file did not take is no longer in the list: nothing to show.
    const bool written = !edit.Changed() || edit.Commit();
    if (stored && written)
        State().objects[lastWallIndex]->DrawMapped(dc, clientRect, 0);
}

const TIntwallobj* TIntwallobjtool::LastWall() const
{
    const TDrawingState& state = State();
    if (lastWallIndex < 0 || lastWallIndex >= state.objects.count())
        return nullptr;
    const TIntwallobj* wall = InternalWallOn(state.objects[lastWallIndex], state.currentFloor);
    return wall && wall->ownerId == lastWallId ? wall : nullptr;
}

bool TIntwallobjtool::CloseRun(TDrawingEdit& edit)
{
    const TIntwallobj* last = LastWall();
    if (!last)
        return false;
    const TDrawingState& state = State();
    const std::int64_t t = std::int64_t(MARGIN_LOGICAL) * state.unitsPerLogical;
    const TPoint end = lastWallReversed ? TPoint{last->x1, last->y1} : TPoint{last->x2, last->y2};
    const TPoint face = lastWallReversed ? TPoint{last->face2StartX, last->face2StartY}
                                         : TPoint{last->face2EndX, last->face2EndY};
    if (!(end.x - t < x2 && x2 < end.x + t && end.y - t < y2 && y2 < end.y + t))
        return false;

    // The closing line belongs to the last wall's owner but to no group: deleting the wall keeps it.
    edit.Add(MakeLine(ownerId, 0, end, face, colour));
    x2 = ClampToInt32(std::max<std::int64_t>(end.x, face.x) + t);
    y2 = ClampToInt32(std::min<std::int64_t>(end.y, face.y) - t);
    outcome = TIntwallOutcome::Closed;
    TModelBox area;
    area.Add(end.x, end.y);
    area.Add(face.x, face.y);
    repaintArea = Widened(area, t);
    return true;
}

void TIntwallobjtool::AddEndCap(TDrawingEdit& edit, Canvas& dc, const TRect& clientRect, int end)
{
    const std::int32_t d = State().unitSystem == 0 ? CAP_INSET_IMPERIAL : CAP_INSET_METRIC;
    std::int32_t& x = end == 1 ? x1 : x2;
    std::int32_t& y = end == 1 ? y1 : y2;
    std::int32_t& fx = end == 1 ? face2StartX : face2EndX;
    std::int32_t& fy = end == 1 ? face2StartY : face2EndY;
    Inset(x, fx, d);
    Inset(y, fy, d);
    auto cap = MakeLine(ownerId, groupId, {x, y}, {fx, fy}, State().currentFillColour);
    cap->DrawMapped(dc, clientRect, 0);
    edit.Add(std::move(cap));
}

// ---------------------------------------------------------------------------------------------
// Setup

void TIntwallobjtool::Setup(int direction, int, int)
{
    outcome = TIntwallOutcome::None;
    if (step == STEP_FINISH_DESIGN_ROOMS) {
        FinishDesignRooms(*this);
        active = 0;
        return;
    }
    SnapStart();
    // Only the first piece after a start (or after a key that built nothing) is checked.
    const bool verticalSide = markerX == 1 || markerX == 3;
    const bool horizontalSide = markerX == 2 || markerX == 4;
    const bool vertical = direction == 1 || direction == 3;
    const bool horizontal = direction == 2 || direction == 4;
    if (lineAux2 == 0 && ((verticalSide && vertical) || (horizontalSide && horizontal))) {
        outcome = TIntwallOutcome::WrongArrow;
        return;
    }
    libraryFlag = 0;
    if (vertical || horizontal)
        MeasureAhead(direction);
    active = 0;
}

// ---------------------------------------------------------------------------------------------
// Delete

int TIntwallobjtool::FindInternalWallAt(TPoint model) const
{
    const TDrawingState& state = State();
    const double t = double(MARGIN_LOGICAL) * state.unitsPerLogical;
    const double px = model.x, py = model.y;
    for (int i = 0; i < state.objects.count(); ++i) {
        const TIntwallobj* wall = InternalWallOn(state.objects[i], state.currentFloor);
        if (!wall)
            continue;
        const TPoint corners[4] = {
            {wall->x1, wall->y1}, {wall->x2, wall->y2}, {wall->face2EndX, wall->face2EndY},
            {wall->face2StartX, wall->face2StartY}};
        if (Inside(corners, px, py))
            return i;
        for (int k = 0; k < 4; ++k) {
            const TPoint& a = corners[k];
            const TPoint& b = corners[(k + 1) % 4];
            if (DistanceToSegment(px, py, a.x, a.y, b.x, b.y) <= t)
                return i;
        }
    }
    return -1;
}

void TIntwallobjtool::DeleteAt(Canvas& dc, const TRect& clientRect, TPoint cursor)
{
    const TPoint p = ModelPoint(dc, clientRect, cursor.x, cursor.y);
    x1 = p.x;
    y1 = p.y;
    const int index = FindInternalWallAt(p);
    if (index < 0) {
        outcome = TIntwallOutcome::NothingToDelete;
        return;
    }
    DeleteGroup(index);
}

void TIntwallobjtool::DeleteGroup(int index)
{
    TDrawingState& state = State();
    TList& objects = state.objects;
    if (index < 0 || index >= objects.count()) {
        outcome = TIntwallOutcome::NothingToDelete;
        return;
    }
    // The internal walls of the group on this floor, and the end caps laid with its id. A group id
    // of 0 names no action: only that wall goes.
    const std::int32_t id = objects[index]->groupId;
    std::vector<int> doomed{index};
    for (int i = 0; i < objects.count(); ++i) {
        const TObject& object = *objects[i];
        if (object.floor != state.currentFloor || id == 0)
            continue;
        const bool wall = object.typeCode == TYPE_INTWALL && object.groupId == id;
        const bool cap = object.typeCode == TYPE_LINE && object.ownerId == id && object.groupId == id;
        if (wall || cap)
            doomed.push_back(i);
    }

    TDrawingEdit edit(objects);
    edit.RemoveAll(doomed);
    const std::int64_t margin = std::int64_t(MARGIN_LOGICAL) * state.unitsPerLogical;
    repaintArea = Widened(edit.Area(), margin);
    x1 = repaintArea.minX;
    x2 = repaintArea.maxX;
    y1 = repaintArea.minY;
    y2 = repaintArea.maxY;
    lastWallIndex = -1;
    outcome = TIntwallOutcome::Deleted;
    edit.Commit();
    // The selection list's indices name other objects now.
    ClearCopyList();
}

void AddIntwallObject(TDrawingEdit& edit, const TIntwallobjtool& tool)
{
    edit.Add(MakeWall(tool));
}
