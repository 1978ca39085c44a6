// Points at the ends of the int32 range, as a far view origin or a typed length can make them: the
// tools hold every model point inside the range and never wrap it, and take no point the drawing
// file cannot store, nor a circle, move or turn that would carry a point there.
#include "tests/tools/selectionfixture.h"

#include "model/lineobj.h"
#include "model/settingsrecords.h"
#include "tools/arcobjtool.h"
#include "tools/circleobjtool.h"
#include "tools/lineobjtool.h"
#include "tools/rectangleobjtool.h"
#include "tools/textobjtool.h"

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

// ---------------------------------------------------------------------------------------------
// Points derived from an accepted one: a circle's or an arc's box, a moved or turned selection, a
// typed text's next line, a line's label. A change that would put any of them beyond what the
// drawing file can store is refused whole. At the range's top the file itself cannot tell: the
// offset from the sheet centre of a point held there still fits.

namespace {

constexpr int32_t TOP = std::numeric_limits<int32_t>::max();

class ExtremeChanges : public SelectionTest {
protected:
    std::string Dump()
    {
        std::string all;
        for (const auto& object : objects().Items())
            object->DumpFields(all);
        return all;
    }
    // Device point of a model point (multiples of 5) however far out.
    static TPoint Far(std::int64_t x, std::int64_t y) { return {int(x / 5), int(700 - y / 5)}; }
};

TEST_F(ExtremeChanges, ACircleWhoseBoxWouldPassTheRangeIsRefused)
{
    const std::string told = "POINT OUT OF RANGE: This point lies too far outside the sheet for the drawing file to"
                             " hold it - it has not been taken";
    TCircleobjtool tool;
    tool.kind = KIND_CIRCLE;
    Attach(tool);
    // Centred 31,997 below the range's top: a radius of 31,998 reaches past it.
    const TPoint centre = Far(TOP - 31997, 2000);
    tool.libraryFlag = 31998;
    Key(tool, VK_ENTER, centre);
    EXPECT_EQ(objects().count(), 4);
    EXPECT_EQ(window.messages, std::vector<std::string>{told});
    EXPECT_EQ(tool.libraryFlag, 0);
    tool.libraryFlag = 31997;
    Key(tool, VK_ENTER, centre);
    ASSERT_EQ(objects().count(), 5);
    EXPECT_EQ(objects()[4]->x2, TOP);
    EXPECT_EQ(ReadBack()[4]->x2, TOP);

    // Dragged left of a centre near the top, the box reaches as far right of it. The band stops
    // at the last box the file holds, and a release beyond it draws nothing.
    const TPoint dragCentre = Far(TOP - 1002, 2000);
    tool.LButtonDown(dc, client, dragCentre.x, dragCentre.y);
    tool.MouseMove(dc, client, dragCentre.x - 200, dragCentre.y);
    EXPECT_EQ(tool.x1, TOP - 2);
    tool.MouseMove(dc, client, dragCentre.x - 201, dragCentre.y);
    EXPECT_EQ(tool.x1, TOP - 2);
    TPoint release{dragCentre.x - 201, dragCentre.y};
    tool.LButtonUp(dc, client, release);
    EXPECT_EQ(objects().count(), 5);
    EXPECT_EQ(window.messages.size(), 2u);
}

TEST_F(ExtremeChanges, AMoveOrTurnThatWouldCarryAPointPastTheRangeIsRefusedWhole)
{
    const std::string moveTold = "POINT OUT OF RANGE: This move would carry the selection too far outside the sheet"
                                 " for the drawing file to hold it - it has not been moved";
    const std::string turnTold = "POINT OUT OF RANGE: This turn would carry the selection too far outside the sheet"
                                 " for the drawing file to hold it - it has not been turned";
    AddLine(2000, 2000, 3002, 2000);
    AddLine(2000, 3000, 2500, 3000);
    TMoveobjtool tool;
    Drag(tool, {1000, 1000}, {6000, 6000});
    Click(tool, {2000, 2000});
    const std::string before = Dump();
    // The first line's end would land 5 beyond the range's top: neither line moves.
    const TPoint beyond = Far(TOP - 997, 2000);
    tool.LButtonDown(dc, client, beyond.x, beyond.y);
    EXPECT_EQ(Dump(), before);
    EXPECT_EQ(window.messages, std::vector<std::string>{moveTold});
    EXPECT_EQ(tool.currentX, 2000);

    // 10 nearer, both move; the arrow keys move on while the end stays in the range.
    const std::int32_t reference = TOP - 1007;
    const TPoint in = Far(reference, 2000);
    tool.LButtonDown(dc, client, in.x, in.y);
    EXPECT_EQ(objects()[4]->x2, TOP - 5);
    EXPECT_EQ(objects()[5]->x1, reference);
    Key(tool, VK_RIGHT, window.cursor);
    EXPECT_EQ(objects()[4]->x2, TOP);
    Key(tool, VK_RIGHT, window.cursor);
    EXPECT_EQ(objects()[4]->x2, TOP);
    EXPECT_EQ(window.messages.size(), 2u);
    Key(tool, VK_LEFT, window.cursor);
    EXPECT_EQ(objects()[4]->x2, TOP - 5);

    // About (reference, 4000) a quarter turn anticlockwise swings the first line's start 2000 to
    // the right, past the top: nothing turns. Clockwise everything stays in.
    const std::string moved = Dump();
    RightClick(tool, {reference, 4000}, 270);
    EXPECT_EQ(Dump(), moved);
    EXPECT_EQ(window.messages.size(), 3u);
    EXPECT_EQ(window.messages.back(), turnTold);
    RightClick(tool, {reference, 4000}, 90);
    EXPECT_EQ(objects()[4]->x1, reference - 2000);
    EXPECT_EQ(objects()[4]->y1, 4000);
    EXPECT_EQ(window.messages.size(), 3u);
}

TEST_F(ExtremeChanges, FiguresWithADerivedPointPastTheRangesTopAreRefusedWhole)
{
    const std::string told = "POINT OUT OF RANGE: This point lies too far outside the sheet for the drawing file to"
                             " hold it - it has not been taken";
    const std::string before = Dump();

    // An arc on a level chord at y 2147470000: a height of 30000 puts its box's top past the range.
    TArcobjtool arc;
    arc.kind = KIND_ARC;
    Attach(arc);
    const std::int32_t chordY = 2147470000;
    Key(arc, VK_ENTER, Far(1000, chordY));
    Key(arc, VK_ENTER, Far(3000, chordY), 30000);
    EXPECT_EQ(Dump(), before);
    EXPECT_EQ(window.messages, std::vector<std::string>{told});
    Key(arc, VK_ENTER, Far(1000, chordY));
    Key(arc, VK_ENTER, Far(3000, chordY), TOP - 2 - chordY);
    ASSERT_EQ(objects().count(), 5);
    EXPECT_EQ(objects()[4]->y2, TOP - 2);
    EXPECT_EQ(ReadBack()[4]->y2, TOP - 2);
    EXPECT_EQ(window.messages.size(), 1u);

    // Upright typed text steps right by a line (250) for its next line: from 100 below the top
    // the next line does not start, and the text already typed is kept.
    TTextobjtool text;
    text.kind = KIND_TYPED_TEXT;
    text.escapement() = 2700;
    Attach(text);
    const TPoint typedAt = Far(TOP - 102, 3000);
    text.LButtonDown(dc, client, typedAt.x, typedAt.y);
    text.Char(dc, client, 'U');
    text.Char(dc, client, CHAR_ENTER);
    text.StartNextLine(dc, client);
    EXPECT_EQ(text.x1, TOP - 102);
    EXPECT_EQ(window.messages.size(), 2u);
    EXPECT_EQ(window.messages.back(), told);
    ASSERT_EQ(objects().count(), 6);
    EXPECT_EQ(ReadBack().size(), 6u);

    // Line + Text: a level line 2 below the top has its label 56 above it. Neither the line nor
    // the label is stored, and the tool holds nothing more.
    TLineTextSettings label;
    label.side = 1;
    label.text = "FENCE";
    ASSERT_TRUE(WriteLineTextSettings(label));
    TLineobjtool line;
    line.kind = KIND_LINE;
    line.step = STEP_LINETEXT_READY;
    Attach(line);
    const std::string six = Dump();
    auto drag = [&](std::int32_t y) {
        const TPoint start = Far(1000, y), end = Far(3000, y);
        line.LButtonDown(dc, client, start.x, start.y);
        line.MouseMove(dc, client, end.x, end.y);
        TPoint release = end;
        line.LButtonUp(dc, client, release);
        ASSERT_TRUE(line.HoldsFigure());
        line.ObjectsAdded(dc, client, 0, 0);
    };
    drag(TOP - 2);
    EXPECT_EQ(Dump(), six);
    EXPECT_EQ(ReadBack().size(), 6u);
    EXPECT_FALSE(line.HoldsFigure());
    EXPECT_TRUE(line.heldNotStored);
    EXPECT_EQ(window.messages.size(), 3u);
    EXPECT_EQ(window.messages.back(), told);
    // 60 lower, both are stored, the label 1 below the top.
    line.heldNotStored = false;
    line.step = STEP_LINETEXT_READY;
    drag(TOP - 57);
    ASSERT_EQ(objects().count(), 8);
    EXPECT_EQ(objects()[7]->y1, TOP - 1);
    EXPECT_EQ(ReadBack().size(), 8u);
    EXPECT_EQ(window.messages.size(), 3u);
}

}  // namespace
