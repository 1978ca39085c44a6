// Printing: the print list, the calibration, the scale and placement of each page.
#include "app/hdprintout.h"
#include "app/printtarget.h"
#include "tests/app/appfixture.h"

#include "model/extwallobj.h"
#include "platform/recordingcanvas.h"

#include <array>
#include <cmath>

namespace {

// The device points of the first polyline of a page.
std::vector<TPoint> FirstLine(RecordingCanvas& page)
{
    std::vector<TPoint> device;
    auto lines = page.RecordsOf(TCanvasRecord::Polyline);
    if (lines.empty())
        return device;
    for (TPoint p : lines[0].points)
        device.push_back(lines[0].mapping.ToDevice(p));
    return device;
}

}  // namespace

class PrintTest : public AppTest {
protected:
    void SetUp() override
    {
        NewDrawing("PRINT");
        AddLine(50, 1000, 1000, 3000, 1000);
        AddLine(51, 1000, 5000, 1000, 9000);
    }
};

TEST_F(PrintTest, ThePrintListKeepsOnlyFloorsThatCanBePrinted)
{
    WriteWholeFile(Path("CFG/PRNTLST.CFG"),
                   "2 100 1050\n0 50 1051\n1 0 1052\n1 50 1053\n3 96 1051\n1 20 1050\n99999 50 1052\n");
    EXPECT_EQ(THDPrintout::ReadPrintList(),
              (std::vector<TPrintFloor>{{2, 100, 50}, {3, 96, 51}, {9999, 50, 52}}));
    THDPrintout::WritePrintList({{1, 100, 50}, {0, 100, 51}, {2, 50, 52}});
    EXPECT_EQ(ReadWholeFile(Path("CFG/PRNTLST.CFG")), "1 100 1050\n2 50 1052\n");
}

TEST_F(PrintTest, TheCalibrationCorrectsTheScale)
{
    WriteWholeFile(Path("CFG/PRNTCALM.CFG"), "15150 0.990000");
    EXPECT_DOUBLE_EQ(THDPrintout::ScaleCorrection(), 0.99);
    WriteWholeFile(Path("CFG/PRNTCALM.CFG"), "15000 0.000000");
    EXPECT_DOUBLE_EQ(THDPrintout::ScaleCorrection(), 1.0);
    // 1:100 at 254 pixels per inch: a millimetre of paper is 10 pixels, a metre of plan 10 pixels.
    EXPECT_DOUBLE_EQ(THDPrintout::PixelsPerModelUnit(1, 100, 1.0, 254), 0.1);
    EXPECT_DOUBLE_EQ(THDPrintout::PixelsPerModelUnit(1, 100, 1.1, 254), 0.11);
    // 1:96 imperial (a quarter inch to the foot) at 96 pixels per inch: 1/24 inch is 1/24 pixel.
    EXPECT_DOUBLE_EQ(THDPrintout::PixelsPerModelUnit(0, 96, 1.0, 96), 1.0 / 24.0);
}

TEST_F(PrintTest, APageShowsItsFloorAtScaleCentredOnThePaper)
{
    RecordingCanvas page({794, 1123}, true);
    state().currentFloor = 1050;
    THDPrintout printout(2, false);
    printout.PrintPage(page, 50, 100, 1.0);
    std::vector<TPoint> line = FirstLine(page);
    ASSERT_EQ(line.size(), 2u);
    // 2000 mm at 1:100 is 20 mm, at 96 pixels per inch 75.6 pixels.
    EXPECT_NEAR(std::abs(line[1].x - line[0].x), 75.6, 1.5);
    EXPECT_EQ(line[0].y, line[1].y);
    EXPECT_NEAR((line[0].x + line[1].x) / 2.0, 397, 2);
    EXPECT_NEAR(line[0].y, 561, 2);
    // Only the floor's own line; the view of the window is left as it was.
    EXPECT_EQ(page.Count(TCanvasRecord::Polyline), 1);
    EXPECT_EQ(state().viewExtX, 1000);
    EXPECT_EQ(state().viewOrgX, 0);
    EXPECT_EQ(state().printLineFactor, 1);
}

TEST_F(PrintTest, PrintingGivesOnePagePerCopy)
{
    THDPrintout::WritePrintList({{2, 100, 50}, {1, 50, 51}});
    EXPECT_EQ(client->PrintFloors(2, true, THDPrintout::ReadPrintList()), 3);
    const auto& pages = frame.PrintedPages();
    ASSERT_EQ(pages.size(), 3u);
    // The first floor's line runs vertically at 1:50: 4000 mm is 80 mm, 302 pixels.
    std::vector<TPoint> line = FirstLine(*pages[2]);
    ASSERT_EQ(line.size(), 2u);
    EXPECT_EQ(line[0].x, line[1].x);
    EXPECT_NEAR(std::abs(line[1].y - line[0].y), 302.4, 1.5);
    auto texts = pages[0]->RecordsOf(TCanvasRecord::TextOut);
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_EQ(texts[0].text, "SCALE 1:100");
    EXPECT_EQ(pages[2]->RecordsOf(TCanvasRecord::TextOut).at(0).text, "SCALE 1:50");
}

TEST_F(PrintTest, APrinterThatFailsLeavesTheFloorAndTheViewAsTheyWere)
{
    // A printer that takes the first page and fails at the second.
    class FailingPrinter : public PrintTarget {
    public:
        Canvas& PageCanvas() override { return page; }
        bool NewPage() override { return false; }
        RecordingCanvas page{{794, 1123}, true};
    } printer;
    state().currentFloor = 51;
    state().viewExtX = 400;
    state().viewExtY = 280;
    state().viewOrgX = 120;
    state().viewOrgY = 60;
    THDPrintout printout(3, false);
    EXPECT_EQ(printout.Print(printer, {{2, 100, 50}, {1, 50, 51}}), 1);
    EXPECT_EQ(printer.page.Count(TCanvasRecord::Polyline), 1);
    EXPECT_EQ(state().currentFloor, 51);
    EXPECT_EQ((std::array{state().viewExtX, state().viewExtY, state().viewOrgX, state().viewOrgY}),
              (std::array{400, 280, 120, 60}));
    EXPECT_EQ(state().printLineFactor, 1);
}

TEST_F(PrintTest, NothingIsPrintedWithoutAListOrADrawing)
{
    THDPrintout::WritePrintList({});
    EXPECT_EQ(client->PrintFloors(1, false, THDPrintout::ReadPrintList()), 0);
    EXPECT_TRUE(frame.PrintedPages().empty());
    EXPECT_EQ(state().currentFloor, 50);
}

TEST_F(PrintTest, AWallIsCentredByTheLinesItDraws)
{
    // A two-line wall keeps its unused cavity lines at (0, 0): they take no part in the centring.
    auto wall = std::make_unique<TExtwallobj>();
    wall->floor = 52;
    wall->x1 = 20000;
    wall->y1 = 20000;
    wall->x2 = 30000;
    wall->y2 = 20000;
    wall->spacing1 = 300;
    wall->wallLines = {20000, 19700, 30000, 19700};
    EXPECT_EQ(wall->Bounds().minX, 20000);
    EXPECT_EQ(wall->Bounds().minY, 19700);
    {
        TDrawingEdit edit(objects());
        edit.Add(std::move(wall));
        edit.Commit();
    }
    RecordingCanvas page({794, 1123}, true);
    THDPrintout printout(2, false);
    printout.PrintPage(page, 52, 100, 1.0);
    std::vector<TPoint> line = FirstLine(page);
    ASSERT_EQ(line.size(), 2u);
    EXPECT_NEAR((line[0].x + line[1].x) / 2.0, 397, 2);
    // The outer face is 1.5 mm (5.7 pixels) above the middle of the wall.
    EXPECT_NEAR(line[0].y, 561 - 5.7, 2);
}
