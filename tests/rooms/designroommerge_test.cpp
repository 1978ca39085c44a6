// Aligning a dropped design room: the worked example, walls against rooms on each axis, the
// chains of the room tests, and what never moves a room.
#include "tests/rooms/roomfixture.h"

#include "rooms/designroommerge.h"

namespace {

class DesignRoomMerge : public RoomTest {
protected:
    // Drops the room at `index` (already where it was released) and aligns it, as the release of
    // a drag taken away from the centre does.
    void Drop(int index, int atX = 5, int atY = 5)
    {
        tool.SelectRoomAt({RoomAt(index).x1 + 1, RoomAt(index).y1 - 1});
        ASSERT_EQ(tool.selectedRoom, index);
        TDrawingEdit edit;
        MergeDesignRoom(tool, edit, {atX, atY});
        edit.Commit();
    }
};

TEST_F(DesignRoomMerge, TheWorkedExample)
{
    WriteCfg("RMPTNM.CFG", "100 100 100");
    AddRoom(0, 5000, 4000, 2000);
    AddRoom(4150, 4980, 7150, 1980);
    Drop(5, 4200, 3000);
    // One wall thickness to the right of the other room, its top and bottom level with it.
    EXPECT_EQ(Rect(RoomAt(5)), (std::array<int, 4>{4100, 5000, 7100, 2000}));
    EXPECT_EQ(ToolRect(), Rect(RoomAt(5)));
    EXPECT_EQ(tool.lastX, 4200);
    EXPECT_EQ(tool.lastY, 3000);
    EXPECT_EQ(Rect(*ReadBack()[5]), Rect(RoomAt(5)));
}

TEST_F(DesignRoomMerge, TheWorkedExampleThroughTheDrag)
{
    WriteCfg("RMPTNM.CFG", "100 100 100");
    AddRoom(0, 5000, 4000, 2000);
    AddRoom(5000, 6000, 8000, 3000);
    Press(5500, 5500);
    ASSERT_EQ(tool.step, STEP_DROOM_DRAG_ALIGNED);
    MoveTo(5500, 5500);
    MoveTo(4650, 4480);
    Release(4650, 4480);
    EXPECT_EQ(Rect(RoomAt(5)), (std::array<int, 4>{4100, 5000, 7100, 2000}));
    EXPECT_EQ(Rect(*ReadBack()[5]), Rect(RoomAt(5)));
    EXPECT_EQ(tool.step, STEP_READY);
}

TEST_F(DesignRoomMerge, NothingWithinReachLeavesTheRoomWhereItWasDropped)
{
    AddRoom(0, 5000, 4000, 2000);
    AddRoom(4400, 9000, 7400, 6000);  // 400 to the right and above: out of reach on both axes
    AddExtWall(9000, 0, 9000, 9000, 8770, 0, 8770, 9000);
    Drop(5);
    EXPECT_EQ(Rect(RoomAt(5)), (std::array<int, 4>{4400, 9000, 7400, 6000}));
}

TEST_F(DesignRoomMerge, AMergeDistanceOfZeroNeverMovesARoom)
{
    WriteCfg("MERGEM.CFG", "0\n");
    AddRoom(0, 5000, 4000, 2000);
    AddRoom(4000, 5000, 7000, 2000);  // touching and level
    Drop(5);
    EXPECT_EQ(Rect(RoomAt(5)), (std::array<int, 4>{4000, 5000, 7000, 2000}));
}

TEST_F(DesignRoomMerge, AFaceTheSideLiesOnOffersNothing)
{
    WriteCfg("MERGEM.CFG", "100\n");
    AddIntWall(900, 0, 900, 9000, 1000, 0, 1000, 9000);       // right face at 1000
    AddExtWall(1280, 0, 1280, 9000, 1050, 0, 1050, 9000);     // inner face at 1050
    AddRoom(1000, 3000, 4000, 1000);
    Drop(6);
    EXPECT_EQ(Rect(RoomAt(6)), (std::array<int, 4>{1050, 3000, 4050, 1000}));
}

TEST_F(DesignRoomMerge, TouchingRoomsAreSetOneWallThicknessApart)
{
    AddRoom(0, 5000, 4000, 2000);
    AddRoom(4000, 5000, 7000, 2000);
    Drop(5);
    EXPECT_EQ(Rect(RoomAt(5)), (std::array<int, 4>{4110, 5000, 7110, 2000}));
}

TEST_F(DesignRoomMerge, TheRoomWallThicknessIsThatOfTheCurrentFloor)
{
    WriteCfg("RMPTNM.CFG", "110 90 70");
    state().currentFloor = SECOND_FLOOR;
    AddRoom(0, 5000, 4000, 2000);
    AddRoom(4000, 5000, 7000, 2000);
    Drop(5);
    EXPECT_EQ(RoomAt(5).x1, 4070);
}

TEST_F(DesignRoomMerge, AWallNearestOnXGivesTheLeftEdgeAndARoomTheTop)
{
    // x: a wall face 100 left of the room, the other room's right side 150 left of it; y: no
    // wall within reach, the other room's top 50 above.
    AddIntWall(3850, 0, 3850, 20000, 3950, 0, 3950, 20000);
    AddRoom(0, 9050, 3900, 6050);
    AddRoom(4050, 9000, 7050, 6000);
    Drop(6);
    EXPECT_EQ(Rect(RoomAt(6)), (std::array<int, 4>{3950, 9050, 6950, 6050}));
}

TEST_F(DesignRoomMerge, WallNearerOnXAndRoomNearerOnY)
{
    // x: the wall face 100 from the left side, the other room's left side 200 from it.
    // y: a wall face 250 above the top, the other room's top 50 above it.
    AddIntWall(0, 4000, 9000, 4000, 0, 4100, 9000, 4100);  // lower face at 4000
    AddIntWall(2900, 0, 2900, 9000, 2800, 0, 2800, 9000);  // right face at 2900
    AddRoom(3200, 3800, 6200, 800);
    AddRoom(3000, 3750, 6000, 750);
    Drop(7);
    // The second step of the rule comes last: the room's left edge, the wall's top.
    EXPECT_EQ(Rect(RoomAt(7)), (std::array<int, 4>{3200, 4000, 6200, 1000}));
}

TEST_F(DesignRoomMerge, RoomsNearerThanWallsOnBothAxesWinBoth)
{
    AddIntWall(3000 - 250, 0, 3000 - 250, 9000, 3000 - 350, 0, 3000 - 350, 9000);
    AddRoom(3100, 3800, 6100, 800);
    AddRoom(3000, 3750, 6000, 750);
    Drop(6);
    EXPECT_EQ(Rect(RoomAt(6)), (std::array<int, 4>{3100, 3800, 6100, 800}));
}

TEST_F(DesignRoomMerge, TheEarlierOfTwoRoomsAtTheSameGapSetsTheEdge)
{
    AddRoom(0, 5000, 4000, 2000);       // its right side 100 left of the room, top level
    AddRoom(7200, 5000, 9000, 2000);    // its left side 100 right of the room
    AddRoom(4100, 5000, 7100, 2000);
    Drop(6);
    EXPECT_EQ(RoomAt(6).x1, 4110);
}

TEST_F(DesignRoomMerge, ARoomNearOnOneAxisOnlyIsIgnored)
{
    AddRoom(0, 9000, 4000, 8000);  // near on x, 3000 away on y
    AddRoom(4100, 5000, 7100, 2000);
    Drop(5);
    EXPECT_EQ(Rect(RoomAt(5)), (std::array<int, 4>{4100, 5000, 7100, 2000}));
}

TEST_F(DesignRoomMerge, ExternalWallsOfferTheirInnerFaceAcrossTheirOwnDirection)
{
    // A vertical two-line wall: its inner face x 1230 is 70 from the room's left side; its ends
    // would be within reach of the top, but a vertical external wall never moves top or bottom.
    AddExtWall(1000, 2000, 1000, 5020, 1230, 2000, 1230, 5020);
    AddRoom(1300, 5000, 4300, 2000);
    Drop(5);
    EXPECT_EQ(Rect(RoomAt(5)), (std::array<int, 4>{1230, 5000, 4230, 2000}));

    // A horizontal cavity wall above: line 3 (y 7725) is its inner face; line 1 is not.
    AddExtWall(0, 8000, 9000, 8000, 0, 7725, 9000, 7725, true);
    AddRoom(5000, 7500, 8000, 6000);
    Drop(7);
    EXPECT_EQ(Rect(RoomAt(7)), (std::array<int, 4>{5000, 7725, 8000, 6225}));
}

TEST_F(DesignRoomMerge, SlopedWallsOtherFloorsAndOtherObjectsNeverMoveARoom)
{
    AddIntWall(1000, 0, 1200, 9000, 1100, 0, 1300, 9000);  // sloped
    state().currentFloor = FIRST_FLOOR;
    AddRoom(4000, 5000, 7000, 2000);
    AddExtWall(4100, 0, 4100, 9000, 4150, 0, 4150, 9000);
    state().currentFloor = GROUND_FLOOR;
    AddRoom(1250, 5000, 4250, 2000);
    Drop(7);
    EXPECT_EQ(Rect(RoomAt(7)), (std::array<int, 4>{1250, 5000, 4250, 2000}));
}

TEST(DesignRoomMergeEdges, NoRoomAtTheIndexGivesNoEdges)
{
    FreshDrawingState fresh;
    const TMergedEdges edges = MergedEdges(fresh.state().objects, 3, GROUND_FLOOR, 300, 110);
    EXPECT_FALSE(edges.left);
    EXPECT_FALSE(edges.top);
}

}  // namespace
