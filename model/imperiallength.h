#pragma once
// Imperial lengths as the program shows them. The model unit is 1/24 inch; a length is shown as
// feet, inches and eighths of an inch. Dimension texts and the dialogs' length fields both split a
// length here, so what a dimension says and what a dialog shows never disagree.
#include <cstdint>

constexpr int UNITS_PER_INCH = 24;

// A fraction of an inch in lowest terms; 0/0 when there is none to show.
struct TInchFraction {
    int numerator = 0;
    int denominator = 0;
    friend bool operator==(const TInchFraction&, const TInchFraction&) = default;
};

// The eighths in a remainder of 0..23 twenty-fourths (k = remainder / 3), in lowest terms:
// 3 -> 1/8, 12 -> 1/2, 14 -> 1/2. A remainder below 3 holds no eighth and gives 0/0.
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
