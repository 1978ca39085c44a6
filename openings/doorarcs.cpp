#include "openings/doorarcs.h"

#include "model/arcobj.h"
#include "model/drawingedit.h"
#include "model/drawingstate.h"
#include "model/modelunits.h"
#include "model/settingsrecords.h"
#include "model/typecodes.h"
#include "openings/wallsteps.h"

#include <algorithm>
#include <cmath>
#include <memory>

namespace {

bool CodeIn(int code, std::initializer_list<int> codes)
{
    return std::find(codes.begin(), codes.end(), code) != codes.end();
}

// The hinge and both leaf ends of a door in an axis-aligned wall, by direction code.
struct TLeafGeometry {
    int face = 0;  // the face from which the code swings inward: the hinge moves there
    std::int64_t moveX = 0, moveY = 0;
    std::int64_t openX = 0, openY = 0;      // open leaf end relative to the hinge
    std::int64_t closedX = 0, closedY = 0;  // closed leaf end relative to the hinge
};

TLeafGeometry LeafGeometry(int code, std::int64_t r, std::int64_t s, std::int64_t c, std::int64_t t)
{
    switch (code) {
    case 1: return {FACE_MINUS_Y, -t, 0, -s, -c, 0, -r};
    case 2: return {FACE_MINUS_Y, -t, 0, -s, c, 0, r};
    case 3: return {FACE_PLUS_Y, t, 0, s, -c, 0, -r};
    case 4: return {FACE_PLUS_Y, t, 0, s, c, 0, r};
    case 5: return {FACE_MINUS_X, 0, t, c, s, r, 0};
    case 6: return {FACE_PLUS_X, 0, -t, c, -s, r, 0};
    case 7: return {FACE_MINUS_X, 0, t, -c, s, -r, 0};
    default: return {FACE_PLUS_X, 0, -t, -c, -s, -r, 0};
    }
}

}  // namespace

int LeafPenWidth(int thicknessCode)
{
    return std::clamp(thicknessCode, 1, 2);
}

void AddDoorArcs(TWindowobjtool& tool, TDrawingEdit& edit, Canvas& dc, const TRect& clientRect)
{
    if (tool.markedSide > 0) {
        if (tool.kind == KIND_DOOR_HINGED)
            DoorArcGeometryA(tool, edit, dc, clientRect);
        else
            DoorArcGeometryB(tool, edit, dc, clientRect);
        return;
    }
    const TDrawingState& state = State();
    const TDoorSettings door = ReadSettings<TDoorSettings>();
    const std::int64_t r = tool.openingWidth;
    const std::int64_t s = TruncToInt32(double(r) * door.sine);
    const std::int64_t c = TruncToInt32(double(r) * door.cosine);
    tool.kind = KIND_OPENING_LINE;
    tool.colour = state.currentColour;

    const int code = tool.objectIndex;
    if (!IsDoorCode(code))
        return;
    const TLeafGeometry leaf = LeafGeometry(code, r, s, c, tool.libraryFlag);
    std::int64_t hx = tool.pointX;
    std::int64_t hy = tool.pointY;
    // A leaf that swings into the house hangs on the inner face.
    if (tool.markedSide == leaf.face) {
        hx += leaf.moveX;
        hy += leaf.moveY;
        tool.derived.Put(tool.pointX, tool.pointY, hx, hy);
    }

    tool.derived.Put(tool.x1, tool.y1, hx, hy);
    tool.derived.Put(tool.x2, tool.y2, hx + leaf.openX, hy + leaf.openY);
    tool.penStyle = PS_SOLID;
    tool.penWidth = LeafPenWidth(door.thicknessCode);
    tool.AddLine(edit, dc, clientRect);

    // The swing runs anticlockwise from the arc's start to its end: it starts at whichever leaf end
    // lies clockwise of the other, so that it covers the opening angle and never the rest of the
    // circle.
    const TPoint open = tool.derived.Take(hx + leaf.openX, hy + leaf.openY);
    const TPoint closed = tool.derived.Take(hx + leaf.closedX, hy + leaf.closedY);
    const bool openFirst = leaf.openX * leaf.closedY - leaf.openY * leaf.closedX >= 0;
    AddSwingArc(tool, edit, dc, clientRect, tool.derived.Take(hx - r, hy + r),
                tool.derived.Take(hx + r, hy - r), openFirst ? open : closed, openFirst ? closed : open);
}

void AddSwingArc(const TWindowobjtool& tool, TDrawingEdit& edit, Canvas& dc, const TRect& clientRect, TPoint a,
                 TPoint b, TPoint start, TPoint end)
{
    const TDrawingState& state = State();
    auto arc = std::make_unique<TArcobj>(TYPE_ARC);
    arc->floor = state.currentFloor;
    arc->ownerId = tool.ownerId;
    arc->groupId = tool.groupId;
    arc->colour = std::int32_t(state.currentColour);
    arc->penWidth = 1;
    arc->penStyle = PS_DOT;
    arc->x1 = std::min(a.x, b.x);
    arc->x2 = std::max(a.x, b.x);
    arc->y1 = std::max(a.y, b.y);
    arc->y2 = std::min(a.y, b.y);
    arc->arcStartX = start.x;
    arc->arcStartY = start.y;
    arc->arcEndX = end.x;
    arc->arcEndY = end.y;
    arc->DrawMapped(dc, clientRect, 0);
    edit.Add(std::move(arc));
}

int LeafAngle(int w, int code, int a)
{
    switch (QuadrantOf(w).quadrant) {
    case 1:
        if (CodeIn(code, {1, 7}))
            return w + a + 1800;
        if (CodeIn(code, {2, 5}))
            return w - a;
        if (CodeIn(code, {3, 8}))
            return w - a + 1800;
        return w + a;
    case 2:
        if (CodeIn(code, {3, 5}))
            return w - a;
        if (CodeIn(code, {4, 7}))
            return w + a + 1800;
        if (CodeIn(code, {1, 6}))
            return w + a;
        return w - a + 1800;
    case 3:
        if (CodeIn(code, {3, 8}))
            return w - a;
        if (CodeIn(code, {4, 6}))
            return w + a - 1800;
        if (CodeIn(code, {1, 7}))
            return w + a;
        return w - a - 1800;
    default:
        if (CodeIn(code, {1, 6}))
            return w + a - 1800;
        if (CodeIn(code, {2, 8}))
            return w - a;
        if (CodeIn(code, {3, 5}))
            return w - a - 1800;
        return w + a;
    }
}

void PolarOffset(TDrawingtool& tool, int angle, int radius)
{
    if (angle > 3600)
        angle -= 3600;
    int quadrant;
    int reduced;
    if (angle <= 900) {
        quadrant = 1;
        reduced = angle;
    } else if (angle <= 1800) {
        quadrant = 2;
        reduced = angle - 900;
    } else if (angle <= 2700) {
        quadrant = 3;
        reduced = angle - 1800;
    } else {
        quadrant = 4;
        reduced = angle - 2700;
    }
    const double radians = reduced * RADIANS_PER_TENTH;
    const std::int64_t p = TruncToInt32(radius * std::sin(radians));
    const std::int64_t q = TruncToInt32(radius * std::cos(radians));
    const std::int64_t x = tool.x1;
    const std::int64_t y = tool.y1;
    switch (quadrant) {
    case 1:
        tool.derived.Put(tool.x2, tool.y2, x + p, y + q);
        break;
    case 2:
        tool.derived.Put(tool.x2, tool.y2, x + q, y - p);
        break;
    case 3:
        tool.derived.Put(tool.x2, tool.y2, x - p, y - q);
        break;
    default:
        tool.derived.Put(tool.x2, tool.y2, x - q, y + p);
        break;
    }
}

void DoorArcGeometryA(TWindowobjtool& tool, TDrawingEdit& edit, Canvas& dc, const TRect& clientRect)
{
    const TDoorSettings door = ReadSettings<TDoorSettings>();
    tool.penWidth = 1;
    tool.penStyle = PS_SOLID;
    const int opening = door.openingAngle * 10;
    const int code = tool.doorCode;
    const int w = tool.lineAux1;

    // Each side of the wall takes the four codes whose leaf swings away from it.
    const bool oddQuadrant = QuadrantOf(w).quadrant == 1 || QuadrantOf(w).quadrant == 3;
    const int side = tool.faceNumber();
    bool refused = false;
    if (side == 1)
        refused = oddQuadrant ? CodeIn(code, {1, 2, 5, 7}) : CodeIn(code, {3, 4, 5, 7});
    else if (side == 3)
        refused = oddQuadrant ? CodeIn(code, {3, 4, 6, 8}) : CodeIn(code, {1, 2, 6, 8});
    if (refused) {
        tool.outcome = TPlaceOutcome::DoorCodeRefused;
        return;
    }

    tool.x1 = tool.pointX;
    tool.y1 = tool.pointY;
    PolarOffset(tool, LeafAngle(w, code, opening), tool.openingWidth);
    tool.penWidth = LeafPenWidth(door.thicknessCode);
    tool.AddLine(edit, dc, clientRect);
}

void DoorArcGeometryB(TWindowobjtool& tool, TDrawingEdit& edit, Canvas& dc, const TRect& clientRect)
{
    const TDoorSettings door = ReadSettings<TDoorSettings>();
    tool.kind = KIND_OPENING_LINE;
    tool.penWidth = 1;
    tool.penStyle = PS_SOLID;
    const int opening = door.openingAngle * 10;
    const int w = tool.lineAux1;
    const int code = tool.objectIndex;
    const TQuadrant q = QuadrantOf(w);
    const TPoint along = wallsteps::Along(q, tool.openingWidth);
    const TPoint across = wallsteps::Inward(q, tool.libraryFlag);
    const std::int64_t hx = tool.pointX;
    const std::int64_t hy = tool.pointY;

    auto jamb = [&](std::int64_t x, std::int64_t y) {
        tool.derived.Put(tool.x1, tool.y1, x, y);
        tool.derived.Put(tool.x2, tool.y2, x + across.x, y + across.y);
        tool.AddLine(edit, dc, clientRect);
    };
    jamb(hx, hy);

    // The second jamb lies the door width along the wall, on the side the code's opening runs to.
    bool backwards;
    bool innerHinge;
    switch (q.quadrant) {
    case 1:
        backwards = CodeIn(code, {1, 3, 7, 8});
        innerHinge = CodeIn(code, {3, 4, 6, 8});
        break;
    case 2:
        backwards = CodeIn(code, {2, 4, 7, 8});
        innerHinge = CodeIn(code, {1, 2, 6, 8});
        break;
    case 3:
        backwards = CodeIn(code, {2, 4, 5, 6});
        innerHinge = CodeIn(code, {1, 2, 5, 7});
        break;
    default:
        backwards = CodeIn(code, {1, 3, 5, 6});
        innerHinge = CodeIn(code, {3, 4, 5, 7});
        break;
    }
    const std::int64_t sigma = backwards ? -1 : 1;
    jamb(hx + sigma * along.x, hy + sigma * along.y);

    tool.derived.Put(tool.x1, tool.y1, innerHinge ? hx + across.x : hx, innerHinge ? hy + across.y : hy);
    PolarOffset(tool, LeafAngle(w, code, opening), tool.openingWidth);
    tool.penWidth = LeafPenWidth(door.thicknessCode);
    tool.AddLine(edit, dc, clientRect);
}
