#include "model/planturn.h"

#include "model/modelunits.h"

#include <algorithm>
#include <cmath>
#include <limits>

void TurnPoint(int32_t& x, int32_t& y, int rotation, TPoint centre)
{
    const int64_t cx = centre.x;
    const int64_t cy = centre.y;
    const int64_t dx = x - cx;
    const int64_t dy = y - cy;
    int64_t nx = dx;
    int64_t ny = dy;
    if (rotation == MIRROR_LEFT_RIGHT)
        nx = -dx;
    else
        TurnClockwiseByQuarters(nx, ny, rotation);
    x = ClampToInt32(cx + nx);
    y = ClampToInt32(cy + ny);
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
