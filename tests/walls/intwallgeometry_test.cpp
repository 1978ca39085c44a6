// The geometry of a new internal wall: its second face, snapping, corners and mitres with the walls
// it continues, and where its ends meet other walls.
#include "tests/walls/intwallfixture.h"

#include <cmath>

namespace {

using IntwallGeometry = IntwallTest;

// Signed distance of a point from the line through (x1, y1)-(x2, y2): positive on its left hand.
double LeftOf(double x1, double y1, double x2, double y2, double px, double py)
{
    const double dx = x2 - x1, dy = y2 - y1;
    return (dx * (py - y1) - dy * (px - x1)) / std::hypot(dx, dy);
}

TPoint Along(int angle, double length)
{
    const double r = angle * M_PI / 1800.0;
    return {int(std::lround(std::sin(r) * length)), int(std::lround(std::cos(r) * length))};
}

// ---------------------------------------------------------------------------------------------
// Free walls.

TEST_F(IntwallGeometry, FreeHorizontalWallHasItsFaceOnTheChosenSide)
{
    Piece(0, 0, 3000, 0, 900, 1);
    Build();
    EXPECT_EQ(FacesOf(tool), (Faces{0, 0, 3000, 0, 0, 100, 3000, 100}));
    EXPECT_EQ(tool.wallWidth, 100);
    EXPECT_EQ(tool.wallColour1, 255);
    EXPECT_EQ(tool.wallColour2, 65280);
    EXPECT_EQ(tool.savedStep, GROUND_FLOOR);

    Piece(0, 0, 3000, 0, 900, 3);
    Build();
    EXPECT_EQ(FacesOf(tool), (Faces{0, 0, 3000, 0, 0, -100, 3000, -100}));
}

TEST_F(IntwallGeometry, FreeVerticalWallTakesRightOrLeft)
{
    Piece(1000, 1000, 1000, 3000, 0, 2);
    Build();
    EXPECT_EQ(FacesOf(tool), (Faces{1000, 1000, 1000, 3000, 1100, 1000, 1100, 3000}));
    Piece(1000, 3000, 1000, 1000, 1800, 4);
    Build();
    EXPECT_EQ(FacesOf(tool), (Faces{1000, 3000, 1000, 1000, 900, 3000, 900, 1000}));
}

TEST_F(IntwallGeometry, ImperialThicknessComesFromItsOwnFile)
{
    state().unitSystem = 0;
    Piece(1000, 1000, 4000, 1000, 900, 1);
    Build();
    EXPECT_EQ(tool.wallWidth, 96);
    EXPECT_EQ(tool.face2StartY, 1096);
}

TEST_F(IntwallGeometry, SlopedFreeWallAt45DegreesOffsetsBy70)
{
    Piece(1000, 1000, 2000, 2000, 450, 1);
    Build();
    EXPECT_EQ(FacesOf(tool), (Faces{1000, 1000, 2000, 2000, 930, 1070, 1930, 2070}));
    // Below it, the other way.
    Piece(1000, 1000, 2000, 2000, 450, 3);
    Build();
    EXPECT_EQ(tool.face2StartX, 1070);
    EXPECT_EQ(tool.face2StartY, 930);
}

TEST_F(IntwallGeometry, FaceNeverKeepsAnEarlierWallsPoints)
{
    // A side that does not fit an upright wall is carried over as for a sloped wall (above: -x).
    tool.face2StartX = 77777;
    tool.face2EndY = 77777;
    Piece(1000, 1000, 1000, 3000, 0, 1);
    Build();
    EXPECT_EQ(FacesOf(tool), (Faces{1000, 1000, 1000, 3000, 900, 1000, 900, 3000}));
    // No side at all: the face lies on the reference line.
    Piece(1000, 1000, 3000, 1000, 900, 0);
    Build();
    EXPECT_EQ(FacesOf(tool), (Faces{1000, 1000, 3000, 1000, 1000, 1000, 3000, 1000}));
}

// ---------------------------------------------------------------------------------------------
// Snapping and order of the ends.

TEST_F(IntwallGeometry, StartNearAWallEndMovesTheWholeWallOntoIt)
{
    AddIntWall(1000, 1000, 3000, 1000, 900, 100, 1000, 900, 3000, 900);
    // 10 model units beside the end (tolerance 3 logical units = 15).
    Piece(3010, 990, 3010, 2990, 0, 3);
    Build();
    EXPECT_EQ(tool.x1, 3000);
    EXPECT_EQ(tool.y1, 1000);
    EXPECT_EQ(tool.x2, 3000);
    EXPECT_EQ(tool.y2, 3000);  // the length stays 2000
    // 15 beside is not near.
    Piece(3015, 1000, 3015, 3000, 0, 3);
    Build();
    EXPECT_EQ(tool.x1, 3015);
}

TEST_F(IntwallGeometry, StartOnAnotherWallsStartTurnsTheNewWallRound)
{
    AddIntWall(1000, 1000, 3000, 1000, 900, 100, 1000, 900, 3000, 900);
    Piece(1000, 1000, 1000, 3000, 0, 3);
    Build();
    // Stored from the far end towards the joined wall's start, turned by 180 degrees.
    EXPECT_EQ(tool.x1, 1000);
    EXPECT_EQ(tool.y1, 3000);
    EXPECT_EQ(tool.x2, 1000);
    EXPECT_EQ(tool.y2, 1000);
    EXPECT_EQ(tool.lineAux1, 1800);
}

// ---------------------------------------------------------------------------------------------
// Orthogonal corners.

TEST_F(IntwallGeometry, TurningUpFromAWallWithItsFaceBelowClosesTheOuterCorner)
{
    const int j = objects().count();
    AddIntWall(1000, 1000, 3000, 1000, 900, 100, 1000, 900, 3000, 900);
    Piece(3000, 1000, 3000, 3000, 0, 3);
    TDrawingEdit edit;
    tool.BuildWall(edit, 1);
    // The new face runs on the right (the same hand as the joined wall's), from the corner of the
    // two outer faces; the joined wall's face grows by the width to meet it.
    EXPECT_EQ(FacesOf(tool), (Faces{3000, 1000, 3000, 3000, 3100, 900, 3100, 3000}));
    EXPECT_EQ(IntWallAt(j).face2EndX, 3100);
    EXPECT_EQ(IntWallAt(j).face2EndY, 900);
    EXPECT_TRUE(edit.Changed());
}

// Every orthogonal turn on either hand: the new face starts exactly where the joined wall's face
// now ends, and on the same hand of travel.
TEST_F(IntwallGeometry, EveryOrthogonalCornerMeetsTheJoinedFace)
{
    const int angles[] = {0, 900, 1800, 2700};
    for (int ja : angles)
        for (int na : angles) {
            if ((ja + 1800) % 3600 == na)
                continue;
            for (int hand : {1, -1}) {
                objects().CutBack(4);
                const TPoint corner{2000, 2000};
                const TPoint d = Along(ja, 1000);
                const TPoint from{corner.x - d.x, corner.y - d.y};
                // The left normal of the joined wall's travel is (-dy, dx).
                const int nx = -d.y / 1000 * hand * 100, ny = d.x / 1000 * hand * 100;
                const int j = objects().count();
                AddIntWall(from.x, from.y, corner.x, corner.y, ja, 100, from.x + nx, from.y + ny, corner.x + nx,
                           corner.y + ny);
                const TPoint e = Along(na, 1000);
                Piece(corner.x, corner.y, corner.x + e.x, corner.y + e.y, na, 1);
                Build();
                SCOPED_TRACE(std::to_string(ja) + " to " + std::to_string(na) + " hand " + std::to_string(hand));
                EXPECT_EQ(tool.face2StartX, IntWallAt(j).face2EndX);
                EXPECT_EQ(tool.face2StartY, IntWallAt(j).face2EndY);
                const double side = LeftOf(tool.x1, tool.y1, tool.x2, tool.y2, tool.face2EndX, tool.face2EndY);
                EXPECT_NEAR(side, 100.0 * hand, 0.01);
            }
        }
}

TEST_F(IntwallGeometry, PieceTurningStraightBackGetsASquareEnd)
{
    AddIntWall(1000, 1000, 3000, 1000, 900, 100, 1000, 900, 3000, 900);
    const TIntwallobj before = IntWallAt(4);
    Piece(3000, 1000, 2000, 1000, 2700, 3);
    Build();
    // No corner exists: the face is the plain offset of the joined wall's side, nothing divides by 0.
    EXPECT_EQ(FacesOf(tool), (Faces{3000, 1000, 2000, 1000, 3000, 900, 2000, 900}));
    EXPECT_EQ(FacesOf(IntWallAt(4)), FacesOf(before));
}

TEST_F(IntwallGeometry, OneJoinAtTheNewEndKeepsSquareEnds)
{
    // The new wall's end snaps onto the end of a wall: its start meets nothing, so the one join
    // shapes no corner and both face points keep their plain offset.
    AddIntWall(1000, 3000, 3000, 3000, 900, 100, 1000, 2900, 3000, 2900);
    tool.face2StartX = 55555;
    Piece(3000, 1000, 3000, 2995, 0, 2);
    Build();
    EXPECT_EQ(FacesOf(tool), (Faces{3000, 1005, 3000, 3000, 3100, 1005, 3100, 3000}));
}

TEST_F(IntwallGeometry, ClosingARectangleClosesAllFourCorners)
{
    // Right, up, left, then down onto the first wall's start, the face on the outer hand.
    for (int side : {3, 1}) {
        objects().CutBack(4);
        tool.markerX = side;
        EnterAt(1000, 1000);
        Key(tool, VK_RIGHT, window.cursor, 2000);
        Key(tool, VK_UP, window.cursor, 1500);
        Key(tool, VK_LEFT, window.cursor, 2000);
        Key(tool, VK_DOWN, window.cursor, 1500);
        std::vector<const TIntwallobj*> walls;
        for (int i = 4; i < objects().count(); ++i)
            if (objects()[i]->typeCode == TYPE_INTWALL)
                walls.push_back(&IntWallAt(i));
        ASSERT_EQ(walls.size(), 4u);
        for (std::size_t k = 0; k < 4; ++k) {
            const TIntwallobj& a = *walls[k];
            const TIntwallobj& b = *walls[(k + 1) % 4];
            SCOPED_TRACE("side " + std::to_string(side) + " corner " + std::to_string(k));
            EXPECT_EQ(a.face2EndX, b.face2StartX);
            EXPECT_EQ(a.face2EndY, b.face2StartY);
            // Every face lies its width off its wall, on the same hand.
            EXPECT_NEAR(std::fabs(LeftOf(a.x1, a.y1, a.x2, a.y2, a.face2StartX, a.face2StartY)), 100.0, 0.01);
        }
    }
}

// ---------------------------------------------------------------------------------------------
// Mitres where a sloped wall takes part.

// For walls arriving and leaving at many angles, with the faces on either hand: the mitre point
// lies on both faces (its width off each wall) and the joined wall's face ends at it too.
TEST_F(IntwallGeometry, MitreLiesOnBothFaces)
{
    const int angles[] = {0, 300, 450, 900, 1200, 1350, 1800, 2000, 2250, 2700, 3150, 3300};
    for (int ja : angles)
        for (int na : angles) {
            const int turn = std::abs((na - ja + 3600) % 3600 - 1800);
            if (turn < 150 || ((ja % 900 == 0) && (na % 900 == 0)))
                continue;  // near reversals, and corners of two orthogonal walls
            for (int hand : {1, -1}) {
                objects().CutBack(4);
                const TPoint corner{2500, 2000};
                const TPoint d = Along(ja, 1500);
                const TPoint from{corner.x - d.x, corner.y - d.y};
                const double r = ja * M_PI / 1800.0;
                const int nx = int(std::lround(-std::cos(r) * 100 * hand));
                const int ny = int(std::lround(std::sin(r) * 100 * hand));
                const int j = objects().count();
                AddIntWall(from.x, from.y, corner.x, corner.y, ja, 100, from.x + nx, from.y + ny, corner.x + nx,
                           corner.y + ny);
                const TPoint e = Along(na, 1500);
                Piece(corner.x, corner.y, corner.x + e.x, corner.y + e.y, na, 1);
                Build();
                SCOPED_TRACE(std::to_string(ja) + " to " + std::to_string(na) + " hand " + std::to_string(hand));
                const double onJoined = LeftOf(from.x, from.y, corner.x, corner.y, tool.face2StartX, tool.face2StartY);
                const double onNew = LeftOf(tool.x1, tool.y1, tool.x2, tool.y2, tool.face2StartX, tool.face2StartY);
                EXPECT_NEAR(onJoined, 100.0 * hand, 3.0);
                EXPECT_NEAR(onNew, 100.0 * hand, 3.0);
                EXPECT_NEAR(IntWallAt(j).face2EndX, tool.face2StartX, 2);
                EXPECT_NEAR(IntWallAt(j).face2EndY, tool.face2StartY, 2);
            }
        }
}

TEST_F(IntwallGeometry, MitreAtTheNewEndWhereTheJoinedWallStarts)
{
    // A 45 degree piece drawn down and left from the start of an upright wall is turned round, so
    // that it ends where the upright wall starts; both faces lie on the left hand.
    const int j = objects().count();
    AddIntWall(3000, 3000, 3000, 5000, 0, 100, 2900, 3000, 2900, 5000);
    Piece(3000, 3000, 2000, 2000, 2250, 1);
    Build();
    EXPECT_EQ(tool.x2, 3000);
    EXPECT_EQ(tool.y2, 3000);
    EXPECT_EQ(tool.lineAux1, 450);
    // The end of the new face lies on the joined wall's face (x = 2900) and 100 off the new wall,
    // and the joined wall's face now starts there.
    EXPECT_NEAR(tool.face2EndX, 2900, 1);
    EXPECT_EQ(tool.face2EndY, 3041);
    EXPECT_NEAR(LeftOf(tool.x1, tool.y1, tool.x2, tool.y2, tool.face2EndX, tool.face2EndY), 100.0, 2.0);
    EXPECT_EQ(IntWallAt(j).face2StartX, tool.face2EndX);
    EXPECT_EQ(IntWallAt(j).face2StartY, tool.face2EndY);
    // The start is a square end on the same hand.
    EXPECT_EQ(tool.face2StartX, 1930);
    EXPECT_EQ(tool.face2StartY, 2070);
}

// ---------------------------------------------------------------------------------------------
// Ends meeting walls.

TEST_F(IntwallGeometry, EndOnAnExternalWallsInnerLineEndsTheRunWithoutACap)
{
    AddExtWall(500, 4000, 4500, 4000, 900, 300, 500, 3700, 4500, 3700);
    Piece(2000, 1000, 2000, 3700, 0, 2);
    tool.step = 0;
    Build();
    EXPECT_EQ(tool.outcome, TIntwallOutcome::MetWall);
    EXPECT_EQ(tool.step, 0);
}

TEST_F(IntwallGeometry, EndsOnInternalWallsSetTheAbutSteps)
{
    AddIntWall(1000, 3000, 4000, 3000, 900, 100, 1000, 2900, 4000, 2900);
    Piece(2000, 1000, 2000, 2900, 0, 2);
    Build();
    EXPECT_EQ(tool.outcome, TIntwallOutcome::MetWall);
    EXPECT_EQ(tool.step, STEP_INTWALL_END_ABUTS);

    // Its start on another internal wall too, whichever comes first in the list.
    objects().CutBack(4);
    AddIntWall(1000, 3000, 4000, 3000, 900, 100, 1000, 2900, 4000, 2900);
    AddIntWall(1000, 1000, 4000, 1000, 900, 100, 1000, 1100, 4000, 1100);
    tool.step = 0;
    tool.outcome = TIntwallOutcome::None;
    Piece(2000, 1100, 2000, 2900, 0, 2);
    Build();
    EXPECT_EQ(tool.step, STEP_INTWALL_BOTH_ABUT);
    EXPECT_EQ(tool.outcome, TIntwallOutcome::MetWall);
}

TEST_F(IntwallGeometry, SlopedEndOnAnUprightWallMovesTheFaceOntoItsLine)
{
    AddIntWall(3000, 1000, 3000, 5000, 0, 100, 3100, 1000, 3100, 5000);
    // Up and right at 45 degrees onto the wall's reference line, face above.
    Piece(2000, 2000, 3000, 3000, 450, 1);
    Build();
    EXPECT_EQ(tool.outcome, TIntwallOutcome::MetWall);
    EXPECT_EQ(tool.face2EndX, 3000);
    EXPECT_EQ(tool.face2EndY, 3141);  // 100 / sin 45 along the met wall
    EXPECT_NEAR(LeftOf(2000, 2000, 3000, 3000, tool.face2EndX, tool.face2EndY), 100.0, 1.0);
}

TEST_F(IntwallGeometry, UprightEndOnASlopedWallMovesTheFaceAlongIt)
{
    // A sloped wall from (1000, 3000) rising to (5000, 5000); an upright wall meets it at x 3000.
    AddIntWall(1000, 3000, 5000, 5000, 634, 100, 955, 3089, 4955, 5089);
    Piece(3000, 1000, 3000, 4000, 0, 2);
    Build();
    EXPECT_EQ(tool.outcome, TIntwallOutcome::MetWall);
    // The face (x = 3100) ends on the sloped wall's line, half of 100 higher.
    EXPECT_EQ(tool.face2EndX, 3100);
    EXPECT_EQ(tool.face2EndY, 4050);
}

}  // namespace
