// The design-room dialogs: the colour and label style in NEWRM.CFG, the sizes as the opener reads
// them, the maximum-size presets, and the design-room wall size of the current floor.
#include "dialogs/maxroomdlg.h"
#include "dialogs/rmpttndlg.h"
#include "dialogs/troomdlg.h"
#include "model/settingsfile.h"
#include "tests/dialogs/dialogtesthelpers.h"

namespace {

using RoomDialogs = DialogTest;

TEST_F(RoomDialogs, NewDesignRoomStoresColourAndLabelStyle)
{
    TTroomdlg dialog(&window, 22000);
    Answer("dialog 22000 set 22001 hall check 22006 check 22012 ok");
    ASSERT_EQ(dialog.Execute(), IDOK);
    EXPECT_EQ(Cfg("NEWRM.CFG"), "4 3");
    EXPECT_EQ(dialog.roomNameText, "hall");
    // The sizes keep the template's 3000 x 3000.
    EXPECT_EQ(dialog.widthText, "3000");
    EXPECT_EQ(dialog.Width(), 3000);
    EXPECT_EQ(dialog.Length(), 3000);
}

TEST_F(RoomDialogs, EachLabelRadioGivesItsCode)
{
    const std::pair<int, const char*> radios[] = {
        {22008, "1 1"}, {22009, "0 1"}, {22010, "2 1"}, {22011, "3 1"}, {22012, "4 1"}};
    for (const auto& [radio, stored] : radios) {
        TTroomdlg dialog(&window, 22000);
        Answer("dialog 22000 check " + std::to_string(radio) + " set 22002 4500 set 22003 2750 ok");
        ASSERT_EQ(dialog.Execute(), IDOK);
        EXPECT_EQ(Cfg("NEWRM.CFG"), stored) << radio;
        EXPECT_EQ(dialog.Width(), 4500);
        EXPECT_EQ(dialog.Length(), 2750);
    }
}

TEST_F(RoomDialogs, TheLabelStyleIsKeptAndTheColourStartsOnNone)
{
    SetCfg("NEWRM.CFG", "2 4");
    {
        TTroomdlg dialog(&window, 22000);
        Answer("dialog 22000 ok");
        ASSERT_EQ(dialog.Execute(), IDOK);
        EXPECT_EQ(Cfg("NEWRM.CFG"), "2 1");
    }
    // A fixed room's 0 for the colour: the design-room dialog writes a colour of its own.
    SetCfg("NEWRM.CFG", "3 0");
    {
        TTroomimpdlg dialog(&window, 22500);
        Answer("dialog 22500 check 22513 ok");
        ASSERT_EQ(dialog.Execute(), IDOK);
        EXPECT_EQ(Cfg("NEWRM.CFG"), "3 4");
    }
    // A style no radio shows checks none: no sizes.
    SetCfg("NEWRM.CFG", "7 1");
    {
        TTroomdlg dialog(&window, 22000);
        Answer("dialog 22000 ok");
        ASSERT_EQ(dialog.Execute(), IDOK);
        EXPECT_EQ(Cfg("NEWRM.CFG"), "0 1");
    }
}

TEST_F(RoomDialogs, SizesOutOfRangeAreRefusedWithTheRangeAndCancelWritesNothing)
{
    SetCfg("NEWRM.CFG", "1 1");
    TTroomdlg dialog(&window, 22000);
    Answer("dialog 22000 set 22002 99 check 22005 ok");
    Answer("message ok");
    Answer("dialog 22000 set 22002 30002 ok");
    Answer("message ok");
    Answer("dialog 22000 cancel");
    EXPECT_EQ(dialog.Execute(), IDCANCEL);
    EXPECT_EQ(Transcript(),
              (std::vector<std::string>{"message Arkweld 4.0 | Enter a whole number of millimetres from 100 to 30001",
                                        "message Arkweld 4.0 | Enter a whole number of millimetres from 100 to 30001"}));
    EXPECT_EQ(Cfg("NEWRM.CFG"), "1 1");
    EXPECT_EQ(dialog.roomNameText, "");
}

TEST_F(RoomDialogs, TheNameTakesLettersDigitsCommasAndBlanksUpTo16)
{
    TTroomdlg dialog(&window, 22000);
    Answer("dialog 22000 set 22001 \"Bed-1, (main)!\" ok");
    ASSERT_EQ(dialog.Execute(), IDOK);
    EXPECT_EQ(dialog.roomNameText, "Bed1, main");

    TTroomdlg longer(&window, 22000);
    Answer("dialog 22000 set 22001 abcdefghijklmnopqrstu ok");
    ASSERT_EQ(longer.Execute(), IDOK);
    EXPECT_EQ(longer.roomNameText, "abcdefghijklmnop");
}

TEST_F(RoomDialogs, ImperialSizesAreFeetInchesAndAProperFraction)
{
    struct Case {
        const char* answer;
        std::int32_t width;
    };
    const Case cases[] = {
        {"set 22502 12 set 22503 6 set 22504 1 set 22505 2", 3612},
        {"set 22502 12 set 22503 6 set 22504 1 set 22505 8", 3603},
        {"set 22502 12 set 22503 6 set 22504 1 set 22505 3", 3600},  // thirds are not counted
        {"set 22502 1 set 22503 0", 288},
        {"", 2880},  // the template's 10 feet
    };
    for (const Case& c : cases) {
        TTroomimpdlg dialog(&window, 22500);
        Answer(std::string("dialog 22500 ") + c.answer + " ok");
        ASSERT_EQ(dialog.Execute(), IDOK);
        EXPECT_EQ(dialog.Width(), c.width) << c.answer;
        EXPECT_EQ(dialog.Length(), 2880);
        EXPECT_EQ(dialog.roomNameText, "room");
    }
    TTroomimpdlg refused(&window, 22500);
    Answer("dialog 22500 set 22506 35 ok");
    Answer("message ok");
    Answer("dialog 22500 cancel");
    EXPECT_EQ(refused.Execute(), IDCANCEL);
    EXPECT_EQ(Transcript().back(), "message Arkweld 4.0 | Enter a whole number of feet from 1 to 34");
}

TEST_F(RoomDialogs, MaximumSizeDialogsShowTheFreeSize)
{
    TMaxroomdlg metric(&window, 23000, 4560, 3210);
    Answer("dialog 23000 check 23007 check 23011 ok");
    ASSERT_EQ(metric.Execute(), IDOK);
    EXPECT_EQ(metric.Width(), 4560);
    EXPECT_EQ(metric.Length(), 3210);
    EXPECT_EQ(metric.roomNameText, "room ");
    EXPECT_EQ(Cfg("NEWRM.CFG"), "3 4");

    TMaxroomimpdlg imperial(&window, 23500, 3612, 3601);
    Answer("dialog 23500 ok");
    ASSERT_EQ(imperial.Execute(), IDOK);
    EXPECT_EQ(imperial.widthTexts, (std::array<std::string, 4>{"12", "6", "1", "2"}));
    // Below an eighth the fraction edits keep their 0.
    EXPECT_EQ(imperial.lengthTexts, (std::array<std::string, 4>{"12", "6", "0", "0"}));
    EXPECT_EQ(imperial.Width(), 3612);
    EXPECT_EQ(imperial.Length(), 3601);  // left as shown: the size measured

    // Up to 100 feet here.
    TMaxroomimpdlg wide(&window, 23500, 28800, 2880);
    Answer("dialog 23500 ok");
    ASSERT_EQ(wide.Execute(), IDOK);
    EXPECT_EQ(wide.Width(), 28800);
}

TEST_F(RoomDialogs, MetricWallSizeReplacesTheCurrentFloorsOnly)
{
    SetCfg("RMPTNM.CFG", "100 110 120");
    TRmpttndlg dialog(&window, 21000);
    Answer("dialog 21000 set 21001 150 ok");
    ASSERT_EQ(dialog.Execute(), IDOK);
    EXPECT_EQ(Cfg("RMPTNM.CFG"), "150 110 120");

    State().currentFloor = SECOND_FLOOR;
    TRmpttndlg second(&window, 21000);
    Answer("dialog 21000 press 9 ok");
    ASSERT_EQ(second.Execute(), IDOK);
    EXPECT_EQ(second.thicknessText, "120");
    EXPECT_EQ(Cfg("RMPTNM.CFG"), "150 110 120");
    EXPECT_EQ(window.runner.HelpRequests(), std::vector<int>{260});

    TRmpttndlg refused(&window, 21000);
    Answer("dialog 21000 set 21001 24 ok");
    Answer("message ok");
    Answer("dialog 21000 cancel");
    EXPECT_EQ(refused.Execute(), IDCANCEL);
    EXPECT_EQ(Transcript().back(), "message Arkweld 4.0 | Enter a whole number of millimetres from 25 to 900");
}

TEST_F(RoomDialogs, ImperialWallSizeShowsInchesAndEighths)
{
    SetCfg("RMPTNI.CFG", "108 96 120");
    State().currentFloor = FIRST_FLOOR;
    TRmpttnimpdlg dialog(&window, 21500);
    Answer("dialog 21500 set 21501 5 set 21502 1 set 21503 4 ok");
    ASSERT_EQ(dialog.Execute(), IDOK);
    EXPECT_EQ(Cfg("RMPTNI.CFG"), "108 126 120");

    State().currentFloor = GROUND_FLOOR;
    TRmpttnimpdlg shown(&window, 21500);
    Answer("dialog 21500 ok");
    ASSERT_EQ(shown.Execute(), IDOK);
    EXPECT_EQ(shown.inchText, "4");
    EXPECT_EQ(shown.numeratorText, "1");
    EXPECT_EQ(shown.denominatorText, "2");
    EXPECT_EQ(Cfg("RMPTNI.CFG"), "108 126 120");
}

TEST_F(RoomDialogs, WallSizeOnAFloorWithoutOneWritesNothing)
{
    SetCfg("RMPTNM.CFG", "100 110 120");
    State().currentFloor = FOURTH_LEVEL;
    TRmpttndlg dialog(&window, 21000);
    Answer("dialog 21000 set 21001 200 ok");
    ASSERT_EQ(dialog.Execute(), IDOK);
    EXPECT_EQ(Cfg("RMPTNM.CFG"), "100 110 120");
}

TEST_F(RoomDialogs, AFailedWriteIsReported)
{
    TTroomdlg dialog(&window, 22000);
    FailNextWrites(1);
    Answer("dialog 22000 check 22006 ok");
    Answer("message ok");
    EXPECT_EQ(dialog.Execute(), IDOK);
    FailNextWrites(0);
    ASSERT_EQ(Transcript().size(), 1u);
    EXPECT_NE(Transcript()[0].find("NEWRM.CFG"), std::string::npos);
}

}  // namespace
