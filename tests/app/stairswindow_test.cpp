// The drawing window around the stairs tool: Other/Stairs Internal and what it refuses, the stairs
// dialog handing the stair to the tool, the outline that follows the mouse only while the preview
// is on, and ENTER, which places the stair on both floors, repaints the window and returns to the
// pick tool with the floor in view unchanged.
#include "tests/app/appfixture.h"

#include "app/families/stairsfamily.h"
#include "model/extwallobj.h"
#include "model/settingsfile.h"
#include "model/typecodes.h"
#include "openings/stepobjtool.h"

namespace {

constexpr TColor WHITE = MakeColour(255, 255, 255);
constexpr TColor BLACK = MakeColour(0, 0, 0);

const char* const STAIRS_PROMPT = "STAIRS & STAIRWELL  Press ENTER when position is correct";

class StairsWindowTest : public AppTest {
protected:
    // An external wall on a floor: that floor then counts as a floor of the house.
    void AddExternalWall(int floor)
    {
        auto wall = std::make_unique<TExtwallobj>();
        wall->floor = floor;
        wall->x1 = 500;
        wall->y1 = 500;
        wall->x2 = 4500;
        wall->y2 = 500;
        wall->angle = 900;
        TDrawingEdit edit(objects());
        edit.Add(std::move(wall));
        edit.Commit();
    }
    void MoveTo(TPoint device)
    {
        Window().PlaceCursor(device);
        Child().EvMouseMove(device);
        frame.ProcessEvents();
    }
    void Key(int key)
    {
        Child().EvKeyDown(key);
        frame.ProcessEvents();
    }
    // Whether a dotted outline runs through six pixels from `from` along a row: the dots are three
    // pixels long with gaps as long.
    bool DottedRowAt(TPoint from)
    {
        for (int x = from.x; x < from.x + 6; ++x)
            if (Pixel(x, from.y) != WHITE)
                return true;
        return false;
    }
    bool DottedColumnAt(TPoint from)
    {
        for (int y = from.y; y < from.y + 6; ++y)
            if (Pixel(from.x, y) != WHITE)
                return true;
        return false;
    }
    TStepobjtool* Tool() { return dynamic_cast<TStepobjtool*>(client->CurrentTool()); }
    // The device point of a model point (one logical unit a pixel).
    TPoint At(int x, int y) { return Child().DevicePointOf({x, y}); }
    int LinesOn(const std::vector<std::unique_ptr<TObject>>& stored, int floor)
    {
        return int(std::count_if(stored.begin(), stored.end(), [floor](const auto& object) {
            return object->floor == floor && object->typeCode == TYPE_LINE;
        }));
    }
    // A metric drawing of two floors, then Stairs Internal with the dialog's answer.
    void StartStairs(const std::string& answer = "dialog 2550 ok")
    {
        NewDrawing("HOUSE");
        AddExternalWall(FIRST_FLOOR);
        Answer(answer);
        Command(CM_STAIRS);
    }
};

TEST_F(StairsWindowTest, OneFloorIsRefused)
{
    NewDrawing("HOUSE");
    AddExternalWall(GROUND_FLOOR);
    const TDrawingtool* before = client->CurrentTool();
    Answer("message ok");
    Command(CM_STAIRS);
    EXPECT_EQ(lines, std::vector<std::string>{"message STAIRS | You only have one floor"});
    EXPECT_EQ(client->CurrentTool(), before);
}

TEST_F(StairsWindowTest, TheSecondFloorHasNoFloorAbove)
{
    NewDrawing("HOUSE");
    AddExternalWall(FIRST_FLOOR);
    AddExternalWall(SECOND_FLOOR);
    client->ShowFloor(SECOND_FLOOR);
    frame.ProcessEvents();
    Answer("message ok");
    Command(CM_STAIRS);
    EXPECT_EQ(lines, std::vector<std::string>{"message STAIRS | There is no floor above this one"});
    EXPECT_EQ(Tool(), nullptr);

    // From the first floor the second is the floor above.
    client->ShowFloor(FIRST_FLOOR);
    frame.ProcessEvents();
    Answer("dialog 2550 ok");
    Command(CM_STAIRS);
    ASSERT_NE(Tool(), nullptr);
    EXPECT_EQ(Tool()->outcome, TStairsOutcome::Ready);
}

TEST_F(StairsWindowTest, TheCommandWritesTheDrawingAndHandsTheDialogsStairToTheTool)
{
    NewDrawing("HOUSE");
    AddExternalWall(FIRST_FLOOR);
    // An object the file does not hold yet is written before the dialog opens.
    auto line = std::make_unique<TLineobj>();
    line->floor = GROUND_FLOOR;
    line->x1 = 100;
    line->y1 = 100;
    line->x2 = 900;
    line->y2 = 100;
    objects().Add(line.release());
    const int count = objects().count();
    Answer("dialog 2550 set 2551 1000 set 2560 3000 check 2553 check 2557 ok");
    Command(CM_STAIRS);
    EXPECT_EQ(int(ReadBack("HOUSE").size()), count);

    ASSERT_NE(Tool(), nullptr);
    EXPECT_EQ(Tool()->kind, KIND_STAIRS);
    EXPECT_EQ(&client->Family(), &StairsFamily());
    EXPECT_EQ(client->ToolName(), "STAIRS/WELLS");
    EXPECT_EQ(client->Prompt(), STAIRS_PROMPT);
    EXPECT_EQ(client->helpContext, 280);
    EXPECT_EQ(Tool()->active, 1);
    EXPECT_EQ(Tool()->topDirection(), STAIRS_BOTTOM);
    EXPECT_EQ(Tool()->storeyHeight(), 3000);
    EXPECT_EQ(Tool()->stairMode(), STAIRS_STRAIGHT_FLIGHT);
    EXPECT_EQ(Tool()->stairWidth, 1000);
    EXPECT_EQ(Tool()->stairwellLength(), 2000);
    EXPECT_EQ(Tool()->treadCount, 3000 / 170 - 1);
}

TEST_F(StairsWindowTest, ImperialStairsAreInTwentyFourthsOfAnInch)
{
    NewDrawing("HOUSE", false);
    AddExternalWall(FIRST_FLOOR);
    Answer("dialog 3080 ok");
    Command(CM_STAIRS);
    ASSERT_NE(Tool(), nullptr);
    EXPECT_EQ(Tool()->stairWidth, 864);
    EXPECT_EQ(Tool()->stairwellLength(), 2016);
    EXPECT_EQ(Tool()->storeyHeight(), 2448);
    EXPECT_EQ(Tool()->riserHeight, 168);
    EXPECT_EQ(Tool()->stairRun, 6 * 240 + 864);
}

TEST_F(StairsWindowTest, ACancelledDialogReturnsToThePickTool)
{
    StartStairs("dialog 2550 cancel");
    EXPECT_EQ(Tool(), nullptr);
    EXPECT_EQ(client->ToolName(), "Pick Tool");
}

TEST_F(StairsWindowTest, ARiserOfZeroIsRefusedNamingTheFile)
{
    WriteSettings("STAIRSM.CFG", "0 250");
    NewDrawing("HOUSE");
    AddExternalWall(FIRST_FLOOR);
    Answer("dialog 2550 ok");
    Answer("message ok");
    Command(CM_STAIRS);
    EXPECT_EQ(lines, std::vector<std::string>{
                         "message STAIRS | The riser height and tread width in CFG/STAIRSM.CFG must both be above 0"});
    EXPECT_EQ(Tool(), nullptr);
    EXPECT_EQ(client->ToolName(), "Pick Tool");
}

TEST_F(StairsWindowTest, ARiserThatLeavesNoTreadsIsRefusedNamingTheFile)
{
    WriteSettings("STAIRSM.CFG", "1300 250");
    NewDrawing("HOUSE");
    AddExternalWall(FIRST_FLOOR);
    const int count = objects().count();
    Answer("dialog 2550 ok");
    Answer("message ok");
    Command(CM_STAIRS);
    EXPECT_EQ(lines, std::vector<std::string>{"message STAIRS | A riser height of 1300 in CFG/STAIRSM.CFG leaves no "
                                              "treads in this storey - make the riser height smaller"});
    EXPECT_EQ(Tool(), nullptr);
    EXPECT_EQ(objects().count(), count);
}

TEST_F(StairsWindowTest, AFailedWriteOfTheDrawingStopsTheCommand)
{
    NewDrawing("HOUSE");
    AddExternalWall(FIRST_FLOOR);
    FailNextWrites(1);
    Answer("message ok");
    Command(CM_STAIRS);
    FailNextWrites(0);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_NE(lines[0].find("DWGS/HOUSE.DB0 could not be written"), std::string::npos) << lines[0];
    EXPECT_EQ(Tool(), nullptr);
}

TEST_F(StairsWindowTest, TheOutlineFollowsTheMouseOnlyWhileThePreviewIsOn)
{
    StartStairs();
    // Return landing, top tread at the left: the outline runs from (X, Y + 900) to
    // (X + 2400, Y - 900).
    MoveTo(At(2000, 2500));
    const TPoint topEdge = At(3000, 3400);
    EXPECT_TRUE(DottedRowAt(topEdge));
    EXPECT_EQ(Tool()->x1, 2000);
    EXPECT_EQ(Tool()->y1, 2500);
    // The outline moves with the mouse.
    MoveTo(At(2500, 2500));
    EXPECT_FALSE(DottedRowAt(At(2200, 3400)));
    EXPECT_TRUE(DottedRowAt(At(4700, 3400)));

    // A click places nothing and keeps the preview.
    const int count = objects().count();
    Child().EvLButtonDown(At(1000, 1000));
    Child().EvLButtonUp(At(1000, 1000));
    frame.ProcessEvents();
    EXPECT_EQ(objects().count(), count);
    EXPECT_EQ(Tool()->active, 1);

    // With the preview off the mouse no longer reaches the tool.
    Tool()->active = 0;
    MoveTo(At(1000, 1000));
    EXPECT_EQ(Tool()->x1, 2500);
}

TEST_F(StairsWindowTest, EnterPlacesTheStairOnBothFloorsAndRepaintsTheWholeWindow)
{
    StartStairs("dialog 2550 check 2553 ok");
    MoveTo(At(1000, 2500));
    const TPoint oldOutline = At(1000, 2500);
    ASSERT_TRUE(DottedColumnAt(oldOutline));
    // The stair goes where the cursor is when ENTER comes, not where the outline was drawn.
    Window().PlaceCursor(At(2000, 2500));
    const int paints = Window().PaintCount();
    Key(VK_ENTER);
    EXPECT_GT(Window().PaintCount(), paints);
    EXPECT_EQ(Window().DirtyArea().IsEmpty(), true);

    EXPECT_EQ(Tool(), nullptr);
    EXPECT_EQ(client->ToolName(), "Pick Tool");
    EXPECT_EQ(state().currentFloor, GROUND_FLOOR);
    EXPECT_EQ(Window().Caption(), "HOUSE.PLN");

    // Straight flight, top tread at the left: 14 treads along +x, the floor above a stairwell of
    // 2000 with 8.
    const auto stored = ReadBack("HOUSE");
    EXPECT_EQ(LinesOn(stored, GROUND_FLOOR), 4 + 14);
    EXPECT_EQ(LinesOn(stored, FIRST_FLOOR), 4 + 8);

    // The repaint shows the stair and no trace of the outline drawn at the first point.
    const TPoint tread = At(2250, 2500);
    EXPECT_EQ(Pixel(tread.x, tread.y), BLACK);
    EXPECT_FALSE(DottedColumnAt(oldOutline));
    // The floor above shows its stairwell.
    client->ShowFloor(FIRST_FLOOR);
    frame.ProcessEvents();
    const TPoint well = At(3000, 2950);
    EXPECT_EQ(Pixel(well.x, well.y), BLACK);
    const TPoint beyond = At(4250, 2500);
    EXPECT_EQ(Pixel(beyond.x, beyond.y), WHITE);
}

TEST_F(StairsWindowTest, AnotherToolTakesTheOutlineOffTheScreen)
{
    StartStairs();
    MoveTo(At(2000, 2500));
    const TPoint topEdge = At(3000, 3400);
    ASSERT_TRUE(DottedRowAt(topEdge));
    Command(CM_LINE);
    EXPECT_FALSE(DottedRowAt(topEdge));
}

TEST_F(StairsWindowTest, TheWindowRunsTheStairsDialogByItsCode)
{
    StartStairs("dialog 2550 cancel");
    auto tool = std::make_unique<TStepobjtool>();
    tool->kind = KIND_STAIRS;
    client->InstallTool(std::move(tool), StairsFamily());
    Answer("dialog 2550 check 2554 ok");
    Child().RunMultilineOrStairsDialog(10);
    ASSERT_NE(Tool(), nullptr);
    EXPECT_EQ(Tool()->topDirection(), STAIRS_TOP);
    EXPECT_EQ(Tool()->active, 1);
    EXPECT_EQ(client->Prompt(), STAIRS_PROMPT);
}

}  // namespace
