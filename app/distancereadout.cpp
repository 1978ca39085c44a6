#include "app/distancereadout.h"

#include "model/settingsfile.h"

#include <cmath>
#include <numbers>

std::string DistanceReadout(TPoint from, TPoint cursor, bool withAngle, int unitSystem)
{
    const double dx = double(cursor.x) - from.x;
    const double dy = double(cursor.y) - from.y;
    // Metric in millimetres; imperial in whole inches (24 model units each).
    const int divisor = unitSystem == 1 ? 1 : 24;
    const char* unit = unitSystem == 1 ? "" : "\"";
    if (withAngle) {
        const double length = std::hypot(dx, dy) / divisor;
        double degrees = std::atan2(dx, dy) * 180.0 / std::numbers::pi;
        if (degrees < 0)
            degrees += 360.0;
        return FormatC("%ld%s<%ld", long(std::lround(length)), unit, long(std::lround(degrees)) % 360);
    }
    return FormatC("%ld%s,%ld%s", long(dx) / divisor, unit, long(dy) / divisor, unit);
}
