// Finishing design rooms: the walls of each room's open sides, what neighbouring rooms and walls
// cover, the labels by size display, the rooms removed, and the internal-wall tool's hook.
#include "model/drawingedit.h"
#include "rooms/designroomfinish.h"
#include "tests/rooms/fixedroomfixture.h"
#include "walls/finishdesignrooms.h"

#include <algorithm>
#include <limits>

namespace {

class FinishTest : public RoomToolTest {
protected:
    FinishTest()
    {
        tool.kind = KIND_INTWALL;
        tool.step = STEP_FINISH_DESIGN_ROOMS;
    }
    int Finish()
    {
        first = objects().count();
        TDrawingEdit edit;
        const int converted = FinishDesignRooms(edit, tool);
        edit.Commit();
        return converted;
    }
    // What was appended: the design rooms go, so the new objects start where they stood.
    template <class T>
    std::vector<T*> New()
    {
        return From<T>(firstNew);
    }
    std::vector<TIntwallobj*> Walls() { return New<TIntwallobj>(); }
    int DesignRooms()
    {
        int count = 0;
        for (int i = 0; i < objects().count(); ++i)
            count += objects()[i]->typeCode == TYPE_DESIGN_ROOM ? 1 : 0;
        return count;
    }

    int first = 0;
    int firstNew = 4;  // after the floor records
};

TEST_F(FinishTest, TheWorkedExample)
{
    AddDesignRoom(1000, 5000, 5000, 2000, "bed 1", 2, "4000", "3000");
    ASSERT_EQ(Finish(), 1);
    EXPECT_EQ(DesignRooms(), 0);

    const auto walls = Walls();
    ASSERT_EQ(walls.size(), 4u);
    EXPECT_EQ(FacesOf(*walls[0]), (Faces{900, 5100, 900, 1900, 1000, 5000, 1000, 2000}));
    EXPECT_EQ(FacesOf(*walls[1]), (Faces{5100, 5100, 5100, 1900, 5000, 5000, 5000, 2000}));
    EXPECT_EQ(FacesOf(*walls[2]), (Faces{900, 5100, 5100, 5100, 1000, 5000, 5000, 5000}));
    EXPECT_EQ(FacesOf(*walls[3]), (Faces{900, 1900, 5100, 1900, 1000, 2000, 5000, 2000}));
    const int angles[] = {1800, 1800, 900, 900};
    for (std::size_t i = 0; i < walls.size(); ++i) {
        EXPECT_EQ(walls[i]->angle, angles[i]);
        EXPECT_EQ(walls[i]->ownerId, 10001 + int(i));
        EXPECT_EQ(walls[i]->groupId, 10001 + int(i));
        EXPECT_EQ(walls[i]->wallWidth, 100);
        EXPECT_EQ(walls[i]->z1, 0);
        EXPECT_EQ(walls[i]->face2Aux, 0);
        EXPECT_EQ(walls[i]->wallParams, (std::array<int32_t, 4>{0, 0, 0, 0}));
        EXPECT_EQ(walls[i]->wallColour1, 0);
        EXPECT_EQ(walls[i]->colour, std::int32_t(state().currentColour));
        EXPECT_EQ(walls[i]->joinData, (std::array<int32_t, 4>{0, 0, 0, 0}));
    }
    EXPECT_TRUE(New<TLineobj>().empty());

    // The name, then the width text with its arrows, then the length text with its arrows.
    const int labels = firstNew + 4;
    const auto* name = dynamic_cast<TTextobj*>(objects()[labels]);
    ASSERT_NE(name, nullptr);
    EXPECT_EQ(name->text, "bed 1");
    EXPECT_EQ(name->typeCode, 36);
    EXPECT_EQ((std::array<int, 2>{name->x1, name->y1}), (std::array<int, 2>{3000, 3500}));
    EXPECT_EQ(name->ownerId, 0);
    EXPECT_EQ(name->groupId, 10005);
    EXPECT_EQ(name->fontHeight, 9);
    const auto* width = dynamic_cast<TTextobj*>(objects()[labels + 1]);
    ASSERT_NE(width, nullptr);
    EXPECT_EQ(width->text, "4000");
    EXPECT_EQ(width->typeCode, 35);
    EXPECT_EQ((std::array<int, 3>{width->x1, width->y1, width->x2}), (std::array<int, 3>{3000, 4400, 2700}));
    EXPECT_EQ(ShaftOf(dynamic_cast<TArrowobj&>(*objects()[labels + 2])), (std::array<int, 4>{1000, 4400, 1200, 4400}));
    EXPECT_EQ(ShaftOf(dynamic_cast<TArrowobj&>(*objects()[labels + 3])), (std::array<int, 4>{5000, 4400, 4800, 4400}));
    const auto* length = dynamic_cast<TTextobj*>(objects()[labels + 4]);
    ASSERT_NE(length, nullptr);
    EXPECT_EQ(length->text, "3000");
    EXPECT_EQ((std::array<int, 4>{length->x1, length->y1, length->x2, length->escapement}),
              (std::array<int, 4>{1600, 3500, 900, 2700}));
    EXPECT_EQ(ShaftOf(dynamic_cast<TArrowobj&>(*objects()[labels + 5])), (std::array<int, 4>{1600, 5000, 1600, 4800}));
    EXPECT_EQ(ShaftOf(dynamic_cast<TArrowobj&>(*objects()[labels + 6])), (std::array<int, 4>{1600, 2000, 1600, 2200}));
    EXPECT_EQ(objects().count(), labels + 7);
    for (const TArrowobj* arrow : New<TArrowobj>())
        EXPECT_EQ(arrow->groupId, 10005);

    // The area to repaint: the room widened by 2 u t.
    EXPECT_EQ((std::array<int, 4>{tool.editLeft, tool.editTop, tool.editRight, tool.editBottom}),
              (std::array<int, 4>{0, 6000, 6000, 1000}));
    const auto back = ReadBack();
    ASSERT_EQ(int(back.size()), objects().count());
    EXPECT_EQ(DumpObject(0, *back.back()), DumpObject(0, *objects()[objects().count() - 1]));
}

TEST_F(FinishTest, TwoRoomsSharingAnEdgeGetOneWallBetweenThem)
{
    AddDesignRoom(1000, 5000, 3000, 2000, "a");
    AddDesignRoom(3000, 5000, 5000, 2000, "b");
    ASSERT_EQ(Finish(), 2);
    const auto walls = Walls();
    ASSERT_EQ(walls.size(), 7u);  // four for the first, three for the second
    const auto onEdge = std::count_if(walls.begin(), walls.end(), [](const TIntwallobj* wall) {
        return wall->angle % 1800 == 0 && (wall->x1 == 3000 || wall->face2StartX == 3000);
    });
    EXPECT_EQ(onEdge, 1);
    // The second room's top wall starts on the first room's wall, opened with a junction line.
    EXPECT_EQ(FacesOf(*walls[5]), (Faces{3000, 5100, 5100, 5100, 3000, 5000, 5000, 5000}));
    const auto lines = New<TLineobj>();
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(EndsOf(*lines[0]), (std::array<int, 4>{3000, 5099, 3000, 5001}));
}

TEST_F(FinishTest, RoomsOneWallApartShareTheWallInTheGap)
{
    AddDesignRoom(1000, 5000, 3000, 2000, "a");
    AddDesignRoom(3100, 5000, 5000, 2000, "b");
    ASSERT_EQ(Finish(), 2);
    const auto walls = Walls();
    const auto inGap = std::count_if(walls.begin(), walls.end(), [](const TIntwallobj* wall) {
        return wall->angle % 1800 == 0 && std::min(wall->x1, wall->face2StartX) >= 3000 &&
               std::max(wall->x1, wall->face2StartX) <= 3100;
    });
    EXPECT_EQ(inGap, 1);
    EXPECT_EQ(walls.size(), 7u);
}

TEST_F(FinishTest, SpaceRoomsGetNothingAndGoWithTheOthers)
{
    AddDesignRoom(1000, 5000, 3000, 2000, "hall", 1, "2000", "3000");
    AddDesignRoom(3000, 5000, 5000, 2000, "space", 1, "2000", "3000");
    AddDesignRoom(5000, 5000, 7000, 2000, "SPACE");
    ASSERT_EQ(Finish(), 1);
    EXPECT_EQ(DesignRooms(), 0);
    EXPECT_EQ(Walls().size(), 4u);
    EXPECT_EQ(New<TTextobj>().size(), 2u);  // the hall's name and sizes
    // The repaint takes the free space away from the screen too: all three rooms widened by 2 u t.
    EXPECT_EQ((std::array<int, 4>{tool.editLeft, tool.editTop, tool.editRight, tool.editBottom}),
              (std::array<int, 4>{0, 6000, 8000, 1000}));
}

TEST_F(FinishTest, AFloorOfSpaceRoomsKeepsThemAndStillWritesTheFile)
{
    AddDesignRoom(1000, 5000, 3000, 2000, "space");
    AddDesignRoom(3000, 5000, 5000, 2000, "SPACE");
    objects().Add(std::make_unique<TLineobj>());  // in memory only so far
    const int count = objects().count();
    EXPECT_EQ(Finish(), 0);
    EXPECT_EQ(objects().count(), count);
    EXPECT_EQ(int(ReadBack().size()), count);
    EXPECT_EQ((std::array<int, 4>{tool.editLeft, tool.editTop, tool.editRight, tool.editBottom}),
              (std::array<int, 4>{300000, 0, 0, 300000}));
}

TEST_F(FinishTest, ANameDifferingFromSpaceInCaseIsConverted)
{
    AddDesignRoom(1000, 5000, 3000, 2000, "Space");
    EXPECT_EQ(Finish(), 1);
    EXPECT_EQ(Walls().size(), 4u);
    ASSERT_EQ(New<TTextobj>().size(), 1u);
    EXPECT_EQ(New<TTextobj>()[0]->text, "Space");
}

TEST_F(FinishTest, LabelsBySizeDisplay)
{
    struct Case {
        int display;
        bool named;
        std::vector<std::string> texts;
        std::size_t arrows;
    };
    const Case cases[] = {
        {0, true, {"den"}, 0},
        {1, true, {"den", "4000 x 3000"}, 0},
        {2, true, {"den", "4000", "3000"}, 4},
        {3, true, {"den", "4000"}, 2},
        {4, false, {"3000"}, 2},
    };
    for (const Case& c : cases) {
        objects().CutBack(4);
        AddDesignRoom(1000, 5000, 5000, 2000, c.named ? "den" : "none", c.display, "4000", "3000");
        ASSERT_EQ(Finish(), 1);
        std::vector<std::string> texts;
        for (const TTextobj* text : New<TTextobj>())
            texts.push_back(text->text);
        EXPECT_EQ(texts, c.texts) << c.display;
        EXPECT_EQ(New<TArrowobj>().size(), c.arrows) << c.display;
    }
    // Below the name: 50 logical units under the centre.
    objects().CutBack(4);
    AddDesignRoom(1000, 5000, 5000, 2000, "den", 1, "4000", "3000");
    Finish();
    const TTextobj* sizes = New<TTextobj>().back();
    EXPECT_EQ((std::array<int, 3>{sizes->x1, sizes->y1, sizes->y2}), (std::array<int, 3>{3000, 3250, 250}));
    EXPECT_EQ(sizes->typeCode, 36);
}

TEST_F(FinishTest, DesignRoomsOfOtherFloorsStay)
{
    AddDesignRoom(1000, 5000, 3000, 2000, "up").floor = 51;
    AddDesignRoom(3000, 5000, 5000, 2000, "down");
    ASSERT_EQ(Finish(), 1);
    ASSERT_EQ(DesignRooms(), 1);
    EXPECT_EQ(objects()[4]->floor, 51);
    for (const TIntwallobj* wall : From<TIntwallobj>(0))
        EXPECT_EQ(wall->floor, 50);
}

TEST_F(FinishTest, TheWallThicknessIsTheFloors)
{
    state().currentFloor = 52;
    AddDesignRoom(1000, 5000, 5000, 2000);
    ASSERT_EQ(Finish(), 1);
    EXPECT_EQ(Walls()[0]->wallWidth, 140);
    EXPECT_EQ(Walls()[0]->ownerId, 12001);
    EXPECT_EQ(Walls()[0]->x1, 860);
}

TEST_F(FinishTest, AnEdgeNearAnExternalWallMovesOntoIt)
{
    // The inner line at x 995 covers the left side: the edge moves onto it and needs no wall.
    AddExtWall(895, 1000, 895, 6000, 0, 100, 995, 1000, 995, 6000);
    firstNew = 5;
    AddDesignRoom(1000, 5000, 5000, 2000, "den");
    ASSERT_EQ(Finish(), 1);
    const auto walls = Walls();
    ASSERT_EQ(walls.size(), 3u);
    EXPECT_EQ(FacesOf(*walls[1]), (Faces{995, 5100, 5100, 5100, 995, 5000, 5000, 5000}));
    EXPECT_TRUE(New<TLineobj>().empty());  // no junction with an external wall
    EXPECT_EQ(New<TTextobj>()[0]->x1, 995 + (5000 - 995) / 2);
}

TEST_F(FinishTest, AnEdgeMovesOntoAnExternalLineBeyondItsSideToo)
{
    AddExtWall(895, 6000, 895, 8000, 0, 100, 995, 6000, 995, 8000);
    firstNew = 5;
    AddDesignRoom(1000, 5000, 5000, 2000, "den");
    ASSERT_EQ(Finish(), 1);
    const auto walls = Walls();
    ASSERT_EQ(walls.size(), 4u);
    EXPECT_EQ(FacesOf(*walls[0]), (Faces{895, 5100, 895, 1900, 995, 5000, 995, 2000}));
}

TEST_F(FinishTest, AFaceOneUnitOffTheEdgeGetsAWallBesideIt)
{
    AddIntWall(899, 1000, 899, 6000, 0, 100, 999, 1000, 999, 6000);
    firstNew = 5;
    AddDesignRoom(1000, 5000, 5000, 2000, "den");
    ASSERT_EQ(Finish(), 1);
    const auto walls = Walls();
    ASSERT_EQ(walls.size(), 4u);
    EXPECT_EQ(FacesOf(*walls[0]), (Faces{900, 5100, 900, 1900, 1000, 5000, 1000, 2000}));
}

TEST_F(FinishTest, SlopedWallsNeverCoverASide)
{
    AddIntWall(1000, 1000, 1010, 6000, 2, 100, 900, 1000, 910, 6000);
    firstNew = 5;
    AddDesignRoom(1000, 5000, 5000, 2000, "den");
    ASSERT_EQ(Finish(), 1);
    EXPECT_EQ(Walls().size(), 4u);
}

TEST_F(FinishTest, AnInternalWallInTheMiddleOfASideGivesTwoWallsWithJunctions)
{
    // An internal wall whose lower face covers x 2000 .. 3000 of the top edge.
    AddIntWall(2000, 5100, 3000, 5100, 900, 100, 2000, 5000, 3000, 5000);
    firstNew = 5;
    AddDesignRoom(1000, 5000, 5000, 2000, "den");
    ASSERT_EQ(Finish(), 1);
    const auto walls = Walls();
    ASSERT_EQ(walls.size(), 5u);
    EXPECT_EQ(FacesOf(*walls[2]), (Faces{900, 5100, 2000, 5100, 1000, 5000, 2000, 5000}));
    EXPECT_EQ(FacesOf(*walls[3]), (Faces{3000, 5100, 5100, 5100, 3000, 5000, 5000, 5000}));
    EXPECT_NE(walls[2]->ownerId, walls[3]->ownerId);
    EXPECT_EQ(walls[3]->angle, 900);
    const auto lines = New<TLineobj>();
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(EndsOf(*lines[0]), (std::array<int, 4>{2000, 5099, 2000, 5001}));
    EXPECT_EQ(EndsOf(*lines[1]), (std::array<int, 4>{3000, 5099, 3000, 5001}));
    EXPECT_EQ(lines[1]->groupId, walls[3]->groupId);
}

TEST_F(FinishTest, AnExternalWallOverTheLowerPartGivesTheUpperWallOnly)
{
    AddExtWall(900, 1000, 900, 4000, 0, 100, 1000, 1000, 1000, 4000);
    firstNew = 5;
    AddDesignRoom(1000, 5000, 5000, 2000, "den");
    ASSERT_EQ(Finish(), 1);
    const auto walls = Walls();
    ASSERT_EQ(walls.size(), 4u);
    // Down from the (open) top corner to the external wall's end, stored with angle 0.
    EXPECT_EQ(FacesOf(*walls[0]), (Faces{900, 5100, 900, 4000, 1000, 5000, 1000, 4000}));
    EXPECT_EQ(walls[0]->angle, 0);
    EXPECT_TRUE(New<TLineobj>().empty());
}

TEST_F(FinishTest, TheInternalWallToolFinishesThroughTheInstalledHook)
{
    AddDesignRoom(1000, 5000, 5000, 2000, "den");
    tool.active = 1;
    InstallDesignRoomFinish();
    tool.Setup(0, 0, 0);
    InstallFinishDesignRooms(nullptr);
    EXPECT_EQ(tool.active, 0);
    EXPECT_EQ(DesignRooms(), 0);
    EXPECT_EQ(Walls().size(), 4u);
    EXPECT_EQ(int(ReadBack().size()), objects().count());
    // Without the hook the tool does nothing at that step.
    AddDesignRoom(6000, 5000, 8000, 2000, "den");
    tool.Setup(0, 0, 0);
    EXPECT_EQ(DesignRooms(), 1);
}

TEST_F(FinishTest, AFinishWithALabelPastTheRangesTopChangesNothing)
{
    // A room 300 wide against an internal wall whose far face is the range's top: its length
    // label stands 600 right of its left edge, 200 past the top, where the file would hold it cut
    // to the top.
    constexpr int top = std::numeric_limits<std::int32_t>::max();
    AddIntWall(top - 100, 1000, top - 100, 6000, 0, 100, top, 1000, top, 6000);
    AddDesignRoom(top - 400, 5000, top - 100, 2000, "hall", 4, "300", "3000");
    ASSERT_TRUE(objects().WriteDrawing());
    const int before = objects().count();
    TDrawingEdit edit;
    EXPECT_EQ(FinishDesignRooms(edit, tool), -1);
    EXPECT_EQ(objects().count(), before);
    EXPECT_EQ(DesignRooms(), 1);
    EXPECT_EQ(ReadBack().size(), std::size_t(before));
    ASSERT_EQ(window.messages.size(), 1u);
    EXPECT_NE(window.messages[0].find("POINT OUT OF RANGE"), std::string::npos);

    // Without the label its walls are finished, the right one left to the wall that is there (the
    // list was read back from the file: the room is taken from it afresh).
    static_cast<TRoomobj&>(*objects()[before - 1]).sizeDisplay = 0;
    ASSERT_TRUE(objects().WriteDrawing());
    firstNew = before - 1;
    EXPECT_EQ(Finish(), 1);
    EXPECT_EQ(DesignRooms(), 0);
    EXPECT_EQ(Walls().size(), 3u);
    EXPECT_EQ(window.messages.size(), 1u);
}

}  // namespace
