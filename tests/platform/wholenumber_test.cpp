// The whole-number rule for typed entries: digits with blanks around them, in range, or refused
// whole; and the validator that puts a dialog field under it.
#include "platform/wholenumber.h"
#include "platform/wholenumbervalidator.h"

#include <gtest/gtest.h>

namespace {

constexpr TWholeNumberRange MILLIMETRES{1, 32766, "millimetres"};

}  // namespace

TEST(WholeNumber, DigitsWithBlanksAroundThemAreRead)
{
    EXPECT_EQ(ReadWholeNumber("2500", MILLIMETRES), 2500);
    EXPECT_EQ(ReadWholeNumber("  2500 ", MILLIMETRES), 2500);
    EXPECT_EQ(ReadWholeNumber("\t17\t", MILLIMETRES), 17);
    EXPECT_EQ(ReadWholeNumber("0042", MILLIMETRES), 42);
    EXPECT_EQ(ReadWholeNumber("1", MILLIMETRES), 1);
    EXPECT_EQ(ReadWholeNumber("32766", MILLIMETRES), 32766);
}

TEST(WholeNumber, AnythingButDigitsIsRefusedWhole)
{
    // Each of these once read as its leading digits ("2.500" as a 2 mm wall).
    for (const char* text : {"2.500", "1e3", "1.5", "3 m", "3m", "2,5", "12 34", "+5", "-5", "5-", "x5", "", "   ",
                             "0x10", "\xB2"})
        EXPECT_EQ(ReadWholeNumber(text, MILLIMETRES), std::nullopt) << '"' << text << '"';
}

TEST(WholeNumber, OutsideTheRangeIsRefused)
{
    EXPECT_EQ(ReadWholeNumber("0", MILLIMETRES), std::nullopt);
    EXPECT_EQ(ReadWholeNumber("32767", MILLIMETRES), std::nullopt);
    // Long runs of digits neither wrap round into the range nor overflow.
    EXPECT_EQ(ReadWholeNumber("4294967297", MILLIMETRES), std::nullopt);
    EXPECT_EQ(ReadWholeNumber("99999999999999999999999999", MILLIMETRES), std::nullopt);
    EXPECT_EQ(ReadWholeNumber("00000000000000000000000007", MILLIMETRES), 7);

    constexpr TWholeNumberRange inches{0, 11, "inches"};
    EXPECT_EQ(ReadWholeNumber("0", inches), 0);
    EXPECT_EQ(ReadWholeNumber("11", inches), 11);
    EXPECT_EQ(ReadWholeNumber("12", inches), std::nullopt);
    constexpr TWholeNumberRange widest{0, 2147483647};
    EXPECT_EQ(ReadWholeNumber("2147483647", widest), 2147483647);
    EXPECT_EQ(ReadWholeNumber("2147483648", widest), std::nullopt);
}

TEST(WholeNumber, TheMessageNamesTheRangeAndTheUnit)
{
    EXPECT_EQ(MILLIMETRES.Message(), "Enter a whole number of millimetres from 1 to 32766");
    EXPECT_EQ((TWholeNumberRange{0, 15}).Message(), "Enter a whole number from 0 to 15");
}

TEST(WholeNumber, OnlyDigitsAndBlanksCanBeTyped)
{
    EXPECT_TRUE(IsWholeNumberInput(""));
    EXPECT_TRUE(IsWholeNumberInput(" 12 3"));
    EXPECT_FALSE(IsWholeNumberInput("1."));
    EXPECT_FALSE(IsWholeNumberInput("+1"));
    EXPECT_FALSE(IsWholeNumberInput("1e"));

    const TWholeNumberValidator validator(TWholeNumberRange{0, 100, "feet"});
    EXPECT_TRUE(validator.IsValidInput("1 2"));
    EXPECT_FALSE(validator.IsValid("1 2"));
    EXPECT_FALSE(validator.IsValidInput("1.5"));
    EXPECT_TRUE(validator.IsValid(" 100"));
    EXPECT_FALSE(validator.IsValid("101"));
    EXPECT_FALSE(validator.IsValid(""));
    EXPECT_EQ(validator.ErrorMessage(), "Enter a whole number of feet from 0 to 100");
}
