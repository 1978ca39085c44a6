#pragma once
// Device coordinates and sizes from the exact values the canvas works out.
#include <climits>
#include <cmath>

// The nearest whole number, halves upwards; values beyond the int range (a huge font or pen at a
// deep zoom) saturate instead of overflowing.
inline int RoundToPixel(double v)
{
    const double r = std::floor(v + 0.5);
    if (!(r < double(INT_MAX)))
        return INT_MAX;
    if (r < double(INT_MIN))
        return INT_MIN;
    return int(r);
}
