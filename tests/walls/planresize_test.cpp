// Enlarging and shrinking the floor plan across a cut line: what moves, the stored wall lengths,
// the shrink's measuring and pulled-back cut, the refusals (each with its reason, nothing moved),
// and the free space to the design rooms that a shrink proposes.
//
// Unlike a plain reading of the rule "walls crossing the cut change length", a wall with one end on
// the cut line and the other beyond it changes its stored length too: its one end moves.
#include "model/arcobj.h"
#include "model/arrowobj.h"
#include "model/drawingedit.h"
#include "model/intwallobj.h"
#include "model/lineobj.h"
#include "model/openingobj.h"
#include "model/polyobj.h"
#include "model/roomobj.h"
#include "model/settingsrecords.h"
#include "model/textobj.h"
#include "model/typecodes.h"
#include "platform/recordingcanvas.h"
#include "tests/walls/wallfixture.h"

#include <fstream>
#include <limits>
#include <sstream>

namespace {

constexpr int UP = 1, RIGHT = 2, DOWN = 3, LEFT = 4;

class PlanResize : public WallTest {
public:
    void SetUp() override
    {
        WallTest::SetUp();
        // The plan is measured by its external walls unless a test shows dimensions.
        state().displayMode = 1;
    }

    // A clockwise cavity outline typed with the wall tool: left, top, right, bottom walls at
    // indices 4..7, mitred at every corner.
    void Outline(int left, int bottom, int right, int top)
    {
        const Line walls[] = {
            {left, bottom, left, top}, {left, top, right, top}, {right, top, right, bottom}, {right, bottom, left, bottom}};
        const int angles[] = {0, 900, 1800, 2700};
        const int lengths[] = {top - bottom, right - left, top - bottom, right - left};
        for (int i = 0; i < 4; ++i) {
            Segment(walls[i][0], walls[i][1], walls[i][2], walls[i][3], angles[i]);
            tool.groupId = lengths[i];
            tool.objectIndex = 1;
            tool.CreateObject(dc, client);
        }
    }

    // Runs the resize on the list without centring; the refusal, empty when carried out.
    std::string Resize(int step, int side, int distance, int x, int y)
    {
        TExtwallobjtool resizer;
        resizer.step = step;
        resizer.objectIndex = side;
        TDrawingEdit edit(objects());
        return resizer.ResizeFloorPlan(edit, distance, x, y);
    }
    std::string Enlarge(int side, int distance, int x, int y) { return Resize(STEP_PLAN_ENLARGE, side, distance, x, y); }
    std::string Shrink(int side, int distance, int x, int y) { return Resize(STEP_PLAN_SHRINK, side, distance, x, y); }

    std::string Dump()
    {
        std::string all;
        for (int i = 0; i < objects().count(); ++i)
            all += DumpObject(i, *objects()[i]) + "\n";
        return all;
    }

    // The wall as it was with the x of its start and end points (reference and lines) moved.
    static TExtwallobj MovedX(const TExtwallobj& wall, int startBy, int endBy)
    {
        TExtwallobj moved = wall;
        moved.x1 += startBy;
        moved.x2 += endBy;
        for (std::size_t k = 0; k < 3; ++k) {
            moved.wallLines[4 * k] += startBy;
            moved.wallLines[4 * k + 2] += endBy;
        }
        return moved;
    }

    void ExpectSameWall(const TExtwallobj& actual, const TExtwallobj& expected)
    {
        EXPECT_EQ(DumpObject(0, actual), DumpObject(0, expected));
    }

    template <class T>
    T& Add(std::unique_ptr<T> object, int floor = GROUND_FLOOR)
    {
        object->floor = floor;
        T& ref = *object;
        objects().Add(std::move(object));
        return ref;
    }
    TLineobj& AddLine(int x1, int y1, int x2, int y2, int type = TYPE_LINE, int floor = GROUND_FLOOR)
    {
        auto line = std::make_unique<TLineobj>(type);
        line->x1 = x1;
        line->y1 = y1;
        line->x2 = x2;
        line->y2 = y2;
        return Add(std::move(line), floor);
    }
    TObject& AddBox(int type, int x1, int y1, int x2, int y2)
    {
        auto box = MakeObjectForType(type);
        box->x1 = x1;
        box->y1 = y1;
        box->x2 = x2;
        box->y2 = y2;
        return Add(std::move(box));
    }
    TPolyobj& AddPolygon(int type, std::initializer_list<TPoint> points)
    {
        std::unique_ptr<TPolyobj> polygon;
        if (type == TYPE_OPENING)
            polygon = std::make_unique<TOpeningobj>();
        else
            polygon = std::make_unique<TPolyobj>(type);
        for (const TPoint& p : points) {
            polygon->vertexX[std::size_t(polygon->vertexCount)] = p.x;
            polygon->vertexY[std::size_t(polygon->vertexCount)] = p.y;
            ++polygon->vertexCount;
        }
        return Add(std::move(polygon));
    }
    TTextobj& AddText(int type, int x1, int y1, int x2, int y2)
    {
        auto text = std::make_unique<TTextobj>(type);
        text->x1 = x1;
        text->y1 = y1;
        text->x2 = x2;
        text->y2 = y2;
        text->SetText("HALL");
        return Add(std::move(text));
    }
    TArrowobj& AddArrow(int type, int x1, int y1, int x2, int y2)
    {
        auto arrow = std::make_unique<TArrowobj>(type);
        arrow->x1 = x1;
        arrow->y1 = y1;
        arrow->x2 = x2;
        arrow->y2 = y2;
        arrow->barb1 = {x2, y2 + 25};
        arrow->barb2 = {x2, y2 - 25};
        arrow->tickA = {x1, y1 + 100};
        arrow->tickB = {x1, y1 - 100};
        return Add(std::move(arrow));
    }
    TIntwallobj& AddInternalWall(int x1, int y1, int x2, int y2, int angle, int width)
    {
        auto wall = std::make_unique<TIntwallobj>();
        wall->x1 = x1;
        wall->y1 = y1;
        wall->x2 = x2;
        wall->y2 = y2;
        wall->angle = angle;
        wall->wallWidth = width;
        const bool alongX = y1 == y2;
        wall->face2StartX = alongX ? x1 : x1 + width;
        wall->face2StartY = alongX ? y1 - width : y1;
        wall->face2EndX = alongX ? x2 : x2 + width;
        wall->face2EndY = alongX ? y2 - width : y2;
        return Add(std::move(wall));
    }

    RecordingCanvas dc;
    TRect client{0, 0, 1000, 700};
};

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

// ---------------------------------------------------------------------------------------------
// Refusals: each says why, and nothing moves.

TEST_F(PlanResize, ShrinkWithoutMeasuredExtentsIsRefusedWithTheReason)
{
    Outline(1000, 1000, 9000, 4000);
    const std::string before = Dump();
    // Dimensions shown but none drawn, on this floor or the one below.
    state().displayMode = 0;
    const std::string noDimensions = Shrink(RIGHT, 500, 4000, 2500);
    EXPECT_NE(noDimensions.find("run OTHER/AUTO DIMENSIONS first"), std::string::npos) << noDimensions;
    // Dimensions hidden: the walls are measured, and another floor has none.
    state().displayMode = 13;
    state().currentFloor = FIRST_FLOOR;
    EXPECT_EQ(Shrink(RIGHT, 500, 4000, 2500), "There are no external walls on this floor to measure the plan by");
    EXPECT_EQ(Dump(), before);
}

TEST_F(PlanResize, ShrinkIsRefusedWhenTheExtentsCannotBeWritten)
{
    Outline(1000, 1000, 9000, 4000);
    const std::string before = Dump();
    FailNextWrites(1, WriteStage::Rename);
    const std::string refusal = Shrink(RIGHT, 500, 4000, 2500);
    FailNextWrites(0);
    EXPECT_EQ(refusal.rfind("The settings file CFG/EXTENTS.CFG could not be written: ", 0), 0u) << refusal;
    EXPECT_EQ(Dump(), before);
}

TEST_F(PlanResize, ShrinkOutsideTheOutlineIsRefused)
{
    Outline(1000, 1000, 9000, 4000);
    const std::string before = Dump();
    const char* outside = "The guide line must lie inside the plan, with an external wall on each side of the cursor "
                          "(left, right, above and below)";
    EXPECT_EQ(Shrink(RIGHT, 500, 9500, 2500), outside);  // no wall to the right
    EXPECT_EQ(Shrink(UP, 500, 4000, 500), outside);      // none below
    EXPECT_EQ(Shrink(RIGHT, 500, 1000, 2500), outside);  // a wall on the point is on neither side
    EXPECT_EQ(Dump(), before);
}

TEST_F(PlanResize, ShrinkByTheWholeRoomIsRefusedForTheWallItWouldLeaveWithoutLength)
{
    // The cut is pulled back onto the left wall: the top and bottom walls would keep no length.
    Outline(1000, 1000, 5000, 4000);
    const std::string before = Dump();
    EXPECT_EQ(Shrink(RIGHT, 4000, 4700, 2500), "A wall crossing the guide line would be left with no length - shrink by less");
    EXPECT_EQ(Dump(), before);
    // One less leaves them 1 long.
    EXPECT_EQ(Shrink(RIGHT, 3999, 4700, 2500), "");
    EXPECT_EQ(WallAt(5).groupId, 1);
    EXPECT_EQ(WallAt(5).x2, 1001);
}

TEST_F(PlanResize, ShrinkIsRefusedByAStoredLengthThatWouldFallBelowOne)
{
    Outline(1000, 1000, 5000, 4000);
    WallAt(5).groupId = 1000;  // shorter than its ends say
    const std::string before = Dump();
    EXPECT_EQ(Shrink(RIGHT, 1000, 3000, 2500), "A wall crossing the guide line would be left with no length - shrink by less");
    EXPECT_EQ(Dump(), before);
}

TEST_F(PlanResize, ShrinkIsRefusedWhenAWallEndWouldBeCarriedPastTheCut)
{
    Outline(1000, 1000, 9000, 4000);
    // An internal wall 300 beyond the cut, the right wall 5000 beyond it.
    AddInternalWall(4300, 1000, 4300, 2500, 0, 100);
    const std::string before = Dump();
    const char* past = "A wall end lies beyond the guide line by less than the distance and would be carried past it - "
                       "shrink by less or move the guide line";
    EXPECT_EQ(Shrink(RIGHT, 500, 4000, 2500), past);
    EXPECT_EQ(Dump(), before);
    // Exactly as far as the distance, it lands on the cut.
    EXPECT_EQ(Shrink(RIGHT, 300, 4000, 2500), "");
    EXPECT_EQ(objects()[8]->x1, 4000);
}

TEST_F(PlanResize, ASlopedWallCrossingTheCutOrEndingOnItIsRefusedBothWays)
{
    Outline(1000, 1000, 9000, 4000);
    TExtwallobj& sloped = AddWall(3000, 2000, 5000, 3000, 634, 200);
    sloped.groupId = 2236;
    const std::string before = Dump();
    const char* refusal = "A sloped wall crosses the guide line or ends on it - place the guide line clear of sloped walls";
    EXPECT_EQ(Enlarge(RIGHT, 500, 4000, 2500), refusal);
    EXPECT_EQ(Shrink(RIGHT, 500, 4000, 2500), refusal);
    EXPECT_EQ(Enlarge(RIGHT, 500, 3000, 2500), refusal);  // on the cut, the other end beyond
    EXPECT_EQ(Enlarge(UP, 500, 4000, 2500), refusal);
    EXPECT_EQ(Dump(), before);

    // Clear of the cut it moves whole, or stays.
    EXPECT_EQ(Enlarge(RIGHT, 500, 2000, 2500), "");
    EXPECT_EQ((std::array<int, 3>{sloped.x1, sloped.x2, sloped.groupId}), (std::array<int, 3>{3500, 5500, 2236}));
    EXPECT_EQ(Enlarge(LEFT, 500, 3500, 2500), "");  // its start on the cut, the end before it
    EXPECT_EQ(sloped.x1, 3500);
    EXPECT_EQ(sloped.x2, 5500);
}

TEST_F(PlanResize, ASlopedInternalWallCrossingTheCutIsRefused)
{
    auto wall = std::make_unique<TIntwallobj>();
    wall->x1 = 2000;
    wall->y1 = 1000;
    wall->x2 = 4000;
    wall->y2 = 3000;
    wall->angle = 450;
    Add(std::move(wall));
    EXPECT_NE(Enlarge(RIGHT, 500, 3000, 0), "");
    EXPECT_EQ(objects()[4]->x2, 4000);
}

TEST_F(PlanResize, AResizeThatWouldLeaveTheCoordinateRangeIsRefused)
{
    TLineobj& far = AddLine(3000, 0, std::numeric_limits<std::int32_t>::max() - 100, 0);
    EXPECT_EQ(Enlarge(RIGHT, 101, 2000, 0), "The plan would reach beyond the largest coordinates a drawing can hold");
    EXPECT_EQ(far.x1, 3000);
    EXPECT_EQ(Enlarge(RIGHT, 100, 2000, 0), "");
    EXPECT_EQ(far.x2, std::numeric_limits<std::int32_t>::max());
}

TEST_F(PlanResize, NoSideOrADistanceOutOfRangeIsRefused)
{
    TLineobj& line = AddLine(3500, 0, 3600, 0);
    for (int side : {0, 5, -1})
        EXPECT_EQ(Enlarge(side, 100, 3000, 0), "Press an ARROW key first to choose the direction of the change");
    for (int distance : {0, -5, 32767})
        EXPECT_EQ(Enlarge(RIGHT, distance, 3000, 0), "The distance must be a whole number from 1 to 32766");
    EXPECT_EQ(line.x1, 3500);
}

// ---------------------------------------------------------------------------------------------
// Through Setup: centred and written once, or nothing at all.

TEST_F(PlanResize, SetupCentresTheResizedPlanAndWritesItOnce)
{
    Outline(1000, 1000, 5000, 4000);
    state().sheetWidth = 2000;  // centre (5000, 3500)
    state().sheetHeight = 1400;
    ASSERT_TRUE(objects().WriteDrawing());
    const int edits = objects().EditCount();
    TExtwallobjtool resizer;
    resizer.kind = KIND_PLAN_RESIZE;
    resizer.step = STEP_PLAN_ENLARGE;
    resizer.objectIndex = RIGHT;
    resizer.Setup(2000, 3000, 2500);
    EXPECT_EQ(resizer.resizeRefusal, "");
    EXPECT_TRUE(resizer.resizeWritten);
    EXPECT_EQ(resizer.kind, KIND_EXTWALL);
    EXPECT_EQ(objects().EditCount(), edits + 1);
    // 6000 wide, centred: from x 2000 to 8000.
    EXPECT_EQ(WallAt(4).x1, 2000);
    EXPECT_EQ(WallAt(6).x1, 8000);
    EXPECT_EQ(WallAt(5).groupId, 6000);

    // The file holds the resized plan.
    const std::string inMemory = Dump();
    ASSERT_TRUE(objects().ReadDrawing().ok);
    EXPECT_EQ(Dump(), inMemory);
}

TEST_F(PlanResize, ARefusedSetupNeitherCentresNorWrites)
{
    Outline(1000, 1000, 5000, 4000);
    state().sheetWidth = 2000;
    state().sheetHeight = 1400;
    ASSERT_TRUE(objects().WriteDrawing());
    std::string file;
    ASSERT_TRUE(ReadTextFile(objects().DrawingPath(), file));
    const std::string before = Dump();
    const int edits = objects().EditCount();

    TExtwallobjtool resizer;
    resizer.step = STEP_PLAN_SHRINK;
    resizer.objectIndex = RIGHT;
    resizer.Setup(500, 9000, 2500);  // outside the plan
    EXPECT_NE(resizer.resizeRefusal, "");
    EXPECT_FALSE(resizer.resizeWritten);
    EXPECT_EQ(Dump(), before);
    EXPECT_EQ(objects().EditCount(), edits);
    std::string after;
    ASSERT_TRUE(ReadTextFile(objects().DrawingPath(), after));
    EXPECT_EQ(after, file);
}

TEST_F(PlanResize, AFailedWriteIsToldToTheWindow)
{
    Outline(1000, 1000, 5000, 4000);
    std::vector<std::string> reported;
    state().reportWriteFailure = [&](const std::string& message) { reported.push_back(message); };
    TExtwallobjtool resizer;
    resizer.step = STEP_PLAN_ENLARGE;
    resizer.objectIndex = RIGHT;
    FailNextWrites(1);
    resizer.Setup(500, 3000, 2500);
    FailNextWrites(0);
    EXPECT_EQ(resizer.resizeRefusal, "");
    EXPECT_FALSE(resizer.resizeWritten);
    EXPECT_EQ(reported.size(), 1u);
}

// ---------------------------------------------------------------------------------------------
// The free space a shrink proposes (SubCommand 1).

class RoomClearance : public PlanResize {
public:
    // The tool asked from a logical point on a side.
    int Clearance(int side, int logicalX, int logicalY)
    {
        tool.objectIndex = side;
        tool.libraryFlag = logicalX;
        tool.lineAux2 = logicalY;
        tool.SubCommand(1);
        return tool.libraryFlag;
    }
    void AddRoom(int left, int top, int right, int bottom, int floor = GROUND_FLOOR)
    {
        auto room = std::make_unique<TRoomobj>();
        room->x1 = left;
        room->y1 = top;
        room->x2 = right;
        room->y2 = bottom;
        Add(std::move(room), floor);
    }
};

TEST_F(RoomClearance, MeasuresFromTheWallsCornerLessItsThicknessToTheNearestRoom)
{
    // Walls 260 thick round (1000, 1000)-(9000, 5000).
    Outline(1000, 1000, 9000, 5000);
    AddRoom(1300, 4700, 6000, 3000);
    AddRoom(2000, 2800, 7000, 1300);
    AddRoom(8000, 4700, 8500, 4000, FIRST_FLOOR);  // another floor does not count
    // Right: the bottom wall starts at x 9000; 9000 - 260 - 7000.
    EXPECT_EQ(Clearance(RIGHT, 800, 600), 1740);
    // Left: the top wall starts at x 1000; 1300 - 1000 - 260.
    EXPECT_EQ(Clearance(LEFT, 800, 600), 40);
    // Up: the right wall starts at y 5000; 5000 - 260 - 4700.
    EXPECT_EQ(Clearance(UP, 800, 600), 40);
    // Down: the left wall starts at y 1000; 1300 - 1000 - 260.
    EXPECT_EQ(Clearance(DOWN, 800, 600), 40);
    // The tool keeps the last wall's reference line.
    EXPECT_EQ((Line{tool.x1, tool.y1, tool.x2, tool.y2}), (Line{9000, 1000, 1000, 1000}));
}

TEST_F(RoomClearance, NothingToMeasureGivesZero)
{
    Outline(1000, 1000, 9000, 5000);
    EXPECT_EQ(Clearance(RIGHT, 800, 600), 0);  // no design room
    AddRoom(2000, 2800, 7000, 1300);
    EXPECT_EQ(Clearance(RIGHT, 1900, 600), 0);  // no wall starts right of the point
    EXPECT_EQ(Clearance(0, 800, 600), 0);
    EXPECT_EQ(Clearance(5, 800, 600), 0);
}

TEST_F(RoomClearance, AClearanceBeyondThirtyThousandIsStillProposed)
{
    Outline(1000, 1000, 41000, 5000);
    AddRoom(1300, 4700, 2000, 1300);
    EXPECT_EQ(Clearance(RIGHT, 300, 600), 41000 - 260 - 2000);
}

}  // namespace
