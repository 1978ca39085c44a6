// Plan titles, the copy-drawing name, line text and About.
#include "dialogs/aboutdlg.h"
#include "dialogs/ltxtdlg.h"
#include "dialogs/savedlg.h"
#include "dialogs/title2ddlg.h"
#include "model/plantitles.h"
#include "tests/dialogs/dialogtesthelpers.h"

using DrawingDialogs = DialogTest;

namespace {

std::array<std::string, 3> Parsed(const std::string& record, bool exact = true)
{
    std::array<std::string, 3> titles;
    EXPECT_EQ(ParsePlanTitles(record, titles), exact) << record;
    return titles;
}

}  // namespace

TEST(PlanTitles, RecordFormat)
{
    EXPECT_EQ(FormatPlanTitles({"GROUND", "", "LOFT"}), "6 0 4GROUNDLOFT\n");
    EXPECT_EQ(FormatPlanTitles({"", "", ""}), "0 0 0\n");
    EXPECT_EQ(Parsed("12 11 12GROUND FLOORFIRST FLOORSECOND FLOOR\n"),
              (std::array<std::string, 3>{"GROUND FLOOR", "FIRST FLOOR", "SECOND FLOOR"}));
    EXPECT_EQ(Parsed("0 0 0\n"), (std::array<std::string, 3>{"", "", ""}));
}

TEST(PlanTitles, TitlesBeginningWithADigitOrABlankReadBack)
{
    for (std::array<std::string, 3> titles :
         {std::array<std::string, 3>{"2nd fl", "", "4"}, {" lower", " ", "  "}, {"", "10 Main St", "9"},
          {"123456789012345678901234", "1", "0"}, {"", "", "7 up"}}) {
        std::string record = FormatPlanTitles(titles);
        EXPECT_EQ(Parsed(record), titles) << record;
        // Without the line end, or with a carriage return before it, too.
        EXPECT_EQ(Parsed(record.substr(0, record.size() - 1)), titles);
        EXPECT_EQ(Parsed(record.substr(0, record.size() - 1) + "\r\n"), titles);
    }
}

TEST(PlanTitles, RecordsThatDoNotAddUpAreReadWithinBounds)
{
    // Lengths beyond what the line holds: each title takes what is there, never past the line.
    EXPECT_EQ(Parsed("10 10 10ABC\nNEXT LINE", false), (std::array<std::string, 3>{"ABC", "", ""}));
    // A length above 24 takes at most 24 characters.
    auto capped = Parsed("30 0 0" + std::string(30, 'x') + "\n", false);
    EXPECT_EQ(capped[0], std::string(24, 'x'));
    // Negative lengths read nothing.
    EXPECT_EQ(Parsed("-3 2 1abc\n", false), (std::array<std::string, 3>{"", "ab", "c"}));
    // Blanks after the lengths are skipped when the count does not add up.
    EXPECT_EQ(Parsed("3 0 0   abc  \n", false), (std::array<std::string, 3>{"abc", "", ""}));
    EXPECT_EQ(Parsed("", false), (std::array<std::string, 3>{}));
    EXPECT_EQ(Parsed("garbage", false), (std::array<std::string, 3>{}));
}

TEST_F(DrawingDialogs, TitlesRoundTripThroughTheFile)
{
    TTitle2Ddlg dialog(&window, 20000);
    Answer("dialog 20000 set 20001 \"2nd level\" set 20002 \"\" set 20003 Loft ok");
    ASSERT_EQ(dialog.Execute(), IDOK);
    EXPECT_EQ(Cfg("TITLE2D.CFG"), "9 0 42nd levelLoft\n");

    TTitle2Ddlg again(&window, 20000);
    Answer("dialog 20000 ok");
    ASSERT_EQ(again.Execute(), IDOK);
    EXPECT_EQ(again.groundTitle, "2nd level");
    EXPECT_EQ(again.firstTitle, "");
    EXPECT_EQ(again.secondTitle, "Loft");
    EXPECT_EQ(Cfg("TITLE2D.CFG"), "9 0 42nd levelLoft\n");
}

TEST_F(DrawingDialogs, TitlesAreCutToTwentyFourCharactersAndCancelKeepsTheFile)
{
    SetCfg("TITLE2D.CFG", "0 0 0\n");
    TTitle2Ddlg dialog(&window, 20000);
    Answer("dialog 20000 set 20001 \"" + std::string(30, 'G') + "\" ok");
    ASSERT_EQ(dialog.Execute(), IDOK);
    EXPECT_EQ(Cfg("TITLE2D.CFG"), "24 0 0" + std::string(24, 'G') + "\n");

    TTitle2Ddlg cancelled(&window, 20000);
    Answer("dialog 20000 set 20002 upper cancel");
    EXPECT_EQ(cancelled.Execute(), IDCANCEL);
    EXPECT_EQ(Cfg("TITLE2D.CFG"), "24 0 0" + std::string(24, 'G') + "\n");
}

TEST_F(DrawingDialogs, TitlesFromTheShippedDefaultWhenTheFileIsMissing)
{
    RemoveCfg("TITLE2D.CFG");
    TTitle2Ddlg dialog(&window, 20000);
    Answer("dialog 20000 press 9 ok");
    ASSERT_EQ(dialog.Execute(), IDOK);
    EXPECT_EQ(dialog.groundTitle, "GROUND FLOOR");
    EXPECT_EQ(dialog.secondTitle, "SECOND FLOOR");
    EXPECT_EQ(window.runner.HelpRequests(), std::vector<int>{310});
}

TEST_F(DrawingDialogs, SaveAsName)
{
    TSavedlg untouched(&window, 9020);
    Answer("dialog 9020 ok");
    ASSERT_EQ(untouched.Execute(), IDOK);
    EXPECT_EQ(untouched.clientName, "client");

    TSavedlg typed(&window, 9020);
    Answer("dialog 9020 set 9021 \"Jones/Brown 2\" ok");
    ASSERT_EQ(typed.Execute(), IDOK);
    EXPECT_EQ(typed.clientName, "JonesBrown 2");

    TSavedlg help(&window, 9020);
    Answer("dialog 9020 press 9 cancel");
    EXPECT_EQ(help.Execute(), IDCANCEL);
    EXPECT_EQ(help.clientName, "");
    EXPECT_EQ(window.runner.HelpRequests(), std::vector<int>{200});
}

TEST_F(DrawingDialogs, LineTextAndSide)
{
    TLtxtdlg right(&window, 2690);
    Answer("dialog 2690 set 2691 hello check 2693 ok");
    ASSERT_EQ(right.Execute(), IDOK);
    EXPECT_EQ(right.lineText, "hello");
    EXPECT_EQ(right.lineTextSide, 2);

    // The template's blank stays when nothing is typed; the side starts LEFT or ABOVE.
    TLtxtdlg untouched(&window, 2690);
    Answer("dialog 2690 ok");
    ASSERT_EQ(untouched.Execute(), IDOK);
    EXPECT_EQ(untouched.lineText, " ");
    EXPECT_EQ(untouched.lineTextSide, 1);

    // 21 characters are taken although the note says 20.
    TLtxtdlg longText(&window, 2690);
    Answer("dialog 2690 set 2691 \"" + std::string(25, 'a') + "\" ok");
    ASSERT_EQ(longText.Execute(), IDOK);
    EXPECT_EQ(longText.lineText, std::string(21, 'a'));
}

TEST_F(DrawingDialogs, AboutClosesWithOkOrEscape)
{
    TAboutdlg about(&window, 9030);
    Answer("dialog 9030 ok");
    EXPECT_EQ(about.Execute(), IDOK);
    Answer("dialog 9030 cancel");
    EXPECT_EQ(about.Execute(), IDCANCEL);
    Answer("dialog 9030 press 9 ok");
    EXPECT_THROW(about.Execute(), ScriptFailure);
}
