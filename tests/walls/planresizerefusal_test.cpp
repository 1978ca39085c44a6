// Refused resizes of the floor plan (each with its reason, nothing moved), the resize through
// Setup (centred and written once), and the free space to the design rooms that a shrink proposes.
#include "tests/walls/planresizefixture.h"

#include <limits>
#include <string>
#include <vector>

namespace {

// ---------------------------------------------------------------------------------------------
// Refusals: each says why, and nothing moves.

TEST_F(PlanResize, ShrinkWithoutMeasuredExtentsIsRefusedWithTheReason)
{
    Outline(1000, 1000, 9000, 4000);
    const std::string before = Dump();
    // Dimensions shown but none drawn, on this floor or the one below.
    state().displayMode = 0;
    const std::string noDimensions = Shrink(RIGHT, 500, 4000, 2500);
    EXPECT_NE(noDimensions.find("run OTHER/AUTO DIMENSIONS first"), std::string::npos) << noDimensions;
    // Dimensions hidden: the walls are measured, and another floor has none.
    state().displayMode = 13;
    state().currentFloor = FIRST_FLOOR;
    EXPECT_EQ(Shrink(RIGHT, 500, 4000, 2500), "There are no external walls on this floor to measure the plan by");
    EXPECT_EQ(Dump(), before);
}

TEST_F(PlanResize, ShrinkIsRefusedWhenTheExtentsCannotBeWritten)
{
    Outline(1000, 1000, 9000, 4000);
    const std::string before = Dump();
    FailNextWrites(1, WriteStage::Rename);
    const std::string refusal = Shrink(RIGHT, 500, 4000, 2500);
    FailNextWrites(0);
    EXPECT_EQ(refusal.rfind("The settings file CFG/EXTENTS.CFG could not be written: ", 0), 0u) << refusal;
    EXPECT_EQ(Dump(), before);
}

TEST_F(PlanResize, ShrinkOutsideTheOutlineIsRefused)
{
    Outline(1000, 1000, 9000, 4000);
    const std::string before = Dump();
    const char* outside = "The guide line must lie inside the plan, with an external wall on each side of the cursor "
                          "(left, right, above and below)";
    EXPECT_EQ(Shrink(RIGHT, 500, 9500, 2500), outside);  // no wall to the right
    EXPECT_EQ(Shrink(UP, 500, 4000, 500), outside);      // none below
    EXPECT_EQ(Shrink(RIGHT, 500, 1000, 2500), outside);  // a wall on the point is on neither side
    EXPECT_EQ(Dump(), before);
}

TEST_F(PlanResize, ShrinkByTheWholeRoomIsRefusedForTheWallItWouldLeaveWithoutLength)
{
    // The cut is pulled back onto the left wall: the top and bottom walls would keep no length.
    Outline(1000, 1000, 5000, 4000);
    const std::string before = Dump();
    EXPECT_EQ(Shrink(RIGHT, 4000, 4700, 2500), "A wall crossing the guide line would be left with no length - shrink by less");
    EXPECT_EQ(Dump(), before);
    // One less leaves them 1 long.
    EXPECT_EQ(Shrink(RIGHT, 3999, 4700, 2500), "");
    EXPECT_EQ(WallAt(5).groupId, 1);
    EXPECT_EQ(WallAt(5).x2, 1001);
}

TEST_F(PlanResize, ShrinkIsRefusedByAStoredLengthThatWouldFallBelowOne)
{
    Outline(1000, 1000, 5000, 4000);
    WallAt(5).groupId = 1000;  // shorter than its ends say
    const std::string before = Dump();
    EXPECT_EQ(Shrink(RIGHT, 1000, 3000, 2500), "A wall crossing the guide line would be left with no length - shrink by less");
    EXPECT_EQ(Dump(), before);
}

TEST_F(PlanResize, APulledBackShrinkIsRefusedOnlyForAWallItWouldBreak)
{
    // The cursor 300 from the right wall of the 260 thick outline and a distance of 500: the cut is
    // pulled back to x 4500 and the right wall's inner face, x 4740, moves to 4240. Each internal
    // wall below meets that face from the left.
    const int inner = 4740;
    struct Case {
        int x1, y1, x2, y2, angle;
        const char* refusal;  // empty: carried out, the wall's end moved onto the face
    };
    const Case cases[] = {
        // Starting 1 before the face's new place: shortened to 1.
        {4239, 3000, inner, 3000, 900, ""},
        // Starting on it: nothing left.
        {4240, 3000, inner, 3000, 900, "A wall crossing the guide line would be left with no length - shrink by less"},
        // Starting between it and the cut: its end would land before its start.
        {4400, 3000, inner, 3000, 900, "A wall crossing the guide line would be turned round - shrink by less"},
        // Sloped, one end beyond the cut and one before it.
        {4000, 2000, inner, 2700, 466,
         "A sloped wall crosses the guide line or ends on it - place the guide line clear of sloped walls"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.x1);
        objects().CutBack(4);
        Outline(1000, 1000, 5000, 4000);
        ASSERT_EQ(LineOf(WallAt(6), 2)[0], inner);
        TIntwallobj& wall = AddInternalWall(c.x1, c.y1, c.x2, c.y2, c.angle, 100);
        const std::string before = Dump();
        EXPECT_EQ(Shrink(RIGHT, 500, 4700, 2500), c.refusal);
        if (*c.refusal) {
            EXPECT_EQ(Dump(), before);
        } else {
            EXPECT_EQ((std::array<int, 3>{wall.x1, wall.x2, LineOf(WallAt(6), 2)[0]}),
                      (std::array<int, 3>{c.x1, inner - 500, inner - 500}));
        }
    }

    // Near the lowest coordinate a drawing holds, a cut pulled back below it would carry the left
    // wall out of range. The top and bottom walls reach on past the right wall to x 9000, which the
    // extents need to count as measured.
    objects().CutBack(4);
    const int low = std::numeric_limits<std::int32_t>::min();
    AddWall(low + 50, 1000, low + 50, 4000, 0, 100);
    AddWall(low + 300, 4000, low + 300, 1000, 1800, 100);
    AddWall(low + 50, 4000, 9000, 4000, 900, 100);
    AddWall(9000, 1000, low + 50, 1000, 2700, 100);
    const std::string before = Dump();
    EXPECT_EQ(Shrink(RIGHT, 500, low + 100, 2500),
              "The plan would reach beyond the largest coordinates a drawing can hold");
    EXPECT_EQ(Dump(), before);
}

TEST_F(PlanResize, ASlopedWallCrossingTheCutOrEndingOnItIsRefusedBothWays)
{
    Outline(1000, 1000, 9000, 4000);
    TExtwallobj& sloped = AddWall(3000, 2000, 5000, 3000, 634, 200);
    sloped.groupId = 2236;
    const std::string before = Dump();
    const char* refusal = "A sloped wall crosses the guide line or ends on it - place the guide line clear of sloped walls";
    EXPECT_EQ(Enlarge(RIGHT, 500, 4000, 2500), refusal);
    EXPECT_EQ(Shrink(RIGHT, 500, 4000, 2500), refusal);
    EXPECT_EQ(Enlarge(RIGHT, 500, 3000, 2500), refusal);  // on the cut, the other end beyond
    EXPECT_EQ(Enlarge(UP, 500, 4000, 2500), refusal);
    EXPECT_EQ(Dump(), before);

    // Clear of the cut it moves whole, or stays.
    EXPECT_EQ(Enlarge(RIGHT, 500, 2000, 2500), "");
    EXPECT_EQ((std::array<int, 3>{sloped.x1, sloped.x2, sloped.groupId}), (std::array<int, 3>{3500, 5500, 2236}));
    EXPECT_EQ(Enlarge(LEFT, 500, 3500, 2500), "");  // its start on the cut, the end before it
    EXPECT_EQ(sloped.x1, 3500);
    EXPECT_EQ(sloped.x2, 5500);
}

TEST_F(PlanResize, ASlopedInternalWallCrossingTheCutIsRefused)
{
    auto wall = std::make_unique<TIntwallobj>();
    wall->x1 = 2000;
    wall->y1 = 1000;
    wall->x2 = 4000;
    wall->y2 = 3000;
    wall->angle = 450;
    Add(std::move(wall));
    EXPECT_NE(Enlarge(RIGHT, 500, 3000, 0), "");
    EXPECT_EQ(objects()[4]->x2, 4000);
}

TEST_F(PlanResize, AResizeThatWouldLeaveTheCoordinateRangeIsRefused)
{
    TLineobj& far = AddLine(3000, 0, std::numeric_limits<std::int32_t>::max() - 100, 0);
    EXPECT_EQ(Enlarge(RIGHT, 101, 2000, 0), "The plan would reach beyond the largest coordinates a drawing can hold");
    EXPECT_EQ(far.x1, 3000);
    EXPECT_EQ(Enlarge(RIGHT, 100, 2000, 0), "");
    EXPECT_EQ(far.x2, std::numeric_limits<std::int32_t>::max());
}

TEST_F(PlanResize, NoSideOrADistanceOutOfRangeIsRefused)
{
    TLineobj& line = AddLine(3500, 0, 3600, 0);
    for (int side : {0, 5, -1})
        EXPECT_EQ(Enlarge(side, 100, 3000, 0), "Press an ARROW key first to choose the direction of the change");
    for (int distance : {0, -5, 32767})
        EXPECT_EQ(Enlarge(RIGHT, distance, 3000, 0), "The distance must be a whole number from 1 to 32766");
    EXPECT_EQ(line.x1, 3500);
}

// ---------------------------------------------------------------------------------------------
// Through Setup: centred and written once, or nothing at all.

TEST_F(PlanResize, SetupCentresTheResizedPlanAndWritesItOnce)
{
    Outline(1000, 1000, 5000, 4000);
    state().sheetWidth = 2000;  // centre (5000, 3500)
    state().sheetHeight = 1400;
    ASSERT_TRUE(objects().WriteDrawing());
    const int edits = objects().EditCount();
    TExtwallobjtool resizer;
    resizer.kind = KIND_PLAN_RESIZE;
    resizer.step = STEP_PLAN_ENLARGE;
    resizer.objectIndex = RIGHT;
    resizer.Setup(2000, 3000, 2500);
    EXPECT_EQ(resizer.resizeRefusal, "");
    EXPECT_TRUE(resizer.resizeWritten);
    EXPECT_EQ(resizer.kind, KIND_EXTWALL);
    EXPECT_EQ(objects().EditCount(), edits + 1);
    // 6000 wide, centred: from x 2000 to 8000.
    EXPECT_EQ(WallAt(4).x1, 2000);
    EXPECT_EQ(WallAt(6).x1, 8000);
    EXPECT_EQ(WallAt(5).groupId, 6000);

    // The file holds the resized plan.
    const std::string inMemory = Dump();
    ASSERT_TRUE(objects().ReadDrawing().ok);
    EXPECT_EQ(Dump(), inMemory);
}

TEST_F(PlanResize, ARefusedSetupNeitherCentresNorWrites)
{
    Outline(1000, 1000, 5000, 4000);
    state().sheetWidth = 2000;
    state().sheetHeight = 1400;
    ASSERT_TRUE(objects().WriteDrawing());
    std::string file;
    ASSERT_TRUE(ReadTextFile(objects().DrawingPath(), file));
    const std::string before = Dump();
    const int edits = objects().EditCount();

    TExtwallobjtool resizer;
    resizer.step = STEP_PLAN_SHRINK;
    resizer.objectIndex = RIGHT;
    resizer.Setup(500, 9000, 2500);  // outside the plan
    EXPECT_NE(resizer.resizeRefusal, "");
    EXPECT_FALSE(resizer.resizeWritten);
    EXPECT_EQ(Dump(), before);
    EXPECT_EQ(objects().EditCount(), edits);
    std::string after;
    ASSERT_TRUE(ReadTextFile(objects().DrawingPath(), after));
    EXPECT_EQ(after, file);
}

TEST_F(PlanResize, ASetupAfterWhichThePlanCouldNotBeCentredIsRefusedWhole)
{
    constexpr std::int32_t TOP = std::numeric_limits<std::int32_t>::max();
    Outline(1000, 1000, 5000, 4000);
    state().sheetWidth = 2000;  // centre (5000, 3500)
    state().sheetHeight = 1400;
    // Enlarged by 2000 right of x 3000 the plan spans 1000 to 7000 and centring moves everything
    // 1000 right: this line beyond the cut by 3000 in all, the line on the floor above by 1000.
    TLineobj& beyond = AddLine(3500, 0, TOP - 3000, 0);
    TLineobj& above = AddLine(3500, 0, TOP - 999, 0, TYPE_LINE, FIRST_FLOOR);
    ASSERT_TRUE(objects().WriteDrawing());
    std::string file;
    ASSERT_TRUE(ReadTextFile(objects().DrawingPath(), file));
    const std::string before = Dump();
    const int edits = objects().EditCount();

    TExtwallobjtool resizer;
    resizer.step = STEP_PLAN_ENLARGE;
    resizer.objectIndex = RIGHT;
    resizer.Setup(2000, 3000, 2500);
    EXPECT_EQ(resizer.resizeRefusal, "The plan cannot be centred: a point of the drawing would go too far outside the"
                                     " sheet for the drawing file to hold it - nothing has been changed");
    EXPECT_FALSE(resizer.resizeWritten);
    EXPECT_EQ(Dump(), before);
    EXPECT_EQ(objects().EditCount(), edits);
    std::string after;
    ASSERT_TRUE(ReadTextFile(objects().DrawingPath(), after));
    EXPECT_EQ(after, file);

    // One unit nearer, both lines end on the range's top.
    above.x2 = TOP - 1000;
    resizer.step = STEP_PLAN_ENLARGE;
    resizer.objectIndex = RIGHT;
    resizer.Setup(2000, 3000, 2500);
    EXPECT_EQ(resizer.resizeRefusal, "");
    EXPECT_EQ(beyond.x2, TOP);
    EXPECT_EQ(above.x2, TOP);
    EXPECT_EQ(WallAt(4).x1, 2000);
}

TEST_F(PlanResize, AFailedWriteIsToldToTheWindow)
{
    Outline(1000, 1000, 5000, 4000);
    std::vector<std::string> reported;
    state().reportWriteFailure = [&](const std::string& message) { reported.push_back(message); };
    TExtwallobjtool resizer;
    resizer.step = STEP_PLAN_ENLARGE;
    resizer.objectIndex = RIGHT;
    FailNextWrites(1);
    resizer.Setup(500, 3000, 2500);
    FailNextWrites(0);
    EXPECT_EQ(resizer.resizeRefusal, "");
    EXPECT_FALSE(resizer.resizeWritten);
    EXPECT_EQ(reported.size(), 1u);
}

// ---------------------------------------------------------------------------------------------
// The free space a shrink proposes (SubCommand 1).

class RoomClearance : public PlanResize {
public:
    // The tool asked from a logical point on a side.
    int Clearance(int side, int logicalX, int logicalY)
    {
        tool.objectIndex = side;
        tool.libraryFlag = logicalX;
        tool.lineAux2 = logicalY;
        tool.SubCommand(1);
        return tool.libraryFlag;
    }
    void AddRoom(int left, int top, int right, int bottom, int floor = GROUND_FLOOR)
    {
        auto room = std::make_unique<TRoomobj>();
        room->x1 = left;
        room->y1 = top;
        room->x2 = right;
        room->y2 = bottom;
        Add(std::move(room), floor);
    }
};

TEST_F(RoomClearance, MeasuresFromTheWallsCornerLessItsThicknessToTheNearestRoom)
{
    // Walls 260 thick round (1000, 1000)-(9000, 5000).
    Outline(1000, 1000, 9000, 5000);
    AddRoom(1300, 4700, 6000, 3000);
    AddRoom(2000, 2800, 7000, 1300);
    AddRoom(8000, 4700, 8500, 4000, FIRST_FLOOR);  // another floor does not count
    // Right: the bottom wall starts at x 9000; 9000 - 260 - 7000.
    EXPECT_EQ(Clearance(RIGHT, 800, 600), 1740);
    // Left: the top wall starts at x 1000; 1300 - 1000 - 260.
    EXPECT_EQ(Clearance(LEFT, 800, 600), 40);
    // Up: the right wall starts at y 5000; 5000 - 260 - 4700.
    EXPECT_EQ(Clearance(UP, 800, 600), 40);
    // Down: the left wall starts at y 1000; 1300 - 1000 - 260.
    EXPECT_EQ(Clearance(DOWN, 800, 600), 40);
    // The tool keeps the last wall's reference line.
    EXPECT_EQ((Line{tool.x1, tool.y1, tool.x2, tool.y2}), (Line{9000, 1000, 1000, 1000}));
}

TEST_F(RoomClearance, NothingToMeasureGivesZero)
{
    Outline(1000, 1000, 9000, 5000);
    EXPECT_EQ(Clearance(RIGHT, 800, 600), 0);  // no design room
    AddRoom(2000, 2800, 7000, 1300);
    EXPECT_EQ(Clearance(RIGHT, 1900, 600), 0);  // no wall starts right of the point
    EXPECT_EQ(Clearance(0, 800, 600), 0);
    EXPECT_EQ(Clearance(5, 800, 600), 0);
}

TEST_F(RoomClearance, AClearanceBeyondThirtyThousandIsStillProposed)
{
    Outline(1000, 1000, 41000, 5000);
    AddRoom(1300, 4700, 2000, 1300);
    EXPECT_EQ(Clearance(RIGHT, 300, 600), 41000 - 260 - 2000);
}

}  // namespace
