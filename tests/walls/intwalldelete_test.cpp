// Deleting an internal wall with its group: ENTER on the delete tool at the cursor.
#include "tests/walls/intwallfixture.h"

namespace {

class IntwallDelete : public IntwallTest {
protected:
    IntwallDelete() { deleter.kind = KIND_INTWALL_DELETE; Attach(deleter); }

    void EnterOn(int x, int y) { Key(deleter, VK_ENTER, Device(x, y)); }

    // A type-1 line with the given ids.
    void AddLine(int ownerId, int groupId, int x1, int y1, int x2, int y2, int floor = GROUND_FLOOR)
    {
        auto line = std::make_unique<TLineobj>(TYPE_LINE);
        line->floor = floor;
        line->ownerId = ownerId;
        line->groupId = groupId;
        line->x1 = x1;
        line->y1 = y1;
        line->x2 = x2;
        line->y2 = y2;
        objects().Add(std::move(line));
    }

    std::vector<std::string> Dump()
    {
        std::vector<std::string> out;
        for (int i = 0; i < objects().count(); ++i)
            out.push_back(DumpObject(0, *objects()[i]));
        return out;
    }

    TIntwallobjtool deleter;
};

TEST_F(IntwallDelete, RemovesTheGroupAndItsCapsAndNothingElse)
{
    // A room's sides share one id; its caps carry that id in both ids.
    AddIntWall(1000, 1000, 3000, 1000, 900, 100, 1000, 900, 3000, 900, 10042);
    AddIntWall(3000, 1000, 3000, 2500, 0, 100, 3100, 900, 3100, 2500, 10042);
    AddLine(10042, 10042, 1025, 1000, 1075, 1000);             // end cap
    AddLine(10042, 0, 3000, 2500, 3100, 2500);                 // closing line: no group
    AddExtWall(500, 500, 10542, 500, 900, 300, 500, 800, 10542, 800);  // its length is 10042
    AddLine(0, 10042, 1000, 3000, 11042, 3000);                // a keyboard line 10042 long
    AddIntWall(1000, 3000, 3000, 3000, 900, 100, 1000, 2900, 3000, 2900, 10043);
    AddIntWall(1000, 1000, 3000, 1000, 900, 100, 1000, 900, 3000, 900, 10042).floor = FIRST_FLOOR;
    AddLine(10042, 10042, 1025, 1000, 1075, 1000, FIRST_FLOOR);
    objects().WriteDrawing();
    std::vector<std::string> before = Dump();

    EnterOn(2000, 950);  // between the first wall's faces
    EXPECT_EQ(deleter.outcome, TIntwallOutcome::Deleted);
    // Gone: indices 4, 5 and 6; the rest keep their order.
    before.erase(before.begin() + 4, before.begin() + 7);
    EXPECT_EQ(Dump(), before);
    EXPECT_EQ(ReadBack().size(), before.size());
    // The area of what went, three logical units wider each way.
    EXPECT_EQ(deleter.repaintArea, (TModelBox{false, 985, 885, 3115, 2515}));
    EXPECT_EQ(deleter.x1, 985);
    EXPECT_EQ(deleter.y1, 885);
    EXPECT_EQ(deleter.x2, 3115);
    EXPECT_EQ(deleter.y2, 2515);
}

TEST_F(IntwallDelete, FindsAWallByEitherFace)
{
    AddIntWall(1000, 1000, 3000, 1000, 900, 100, 1000, 900, 3000, 900, 10001);
    AddIntWall(1000, 2000, 3000, 2000, 900, 100, 1000, 1900, 3000, 1900, 10002);
    EXPECT_EQ(deleter.FindInternalWallAt({2000, 1010}), 4);  // just off the reference line
    EXPECT_EQ(deleter.FindInternalWallAt({2000, 890}), 4);   // just off the second face
    EXPECT_EQ(deleter.FindInternalWallAt({2000, 1950}), 5);
    EXPECT_EQ(deleter.FindInternalWallAt({2000, 1100}), -1);  // on neither
    EXPECT_EQ(deleter.FindInternalWallAt({3020, 950}), -1);   // past the end
}

TEST_F(IntwallDelete, AMissDeletesNothing)
{
    AddIntWall(1000, 1000, 3000, 1000, 900, 100, 1000, 900, 3000, 900, 10001);
    AddExtWall(500, 2000, 4500, 2000, 900, 300, 500, 1700, 4500, 1700);
    objects().WriteDrawing();
    const std::vector<std::string> before = Dump();
    EnterOn(2000, 1900);  // on the external wall: not an internal wall
    EXPECT_EQ(deleter.outcome, TIntwallOutcome::NothingToDelete);
    EXPECT_EQ(Dump(), before);
    EXPECT_EQ(deleter.y1, 1900);  // the cursor point, no sentinel
}

TEST_F(IntwallDelete, OnlyEnterDeletesAndNoTypedValueDoes)
{
    AddIntWall(1000, 1000, 3000, 1000, 900, 100, 1000, 900, 3000, 900, 10001);
    Key(deleter, VK_RIGHT, Device(2000, 950), 3);
    Key(deleter, VK_UP, Device(2000, 950), 3);
    EXPECT_EQ(objects().count(), 5);
    EXPECT_EQ(deleter.outcome, TIntwallOutcome::None);
    // The drawing tool does not delete with ENTER either.
    tool.lineDrawn = 0;
    Key(tool, VK_ENTER, Device(2000, 950), 3);
    EXPECT_EQ(objects().count(), 5);
}

TEST_F(IntwallDelete, AWallWithoutAGroupGoesAlone)
{
    AddIntWall(1000, 1000, 3000, 1000, 900, 100, 1000, 900, 3000, 900, 0);
    AddLine(0, 0, 1000, 3000, 2000, 3000);  // a line drawn with the mouse
    EnterOn(2000, 950);
    EXPECT_EQ(objects().count(), 5);
    EXPECT_EQ(objects()[4]->typeCode, TYPE_LINE);
}

TEST_F(IntwallDelete, DeletingWhatTheToolDrew)
{
    // A run that ends on a wall lays a cap; deleting the run's wall takes the cap with it and the
    // wall it ran into stays whole.
    AddIntWall(500, 3000, 4500, 3000, 900, 100, 500, 3100, 4500, 3100, 10001);
    state().groupIdCounter = 1;
    tool.markerX = 2;
    EnterAt(2000, 1000);
    Key(tool, VK_UP, window.cursor, 2000);
    ASSERT_EQ(objects().count(), 7);
    EnterOn(2050, 2000);
    EXPECT_EQ(objects().count(), 5);
    EXPECT_EQ(IntWallAt(4).groupId, 10001);
}

}  // namespace
