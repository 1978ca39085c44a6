// Opening an internal wall for a door: the polygon over the face lines and the two jamb lines, in
// walls along an axis and in angled walls, and the codes and sides each wall and face refuses.
#include "openings/wallcut.h"
#include "tests/openings/doorfixture.h"

namespace {

class WallCut : public DoorTest {
protected:
    // Cuts the marked wall into a fresh edit; returns the index of the first object made.
    int Cut(bool expected = true)
    {
        const int first = Count();
        TDrawingEdit edit(objects());
        EXPECT_EQ(CutInternalWall(door, edit, dc, client), expected);
        return first;
    }

    // Door fields as the dialog and the wall search leave them.
    void Code(int kind, int code, int width, int side = 0)
    {
        door.kind = kind;
        door.doorCode = code;
        door.openingWidth = width;
        door.step = side;
        door.outcome = TPlaceOutcome::Placed;
    }
};

TEST_F(WallCut, LeftFaceOfAWallAlongYForASingleDoor)
{
    // Reference line x 5000, 100 thick towards +x; the mark on the left face, code 1, 800 wide.
    const int wall = WallAlongY(5000, 1000, 6000, 100, 100);
    MarkedOn(wall, 5000, 3000, WALL_FACE_LEFT);
    Code(KIND_DOOR_HINGED, 1, 800);
    door.headLevel = 2100;
    const int first = Cut();
    ASSERT_EQ(Count() - first, 3);
    const auto& polygon = dynamic_cast<const TPolyobj&>(*objects()[first]);
    EXPECT_EQ(Corners(polygon), (std::vector<TPoint>{{5125, 2200}, {5125, 3000}, {4975, 3000}, {4975, 2200}}));
    EXPECT_EQ(polygon.typeCode, TYPE_OPENING_POLYGON);
    EXPECT_EQ(polygon.fillColour, std::int32_t(state().currentFillColour));
    EXPECT_EQ(polygon.colour, std::int32_t(state().currentFillColour));
    EXPECT_EQ(polygon.vertexZ[0], 2100);
    EXPECT_EQ(polygon.vertexZ[3], 2100);
    EXPECT_EQ(polygon.ownerId, 10042);
    EXPECT_EQ(polygon.groupId, 10042);
    EXPECT_EQ(Ends(*objects()[first + 1]), (Line{5000, 3000, 5100, 3000}));
    EXPECT_EQ(Ends(*objects()[first + 2]), (Line{5000, 2200, 5100, 2200}));
    for (int i : {1, 2}) {
        const auto& jamb = dynamic_cast<const TLineobj&>(*objects()[first + i]);
        EXPECT_EQ(jamb.typeCode, TYPE_LINE);
        EXPECT_EQ(jamb.colour, std::int32_t(state().currentColour));
        EXPECT_EQ(jamb.penWidth, 1);
        EXPECT_EQ(jamb.lineAux1, 0);
    }
    // The builders start from the mark.
    EXPECT_EQ(door.pointX, 5000);
    EXPECT_EQ(door.pointY, 3000);
    EXPECT_EQ(door.x1, 5000);
    EXPECT_EQ(door.y1, 3000);
    // Each object was drawn at once.
    EXPECT_EQ(dc.Count(TCanvasRecord::Polygon), 1);
}

TEST_F(WallCut, CodesThatOpenUpwardsRunUpFromTheMark)
{
    const int wall = WallAlongY(5000, 1000, 6000, 100, 100);
    for (int code : {2, 4}) {
        MarkedOn(wall, code == 2 ? 5000 : 5100, 3000, code == 2 ? WALL_FACE_LEFT : WALL_FACE_RIGHT);
        Code(KIND_DOOR_HINGED, code, 800);
        const int first = Cut();
        const auto corners = Corners(dynamic_cast<const TPolyobj&>(*objects()[first]));
        EXPECT_EQ(corners[0], (TPoint{5125, 3000})) << code;
        EXPECT_EQ(corners[1], (TPoint{5125, 3800})) << code;
        EXPECT_EQ(Ends(*objects()[first + 2]).at(1), 3800) << code;
    }
}

TEST_F(WallCut, WallsRefuseTheCodesOfTheOtherAxis)
{
    const int alongY = WallAlongY(5000, 1000, 6000, 100, 100);
    for (int code : {5, 6, 7, 8}) {
        MarkedOn(alongY, 5000, 3000, WALL_FACE_LEFT);
        Code(KIND_DOOR_HINGED, code, 800);
        const int first = Cut(false);
        EXPECT_EQ(Count(), first) << code;
        EXPECT_EQ(door.outcome, TPlaceOutcome::DoorCodeRefused);
    }
    const int alongX = WallAlongX(1000, 6000, 2000, 100, -100);
    for (int code : {1, 2, 3, 4}) {
        MarkedOn(alongX, 3000, 1900, WALL_FACE_LOWER);
        Code(KIND_DOOR_SLIDING, code, 800);
        const int first = Cut(false);
        EXPECT_EQ(Count(), first) << code;
    }
}

TEST_F(WallCut, OpeningIsCentredOnTheMark)
{
    // Wall along x at y 2000, its second face 100 below: the mark on the lower face.
    const int wall = WallAlongX(1000, 6000, 2000, 100, -100);
    MarkedOn(wall, 4000, 1900, WALL_FACE_LOWER);
    Code(KIND_WALL_OPENING, DOOR_CODE_OPENING, 900);
    const int first = Cut();
    EXPECT_EQ(Corners(dynamic_cast<const TPolyobj&>(*objects()[first])),
              (std::vector<TPoint>{{4450, 1875}, {4450, 2025}, {3550, 2025}, {3550, 1875}}));
    EXPECT_EQ(Ends(*objects()[first + 1]), (Line{3550, 1900, 3550, 2000}));
    EXPECT_EQ(Ends(*objects()[first + 2]), (Line{4450, 1900, 4450, 2000}));
    EXPECT_EQ(door.pointX, 4000);
    EXPECT_EQ(door.pointY, 1900);
}

TEST_F(WallCut, ImperialOpeningsReachAnInchBeyondTheFaces)
{
    state().unitSystem = 0;
    const int wall = WallAlongX(960, 4800, 2400, 108, -108);
    MarkedOn(wall, 2400, 2400, WALL_FACE_UPPER);
    Code(KIND_WALL_OPENING, DOOR_CODE_OPENING, 720);
    const int first = Cut();
    EXPECT_EQ(Corners(dynamic_cast<const TPolyobj&>(*objects()[first])),
              (std::vector<TPoint>{{2760, 2268}, {2760, 2424}, {2040, 2424}, {2040, 2268}}));
}

TEST_F(WallCut, DoubleDoorsMustOpenAcrossTheWall)
{
    const int wall = WallAlongX(1000, 6000, 2000, 100, -100);
    for (int side : {DOOR_SIDE_RIGHT, DOOR_SIDE_LEFT}) {
        MarkedOn(wall, 4000, 2000, WALL_FACE_UPPER);
        Code(KIND_DOOR_DOUBLE, DOOR_CODE_DOUBLE, 1400, side);
        const int first = Cut(false);
        EXPECT_EQ(Count(), first);
    }
    // Opening to the top from the upper face (where the search puts the mark for that side).
    MarkedOn(wall, 4000, 2000, WALL_FACE_UPPER);
    Code(KIND_DOOR_DOUBLE, DOOR_CODE_DOUBLE, 1400, DOOR_SIDE_TOP);
    const int first = Cut();
    EXPECT_EQ(Ends(*objects()[first + 1]), (Line{3300, 2000, 3300, 1900}));
    // Opening to the top from the lower face is refused.
    MarkedOn(wall, 4000, 1900, WALL_FACE_LOWER);
    Code(KIND_DOOR_DOUBLE, DOOR_CODE_DOUBLE, 1400, DOOR_SIDE_TOP);
    Cut(false);
}

TEST_F(WallCut, AMarkWithoutAFaceOrAWallIsRefused)
{
    const int wall = WallAlongY(5000, 1000, 6000, 100, 100);
    MarkedOn(wall, 5000, 3000, 0);
    Code(KIND_DOOR_DOUBLE, DOOR_CODE_TWO_PANELS, 1400, DOOR_SIDE_TOP);
    Cut(false);
    door.wallMarked = false;
    Code(KIND_DOOR_HINGED, 1, 800);
    Cut(false);
    EXPECT_EQ(door.outcome, TPlaceOutcome::NoWallMarked);
}

TEST_F(WallCut, AngledWallTakesOnlyTheCodesOfTheFaceMarked)
{
    // A wall rising to the right at 45 degrees, its second face on the lower side.
    const int wall = AngledWall(1000, 1000, 3000, 450, 100, true);
    const auto& w = dynamic_cast<const TIntwallobj&>(*objects()[wall]);
    const TPoint lower{w.faceStartX() + 1000, w.faceStartY() + 1000};
    for (int code : {1, 2, 5, 7}) {
        MarkedOn(wall, lower.x, lower.y, WALL_FACE_LOWER);
        Code(KIND_DOOR_HINGED, code, 800);
        Cut(false);
    }
    MarkedOn(wall, lower.x, lower.y, WALL_FACE_LOWER);
    Code(KIND_DOOR_HINGED, 3, 800);
    const int first = Cut();
    ASSERT_EQ(Count() - first, 3);
    // Code 3 runs down the wall (against its direction) from the mark; the polygon's far side lies
    // across on the upper face, the jambs run from there back to the marked face and take the
    // working kind and the wall's angle.
    const TDoorAxis axis(450);
    const TPoint run = axis.Along(800);
    const TPoint across = axis.Across(100, false);
    const TPoint m = lower;
    const TPoint p2{m.x - run.x, m.y - run.y};
    EXPECT_EQ(Corners(dynamic_cast<const TPolyobj&>(*objects()[first])),
              (std::vector<TPoint>{m, p2, {p2.x + across.x, p2.y + across.y}, {m.x + across.x, m.y + across.y}}));
    const auto& jamb = dynamic_cast<const TLineobj&>(*objects()[first + 1]);
    EXPECT_EQ(Ends(jamb), (Line{m.x + across.x, m.y + across.y, m.x, m.y}));
    EXPECT_EQ(jamb.typeCode, KIND_DOOR_HINGED);
    EXPECT_EQ(jamb.lineAux1, 450);
    EXPECT_EQ(door.kind, KIND_DOOR_HINGED);
    EXPECT_EQ(door.pointX, m.x);
    EXPECT_EQ(door.pointY, m.y);
}

TEST_F(WallCut, AngledDoubleDoorsTurnTheirSideIntoAFace)
{
    // Rising wall: LEFT is its upper side, RIGHT its lower side; the opening is centred on the mark.
    const int wall = AngledWall(1000, 1000, 3000, 450, 100, true);
    const auto& w = dynamic_cast<const TIntwallobj&>(*objects()[wall]);
    const TPoint upper{w.x1 + 1000, w.y1 + 1000};
    MarkedOn(wall, upper.x, upper.y, WALL_FACE_UPPER);
    Code(KIND_DOOR_DOUBLE, DOOR_CODE_DOUBLE, 1400, DOOR_SIDE_LEFT);
    const int first = Cut();
    EXPECT_EQ(door.step, DOOR_SIDE_TOP);
    const TDoorAxis axis(450);
    const TPoint half = axis.Along(700.0);
    EXPECT_EQ(Corners(dynamic_cast<const TPolyobj&>(*objects()[first]))[0],
              (TPoint{upper.x - half.x, upper.y - half.y}));
    // RIGHT marked on the upper face: refused, the side having become the lower face.
    MarkedOn(wall, upper.x, upper.y, WALL_FACE_UPPER);
    Code(KIND_DOOR_DOUBLE, DOOR_CODE_DOUBLE, 1400, DOOR_SIDE_RIGHT);
    Cut(false);
    EXPECT_EQ(door.step, DOOR_SIDE_BOTTOM);
}

TEST_F(WallCut, FallingWallTakesTheMirroredCodes)
{
    const int wall = AngledWall(1000, 3000, 3000, 1350, 100, true);
    const auto& w = dynamic_cast<const TIntwallobj&>(*objects()[wall]);
    for (int code = 1; code <= 8; ++code) {
        const bool lowerTakes = code == 1 || code == 2 || code == 6 || code == 8;
        MarkedOn(wall, w.faceStartX() + 1000, w.faceStartY() - 1000, WALL_FACE_LOWER);
        Code(KIND_DOOR_HINGED, code, 800);
        Cut(lowerTakes);
        MarkedOn(wall, w.x1 + 1000, w.y1 - 1000, WALL_FACE_UPPER);
        Code(KIND_DOOR_HINGED, code, 800);
        Cut(!lowerTakes);
    }
}

}  // namespace
