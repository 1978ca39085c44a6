// Rotating and deleting a design room with a click: the turn about the centre that keeps the size,
// the renewed texts, the indices after a removal, and clicks that hit nothing.
#include "tests/rooms/roomfixture.h"

namespace {

using DesignRoomEdits = RoomTest;

TEST_F(DesignRoomEdits, RotateTurnsAboutTheCentre)
{
    TRoomobj& room = AddRoom(0, 0, 3000, -1000);
    tool.step = STEP_DROOM_ROTATE;
    Press(1500, -500);
    EXPECT_EQ(Rect(room), (std::array<int, 4>{1000, 1000, 2000, -2000}));
    EXPECT_EQ(room.roomWidth, 1000);
    EXPECT_EQ(room.roomLength, 3000);
    EXPECT_EQ(room.sizeText1, "1000");
    EXPECT_EQ(room.sizeText2, "3000");
    // The sizes before the turn, the room before it and the turned room, for the repaint.
    EXPECT_EQ(tool.roomWidth, 3000);
    EXPECT_EQ(tool.roomLength, 1000);
    EXPECT_EQ((std::array<int, 4>{tool.editLeft, tool.editTop, tool.editRight, tool.editBottom}),
              (std::array<int, 4>{0, 0, 3000, -1000}));
    EXPECT_EQ(ToolRect(), Rect(room));
    EXPECT_EQ(tool.step, STEP_DROOM_ROTATE);  // the window sets it back
    // Stored at once.
    EXPECT_EQ(DumpObject(4, *ReadBack()[4]), DumpObject(4, room));
}

TEST_F(DesignRoomEdits, AnOddSizeKeepsItsSizeAndComesBackAfterTwoTurns)
{
    TRoomobj& room = AddRoom(0, 0, 3001, -1000);
    tool.step = STEP_DROOM_ROTATE;
    Press(1500, -500);
    EXPECT_EQ(room.x2 - room.x1, 1000);
    EXPECT_EQ(room.y1 - room.y2, 3001);
    EXPECT_EQ(room.roomLength, 3001);
    EXPECT_EQ(room.sizeText2, "3001");
    Press(1500, -500);
    EXPECT_EQ(Rect(room), (std::array<int, 4>{0, 0, 3001, -1000}));
    EXPECT_EQ(room.roomWidth, 3001);
}

TEST_F(DesignRoomEdits, AnEvenSquareKeepsItsCorners)
{
    TRoomobj& room = AddRoom(1000, 4000, 4000, 1000);
    room.SetSizeText1("x");
    tool.step = STEP_DROOM_ROTATE;
    Press(2000, 2000);
    EXPECT_EQ(Rect(room), (std::array<int, 4>{1000, 4000, 4000, 1000}));
    EXPECT_EQ(room.sizeText1, "3000");
}

TEST_F(DesignRoomEdits, ImperialTextsAfterATurn)
{
    state().unitSystem = 0;
    TRoomobj& room = AddRoom(0, 3600, 3603, 0);
    tool.step = STEP_DROOM_ROTATE;
    Press(1000, 1000);
    EXPECT_EQ(room.sizeText1, "12' 6''");
    EXPECT_EQ(room.sizeText2, "12' 6 1/8''");
    EXPECT_EQ(room.sizeText2Length, 11);
    // Name, colour, size display and floor stay.
    EXPECT_EQ(room.roomName, "room");
    EXPECT_EQ(room.floor, GROUND_FLOOR);
}

TEST_F(DesignRoomEdits, DeleteRemovesTheRoomAndClearsTheSelection)
{
    AddRoom(1000, 3000, 4000, 1000, "first");
    AddRoom(5000, 3000, 8000, 1000, "second");
    AddRoom(9000, 3000, 9900, 1000, "third");
    tool.step = STEP_DROOM_DELETE;
    Press(6000, 2000);
    ASSERT_EQ(objects().count(), 6);
    // Later objects move down one place.
    EXPECT_EQ(RoomAt(5).roomName, "third");
    EXPECT_EQ(ToolRect(), (std::array<int, 4>{5000, 3000, 8000, 1000}));
    EXPECT_FALSE(tool.HasSelectedRoom());
    EXPECT_EQ(tool.selectedRoom, NO_INDEX);
    EXPECT_EQ(ReadBack().size(), 6u);

    // The last object: every other index stays.
    Press(9500, 2000);
    ASSERT_EQ(objects().count(), 5);
    EXPECT_EQ(RoomAt(4).roomName, "first");
}

TEST_F(DesignRoomEdits, AClickThatHitsNothingTurnsOrRemovesNothing)
{
    AddRoom(1000, 3000, 4000, 1000);
    const int editsBefore = objects().EditCount();
    for (int step : {STEP_DROOM_ROTATE, STEP_DROOM_DELETE}) {
        tool.step = step;
        Press(5000, 2000);
        EXPECT_EQ(objects().count(), 5);
        EXPECT_EQ(Rect(RoomAt(4)), (std::array<int, 4>{1000, 3000, 4000, 1000}));
    }
    EXPECT_EQ(objects().EditCount(), editsBefore);
}

TEST_F(DesignRoomEdits, ARoomOnAnotherFloorIsNeverTurned)
{
    state().currentFloor = FIRST_FLOOR;
    TRoomobj& room = AddRoom(0, 0, 3000, -1000);
    state().currentFloor = GROUND_FLOOR;
    tool.step = STEP_DROOM_ROTATE;
    Press(1500, -500);
    EXPECT_EQ(Rect(room), (std::array<int, 4>{0, 0, 3000, -1000}));
}

}  // namespace
