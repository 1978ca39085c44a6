// The drawing window around the external-wall tool: the wall dialogs and the settings file they
// lead to, the length prompts of the arrow keys, angled input and the repaint of each new wall.
#include "tests/app/appfixture.h"

#include "model/drawingfile.h"
#include "model/extwallobj.h"
#include "model/object.h"
#include "tools/drawingtool.h"

#include <filesystem>
#include <utility>

namespace {

constexpr TColor WHITE = MakeColour(255, 255, 255);
constexpr TColor BLACK = MakeColour(0, 0, 0);

std::string DumpAll(const TList& list)
{
    std::string out;
    for (int i = 0; i < list.count(); ++i)
        out += DumpObject(i, *list[i]) + "\n";
    return out;
}

}  // namespace

class ExtWallWindowTest : public AppTest {
protected:
    // A key at a device point of the window, and what the event loop does afterwards.
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
    int Kind() const { return client->CurrentTool()->kind; }
    // Runs the external-wall command with the answers given first.
    void ExternalWalls(std::initializer_list<const char*> answers)
    {
        for (const char* answer : answers)
            Answer(answer);
        Command(CM_EXTWALL);
    }
};

TEST_F(ExtWallWindowTest, TheCustomWallAndTheSideGoToTheSettingsFileAndTheTool)
{
    // Fields 8 to 10 are kept as they were; the storeys are those of the unit system.
    std::filesystem::create_directories(Path("CFG"));
    WriteWholeFile(Path("CFG/EXTWALLM.CFG"), "1 2 3 4 5 6 7 8 9 10");
    Answer("dialog 2024 set 2027 HOUSE check 2026 ok");
    Answer("dialog 2480 ok");  // the custom wall is preset
    Answer("dialog 5300 set 5301 2 set 5302 300 ok");
    Answer("dialog 4200 check 4204 ok");
    Command(CM_FILENEW);
    EXPECT_EQ(ReadWholeFile(Path("CFG/EXTWALLM.CFG")), "300 0 0 25 2550 2400 2400 8 9 10");
    EXPECT_EQ(Kind(), 1000);
    EXPECT_EQ(client->CurrentTool()->objectIndex, 4);  // RIGHT of the main line
    EXPECT_EQ(client->CurrentTool()->step, 0);
    EXPECT_EQ(Child().markX, 0);
    EXPECT_EQ(frame.Scripted().PendingAnswers(), 0u);
}

TEST_F(ExtWallWindowTest, EveryFloorGetsTheStoreyFieldsOfTheUnitSystem)
{
    NewDrawing("COTTAGE", false);
    Command(CM_FIRSTFLOOR);
    ExternalWalls({"dialog 2900 check 2906 ok", "dialog 4200 check 4202 ok"});
    EXPECT_EQ(ReadWholeFile(Path("CFG/EXTWALLI.CFG")), "108 48 72 24 2328 2304 2304 0 0 0");
    EXPECT_EQ(client->CurrentTool()->objectIndex, 3);  // ABOVE
    EXPECT_EQ(client->ToolName(), "Ext. Walls");
    EXPECT_EQ(client->helpContext, 250);
}

TEST_F(ExtWallWindowTest, ACancelledWallDialogReturnsToThePickToolAndWritesNothing)
{
    NewDrawing("HOUSE");
    const std::string settings = ReadWholeFile(Path("CFG/EXTWALLM.CFG"));
    ExternalWalls({"dialog 2480 cancel"});
    EXPECT_EQ(Kind(), 21);
    ExternalWalls({"dialog 2480 ok", "dialog 5300 cancel"});
    EXPECT_EQ(Kind(), 21);
    ExternalWalls({"dialog 2480 check 2482 ok", "dialog 4200 cancel"});
    EXPECT_EQ(Kind(), 21);
    EXPECT_EQ(client->ToolName(), "Pick Tool");
    EXPECT_EQ(ReadWholeFile(Path("CFG/EXTWALLM.CFG")), settings);
    EXPECT_EQ(frame.Scripted().PendingAnswers(), 0u);
}

TEST_F(ExtWallWindowTest, WallSettingsThatCannotBeStoredEndTheWallsWithAMessage)
{
    // The wall tool builds from the settings file: walls of a type not stored would be wrong.
    NewDrawing("HOUSE");
    std::filesystem::remove(Path("CFG/EXTWALLM.CFG"));
    std::filesystem::create_directories(Path("CFG/EXTWALLM.CFG"));
    ExternalWalls({"dialog 2480 check 2482 ok", "dialog 4200 ok", "message ok"});
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0], "message Arkweld 4.0 | The settings file CFG/EXTWALLM.CFG could not be written: Is a directory");
    EXPECT_EQ(Kind(), 21);
    EXPECT_EQ(client->ToolName(), "Pick Tool");
}

TEST_F(ExtWallWindowTest, ArrowsAskNoLengthBeforeTheStartIsMarked)
{
    NewDrawing("HOUSE");
    // No answer is queued: a prompt would fail the test.
    KeyAt(VK_RIGHT, {100, 100});
    KeyAt(VK_DOWN, {100, 100});
    EXPECT_EQ(objects().count(), 4);
    EXPECT_EQ(Kind(), 1000);
}

TEST_F(ExtWallWindowTest, ACancelledOrOutOfRangeLengthDrawsNoWallAndInstallsThePickTool)
{
    NewDrawing("HOUSE");
    for (const std::string answer : {"input cancel", "input 0", "input 32767", "input wide", "input 2.500"}) {
        if (Kind() != 1000)
            ExternalWalls({"dialog 2480 check 2481 ok", "dialog 4200 ok"});
        KeyAt(VK_ENTER, {100, 100});
        Answer(answer);
        if (answer != "input cancel")
            Answer("message ok");
        lines.clear();
        Key(VK_RIGHT);
        if (answer != "input cancel") {
            EXPECT_EQ(lines, std::vector<std::string>{"message WALL LENGTH | Enter a whole number of millimetres from 1 to 32766"});
        }
        EXPECT_EQ(Kind(), 21) << answer;
        EXPECT_EQ(objects().count(), 4) << answer;
    }
    // The longest length taken.
    ExternalWalls({"dialog 2480 check 2481 ok", "dialog 4200 ok"});
    KeyAt(VK_ENTER, {100, 100});
    Answer("input 32766");
    Key(VK_RIGHT);
    ASSERT_EQ(objects().count(), 5);
    EXPECT_EQ(objects()[4]->groupId, 32766);
}

TEST_F(ExtWallWindowTest, ANewWallIsStoredAsWrittenAndShownAtOnce)
{
    NewDrawing("HOUSE");
    KeyAt(VK_ENTER, {100, 40});  // model (500, 3300)
    Answer("input 4000");
    Window().PlaceCursor({100, 40});
    Child().EvKeyDown(VK_RIGHT);
    // Before the window repaints: the wall in memory is the wall in the file.
    ASSERT_EQ(objects().count(), 5);
    std::string read;
    {
        auto back = ReadBack("HOUSE");
        for (std::size_t i = 0; i < back.size(); ++i)
            read += DumpObject(int(i), *back[i]) + "\n";
    }
    EXPECT_EQ(DumpAll(objects()), read);
    // The window repaints from the file once the key is handled, and the wall shows.
    EXPECT_TRUE(Window().HasPending());
    EXPECT_EQ(Pixel(500, 40), WHITE);
    frame.ProcessEvents();
    EXPECT_EQ(Pixel(500, 40), BLACK);
    // The cursor went to the wall's end: model (4500, 3300).
    EXPECT_EQ(Window().CursorPos(), (TPoint{900, 40}));
}

TEST_F(ExtWallWindowTest, TheProposedLengthIsTheDistanceToTheNextWallEnd)
{
    // An imperial outline whose closing wall takes the length offered: from the fourth wall's
    // start up to the first wall's start, 8' 3 3/4".
    NewDrawing("COTTAGE", false);
    KeyAt(VK_ENTER, {100, 100});  // model (500, 3000)
    Answer("dialog 9500 set 9501 12 set 9502 6 set 9503 1 set 9504 2 ok");
    Key(VK_RIGHT);
    Answer("dialog 9500 set 9501 8 set 9502 3 set 9503 3 set 9504 4 ok");
    Key(VK_DOWN);
    Answer("dialog 9500 set 9501 12 set 9502 6 set 9503 1 set 9504 2 ok");
    Key(VK_LEFT);
    Answer("dialog 9500 ok");
    Key(VK_UP);
    ASSERT_EQ(objects().count(), 8);
    EXPECT_EQ(objects()[4]->groupId, 3612);
    EXPECT_EQ(objects()[5]->groupId, 2394);
    EXPECT_EQ(objects()[7]->groupId, 2394);
    // Closed: the last wall ends at the first wall's start.
    EXPECT_EQ(objects()[7]->x2, objects()[4]->x1);
    EXPECT_EQ(objects()[7]->y2, objects()[4]->y1);
}

TEST_F(ExtWallWindowTest, AngledInputMovesTheCursorOnlyAndEnterEndsASlopedWall)
{
    NewDrawing("HOUSE");
    KeyAt(VK_ENTER, {200, 100});  // model (1000, 3000)
    Key('A');
    EXPECT_EQ(Child().markX, 50);
    // One pixel a key, no prompt (no answer is queued).
    Window().PlaceCursor({300, 500});
    Key(VK_RIGHT);
    Key(VK_RIGHT);
    Key(VK_DOWN);
    Key(VK_LEFT);
    Key(VK_UP);
    Key(VK_UP);
    EXPECT_EQ(Window().CursorPos(), (TPoint{301, 499}));
    EXPECT_EQ(objects().count(), 4);
    // The distance read-out measures from the wall's start.
    EXPECT_EQ(client->Distance(), "505,-1995");
    // The cursor stays in the window.
    Window().PlaceCursor({0, 0});
    Key(VK_LEFT);
    Key(VK_UP);
    EXPECT_EQ(Window().CursorPos(), (TPoint{0, 0}));

    // ENTER ends a sloped wall at the cursor: model (1505, 1005).
    KeyAt(VK_ENTER, {301, 499});
    ASSERT_EQ(objects().count(), 5);
    const TObject& wall = *objects()[4];
    EXPECT_EQ(wall.typeCode, 1000);
    EXPECT_EQ(wall.x2, 1505);
    EXPECT_EQ(wall.y2, 1005);
    EXPECT_EQ(static_cast<const TExtwallobj&>(wall).angle, 1658);

    Key('A');
    EXPECT_EQ(Child().markX, 0);
    Answer("input 1000");
    Key(VK_RIGHT);
    EXPECT_EQ(objects().count(), 6);

    // Every new window starts with angled input off.
    Key('A');
    NewDrawing("OTHER");
    EXPECT_EQ(Child().markX, 0);
}

TEST_F(ExtWallWindowTest, AnArrowAfterAStrayClickAsksForANewStart)
{
    NewDrawing("HOUSE");
    KeyAt(VK_ENTER, {100, 100});
    Answer("input 3000");
    Key(VK_RIGHT);
    ASSERT_EQ(objects().count(), 5);
    // A click clears the tool's start; the next arrow asks for Enter at a start, no length.
    Child().EvLButtonDown({300, 300});
    Child().EvLButtonUp({300, 300});
    client->SetPrompt("");
    Key(VK_DOWN);
    EXPECT_EQ(client->Prompt(),
              "Draw outer line of EXTERNAL walls, press ENTER on start point then use arrow keys for input");
    EXPECT_EQ(objects().count(), 5);
    EXPECT_EQ(Kind(), 1000);
    // Enter marks the new start and the walls go on from there.
    KeyAt(VK_ENTER, {700, 100});
    Answer("input 2000");
    Key(VK_DOWN);
    ASSERT_EQ(objects().count(), 6);
    EXPECT_EQ(objects()[5]->groupId, 2000);
}

TEST_F(ExtWallWindowTest, KeysThatBuildNoWallLeaveTheListAsTheFileHoldsIt)
{
    // The records in memory, formatted as the drawing file stores them, against the file's own
    // (the header line, with its id counter, aside).
    auto records = [this](const TList& list) {
        TFileHeader header;
        const TPoint centre = DrawingFileCentre(state().unitSystem);
        header.centreX = centre.x;
        header.centreY = centre.y;
        std::string text;
        EXPECT_TRUE(FormatDrawing(list, header, text));
        return text.substr(text.find('\n') + 1);
    };
    auto fileRecords = [this] {
        const std::string text = ReadWholeFile(Path("DWGS/HOUSE.DB0"));
        return text.substr(text.find('\n') + 1);
    };
    auto wallLines = [this](int index) { return static_cast<const TExtwallobj&>(*objects()[index]).wallLines; };

    NewDrawing("HOUSE");
    KeyAt(VK_ENTER, {100, 40});  // model (500, 3300)
    for (auto [key, length] : {std::pair{VK_RIGHT, "4000"}, {VK_DOWN, "3000"}, {VK_LEFT, "4000"}, {VK_UP, "3000"}}) {
        Answer(std::string("input ") + length);
        Key(key);
    }
    ASSERT_EQ(objects().count(), 8);
    const auto first = wallLines(4);
    const auto last = wallLines(7);
    EXPECT_EQ(first[0], 610);
    const std::string closed = fileRecords();
    EXPECT_EQ(records(objects()), closed);

    // ENTER again on the closing corner, where the cursor was put: nothing to build, nothing
    // changes and nothing is written (no repaint in between to hide a change in memory).
    Window().PlaceCursor({100, 40});
    Child().EvKeyDown(VK_ENTER);
    Child().EvKeyDown(VK_ENTER);
    EXPECT_EQ(objects().count(), 8);
    EXPECT_EQ(wallLines(4), first);
    EXPECT_EQ(wallLines(7), last);
    EXPECT_EQ(records(objects()), closed);
    EXPECT_EQ(fileRecords(), closed);

    // A click clears the start; ENTER on a wall's corner then has no wall to end there.
    frame.ProcessEvents();
    Child().EvLButtonDown({500, 300});
    Child().EvLButtonUp({500, 300});
    Window().PlaceCursor({900, 40});  // model (4500, 3300), the first wall's end
    Child().EvKeyDown(VK_ENTER);
    EXPECT_EQ(objects().count(), 8);
    EXPECT_EQ(records(objects()), closed);
    EXPECT_EQ(fileRecords(), closed);
}
