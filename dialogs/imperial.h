#pragma once
// Imperial lengths typed into the dialogs: whole inches (or feet and inches) and a fraction, turned
// back into model units (1/24 inch). How a length is split for showing is model/imperiallength.h.
#include "model/imperiallength.h"

#include <cstdint>

// The fraction to show for a remainder of 0..23 twenty-fourths so that typing it back gives the
// remainder again: its eighths when they do, else the first proper fraction with a denominator from
// 16 down (not 3, 5, 6 or 7) that does (1 -> 1/16, 2 -> 1/12). A remainder no such fraction reaches
// (23) shows its eighths; 0 shows 0/0.
TInchFraction FractionOfRemainder(int remainder);

// Which typed fractions count.
enum class FractionRule {
    Proper,  // 0 < numerator < denominator, and the denominator is not 3, 5, 6 or 7
    Any,     // numerator > 0 and denominator > 0
};

// numerator x 24 / denominator (integer division) when the fraction passes the rule, else 0.
// A denominator of 0 never passes.
std::int32_t FractionLength(std::int32_t numerator, std::int32_t denominator, FractionRule rule);
// inches x 24 plus the fraction. Clamped to the 32-bit range.
std::int32_t InchesLength(std::int32_t inches, std::int32_t numerator, std::int32_t denominator, FractionRule rule);
// (feet x 12 + inches) x 24 plus the fraction. Clamped to the 32-bit range.
std::int32_t FeetLength(std::int32_t feet, std::int32_t inches, std::int32_t numerator, std::int32_t denominator,
                        FractionRule rule);
