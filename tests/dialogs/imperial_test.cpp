// Typing imperial lengths (model unit 1/24 inch).
#include "dialogs/imperial.h"

#include <gtest/gtest.h>

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
