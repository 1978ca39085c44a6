// Lengthening and shortening a picked line through the line tool's Setup: the end nearer the
// point moves along the line's axis, sloped lines stay, and the refusals change nothing.
#include "tests/tools/toolfixture.h"

#include "model/lineobj.h"
#include "tools/lineobjtool.h"

#include <array>

namespace {

using Ends = std::array<int, 4>;

class LineLength : public ToolTest {
protected:
    int AddLine(int x1, int y1, int x2, int y2)
    {
        auto line = std::make_unique<TLineobj>();
        line->floor = GROUND_FLOOR;
        line->x1 = x1;
        line->y1 = y1;
        line->x2 = x2;
        line->y2 = y2;
        line->z1 = 7;
        line->z2 = 9;
        objects().Add(std::move(line));
        return objects().count() - 1;
    }
    // The line tool the window installs for a picked line, its Setup called once.
    TLineobjtool& Edit(int index, int step, int distance, int px, int py)
    {
        tool = std::make_unique<TLineobjtool>();
        tool->kind = KIND_LINE;
        tool->objectIndex = index;
        tool->step = step;
        tool->Setup(distance, px, py);
        return *tool;
    }
    Ends EndsOf(int index)
    {
        const TObject& o = *objects()[index];
        return {o.x1, o.y1, o.x2, o.y2};
    }
    std::unique_ptr<TLineobjtool> tool;
};

TEST_F(LineLength, TheEndNearerThePointMovesOutwardOrInward)
{
    const int line = AddLine(1000, 2000, 4000, 2000);
    Edit(line, STEP_WALL_LENGTHEN, 500, 3500, 2000);
    EXPECT_EQ(EndsOf(line), (Ends{1000, 2000, 4500, 2000}));

    const int other = AddLine(1000, 2000, 4000, 2000);
    Edit(other, STEP_WALL_LENGTHEN, 500, 1200, 2000);
    EXPECT_EQ(EndsOf(other), (Ends{500, 2000, 4000, 2000}));

    const int vertical = AddLine(1000, 1000, 1000, 5000);
    Edit(vertical, STEP_WALL_SHORTEN, 500, 1000, 4900);
    EXPECT_EQ(EndsOf(vertical), (Ends{1000, 1000, 1000, 4500}));
    // Heights stay.
    EXPECT_EQ(objects()[vertical]->z1, 7);
    EXPECT_EQ(objects()[vertical]->z2, 9);
}

TEST_F(LineLength, ALineDrawnRightToLeftMovesTheEndItIsPickedNear)
{
    const int line = AddLine(4000, 2000, 1000, 2000);
    Edit(line, STEP_WALL_LENGTHEN, 500, 3900, 2000);
    EXPECT_EQ(EndsOf(line), (Ends{4500, 2000, 1000, 2000}));
    const int down = AddLine(3000, 5000, 3000, 1000);
    Edit(down, STEP_WALL_SHORTEN, 300, 3000, 1200);
    EXPECT_EQ(EndsOf(down), (Ends{3000, 5000, 3000, 1300}));
}

TEST_F(LineLength, AClickHalfWayMovesTheLowerEnd)
{
    const int across = AddLine(1000, 2000, 3000, 2000);
    Edit(across, STEP_WALL_LENGTHEN, 100, 2000, 2000);
    EXPECT_EQ(EndsOf(across), (Ends{900, 2000, 3000, 2000}));
    const int up = AddLine(1000, 3000, 1000, 1000);
    Edit(up, STEP_WALL_LENGTHEN, 100, 1000, 2000);
    EXPECT_EQ(EndsOf(up), (Ends{1000, 3000, 1000, 900}));
}

TEST_F(LineLength, SlopedLinesPointsAndOtherStepsStayAsTheyAre)
{
    const int sloped = AddLine(1000, 1000, 3000, 3000);
    const int point = AddLine(2000, 2000, 2000, 2000);
    const int line = AddLine(1000, 2000, 4000, 2000);
    Edit(sloped, STEP_WALL_LENGTHEN, 500, 2900, 2900);
    Edit(point, STEP_WALL_LENGTHEN, 500, 2000, 2000);
    for (int step : {0, 1, 4, 5, 6, 30})
        Edit(line, step, 500, 3900, 2000);
    Edit(objects().count(), STEP_WALL_LENGTHEN, 500, 3900, 2000);
    EXPECT_EQ(EndsOf(sloped), (Ends{1000, 1000, 3000, 3000}));
    EXPECT_EQ(EndsOf(point), (Ends{2000, 2000, 2000, 2000}));
    EXPECT_EQ(EndsOf(line), (Ends{1000, 2000, 4000, 2000}));
}

TEST_F(LineLength, AShorteningLeavesALengthOfAtLeast1)
{
    const int line = AddLine(1000, 2000, 4000, 2000);
    for (int distance : {3000, 3001, 32766}) {
        EXPECT_EQ(Edit(line, STEP_WALL_SHORTEN, distance, 3900, 2000).active, EDIT_REFUSED_TOO_SHORT) << distance;
        EXPECT_EQ(EndsOf(line), (Ends{1000, 2000, 4000, 2000}));
    }
    EXPECT_EQ(Edit(line, STEP_WALL_SHORTEN, 2999, 3900, 2000).active, 0);
    EXPECT_EQ(EndsOf(line), (Ends{1000, 2000, 1001, 2000}));
}

TEST_F(LineLength, DistancesOutside1To32766AreRefused)
{
    const int line = AddLine(1000, 2000, 4000, 2000);
    for (int distance : {0, -1, -500, 32767}) {
        EXPECT_EQ(Edit(line, STEP_WALL_LENGTHEN, distance, 3900, 2000).active, EDIT_REFUSED_DISTANCE) << distance;
        EXPECT_EQ(EndsOf(line), (Ends{1000, 2000, 4000, 2000}));
    }
    EXPECT_EQ(Edit(line, STEP_WALL_LENGTHEN, 32766, 3900, 2000).active, 0);
    EXPECT_EQ(EndsOf(line), (Ends{1000, 2000, 36766, 2000}));
    // An end that would leave the model's integer range.
    const int far = AddLine(1000, 2000, 2147480000, 2000);
    EXPECT_EQ(Edit(far, STEP_WALL_LENGTHEN, 32766, 2147470000, 2000).active, EDIT_REFUSED_DISTANCE);
    EXPECT_EQ(EndsOf(far), (Ends{1000, 2000, 2147480000, 2000}));
}

}  // namespace
