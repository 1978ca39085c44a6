// Wall lines and corner joins: free ends, orthogonal mitres and bisector corners.
#include "tests/walls/wallfixture.h"

namespace {

using Geometry = WallTest;

// ---------------------------------------------------------------------------------------------
// Free ends.

TEST_F(Geometry, FreeCavityWallHasThreeLinesAtCumulativeSpacings)
{
    Segment(0, 0, 5000, 0, 900);
    Spacings(110, 50, 100);
    tool.ComputeLines(std::nullopt, std::nullopt);
    EXPECT_EQ(LineOf(tool, 0), (Line{0, -110, 5000, -110}));
    EXPECT_EQ(LineOf(tool, 1), (Line{0, -160, 5000, -160}));
    EXPECT_EQ(LineOf(tool, 2), (Line{0, -260, 5000, -260}));
}

TEST_F(Geometry, TwoLineWallLeavesNoCoordinatesOfThePreviousWall)
{
    // Values of an earlier wall in every slot must not survive.
    tool.lineX.fill(777);
    tool.lineY.fill(777);
    Segment(0, 0, 5000, 0, 900);
    Spacings(110, 0, 100);
    tool.ComputeLines(std::nullopt, std::nullopt);
    EXPECT_EQ(LineOf(tool, 0), (Line{0, -110, 5000, -110}));
    EXPECT_EQ(LineOf(tool, 1), (Line{0, 0, 0, 0}));
    EXPECT_EQ(LineOf(tool, 2), (Line{0, 0, 0, 0}));
}

TEST_F(Geometry, OrthogonalFreeEndsLieToTheRightOfTravel)
{
    Spacings(200);
    Segment(1000, 1000, 1000, 4000, 0);  // +y: lines at +x
    tool.OffsetOrtho(0);
    EXPECT_EQ(LineOf(tool, 0), (Line{1200, 1000, 1200, 4000}));
    Segment(1000, 4000, 1000, 1000, 1800);  // -y: lines at -x
    tool.OffsetOrtho(0);
    EXPECT_EQ(LineOf(tool, 0), (Line{800, 4000, 800, 1000}));
    Segment(4000, 1000, 1000, 1000, 2700);  // -x: lines at +y
    tool.OffsetOrtho(0);
    EXPECT_EQ(LineOf(tool, 0), (Line{4000, 1200, 1000, 1200}));
}

TEST_F(Geometry, OffsetOfOneEndLeavesTheOtherEnd)
{
    Spacings(200);
    tool.lineX.fill(5);
    tool.lineY.fill(5);
    Segment(1000, 1000, 4000, 1000, 900);
    tool.OffsetOrtho(1);
    EXPECT_EQ(LineOf(tool, 0), (Line{1000, 800, 5, 5}));
    tool.OffsetOrtho(2);
    EXPECT_EQ(LineOf(tool, 0), (Line{1000, 800, 4000, 800}));
}

TEST_F(Geometry, SlopedFreeWallOf450IsOffsetBy70Minus70)
{
    Segment(1000, 1000, 3000, 3000, 450);
    Spacings(100);
    tool.ComputeLines(std::nullopt, std::nullopt);
    EXPECT_EQ(LineOf(tool, 0), (Line{1070, 930, 3070, 2930}));
}

TEST_F(Geometry, SlopedFreeWallOf2250IsOffsetTheOtherWay)
{
    Segment(3000, 3000, 1000, 1000, 2250);
    Spacings(100);
    tool.ComputeLines(std::nullopt, std::nullopt);
    EXPECT_EQ(LineOf(tool, 0), (Line{2930, 3070, 930, 1070}));
}

TEST_F(Geometry, SlopedOffsetsTruncateEachComponent)
{
    // 300 tenths: cos 0.5235 x 1000 = 866.07..., sin = 499.86...; right of travel is +x, -y.
    Segment(1000, 1000, 1500, 1866, 300);
    Spacings(1000);
    tool.OffsetSloped(0);
    EXPECT_EQ(LineOf(tool, 0), (Line{1866, 501, 2366, 1367}));
}

// ---------------------------------------------------------------------------------------------
// Orthogonal corners.

TEST_F(Geometry, PerpendicularCornerWithSpacing300MeetsAt4700Minus300)
{
    TExtwallobj& w = AddWall(0, 0, 5000, 0, 900, 300);
    w.wallLines = {0, -300, 5000, -300};
    const int index = LastIndex();

    Segment(5000, 0, 5000, -4000, 1800);
    Spacings(300);
    tool.ComputeLines(index, std::nullopt);

    EXPECT_EQ(LineOf(tool, 0), (Line{4700, -300, 4700, -4000}));
    EXPECT_EQ(LineOf(WallAt(index), 0), (Line{0, -300, 4700, -300}));
}

TEST_F(Geometry, CornerAtTheEndMovesTheJoinedWallsStart)
{
    // The tool wall runs up the left side and ends where the top wall starts.
    TExtwallobj& w = AddWall(1000, 5000, 6000, 5000, 900, 300);
    w.wallLines = {1000, 4700, 6000, 4700};
    const int index = LastIndex();

    Segment(1000, 1000, 1000, 5000, 0);
    Spacings(300);
    tool.ComputeLines(std::nullopt, index);

    EXPECT_EQ(LineOf(tool, 0), (Line{1300, 1000, 1300, 4700}));
    EXPECT_EQ(LineOf(WallAt(index), 0), (Line{1300, 4700, 6000, 4700}));
}

TEST_F(Geometry, StraightContinuationIsSquareAndLeavesTheOtherWall)
{
    TExtwallobj& w = AddWall(1000, 1000, 3000, 1000, 900, 110, 50, 100);
    w.wallLines = {1000, 890, 3000, 890, 1000, 840, 3000, 840, 1000, 740, 3000, 740};
    const auto before = w.wallLines;
    const int index = LastIndex();

    Segment(3000, 1000, 6000, 1000, 900);
    Spacings(110, 50, 100);
    tool.ComputeLines(index, std::nullopt);

    EXPECT_EQ(LineOf(tool, 0), (Line{3000, 890, 6000, 890}));
    EXPECT_EQ(LineOf(tool, 1), (Line{3000, 840, 6000, 840}));
    EXPECT_EQ(LineOf(tool, 2), (Line{3000, 740, 6000, 740}));
    EXPECT_EQ(WallAt(index).wallLines, before);
}

TEST_F(Geometry, WallsTurningBackKeepTheirFreeEnds)
{
    TExtwallobj& w = AddWall(1000, 1000, 3000, 1000, 900, 200);
    w.wallLines = {1000, 800, 3000, 800};
    const auto before = w.wallLines;
    const int index = LastIndex();

    Segment(3000, 1000, 2000, 1000, 2700);
    Spacings(200);
    tool.ComputeLines(index, std::nullopt);

    EXPECT_EQ(LineOf(tool, 0), (Line{3000, 1200, 2000, 1200}));
    EXPECT_EQ(WallAt(index).wallLines, before);
}

TEST_F(Geometry, OrthogonalCornerRefusesASlopedWall)
{
    TExtwallobj& w = AddWall(1000, 1000, 3000, 3000, 450, 100);
    w.wallLines = {1070, 930, 3070, 2930};
    const auto before = w.wallLines;
    const int index = LastIndex();
    tool.lineX.fill(9);
    tool.lineY.fill(9);
    Segment(3000, 3000, 3000, 1000, 1800);
    Spacings(100);
    tool.JoinCorner(index, 1);
    EXPECT_EQ(LineOf(tool, 0), (Line{9, 9, 9, 9}));
    EXPECT_EQ(WallAt(index).wallLines, before);
}

TEST_F(Geometry, CavityWallJoinedToTwoLineWallMovesOnlyTheLinesThatExist)
{
    TExtwallobj& w = AddWall(0, 1000, 5000, 1000, 900, 300);
    w.wallLines = {0, 700, 5000, 700, 11, 12, 13, 14, 15, 16, 17, 18};
    const int index = LastIndex();

    Segment(5000, 1000, 5000, -3000, 1800);
    Spacings(110, 50, 100);
    tool.ComputeLines(index, std::nullopt);

    // The tool's lines meet the two-line wall's only line (its e2 = e1 = 300, e3 = 300).
    EXPECT_EQ(LineOf(tool, 0), (Line{4890, 700, 4890, -3000}));
    EXPECT_EQ(LineOf(tool, 1), (Line{4840, 700, 4840, -3000}));
    EXPECT_EQ(LineOf(tool, 2), (Line{4740, 700, 4740, -3000}));
    EXPECT_EQ(LineOf(WallAt(index), 0), (Line{0, 700, 4890, 700}));
    EXPECT_EQ(LineOf(WallAt(index), 1), (Line{11, 12, 13, 14}));
    EXPECT_EQ(LineOf(WallAt(index), 2), (Line{15, 16, 17, 18}));
}

TEST_F(Geometry, TwoLineWallJoinedToCavityWallMovesAllThreeOfItsLines)
{
    TExtwallobj& w = AddWall(0, 1000, 5000, 1000, 900, 110, 50, 100);
    w.wallLines = {0, 890, 5000, 890, 0, 840, 5000, 840, 0, 740, 5000, 740};
    const int index = LastIndex();

    Segment(5000, 1000, 5000, -3000, 1800);
    Spacings(300);
    tool.ComputeLines(index, std::nullopt);

    EXPECT_EQ(LineOf(tool, 0), (Line{4700, 890, 4700, -3000}));
    EXPECT_EQ(LineOf(tool, 1), (Line{0, 0, 0, 0}));
    EXPECT_EQ(LineOf(WallAt(index), 0), (Line{0, 890, 4700, 890}));
    EXPECT_EQ(LineOf(WallAt(index), 1), (Line{0, 840, 4700, 840}));
    EXPECT_EQ(LineOf(WallAt(index), 2), (Line{0, 740, 4700, 740}));
}

TEST_F(Geometry, StartJoinThatDoesNotEndAtTheStartGivesFreeEnds)
{
    TExtwallobj& w = AddWall(0, 1000, 4000, 1000, 900, 300);
    w.wallLines = {0, 700, 4000, 700};
    const auto before = w.wallLines;
    const int index = LastIndex();
    tool.lineX.fill(777);
    tool.lineY.fill(777);

    Segment(5000, 1000, 5000, -3000, 1800);
    Spacings(300);
    tool.ComputeLines(index, std::nullopt);

    EXPECT_EQ(LineOf(tool, 0), (Line{4700, 1000, 4700, -3000}));
    EXPECT_EQ(WallAt(index).wallLines, before);
}

// ---------------------------------------------------------------------------------------------
// Bisector corners.

// W runs at `wallAngle` and ends at P = (10000, 10000); its line 1 end starts as its free end.
int AddSlopedWallEndingAt10000(WallTest& test, int wallAngle, int spacing, TPoint freeOffset)
{
    TExtwallobj& w = test.AddWall(8000, 8000, 10000, 10000, wallAngle, spacing);
    w.wallLines = {8000 + freeOffset.x, 8000 + freeOffset.y, 10000 + freeOffset.x, 10000 + freeOffset.y};
    return test.objects().count() - 1;
}

TEST_F(Geometry, SlopedCorner450To1350StepsAlongTheBisector)
{
    const int index = AddSlopedWallEndingAt10000(*this, 450, 100, {70, -70});
    Segment(10000, 10000, 12000, 8000, 1350);
    Spacings(100);
    tool.ComputeLines(index, std::nullopt);

    // dist = 100 / cos(450 x 0.001745) = 141.40, straight down the bisector (1800).
    EXPECT_EQ(tool.lineX[0], 10000);
    EXPECT_EQ(tool.lineY[0], 9859);
    // The free end of the 1350 wall: (-70, -70).
    EXPECT_EQ(tool.lineX[1], 11930);
    EXPECT_EQ(tool.lineY[1], 7930);
    // The joined wall's line ends at the same corner point.
    EXPECT_EQ(LineOf(WallAt(index), 0), (Line{8070, 7930, 10000, 9859}));
}

TEST_F(Geometry, SlopedCornerUsesTheWallsOwnRadiansPerTenth)
{
    // With 0.001745 the corner lies 14140 away for a spacing of 10000 (14142 with exact radians).
    const int index = AddSlopedWallEndingAt10000(*this, 450, 100, {70, -70});
    Segment(10000, 10000, 30000, -10000, 1350);
    Spacings(10000);
    tool.JoinSlopedCorner(index, 1);
    EXPECT_EQ(tool.lineX[0], 10000);
    EXPECT_EQ(tool.lineY[0], 10000 - 14140);
}

TEST_F(Geometry, SlopedCornerStepsEachLineBySpacingOverCosine)
{
    const int index = AddSlopedWallEndingAt10000(*this, 450, 100, {70, -70});
    Segment(10000, 10000, 12000, 8000, 1350);
    Spacings(100, 50, 100);
    tool.JoinSlopedCorner(index, 1);
    // 141.40, then 70.70 and 141.40 further, each truncated by itself.
    EXPECT_EQ(tool.lineY[0], 10000 - 141);
    EXPECT_EQ(tool.lineY[2], 10000 - 141 - 70);
    EXPECT_EQ(tool.lineY[4], 10000 - 141 - 70 - 141);
}

TEST_F(Geometry, BisectorExactlyWestGivesTheMitre)
{
    // Arriving at 2250, leaving at 1350: the bisector runs exactly -x (2700).
    TExtwallobj& w = AddWall(12000, 12000, 10000, 10000, 2250, 100);
    w.wallLines = {11930, 12070, 9930, 10070};
    const int index = LastIndex();
    Segment(10000, 10000, 12000, 8000, 1350);
    Spacings(100);
    tool.ComputeLines(index, std::nullopt);
    EXPECT_EQ(tool.lineX[0], 10000 - 141);
    EXPECT_EQ(tool.lineY[0], 10000);
    EXPECT_EQ(WallAt(index).wallLines[2], 10000 - 141);
    EXPECT_EQ(WallAt(index).wallLines[3], 10000);
}

TEST_F(Geometry, BisectorExactlyNorthAt3600GivesTheMitre)
{
    // Arriving at 3150, leaving at 2250: the bisector is 3600.
    TExtwallobj& w = AddWall(12000, 8000, 10000, 10000, 3150, 100);
    w.wallLines = {12070, 8070, 10070, 10070};
    const int index = LastIndex();
    Segment(10000, 10000, 8000, 8000, 2250);
    Spacings(100);
    tool.ComputeLines(index, std::nullopt);
    EXPECT_EQ(tool.lineX[0], 10000);
    EXPECT_EQ(tool.lineY[0], 10000 + 141);
}

TEST_F(Geometry, WallsTurningFullyBackAtASlopeKeepTheirFreeEnds)
{
    const int index = AddSlopedWallEndingAt10000(*this, 450, 100, {70, -70});
    const auto before = WallAt(index).wallLines;
    Segment(10000, 10000, 8000, 8000, 2250);
    Spacings(100);
    tool.ComputeLines(index, std::nullopt);
    EXPECT_EQ(LineOf(tool, 0), (Line{9930, 10070, 7930, 8070}));
    EXPECT_EQ(WallAt(index).wallLines, before);
}

TEST_F(Geometry, OrthogonalWallMeetingASlopedWallStaysParallelToItsAxis)
{
    const int index = AddSlopedWallEndingAt10000(*this, 450, 100, {70, -70});
    Segment(10000, 10000, 10000, 6000, 1800);
    Spacings(100);
    tool.ComputeLines(index, std::nullopt);
    // Bisector 2025: (-99.93, -241.30) truncated; the end takes the start's x.
    EXPECT_EQ(LineOf(tool, 0), (Line{9901, 9759, 9901, 6000}));
    EXPECT_EQ(WallAt(index).wallLines[2], 9901);
    EXPECT_EQ(WallAt(index).wallLines[3], 9759);
}

// ---------------------------------------------------------------------------------------------
// Joined walls.

TEST_F(Geometry, FindJoinedWallsKeepsTheLaterWallInListOrder)
{
    AddWall(1000, 5000, 3000, 5000, 900, 100);   // ends at (3000, 5000)
    AddWall(3000, 1000, 3000, 5000, 0, 100);     // ends at (3000, 5000) as well
    const int later = LastIndex();
    AddWall(5000, 1000, 5000, 3000, 0, 100);     // touches neither end
    AddWall(6000, 5000, 8000, 5000, 900, 100);   // starts at the wall's end
    const int next = LastIndex();
    AddWall(3000, 5000, 6000, 5000, 900, 100);   // the wall itself
    const int self = LastIndex();
    AddWall(1000, 5000, 3000, 5000, 900, 100, 0, 0, FIRST_FLOOR);  // other floor

    tool.FindJoinedWalls(self);
    EXPECT_EQ(tool.prevWall, later);
    EXPECT_EQ(tool.nextWall, next);
}

TEST_F(Geometry, FindJoinedWallsWithoutNeighbours)
{
    AddWall(3000, 5000, 6000, 5000, 900, 100);
    tool.FindJoinedWalls(LastIndex());
    EXPECT_EQ(tool.prevWall, NO_INDEX);
    EXPECT_EQ(tool.nextWall, NO_INDEX);
}

}  // namespace

TEST_F(Geometry, ARazorSharpCornerWithHugeSpacingsHoldsItsMitreFarOutAlongTheBisector)
{
    // Arriving at 450, leaving at 2248: the walls turn back but for two tenths, and the bisector
    // (2249) runs down and to the left. Spacings of 2,000,000,000 put each line's step along it
    // far beyond the range; every line is held there, none wraps round to the other side.
    const int index = AddSlopedWallEndingAt10000(*this, 450, 100, {70, -70});
    Segment(10000, 10000, 8000, 7990, 2248);
    Spacings(2000000000, 2000000000, 2000000000);
    tool.JoinSlopedCorner(index, 1);
    for (int k = 0; k < 3; ++k) {
        SCOPED_TRACE(k);
        EXPECT_LT(tool.lineX[std::size_t(2 * k)], -2000000000);
        EXPECT_LT(tool.lineY[std::size_t(2 * k)], -2000000000);
    }
}
