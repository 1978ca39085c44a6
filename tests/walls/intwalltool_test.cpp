// The internal-wall tool from the keyboard: start, pieces by arrow and by a second ENTER, the closing
// ENTER, end caps, the run's last wall, the measured proposal, the side check, the rubber band and
// the finishing hook.
#include "tests/walls/intwallfixture.h"

#include "walls/finishdesignrooms.h"

#include <limits>

namespace {

using IntwallKeys = IntwallTest;

// ---------------------------------------------------------------------------------------------
// Pieces.

TEST_F(IntwallKeys, UpArrowBuildsAnUprightWallAndMovesTheStart)
{
    state().groupIdCounter = 7;
    EnterAt(1000, 1000);
    EXPECT_EQ(tool.lineDrawn, 1);
    EXPECT_EQ(objects().count(), 4);  // a start point stores nothing

    Key(tool, VK_UP, window.cursor, 2400);
    ASSERT_EQ(objects().count(), 5);
    const TIntwallobj& wall = IntWallAt(4);
    EXPECT_EQ(wall.x1, 1000);
    EXPECT_EQ(wall.y1, 1000);
    EXPECT_EQ(wall.x2, 1000);
    EXPECT_EQ(wall.y2, 3400);
    EXPECT_EQ(wall.angle, 0);
    EXPECT_EQ(wall.ownerId, 10008);
    EXPECT_EQ(wall.groupId, 10008);
    EXPECT_EQ(wall.wallWidth, 100);
    EXPECT_EQ(wall.wallFlag, 1);
    EXPECT_EQ(wall.colour, std::int32_t(MakeColour(0, 0, 255)));
    EXPECT_EQ(wall.penWidth, 1);
    // BELOW carried to an upright first piece: the face continues on the right.
    EXPECT_EQ(FacesOf(wall), (Faces{1000, 1000, 1000, 3400, 1100, 1000, 1100, 3400}));
    EXPECT_EQ(tool.x1, 1000);
    EXPECT_EQ(tool.y1, 3400);
    EXPECT_EQ(tool.outcome, TIntwallOutcome::None);
    EXPECT_EQ(state().groupIdCounter, 8);

    // Stored at once, and drawn.
    const auto stored = ReadBack();
    ASSERT_EQ(stored.size(), 5u);
    EXPECT_EQ(DumpObject(4, *stored[4]), DumpObject(4, wall));
    EXPECT_GT(dc.Count(TCanvasRecord::Polyline), 0);
}

TEST_F(IntwallKeys, IdsTakeTheFloorBase)
{
    const std::pair<int, int> floors[] = {{FIRST_FLOOR, 11001}, {SECOND_FLOOR, 12002}, {FOURTH_LEVEL, 13003}};
    for (const auto& [floor, id] : floors) {
        state().currentFloor = floor;
        tool.lineDrawn = 0;
        EnterAt(1000, 1000);
        Key(tool, VK_RIGHT, window.cursor, 1000);
        EXPECT_EQ(IntWallAt(LastIndex()).groupId, id);
        EXPECT_EQ(IntWallAt(LastIndex()).floor, floor);
    }
}

TEST_F(IntwallKeys, NoWallOffThePlanFloors)
{
    state().currentFloor = 1050;  // a floor being printed
    tool.lineDrawn = 1;
    tool.x1 = 1000;
    tool.y1 = 1000;
    Key(tool, VK_RIGHT, window.cursor, 1000);
    EXPECT_EQ(objects().count(), 4);
    EXPECT_EQ(state().groupIdCounter, 0);
}

TEST_F(IntwallKeys, SecondEnterBuildsAnAngledPiece)
{
    EnterAt(1000, 1000);
    EnterAt(2000, 2000);
    EXPECT_EQ(IntWallAt(LastIndex()).angle, 450);
    EXPECT_EQ(tool.x1, 2000);
    EXPECT_EQ(tool.y1, 2000);
    EnterAt(3000, 4000);
    EXPECT_EQ(IntWallAt(LastIndex()).angle, 266);  // 26.565 degrees, rounded at the hundredths
    // The other quadrants: down-right, down-left, up-left.
    EnterAt(4000, 3000);
    EXPECT_EQ(IntWallAt(LastIndex()).angle, 1350);
    EnterAt(3000, 2000);
    EXPECT_EQ(IntWallAt(LastIndex()).angle, 2250);
    EnterAt(2000, 3000);
    EXPECT_EQ(IntWallAt(LastIndex()).angle, 3150);
}

TEST_F(IntwallKeys, KeysBeforeAStartAndOtherKeysDoNothing)
{
    Key(tool, VK_UP, Device(1000, 1000), 1000);
    Key(tool, 'A', Device(1000, 1000), 0);
    EXPECT_EQ(objects().count(), 4);
    EXPECT_EQ(tool.lineDrawn, 0);
}

TEST_F(IntwallKeys, ATypedLengthOfThreeBuildsAWallAndDeletesNothing)
{
    AddIntWall(1000, 2000, 4000, 2000, 900, 100, 1000, 1900, 4000, 1900, 10001);
    EnterAt(1000, 1000);
    Key(tool, VK_RIGHT, Device(2000, 2000), 3);
    ASSERT_EQ(objects().count(), 6);
    EXPECT_EQ(IntWallAt(5).x2, 1003);
    EXPECT_EQ(IntWallAt(4).groupId, 10001);
}

// ---------------------------------------------------------------------------------------------
// The end of a run.

TEST_F(IntwallKeys, EnterOnTheLastEndClosesItWithALine)
{
    state().currentFillColour = MakeColour(200, 200, 200);
    EnterAt(1000, 1000);
    Key(tool, VK_RIGHT, window.cursor, 3000);
    const std::int32_t id = IntWallAt(4).ownerId;
    // 5 model units off the end is still on it (within three logical units).
    EnterAt(4005, 1000);
    EXPECT_EQ(tool.outcome, TIntwallOutcome::Closed);
    ASSERT_EQ(objects().count(), 6);
    const TLineobj& line = LineAt(5);
    EXPECT_EQ(line.typeCode, TYPE_LINE);
    EXPECT_EQ(line.ownerId, id);
    EXPECT_EQ(line.groupId, 0);
    EXPECT_EQ(line.colour, std::int32_t(MakeColour(0, 0, 255)));
    EXPECT_EQ((std::array<int, 4>{line.x1, line.y1, line.x2, line.y2}), (std::array<int, 4>{4000, 1000, 4000, 900}));
    EXPECT_EQ(line.z1, 0);
    EXPECT_EQ(line.lineAux1, 0);
    // The start is the wall's end; the area to repaint covers the whole closing line.
    EXPECT_EQ(tool.x1, 4000);
    EXPECT_EQ(tool.y1, 1000);
    EXPECT_EQ(tool.x2, 4015);
    EXPECT_EQ(tool.y2, 885);
    EXPECT_EQ(tool.repaintArea, (TModelBox{false, 3985, 885, 4015, 1015}));
    EXPECT_EQ(ReadBack().size(), 6u);
}

TEST_F(IntwallKeys, EnterAwayFromTheLastEndBuildsInstead)
{
    EnterAt(1000, 1000);
    Key(tool, VK_RIGHT, window.cursor, 3000);
    EnterAt(4000, 1015);  // three logical units off is no longer on the end
    EXPECT_EQ(tool.outcome, TIntwallOutcome::None);
    EXPECT_EQ(objects()[LastIndex()]->typeCode, TYPE_INTWALL);
}

TEST_F(IntwallKeys, WallEndingOnAnInternalWallGetsAnEndCapAndEndsTheRun)
{
    AddIntWall(500, 3000, 4500, 3000, 900, 100, 500, 3100, 4500, 3100, 10001);
    state().currentFillColour = MakeColour(255, 255, 240);
    EnterAt(2000, 1000);
    Key(tool, VK_UP, window.cursor, 2000);
    EXPECT_EQ(tool.outcome, TIntwallOutcome::MetWall);
    EXPECT_EQ(tool.step, STEP_READY);
    ASSERT_EQ(objects().count(), 7);
    const TIntwallobj& wall = IntWallAt(5);
    // Across the end, between the faces and 25 off each, in the background colour, in the wall's
    // group.
    const TLineobj& cap = LineAt(6);
    EXPECT_EQ(cap.typeCode, TYPE_LINE);
    EXPECT_EQ((std::array<int, 4>{cap.x1, cap.y1, cap.x2, cap.y2}), (std::array<int, 4>{2025, 3000, 2075, 3000}));
    EXPECT_EQ(cap.colour, std::int32_t(MakeColour(255, 255, 240)));
    EXPECT_EQ(cap.ownerId, wall.groupId);
    EXPECT_EQ(cap.groupId, wall.groupId);
    EXPECT_EQ(tool.active, 0);
    // The next start is the wall's end, not the cap's.
    EXPECT_EQ(tool.x1, 2000);
    EXPECT_EQ(tool.y1, 3000);
    // The cap is drawn at once in the fill colour, after the wall.
    const auto lines = dc.RecordsOf(TCanvasRecord::Polyline);
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines.back().pen.colour, MakeColour(255, 255, 240));
    const auto stored = ReadBack();
    ASSERT_EQ(stored.size(), 7u);
    EXPECT_EQ(DumpObject(6, *stored[6]), DumpObject(6, cap));
}

TEST_F(IntwallKeys, ImperialEndCapsKeep24OffTheFaces)
{
    state().unitSystem = 0;
    AddIntWall(500, 3000, 4500, 3000, 900, 96, 500, 3096, 4500, 3096, 10001);
    EnterAt(2000, 3000);
    Key(tool, VK_DOWN, window.cursor, 1500);
    // The start abuts the wall: the cap lies across the start.
    const TIntwallobj& wall = IntWallAt(5);
    EXPECT_EQ(FacesOf(wall), (Faces{2000, 3000, 2000, 1500, 2096, 3000, 2096, 1500}));
    const TLineobj& cap = LineAt(6);
    EXPECT_EQ((std::array<int, 4>{cap.x1, cap.y1, cap.x2, cap.y2}), (std::array<int, 4>{2024, 3000, 2072, 3000}));
    EXPECT_EQ(tool.outcome, TIntwallOutcome::None);
    EXPECT_EQ(tool.x1, 2000);
    EXPECT_EQ(tool.y1, 1500);
}

TEST_F(IntwallKeys, ClosingUsesTheRunsLastWallNotTheLastObject)
{
    // A start on a wall: the first piece gets a cap at its start, so the cap is the last object.
    AddIntWall(500, 3000, 4500, 3000, 900, 100, 500, 3100, 4500, 3100, 10001);
    EnterAt(2000, 3000);
    Key(tool, VK_DOWN, window.cursor, 1500);
    ASSERT_EQ(objects()[LastIndex()]->typeCode, TYPE_LINE);
    EXPECT_EQ(tool.LastWallIndex(), 5);
    // The next piece starts at the wall's end and does not run into the wall it came from.
    Key(tool, VK_RIGHT, window.cursor, 1000);
    EXPECT_EQ(tool.outcome, TIntwallOutcome::None);
    EXPECT_EQ(IntWallAt(LastIndex()).x1, 2000);
    EXPECT_EQ(IntWallAt(LastIndex()).y1, 1500);
    // ENTER on that piece's end closes it.
    EnterAt(3000, 1500);
    EXPECT_EQ(tool.outcome, TIntwallOutcome::Closed);
    EXPECT_EQ(LineAt(LastIndex()).x1, 3000);
    EXPECT_EQ(LineAt(LastIndex()).y1, 1500);
}

TEST_F(IntwallKeys, ARealCoordinateOf30001IsNoSignal)
{
    // The metric sheet is 60000 x 42000: 30001 is an ordinary coordinate.
    tool.lineDrawn = 1;
    tool.x1 = 1000;
    tool.y1 = 30001;
    Key(tool, VK_RIGHT, window.cursor, 2000);
    EXPECT_EQ(tool.outcome, TIntwallOutcome::None);
    EXPECT_EQ(IntWallAt(LastIndex()).y1, 30001);
    tool.Setup(2, 0, 0);
    EXPECT_EQ(tool.outcome, TIntwallOutcome::None);
    EXPECT_EQ(tool.y1, 30001);
}

// ---------------------------------------------------------------------------------------------
// Setup: snapping the start, the side check and the proposal.

TEST_F(IntwallKeys, StartSnapsOntoAnUprightWallWithin30)
{
    AddIntWall(3000, 500, 3000, 3000, 0, 100, 3100, 500, 3100, 3000);
    tool.lineDrawn = 1;
    tool.lineAux2 = 3;
    tool.x1 = 2975;
    tool.y1 = 1000;
    tool.Setup(2, 0, 0);
    EXPECT_EQ(tool.x1, 3000);
    EXPECT_EQ(tool.y1, 1000);
    tool.x1 = 2970;
    tool.Setup(2, 0, 0);
    EXPECT_EQ(tool.x1, 2970);
    // Its face snaps too.
    tool.x1 = 3120;
    tool.Setup(4, 0, 0);
    EXPECT_EQ(tool.x1, 3100);
}

TEST_F(IntwallKeys, WrongArrowForTheSideIsRefusedOnTheFirstPieceOnly)
{
    tool.markerX = 3;  // below: the first piece must run across
    EnterAt(1000, 1000);
    tool.Setup(1, 0, 0);
    EXPECT_EQ(tool.outcome, TIntwallOutcome::WrongArrow);
    EXPECT_EQ(tool.y1, 1000);  // the start is kept
    tool.Setup(2, 0, 0);
    EXPECT_EQ(tool.outcome, TIntwallOutcome::None);
    Key(tool, VK_RIGHT, window.cursor, 1000);
    tool.Setup(1, 0, 0);
    EXPECT_EQ(tool.outcome, TIntwallOutcome::None);

    tool.markerX = 2;  // right: the first piece must run up or down
    tool.lineDrawn = 0;
    EnterAt(1000, 2000);
    tool.Setup(4, 0, 0);
    EXPECT_EQ(tool.outcome, TIntwallOutcome::WrongArrow);
}

// A run under way from (x, y) after a first piece: Setup measures without the side check.
void RunFrom(TIntwallobjtool& tool, int x, int y)
{
    tool.lineDrawn = 1;
    tool.lineAux2 = 3;
    tool.x1 = x;
    tool.y1 = y;
}

TEST_F(IntwallKeys, ProposalIsTheDistanceToTheNextWallAhead)
{
    AddIntWall(500, 3000, 4500, 3000, 900, 100, 500, 3100, 4500, 3100);
    AddExtWall(500, 500, 4500, 500, 900, 300, 500, 800, 4500, 800);
    AddIntWall(3000, 1000, 3000, 2000, 0, 100, 3100, 1000, 3100, 2000);
    RunFrom(tool, 2000, 1500);
    tool.Setup(1, 0, 0);
    EXPECT_EQ(tool.libraryFlag, 1500);  // up to the internal wall's reference line
    tool.Setup(3, 0, 0);
    EXPECT_EQ(tool.libraryFlag, 700);  // down to the external wall's inner line
    tool.Setup(2, 0, 0);
    EXPECT_EQ(tool.libraryFlag, 1000);
}

TEST_F(IntwallKeys, NoWallAheadProposesTheStartsCoordinateDownOrLeftOnly)
{
    // Walls of the floor in view above and to the right only; one below on another floor.
    AddIntWall(500, 3000, 4500, 3000, 900, 100, 500, 3100, 4500, 3100);
    AddIntWall(4000, 500, 4000, 4500, 0, 100, 4100, 500, 4100, 4500);
    AddExtWall(500, 500, 4500, 500, 900, 300, 500, 800, 4500, 800).floor = FIRST_FLOOR;
    RunFrom(tool, 2000, 1500);
    tool.libraryFlag = 123;
    // Down and left measure to the coordinate 0: the start's y and x.
    tool.Setup(3, 0, 0);
    EXPECT_EQ(tool.libraryFlag, 1500);
    tool.Setup(4, 0, 0);
    EXPECT_EQ(tool.libraryFlag, 2000);
    // Up and right past the last wall: an empty box, not the previous proposal.
    RunFrom(tool, 4500, 3500);
    tool.Setup(1, 0, 0);
    EXPECT_EQ(tool.libraryFlag, 0);
    tool.libraryFlag = 123;
    tool.Setup(2, 0, 0);
    EXPECT_EQ(tool.libraryFlag, 0);
    // A start 34001 or more from the coordinate 0 is not proposed, nor one at 0 or below it.
    const std::pair<TPoint, int> far[] = {{{34001, 5000}, 4}, {{4600, 34001}, 3}, {{0, 1500}, 4}, {{2000, -40}, 3}};
    for (const auto& [start, direction] : far) {
        RunFrom(tool, start.x, start.y);
        tool.libraryFlag = 123;
        tool.Setup(direction, 0, 0);
        EXPECT_EQ(tool.libraryFlag, 0) << start.x << ", " << start.y;
    }
    RunFrom(tool, 34000, 5000);
    tool.Setup(4, 0, 0);
    EXPECT_EQ(tool.libraryFlag, 34000);
}

TEST_F(IntwallKeys, ProposalsOf30000And30001AreOrdinaryLengths)
{
    for (int length : {30000, 30001, 34000}) {
        objects().CutBack(4);
        AddIntWall(500, 1000 + length, 4500, 1000 + length, 900, 100, 500, 1100 + length, 4500, 1100 + length);
        RunFrom(tool, 2000, 1000);
        tool.Setup(1, 0, 0);
        EXPECT_EQ(tool.libraryFlag, length);
        EXPECT_EQ(tool.outcome, TIntwallOutcome::None);
    }
    objects().CutBack(4);
    AddIntWall(500, 35001, 4500, 35001, 900, 100, 500, 35101, 4500, 35101);
    tool.Setup(1, 0, 0);
    EXPECT_EQ(tool.libraryFlag, 0);  // 34001 or more is not proposed
}

TEST_F(IntwallKeys, ProposalToASlopedWall)
{
    // A wall rising 1 in 2 from (1000, 2000): above x = 3000 it lies at y = 3000.
    AddIntWall(1000, 2000, 5000, 4000, 634, 100, 1044, 1910, 5044, 3910);
    RunFrom(tool, 3000, 1000);
    tool.Setup(1, 0, 0);
    // Its face (100 off, below) is crossed first, 2000 - 100 / cos 26.57 above the start.
    EXPECT_EQ(tool.libraryFlag, 1888);
}

// ---------------------------------------------------------------------------------------------
// The rubber band and the finishing hook.

TEST_F(IntwallKeys, RubberBandFollowsTheCursorOnlyWhenItMoves)
{
    EnterAt(1000, 1000);
    tool.active = 1;
    dc.Clear();
    const TPoint a = Device(2000, 1000);
    tool.MouseMove(dc, client, a.x, a.y);
    tool.MouseMove(dc, client, a.x, a.y);
    EXPECT_EQ(dc.Count(TCanvasRecord::Polyline), 1);
    const TPoint b = Device(2000, 2000);
    tool.MouseMove(dc, client, b.x, b.y);
    const auto lines = dc.RecordsOf(TCanvasRecord::Polyline);
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[1].points, lines[0].points);  // erased
    EXPECT_EQ(lines[2].points, (std::vector<TPoint>{{200, 200}, {400, 400}}));
    EXPECT_EQ(lines[2].rop, RasterOp::Xor);
    EXPECT_EQ(lines[2].pen, (TPen{MakeColour(0, 0, 255), 0, PS_DOT}));
    EXPECT_EQ(tool.feedbackShown, 1);

    // No band without `active`, and none for other kinds.
    tool.active = 0;
    tool.MouseMove(dc, client, a.x, a.y);
    tool.active = 1;
    tool.kind = 70;
    tool.MouseMove(dc, client, a.x, a.y);
    EXPECT_EQ(dc.Count(TCanvasRecord::Polyline), 3);
}

TEST_F(IntwallKeys, FinishingStepHandsOverToTheInstalledOperation)
{
    tool.step = STEP_FINISH_DESIGN_ROOMS;
    tool.active = 1;
    tool.libraryFlag = 123;
    tool.Setup(1, 0, 0);  // nothing installed: nothing happens but active
    EXPECT_EQ(tool.active, 0);
    EXPECT_EQ(tool.libraryFlag, 123);

    int calls = 0;
    TIntwallobjtool* seen = nullptr;
    const TFinishDesignRooms previous = InstallFinishDesignRooms([&](TIntwallobjtool& t) {
        ++calls;
        seen = &t;
    });
    tool.active = 1;
    tool.x1 = 1234;
    tool.Setup(3, 0, 0);
    InstallFinishDesignRooms(previous);
    EXPECT_EQ(calls, 1);
    EXPECT_EQ(seen, &tool);
    EXPECT_EQ(tool.active, 0);
    EXPECT_EQ(tool.x1, 1234);  // no snapping or measuring at that step
    EXPECT_EQ(tool.libraryFlag, 123);
}

TEST_F(IntwallKeys, FailedDrawingWriteIsReported)
{
    std::vector<std::string> reports;
    state().reportWriteFailure = [&](const std::string& message) { reports.push_back(message); };
    EnterAt(1000, 1000);
    FailNextWrites(1);
    Key(tool, VK_RIGHT, window.cursor, 1000);
    FailNextWrites(0);
    ASSERT_EQ(reports.size(), 1u);
    EXPECT_NE(reports[0].find("TEST.DB0"), std::string::npos);
    EXPECT_EQ(ReadBack().size(), 4u);  // the file holds what it held
    EXPECT_EQ(objects().count(), 4);   // and so does the list
}

TEST_F(IntwallKeys, ATypedLengthEndingWhereTheFileCannotStoreIsRefusedNotCut)
{
    // The metric file holds x up to the int32 range's top: a wall 1000 long from 500 below it ends
    // beyond, and is neither built nor cut to the range's end.
    EnterAt(1000, 1000);
    tool.x1 = std::numeric_limits<std::int32_t>::max() - 500;
    Key(tool, VK_RIGHT, window.cursor, 1000);
    EXPECT_EQ(objects().count(), 4);
    ASSERT_EQ(window.messages.size(), 1u);
    EXPECT_NE(window.messages[0].find("POINT OUT OF RANGE"), std::string::npos);
    EXPECT_EQ(tool.lineDrawn, 1);  // the start stays for a shorter wall
    Key(tool, VK_RIGHT, window.cursor, 500);
    ASSERT_EQ(objects().count(), 5);
    EXPECT_EQ(objects()[4]->x2, std::numeric_limits<std::int32_t>::max());
}

TEST_F(IntwallKeys, AWallWhoseFaceWouldPassTheRangesTopIsRefusedAndTheWallItMeetsKeepsItsFace)
{
    constexpr std::int32_t top = std::numeric_limits<std::int32_t>::max();
    // A wall running right to 52 below the top, its face below it.
    EnterAt(1000, 1000);
    tool.x1 = top - 2452;
    Key(tool, VK_RIGHT, window.cursor, 2400);
    ASSERT_EQ(objects().count(), 5);
    const std::string met = DumpObject(4, IntWallAt(4));
    // Turning up from its end, the new wall's face lies 100 to its right, 48 past the top; the
    // corner would carry the met wall's face there too. Neither wall changes.
    Key(tool, VK_UP, window.cursor, 2400);
    EXPECT_EQ(objects().count(), 5);
    EXPECT_EQ(DumpObject(4, IntWallAt(4)), met);
    ASSERT_EQ(ReadBack().size(), 5u);
    EXPECT_EQ(DumpObject(4, *ReadBack()[4]), met);
    ASSERT_EQ(window.messages.size(), 1u);
    EXPECT_NE(window.messages[0].find("POINT OUT OF RANGE"), std::string::npos);

    // The start stays for another wall; one clear of the first, 100 below the top, has its face
    // on the top itself, as computed.
    EXPECT_EQ(tool.lineDrawn, 1);
    EXPECT_EQ(tool.x1, top - 52);
    EXPECT_EQ(tool.y1, 1000);
    tool.x1 = top - 100;
    tool.y1 = 5000;
    Key(tool, VK_UP, window.cursor, 2400);
    ASSERT_EQ(objects().count(), 6);
    EXPECT_EQ(IntWallAt(5).face2StartX, top);
    EXPECT_EQ(window.messages.size(), 1u);
}

}  // namespace
