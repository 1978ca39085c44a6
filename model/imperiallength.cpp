#include "model/imperiallength.h"

#include <numeric>

TInchFraction EighthsOf(int remainder)
{
    const int eighths = remainder / 3;
    if (remainder < 3 || eighths > 7)
        return {};
    const int common = std::gcd(eighths, 8);
    return {eighths / common, 8 / common};
}

TInchLength SplitInches(int value)
{
    const int inches = value / UNITS_PER_INCH;
    return {inches, EighthsOf(value - inches * UNITS_PER_INCH)};
}

TFeetLength SplitFeet(int value)
{
    const TInchLength length = SplitInches(value);
    return {length.inches / 12, length.inches % 12, length.fraction};
}
