// Mouse drawing with the line tool: press starts the rubber band, moves stretch it, release commits.
#include "tests/tools/toolfixture.h"

#include "model/lineobj.h"
#include "platform/qt/imagecanvas.h"
#include "tests/platform/pixelhelpers.h"
#include "tools/lineobjtool.h"

#include <QImage>

namespace {

class LineMouse : public ToolTest {
protected:
    LineMouse()
    {
        tool.kind = KIND_LINE;
        Attach(tool);
    }
    TLineobjtool tool;
};

TEST_F(LineMouse, PressMoveReleaseCommitsTheLine)
{
    TPoint start = Device(1000, 1000);
    tool.LButtonDown(dc, client, start.x, start.y);
    EXPECT_EQ(tool.active, 1);
    EXPECT_EQ(tool.colour, MakeColour(0, 0, 255));
    EXPECT_EQ(tool.penWidth, 2);

    TPoint a = Device(2000, 1500), b = Device(3000, 2000);
    tool.MouseMove(dc, client, a.x, a.y);
    tool.MouseMove(dc, client, b.x, b.y);
    TPoint release = Device(3000, 2000);
    tool.LButtonUp(dc, client, release);
    EXPECT_EQ(tool.active, 0);

    ASSERT_EQ(objects().count(), 5);
    auto* line = dynamic_cast<TLineobj*>(objects()[4]);
    ASSERT_NE(line, nullptr);
    EXPECT_EQ(line->x1, 1000);
    EXPECT_EQ(line->y1, 1000);
    EXPECT_EQ(line->x2, 3000);
    EXPECT_EQ(line->y2, 2000);
    EXPECT_EQ(line->penWidth, 2);
    EXPECT_EQ(ReadBack().size(), 5u);

    // Band feedback: exclusive-or with a dotted one-pixel pen in the tool's colour. The first move
    // erases nothing visible (a point), each later one erases the old band and draws the new;
    // the release erases the last band, then the line is drawn plainly.
    auto lines = dc.RecordsOf(TCanvasRecord::Polyline);
    ASSERT_EQ(lines.size(), 6u);
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(lines[i].rop, RasterOp::Xor) << i;
        EXPECT_EQ(lines[i].pen, (TPen{MakeColour(0, 0, 255), 0, PS_DOT})) << i;
    }
    EXPECT_EQ(lines[1].points, (std::vector<TPoint>{{200, 200}, {400, 300}}));
    EXPECT_EQ(lines[2].points, lines[1].points);  // erased
    EXPECT_EQ(lines[3].points, (std::vector<TPoint>{{200, 200}, {600, 400}}));
    EXPECT_EQ(lines[4].points, lines[3].points);  // erased on release
    EXPECT_EQ(lines[5].rop, RasterOp::Copy);
    EXPECT_EQ(lines[5].pen.width, 2);
}

TEST_F(LineMouse, ADraggedLineCarriesNoTypedLength)
{
    tool.groupId = 4000;  // left by a line typed before
    TPoint start = Device(1000, 1000), end = Device(3000, 1000);
    tool.LButtonDown(dc, client, start.x, start.y);
    tool.MouseMove(dc, client, end.x, end.y);
    tool.LButtonUp(dc, client, end);
    ASSERT_EQ(objects().count(), 5);
    EXPECT_EQ(objects()[4]->groupId, 0);
}

TEST_F(LineMouse, MovingBackOntoTheStartLeavesTheLastBand)
{
    TPoint start = Device(1000, 1000);
    tool.LButtonDown(dc, client, start.x, start.y);
    TPoint a = Device(2000, 1500);
    tool.MouseMove(dc, client, a.x, a.y);
    const int drawn = dc.Count(TCanvasRecord::Polyline);
    tool.MouseMove(dc, client, start.x, start.y);
    EXPECT_EQ(dc.Count(TCanvasRecord::Polyline), drawn);
    EXPECT_EQ(tool.x2, 2000);
    EXPECT_EQ(tool.y2, 1500);
}

TEST_F(LineMouse, OnlyLinesAndEllipsesStartWithTheMouse)
{
    tool.kind = 7;
    TPoint start = Device(1000, 1000);
    tool.LButtonDown(dc, client, start.x, start.y);
    EXPECT_EQ(tool.active, 0);
    EXPECT_EQ(tool.x1, 0);
    tool.MouseMove(dc, client, 300, 300);
    EXPECT_EQ(dc.Count(TCanvasRecord::Polyline), 0);
}

TEST_F(LineMouse, AShortDragOfALineWithTextIsMarkedAsNoLine)
{
    tool.step = STEP_LINETEXT_READY;
    TPoint start = Device(1000, 1000);
    tool.LButtonDown(dc, client, start.x, start.y);
    EXPECT_EQ(tool.step, STEP_LINETEXT_DRAWING);
    // Two logical units across: committed, as it is not a point, but marked.
    TPoint release = Device(1010, 1010);
    tool.LButtonUp(dc, client, release);
    EXPECT_EQ(objects().count(), 5);
    EXPECT_TRUE(tool.noLineText);

    tool.LButtonDown(dc, client, start.x, start.y);
    release = Device(1015, 1000);
    tool.LButtonUp(dc, client, release);
    // A real line is held for its label, the two stored together.
    EXPECT_EQ(objects().count(), 5);
    EXPECT_TRUE(tool.HoldsFigure());
    EXPECT_EQ(tool.y1, 0);
    EXPECT_FALSE(tool.noLineText) << "a real line after a short drag gets its label";
}

// Draws a band, stretches it and releases on the start point, where nothing is committed: the
// image must come back unchanged.
void DragAndReleaseOnStart(TLineobjtool& tool, Canvas& canvas, const TRect& client, TPoint start)
{
    tool.LButtonDown(canvas, client, start.x, start.y);
    const TPoint path[] = {{start.x + 37, start.y - 11}, {start.x + 80, start.y + 45}, {start.x - 23, start.y + 60},
                           {start.x + 3, start.y - 70}};
    for (TPoint p : path)
        tool.MouseMove(canvas, client, p.x, p.y);
    TPoint release = start;
    tool.LButtonUp(canvas, client, release);
}

TEST_F(LineMouse, ARubberBandErasedLeavesTheImageByteIdentical)
{
    QImage image = PatternImage(1000, 700);
    const QImage before = image.copy();
    {
        ImageCanvas canvas(image);
        DragAndReleaseOnStart(tool, canvas, client, {300, 400});
        canvas.Flush();
    }
    EXPECT_EQ(objects().count(), 4);
    EXPECT_TRUE(SamePixels(image, before)) << CountDifferent(image, before) << " pixels differ";
}

TEST_F(LineMouse, ARubberBandErasesExactlyWhenZoomedIn)
{
    // Three pixels per logical unit.
    state().viewExtX = 200;
    state().viewExtY = 140;
    const TRect zoomed{0, 0, 600, 420};
    QImage image = PatternImage(600, 420);
    const QImage before = image.copy();
    {
        ImageCanvas canvas(image);
        tool.LButtonDown(canvas, zoomed, 100, 300);
        tool.MouseMove(canvas, zoomed, 400, 100);
        canvas.Flush();
        EXPECT_GT(CountDifferent(image, before), 0) << "the band shows while dragging";
        TPoint release{100, 300};
        tool.LButtonUp(canvas, zoomed, release);
        canvas.Flush();
    }
    EXPECT_TRUE(SamePixels(image, before)) << CountDifferent(image, before) << " pixels differ";
}

TEST_F(LineMouse, ThePlanResizeGuideFollowsTheCursorWithAGap)
{
    tool.kind = KIND_PLAN_RESIZE;
    tool.step = 8;
    tool.active = 1;
    tool.markerCode = 1;
    tool.MouseMove(dc, client, 300, 400);
    auto lines = dc.RecordsOf(TCanvasRecord::Polyline);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].points, (std::vector<TPoint>{{300, 0}, {300, 200}}));
    EXPECT_EQ(lines[1].points, (std::vector<TPoint>{{300, 400}, {300, 20000}}));
    EXPECT_EQ(lines[0].rop, RasterOp::NotXor);
    EXPECT_EQ(lines[0].pen, (TPen{MakeColour(0, 0, 255), 1, PS_SOLID}));
    EXPECT_EQ(tool.markerState, 2);
    EXPECT_EQ(tool.markerX, 300);
    EXPECT_EQ(tool.lineAux2, 300);

    // The same point draws nothing; a new one erases the old guide and draws the new.
    tool.MouseMove(dc, client, 300, 400);
    EXPECT_EQ(dc.Count(TCanvasRecord::Polyline), 2);
    tool.MouseMove(dc, client, 500, 100);
    lines = dc.RecordsOf(TCanvasRecord::Polyline);
    ASSERT_EQ(lines.size(), 6u);
    EXPECT_EQ(lines[2].points, lines[0].points);
    EXPECT_EQ(lines[3].points, lines[1].points);
    EXPECT_EQ(lines[4].points, (std::vector<TPoint>{{500, 0}, {500, 500}}));
    EXPECT_EQ(lines[5].points, (std::vector<TPoint>{{500, 700}, {500, 20000}}));
    EXPECT_EQ(objects().count(), 4);

    // The horizontal guide; other codes draw nothing.
    dc.Clear();
    tool.markerCode = 2;
    tool.DrawMarker(dc, 2);
    tool.DrawMarker(dc, 3);
    lines = dc.RecordsOf(TCanvasRecord::Polyline);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].points, (std::vector<TPoint>{{0, 600}, {400, 600}}));
    EXPECT_EQ(lines[1].points, (std::vector<TPoint>{{600, 600}, {30000, 600}}));
}

}  // namespace
