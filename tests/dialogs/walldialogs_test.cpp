// External-wall type, custom wall and side dialogs, and the imperial length prompt.
#include "dialogs/extsidedlg.h"
#include "dialogs/feetdlg.h"
#include "dialogs/plancustdlg.h"
#include "dialogs/plandlg.h"
#include "tests/dialogs/dialogtesthelpers.h"

using WallDialogs = DialogTest;

namespace {

struct Spacings {
    int wallType, spacing1, spacing2, spacing3;
    friend bool operator==(const Spacings&, const Spacings&) = default;
};

template <class Dialog>
Spacings Result(const Dialog& dialog)
{
    return {dialog.wallType, dialog.spacing1, dialog.spacing2, dialog.spacing3};
}

}  // namespace

TEST_F(WallDialogs, MetricWallTypes)
{
    const std::pair<int, Spacings> cases[] = {
        {2487, {1, 0, 0, 0}},        {2481, {275, 110, 55, 110}}, {2482, {230, 230, 0, 0}},
        {2483, {240, 110, 55, 75}},  {2484, {200, 200, 0, 0}},    {2494, {150, 150, 0, 0}},
        {2485, {100, 100, 0, 0}},    {2486, {75, 75, 0, 0}},
    };
    for (const auto& [button, expected] : cases) {
        TPlandlg dialog(&window, 2480);
        Answer("dialog 2480 check " + std::to_string(button) + " ok");
        ASSERT_EQ(dialog.Execute(), IDOK);
        EXPECT_EQ(Result(dialog), expected) << button;
    }
    // Left on the custom wall it starts with.
    TPlandlg untouched(&window, 2480);
    Answer("dialog 2480 press 9 ok");
    ASSERT_EQ(untouched.Execute(), IDOK);
    EXPECT_EQ(Result(untouched), (Spacings{1, 0, 0, 0}));
    EXPECT_EQ(window.runner.HelpRequests(), std::vector<int>{250});
}

TEST_F(WallDialogs, ImperialWallTypes)
{
    const std::pair<int, Spacings> cases[] = {
        {2911, {1, 0, 0, 0}},       {2904, {264, 108, 48, 108}}, {2905, {216, 216, 0, 0}},
        {2906, {228, 108, 48, 72}}, {2907, {192, 192, 0, 0}},    {2908, {144, 144, 0, 0}},
        {2909, {96, 96, 0, 0}},     {2910, {72, 72, 0, 0}},
    };
    for (const auto& [button, expected] : cases) {
        TPlanimpdlg dialog(&window, 2900);
        Answer("dialog 2900 check " + std::to_string(button) + " ok");
        ASSERT_EQ(dialog.Execute(), IDOK);
        EXPECT_EQ(Result(dialog), expected) << button;
    }
}

TEST_F(WallDialogs, TypeDialogEscapeWithoutCancelButton)
{
    TPlandlg dialog(&window, 2480);
    Answer("dialog 2480 check 2482 cancel");
    EXPECT_EQ(dialog.Execute(), IDCANCEL);
    EXPECT_EQ(Result(dialog), (Spacings{1, 0, 0, 0}));
}

TEST_F(WallDialogs, MetricCustomWallRoundTrip)
{
    SetCfg("CUST.CFG", "4 275 110 55");
    TPlancustdlg dialog(&window, 5300);
    Answer("dialog 5300 set 5301 4 set 5302 300 set 5303 100 set 5304 50 ok");
    ASSERT_EQ(dialog.Execute(), IDOK);
    EXPECT_EQ(Cfg("CUST.CFG"), "4 300 100 50");
    EXPECT_EQ(dialog.spacing1, 100);
    EXPECT_EQ(dialog.spacing2, 50);
    EXPECT_EQ(dialog.spacing3, 150);

    // The next run shows the stored values.
    TPlancustdlg again(&window, 5300);
    Answer("dialog 5300 ok");
    ASSERT_EQ(again.Execute(), IDOK);
    EXPECT_EQ(again.linesText, "4");
    EXPECT_EQ(again.totalText, "300");
    EXPECT_EQ(again.outerText, "100");
    EXPECT_EQ(again.cavityText, "50");
}

TEST_F(WallDialogs, MetricTwoLineWallKeepsTheSpaces)
{
    TPlancustdlg dialog(&window, 5300);
    Answer("dialog 5300 set 5301 2 set 5302 300 set 5303 50 set 5304 40 ok");
    ASSERT_EQ(dialog.Execute(), IDOK);
    EXPECT_EQ(dialog.spacing1, 300);
    EXPECT_EQ(dialog.spacing2, 0);
    EXPECT_EQ(dialog.spacing3, 0);
    EXPECT_EQ(Cfg("CUST.CFG"), "2 300 50 40");
}

TEST_F(WallDialogs, OutOfRangeValueIsRefusedAndNothingIsWritten)
{
    SetCfg("CUST.CFG", "4 275 110 55");
    TPlancustdlg dialog(&window, 5300);
    // The cavity field allows up to 790 whatever its label says.
    Answer("dialog 5300 set 5302 950 set 5304 790 ok");
    Answer("message ok");
    Answer("dialog 5300 cancel");
    EXPECT_EQ(dialog.Execute(), IDCANCEL);
    EXPECT_EQ(Transcript(), std::vector<std::string>{"message Arkweld 4.0 | Enter a whole number from 25 to 900"});
    EXPECT_EQ(Cfg("CUST.CFG"), "4 275 110 55");
    EXPECT_EQ(dialog.spacing1, 0);
}

TEST_F(WallDialogs, CavityWallNeedsRoomForItsLeaves)
{
    SetCfg("CUST.CFG", "4 275 110 55");
    // Outer space and cavity filling the whole width, a zero cavity, and 3 lines with no outer
    // space are refused with a message; the dialog stays open until the sizes make sense.
    TPlancustdlg dialog(&window, 5300);
    Answer("dialog 5300 set 5302 200 set 5303 150 set 5304 50 ok");
    Answer("message ok");
    Answer("dialog 5300 set 5304 0 ok");
    Answer("message ok");
    Answer("dialog 5300 set 5301 3 set 5303 0 set 5304 40 ok");
    Answer("message ok");
    Answer("dialog 5300 set 5303 100 ok");
    ASSERT_EQ(dialog.Execute(), IDOK);
    ASSERT_EQ(Transcript().size(), 3u);
    EXPECT_EQ(Transcript()[0], "message Arkweld 4.0 | For a wall of 3 or 4 lines the outer space and the cavity "
                               "must each be more than 0 and together less than the total width");
    // Three lines are treated like four.
    EXPECT_EQ(Cfg("CUST.CFG"), "3 200 100 40");
    EXPECT_EQ(dialog.spacing1, 100);
    EXPECT_EQ(dialog.spacing2, 40);
    EXPECT_EQ(dialog.spacing3, 60);
}

TEST_F(WallDialogs, ImperialCustomWall)
{
    SetCfg("CUSTIMP.CFG", "4 264 108 48");
    TPlanimpcustdlg dialog(&window, 5350);
    Answer("dialog 5350 set 5351 4 set 5352 11 set 5355 4 set 5356 1 set 5357 2 set 5358 2 ok");
    ASSERT_EQ(dialog.Execute(), IDOK);
    EXPECT_EQ(Cfg("CUSTIMP.CFG"), "4 264 108 48");
    EXPECT_EQ(dialog.spacing1, 108);
    EXPECT_EQ(dialog.spacing2, 48);
    EXPECT_EQ(dialog.spacing3, 108);
}

TEST_F(WallDialogs, ImperialCustomWallShowsStoredLengths)
{
    // 228 = 9 1/2 in; 216 = 9 in; 98 = 4 in and 2/24, below an eighth.
    SetCfg("CUSTIMP.CFG", "4 228 216 98");
    TPlanimpcustdlg dialog(&window, 5350);
    Answer("dialog 5350 cancel");
    EXPECT_EQ(dialog.Execute(), IDCANCEL);
    auto text = [&](int id) { return static_cast<TEdit*>(dialog.FindControl(id))->GetText(); };
    EXPECT_EQ(text(5351), "4");
    EXPECT_EQ(text(5352), "9");
    EXPECT_EQ(text(5353), "1");
    EXPECT_EQ(text(5354), "2");
    EXPECT_EQ(text(5355), "9");
    EXPECT_EQ(text(5356), "0");
    EXPECT_EQ(text(5357), "0");
    EXPECT_EQ(text(5358), "4");
    EXPECT_EQ(text(5359), "0");
    EXPECT_EQ(text(5360), "0");
    // Cancel left the file alone.
    EXPECT_EQ(Cfg("CUSTIMP.CFG"), "4 228 216 98");
}

TEST_F(WallDialogs, ImperialCustomWallIgnoresImproperFractions)
{
    TPlanimpcustdlg dialog(&window, 5350);
    // 3/6 and 2/2 are ignored, 0/8 adds nothing: whole inches only.
    Answer("dialog 5350 set 5351 2 set 5352 9 set 5353 3 set 5354 6 set 5355 0 set 5356 2 set 5357 2 "
           "set 5358 0 set 5359 0 set 5360 8 ok");
    ASSERT_EQ(dialog.Execute(), IDOK);
    EXPECT_EQ(Cfg("CUSTIMP.CFG"), "2 216 0 0");
    EXPECT_EQ(dialog.spacing1, 216);
    EXPECT_EQ(dialog.spacing2, 0);
    EXPECT_EQ(dialog.spacing3, 0);
}

TEST_F(WallDialogs, ImperialCavityWallNeedsRoomForItsLeaves)
{
    TPlanimpcustdlg dialog(&window, 5350);
    Answer("dialog 5350 set 5351 4 set 5352 8 set 5355 4 set 5356 0 set 5358 4 ok");
    Answer("message ok");
    Answer("dialog 5350 set 5358 3 set 5359 1 set 5360 2 ok");
    ASSERT_EQ(dialog.Execute(), IDOK);
    EXPECT_EQ(Transcript().size(), 1u);
    EXPECT_EQ(Cfg("CUSTIMP.CFG"), "4 192 96 84");
    EXPECT_EQ(dialog.spacing3, 12);
}

TEST_F(WallDialogs, SideOfTheOtherLines)
{
    const std::pair<int, int> cases[] = {{4201, 1}, {4202, 3}, {4203, 2}, {4204, 4}};
    for (auto [button, side] : cases) {
        TExtsidedlg dialog(&window, 4200);
        Answer("dialog 4200 check " + std::to_string(button) + " ok");
        ASSERT_EQ(dialog.Execute(), IDOK);
        EXPECT_EQ(dialog.lineSide, side) << button;
    }
    TExtsidedlg untouched(&window, 4200);
    Answer("dialog 4200 ok");
    ASSERT_EQ(untouched.Execute(), IDOK);
    EXPECT_EQ(untouched.lineSide, 1);
    TExtsidedlg cancelled(&window, 4200);
    Answer("dialog 4200 check 4204 press 2 ok");
    EXPECT_THROW(cancelled.Execute(), ScriptFailure);  // Cancel closed it before "ok"
}

TEST_F(WallDialogs, FeetDialogPresets)
{
    struct Case {
        int length;
        const char *feet, *inches, *numerator, *denominator;
    };
    const Case cases[] = {
        {0, "0", "0", "0", "0"},
        {-5, "0", "0", "0", "0"},
        {2604, "9", "0", "1", "2"},           // 9 ft 0 1/2 in
        {(10 * 12 + 3) * 24 + 2, "10", "3", "0", "0"},  // a remainder below an eighth
        {(1 * 12 + 11) * 24 + 21, "1", "11", "7", "8"},
    };
    for (const Case& c : cases) {
        TFeetdlg dialog(&window, 9500, c.length);
        Answer("dialog 9500 ok");
        ASSERT_EQ(dialog.Execute(), IDOK) << c.length;
        EXPECT_EQ(dialog.feetText, c.feet) << c.length;
        EXPECT_EQ(dialog.inchText, c.inches) << c.length;
        EXPECT_EQ(dialog.numeratorText, c.numerator) << c.length;
        EXPECT_EQ(dialog.denominatorText, c.denominator) << c.length;
    }
}

TEST_F(WallDialogs, FeetDialogEntry)
{
    TFeetdlg dialog(&window, 9500, 0);
    Answer("dialog 9500 set 9501 10 set 9502 3 set 9503 3 set 9504 16 ok");
    ASSERT_EQ(dialog.Execute(), IDOK);
    EXPECT_EQ(dialog.Length(FractionRule::Proper), 2956);
    EXPECT_EQ(dialog.Length(FractionRule::Any), 2956);

    TFeetdlg sixths(&window, 9500, 0);
    Answer("dialog 9500 set 9501 1 set 9503 2 set 9504 6 ok");
    ASSERT_EQ(sixths.Execute(), IDOK);
    EXPECT_EQ(sixths.Length(FractionRule::Proper), 288);
    EXPECT_EQ(sixths.Length(FractionRule::Any), 296);

    TFeetdlg zeroDenominator(&window, 9500, 0);
    Answer("dialog 9500 set 9503 5 ok");
    ASSERT_EQ(zeroDenominator.Execute(), IDOK);
    EXPECT_EQ(zeroDenominator.Length(FractionRule::Any), 0);
}

TEST_F(WallDialogs, FeetDialogRangesAndHelp)
{
    TFeetdlg dialog(&window, 9500, 0);
    // 12 inches is out of range; the Help press finds it first, then OK once it is corrected.
    Answer("dialog 9500 set 9502 12 press 9 set 9502 11 press 9 set 9501 101 ok");
    Answer("message ok");
    Answer("message ok");
    Answer("dialog 9500 set 9501 100 ok");
    ASSERT_EQ(dialog.Execute(), IDOK);
    EXPECT_EQ(Transcript(), (std::vector<std::string>{"message Arkweld 4.0 | Enter a whole number of inches from 0 to 11",
                                                      "help 250",
                                                      "message Arkweld 4.0 | Enter a whole number of feet from 0 to 100"}));
    EXPECT_EQ(dialog.Length(FractionRule::Any), (100 * 12 + 11) * 24);
}
