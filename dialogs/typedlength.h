#pragma once
// The ranges of typed lengths: a length typed at a prompt of the drawing window and the fields of
// the feet-and-inches prompt, each read under the whole-number rule (platform/wholenumber.h), and
// what a length outside its range is told in either unit system.
#include "platform/wholenumber.h"

#include <cstdint>
#include <string>

// A length typed at a prompt, in model units (metric: millimetres).
inline constexpr TWholeNumberRange TYPED_MILLIMETRES{1, 32766, "millimetres"};

// The fields of the feet-and-inches prompt.
inline constexpr TWholeNumberRange FEET_FIELD{0, 100, "feet"};
inline constexpr TWholeNumberRange INCH_FIELD{0, 11, "inches"};
inline constexpr TWholeNumberRange NUMERATOR_FIELD{0, 15};
inline constexpr TWholeNumberRange DENOMINATOR_FIELD{0, 16};

// Does a length in model units lie in the range of a typed length?
inline bool IsTypedLength(std::int64_t length)
{
    return TYPED_MILLIMETRES.Contains(length);
}

// What a typed length outside the range is told: metric (unitSystem 1) "Enter a whole number of
// millimetres from 1 to 32766"; imperial the same range in feet and inches, "Enter a length from
// 1/16 in to 113 ft 9 1/4 in" (1/16 inch is the least the prompt can give that is not 0).
std::string TypedLengthMessage(int unitSystem);
