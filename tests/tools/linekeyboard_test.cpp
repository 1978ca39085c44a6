// Keyboard line drawing: ENTER marks a point, an arrow key with a typed length commits a segment.
#include "tests/tools/toolfixture.h"

#include "model/lineobj.h"
#include "tools/lineobjtool.h"

namespace {

class LineKeyboard : public ToolTest {
protected:
    LineKeyboard()
    {
        tool.kind = KIND_LINE;
        tool.penWidth = state().currentPenWidth;
        Attach(tool);
    }
    const TLineobj& LastLine()
    {
        auto* line = dynamic_cast<TLineobj*>(objects()[objects().count() - 1]);
        EXPECT_NE(line, nullptr);
        return *line;
    }
    TLineobjtool tool;
};

TEST_F(LineKeyboard, RightFromAMarkedPointStoresTheTypedLength)
{
    Key(tool, VK_ENTER, Device(1000, 1500));
    EXPECT_EQ(tool.x1, 1000);
    EXPECT_EQ(tool.y1, 1500);
    EXPECT_EQ(objects().count(), 4);

    Key(tool, VK_RIGHT, Device(1000, 1500), 4000);
    ASSERT_EQ(objects().count(), 5);
    const TLineobj& line = LastLine();
    EXPECT_EQ(line.typeCode, 1);
    EXPECT_EQ(line.floor, GROUND_FLOOR);
    EXPECT_EQ(line.x1, 1000);
    EXPECT_EQ(line.y1, 1500);
    EXPECT_EQ(line.x2, 5000);
    EXPECT_EQ(line.y2, 1500);
    EXPECT_EQ(line.groupId, 4000);
    EXPECT_EQ(line.lineAux1, 0);
    EXPECT_EQ(line.lineAux2, 1500 / 5);
    EXPECT_EQ(line.penWidth, 2);
    EXPECT_EQ(line.colour, int32_t(MakeColour(0, 0, 255)));

    // The line is in the drawing file too.
    auto stored = ReadBack();
    ASSERT_EQ(stored.size(), 5u);
    auto* fromFile = dynamic_cast<TLineobj*>(stored[4].get());
    ASSERT_NE(fromFile, nullptr);
    EXPECT_EQ(fromFile->x1, 1000);
    EXPECT_EQ(fromFile->x2, 5000);
    EXPECT_EQ(fromFile->y2, 1500);
    EXPECT_EQ(fromFile->groupId, 4000);
    EXPECT_EQ(fromFile->lineAux1, 0);

    // The line is drawn at once, the cursor waits at its end and the next ENTER marks a new start.
    EXPECT_EQ(dc.Count(TCanvasRecord::Polyline), 1);
    ASSERT_FALSE(window.placed.empty());
    EXPECT_EQ(window.placed.back(), Device(5000, 1500));
    EXPECT_EQ(State().keyEntryState, 1);
    EXPECT_EQ(tool.lineDrawn, 1);
}

TEST_F(LineKeyboard, EachArrowGoesItsWay)
{
    struct Case {
        int key;
        int endX, endY;
    };
    const Case cases[] = {{VK_LEFT, 2000, 3000}, {VK_UP, 3000, 4000}, {VK_RIGHT, 4000, 3000}, {VK_DOWN, 3000, 2000}};
    for (const Case& c : cases) {
        Key(tool, VK_ENTER, Device(3000, 3000));
        Key(tool, c.key, Device(3000, 3000), 1000);
        const TLineobj& line = LastLine();
        EXPECT_EQ(line.x1, 3000) << c.key;
        EXPECT_EQ(line.y1, 3000) << c.key;
        EXPECT_EQ(line.x2, c.endX) << c.key;
        EXPECT_EQ(line.y2, c.endY) << c.key;
        EXPECT_EQ(line.lineAux1, 0) << "only external walls keep a direction";
    }
    EXPECT_EQ(objects().count(), 8);
}

TEST_F(LineKeyboard, StartJoinsTheEndOfTheLastObjectWithinALogicalUnit)
{
    Key(tool, VK_ENTER, Device(1000, 1000));
    Key(tool, VK_RIGHT, Device(1000, 1000), 2002);  // ends at (3002, 1000)
    // The next start is marked 5 to the right; 3002 lies within one logical unit (5) of 3005.
    Key(tool, VK_ENTER, Device(3005, 1000));
    Key(tool, VK_UP, Device(3005, 1000), 500);
    const TLineobj& line = LastLine();
    EXPECT_EQ(line.x1, 3002);
    EXPECT_EQ(line.y1, 1000);
    EXPECT_EQ(line.x2, 3002);
    EXPECT_EQ(line.y2, 1500);

    // The last end (3002, 1500) lies exactly one logical unit below 1505: not within, no join.
    Key(tool, VK_ENTER, Device(4000, 1505));
    Key(tool, VK_RIGHT, Device(4000, 1505), 500);
    EXPECT_EQ(LastLine().x1, 4000);
    EXPECT_EQ(LastLine().y1, 1505);
}

TEST_F(LineKeyboard, NoJoinWhileOnlyTheFloorRecordsExist)
{
    // The floor records sit at (0, 0); a start within a unit of them keeps its place.
    state().unitsPerLogical = 5;
    objects()[3]->x2 = 1002;
    objects()[3]->y2 = 1002;
    Key(tool, VK_ENTER, Device(1000, 1000));
    Key(tool, VK_RIGHT, Device(1000, 1000), 100);
    EXPECT_EQ(LastLine().x1, 1000);
    EXPECT_EQ(LastLine().y1, 1000);
}

TEST_F(LineKeyboard, TypedLengthsOutsideTheAcceptedRangeDrawNothing)
{
    Key(tool, VK_ENTER, Device(1000, 1000));
    for (int value : {0, -500, 32767, 1000000}) {
        Key(tool, VK_RIGHT, Device(1000, 1000), value);
        EXPECT_EQ(objects().count(), 4) << value;
        EXPECT_EQ(tool.x2, 0) << value;
    }
    // The start stays marked; an accepted length still draws from it.
    Key(tool, VK_RIGHT, Device(1000, 1000), 32766);
    ASSERT_EQ(objects().count(), 5);
    EXPECT_EQ(LastLine().x2, 1000 + 32766);
}

TEST_F(LineKeyboard, ALineWithTextKeepsItsEndAsTheNextStart)
{
    tool.step = STEP_LINETEXT_READY;
    Key(tool, VK_ENTER, Device(1000, 1000));
    EXPECT_EQ(tool.step, STEP_LINETEXT_DRAWING);
    Key(tool, VK_UP, Device(1000, 1000), 700);
    EXPECT_EQ(tool.x1, 1000);
    EXPECT_EQ(tool.y1, 1700);
    EXPECT_EQ(State().keyEntryState, 1);
}

}  // namespace
