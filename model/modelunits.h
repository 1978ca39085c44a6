#pragma once
// Arithmetic on model units that stays inside the int32 range every length and coordinate is kept
// in. Sums and products of int32 values are taken wider and brought back with these, so numbers
// from a drawing or settings file can never overflow.
#include <cmath>
#include <cstdint>
#include <limits>

// A wide result held at the ends of the int32 range.
constexpr int32_t ClampToInt32(int64_t value)
{
    constexpr int64_t lowest = std::numeric_limits<int32_t>::min();
    constexpr int64_t highest = std::numeric_limits<int32_t>::max();
    return int32_t(value < lowest ? lowest : value > highest ? highest : value);
}

// A real truncated toward zero and held at the ends of the int32 range; NaN gives 0.
inline int32_t TruncToInt32(double value)
{
    if (std::isnan(value))
        return 0;
    if (value <= double(std::numeric_limits<int32_t>::min()))
        return std::numeric_limits<int32_t>::min();
    if (value >= double(std::numeric_limits<int32_t>::max()))
        return std::numeric_limits<int32_t>::max();
    return int32_t(value);
}

// An offset (dx, dy) turned clockwise, with y upwards, by 90, 180 or 270 degrees, exactly; any
// other angle leaves it.
inline void TurnClockwiseByQuarters(int64_t& dx, int64_t& dy, int degrees)
{
    const int64_t x = dx;
    const int64_t y = dy;
    switch (degrees) {
    case 90:
        dx = y;
        dy = -x;
        break;
    case 180:
        dx = -x;
        dy = -y;
        break;
    case 270:
        dx = -y;
        dy = x;
        break;
    default:
        break;
    }
}
