// The external-wall branches of keyboard line drawing: what reaches the commit of each wall.
#include "tests/tools/toolfixture.h"

#include "tools/lineobjtool.h"

#include <cmath>

namespace {

// Records what each commit is handed instead of building a wall.
class RecordingWallTool : public TLineobjtool {
public:
    struct Commit {
        int x1, y1, x2, y2, groupId, lineAux1, markerX, lineAux2;
    };
    void CreateObject(Canvas&, const TRect&) override
    {
        commits.push_back({x1, y1, x2, y2, groupId, lineAux1, markerX, lineAux2});
    }
    std::vector<Commit> commits;
};

class ExtwallKeys : public ToolTest {
protected:
    ExtwallKeys()
    {
        tool.kind = KIND_EXTWALL;
        Attach(tool);
    }
    // Marks the start of a chain.
    void Start(int x, int y) { Key(tool, VK_ENTER, Device(x, y)); }
    RecordingWallTool tool;
};

TEST_F(ExtwallKeys, TheFirstEnterMarksTheStartAndTheGuide)
{
    Start(1000, 2000);
    EXPECT_EQ(tool.lineDrawn, 1);
    EXPECT_EQ(tool.x1, 1000);
    EXPECT_EQ(tool.y1, 2000);
    EXPECT_EQ(tool.markerX, 200);
    EXPECT_EQ(tool.lineAux2, 400);
    EXPECT_EQ(State().keyEntryState, 2);
    EXPECT_EQ(tool.penWidth, 1);
    EXPECT_EQ(state().currentPenWidth, 1) << "external walls are drawn with the thin pen";
    EXPECT_TRUE(tool.commits.empty());
    EXPECT_TRUE(window.placed.empty());
}

TEST_F(ExtwallKeys, ArrowsChainWallsWithTheirDirectionAndLength)
{
    Start(1000, 2000);
    Key(tool, VK_RIGHT, Device(1000, 2000), 4000);
    Key(tool, VK_DOWN, Device(0, 0), 1500);  // the cursor is not read for arrows
    Key(tool, VK_LEFT, Device(0, 0), 4000);
    Key(tool, VK_UP, Device(0, 0), 1500);

    ASSERT_EQ(tool.commits.size(), 4u);
    const RecordingWallTool::Commit& right = tool.commits[0];
    EXPECT_EQ(right.x1, 1000);
    EXPECT_EQ(right.y1, 2000);
    EXPECT_EQ(right.x2, 5000);
    EXPECT_EQ(right.y2, 2000);
    EXPECT_EQ(right.groupId, 4000);
    EXPECT_EQ(right.lineAux1, 900);
    EXPECT_EQ(right.markerX, 1000);
    EXPECT_EQ(right.lineAux2, 400);

    // Each wall starts where the last ended.
    EXPECT_EQ(tool.commits[1].x1, 5000);
    EXPECT_EQ(tool.commits[1].y1, 2000);
    EXPECT_EQ(tool.commits[1].y2, 500);
    EXPECT_EQ(tool.commits[1].lineAux1, 1800);
    EXPECT_EQ(tool.commits[2].x2, 1000);
    EXPECT_EQ(tool.commits[2].lineAux1, 2700);
    EXPECT_EQ(tool.commits[3].y2, 2000);
    EXPECT_EQ(tool.commits[3].lineAux1, 0);
    EXPECT_EQ(tool.commits[3].groupId, 1500);

    // The cursor went back to the end of each wall.
    ASSERT_EQ(window.placed.size(), 4u);
    EXPECT_EQ(window.placed[0], Device(5000, 2000));
    EXPECT_EQ(window.placed[3], Device(1000, 2000));
    EXPECT_EQ(State().lastWallEndX, 1000);
    EXPECT_EQ(State().lastWallEndY, 2000);
    EXPECT_EQ(tool.markerState, 1);
    EXPECT_EQ(State().keyEntryState, 2);
}

TEST_F(ExtwallKeys, EnterNearlyVerticalBecomesVertical)
{
    Start(1000, 2000);
    // Ten logical units (50 model units) off vertical.
    Key(tool, VK_ENTER, Device(1050, 3000));
    ASSERT_EQ(tool.commits.size(), 1u);
    EXPECT_EQ(tool.commits[0].x2, 1000);
    EXPECT_EQ(tool.commits[0].y2, 3000);
    EXPECT_EQ(tool.commits[0].lineAux1, 0);
    EXPECT_EQ(tool.commits[0].groupId, 1000);
    EXPECT_EQ(tool.commits[0].markerX, 200);
    EXPECT_EQ(tool.commits[0].lineAux2, 600);
    // The next wall starts at the end, and the angle is not carried on.
    EXPECT_EQ(tool.x1, 1000);
    EXPECT_EQ(tool.y1, 3000);
    EXPECT_EQ(tool.lineAux1, 0);
    EXPECT_EQ(window.placed.back(), Device(1000, 3000));
}

TEST_F(ExtwallKeys, EnterNearlyHorizontalBecomesHorizontalGoingLeft)
{
    Start(3000, 2000);
    Key(tool, VK_ENTER, Device(1000, 1950));
    ASSERT_EQ(tool.commits.size(), 1u);
    EXPECT_EQ(tool.commits[0].y2, 2000);
    EXPECT_EQ(tool.commits[0].x2, 1000);
    EXPECT_EQ(tool.commits[0].lineAux1, 2700);
    EXPECT_EQ(tool.commits[0].groupId, 2000);
}

TEST_F(ExtwallKeys, ElevenUnitsOffStaysSlopedWithItsAngleInTenthsOfADegree)
{
    Start(1000, 2000);
    // 55 right, 1000 up: atan(0.055) = 3.1481 degrees, so 31 tenths; length 1001.5 truncated.
    Key(tool, VK_ENTER, Device(1055, 3000));
    ASSERT_EQ(tool.commits.size(), 1u);
    EXPECT_EQ(tool.commits[0].x2, 1055);
    EXPECT_EQ(tool.commits[0].y2, 3000);
    EXPECT_EQ(tool.commits[0].groupId, 1001);
    EXPECT_EQ(tool.commits[0].lineAux1, 31);
}

TEST_F(ExtwallKeys, SlopedAnglesInEachQuarterRoundHalfUp)
{
    // 600 across, 1000 along: atan(0.6) = 30.9638 degrees: 30964 thousandths, 310 tenths.
    struct Case {
        int endX, endY, angle;
    };
    const Case cases[] = {
        {2600, 3000, 310},          // right and up
        {2600, 1000, 1800 - 310},   // right and down
        {1400, 1000, 1800 + 310},   // left and down
        {1400, 3000, 3600 - 310},   // left and up
    };
    for (const Case& c : cases) {
        tool.commits.clear();
        tool.lineDrawn = 0;
        Start(2000, 2000);
        Key(tool, VK_ENTER, Device(c.endX, c.endY));
        ASSERT_EQ(tool.commits.size(), 1u);
        EXPECT_EQ(tool.commits[0].lineAux1, c.angle) << c.endX << "," << c.endY;
        EXPECT_EQ(tool.commits[0].groupId, int(std::sqrt(600.0 * 600.0 + 1000.0 * 1000.0)));
    }
}

TEST_F(ExtwallKeys, AHalfTenthRoundsUp)
{
    // 195 across, 100 up: 62.8503 degrees, 62850 thousandths, so 629 tenths.
    Start(2000, 2000);
    Key(tool, VK_ENTER, Device(2195, 2100));
    ASSERT_EQ(tool.commits.size(), 1u);
    EXPECT_EQ(tool.commits[0].lineAux1, 629);
    EXPECT_EQ(tool.commits[0].groupId, 219);
}

TEST_F(ExtwallKeys, ThePlainLineEnterDoesNotSnapOrMeasure)
{
    tool.kind = KIND_LINE;
    tool.step = STEP_MULTILINE_FIRST;
    tool.groupId = 77;
    State().keyEntryState = 2;
    tool.x1 = 1000;
    tool.y1 = 2000;
    Key(tool, VK_ENTER, Device(1050, 3000));
    ASSERT_EQ(tool.commits.size(), 1u);
    EXPECT_EQ(tool.commits[0].x2, 1050);
    EXPECT_EQ(tool.commits[0].groupId, 77);
    EXPECT_EQ(tool.commits[0].lineAux1, 0);
}

}  // namespace
