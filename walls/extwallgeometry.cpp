// Wall lines and corner joins of the external-wall tool. Orthogonal walls get exact integer offsets
// and mitres; wherever a sloped wall takes part the corner is built along the bisector of the two
// walls with trigonometry.
#include "walls/extwallobjtool.h"

#include "model/drawingstate.h"
#include "model/extwallobj.h"
#include "model/list.h"
#include "model/modelunits.h"
#include "model/typecodes.h"

#include <cmath>
#include <cstdlib>

namespace {

// Radians per tenth of a degree, rounded: walls are built with this value, not pi / 1800, and the
// exact one would move their corners slightly.
constexpr double RADIANS_PER_TENTH = 0.001745;

// The side the wall lines lie on: the right-hand normal of an orthogonal direction.
TPoint RightNormal(int angle)
{
    switch (angle) {
    case 900:
        return {0, -1};
    case 1800:
        return {-1, 0};
    case 2700:
        return {0, 1};
    default:
        return {1, 0};
    }
}

// An offset of a wall line from its wall. Spacings and coordinates are int32, but their sums are
// taken wide and only the stored end points are brought back into the int32 range.
struct TOffset {
    std::int64_t x = 0;
    std::int64_t y = 0;
};

// Offset of a wall line lying d to the right of a sloped wall, each component truncated to whole
// units through one decimal.
TOffset SlopedOffset(int angle, std::int64_t d)
{
    int r = angle;
    if (angle > 900 && angle < 1800)
        r = 1800 - angle;
    else if (angle > 1800 && angle < 2700)
        r = angle - 1800;
    else if (angle > 2700)
        r = 3600 - angle;
    const double theta = r * RADIANS_PER_TENTH;
    // |10 d| stays far inside the int64 range for any three int32 spacings.
    const auto ox = std::int64_t(10.0 * (std::cos(theta) * double(d))) / 10;
    const auto oy = std::int64_t(10.0 * (std::sin(theta) * double(d))) / 10;
    if (angle < 900)
        return {ox, -oy};
    if (angle < 1800)
        return {-ox, -oy};
    if (angle < 2700)
        return {-ox, oy};
    return {ox, oy};
}

// Offset of a free wall end for either family.
TOffset FreeEndOffset(int angle, std::int64_t d)
{
    if (!TExtwallobjtool::IsOrthogonal(angle))
        return SlopedOffset(angle, d);
    const TPoint n = RightNormal(angle);
    return {n.x * d, n.y * d};
}

// Number of wall lines besides the reference line: 3 for a cavity wall, else 1.
int LineCount(int spacing2)
{
    return spacing2 > 0 ? 3 : 1;
}

// Distances of wall lines 1..3 from the reference line.
std::array<std::int64_t, 3> Cumulative(std::int64_t s1, std::int64_t s2, std::int64_t s3)
{
    return {s1, s1 + s2, s1 + s2 + s3};
}

// The direction of a joined wall for the bisector: its angle when sloped, else the direction its
// reference line runs in.
int JoinedWallDirection(const TExtwallobj& wall)
{
    const int a = wall.angle;
    if (!TExtwallobjtool::IsOrthogonal(a) && a > 0)
        return a;
    if (wall.y1 == wall.y2 && wall.x1 != wall.x2)
        return wall.x1 < wall.x2 ? 900 : 2700;
    if (wall.x1 == wall.x2 && wall.y1 != wall.y2)
        return wall.y1 < wall.y2 ? 0 : 1800;
    return a;
}

// Wall line k's start (0) or end (1) in a wall object's twelve words.
int WallLineX(int k, int endIndex)
{
    return 4 * k + 2 * endIndex;
}

// The axis rule applied to a wall object: the lines of a wall parallel to an axis end where they
// start across it.
void SquareWallLines(TExtwallobj& wall)
{
    const int lines = LineCount(wall.spacing2);
    for (int k = 0; k < lines; ++k) {
        const auto start = std::size_t(WallLineX(k, 0));
        const auto end = std::size_t(WallLineX(k, 1));
        if (wall.x1 == wall.x2)
            wall.wallLines[end] = wall.wallLines[start];
        else if (wall.y1 == wall.y2)
            wall.wallLines[end + 1] = wall.wallLines[start + 1];
    }
}

}  // namespace

bool TExtwallobjtool::IsOrthogonal(int angle)
{
    return angle == 0 || angle == 900 || angle == 1800 || angle == 2700;
}

TExtwallobj* TExtwallobjtool::ExternalWallAt(int index)
{
    const TList& objects = State().objects;
    if (index < 0 || index >= objects.count())
        return nullptr;
    TObject* object = objects[index];
    if (object->typeCode != TYPE_EXTWALL)
        return nullptr;
    return dynamic_cast<TExtwallobj*>(object);
}

void TExtwallobjtool::ComputeLines(std::optional<int> startJoin, std::optional<int> endJoin)
{
    // Every line starts from the free-end offsets of this wall, so nothing is left over from the
    // previous wall where no corner applies; the corners then replace the ends they make.
    lineX.fill(0);
    lineY.fill(0);
    OffsetEnds(0, !IsOrthogonal(lineAux1));

    if (startJoin) {
        const TExtwallobj* previous = ExternalWallAt(*startJoin);
        if (previous && previous->x2 == x1)
            CornerAt(*startJoin, 1);
    }
    if (endJoin) {
        const TExtwallobj* next = ExternalWallAt(*endJoin);
        if (next && next->x1 == x2)
            CornerAt(*endJoin, 2);
    }
}

void TExtwallobjtool::CornerAt(int wallIndex, int end)
{
    const TExtwallobj* wall = ExternalWallAt(wallIndex);
    if (!wall)
        return;
    if (IsOrthogonal(lineAux1) && IsOrthogonal(wall->angle)) {
        JoinCorner(wallIndex, end);
    } else {
        // The tool's lines at the corner (code 1 or 2), then the other wall's (10 or 20).
        JoinSlopedCorner(wallIndex, end);
        JoinSlopedCorner(wallIndex, end * 10);
    }
}

void TExtwallobjtool::OffsetOrtho(int end)
{
    if (IsOrthogonal(lineAux1))
        OffsetEnds(end, false);
}

void TExtwallobjtool::OffsetSloped(int end)
{
    OffsetEnds(end, true);
}

void TExtwallobjtool::OffsetEnds(int end, bool sloped)
{
    if (end < 0 || end > 2)
        return;
    const TPoint n = RightNormal(lineAux1);
    const auto d = Cumulative(spacing1, spacing2, spacing3);
    for (int k = 0; k < LineCount(spacing2); ++k) {
        const std::int64_t dk = d[std::size_t(k)];
        const TOffset offset = sloped ? SlopedOffset(lineAux1, dk) : TOffset{n.x * dk, n.y * dk};
        const auto start = std::size_t(2 * k);
        if (end == 0 || end == 1) {
            const TPoint p = derived.Take(x1 + offset.x, y1 + offset.y);
            lineX[start] = p.x;
            lineY[start] = p.y;
        }
        if (end == 0 || end == 2) {
            const TPoint p = derived.Take(x2 + offset.x, y2 + offset.y);
            lineX[start + 1] = p.x;
            lineY[start + 1] = p.y;
        }
    }
}

void TExtwallobjtool::JoinCorner(int wallIndex, int end)
{
    TExtwallobj* wall = ExternalWallAt(wallIndex);
    if (!wall || (end != 1 && end != 2))
        return;
    const int toolAngle = lineAux1;
    const int wallAngle = wall->angle;
    if (!IsOrthogonal(toolAngle) || !IsOrthogonal(wallAngle))
        return;

    // A straight continuation: this end is square, the other wall stays as it is.
    if (toolAngle == wallAngle) {
        OffsetOrtho(end);
        return;
    }
    // Walls turning back onto each other make no corner.
    if (std::abs(toolAngle - wallAngle) == 1800)
        return;

    // Perpendicular walls: each line k meets the other wall's line k.
    const TPoint corner = end == 1 ? TPoint{x1, y1} : TPoint{x2, y2};
    const TPoint nT = RightNormal(toolAngle);
    const TPoint nW = RightNormal(wallAngle);
    const auto d = Cumulative(spacing1, spacing2, spacing3);
    const auto e = Cumulative(wall->spacing1, wall->spacing2, wall->spacing3);

    const int toolEnd = end == 1 ? 0 : 1;
    for (int k = 0; k < LineCount(spacing2); ++k) {
        const auto i = std::size_t(2 * k + toolEnd);
        const auto ki = std::size_t(k);
        const TPoint p = derived.Take(corner.x + d[ki] * nT.x + e[ki] * nW.x, corner.y + d[ki] * nT.y + e[ki] * nW.y);
        lineX[i] = p.x;
        lineY[i] = p.y;
    }

    // The other wall's lines at the corner (its end for end 1, its start for end 2) move along the
    // wall by this wall's line distances.
    const bool wallAlongX = wallAngle == 900 || wallAngle == 2700;
    const int wallEnd = end == 1 ? 1 : 0;
    for (int k = 0; k < LineCount(wall->spacing2); ++k) {
        const auto ix = std::size_t(WallLineX(k, wallEnd));
        const auto ki = std::size_t(k);
        const std::int64_t x = wall->wallLines[ix], y = wall->wallLines[ix + 1];
        const TPoint p = wallAlongX ? derived.Take(x + d[ki] * nT.x, y) : derived.Take(x, y + d[ki] * nT.y);
        wall->wallLines[ix] = p.x;
        wall->wallLines[ix + 1] = p.y;
    }
}

void TExtwallobjtool::JoinSlopedCorner(int wallIndex, int code)
{
    TExtwallobj* wall = ExternalWallAt(wallIndex);
    if (!wall)
        return;
    const bool startCorner = code == 1 || code == 10;
    if (!startCorner && code != 2 && code != 20)
        return;

    // The direction arriving at the corner and the one leaving it (wide: a wall's angle comes from
    // the drawing file as it is).
    const std::int64_t wallDirection = JoinedWallDirection(*wall);
    const std::int64_t arriving = startCorner ? wallDirection : lineAux1;
    const std::int64_t leaving = startCorner ? lineAux1 : wallDirection;

    // The wall whose lines this call sets, its corner point and spacings.
    const bool onTool = code == 1 || code == 2;
    TPoint q;
    if (code == 1)
        q = {x1, y1};
    else if (code == 2)
        q = {x2, y2};
    else if (code == 10)
        q = {wall->x2, wall->y2};
    else
        q = {wall->x1, wall->y1};
    const std::array<std::int32_t, 3> spacings =
        onTool ? std::array<std::int32_t, 3>{spacing1, spacing2, spacing3}
               : std::array<std::int32_t, 3>{wall->spacing1, wall->spacing2, wall->spacing3};
    const int lines = LineCount(spacings[1]);
    // Which end of that wall's lines lies at the corner: the tool's start for 1, its end for 2, the
    // wall's end for 10, its start for 20.
    const int cornerEnd = (code == 1 || code == 20) ? 0 : 1;

    auto store = [&](int k, TPoint p) {
        if (onTool) {
            const auto i = std::size_t(2 * k + cornerEnd);
            lineX[i] = p.x;
            lineY[i] = p.y;
        } else {
            const auto i = std::size_t(WallLineX(k, cornerEnd));
            wall->wallLines[i] = p.x;
            wall->wallLines[i + 1] = p.y;
        }
    };

    const std::int64_t back = arriving < 1800 ? arriving + 1800 : arriving - 1800;
    std::int64_t turn = back - leaving;
    if (turn < 0)
        turn += 3600;
    const std::int64_t h = turn / 2;

    if (h == 0) {
        // The walls turn fully back onto each other: no mitre, the lines keep their free ends.
        const int ownAngle = onTool ? lineAux1 : wall->angle;
        const auto d = Cumulative(spacings[0], spacings[1], spacings[2]);
        for (int k = 0; k < lines; ++k) {
            const TOffset offset = FreeEndOffset(ownAngle, d[std::size_t(k)]);
            store(k, derived.Take(std::int64_t(q.x) + offset.x, std::int64_t(q.y) + offset.y));
        }
    } else {
        const double c = std::cos(double(std::llabs(900 - h)) * RADIANS_PER_TENTH);
        const std::int64_t beta = leaving <= 1800 ? 1800 - (h + leaving) : 3600 - (leaving + h);
        const double betaRadians = double(std::llabs(beta)) * RADIANS_PER_TENTH;
        std::int64_t bisector = leaving + h;
        if (bisector > 3600)
            bisector -= 3600;
        // Signs of the bisector's quadrant; its directions 2700 and 3600 belong to the last one.
        int sx = -1, sy = 1;
        if (bisector < 900) {
            sx = 1;
            sy = 1;
        } else if (bisector < 1800) {
            sx = 1;
            sy = -1;
        } else if (bisector < 2700) {
            sx = -1;
            sy = -1;
        }
        // Each line steps on from the previous one by its own spacing, truncated by itself (a
        // corner so sharp that a line leaves what the drawing file holds refuses the wall).
        std::int64_t atX = q.x;
        std::int64_t atY = q.y;
        for (int k = 0; k < lines; ++k) {
            const double dist = spacings[std::size_t(k)] / c;
            atX += sx * std::int64_t(TruncToInt32(std::fabs(std::sin(betaRadians) * dist)));
            atY += sy * std::int64_t(TruncToInt32(std::fabs(std::cos(betaRadians) * dist)));
            store(k, derived.Take(atX, atY));
        }
    }

    SquareToolLines();
    SquareWallLines(*wall);
}

void TExtwallobjtool::SquareToolLines()
{
    for (int k = 0; k < LineCount(spacing2); ++k) {
        const auto start = std::size_t(2 * k);
        if (x1 == x2)
            lineX[start + 1] = lineX[start];
        else if (y1 == y2)
            lineY[start + 1] = lineY[start];
    }
}

void TExtwallobjtool::FindJoinedWalls(int index)
{
    prevWall = NO_INDEX;
    nextWall = NO_INDEX;
    hasPrevWall = false;
    hasNextWall = false;
    const TList& objects = State().objects;
    if (index < 0 || index >= objects.count())
        return;
    const TObject& given = *objects[index];
    const int floor = State().currentFloor;
    for (int i = 0; i < objects.count(); ++i) {
        const TObject& wall = *objects[i];
        if (i == index || wall.typeCode != TYPE_EXTWALL || wall.floor != floor)
            continue;
        if (wall.x2 == given.x1 && wall.y2 == given.y1) {
            prevWall = i;
            hasPrevWall = true;
        } else if (wall.x1 == given.x2 && wall.y1 == given.y2) {
            nextWall = i;
            hasNextWall = true;
        }
    }
}
