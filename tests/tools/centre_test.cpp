// CENTRE and CENTRE CENTRE: the cursor goes to the middle of two marks or of a rectangle.
#include "tests/tools/toolfixture.h"

#include "tools/lineobjtool.h"

namespace {

// One model unit per logical unit and one logical unit per pixel: device x is model x, device y
// is 1000 - model y.
class Centre : public ToolTest {
protected:
    Centre()
    {
        state().unitsPerLogical = 1;
        state().viewExtX = 2000;
        state().viewExtY = 1000;
        client = {0, 0, 2000, 1000};
        Attach(tool);
    }
    void Click(int modelX, int modelY) { tool.LButtonDown(dc, client, modelX, 1000 - modelY); }
    TLineobjtool tool;
};

TEST_F(Centre, TwoMarksPutTheCursorHalfwayRoundingDown)
{
    tool.step = 0;
    tool.savedStep = tool.step;
    tool.step = STEP_CENTRE_FIRST;
    tool.lineDrawn = 1;
    Click(1000, 2000 - 1500);
    EXPECT_EQ(tool.step, STEP_CENTRE_SECOND);
    EXPECT_EQ(tool.lineDrawn, 0);
    EXPECT_TRUE(window.placed.empty());

    Click(1501, 2000 - 1500);
    ASSERT_EQ(window.placed.size(), 1u);
    EXPECT_EQ(window.placed[0].x, 1250);
    EXPECT_EQ(window.placed[0].y, 1000 - 500);
    EXPECT_EQ(tool.x1, 1250);
    EXPECT_EQ(tool.y1, 500);
    EXPECT_EQ(tool.step, 0) << "back to the step CENTRE interrupted";
    EXPECT_EQ(objects().count(), 4) << "CENTRE draws nothing";
}

TEST_F(Centre, MarksInEitherOrderAndOnBothAxes)
{
    tool.savedStep = STEP_MULTILINE_FIRST;
    tool.step = STEP_CENTRE_FIRST;
    Click(1800, 900);
    Click(200, 101);
    ASSERT_EQ(window.placed.size(), 1u);
    EXPECT_EQ(tool.x1, 1000);
    EXPECT_EQ(tool.y1, 500);
    EXPECT_EQ(tool.step, STEP_MULTILINE_FIRST);
}

TEST_F(Centre, ClicksOnTheWindowEdgeAreIgnored)
{
    tool.step = STEP_CENTRE_FIRST;
    tool.lineDrawn = 1;
    tool.CentreStep(dc, client, 2, 500);
    tool.CentreStep(dc, client, 500, 2);
    EXPECT_EQ(tool.step, STEP_CENTRE_FIRST);
    EXPECT_EQ(tool.lineDrawn, 1);
    tool.CentreStep(dc, client, 3, 3);
    EXPECT_EQ(tool.step, STEP_CENTRE_SECOND);
}

TEST_F(Centre, SymbolPreviewToolsRedrawTheirPreviewAndGoToStepZero)
{
    tool.kind = 2000;
    tool.savedStep = 7;
    tool.step = STEP_CENTRE_FIRST;
    Click(1000, 500);
    EXPECT_EQ(tool.active, 1);
    Click(1200, 500);
    EXPECT_EQ(tool.step, 0);
    EXPECT_EQ(tool.active, 1);
    EXPECT_EQ(tool.x1, 1100);

    tool.kind = 80;
    tool.savedStep = 7;
    tool.step = STEP_CENTRE_FIRST;
    Click(1000, 500);
    Click(1200, 500);
    EXPECT_EQ(tool.step, STEP_CENTRE_SECOND) << "these tools stay in the second step";
}

TEST_F(Centre, CentreCentreFindsTheMiddleOfTheRectangle)
{
    tool.savedStep = 0;
    tool.step = STEP_CENTRECENTRE_FIRST;
    Click(400, 300);
    EXPECT_EQ(tool.step, STEP_CENTRECENTRE_SECOND);
    Click(1401, 300);
    EXPECT_EQ(tool.step, STEP_CENTRECENTRE_THIRD);
    EXPECT_TRUE(window.placed.empty());
    Click(1401, 901);
    ASSERT_EQ(window.placed.size(), 1u);
    // x from the first two corners, y from the second and the third.
    EXPECT_EQ(tool.x1, 900);
    EXPECT_EQ(tool.y1, 600);
    EXPECT_EQ(window.placed[0], (TPoint{900, 400}));
    EXPECT_EQ(tool.step, 0);
}

TEST_F(Centre, CentreCentreTriesEachPairInTurn)
{
    struct Case {
        int first, second, third, centre;
    };
    const Case cases[] = {
        {1400, 400, 400, 900},  // second corner left of the first
        {400, 405, 1406, 905},  // first two within the tolerance: second and third
        {1400, 1410, 411, 910}, // third left of the second; halves round down
        {400, 410, 419, 0},     // all three within the tolerance of 20
    };
    for (const Case& c : cases) {
        window.placed.clear();
        tool.step = STEP_CENTRECENTRE_FIRST;
        Click(c.first, 500);
        Click(c.second, 500);
        Click(c.third, 500);
        EXPECT_EQ(tool.x1, c.centre) << c.first << " " << c.second << " " << c.third;
        EXPECT_EQ(tool.y1, 0) << "all three at the same height";
    }
}

TEST_F(Centre, CentreCentreToleranceScalesWithTheView)
{
    state().unitsPerLogical = 5;
    tool.step = STEP_CENTRECENTRE_FIRST;
    // 90 model units apart: within 20 x 5.
    tool.LButtonDown(dc, client, 100, 500);
    tool.LButtonDown(dc, client, 118, 500);
    tool.LButtonDown(dc, client, 118, 500);
    EXPECT_EQ(tool.x1, 0);
}

}  // namespace
