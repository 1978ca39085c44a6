// The drawing tool style and text details dialogs: what the opener reads after OK.
#include "dialogs/linedlg.h"
#include "dialogs/textdlg.h"
#include "platform/checkbox.h"
#include "platform/static.h"
#include "tests/dialogs/dialogtesthelpers.h"

namespace {

class ToolDialogs : public DialogTest {};

std::string Text(const TDialog& dialog, int id)
{
    return static_cast<TStatic*>(dialog.FindControl(id))->GetText();
}

bool Checked(const TDialog& dialog, int id)
{
    return static_cast<TCheckBox*>(dialog.FindControl(id))->IsChecked();
}

TEST_F(ToolDialogs, LineStyleGivesTheWidthAndStyleOfTheButtonChosen)
{
    struct Case {
        int button;
        int width;
        int style;
    };
    const Case cases[] = {{14001, 1, 0}, {14002, 2, 0}, {14003, 1, 1}, {14004, 1, 2}, {14005, 1, 3}};
    for (const Case& c : cases) {
        TLinedlg dialog(&window, 14000);
        Answer("dialog 14000 check " + std::to_string(c.button) + " ok");
        ASSERT_EQ(dialog.Execute(), IDOK);
        EXPECT_EQ(dialog.penWidth, c.width) << c.button;
        EXPECT_EQ(dialog.penStyle, c.style) << c.button;
    }
}

TEST_F(ToolDialogs, LineStyleStartsSolidThinAndHasNoHelp)
{
    TLinedlg dialog(&window, 14000);
    Answer("dialog 14000 ok");
    ASSERT_EQ(dialog.Execute(), IDOK);
    EXPECT_TRUE(Checked(dialog, 14001));
    EXPECT_EQ(dialog.penWidth, 1);
    EXPECT_EQ(dialog.penStyle, 0);
    EXPECT_EQ(dialog.HelpContext(), 0);

    // Cancel reports no choice: the members keep their start values.
    TLinedlg cancelled(&window, 14000);
    Answer("dialog 14000 check 14002 cancel");
    EXPECT_EQ(cancelled.Execute(), IDCANCEL);
    EXPECT_EQ(cancelled.penWidth, 1);
    EXPECT_EQ(cancelled.penStyle, 0);
}

TEST_F(ToolDialogs, TextDetailsShowTheCurrentFont)
{
    State().currentFontFace = "Times New Roman";
    State().textWeight = 700;
    State().textPointSize = 12;
    TTextdlg dialog(&window, 2300);
    Answer("dialog 2300 ok");
    ASSERT_EQ(dialog.Execute(), IDOK);
    EXPECT_EQ(Text(dialog, 2305), "Times New Roman");
    EXPECT_EQ(Text(dialog, 2306), "700");
    EXPECT_EQ(Text(dialog, 2307), "12");
    EXPECT_TRUE(Checked(dialog, 2301));
    EXPECT_TRUE(Checked(dialog, 2303));
    EXPECT_EQ(dialog.alignment, 1);
    EXPECT_EQ(dialog.escapement, 0);
    EXPECT_EQ(dialog.HelpContext(), 242);
}

TEST_F(ToolDialogs, TextDetailsGiveAlignmentAndDirection)
{
    TTextdlg rightVertical(&window, 2300);
    Answer("dialog 2300 check 2302 check 2304 ok");
    ASSERT_EQ(rightVertical.Execute(), IDOK);
    EXPECT_EQ(rightVertical.alignment, 2);
    EXPECT_EQ(rightVertical.escapement, 2700);

    TTextdlg centreVertical(&window, 2300);
    Answer("dialog 2300 check 2304 ok");
    ASSERT_EQ(centreVertical.Execute(), IDOK);
    EXPECT_EQ(centreVertical.alignment, 1);
    EXPECT_EQ(centreVertical.escapement, 2700);

    // A checked button clears the other of its group only: the two groups stay apart.
    EXPECT_TRUE(Checked(centreVertical, 2301));
    EXPECT_FALSE(Checked(centreVertical, 2303));

    TTextdlg cancelled(&window, 2300);
    Answer("dialog 2300 check 2302 cancel");
    EXPECT_EQ(cancelled.Execute(), IDCANCEL);
    EXPECT_EQ(cancelled.alignment, 1);
    EXPECT_EQ(cancelled.escapement, 0);
}

TEST_F(ToolDialogs, TextDetailsCutALongFaceNameToItsStatic)
{
    State().currentFontFace = std::string(40, 'F');
    TTextdlg dialog(&window, 2300);
    Answer("dialog 2300 ok");
    ASSERT_EQ(dialog.Execute(), IDOK);
    EXPECT_EQ(Text(dialog, 2305), std::string(31, 'F'));
}

}  // namespace
