// Edit/Erase: the objects inside the rectangle are removed through one edit, walls stay, and a
// selection list that names no object removes nothing.
#include "tests/tools/selectionfixture.h"

#include "model/selectionlist.h"
#include "tools/eraseobjtool.h"

namespace {

using Erase = SelectionTest;

// An erase tool whose selection a test can set directly.
class TestEraseTool : public TEraseobjtool {
public:
    using TMoveobjtool::SetSelection;
};

std::vector<int> Xs(const TList& objects)
{
    std::vector<int> xs;
    for (int i = 4; i < objects.count(); ++i)
        xs.push_back(objects[i]->x1);
    return xs;
}

TEST_F(Erase, TheSelectedObjectsGoTheOthersKeepTheirOrder)
{
    for (int x : {1000, 2000, 3000, 4000, 5000})
        AddLine(x, 3000, x + 100, 3000);
    objects().WriteDrawing();
    const int edits = objects().EditCount();
    TEraseobjtool tool;
    Drag(tool, {1500, 2000}, {3500, 4000});  // the second and the third line

    EXPECT_EQ(Xs(objects()), (std::vector<int>{1000, 4000, 5000}));
    EXPECT_EQ(tool.step, STEP_ERASE_DONE);
    EXPECT_EQ(objects().EditCount(), edits + 1);
    const auto back = ReadBack();
    ASSERT_EQ(back.size(), 7u);
    EXPECT_EQ(back[5]->x1, 4000);
    // The area the window repaints covers what went.
    EXPECT_EQ(tool.ErasedArea(), (TModelBox{false, 2000, 3000, 3100, 3000}));
    // The list's indices name other objects now: it is emptied.
    EXPECT_EQ(tool.selectionCount(), 0);
    EXPECT_EQ(ReadWholeFile(Cfg("TEMP.CFG")), "0\n");
}

TEST_F(Erase, GroupPartnersOutsideTheRectangleStay)
{
    AddLine(2000, 3000, 2100, 3000).groupId = 77;
    AddLine(8000, 3000, 8100, 3000).groupId = 77;
    TEraseobjtool tool;
    Drag(tool, {1500, 2000}, {3500, 4000});
    EXPECT_EQ(Xs(objects()), std::vector<int>{8000});
}

TEST_F(Erase, AnObjectWhoseOwnerIdIs30001StaysWhenOutside)
{
    AddLine(2000, 3000, 2100, 3000);
    AddLine(8000, 3000, 8100, 3000).ownerId = NO_INDEX;
    TEraseobjtool tool;
    Drag(tool, {1500, 2000}, {3500, 4000});
    EXPECT_EQ(Xs(objects()), std::vector<int>{8000});
    EXPECT_EQ(objects()[4]->ownerId, NO_INDEX);
}

TEST_F(Erase, WallsInsideTheRectangleStay)
{
    AddBox<TExtwallobj>(TYPE_EXTWALL, 2000, 3000, 3000, 3000);
    auto& wall = AddBox<TIntwallobj>(TYPE_INTWALL, 2000, 3500, 3000, 3500);
    wall.face2StartX = 2000;
    wall.face2StartY = 3600;
    wall.face2EndX = 3000;
    wall.face2EndY = 3600;
    AddLine(2000, 2500, 2100, 2500);
    TEraseobjtool tool;
    Drag(tool, {1500, 2000}, {3500, 4000});
    ASSERT_EQ(objects().count(), 6);
    EXPECT_EQ(objects()[4]->typeCode, TYPE_EXTWALL);
    EXPECT_EQ(objects()[5]->typeCode, TYPE_INTWALL);
}

TEST_F(Erase, AnEntryThatNamesNoObjectRemovesNothing)
{
    AddLine(2000, 3000, 2100, 3000);
    AddLine(3000, 3000, 3100, 3000);
    objects().WriteDrawing();
    const std::string before = ReadWholeFile(objects().DrawingPath());
    TestEraseTool tool;
    Attach(tool);
    tool.SetSelection({{4, 0, 0}, {5, 0, 0}, {6, 0, 0}});
    tool.ProcessSelection(dc, client, 0, 0);
    EXPECT_EQ(objects().count(), 6);
    EXPECT_NE(tool.step, STEP_ERASE_DONE);
    EXPECT_EQ(ReadWholeFile(objects().DrawingPath()), before);
}

TEST_F(Erase, OnlyObjectsOfTheFloorInViewGo)
{
    AddLine(2000, 3000, 2100, 3000, FIRST_FLOOR);
    AddLine(2000, 3000, 2100, 3000);
    TEraseobjtool tool;
    Drag(tool, {1500, 2000}, {3500, 4000});
    ASSERT_EQ(objects().count(), 5);
    EXPECT_EQ(objects()[4]->floor, FIRST_FLOOR);
}

TEST_F(Erase, ADragOverNothingLeavesTheDrawingAsItWas)
{
    AddLine(2000, 3000, 2100, 3000);
    TEraseobjtool tool;
    Drag(tool, {5000, 5000}, {6000, 6000});
    EXPECT_EQ(objects().count(), 5);
    EXPECT_EQ(tool.step, STEP_ERASE_DONE);
    EXPECT_TRUE(tool.ErasedArea().empty);
    // Clicks after the erase do nothing.
    Click(tool, {2000, 3000});
    EXPECT_EQ(tool.step, STEP_ERASE_DONE);
}

TEST_F(Erase, TheErasedAreaHoldsTheLettersOfAnErasedText)
{
    // Anchored inside, its letters reach far beyond the rectangle: 16 characters of 125 units.
    AddText(3000, 3000, "A LONG TEXT HERE");
    TEraseobjtool tool;
    Drag(tool, {1500, 2000}, {3500, 4000});
    ASSERT_EQ(objects().count(), 4);
    EXPECT_EQ(tool.ErasedArea(), (TModelBox{false, 3000, 3000, 5000, 3250}));
}

}  // namespace
