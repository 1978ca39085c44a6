#include "model/planturn.h"

#include "model/modelunits.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

// The offset from the centre of a point turned about it.
void TurnedOffset(int32_t x, int32_t y, int rotation, TPoint centre, int64_t& nx, int64_t& ny)
{
    nx = int64_t(x) - centre.x;
    ny = int64_t(y) - centre.y;
    if (rotation == MIRROR_LEFT_RIGHT)
        nx = -nx;
    else
        TurnClockwiseByQuarters(nx, ny, rotation);
}

bool FitsInt32(int64_t value) { return value == int64_t(int32_t(value)); }

}  // namespace

void TurnPoint(int32_t& x, int32_t& y, int rotation, TPoint centre)
{
    int64_t nx = 0;
    int64_t ny = 0;
    TurnedOffset(x, y, rotation, centre, nx, ny);
    x = ClampToInt32(centre.x + nx);
    y = ClampToInt32(centre.y + ny);
}

bool TurnsExactly(int32_t x, int32_t y, int rotation, TPoint centre)
{
    int64_t nx = 0;
    int64_t ny = 0;
    TurnedOffset(x, y, rotation, centre, nx, ny);
    return FitsInt32(nx) && FitsInt32(ny) && FitsInt32(centre.x + nx) && FitsInt32(centre.y + ny);
}

int32_t TurnAngle(int32_t angle, int rotation)
{
    const int64_t turned = rotation == MIRROR_LEFT_RIGHT ? 3600 - int64_t(angle) : int64_t(angle) + rotation * 10;
    return int32_t(((turned % 3600) + 3600) % 3600);
}

double DistanceToSegment(double px, double py, double ax, double ay, double bx, double by)
{
    const double dx = bx - ax;
    const double dy = by - ay;
    const double lengthSquared = dx * dx + dy * dy;
    double t = 0.0;
    if (lengthSquared > 0.0)
        t = std::clamp(((px - ax) * dx + (py - ay) * dy) / lengthSquared, 0.0, 1.0);
    return std::hypot(px - (ax + t * dx), py - (ay + t * dy));
}

double DistanceToOutline(double px, double py, const std::array<TPoint, 4>& corners)
{
    double nearest = std::numeric_limits<double>::infinity();
    bool inside = false;
    for (std::size_t i = 0, j = corners.size() - 1; i < corners.size(); j = i++) {
        const double ax = corners[j].x, ay = corners[j].y;
        const double bx = corners[i].x, by = corners[i].y;
        nearest = std::min(nearest, DistanceToSegment(px, py, ax, ay, bx, by));
        // Even-odd crossings of a ray towards +x.
        if ((by > py) != (ay > py) && px < ax + (py - ay) * (bx - ax) / (by - ay))
            inside = !inside;
    }
    return inside ? 0.0 : nearest;
}
