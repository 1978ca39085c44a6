// The geometry of a new internal wall: snapping its ends onto the ends of the floor's internal walls,
// ordering its ends, its second face (a square end, or a corner or mitre with the wall it continues)
// and the changes it makes to the faces of joined walls.
//
// A side is carried through a run of walls: a joined wall's face lies on side 1 (-x of a vertical
// wall, +y of a horizontal one, "above" a sloped one) or side 3, and the new wall's face continues
// it on the same hand of the direction of travel.
#include "walls/intwallobjtool.h"

#include "model/drawingedit.h"
#include "model/drawingstate.h"
#include "model/list.h"
#include "model/modelunits.h"
#include "model/settingsrecords.h"
#include "walls/endsnap.h"
#include "walls/wallsegment.h"

#include <cmath>
#include <cstdlib>
#include <utility>

namespace {

// Snap tolerance of wall ends, in logical units.
constexpr int SNAP_LOGICAL = 3;

bool EndsAt(const TIntwallobj& wall, std::int32_t x, std::int32_t y) { return wall.x2 == x && wall.y2 == y; }
bool StartsAt(const TIntwallobj& wall, std::int32_t x, std::int32_t y) { return wall.x1 == x && wall.y1 == y; }

// The unit step across an orthogonal wall toward a side: 2 and 4 on a vertical wall, 1 and 3 on a
// horizontal one as their names say; the other two are carried over as for a sloped wall (1 -x and
// 3 +x on a vertical wall, 2 +y and 4 -y on a horizontal one). (0, 0) for any other side.
TPoint PlainStep(int angle, int side)
{
    if (IsVerticalAngle(angle)) {
        if (side == 2 || side == 3)
            return {1, 0};
        if (side == 4 || side == 1)
            return {-1, 0};
    } else {
        if (side == 1 || side == 2)
            return {0, 1};
        if (side == 3 || side == 4)
            return {0, -1};
    }
    return {0, 0};
}

// The side of a joined orthogonal wall's face: 1 on -x of a vertical wall or +y of a horizontal one.
int OrthoJoinSide(const TIntwallobj& wall)
{
    if (IsVerticalAngle(NormalAngle(wall.angle)))
        return wall.face2EndX < wall.x2 ? 1 : 3;
    return wall.y2 > wall.face2EndY ? 3 : 1;
}

// The same for a joined wall where a sloped wall takes part, by the quadrant of its angle.
int SlopedJoinSide(const TIntwallobj& wall)
{
    const int a = NormalAngle(wall.angle);
    if (a < 900 || (a >= 1800 && a < 2700))
        return wall.face2EndX <= wall.x2 ? 1 : 3;
    return wall.face2EndY >= wall.y2 ? 1 : 3;
}

// The face step (in units of the signed width) of a wall of angle `next` continuing an orthogonal
// wall of angle `joined`; false for a piece that turns straight back.
bool ContinuedStep(int joined, int next, TPoint& step)
{
    struct Row {
        int joined, next, x, y;
    };
    static constexpr Row rows[] = {
        {0, 0, -1, 0},    {0, 900, 0, 1},     {0, 2700, 0, -1},   {900, 0, -1, 0},
        {900, 900, 0, 1}, {900, 1800, 1, 0},  {1800, 900, 0, -1}, {1800, 1800, -1, 0},
        {1800, 2700, 0, 1}, {2700, 0, 1, 0},  {2700, 1800, -1, 0}, {2700, 2700, 0, 1},
    };
    for (const Row& row : rows)
        if (row.joined == joined && row.next == next) {
            step = {row.x, row.y};
            return true;
        }
    return false;
}

// The corner of two orthogonal walls: the new face point is (x + xw w + xv v, y + yw w + yv v) and
// the joined wall's face coordinate on `axis` becomes that coordinate + aw w (no change when axis
// is 0). w is the new wall's width, v the joined wall's, both signed by the side.
struct CornerRow {
    int joined, next;
    int xw, xv, yw, yv;
    char axis;
    int aw;
};

constexpr CornerRow CORNERS[] = {
    {0, 900, 0, -1, 1, 0, 'y', 1},      {0, 2700, 0, -1, -1, 0, 'y', -1},  {0, 0, -1, 0, 0, 0, 0, 0},
    {900, 0, -1, 0, 0, 1, 'x', -1},     {900, 900, 0, 0, 1, 0, 0, 0},      {900, 1800, 1, 0, 0, 1, 'x', 1},
    {1800, 900, 0, -1, -1, 0, 'y', -1}, {1800, 1800, -1, 0, 0, 0, 0, 0},   {1800, 2700, 0, -1, 1, 0, 'y', 1},
    {2700, 0, 1, 0, 0, 1, 'x', 1},      {2700, 1800, -1, 0, 0, 1, 'x', -1}, {2700, 2700, 0, 0, 1, 0, 0, 0},
};

// An angle folded into 0..900 for its offsets.
int FoldForOffset(int t)
{
    if (t >= 901 && t <= 1800)
        return 1800 - t;
    if (t >= 1801 && t <= 2700)
        return t - 1800;
    if (t > 2700)
        return 3600 - t;
    return t;
}

}  // namespace

void TIntwallobjtool::BuildWall(TDrawingEdit& edit, int snap)
{
    TDrawingState& state = State();
    const auto colours = ReadSettings<TWallColourSettings>();
    wallColour1 = colours.colour1;
    wallColour2 = colours.colour2;

    derived.Begin();
    int startJoin = NO_JOIN;
    int endJoin = NO_JOIN;
    wallReversed = false;
    if (snap > 0) {
        SnapEnds(startJoin, endJoin);
        OrderEnds(startJoin, endJoin);
    }

    wallWidth = ReadSettings<TInternalWallSettings>().thickness;
    wallParams = {0, 0, 0, 0};
    face2Aux = 0;
    z1 = 0;
    z2 = 0;
    savedStep = state.currentFloor;
    ComputeFaces(edit, startJoin, endJoin);
    TrimEnds();
}

void TIntwallobjtool::SnapEnds(int& startJoin, int& endJoin)
{
    const TDrawingState& state = State();
    const std::int64_t tolerance = std::int64_t(SNAP_LOGICAL) * state.unitsPerLogical;
    const int floor = state.currentFloor;
    std::optional<int> snappedStart, snappedEnd;
    if (startJoin != NO_JOIN)
        snappedStart = startJoin;
    if (endJoin != NO_JOIN)
        snappedEnd = endJoin;
    SnapWallEnds(*this, tolerance, [floor](const TObject& wall) { return InternalWallOn(&wall, floor) != nullptr; },
                 snappedStart, snappedEnd, derived);
    startJoin = snappedStart.value_or(NO_JOIN);
    endJoin = snappedEnd.value_or(NO_JOIN);
}

void TIntwallobjtool::ReverseWall()
{
    std::swap(x1, x2);
    std::swap(y1, y2);
    lineAux1 = lineAux1 < 1800 ? lineAux1 + 1800 : lineAux1 - 1800;
    wallReversed = !wallReversed;
}

void TIntwallobjtool::OrderEnds(int& startJoin, int& endJoin)
{
    // The wall ending at the new start comes first, the wall starting at the new end last.
    if (startJoin != NO_JOIN && endJoin == NO_JOIN) {
        const TIntwallobj* joined = JoinedWall(startJoin);
        if (joined && StartsAt(*joined, x1, y1)) {
            ReverseWall();
            std::swap(startJoin, endJoin);
        }
    } else if (startJoin != NO_JOIN && endJoin != NO_JOIN) {
        const TIntwallobj* joined = JoinedWall(endJoin);
        if (joined && EndsAt(*joined, x1, y1)) {
            std::swap(startJoin, endJoin);
        } else if (joined && StartsAt(*joined, x1, y1)) {
            ReverseWall();
            std::swap(startJoin, endJoin);
        }
    }
}

void TIntwallobjtool::SetFacePoint(int end, std::int64_t x, std::int64_t y)
{
    const TPoint p = derived.Take(x, y);
    if (end == 1) {
        face2StartX = p.x;
        face2StartY = p.y;
    } else {
        face2EndX = p.x;
        face2EndY = p.y;
    }
}

void TIntwallobjtool::PlainFaces()
{
    // Start from the reference line, so that no face of an earlier wall is left behind.
    startShapedBy = NO_JOIN;
    endShapedBy = NO_JOIN;
    face2StartX = x1;
    face2StartY = y1;
    face2EndX = x2;
    face2EndY = y2;
    if (IsOrthogonalAngle(NormalAngle(lineAux1)))
        OffsetOrtho(0, NO_JOIN);
    else
        OffsetSloped(0, NO_JOIN);
}

void TIntwallobjtool::ComputeFaces(TDrawingEdit& edit, int startJoin, int endJoin)
{
    // Every face point starts as a square end; the joins below shape the corners they reach.
    PlainFaces();
    const TIntwallobj* s = JoinedWall(startJoin);
    const TIntwallobj* e = JoinedWall(endJoin);
    const bool sloped = !IsOrthogonalAngle(NormalAngle(lineAux1));
    auto slopedWith = [sloped](const TIntwallobj& wall) {
        return sloped || !IsOrthogonalAngle(NormalAngle(wall.angle));
    };
    if (!s && !e)
        return;

    if (s && !e) {
        if (!EndsAt(*s, x1, y1))
            return;
        if (slopedWith(*s)) {
            OffsetSloped(2, startJoin);
            JoinSlopedWall(edit, startJoin, 1);
            JoinSlopedWall(edit, startJoin, 10);
        } else {
            OffsetOrtho(2, startJoin);
            JoinCorner(edit, startJoin, 1);
        }
        return;
    }
    if (e && !s) {
        if (!StartsAt(*e, x2, y2))
            return;
        if (slopedWith(*e)) {
            OffsetSloped(1, endJoin);
            JoinSlopedWall(edit, endJoin, 2);
            JoinSlopedWall(edit, endJoin, 20);
        } else {
            OffsetOrtho(1, endJoin);
            JoinCorner(edit, endJoin, 2);
        }
        return;
    }

    // Both ends joined: the corner at each end that meets a joined wall's end or start.
    if (EndsAt(*s, x1, y1)) {
        if (slopedWith(*s)) {
            JoinSlopedWall(edit, startJoin, 1);
            JoinSlopedWall(edit, startJoin, 10);
        } else {
            JoinCorner(edit, startJoin, 1);
        }
    }
    if (StartsAt(*e, x2, y2)) {
        if (slopedWith(*e)) {
            JoinSlopedWall(edit, endJoin, 2);
            JoinSlopedWall(edit, endJoin, 20);
        } else {
            JoinCorner(edit, endJoin, 2);
        }
    }
    if (EndsAt(*e, x1, y1)) {
        if (sloped) {
            JoinSlopedWall(edit, endJoin, 1);
            JoinSlopedWall(edit, endJoin, 10);
        } else if (IsOrthogonalAngle(NormalAngle(e->angle))) {
            JoinCorner(edit, endJoin, 1);
        }
    }
    if (StartsAt(*s, x2, y2)) {
        if (sloped) {
            JoinSlopedWall(edit, startJoin, 2);
            JoinSlopedWall(edit, startJoin, 20);
        } else if (IsOrthogonalAngle(NormalAngle(s->angle))) {
            JoinCorner(edit, startJoin, 2);
        }
    }
}

void TIntwallobjtool::OffsetOrtho(int endCode, int joinIndex)
{
    const std::int64_t w = wallWidth;
    const int a = NormalAngle(lineAux1);
    auto apply = [&](TPoint step, std::int64_t width) {
        if (endCode == 0 || endCode == 1)
            SetFacePoint(1, x1 + step.x * width, y1 + step.y * width);
        if (endCode == 0 || endCode == 2)
            SetFacePoint(2, x2 + step.x * width, y2 + step.y * width);
    };

    const TIntwallobj* joined = JoinedWall(joinIndex);
    if (!joined) {
        apply(PlainStep(a, objectIndex), w);
        return;
    }
    // The face continues the joined wall's side; a piece turning straight back gets a square end.
    objectIndex = OrthoJoinSide(*joined);
    TPoint step;
    if (ContinuedStep(NormalAngle(joined->angle), a, step))
        apply(step, objectIndex == 3 ? -w : w);
    else
        apply(PlainStep(a, objectIndex), w);
}

void TIntwallobjtool::OffsetSloped(int endCode, int joinIndex)
{
    const std::int64_t w = wallWidth;
    const int a = NormalAngle(lineAux1);
    const double r = FoldForOffset(a) * RADIANS_PER_TENTH;
    std::int64_t dx = TruncToInt32(std::cos(r) * double(w));
    std::int64_t dy = TruncToInt32(std::sin(r) * double(w));
    const int quadrant = a / 900;

    struct Signs {
        int x, y;
    };
    Signs signs{0, 0};
    const TIntwallobj* joined = JoinedWall(joinIndex);
    if (!joined) {
        // By side and quadrant of the wall's angle.
        static constexpr Signs bySide[4][4] = {
            {{-1, 1}, {1, 1}, {-1, 1}, {1, 1}},      // 1 above
            {{1, -1}, {1, 1}, {1, -1}, {1, 1}},      // 2 right
            {{1, -1}, {-1, -1}, {1, -1}, {-1, -1}},  // 3 below
            {{-1, 1}, {-1, -1}, {-1, 1}, {-1, -1}},  // 4 left
        };
        if (objectIndex >= 1 && objectIndex <= 4)
            signs = bySide[objectIndex - 1][quadrant];
    } else {
        objectIndex = SlopedJoinSide(*joined);
        if (objectIndex == 3) {
            dx = -dx;
            dy = -dy;
        }
        static constexpr Signs joinedBefore1800[4] = {{-1, 1}, {1, 1}, {1, -1}, {-1, -1}};
        static constexpr Signs joinedFrom1800[4] = {{1, -1}, {-1, -1}, {-1, 1}, {1, 1}};
        signs = NormalAngle(joined->angle) < 1800 ? joinedBefore1800[quadrant] : joinedFrom1800[quadrant];
    }
    if (endCode == 0 || endCode == 1)
        SetFacePoint(1, x1 + signs.x * dx, y1 + signs.y * dy);
    if (endCode == 0 || endCode == 2)
        SetFacePoint(2, x2 + signs.x * dx, y2 + signs.y * dy);
}

void TIntwallobjtool::JoinCorner(TDrawingEdit& edit, int joinIndex, int end)
{
    const TIntwallobj* joined = JoinedWall(joinIndex);
    if (!joined)
        return;
    const int ja = NormalAngle(joined->angle);
    const int a = NormalAngle(lineAux1);
    objectIndex = OrthoJoinSide(*joined);
    const std::int64_t sign = objectIndex == 3 ? -1 : 1;
    const std::int64_t w = sign * wallWidth;
    const std::int64_t v = sign * joined->wallWidth;
    const std::int64_t x = end == 1 ? x1 : x2;
    const std::int64_t y = end == 1 ? y1 : y2;

    for (const CornerRow& row : CORNERS) {
        if (row.joined != ja || row.next != a)
            continue;
        SetFacePoint(end, x + row.xw * w + row.xv * v, y + row.yw * w + row.yv * v);
        (end == 1 ? startShapedBy : endShapedBy) = joinIndex;
        if (row.axis == 0)
            return;
        // The joined wall's face reaches the corner: its end at the new start, its start at the
        // new end.
        TIntwallobj& changed = ChangeJoinedWall(edit, joinIndex);
        std::int32_t& faceX = end == 1 ? changed.face2EndX : changed.face2StartX;
        std::int32_t& faceY = end == 1 ? changed.face2EndY : changed.face2StartY;
        const TPoint p = row.axis == 'x' ? derived.Take(x + row.aw * w, faceY) : derived.Take(faceX, y + row.aw * w);
        faceX = p.x;
        faceY = p.y;
        return;
    }
}
