#include "dialogs/typedlength.h"

#include "dialogs/imperial.h"

namespace {

// "113 ft 9 1/4 in"; the fraction only when there is one.
std::string FeetAndInches(int length)
{
    const TFeetLength split = SplitFeet(length);
    std::string text = std::to_string(split.feet) + " ft " + std::to_string(split.inches);
    if (split.fraction.denominator != 0) {
        // Appended piece by piece: at -O3, GCC 12 warns of an overlapping copy in " " + std::string.
        text += ' ';
        text += std::to_string(split.fraction.numerator);
        text += '/';
        text += std::to_string(split.fraction.denominator);
    }
    return text + " in";
}

}  // namespace

std::string TypedLengthMessage(int unitSystem)
{
    if (unitSystem == 1)
        return TYPED_MILLIMETRES.Message();
    return "Enter a length from 1/16 in to " + FeetAndInches(TYPED_MILLIMETRES.maximum);
}
