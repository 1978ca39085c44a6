// The internal door dialogs: double and sliding doors, the single sliding door and the choice
// between them: what they show, what they hand back and what they refuse.
#include "dialogs/ddoordlg.h"
#include "dialogs/miscdrdlg.h"
#include "dialogs/sdoordlg.h"
#include "platform/checkbox.h"
#include "platform/edit.h"
#include "resources/dialogpictures.h"
#include "resources/dialogtemplates.h"
#include "tests/dialogs/dialogtesthelpers.h"

using InternalDoorDialogs = DialogTest;

namespace {

std::string TextOf(const TDialog& dialog, int id)
{
    return static_cast<TEdit*>(dialog.FindControl(id))->GetText();
}

}  // namespace

TEST_F(InternalDoorDialogs, DoubleDoorsStartHingedOpeningToTheTop)
{
    TDDoordlg dialog(&window, 10000);
    Answer("dialog 10000 press 9 ok");
    ASSERT_EQ(dialog.Execute(), IDOK);
    EXPECT_EQ(dialog.doorType, 11);
    EXPECT_EQ(dialog.openingSide, 1);
    EXPECT_EQ(dialog.widthText, "1440");
    EXPECT_EQ(window.runner.HelpRequests(), std::vector<int>{300});

    State().unitSystem = 0;
    TDDoordlg imperial(&window, 10000);
    Answer("dialog 10000 cancel");
    EXPECT_EQ(imperial.Execute(), IDCANCEL);
    EXPECT_EQ(TextOf(imperial, 10001), "54");
}

TEST_F(InternalDoorDialogs, DoubleDoorKindsAndSides)
{
    const std::pair<int, int> kinds[] = {{10002, 11}, {10003, 12}, {10004, 13}};
    for (const auto& [button, kind] : kinds) {
        TDDoordlg dialog(&window, 10000);
        Answer("dialog 10000 check " + std::to_string(button) + " ok");
        ASSERT_EQ(dialog.Execute(), IDOK);
        EXPECT_EQ(dialog.doorType, kind);
    }
    // The sides in template order: TOP, BOTTOM, LEFT, RIGHT.
    const std::pair<int, int> sides[] = {{10005, 1}, {10006, 3}, {10007, 4}, {10008, 2}};
    for (const auto& [button, side] : sides) {
        TDDoordlg dialog(&window, 10000);
        Answer("dialog 10000 set 10001 1800 check 10003 check " + std::to_string(button) + " ok");
        ASSERT_EQ(dialog.Execute(), IDOK);
        EXPECT_EQ(dialog.openingSide, side) << button;
        EXPECT_EQ(dialog.doorType, 12);
        EXPECT_EQ(dialog.widthText, "1800");
    }
}

TEST_F(InternalDoorDialogs, DoubleDoorWidthOutOfRangeIsRefused)
{
    TDDoordlg dialog(&window, 10000);
    Answer("dialog 10000 set 10001 9 ok");
    Answer("message ok");
    Answer("dialog 10000 set 10001 7001 ok");
    Answer("message ok");
    Answer("dialog 10000 set 10001 7000 ok");
    ASSERT_EQ(dialog.Execute(), IDOK);
    EXPECT_EQ(Transcript(), (std::vector<std::string>{"message Arkweld 4.0 | Enter a whole number from 10 to 7000",
                                                      "message Arkweld 4.0 | Enter a whole number from 10 to 7000"}));
    EXPECT_EQ(dialog.widthText, "7000");
}

TEST_F(InternalDoorDialogs, SlidingDoorCodesFollowTheirPictures)
{
    for (int code = 1; code <= 8; ++code) {
        TSdoordlg dialog(&window, 13000);
        Answer("dialog 13000 check " + std::to_string(SLIDING_CODE_BUTTONS[code - 1]) + " ok");
        ASSERT_EQ(dialog.Execute(), IDOK);
        EXPECT_EQ(dialog.doorType, code);
        EXPECT_EQ(dialog.intoWall, 0);
    }
    EXPECT_EQ(SLIDING_CODE_BUTTONS[7], 13010);
    TSdoordlg into(&window, 13000);
    Answer("dialog 13000 check 13002 ok");
    ASSERT_EQ(into.Execute(), IDOK);
    EXPECT_EQ(into.intoWall, 1);
    EXPECT_EQ(into.doorType, 1);
}

TEST_F(InternalDoorDialogs, SlidingDoorStartsFromTheDefaultWidth)
{
    SetCfg("DOORSZE.CFG", "820 840");
    TSdoordlg metric(&window, 13000);
    Answer("dialog 13000 ok");
    ASSERT_EQ(metric.Execute(), IDOK);
    EXPECT_EQ(metric.widthText, "820");
    State().unitSystem = 0;
    TSdoordlg imperial(&window, 13000);
    Answer("dialog 13000 ok");
    ASSERT_EQ(imperial.Execute(), IDOK);
    EXPECT_EQ(imperial.widthText, "35");
}

TEST_F(InternalDoorDialogs, SlidingDoorWidthOutOfRangeIsRefused)
{
    TSdoordlg dialog(&window, 13000);
    Answer("dialog 13000 set 13001 5001 ok");
    Answer("message ok");
    Answer("dialog 13000 cancel");
    EXPECT_EQ(dialog.Execute(), IDCANCEL);
    EXPECT_EQ(Transcript(), std::vector<std::string>{"message Arkweld 4.0 | Enter a whole number from 5 to 5000"});
}

TEST_F(InternalDoorDialogs, SingleOrMultipleDoors)
{
    TMiscdrdlg single(&window, 13500);
    Answer("dialog 13500 ok");
    ASSERT_EQ(single.Execute(), IDOK);
    EXPECT_EQ(single.doorChoice, 1);
    TMiscdrdlg multiple(&window, 13500);
    Answer("dialog 13500 check 13502 ok");
    ASSERT_EQ(multiple.Execute(), IDOK);
    EXPECT_EQ(multiple.doorChoice, 2);
    EXPECT_EQ(multiple.HelpContext(), 0);
}

TEST_F(InternalDoorDialogs, SlidingDoorPicturesPutTheBarOnTheirFaceAndEnd)
{
    const DialogTemplate* dialogTemplate = FindDialogTemplate(13000);
    ASSERT_NE(dialogTemplate, nullptr);
    int pictures = 0;
    for (const ControlTemplate& control : dialogTemplate->controls)
        if (control.kind == ControlKind::Icon) {
            EXPECT_NE(FindDialogPicture(std::stoi(control.text)), nullptr) << control.text;
            ++pictures;
        }
    EXPECT_EQ(pictures, 8);
    // The bar is the third stroke: its centre by code (picture ids 13011..13018 as the dialog
    // lists them).
    struct Case {
        int picture;
        int cx, cy;
    };
    const Case cases[] = {
        {13011, 11, 8},  {13012, 11, 24}, {13013, 21, 8},  {13014, 21, 24},
        {13015, 8, 11},  {13017, 8, 21},  {13016, 24, 11}, {13018, 24, 21},
    };
    for (const Case& c : cases) {
        const TPicture& picture = *FindDialogPicture(c.picture);
        ASSERT_EQ(picture.size(), 3u);
        const TPictureStroke& bar = picture[2];
        EXPECT_EQ((bar.x1 + bar.x2) / 2, c.cx) << c.picture;
        EXPECT_EQ((bar.y1 + bar.y2) / 2, c.cy) << c.picture;
    }
}
