// Edit/Copy writes the paste buffer byte for byte in the drawing file's record layouts; Edit/Paste
// reads it back near the lower left of the view with ids of its own.
#include "tests/tools/selectionfixture.h"

#include "model/drawingedit.h"
#include "model/pastedids.h"
#include "model/settingsfile.h"
#include "tools/copyobjtool.h"
#include "tools/pastebuffer.h"

#include <limits>

namespace {

class PasteBuffer : public SelectionTest {
protected:
    PasteBuffer() { state().groupIdCounter = 42; }

    // A copy drag over (500, 1500)-(3500, 4500): the base point is its centre (2000, 3000).
    void Copy(TCopyobjtool& tool) { Drag(tool, {500, 1500}, {3500, 4500}); }

    TLineobj& AddTheLine()
    {
        TLineobj& line = AddLine(1000, 2000, 3000, 2000);
        line.z1 = 3;
        line.z2 = 4;
        line.colour = int32_t(MakeColour(255, 0, 0));
        line.lineAux1 = 900;
        line.lineAux2 = 7;
        line.penWidth = 2;
        line.penStyle = PS_DASH;
        return line;
    }
};

TEST_F(PasteBuffer, OneLineIsWrittenRelativeToTheCentreOfTheDrag)
{
    AddTheLine();
    TCopyobjtool tool;
    Copy(tool);
    EXPECT_EQ(ReadWholeFile(Libs("PASTE.CFG")),
              "1 0 0 0 1 42\n"
              "1\n"
              "1 50 0 0 -1000 3 1000 4 -1000 -1000 7 900 255 2 1\n");
    // The copy changes neither the list nor the drawing file; the tool stays, selection made.
    EXPECT_EQ(objects()[4]->x1, 1000);
    EXPECT_EQ(tool.step, STEP_SELECTION_MADE);
}

TEST_F(PasteBuffer, EveryKindIsWrittenOnceInListOrderInItsOwnLayout)
{
    TPolyobj& polygon = AddPolygon(150, {{1500, 2500}, {2500, 2500}, {2500, 3500}});
    polygon.polyParam1 = 11;
    polygon.polyParam2 = 12;
    polygon.polyParam3 = 13;
    polygon.polyParam4 = 14;
    polygon.polyParam5 = 15;
    polygon.fillColour = 16777215;
    polygon.polyAux = {1, 2, 3, 4};
    auto& opening = AddPolygon<TOpeningobj>(TYPE_OPENING, {{1600, 2600}, {2400, 2600}});
    opening.openingParam1 = 5;
    opening.openingParam2 = 6;
    TTextobj& text = AddText(2100, 3100, "HALL");
    text.x2 = 900;
    text.ownerId = 9;
    text.groupId = 9;
    AddTheLine();
    AddArc(1500, 2500, 2500, 3500, {1500, 3000}, {2500, 3000});
    AddBox<TRndrectobj>(TYPE_RNDRECT, 1500, 2500, 2500, 3500).cornerRounding = 100;
    AddArrow(1500, 3000, 2500, 3000);
    AddBox<TEllipseobj>(TYPE_ELLIPSE, 1500, 2500, 2500, 3500).colour = 99;
    AddLine(100, 100, 200, 200);  // outside

    TCopyobjtool tool;
    Copy(tool);
    EXPECT_EQ(ReadWholeFile(Libs("PASTE.CFG")),
              "8 0 0 0 1 42\n"
              "150\n"
              "150 50 0 0 11 13 14 15 3 12 16777215 0\n"
              "-500 7 -500\n"
              "500 7 -500\n"
              "500 7 500\n"
              "1\n2\n3\n4\n"
              "28000\n"
              "28000 50 0 0 0 0 0 0 2 0 0 0 5 6\n"
              "-400 7 -400\n"
              "400 7 -400\n"
              "0\n0\n0\n0\n"
              "4\n"
              "4 50 9 9 100 100 900 0 0 0 4 0 3 5 10 400 ArialHALL\n"
              "1\n"
              "1 50 0 0 -1000 3 1000 4 -1000 -1000 7 900 255 2 1\n"
              "3\n"
              "3 50 0 0 -500 0 -500 500 0 500 -500 0 500 0 0 1 0\n"
              "8\n"
              "8 50 0 0 -500 0 500 0 -500 500 100 0 1 0\n"
              "26000\n"
              "26000 50 0 0 -500 0 500 0 -400 50 -400 -50 -500 -200 -500 200 0\n"
              "5\n"
              "5 50 0 0 -500 0 500 0 -500 500 99 1 0\n");
}

TEST_F(PasteBuffer, TheAddToLibraryCopyLeavesThePasteBufferAsItWas)
{
    AddTheLine();
    WriteWholeFile(Libs("PASTE.CFG"), "earlier\n");
    TCopyobjtool tool;
    tool.libraryFlag = 1;
    Copy(tool);
    EXPECT_EQ(ReadWholeFile(Libs("PASTE.CFG")), "earlier\n");
    // The selection is there for the library save.
    EXPECT_EQ(ReadWholeFile(Cfg("COPY.CFG")), "4 2000 3000\n");
}

TEST_F(PasteBuffer, EntriesThatNameNoObjectAreLeftOutAndTheCountMatches)
{
    AddTheLine();
    std::string text;
    ASSERT_TRUE(FormatPasteBuffer(objects(), {{4, 2000, 3000}, {99, 0, 0}, {-1, 0, 0}}, text));
    EXPECT_EQ(text, "1 0 0 0 1 42\n1\n1 50 0 0 -1000 3 1000 4 -1000 -1000 7 900 255 2 1\n");
}

TEST_F(PasteBuffer, ABufferThatCannotBeWrittenOrCannotHoldItsObjectsExactlyIsReportedAndKept)
{
    AddTheLine();
    TCopyobjtool tool;
    Copy(tool);
    WriteWholeFile(Libs("PASTE.CFG"), "earlier\n");
    FailNextWrites(1, WriteStage::Sync);
    tool.ProcessSelection(dc, client, 0, 0);
    FailNextWrites(0);
    ASSERT_EQ(reported.size(), 1u);
    EXPECT_EQ(reported[0], "The paste buffer " + Libs("PASTE.CFG") + " could not be written: Input/output error");
    EXPECT_EQ(ReadWholeFile(Libs("PASTE.CFG")), "earlier\n");

    // An object further from the base point (2000, 3000) than the file's numbers reach.
    objects()[4]->x1 = std::numeric_limits<int32_t>::min();
    tool.ProcessSelection(dc, client, 0, 0);
    ASSERT_EQ(reported.size(), 2u);
    EXPECT_EQ(reported[1], "The paste buffer " + Libs("PASTE.CFG") +
                               " could not be written: a line lies too far from the selection's base point to be"
                               " stored exactly (x -2147483648), so nothing was written");
    EXPECT_EQ(ReadWholeFile(Libs("PASTE.CFG")), "earlier\n");
}

TEST_F(PasteBuffer, PasteAddsTheObjectsNearTheLowerLeftOfTheViewOnTheFloorInView)
{
    AddTheLine();
    TCopyobjtool tool;
    Copy(tool);
    state().currentFloor = FIRST_FLOOR;
    state().viewOrgX = 100;
    state().viewOrgY = 200;
    TDrawingEdit edit;
    const TLoadResult result = PasteObjects(edit);
    ASSERT_TRUE(result.ok) << result.message;
    EXPECT_EQ(result.added, 1);
    ASSERT_TRUE(edit.Commit());
    ASSERT_EQ(objects().count(), 6);
    const TObject& pasted = *objects()[5];
    // (1000 / 8 + 100) x 5 = 1125 and (700 / 6 + 200) x 5 = 1580 added to the stored coordinates.
    EXPECT_EQ(pasted.floor, FIRST_FLOOR);
    EXPECT_EQ(pasted.x1, 125);
    EXPECT_EQ(pasted.x2, 2125);
    EXPECT_EQ(pasted.y1, 580);
    EXPECT_EQ(pasted.z1, 3);
    EXPECT_EQ(ReadBack().size(), 6u);
}

TEST_F(PasteBuffer, PastedObjectsGetIdsOfTheirOwn)
{
    TTextobj& text = AddText(2100, 3100, "HALL");
    text.ownerId = 9;
    text.groupId = 9;
    auto& door = AddPolygon(150, {{1500, 2500}, {2500, 2500}, {2500, 3500}});
    door.ownerId = 10005;
    door.groupId = 10005;
    TLineobj& doorLine = AddLine(1500, 2500, 2500, 2600);
    doorLine.ownerId = 10005;
    doorLine.groupId = 10005;
    AddLine(1500, 2600, 2500, 2600).groupId = 3000;  // a typed length
    TCopyobjtool tool;
    Copy(tool);

    state().groupIdCounter = 50;  // more actions since the copy
    TDrawingEdit edit;
    ASSERT_TRUE(PasteObjects(edit).ok);
    ASSERT_EQ(objects().count(), 12);
    EXPECT_EQ(objects()[8]->ownerId, 51);
    EXPECT_EQ(objects()[8]->groupId, 51);
    EXPECT_EQ(objects()[9]->ownerId, 10052);
    EXPECT_EQ(objects()[9]->groupId, 10052);
    EXPECT_EQ(objects()[10]->ownerId, 10052);  // still shares its group
    EXPECT_EQ(objects()[10]->groupId, 10052);
    EXPECT_EQ(objects()[11]->ownerId, 0);
    EXPECT_EQ(objects()[11]->groupId, 3000);
    EXPECT_EQ(state().groupIdCounter, 52);
    // The originals keep theirs.
    EXPECT_EQ(objects()[4]->ownerId, 9);
    EXPECT_EQ(objects()[5]->groupId, 10005);
}

TEST_F(PasteBuffer, AnIdWithAFloorBaseTakesTheBaseOfTheFloorInView)
{
    std::vector<std::unique_ptr<TObject>> pasted;
    pasted.push_back(std::make_unique<TPolyobj>(150));
    pasted.back()->ownerId = 10005;
    state().currentFloor = SECOND_FLOOR;
    state().groupIdCounter = 7;
    RenumberPastedIds(pasted);
    EXPECT_EQ(pasted.back()->ownerId, 12008);
}

TEST_F(PasteBuffer, AMissingOrBrokenBufferPastesNothing)
{
    TDrawingEdit edit;
    TLoadResult result = PasteObjects(edit);
    EXPECT_FALSE(result.ok);
    EXPECT_FALSE(result.opened);
    WriteWholeFile(Libs("PASTE.CFG"), "2 0 0 0 1 5\n1\n1 50 0 0 1 2 3\n");
    result = PasteObjects(edit);
    EXPECT_FALSE(result.ok);
    EXPECT_NE(result.message.find("PASTE.CFG"), std::string::npos);
    EXPECT_FALSE(edit.Changed());
    EXPECT_EQ(objects().count(), 4);
}

}  // namespace
