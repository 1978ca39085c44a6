// The wall-face lines of a single external door, and finding an angled external wall with the
// marked point moved onto it.
#include "tests/openings/openingfixture.h"

namespace {

class WallFaces : public OpeningTest {
protected:
    int FaceLines()
    {
        const int first = Count();
        TDrawingEdit edit(objects());
        tool.DrawWallFaceLines(edit, dc, client);
        return first;
    }
};

}  // namespace

TEST_F(WallFaces, LinesAcrossTheWallAtBothEndsOfTheDoor)
{
    struct Case {
        int face, code;
        Line first, second;
    };
    const Case cases[] = {
        {FACE_PLUS_X, 6, {4000, 9000, 4000, 8700}, {4900, 9000, 4900, 8700}},
        {FACE_PLUS_X, 5, {4000, 9000, 4000, 8700}, {4900, 9000, 4900, 8700}},
        {FACE_PLUS_X, 8, {4000, 9000, 4000, 8700}, {3100, 9000, 3100, 8700}},
        {FACE_MINUS_X, 7, {4000, 9000, 4000, 9300}, {3100, 9000, 3100, 9300}},
        {FACE_MINUS_X, 5, {4000, 9000, 4000, 9300}, {4900, 9000, 4900, 9300}},
        {FACE_MINUS_Y, 1, {4000, 9000, 3700, 9000}, {4000, 8100, 3700, 8100}},
        {FACE_MINUS_Y, 2, {4000, 9000, 3700, 9000}, {4000, 9900, 3700, 9900}},
        {FACE_PLUS_Y, 3, {4000, 9000, 4300, 9000}, {4000, 8100, 4300, 8100}},
        {FACE_PLUS_Y, 4, {4000, 9000, 4300, 9000}, {4000, 9900, 4300, 9900}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("face " + std::to_string(c.face) + " code " + std::to_string(c.code));
        Marked(c.face, 4000, 9000, 300, 900, OPENING_SINGLE_DOOR, c.code);
        const int first = FaceLines();
        ASSERT_EQ(Count() - first, 2);
        EXPECT_EQ(Ends(*objects()[first]), c.first);
        EXPECT_EQ(Ends(*objects()[first + 1]), c.second);
        EXPECT_EQ(objects()[first]->typeCode, TYPE_OPENING_LINE);
        EXPECT_EQ(objects()[first]->penWidth, 1);
        EXPECT_EQ(objects()[first]->groupId, 10042);
    }
}

TEST_F(WallFaces, AngledWallsGetNoFaceLines)
{
    Marked(450, 4000, 9000, 300, 900, OPENING_SINGLE_DOOR, 6);
    EXPECT_EQ(FaceLines(), Count());
}

TEST_F(WallFaces, MarkedPointMovesOntoTheAngledWall)
{
    struct Case {
        int x1, y1, x2, y2, angle;
        TPoint marked, onWall;
    };
    const Case cases[] = {
        {1000, 1000, 4536, 4536, 450, {2500, 2000}, {2249, 2250}},
        {1000, 5000, 4536, 1464, 1350, {3000, 3500}, {2750, 3250}},
        {5000, 5000, 1464, 1464, 2250, {3000, 3500}, {3251, 3250}},
        {5000, 1000, 1464, 4536, 3150, {3000, 3500}, {2750, 3249}},
        // On the line already: the bearing of the point is the wall's own.
        {1000, 1000, 4536, 4536, 450, {2000, 2000}, {2000, 2000}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.angle);
        objects().CutBack(4);
        const int index = AddWall(c.x1, c.y1, c.x2, c.y2, c.angle, 300);
        tool.pointX = c.marked.x;
        tool.pointY = c.marked.y;
        tool.FindAngledWall();
        EXPECT_EQ(tool.markedSide, c.angle);
        EXPECT_EQ(tool.markedWall, index);
        EXPECT_TRUE(tool.wallMarked);
        EXPECT_EQ((TPoint{tool.pointX, tool.pointY}), c.onWall);
    }
}

TEST_F(WallFaces, AngledWallSearchTakesTheFirstWallWhoseBoxHoldsThePoint)
{
    AddWall(1000, 1000, 5000, 5000, 900, 300);     // an axis wall is never a candidate
    AddWall(1000, 1000, 3000, 3000, 1800, 300);    // nor one at a multiple of 900
    const int first = AddWall(1000, 1000, 4536, 4536, 450, 300);
    AddWall(1000, 4536, 4536, 1000, 1350, 300);
    AddWall(1000, 1000, 4536, 4536, 450, 300, 0, 0, 99, FIRST_FLOOR);
    tool.pointX = 2500;
    tool.pointY = 2600;
    tool.FindAngledWall();
    EXPECT_EQ(tool.markedWall, first);
    EXPECT_EQ(tool.markedSide, 450);

    // Outside every box: nothing marked, the point stays.
    tool.pointX = 6000;
    tool.pointY = 6000;
    tool.wallMarked = false;
    tool.FindAngledWall();
    EXPECT_EQ(tool.markedSide, 0);
    EXPECT_FALSE(tool.wallMarked);
    EXPECT_EQ((TPoint{tool.pointX, tool.pointY}), (TPoint{6000, 6000}));
}
