// Lengthening, shortening and deleting external walls: the end that moves, the square ends and the
// corners of the joined walls, the refusals, and the drawing file written with the result.
#include "tests/walls/walleditfixture.h"

namespace {

using WallEdit = WallEditTest;

// Wall lines of the outline's top wall (1000, 4000)-(5000, 4000) and right wall (5000, 4000)-
// (5000, 1000), cavity 110 / 55 / 110, mitred at every corner.
const Line TOP_MITRED[3] = {{1110, 3890, 4890, 3890}, {1165, 3835, 4835, 3835}, {1275, 3725, 4725, 3725}};
const Line RIGHT_MITRED[3] = {{4890, 3890, 4890, 1110}, {4835, 3835, 4835, 1165}, {4725, 3725, 4725, 1275}};
const Line LEFT_MITRED[3] = {{1110, 1110, 1110, 3890}, {1165, 1165, 1165, 3835}, {1275, 1275, 1275, 3725}};

void ExpectLines(const TExtwallobj& wall, const Line (&expected)[3])
{
    for (int k = 0; k < 3; ++k) {
        SCOPED_TRACE(k);
        EXPECT_EQ(LineOf(wall, k), expected[k]);
    }
}

// ---------------------------------------------------------------------------------------------
// The end that moves.

TEST_F(WallEdit, HalfWayPickMovesTheUpperEndOfAnUpAndDownWallAndTheLeftEndOfAWallAcross)
{
    const int up = Build({{{1000, 1000, 1000, 3000}, 0, CAVITY}});         // runs +y
    const int down = Build({{{8000, 3000, 8000, 1000}, 1800, CAVITY}});    // runs -y
    const int right = Build({{{1000, 6000, 3000, 6000}, 900, CAVITY}});    // runs +x
    const int left = Build({{{9000, 6000, 7000, 6000}, 2700, CAVITY}});    // runs -x

    Edit(up, STEP_WALL_LENGTHEN, 500, 1000, 2000);
    EXPECT_EQ(WallAt(up).y2, 3500);
    EXPECT_EQ(WallAt(up).y1, 1000);
    Edit(down, STEP_WALL_LENGTHEN, 500, 8000, 2000);
    EXPECT_EQ(WallAt(down).y1, 3500);
    EXPECT_EQ(WallAt(down).y2, 1000);
    Edit(right, STEP_WALL_LENGTHEN, 500, 2000, 6000);
    EXPECT_EQ(WallAt(right).x1, 500);
    EXPECT_EQ(WallAt(right).x2, 3000);
    Edit(left, STEP_WALL_LENGTHEN, 500, 8000, 6000);
    EXPECT_EQ(WallAt(left).x2, 6500);
    EXPECT_EQ(WallAt(left).x1, 9000);
}

TEST_F(WallEdit, ThePointAcrossTheWallIsNotUsedOnlyItsPositionAlong)
{
    const int wall = Build({{{1000, 1000, 5000, 1000}, 900, CAVITY}});
    // Far above the wall but nearer its right end.
    Edit(wall, STEP_WALL_SHORTEN, 300, 4000, 9000);
    EXPECT_EQ(WallAt(wall).x1, 1000);
    EXPECT_EQ(WallAt(wall).x2, 4700);
}

TEST_F(WallEdit, LengtheningAFreeEndMovesItOutwardSquareAndChangesNoOtherWall)
{
    const int first = Build({{{1000, 4000, 5000, 4000}, 900, CAVITY}, {{5000, 4000, 5000, 1000}, 1800, ""}});
    const std::string otherWall = DumpObject(first + 1, *objects()[first + 1]);

    const TExtwallobjtool& tool = Edit(first, STEP_WALL_LENGTHEN, 500, 1500, 4000);

    const TExtwallobj& wall = WallAt(first);
    EXPECT_EQ(wall.x1, 500);
    EXPECT_EQ(wall.groupId, 4500);
    EXPECT_EQ(LineOf(wall, 0), (Line{500, 3890, 4890, 3890}));
    EXPECT_EQ(LineOf(wall, 1), (Line{500, 3835, 4835, 3835}));
    EXPECT_EQ(LineOf(wall, 2), (Line{500, 3725, 4725, 3725}));
    EXPECT_EQ(DumpObject(first + 1, *objects()[first + 1]), otherWall);
    // The caller repaints the new reference line and the area the wall covered before.
    EXPECT_EQ(tool.x1, 500);
    EXPECT_EQ(tool.x2, 5000);
    EXPECT_EQ(tool.editLeft, 1000);
    EXPECT_EQ(tool.editRight, 4725);
    EXPECT_EQ(tool.editTop, 4000);
    EXPECT_EQ(tool.editBottom, 3725);
    EXPECT_EQ(tool.active, 0);
}

TEST_F(WallEdit, LengtheningTheStartPastAPreviousWallLeavesThatWallsMitre)
{
    const int top = Outline();
    Edit(top, STEP_WALL_LENGTHEN, 500, 1200, 4000);

    EXPECT_EQ(WallAt(top).x1, 500);
    EXPECT_EQ(WallAt(top).groupId, 4500);
    EXPECT_EQ(LineOf(WallAt(top), 0), (Line{500, 3890, 4890, 3890}));
    ExpectLines(WallAt(top + 3), LEFT_MITRED);
    ExpectLines(WallAt(top + 1), RIGHT_MITRED);
}

TEST_F(WallEdit, ShorteningTheEndSquaresBothSidesOfTheGapAndLeavesThePreviousWall)
{
    const int top = Outline();
    const std::string left = DumpObject(top + 3, *objects()[top + 3]);

    Edit(top, STEP_WALL_SHORTEN, 500, 4200, 4000);

    const TExtwallobj& wall = WallAt(top);
    EXPECT_EQ(wall.x2, 4500);
    EXPECT_EQ(wall.groupId, 3500);
    EXPECT_EQ(LineOf(wall, 0), (Line{1110, 3890, 4500, 3890}));
    EXPECT_EQ(LineOf(wall, 2), (Line{1275, 3725, 4500, 3725}));
    // The next wall starts square at its own reference point; its far end keeps its corner.
    EXPECT_EQ(LineOf(WallAt(top + 1), 0), (Line{4890, 4000, 4890, 1110}));
    EXPECT_EQ(LineOf(WallAt(top + 1), 1), (Line{4835, 4000, 4835, 1165}));
    EXPECT_EQ(LineOf(WallAt(top + 1), 2), (Line{4725, 4000, 4725, 1275}));
    EXPECT_EQ(DumpObject(top + 3, *objects()[top + 3]), left);
    EXPECT_EQ(FileDump(), DumpAll());
}

TEST_F(WallEdit, LengtheningBackOntoTheNextWallsStartMitresTheCornerAgain)
{
    const int top = Outline();
    const std::string built = DumpAll();
    Edit(top, STEP_WALL_SHORTEN, 500, 4200, 4000);
    Edit(top, STEP_WALL_LENGTHEN, 500, 4200, 4000);
    EXPECT_EQ(DumpAll(), built);
    EXPECT_EQ(FileDump(), built);
}

TEST_F(WallEdit, LengtheningOntoAWallEndThatAlreadyMakesACornerLeavesBothEndsSquare)
{
    // The right wall's start already meets a third wall ending there.
    const int top = Build({{{1000, 4000, 4500, 4000}, 900, CAVITY},
                           {{5000, 6000, 5000, 4000}, 1800, ""},
                           {{5000, 4000, 5000, 1000}, 1800, ""}});
    const std::string right = DumpObject(top + 2, *objects()[top + 2]);
    const std::string third = DumpObject(top + 1, *objects()[top + 1]);

    Edit(top, STEP_WALL_LENGTHEN, 500, 4200, 4000);

    EXPECT_EQ(WallAt(top).x2, 5000);
    EXPECT_EQ(LineOf(WallAt(top), 0), (Line{1000, 3890, 5000, 3890}));
    EXPECT_EQ(DumpObject(top + 2, *objects()[top + 2]), right);
    EXPECT_EQ(DumpObject(top + 1, *objects()[top + 1]), third);
}

TEST_F(WallEdit, ATwoLineWallTakesTheMovedCoordinateIntoAllThreeWallLines)
{
    const int wall = Build({{{1000, 1000, 1000, 3000}, 0, SOLID_230}});
    Edit(wall, STEP_WALL_LENGTHEN, 400, 1000, 2900);
    EXPECT_EQ(LineOf(WallAt(wall), 0), (Line{1230, 1000, 1230, 3400}));
    EXPECT_EQ(LineOf(WallAt(wall), 1), (Line{0, 0, 0, 3400}));
    EXPECT_EQ(LineOf(WallAt(wall), 2), (Line{0, 0, 0, 3400}));
    EXPECT_EQ(WallAt(wall).groupId, 2400);
}

// ---------------------------------------------------------------------------------------------
// Refusals: nothing changes, the file is written with the same content.

TEST_F(WallEdit, ASlopedWallIsNotLengthenedOrShortened)
{
    const int wall = Build({{{1000, 1000, 3000, 3000}, 450, CAVITY}});
    const std::string before = DumpAll();
    for (int step : {STEP_WALL_LENGTHEN, STEP_WALL_SHORTEN}) {
        SCOPED_TRACE(step);
        std::filesystem::remove(dir.path() / "DWGS" / "WALLS.DB0");
        EXPECT_EQ(Edit(wall, step, 500, 2900, 2900).active, EDIT_REFUSED_SLOPED);
        EXPECT_EQ(DumpAll(), before);
        EXPECT_EQ(FileDump(), before);
    }
}

TEST_F(WallEdit, EditDistancesRunFrom1To32766)
{
    const int wall = Build({{{1000, 1000, 5000, 1000}, 900, CAVITY}});
    const std::string before = DumpAll();
    for (int distance : {0, -500, 32767}) {
        SCOPED_TRACE(distance);
        EXPECT_EQ(Edit(wall, STEP_WALL_LENGTHEN, distance, 4900, 1000).active, EDIT_REFUSED_DISTANCE);
        EXPECT_EQ(Edit(wall, STEP_WALL_SHORTEN, distance, 4900, 1000).active, EDIT_REFUSED_DISTANCE);
        EXPECT_EQ(DumpAll(), before);
    }
    EXPECT_EQ(Edit(wall, STEP_WALL_LENGTHEN, 32766, 4900, 1000).active, 0);
    EXPECT_EQ(WallAt(wall).x2, 37766);
    EXPECT_EQ(Edit(wall, STEP_WALL_SHORTEN, 1, 37000, 1000).active, 0);
    EXPECT_EQ(WallAt(wall).x2, 37765);
    EXPECT_EQ(WallAt(wall).groupId, 36765);
}

TEST_F(WallEdit, AShorteningMustLeaveALengthOfAtLeast1)
{
    const int top = Outline();
    const std::string before = DumpAll();
    for (int distance : {4000, 4001, 32766}) {
        SCOPED_TRACE(distance);
        EXPECT_EQ(Edit(top, STEP_WALL_SHORTEN, distance, 4900, 4000).active, EDIT_REFUSED_TOO_SHORT);
        EXPECT_EQ(DumpAll(), before);
    }
    EXPECT_EQ(Edit(top, STEP_WALL_SHORTEN, 3999, 4900, 4000).active, 0);
    EXPECT_EQ(WallAt(top).x2, 1001);
    EXPECT_EQ(WallAt(top).groupId, 1);
}

TEST_F(WallEdit, StepsOutside2To6AndObjectsOtherThanExternalWallsAreLeftAlone)
{
    const int top = Outline();
    AddLine(1000, 2000, 3000, 2000);
    const std::string before = DumpAll();
    std::filesystem::remove(dir.path() / "DWGS" / "WALLS.DB0");
    Edit(top, 7, 500, 4900, 4000);
    Edit(top, 1, 500, 4900, 4000);
    Edit(LastIndex(), STEP_WALL_LENGTHEN, 500, 2900, 2000);
    Edit(objects().count(), STEP_WALL_DELETE, 0, 0, 0);
    EXPECT_EQ(DumpAll(), before);
    EXPECT_FALSE(std::filesystem::exists(dir.path() / "DWGS" / "WALLS.DB0"));
}

// ---------------------------------------------------------------------------------------------
// Delete.

TEST_F(WallEdit, DeletingAWallSquaresTheEndsOfBothJoinedWallsAndKeepsWhatLiesInIt)
{
    const int top = Outline();
    // Something standing in the wall, as a window's line would.
    AddLine(2000, 3890, 3000, 3890);
    const std::string windowDump = DumpObject(top + 3, *objects()[LastIndex()]);
    const int count = objects().count();

    const TExtwallobjtool& tool = Edit(top, STEP_WALL_DELETE, 0, 0, 0);

    ASSERT_EQ(objects().count(), count - 1);
    // The others moved down one place: right, bottom, left, the window.
    EXPECT_EQ(WallAt(top).x1, 5000);
    EXPECT_EQ(LineOf(WallAt(top), 0), (Line{4890, 4000, 4890, 1110}));
    EXPECT_EQ(LineOf(WallAt(top), 2), (Line{4725, 4000, 4725, 1275}));
    EXPECT_EQ(LineOf(WallAt(top + 2), 0), (Line{1110, 1110, 1110, 4000}));
    EXPECT_EQ(LineOf(WallAt(top + 2), 2), (Line{1275, 1275, 1275, 4000}));
    EXPECT_EQ(DumpObject(top + 3, *objects()[LastIndex()]), windowDump);
    EXPECT_EQ(FileDump(), DumpAll());
    // The repaint covers the wall that went and the corners that changed.
    EXPECT_LE(tool.changedArea.minX, 1000);
    EXPECT_GE(tool.changedArea.maxX, 5000);
    EXPECT_GE(tool.changedArea.maxY, 4000);
    EXPECT_LE(tool.changedArea.minY, 1110);
}

TEST_F(WallEdit, DeletingAFreeWallOnlyRemovesIt)
{
    const int first = Build({{{1000, 1000, 5000, 1000}, 900, CAVITY}});
    Build({{{8000, 1000, 8000, 5000}, 0, CAVITY}});
    const std::string other = DumpObject(first, *objects()[first + 1]);
    Edit(first, STEP_WALL_DELETE, 0, 0, 0);
    ASSERT_EQ(objects().count(), first + 1);
    EXPECT_EQ(DumpObject(first, *objects()[first]), other);
    EXPECT_EQ(FileDump(), DumpAll());
}

TEST_F(WallEdit, AJoinedWallAtIndexNoIndexIsStillAJoinedWall)
{
    // The wall before the deleted one stands at index 30001, the value that stands for no wall.
    while (objects().count() < NO_INDEX)
        AddLine(100, 100, 200, 100, FIRST_FLOOR);
    // The two walls with their corner made.
    TExtwallobj& leftWall = AddWall(1000, 1000, 1000, 4000, 0, 110, 55, 110);
    leftWall.wallLines = {1110, 1000, 1110, 3890, 1165, 1000, 1165, 3835, 1275, 1000, 1275, 3725};
    const int left = LastIndex();
    ASSERT_EQ(left, NO_INDEX);
    TExtwallobj& topWall = AddWall(1000, 4000, 5000, 4000, 900, 110, 55, 110);
    topWall.wallLines = {1110, 3890, 5000, 3890, 1165, 3835, 5000, 3835, 1275, 3725, 5000, 3725};

    TExtwallobjtool& tool = Edit(left + 1, STEP_WALL_DELETE, 0, 0, 0);
    EXPECT_TRUE(tool.hasPrevWall);
    EXPECT_FALSE(tool.hasNextWall);
    EXPECT_EQ(LineOf(WallAt(left), 0), (Line{1110, 1000, 1110, 4000}));
    EXPECT_EQ(LineOf(WallAt(left), 2), (Line{1275, 1000, 1275, 4000}));
    EXPECT_EQ(objects().count(), NO_INDEX + 1);
}

TEST_F(WallEdit, FindJoinedWallsSaysWhetherItFoundAWall)
{
    const int top = Outline();
    tool.FindJoinedWalls(top);
    EXPECT_TRUE(tool.hasPrevWall);
    EXPECT_TRUE(tool.hasNextWall);
    EXPECT_EQ(tool.prevWall, top + 3);
    EXPECT_EQ(tool.nextWall, top + 1);
    const int free = Build({{{8000, 1000, 8000, 5000}, 0, CAVITY}});
    tool.FindJoinedWalls(free);
    EXPECT_FALSE(tool.hasPrevWall);
    EXPECT_FALSE(tool.hasNextWall);
}

TEST_F(WallEdit, AnEditIsWrittenOnceAndAFailedWriteIsReported)
{
    const int top = Outline();
    ASSERT_TRUE(objects().WriteDrawing());
    const std::string outline = DumpAll();
    std::vector<std::string> reports;
    state().reportWriteFailure = [&reports](const std::string& message) { reports.push_back(message); };
    const int edits = objects().EditCount();
    FailNextWrites(1, WriteStage::Write);
    Edit(top, STEP_WALL_DELETE, 0, 0, 0);
    EXPECT_EQ(reports.size(), 1u);
    EXPECT_EQ(objects().EditCount(), edits + 1);
    // The delete the file did not take is not kept.
    EXPECT_EQ(DumpAll(), outline);
    // The next write goes through: one write per edit, so the injected failure was used up.
    Edit(top, STEP_WALL_SHORTEN, 100, 4900, 3000);
    EXPECT_EQ(reports.size(), 1u);
    EXPECT_EQ(FileDump(), DumpAll());
}

}  // namespace
