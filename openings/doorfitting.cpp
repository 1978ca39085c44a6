#include "openings/doorfitting.h"

#include "model/drawingedit.h"
#include "model/drawingstate.h"
#include "model/intwallobj.h"
#include "model/modelunits.h"
#include "model/settingsrecords.h"
#include "openings/doorarcs.h"
#include "openings/doorobjtool.h"
#include "openings/doorwallaxis.h"
#include "openings/wallcut.h"

#include <cmath>

namespace {

// Walls thinner than this take panels and sliding doors with the thin pen.
constexpr int THIN_WALL = 90;

struct TWide {
    std::int64_t x = 0;
    std::int64_t y = 0;
};

TWide operator+(TWide a, TPoint b)
{
    return {a.x + b.x, a.y + b.y};
}
TWide operator-(TWide a, TPoint b)
{
    return {a.x - b.x, a.y - b.y};
}

// Commits the line from `from` to `to` with the tool's current pen.
void Line(TDoorobjtool& tool, TDrawingEdit& edit, Canvas& dc, const TRect& clientRect, TWide from, TWide to)
{
    tool.derived.Put(tool.x1, tool.y1, from.x, from.y);
    tool.derived.Put(tool.x2, tool.y2, to.x, to.y);
    tool.AddLine(edit, dc, clientRect);
}

// The leaf pen of the door settings: 1 or 2, and 1 in a thin wall when `thinWallsThin`.
int LeafPen(const TDoorobjtool& tool, bool thinWallsThin)
{
    const int pen = LeafPenWidth(ReadSettings<TDoorSettings>().thicknessCode);
    const TIntwallobj* wall = tool.DoorWall();
    if (thinWallsThin && wall && wall->wallWidth < THIN_WALL)
        return 1;
    return pen;
}

TWide Mark(const TDoorobjtool& tool)
{
    return {tool.pointX, tool.pointY};
}

bool AxisWall(const TDoorobjtool& tool)
{
    const TIntwallobj* wall = tool.DoorWall();
    return !wall || IsAxisAngle(wall->angle);
}

// A pair of hinged doors in a wall along an axis: each half drawn by AddDoorArcs from its hinge at
// a jamb, both closing towards the centre.
void FitDoublePair(TDoorobjtool& tool, TDrawingEdit& edit, Canvas& dc, const TRect& clientRect)
{
    const TWide d = Mark(tool);
    const int half = tool.openingWidth / 2;
    struct TLeaf {
        TWide hinge;
        int code;
    };
    TLeaf leaves[2];
    switch (tool.step) {
    case DOOR_SIDE_TOP: leaves[0] = {{d.x - half, d.y}, 5}; leaves[1] = {{d.x + half, d.y}, 7}; break;
    case DOOR_SIDE_BOTTOM: leaves[0] = {{d.x - half, d.y}, 6}; leaves[1] = {{d.x + half, d.y}, 8}; break;
    case DOOR_SIDE_RIGHT: leaves[0] = {{d.x, d.y + half}, 3}; leaves[1] = {{d.x, d.y - half}, 4}; break;
    case DOOR_SIDE_LEFT: leaves[0] = {{d.x, d.y + half}, 1}; leaves[1] = {{d.x, d.y - half}, 2}; break;
    default: return;
    }
    tool.openingWidth = half;
    for (const TLeaf& leaf : leaves) {
        tool.derived.Put(tool.pointX, tool.pointY, leaf.hinge.x, leaf.hinge.y);
        tool.objectIndex = leaf.code;
        AddDoorArcs(tool, edit, dc, clientRect);
    }
    tool.kind = KIND_DOOR_DOUBLE;
    tool.doorCode = DOOR_CODE_DOUBLE;
    tool.openingWidth = half * 2;
}

// Sliding panels in a wall along an axis, in rows behind the marked face.
void FitPanels(TDoorobjtool& tool, TDrawingEdit& edit, Canvas& dc, const TRect& clientRect)
{
    const int k = LeafPen(tool, false);
    const std::int64_t t = std::int64_t(DoorOverlap(State().unitSystem)) * k;
    const std::int64_t h = t / 2;
    const std::int64_t w = tool.openingWidth;
    const TWide d = Mark(tool);
    tool.colour = State().currentColour;
    tool.penStyle = PS_SOLID;
    tool.penWidth = k;

    // A panel from `from` to `to` measured from the jamb, `depth` behind the face.
    const int side = tool.step;
    auto panel = [&](std::int64_t from, std::int64_t to, std::int64_t depth) {
        switch (side) {
        case DOOR_SIDE_TOP:
        case DOOR_SIDE_BOTTOM: {
            const std::int64_t jamb = d.x - w / 2;
            const std::int64_t row = side == DOOR_SIDE_TOP ? d.y - depth : d.y + depth;
            Line(tool, edit, dc, clientRect, {jamb + from, row}, {jamb + to, row});
            break;
        }
        case DOOR_SIDE_RIGHT:
        case DOOR_SIDE_LEFT: {
            const std::int64_t jamb = d.y + w / 2;
            const std::int64_t row = side == DOOR_SIDE_RIGHT ? d.x - depth : d.x + depth;
            Line(tool, edit, dc, clientRect, {row, jamb - from}, {row, jamb - to});
            break;
        }
        default: break;
        }
    };

    if (tool.doorCode == DOOR_CODE_TWO_PANELS) {
        panel(w / 8, w / 8 + w / 2, t);
        panel(w / 8 + w / 4, w / 8 + w / 2 + w / 4, 2 * t);
    } else {
        const std::int64_t e = w / 8;
        panel(e, 3 * e, h);
        panel(4 * e, 6 * e, h);
        panel(2 * e, 4 * e, h + t);
        panel(5 * e, 7 * e, h + t);
        tool.openingWidth = ClampToInt32(8 * e);
    }
}

}  // namespace

void FitDoorOrthogonal(TDoorobjtool& tool, TDrawingEdit& edit, Canvas& dc, const TRect& clientRect)
{
    if (!AxisWall(tool)) {
        FitDoorAngled(tool, edit, dc, clientRect);
        return;
    }
    switch (tool.doorCode) {
    case DOOR_CODE_DOUBLE: FitDoublePair(tool, edit, dc, clientRect); break;
    case DOOR_CODE_TWO_PANELS:
    case DOOR_CODE_FOUR_PANELS: FitPanels(tool, edit, dc, clientRect); break;
    default: break;
    }
}

void FitDoorAngled(TDoorobjtool& tool, TDrawingEdit& edit, Canvas& dc, const TRect& clientRect)
{
    if (tool.doorCode == DOOR_CODE_TWO_PANELS || tool.doorCode == DOOR_CODE_FOUR_PANELS) {
        AngledDoorGeometry(tool, edit, dc, clientRect);
        return;
    }
    const TDoorSettings door = ReadSettings<TDoorSettings>();
    const int theta = door.openingAngle * 10;
    const int k = LeafPenWidth(door.thicknessCode);
    tool.penStyle = PS_SOLID;
    const int A = tool.lineAux1;
    const TDoorAxis axis(A);
    const int half = tool.openingWidth / 2;
    const TPoint step = axis.Along(half);
    const TWide d = Mark(tool);
    const TWide jEnd = d + step;
    const TWide jStart = d - step;
    const bool upper = tool.faceNumber() == WALL_FACE_UPPER;

    // Each leaf starts from the direction of the other jamb and turns by the opening angle to the
    // side of the marked face.
    const bool firstHalf = axis.quadrant <= 2;
    const int endBearing = firstHalf ? (upper ? A + 1800 + theta : A + 1800 - theta)
                                     : (upper ? A - 1800 - theta : A - 1800 + theta);
    const int startBearing = firstHalf ? (upper ? A - theta : A + theta) : (upper ? A + theta : A - theta);
    auto leaf = [&](TWide jamb, int bearing) {
        tool.derived.Put(tool.x1, tool.y1, jamb.x, jamb.y);
        PolarOffset(tool, bearing, half);
        tool.penWidth = k;
        tool.AddLine(edit, dc, clientRect);
    };
    if (axis.quadrant == 3) {
        leaf(jStart, startBearing);
        leaf(jEnd, endBearing);
    } else {
        leaf(jEnd, endBearing);
        leaf(jStart, startBearing);
    }
}

void AngledDoorGeometry(TDoorobjtool& tool, TDrawingEdit& edit, Canvas& dc, const TRect& clientRect)
{
    const int k = LeafPen(tool, true);
    const std::int64_t t = std::int64_t(DoorOverlap(State().unitSystem)) * k;
    tool.colour = State().currentColour;
    tool.penStyle = PS_SOLID;
    tool.penWidth = k;
    const TDoorAxis axis(tool.lineAux1);
    const std::int64_t w = tool.openingWidth;
    const std::int64_t e = w / 8;
    const TWide s = Mark(tool) - axis.Along(double(w / 2));
    // Outwards from the marked face: the opposite of the step across from it.
    const TPoint in = axis.Across(double(t), tool.faceNumber() == WALL_FACE_UPPER);
    const TPoint out{-in.x, -in.y};
    auto along = [&](std::int64_t length) { return axis.Along(double(length)); };
    auto panel = [&](TWide from, std::int64_t length) { Line(tool, edit, dc, clientRect, from, from + along(length)); };

    if (tool.doorCode == DOOR_CODE_TWO_PANELS) {
        panel(s + along(e), 4 * e);
        panel(s + along(e) + along(2 * e) + out, 4 * e);
    } else if (tool.doorCode == DOOR_CODE_FOUR_PANELS) {
        panel(s + along(e), 2 * e);
        panel(s + along(e) + along(3 * e), 2 * e);
        const TWide third = s + along(2 * e) + out;
        panel(third, 2 * e);
        panel(third + along(3 * e), 2 * e);
    }
    tool.penWidth = 1;
}

void FitOpeningOrthogonal(TDoorobjtool& tool, TDrawingEdit& edit, Canvas& dc, const TRect& clientRect)
{
    if (!AxisWall(tool)) {
        OpeningGeometry(tool, edit, dc, clientRect);
        return;
    }
    const int k = LeafPen(tool, false);
    tool.colour = State().currentColour;
    tool.penWidth = k;
    const std::int64_t t = DoorOverlap(State().unitSystem);
    const TIntwallobj* wall = tool.DoorWall();
    const std::int64_t W = wall ? wall->wallWidth : 0;
    const std::int64_t w = tool.openingWidth;
    const std::int64_t half = w / 2;
    const int code = tool.doorCode;
    const int face = tool.faceNumber();
    const TWide d = Mark(tool);

    // The door's line lies t outside the face the code names; `back` leads from there onto the
    // wall's centre line.
    std::int64_t position = 0;
    std::int64_t back = t + W / 2;
    const bool alongY = code >= 1 && code <= 4;
    switch (code) {
    case 1:
    case 2: position = d.x - t - (face == WALL_FACE_RIGHT ? W : 0); break;
    case 3:
    case 4: position = d.x + t + (face == WALL_FACE_LEFT ? W : 0); back = -back; break;
    case 5:
    case 7: position = d.y + t + (face == WALL_FACE_LOWER ? W : 0); back = -back; break;
    case 6:
    case 8: position = d.y - t - (face == WALL_FACE_UPPER ? W : 0); break;
    default: tool.penWidth = 1; return;
    }
    if (alongY)
        tool.derived.Put(tool.pointX, tool.pointY, position, tool.pointY);
    else
        tool.derived.Put(tool.pointX, tool.pointY, tool.pointX, position);
    // A point on the line at `offset` along the wall from the jamb.
    auto at = [&](std::int64_t linePosition, std::int64_t offset) -> TWide {
        return alongY ? TWide{linePosition, d.y + offset} : TWide{d.x + offset, linePosition};
    };

    if (tool.objectIndex == 0) {
        // Along the face, centred on the jamb: from its lower end (codes 1..3), its upper end (4),
        // its right end (5, 6) or its left end (7, 8).
        const bool fromLow = code <= 3 || code == 7 || code == 8;
        Line(tool, edit, dc, clientRect, at(position, fromLow ? -half : half), at(position, fromLow ? half : -half));
    } else {
        // Into the wall: the open half runs in the opening's direction, the hidden half the other
        // way inside the wall, both ending at the jamb.
        const std::int64_t centre = position + back;
        const std::int64_t towards = (code == 1 || code == 3 || code == 7 || code == 8) ? -half : half;
        Line(tool, edit, dc, clientRect, at(centre, towards), at(centre, 0));
        tool.penWidth = 1;
        tool.penStyle = PS_DOT;
        Line(tool, edit, dc, clientRect, at(centre, -towards), at(centre, 0));
    }
    tool.penWidth = 1;
    tool.penStyle = PS_SOLID;
}

void OpeningGeometry(TDoorobjtool& tool, TDrawingEdit& edit, Canvas& dc, const TRect& clientRect)
{
    const int k = LeafPen(tool, true);
    tool.colour = State().currentColour;
    tool.penWidth = 1;
    tool.penStyle = PS_SOLID;
    const std::int64_t t = DoorOverlap(State().unitSystem);
    const TIntwallobj* wall = tool.DoorWall();
    const std::int64_t W = wall ? wall->wallWidth : 0;
    const TDoorAxis axis(tool.lineAux1);
    const bool upper = tool.faceNumber() == WALL_FACE_UPPER;
    const int code = tool.doorCode;
    const double half = double(tool.openingWidth / 2);
    // The wall's axis pointing right: up the wall when it rises, down when it falls. The door's
    // ends take the unrounded offsets, truncated.
    const double ax = axis.s;
    const double ay = axis.Rising() ? axis.c : -axis.c;
    auto offset = [&](TWide p, double sign) -> TWide {
        return {std::int64_t(double(p.x) + sign * half * ax), std::int64_t(double(p.y) + sign * half * ay)};
    };
    tool.penWidth = k;

    TWide p = Mark(tool);
    if (tool.objectIndex == 0) {
        // Outwards from the marked face by t.
        const TPoint in = axis.Across(double(t), upper);
        p = p - in;
        Line(tool, edit, dc, clientRect, offset(p, 1), offset(p, -1));
    } else {
        p = p + axis.Across(double(W / 2), upper);
        // The sign of the axis step that goes the opening's way: down for 1 and 3, up for 2 and 4,
        // right for 5 and 6, left for 7 and 8.
        double sign;
        switch (code) {
        case 1:
        case 3: sign = axis.Rising() ? -1 : 1; break;
        case 2:
        case 4: sign = axis.Rising() ? 1 : -1; break;
        case 5:
        case 6: sign = 1; break;
        default: sign = -1; break;
        }
        Line(tool, edit, dc, clientRect, p, offset(p, sign));
        tool.penWidth = 1;
        tool.penStyle = PS_DOT;
        Line(tool, edit, dc, clientRect, p, offset(p, -sign));
    }
    tool.penWidth = 1;
    tool.penStyle = PS_SOLID;
}
