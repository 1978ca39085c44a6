// The figure tools: arc, ellipse, circle, rectangle and rounded rectangle, from the keyboard and
// the mouse, with their feedback.
#include "tests/tools/toolfixture.h"

#include "model/arcobj.h"
#include "model/circleobj.h"
#include "model/ellipseobj.h"
#include "model/rectangleobj.h"
#include "model/rndrectobj.h"
#include "platform/qt/imagecanvas.h"
#include "tests/platform/pixelhelpers.h"
#include "tools/arcobjtool.h"
#include "tools/circleobjtool.h"
#include "tools/ellipseobjtool.h"
#include "tools/rectangleobjtool.h"
#include "tools/rndrectobjtool.h"

#include <QImage>

#include <limits>

namespace {

class Figures : public ToolTest {
protected:
    template <class Object>
    const Object& Last()
    {
        const auto* object = dynamic_cast<const Object*>(objects()[objects().count() - 1]);
        EXPECT_NE(object, nullptr);
        static const Object none;
        return object ? *object : none;
    }

    static void ExpectBox(const TObject& object, int x1, int y1, int x2, int y2)
    {
        EXPECT_EQ(object.x1, x1);
        EXPECT_EQ(object.y1, y1);
        EXPECT_EQ(object.x2, x2);
        EXPECT_EQ(object.y2, y2);
    }

    // An arc tool marks one end with ENTER, then the other with ENTER and a height.
    void Arc(TArcobjtool& tool, TPoint first, TPoint second, int height)
    {
        Key(tool, VK_ENTER, Device(first.x, first.y));
        Key(tool, VK_ENTER, Device(second.x, second.y), height);
    }
};

TEST_F(Figures, ArcOfPositiveHeightLiesAboveItsChord)
{
    TArcobjtool tool;
    tool.kind = KIND_ARC;
    Attach(tool);
    Key(tool, VK_ENTER, Device(1000, 1000));
    EXPECT_EQ(tool.arcState, 1);
    EXPECT_EQ(tool.arcEndX, 1000);
    EXPECT_EQ(tool.arcEndY, 1000);
    EXPECT_EQ(objects().count(), 4) << "the first end commits nothing";

    Key(tool, VK_ENTER, Device(3000, 1000), 500);
    ASSERT_EQ(objects().count(), 5);
    const auto& arc = Last<TArcobj>();
    ExpectBox(arc, 1000, 500, 3000, 1500);
    EXPECT_EQ(arc.arcStartX, 3000);
    EXPECT_EQ(arc.arcStartY, 1000);
    EXPECT_EQ(arc.arcEndX, 1000);
    EXPECT_EQ(arc.arcEndY, 1000);
    EXPECT_EQ(arc.colour, std::int32_t(MakeColour(0, 0, 255)));
    EXPECT_EQ(arc.penWidth, 2);

    // The marks are cleared for the next arc, and the arc is in the drawing file.
    EXPECT_EQ(tool.arcState, 0);
    EXPECT_EQ(tool.x1, 0);
    EXPECT_EQ(tool.arcEndX, 0);
    EXPECT_EQ(ReadBack().size(), 5u);
}

TEST_F(Figures, ArcOfNegativeHeightLiesBelowItsChord)
{
    TArcobjtool tool;
    tool.kind = KIND_ARC;
    Attach(tool);
    Arc(tool, {1000, 1000}, {3000, 1000}, -500);
    const auto& arc = Last<TArcobj>();
    ExpectBox(arc, 3000, 1500, 1000, 500);
    EXPECT_EQ(arc.arcStartX, 1000);
    EXPECT_EQ(arc.arcStartY, 1000);
    EXPECT_EQ(arc.arcEndX, 3000);
    EXPECT_EQ(arc.arcEndY, 1000);

    // Marked right to left, the ends are ordered the same way.
    Arc(tool, {3000, 1000}, {1000, 1000}, 500);
    const auto& reversed = Last<TArcobj>();
    ExpectBox(reversed, 1000, 500, 3000, 1500);
    EXPECT_EQ(reversed.arcStartX, 3000);
    EXPECT_EQ(reversed.arcEndX, 1000);
}

TEST_F(Figures, ArcOnAVerticalChordGoesLeftOrRight)
{
    TArcobjtool tool;
    tool.kind = KIND_ARC;
    Attach(tool);
    Arc(tool, {2000, 3000}, {2000, 1000}, 400);
    const auto& left = Last<TArcobj>();
    ExpectBox(left, 1600, 1000, 2400, 3000);
    EXPECT_EQ(left.arcStartX, 2000);
    EXPECT_EQ(left.arcStartY, 3000);
    EXPECT_EQ(left.arcEndY, 1000);

    Arc(tool, {2000, 1000}, {2000, 3000}, -400);
    const auto& right = Last<TArcobj>();
    ExpectBox(right, 2400, 3000, 1600, 1000);
    EXPECT_EQ(right.arcStartY, 1000);
    EXPECT_EQ(right.arcEndY, 3000);
}

TEST_F(Figures, ArcEndsNearlyLevelMakeALevelChord)
{
    TArcobjtool tool;
    tool.kind = KIND_ARC;
    Attach(tool);
    // 40 model units off: within the tool's 10 logical units (50 model units).
    Arc(tool, {1000, 1000}, {3000, 1040}, 500);
    const auto& arc = Last<TArcobj>();
    ExpectBox(arc, 1000, 500, 3000, 1500);
    EXPECT_EQ(arc.arcStartY, 1000);

    // 50 off in both axes is neither level nor plumb: the marks are cleared, nothing committed.
    Arc(tool, {1000, 1000}, {3000, 1050}, 500);
    EXPECT_EQ(objects().count(), 5);
    EXPECT_EQ(tool.arcState, 0);
    EXPECT_EQ(tool.arcEndX, 0);
}

TEST_F(Figures, ArcOfHeightZeroIsRefused)
{
    TArcobjtool tool;
    tool.kind = KIND_ARC;
    Attach(tool);
    Arc(tool, {1000, 1000}, {3000, 1000}, 0);
    EXPECT_EQ(objects().count(), 4);
    EXPECT_EQ(tool.arcState, 0);
    EXPECT_EQ(tool.arcStartX, 0);
}

TEST_F(Figures, AnArcWhoseHeightCarriesItPastTheFilesRangeIsNotKept)
{
    TArcobjtool tool;
    tool.kind = KIND_ARC;
    Attach(tool);
    const std::string before = ReadWholeFile(dir.path() / "DWGS" / "TEST.DB0");
    constexpr int lowest = std::numeric_limits<std::int32_t>::min();
    Arc(tool, {1000, 1000}, {3000, 1000}, lowest);
    // The file could not take the arc: the list holds what the file holds, the four records.
    EXPECT_EQ(objects().count(), 4);
    EXPECT_EQ(ReadWholeFile(dir.path() / "DWGS" / "TEST.DB0"), before);
}

TEST_F(Figures, ArcFeedbackIsTheArcOverItsBoxInLogicalUnits)
{
    TArctool tool;
    tool.x1 = 1000;
    tool.y1 = 500;
    tool.x2 = 3000;
    tool.y2 = 1500;
    tool.arcStartX = 3000;
    tool.arcStartY = 1000;
    tool.arcEndX = 1000;
    tool.arcEndY = 1000;
    tool.DrawFeedback(dc, 0);
    const auto arcs = dc.RecordsOf(TCanvasRecord::Arc);
    ASSERT_EQ(arcs.size(), 1u);
    EXPECT_EQ(arcs[0].box, (TRect{200, 100, 600, 300}));
    EXPECT_EQ(arcs[0].start, (TPoint{600, 200}));
    EXPECT_EQ(arcs[0].end, (TPoint{200, 200}));
}

TEST_F(Figures, CommittedArcIsDrawnOverItsChordOnTheScreen)
{
    // A white window: the arc of positive height shows above the chord's row, none below it.
    QImage image = PlainImage(1000, 700, 0xFFFFFF);
    TArcobjtool tool;
    tool.kind = KIND_ARC;
    Attach(tool);
    {
        ImageCanvas canvas(image);
        Key(tool, VK_ENTER, Device(1000, 1000));
        TPoint second = Device(3000, 1000);
        window.cursor = second;
        tool.KeyDown(canvas, client, VK_ENTER, second, 500);
        canvas.Flush();
    }
    ASSERT_EQ(objects().count(), 5);
    const int chordRow = Device(1000, 1000).y;
    int above = 0;
    int below = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if ((image.pixel(x, y) & 0xFFFFFF) != 0xFFFFFF) {
                if (y < chordRow - 1)
                    ++above;
                else if (y > chordRow + 1)
                    ++below;
            }
    EXPECT_GT(above, 100);
    EXPECT_EQ(below, 0);
}

TEST_F(Figures, CircleDraggedFromItsCentreTakesTheHorizontalDistance)
{
    TCircleobjtool tool;
    tool.kind = KIND_CIRCLE;
    Attach(tool);
    const TPoint centre = Device(1000, 1000);
    tool.LButtonDown(dc, client, centre.x, centre.y);
    EXPECT_EQ(tool.active, 1);
    EXPECT_EQ(tool.centreX, 1000);
    EXPECT_EQ(tool.centreY, 1000);

    const TPoint cursor = Device(700, 1400);
    tool.MouseMove(dc, client, cursor.x, cursor.y);
    EXPECT_EQ(tool.x1, 1300);
    EXPECT_EQ(tool.y1, 1300);
    EXPECT_EQ(tool.x2, 700);
    EXPECT_EQ(tool.y2, 700);
    const auto bands = dc.RecordsOf(TCanvasRecord::Ellipse);
    ASSERT_EQ(bands.size(), 1u) << "no band of no size is drawn or erased";
    EXPECT_EQ(bands[0].rop, RasterOp::Xor);
    EXPECT_EQ(bands[0].pen.style, PS_DOT);
    EXPECT_EQ(bands[0].brush.kind, BrushKind::Hollow);

    TPoint release = cursor;
    tool.LButtonUp(dc, client, release);
    ASSERT_EQ(objects().count(), 5);
    ExpectBox(Last<TCircleobj>(), 1300, 1300, 700, 700);
    EXPECT_EQ(tool.active, 0);
    EXPECT_EQ(tool.centreX, 0);
    EXPECT_EQ(tool.lineDrawn, 0);
}

TEST_F(Figures, CircleReleasedElsewhereErasesTheBandItDrew)
{
    TCircleobjtool tool;
    tool.kind = KIND_CIRCLE;
    Attach(tool);
    const TPoint centre = Device(2000, 2000);
    tool.LButtonDown(dc, client, centre.x, centre.y);
    const TPoint cursor = Device(2300, 2000);
    tool.MouseMove(dc, client, cursor.x, cursor.y);
    dc.Clear();
    TPoint release = Device(2500, 2100);
    tool.LButtonUp(dc, client, release);

    // The band erased is the one drawn at the last move; the circle takes the release point.
    const auto ellipses = dc.RecordsOf(TCanvasRecord::Ellipse);
    ASSERT_EQ(ellipses.size(), 2u);
    EXPECT_EQ(ellipses[0].rop, RasterOp::Xor);
    EXPECT_EQ(ellipses[0].box, (TRect{340, 340, 460, 460}));
    EXPECT_EQ(ellipses[1].rop, RasterOp::Copy);
    ExpectBox(Last<TCircleobj>(), 1500, 1500, 2500, 2500);
}

TEST_F(Figures, CircleBandsLeaveNoTraceWhereverTheButtonIsReleased)
{
    QImage image = PatternImage(1000, 700);
    QImage expected = image.copy();
    TCircleobjtool tool;
    tool.kind = KIND_CIRCLE;
    Attach(tool);
    {
        ImageCanvas canvas(image);
        tool.LButtonDown(canvas, client, 400, 300);
        for (TPoint p : {TPoint{430, 310}, TPoint{520, 250}, TPoint{380, 400}, TPoint{470, 320}})
            tool.MouseMove(canvas, client, p.x, p.y);
        TPoint release{450, 360};
        tool.LButtonUp(canvas, client, release);
        canvas.Flush();
    }
    ASSERT_EQ(objects().count(), 5);
    {
        ImageCanvas canvas(expected);
        objects()[4]->DrawMapped(canvas, client, 0);
        canvas.Flush();
    }
    EXPECT_TRUE(SamePixels(image, expected)) << CountDifferent(image, expected) << " pixels differ";
}

TEST_F(Figures, EllipseBandsLeaveNoTraceAndReleaseCommitsTheBox)
{
    QImage image = PatternImage(1000, 700);
    QImage expected = image.copy();
    TEllipseobjtool tool;
    tool.kind = KIND_ELLIPSE;
    Attach(tool);
    {
        ImageCanvas canvas(image);
        tool.LButtonDown(canvas, client, 300, 400);
        for (TPoint p : {TPoint{340, 380}, TPoint{500, 250}, TPoint{250, 500}, TPoint{420, 330}})
            tool.MouseMove(canvas, client, p.x, p.y);
        TPoint release{420, 330};
        tool.LButtonUp(canvas, client, release);
        canvas.Flush();
    }
    ASSERT_EQ(objects().count(), 5);
    ExpectBox(Last<TEllipseobj>(), 1500, 1500, 2100, 1850);
    {
        ImageCanvas canvas(expected);
        objects()[4]->DrawMapped(canvas, client, 0);
        canvas.Flush();
    }
    EXPECT_TRUE(SamePixels(image, expected)) << CountDifferent(image, expected) << " pixels differ";

    // Released on its start: no ellipse, and no trace of the bands.
    QImage again = PatternImage(1000, 700);
    const QImage before = again.copy();
    {
        ImageCanvas canvas(again);
        tool.LButtonDown(canvas, client, 600, 200);
        for (TPoint p : {TPoint{650, 260}, TPoint{560, 150}})
            tool.MouseMove(canvas, client, p.x, p.y);
        TPoint release{600, 200};
        tool.LButtonUp(canvas, client, release);
        canvas.Flush();
    }
    EXPECT_EQ(objects().count(), 5);
    EXPECT_TRUE(SamePixels(again, before)) << CountDifferent(again, before) << " pixels differ";
}

TEST_F(Figures, EllipseFromTheKeyboardIsFlat)
{
    TEllipseobjtool tool;
    tool.kind = KIND_ELLIPSE;
    Attach(tool);
    Key(tool, VK_ENTER, Device(1000, 1000));
    Key(tool, VK_RIGHT, Device(1000, 1000), 500);
    ASSERT_EQ(objects().count(), 5);
    ExpectBox(Last<TEllipseobj>(), 1000, 1000, 1500, 1000);
    EXPECT_EQ(tool.lineDrawn, 0);
}

TEST_F(Figures, CircleFromTheKeyboardIsCentredOnTheCursor)
{
    TCircleobjtool tool;
    tool.kind = KIND_CIRCLE;
    Attach(tool);
    tool.libraryFlag = 300;
    Key(tool, VK_ENTER, Device(2000, 2000));
    ASSERT_EQ(objects().count(), 5);
    ExpectBox(Last<TCircleobj>(), 1700, 1700, 2300, 2300);
    EXPECT_EQ(tool.libraryFlag, 0) << "each radius places one circle";

    // Without a new radius the next ENTER gives a point, which is refused.
    Key(tool, VK_ENTER, Device(3000, 2000));
    EXPECT_EQ(objects().count(), 5);
}

TEST_F(Figures, RectangleTakesOneHorizontalAndOneVerticalLengthInEitherOrder)
{
    TRectangleobjtool tool;
    tool.kind = KIND_RECTANGLE;
    Attach(tool);
    Key(tool, VK_ENTER, Device(2000, 2000));
    EXPECT_EQ(window.cursor, Device(2000, 2000));
    Key(tool, VK_RIGHT, Device(2000, 2000), 500);
    EXPECT_EQ(objects().count(), 4);
    EXPECT_EQ(window.cursor, Device(2500, 2000)) << "the cursor goes to the corner reached";
    Key(tool, VK_UP, window.cursor, 300);
    ASSERT_EQ(objects().count(), 5);
    ExpectBox(Last<TRectangleobj>(), 2000, 2000, 2500, 2300);
    EXPECT_EQ(tool.x1, 0);
    EXPECT_EQ(tool.lineDrawn, 0);

    Key(tool, VK_ENTER, Device(2000, 2000));
    Key(tool, VK_UP, Device(2000, 2000), 300);
    EXPECT_EQ(window.cursor, Device(2000, 2300));
    Key(tool, VK_RIGHT, window.cursor, 500);
    ASSERT_EQ(objects().count(), 6);
    ExpectBox(Last<TRectangleobj>(), 2000, 2000, 2500, 2300);
}

TEST_F(Figures, RectangleSecondHorizontalLengthReplacesTheFirst)
{
    TRectangleobjtool tool;
    tool.kind = KIND_RECTANGLE;
    Attach(tool);
    Key(tool, VK_ENTER, Device(2000, 2000));
    Key(tool, VK_RIGHT, Device(2000, 2000), 500);
    Key(tool, VK_LEFT, window.cursor, 200);
    EXPECT_EQ(objects().count(), 4);
    Key(tool, VK_DOWN, window.cursor, 300);
    ExpectBox(Last<TRectangleobj>(), 2000, 2000, 1800, 1700);
}

TEST_F(Figures, RectangleCornerOnTheZeroLineStillCompletesIt)
{
    TRectangleobjtool tool;
    tool.kind = KIND_RECTANGLE;
    Attach(tool);
    Key(tool, VK_ENTER, Device(500, 2000));
    Key(tool, VK_LEFT, Device(500, 2000), 500);
    Key(tool, VK_UP, window.cursor, 300);
    ASSERT_EQ(objects().count(), 5);
    ExpectBox(Last<TRectangleobj>(), 500, 2000, 0, 2300);

    // A length of no size sets no side.
    Key(tool, VK_ENTER, Device(1000, 1000));
    Key(tool, VK_RIGHT, Device(1000, 1000), 0);
    Key(tool, VK_UP, Device(1000, 1000), 400);
    EXPECT_EQ(objects().count(), 5);
}

TEST_F(Figures, RoundedRectangleIsPreviewedWithItsCornersAndStoresItsRadius)
{
    TRndrectobjtool tool;
    tool.kind = KIND_RNDRECT;
    Attach(tool);
    tool.libraryFlag = 100;
    tool.x1 = 1000;
    tool.y1 = 1000;
    tool.x2 = 2000;
    tool.y2 = 1500;
    tool.DrawFeedback(dc, 0);
    const auto previews = dc.RecordsOf(TCanvasRecord::RoundRect);
    ASSERT_EQ(previews.size(), 1u);
    EXPECT_EQ(previews[0].corner, (TPoint{40, 40}));
    EXPECT_EQ(previews[0].box, (TRect{200, 200, 400, 300}));
    EXPECT_EQ(previews[0].brush.kind, BrushKind::Hollow);

    Key(tool, VK_ENTER, Device(1000, 1000));
    Key(tool, VK_RIGHT, Device(1000, 1000), 1000);
    Key(tool, VK_UP, window.cursor, 500);
    ASSERT_EQ(objects().count(), 5);
    const auto& rounded = Last<TRndrectobj>();
    ExpectBox(rounded, 1000, 1000, 2000, 1500);
    EXPECT_EQ(rounded.cornerRounding, 100);
}

TEST_F(Figures, AClickOnTheRectangleStartsItAgain)
{
    TRectangleobjtool tool;
    tool.kind = KIND_RECTANGLE;
    Attach(tool);
    Key(tool, VK_ENTER, Device(2000, 2000));
    tool.lineDrawn = 1;  // as the window sets it after ENTER
    Key(tool, VK_RIGHT, Device(2000, 2000), 500);
    const TPoint click = Device(1000, 1000);
    tool.LButtonDown(dc, client, click.x, click.y);
    EXPECT_EQ(tool.x1, 0);
    EXPECT_EQ(tool.active, 0);
    EXPECT_EQ(tool.lineDrawn, 0) << "arrows wait for a new corner";
    EXPECT_FALSE(tool.cornerXSet);
    EXPECT_EQ(objects().count(), 4);
}

}  // namespace
