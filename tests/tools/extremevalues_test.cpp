// Points at the ends of the int32 range, as a far view origin or a typed length can make them: the
// tools hold every model point inside the range and never wrap it, and take no point the drawing
// file cannot store.
#include "tests/tools/toolfixture.h"

#include "model/lineobj.h"
#include "tools/lineobjtool.h"
#include "tools/rectangleobjtool.h"

#include <limits>

namespace {

constexpr int32_t LOWEST = std::numeric_limits<int32_t>::min();
constexpr int32_t HIGHEST = std::numeric_limits<int32_t>::max();

class ExtremePoints : public ToolTest {
protected:
    ExtremePoints()
    {
        tool.kind = KIND_LINE;
        Attach(tool);
    }
    TLineobjtool tool;
};

TEST_F(ExtremePoints, AClickBeyondTheRangeInAFarViewIsHeldAtItsEnd)
{
    // Logical x 1,000,000,010 is model x 5,000,000,050.
    state().viewOrgX = 1000000000;
    state().viewOrgY = -1000000000;
    tool.LButtonDown(dc, client, 10, 690);
    EXPECT_EQ(tool.x1, HIGHEST);
    EXPECT_EQ(tool.y1, LOWEST);
}

TEST_F(ExtremePoints, ATypedEndTheDrawingFileCannotHoldIsRefusedAndTheUserTold)
{
    // The metric file is written about the sheet centre (30000, 21000): it holds x up to the
    // range's top and y down to 21000 above its bottom.
    const std::string told = "POINT OUT OF RANGE: This point lies too far outside the sheet for the drawing file to"
                             " hold it - it has not been taken";
    Key(tool, VK_ENTER, Device(1000, 1500));
    tool.x1 = HIGHEST - 10;  // a start marked at the far right
    Key(tool, VK_RIGHT, Device(1000, 1500), 4000);
    EXPECT_EQ(objects().count(), 4);
    ASSERT_EQ(window.messages.size(), 1u);
    EXPECT_EQ(window.messages[0], told);
    // The start stays: the length that reaches the range's top is drawn, and stored exactly.
    Key(tool, VK_RIGHT, Device(1000, 1500), 10);
    ASSERT_EQ(objects().count(), 5);
    EXPECT_EQ(objects()[4]->x2, HIGHEST);
    EXPECT_EQ(ReadBack()[4]->x2, HIGHEST);

    Key(tool, VK_ENTER, Device(1000, 1500));
    tool.y1 = LOWEST + 21005;
    Key(tool, VK_DOWN, Device(1000, 1500), 6);
    EXPECT_EQ(objects().count(), 5);
    EXPECT_EQ(window.messages.size(), 2u);
    Key(tool, VK_DOWN, Device(1000, 1500), 5);
    ASSERT_EQ(objects().count(), 6);
    EXPECT_EQ(objects()[5]->y2, LOWEST + 21000);
    EXPECT_EQ(window.messages.size(), 2u);

    // A rectangle's side whose far corner the file cannot hold is not set.
    TRectangleobjtool rectangle;
    rectangle.kind = KIND_RECTANGLE;
    Attach(rectangle);
    Key(rectangle, VK_ENTER, Device(1000, 1500));
    rectangle.x1 = LOWEST + 30100;
    Key(rectangle, VK_LEFT, Device(1000, 1500), 101);
    Key(rectangle, VK_UP, Device(1000, 1500), 500);
    EXPECT_EQ(objects().count(), 6);
    EXPECT_EQ(window.messages.size(), 3u);
    Key(rectangle, VK_LEFT, Device(1000, 1500), 100);
    ASSERT_EQ(objects().count(), 7);
    EXPECT_EQ(objects()[6]->x2, LOWEST + 30000);
    EXPECT_EQ(ReadBack()[6]->x2, LOWEST + 30000);
}

TEST_F(ExtremePoints, CentreFindsTheMiddleOfMarksAtOppositeEndsOfTheRange)
{
    // One model unit per logical unit and per pixel, the view at the far right of the range.
    state().unitsPerLogical = 1;
    state().viewExtX = 1000;
    state().viewExtY = 700;
    state().viewOrgX = HIGHEST - 1000;
    tool.savedStep = STEP_READY;
    tool.step = STEP_CENTRE_FIRST;
    tool.LButtonDown(dc, client, 500, 350);
    ASSERT_EQ(tool.step, STEP_CENTRE_SECOND);
    tool.x2 = LOWEST + 1;  // the first mark at the far left
    tool.LButtonDown(dc, client, 999, 350);
    // Halfway between -2147483647 and 2147483646, rounded toward the smaller.
    EXPECT_EQ(tool.x1, -1);
    EXPECT_EQ(tool.step, STEP_READY);
}

}  // namespace
