// The drawing window around Expand and Shrink Floorplan: the side and guide line of an arrow key,
// ENTER's cut point and distance prompt (Cancel waits for another ENTER), the resize with its
// renewed dimensions, area and pick tool, and the refusals that leave the drawing as it was.
#include "tests/app/appfixture.h"

#include "model/extwallobj.h"
#include "model/infoobj.h"
#include "model/roomobj.h"
#include "model/textobj.h"
#include "model/typecodes.h"
#include "tools/drawingtool.h"

#include <algorithm>

namespace {

constexpr TColor WHITE = MakeColour(255, 255, 255);

class PlanResizeWindowTest : public AppTest {
protected:
    void KeyAt(int key, TPoint device)
    {
        Window().PlaceCursor(device);
        Key(key);
    }
    void Key(int key)
    {
        Child().EvKeyDown(key);
        frame.ProcessEvents();
    }
    TDrawingtool& Tool() { return *client->CurrentTool(); }

    // The 4000 x 3000 cavity outline typed from the keyboard and dimensioned: centred on the sheet
    // (centre 2500, 1750) it runs from (500, 250) to (4500, 3250), walls at indices 4..7.
    void DimensionedHouse(bool metric = true)
    {
        NewDrawing("HOUSE", metric);
        KeyAt(VK_ENTER, {100, 40});  // model (500, 3300)
        const char* lengths[] = {"4000", "3000", "4000", "3000"};
        const int keys[] = {VK_RIGHT, VK_DOWN, VK_LEFT, VK_UP};
        for (int i = 0; i < 4; ++i) {
            if (metric) {
                Answer(std::string("input ") + lengths[i]);
            } else {
                // 13' 1 1/2" and 9' 10 1/8", as near 4000 and 3000 mm as the feet prompt gives.
                Answer(i % 2 == 0 ? "dialog 9500 set 9501 13 set 9502 1 set 9503 1 set 9504 2 ok"
                                  : "dialog 9500 set 9501 9 set 9502 10 set 9503 1 set 9504 8 ok");
            }
            Key(keys[i]);
        }
        Command(CM_AUTODIMENSIONS);
        lines.clear();
    }

    const TExtwallobj& Wall(int index) { return dynamic_cast<const TExtwallobj&>(*objects()[index]); }

    std::vector<std::string> DimensionTexts()
    {
        std::vector<std::string> texts;
        for (const auto& object : objects().Items())
            if (object->typeCode == TYPE_DIMENSION_TEXT)
                texts.push_back(static_cast<const TTextobj&>(*object).text);
        return texts;
    }

    std::string Walls()
    {
        std::string out;
        for (int i = 4; i < 8; ++i)
            out += DumpObject(i, *objects()[i]) + "\n";
        return out;
    }

    int FloorArea()
    {
        const int index = objects().FindByType(FloorRecordType(GROUND_FLOOR)).value();
        return dynamic_cast<const TInfoobj&>(*objects()[index]).infoValue;
    }

    std::string DrawingFile()
    {
        std::string text;
        EXPECT_TRUE(ReadTextFile(objects().DrawingPath(), text));
        return text;
    }

    // The device point of a model point (one logical unit a pixel, y down from 700).
    static TPoint At(int x, int y) { return {x / 5, 700 - y / 5}; }
};

TEST_F(PlanResizeWindowTest, TheCommandsInstallTheResizeToolWithItsTexts)
{
    DimensionedHouse();
    Command(CM_EXPANDFLOORPLAN);
    EXPECT_EQ(Tool().kind, KIND_PLAN_RESIZE);
    EXPECT_EQ(Tool().step, STEP_PLAN_ENLARGE);
    EXPECT_EQ(Tool().lineDrawn, 0);
    EXPECT_EQ(client->ToolName(), "Enlarge Floor Plan");
    EXPECT_EQ(client->Prompt(), "press ARROW key of direction to expand floor plan");
    EXPECT_EQ(client->helpContext, 250);

    Command(CM_SHRINKFLOORPLAN);
    EXPECT_EQ(Tool().step, STEP_PLAN_SHRINK);
    EXPECT_EQ(client->ToolName(), "Shrink Floor Plan");
    EXPECT_EQ(client->Prompt(),
              "WARNING press F1 first if unsure -press ARROW key of direction to shrink floor plan");
    Key(VK_F1);
    EXPECT_EQ(lines, std::vector<std::string>{"help 250"});
}

TEST_F(PlanResizeWindowTest, AnArrowChoosesTheSideAndTheGuideLineFollowsTheCursor)
{
    DimensionedHouse();
    Command(CM_EXPANDFLOORPLAN);
    KeyAt(VK_UP, At(2500, 1750));
    EXPECT_EQ(Tool().objectIndex, 1);
    EXPECT_EQ(Tool().markerCode, 2);
    EXPECT_EQ((std::array<int, 2>{Tool().lineDrawn, Tool().active}), (std::array<int, 2>{1, 1}));
    EXPECT_EQ(client->Prompt(), "move cursor,press ENTER when line is at position to expand from");
    // The side is chosen once.
    Key(VK_LEFT);
    EXPECT_EQ(Tool().objectIndex, 1);

    Command(CM_SHRINKFLOORPLAN);
    KeyAt(VK_LEFT, At(2500, 1750));
    EXPECT_EQ(Tool().objectIndex, 4);
    EXPECT_EQ(Tool().markerCode, 1);
    EXPECT_EQ(client->Prompt(), "move cursor,press ENTER when line is at position to shrink from");
    // A vertical guide through the cursor, taken off by the repaint that ends the command.
    Child().EvMouseMove({300, 350});
    frame.ProcessEvents();
    EXPECT_EQ(Tool().markerState, 2);
    EXPECT_NE(Pixel(300, 10), WHITE);
    // The buttons do not commit the tool's segment as a wall.
    const int count = objects().count();
    Child().EvLButtonDown({300, 350});
    Child().EvLButtonUp({320, 360});
    frame.ProcessEvents();
    EXPECT_EQ(objects().count(), count);
    Answer("input cancel");
    KeyAt(VK_ENTER, {300, 350});
    EXPECT_NE(Pixel(300, 10), WHITE);
    client->SetPickTool();
    frame.ProcessEvents();
    EXPECT_EQ(Pixel(300, 10), WHITE);
}

TEST_F(PlanResizeWindowTest, EnlargeThenShrinkBackAcrossAVerticalCut)
{
    DimensionedHouse();
    const std::string before = Walls();
    ASSERT_EQ(Wall(4).x1, 500);  // the top wall, then the right, bottom and left walls

    Command(CM_EXPANDFLOORPLAN);
    KeyAt(VK_RIGHT, At(2500, 1750));
    Answer("input 1000");
    const int edits = objects().EditCount();
    KeyAt(VK_ENTER, At(2500, 1750));
    // The resize, centring, dimensions, area and title are one change of the drawing.
    EXPECT_EQ(objects().EditCount(), edits + 1);
    const auto& shown = frame.Scripted().InputsShown();
    ASSERT_FALSE(shown.empty());
    EXPECT_EQ(shown.back().title, "EXPAND BASE BY");
    EXPECT_EQ(shown.back().prompt, "");
    EXPECT_EQ(shown.back().text, "0");

    // 5000 wide, centred again: from x 0 to 5000.
    EXPECT_EQ((std::array<int, 4>{Wall(4).x1, Wall(4).x2, Wall(4).groupId, Wall(5).groupId}),
              (std::array<int, 4>{0, 5000, 5000, 3000}));
    EXPECT_EQ(Wall(6).groupId, 5000);
    const std::vector<std::string> texts = DimensionTexts();
    EXPECT_EQ(std::count(texts.begin(), texts.end(), "5000"), 2);
    EXPECT_EQ(std::count(texts.begin(), texts.end(), "4000"), 0);
    EXPECT_EQ(FloorArea(), 15);
    EXPECT_EQ(Tool().kind, KIND_PICK);
    EXPECT_TRUE(lines.empty());

    // A repaint reads back what was shown.
    const std::string resized = Walls();
    Child().Refresh(0);
    frame.ProcessEvents();
    EXPECT_EQ(Walls(), resized);

    Command(CM_SHRINKFLOORPLAN);
    KeyAt(VK_RIGHT, At(2500, 1750));
    Answer("input 1000");
    KeyAt(VK_ENTER, At(2500, 1750));
    EXPECT_EQ(shown.back().title, "SHRINK BASE BY");
    EXPECT_EQ(shown.back().text, "0");  // no design rooms
    EXPECT_EQ(Walls(), before);
    EXPECT_EQ(FloorArea(), 12);
    EXPECT_EQ(Tool().kind, KIND_PICK);
}

// In a zoomed view the view moves with the plan that the resize centres again, so the wall not
// moved by the resize stays where it was in the window.
TEST_F(PlanResizeWindowTest, AZoomedViewMovesWithThePlanCentredAgain)
{
    DimensionedHouse();
    Command(CM_ZOOMUP);
    DragModel({1500, 1000}, {4000, 2750});
    ASSERT_EQ(state().viewExtX, 500);
    const TPoint corner = Child().DevicePointOf({500, 250});
    Command(CM_EXPANDFLOORPLAN);
    KeyAt(VK_RIGHT, At(2500, 1750));
    Answer("input 1000");
    KeyAt(VK_ENTER, At(2500, 1750));
    ASSERT_EQ(Wall(4).x1, 0);
    EXPECT_EQ(Child().DevicePointOf({0, 250}), corner);
    EXPECT_EQ(state().viewExtX, 500);
}

TEST_F(PlanResizeWindowTest, CancelWaitsForAnotherEnter)
{
    DimensionedHouse();
    Command(CM_EXPANDFLOORPLAN);
    KeyAt(VK_DOWN, At(2500, 1750));
    Answer("input cancel");
    KeyAt(VK_ENTER, At(2500, 1750));
    EXPECT_EQ(Tool().kind, KIND_PLAN_RESIZE);
    EXPECT_EQ(Tool().lineDrawn, 1);
    EXPECT_EQ(Wall(4).y1, 3250);

    Answer("input 500");
    KeyAt(VK_ENTER, At(2500, 1750));
    EXPECT_EQ(Wall(5).groupId, 3500);
    EXPECT_EQ(Tool().kind, KIND_PICK);
}

TEST_F(PlanResizeWindowTest, ADistanceOutOfRangeIsToldAndEndsTheCommand)
{
    DimensionedHouse();
    const std::string file = DrawingFile();
    Command(CM_EXPANDFLOORPLAN);
    KeyAt(VK_RIGHT, At(2500, 1750));
    Answer("input 40000");
    Answer("message ok");
    KeyAt(VK_ENTER, At(2500, 1750));
    EXPECT_EQ(lines, std::vector<std::string>{"message EXPAND BASE BY | Enter a whole number of millimetres from 1 to 32766"});
    EXPECT_EQ(Tool().kind, KIND_PICK);
    EXPECT_EQ(DrawingFile(), file);
}

TEST_F(PlanResizeWindowTest, ARefusedShrinkSaysWhyAndLeavesTheFileAsItWas)
{
    DimensionedHouse();
    const std::string file = DrawingFile();
    Command(CM_SHRINKFLOORPLAN);
    KeyAt(VK_RIGHT, At(4700, 1750));  // right of the plan: no wall beyond
    Answer("input 500");
    Answer("message ok");
    KeyAt(VK_ENTER, At(4700, 1750));
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].rfind("message SHRINK FLOOR PLAN | The guide line must lie inside the plan", 0), 0u) << lines[0];
    EXPECT_EQ(Tool().kind, KIND_PICK);
    EXPECT_EQ(DrawingFile(), file);
}

TEST_F(PlanResizeWindowTest, AShrinkWithoutDimensionsAsksForThemFirst)
{
    NewDrawing("HOUSE");
    KeyAt(VK_ENTER, {100, 40});
    for (auto [length, key] : {std::pair{"4000", VK_RIGHT}, {"3000", VK_DOWN}, {"4000", VK_LEFT}, {"3000", VK_UP}}) {
        Answer(std::string("input ") + length);
        Key(key);
    }
    lines.clear();
    const std::string file = DrawingFile();
    Command(CM_SHRINKFLOORPLAN);
    KeyAt(VK_RIGHT, At(2500, 2000));
    Answer("input 500");
    Answer("message ok");
    KeyAt(VK_ENTER, At(2500, 2000));
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_NE(lines[0].find("run OTHER/AUTO DIMENSIONS first"), std::string::npos) << lines[0];
    EXPECT_EQ(DrawingFile(), file);
}

TEST_F(PlanResizeWindowTest, AShrinkProposesTheFreeSpaceToTheDesignRooms)
{
    DimensionedHouse();
    auto room = std::make_unique<TRoomobj>();
    room->floor = GROUND_FLOOR;
    room->x1 = 800;
    room->y1 = 3000;
    room->x2 = 3500;
    room->y2 = 500;
    TDrawingEdit edit(objects());
    edit.Add(std::move(room));
    edit.Commit();

    Command(CM_SHRINKFLOORPLAN);
    KeyAt(VK_RIGHT, At(2500, 1750));
    Child().EvMouseMove(At(2500, 2000));
    Answer("input cancel");
    KeyAt(VK_ENTER, At(2500, 1750));
    // The bottom wall starts at x 4500; less the wall's 275 and the room's right side at 3500.
    EXPECT_EQ(frame.Scripted().InputsShown().back().text, "725");
    // The guide line keeps its place for the next ENTER.
    EXPECT_EQ(Tool().lineAux2, 400);
}

TEST_F(PlanResizeWindowTest, ImperialDistancesComeFromTheFeetPrompt)
{
    DimensionedHouse(false);
    const int width = Wall(4).groupId;
    Command(CM_EXPANDFLOORPLAN);
    KeyAt(VK_RIGHT, At(2500, 1750));
    Answer("dialog 9500 set 9501 2 set 9502 6 ok");  // 2' 6" = 720 units
    KeyAt(VK_ENTER, At(2500, 1750));
    EXPECT_EQ(Wall(4).groupId, width + 720);
    EXPECT_EQ(Tool().kind, KIND_PICK);
}

}  // namespace
