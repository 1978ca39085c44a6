// The design-room tool: a new room and its texts, the hit test and its grips, the drag with its
// outline and its release, the keyboard edits.
#include "tests/rooms/roomfixture.h"

#include "model/settingsrecords.h"
#include "rooms/designroomsizes.h"

#include <limits>

namespace {

using DesignRoomTool = RoomTest;

// ---------------------------------------------------------------------------------------------
// Size texts.

TEST(DesignRoomSizeTexts, MetricMillimetresAndImperialFeetInchesAndEighths)
{
    EXPECT_EQ(DesignRoomSizeText(3000, 1), "3000");
    EXPECT_EQ(DesignRoomSizeText(-40, 1), "-40");
    EXPECT_EQ(DesignRoomSizeText(3600, 0), "12' 6''");
    EXPECT_EQ(DesignRoomSizeText(3603, 0), "12' 6 1/8''");
    EXPECT_EQ(DesignRoomSizeText(3612, 0), "12' 6 1/2''");
    EXPECT_EQ(DesignRoomSizeText(3621, 0), "12' 6 7/8''");
    EXPECT_EQ(DesignRoomSizeText(288, 0), "1' 0''");
    EXPECT_EQ(DesignRoomSizeText(24, 0), "0' 1''");
    // A remainder finer than an eighth takes the whole-inch form; 14 holds four eighths.
    EXPECT_EQ(DesignRoomSizeText(3601, 0), "12' 6''");
    EXPECT_EQ(DesignRoomSizeText(3602, 0), "12' 6''");
    EXPECT_EQ(DesignRoomSizeText(3614, 0), "12' 6 1/2''");
    // Any other unit system keeps the texts a room has.
    EXPECT_EQ(DesignRoomSizeText(3000, 2), std::nullopt);
}

// ---------------------------------------------------------------------------------------------
// A new room.

TEST_F(DesignRoomTool, NewToolStartsWithNoSelectionAndTheWindowsFill)
{
    state().currentFillColour = MakeColour(10, 20, 30);
    TDRoomobjtool fresh;
    EXPECT_EQ(fresh.kind, KIND_DESIGN_ROOM);
    EXPECT_EQ(fresh.selectedRoom, NO_INDEX);
    EXPECT_FALSE(fresh.HasSelectedRoom());
    EXPECT_EQ(fresh.fillColour, MakeColour(10, 20, 30));
    EXPECT_EQ(fresh.penWidth, 1);
    EXPECT_EQ(fresh.active, 0);
}

TEST_F(DesignRoomTool, SetupPlacesTheRoomAtTheViewsLowerLeftAndStoresIt)
{
    state().groupIdCounter = 41;
    state().newRoomName = "kitchen";
    state().textPointSize = 9;
    WriteCfg("NEWRM.CFG", "3 1");
    tool.Setup(3000, 4000, 0);

    ASSERT_EQ(objects().count(), 5);
    const TRoomobj& room = RoomAt(4);
    // (2 u + viewOrg + 1) u = 55 from the view's corner; the top lies the length above.
    EXPECT_EQ(Rect(room), (std::array<int, 4>{55, 4055, 3055, 55}));
    EXPECT_EQ(ToolRect(), Rect(room));
    EXPECT_EQ(room.floor, GROUND_FLOOR);
    EXPECT_EQ(room.typeCode, TYPE_DESIGN_ROOM);
    EXPECT_EQ(room.ownerId, 42);
    EXPECT_EQ(room.groupId, 42);
    EXPECT_EQ(room.roomWidth, 3000);
    EXPECT_EQ(room.roomLength, 4000);
    EXPECT_EQ(room.roomName, "kitchen");
    EXPECT_EQ(room.nameLength, 7);
    EXPECT_EQ(room.sizeText1, "3000");
    EXPECT_EQ(room.sizeText2, "4000");
    EXPECT_EQ(room.sizeText2Length, 4);
    EXPECT_EQ(room.sizeDisplay, 3);
    EXPECT_EQ(room.textPointSize, 9);
    EXPECT_EQ(room.fillColour, std::int32_t(MakeColour(255, 255, 255)));
    EXPECT_EQ(room.penWidth, 1);
    EXPECT_EQ(state().groupIdCounter, 42);
    // The selection and step stay as they were.
    EXPECT_EQ(tool.step, STEP_READY);
    EXPECT_FALSE(tool.HasSelectedRoom());

    const auto stored = ReadBack();
    ASSERT_EQ(stored.size(), 5u);
    EXPECT_EQ(DumpObject(4, *stored[4]), DumpObject(4, room));
}

TEST_F(DesignRoomTool, SetupFollowsTheViewOriginAndMakesNoFloorBasedId)
{
    state().viewOrgX = 100;
    state().viewOrgY = 40;
    state().currentFloor = FIRST_FLOOR;
    tool.Setup(1000, 2000, 0);
    tool.Setup(1000, 2000, 0);
    // Two rooms made one after the other lie on top of each other.
    EXPECT_EQ(Rect(RoomAt(4)), (std::array<int, 4>{555, 2255, 1555, 255}));
    EXPECT_EQ(Rect(RoomAt(5)), Rect(RoomAt(4)));
    EXPECT_EQ(RoomAt(4).ownerId, 1);
    EXPECT_EQ(RoomAt(5).groupId, 2);
    EXPECT_EQ(RoomAt(5).floor, FIRST_FLOOR);
}

TEST_F(DesignRoomTool, SetupTakesTheColourChoice)
{
    const std::pair<const char*, TColor> choices[] = {
        {"1 1", MakeColour(255, 255, 255)}, {"1 2", TColor(255)}, {"1 3", TColor(65280)}, {"1 4", TColor(16711680)}};
    for (const auto& [file, colour] : choices) {
        WriteCfg("NEWRM.CFG", file);
        tool.Setup(1000, 1000, 0);
        EXPECT_EQ(RoomAt(LastIndex()).fillColour, std::int32_t(colour)) << file;
    }
    // A choice outside 1..4 keeps the colour the tool holds.
    WriteCfg("NEWRM.CFG", "1 0");
    tool.Setup(1000, 1000, 0);
    EXPECT_EQ(RoomAt(LastIndex()).fillColour, 16711680);
}

TEST_F(DesignRoomTool, ImperialSetupWritesFeetAndInches)
{
    state().unitSystem = 0;
    tool.Setup(3603, 288, 0);
    EXPECT_EQ(RoomAt(4).sizeText1, "12' 6 1/8''");
    EXPECT_EQ(RoomAt(4).sizeText2, "1' 0''");
    EXPECT_EQ(tool.sizeText1Length, 11);
}

// ---------------------------------------------------------------------------------------------
// The hit test.

TEST_F(DesignRoomTool, SelectionIsStrictlyInsideOnTheCurrentFloor)
{
    AddRoom(1000, 3000, 4000, 1000);
    Press(1000, 2000);  // on the left edge
    EXPECT_FALSE(tool.HasSelectedRoom());
    EXPECT_EQ(tool.selectedRoom, NO_INDEX);
    EXPECT_EQ(tool.step, STEP_READY);
    Press(2500, 3000);  // on the top edge
    EXPECT_FALSE(tool.HasSelectedRoom());

    state().currentFloor = FIRST_FLOOR;
    Press(1500, 2500);
    EXPECT_FALSE(tool.HasSelectedRoom());
    EXPECT_EQ(tool.active, 0);

    state().currentFloor = GROUND_FLOOR;
    Press(1500, 2500);
    ASSERT_TRUE(tool.HasSelectedRoom());
    EXPECT_EQ(tool.selectedRoom, 4);
    EXPECT_EQ(tool.lastX, 1500);
    EXPECT_EQ(tool.lastY, 2500);
}

TEST_F(DesignRoomTool, TheEarlierOfOverlappingRoomsIsTaken)
{
    AddRoom(1000, 3000, 4000, 1000);
    AddRoom(2000, 4000, 5000, 2000);
    Press(3000, 2500);
    EXPECT_EQ(tool.selectedRoom, 4);
    tool.step = STEP_READY;
    Press(4500, 3500);
    EXPECT_EQ(tool.selectedRoom, 5);
}

TEST_F(DesignRoomTool, ATakeNearTheCentreDragsWithoutAlignment)
{
    AddRoom(1000, 3000, 4000, 1000);  // centre (2500, 2000); 20 logical units are 100
    Press(2550, 1950);
    EXPECT_EQ(tool.step, STEP_DROOM_DRAG_FREE);
    EXPECT_EQ(tool.active, 1);
    EXPECT_EQ(ToolRect(), (std::array<int, 4>{1000, 3000, 4000, 1000}));
    EXPECT_EQ(tool.roomWidth, 3000);
    EXPECT_EQ(tool.roomLength, 2000);
    EXPECT_EQ((std::array<int, 4>{tool.editLeft, tool.editTop, tool.editRight, tool.editBottom}),
              (std::array<int, 4>{1000, 3000, 4000, 1000}));

    tool.step = STEP_READY;
    Press(2600, 2000);  // 100 away: not within
    EXPECT_EQ(tool.step, STEP_DROOM_DRAG_ALIGNED);
}

TEST_F(DesignRoomTool, PickingForAnEditKeepsTheStepAndTheToolRectangle)
{
    AddRoom(1000, 3000, 4000, 1000);
    for (int step : {STEP_DROOM_EXPAND, STEP_DROOM_SHRINK}) {
        tool.step = step;
        tool.x1 = tool.y1 = tool.x2 = tool.y2 = 7;
        Press(1500, 1500);
        EXPECT_EQ(tool.step, step);
        EXPECT_EQ(tool.lineDrawn, 1);
        EXPECT_EQ(tool.active, 0);
        EXPECT_EQ(ToolRect(), (std::array<int, 4>{7, 7, 7, 7}));
        EXPECT_EQ(tool.editLeft, 1000);
    }
    tool.step = STEP_DROOM_MOVE;
    Press(5000, 5000);  // a miss still goes on to the typed move
    EXPECT_EQ(tool.step, STEP_DROOM_MOVE_TYPED);
    EXPECT_EQ(tool.lineDrawn, 1);
    EXPECT_FALSE(tool.HasSelectedRoom());

    tool.step = STEP_DROOM_MOVE;
    RightPress(1500, 1500);
    EXPECT_EQ(tool.step, STEP_DROOM_MOVE_FINE);
    EXPECT_TRUE(tool.HasSelectedRoom());
}

TEST_F(DesignRoomTool, ASelectionThatNoLongerNamesARoomIsNone)
{
    AddRoom(1000, 3000, 4000, 1000);
    Press(1500, 1500);
    ASSERT_TRUE(tool.HasSelectedRoom());
    // The room goes (an undo, say): the index now lies past the list's end.
    TDrawingEdit edit;
    edit.Remove(4);
    edit.Commit();
    EXPECT_FALSE(tool.HasSelectedRoom());
    tool.DrawFeedback(dc, 1);
    ArrowKey(VK_LEFT, 100);
    EXPECT_EQ(dc.Records().size(), 0u);
}

// ---------------------------------------------------------------------------------------------
// The drag.

TEST_F(DesignRoomTool, DragCoversTheRoomMovesAnExclusiveOrOutlineAndStoresOnRelease)
{
    AddRoom(1000, 3000, 4000, 1000);
    const int editsBefore = objects().EditCount();
    Press(1500, 1500);
    ASSERT_EQ(tool.step, STEP_DROOM_DRAG_ALIGNED);

    MoveTo(1500, 1500);  // the first move covers the room and shows the outline where it lies
    EXPECT_EQ(tool.feedbackState(), 1);
    EXPECT_EQ(ToolRect(), (std::array<int, 4>{1000, 3000, 4000, 1000}));
    const auto covers = dc.RecordsOf(TCanvasRecord::Rectangle);
    ASSERT_EQ(covers.size(), 1u);
    EXPECT_EQ(covers[0].rop, RasterOp::Copy);
    EXPECT_EQ(covers[0].brush.kind, BrushKind::Solid);
    EXPECT_EQ(covers[0].brush.colour, MakeColour(255, 255, 255));
    // Logical corners, one scale step beyond the right and bottom sides.
    EXPECT_EQ(covers[0].box, (TRect{200, 600, 805, 195}));

    dc.Clear();
    MoveTo(2500, 1000);
    EXPECT_EQ(ToolRect(), (std::array<int, 4>{2000, 2500, 5000, 500}));
    const auto outlines = dc.RecordsOf(TCanvasRecord::Polyline);
    ASSERT_EQ(outlines.size(), 2u);  // the old outline erased, the new one drawn
    for (const auto& outline : outlines) {
        EXPECT_EQ(outline.rop, RasterOp::Xor);
        EXPECT_EQ(outline.pen.style, PS_DOT);
        EXPECT_EQ(outline.pen.colour, state().currentColour);
    }
    EXPECT_EQ(outlines[0].points, (std::vector<TPoint>{{200, 600}, {800, 600}, {800, 200}, {200, 200}, {200, 600}}));
    EXPECT_EQ(outlines[1].points, (std::vector<TPoint>{{400, 500}, {1000, 500}, {1000, 100}, {400, 100}, {400, 500}}));
    // Nothing is stored while the room is dragged.
    EXPECT_EQ(objects().EditCount(), editsBefore);
    EXPECT_EQ(Rect(RoomAt(4)), (std::array<int, 4>{1000, 3000, 4000, 1000}));

    // No neighbour within the merge distance: the room stays where it was dropped.
    Release(2500, 1000);
    EXPECT_EQ(tool.step, STEP_READY);
    EXPECT_EQ(tool.active, 0);
    EXPECT_EQ(tool.feedbackState(), 0);
    EXPECT_EQ(Rect(RoomAt(4)), (std::array<int, 4>{2000, 2500, 5000, 500}));
    EXPECT_EQ(objects().EditCount(), editsBefore + 1);
    EXPECT_EQ(Rect(*ReadBack()[4]), Rect(RoomAt(4)));
}

TEST_F(DesignRoomTool, ADragTakenNearTheCentreIsNotAligned)
{
    AddRoom(0, 5000, 4000, 2000);
    AddRoom(5000, 3000, 8000, 0);  // centre (6500, 1500)
    Press(6500, 1500);
    ASSERT_EQ(tool.step, STEP_DROOM_DRAG_FREE);
    MoveTo(6500, 1500);
    MoveTo(6350, 1500);  // its left side 150 from the other room's right side
    Release(6350, 1500);
    EXPECT_EQ(Rect(RoomAt(5)), (std::array<int, 4>{4850, 3000, 7850, 0}));
    EXPECT_EQ(tool.step, STEP_DROOM_DRAG_FREE);  // the window sets the step back
}

TEST_F(DesignRoomTool, ADragStartedOutsideTheWindowFollowsFromThere)
{
    AddRoom(1000, 3000, 4000, 1000);
    Press(1500, 1500);
    tool.MouseMove(dc, client, -10, 400);
    EXPECT_EQ(tool.feedbackState(), 10);
    EXPECT_EQ(ToolRect(), (std::array<int, 4>{1000, 3000, 4000, 1000}));
    tool.MouseMove(dc, client, -20, 400);  // outside still: the rectangle follows
    EXPECT_EQ(ToolRect(), (std::array<int, 4>{950, 3000, 3950, 1000}));
    EXPECT_EQ(tool.feedbackState(), 10);
    tool.MouseMove(dc, client, 100, 400);  // back inside: taken up from here
    EXPECT_EQ(ToolRect(), (std::array<int, 4>{950, 3000, 3950, 1000}));
    EXPECT_EQ(tool.feedbackState(), 1);
    tool.MouseMove(dc, client, 110, 400);
    EXPECT_EQ(ToolRect(), (std::array<int, 4>{1000, 3000, 4000, 1000}));
}

TEST_F(DesignRoomTool, MovesAndReleasesWithoutADragChangeNothing)
{
    AddRoom(1000, 3000, 4000, 1000);
    const int editsBefore = objects().EditCount();
    MoveTo(2000, 2000);
    EXPECT_EQ(dc.Records().size(), 0u);
    Release(2000, 2000);
    EXPECT_EQ(objects().EditCount(), editsBefore);
    Press(5000, 5000);  // a miss
    MoveTo(5500, 5500);
    EXPECT_EQ(dc.Records().size(), 0u);
    EXPECT_EQ(ToolRect(), (std::array<int, 4>{0, 0, 0, 0}));
}

// ---------------------------------------------------------------------------------------------
// The keyboard.

TEST_F(DesignRoomTool, ExpandMovesOnlyTheKeysSideAndRenewsItsText)
{
    TRoomobj& room = AddRoom(1000, 3000, 4000, 1000);
    tool.step = STEP_DROOM_EXPAND;
    Press(1500, 1500);
    ArrowKey(VK_LEFT, 500);
    EXPECT_EQ(Rect(room), (std::array<int, 4>{500, 3000, 4000, 1000}));
    EXPECT_EQ(room.roomWidth, 3500);
    EXPECT_EQ(room.sizeText1, "3500");
    EXPECT_EQ(room.sizeText1Length, 4);
    EXPECT_EQ(room.sizeText2, "2000");  // the length text is untouched
    EXPECT_EQ(ToolRect(), Rect(room));
    EXPECT_EQ((std::array<int, 4>{tool.editLeft, tool.editTop, tool.editRight, tool.editBottom}),
              (std::array<int, 4>{1000, 3000, 4000, 1000}));
    EXPECT_EQ(tool.step, STEP_DROOM_EXPAND);  // the window ends the command
    EXPECT_EQ(Rect(*ReadBack()[4]), Rect(room));

    ArrowKey(VK_UP, 250);
    ArrowKey(VK_RIGHT, 10);
    ArrowKey(VK_DOWN, 20);
    EXPECT_EQ(Rect(room), (std::array<int, 4>{500, 3250, 4010, 980}));
    EXPECT_EQ(room.roomLength, 2270);
    EXPECT_EQ(room.sizeText2, "2270");
}

TEST_F(DesignRoomTool, ShrinkPullsTheSideInAndKeepsARoomOfAtLeastOne)
{
    TRoomobj& room = AddRoom(1000, 3000, 4000, 1000);
    tool.step = STEP_DROOM_SHRINK;
    Press(1500, 1500);
    ArrowKey(VK_DOWN, 400);
    EXPECT_EQ(Rect(room), (std::array<int, 4>{1000, 3000, 4000, 1400}));
    EXPECT_EQ(room.roomLength, 1600);
    EXPECT_EQ(room.sizeText2, "1600");
    EXPECT_EQ(tool.outcome, TDesignRoomOutcome::None);

    // 1599 leaves 1; 1600 would leave nothing and is refused.
    const int editsBefore = objects().EditCount();
    ArrowKey(VK_UP, 1600);
    EXPECT_EQ(tool.outcome, TDesignRoomOutcome::TooSmall);
    EXPECT_EQ(Rect(room), (std::array<int, 4>{1000, 3000, 4000, 1400}));
    EXPECT_EQ(objects().EditCount(), editsBefore);
    ArrowKey(VK_RIGHT, 3000);
    EXPECT_EQ(tool.outcome, TDesignRoomOutcome::TooSmall);
    EXPECT_EQ(room.roomWidth, 3000);
    ArrowKey(VK_LEFT, 2999);
    EXPECT_EQ(tool.outcome, TDesignRoomOutcome::None);
    EXPECT_EQ(Rect(room), (std::array<int, 4>{3999, 3000, 4000, 1400}));
    EXPECT_EQ(room.roomWidth, 1);
    EXPECT_EQ(room.sizeText1, "1");
}

TEST_F(DesignRoomTool, TypedMoveAndFineMove)
{
    TRoomobj& room = AddRoom(1000, 3000, 4000, 1000);
    tool.step = STEP_DROOM_MOVE;
    Press(1500, 1500);
    ASSERT_EQ(tool.step, STEP_DROOM_MOVE_TYPED);
    ArrowKey(VK_RIGHT, 700);
    EXPECT_EQ(Rect(room), (std::array<int, 4>{1700, 3000, 4700, 1000}));
    EXPECT_EQ(room.roomWidth, 3000);
    EXPECT_EQ(room.sizeText1, "3000");

    tool.step = STEP_DROOM_MOVE_FINE;
    ArrowKey(VK_DOWN, 9999);  // the value is not used: 25 mm a key
    ArrowKey(VK_LEFT);
    EXPECT_EQ(Rect(room), (std::array<int, 4>{1675, 2975, 4675, 975}));
    EXPECT_EQ(Rect(*ReadBack()[4]), Rect(room));

    state().unitSystem = 0;
    ArrowKey(VK_UP);
    EXPECT_EQ(Rect(room), (std::array<int, 4>{1675, 2999, 4675, 999}));
}

TEST_F(DesignRoomTool, FineMoveCoversFirstThenMovesTheOutline)
{
    AddRoom(1000, 3000, 4000, 1000);
    tool.step = STEP_DROOM_MOVE;
    RightPress(1500, 1500);
    ArrowKey(VK_RIGHT);
    // Covered (the room's image), then the outline at the new place.
    auto records = dc.Records();
    ASSERT_EQ(dc.Count(TCanvasRecord::Rectangle), 1);
    ASSERT_EQ(dc.Count(TCanvasRecord::Polyline), 2);
    EXPECT_EQ(records.back().kind, TCanvasRecord::Polyline);
    EXPECT_EQ(records.back().rop, RasterOp::Xor);
    EXPECT_EQ(records.back().points[0], (TPoint{205, 600}));
    EXPECT_EQ(tool.feedbackState(), 1);

    dc.Clear();
    ArrowKey(VK_RIGHT);  // the outline erased and drawn again
    EXPECT_EQ(dc.Count(TCanvasRecord::Rectangle), 0);
    const auto outlines = dc.RecordsOf(TCanvasRecord::Polyline);
    ASSERT_EQ(outlines.size(), 2u);
    EXPECT_EQ(outlines[0].points[0], (TPoint{205, 600}));
    EXPECT_EQ(outlines[1].points[0], (TPoint{210, 600}));
}

TEST_F(DesignRoomTool, EditsAtTheEndOfTheRangeStopThereInsteadOfWrappingRound)
{
    const int top = std::numeric_limits<std::int32_t>::max() - 10;
    TRoomobj& room = AddRoom(1000, top, 4000, 1000);
    tool.SelectRoomAt({2000, 2000});
    tool.step = STEP_DROOM_EXPAND;
    ArrowKey(VK_UP, 100);
    EXPECT_EQ(room.y1, std::numeric_limits<std::int32_t>::max());
    tool.step = STEP_DROOM_MOVE_TYPED;
    ArrowKey(VK_UP, 30000);
    EXPECT_EQ(room.y1, std::numeric_limits<std::int32_t>::max());
    EXPECT_GT(room.y2, 1000);
}

TEST_F(DesignRoomTool, OtherKeysAndOtherStepsChangeNoRoom)
{
    TRoomobj& room = AddRoom(1000, 3000, 4000, 1000);
    tool.step = STEP_DROOM_EXPAND;
    Press(1500, 1500);
    const int editsBefore = objects().EditCount();
    ArrowKey(VK_ENTER, 100);
    ArrowKey(VK_ADD, 100);
    tool.step = STEP_READY;
    ArrowKey(VK_LEFT, 100);
    EXPECT_EQ(Rect(room), (std::array<int, 4>{1000, 3000, 4000, 1000}));
    EXPECT_EQ(objects().EditCount(), editsBefore);
}

// ---------------------------------------------------------------------------------------------
// The settings files of design rooms, byte for byte.

TEST_F(DesignRoomTool, SettingsRecordsRoundTrip)
{
    TMergeSettings merge = ReadSettings<TMergeSettings>(1);
    EXPECT_EQ(merge.distance, 300);
    EXPECT_EQ(FormatSettings(merge), Cfg("MERGEM.CFG"));
    merge.distance = 450;
    ASSERT_TRUE(WriteSettings(merge, 1));
    EXPECT_EQ(Cfg("MERGEM.CFG"), "450\n");
    EXPECT_EQ(ReadSettings<TMergeSettings>(0).distance, 288);

    const TRoomColourSettings colours = ReadSettings<TRoomColourSettings>();
    EXPECT_EQ(colours.bedroom, 65280);
    EXPECT_EQ(FormatSettings(colours), "255 65280 16711680\n");

    TRoomWallSettings walls = ReadSettings<TRoomWallSettings>(0);
    ASSERT_NE(walls.ForFloor(SECOND_FLOOR), nullptr);
    *walls.ForFloor(FIRST_FLOOR) = 126;
    EXPECT_EQ(FormatSettings(walls), "108 126 108");
    EXPECT_EQ(walls.ForFloor(FOURTH_LEVEL), nullptr);

    const TMaxRoomSettings size{3100, 30000};
    EXPECT_EQ(FormatSettings(size), "3100 30000");
    EXPECT_EQ(FormatSettings(TNewRoomSettings{4, 3}), "4 3");
}

TEST_F(DesignRoomTool, MissingSettingsFallBackToTheShippedDefaults)
{
    for (const char* name : {"MERGEM.CFG", "RMCLR.CFG", "NEWRM.CFG", "RMPTNM.CFG"})
        std::filesystem::remove(dir.path() / "CFG" / name);
    EXPECT_EQ(ReadSettings<TMergeSettings>(1).distance, 300);
    EXPECT_EQ(ReadSettings<TRoomWallSettings>(1).secondFloor, 110);
    EXPECT_EQ(ReadSettings<TRoomColourSettings>().otherRooms, 14745599);
    tool.Setup(2000, 2000, 0);
    EXPECT_EQ(RoomAt(4).sizeDisplay, 1);
}

}  // namespace
