#pragma once
// Imperial lengths: the model unit is 1/24 inch. Dialogs show a length as whole inches (or feet and
// inches) and a fraction in eighths, and turn what the user typed back into model units.
#include <cstdint>

constexpr int UNITS_PER_INCH = 24;

// A fraction of an inch in lowest terms; 0/0 when there is none to show.
struct TInchFraction {
    int numerator = 0;
    int denominator = 0;
    friend bool operator==(const TInchFraction&, const TInchFraction&) = default;
};

// The eighths in a remainder of 0..23 twenty-fourths, in lowest terms: 3 -> 1/8, 12 -> 1/2. A
// remainder below 3 holds no eighth and gives 0/0.
TInchFraction EighthsOf(int remainder);

// A length as whole inches and eighths.
struct TInchLength {
    int inches = 0;
    TInchFraction fraction;
};
TInchLength SplitInches(int value);

// A length as feet, inches (0..11) and eighths.
struct TFeetLength {
    int feet = 0;
    int inches = 0;
    TInchFraction fraction;
};
TFeetLength SplitFeet(int value);

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
