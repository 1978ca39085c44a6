// The drawing window around the window tool: Window & Extnl Doors with its dialogs by the type
// chosen, the datum at the walls' top left corner, the preview fed by mouse moves only while the
// tool waits for its ENTER, ENTER with the messages of a refusal and the pick tool after it, the
// tool built for kind 2000, and Customise/Default Doors.
#include "tests/app/appfixture.h"

#include "app/families/windowfamily.h"
#include "app/toolfamily.h"
#include "model/polyobj.h"
#include "openings/windowobjtool.h"

namespace {

constexpr TColor WHITE = MakeColour(255, 255, 255);
constexpr TColor BLACK = MakeColour(0, 0, 0);
const std::string DATUM_PROMPT = "cursor distance is from DATUM at top left external wall corner";

class WindowWindowTest : public AppTest {
protected:
    void Key(int key)
    {
        Child().EvKeyDown(key);
        frame.ProcessEvents();
    }
    void KeyAt(int key, TPoint device)
    {
        Window().PlaceCursor(device);
        Key(key);
    }
    void MoveTo(TPoint device)
    {
        Window().PlaceCursor(device);
        Child().EvMouseMove(device);
        frame.ProcessEvents();
    }
    TWindowobjtool* Tool() { return dynamic_cast<TWindowobjtool*>(client->CurrentTool()); }
    // Device point of a model point at 5 mm a pixel.
    TPoint At(int x, int y) { return Child().DevicePointOf({x, y}); }

    // The 4000 x 3000 cavity outline typed clockwise from (500, 3300).
    void Outline()
    {
        NewDrawing("HOUSE");
        KeyAt(VK_ENTER, At(500, 3300));
        for (auto [length, key] : {std::pair{"4000", VK_RIGHT}, {"3000", VK_DOWN}, {"4000", VK_LEFT}, {"3000", VK_UP}}) {
            Answer(std::string("input ") + length);
            Key(key);
        }
        ASSERT_EQ(objects().count(), 8);
    }
    // Window & Extnl Doors with the answers of its dialogs, the window dialog's first.
    void WindowCommand(std::initializer_list<std::string> answers)
    {
        for (const std::string& answer : answers)
            Answer(answer);
        Command(CM_WINDOW);
    }
};

TEST_F(WindowWindowTest, AWindowIsSetUpWithTheDatumAtTheTopLeftWallCorner)
{
    Outline();
    WindowCommand({"dialog 6500 set 6501 900 set 6502 1200 check 6508 ok"});
    ASSERT_NE(Tool(), nullptr);
    EXPECT_EQ(Tool()->kind, KIND_WINDOW);
    EXPECT_EQ(Tool()->active, 1);
    EXPECT_EQ(Tool()->openingWidth, 900);
    EXPECT_EQ(client->ToolName(), "Window");
    EXPECT_EQ(client->Prompt(), DATUM_PROMPT);
    EXPECT_EQ(client->helpContext, 290);
    EXPECT_EQ(&client->Family(), &WindowFamily());
    EXPECT_EQ(Child().datumMode, DATUM_SET);
    EXPECT_EQ(Child().datumX, 500);
    EXPECT_EQ(Child().datumY, 3300);
    EXPECT_EQ(frame.Scripted().PendingAnswers(), 0u);
}

TEST_F(WindowWindowTest, ACancelledDialogEndsTheCommandWithThePickTool)
{
    Outline();
    WindowCommand({"dialog 6500 cancel"});
    EXPECT_EQ(client->ToolName(), "Pick Tool");

    // The door dialog that follows a single door, and the main entry's dialogs, end it too.
    WindowCommand({"dialog 6500 check 6512 ok", "dialog 10500 cancel"});
    EXPECT_EQ(client->ToolName(), "Pick Tool");
    WindowCommand({"dialog 6500 check 6510 ok", "dialog 6000 cancel"});
    EXPECT_EQ(client->ToolName(), "Pick Tool");
    WindowCommand({"dialog 6500 check 6510 ok", "dialog 6000 check 6002 ok", "dialog 10500 cancel"});
    EXPECT_EQ(client->ToolName(), "Pick Tool");
    EXPECT_EQ(frame.Scripted().PendingAnswers(), 0u);
}

TEST_F(WindowWindowTest, ASingleDoorTakesTheDoorDialogsWidthAndCode)
{
    Outline();
    // The window dialog's 820 is offered; the door dialog makes it 880 with code 5.
    WindowCommand({"dialog 6500 set 6501 820 check 6512 ok", "dialog 10500 set 10501 880 check 10505 ok"});
    ASSERT_NE(Tool(), nullptr);
    EXPECT_EQ(Tool()->step, 5);
    EXPECT_EQ(Tool()->doorCode, 5);
    EXPECT_EQ(Tool()->openingWidth, 880);
    EXPECT_EQ(client->ToolName(), "external door");
    EXPECT_EQ(ReadWholeFile(Path("CFG/WIND.CFG")).substr(0, 6), "6 880 ");
}

TEST_F(WindowWindowTest, ToolNamesByType)
{
    Outline();
    WindowCommand({"dialog 6500 check 6513 ok"});
    EXPECT_EQ(client->ToolName(), "French doors");
    WindowCommand({"dialog 6500 check 6514 ok"});
    EXPECT_EQ(client->ToolName(), "French doors");
    WindowCommand({"dialog 6500 check 6515 ok"});
    EXPECT_EQ(client->ToolName(), "garage door");
    WindowCommand({"dialog 6500 check 6511 ok"});
    EXPECT_EQ(client->ToolName(), "Window");
}

TEST_F(WindowWindowTest, ASingleEntryDoorRewritesTheEntryWidth)
{
    Outline();
    WindowCommand({"dialog 6500 set 6501 1800 check 6510 ok", "dialog 6000 set 6001 850 check 6002 check 6006 ok",
                   "dialog 10500 set 10501 910 check 10504 ok"});
    EXPECT_EQ(Tool()->step, 6);
    EXPECT_EQ(ReadWholeFile(Path("CFG/ENTRY.CFG")), "910 0 0 1 0 b n n");
    EXPECT_EQ(Tool()->openingWidth, 1800);

    // Two doors: no door dialog, the frame as the entry dialog wrote it.
    WindowCommand({"dialog 6500 set 6501 1800 check 6510 ok", "dialog 6000 set 6001 800 check 6003 ok"});
    EXPECT_EQ(Tool()->step, 0);
    EXPECT_EQ(ReadWholeFile(Path("CFG/ENTRY.CFG")), "800 0 0 2 0 l n n");
}

TEST_F(WindowWindowTest, ThePreviewFollowsTheMouseOnlyWhileTheToolWaitsForEnter)
{
    Outline();
    WindowCommand({"dialog 6500 set 6501 1000 set 6502 1200 check 6508 ok"});
    const TPoint centre = At(2500, 2000);
    MoveTo(centre);
    ASSERT_TRUE(Tool()->previewShown);
    // The dotted circle's cross: its vertical diameter passes the centre's column.
    const TPoint onCross = At(2500, 2300);
    EXPECT_EQ(Pixel(onCross.x, onCross.y), BLACK);
    MoveTo(At(3000, 2000));
    EXPECT_EQ(Pixel(onCross.x, onCross.y), WHITE);
    EXPECT_EQ(Tool()->x1, 3000);

    // ENTER away from the walls: the preview goes, both messages, then the pick tool.
    Answer("message ok");
    Answer("message ok");
    KeyAt(VK_ENTER, At(3000, 2000));
    const std::vector<std::string> expected{"message Marking Error - Please Retry | No wall marked",
                                            "message WRONG DOOR POSITION | Incorrect door for that positionl"};
    EXPECT_EQ(std::vector<std::string>(lines.end() - 2, lines.end()), expected);
    EXPECT_EQ(client->ToolName(), "Pick Tool");
    const TPoint onNewCross = At(3000, 2300);
    EXPECT_EQ(Pixel(onNewCross.x, onNewCross.y), WHITE);
    EXPECT_EQ(objects().count(), 8);
}

TEST_F(WindowWindowTest, MovesDoNotReachAToolThatIsNotWaiting)
{
    Outline();
    client->SetToolForKind(KIND_WINDOW);
    ASSERT_NE(Tool(), nullptr);
    EXPECT_EQ(&client->Family(), &WindowFamily());
    EXPECT_FALSE(WindowFamily().WantsMouseMove(*Tool()));
    MoveTo(At(2500, 2000));
    EXPECT_FALSE(Tool()->previewShown);
    EXPECT_EQ(Tool()->x1, 0);

    // A tool that never had its dialogs places nothing: its width is refused.
    Answer("message ok");
    KeyAt(VK_ENTER, At(2500, 3300));
    EXPECT_EQ(lines.back(), "message WINDOW | The width must be at least 1");
    EXPECT_EQ(client->ToolName(), "Pick Tool");
    EXPECT_EQ(objects().count(), 8);
}

TEST_F(WindowWindowTest, EnterOnAWallPlacesTheWindowAndRepaintsItFromTheFile)
{
    Outline();
    WindowCommand({"dialog 6500 set 6501 1000 set 6502 1200 uncheck 6504 check 6508 ok"});
    MoveTo(At(2500, 3250));
    KeyAt(VK_ENTER, At(2500, 3300));
    EXPECT_EQ(client->ToolName(), "Pick Tool");
    ASSERT_EQ(objects().count(), 10);
    const auto& polygon = dynamic_cast<const TPolyobj&>(*objects()[8]);
    EXPECT_EQ(polygon.vertexX[0], 3000);
    EXPECT_EQ(polygon.vertexY[0], 3300);
    // In the opening the wall's first line (110 in) is hidden; beside it the line stays.
    const TPoint inOpening = At(2700, 3190);
    const TPoint beside = At(3200, 3190);
    EXPECT_EQ(Pixel(inOpening.x, inOpening.y), WHITE);
    EXPECT_EQ(Pixel(beside.x, beside.y), BLACK);
    const auto stored = ReadBack("HOUSE");
    ASSERT_EQ(stored.size(), 10u);
    EXPECT_EQ(stored[8]->typeCode, 100);
    EXPECT_EQ(stored[9]->typeCode, 11);
}

TEST_F(WindowWindowTest, ClicksServeOnlyCentre)
{
    Outline();
    WindowCommand({"dialog 6500 set 6501 1000 set 6502 1200 check 6508 ok"});
    MoveTo(At(2500, 2000));
    // A plain click neither places nor stops the preview.
    Child().EvLButtonDown(At(1000, 1000));
    Child().EvLButtonUp(At(1000, 1000));
    EXPECT_EQ(Tool()->active, 1);
    EXPECT_EQ(objects().count(), 8);
    // CENTRE between two clicks puts the preview and the cursor halfway.
    Command(CM_CENTRE);
    Child().EvLButtonDown(At(1000, 3300));
    Child().EvLButtonDown(At(4000, 3300));
    EXPECT_EQ(Tool()->x1, 2500);
    EXPECT_EQ(Tool()->y1, 3300);
    EXPECT_EQ(Window().CursorPos(), At(2500, 3300));
    KeyAt(VK_ENTER, Window().CursorPos());
    EXPECT_EQ(objects().count(), 11);
}

TEST_F(WindowWindowTest, AnotherToolTakesThePreviewOffTheScreen)
{
    Outline();
    WindowCommand({"dialog 6500 set 6501 1000 set 6502 1200 check 6508 ok"});
    MoveTo(At(2500, 2000));
    const TPoint onCross = At(2500, 2300);
    ASSERT_EQ(Pixel(onCross.x, onCross.y), BLACK);
    client->SetPickTool();
    EXPECT_EQ(Pixel(onCross.x, onCross.y), WHITE);
}

TEST_F(WindowWindowTest, DefaultDoorsRunsItsDialogOverTheWindowOrTheClient)
{
    Answer("dialog 5400 set 5410 850 set 5411 34 check 5405 ok");
    Command(CM_DEFAULTDOORS);
    EXPECT_EQ(ReadWholeFile(Path("CFG/DOORSZE.CFG")), "850 816");
    EXPECT_EQ(ReadWholeFile(Path("CFG/INTERN.CFG")), "60 1 0.866025 0.500001");

    Outline();
    Answer("dialog 5400 check 5406 ok");
    Command(CM_DEFAULTDOORS);
    EXPECT_EQ(ReadWholeFile(Path("CFG/INTERN.CFG")), "90 1 1.000000 0.000001");
    EXPECT_EQ(frame.Scripted().PendingAnswers(), 0u);
}

}  // namespace
