// The room finder of the fixed-room tool: the nearest wall line on each side of a click, the work
// corner, CFG/ROOM.CFG and the refusal of a click without a closed space around it.
#include "model/settingsfile.h"
#include "rooms/roomfinder.h"
#include "tests/rooms/fixedroomfixture.h"

namespace {

using RoomFinderTest = RoomToolTest;

TEST_F(RoomFinderTest, TheWorkedRoomIsFoundWithItsCornerAndSize)
{
    WorkedRoom();
    Click(4000, 4500);
    EXPECT_FALSE(room.NoRoomFound());
    EXPECT_EQ(room.leftWall, 4);
    EXPECT_EQ(room.rightWall, 5);
    EXPECT_EQ(room.belowWall, 6);
    EXPECT_EQ(room.aboveWall, 7);
    EXPECT_EQ(room.cornerSideX, 2);  // nearer the right wall
    EXPECT_EQ(room.cornerSideY, 1);  // nearer the one above
    EXPECT_EQ(room.kind, KIND_FIXED_ROOM);
    EXPECT_EQ(ReadWholeFile(dir.path() / "CFG" / "ROOM.CFG"), "4000 3000");
}

TEST_F(RoomFinderTest, TheCornerFollowsTheNearerWallsAndAnExactTieKeepsTheLastOne)
{
    Box();
    Click(1500, 2500);
    EXPECT_EQ(room.cornerSideX, 1);
    EXPECT_EQ(room.cornerSideY, 2);
    // Exactly midway both ways: the sides stay as the last click left them.
    Click(3000, 3500);
    EXPECT_FALSE(room.NoRoomFound());
    EXPECT_EQ(room.cornerSideX, 1);
    EXPECT_EQ(room.cornerSideY, 2);
    // On a fresh tool a tie leaves 0.
    TRoomobjtool fresh;
    fresh.kind = KIND_FIXED_ROOM;
    fresh.FindRoom({3000, 3500});
    EXPECT_EQ(fresh.cornerSideX, 0);
    EXPECT_EQ(fresh.cornerSideY, 0);
}

TEST_F(RoomFinderTest, AnOpenSideIsRefusedAndWritesNothing)
{
    WriteCfg("ROOM.CFG", "1 2");
    AddIntWall(900, 1000, 900, 6000, 0, 100, 1000, 1000, 1000, 6000);
    AddIntWall(5000, 1000, 5000, 6000, 0, 100, 5100, 1000, 5100, 6000);
    AddIntWall(500, 2000, 5500, 2000, 900, 100, 500, 1900, 5500, 1900);
    Click(3000, 3500);  // nothing above
    EXPECT_TRUE(room.NoRoomFound());
    EXPECT_EQ(room.held, TRoomobjtool::THeld::Nothing);
    EXPECT_EQ(ReadWholeFile(dir.path() / "CFG" / "ROOM.CFG"), "1 2");
}

TEST_F(RoomFinderTest, AClickLevelWithAFaceDoesNotTakeIt)
{
    Box();
    // A short wall whose face ends exactly level with the click: it is not beside the click.
    AddIntWall(2000, 3500, 2000, 4500, 0, 100, 2100, 3500, 2100, 4500);
    const TRoomSearch level = FindRoomAround({3000, 3500}, 0, 50);
    EXPECT_EQ(level.line[ROOM_LEFT], 1000);
    const TRoomSearch beside = FindRoomAround({3000, 3505}, 0, 50);
    EXPECT_EQ(beside.line[ROOM_LEFT], 2100);
    // A click on a vertical face itself takes neither that face nor the other side's.
    const TRoomSearch on = FindRoomAround({2100, 4000}, 0, 50);
    EXPECT_EQ(on.line[ROOM_LEFT], 2000);
    EXPECT_EQ(on.line[ROOM_RIGHT], 5000);
}

TEST_F(RoomFinderTest, OfTwoEquallyNearFacesTheFirstInTheListWins)
{
    Box();
    AddIntWall(5000, 1500, 5000, 5500, 0, 100, 5100, 1500, 5100, 5500);  // 8, on the right wall's line
    const TRoomSearch search = FindRoomAround({3000, 3500}, 0, 50);
    EXPECT_EQ(search.index[ROOM_RIGHT], 5);
}

TEST_F(RoomFinderTest, ExternalWallsCountWithTheirInnerLine)
{
    // A cavity wall on the left: its line 3 is the inner face; a two-line wall on the right.
    auto& cavity = AddExtWall(600, 1000, 600, 6000, 0, 110, 710, 1000, 710, 6000);
    cavity.spacing2 = 55;
    cavity.spacing3 = 110;
    cavity.wallLines = {710, 1000, 710, 6000, 765, 1000, 765, 6000, 875, 1000, 875, 6000};
    AddExtWall(5200, 6000, 5200, 1000, 1800, 200, 5000, 6000, 5000, 1000);
    AddIntWall(500, 2000, 5500, 2000, 900, 100, 500, 1900, 5500, 1900);
    AddIntWall(500, 5000, 5500, 5000, 900, 100, 500, 5100, 5500, 5100);
    const TRoomSearch search = FindRoomAround({3000, 3500}, 0, 50);
    EXPECT_TRUE(search.found);
    EXPECT_EQ(search.line[ROOM_LEFT], 875);
    EXPECT_EQ(search.line[ROOM_RIGHT], 5000);
    EXPECT_EQ(search.Width(), 4125);
    EXPECT_EQ(search.Length(), 3000);
}

TEST_F(RoomFinderTest, ADesignRoomBoundsTheSpaceItsWallThicknessAway)
{
    Box();
    AddDesignRoom(3500, 4500, 4500, 2500);  // right of the click; design walls 100 thick on floor 50
    Click(2000, 3500);
    EXPECT_FALSE(room.NoRoomFound());
    EXPECT_EQ(room.rightWall, 8);
    EXPECT_EQ(ReadWholeFile(dir.path() / "CFG" / "ROOM.CFG"), "2400 3000");
    // On the first floor the design-room walls are 120 thick.
    state().currentFloor = 51;
    for (int i = 4; i < objects().count(); ++i)
        objects()[i]->floor = 51;
    Click(2000, 3500);
    EXPECT_EQ(ReadWholeFile(dir.path() / "CFG" / "ROOM.CFG"), "2380 3000");
}

TEST_F(RoomFinderTest, OnlyTheFloorInViewCounts)
{
    // The box stands on the first floor; on the ground floor there is no room around the click.
    Box();
    for (int i = 4; i < objects().count(); ++i)
        objects()[i]->floor = 51;
    Click(3000, 3500);
    EXPECT_TRUE(room.NoRoomFound());
    state().currentFloor = 51;
    Click(3000, 3500);
    EXPECT_FALSE(room.NoRoomFound());
}

TEST_F(RoomFinderTest, SlopedFacesOfferTheirNearerEnd)
{
    Box();
    // A sloped wall wholly right of the click, across its height: its smaller x bounds the space.
    AddIntWall(4000, 1500, 4500, 5500, 70, 100, 4100, 1500, 4600, 5500);
    const TRoomSearch search = FindRoomAround({3000, 3500}, 0, 50);
    EXPECT_EQ(search.line[ROOM_RIGHT], 4000);
    // Within its x range it offers nothing on the left or right.
    const TRoomSearch within = FindRoomAround({4200, 3500}, 0, 50);
    EXPECT_EQ(within.line[ROOM_RIGHT], 5000);
    EXPECT_EQ(within.line[ROOM_LEFT], 1000);
}

TEST_F(RoomFinderTest, OtherKindsDoNothing)
{
    Box();
    room.kind = KIND_INTWALL;
    Click(3000, 3500);
    EXPECT_EQ(room.held, TRoomobjtool::THeld::Nothing);
    EXPECT_EQ(room.lineDrawn, 0);
}

TEST_F(RoomFinderTest, AFailedWriteOfTheRoomSizeIsReported)
{
    Box();
    std::vector<std::string> told;
    state().reportWriteFailure = [&told](const std::string& message) { told.push_back(message); };
    FailNextWrites(1, WriteStage::Write);
    Click(3000, 3500);
    EXPECT_FALSE(room.NoRoomFound());
    ASSERT_EQ(told.size(), 1u);
    EXPECT_NE(told[0].find("ROOM.CFG"), std::string::npos);
}

}  // namespace
