// Multilines: the first line by ENTER and the band, then the last line at the cursor and the
// ones between, evenly spaced.
#include "tests/tools/toolfixture.h"

#include "model/lineobj.h"
#include "tools/lineobjtool.h"

namespace {

class Multiline : public ToolTest {
protected:
    Multiline()
    {
        tool.kind = KIND_LINE;
        tool.step = STEP_MULTILINE_START;
        Attach(tool);
    }
    // Draws the first line from start to end as the user does: ENTER, move, ENTER.
    void FirstLine(int x1, int y1, int x2, int y2)
    {
        Key(tool, VK_ENTER, Device(x1, y1));
        EXPECT_EQ(tool.step, STEP_MULTILINE_FIRST);
        EXPECT_EQ(tool.active, 1);
        const TPoint end = Device(x2, y2);
        tool.MouseMove(dc, client, end.x, end.y);
        Key(tool, VK_ENTER, end);
        EXPECT_EQ(tool.step, STEP_MULTILINE_LAST);
        EXPECT_EQ(tool.active, 0);
        EXPECT_EQ(tool.lineDrawn, 0);
    }
    // The line at index i as (x1, y1, x2, y2).
    std::vector<int> Line(int i)
    {
        const TObject& o = *objects()[i];
        return {o.x1, o.y1, o.x2, o.y2};
    }
    TLineobjtool tool;
};

TEST_F(Multiline, ThreeLinesGiveTheFirstTheLastAndOneHalfwayBetween)
{
    tool.libraryFlag = 3;
    // The first line is held until the last Enter: the multiline is one change of the drawing.
    const int edits = objects().EditCount();
    FirstLine(1000, 1000, 5000, 1000);
    EXPECT_EQ(objects().count(), 4);
    EXPECT_TRUE(tool.HoldsFigure());

    // The cursor at the first end point of the last line, 2000 higher: stacked vertically.
    Key(tool, VK_ENTER, Device(1000, 3000));
    EXPECT_EQ(objects().EditCount(), edits + 1);
    ASSERT_EQ(objects().count(), 7);
    EXPECT_EQ(Line(4), (std::vector<int>{1000, 1000, 5000, 1000}));
    EXPECT_EQ(Line(5), (std::vector<int>{1000, 3000, 5000, 3000}));
    EXPECT_EQ(Line(6), (std::vector<int>{1000, 2000, 5000, 2000}));
    EXPECT_EQ(tool.step, 0);
    EXPECT_EQ(ReadBack().size(), 7u);
}

TEST_F(Multiline, SideBySideLinesAreSpacedAcross)
{
    tool.libraryFlag = 4;
    FirstLine(1000, 1000, 1000, 4000);
    Key(tool, VK_ENTER, Device(2500, 1000));
    ASSERT_EQ(objects().count(), 8);
    EXPECT_EQ(Line(5), (std::vector<int>{2500, 1000, 2500, 4000}));
    EXPECT_EQ(Line(6), (std::vector<int>{2000, 1000, 2000, 4000}));
    EXPECT_EQ(Line(7), (std::vector<int>{1500, 1000, 1500, 4000}));
}

TEST_F(Multiline, ACountBelowTwoDrawsOnlyTheFirstLine)
{
    for (int count : {1, 0, -3}) {
        tool.step = STEP_MULTILINE_START;
        tool.libraryFlag = count;
        const int before = objects().count();
        FirstLine(1000, 1000, 5000, 1000);
        Key(tool, VK_ENTER, Device(1000, 3000));
        EXPECT_EQ(objects().count(), before + 1) << count;
        EXPECT_EQ(tool.step, 0) << count;
    }
}

TEST_F(Multiline, AnEnterThatDrawsNoFirstLineKeepsWaitingForIt)
{
    tool.libraryFlag = 3;
    Key(tool, VK_ENTER, Device(1000, 1000));
    // ENTER again without moving the cursor: nothing is drawn and the multiline still waits for
    // its first line, instead of taking some older object for it.
    Key(tool, VK_ENTER, Device(1000, 1000));
    EXPECT_EQ(objects().count(), 4);
    EXPECT_EQ(tool.step, STEP_MULTILINE_FIRST);
    const TPoint end = Device(5000, 1000);
    tool.MouseMove(dc, client, end.x, end.y);
    Key(tool, VK_ENTER, end);
    EXPECT_EQ(tool.step, STEP_MULTILINE_LAST);
    Key(tool, VK_ENTER, Device(1000, 3000));
    ASSERT_EQ(objects().count(), 7);
    EXPECT_EQ(Line(4), (std::vector<int>{1000, 1000, 5000, 1000}));
    EXPECT_EQ(Line(6), (std::vector<int>{1000, 2000, 5000, 2000}));
}

TEST_F(Multiline, TheFirstLineEndsWithAnArrowAndTypedLength)
{
    tool.libraryFlag = 3;
    Key(tool, VK_ENTER, Device(1000, 1000));
    Key(tool, VK_RIGHT, Device(1000, 1000), 3000);
    EXPECT_EQ(tool.step, STEP_MULTILINE_LAST);
    Key(tool, VK_ENTER, Device(1000, 3000));
    ASSERT_EQ(objects().count(), 7);
    EXPECT_EQ(Line(4), (std::vector<int>{1000, 1000, 4000, 1000}));
    EXPECT_EQ(objects()[4]->groupId, 3000);
}

TEST_F(Multiline, ALineTheDrawingFileCannotHoldRefusesTheMultilineWhole)
{
    // Two million model units a logical unit: device x 100 is model 200 000 000.
    state().unitsPerLogical = 2000000;
    tool.libraryFlag = 3;
    Key(tool, VK_ENTER, {100, 350});
    const TPoint end{900, 350};
    tool.MouseMove(dc, client, end.x, end.y);
    Key(tool, VK_ENTER, end);
    ASSERT_EQ(tool.step, STEP_MULTILINE_LAST);
    // The last line would start at x 1 200 000 000 and end beyond the int32 range: told once,
    // nothing written and nothing kept, the first line neither.
    Key(tool, VK_ENTER, {600, 350});
    ASSERT_EQ(window.messages.size(), 1u);
    EXPECT_EQ(window.messages[0].rfind("POINT OUT OF RANGE", 0), 0u) << window.messages[0];
    EXPECT_EQ(objects().count(), 4);
    EXPECT_EQ(ReadBack().size(), 4u);
    EXPECT_FALSE(tool.HoldsFigure());
    EXPECT_TRUE(tool.heldNotStored) << "the window repaints the first line away";
    EXPECT_EQ(tool.step, STEP_READY);
}

}  // namespace
