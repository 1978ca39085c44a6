// The print dialog (copies and scale per floor, line thickness, wall style, the display mode it
// sets, the refusal of a floor to print without a scale) and the printer-calibration twins.
#include "dialogs/akwprntdlg.h"
#include "dialogs/prntcalmdlg.h"
#include "platform/checkbox.h"
#include "platform/edit.h"
#include "tests/dialogs/dialogtesthelpers.h"

namespace {

std::string Text(const TDialog& dialog, int id)
{
    return static_cast<TEdit*>(dialog.FindControl(id))->GetText();
}

bool Checked(const TDialog& dialog, int id)
{
    return static_cast<TCheckBox*>(dialog.FindControl(id))->IsChecked();
}

}  // namespace

using PrintDialogs = DialogTest;

TEST_F(PrintDialogs, AnUntouchedMetricDialogPrintsNothingAtMediumWeight)
{
    State().unitSystem = 1;
    State().displayMode = 0;
    TAkwprntdlg dialog(&window, 19500);
    Answer("dialog 19500 ok");
    ASSERT_EQ(dialog.Execute(), IDOK);
    for (int id : {19504, 19505, 19506})
        EXPECT_EQ(Text(dialog, id), "100");
    for (int id : {19501, 19502, 19503})
        EXPECT_EQ(Text(dialog, id), "0");
    EXPECT_EQ(dialog.lineWeight, 2);
    EXPECT_EQ(dialog.showScale, 1);
    EXPECT_EQ(State().displayMode, 0);
    EXPECT_TRUE(dialog.PrintList().empty());
}

TEST_F(PrintDialogs, TheDisplayModePresetsTheBoxesAndOkSetsItAgain)
{
    State().unitSystem = 0;
    State().displayMode = 21;
    TAkwprntdlg solid(&window, 19500);
    Answer("dialog 19500 ok");
    ASSERT_EQ(solid.Execute(), IDOK);
    EXPECT_TRUE(Checked(solid, 19509));
    EXPECT_TRUE(Checked(solid, 19517));
    EXPECT_EQ(Text(solid, 19505), "96");  // a quarter inch to the foot
    EXPECT_EQ(State().displayMode, 21);

    State().displayMode = 10;
    TAkwprntdlg normal(&window, 19500);
    Answer("dialog 19500 check 19510 check 19515 check 19514 ok");
    ASSERT_EQ(normal.Execute(), IDOK);
    EXPECT_FALSE(Checked(normal, 19509));
    EXPECT_EQ(State().displayMode, 0);
    EXPECT_EQ(normal.showScale, 0);
    EXPECT_EQ(normal.lineWeight, 3);

    State().displayMode = 3;
    TAkwprntdlg hatched(&window, 19500);
    Answer("dialog 19500 check 19516 uncheck 19509 check 19512 ok");
    ASSERT_EQ(hatched.Execute(), IDOK);
    EXPECT_EQ(State().displayMode, 10);
    EXPECT_EQ(hatched.lineWeight, 1);
}

TEST_F(PrintDialogs, EachFloorWithCopiesIsPrintedAtItsScale)
{
    State().unitSystem = 1;
    TAkwprntdlg dialog(&window, 19500);
    Answer("dialog 19500 set 19501 2 set 19504 50 set 19503 1 set 19505 abc ok");
    ASSERT_EQ(dialog.Execute(), IDOK);
    // The first floor has no copies: its scale (typed as nothing) does not matter.
    EXPECT_EQ(dialog.copiesText[0], "2");
    EXPECT_EQ(dialog.scaleText[1], "abc");
    EXPECT_EQ(dialog.PrintList(), (std::vector<TPrintFloor>{{2, 50, 50}, {1, 100, 52}}));
}

TEST_F(PrintDialogs, AFloorToPrintNeedsAScaleAndCopiesAWholeNumber)
{
    State().unitSystem = 1;
    State().displayMode = 20;
    TAkwprntdlg dialog(&window, 19500);
    Answer("dialog 19500 set 19502 3 set 19505 0 ok");
    Answer("message ok");
    Answer("dialog 19500 set 19505 \"\" ok");
    Answer("message ok");
    Answer("dialog 19500 set 19502 \"\" ok");
    Answer("message ok");
    Answer("dialog 19500 check 19515 cancel");
    EXPECT_EQ(dialog.Execute(), IDCANCEL);
    EXPECT_EQ(Transcript(), (std::vector<std::string>{
                                "message Arkweld 4.0 | Scale of the first floor: Enter a whole number from 1 to 9999 "
                                "(100 prints at 1:100)",
                                "message Arkweld 4.0 | Scale of the first floor: Enter a whole number from 1 to 9999 "
                                "(100 prints at 1:100)",
                                "message Arkweld 4.0 | Enter a whole number of copies from 0 to 9999",
                            }));
    EXPECT_EQ(dialog.FocusId(), 19502);
    // Nothing was taken: the display mode is as it was.
    EXPECT_EQ(State().displayMode, 20);
}

TEST_F(PrintDialogs, TheCorrectionIsExactlyOneWhenTheMeasuredLengthIsTheTestLength)
{
    EXPECT_EQ(CalibrationOf(15000, CALIBRATION_LENGTH_METRIC).scaleCorrection, 1.0);
    EXPECT_EQ(CalibrationOf(14976, CALIBRATION_LENGTH_IMPERIAL).scaleCorrection, 1.0);
    // Printed 1% short: printed 1% longer from now on.
    EXPECT_DOUBLE_EQ(CalibrationOf(14850, 15000).scaleCorrection, 1.01);
    EXPECT_DOUBLE_EQ(CalibrationOf(15300, 15000).scaleCorrection, 0.98);
    EXPECT_EQ(CalibrationOf(14850, 15000).measuredLength, 14850);
}

TEST_F(PrintDialogs, TheMetricCalibrationShowsTheStoredLengthAndTakesOnlyItsRange)
{
    SetCfg("PRNTCALM.CFG", "14900 1.006667");
    TPrntcalmdlg dialog(&window, 3200);
    Answer("dialog 3200 set 3201 13999 ok");
    Answer("message ok");
    Answer("dialog 3200 set 3201 14850 ok");
    ASSERT_EQ(dialog.Execute(), IDOK);
    EXPECT_EQ(Text(dialog, 3201), "14850");
    EXPECT_EQ(dialog.MeasuredLength(), 14850);
    EXPECT_EQ(Transcript(),
              std::vector<std::string>{"message Arkweld 4.0 | Enter a whole number of millimetres from 14000 to 16000"});
    // The dialog stores nothing itself.
    EXPECT_EQ(Cfg("PRNTCALM.CFG"), "14900 1.006667");

    TPrntcalmdlg shown(&window, 3200);
    Answer("dialog 3200 cancel");
    EXPECT_EQ(shown.Execute(), IDCANCEL);
    EXPECT_EQ(Text(shown, 3201), "14900");
}

TEST_F(PrintDialogs, TheImperialCalibrationShowsFeetAndInches)
{
    SetCfg("PRNTCALI.CFG", "14976 1.000000");
    TPrntcalidlg exact(&window, 3300);
    Answer("dialog 3300 ok");
    ASSERT_EQ(exact.Execute(), IDOK);
    EXPECT_EQ(Text(exact, 3302), "52");
    EXPECT_EQ(Text(exact, 3301), "0");
    EXPECT_EQ(exact.MeasuredLength(), 14976);

    SetCfg("PRNTCALI.CFG", "15000 0.998400");
    TPrntcalidlg inch(&window, 3300);
    Answer("dialog 3300 set 3302 61 ok");
    Answer("message ok");
    Answer("dialog 3300 set 3302 51 set 3301 6 ok");
    ASSERT_EQ(inch.Execute(), IDOK);
    EXPECT_EQ(Transcript(), std::vector<std::string>{"message Arkweld 4.0 | Enter a whole number of feet from 40 to 60"});
    EXPECT_EQ(inch.MeasuredLength(), (51 * 12 + 6) * 24);

    TPrntcalidlg shown(&window, 3300);
    Answer("dialog 3300 cancel");
    shown.Execute();
    EXPECT_EQ(Text(shown, 3302), "52");
    EXPECT_EQ(Text(shown, 3301), "1");
}
