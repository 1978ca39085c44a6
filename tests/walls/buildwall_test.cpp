// Building an external wall: identity, snapping, joins, orientation, settings and levels; and the
// commit into the object list and the drawing file.
#include "model/intwallobj.h"
#include "model/settingsformats.h"
#include "platform/recordingcanvas.h"
#include "resources/shippeddefaults.h"
#include "tests/walls/wallfixture.h"
#include "tools/toolwindow.h"

#include <cmath>
#include <limits>
#include <string>
#include <vector>
#include <filesystem>

namespace {

using Build = WallTest;

// A two-line wall 300 thick running +x along y = 1000, with its free lines.
int AddTopWall(WallTest& test, int x1 = 1000, int x2 = 5000)
{
    TExtwallobj& w = test.AddWall(x1, 1000, x2, 1000, 900, 300);
    w.wallLines = {x1, 700, x2, 700};
    return test.LastIndex();
}

// ---------------------------------------------------------------------------------------------
// Identity, settings and levels.

TEST_F(Build, EachWallTakesTheNextActionIdAndTheSettingsOfTheUnitSystem)
{
    state().groupIdCounter = 41;
    WriteCfg("EXTWALLM.CFG", "110 50 100 25 2550 2400 2400 7 8 4210752\n");
    Segment(1000, 1000, 5000, 1000, 900);
    tool.objectIndex = 1;
    tool.BuildWall(1);
    EXPECT_EQ(tool.ownerId, 42);
    EXPECT_EQ(state().groupIdCounter, 42);
    EXPECT_EQ(tool.spacing1, 110);
    EXPECT_EQ(tool.spacing2, 50);
    EXPECT_EQ(tool.spacing3, 100);
    EXPECT_EQ(tool.wallAux1, 7);
    EXPECT_EQ(tool.wallAux2, 8);
    EXPECT_EQ(tool.colour, 4210752u);
    EXPECT_EQ(tool.wallColour1, 255);
    EXPECT_EQ(tool.wallColour2, 65280);
    EXPECT_EQ(tool.savedStep, GROUND_FLOOR);
    EXPECT_EQ(tool.z1, 25);
    EXPECT_EQ(tool.z2, 2575);

    tool.BuildWall(1);
    EXPECT_EQ(tool.ownerId, 43);
}

TEST_F(Build, FirstFloorLevelsStandOnTheGroundStorey)
{
    state().unitSystem = 0;
    state().currentFloor = FIRST_FLOOR;
    WriteCfg("EXTWALLI.CFG", "96 48 96 24 2328 2304 2304 0 0 0\n");
    Segment(1000, 1000, 5000, 1000, 900);
    tool.BuildWall(1);
    EXPECT_EQ(tool.z1, 2352);
    EXPECT_EQ(tool.z2, 4656);
    EXPECT_EQ(tool.spacing1, 96);
    EXPECT_EQ(tool.savedStep, FIRST_FLOOR);
}

TEST_F(Build, SecondFloorLevels)
{
    state().currentFloor = SECOND_FLOOR;
    Segment(1000, 1000, 5000, 1000, 900);
    tool.BuildWall(1);
    EXPECT_EQ(tool.z1, 25 + 2550 + 2400);
    EXPECT_EQ(tool.z2, 25 + 2550 + 2400 + 2400);
}

TEST_F(Build, MissingSettingsFilesReadAsTheShippedDefaults)
{
    std::filesystem::remove(dir.path() / "CFG" / "EXTWALLM.CFG");
    std::filesystem::remove(dir.path() / "CFG" / "WLCLR.CFG");
    const SettingsRecord shipped("", *ShippedDefault("EXTWALLM.CFG"), EXTWALL_CFG_FORMAT);
    Segment(1000, 1000, 5000, 1000, 900);
    tool.BuildWall(1);
    EXPECT_EQ(tool.spacing1, shipped.Int(0));
    EXPECT_EQ(tool.spacing2, shipped.Int(1));
    EXPECT_EQ(tool.z1, shipped.Int(3));
    EXPECT_EQ(tool.z2, shipped.Int(3) + shipped.Int(4));
}

// ---------------------------------------------------------------------------------------------
// Snapping and joins.

TEST_F(Build, StartTwoUnitsBesideAWallEndIsMovedOntoIt)
{
    const int top = AddTopWall(*this);
    WriteCfg("EXTWALLM.CFG", "300 0 0 25 2550 2400 2400 0 0 0\n");
    Segment(5002, 998, 5002, -2002, 1800);
    tool.BuildWall(1);
    EXPECT_EQ(tool.x1, 5000);
    EXPECT_EQ(tool.y1, 1000);
    EXPECT_EQ(tool.x2, 5000);
    EXPECT_EQ(tool.y2, -2000);
    // And the corner is made with the wall it snapped to.
    EXPECT_EQ(LineOf(tool, 0), (Line{4700, 700, 4700, -2000}));
    EXPECT_EQ(LineOf(WallAt(top), 0), (Line{1000, 700, 4700, 700}));
}

TEST_F(Build, StartThreeLogicalUnitsAwayIsNotSnapped)
{
    const int top = AddTopWall(*this);
    const auto before = WallAt(top).wallLines;
    Segment(5015, 1000, 5015, -2000, 1800);
    tool.objectIndex = 2;
    tool.BuildWall(1);
    EXPECT_EQ(tool.x1, 5015);
    EXPECT_EQ(tool.x2, 5015);
    EXPECT_EQ(WallAt(top).wallLines, before);
}

TEST_F(Build, StartOnAnotherWallsStartReversesTheNewWall)
{
    const int top = AddTopWall(*this);
    WriteCfg("EXTWALLM.CFG", "200 0 0 25 2550 2400 2400 0 0 0\n");
    Segment(1001, 1000, 1001, 4000, 0);
    tool.BuildWall(1);
    // Ends at the other wall's start, running the other way.
    EXPECT_EQ(tool.x1, 1000);
    EXPECT_EQ(tool.y1, 4000);
    EXPECT_EQ(tool.x2, 1000);
    EXPECT_EQ(tool.y2, 1000);
    EXPECT_EQ(tool.lineAux1, 1800);
    // The top wall became its end join: the two lines meet at the outer corner.
    EXPECT_EQ(LineOf(tool, 0), (Line{800, 4000, 800, 700}));
    EXPECT_EQ(LineOf(WallAt(top), 0), (Line{800, 700, 5000, 700}));
}

TEST_F(Build, WallClosingALoopJoinsBothEnds)
{
    // Three walls of a clockwise outline, then the closing wall up the left side.
    TExtwallobj& top = AddWall(1000, 5000, 5000, 5000, 900, 300);
    top.wallLines = {1000, 4700, 4700, 4700};
    const int first = LastIndex();
    TExtwallobj& right = AddWall(5000, 5000, 5000, 1000, 1800, 300);
    right.wallLines = {4700, 4700, 4700, 1300};
    TExtwallobj& bottom = AddWall(5000, 1000, 1000, 1000, 2700, 300);
    bottom.wallLines = {4700, 1300, 1000, 1300};
    const int last = LastIndex();
    WriteCfg("EXTWALLM.CFG", "300 0 0 25 2550 2400 2400 0 0 0\n");

    Segment(1000, 1000, 1000, 5000, 0);
    tool.BuildWall(1);
    EXPECT_EQ(LineOf(tool, 0), (Line{1300, 1300, 1300, 4700}));
    EXPECT_EQ(LineOf(WallAt(first), 0), (Line{1300, 4700, 4700, 4700}));
    EXPECT_EQ(LineOf(WallAt(last), 0), (Line{4700, 1300, 1300, 1300}));
}

TEST_F(Build, LoopClosedAgainstTheChainIsTurnedToCloseIt)
{
    // A chain A -> B -> C; the user closes it from A to C instead of from C to A.
    TExtwallobj& ab = AddWall(1000, 1000, 1000, 5000, 0, 300);
    ab.wallLines = {1300, 1000, 1300, 5000};
    const int first = LastIndex();
    TExtwallobj& bc = AddWall(1000, 5000, 5000, 5000, 900, 300);
    bc.wallLines = {1000, 4700, 5000, 4700};
    const int second = LastIndex();
    WriteCfg("EXTWALLM.CFG", "300 0 0 25 2550 2400 2400 0 0 0\n");

    Segment(1000, 1000, 5000, 5000, 450);
    tool.BuildWall(1);
    EXPECT_EQ(tool.x1, 5000);
    EXPECT_EQ(tool.y1, 5000);
    EXPECT_EQ(tool.x2, 1000);
    EXPECT_EQ(tool.y2, 1000);
    EXPECT_EQ(tool.lineAux1, 2250);
    // Both corners are mitred: each lies on the neighbour's line, 300 from the diagonal (up to
    // the truncations of the bisector steps).
    const double diagonalOffset = 300 * std::sqrt(2.0);
    EXPECT_NEAR(tool.lineX[0], 4700 - diagonalOffset, 2);
    EXPECT_NEAR(tool.lineY[0], 4700, 2);
    EXPECT_NEAR(tool.lineX[1], 1300, 2);
    EXPECT_NEAR(tool.lineY[1], 1300 + diagonalOffset, 2);
    // The neighbours' lines end at the same corners; the horizontal one stays horizontal.
    EXPECT_EQ(WallAt(second).wallLines[2], tool.lineX[0]);
    EXPECT_EQ(WallAt(second).wallLines[3], 4700);
    EXPECT_EQ(WallAt(first).wallLines[0], tool.lineX[1]);
    EXPECT_EQ(WallAt(first).wallLines[1], tool.lineY[1]);
}

TEST_F(Build, WallEndingAtAnotherWallsStartJoinsItThere)
{
    const int top = AddTopWall(*this);
    WriteCfg("EXTWALLM.CFG", "300 0 0 25 2550 2400 2400 0 0 0\n");
    Segment(1000, -3000, 1000, 999, 0);
    tool.BuildWall(1);
    EXPECT_EQ(tool.y2, 1000);
    EXPECT_EQ(LineOf(tool, 0), (Line{1300, -2999, 1300, 700}));
    EXPECT_EQ(LineOf(WallAt(top), 0), (Line{1300, 700, 5000, 700}));
}

TEST_F(Build, AWallAtIndexNoIndexIsSnappedToAndJoinedAsAnyOther)
{
    // The drawing holds so many objects that the wall stands at 30001, the value its files use for
    // "no wall".
    while (objects().count() < NO_INDEX)
        AddWall(-90000, -90000, -80000, -90000, 900, 300, 0, 0, FIRST_FLOOR);
    WriteCfg("EXTWALLM.CFG", "300 0 0 25 2550 2400 2400 0 0 0\n");

    // The start two units beside its end: moved onto it and mitred with it.
    const int top = AddTopWall(*this);
    ASSERT_EQ(top, NO_INDEX);
    Segment(5002, 998, 5002, -2002, 1800);
    tool.BuildWall(1);
    EXPECT_EQ(tool.x1, 5000);
    EXPECT_EQ(tool.y1, 1000);
    EXPECT_EQ(LineOf(tool, 0), (Line{4700, 700, 4700, -2000}));
    EXPECT_EQ(LineOf(WallAt(top), 0), (Line{1000, 700, 4700, 700}));

    // A start on its start: the new wall is turned round to end there and the corner is made.
    WallAt(top).wallLines = {1000, 700, 5000, 700};
    WriteCfg("EXTWALLM.CFG", "200 0 0 25 2550 2400 2400 0 0 0\n");
    Segment(1001, 1000, 1001, 4000, 0);
    tool.BuildWall(1);
    EXPECT_EQ(tool.y1, 4000);
    EXPECT_EQ(tool.y2, 1000);
    EXPECT_EQ(tool.lineAux1, 1800);
    EXPECT_EQ(LineOf(tool, 0), (Line{800, 4000, 800, 700}));
    EXPECT_EQ(LineOf(WallAt(top), 0), (Line{800, 700, 5000, 700}));
}

TEST_F(Build, InternalWallsAndOtherFloorsAreNeverSnappedTo)
{
    auto internal = std::make_unique<TIntwallobj>();
    internal->floor = GROUND_FLOOR;
    internal->x1 = 1000;
    internal->y1 = 1000;
    internal->x2 = 5000;
    internal->y2 = 1000;
    objects().Add(std::move(internal));
    AddWall(1000, 1000, 5000, 1000, 900, 300, 0, 0, FIRST_FLOOR);
    Segment(5002, 1002, 5002, -2000, 1800);
    tool.objectIndex = 2;
    tool.BuildWall(1);
    EXPECT_EQ(tool.x1, 5002);
    EXPECT_EQ(tool.y1, 1002);
}

TEST_F(Build, WithoutSnappingTheWallStaysWhereItWasDrawn)
{
    const int top = AddTopWall(*this);
    const auto before = WallAt(top).wallLines;
    WriteCfg("EXTWALLM.CFG", "300 0 0 25 2550 2400 2400 0 0 0\n");
    Segment(6000, 1001, 5001, 1001, 2700);
    tool.objectIndex = 1;
    tool.BuildWall(0);
    EXPECT_EQ(tool.x1, 6000);
    EXPECT_EQ(tool.x2, 5001);
    EXPECT_EQ(tool.lineAux1, 2700);
    EXPECT_EQ(LineOf(tool, 0), (Line{6000, 1301, 5001, 1301}));
    EXPECT_EQ(WallAt(top).wallLines, before);
}

// ---------------------------------------------------------------------------------------------
// Orientation of a free wall.

TEST_F(Build, RightToLeftWallWithDirectionCode1RunsPlusX)
{
    Segment(5000, 1000, 1000, 1000, 2700);
    tool.objectIndex = 1;
    tool.BuildWall(1);
    EXPECT_EQ(tool.x1, 1000);
    EXPECT_EQ(tool.x2, 5000);
    EXPECT_EQ(tool.lineAux1, 900);
    EXPECT_EQ(LineOf(tool, 0), (Line{1000, 890, 5000, 890}));
}

TEST_F(Build, DirectionCodesTurnFreeWallsToTheirDirection)
{
    struct Case {
        int code;
        Line drawn;
        int drawnAngle;
        Line stored;
        int storedAngle;
    };
    const Case cases[] = {
        {2, {1000, 1000, 1000, 4000}, 0, {1000, 4000, 1000, 1000}, 1800},
        {3, {1000, 1000, 4000, 1000}, 900, {4000, 1000, 1000, 1000}, 2700},
        {4, {1000, 4000, 1000, 1000}, 1800, {1000, 1000, 1000, 4000}, 0},
        // Already in the code's direction: kept as drawn.
        {4, {1000, 1000, 1000, 4000}, 0, {1000, 1000, 1000, 4000}, 0},
    };
    for (const Case& c : cases) {
        Segment(c.drawn[0], c.drawn[1], c.drawn[2], c.drawn[3], c.drawnAngle);
        tool.objectIndex = c.code;
        tool.BuildWall(1);
        EXPECT_EQ((Line{tool.x1, tool.y1, tool.x2, tool.y2}), c.stored) << "code " << c.code;
        EXPECT_EQ(tool.lineAux1, c.storedAngle) << "code " << c.code;
    }
}

TEST_F(Build, SlopedFreeWallDrawnAgainstItsSideIsTurnedRoundKeepingItsSlope)
{
    // A solid 230 wall drawn up and to the left (3 across, 4 up) with its lines below: the ends are
    // exchanged and the wall runs down and to the right at 1431, its line 230 from the reference
    // line on the right of that direction.
    WriteCfg("EXTWALLM.CFG", "230 0 0 25 2550 2400 2400 0 0 0\n");
    Segment(4000, 1000, 1000, 5000, 3231);
    tool.objectIndex = 1;
    tool.BuildWall(1);
    EXPECT_EQ((Line{tool.x1, tool.y1, tool.x2, tool.y2}), (Line{1000, 5000, 4000, 1000}));
    EXPECT_EQ(tool.lineAux1, 1431);
    EXPECT_EQ(LineOf(tool, 0), (Line{1000 - 183, 5000 - 138, 4000 - 183, 1000 - 138}));
    // The line lies one thickness from the reference line (up to the truncation of each component).
    const double distance = std::hypot(183.0, 138.0);
    EXPECT_NEAR(distance, 230, 1);
}

TEST_F(Build, SlopedFreeWallsOfEveryQuadrantTurnByHalfATurn)
{
    struct Case {
        int code;
        Line drawn;
        int drawnAngle;
        int storedAngle;
    };
    const Case cases[] = {
        {1, {4000, 1000, 1000, 4000}, 3150, 1350},  // up-left, lines below: runs down-right
        {2, {1000, 1000, 2000, 4000}, 184, 1984},   // up-right, lines left: runs down-left
        {3, {1000, 4000, 4000, 1000}, 1350, 3150},  // down-right, lines above: runs up-left
        {4, {1000, 4000, 2000, 1000}, 1616, 3416},  // down-right, lines right: runs up-left
    };
    for (const Case& c : cases) {
        Segment(c.drawn[0], c.drawn[1], c.drawn[2], c.drawn[3], c.drawnAngle);
        tool.objectIndex = c.code;
        tool.BuildWall(1);
        EXPECT_EQ((Line{tool.x1, tool.y1, tool.x2, tool.y2}), (Line{c.drawn[2], c.drawn[3], c.drawn[0], c.drawn[1]}))
            << "code " << c.code;
        EXPECT_EQ(tool.lineAux1, c.storedAngle) << "code " << c.code;
    }
}

// ---------------------------------------------------------------------------------------------
// Commit.

class Commit : public WallTest {
public:
    RecordingCanvas dc;
    TRect client{0, 0, 1000, 700};
};

TEST_F(Commit, CreateObjectStoresEveryFieldOfTheWall)
{
    state().groupIdCounter = 9;
    WriteCfg("EXTWALLM.CFG", "110 50 100 25 2550 2400 2400 7 8 4210752\n");
    Segment(1000, 1000, 5000, 1000, 900);
    tool.groupId = 4000;
    tool.objectIndex = 1;
    tool.penWidth = 2;
    tool.penStyle = 3;
    tool.joinInfo = {1, 2, 3, 4};
    const int before = objects().count();
    tool.CreateObject(dc, client);

    ASSERT_EQ(objects().count(), before + 1);
    const TExtwallobj& wall = WallAt(LastIndex());
    EXPECT_EQ(wall.floor, GROUND_FLOOR);
    EXPECT_EQ(wall.ownerId, 10);
    EXPECT_EQ(wall.groupId, 4000);
    EXPECT_EQ(wall.typeCode, 1000);
    EXPECT_EQ(wall.penWidth, 1);
    EXPECT_EQ(wall.penStyle, 0);
    EXPECT_EQ((Line{wall.x1, wall.y1, wall.x2, wall.y2}), (Line{1000, 1000, 5000, 1000}));
    EXPECT_EQ(wall.z1, 25);
    EXPECT_EQ(wall.z2, 2575);
    EXPECT_EQ(wall.colour, 4210752);
    EXPECT_EQ(wall.spacing1, 110);
    EXPECT_EQ(wall.spacing2, 50);
    EXPECT_EQ(wall.spacing3, 100);
    EXPECT_EQ(wall.wallAux1, 7);
    EXPECT_EQ(wall.wallAux2, 8);
    EXPECT_EQ(wall.angle, 900);
    EXPECT_EQ(wall.wallFlag, 1);
    EXPECT_EQ(wall.wallLines, (std::array<int32_t, 12>{1000, 890, 5000, 890, 1000, 840, 5000, 840, 1000,
                                                        740, 5000, 740}));
    EXPECT_EQ(wall.wallColour1, 255);
    EXPECT_EQ(wall.wallColour2, 65280);
    EXPECT_EQ(wall.joinInfo, (std::array<int32_t, 4>{0, 0, 0, 0}));
    EXPECT_EQ(tool.lineDrawn, 1);
    EXPECT_EQ(tool.penWidth, 1);
    EXPECT_EQ(tool.penStyle, 0);
    // Not drawn: the window shows it when it repaints from the file.
    EXPECT_EQ(dc.Records().size(), 0u);

    // The drawing file holds it.
    const std::string stored = DumpObject(LastIndex(), wall);
    ASSERT_TRUE(objects().ReadDrawing().ok);
    ASSERT_EQ(objects().count(), before + 1);
    EXPECT_EQ(DumpObject(LastIndex(), *objects()[LastIndex()]), stored);
}

TEST_F(Commit, WallWithAZeroStartOrNoLengthIsNotStoredButUsesAnId)
{
    const int before = objects().count();
    Segment(0, 1000, 5000, 1000, 900);
    tool.objectIndex = 1;
    tool.CreateObject(dc, client);
    Segment(1000, 1000, 1000, 1000, 900);
    tool.CreateObject(dc, client);
    EXPECT_EQ(objects().count(), before);
    EXPECT_EQ(state().groupIdCounter, 2);
    EXPECT_EQ(tool.lineDrawn, 0);
    EXPECT_FALSE(std::filesystem::exists(dir.path() / "DWGS" / "WALLS.DB0"));
}

TEST_F(Commit, AfterAnExchangeTheToolKeepsTheEndTheUserReached)
{
    // Direction code 3 turns a wall typed to the right: the point reached is its stored start.
    Segment(1000, 1000, 5000, 1000, 900);
    tool.objectIndex = 3;
    tool.CreateObject(dc, client);
    const TExtwallobj& wall = WallAt(LastIndex());
    EXPECT_EQ(wall.x1, 5000);
    EXPECT_EQ(wall.x2, 1000);
    EXPECT_EQ(wall.angle, 2700);
    EXPECT_EQ(tool.x2, 5000);
    EXPECT_EQ(tool.y2, 1000);
}

}  // namespace

// ---------------------------------------------------------------------------------------------
// Settings at the ends of the int32 range.

TEST_F(Build, HugeSpacingsAndStoreyHeightsAreHeldAtTheRangesEnds)
{
    WriteCfg("EXTWALLM.CFG", "2000000000 2000000000 2000000000 2000000000 2000000000 2000000000 2000000000 0 0 0\n");
    Segment(1000, 1000, 5000, 1000, 900);
    tool.objectIndex = 1;
    tool.BuildWall(1);
    EXPECT_EQ(tool.z1, 2000000000);
    EXPECT_EQ(tool.z2, INT32_MAX);  // 4,000,000,000
    // The wall runs +x: its lines lie 2, 4 and 6 thousand million below it.
    EXPECT_EQ(LineOf(tool, 0), (Line{1000, 1000 - 2000000000, 5000, 1000 - 2000000000}));
    EXPECT_EQ(LineOf(tool, 1), (Line{1000, INT32_MIN, 5000, INT32_MIN}));
    EXPECT_EQ(LineOf(tool, 2), (Line{1000, INT32_MIN, 5000, INT32_MIN}));
}

TEST_F(Commit, AWallSpanningTheWholeRangeIsNotKeptAndTheToolKeepsTheEndsAsTyped)
{
    ASSERT_TRUE(objects().WriteDrawing());
    const std::string file = ReadWholeFile(objects().DrawingPath());
    Segment(-2147483000, 1000, 2147483000, 1000, 900);
    tool.objectIndex = 1;
    tool.CreateObject(dc, client);
    // The file cannot hold ends that far from the sheet centre: the list holds what it holds.
    EXPECT_EQ(objects().count(), 4);
    EXPECT_EQ(ReadWholeFile(objects().DrawingPath()), file);
    // Nothing was exchanged, so the tool goes on from the end reached.
    EXPECT_EQ(tool.x1, -2147483000);
    EXPECT_EQ(tool.x2, 2147483000);
}

// ---------------------------------------------------------------------------------------------
// Derived points at the range's top, where the drawing file would hold a point cut to the top:
// the builder itself refuses.

namespace {

class MessageWindow : public TToolWindow {
public:
    TPoint GetCursorPos() const override { return {}; }
    void SetCursorPos(TPoint) override {}
    void Message(const std::string& text, const std::string& title) override { messages.push_back(title + ": " + text); }
    std::vector<std::string> messages;
};

}  // namespace

TEST_F(Commit, AWallSnappedOrLinedPastTheRangesTopIsRefusedAndTheWallItMeetsKeepsItsLines)
{
    constexpr int top = std::numeric_limits<std::int32_t>::max();
    MessageWindow window;
    tool.window = &window;
    WriteCfg("EXTWALLM.CFG", "300 0 0 25 2550 2400 2400 0 0 0\n");
    const int met = AddTopWall(*this);
    ASSERT_TRUE(objects().WriteDrawing());
    const auto lines = WallAt(met).wallLines;

    // Continuing the wall from 10 short of its end to 5 below the top: the snap onto its end moves
    // the far end 5 past the top.
    Segment(4990, 1000, top - 5, 1000, 900);
    tool.CreateObject(dc, client);
    EXPECT_EQ(objects().count(), met + 1);
    EXPECT_EQ(WallAt(met).wallLines, lines);
    EXPECT_EQ(tool.x1, 4990);  // the segment stays as typed
    EXPECT_EQ(tool.x2, top - 5);
    ASSERT_EQ(window.messages.size(), 1u);
    EXPECT_NE(window.messages[0].find("POINT OUT OF RANGE"), std::string::npos);

    // A free wall running up 100 below the top has its line 300 to its right, past the top.
    Segment(top - 100, 2000, top - 100, 5000, 0);
    tool.CreateObject(dc, client);
    EXPECT_EQ(objects().count(), met + 1);
    EXPECT_EQ(window.messages.size(), 2u);
    // 300 below the top its line lies on the top itself, and the wall is stored.
    Segment(top - 300, 2000, top - 300, 5000, 0);
    tool.CreateObject(dc, client);
    ASSERT_EQ(objects().count(), met + 2);
    EXPECT_EQ(LineOf(WallAt(met + 1), 0), (Line{top, 2000, top, 5000}));
    EXPECT_EQ(window.messages.size(), 2u);
}
