#include "dialogs/imperial.h"

#include <algorithm>
#include <limits>

namespace {

std::int32_t Clamp(std::int64_t value)
{
    return std::int32_t(std::clamp<std::int64_t>(value, std::numeric_limits<std::int32_t>::min(),
                                                 std::numeric_limits<std::int32_t>::max()));
}

}  // namespace

TInchFraction FractionOfRemainder(int remainder)
{
    const TInchFraction eighths = EighthsOf(remainder);
    auto gives = [remainder](int numerator, int denominator) {
        return denominator > 0 && numerator * UNITS_PER_INCH / denominator == remainder;
    };
    if (remainder <= 0 || gives(eighths.numerator, eighths.denominator))
        return eighths;
    for (int denominator = 16; denominator >= 2; --denominator) {
        if (denominator >= 3 && denominator <= 7 && denominator != 4)
            continue;
        for (int numerator = 1; numerator < denominator; ++numerator)
            if (gives(numerator, denominator))
                return {numerator, denominator};
    }
    return eighths;
}

std::int32_t FractionLength(std::int32_t numerator, std::int32_t denominator, FractionRule rule)
{
    bool counts = false;
    if (rule == FractionRule::Proper)
        counts = numerator > 0 && denominator > numerator && denominator != 3 && denominator != 5 &&
                 denominator != 6 && denominator != 7;
    else
        counts = numerator > 0 && denominator > 0;
    if (!counts)
        return 0;
    return Clamp(std::int64_t(numerator) * UNITS_PER_INCH / denominator);
}

std::int32_t InchesLength(std::int32_t inches, std::int32_t numerator, std::int32_t denominator, FractionRule rule)
{
    return Clamp(std::int64_t(inches) * UNITS_PER_INCH + FractionLength(numerator, denominator, rule));
}

std::int32_t FeetLength(std::int32_t feet, std::int32_t inches, std::int32_t numerator, std::int32_t denominator,
                        FractionRule rule)
{
    std::int64_t wholeInches = std::int64_t(feet) * 12 + inches;
    return Clamp(wholeInches * UNITS_PER_INCH + FractionLength(numerator, denominator, rule));
}
