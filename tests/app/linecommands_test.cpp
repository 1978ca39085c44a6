// The line commands and the window's part in them: Tools/Line, Draw Multilines with its number of
// lines, CENTRE and CENTRE CENTRE, and the length prompt of the arrow keys.
#include "tests/app/appfixture.h"

#include "tools/drawingtool.h"
#include "tools/moveobjtool.h"

class LineCommandsTest : public AppTest {
protected:
    void SetUp() override { NewDrawing("LINES"); }

    void KeyAt(int key, TPoint device)
    {
        Window().PlaceCursor(device);
        Child().EvKeyDown(key);
        frame.ProcessEvents();
    }
    void Click(TPoint device)
    {
        Window().PlaceCursor(device);
        Child().EvLButtonDown(device);
        frame.ProcessEvents();
        Child().EvLButtonUp(Window().CursorPos());
        frame.ProcessEvents();
    }
    TDrawingtool& Tool() { return *client->CurrentTool(); }
};

TEST_F(LineCommandsTest, ToolsLineInstallsTheLineToolWithTheCurrentPen)
{
    state().currentPenWidth = 2;
    Command(CM_LINE);
    EXPECT_EQ(Tool().kind, 1);
    EXPECT_EQ(Tool().step, 0);
    EXPECT_EQ(Tool().penWidth, 2);
    EXPECT_EQ(client->ToolName(), "Line");
    EXPECT_EQ(client->Prompt(), "ENTER start of line, then arrow key direction, OR press LeftButton & DRAG");
}

TEST_F(LineCommandsTest, ATypedLineIsDrawnFromTheMarkAndTheNextStartIsAskedFor)
{
    Command(CM_LINE);
    // Arrows ask nothing until a start is marked (no answer is queued).
    KeyAt(VK_RIGHT, {200, 500});
    EXPECT_EQ(objects().count(), 4);
    KeyAt(VK_ENTER, {200, 500});  // model (1000, 1000)
    EXPECT_EQ(Tool().lineDrawn, 1);
    Answer("input 4000");
    KeyAt(VK_RIGHT, {200, 500});
    ASSERT_EQ(objects().count(), 5);
    const TObject& line = *objects()[4];
    EXPECT_EQ(line.typeCode, 1);
    EXPECT_EQ(line.groupId, 4000);
    EXPECT_EQ(line.x1, 1000);
    EXPECT_EQ(line.x2, 5000);
    EXPECT_EQ(line.y2, 1000);
    EXPECT_EQ(Tool().lineDrawn, 0);
    EXPECT_EQ(client->Prompt(), "ENTER start of line, then arrow key direction, OR press LeftButton & DRAG");
    // The cursor went to the line's end.
    EXPECT_EQ(Window().CursorPos(), (TPoint{1000, 500}));
}

TEST_F(LineCommandsTest, ALineLengthCancelledOrOutsideTheRangeDrawsNothing)
{
    for (const std::string answer : {"input cancel", "input 0", "input 32767", "input -5", "input 2.500", "input 1e3"}) {
        lines.clear();
        Command(CM_LINE);
        KeyAt(VK_ENTER, {200, 500});
        Answer(answer);
        // Only a cancel goes without a word: anything else is told what is expected.
        const bool cancelled = answer == "input cancel";
        if (!cancelled)
            Answer("message ok");
        KeyAt(VK_UP, {200, 500});
        EXPECT_EQ(objects().count(), 4) << answer;
        EXPECT_EQ(Tool().kind, 21) << answer;
        if (cancelled)
            EXPECT_TRUE(lines.empty());
        else
            EXPECT_EQ(lines, std::vector<std::string>{"message LINE | Enter a whole number of millimetres from 1 to 32766"})
                << answer;
    }
}

TEST_F(LineCommandsTest, ImperialLengthsComeFromTheFeetAndInchesDialog)
{
    NewDrawing("FEET", false);
    Command(CM_LINE);
    KeyAt(VK_ENTER, {200, 500});
    // 10' 3 3/16": 2952 + 4.
    Answer("dialog 9500 set 9501 10 set 9502 3 set 9503 3 set 9504 16 ok");
    KeyAt(VK_DOWN, {200, 500});
    ASSERT_EQ(objects().count(), 5);
    EXPECT_EQ(objects()[4]->groupId, 2956);
    EXPECT_EQ(objects()[4]->y2, 1000 - 2956);
}

TEST_F(LineCommandsTest, AMultilineNeedsTwoTo100Lines)
{
    // A count that is not a whole number is refused whole, not read up to its point.
    for (const char* count : {"1", "101", "none", "2.5", "\"3 lines\""}) {
        Answer(std::string("input ") + count);
        Answer("message ok");
        Command(CM_MULTILINE);
        EXPECT_EQ(Tool().kind, 21) << count;
    }
    ASSERT_EQ(lines.size(), 5u);
    EXPECT_EQ(lines[0], "message Draw Multilines | A multiline has 2 to 100 lines");

    Answer("input cancel");
    Command(CM_MULTILINE);
    EXPECT_EQ(Tool().kind, 21);

    Answer("input 100");
    Command(CM_MULTILINE);
    EXPECT_EQ(Tool().kind, 1);
    EXPECT_EQ(Tool().step, 40);
    EXPECT_EQ(Tool().libraryFlag, 100);
    EXPECT_EQ(client->ToolName(), "Multiline");
    EXPECT_EQ(client->Prompt(),
              "press Enter then arrow key or movecursor,press Enter on line end, press Enter on final line FIRST endpt");
}

TEST_F(LineCommandsTest, AMultilineEndedWithEnterGivesEvenlySpacedLines)
{
    Answer("input 3");
    Command(CM_MULTILINE);
    KeyAt(VK_ENTER, {200, 500});  // start (1000, 1000)
    Window().PlaceCursor({200, 300});
    Child().EvMouseMove({200, 300});  // the band to (1000, 2000)
    KeyAt(VK_ENTER, {200, 300});      // the first line ends here
    KeyAt(VK_ENTER, {600, 500});      // the last line's first end: x 3000
    ASSERT_EQ(objects().count(), 7);
    EXPECT_EQ(objects()[4]->x1, 1000);
    EXPECT_EQ(objects()[4]->y2, 2000);
    EXPECT_EQ(objects()[5]->x1, 3000);
    EXPECT_EQ(objects()[6]->x1, 2000);
    EXPECT_EQ(objects()[6]->y1, 1000);
    EXPECT_EQ(objects()[6]->y2, 2000);
    EXPECT_EQ(Tool().step, 0);
}

TEST_F(LineCommandsTest, AMultilineIsWrittenOnceWhenItEnds)
{
    // On a full disk every write fails and is told: the messages count the writes.
    const auto firstLine = [this] {
        Answer("input 3");
        Command(CM_MULTILINE);
        KeyAt(VK_ENTER, {200, 500});  // start (1000, 1000)
        Window().PlaceCursor({200, 300});
        Child().EvMouseMove({200, 300});
        KeyAt(VK_ENTER, {200, 300});  // the first line ends at (1000, 2000)
    };
    FailNextWrites(100);
    firstLine();
    EXPECT_TRUE(lines.empty()) << "the start and the first line are not written on their own";
    EXPECT_EQ(objects().count(), 4);
    // A repaint shows the drawing as its file holds it and the first line the tool holds over it.
    Child().Refresh(0);
    frame.ProcessEvents();
    EXPECT_EQ(objects().count(), 4);
    EXPECT_EQ(Pixel(200, 400), state().currentColour);
    EXPECT_NE(Pixel(250, 400), state().currentColour);
    // The last Enter writes the whole multiline once: told once, the multiline held whole, shown
    // over the drawing as its file holds it. Undo takes it back.
    Answer("message ok");
    KeyAt(VK_ENTER, {600, 500});
    EXPECT_EQ(lines.size(), 1u);
    EXPECT_EQ(objects().count(), 4);
    EXPECT_EQ(ReadBack("LINES").size(), 4u);
    EXPECT_EQ(Tool().HeldObjects().size(), 3u);
    EXPECT_EQ(Pixel(200, 400), state().currentColour);
    EXPECT_EQ(Pixel(600, 400), state().currentColour);
    Command(CM_UNDO);
    EXPECT_FALSE(Tool().HoldsFigure());
    EXPECT_NE(Pixel(200, 400), state().currentColour) << "the repaint took the multiline away";

    // Left before its last Enter, a multiline keeps its first line, written once. One the file
    // cannot take is told once and stays held; the command goes no further.
    lines.clear();
    firstLine();
    Answer("message ok");
    Command(CM_LINE);
    EXPECT_EQ(lines.size(), 1u);
    EXPECT_EQ(objects().count(), 4);
    EXPECT_TRUE(Tool().HoldsFigure());
    EXPECT_EQ(Tool().step, STEP_MULTILINE_LAST);
    FailNextWrites(0);
    Command(CM_LINE);
    ASSERT_EQ(objects().count(), 5);
    EXPECT_EQ(ReadBack("LINES").size(), 5u);
    EXPECT_EQ(objects()[4]->y2, 2000);
    // So does one whose drawing is closed.
    firstLine();
    client->SaveAndCloseAll();
    EXPECT_EQ(ReadBack("LINES").size(), 6u);
}

TEST_F(LineCommandsTest, AMultilineWaitingForItsLastEnterKeepsItsFirstLineThroughAZoom)
{
    Answer("input 3");
    Command(CM_MULTILINE);
    KeyAt(VK_ENTER, {200, 500});  // start (1000, 1000)
    Window().PlaceCursor({200, 300});
    Child().EvMouseMove({200, 300});
    KeyAt(VK_ENTER, {200, 300});  // the first line ends at (1000, 2000)
    // Zoom UP over logical (0, 0)-(500, 350): the multiline tool is kept, then back.
    Command(CM_ZOOMUP);
    Child().EvLButtonDown({0, 699});
    Child().EvMouseMove({500, 350});
    Child().EvLButtonUp({500, 350});
    frame.ProcessEvents();
    EXPECT_EQ(Tool().step, STEP_MULTILINE_LAST);
    EXPECT_EQ(ReadBack("LINES").size(), 4u) << "nothing written before the last Enter";
    // The repainted, zoomed window shows the first line the tool still holds.
    EXPECT_EQ(Pixel(Child().DevicePointOf({1000, 1500}).x, Child().DevicePointOf({1000, 1500}).y),
              state().currentColour);
    KeyAt(VK_ENTER, Child().DevicePointOf({2000, 1000}));
    ASSERT_EQ(objects().count(), 7);
    EXPECT_EQ(objects()[4]->y2, 2000);
    EXPECT_EQ(objects()[5]->x1, 2000);
    EXPECT_EQ(ReadBack("LINES").size(), 7u);
}

TEST_F(LineCommandsTest, CentrePutsTheCursorHalfwayAndReturnsToTheStep)
{
    Command(CM_LINE);
    Command(CM_CENTRE);
    EXPECT_EQ(Tool().step, 30);
    EXPECT_EQ(client->Prompt(), "CENTRE - mark both endpoints with LEFT Button - cursor will move to centre");
    // Pressed again before the marks, CENTRE still returns to the line tool's own step.
    Command(CM_CENTRE);
    Command(CM_CENTRECENTRE);
    EXPECT_EQ(Tool().step, 35);
    EXPECT_EQ(Tool().savedStep, 0);
    Command(CM_CENTRE);
    Click({200, 500});  // (1000, 1000)
    Click({301, 500});  // (1505, 1000)
    EXPECT_EQ(Window().CursorPos(), (TPoint{250, 500}));
    EXPECT_EQ(Tool().step, 0);
    EXPECT_EQ(objects().count(), 4);

    // CENTRE CENTRE: the middle of the rectangle given by three corners.
    Command(CM_CENTRECENTRE);
    Click({200, 500});
    Click({400, 500});
    Click({400, 300});
    EXPECT_EQ(Window().CursorPos(), (TPoint{300, 400}));
    EXPECT_EQ(Tool().step, 0);
}

TEST_F(LineCommandsTest, TheWindowRunsCentreForToolsWithoutTheLineToolsButtons)
{
    client->SetToolForKind(14);
    Tool().step = 12;
    Command(CM_CENTRE);
    Click({200, 500});
    Click({301, 500});
    EXPECT_EQ(Window().CursorPos(), (TPoint{250, 500}));
    EXPECT_EQ(Tool().step, 12);
}

TEST_F(LineCommandsTest, CentreIsRefusedWhileAMultilineWaitsForItsStart)
{
    Answer("input 2");
    Command(CM_MULTILINE);
    Answer("message ok");
    Command(CM_CENTRE);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0], "message CENTRE | Centre is not available to this function");
    EXPECT_EQ(Tool().step, 40);
}

TEST_F(LineCommandsTest, TheMeasurementPromptSetsTheLengthAndMovesOnToTheText)
{
    Command(CM_LINE);
    Tool().step = 21;
    Tool().dimensionLength() = 3000;
    Answer("input 2750");
    Child().InputMeasurement();
    EXPECT_EQ(Tool().dimensionLength(), 2750);
    EXPECT_EQ(Tool().step, 22);

    // A cancel or a length below 1 ends at the pick tool; a length refused says why.
    for (const std::string answer : {"input cancel", "input 0"}) {
        Command(CM_LINE);
        Tool().step = 21;
        Answer(answer);
        if (answer != "input cancel")
            Answer("message ok");
        Child().InputMeasurement();
        EXPECT_EQ(Tool().kind, 21) << answer;
    }
    EXPECT_EQ(lines, std::vector<std::string>{"message Measurement | Enter a whole number of millimetres from 1 to 32766"});
}

TEST_F(LineCommandsTest, TheImperialMeasurementCountsOnlyAProperFraction)
{
    NewDrawing("FEET", false);
    Command(CM_LINE);
    Tool().step = 21;
    // 2' 1 3/6": the sixths are not counted (600); 2' 1 1/2" gives 612.
    Answer("dialog 9500 set 9501 2 set 9502 1 set 9503 3 set 9504 6 ok");
    Child().InputMeasurement();
    EXPECT_EQ(Tool().dimensionLength(), 600);
    Tool().step = 21;
    Answer("dialog 9500 set 9501 2 set 9502 1 set 9503 1 set 9504 2 ok");
    Child().InputMeasurement();
    EXPECT_EQ(Tool().dimensionLength(), 612);
}
