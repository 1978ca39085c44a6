// Door leaves and swing arcs: the eight direction codes on axis-aligned walls, the polar step, and
// the leaves of doors in angled external and internal walls.
#include "openings/doorarcs.h"
#include "tests/openings/openingfixture.h"

#include <set>

class DoorArcs : public OpeningTest {
protected:
    // Runs AddDoorArcs into a fresh edit; returns the index of its first object.
    int Arcs()
    {
        const int first = Count();
        TDrawingEdit edit(objects());
        AddDoorArcs(tool, edit, dc, client);
        return first;
    }
};

TEST_F(DoorArcs, InwardDoorHangsOnTheInnerFace)
{
    Marked(FACE_PLUS_X, 5000, 8000, 300, 900, OPENING_SINGLE_DOOR, 6);
    const int first = Arcs();
    ASSERT_EQ(Count() - first, 2);
    const auto* leaf = dynamic_cast<TLineobj*>(objects()[first]);
    const auto* arc = dynamic_cast<TArcobj*>(objects()[first + 1]);
    ASSERT_TRUE(leaf && arc);
    EXPECT_EQ(Ends(*leaf), (Line{5000, 7700, 5000, 6800}));
    EXPECT_EQ(leaf->typeCode, TYPE_OPENING_LINE);
    EXPECT_EQ(leaf->penWidth, 1);
    EXPECT_EQ(leaf->penStyle, PS_SOLID);
    EXPECT_EQ(leaf->groupId, 10042);
    EXPECT_EQ(leaf->ownerId, 7);
    EXPECT_EQ(arc->typeCode, TYPE_ARC);
    EXPECT_EQ(Ends(*arc), (Line{4100, 8600, 5900, 6800}));
    EXPECT_EQ(arc->arcStartX, 5000);
    EXPECT_EQ(arc->arcStartY, 6800);
    EXPECT_EQ(arc->arcEndX, 5900);
    EXPECT_EQ(arc->arcEndY, 7700);
    EXPECT_EQ(arc->penStyle, PS_DOT);
    EXPECT_EQ(arc->penWidth, 1);
    EXPECT_EQ(arc->z1, 0);
    EXPECT_EQ(arc->groupId, 10042);
    EXPECT_EQ(tool.pointX, 5000);
    EXPECT_EQ(tool.pointY, 7700);
    EXPECT_EQ(tool.kind, KIND_OPENING_LINE);
    EXPECT_DOUBLE_EQ(ArcSweep(*arc), 90.0);
    // Both were drawn at once.
    EXPECT_EQ(dc.Count(TCanvasRecord::Arc), 1);
}

TEST_F(DoorArcs, EveryDirectionCodeOnEveryFace)
{
    // Per code: the face it swings inward from, the hinge's move there, the open and the closed leaf
    // end from the (moved) hinge, at 90 degrees (s = r, c = 0).
    struct Case {
        int code, face, moveX, moveY, openX, openY, closedX, closedY;
    };
    const int r = 900;
    const int t = 300;
    const Case cases[] = {
        {1, FACE_MINUS_Y, -t, 0, -r, 0, 0, -r}, {2, FACE_MINUS_Y, -t, 0, -r, 0, 0, r},
        {3, FACE_PLUS_Y, t, 0, r, 0, 0, -r},    {4, FACE_PLUS_Y, t, 0, r, 0, 0, r},
        {5, FACE_MINUS_X, 0, t, 0, r, r, 0},    {6, FACE_PLUS_X, 0, -t, 0, -r, r, 0},
        {7, FACE_MINUS_X, 0, t, 0, r, -r, 0},   {8, FACE_PLUS_X, 0, -t, 0, -r, -r, 0},
    };
    for (const Case& c : cases) {
        for (int face : {FACE_PLUS_X, FACE_MINUS_Y, FACE_MINUS_X, FACE_PLUS_Y, 0}) {
            SCOPED_TRACE("code " + std::to_string(c.code) + " face " + std::to_string(face));
            Marked(face, 5000, 8000, t, r, OPENING_SINGLE_DOOR, c.code);
            const bool moves = face == c.face;
            const int hx = 5000 + (moves ? c.moveX : 0);
            const int hy = 8000 + (moves ? c.moveY : 0);
            const int first = Arcs();
            ASSERT_EQ(Count() - first, 2);
            const auto& leaf = dynamic_cast<TLineobj&>(*objects()[first]);
            const auto& arc = dynamic_cast<TArcobj&>(*objects()[first + 1]);
            EXPECT_EQ(Ends(leaf), (Line{hx, hy, hx + c.openX, hy + c.openY}));
            EXPECT_EQ(Ends(arc), (Line{hx - r, hy + r, hx + r, hy - r}));
            // The arc joins the open and the closed leaf end and turns through the opening angle
            // only, in whichever order that takes.
            const std::set<std::pair<int, int>> ends{{arc.arcStartX, arc.arcStartY}, {arc.arcEndX, arc.arcEndY}};
            const std::set<std::pair<int, int>> expected{{hx + c.openX, hy + c.openY},
                                                         {hx + c.closedX, hy + c.closedY}};
            EXPECT_EQ(ends, expected);
            EXPECT_DOUBLE_EQ(ArcSweep(arc), 90.0);
            EXPECT_EQ(tool.pointX, hx);
            EXPECT_EQ(tool.pointY, hy);
        }
    }
}

TEST_F(DoorArcs, ArcsCoverTheOpeningAngleAtEveryAngle)
{
    for (const char* settings : {"30 1 0.500000 0.866026", "60 2 0.866025 0.500001"}) {
        WriteCfg("INTERN.CFG", settings);
        const double angle = settings[0] == '3' ? 30 : 60;
        for (int code = 1; code <= 8; ++code) {
            Marked(0, 5000, 8000, 0, 900, OPENING_SINGLE_DOOR, code);
            const int first = Arcs();
            const auto& arc = dynamic_cast<TArcobj&>(*objects()[first + 1]);
            EXPECT_NEAR(ArcSweep(arc), angle, 0.2) << code;
            EXPECT_EQ(dynamic_cast<TLineobj&>(*objects()[first]).penWidth, settings[0] == '3' ? 1 : 2);
        }
    }
}

TEST_F(DoorArcs, InternalWallDoorKeepsItsHingeAndOpensAtTheSetAngle)
{
    WriteCfg("INTERN.CFG", "30 1 0.500000 0.866026");
    Marked(0, 5000, 8000, 300, 900, OPENING_SINGLE_DOOR, 1);
    const int first = Arcs();
    EXPECT_EQ(Ends(*objects()[first]), (Line{5000, 8000, 4550, 7221}));
    EXPECT_EQ(tool.pointX, 5000);
    EXPECT_EQ(tool.pointY, 8000);
}

TEST_F(DoorArcs, CodesOutsideOneToEightMakeNothing)
{
    for (int code : {0, 9, -1}) {
        Marked(FACE_PLUS_X, 5000, 8000, 300, 900, OPENING_SINGLE_DOOR, code);
        tool.kind = KIND_LINE;
        EXPECT_EQ(Arcs(), Count()) << code;
        EXPECT_EQ(tool.kind, KIND_OPENING_LINE);
        EXPECT_EQ(tool.colour, state().currentColour);
    }
}

TEST_F(DoorArcs, PolarOffset)
{
    struct Case {
        int angle, dx, dy;
    };
    const Case cases[] = {{0, 0, 900},   {900, 899, 0},   {1800, 0, -899}, {3600, 0, 899},
                          {3650, 78, 896}, {450, 636, 636}, {-300, -449, 779}, {2700, -899, 0}};
    for (const Case& c : cases) {
        tool.x1 = 1000;
        tool.y1 = 2000;
        PolarOffset(tool, c.angle, 900);
        EXPECT_EQ(tool.x2, 1000 + c.dx) << c.angle;
        EXPECT_EQ(tool.y2, 2000 + c.dy) << c.angle;
    }
}

TEST_F(DoorArcs, LeafAnglesByQuadrantAndCode)
{
    // First quadrant, wall at 450, doors open 90 degrees.
    EXPECT_EQ(LeafAngle(450, 1, 900), 3150);
    EXPECT_EQ(LeafAngle(450, 2, 900), -450);
    EXPECT_EQ(LeafAngle(450, 3, 900), 1350);
    EXPECT_EQ(LeafAngle(450, 6, 900), 1350);
    EXPECT_EQ(LeafAngle(450, 0, 900), 1350);
    EXPECT_EQ(LeafAngle(1350, 3, 900), 450);
    EXPECT_EQ(LeafAngle(1350, 4, 900), 4050);
    EXPECT_EQ(LeafAngle(1350, 2, 900), 2250);
    EXPECT_EQ(LeafAngle(2250, 4, 900), 1350);
    EXPECT_EQ(LeafAngle(2250, 2, 900), -450);
    EXPECT_EQ(LeafAngle(3150, 1, 900), 2250);
    EXPECT_EQ(LeafAngle(3150, 7, 900), 4050);
}

TEST_F(DoorArcs, ExternalDoorInAnAngledWallGetsTwoJambsAndALeafNoArc)
{
    Marked(450, 3000, 6000, 300, 900, OPENING_SINGLE_DOOR, 6);
    tool.kind = KIND_LINE;
    const int first = Arcs();
    ASSERT_EQ(Count() - first, 3);
    EXPECT_TRUE(From<TArcobj>(first).empty());
    EXPECT_EQ(Ends(*objects()[first]), (Line{3000, 6000, 3212, 5788}));
    EXPECT_EQ(Ends(*objects()[first + 1]), (Line{3636, 6636, 3848, 6424}));
    // Hinged on the inner end of the first jamb, square to the wall into the house.
    EXPECT_EQ(Ends(*objects()[first + 2]), (Line{3212, 5788, 3848, 5152}));
    for (int i = first; i < Count(); ++i)
        EXPECT_EQ(objects()[i]->typeCode, TYPE_OPENING_LINE);

    // Code 7 (backwards along the wall in the first quadrant): the second jamb lies behind the hinge,
    // the leaf hangs on the outer face.
    Marked(450, 3000, 6000, 300, 900, OPENING_SINGLE_DOOR, 7);
    const int next = Arcs();
    EXPECT_EQ(Ends(*objects()[next + 1]), (Line{2364, 5364, 2576, 5152}));
    EXPECT_EQ(objects()[next + 2]->x1, 3000);
    EXPECT_EQ(objects()[next + 2]->y1, 6000);
}

TEST_F(DoorArcs, InternalDoorInAnAngledWallRefusesCodesForTheOtherSide)
{
    Marked(450, 3000, 6000, 100, 800, 0, 0);
    tool.kind = KIND_DOOR_HINGED;
    tool.faceNumber() = 1;
    for (int code : {1, 2, 5, 7}) {
        tool.doorCode = code;
        tool.outcome = TPlaceOutcome::Pending;
        EXPECT_EQ(Arcs(), Count());
        EXPECT_EQ(tool.outcome, TPlaceOutcome::DoorCodeRefused) << code;
        // The refusal is a status of its own: the figure's coordinates are untouched.
        EXPECT_NE(tool.y1, 20001);
    }
    tool.doorCode = 3;
    tool.outcome = TPlaceOutcome::Pending;
    const int first = Arcs();
    ASSERT_EQ(Count() - first, 1);
    EXPECT_EQ(tool.outcome, TPlaceOutcome::Pending);
    EXPECT_EQ(objects()[first]->typeCode, KIND_DOOR_HINGED);
    EXPECT_EQ(Ends(*objects()[first]), (Line{3000, 6000, 3565, 5435}));
    // The other side refuses the other four codes.
    tool.faceNumber() = 3;
    tool.doorCode = 3;
    EXPECT_EQ(Arcs(), Count());
    EXPECT_EQ(tool.outcome, TPlaceOutcome::DoorCodeRefused);
}
