// The stairs dialogs: the template texts a run starts from, the flight and top-tread codes, the
// stair in model units, and the ranges each field enforces.
#include "dialogs/strsdlg.h"
#include "tests/dialogs/dialogtesthelpers.h"

namespace {

using StairsDialogs = DialogTest;

void ExpectChoice(const TStairsChoice& choice, int width, int stairwell, int storey, int flight, int side)
{
    EXPECT_EQ(choice.width, width);
    EXPECT_EQ(choice.stairwellLength, stairwell);
    EXPECT_EQ(choice.storeyHeight, storey);
    EXPECT_EQ(choice.flightType, flight);
    EXPECT_EQ(choice.topTreadSide, side);
}

TEST_F(StairsDialogs, UntouchedMetricDialogGivesTheTemplateStair)
{
    TStrsdlg dialog(&window, 2550);
    Answer("dialog 2550 press 9 ok");
    ASSERT_EQ(dialog.Execute(), IDOK);
    EXPECT_EQ(dialog.widthText, "900");
    EXPECT_EQ(dialog.stairwellText, "2000");
    EXPECT_EQ(dialog.storeyText, "2550");
    ExpectChoice(dialog.Choice(), 900, 2000, 2550, FLIGHT_RETURN_LANDING, TOP_TREAD_LEFT);
    EXPECT_EQ(window.runner.HelpRequests(), std::vector<int>{280});
}

TEST_F(StairsDialogs, UntouchedImperialDialogGivesTheTemplateStair)
{
    TStrsimpdlg dialog(&window, 3080);
    Answer("dialog 3080 ok");
    ASSERT_EQ(dialog.Execute(), IDOK);
    // 36 inches; 7 feet; 8 feet 6 inches.
    ExpectChoice(dialog.Choice(), 864, 2016, 2448, FLIGHT_RETURN_LANDING, TOP_TREAD_LEFT);
}

TEST_F(StairsDialogs, FlightAndTopTreadButtonsGiveTheirCodes)
{
    const std::pair<int, int> metric[] = {{2554, 1}, {2558, 2}, {2557, 3}, {2555, 4}};
    for (const auto& [button, code] : metric) {
        TStrsdlg dialog(&window, 2550);
        Answer("dialog 2550 check 2553 check " + std::to_string(button) + " ok");
        ASSERT_EQ(dialog.Execute(), IDOK);
        EXPECT_EQ(dialog.flightType, FLIGHT_STRAIGHT) << button;
        EXPECT_EQ(dialog.topTreadSide, code) << button;
    }
    const std::pair<int, int> imperial[] = {{3086, 1}, {3087, 2}, {3089, 3}, {3090, 4}};
    for (const auto& [button, code] : imperial) {
        TStrsimpdlg dialog(&window, 3080);
        Answer("dialog 3080 check 3085 check " + std::to_string(button) + " ok");
        ASSERT_EQ(dialog.Execute(), IDOK);
        EXPECT_EQ(dialog.flightType, FLIGHT_STRAIGHT) << button;
        EXPECT_EQ(dialog.topTreadSide, code) << button;
    }
}

TEST_F(StairsDialogs, MetricRangesAreTheValidatorsNotTheLabels)
{
    // The labels say 800 - 2000, 600 - 7500 and 2000 - 5000; the fields take 800 - 6000, 0 - 7500
    // and 2000 - 7500.
    TStrsdlg dialog(&window, 2550);
    Answer("dialog 2550 set 2551 6000 set 2559 0 set 2560 7500 check 2553 check 2554 ok");
    ASSERT_EQ(dialog.Execute(), IDOK);
    ExpectChoice(dialog.Choice(), 6000, 0, 7500, FLIGHT_STRAIGHT, TOP_TREAD_TOP);

    const std::pair<const char*, const char*> refused[] = {
        {"set 2551 799", "Enter a whole number of millimetres from 800 to 6000"},
        {"set 2559 7501", "Enter a whole number of millimetres from 0 to 7500"},
        {"set 2560 1999", "Enter a whole number of millimetres from 2000 to 7500"},
        {"set 2560 7501", "Enter a whole number of millimetres from 2000 to 7500"},
    };
    for (const auto& [entry, message] : refused) {
        TStrsdlg again(&window, 2550);
        Answer(std::string("dialog 2550 ") + entry + " ok");
        Answer("message ok");
        Answer("dialog 2550 cancel");
        const std::size_t shown = Transcript().size();
        EXPECT_EQ(again.Execute(), IDCANCEL) << entry;
        ASSERT_EQ(Transcript().size(), shown + 1) << entry;
        EXPECT_EQ(Transcript().back(), std::string("message Arkweld 4.0 | ") + message);
        // A cancelled run hands back nothing.
        EXPECT_EQ(again.flightType, 0);
        EXPECT_EQ(again.widthText, "");
    }
}

TEST_F(StairsDialogs, ImperialFeetAndInches)
{
    // 15 feet 11 inches is taken: the feet field holds to 15, the inches to 11.
    TStrsimpdlg dialog(&window, 3080);
    Answer("dialog 3080 set 3081 240 set 3082 0 set 3083 0 set 3091 15 set 3092 11 ok");
    ASSERT_EQ(dialog.Execute(), IDOK);
    ExpectChoice(dialog.Choice(), 240 * 24, 0, (15 * 12 + 11) * 24, FLIGHT_RETURN_LANDING, TOP_TREAD_LEFT);

    // 16 feet is refused by the feet field, whatever the total.
    TStrsimpdlg tall(&window, 3080);
    Answer("dialog 3080 set 3091 16 set 3092 0 ok");
    Answer("message ok");
    Answer("dialog 3080 set 3091 6 set 3092 0 set 3082 25 set 3083 11 ok");
    ASSERT_EQ(tall.Execute(), IDOK);
    EXPECT_EQ(Transcript().back(), "message Arkweld 4.0 | Enter a whole number of feet from 6 to 15");
    ExpectChoice(tall.Choice(), 864, (25 * 12 + 11) * 24, 6 * 12 * 24, FLIGHT_RETURN_LANDING, TOP_TREAD_LEFT);

    const std::pair<const char*, const char*> refused[] = {
        {"set 3081 31", "Enter a whole number of inches from 32 to 240"},
        {"set 3082 26", "Enter a whole number of feet from 0 to 25"},
        {"set 3083 12", "Enter a whole number of inches from 0 to 11"},
        {"set 3092 12", "Enter a whole number of inches from 0 to 11"},
    };
    for (const auto& [entry, message] : refused) {
        TStrsimpdlg again(&window, 3080);
        Answer(std::string("dialog 3080 ") + entry + " ok");
        Answer("message ok");
        Answer("dialog 3080 cancel");
        EXPECT_EQ(again.Execute(), IDCANCEL) << entry;
        EXPECT_EQ(Transcript().back(), std::string("message Arkweld 4.0 | ") + message);
    }
}

}  // namespace
