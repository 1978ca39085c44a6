// File/Print and Customise/Calibrate Printer: the print dialog's floors printed and kept in the
// print list, a floor with nothing on it or no floor at all said so, the drawing to print chosen
// when none is open, and the calibration stored and used.
#include "app/hdprintout.h"
#include "tests/app/appfixture.h"

#include "model/settingsfile.h"
#include "platform/recordingcanvas.h"

#include <array>
#include <cmath>

namespace {

constexpr TColor WHITE = MakeColour(255, 255, 255);
constexpr TColor BLACK = MakeColour(0, 0, 0);

// The length in device pixels of the first polyline of a page.
double FirstLineLength(RecordingCanvas& page)
{
    auto lines = page.RecordsOf(TCanvasRecord::Polyline);
    if (lines.empty() || lines[0].points.size() < 2)
        return 0.0;
    const TPoint a = lines[0].mapping.ToDevice(lines[0].points[0]);
    const TPoint b = lines[0].mapping.ToDevice(lines[0].points[1]);
    return std::hypot(double(b.x - a.x), double(b.y - a.y));
}

class PrintCommandTest : public AppTest {
protected:
    void SetUp() override
    {
        NewDrawing("PLANS");
        // 10 m along the ground floor, 4 m up the second.
        AddLine(50, 1000, 1000, 11000, 1000);
        AddLine(52, 1000, 1000, 1000, 5000);
    }
};

}  // namespace

TEST_F(PrintCommandTest, TheDialogsFloorsArePrintedAndKeptInThePrintList)
{
    state().displayMode = 0;
    Answer("dialog 19500 set 19501 2 set 19504 50 set 19503 1 check 19517 check 19510 ok");
    Command(CM_PRINT);
    EXPECT_TRUE(lines.empty());
    EXPECT_EQ(ReadWholeFile(Path("CFG/PRNTLST.CFG")), "2 50 1050\n1 100 1052\n");
    const auto& pages = frame.PrintedPages();
    ASSERT_EQ(pages.size(), 3u);
    // 10 m at 1:50 is 200 mm, at 96 pixels per inch 755.9 pixels; 4 m at 1:100 is 151.2.
    EXPECT_NEAR(FirstLineLength(*pages[0]), 755.9, 1.5);
    EXPECT_NEAR(FirstLineLength(*pages[2]), 151.2, 1.5);
    EXPECT_TRUE(pages[0]->RecordsOf(TCanvasRecord::TextOut).empty());
    // The display mode the dialog set stays in force.
    EXPECT_EQ(state().displayMode, 20);
}

TEST_F(PrintCommandTest, AfterPrintingTheWindowShowsItsFloorAndViewAgain)
{
    // The second floor in view, zoomed to two pixels a logical unit from logical (0, 100): its
    // line, logical x 200 from y 200 up, is device x 400 from y 500 up.
    Command(CM_SECONDFLOOR);
    state().viewExtX = 500;
    state().viewExtY = 350;
    state().viewOrgX = 0;
    state().viewOrgY = 100;
    Child().ApplyView();
    frame.ProcessEvents();
    ASSERT_EQ(Pixel(400, 300), BLACK);
    Answer("dialog 19500 set 19501 1 set 19503 1 ok");
    Command(CM_PRINT);
    EXPECT_EQ(frame.PrintedPages().size(), 2u);
    EXPECT_EQ(state().currentFloor, 52);
    EXPECT_EQ(Window().Caption(), "PLANS.PL2");
    EXPECT_EQ((std::array{state().viewExtX, state().viewExtY, state().viewOrgX, state().viewOrgY}),
              (std::array{500, 350, 0, 100}));
    EXPECT_EQ(Pixel(400, 300), BLACK);
    EXPECT_EQ(Pixel(200, 300), WHITE);
    // Zoom/Normal Size still brings the whole sheet back, one logical unit a pixel.
    Command(CM_NORMALSIZE);
    EXPECT_EQ(Pixel(200, 300), BLACK);
    EXPECT_EQ(Pixel(400, 300), WHITE);
}

TEST_F(PrintCommandTest, ADrawingThatCannotBeReadWhenPrintingIsToldAndNothingIsPrinted)
{
    FailNextReads(1, "PLANS.DB0");
    Answer("dialog 19500 set 19501 1 ok");
    Answer("message ok");
    Command(CM_PRINT);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].rfind("message Arkweld 4.0 | ", 0), 0u) << lines[0];
    EXPECT_NE(lines[0].find("PLANS.DB0"), std::string::npos) << lines[0];
    EXPECT_TRUE(frame.PrintedPages().empty());
}

TEST_F(PrintCommandTest, TheCalibrationPrintsAMeasuredShortLengthLonger)
{
    // The test length came out 14850 mm long instead of 15000: prints are made 1% longer.
    Answer("dialog 3200 set 3201 14850 ok");
    Command(CM_CALIBRATEPRINTER);
    EXPECT_EQ(ReadWholeFile(Path("CFG/PRNTCALM.CFG")), "14850 1.010000");
    Answer("dialog 19500 set 19501 1 ok");
    Command(CM_PRINT);
    ASSERT_EQ(frame.PrintedPages().size(), 1u);
    // 10 m at 1:100 is 100 mm, 377.95 pixels; 1% longer 381.73.
    EXPECT_NEAR(FirstLineLength(*frame.PrintedPages()[0]), 381.73, 1.0);

    // Measured as the test length: no correction.
    Answer("dialog 3200 set 3201 15000 ok");
    Command(CM_CALIBRATEPRINTER);
    EXPECT_EQ(ReadWholeFile(Path("CFG/PRNTCALM.CFG")), "15000 1.000000");
    EXPECT_EQ(THDPrintout::ScaleCorrection(), 1.0);
}

TEST_F(PrintCommandTest, AFloorWithNothingOnItIsNotPrintedAndNoCopiesPrintNothing)
{
    Answer("dialog 19500 set 19501 1 set 19502 1 ok");
    Answer("message ok");
    Command(CM_PRINT);
    EXPECT_EQ(lines, std::vector<std::string>{"message PRINT | Nothing is drawn on the first floor - it is not printed"});
    EXPECT_EQ(frame.PrintedPages().size(), 1u);

    lines.clear();
    Answer("dialog 19500 set 19502 2 ok");
    Answer("message ok");
    Command(CM_PRINT);
    EXPECT_EQ(lines, std::vector<std::string>{"message PRINT | Nothing is drawn on the first floor - it is not printed"});
    // No job was started: the pages of the last one are still there.
    EXPECT_EQ(frame.PrintedPages().size(), 1u);

    lines.clear();
    Answer("dialog 19500 ok");
    Answer("message ok");
    Command(CM_PRINT);
    EXPECT_EQ(lines, std::vector<std::string>{"message PRINT | No floor has copies to print - nothing is printed"});
    EXPECT_EQ(ReadWholeFile(Path("CFG/PRNTLST.CFG")), "");
}

TEST_F(PrintCommandTest, WithoutAWindowTheUnitsAndTheDrawingToPrintComeFirst)
{
    client->CloseChild(&Child());
    ASSERT_EQ(client->ActiveChild(), nullptr);
    Answer("dialog 5450 ok");
    frame.SetNextChoice("PLANS");
    Answer("dialog 19500 set 19503 1 ok");
    Command(CM_PRINT);
    ASSERT_NE(client->ActiveChild(), nullptr);
    EXPECT_EQ(state().drawingName, "PLANS");
    EXPECT_EQ(frame.PrintedPages().size(), 1u);

    // A cancelled print dialog prints nothing.
    Answer("dialog 19500 set 19501 3 cancel");
    Command(CM_PRINT);
    EXPECT_EQ(frame.PrintedPages().size(), 1u);
}

TEST_F(PrintCommandTest, WithNoDrawingAtAllThereIsNothingToPrint)
{
    client->CloseChild(&Child());
    std::filesystem::remove(Path("DWGS/PLANS.DB0"));
    Answer("dialog 5450 ok");
    Answer("message ok");
    Command(CM_PRINT);
    EXPECT_EQ(lines, std::vector<std::string>{"message PRINT | There is no drawing to print - start one with FILE/NEW"});
    EXPECT_TRUE(frame.PrintedPages().empty());
}

TEST_F(PrintCommandTest, ImperialCalibrationAndItsCancels)
{
    client->CloseChild(&Child());
    // Without a window the units come first; a cancel there stops everything.
    Answer("dialog 5450 cancel");
    Command(CM_CALIBRATEPRINTER);
    Answer("dialog 5450 check 5452 ok");
    Answer("dialog 3300 set 3302 51 set 3301 6 ok");
    Command(CM_CALIBRATEPRINTER);
    // 51' 6" = 14832 for the 52' test length of 14976: 1 + 144 / 14976.
    EXPECT_EQ(ReadWholeFile(Path("CFG/PRNTCALI.CFG")), "14832 1.009615");
    Answer("dialog 5450 check 5452 ok");
    Answer("dialog 3300 set 3302 52 cancel");
    Command(CM_CALIBRATEPRINTER);
    EXPECT_EQ(ReadWholeFile(Path("CFG/PRNTCALI.CFG")), "14832 1.009615");
    EXPECT_TRUE(lines.empty());

    // The units and the calibration both fail to be stored: each is told.
    FailNextWrites(2, WriteStage::Rename);
    Answer("dialog 5450 check 5451 ok");
    Answer("message ok");
    Answer("dialog 3200 set 3201 14900 ok");
    Answer("message ok");
    Command(CM_CALIBRATEPRINTER);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[1].rfind("message Arkweld 4.0 | The settings file " + Path("CFG/PRNTCALM.CFG") +
                                 " could not be written: ",
                             0),
              0u)
        << lines[1];
    EXPECT_EQ(ReadWholeFile(Path("CFG/PRNTCALM.CFG")), "15000 1.000000");
}
