// The mitre of two second faces where a sloped wall takes part in a corner: the point on the
// bisector of the two walls at the width's distance from both, on the side the faces keep through
// the corner.
#include "walls/intwallobjtool.h"

#include "model/drawingedit.h"
#include "model/modelunits.h"
#include "walls/wallsegment.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace {

// The direction of a joined wall for the mitre: an orthogonal wall's from its points (its stored
// angle may run the other way), a sloped wall's stored angle.
int TravelDirection(const TIntwallobj& wall)
{
    const int a = NormalAngle(wall.angle);
    if (!IsOrthogonalAngle(a))
        return a;
    if (wall.y1 == wall.y2)
        return wall.x2 <= wall.x1 ? 2700 : 900;
    if (wall.x1 == wall.x2)
        return wall.y2 >= wall.y1 ? 0 : 1800;
    return a;
}

// Whether a wall's second face lies on the left hand of its direction of travel: +1 left, -1 right,
// 0 when it cannot be told (no width).
int FaceHand(const TIntwallobj& wall)
{
    const double dx = double(wall.x2) - wall.x1;
    const double dy = double(wall.y2) - wall.y1;
    double fx = double(wall.face2EndX) - wall.x2;
    double fy = double(wall.face2EndY) - wall.y2;
    if (fx == 0.0 && fy == 0.0) {
        fx = double(wall.face2StartX) - wall.x1;
        fy = double(wall.face2StartY) - wall.y1;
    }
    const double cross = dx * fy - dy * fx;
    return cross > 0.0 ? 1 : cross < 0.0 ? -1 : 0;
}

// Signs of the mitre step on side 1 by the bisector b and the reversed incoming direction R; false
// where none applies. An R of exactly 1800 (the incoming wall runs straight up) takes the rows of
// 1801..2700, where side 1 lies on the same hand of travel.
bool MitreSigns(int b, int r, int& sx, int& sy)
{
    auto set = [&](int x, int y) {
        sx = x;
        sy = y;
        return true;
    };
    const int band = r == 1800 ? 2 : r <= 900 ? 0 : r <= 1800 ? 1 : r <= 2700 ? 2 : 3;
    if (b > r) {
        switch (band) {
        case 0:
            if (b <= 900)
                return set(-1, -1);
            if (b <= 1800)
                return set(-1, 1);
            if (b <= 2700)
                return set(1, 1);
            return false;
        case 1:
            if (b <= 1800)
                return set(-1, 1);
            if (b <= 2700)
                return set(1, 1);
            return false;
        case 2:
            if (b <= 2700)
                return set(-1, -1);
            if (b <= 3600)
                return set(-1, 1);
            return false;
        default:
            return b < 3600 && set(-1, 1);
        }
    }
    if (b < r) {
        switch (band) {
        case 0:
            return b <= 900 && set(1, 1);
        case 1:
            if (b <= 900)
                return set(1, 1);
            if (b <= 1800)
                return set(1, -1);
            return false;
        case 2:
            if (b <= 900)
                return set(-1, -1);
            if (b <= 1800)
                return set(-1, 1);
            if (b <= 2700)
                return set(1, 1);
            return false;
        default:
            if (b <= 1800)
                return set(-1, 1);
            if (b <= 2700)
                return set(1, 1);
            return b < 3600 && set(1, -1);
        }
    }
    return false;
}

}  // namespace

void TIntwallobjtool::JoinSlopedWall(TDrawingEdit& edit, int joinIndex, int code)
{
    const TIntwallobj* joined = JoinedWall(joinIndex);
    if (!joined || (code != 1 && code != 2 && code != 10 && code != 20))
        return;

    std::int64_t px = 0, py = 0;
    double width = 0.0;
    switch (code) {
    case 1:
        px = x1, py = y1, width = wallWidth;
        break;
    case 2:
        px = x2, py = y2, width = wallWidth;
        break;
    case 10:
        px = joined->x2, py = joined->y2, width = joined->wallWidth;
        break;
    default:
        px = joined->x1, py = joined->y1, width = joined->wallWidth;
        break;
    }

    // A is the direction leaving the corner, B the one arriving at it, R the arriving one reversed.
    const int jd = TravelDirection(*joined);
    const int t = NormalAngle(lineAux1);
    const bool newLeaves = code == 1 || code == 10;
    const int a = newLeaves ? t : jd;
    const int b0 = newLeaves ? jd : t;
    const int r = b0 < 1800 ? b0 + 1800 : b0 - 1800;
    int h = std::abs(r - a) / 2;
    const int bisector = std::min(a, r) + h;
    if (h > 900)
        h = 1800 - h;
    // A piece turning straight back has no mitre: its square end stays.
    const double sine = std::sin(h * RADIANS_PER_TENTH);
    const int hand = FaceHand(*joined);
    if (h <= 0 || sine <= 0.0 || hand == 0)
        return;
    const double length = width / sine;

    int folded = bisector;
    if (bisector > 2700)
        folded = 3600 - bisector;
    else if (bisector > 1800)
        folded = bisector - 1800;
    else if (bisector > 900)
        folded = 1800 - bisector;
    const std::int64_t dx = TruncToInt32(std::fabs(std::sin(folded * RADIANS_PER_TENTH) * length));
    const std::int64_t dy = TruncToInt32(std::fabs(std::cos(folded * RADIANS_PER_TENTH) * length));

    int sx = 0, sy = 0;
    if (!MitreSigns(bisector, r, sx, sy))
        return;
    // Side 1 of the table is the left hand of travel when the arriving wall runs below 1800, the
    // right hand from 1800 on; the faces keep the joined wall's hand through the corner.
    const int side1Hand = b0 < 1800 ? 1 : -1;
    const std::int64_t sign = hand == side1Hand ? 1 : -1;
    const std::int64_t mx = px + sign * sx * dx;
    const std::int64_t my = py + sign * sy * dy;

    if (code == 1 || code == 2) {
        SetFacePoint(code, mx, my);
        (code == 1 ? startShapedBy : endShapedBy) = joinIndex;
        return;
    }
    TIntwallobj& changed = ChangeJoinedWall(edit, joinIndex);
    const TPoint p = derived.Take(mx, my);
    if (code == 10) {
        changed.face2EndX = p.x;
        changed.face2EndY = p.y;
    } else {
        changed.face2StartX = p.x;
        changed.face2StartY = p.y;
    }
}
