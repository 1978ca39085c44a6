#pragma once
// The steps along and across an angled internal wall, as the door tool, the wall cut and the door
// fitting take them. The wall's angle A (tenths of a degree clockwise from +y) is folded into its
// quadrant (below 900, 1800, 2700, else) and an angle a' of 0..900 from the y axis (A, 1800 - A,
// A - 1800, 3600 - A); s = sin a', c = cos a'. A length L along the wall is then
// (+-RoundToInt(L s), +-RoundToInt(L c)) with the signs of the wall's direction, and a length across
// it (+-RoundToInt(L c), +-RoundToInt(L s)).
#include "openings/openingcodes.h"
#include "platform/geometry.h"
#include "tools/lineobjtool.h"

#include <cmath>
#include <cstdint>

class TDoorAxis {
public:
    explicit TDoorAxis(int angle)
    {
        double folded;
        if (angle < 900) {
            quadrant = 1;
            folded = angle;
            signX = 1;
            signY = 1;
        } else if (angle < 1800) {
            quadrant = 2;
            folded = 1800 - angle;
            signX = 1;
            signY = -1;
        } else if (angle < 2700) {
            quadrant = 3;
            folded = angle - 1800;
            signX = -1;
            signY = -1;
        } else {
            quadrant = 4;
            folded = 3600 - angle;
            signX = -1;
            signY = 1;
        }
        s = std::sin(folded * RADIANS_PER_TENTH);
        c = std::cos(folded * RADIANS_PER_TENTH);
    }

    // The first and third quadrants hold the walls that rise to the right, the others fall.
    bool Rising() const { return quadrant == 1 || quadrant == 3; }

    // A step of `length` in the wall's direction, each component rounded on its own.
    TPoint Along(double length) const
    {
        return {signX * Round(length * s), signY * Round(length * c)};
    }

    // A step of `length` across the wall from its upper face towards its lower face (upper = 3),
    // or from the lower face towards the upper one.
    TPoint Across(double length, bool fromUpper) const
    {
        const int x = Round(length * c);
        const int y = Round(length * s);
        const int sx = Rising() ? 1 : -1;
        return fromUpper ? TPoint{sx * x, -y} : TPoint{-sx * x, y};
    }

    int quadrant = 1;
    double s = 0;
    double c = 1;
    int signX = 1;
    int signY = 1;

private:
    static int Round(double x) { return RoundToInt(nullptr, x); }
};

// An internal wall runs along an axis when its angle is 0 or below, or 900, 1800 or 2700.
constexpr bool IsAxisAngle(int angle)
{
    return angle <= 0 || angle == 900 || angle == 1800 || angle == 2700;
}
