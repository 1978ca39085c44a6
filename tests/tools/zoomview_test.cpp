// Zoom/Zoom UP: the rectangle dragged becomes the view, widened to the client's proportions.
#include "tests/tools/selectionfixture.h"

#include "tools/zoomview.h"

namespace {

using ZoomView = SelectionTest;

TEST_F(ZoomView, AWideRectangleGrowsInHeight)
{
    state().viewExtX = 1200;
    state().unitsPerLogicalF = 5.0;
    ASSERT_TRUE(ZoomViewToRectangle({400, 300}, {100, 200}, {0, 0, 600, 300}));
    EXPECT_EQ(state().viewExtX, 300);
    EXPECT_EQ(state().viewExtY, 150);
    EXPECT_EQ(state().viewOrgX, 100);
    EXPECT_EQ(state().viewOrgY, 200);
    EXPECT_DOUBLE_EQ(state().unitsPerLogicalF, 1.25);
}

TEST_F(ZoomView, ATallRectangleGrowsInWidth)
{
    state().viewExtX = 1200;
    ASSERT_TRUE(ZoomViewToRectangle({100, 200}, {200, 500}, {0, 0, 600, 300}));
    EXPECT_EQ(state().viewExtX, 600);
    EXPECT_EQ(state().viewExtY, 300);
    EXPECT_EQ(state().viewOrgX, 100);
    EXPECT_EQ(state().viewOrgY, 200);
    EXPECT_DOUBLE_EQ(state().unitsPerLogicalF, 2.5);
}

TEST_F(ZoomView, ARectangleWithoutAreaChangesNothing)
{
    state().viewExtX = 1000;
    state().viewExtY = 700;
    state().viewOrgX = 20;
    EXPECT_FALSE(ZoomViewToRectangle({100, 200}, {100, 200}, {0, 0, 1000, 700}));
    // A drag of one unit leaves no height to show.
    EXPECT_FALSE(ZoomViewToRectangle({100, 200}, {101, 200}, {0, 0, 1000, 700}));
    EXPECT_FALSE(ZoomViewToRectangle({100, 200}, {300, 400}, {0, 0, 1000, 0}));
    EXPECT_EQ(state().viewExtX, 1000);
    EXPECT_EQ(state().viewExtY, 700);
    EXPECT_EQ(state().viewOrgX, 20);
    EXPECT_DOUBLE_EQ(state().unitsPerLogicalF, 5.0);
}

TEST_F(ZoomView, TheMoveToolZoomsOnReleaseInItsZoomSteps)
{
    TMoveobjtool tool;
    tool.step = STEP_ZOOM_START;
    Drag(tool, {1000, 1000}, {2500, 2000});
    // 300 x 200 logical units in 1000 x 700 pixels: the width decides.
    EXPECT_TRUE(tool.ViewZoomed());
    EXPECT_EQ(state().viewOrgX, 200);
    EXPECT_EQ(state().viewOrgY, 200);
    EXPECT_EQ(state().viewExtX, 300);
    EXPECT_EQ(state().viewExtY, 210);
    EXPECT_DOUBLE_EQ(state().unitsPerLogicalF, 1.5);
    EXPECT_EQ(tool.step, STEP_ZOOM_START);
    // A zoom selects nothing and leaves the selection list alone.
    EXPECT_EQ(tool.selectionCount(), 0);
    EXPECT_FALSE(std::filesystem::exists(Cfg("TEMP.CFG")));
}

TEST_F(ZoomView, AClickWithoutADragLeavesTheView)
{
    TMoveobjtool tool;
    Attach(tool);
    tool.step = STEP_ZOOM_START;
    const TPoint at = Device(1000, 1000);
    tool.LButtonDown(dc, client, at.x, at.y);
    TPoint release = at;
    tool.LButtonUp(dc, client, release);
    EXPECT_FALSE(tool.ViewZoomed());
    EXPECT_EQ(state().viewExtX, 1000);
    EXPECT_EQ(state().viewOrgX, 0);
    EXPECT_TRUE(dc.RecordsOf(TCanvasRecord::Rectangle).empty());
}

}  // namespace
