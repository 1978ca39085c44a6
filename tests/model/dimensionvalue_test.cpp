// Showing lengths: the imperial split into feet, inches and eighths, and the dimension value text
// built on it.
#include "model/dimensionvalue.h"
#include "model/imperiallength.h"

#include <gtest/gtest.h>

#include <limits>

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

TEST(DimensionValue, MetricIsPlainMillimetres)
{
    EXPECT_EQ(FormatDimensionValue(3600, TDimensionTextForm::Plain, 1), "3600");
    EXPECT_EQ(FormatDimensionValue(3600, TDimensionTextForm::WallText, 1), "3600");
    EXPECT_EQ(FormatDimensionValue(7, TDimensionTextForm::Plain, 1), "7");
    EXPECT_EQ(FormatDimensionValue(0, TDimensionTextForm::Plain, 1), "0");
}

TEST(DimensionValue, ImperialWholeInchesAndEighths)
{
    // 12 feet exactly: the whole-inch form, with the per-wall text's trailing blank.
    EXPECT_EQ(FormatDimensionValue(3456, TDimensionTextForm::Plain, 0), "12' 0''");
    EXPECT_EQ(FormatDimensionValue(3456, TDimensionTextForm::WallText, 0), "12' 0'' ");
    EXPECT_EQ(FormatDimensionValue(2880, TDimensionTextForm::WallText, 0), "10' 0'' ");
    EXPECT_EQ(FormatDimensionValue(2880, TDimensionTextForm::Plain, 0), "10' 0''");
    // Fractions never carry the blank.
    EXPECT_EQ(FormatDimensionValue(3468, TDimensionTextForm::Plain, 0), "12' 0 1/2''");
    EXPECT_EQ(FormatDimensionValue(3468, TDimensionTextForm::WallText, 0), "12' 0 1/2''");
    EXPECT_EQ(FormatDimensionValue(3459, TDimensionTextForm::Plain, 0), "12' 0 1/8''");
    // r = 14: k = 4 eighths.
    EXPECT_EQ(FormatDimensionValue(3470, TDimensionTextForm::Plain, 0), "12' 0 1/2''");
    // 10 feet 3 7/8 inches.
    EXPECT_EQ(FormatDimensionValue((10 * 12 + 3) * 24 + 21, TDimensionTextForm::Plain, 0), "10' 3 7/8''");
    const char* eighths[] = {"1/8", "1/4", "3/8", "1/2", "5/8", "3/4", "7/8"};
    for (int k = 1; k <= 7; ++k)
        EXPECT_EQ(FormatDimensionValue(24 * 5 + 3 * k, TDimensionTextForm::Plain, 0),
                  std::string("0' 5 ") + eighths[k - 1] + "''")
            << k;
}

TEST(DimensionValue, RemainderBelowAnEighthShowsWholeInches)
{
    EXPECT_EQ(FormatDimensionValue(3457, TDimensionTextForm::Plain, 0), "12' 0''");
    EXPECT_EQ(FormatDimensionValue(3458, TDimensionTextForm::Plain, 0), "12' 0''");
    EXPECT_EQ(FormatDimensionValue(3457, TDimensionTextForm::WallText, 0), "12' 0'' ");
}

TEST(DimensionValue, AgreesWithWhatTheDialogsShow)
{
    // The dialogs fill their feet, inch and fraction fields from SplitFeet; the dimension text must
    // say the same for every length.
    for (int value = 0; value < 24 * 12 * 12; ++value) {
        const TFeetLength shown = SplitFeet(value);
        std::string expected = std::to_string(shown.feet) + "' " + std::to_string(shown.inches);
        if (shown.fraction.denominator != 0)
            expected += ' ' + std::to_string(shown.fraction.numerator) + '/' +
                        std::to_string(shown.fraction.denominator);
        expected += "''";
        ASSERT_EQ(FormatDimensionValue(value, TDimensionTextForm::Plain, 0), expected) << value;
    }
}

TEST(DimensionValue, UnitSystemOtherThanMetricIsImperial)
{
    EXPECT_EQ(FormatDimensionValue(288, TDimensionTextForm::Plain, 7), "1' 0''");
}

TEST(DimensionValue, NegativeAndExtremeLengths)
{
    EXPECT_EQ(FormatDimensionValue(-3468, TDimensionTextForm::Plain, 0), "-12' 0 1/2''");
    EXPECT_EQ(FormatDimensionValue(-3600, TDimensionTextForm::Plain, 1), "-3600");
    // 2^31 / 24 = 89478485 inches and 8/24: 7456540 feet 5 inches and 1/4.
    EXPECT_EQ(FormatDimensionValue(std::numeric_limits<std::int32_t>::min(), TDimensionTextForm::Plain, 0),
              "-7456540' 5 1/4''");
    EXPECT_EQ(FormatDimensionValue(std::numeric_limits<std::int32_t>::max(), TDimensionTextForm::Plain, 0),
              "7456540' 5 1/4''");
}

TEST(DimensionValue, FollowsTheDrawingsUnitSystemByDefault)
{
    FreshDrawingState fresh;
    fresh.state().unitSystem = 0;
    EXPECT_EQ(FormatDimensionValue(3468), "12' 0 1/2''");
    fresh.state().unitSystem = 1;
    EXPECT_EQ(FormatDimensionValue(3468), "3468");
}
