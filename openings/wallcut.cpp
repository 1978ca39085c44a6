#include "openings/wallcut.h"

#include "model/drawingedit.h"
#include "model/drawingstate.h"
#include "model/intwallobj.h"
#include "model/lineobj.h"
#include "model/polyobj.h"
#include "model/typecodes.h"
#include "openings/doorobjtool.h"
#include "openings/doorwallaxis.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <memory>

namespace {

bool CodeIn(int code, std::initializer_list<int> codes)
{
    return std::find(codes.begin(), codes.end(), code) != codes.end();
}

// The mark is the centre of the opening for these kinds, a jamb for the single doors.
bool CentredKind(int kind)
{
    return kind == KIND_DOOR_DOUBLE || kind == KIND_WALL_OPENING;
}

struct TWide {
    std::int64_t x = 0;
    std::int64_t y = 0;
};

TWide operator+(TWide a, TPoint b)
{
    return {a.x + b.x, a.y + b.y};
}

// The opening polygon in the fill colour, its corners at the head level.
void AddPolygon(TDoorobjtool& tool, TDrawingEdit& edit, Canvas& dc, const TRect& clientRect,
                const TWide (&corners)[4])
{
    const TDrawingState& state = State();
    auto polygon = std::make_unique<TPolyobj>(TYPE_OPENING_POLYGON);
    polygon->floor = state.currentFloor;
    polygon->ownerId = tool.ownerId;
    polygon->groupId = tool.groupId;
    polygon->colour = std::int32_t(state.currentFillColour);
    polygon->fillColour = std::int32_t(state.currentFillColour);
    polygon->penWidth = 1;
    polygon->penStyle = PS_SOLID;
    polygon->vertexCount = 4;
    for (std::size_t i = 0; i < 4; ++i) {
        tool.derived.Put(polygon->vertexX[i], polygon->vertexY[i], corners[i].x, corners[i].y);
        polygon->vertexZ[i] = tool.headLevel;
    }
    polygon->DrawMapped(dc, clientRect, 0);
    edit.Add(std::move(polygon));
}

// A jamb line across a wall along an axis: a plain line in the tool's colour.
void AddJamb(TDoorobjtool& tool, TDrawingEdit& edit, Canvas& dc, const TRect& clientRect, TWide from, TWide to)
{
    auto line = std::make_unique<TLineobj>(TYPE_LINE);
    line->floor = State().currentFloor;
    line->ownerId = tool.ownerId;
    line->groupId = tool.groupId;
    line->colour = std::int32_t(tool.colour);
    tool.derived.Put(line->x1, line->y1, from.x, from.y);
    tool.derived.Put(line->x2, line->y2, to.x, to.y);
    line->DrawMapped(dc, clientRect, 0);
    edit.Add(std::move(line));
}

bool Refuse(TDoorobjtool& tool)
{
    tool.outcome = TPlaceOutcome::DoorCodeRefused;
    return false;
}

// On an angled wall the mark and the steps along the wall are each rounded to whole units: an
// opening marked up to an end may come out this far past it.
constexpr double ANGLED_SLACK = 2.0;

// The stretch along a wall that both its faces cover, given each face's ends along the wall: an
// opening within it crosses the whole thickness and reaches into no wall joined at either end.
struct TSpan {
    double low = 0;
    double high = 0;
};

TSpan SharedSpan(double a1, double a2, double b1, double b2)
{
    return {std::max(std::min(a1, a2), std::min(b1, b2)), std::min(std::max(a1, a2), std::max(b1, b2))};
}

// True when the opening between the positions a and b along the wall lies within `span`, give or
// take `slack`; otherwise the outcome says it runs past the end of the wall.
bool WithinWall(TDoorobjtool& tool, double a, double b, TSpan span, double slack)
{
    if (std::min(a, b) >= span.low - slack && std::max(a, b) <= span.high + slack)
        return true;
    tool.outcome = TPlaceOutcome::PastWallEnd;
    return false;
}

}  // namespace

int DoorOverlap(int unitSystem)
{
    return unitSystem == 0 ? 24 : 25;
}

bool CutInternalWall(TDoorobjtool& tool, TDrawingEdit& edit, Canvas& dc, const TRect& clientRect)
{
    tool.penWidth = 1;
    tool.penStyle = PS_SOLID;
    const TIntwallobj* wall = tool.DoorWall();
    if (!wall) {
        tool.outcome = TPlaceOutcome::NoWallMarked;
        return false;
    }
    tool.lineAux1 = wall->angle;
    if (!IsAxisAngle(wall->angle))
        return AddDoorOpeningPolygon(tool, edit, dc, clientRect);

    const bool alongY = wall->x1 == wall->x2 && wall->y1 != wall->y2;
    const bool alongX = wall->y1 == wall->y2 && wall->x1 != wall->x2;
    // A wall at an axis angle whose line runs along neither axis cannot be opened.
    if (!alongX && !alongY)
        return Refuse(tool);

    const TWide mark{tool.x1, tool.y1};
    const std::int64_t w = tool.openingWidth;
    const std::int64_t t = DoorOverlap(State().unitSystem);
    const std::int64_t W = wall->wallWidth;
    const int code = tool.doorCode;
    const int side = tool.step;
    const int face = tool.faceNumber();

    // P: a jamb of the opening.
    TWide p = mark;
    if (CentredKind(tool.kind)) {
        if (alongY)
            p.y += w / 2;
        else
            p.x -= w / 2;
    }

    TWide corners[4];
    TWide jambs[4];
    if (alongY) {
        if (CodeIn(code, {5, 6, 7, 8}))
            return Refuse(tool);
        if (code == DOOR_CODE_DOUBLE &&
            ((face == WALL_FACE_LEFT && side == DOOR_SIDE_RIGHT) || (face == WALL_FACE_RIGHT && side == DOOR_SIDE_LEFT) ||
             side == DOOR_SIDE_TOP || side == DOOR_SIDE_BOTTOM))
            return Refuse(tool);
        if (face != WALL_FACE_LEFT && face != WALL_FACE_RIGHT)
            return Refuse(tool);
        // The wall lies across from the marked face; the opening runs down from P, or up for the
        // codes that open towards +y.
        const std::int64_t e = face == WALL_FACE_LEFT ? W : -W;
        const std::int64_t d = CodeIn(code, {2, 4}) ? -w : w;
        const std::int64_t xl = std::min(p.x, p.x + e), xh = std::max(p.x, p.x + e);
        const std::int64_t yl = std::min(p.y, p.y - d), yh = std::max(p.y, p.y - d);
        if (!WithinWall(tool, double(yl), double(yh),
                        SharedSpan(wall->y1, wall->y2, wall->faceStartY(), wall->faceEndY()), 0))
            return false;
        corners[0] = {xh + t, yl};
        corners[1] = {xh + t, yh};
        corners[2] = {xl - t, yh};
        corners[3] = {xl - t, yl};
        jambs[0] = p;
        jambs[1] = {p.x + e, p.y};
        jambs[2] = {p.x, p.y - d};
        jambs[3] = {p.x + e, p.y - d};
    } else {
        if (CodeIn(code, {1, 2, 3, 4}))
            return Refuse(tool);
        if (code == DOOR_CODE_DOUBLE &&
            ((face == WALL_FACE_LOWER && side == DOOR_SIDE_TOP) || (face == WALL_FACE_UPPER && side == DOOR_SIDE_BOTTOM) ||
             side == DOOR_SIDE_RIGHT || side == DOOR_SIDE_LEFT))
            return Refuse(tool);
        if (face != WALL_FACE_LOWER && face != WALL_FACE_UPPER)
            return Refuse(tool);
        const std::int64_t e = face == WALL_FACE_LOWER ? W : -W;
        const std::int64_t d = CodeIn(code, {7, 8}) ? -w : w;
        const std::int64_t xl = std::min(p.x, p.x + d), xh = std::max(p.x, p.x + d);
        const std::int64_t yl = std::min(p.y, p.y + e), yh = std::max(p.y, p.y + e);
        if (!WithinWall(tool, double(xl), double(xh),
                        SharedSpan(wall->x1, wall->x2, wall->faceStartX(), wall->faceEndX()), 0))
            return false;
        corners[0] = {xh, yl - t};
        corners[1] = {xh, yh + t};
        corners[2] = {xl, yh + t};
        corners[3] = {xl, yl - t};
        jambs[0] = p;
        jambs[1] = {p.x, p.y + e};
        jambs[2] = {p.x + d, p.y};
        jambs[3] = {p.x + d, p.y + e};
    }

    AddPolygon(tool, edit, dc, clientRect, corners);
    AddJamb(tool, edit, dc, clientRect, jambs[0], jambs[1]);
    AddJamb(tool, edit, dc, clientRect, jambs[2], jambs[3]);

    tool.derived.Put(tool.pointX, tool.pointY, mark.x, mark.y);
    tool.x1 = tool.pointX;
    tool.y1 = tool.pointY;
    return true;
}

bool AddDoorOpeningPolygon(TDoorobjtool& tool, TDrawingEdit& edit, Canvas& dc, const TRect& clientRect)
{
    const TDrawingState& state = State();
    const TIntwallobj* wall = tool.DoorWall();
    if (!wall) {
        tool.outcome = TPlaceOutcome::NoWallMarked;
        return false;
    }
    const std::int32_t keptKind = tool.kind;
    const TWide mark{tool.x1, tool.y1};
    tool.penStyle = PS_SOLID;
    const TDoorAxis axis(wall->angle);
    const std::int64_t w = tool.openingWidth;
    const int code = tool.doorCode;
    const int face = tool.faceNumber();
    const bool centred = CentredKind(tool.kind);

    TWide p = mark;
    if (centred) {
        // The side of the doors becomes a face: 1 the upper face, 3 the lower one.
        if (axis.Rising()) {
            if (tool.step == DOOR_SIDE_LEFT)
                tool.step = DOOR_SIDE_TOP;
            else if (tool.step == DOOR_SIDE_RIGHT)
                tool.step = DOOR_SIDE_BOTTOM;
        } else {
            if (tool.step == DOOR_SIDE_RIGHT)
                tool.step = DOOR_SIDE_TOP;
            else if (tool.step == DOOR_SIDE_LEFT)
                tool.step = DOOR_SIDE_BOTTOM;
        }
        const TPoint half = axis.Along(double(w) * 0.5);
        p = {p.x - half.x, p.y - half.y};
    }

    // A code is taken only on the face it names; double doors open towards the face marked.
    bool refused = false;
    if (face == WALL_FACE_LOWER)
        refused = (axis.Rising() ? CodeIn(code, {1, 2, 5, 7}) : CodeIn(code, {3, 4, 5, 7})) ||
                  (code == DOOR_CODE_DOUBLE && tool.step == DOOR_SIDE_TOP);
    else if (face == WALL_FACE_UPPER)
        refused = (axis.Rising() ? CodeIn(code, {3, 4, 6, 8}) : CodeIn(code, {1, 2, 6, 8})) ||
                  (code == DOOR_CODE_DOUBLE && tool.step == DOOR_SIDE_BOTTOM);
    if (refused)
        return Refuse(tool);

    // The far jamb lies the width along the wall, in the direction the code's opening runs.
    bool forwards = centred;
    if (!centred) {
        switch (axis.quadrant) {
        case 1: forwards = CodeIn(code, {2, 4, 5, 6}); break;
        case 2: forwards = CodeIn(code, {1, 3, 5, 6}); break;
        case 3: forwards = CodeIn(code, {1, 3, 7, 8}); break;
        default: forwards = CodeIn(code, {2, 4, 7, 8}); break;
        }
    }
    const TPoint span = axis.Along(double(w));
    const TPoint run = forwards ? span : TPoint{-span.x, -span.y};
    const TPoint across = axis.Across(double(wall->wallWidth), face == WALL_FACE_UPPER);
    const TWide p2 = p + run;

    // Positions along the wall from its start, in the direction of its reference line.
    const double dx = double(wall->x2) - wall->x1;
    const double dy = double(wall->y2) - wall->y1;
    const double length = std::hypot(dx, dy);
    auto along = [&](double x, double y) {
        return length > 0 ? ((x - wall->x1) * dx + (y - wall->y1) * dy) / length : 0.0;
    };
    const TSpan shared = SharedSpan(0, length, along(wall->faceStartX(), wall->faceStartY()),
                                    along(wall->faceEndX(), wall->faceEndY()));
    if (!WithinWall(tool, along(double(p.x), double(p.y)), along(double(p2.x), double(p2.y)), shared, ANGLED_SLACK))
        return false;
    const TWide pAcross = p + across;
    const TWide p2Across = pAcross + run;

    const TWide corners[4] = {p, p2, p2Across, pAcross};
    AddPolygon(tool, edit, dc, clientRect, corners);

    // The jamb lines carry the working kind and the wall's angle.
    tool.colour = state.currentColour;
    tool.penWidth = 1;
    auto jamb = [&](TWide from, TWide to) {
        tool.derived.Put(tool.x1, tool.y1, from.x, from.y);
        tool.derived.Put(tool.x2, tool.y2, to.x, to.y);
        tool.AddLine(edit, dc, clientRect);
    };
    jamb(pAcross, p);
    jamb(p2Across, p2);

    tool.kind = keptKind;
    tool.colour = state.currentColour;
    tool.penWidth = 1;
    tool.derived.Put(tool.pointX, tool.pointY, mark.x, mark.y);
    tool.x1 = tool.pointX;
    tool.y1 = tool.pointY;
    return true;
}
