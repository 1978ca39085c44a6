// Measured lengths the imperial dialogs propose in feet, inches and eighths (the new fixed room,
// the maximum-size design room, the length prompt): left as shown the exact measurement comes
// back, even where it lies between two eighths; a length the user types is taken as typed.
#include "dialogs/feetdlg.h"
#include "dialogs/maxroomdlg.h"
#include "dialogs/roomdlg.h"
#include "tests/dialogs/dialogtesthelpers.h"

namespace {

using ProposedLengths = DialogTest;

using Texts = std::array<std::string, 4>;

TEST_F(ProposedLengths, LeftAsShownTheMeasurementComesBackTypedAsTyped)
{
    // 10' 8'' and 1/24 (no eighth to show) by 6' 5'' and 23/24 (shown as 7/8, 21/24).
    SetCfg("ROOM.CFG", "3073 1871");
    TRoomimpdlg room(&window, 8500);
    Answer("dialog 8500 set 8501 hall ok");
    ASSERT_EQ(room.Execute(), IDOK);
    EXPECT_EQ(room.widthTexts, (Texts{"10", "8", "0", "0"}));
    EXPECT_EQ(room.lengthTexts, (Texts{"6", "5", "7", "8"}));
    EXPECT_EQ(room.Width(), 3073);
    EXPECT_EQ(room.Length(), 1871);

    // A changed field makes the whole size typed; the other size stays as measured.
    TRoomimpdlg typed(&window, 8500);
    Answer("dialog 8500 set 8504 1 set 8505 8 ok");
    ASSERT_EQ(typed.Execute(), IDOK);
    EXPECT_EQ(typed.Width(), 3075);
    EXPECT_EQ(typed.Length(), 1871);
    TRoomimpdlg retyped(&window, 8500);
    Answer("dialog 8500 set 8506 6 set 8507 5 set 8508 7 set 8509 8 set 8502 10 set 8503 9 ok");
    ASSERT_EQ(retyped.Execute(), IDOK);
    EXPECT_EQ(retyped.Width(), (10 * 12 + 9) * 24);
    EXPECT_EQ(retyped.Length(), 1871);  // typed back as it was shown: still the measurement

    // The free size at a click: 12' 6'' and 1/24 by 12' 6'' and 5/24 (shown as 1/8).
    TMaxroomimpdlg free(&window, 23500, 3601, 3605);
    Answer("dialog 23500 ok");
    ASSERT_EQ(free.Execute(), IDOK);
    EXPECT_EQ(free.lengthTexts, (Texts{"12", "6", "1", "8"}));
    EXPECT_EQ(free.Width(), 3601);
    EXPECT_EQ(free.Length(), 3605);
    TMaxroomimpdlg freeTyped(&window, 23500, 3601, 3605);
    Answer("dialog 23500 set 23503 7 set 23508 1 set 23509 4 ok");
    ASSERT_EQ(freeTyped.Execute(), IDOK);
    EXPECT_EQ(freeTyped.Width(), (12 * 12 + 7) * 24);
    EXPECT_EQ(freeTyped.Length(), (12 * 12 + 6) * 24 + 6);

    // The length prompt with a measured proposal of 9' 0'' and 13/24 (shown as 1/2), whichever
    // fraction rule its opener counts by.
    TFeetdlg prompt(&window, 9500, 2605);
    Answer("dialog 9500 ok");
    ASSERT_EQ(prompt.Execute(), IDOK);
    EXPECT_EQ((Texts{prompt.feetText, prompt.inchText, prompt.numeratorText, prompt.denominatorText}),
              (Texts{"9", "0", "1", "2"}));
    EXPECT_EQ(prompt.Length(FractionRule::Proper), 2605);
    EXPECT_EQ(prompt.Length(FractionRule::Any), 2605);
    TFeetdlg promptTyped(&window, 9500, 2605);
    Answer("dialog 9500 set 9504 4 ok");
    ASSERT_EQ(promptTyped.Execute(), IDOK);
    EXPECT_EQ(promptTyped.Length(FractionRule::Any), 9 * 12 * 24 + 6);
    // Without a proposal the zeros it shows are a typed 0.
    TFeetdlg empty(&window, 9500, 0);
    Answer("dialog 9500 ok");
    ASSERT_EQ(empty.Execute(), IDOK);
    EXPECT_EQ(empty.Length(FractionRule::Any), 0);
}

}  // namespace
