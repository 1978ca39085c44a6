// The new-drawing and measuring-units dialogs and CFG/METRIC.CFG.
#include "dialogs/measdlg.h"
#include "dialogs/newdlg.h"
#include "tests/dialogs/dialogtesthelpers.h"

using UnitDialogs = DialogTest;

TEST_F(UnitDialogs, NewDrawingPresetFollowsTheFile)
{
    for (auto [stored, metric] : {std::pair{"1", true}, {"0", false}, {"2", false}}) {
        SetCfg("METRIC.CFG", stored);
        TNewdlg dialog(&window, 2024);
        Answer("dialog 2024 ok");
        ASSERT_EQ(dialog.Execute(), IDOK);
        EXPECT_EQ(State().unitSystem, metric ? 1 : 0) << stored;
        EXPECT_EQ(Cfg("METRIC.CFG"), metric ? "1" : "0");
        EXPECT_EQ(dialog.clientName, "client");
    }
}

TEST_F(UnitDialogs, NewDrawingTakesNameAndUnits)
{
    SetCfg("METRIC.CFG", "0");
    TNewdlg dialog(&window, 2024);
    Answer("dialog 2024 set 2027 \"Smith, J.\" check 2026 ok");
    ASSERT_EQ(dialog.Execute(), IDOK);
    EXPECT_EQ(dialog.clientName, "Smith, J");
    EXPECT_EQ(State().unitSystem, 1);
    EXPECT_EQ(Cfg("METRIC.CFG"), "1");  // no line end
}

TEST_F(UnitDialogs, EmptyNameStillSetsTheUnits)
{
    SetCfg("METRIC.CFG", "1");
    TNewdlg dialog(&window, 2024);
    Answer("dialog 2024 set 2027 \"\" check 2025 ok");
    ASSERT_EQ(dialog.Execute(), IDOK);
    EXPECT_EQ(dialog.clientName, "");
    EXPECT_EQ(State().unitSystem, 0);
    EXPECT_EQ(Cfg("METRIC.CFG"), "0");
}

TEST_F(UnitDialogs, NameTakesTwentyFourCharacters)
{
    TNewdlg dialog(&window, 2024);
    Answer("dialog 2024 set 2027 abcdefghijklmnopqrstuvwxYZ ok");
    ASSERT_EQ(dialog.Execute(), IDOK);
    EXPECT_EQ(dialog.clientName, "abcdefghijklmnopqrstuvwx");
}

TEST_F(UnitDialogs, CancelChangesNothing)
{
    SetCfg("METRIC.CFG", "1");
    State().unitSystem = 1;
    TNewdlg dialog(&window, 2024);
    Answer("dialog 2024 check 2025 cancel");
    EXPECT_EQ(dialog.Execute(), IDCANCEL);
    EXPECT_EQ(State().unitSystem, 1);
    EXPECT_EQ(Cfg("METRIC.CFG"), "1");
    EXPECT_EQ(dialog.clientName, "");
}

// A bad name can only arrive by a programmatic set; the OK is then refused with a message and
// nothing is stored until it is corrected.
class PresetNewdlg : public TNewdlg {
public:
    using TNewdlg::TNewdlg;
    void SetupWindow() override
    {
        TNewdlg::SetupWindow();
        static_cast<TEdit*>(FindControl(2027))->SetText("my.house");
    }
};

TEST_F(UnitDialogs, RefusedNameWritesNothing)
{
    SetCfg("METRIC.CFG", "1");
    State().unitSystem = 1;
    PresetNewdlg dialog(&window, 2024);
    Answer("dialog 2024 check 2025 ok");
    Answer("message ok");
    Answer("dialog 2024 cancel");
    EXPECT_EQ(dialog.Execute(), IDCANCEL);
    EXPECT_EQ(Transcript(), std::vector<std::string>{"message Arkweld 4.0 | Use letters, digits, comma and blank only"});
    EXPECT_EQ(State().unitSystem, 1);
    EXPECT_EQ(Cfg("METRIC.CFG"), "1");
}

TEST_F(UnitDialogs, MissingFilePresetsTheShippedDefault)
{
    RemoveCfg("METRIC.CFG");
    TMeasdlg dialog(&window, 5450);
    Answer("dialog 5450 ok");
    ASSERT_EQ(dialog.Execute(), IDOK);
    EXPECT_EQ(State().unitSystem, 1);
    EXPECT_EQ(Cfg("METRIC.CFG"), "1");
}

TEST_F(UnitDialogs, MeasuringUnitsSetsTheUnits)
{
    SetCfg("METRIC.CFG", "0");
    State().unitSystem = 0;
    TMeasdlg dialog(&window, 5450);
    Answer("dialog 5450 check 5451 ok");
    ASSERT_EQ(dialog.Execute(), IDOK);
    EXPECT_EQ(State().unitSystem, 1);
    EXPECT_EQ(Cfg("METRIC.CFG"), "1");

    TMeasdlg again(&window, 5450);
    Answer("dialog 5450 ok");
    ASSERT_EQ(again.Execute(), IDOK);
    EXPECT_EQ(State().unitSystem, 1);
}

TEST_F(UnitDialogs, MeasuringUnitsEscapeKeepsEverything)
{
    SetCfg("METRIC.CFG", "0");
    State().unitSystem = 0;
    TMeasdlg dialog(&window, 5450);
    Answer("dialog 5450 check 5451 cancel");
    EXPECT_EQ(dialog.Execute(), IDCANCEL);
    EXPECT_EQ(State().unitSystem, 0);
    EXPECT_EQ(Cfg("METRIC.CFG"), "0");
    // It has no Help.
    TMeasdlg noHelp(&window, 5450);
    Answer("dialog 5450 press 9 ok");
    EXPECT_THROW(noHelp.Execute(), ScriptFailure);
}

TEST_F(UnitDialogs, AFileThatCannotBeWrittenIsReported)
{
    RemoveCfg("METRIC.CFG");
    std::filesystem::create_directory(dir.path() / "CFG" / "METRIC.CFG");
    TMeasdlg dialog(&window, 5450);
    Answer("dialog 5450 check 5452 ok");
    Answer("message ok");
    EXPECT_EQ(dialog.Execute(), IDOK);
    EXPECT_EQ(State().unitSystem, 0);
    EXPECT_EQ(Transcript(), std::vector<std::string>{"message Arkweld 4.0 | The settings file CFG/METRIC.CFG could not be written: Is a directory"});
}
