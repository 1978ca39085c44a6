// The internal-wall (double line) dialogs: the thickness file as each unit system keeps it, the side
// codes, and the imperial fraction rules.
#include "dialogs/dbledlg.h"
#include "dialogs/imperial.h"
#include "model/settingsrecords.h"
#include "tests/dialogs/dialogtesthelpers.h"

namespace {

using IntwallDialogs = DialogTest;

TEST_F(IntwallDialogs, MetricThicknessAndSide)
{
    const std::pair<int, int> sides[] = {{7001, 4}, {7002, 2}, {7003, 1}, {7004, 3}};
    for (const auto& [button, code] : sides) {
        TDbledlg dialog(&window, 7000);
        Answer("dialog 7000 set 7005 110 check " + std::to_string(button) + " ok");
        ASSERT_EQ(dialog.Execute(), IDOK);
        EXPECT_EQ(dialog.secondLineSide, code) << button;
        EXPECT_EQ(Cfg("PTNM.CFG"), "110");
    }
    EXPECT_EQ(Cfg("PTNI.CFG"), "108");  // the other unit's file is left alone
}

TEST_F(IntwallDialogs, MetricShowsTheStoredThicknessAndStartsOnLeft)
{
    SetCfg("PTNM.CFG", "75");
    TDbledlg dialog(&window, 7000);
    Answer("dialog 7000 press 9 ok");
    ASSERT_EQ(dialog.Execute(), IDOK);
    EXPECT_EQ(dialog.widthText, "75");
    EXPECT_EQ(dialog.secondLineSide, SECOND_LINE_LEFT);
    EXPECT_EQ(Cfg("PTNM.CFG"), "75");
    EXPECT_EQ(window.runner.HelpRequests(), std::vector<int>{250});
}

TEST_F(IntwallDialogs, MetricRangeIsRefusedWithItsMessage)
{
    SetCfg("PTNM.CFG", "110");
    TDbledlg dialog(&window, 7000);
    Answer("dialog 7000 set 7005 20 ok");
    Answer("message ok");
    Answer("dialog 7000 set 7005 901 ok");
    Answer("message ok");
    Answer("dialog 7000 cancel");
    EXPECT_EQ(dialog.Execute(), IDCANCEL);
    EXPECT_EQ(Transcript(), (std::vector<std::string>{"message Arkweld 4.0 | Enter a whole number from 25 to 900",
                                                      "message Arkweld 4.0 | Enter a whole number from 25 to 900"}));
    EXPECT_EQ(Cfg("PTNM.CFG"), "110");
    EXPECT_EQ(dialog.secondLineSide, 0);
}

TEST_F(IntwallDialogs, ImperialEntries)
{
    struct Case {
        const char* inches;
        const char* numerator;
        const char* denominator;
        const char* stored;
    };
    const Case cases[] = {
        {"4", "1", "2", "108"}, {"4", "3", "4", "114"}, {"4", "1", "16", "97"}, {"4", "2", "2", "96"},
        {"4", "0", "16", "96"}, {"4", "0", "0", "96"},  {"4", "1", "3", "96"},  {"50", "15", "16", "1222"},
    };
    for (const Case& c : cases) {
        TDbleimpdlg dialog(&window, 7500);
        Answer(std::string("dialog 7500 set 7505 ") + c.inches + " set 7506 " + c.numerator + " set 7507 " +
               c.denominator + " check 7504 ok");
        ASSERT_EQ(dialog.Execute(), IDOK);
        EXPECT_EQ(Cfg("PTNI.CFG"), c.stored) << c.inches << " " << c.numerator << "/" << c.denominator;
        EXPECT_EQ(dialog.secondLineSide, SECOND_LINE_BELOW);
    }
}

TEST_F(IntwallDialogs, ImperialShowsTheStoredThickness)
{
    struct Case {
        const char* stored;
        const char* inches;
        const char* numerator;
        const char* denominator;
    };
    // Eighths in lowest terms; no remainder leaves the template's "0"; a remainder that has no whole
    // eighth shows the fraction that gives it back.
    const Case cases[] = {
        {"108", "4", "1", "2"}, {"96", "4", "0", "0"}, {"99", "4", "1", "8"}, {"97", "4", "1", "16"},
        {"98", "4", "1", "12"},
    };
    for (const Case& c : cases) {
        SetCfg("PTNI.CFG", c.stored);
        TDbleimpdlg dialog(&window, 7500);
        Answer("dialog 7500 ok");
        ASSERT_EQ(dialog.Execute(), IDOK);
        EXPECT_EQ(dialog.inchText, c.inches) << c.stored;
        EXPECT_EQ(dialog.numeratorText, c.numerator) << c.stored;
        EXPECT_EQ(dialog.denominatorText, c.denominator) << c.stored;
        // OK without a change keeps the thickness.
        EXPECT_EQ(Cfg("PTNI.CFG"), c.stored);
        EXPECT_EQ(dialog.secondLineSide, SECOND_LINE_LEFT);
    }
}

TEST_F(IntwallDialogs, ImperialRangesAndCancel)
{
    SetCfg("PTNI.CFG", "108");
    TDbleimpdlg dialog(&window, 7500);
    Answer("dialog 7500 set 7505 51 ok");
    Answer("message ok");
    Answer("dialog 7500 set 7505 4 set 7507 17 ok");
    Answer("message ok");
    Answer("dialog 7500 cancel");
    EXPECT_EQ(dialog.Execute(), IDCANCEL);
    EXPECT_EQ(Transcript(), (std::vector<std::string>{"message Arkweld 4.0 | Enter a whole number from 1 to 50",
                                                      "message Arkweld 4.0 | Enter a whole number from 0 to 16"}));
    EXPECT_EQ(Cfg("PTNI.CFG"), "108");
}

TEST_F(IntwallDialogs, FailedWriteIsReported)
{
    TDbledlg dialog(&window, 7000);
    Answer("dialog 7000 set 7005 120 ok");
    Answer("message ok");
    FailNextWrites(1);
    EXPECT_EQ(dialog.Execute(), IDOK);
    FailNextWrites(0);
    EXPECT_EQ(Transcript(), std::vector<std::string>{"message Arkweld 4.0 | The settings file CFG/PTNM.CFG could not be written: No space left on device"});
    EXPECT_EQ(Cfg("PTNM.CFG"), "110");
}

TEST_F(IntwallDialogs, SettingsRecordsAsStored)
{
    SetCfg("PTNM.CFG", "125");
    SetCfg("PTNI.CFG", "99");
    EXPECT_EQ(ReadSettings<TInternalWallSettings>(1).thickness, 125);
    EXPECT_EQ(ReadSettings<TInternalWallSettings>(0).thickness, 99);
    TInternalWallSettings thickness;
    thickness.thickness = 230;
    EXPECT_EQ(FormatSettings(thickness), "230");

    SetCfg("WLCLR.CFG", "255 65280\n");
    const auto colours = ReadSettings<TWallColourSettings>();
    EXPECT_EQ(colours.colour1, 255);
    EXPECT_EQ(colours.colour2, 65280);
    EXPECT_EQ(FormatSettings(colours), "255 65280\n");
    // A missing file reads as the shipped default.
    RemoveCfg("WLCLR.CFG");
    EXPECT_EQ(ReadSettings<TWallColourSettings>().colour1, 0);
}

TEST(ImperialFractions, EveryRemainderShowsAFractionThatGivesItBack)
{
    for (int remainder = 1; remainder < 23; ++remainder) {
        const TInchFraction fraction = FractionOfRemainder(remainder);
        EXPECT_EQ(FractionLength(fraction.numerator, fraction.denominator, FractionRule::Proper), remainder)
            << remainder;
        EXPECT_LE(fraction.numerator, 15);
        EXPECT_LE(fraction.denominator, 16);
    }
    EXPECT_EQ(FractionOfRemainder(12), (TInchFraction{1, 2}));
    EXPECT_EQ(FractionOfRemainder(0), (TInchFraction{0, 0}));
    EXPECT_EQ(FractionOfRemainder(23), (TInchFraction{7, 8}));
}

}  // namespace
