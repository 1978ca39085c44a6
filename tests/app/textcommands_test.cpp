// Tools/Text, typed text, Edit/Change text/number and Tools/Line + Text through the drawing
// window; the font loaded at start-up. Device (X, Y) is model (5 X, 5 (700 - Y)).
#include "tests/app/appfixture.h"

#include "model/settingsrecords.h"
#include "model/textobj.h"
#include "tools/drawingtool.h"
#include "tools/texttool.h"

namespace {

class TextCommandsTest : public AppTest {
protected:
    void SetUp() override { NewDrawing("TEXTS"); }

    TDrawingtool& Tool() { return *client->CurrentTool(); }
    const TTextobj& TextAt(int index) { return static_cast<const TTextobj&>(*objects()[index]); }
    void Click(TPoint device)
    {
        Window().PlaceCursor(device);
        Child().EvLButtonDown(device);
        frame.ProcessEvents();
        Child().EvLButtonUp(device);
        frame.ProcessEvents();
    }
    void Type(const std::string& characters)
    {
        for (char c : characters) {
            Child().EvKeyDown(std::toupper(static_cast<unsigned char>(c)));
            Child().EvChar(static_cast<unsigned char>(c));
        }
    }
    void Enter()
    {
        Child().EvKeyDown(VK_ENTER);
        Child().EvChar(CHAR_ENTER);
    }
    void Drag(TPoint from, TPoint to)
    {
        Window().PlaceCursor(from);
        Child().EvLButtonDown(from);
        Window().PlaceCursor(to);
        Child().EvMouseMove(to);
        Child().EvLButtonUp(to);
        frame.ProcessEvents();
    }
    std::string LineTextFile()
    {
        std::string text;
        EXPECT_TRUE(ReadTextFile(Path("CFG/LTEXT.CFG"), text));
        return text;
    }
};

TEST_F(TextCommandsTest, ACentredTextIsPlacedAtTheClickThroughTheTextBox)
{
    Answer("dialog 2300 ok");
    Command(CM_TEXT);
    EXPECT_EQ(Tool().kind, 4);
    EXPECT_EQ(Tool().alignment(), 1);
    EXPECT_EQ(Tool().escapement(), 0);
    EXPECT_EQ(client->ToolName(), "Text");
    EXPECT_EQ(client->Prompt(), "click LEFT button on TEXT centre point - press Enter when fnished ");
    EXPECT_EQ(client->helpContext, 242);

    const int counter = state().groupIdCounter;
    Answer("input \"LIVING ROOM\"");
    Click({400, 300});  // (2000, 2000)
    const auto& shown = frame.Scripted().InputsShown();
    ASSERT_FALSE(shown.empty());
    EXPECT_EQ(shown.back().title, "Text");
    EXPECT_EQ(shown.back().prompt, "Enter text");
    EXPECT_EQ(shown.back().text, "text");
    ASSERT_EQ(objects().count(), 5);
    const TTextobj& text = TextAt(4);
    EXPECT_EQ(text.typeCode, 4);
    EXPECT_EQ(text.text, "LIVING ROOM");
    EXPECT_EQ(text.x1, 2000);
    EXPECT_EQ(text.y1, 2000);
    EXPECT_EQ(text.alignment, 1);
    EXPECT_EQ(text.groupId, counter + 1);
    EXPECT_EQ(ReadBack("TEXTS").size(), 5u);

    // The tool stays; a cancelled box places nothing.
    Answer("input cancel");
    Click({400, 200});
    EXPECT_EQ(objects().count(), 5);
    EXPECT_EQ(Tool().kind, 4);
}

TEST_F(TextCommandsTest, ACentredVerticalTextStandsOnItsCentre)
{
    Answer("dialog 2300 check 2304 ok");
    Command(CM_TEXT);
    EXPECT_EQ(Tool().alignment(), 6);
    EXPECT_EQ(Tool().escapement(), 2700);
    Answer("input UP");
    Click({400, 300});
    ASSERT_EQ(objects().count(), 5);
    EXPECT_EQ(TextAt(4).alignment, 6);
    EXPECT_EQ(TextAt(4).y1, 2000) << "not moved down: alignment 6 centres it";
}

TEST_F(TextCommandsTest, TheTextDetailsCancelledGiveThePickTool)
{
    Answer("dialog 2300 cancel");
    Command(CM_TEXT);
    EXPECT_EQ(Tool().kind, 21);
    EXPECT_EQ(client->ToolName(), "Pick Tool");
}

TEST_F(TextCommandsTest, TypedTextRunsLineAfterLineUntilTwoEnters)
{
    Answer("dialog 2300 check 2302 ok");
    Command(CM_TEXT);
    EXPECT_EQ(Tool().kind, 24);
    EXPECT_EQ(client->Prompt(),
              "click LEFT button on TEXT starting point - then type away - press Enter when finished ");
    Click({200, 300});  // (1000, 2000)
    Type("KITCHXN");
    Child().EvChar(CHAR_BACKSPACE);
    Child().EvChar(CHAR_BACKSPACE);
    Type("EN");
    EXPECT_EQ(client->Prompt(), "press ENTER once for newline - T W I C E to FINISH");
    EXPECT_EQ(Child().markX, 0) << "the letter A is typed, not the angled-input key";
    Enter();
    const int step = Tool().libraryFlag;
    EXPECT_GT(step, 0);
    EXPECT_EQ(Tool().y1, 2000 - step);
    EXPECT_EQ(Window().CursorPos(), Child().DevicePointOf({1000, 2000 - step}));
    Type("AREA 2");
    Enter();
    Enter();
    EXPECT_EQ(Tool().kind, 20);
    EXPECT_EQ(client->ToolName(), "None");
    EXPECT_EQ(client->Prompt(), "select tool or function");

    ASSERT_EQ(objects().count(), 6);
    EXPECT_EQ(TextAt(4).text, "KITCHEN");
    EXPECT_EQ(TextAt(4).typeCode, 24);
    EXPECT_EQ(TextAt(4).x1, 1000);
    EXPECT_EQ(TextAt(4).y1, 2000);
    EXPECT_EQ(TextAt(5).text, "AREA 2");
    EXPECT_EQ(TextAt(5).x1, 1000);
    EXPECT_EQ(TextAt(5).y1, 2000 - step);

    // Finished: more typing does nothing.
    Type("X");
    EXPECT_EQ(objects().count(), 6);
}

TEST_F(TextCommandsTest, AnEnterOnAnEmptyFirstLineCommitsNothing)
{
    Answer("dialog 2300 check 2302 ok");
    Command(CM_TEXT);
    Click({200, 300});
    Enter();
    EXPECT_EQ(objects().count(), 4);
    EXPECT_EQ(Tool().kind, 24);
    EXPECT_LT(Tool().y1, 2000) << "the next line starts below";
    Type("B");
    Enter();
    ASSERT_EQ(objects().count(), 5);
    EXPECT_EQ(TextAt(4).text, "B");
}

TEST_F(TextCommandsTest, ALineLeftUnendedIsStoredWhereItWasTypedWhenAnotherToolIsChosen)
{
    auto inked = [this] {
        int count = 0;
        for (int y = 230; y < 310; ++y)
            for (int x = 190; x < 320; ++x)
                count += Pixel(x, y) != state().currentFillColour;
        return count;
    };
    frame.ProcessEvents();
    ASSERT_EQ(inked(), 0);
    Answer("dialog 2300 check 2302 ok");
    Command(CM_TEXT);
    Click({200, 300});
    Type("HALL");
    frame.ProcessEvents();
    EXPECT_GT(inked(), 0) << "the characters show as they are typed";
    const int typed = inked();
    Command(CM_LINE);
    frame.ProcessEvents();
    EXPECT_EQ(inked(), typed) << "what was shown is what is stored";
    ASSERT_EQ(objects().count(), 5);
    EXPECT_EQ(TextAt(4).text, "HALL");
    EXPECT_EQ(ReadBack("TEXTS").size(), 5u);
}

TEST_F(TextCommandsTest, ChangeTextReplacesTheWordsOfTheTextClicked)
{
    Answer("dialog 2300 ok");
    Command(CM_TEXT);
    Answer("input HALL");
    Click({400, 300});
    ASSERT_EQ(objects().count(), 5);

    Command(CM_CHANGETEXT);
    EXPECT_EQ(Tool().kind, 25);
    // A click on no text asks nothing.
    Click({700, 600});
    Answer("input \"ENTRANCE HALL\"");
    Click({400, 290});
    const auto& shown = frame.Scripted().InputsShown();
    ASSERT_FALSE(shown.empty());
    EXPECT_EQ(shown.back().title, "Change text/number");
    EXPECT_EQ(shown.back().text, "HALL");
    EXPECT_EQ(TextAt(4).text, "ENTRANCE HALL");
    EXPECT_EQ(TextAt(4).x1, 2000);
    EXPECT_EQ(TextAt(4).alignment, 1);
    const auto back = ReadBack("TEXTS");
    ASSERT_EQ(back.size(), 5u);
    EXPECT_EQ(static_cast<const TTextobj&>(*back[4]).text, "ENTRANCE HALL");

    // An empty answer or a cancel changes nothing.
    Answer("input \"\"");
    Click({400, 290});
    Answer("input cancel");
    Click({400, 290});
    EXPECT_EQ(TextAt(4).text, "ENTRANCE HALL");
}

TEST_F(TextCommandsTest, LineWithTextGetsItsLabelAndReturnsToThePickTool)
{
    Command(CM_LINETEXT);
    EXPECT_EQ(Tool().kind, 1);
    EXPECT_EQ(Tool().step, 50);
    EXPECT_EQ(client->ToolName(), "Line + Text");
    Answer("dialog 2690 set 2691 \"HALL 2\" ok");
    Drag({200, 500}, {600, 500});  // (1000, 1000) to (3000, 1000)
    EXPECT_EQ(LineTextFile(), "1 6/nHALL 2");
    ASSERT_EQ(objects().count(), 6);
    EXPECT_EQ(objects()[4]->typeCode, 1);
    const TTextobj& label = TextAt(5);
    EXPECT_EQ(label.typeCode, 35);
    EXPECT_EQ(label.text, "HALL 2");
    EXPECT_EQ(label.x1, 2000);
    EXPECT_GT(label.y1, 1000);
    EXPECT_EQ(label.alignment, 6);
    EXPECT_EQ(label.x2, 900);
    EXPECT_EQ(Tool().kind, 21);
    EXPECT_EQ(ReadBack("TEXTS").size(), 6u);
}

TEST_F(TextCommandsTest, LineWithAnEmptyTextGetsNoLabelNotTheLastOne)
{
    Command(CM_LINETEXT);
    Answer("dialog 2690 set 2691 FENCE check 2693 ok");
    Drag({200, 500}, {600, 500});
    ASSERT_EQ(objects().count(), 6);
    EXPECT_EQ(TextAt(5).alignment, 4) << "below the line";

    Command(CM_LINETEXT);
    Answer("dialog 2690 set 2691 \"\" ok");
    Drag({200, 400}, {600, 400});
    EXPECT_EQ(LineTextFile(), "1 0/n");
    EXPECT_EQ(objects().count(), 7);
    EXPECT_EQ(objects()[6]->typeCode, 1);

    // The dialog's own blank, left as it is, is no text either.
    Command(CM_LINETEXT);
    Answer("dialog 2690 ok");
    Drag({200, 300}, {600, 300});
    EXPECT_EQ(objects().count(), 8);
}

TEST_F(TextCommandsTest, LineWithTextCancelledKeepsTheLineWithoutALabel)
{
    Command(CM_LINETEXT);
    Answer("dialog 2690 set 2691 GATE cancel");
    Drag({200, 500}, {600, 500});
    EXPECT_EQ(objects().count(), 5);
    EXPECT_EQ(Tool().kind, 21);

    // A click without a drag draws no line, asks nothing and keeps the tool.
    Command(CM_LINETEXT);
    Drag({200, 500}, {200, 500});
    EXPECT_EQ(objects().count(), 5);
    EXPECT_EQ(Tool().step, 51);
    EXPECT_EQ(client->ToolName(), "Line + Text");
}

TEST_F(TextCommandsTest, LineWithTextWhoseFileCannotBeWrittenGetsNoLabel)
{
    Command(CM_LINETEXT);
    Tool().noLineText = false;  // as a drawn line leaves it
    // The line is in the drawing file already: the dialog's only write is the line text's.
    Answer("dialog 2690 set 2691 WALL ok");
    Answer("message ok");
    FailNextWrites(1);
    Child().RunLineDialog(8);
    FailNextWrites(0);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_NE(lines[0].find("LTEXT.CFG"), std::string::npos) << lines[0];
    EXPECT_TRUE(Tool().noLineText) << "the window then places no label";
}

TEST_F(TextCommandsTest, LineWithTextIsOneChangeWrittenOnceWithOrWithoutItsLabel)
{
    Command(CM_LINETEXT);
    Answer("dialog 2690 set 2691 GATE ok");
    Drag({200, 500}, {600, 500});
    ASSERT_EQ(objects().count(), 6);

    // On a full disk every write fails and is told, so the messages count the writes. The text
    // is in CFG/LTEXT.CFG already (the dialog writes nothing): the drawing is written once, the
    // failure told once, the file left as it was and the list as the file.
    for (const char* answer : {"dialog 2690 set 2691 GATE ok", "dialog 2690 set 2691 GATE cancel"}) {
        lines.clear();
        Command(CM_LINETEXT);
        Answer(answer);
        Answer("message ok");
        FailNextWrites(100);
        Drag({200, 300}, {600, 300});
        FailNextWrites(0);
        ASSERT_EQ(lines.size(), 1u) << answer;
        EXPECT_NE(lines[0].find("DWGS/TEXTS.DB0 could not be written"), std::string::npos) << lines[0];
        EXPECT_EQ(ReadBack("TEXTS").size(), 6u) << answer;
        EXPECT_EQ(objects().count(), 6) << answer;
    }

    // Cancelled, with the disk working: the line alone.
    Command(CM_LINETEXT);
    Answer("dialog 2690 set 2691 GATE cancel");
    Drag({200, 300}, {600, 300});
    ASSERT_EQ(objects().count(), 7);
    EXPECT_EQ(objects()[6]->typeCode, 1);
    EXPECT_EQ(ReadBack("TEXTS").size(), 7u);
}

class TextStartUpTest : public AppTest {};

TEST_F(TextStartUpTest, TheClientLoadsTheFontOfNewTexts)
{
    client.reset();
    ASSERT_TRUE(WriteTextFileAtomic(Path("CFG/TEXT.CFG"), "12 700 15 Times New Roman\n"));
    client = std::make_unique<TClient>(frame);
    EXPECT_EQ(state().currentFontFace, "Times New Roman");
    EXPECT_EQ(state().textPointSize, 12);
    EXPECT_EQ(state().textWeight, 700);
}

}  // namespace

// A click inside a design room takes it over whatever tool is current: a line typed and not ended
// is stored where it was typed first, then the room is taken.
TEST_F(TextCommandsTest, AClickInADesignRoomStoresTheLineTypedBeforeTakingTheRoom)
{
    Answer("dialog 21000 ok");
    Answer("dialog 22000 set 22001 lounge set 22002 4000 set 22003 3500 check 22005 ok");
    Command(CM_NEWDESIGNROOM);
    ASSERT_EQ(objects().count(), 5);
    Answer("dialog 2300 check 2302 ok");
    Command(CM_TEXT);
    Click({900, 200});  // model (4500, 2500), right of the room
    Type("KIT");
    Click({200, 600});  // model (1000, 500), inside the room
    EXPECT_EQ(Tool().kind, KIND_DESIGN_ROOM);
    ASSERT_EQ(objects().count(), 6);
    EXPECT_EQ(TextAt(5).text, "KIT");
    EXPECT_EQ(ReadBack("TEXTS").size(), 6u);
}

// CENTRE's point is where the typed line starts: given before the first character, or moving a
// line already typed; the line is stored there, and the window shows what is stored.
TEST_F(TextCommandsTest, CentreGivesTheTypedLineItsStart)
{
    Answer("dialog 2300 check 2302 ok");
    Command(CM_TEXT);
    Command(CM_CENTRE);
    Click({700, 400});
    Click({800, 500});  // the centre: device (750, 450), model (3750, 1250)
    Type("AB");
    Enter();
    Click({600, 300});  // a new start: model (3000, 2000)
    Type("CD");
    Command(CM_CENTRE);
    Click({700, 400});
    Type("X");  // characters and ENTER wait while CENTRE takes its clicks
    Enter();
    EXPECT_EQ(client->Prompt(), "CENTRE - mark both endpoints with LEFT Button - cursor will move to centre")
        << "CENTRE's prompt stays";
    Click({800, 500});
    Enter();
    frame.ProcessEvents();
    ASSERT_EQ(objects().count(), 6);
    EXPECT_EQ(TextAt(4).text, "AB");
    EXPECT_EQ(TextAt(5).text, "CD");
    for (int i : {4, 5}) {
        EXPECT_EQ(TextAt(i).x1, 3750);
        EXPECT_EQ(TextAt(i).y1, 1250);
    }
    EXPECT_EQ(ReadBack("TEXTS").size(), 6u);
    std::vector<TColor> shown;
    for (int y = 0; y < 700; ++y)
        for (int x = 0; x < 1000; ++x)
            shown.push_back(Pixel(x, y));
    Child().Refresh(9);
    frame.ProcessEvents();
    int stale = 0;
    for (int y = 0, i = 0; y < 700; ++y)
        for (int x = 0; x < 1000; ++x, ++i)
            stale += shown[std::size_t(i)] != Pixel(x, y);
    EXPECT_EQ(stale, 0) << "pixels the file does not hold";
}

// A line taken back while Zoom UP keeps the typing tool: the tool comes back waiting for a click,
// and its prompt says so.
TEST_F(TextCommandsTest, ALineTakenBackDuringAZoomComesBackAskingForAClick)
{
    Answer("dialog 2300 check 2302 ok");
    Command(CM_TEXT);
    Click({600, 300});
    Type("AB");
    Command(CM_ZOOMUP);
    Command(CM_UNDO);
    Drag({100, 100}, {500, 400});
    ASSERT_EQ(Tool().kind, KIND_TYPED_TEXT);
    EXPECT_EQ(client->Prompt(), "click LEFT button on TEXT starting point - then type away - press Enter when finished ");
    EXPECT_EQ(ReadBack("TEXTS").size(), 4u);
}
