// The new-fixed-room dialogs: the found size and the wall thickness they offer, the label style
// kept in NEWRM.CFG with colour 0, the thickness kept for all internal walls, the imperial
// lengths, and the entries they refuse.
#include "dialogs/roomdlg.h"
#include "tests/dialogs/dialogtesthelpers.h"

namespace {

using FixedRoomDialogs = DialogTest;

TEST_F(FixedRoomDialogs, MetricOffersTheFoundSizeAndKeepsTheChoices)
{
    SetCfg("ROOM.CFG", "4000 3000");
    SetCfg("PTNM.CFG", "90");
    SetCfg("NEWRM.CFG", "3 2");
    TRoomdlg dialog(&window, 8000);
    Answer("dialog 8000 set 8001 kitchen press 9 ok");
    ASSERT_EQ(dialog.Execute(), IDOK);
    EXPECT_EQ(dialog.roomNameText, "kitchen");
    EXPECT_EQ(dialog.Width(), 4000);
    EXPECT_EQ(dialog.Length(), 3000);
    EXPECT_EQ(dialog.thicknessText, "90");
    EXPECT_EQ(dialog.sizeDisplay, 3);  // as NEWRM.CFG held it
    EXPECT_EQ(Cfg("NEWRM.CFG"), "3 0");
    EXPECT_EQ(Cfg("PTNM.CFG"), "90");
    EXPECT_EQ(window.runner.HelpRequests(), std::vector<int>{270});
}

TEST_F(FixedRoomDialogs, MetricEntriesAndEachLabelStyle)
{
    const std::pair<int, int> radios[] = {{8005, 1}, {8006, 0}, {8007, 2}, {8008, 3}, {8009, 4}};
    for (const auto& [radio, code] : radios) {
        TRoomdlg dialog(&window, 8000);
        Answer("dialog 8000 set 8002 3600 set 8003 2450 set 8004 75 check " + std::to_string(radio) + " ok");
        ASSERT_EQ(dialog.Execute(), IDOK);
        EXPECT_EQ(dialog.sizeDisplay, code) << radio;
        EXPECT_EQ(dialog.Width(), 3600);
        EXPECT_EQ(dialog.Length(), 2450);
        EXPECT_EQ(Cfg("NEWRM.CFG"), std::to_string(code) + " 0");
        EXPECT_EQ(Cfg("PTNM.CFG"), "75");
    }
    EXPECT_EQ(Cfg("PTNI.CFG"), "108");  // the other unit's file is left alone
}

TEST_F(FixedRoomDialogs, AStyleOutsideTheCodesChecksNoneAndGivesNoSizes)
{
    SetCfg("NEWRM.CFG", "9 1");
    TRoomdlg dialog(&window, 8000);
    Answer("dialog 8000 ok");
    ASSERT_EQ(dialog.Execute(), IDOK);
    EXPECT_EQ(dialog.sizeDisplay, 0);
    EXPECT_EQ(Cfg("NEWRM.CFG"), "0 0");
}

TEST_F(FixedRoomDialogs, MetricRangesAreRefusedWithTheirMessageAndNothingIsWritten)
{
    SetCfg("NEWRM.CFG", "1 1");
    SetCfg("PTNM.CFG", "110");
    TRoomdlg dialog(&window, 8000);
    Answer("dialog 8000 set 8002 399 ok");
    Answer("message ok");
    Answer("dialog 8000 set 8002 4000 set 8004 1002 ok");
    Answer("message ok");
    Answer("dialog 8000 cancel");
    EXPECT_EQ(dialog.Execute(), IDCANCEL);
    EXPECT_EQ(Transcript(),
              (std::vector<std::string>{"message Arkweld 4.0 | Enter a whole number of millimetres from 400 to 30001",
                                        "message Arkweld 4.0 | Enter a whole number of millimetres from 10 to 1001"}));
    EXPECT_EQ(Cfg("NEWRM.CFG"), "1 1");
    EXPECT_EQ(Cfg("PTNM.CFG"), "110");
}

TEST_F(FixedRoomDialogs, TheNameTakesLettersDigitsCommasAndBlanksOnly)
{
    TRoomdlg dialog(&window, 8000);
    Answer("dialog 8000 set 8001 \"bed-2, (east)\" ok");
    ASSERT_EQ(dialog.Execute(), IDOK);
    EXPECT_EQ(dialog.roomNameText, "bed2, east");
}

TEST_F(FixedRoomDialogs, ImperialShowsFeetInchesAndEighths)
{
    SetCfg("ROOM.CFG", "3612 3001");
    SetCfg("PTNI.CFG", "108");
    TRoomimpdlg dialog(&window, 8500);
    Answer("dialog 8500 ok");
    ASSERT_EQ(dialog.Execute(), IDOK);
    EXPECT_EQ(dialog.widthTexts, (std::array<std::string, 4>{"12", "6", "1", "2"}));
    // A twenty-fourth is less than an eighth: no fraction is shown.
    EXPECT_EQ(dialog.lengthTexts, (std::array<std::string, 4>{"10", "5", "0", "0"}));
    EXPECT_EQ(dialog.thicknessTexts, (std::array<std::string, 3>{"4", "1", "2"}));
    EXPECT_EQ(dialog.Width(), 3612);
    EXPECT_EQ(dialog.Length(), 3001);  // left as shown: the size found
    EXPECT_EQ(Cfg("PTNI.CFG"), "108");
}

TEST_F(FixedRoomDialogs, ImperialEntries)
{
    struct Case {
        const char* numerator;
        const char* denominator;
        int width;
    };
    // 10' 0'' and a fraction: proper fractions of halves, quarters and eighths count.
    const Case cases[] = {{"1", "2", 2892}, {"3", "4", 2898}, {"7", "8", 2901}, {"1", "3", 2880},
                          {"2", "2", 2880}, {"0", "8", 2880}, {"1", "0", 2880}};
    for (const Case& c : cases) {
        TRoomimpdlg dialog(&window, 8500);
        Answer(std::string("dialog 8500 set 8502 10 set 8503 0 set 8504 ") + c.numerator + " set 8505 " +
               c.denominator + " set 8506 61 set 8507 11 set 8510 4 set 8511 1 set 8512 2 check 8517 ok");
        ASSERT_EQ(dialog.Execute(), IDOK);
        EXPECT_EQ(dialog.Width(), c.width) << c.numerator << "/" << c.denominator;
        EXPECT_EQ(dialog.Length(), (61 * 12 + 11) * 24);
        EXPECT_EQ(dialog.sizeDisplay, 4);
        EXPECT_EQ(Cfg("NEWRM.CFG"), "4 0");
        EXPECT_EQ(Cfg("PTNI.CFG"), "108");  // 4 1/2 inches
    }
}

TEST_F(FixedRoomDialogs, ImperialRangesAreRefused)
{
    TRoomimpdlg dialog(&window, 8500);
    Answer("dialog 8500 set 8502 62 ok");
    Answer("message ok");
    Answer("dialog 8500 set 8502 20 set 8507 12 ok");
    Answer("message ok");
    Answer("dialog 8500 set 8507 0 set 8510 0 ok");
    Answer("message ok");
    Answer("dialog 8500 cancel");
    EXPECT_EQ(dialog.Execute(), IDCANCEL);
    EXPECT_EQ(Transcript(), (std::vector<std::string>{"message Arkweld 4.0 | Enter a whole number of feet from 1 to 61",
                                                      "message Arkweld 4.0 | Enter a whole number of inches from 0 to 11",
                                                      "message Arkweld 4.0 | Enter a whole number of inches from 1 to 50"}));
}

}  // namespace
