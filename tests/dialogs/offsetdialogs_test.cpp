// The dimension settings dialogs: offsets, text orientation and text sizes in CFG/MOFFSET.CFG and
// CFG/IOFFSET.CFG.
#include "dialogs/offsetdlg.h"
#include "model/settingsfile.h"
#include "tests/dialogs/dialogtesthelpers.h"

using OffsetDialogs = DialogTest;

TEST_F(OffsetDialogs, MetricChoicesAreWrittenInFileOrder)
{
    SetCfg("MOFFSET.CFG", "500 500 1000 0 9 10 9");
    TOffsetdlg dialog(&window, 5500);
    Answer("dialog 5500 set 5501 600 set 5502 600 set 5503 1200 check 5505 check 5507 check 5508 check 5511 ok");
    ASSERT_EQ(dialog.Execute(), IDOK);
    // Room dimensions 9 and room names 10: the file keeps dimension, room size, room name order.
    EXPECT_EQ(Cfg("MOFFSET.CFG"), "600 600 1200 2700 10 9 10");
    EXPECT_EQ(dialog.textOrientation, 2700);
    EXPECT_EQ(dialog.dimensionTextSize, 10);
    EXPECT_EQ(dialog.roomDimensionTextSize, 9);
    EXPECT_EQ(dialog.roomNameTextSize, 10);
    EXPECT_EQ(dialog.overallText, "1200");
}

TEST_F(OffsetDialogs, ImperialInchesAreStoredInTwentyFourths)
{
    SetCfg("IOFFSET.CFG", "240 240 480 2700 10 10 10");
    TOffsetimpdlg dialog(&window, 5600);
    Answer("dialog 5600 set 5609 24 set 5610 24 set 5611 48 check 5601 check 5603 check 5605 check 5607 ok");
    ASSERT_EQ(dialog.Execute(), IDOK);
    EXPECT_EQ(Cfg("IOFFSET.CFG"), "576 576 1152 0 9 9 9");
}

TEST_F(OffsetDialogs, ImperialShowsWholeInches)
{
    // 12 1/2 inches shows as 12 and is stored back as 12 inches.
    SetCfg("IOFFSET.CFG", "300 576 1152 0 9 9 9");
    TOffsetimpdlg dialog(&window, 5600);
    Answer("dialog 5600 ok");
    ASSERT_EQ(dialog.Execute(), IDOK);
    EXPECT_EQ(dialog.internalText, "12");
    EXPECT_EQ(dialog.externalText, "24");
    EXPECT_EQ(dialog.overallText, "48");
    EXPECT_EQ(Cfg("IOFFSET.CFG"), "288 576 1152 0 9 9 9");
}

TEST_F(OffsetDialogs, StoredChoicesSelectTheirButtons)
{
    SetCfg("MOFFSET.CFG", "600 700 1300 900 10 9 10");
    TOffsetdlg dialog(&window, 5500);
    Answer("dialog 5500 ok");
    ASSERT_EQ(dialog.Execute(), IDOK);
    EXPECT_EQ(dialog.internalText, "600");
    EXPECT_EQ(dialog.externalText, "700");
    EXPECT_TRUE(dialog.parallelButton->IsChecked());
    EXPECT_FALSE(dialog.horizontalButton->IsChecked());
    EXPECT_TRUE(dialog.dimensionText10Button->IsChecked());
    EXPECT_TRUE(dialog.roomDimension9Button->IsChecked());
    EXPECT_TRUE(dialog.roomName10Button->IsChecked());
    // An orientation of 900 selects the parallel button and is written back as 2700.
    EXPECT_EQ(Cfg("MOFFSET.CFG"), "600 700 1300 2700 10 9 10");
}

TEST_F(OffsetDialogs, ValuesNoButtonShowsAreKeptUnlessChosen)
{
    SetCfg("MOFFSET.CFG", "600 600 1200 -5 12 8 11");
    TOffsetdlg untouched(&window, 5500);
    Answer("dialog 5500 ok");
    ASSERT_EQ(untouched.Execute(), IDOK);
    EXPECT_FALSE(untouched.horizontalButton->IsChecked());
    EXPECT_FALSE(untouched.parallelButton->IsChecked());
    EXPECT_FALSE(untouched.dimensionText9Button->IsChecked());
    EXPECT_FALSE(untouched.dimensionText10Button->IsChecked());
    EXPECT_EQ(Cfg("MOFFSET.CFG"), "600 600 1200 -5 12 8 11");

    TOffsetdlg chosen(&window, 5500);
    Answer("dialog 5500 check 5504 check 5509 ok");
    ASSERT_EQ(chosen.Execute(), IDOK);
    EXPECT_EQ(Cfg("MOFFSET.CFG"), "600 600 1200 0 12 10 11");
}

TEST_F(OffsetDialogs, OutOfRangeOffsetIsRefusedAndNothingIsWritten)
{
    SetCfg("MOFFSET.CFG", "600 600 1200 0 9 9 9");
    TOffsetdlg dialog(&window, 5500);
    // The overall offset may go to 5000, the wall offsets to 3000.
    Answer("dialog 5500 set 5503 5000 set 5502 3001 ok");
    Answer("message ok");
    Answer("dialog 5500 cancel");
    EXPECT_EQ(dialog.Execute(), IDCANCEL);
    EXPECT_EQ(Transcript(),
              std::vector<std::string>{"message Arkweld 4.0 | Enter a whole number of millimetres from 100 to 3000"});
    EXPECT_EQ(Cfg("MOFFSET.CFG"), "600 600 1200 0 9 9 9");

    TOffsetimpdlg imperial(&window, 5600);
    Answer("dialog 5600 set 5611 241 ok");
    Answer("message ok");
    Answer("dialog 5600 set 5611 240 ok");
    ASSERT_EQ(imperial.Execute(), IDOK);
    EXPECT_EQ(Transcript().back(), "message Arkweld 4.0 | Enter a whole number of inches from 6 to 240");
    EXPECT_EQ(Cfg("IOFFSET.CFG"), "576 576 5760 0 9 9 9");
}

TEST_F(OffsetDialogs, CancelWritesNothing)
{
    SetCfg("MOFFSET.CFG", "600 600 1200 0 9 9 9");
    TOffsetdlg dialog(&window, 5500);
    Answer("dialog 5500 set 5501 900 check 5505 cancel");
    EXPECT_EQ(dialog.Execute(), IDCANCEL);
    EXPECT_EQ(Cfg("MOFFSET.CFG"), "600 600 1200 0 9 9 9");
}

TEST_F(OffsetDialogs, EachTwinKeepsItsOwnFile)
{
    // The metric dialog edits the metric file whatever drawing is open.
    State().unitSystem = 0;
    SetCfg("IOFFSET.CFG", "576 576 1152 0 9 9 9");
    TOffsetdlg dialog(&window, 5500);
    Answer("dialog 5500 set 5501 700 ok");
    ASSERT_EQ(dialog.Execute(), IDOK);
    EXPECT_EQ(Cfg("MOFFSET.CFG").substr(0, 4), "700 ");
    EXPECT_EQ(Cfg("IOFFSET.CFG"), "576 576 1152 0 9 9 9");
}

TEST_F(OffsetDialogs, MissingFileShowsTheShippedDefaults)
{
    RemoveCfg("MOFFSET.CFG");
    TOffsetdlg dialog(&window, 5500);
    Answer("dialog 5500 press 9 ok");
    ASSERT_EQ(dialog.Execute(), IDOK);
    EXPECT_EQ(Cfg("MOFFSET.CFG"), *ShippedDefault("MOFFSET.CFG"));
    EXPECT_EQ(window.runner.HelpRequests(), std::vector<int>{310});
}

TEST_F(OffsetDialogs, AFileThatCannotBeWrittenIsReported)
{
    RemoveCfg("IOFFSET.CFG");
    std::filesystem::create_directory(dir.path() / "CFG" / "IOFFSET.CFG");
    TOffsetimpdlg dialog(&window, 5600);
    Answer("dialog 5600 set 5609 24 set 5610 24 set 5611 48 ok");
    Answer("message ok");
    EXPECT_EQ(dialog.Execute(), IDOK);
    EXPECT_EQ(Transcript(),
              std::vector<std::string>{"message Arkweld 4.0 | The settings file CFG/IOFFSET.CFG could not be written: Is a directory"});
}
