// Splitting an external wall in two and changing its type: the cut ends, the corners that stay, the
// new wall's identity, the refusals checked before anything changes, and the corners made again for
// the new spacings, orthogonal and sloped.
#include "tests/walls/walleditfixture.h"

namespace {

using WallSplit = WallEditTest;

// The clockwise outline whose top wall runs +x from (1000, 2000) to (5000, 2000).
int LowOutline(WallEditTest& test)
{
    return test.Build({{{1000, 2000, 5000, 2000}, 900, WallEditTest::CAVITY},
                       {{5000, 2000, 5000, 500}, 1800, ""},
                       {{5000, 500, 1000, 500}, 2700, ""},
                       {{1000, 500, 1000, 2000}, 0, ""}});
}

// ---------------------------------------------------------------------------------------------
// Split.

TEST_F(WallSplit, AWallRunningPlusXKeepsItsLeftPartAndANewWallTakesTheRight)
{
    const int top = LowOutline(*this);
    const std::string right = DumpObject(top + 1, *objects()[top + 1]);
    const std::string left = DumpObject(top + 3, *objects()[top + 3]);
    const int counter = state().groupIdCounter;
    const int count = objects().count();

    const TExtwallobjtool& tool = Edit(top, STEP_WALL_SPLIT, 0, 3000, 1950);

    ASSERT_EQ(objects().count(), count + 1);
    const TExtwallobj& kept = WallAt(top);
    const TExtwallobj& added = WallAt(LastIndex());
    EXPECT_EQ((Line{kept.x1, kept.y1, kept.x2, kept.y2}), (Line{1000, 2000, 3000, 2000}));
    EXPECT_EQ(kept.groupId, 2000);
    EXPECT_EQ((Line{added.x1, added.y1, added.x2, added.y2}), (Line{3000, 2000, 5000, 2000}));
    EXPECT_EQ(added.groupId, 2000);
    // Square at the cut; the corners at x 1000 and 5000 keep their mitres, the neighbours too.
    EXPECT_EQ(LineOf(kept, 0), (Line{1110, 1890, 3000, 1890}));
    EXPECT_EQ(LineOf(kept, 1), (Line{1165, 1835, 3000, 1835}));
    EXPECT_EQ(LineOf(kept, 2), (Line{1275, 1725, 3000, 1725}));
    EXPECT_EQ(LineOf(added, 0), (Line{3000, 1890, 4890, 1890}));
    EXPECT_EQ(LineOf(added, 1), (Line{3000, 1835, 4835, 1835}));
    EXPECT_EQ(LineOf(added, 2), (Line{3000, 1725, 4725, 1725}));
    EXPECT_EQ(DumpObject(top + 1, *objects()[top + 1]), right);
    EXPECT_EQ(DumpObject(top + 3, *objects()[top + 3]), left);
    // The same wall in every other respect, with an id of its own.
    EXPECT_EQ(added.ownerId, counter + 1);
    EXPECT_EQ(state().groupIdCounter, counter + 1);
    EXPECT_EQ(added.floor, kept.floor);
    EXPECT_EQ(added.angle, 900);
    EXPECT_EQ((std::array{added.spacing1, added.spacing2, added.spacing3}), (std::array{110, 55, 110}));
    EXPECT_EQ(added.z1, kept.z1);
    EXPECT_EQ(added.z2, kept.z2);
    EXPECT_EQ(added.colour, kept.colour);
    EXPECT_EQ(added.wallColour1, 255);
    EXPECT_EQ(added.wallColour2, 65280);
    EXPECT_EQ(added.joinInfo, (std::array{0, 0, 0, 0}));
    EXPECT_EQ(added.wallFlag, 1);
    EXPECT_EQ(tool.active, 0);
    EXPECT_EQ(FileDump(), DumpAll());
}

TEST_F(WallSplit, AWallRunningMinusXKeepsItsEndPart)
{
    const int wall = Build({{{5000, 2000, 1000, 2000}, 2700, CAVITY}});
    Edit(wall, STEP_WALL_SPLIT, 0, 3000, 2000);
    const TExtwallobj& kept = WallAt(wall);
    const TExtwallobj& added = WallAt(LastIndex());
    EXPECT_EQ((Line{kept.x1, kept.y1, kept.x2, kept.y2}), (Line{3000, 2000, 1000, 2000}));
    EXPECT_EQ((Line{added.x1, added.y1, added.x2, added.y2}), (Line{5000, 2000, 3000, 2000}));
    EXPECT_EQ(LineOf(kept, 0), (Line{3000, 2110, 1000, 2110}));
    EXPECT_EQ(LineOf(added, 2), (Line{5000, 2275, 3000, 2275}));
    EXPECT_EQ(added.groupId, 2000);
    EXPECT_EQ(kept.groupId, 2000);
}

TEST_F(WallSplit, UpAndDownWallsAreCutAtTheirYAndKeepTheLowerPart)
{
    const int up = Build({{{1000, 1000, 1000, 5000}, 0, CAVITY}});
    const int down = Build({{{8000, 5000, 8000, 1000}, 1800, CAVITY}});
    Edit(up, STEP_WALL_SPLIT, 0, 1100, 4000);
    EXPECT_EQ((Line{WallAt(up).x1, WallAt(up).y1, WallAt(up).x2, WallAt(up).y2}), (Line{1000, 1000, 1000, 4000}));
    const TExtwallobj& upper = WallAt(LastIndex());
    EXPECT_EQ((Line{upper.x1, upper.y1, upper.x2, upper.y2}), (Line{1000, 4000, 1000, 5000}));
    EXPECT_EQ(LineOf(upper, 0), (Line{1110, 4000, 1110, 5000}));
    EXPECT_EQ(upper.groupId, 1000);

    Edit(down, STEP_WALL_SPLIT, 0, 8000, 2000);
    EXPECT_EQ((Line{WallAt(down).x1, WallAt(down).y1, WallAt(down).x2, WallAt(down).y2}),
              (Line{8000, 2000, 8000, 1000}));
    const TExtwallobj& top = WallAt(LastIndex());
    EXPECT_EQ((Line{top.x1, top.y1, top.x2, top.y2}), (Line{8000, 5000, 8000, 2000}));
    EXPECT_EQ(LineOf(top, 0), (Line{7890, 5000, 7890, 2000}));
    EXPECT_EQ(top.groupId, 3000);
}

TEST_F(WallSplit, ATwoLineWallIsCutInLine1Only)
{
    const int wall = Build({{{1000, 2000, 5000, 2000}, 900, SOLID_230}});
    Edit(wall, STEP_WALL_SPLIT, 0, 2000, 2000);
    EXPECT_EQ(LineOf(WallAt(wall), 0), (Line{1000, 1770, 2000, 1770}));
    EXPECT_EQ(LineOf(WallAt(wall), 1), (Line{0, 0, 0, 0}));
    EXPECT_EQ(LineOf(WallAt(LastIndex()), 0), (Line{2000, 1770, 5000, 1770}));
    EXPECT_EQ(LineOf(WallAt(LastIndex()), 2), (Line{0, 0, 0, 0}));
}

TEST_F(WallSplit, RefusedSplitsChangeNothing)
{
    const int top = LowOutline(*this);
    const int sloped = Build({{{8000, 1000, 10000, 3000}, 450, CAVITY}});
    // Walls on a zero line: the new wall would start at x 0 or y 0, which no wall can.
    AddWall(5000, 0, 1000, 0, 2700, 110);
    const int onXAxis = LastIndex();
    AddWall(-2000, 1000, 2000, 1000, 900, 110);
    const int acrossYAxis = LastIndex();
    const std::string before = DumpAll();
    const int counter = state().groupIdCounter;

    struct Case {
        int wall, x, y, refusal;
    };
    const Case cases[] = {
        {top, 1000, 2000, EDIT_REFUSED_SPLIT_POINT},  // at the start
        {top, 5000, 2000, EDIT_REFUSED_SPLIT_POINT},  // at the end
        {top, 6000, 2000, EDIT_REFUSED_SPLIT_POINT},  // beyond it
        {top, 500, 2000, EDIT_REFUSED_SPLIT_POINT},
        {sloped, 9000, 2000, EDIT_REFUSED_SLOPED},
        {onXAxis, 3000, 0, EDIT_REFUSED_SPLIT_ZERO},
        {acrossYAxis, 0, 1000, EDIT_REFUSED_SPLIT_ZERO},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.x);
        EXPECT_EQ(Edit(c.wall, STEP_WALL_SPLIT, 0, c.x, c.y).active, c.refusal);
        EXPECT_EQ(DumpAll(), before);
    }
    EXPECT_EQ(state().groupIdCounter, counter);
    // Off the zero line the wall across the y axis splits.
    EXPECT_EQ(Edit(acrossYAxis, STEP_WALL_SPLIT, 0, 500, 1000).active, 0);
    EXPECT_EQ(WallAt(LastIndex()).x1, 500);
}

// ---------------------------------------------------------------------------------------------
// Change of type.

TEST_F(WallSplit, ASolidWallBetweenCavityWallsStopsTheirLinesAtItsInnerFace)
{
    const int top = Outline();
    const TExtwallobj original = WallAt(top);

    const TExtwallobjtool& tool = Edit(top, STEP_WALL_CHANGE_TYPE, 230, 0, 0);

    const TExtwallobj& wall = WallAt(top);
    EXPECT_EQ((std::array{wall.spacing1, wall.spacing2, wall.spacing3}), (std::array{230, 0, 0}));
    EXPECT_EQ(LineOf(wall, 0), (Line{1110, 3770, 4890, 3770}));
    // Lines 2 and 3 are no longer drawn; they keep what they held.
    EXPECT_EQ(LineOf(wall, 1), LineOf(original, 1));
    EXPECT_EQ(LineOf(wall, 2), LineOf(original, 2));
    // The neighbours' lines meet it; their far ends stay.
    EXPECT_EQ(LineOf(WallAt(top + 1), 0), (Line{4890, 3770, 4890, 1110}));
    EXPECT_EQ(LineOf(WallAt(top + 1), 1), (Line{4835, 3770, 4835, 1165}));
    EXPECT_EQ(LineOf(WallAt(top + 1), 2), (Line{4725, 3770, 4725, 1275}));
    EXPECT_EQ(LineOf(WallAt(top + 3), 0), (Line{1110, 1110, 1110, 3770}));
    EXPECT_EQ(LineOf(WallAt(top + 3), 2), (Line{1275, 1275, 1275, 3770}));
    // Identity, levels and colours stay.
    EXPECT_EQ(wall.ownerId, original.ownerId);
    EXPECT_EQ(wall.z2, original.z2);
    EXPECT_EQ(wall.wallColour1, original.wallColour1);
    EXPECT_EQ(wall.groupId, 4000);
    EXPECT_EQ(tool.x1, 1000);
    EXPECT_EQ(tool.x2, 5000);
    EXPECT_EQ(FileDump(), DumpAll());
}

TEST_F(WallSplit, ChangingTheTypeBackGivesTheOutlineAsBuilt)
{
    const int top = Outline();
    const std::string built = DumpAll();
    Edit(top, STEP_WALL_CHANGE_TYPE, 230, 0, 0);
    Edit(top, STEP_WALL_CHANGE_TYPE, 110, 55, 110);
    EXPECT_EQ(DumpAll(), built);
}

TEST_F(WallSplit, AFreeEndIsSquareAtTheNewSpacings)
{
    const int wall = Build({{{1000, 3000, 5000, 3000}, 900, CAVITY}});
    Edit(wall, STEP_WALL_CHANGE_TYPE, 100, 50, 150);
    EXPECT_EQ(LineOf(WallAt(wall), 0), (Line{1000, 2900, 5000, 2900}));
    EXPECT_EQ(LineOf(WallAt(wall), 1), (Line{1000, 2850, 5000, 2850}));
    EXPECT_EQ(LineOf(WallAt(wall), 2), (Line{1000, 2700, 5000, 2700}));
}

TEST_F(WallSplit, ASlopedCornerIsMadeAgainForBothWalls)
{
    // An orthogonal wall, then a sloped wall leaving its end down to the right.
    const int a = Build({{{1000, 4000, 5000, 4000}, 900, CAVITY}, {{5000, 4000, 7000, 2000}, 1350, ""}});
    const int b = a + 1;
    const TExtwallobj builtB = WallAt(b);
    ASSERT_EQ(LineOf(WallAt(a), 0)[2], 4955);  // the bisector corner of the 110 line

    Edit(a, STEP_WALL_CHANGE_TYPE, 230, 0, 0);

    // The orthogonal wall's line meets the bisector for its new spacing ...
    EXPECT_EQ(LineOf(WallAt(a), 0), (Line{1000, 3770, 4905, 3770}));
    // ... and the sloped wall keeps its mitred start instead of the square end of the reset.
    for (int k = 0; k < 3; ++k)
        EXPECT_EQ(LineOf(WallAt(b), k), LineOf(builtB, k)) << k;
}

TEST_F(WallSplit, ASlopedWallBesideAnOrthogonalOneGetsItsCornerForTheNewSpacings)
{
    const int a = Build({{{1000, 4000, 5000, 4000}, 900, CAVITY}, {{5000, 4000, 7000, 2000}, 1350, ""}});
    const int b = a + 1;
    const Line aLine = LineOf(WallAt(a), 0);

    Edit(b, STEP_WALL_CHANGE_TYPE, 230, 0, 0);

    // Its start on the bisector 230 / cos 22.5 degrees from the corner; the other wall's corner
    // depends on its own spacings only and is made again where it was.
    EXPECT_EQ(LineOf(WallAt(b), 0)[0], 4905);
    EXPECT_NEAR(LineOf(WallAt(b), 0)[1], 3770, 1);
    EXPECT_EQ(LineOf(WallAt(a), 0), aLine);
}

}  // namespace
