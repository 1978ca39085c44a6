// The largest design room at a click: between walls, against rooms kept a wall thickness away,
// the floor box where nothing bounds a side, the cap, and the clicks that are refused.
#include "tests/rooms/roomfixture.h"

#include "rooms/maxdesignroomsize.h"

namespace {

class MaxRoomSize : public RoomTest {
protected:
    // Four two-line external walls with their inner faces mitred at the corners: inside, x runs
    // 230..right - 230 and y 230..top - 230.
    void AddHouse(int right = 10000, int top = 8000)
    {
        AddExtWall(0, 0, right, 0, 230, 230, right - 230, 230);
        AddExtWall(right, 0, right, top, right - 230, 230, right - 230, top - 230);
        AddExtWall(right, top, 0, top, right - 230, top - 230, 230, top - 230);
        AddExtWall(0, top, 0, 0, 230, top - 230, 230, 230);
    }

    std::optional<TFreeSize> At(int x, int y)
    {
        return FindFreeSize(objects(), state().currentFloor, {x, y}, 110);
    }

    // The click at the maximum-size step, as the window makes it.
    void Click(int x, int y)
    {
        tool.step = STEP_DROOM_MAX_SIZE;
        Press(x, y);
    }
};

TEST_F(MaxRoomSize, BetweenTheInnerFacesOfFourExternalWalls)
{
    AddHouse();
    Click(2000, 2000);
    EXPECT_EQ(tool.step, STEP_DROOM_MAX_SIZE);
    EXPECT_EQ(tool.lastX, 2000);
    EXPECT_EQ(tool.lastY, 2000);
    EXPECT_EQ(tool.outcome, TDesignRoomOutcome::None);
    EXPECT_EQ(Cfg("MAX.CFG"), "9540 7540");
}

TEST_F(MaxRoomSize, RoomsBoundAWallThicknessAway)
{
    AddHouse();
    AddRoom(5000, 6000, 8000, 1000);  // level, to the right
    EXPECT_EQ(At(2000, 2000), (TFreeSize{4890 - 230, 7540}));
    AddRoom(1000, 7000, 3000, 5000);  // above, in line
    EXPECT_EQ(At(2000, 2000), (TFreeSize{4660, 4890 - 230}));
    AddRoom(300, 1500, 2500, 500);    // below, in line
    EXPECT_EQ(At(2000, 2000), (TFreeSize{4660, 4890 - 1610}));
    AddRoom(400, 4000, 1500, 1800);   // level, to the left
    EXPECT_EQ(At(2000, 2000), (TFreeSize{4890 - 1610, 3280}));
}

TEST_F(MaxRoomSize, AnEdgeLevelWithThePointDoesNotBoundLeftOrRight)
{
    AddHouse();
    AddRoom(5000, 2000, 8000, 1000);  // its top at the point's y
    AddRoom(5000, 4000, 8000, 3000);
    EXPECT_EQ(At(2000, 3000)->width, 9540);
    EXPECT_EQ(At(2000, 2000)->width, 9540);
}

TEST_F(MaxRoomSize, InternalWallsBoundWithTheirNearerFace)
{
    AddHouse();
    AddIntWall(6000, 230, 6000, 7770, 6100, 230, 6100, 7770);  // right of the point
    AddIntWall(1000, 230, 1000, 7770, 900, 230, 900, 7770);    // left of it, second face outside
    AddIntWall(230, 6000, 9770, 6000, 230, 6100, 9770, 6100);  // above
    AddIntWall(230, 1000, 9770, 1000, 230, 900, 9770, 900);    // below
    EXPECT_EQ(At(2000, 2000), (TFreeSize{5000, 5000}));
}

TEST_F(MaxRoomSize, ASideWithNothingReachesAWallThicknessBeyondTheFloorBox)
{
    AddRoom(1000, 6000, 3000, 1000);
    AddRoom(6000, 6000, 8000, 1000);
    // Left and right: the rooms; below and above: the box of the rooms widened by 110.
    EXPECT_EQ(At(4500, 3000), (TFreeSize{5890 - 3110, 6110 - 890}));
}

TEST_F(MaxRoomSize, AWallFaceAtZeroOrBelowBoundsLikeAnyOther)
{
    // A house whose inner faces lie at x 0 (left) and y -2000 (bottom): 0 and below are real
    // coordinates, not "no bound yet".
    AddExtWall(-230, -2230, 9000, -2230, 0, -2000, 8770, -2000);
    AddExtWall(9000, -2230, 9000, 6000, 8770, -2000, 8770, 5770);
    AddExtWall(9000, 6000, -230, 6000, 8770, 5770, 0, 5770);
    AddExtWall(-230, 6000, -230, -2230, 0, 5770, 0, -2000);
    EXPECT_EQ(At(2000, 2000), (TFreeSize{8770, 7770}));
    AddRoom(-3000, 3000, -1000, 1000);  // outside, left of the face: the face is nearer
    EXPECT_EQ(At(2000, 2000), (TFreeSize{8770, 7770}));
}

TEST_F(MaxRoomSize, AFreeSpaceBeyond30000IsGivenAs30000)
{
    AddHouse(40000, 8000);
    EXPECT_EQ(At(2000, 2000), (TFreeSize{30000, 7540}));
}

TEST_F(MaxRoomSize, RoomsCloserThanAWallThicknessGiveNothingOrLess)
{
    AddHouse();
    AddRoom(1000, 6000, 1900, 1000);
    AddRoom(2050, 6000, 4000, 1000);
    EXPECT_EQ(At(2000, 2000)->width, 2050 - 110 - (1900 + 110));
}

TEST_F(MaxRoomSize, RefusedClicksLeaveTheFileAndSetTheRefusalStep)
{
    AddHouse();
    AddRoom(5000, 6000, 8000, 1000);
    AddIntWall(3000, 230, 3000, 4000, 3100, 230, 3100, 4000);
    WriteCfg("MAX.CFG", "1 2");
    const TPoint refused[] = {
        {5000, 3000},   // on a room's edge
        {6000, 3000},   // in a room
        {230, 3000},    // on an external wall's inner face
        {3000, 2000},   // on an internal wall's face
        {12000, 3000},  // outside the floor box
    };
    for (const TPoint& p : refused) {
        Click(p.x, p.y);
        EXPECT_EQ(tool.step, STEP_DROOM_REFUSED) << p.x << "," << p.y;
        EXPECT_EQ(Cfg("MAX.CFG"), "1 2");
    }
    // A sloped external wall does not widen the box: a floor of it alone refuses every click.
    FreshDrawingState other;
    auto wall = std::make_unique<TExtwallobj>();
    wall->floor = GROUND_FLOOR;
    wall->wallLines = {0, 0, 5000, 4000};
    other.state().objects.Add(std::move(wall));
    other.state().objects.Add(std::make_unique<TRoomobj>());
    EXPECT_EQ(FindFreeSize(other.state().objects, GROUND_FLOOR, {6000, 3000}, 110), std::nullopt);
}

TEST_F(MaxRoomSize, AListOfOneObjectAndAnEmptyFloorAreRefused)
{
    FreshDrawingState other;
    other.state().objects.Add(std::make_unique<TRoomobj>());
    EXPECT_EQ(FindFreeSize(other.state().objects, FIRST_FLOOR, {2000, 3000}, 110), std::nullopt);
    // The test drawing's floor records alone: no box.
    EXPECT_EQ(At(2000, 2000), std::nullopt);
    AddHouse();
    state().currentFloor = FIRST_FLOOR;
    EXPECT_EQ(At(2000, 2000), std::nullopt);
}

TEST_F(MaxRoomSize, TheThicknessIsTheCurrentFloorsAndNoneOnAFloorWithoutOne)
{
    WriteCfg("RMPTNM.CFG", "100 90 80");
    WriteCfg("RMPTNI.CFG", "96 72 48");
    EXPECT_EQ(DesignRoomWallThickness(GROUND_FLOOR, 1), 100);
    EXPECT_EQ(DesignRoomWallThickness(SECOND_FLOOR, 1), 80);
    EXPECT_EQ(DesignRoomWallThickness(FIRST_FLOOR, 0), 72);
    EXPECT_EQ(DesignRoomWallThickness(FOURTH_LEVEL, 1), 0);

    AddHouse();
    AddRoom(5000, 6000, 8000, 1000);
    state().currentFloor = GROUND_FLOOR;
    Click(2000, 2000);
    EXPECT_EQ(Cfg("MAX.CFG"), std::to_string(4900 - 230) + " 7540");
}

TEST_F(MaxRoomSize, AFileThatCannotBeWrittenIsReportedThroughTheOutcome)
{
    AddHouse();
    WriteCfg("MAX.CFG", "1 2");
    FailNextWrites(1);
    Click(2000, 2000);
    FailNextWrites(0);
    EXPECT_EQ(tool.outcome, TDesignRoomOutcome::SizeNotStored);
    EXPECT_FALSE(tool.outcomeReason.empty());
    EXPECT_EQ(Cfg("MAX.CFG"), "1 2");
}

}  // namespace
