// The library commands in the drawing window: ADD to a library from a drag (the paste buffer left
// alone), an entry listed, previewed and placed with ids of its own, a cancelled list that leaves
// the drawing as it was, a drag over nothing, and a selection list that cannot be written.
#include "tests/app/appfixture.h"

#include "app/families/libraryfamily.h"
#include "model/selectionlist.h"
#include "tools/moveobjtool.h"

namespace {

class LibraryWindowTest : public AppTest {
protected:
    void SetUp() override
    {
        NewDrawing("LIB");
        // Two lines of one action (ids 3) forming an L.
        for (TLineobj* line : {&AddLine(50, 1000, 1000, 2000, 1000), &AddLine(50, 1000, 1000, 1000, 1500)}) {
            line->ownerId = 3;
            line->groupId = 3;
        }
        state().groupIdCounter = 10;
        objects().WriteDrawing();
    }
};

}  // namespace

TEST_F(LibraryWindowTest, ASelectionAddedToALibraryIsListedAndPlacedAgainWithIdsOfItsOwn)
{
    Command(CM_ADDTOLIBRARY);
    const TDrawingtool& copy = *client->CurrentTool();
    EXPECT_EQ(copy.kind, KIND_COPY);
    EXPECT_EQ(copy.libraryFlag, COPY_FOR_LIBRARY);
    EXPECT_EQ(client->ToolName(), "ADD to Lib");
    EXPECT_EQ(client->helpContext, 330);
    Answer("dialog 16000 set 16001 \"Double bed\" check 16004 ok");
    // The centre of the drag, (1500, 1500), is the entry's base point.
    DragModel({500, 500}, {2500, 2500});
    EXPECT_EQ(client->CurrentTool()->kind, KIND_PICK);
    EXPECT_EQ(ReadWholeFile(Path("CFG/LIM.CFG")), "0 0 1 0");
    EXPECT_EQ(ReadWholeFile(Path("CFG/FURM.CFG")), "10 Double bed\n");
    EXPECT_EQ(ReadWholeFile(Path("LIBS/Double bed.FUM")),
              "2 0 0 0 1 10\n"
              "1\n1 50 3 3 -500 0 500 0 -500 -500 0 0 0 1 0\n"
              "1\n1 50 3 3 -500 0 -500 0 -500 0 0 0 0 1 0\n");
    // The paste buffer is not the library's.
    EXPECT_FALSE(std::filesystem::exists(Path("LIBS/PASTE.CFG")));

    Answer("dialog 15500 select 15501 \"Double bed\" ok");
    Command(CM_FURNITURE);
    ASSERT_EQ(objects().count(), 8);
    // Near the lower left of the view (an eighth across, a sixth up), ids beyond the counter.
    EXPECT_EQ(objects()[6]->x1, 625 - 500);
    EXPECT_EQ(objects()[6]->y1, 580 - 500);
    EXPECT_EQ(objects()[6]->ownerId, 11);
    EXPECT_EQ(objects()[7]->ownerId, 11);
    EXPECT_EQ(ReadBack("LIB").size(), 8u);
    auto& tool = dynamic_cast<TMoveobjtool&>(*client->CurrentTool());
    EXPECT_EQ(tool.kind, KIND_MOVE);
    EXPECT_EQ(tool.step, STEP_SELECTION_MADE);
    EXPECT_EQ(tool.SelectedIndices(), (std::vector<int>{6, 7}));
    EXPECT_EQ(client->ToolName(), "Furniture");
    EXPECT_EQ(client->Prompt(), "click reference point on library object & click new position");

    // Placed: the corner of the L moved to (4000, 3000), locked with Enter.
    ClickModel({125, 80});
    ClickModel({4000, 3000});
    Child().EvKeyDown(VK_ENTER);
    frame.ProcessEvents();
    const auto placed = ReadBack("LIB");
    EXPECT_EQ(placed.at(6)->x1, 4000);
    EXPECT_EQ(placed.at(6)->y1, 3000);
    EXPECT_EQ(placed.at(6)->x2, 5000);
    EXPECT_EQ(placed.at(7)->y2, 3500);
    EXPECT_EQ(placed.at(4)->x1, 1000);
    EXPECT_EQ(client->CurrentTool()->kind, KIND_PICK);
}

TEST_F(LibraryWindowTest, ACancelledListLeavesTheDrawingAsItWas)
{
    WriteWholeFile(Path("CFG/LIM.CFG"), "2 0 0 0");
    WriteWholeFile(Path("CFG/PLBM.CFG"), "2 WC\n5 BASIN\n");
    WriteWholeFile(Path("LIBS/WC.PLM"), "1 0 0 0 1 0\n6\n6 50 4 4 0 0 300 0 0 300 0 1 0\n");
    WriteWholeFile(Path("LIBS/BASIN.PLM"), "1 0 0 0 1 0\n7\n7 50 0 0 0 0 600 0 0 400 0 1 0\n");
    const std::string before = ReadWholeFile(Path("DWGS/LIB.DB0"));
    Answer("dialog 15500 select 15501 WC select 15501 BASIN cancel");
    Command(CM_PLUMBING);
    EXPECT_EQ(ReadWholeFile(Path("DWGS/LIB.DB0")), before);
    EXPECT_EQ(objects().count(), 6);
    EXPECT_EQ(state().currentFloor, 50);
    EXPECT_EQ(client->CurrentTool()->kind, KIND_PICK);
    EXPECT_EQ(client->Prompt(), "Select a function or drawing tool");
    EXPECT_TRUE(lines.empty());

    // OK with nothing chosen places nothing either.
    Answer("dialog 15500 ok");
    Command(CM_PLUMBING);
    EXPECT_EQ(ReadWholeFile(Path("DWGS/LIB.DB0")), before);
    EXPECT_EQ(client->CurrentTool()->kind, KIND_PICK);
}

TEST_F(LibraryWindowTest, ADragOverNothingAddsNothing)
{
    Command(CM_ADDTOLIBRARY);
    Answer("message ok");
    DragModel({3000, 3000}, {4000, 4000});
    EXPECT_EQ(lines, std::vector<std::string>{"message NO SELECTION | No valid object selected - please restart"});
    EXPECT_EQ(client->CurrentTool()->kind, KIND_PICK);
    EXPECT_EQ(ReadWholeFile(Path("CFG/LIM.CFG")), "0 0 0 0");
}

TEST_F(LibraryWindowTest, ASelectionListThatCannotBeWrittenIsToldOnceAndMakesNoEntry)
{
    // CFG/ full: the selection is made, only the selection list's own failure is told, and no
    // entry is asked for.
    Command(CM_ADDTOLIBRARY);
    FailNextWrites(1000, WriteStage::Write);
    Answer("message ok");
    DragModel({500, 500}, {2500, 2500});
    FailNextWrites(0);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].rfind("message Arkweld 4.0 | The selection list CFG/", 0), 0u) << lines[0];
    EXPECT_EQ(client->CurrentTool()->kind, KIND_PICK);
    EXPECT_EQ(ReadWholeFile(Path("CFG/LIM.CFG")), "0 0 0 0");

    // The list still holds an earlier selection (the horizontal line) when only its count fails
    // to be written: no entry is made of that.
    Command(CM_COPY);
    DragModel({500, 500}, {2500, 1200});
    ASSERT_EQ(ReadCopyList().size(), 1u);
    lines.clear();
    Command(CM_ADDTOLIBRARY);
    FailNextWrites(1, WriteStage::Write);
    Answer("message ok");
    DragModel({500, 500}, {2500, 2500});
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].rfind("message Arkweld 4.0 | The selection list CFG/TEMP.CFG could not be written: ", 0), 0u)
        << lines[0];
    EXPECT_EQ(ReadWholeFile(Path("CFG/LIM.CFG")), "0 0 0 0");
    EXPECT_EQ(ReadWholeFile(Path("CFG/PLBM.CFG")), "");
}

TEST_F(LibraryWindowTest, TheLibrariesNeedAPlanView)
{
    client->CloseChild(&Child());
    Answer("message ok");
    Command(CM_FURNITURE);
    Answer("message ok");
    Command(CM_ADDTOLIBRARY);
    EXPECT_EQ(lines, (std::vector<std::string>{"message  | You must be in a PLAN VIEW to use this function",
                                               "message  | You must be in a PLAN VIEW to use this function"}));
}
