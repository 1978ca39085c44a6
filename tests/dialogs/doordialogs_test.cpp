// The default doors, window and external door, main entry and hinged door dialogs: what they show,
// what OK stores and hands back, and what they refuse.
#include "dialogs/configdlg.h"
#include "dialogs/doordlg.h"
#include "dialogs/entrydlg.h"
#include "dialogs/windlg.h"
#include "model/settingsfile.h"
#include "platform/edit.h"
#include "resources/dialogpictures.h"
#include "resources/dialogtemplates.h"
#include "tests/dialogs/dialogtesthelpers.h"

using DoorDialogs = DialogTest;

namespace {

std::string TextOf(const TDialog& dialog, int id)
{
    return static_cast<TEdit*>(dialog.FindControl(id))->GetText();
}

}  // namespace

// ---------------------------------------------------------------------------------------------
// Default doors.

TEST_F(DoorDialogs, DefaultDoorWidthsInBothUnitsRoundTrip)
{
    TConfigdlg dialog(&window, 5400);
    Answer("dialog 5400 set 5410 900 set 5411 36 check 5406 check 5407 ok");
    ASSERT_EQ(dialog.Execute(), IDOK);
    EXPECT_EQ(Cfg("DOORSZE.CFG"), "900 864");
    EXPECT_EQ(Cfg("INTERN.CFG"), "90 1 1.000000 0.000001");

    TConfigdlg again(&window, 5400);
    Answer("dialog 5400 cancel");
    EXPECT_EQ(again.Execute(), IDCANCEL);
    EXPECT_EQ(TextOf(again, 5410), "900");
    EXPECT_EQ(TextOf(again, 5411), "36");
}

TEST_F(DoorDialogs, DefaultDoorsShowWholeInchesAndStoreThem)
{
    // 870 is 36 1/4 inches: shown as 36, stored back as 864.
    SetCfg("DOORSZE.CFG", "820 870");
    SetCfg("INTERN.CFG", "60 2 0.866025 0.500001");
    TConfigdlg dialog(&window, 5400);
    Answer("dialog 5400 ok");
    ASSERT_EQ(dialog.Execute(), IDOK);
    EXPECT_EQ(TextOf(dialog, 5411), "36");
    EXPECT_EQ(Cfg("DOORSZE.CFG"), "820 864");
    // The file's angle and thickness were selected and are written back.
    EXPECT_EQ(Cfg("INTERN.CFG"), "60 2 0.866025 0.500001");
}

TEST_F(DoorDialogs, OpeningAnglesStoreTheirSineAndCosine)
{
    const std::pair<int, std::string> cases[] = {
        {5404, "30 2 0.500000 0.866026"}, {5405, "60 2 0.866025 0.500001"}, {5406, "90 2 1.000000 0.000001"}};
    for (const auto& [button, expected] : cases) {
        TConfigdlg dialog(&window, 5400);
        Answer("dialog 5400 check " + std::to_string(button) + " check 5408 ok");
        ASSERT_EQ(dialog.Execute(), IDOK);
        EXPECT_EQ(Cfg("INTERN.CFG"), expected);
        EXPECT_EQ(dialog.thicknessCode, 2);
    }
}

TEST_F(DoorDialogs, AnAngleWithNoButtonIsWrittenAsTheDefault)
{
    SetCfg("INTERN.CFG", "45 3 0.707107 0.707107");
    TConfigdlg dialog(&window, 5400);
    Answer("dialog 5400 ok");
    ASSERT_EQ(dialog.Execute(), IDOK);
    EXPECT_EQ(Cfg("INTERN.CFG"), "90 1 1.000000 0.000001");
}

TEST_F(DoorDialogs, DefaultDoorWidthsOutOfRangeAreRefusedBeforeAnythingIsWritten)
{
    SetCfg("DOORSZE.CFG", "900 864");
    TConfigdlg dialog(&window, 5400);
    Answer("dialog 5400 set 5410 99 ok");
    Answer("message ok");
    Answer("dialog 5400 set 5410 100 set 5411 201 ok");
    Answer("message ok");
    Answer("dialog 5400 cancel");
    EXPECT_EQ(dialog.Execute(), IDCANCEL);
    EXPECT_EQ(Transcript(), (std::vector<std::string>{"message Arkweld 4.0 | Enter a whole number from 100 to 5000",
                                                      "message Arkweld 4.0 | Enter a whole number from 4 to 200"}));
    EXPECT_EQ(Cfg("DOORSZE.CFG"), "900 864");
}

TEST_F(DoorDialogs, DefaultDoorsReportAFailedWriteAndStayOpen)
{
    FailNextWrites(1);
    TConfigdlg dialog(&window, 5400);
    Answer("dialog 5400 set 5410 950 ok");
    Answer("message ok");
    Answer("dialog 5400 ok");
    ASSERT_EQ(dialog.Execute(), IDOK);
    ASSERT_EQ(Transcript().size(), 1u);
    EXPECT_EQ(Transcript()[0], "message Arkweld 4.0 | The settings file CFG/DOORSZE.CFG could not be written: No space left on device");
    EXPECT_EQ(Cfg("DOORSZE.CFG"), "950 864");
}

// ---------------------------------------------------------------------------------------------
// Windows and external doors.

TEST_F(DoorDialogs, WindowDialogImperialFrenchDoorsOpeningIn)
{
    State().unitSystem = 0;
    TWindlg dialog(&window, 6500);
    Answer("dialog 6500 set 6501 36 set 6502 48 check 6507 check 6504 uncheck 6505 check 6514 ok");
    ASSERT_EQ(dialog.Execute(), IDOK);
    EXPECT_EQ(Cfg("WIND.CFG"), "7 864 1152 0 1 9 0 0");
    EXPECT_EQ(dialog.openingType, 7);
    EXPECT_EQ(dialog.widthText, "36");
    EXPECT_EQ(dialog.heightText, "48");
}

TEST_F(DoorDialogs, WindowDialogOffersAWindowWhateverWasPlacedLast)
{
    SetCfg("WIND.CFG", "6 900 2100 0 0 7 1 0\n");
    TWindlg dialog(&window, 6500);
    Answer("dialog 6500 ok");
    ASSERT_EQ(dialog.Execute(), IDOK);
    EXPECT_EQ(dialog.openingType, 1);
    // The sizes, the labels and the text size come back as they were.
    EXPECT_EQ(Cfg("WIND.CFG"), "1 900 2100 0 0 7 1 0");
}

TEST_F(DoorDialogs, WindowDialogTypes)
{
    const std::pair<int, int> cases[] = {{6508, 1}, {6510, 10}, {6511, 5}, {6512, 6},
                                         {6513, 8}, {6514, 7},  {6515, 9}};
    for (const auto& [button, type] : cases) {
        TWindlg dialog(&window, 6500);
        Answer("dialog 6500 check " + std::to_string(button) + " ok");
        ASSERT_EQ(dialog.Execute(), IDOK);
        EXPECT_EQ(dialog.openingType, type) << button;
        EXPECT_EQ(SettingsRecord("WIND.CFG", "%d").Int(0), type);
    }
}

TEST_F(DoorDialogs, WindowDialogShowsImperialSizesInWholeInches)
{
    State().unitSystem = 0;
    SetCfg("WIND.CFG", "1 870 1152 0 1 9 0 0");
    TWindlg dialog(&window, 6500);
    Answer("dialog 6500 cancel");
    EXPECT_EQ(dialog.Execute(), IDCANCEL);
    EXPECT_EQ(TextOf(dialog, 6501), "36");
    EXPECT_EQ(TextOf(dialog, 6502), "48");
    EXPECT_EQ(Cfg("WIND.CFG"), "1 870 1152 0 1 9 0 0");
}

TEST_F(DoorDialogs, WindowSizesOutOfRangeAreRefused)
{
    SetCfg("WIND.CFG", "1 1200 1200 0 1 9 0 0");
    TWindlg dialog(&window, 6500);
    Answer("dialog 6500 set 6501 3 ok");
    Answer("message ok");
    Answer("dialog 6500 set 6501 9000 set 6502 9001 ok");
    Answer("message ok");
    Answer("dialog 6500 set 6502 9000 ok");
    ASSERT_EQ(dialog.Execute(), IDOK);
    EXPECT_EQ(Transcript().size(), 2u);
    EXPECT_EQ(Cfg("WIND.CFG"), "1 9000 9000 0 1 9 0 0");
}

// ---------------------------------------------------------------------------------------------
// Main entry.

TEST_F(DoorDialogs, EntryDialogDoubleDoorsOnTheLeft)
{
    TEntrydlg dialog(&window, 6000);
    Answer("dialog 6000 check 6003 check 6005 ok");
    ASSERT_EQ(dialog.Execute(), IDOK);
    EXPECT_EQ(Cfg("ENTRY.CFG"), "870 0 0 2 0 r n n");
    EXPECT_EQ(dialog.doorCount, 2);
    EXPECT_EQ(dialog.widthText, "870");
}

TEST_F(DoorDialogs, EntryDialogStartsWithOneDoorOnTheRight)
{
    State().unitSystem = 0;
    TEntrydlg dialog(&window, 6000);
    Answer("dialog 6000 ok");
    ASSERT_EQ(dialog.Execute(), IDOK);
    EXPECT_EQ(TextOf(dialog, 6001), "32");
    // Seen from outside, doors on the right are stored as 'l'; imperial widths in 1/24 inch.
    EXPECT_EQ(Cfg("ENTRY.CFG"), "768 0 0 1 0 l n n");

    TEntrydlg central(&window, 6000);
    Answer("dialog 6000 set 6001 40 check 6006 ok");
    ASSERT_EQ(central.Execute(), IDOK);
    EXPECT_EQ(Cfg("ENTRY.CFG"), "960 0 0 1 0 b n n");
}

TEST_F(DoorDialogs, EntryWidthOutOfRangeIsRefused)
{
    TEntrydlg dialog(&window, 6000);
    Answer("dialog 6000 set 6001 1501 ok");
    Answer("message ok");
    Answer("dialog 6000 cancel");
    EXPECT_EQ(dialog.Execute(), IDCANCEL);
    EXPECT_EQ(Transcript(), std::vector<std::string>{"message Arkweld 4.0 | Enter a whole number from 4 to 1500"});
    EXPECT_EQ(Cfg("ENTRY.CFG"), *ShippedDefault("ENTRY.CFG"));
}

// ---------------------------------------------------------------------------------------------
// Hinged door.

TEST_F(DoorDialogs, DoorDialogCodesFollowTheirPictures)
{
    for (int code = 1; code <= 8; ++code) {
        TDoordlg dialog(&window, 10500);
        Answer("dialog 10500 check " + std::to_string(DOOR_CODE_BUTTONS[code - 1]) + " ok");
        ASSERT_EQ(dialog.Execute(), IDOK);
        EXPECT_EQ(dialog.doorType, code);
    }
    // The last picture of the template (10502) is code 8; the dialog starts on code 1.
    EXPECT_EQ(DOOR_CODE_BUTTONS[7], 10502);
    TDoordlg untouched(&window, 10500);
    Answer("dialog 10500 press 9 ok");
    ASSERT_EQ(untouched.Execute(), IDOK);
    EXPECT_EQ(untouched.doorType, 1);
    EXPECT_EQ(window.runner.HelpRequests(), std::vector<int>{300});
}

TEST_F(DoorDialogs, DoorDialogWidthStartsFromTheCallerOrTheDefault)
{
    SetCfg("DOORSZE.CFG", "820 840");
    State().unitSystem = 0;
    TDoordlg given(&window, 10500, 864);
    Answer("dialog 10500 ok");
    ASSERT_EQ(given.Execute(), IDOK);
    EXPECT_EQ(given.widthText, "36");

    TDoordlg byDefault(&window, 10500, 0);
    Answer("dialog 10500 ok");
    ASSERT_EQ(byDefault.Execute(), IDOK);
    EXPECT_EQ(byDefault.widthText, "35");

    State().unitSystem = 1;
    TDoordlg metric(&window, 10500);
    Answer("dialog 10500 ok");
    ASSERT_EQ(metric.Execute(), IDOK);
    EXPECT_EQ(metric.widthText, "820");
}

TEST_F(DoorDialogs, DoorWidthOutOfRangeIsRefused)
{
    TDoordlg dialog(&window, 10500);
    Answer("dialog 10500 set 10501 4 ok");
    Answer("message ok");
    Answer("dialog 10500 set 10501 5000 check 10503 ok");
    ASSERT_EQ(dialog.Execute(), IDOK);
    EXPECT_EQ(Transcript(), std::vector<std::string>{"message Arkweld 4.0 | Enter a whole number from 5 to 5000"});
    EXPECT_EQ(dialog.widthText, "5000");
    EXPECT_EQ(dialog.doorType, 7);
}

// ---------------------------------------------------------------------------------------------
// Pictures.

TEST_F(DoorDialogs, EveryPictureOfTheDoorDialogsExists)
{
    for (int id : {5400, 10500}) {
        const DialogTemplate* dialogTemplate = FindDialogTemplate(id);
        ASSERT_NE(dialogTemplate, nullptr);
        int pictures = 0;
        for (const ControlTemplate& control : dialogTemplate->controls)
            if (control.kind == ControlKind::Icon) {
                EXPECT_NE(FindDialogPicture(std::stoi(control.text)), nullptr) << control.text;
                ++pictures;
            }
        EXPECT_EQ(pictures, id == 5400 ? 3 : 8);
    }
}

TEST_F(DoorDialogs, DoorPicturesSwingAQuarterTowardsTheirSide)
{
    // Code 1: wall up the screen, hinge on the upper jamb, the leaf open to the left; code 6: wall
    // across the screen, hinge on the left jamb, open downwards.
    const TPicture& one = *FindDialogPicture(10517);
    const TPicture& six = *FindDialogPicture(10511);
    auto leaf = [](const TPicture& p) {
        for (const auto& s : p)
            if (s.kind == TPictureStroke::Line)
                return s;
        return TPictureStroke{};
    };
    auto arc = [](const TPicture& p) {
        for (const auto& s : p)
            if (s.kind == TPictureStroke::DottedArc)
                return s;
        return TPictureStroke{};
    };
    EXPECT_EQ(leaf(one).x1, 16);
    EXPECT_EQ(leaf(one).y1, 8);
    EXPECT_EQ(leaf(one).x2, 0);
    EXPECT_EQ(arc(one).startAngle, 180);
    EXPECT_EQ(arc(one).span, 90);
    EXPECT_EQ(leaf(six).x1, 8);
    EXPECT_EQ(leaf(six).y2, 32);
    EXPECT_EQ(arc(six).startAngle, 270);
    EXPECT_EQ(arc(six).span, 90);
}
