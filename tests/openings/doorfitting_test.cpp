// Door symbols in an opened internal wall: pairs of hinged doors, two and four sliding panels and
// single sliding doors, in walls along an axis and in angled walls.
#include "openings/doorarcs.h"
#include "openings/doorfitting.h"
#include "tests/openings/doorfixture.h"

#include <set>

namespace {

class DoorFitting : public DoorTest {
protected:
    // The door tool after the cut: kind, code, width, side, the mark and face on the wall.
    void Fit(int wall, int kind, int code, int width, int side, TPoint mark, int face, int intoWall = 0)
    {
        MarkedOn(wall, mark.x, mark.y, face);
        door.kind = kind;
        door.doorCode = code;
        door.openingWidth = width;
        door.step = side;
        door.objectIndex = intoWall;
        first = Count();
        TDrawingEdit edit(objects());
        if (kind == KIND_DOOR_DOUBLE)
            FitDoorOrthogonal(door, edit, dc, client);
        else
            FitOpeningOrthogonal(door, edit, dc, client);
    }
    const TLineobj& LineAt(int i) { return dynamic_cast<const TLineobj&>(*objects()[first + i]); }
    int Made() { return Count() - first; }

    int first = 0;
};

TEST_F(DoorFitting, TwoSlidingPanelsBehindTheUpperFace)
{
    const int wall = WallAlongX(1000, 9000, 4000, 100, -100);
    Fit(wall, KIND_DOOR_DOUBLE, DOOR_CODE_TWO_PANELS, 1600, DOOR_SIDE_TOP, {6000, 4000}, WALL_FACE_UPPER);
    ASSERT_EQ(Made(), 2);
    EXPECT_EQ(Ends(LineAt(0)), (Line{5400, 3975, 6200, 3975}));
    EXPECT_EQ(Ends(LineAt(1)), (Line{5800, 3950, 6600, 3950}));
    for (int i : {0, 1}) {
        EXPECT_EQ(LineAt(i).typeCode, KIND_DOOR_DOUBLE);
        EXPECT_EQ(LineAt(i).penWidth, 1);
        EXPECT_EQ(LineAt(i).lineAux1, 900);
        EXPECT_EQ(LineAt(i).groupId, 10042);
    }
}

TEST_F(DoorFitting, FourSlidingPanelsAndTheThickPen)
{
    const int wall = WallAlongX(1000, 9000, 4000, 100, -100);
    Fit(wall, KIND_DOOR_DOUBLE, DOOR_CODE_FOUR_PANELS, 1600, DOOR_SIDE_TOP, {6000, 4000}, WALL_FACE_UPPER);
    ASSERT_EQ(Made(), 4);
    EXPECT_EQ(Ends(LineAt(0)), (Line{5400, 3988, 5800, 3988}));
    EXPECT_EQ(Ends(LineAt(1)), (Line{6000, 3988, 6400, 3988}));
    EXPECT_EQ(Ends(LineAt(2)), (Line{5600, 3963, 6000, 3963}));
    EXPECT_EQ(Ends(LineAt(3)), (Line{6200, 3963, 6600, 3963}));
    EXPECT_EQ(door.openingWidth, 1600);

    // Thick leaves: rows twice as deep, pen width 2; an odd width comes back a multiple of 8.
    WriteCfg("INTERN.CFG", "90 2 1.000000 0.000001");
    Fit(wall, KIND_DOOR_DOUBLE, DOOR_CODE_FOUR_PANELS, 1605, DOOR_SIDE_BOTTOM, {6000, 3900}, WALL_FACE_LOWER);
    ASSERT_EQ(Made(), 4);
    EXPECT_EQ(Ends(LineAt(0)), (Line{5398, 3925, 5798, 3925}));
    EXPECT_EQ(Ends(LineAt(2)), (Line{5598, 3975, 5998, 3975}));
    EXPECT_EQ(LineAt(0).penWidth, 2);
    EXPECT_EQ(door.openingWidth, 1600);
}

TEST_F(DoorFitting, PanelsInAWallAlongYRunDownFromTheTopJamb)
{
    const int wall = WallAlongY(3000, 1000, 6000, 100, 100);
    Fit(wall, KIND_DOOR_DOUBLE, DOOR_CODE_TWO_PANELS, 1600, DOOR_SIDE_RIGHT, {3100, 4000}, WALL_FACE_RIGHT);
    ASSERT_EQ(Made(), 2);
    EXPECT_EQ(Ends(LineAt(0)), (Line{3075, 4600, 3075, 3800}));
    EXPECT_EQ(Ends(LineAt(1)), (Line{3050, 4200, 3050, 3400}));
    Fit(wall, KIND_DOOR_DOUBLE, DOOR_CODE_TWO_PANELS, 1600, DOOR_SIDE_LEFT, {3000, 4000}, WALL_FACE_LEFT);
    EXPECT_EQ(Ends(LineAt(0)), (Line{3025, 4600, 3025, 3800}));
}

TEST_F(DoorFitting, DoubleDoorsCloseTowardsTheCentre)
{
    const int wall = WallAlongX(1000, 9000, 4000, 100, -100);
    Fit(wall, KIND_DOOR_DOUBLE, DOOR_CODE_DOUBLE, 1501, DOOR_SIDE_TOP, {6000, 4000}, WALL_FACE_UPPER);
    ASSERT_EQ(Made(), 4);  // leaf, arc, leaf, arc
    EXPECT_EQ(Ends(*objects()[first]), (Line{5250, 4000, 5250, 4750}));
    EXPECT_EQ(Ends(*objects()[first + 2]), (Line{6750, 4000, 6750, 4750}));
    const auto& arc = dynamic_cast<const TArcobj&>(*objects()[first + 1]);
    const std::set<std::pair<int, int>> ends{{arc.arcStartX, arc.arcStartY}, {arc.arcEndX, arc.arcEndY}};
    EXPECT_EQ(ends, (std::set<std::pair<int, int>>{{5250, 4750}, {6000, 4000}}));
    EXPECT_DOUBLE_EQ(ArcSweep(arc), 90.0);
    EXPECT_EQ(door.openingWidth, 1500);
    EXPECT_EQ(door.kind, KIND_DOOR_DOUBLE);
    EXPECT_EQ(door.doorCode, DOOR_CODE_DOUBLE);

    // Each side hangs its leaves on the jambs and closes them on D.
    struct Case {
        int side;
        Line first, second;
    };
    const int wallY = WallAlongY(3000, 1000, 6000, 100, 100);
    const Case cases[] = {
        {DOOR_SIDE_BOTTOM, {5300, 4000, 5300, 3300}, {6700, 4000, 6700, 3300}},
        {DOOR_SIDE_RIGHT, {3100, 4700, 3800, 4700}, {3100, 3300, 3800, 3300}},
        {DOOR_SIDE_LEFT, {3000, 4700, 2300, 4700}, {3000, 3300, 2300, 3300}},
    };
    for (const Case& c : cases) {
        const bool alongY = c.side == DOOR_SIDE_RIGHT || c.side == DOOR_SIDE_LEFT;
        const TPoint mark = alongY ? TPoint{c.side == DOOR_SIDE_RIGHT ? 3100 : 3000, 4000} : TPoint{6000, 4000};
        Fit(alongY ? wallY : wall, KIND_DOOR_DOUBLE, DOOR_CODE_DOUBLE, 1400, c.side, mark, 0);
        ASSERT_EQ(Made(), 4) << c.side;
        EXPECT_EQ(Ends(*objects()[first]), c.first) << c.side;
        EXPECT_EQ(Ends(*objects()[first + 2]), c.second) << c.side;
    }
}

TEST_F(DoorFitting, SlidingDoorAlongTheFaceOrIntoTheWall)
{
    const int wall = WallAlongY(3000, 1000, 9000, 100, 100);
    Fit(wall, KIND_DOOR_SLIDING, 1, 800, 0, {3000, 5000}, WALL_FACE_LEFT, 0);
    ASSERT_EQ(Made(), 1);
    EXPECT_EQ(Ends(LineAt(0)), (Line{2975, 4600, 2975, 5400}));
    EXPECT_EQ(LineAt(0).typeCode, KIND_DOOR_SLIDING);
    EXPECT_EQ(LineAt(0).penStyle, PS_SOLID);

    Fit(wall, KIND_DOOR_SLIDING, 1, 800, 0, {3000, 5000}, WALL_FACE_LEFT, 1);
    ASSERT_EQ(Made(), 2);
    EXPECT_EQ(Ends(LineAt(0)), (Line{3050, 4600, 3050, 5000}));
    EXPECT_EQ(LineAt(0).penStyle, PS_SOLID);
    EXPECT_EQ(Ends(LineAt(1)), (Line{3050, 5400, 3050, 5000}));
    EXPECT_EQ(LineAt(1).penStyle, PS_DOT);
    EXPECT_EQ(LineAt(1).penWidth, 1);
    EXPECT_EQ(door.penWidth, 1);
    EXPECT_EQ(door.penStyle, PS_SOLID);
}

TEST_F(DoorFitting, SlidingDoorEveryCode)
{
    // The line along the face (where it starts and ends) and the two halves on the centre line.
    struct Case {
        int code, face;
        TPoint mark;
        Line along, open, hidden;
    };
    const int alongY = WallAlongY(3000, 1000, 9000, 100, 100);   // faces x 3000 (left), 3100 (right)
    const int alongX = WallAlongX(1000, 9000, 4000, 100, -100);  // faces y 3900 (lower), 4000 (upper)
    const Case cases[] = {
        {2, WALL_FACE_LEFT, {3000, 5000}, {2975, 4600, 2975, 5400}, {3050, 5400, 3050, 5000}, {3050, 4600, 3050, 5000}},
        {3, WALL_FACE_RIGHT, {3100, 5000}, {3125, 4600, 3125, 5400}, {3050, 4600, 3050, 5000}, {3050, 5400, 3050, 5000}},
        {4, WALL_FACE_RIGHT, {3100, 5000}, {3125, 5400, 3125, 4600}, {3050, 5400, 3050, 5000}, {3050, 4600, 3050, 5000}},
        {5, WALL_FACE_UPPER, {6000, 4000}, {6400, 4025, 5600, 4025}, {6400, 3950, 6000, 3950}, {5600, 3950, 6000, 3950}},
        {6, WALL_FACE_LOWER, {6000, 3900}, {6400, 3875, 5600, 3875}, {6400, 3950, 6000, 3950}, {5600, 3950, 6000, 3950}},
        {7, WALL_FACE_UPPER, {6000, 4000}, {5600, 4025, 6400, 4025}, {5600, 3950, 6000, 3950}, {6400, 3950, 6000, 3950}},
        {8, WALL_FACE_LOWER, {6000, 3900}, {5600, 3875, 6400, 3875}, {5600, 3950, 6000, 3950}, {6400, 3950, 6000, 3950}},
    };
    for (const Case& c : cases) {
        const int wall = c.code <= 4 ? alongY : alongX;
        Fit(wall, KIND_DOOR_SLIDING, c.code, 800, 0, c.mark, c.face, 0);
        ASSERT_EQ(Made(), 1) << c.code;
        EXPECT_EQ(Ends(LineAt(0)), c.along) << c.code;
        Fit(wall, KIND_DOOR_SLIDING, c.code, 800, 0, c.mark, c.face, 1);
        ASSERT_EQ(Made(), 2) << c.code;
        EXPECT_EQ(Ends(LineAt(0)), c.open) << c.code;
        EXPECT_EQ(Ends(LineAt(1)), c.hidden) << c.code;
    }
    // A code outside 1..8 draws nothing.
    Fit(alongX, KIND_DOOR_SLIDING, 0, 800, 0, {6000, 4000}, WALL_FACE_UPPER, 0);
    EXPECT_EQ(Made(), 0);
}

TEST_F(DoorFitting, ImperialSlidingDoorLiesAnInchOutside)
{
    state().unitSystem = 0;
    const int wall = WallAlongX(960, 9600, 2400, 108, -108);
    Fit(wall, KIND_DOOR_SLIDING, 6, 768, 0, {4800, 2292}, WALL_FACE_LOWER, 0);
    ASSERT_EQ(Made(), 1);
    EXPECT_EQ(Ends(LineAt(0)), (Line{5184, 2268, 4416, 2268}));
}

TEST_F(DoorFitting, DoubleDoorsInAnAngledWallGetTwoLeavesAndNoArcs)
{
    const int wall = AngledWall(1000, 1000, 4000, 450, 100, true);
    const auto& w = dynamic_cast<const TIntwallobj&>(*objects()[wall]);
    const TPoint mark{w.x1 + 1400, w.y1 + 1400};
    Fit(wall, KIND_DOOR_DOUBLE, DOOR_CODE_DOUBLE, 1400, DOOR_SIDE_TOP, mark, WALL_FACE_UPPER);
    ASSERT_EQ(Made(), 2);
    EXPECT_EQ(From<TArcobj>(first).size(), 0u);
    // The leaf at the end jamb first, turned from the direction of the other jamb (A + 1800) by the
    // opening angle towards the upper face; the start jamb's leaf turned from A the other way.
    const TDoorAxis axis(450);
    const TPoint half = axis.Along(700);
    door.x1 = mark.x + half.x;
    door.y1 = mark.y + half.y;
    PolarOffset(door, 450 + 1800 + 900, 700);
    const Line endLeaf{mark.x + half.x, mark.y + half.y, door.x2, door.y2};
    door.x1 = mark.x - half.x;
    door.y1 = mark.y - half.y;
    PolarOffset(door, 450 - 900, 700);
    const Line startLeaf{mark.x - half.x, mark.y - half.y, door.x2, door.y2};
    EXPECT_EQ(Ends(LineAt(0)), endLeaf);
    EXPECT_EQ(Ends(LineAt(1)), startLeaf);
    EXPECT_EQ(LineAt(0).typeCode, KIND_DOOR_DOUBLE);
    // Both leaves stand on the upper side of the wall (up and to the left of it).
    for (int i : {0, 1})
        EXPECT_LT(LineAt(i).x2 - LineAt(i).x1, LineAt(i).y2 - LineAt(i).y1);
}

TEST_F(DoorFitting, PanelsInAThinAngledWallTakeTheThinPen)
{
    WriteCfg("INTERN.CFG", "90 2 1.000000 0.000001");
    const int wall = AngledWall(1000, 1000, 4000, 450, 80, true);
    const auto& w = dynamic_cast<const TIntwallobj&>(*objects()[wall]);
    const TPoint mark{w.x1 + 1400, w.y1 + 1400};
    Fit(wall, KIND_DOOR_DOUBLE, DOOR_CODE_TWO_PANELS, 1600, DOOR_SIDE_TOP, mark, WALL_FACE_UPPER);
    ASSERT_EQ(Made(), 2);
    const TDoorAxis axis(450);
    const TPoint e = axis.Along(200);
    const TPoint half = axis.Along(800);
    const TPoint s{mark.x - half.x, mark.y - half.y};
    const TPoint p1{s.x + e.x, s.y + e.y};
    const TPoint four = axis.Along(800);
    EXPECT_EQ(Ends(LineAt(0)), (Line{p1.x, p1.y, p1.x + four.x, p1.y + four.y}));
    // The second row one thin leaf (25) outside the upper face.
    const TPoint out = axis.Across(25, true);
    const TPoint two = axis.Along(400);
    const TPoint p2{p1.x + two.x - out.x, p1.y + two.y - out.y};
    EXPECT_EQ(Ends(LineAt(1)), (Line{p2.x, p2.y, p2.x + four.x, p2.y + four.y}));
    EXPECT_EQ(LineAt(0).penWidth, 1);
    EXPECT_EQ(LineAt(1).penWidth, 1);
}

TEST_F(DoorFitting, FourPanelsInAnAngledWall)
{
    const int wall = AngledWall(1000, 3000, 4000, 1350, 100, true);
    const auto& w = dynamic_cast<const TIntwallobj&>(*objects()[wall]);
    const TPoint mark{w.faceStartX() + 1400, w.faceStartY() - 1400};
    Fit(wall, KIND_DOOR_DOUBLE, DOOR_CODE_FOUR_PANELS, 1600, DOOR_SIDE_BOTTOM, mark, WALL_FACE_LOWER);
    ASSERT_EQ(Made(), 4);
    const TDoorAxis axis(1350);
    const TPoint half = axis.Along(800), e = axis.Along(200), e2 = axis.Along(400), e3 = axis.Along(600);
    const TPoint s{mark.x - half.x, mark.y - half.y};
    // Outwards from the lower face of a falling wall: down and to the left.
    const TPoint out = axis.Across(25, false);
    const TPoint o{-out.x, -out.y};
    EXPECT_LT(o.x, 0);
    EXPECT_LT(o.y, 0);
    const TPoint a{s.x + e.x, s.y + e.y};
    EXPECT_EQ(Ends(LineAt(0)), (Line{a.x, a.y, a.x + e2.x, a.y + e2.y}));
    const TPoint b{a.x + e3.x, a.y + e3.y};
    EXPECT_EQ(Ends(LineAt(1)), (Line{b.x, b.y, b.x + e2.x, b.y + e2.y}));
    const TPoint c{s.x + e2.x + o.x, s.y + e2.y + o.y};
    EXPECT_EQ(Ends(LineAt(2)), (Line{c.x, c.y, c.x + e2.x, c.y + e2.y}));
    const TPoint d{c.x + e3.x, c.y + e3.y};
    EXPECT_EQ(Ends(LineAt(3)), (Line{d.x, d.y, d.x + e2.x, d.y + e2.y}));
}

TEST_F(DoorFitting, SlidingDoorInAnAngledWall)
{
    const int wall = AngledWall(1000, 1000, 4000, 450, 100, true);
    const auto& w = dynamic_cast<const TIntwallobj&>(*objects()[wall]);
    const TPoint mark{w.x1 + 1400, w.y1 + 1400};  // the upper face, code 4 runs up the wall
    const TDoorAxis axis(450);
    Fit(wall, KIND_DOOR_SLIDING, 4, 800, 0, mark, WALL_FACE_UPPER, 0);
    ASSERT_EQ(Made(), 1);
    const TPoint out = axis.Across(25, true);
    const double px = mark.x - out.x, py = mark.y - out.y;
    EXPECT_EQ(Ends(LineAt(0)), (Line{int(px + 400 * axis.s), int(py + 400 * axis.c), int(px - 400 * axis.s),
                                     int(py - 400 * axis.c)}));
    EXPECT_EQ(LineAt(0).lineAux1, 450);

    Fit(wall, KIND_DOOR_SLIDING, 4, 800, 0, mark, WALL_FACE_UPPER, 1);
    ASSERT_EQ(Made(), 2);
    const TPoint in = axis.Across(50, true);
    const double cx = mark.x + in.x, cy = mark.y + in.y;
    // Code 4 opens up the wall: the solid half up, the dotted half down.
    EXPECT_EQ(Ends(LineAt(0)), (Line{int(cx), int(cy), int(cx + 400 * axis.s), int(cy + 400 * axis.c)}));
    EXPECT_EQ(Ends(LineAt(1)), (Line{int(cx), int(cy), int(cx - 400 * axis.s), int(cy - 400 * axis.c)}));
    EXPECT_EQ(LineAt(1).penStyle, PS_DOT);
}

}  // namespace
