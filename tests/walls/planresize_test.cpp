// Enlarging and shrinking the floor plan across a cut line: what moves, the stored wall lengths,
// and the shrink's measuring and pulled-back cut.
//
// Unlike a plain reading of the rule "walls crossing the cut change length", a wall with one end on
// the cut line and the other beyond it changes its stored length too: its one end moves.
#include "tests/walls/planresizefixture.h"

namespace {

// ---------------------------------------------------------------------------------------------
// Enlarging.

TEST_F(PlanResize, EnlargeToTheRightStretchesTheWallsAcrossTheCutAndMovesTheRightWall)
{
    Outline(1000, 1000, 5000, 4000);
    const TExtwallobj left = WallAt(4), top = WallAt(5), right = WallAt(6), bottom = WallAt(7);

    EXPECT_EQ(Enlarge(RIGHT, 1000, 3000, 2500), "");

    ExpectSameWall(WallAt(4), left);
    TExtwallobj grownTop = MovedX(top, 0, 1000);
    grownTop.groupId = 5000;
    ExpectSameWall(WallAt(5), grownTop);
    ExpectSameWall(WallAt(6), MovedX(right, 1000, 1000));
    TExtwallobj grownBottom = MovedX(bottom, 1000, 0);
    grownBottom.groupId = 5000;
    ExpectSameWall(WallAt(7), grownBottom);
    // The corners stay mitred: the top wall's lines still end where the right wall's begin.
    for (int k = 0; k < 3; ++k) {
        EXPECT_EQ(LineOf(WallAt(5), k)[2], LineOf(WallAt(6), k)[0]);
        EXPECT_EQ(LineOf(WallAt(5), k)[3], LineOf(WallAt(6), k)[1]);
    }
}

TEST_F(PlanResize, EachSideMovesTheCoordinateOfItsAxisOnItsSideOfTheCut)
{
    struct Case {
        int side;
        int dx1, dy1, dx2, dy2;  // the move of a line's two ends, (2000, 1500) and (4000, 3500)
    };
    // The cut point (3000, 2500) lies between the two ends on both axes.
    const Case cases[] = {
        {UP, 0, 0, 0, 700}, {RIGHT, 0, 0, 700, 0}, {DOWN, 0, -700, 0, 0}, {LEFT, -700, 0, 0, 0}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.side);
        objects().CutBack(4);
        TLineobj& line = AddLine(2000, 1500, 4000, 3500);
        EXPECT_EQ(Enlarge(c.side, 700, 3000, 2500), "");
        EXPECT_EQ((Line{line.x1, line.y1, line.x2, line.y2}),
                  (Line{2000 + c.dx1, 1500 + c.dy1, 4000 + c.dx2, 3500 + c.dy2}));
    }
}

TEST_F(PlanResize, AWallEndOnTheCutStaysAndTheOtherEndChangesTheStoredLength)
{
    Outline(1000, 1000, 5000, 4000);
    const TExtwallobj top = WallAt(5), bottom = WallAt(7);
    // The cut runs along the left wall: the left ends of the top and bottom walls lie on it.
    EXPECT_EQ(Enlarge(RIGHT, 500, 1000, 2500), "");
    TExtwallobj grownTop = MovedX(top, 0, 500);
    grownTop.groupId = 4500;
    ExpectSameWall(WallAt(5), grownTop);
    EXPECT_EQ(WallAt(4).x1, 1000);
    EXPECT_EQ(WallAt(7).groupId, bottom.groupId + 500);

    // Shrinking back from just inside the left wall restores every wall.
    EXPECT_EQ(Shrink(RIGHT, 500, 1001, 2500), "");
    ExpectSameWall(WallAt(5), top);
    ExpectSameWall(WallAt(7), bottom);
}

TEST_F(PlanResize, WallLinesFollowTheirReferenceEndWhereverTheyLie)
{
    // The right wall's lines lie left of the cut at x 4900 while its reference line is beyond it.
    Outline(1000, 1000, 5000, 4000);
    const TExtwallobj right = WallAt(6);
    ASSERT_LT(LineOf(right, 2)[0], 4900);
    EXPECT_EQ(Enlarge(RIGHT, 300, 4900, 2500), "");
    ExpectSameWall(WallAt(6), MovedX(right, 300, 300));
}

TEST_F(PlanResize, ATwoLineWallKeepsItsUnusedLinesAtZero)
{
    TExtwallobj& wall = AddWall(1000, 2000, 5000, 2000, 900, 300);
    wall.wallLines = {1000, 1700, 5000, 1700, 0, 0, 0, 0, 0, 0, 0, 0};
    wall.groupId = 4000;
    EXPECT_EQ(Enlarge(RIGHT, 1000, 3000, 2000), "");
    EXPECT_EQ(wall.wallLines, (std::array<std::int32_t, 12>{1000, 1700, 6000, 1700, 0, 0, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(wall.groupId, 5000);
}

TEST_F(PlanResize, InternalWallsMoveEachEndWithItsSecondFace)
{
    TIntwallobj& across = AddInternalWall(2000, 3000, 4000, 3000, 900, 100);
    TIntwallobj& beyond = AddInternalWall(3500, 1000, 3500, 2000, 0, 100);
    EXPECT_EQ(Enlarge(RIGHT, 400, 3000, 0), "");
    EXPECT_EQ((std::array<int, 8>{across.x1, across.x2, across.face2StartX, across.face2EndX, beyond.x1, beyond.x2,
                                  beyond.face2StartX, beyond.face2EndX}),
              (std::array<int, 8>{2000, 4400, 2000, 4400, 3900, 3900, 4000, 4000}));
    EXPECT_EQ(across.face2EndY, 2900);
}

TEST_F(PlanResize, FiguresMoveWholeOnlyWhenAllTheirPointsLieBeyond)
{
    const int cut = 3000;
    TPolyobj& beyondPolygon = AddPolygon(100, {{3100, 0}, {3500, 0}, {3300, 400}});
    TPolyobj& polygonOnCut = AddPolygon(100, {{3000, 0}, {3500, 0}, {3300, 400}});
    TPolyobj& opening = AddPolygon(TYPE_OPENING, {{3200, 0}, {3600, 0}, {3600, 100}, {3200, 100}});
    TPolyobj& openingAcross = AddPolygon(TYPE_OPENING, {{2900, 0}, {3600, 0}, {3600, 100}, {2900, 100}});
    TObject& room = AddBox(TYPE_DESIGN_ROOM, 3200, 2000, 4000, 1000);
    TObject& roomAcross = AddBox(TYPE_DESIGN_ROOM, 2800, 2000, 4000, 1000);
    TObject& circle = AddBox(TYPE_CIRCLE, 3100, 100, 3300, 300);
    TObject& rectangleOnCut = AddBox(TYPE_RECTANGLE, 3000, 100, 3300, 300);

    EXPECT_EQ(Enlarge(RIGHT, 100, cut, 500), "");
    EXPECT_EQ(beyondPolygon.vertexX[0], 3200);
    EXPECT_EQ(beyondPolygon.vertexX[2], 3400);
    EXPECT_EQ(polygonOnCut.vertexX[1], 3500);
    EXPECT_EQ(opening.vertexX[3], 3300);
    EXPECT_EQ(openingAcross.vertexX[1], 3600);
    EXPECT_EQ((std::array<int, 4>{room.x1, room.x2, roomAcross.x1, roomAcross.x2}),
              (std::array<int, 4>{3300, 4100, 2800, 4000}));
    EXPECT_EQ((std::array<int, 4>{circle.x1, circle.x2, rectangleOnCut.x1, rectangleOnCut.x2}),
              (std::array<int, 4>{3200, 3400, 3000, 3300}));
    // Only the coordinate of the axis moves.
    EXPECT_EQ(beyondPolygon.vertexY[2], 400);
    EXPECT_EQ(room.y1, 2000);
}

TEST_F(PlanResize, AnArcMovesByItsArcPointsEvenWhenItsBoxCrossesTheCut)
{
    auto arc = std::make_unique<TArcobj>();
    arc->x1 = 2800;
    arc->y1 = 1000;
    arc->x2 = 3800;
    arc->y2 = 0;
    arc->arcStartX = 3100;
    arc->arcStartY = 500;
    arc->arcEndX = 3800;
    arc->arcEndY = 500;
    TArcobj& moved = Add(std::move(arc));
    auto other = std::make_unique<TArcobj>();
    other->x1 = 3100;
    other->x2 = 3800;
    other->arcStartX = 2900;
    other->arcEndX = 3800;
    TArcobj& stays = Add(std::move(other));

    EXPECT_EQ(Enlarge(RIGHT, 100, 3000, 500), "");
    EXPECT_EQ((std::array<int, 4>{moved.x1, moved.x2, moved.arcStartX, moved.arcEndX}),
              (std::array<int, 4>{2900, 3900, 3200, 3900}));
    EXPECT_EQ((std::array<int, 4>{stays.x1, stays.x2, stays.arcStartX, stays.arcEndX}),
              (std::array<int, 4>{3100, 3800, 2900, 3800}));
}

TEST_F(PlanResize, TextsMoveByTheirAnchorAloneAndKeepTheirDirectionCode)
{
    // A dimension text keeps the direction of what it measures (900) in x2.
    TTextobj& dimensionText = AddText(TYPE_DIMENSION_TEXT, 3500, 500, 900, 0);
    TTextobj& before = AddText(TYPE_TEXT, 2500, 500, 3500, 600);
    TTextobj& typed = AddText(TYPE_TYPED_TEXT, 3200, 500, 3300, 500);
    EXPECT_EQ(Enlarge(RIGHT, 1000, 3000, 0), "");
    EXPECT_EQ((std::array<int, 2>{dimensionText.x1, dimensionText.x2}), (std::array<int, 2>{4500, 900}));
    EXPECT_EQ((std::array<int, 2>{before.x1, before.x2}), (std::array<int, 2>{2500, 3500}));
    EXPECT_EQ((std::array<int, 2>{typed.x1, typed.x2}), (std::array<int, 2>{4200, 3300}));
}

TEST_F(PlanResize, DimensionLinesRecordsOtherFloorsAndUnlistedTypesNeverMove)
{
    TArrowobj& dimension = AddArrow(TYPE_DIMENSION_LINE, 3500, 500, 3700, 500);
    TArrowobj& manual = AddArrow(TYPE_ARROW, 3500, 500, 3700, 500);
    TArrowobj& manualAcross = AddArrow(TYPE_ARROW, 2900, 500, 3700, 500);
    TLineobj& otherFloor = AddLine(3500, 0, 3600, 0, TYPE_LINE, FIRST_FLOOR);
    TLineobj& lineType = AddLine(3500, 0, 3600, 0, 41);
    TLineobj& unlisted = AddLine(3500, 0, 3600, 0, 27001);
    const int recordX = objects()[0]->x1;

    EXPECT_EQ(Enlarge(RIGHT, 100, 3000, 0), "");
    EXPECT_EQ(dimension.x1, 3500);
    EXPECT_EQ((std::array<int, 4>{manual.x1, manual.barb1[0], manual.tickA[0], manual.tickB[0]}),
              (std::array<int, 4>{3600, 3800, 3600, 3600}));
    EXPECT_EQ(manualAcross.x2, 3700);
    EXPECT_EQ(otherFloor.x1, 3500);
    EXPECT_EQ(lineType.x1, 3600);
    EXPECT_EQ(unlisted.x1, 3500);
    EXPECT_EQ(objects()[0]->x1, recordX);
}

// ---------------------------------------------------------------------------------------------
// Shrinking.

TEST_F(PlanResize, ShrinkWithTheWallFartherThanTheDistanceCutsAtThePoint)
{
    Outline(1000, 1000, 9000, 4000);
    const TExtwallobj top = WallAt(5), right = WallAt(6);
    TTextobj& label = AddText(TYPE_TEXT, 5100, 2000, 0, 0);
    EXPECT_EQ(Shrink(RIGHT, 1000, 5000, 2500), "");
    TExtwallobj shortTop = MovedX(top, 0, -1000);
    shortTop.groupId = 7000;
    ExpectSameWall(WallAt(5), shortTop);
    ExpectSameWall(WallAt(6), MovedX(right, -1000, -1000));
    EXPECT_EQ(label.x1, 4100);
}

TEST_F(PlanResize, ShrinkPullsTheCutBackFromAWallNearerThanTheDistance)
{
    // The right wall stands 300 from the cut point; with a distance of 500 the cut moves to 200
    // left of the point and the right wall lands on it.
    Outline(1000, 1000, 5000, 4000);
    TLineobj& justBeyond = AddLine(4501, 3000, 4501, 3500);
    TLineobj& onNewCut = AddLine(4500, 2000, 4500, 2500);
    EXPECT_EQ(Shrink(RIGHT, 500, 4700, 2500), "");
    EXPECT_EQ(WallAt(6).x1, 4500);
    EXPECT_EQ(WallAt(6).x2, 4500);
    EXPECT_EQ(WallAt(5).x2, 4500);
    EXPECT_EQ(WallAt(5).groupId, 3500);
    EXPECT_EQ(justBeyond.x1, 4001);
    EXPECT_EQ(onNewCut.x1, 4500);
}

TEST_F(PlanResize, APulledBackCutCarriesTheInternalWallsMeetingTheWallItMoves)
{
    // Internal walls run across and up from inner face to inner face of the 260 thick outline. On
    // each side the cursor stands 300 from the wall and the distance is 500: the cut is pulled back
    // 200, the wall lands on it, and the internal wall meeting its inner face keeps meeting it, its
    // second face with it. A small sloped internal wall between the cut and that face moves whole.
    struct Case {
        int side, x, y;
        int wall;  // the external wall of that side
        int face;  // its inner face after the shrink
        Line across, up;
        TPoint sloped;  // the sloped wall's start, before; it moves by the shift
        int shift;
    };
    const Case cases[] = {
        {RIGHT, 4700, 2500, 6, 4240, {1260, 2000, 4240, 2000}, {3000, 1260, 3000, 3740}, {4590, 1500}, -500},
        {LEFT, 1300, 2500, 4, 1760, {1760, 2000, 4740, 2000}, {3000, 1260, 3000, 3740}, {1310, 1500}, 500},
        {UP, 2000, 3700, 5, 3240, {1260, 2000, 4740, 2000}, {3000, 1260, 3000, 3240}, {1500, 3590}, -500},
        {DOWN, 2000, 1300, 7, 1760, {1260, 2000, 4740, 2000}, {3000, 1760, 3000, 3740}, {1500, 1310}, 500},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.side);
        const bool alongY = c.side == UP || c.side == DOWN;
        objects().CutBack(4);
        Outline(1000, 1000, 5000, 4000);
        TIntwallobj& across = AddInternalWall(1260, 2000, 4740, 2000, 900, 100);
        TIntwallobj& up = AddInternalWall(3000, 1260, 3000, 3740, 0, 100);
        auto slopedWall = std::make_unique<TIntwallobj>();
        slopedWall->x1 = c.sloped.x;
        slopedWall->y1 = c.sloped.y;
        slopedWall->x2 = c.sloped.x + 100;
        slopedWall->y2 = c.sloped.y + 100;
        slopedWall->angle = 450;
        TIntwallobj& sloped = Add(std::move(slopedWall));

        EXPECT_EQ(Shrink(c.side, 500, c.x, c.y), "");
        const auto inner = LineOf(WallAt(c.wall), 2);
        EXPECT_EQ(alongY ? inner[1] : inner[0], c.face);
        EXPECT_EQ((Line{across.x1, across.y1, across.x2, across.y2}), c.across);
        EXPECT_EQ((Line{up.x1, up.y1, up.x2, up.y2}), c.up);
        // The second faces (below the wall across, right of the one up) end where the walls do.
        EXPECT_EQ((std::array<int, 2>{across.face2StartX, across.face2EndX}),
                  (std::array<int, 2>{across.x1, across.x2}));
        EXPECT_EQ((std::array<int, 2>{up.face2StartY, up.face2EndY}), (std::array<int, 2>{up.y1, up.y2}));
        const int dx = alongY ? 0 : c.shift, dy = alongY ? c.shift : 0;
        EXPECT_EQ((Line{sloped.x1, sloped.y1, sloped.x2, sloped.y2}),
                  (Line{c.sloped.x + dx, c.sloped.y + dy, c.sloped.x + 100 + dx, c.sloped.y + 100 + dy}));
    }
}

TEST_F(PlanResize, AWallExactlyTheDistanceAwayLeavesTheCutAtThePoint)
{
    Outline(1000, 1000, 5000, 4000);
    TLineobj& between = AddLine(4600, 2000, 4600, 2500);
    EXPECT_EQ(Shrink(UP, 500, 3000, 3500), "");
    EXPECT_EQ(WallAt(5).y1, 3500);
    EXPECT_EQ(WallAt(4).groupId, 2500);
    EXPECT_EQ(between.y2, 2500);

    // Downwards and leftwards the wall of that side lands on the cut the same way.
    EXPECT_EQ(Shrink(DOWN, 400, 3000, 1200), "");
    EXPECT_EQ(WallAt(7).y1, 1400);
    EXPECT_EQ(Shrink(LEFT, 600, 1300, 2000), "");
    EXPECT_EQ(WallAt(4).x1, 1600);
    EXPECT_EQ(WallAt(5).groupId, 3400);
}

TEST_F(PlanResize, ShrinkIsMeasuredByTheDimensionLinesWhenTheyAreShown)
{
    // The plan's walls span 8000 in x, but the dimension line measured spans 1000: a distance of
    // 1000 is carried out, 1001 refused with the extent.
    Outline(1000, 1000, 9000, 4000);
    state().displayMode = 0;
    AddArrow(TYPE_DIMENSION_LINE, 2000, 4600, 3000, 4600);
    const std::string before = Dump();
    EXPECT_EQ(Shrink(RIGHT, 1001, 4000, 2500),
              "The plan is only 1000 across in that direction: it cannot shrink by 1001");
    EXPECT_EQ(Dump(), before);
    EXPECT_EQ(Shrink(RIGHT, 1000, 4000, 2500), "");
    EXPECT_EQ(WallAt(6).x1, 8000);
}

TEST_F(PlanResize, ExtentsAreWrittenAsATypedRecordBeforeTheyAreRead)
{
    Outline(1000, 1000, 9000, 4000);
    EXPECT_EQ(Shrink(RIGHT, 100, 4000, 2500), "");
    TExtentsSettings extents;
    ASSERT_TRUE(ReadSettingsFromFile(extents));
    EXPECT_EQ((std::array<int, 4>{extents.minX, extents.maxX, extents.maxY, extents.minY}),
              (std::array<int, 4>{1000, 9000, 4000, 1000}));
}

}  // namespace
