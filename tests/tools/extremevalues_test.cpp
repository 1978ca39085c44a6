// Points at the ends of the int32 range, as a far view origin or a typed length can make them: the
// tools hold every model point inside the range and never wrap it.
#include "tests/tools/toolfixture.h"

#include "model/lineobj.h"
#include "tools/lineobjtool.h"

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

TEST_F(ExtremePoints, ATypedSegmentEndsAtTheRangesEnd)
{
    Key(tool, VK_ENTER, Device(1000, 1500));
    tool.x1 = HIGHEST - 10;  // a start marked at the far right
    Key(tool, VK_RIGHT, Device(1000, 1500), 4000);
    ASSERT_EQ(objects().count(), 5);
    EXPECT_EQ(objects()[4]->x1, HIGHEST - 10);
    EXPECT_EQ(objects()[4]->x2, HIGHEST);
    EXPECT_EQ(objects()[4]->groupId, 4000);
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
