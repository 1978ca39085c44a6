// The fixed-room builder and its size labels: the walls each side's code asks for, the corner
// rule, the junction lines, the name in the middle, the labels in millimetres and in feet and
// inches, and what the drawing file holds afterwards.
#include "model/drawingedit.h"
#include "tests/rooms/fixedroomfixture.h"

#include <limits>

namespace {

constexpr TColor WHITE = MakeColour(255, 255, 255);

class FixedRoomTest : public RoomToolTest {
protected:
    // A click at a model point, then the room of that width and length built and committed.
    void Room(int x, int y, int width, int length, const std::string& name = "room")
    {
        Click(x, y);
        ASSERT_FALSE(room.NoRoomFound());
        state().newRoomName = name;
        first = objects().count();
        TDrawingEdit edit;
        ASSERT_TRUE(room.BuildRoom(edit, width, length));
        edit.Commit();
    }
    void Labels(int sizeDisplay, int width, int length)
    {
        labelsFrom = objects().count();
        TDrawingEdit edit;
        room.AutoDimension(edit, sizeDisplay, width, length);
        edit.Commit();
    }
    std::vector<TIntwallobj*> Walls() { return From<TIntwallobj>(first); }
    std::vector<TLineobj*> Lines() { return From<TLineobj>(first); }
    std::vector<TTextobj*> Texts(int from) { return From<TTextobj>(from); }
    std::vector<TArrowobj*> Arrows() { return From<TArrowobj>(labelsFrom); }

    int first = 0;
    int labelsFrom = 0;
};

TEST_F(FixedRoomTest, TheWorkedExample)
{
    WorkedRoom();
    Room(4000, 4500, 4000, 3000, "lounge");

    // Only the top side is open, from the left end to the face above (x 3000).
    ASSERT_EQ(Walls().size(), 1u);
    const TIntwallobj& wall = *Walls()[0];
    EXPECT_EQ(FacesOf(wall), (Faces{1000, 5100, 3000, 5100, 1000, 5000, 3000, 5000}));
    EXPECT_EQ(wall.angle, 900);
    EXPECT_EQ(wall.typeCode, TYPE_INTWALL);
    EXPECT_EQ(wall.floor, 50);
    EXPECT_EQ(wall.ownerId, 10001);
    EXPECT_EQ(wall.groupId, 10001);
    EXPECT_EQ(wall.wallWidth, 100);
    EXPECT_EQ(wall.z1, 2400);
    EXPECT_EQ(wall.z2, 2400);
    EXPECT_EQ(wall.face2Aux, 2400);
    EXPECT_EQ(wall.wallParams, (std::array<int32_t, 4>{1, 2, 3, 4}));
    EXPECT_EQ(wall.wallColour1, 65280);
    EXPECT_EQ(wall.wallColour2, 65280);
    EXPECT_EQ(wall.colour, std::int32_t(state().currentColour));
    EXPECT_EQ(wall.wallFlag, 1);
    EXPECT_EQ(wall.joinData, (std::array<int32_t, 4>{0, 0, 0, 0}));

    // The junction line where the wall meets the internal wall above; none at the external wall.
    ASSERT_EQ(Lines().size(), 1u);
    const TLineobj& line = *Lines()[0];
    EXPECT_EQ(EndsOf(line), (std::array<int, 4>{3000, 5099, 3000, 5001}));
    EXPECT_EQ(line.typeCode, TYPE_LINE);
    EXPECT_EQ(line.ownerId, 10001);
    EXPECT_EQ(line.groupId, 10001);
    EXPECT_EQ(line.colour, std::int32_t(WHITE));

    ASSERT_EQ(Texts(first).size(), 1u);
    const TTextobj& name = *Texts(first)[0];
    EXPECT_EQ(name.typeCode, 36);
    EXPECT_EQ(name.text, "lounge");
    EXPECT_EQ(name.x1, 3000);
    EXPECT_EQ(name.y1, 3500);
    EXPECT_EQ(name.x2, 900);
    EXPECT_EQ(name.y2, 0);
    EXPECT_EQ(name.z1, 2400);
    EXPECT_EQ(name.alignment, 6);
    EXPECT_EQ(name.fontHeight, 12);  // the room name size of MOFFSET.CFG
    EXPECT_EQ(name.fontWeight, 700);
    EXPECT_EQ(name.faceName, "Arial");
    EXPECT_EQ(name.ownerId, 10002);
    EXPECT_EQ(name.groupId, 10002);

    // The room rectangle and the repaint box for the window.
    EXPECT_EQ((std::array<int, 4>{room.leftWall, room.aboveWall, room.rightWall, room.belowWall}),
              (std::array<int, 4>{1000, 5000, 5000, 2000}));
    EXPECT_EQ((std::array<int, 4>{room.editLeft, room.editTop, room.editRight, room.editBottom}),
              (std::array<int, 4>{875, 5125, 5125, 1875}));
    EXPECT_EQ(room.kind, KIND_FIXED_ROOM);

    // The file holds what the list holds.
    const auto back = ReadBack();
    ASSERT_EQ(int(back.size()), objects().count());
    for (int i = 0; i < objects().count(); ++i)
        EXPECT_EQ(DumpObject(i, *back[std::size_t(i)]), DumpObject(i, *objects()[i]));
}

TEST_F(FixedRoomTest, ARoomCoveredOnEverySideGetsOnlyItsName)
{
    Box();
    Room(3000, 3500, 4000, 3000);
    EXPECT_TRUE(Walls().empty());
    EXPECT_TRUE(Lines().empty());
    ASSERT_EQ(Texts(first).size(), 1u);
    EXPECT_EQ(Texts(first)[0]->ownerId, 10001);
}

TEST_F(FixedRoomTest, ANarrowerRoomGetsAFullWallWithJunctionsAtTheCoveredCorners)
{
    Box();
    Room(1500, 2500, 3000, 2000);  // near the lower left corner: left 1000, bottom 2000
    ASSERT_EQ(Walls().size(), 2u);
    // Right: x 4000 .. 4100, closed at the bottom (covered); top open (nothing covers it) so its
    // first face runs on to the outer corner.
    EXPECT_EQ(FacesOf(*Walls()[0]), (Faces{4100, 4100, 4100, 2000, 4000, 4000, 4000, 2000}));
    EXPECT_EQ(Walls()[0]->angle, 1800);
    // Top: y 4000 .. 4100, closed at the left, open at the right.
    EXPECT_EQ(FacesOf(*Walls()[1]), (Faces{1000, 4100, 4100, 4100, 1000, 4000, 4000, 4000}));
    EXPECT_EQ(Walls()[1]->angle, 900);
    // Junction lines where each wall meets the box: the right wall at the bottom, the top wall at
    // the left; none at the open corner.
    ASSERT_EQ(Lines().size(), 2u);
    EXPECT_EQ(EndsOf(*Lines()[0]), (std::array<int, 4>{4099, 2000, 4001, 2000}));
    EXPECT_EQ(EndsOf(*Lines()[1]), (std::array<int, 4>{1000, 4099, 1000, 4001}));
    EXPECT_EQ(Lines()[0]->ownerId, Walls()[0]->ownerId);
    EXPECT_EQ(Lines()[1]->ownerId, Walls()[1]->ownerId);
    EXPECT_NE(Walls()[0]->ownerId, Walls()[1]->ownerId);
    // The name stands in the middle, measured from the work corner.
    EXPECT_EQ(Texts(first)[0]->x1, 2500);
    EXPECT_EQ(Texts(first)[0]->y1, 3000);
}

TEST_F(FixedRoomTest, OddSizesPutTheNameTowardTheWorkCorner)
{
    Box();
    Room(4500, 4500, 3005, 2005);  // near the upper right: right 5000, top 5000
    EXPECT_EQ(Texts(first)[0]->x1, 5000 - 1502);
    EXPECT_EQ(Texts(first)[0]->y1, 5000 - 1002);
}

TEST_F(FixedRoomTest, AnInternalFaceInTheMiddleOfASideGivesTwoWalls)
{
    // The left wall covers only y 3000 .. 4000 of the side.
    AddIntWall(900, 3000, 900, 4000, 0, 100, 1000, 3000, 1000, 4000);
    AddIntWall(5000, 1000, 5000, 6000, 0, 100, 5100, 1000, 5100, 6000);
    AddIntWall(500, 2000, 5500, 2000, 900, 100, 500, 1900, 5500, 1900);
    AddIntWall(500, 5000, 5500, 5000, 900, 100, 500, 5100, 5500, 5100);
    Room(3000, 3500, 4000, 3000);  // exactly midway: the corner counts as left and above
    ASSERT_EQ(Walls().size(), 2u);
    EXPECT_EQ(FacesOf(*Walls()[0]), (Faces{900, 5000, 900, 4000, 1000, 5000, 1000, 4000}));
    EXPECT_EQ(Walls()[0]->angle, 0);
    EXPECT_EQ(FacesOf(*Walls()[1]), (Faces{900, 3000, 900, 2000, 1000, 3000, 1000, 2000}));
    EXPECT_EQ(Walls()[1]->angle, 1800);
    EXPECT_EQ(Walls()[0]->ownerId, 10001);
    EXPECT_EQ(Walls()[1]->ownerId, 10002);
    // A junction at each end of each wall: the covered corners and the face in the middle.
    ASSERT_EQ(Lines().size(), 4u);
    EXPECT_EQ(EndsOf(*Lines()[0]), (std::array<int, 4>{901, 5000, 999, 5000}));
    EXPECT_EQ(EndsOf(*Lines()[1]), (std::array<int, 4>{901, 4000, 999, 4000}));
    EXPECT_EQ(EndsOf(*Lines()[2]), (std::array<int, 4>{901, 3000, 999, 3000}));
    EXPECT_EQ(EndsOf(*Lines()[3]), (std::array<int, 4>{901, 2000, 999, 2000}));
    EXPECT_EQ(Lines()[2]->groupId, 10002);
    EXPECT_EQ(Texts(first)[0]->ownerId, 10003);
}

TEST_F(FixedRoomTest, AnExternalWallOverPartOfASideGetsNoJunctionLine)
{
    // The external wall's inner line covers the lower part of the left side (y 1000 .. 4000).
    AddExtWall(900, 1000, 900, 4000, 0, 100, 1000, 1000, 1000, 4000);
    AddIntWall(5000, 1000, 5000, 6000, 0, 100, 5100, 1000, 5100, 6000);
    AddIntWall(500, 2000, 5500, 2000, 900, 100, 500, 1900, 5500, 1900);
    AddIntWall(500, 5000, 5500, 5000, 900, 100, 500, 5100, 5500, 5100);
    Room(2000, 3000, 4000, 3000);
    ASSERT_EQ(Walls().size(), 1u);
    EXPECT_EQ(FacesOf(*Walls()[0]), (Faces{900, 5000, 900, 4000, 1000, 5000, 1000, 4000}));
    EXPECT_EQ(Walls()[0]->angle, 0);
    ASSERT_EQ(Lines().size(), 1u);  // at the top corner only
    EXPECT_EQ(EndsOf(*Lines()[0]), (std::array<int, 4>{901, 5000, 999, 5000}));
}

TEST_F(FixedRoomTest, ARoomAmongDesignRoomsGetsFourWallsMeetingSquareAtTheCorners)
{
    AddDesignRoom(100, 5000, 800, 2000);         // left of the space
    AddDesignRoom(5200, 5000, 6000, 2000);       // right
    AddDesignRoom(1000, 6000, 5000, 5200);       // above
    AddDesignRoom(1000, 1800, 5000, 1000);       // below
    Room(3000, 3500, 4000, 3000);
    // The space runs from 900 to 5100 and 1900 to 5100; the room sits in its upper left corner.
    ASSERT_EQ(Walls().size(), 4u);
    EXPECT_EQ(FacesOf(*Walls()[0]), (Faces{800, 5200, 800, 2000, 900, 5100, 900, 2100}));
    EXPECT_EQ(FacesOf(*Walls()[1]), (Faces{5000, 5200, 5000, 2000, 4900, 5100, 4900, 2100}));
    EXPECT_EQ(FacesOf(*Walls()[2]), (Faces{800, 5200, 5000, 5200, 900, 5100, 4900, 5100}));
    EXPECT_EQ(FacesOf(*Walls()[3]), (Faces{800, 2000, 5000, 2000, 900, 2100, 4900, 2100}));
    EXPECT_TRUE(Lines().empty());
}

TEST_F(FixedRoomTest, AFaceBeyondTheShrunkSideCountsAsNothing)
{
    // The right wall covers y 3000 .. 4000 only; a room 800 long from the bottom ends below it.
    AddIntWall(900, 1000, 900, 6000, 0, 100, 1000, 1000, 1000, 6000);
    AddIntWall(5000, 3000, 5000, 4000, 0, 100, 5100, 3000, 5100, 4000);
    AddIntWall(500, 2000, 5500, 2000, 900, 100, 500, 1900, 5500, 1900);
    AddIntWall(500, 5000, 5500, 5000, 900, 100, 500, 5100, 5500, 5100);
    Click(3000, 3500);
    ASSERT_FALSE(room.NoRoomFound());
    room.cornerSideX = 2;
    room.cornerSideY = 2;
    state().newRoomName = "store";
    first = objects().count();
    TDrawingEdit edit;
    ASSERT_TRUE(room.BuildRoom(edit, 4000, 800));
    // Right 5000, bottom 2000, top 2800: the right wall's face starts above the room.
    ASSERT_EQ(Walls().size(), 2u);
    EXPECT_EQ(FacesOf(*Walls()[0]), (Faces{5100, 2900, 5100, 2000, 5000, 2800, 5000, 2000}));
    EXPECT_EQ(FacesOf(*Walls()[1]), (Faces{1000, 2900, 5100, 2900, 1000, 2800, 5000, 2800}));
}

TEST_F(FixedRoomTest, NothingIsBuiltWithoutARoomFound)
{
    Box();
    TDrawingEdit edit;
    EXPECT_FALSE(room.BuildRoom(edit, 4000, 3000));
    Room(3000, 3500, 4000, 3000);
    // The room is built once; the neighbour fields now hold its edges, not objects.
    const int count = objects().count();
    EXPECT_FALSE(room.BuildRoom(edit, 4000, 3000));
    EXPECT_EQ(objects().count(), count);
    EXPECT_FALSE(edit.Changed());
}

// ---------------------------------------------------------------------------------------------
// Size labels

TEST_F(FixedRoomTest, BothSizesWithArrowsVerticalFirst)
{
    WorkedRoom();
    Room(4000, 4500, 4000, 3000);
    Labels(2, 4000, 3000);
    ASSERT_EQ(Arrows().size(), 4u);
    EXPECT_EQ(ShaftOf(*Arrows()[0]), (std::array<int, 4>{1600, 5000, 1600, 4800}));
    EXPECT_EQ(ShaftOf(*Arrows()[1]), (std::array<int, 4>{1600, 2000, 1600, 2200}));
    EXPECT_EQ(ShaftOf(*Arrows()[2]), (std::array<int, 4>{1000, 4400, 1200, 4400}));
    EXPECT_EQ(ShaftOf(*Arrows()[3]), (std::array<int, 4>{5000, 4400, 4800, 4400}));
    for (const TArrowobj* arrow : Arrows()) {
        EXPECT_EQ(arrow->typeCode, TYPE_DIMENSION_LINE);
        EXPECT_EQ(arrow->ownerId, 0);
        EXPECT_EQ(arrow->groupId, 10002);  // the name's action id
    }
    const auto texts = Texts(labelsFrom);
    ASSERT_EQ(texts.size(), 2u);
    // The length at the work corner's side (right), written upwards as MOFFSET.CFG asks.
    EXPECT_EQ(texts[0]->text, "3000");
    EXPECT_EQ(texts[0]->typeCode, 35);
    EXPECT_EQ(texts[0]->x1, 4400);
    EXPECT_EQ(texts[0]->y1, 3500);
    EXPECT_EQ(texts[0]->x2, 2700);
    EXPECT_EQ(texts[0]->escapement, 2700);
    EXPECT_EQ(texts[0]->fontHeight, 9);
    EXPECT_EQ(texts[0]->z1, 2400);
    EXPECT_EQ(texts[0]->ownerId, 10002);
    EXPECT_EQ(texts[1]->text, "4000");
    EXPECT_EQ(texts[1]->x1, 3000);
    EXPECT_EQ(texts[1]->y1, 4400);
    EXPECT_EQ(texts[1]->x2, 900);
    EXPECT_EQ(texts[1]->escapement, 0);
    // Arrows and texts in their order: vertical pair, its text, horizontal pair, its text.
    EXPECT_EQ(objects()[labelsFrom + 2], texts[0]);
    EXPECT_EQ(objects()[labelsFrom + 5], texts[1]);
}

TEST_F(FixedRoomTest, SizesBelowTheNameAndOneSizeAtATime)
{
    WorkedRoom();
    Room(4000, 4500, 4000, 3000);
    Labels(1, 4000, 3000);
    EXPECT_TRUE(Arrows().empty());
    ASSERT_EQ(Texts(labelsFrom).size(), 1u);
    const TTextobj& sizes = *Texts(labelsFrom)[0];
    EXPECT_EQ(sizes.text, "4000 x 3000");
    EXPECT_EQ(sizes.typeCode, 36);
    EXPECT_EQ(sizes.x1, 3000);
    EXPECT_EQ(sizes.y1, 3250);
    EXPECT_EQ(sizes.y2, 250);

    Labels(3, 4000, 3000);
    EXPECT_EQ(Arrows().size(), 2u);
    ASSERT_EQ(Texts(labelsFrom).size(), 1u);
    EXPECT_EQ(Texts(labelsFrom)[0]->text, "4000");

    Labels(4, 4000, 3000);
    EXPECT_EQ(Arrows().size(), 2u);
    ASSERT_EQ(Texts(labelsFrom).size(), 1u);
    EXPECT_EQ(Texts(labelsFrom)[0]->text, "3000");
}

TEST_F(FixedRoomTest, NoSizesStillWritesTheFile)
{
    WorkedRoom();
    Room(4000, 4500, 4000, 3000);
    // An object in memory only: the labelling slot writes the file even when it adds no label.
    objects().Add(std::make_unique<TLineobj>());
    const int count = objects().count();
    room.AutoDimension(dc, client, 7, 4000, 3000, 111);
    EXPECT_EQ(objects().count(), count);
    EXPECT_EQ(int(ReadBack().size()), count);
    EXPECT_EQ(room.kind, KIND_FIXED_ROOM);
}

TEST_F(FixedRoomTest, ImperialSizesInFeetInchesAndEighths)
{
    state().unitSystem = 0;
    Box();
    Room(1500, 4500, 3009, 3001);
    Labels(2, 3009, 3001);
    const auto texts = Texts(labelsFrom);
    ASSERT_EQ(texts.size(), 2u);
    // 3001 is 10' 5'' and one twenty-fourth: below an eighth, no fraction.
    EXPECT_EQ(texts[0]->text, "10' 5''");
    EXPECT_EQ(texts[1]->text, "10' 5 3/8''");
    // IOFFSET.CFG: offset 576, level vertical text, sizes in 8 points.
    EXPECT_EQ(texts[0]->escapement, 0);
    EXPECT_EQ(texts[0]->x1, 1000 + 576);
    EXPECT_EQ(texts[0]->fontHeight, 8);
    Labels(1, 3000, 3012);
    EXPECT_EQ(Texts(labelsFrom)[0]->text, "10' 5'' x 10' 5 1/2''");
}

TEST_F(FixedRoomTest, TheSlotsBuildAndLabelThroughTheFile)
{
    WorkedRoom();
    Click(4000, 4500);
    state().newRoomName = "hall";
    room.BuildRoom(dc, client, 4000, 3000);
    room.AutoDimension(dc, client, 2, 4000, 3000, 111);
    const auto back = ReadBack();
    ASSERT_EQ(int(back.size()), objects().count());
    EXPECT_EQ(DumpObject(0, *back.back()), DumpObject(0, *objects()[objects().count() - 1]));
}

TEST_F(FixedRoomTest, ARoomOrLabelPastTheRangesTopIsRefusedWhole)
{
    // A box of internal walls whose room-side faces lie at x top - 4100 and top - 100: a room
    // 4100 wide from its left face has its right wall 100 past the top.
    constexpr int top = std::numeric_limits<std::int32_t>::max();
    const int left = top - 4100;
    AddIntWall(left - 100, 1000, left - 100, 6000, 0, 100, left, 1000, left, 6000);
    AddIntWall(top - 100, 1000, top - 100, 6000, 0, 100, top, 1000, top, 6000);
    AddIntWall(left - 500, 2000, top, 2000, 900, 100, left - 500, 1900, top, 1900);
    AddIntWall(left - 500, 5000, top, 5000, 900, 100, left - 500, 5100, top, 5100);
    ASSERT_TRUE(objects().WriteDrawing());
    const int before = objects().count();
    Click(left + 500, 4500);
    ASSERT_FALSE(room.NoRoomFound());
    TDrawingEdit edit;
    EXPECT_FALSE(room.BuildRoom(edit, 4100, 3000));
    EXPECT_EQ(objects().count(), before);
    EXPECT_EQ(ReadBack().size(), std::size_t(before));
    ASSERT_EQ(window.messages.size(), 1u);
    EXPECT_NE(window.messages[0].find("POINT OUT OF RANGE"), std::string::npos);

    // 4000 wide it fits; its width label stands 600 right of its left face, inside. A length
    // label 600 in from a room 300 wide against the right wall would stand past the top.
    Room(left + 500, 4500, 4000, 3000);
    Labels(2, 4000, 3000);
    EXPECT_EQ(window.messages.size(), 1u);
    const int built = objects().count();
    Click(top - 200, 4500);
    ASSERT_FALSE(room.NoRoomFound());
    TDrawingEdit narrow;
    ASSERT_TRUE(room.BuildRoom(narrow, 300, 3000));
    EXPECT_FALSE(room.AutoDimension(narrow, 4, 300, 3000));
    EXPECT_EQ(objects().count(), built);
    EXPECT_EQ(window.messages.size(), 2u);
}

}  // namespace
