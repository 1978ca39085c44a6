// Typed lengths in both unit systems: whole millimetres at the metric prompt, and the fields of the
// feet-and-inches prompt under the same whole-number rule, each with a message naming its range.
#include "dialogs/feetdlg.h"
#include "dialogs/typedlength.h"
#include "tests/dialogs/dialogtesthelpers.h"

using TypedLength = DialogTest;

TEST(TypedLengthRule, MetricLengthsAreWholeMillimetresInRange)
{
    EXPECT_EQ(ReadWholeNumber("2500", TYPED_MILLIMETRES), 2500);
    EXPECT_EQ(ReadWholeNumber(" 10000 ", TYPED_MILLIMETRES), 10000);
    EXPECT_EQ(ReadWholeNumber("32766", TYPED_MILLIMETRES), 32766);
    for (const char* refused : {"2.500", "1e3", "1.5", "3 m", "0", "32767", "", "-1"})
        EXPECT_EQ(ReadWholeNumber(refused, TYPED_MILLIMETRES), std::nullopt) << refused;
    EXPECT_EQ(TypedLengthMessage(1), "Enter a whole number of millimetres from 1 to 32766");
}

TEST(TypedLengthRule, ImperialLengthsCoverTheSameRange)
{
    // The least length the feet-and-inches prompt can give that is not 0 is 1/16 inch, one model
    // unit; the most a typed length may be is 32766, 113 ft 9 1/4 in.
    EXPECT_EQ(FeetLength(0, 0, 1, 16, FractionRule::Any), 1);
    EXPECT_TRUE(IsTypedLength(FeetLength(0, 0, 1, 16, FractionRule::Any)));
    EXPECT_FALSE(IsTypedLength(FeetLength(0, 0, 0, 0, FractionRule::Any)));
    EXPECT_TRUE(IsTypedLength(FeetLength(113, 9, 1, 4, FractionRule::Any)));
    EXPECT_FALSE(IsTypedLength(FeetLength(113, 9, 5, 16, FractionRule::Any)));
    // The fields' own ranges keep every entry they pass at or below that.
    EXPECT_TRUE(IsTypedLength(FeetLength(FEET_FIELD.maximum, INCH_FIELD.maximum, NUMERATOR_FIELD.maximum, 1,
                                         FractionRule::Any)));
    EXPECT_EQ(TypedLengthMessage(0), "Enter a length from 1/16 in to 113 ft 9 1/4 in");
}

TEST_F(TypedLength, FeetFieldsTakeOnlyWholeNumbers)
{
    // A point or a letter cannot be typed into a field at all: "1.5" inches arrives as "15", out
    // of range, and is refused with the inch field's range, never read as 1.
    TFeetdlg dialog(&window, 9500, 0);
    Answer("dialog 9500 set 9501 3 set 9502 1.5 ok");
    Answer("message ok");
    Answer("dialog 9500 set 9502 \" 6 \" set 9503 1e set 9504 2 ok");
    ASSERT_EQ(dialog.Execute(), IDOK);
    EXPECT_EQ(Transcript(), std::vector<std::string>{"message Arkweld 4.0 | Enter a whole number of inches from 0 to 11"});
    EXPECT_EQ(dialog.inchText, " 6 ");
    EXPECT_EQ(dialog.numeratorText, "1");
    EXPECT_EQ(dialog.Length(FractionRule::Any), (3 * 12 + 6) * 24 + 12);
}

TEST_F(TypedLength, EveryFeetFieldRefusesWhatIsNotANumberInItsRange)
{
    struct Case {
        int field;
        const char* text;
        const char* message;
    };
    const Case cases[] = {
        {9501, "", "Enter a whole number of feet from 0 to 100"},
        {9501, "1 0", "Enter a whole number of feet from 0 to 100"},
        {9501, "101", "Enter a whole number of feet from 0 to 100"},
        {9502, "12", "Enter a whole number of inches from 0 to 11"},
        {9503, "16", "Enter a whole number from 0 to 15"},
        {9504, "17", "Enter a whole number from 0 to 16"},
        {9504, "  ", "Enter a whole number from 0 to 16"},
    };
    for (const Case& c : cases) {
        TFeetdlg dialog(&window, 9500, 0);
        Answer("dialog 9500 set " + std::to_string(c.field) + " \"" + c.text + "\" ok");
        Answer("message ok");
        Answer("dialog 9500 cancel");
        EXPECT_EQ(dialog.Execute(), IDCANCEL) << c.field << " \"" << c.text << '"';
        ASSERT_FALSE(Transcript().empty());
        EXPECT_EQ(Transcript().back(), std::string("message Arkweld 4.0 | ") + c.message) << c.field;
        EXPECT_EQ(window.runner.PendingAnswers(), 0u);
    }
    EXPECT_EQ(Transcript().size(), std::size(cases));
}
