// The external-wall tool's service operations: snap and measure, copying the floor below, centring
// with the floor area, and the Setup dispatch of the plan resize.
#include "platform/recordingcanvas.h"
#include "tests/walls/wallfixture.h"

namespace {

class SubCommands : public WallTest {
public:
    // A clockwise outline (1000, 1000)-(9000, 6000) built by the tool itself, as if typed.
    void BuildOutline()
    {
        WriteCfg("EXTWALLM.CFG", "300 0 0 25 2550 2400 2400 0 0 0\n");
        const Line walls[] = {{1000, 1000, 1000, 6000}, {1000, 6000, 9000, 6000},
                              {9000, 6000, 9000, 1000}, {9000, 1000, 1000, 1000}};
        const int angles[] = {0, 900, 1800, 2700};
        const int lengths[] = {5000, 8000, 5000, 8000};
        for (int i = 0; i < 4; ++i) {
            Segment(walls[i][0], walls[i][1], walls[i][2], walls[i][3], angles[i]);
            tool.groupId = lengths[i];
            tool.objectIndex = 1;
            tool.CreateObject(dc, client);
        }
    }

    RecordingCanvas dc;
    TRect client{0, 0, 1000, 700};
};

// ---------------------------------------------------------------------------------------------
// Snap and measure.

TEST_F(SubCommands, PointThreeLogicalUnitsFromAWallEndIsNotSnappedOneNearerIs)
{
    AddWall(1000, 1000, 5000, 1000, 900, 300);
    tool.measureDirection() = 1;
    tool.x1 = 5015;
    tool.y1 = 1000;
    tool.SubCommand(2);
    EXPECT_EQ(tool.x1, 5015);
    tool.x1 = 5014;
    tool.y1 = 1014;
    tool.SubCommand(2);
    EXPECT_EQ(tool.x1, 5000);
    EXPECT_EQ(tool.y1, 1000);
}

TEST_F(SubCommands, WallWhoseStartIsNearInXOnlyIsPassedOver)
{
    // The point lies on this wall's end, but its x is near the wall's start x.
    AddWall(1000, 1000, 1000, 5000, 0, 300);
    tool.measureDirection() = 2;
    tool.x1 = 1002;
    tool.y1 = 5001;
    tool.SubCommand(2);
    EXPECT_EQ(tool.x1, 1002);
    EXPECT_EQ(tool.y1, 5001);
}

TEST_F(SubCommands, MeasuresToTheNearestWallEndAheadInEachDirection)
{
    AddWall(1000, 6000, 9000, 6000, 900, 300);   // top, left to right
    AddWall(9000, 1000, 1000, 1000, 2700, 300);  // bottom, right to left
    AddWall(4000, 4000, 4000, 8000, 0, 300);     // inner wall standing on y 4000
    AddWall(7000, 3000, 7000, 2000, 1800, 300);  // inner wall hanging from y 3000

    struct Case {
        int direction;
        TPoint from;
        int expected;
    };
    const Case cases[] = {
        {1, {4000, 1000}, 3000},  // up to the inner wall's lower end (4000, 4000)
        {1, {1000, 1000}, 5000},  // up to the top wall's start
        {2, {1000, 6000}, 0},     // the top wall's left end is the point itself
        {2, {2000, 3000}, 5000},  // right to (7000, 3000)
        {3, {7000, 6000}, 3000},  // down to the upper end (7000, 3000)
        {3, {9000, 6000}, 5000},  // down to the bottom wall's start (9000, 1000)
        {4, {9000, 4000}, 5000},  // left to (4000, 4000)
        {4, {500, 4000}, 0},      // nothing to the left
    };
    for (const Case& c : cases) {
        tool.x1 = c.from.x;
        tool.y1 = c.from.y;
        tool.measureDirection() = c.direction;
        tool.SubCommand(2);
        EXPECT_EQ(tool.libraryFlag, c.expected) << "direction " << c.direction << " from " << c.from.x
                                                << "," << c.from.y;
    }
}

TEST_F(SubCommands, MeasureInAnUnknownDirectionGivesZeroButStillSnaps)
{
    AddWall(1000, 1000, 5000, 1000, 900, 300);
    AddWall(1000, 6000, 5000, 6000, 900, 300);
    tool.x1 = 1004;
    tool.y1 = 996;
    tool.libraryFlag = 77;
    tool.measureDirection() = 5;
    tool.SubCommand(2);
    EXPECT_EQ(tool.libraryFlag, 0);
    EXPECT_EQ(tool.x1, 1000);
    EXPECT_EQ(tool.y1, 1000);
}

TEST_F(SubCommands, MeasureIgnoresWallsOfOtherFloors)
{
    AddWall(1000, 6000, 5000, 6000, 900, 300, 0, 0, FIRST_FLOOR);
    tool.x1 = 1000;
    tool.y1 = 1000;
    tool.measureDirection() = 1;
    tool.SubCommand(2);
    EXPECT_EQ(tool.libraryFlag, 0);
}

// ---------------------------------------------------------------------------------------------
// Copy of the floor below.

TEST_F(SubCommands, FirstFloorStartsFromTheGroundFloorOutline)
{
    BuildOutline();
    const int groundCount = objects().count();
    std::vector<TExtwallobj> ground;
    for (int i = 4; i < groundCount; ++i)
        ground.push_back(WallAt(i));

    state().currentFloor = FIRST_FLOOR;
    const int counter = state().groupIdCounter;
    tool.SubCommand(3);

    ASSERT_EQ(objects().count(), groundCount + 4);
    for (int i = 0; i < 4; ++i) {
        const TExtwallobj& copy = WallAt(groundCount + i);
        const TExtwallobj& original = ground[std::size_t(i)];
        EXPECT_EQ(copy.floor, FIRST_FLOOR);
        EXPECT_EQ(copy.ownerId, counter + 1 + i);
        EXPECT_EQ(copy.groupId, original.groupId);
        EXPECT_EQ((Line{copy.x1, copy.y1, copy.x2, copy.y2}),
                  (Line{original.x1, original.y1, original.x2, original.y2}));
        EXPECT_EQ(copy.angle, original.angle);
        EXPECT_EQ(copy.z1, 2575);
        EXPECT_EQ(copy.z2, 4975);
        // Same type and the same corners: every line as on the ground floor.
        EXPECT_EQ(copy.wallLines, original.wallLines) << "wall " << i;
    }
    // The ground floor is untouched.
    for (int i = 4; i < groundCount; ++i)
        EXPECT_EQ(WallAt(i).wallLines, ground[std::size_t(i - 4)].wallLines);
    // And all of it is in the drawing file.
    ASSERT_TRUE(objects().ReadDrawing().ok);
    EXPECT_EQ(objects().count(), groundCount + 4);
}

TEST_F(SubCommands, GroundFloorHasNoFloorBelowToCopy)
{
    BuildOutline();
    const int count = objects().count();
    tool.SubCommand(3);
    EXPECT_EQ(objects().count(), count);
}

// ---------------------------------------------------------------------------------------------
// Centring and floor area.

TEST_F(SubCommands, OnTheGroundFloorTheAreaFollowsCentring)
{
    BuildOutline();
    state().sheetWidth = 2000;
    state().sheetHeight = 1400;
    tool.SubCommand(5);
    // The outline's centre (5000, 3500) already is the centre of a 2000 x 1400 sheet at 5 units;
    // 8000 x 5000 mm is 40 square metres.
    EXPECT_EQ(WallAt(4).x1, 1000);
    EXPECT_EQ(objects().GetFloorArea(), 40);

    // A wider sheet moves the plan 5000 to the right.

    state().sheetWidth = 4000;
    tool.SubCommand(5);
    EXPECT_EQ(WallAt(4).x1, 1000 + 5000);
    EXPECT_EQ(WallAt(4).wallLines[0], 1300 + 5000);
    EXPECT_EQ(objects().GetFloorArea(), 40);
}

TEST_F(SubCommands, OnUpperFloorsTheAreaIsComputedButThePlanStays)
{
    state().currentFloor = FIRST_FLOOR;
    BuildOutline();
    state().sheetWidth = 4000;
    state().sheetHeight = 4000;
    tool.SubCommand(5);
    EXPECT_EQ(WallAt(4).x1, 1000);
    EXPECT_EQ(WallAt(4).y1, 1000);
    EXPECT_EQ(objects().GetFloorArea(), 40);
}

TEST_F(SubCommands, PlanResizeStepsReturnTheToolToWallsAndCentreThePlan)
{
    BuildOutline();
    state().sheetWidth = 4000;
    state().sheetHeight = 1400;
    tool.step = 8;
    tool.kind = 1100;
    tool.active = 1;
    tool.lineDrawn = 1;
    tool.Setup(500, 1000, 1000);
    EXPECT_EQ(tool.kind, 1000);
    EXPECT_EQ(tool.active, 0);
    EXPECT_EQ(tool.lineDrawn, 0);
    EXPECT_EQ(WallAt(4).x1, 6000);
}

TEST_F(SubCommands, OtherCodesDoNothing)
{
    BuildOutline();
    const std::string before = [&] {
        std::string all;
        for (int i = 0; i < objects().count(); ++i)
            all += DumpObject(i, *objects()[i]) + "\n";
        return all;
    }();
    tool.libraryFlag = 12;
    for (int code : {0, 4, 6, 99})
        tool.SubCommand(code);
    std::string after;
    for (int i = 0; i < objects().count(); ++i)
        after += DumpObject(i, *objects()[i]) + "\n";
    EXPECT_EQ(after, before);
    EXPECT_EQ(tool.libraryFlag, 12);
}

}  // namespace
