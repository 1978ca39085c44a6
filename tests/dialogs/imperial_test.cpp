// Showing and typing imperial lengths (model unit 1/24 inch).
#include "dialogs/imperial.h"

#include <gtest/gtest.h>

TEST(ImperialDisplay, WholeInchesAndEighthsInLowestTerms)
{
    auto inches = [](int value) { return SplitInches(value); };
    EXPECT_EQ(inches(228).inches, 9);
    EXPECT_EQ(inches(228).fraction, (TInchFraction{1, 2}));
    EXPECT_EQ(inches(219).fraction, (TInchFraction{1, 8}));
    EXPECT_EQ(inches(216).inches, 9);
    EXPECT_EQ(inches(216).fraction, (TInchFraction{0, 0}));
    // Remainders of 1 and 2 twenty-fourths hold no eighth.
    EXPECT_EQ(inches(217).fraction, (TInchFraction{0, 0}));
    EXPECT_EQ(inches(218).fraction, (TInchFraction{0, 0}));
    const TInchFraction eighths[] = {{1, 8}, {1, 4}, {3, 8}, {1, 2}, {5, 8}, {3, 4}, {7, 8}};
    for (int k = 1; k <= 7; ++k) {
        EXPECT_EQ(EighthsOf(3 * k), eighths[k - 1]) << k;
        // The rest of a twenty-fourth below the next eighth does not change it.
        EXPECT_EQ(EighthsOf(3 * k + 2), eighths[k - 1]) << k;
    }
}

TEST(ImperialDisplay, FeetAndInches)
{
    TFeetLength nine = SplitFeet(2604);  // 9 ft 0 1/2 in
    EXPECT_EQ(nine.feet, 9);
    EXPECT_EQ(nine.inches, 0);
    EXPECT_EQ(nine.fraction, (TInchFraction{1, 2}));
    TFeetLength mixed = SplitFeet((10 * 12 + 3) * 24 + 21);
    EXPECT_EQ(mixed.feet, 10);
    EXPECT_EQ(mixed.inches, 3);
    EXPECT_EQ(mixed.fraction, (TInchFraction{7, 8}));
    EXPECT_EQ(SplitFeet(0).feet, 0);
}

TEST(ImperialEntry, ProperFractionsOnly)
{
    EXPECT_EQ(InchesLength(9, 1, 2, FractionRule::Proper), 228);
    EXPECT_EQ(InchesLength(9, 3, 6, FractionRule::Proper), 216);  // denominator 6 is ignored
    EXPECT_EQ(InchesLength(9, 2, 2, FractionRule::Proper), 216);  // not below the denominator
    EXPECT_EQ(InchesLength(9, 0, 8, FractionRule::Proper), 216);
    for (int denominator : {3, 5, 7})
        EXPECT_EQ(FractionLength(1, denominator, FractionRule::Proper), 0) << denominator;
    EXPECT_EQ(FractionLength(3, 16, FractionRule::Proper), 4);
    EXPECT_EQ(FractionLength(3, 4, FractionRule::Proper), 18);
}

TEST(ImperialEntry, AnyPositiveFraction)
{
    EXPECT_EQ(FeetLength(10, 3, 3, 16, FractionRule::Any), 2956);
    EXPECT_EQ(FeetLength(10, 3, 3, 16, FractionRule::Proper), 2956);
    EXPECT_EQ(FeetLength(0, 0, 0, 0, FractionRule::Any), 0);
    // 2/6 counts only for openers that take any fraction.
    EXPECT_EQ(FractionLength(2, 6, FractionRule::Any), 8);
    EXPECT_EQ(FractionLength(2, 6, FractionRule::Proper), 0);
    // A fraction above one still counts there.
    EXPECT_EQ(FractionLength(5, 4, FractionRule::Any), 30);
    // A zero denominator is never divided by.
    EXPECT_EQ(FractionLength(3, 0, FractionRule::Any), 0);
    EXPECT_EQ(FractionLength(3, 0, FractionRule::Proper), 0);
    EXPECT_EQ(FractionLength(-1, 2, FractionRule::Any), 0);
}

TEST(ImperialEntry, HugeNumbersClampInsteadOfOverflowing)
{
    EXPECT_EQ(FeetLength(2000000000, 0, 0, 0, FractionRule::Any), 2147483647);
    EXPECT_EQ(FeetLength(-2000000000, 0, 0, 0, FractionRule::Any), -2147483647 - 1);
    EXPECT_EQ(InchesLength(100000000, 0, 0, FractionRule::Proper), 2147483647);
    EXPECT_EQ(FractionLength(2000000000, 1, FractionRule::Any), 2147483647);
}
