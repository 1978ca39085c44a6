// The figure commands and the window's part in them: the arc's chord test and height, the radius
// of circles and rounded rectangles, the sides of rectangles, the mouse circle, and Line Style.
// Device (X, Y) is model (5 X, 5 (700 - Y)).
#include "tests/app/appfixture.h"

#include "model/arcobj.h"
#include "model/rndrectobj.h"
#include "tools/arctool.h"
#include "tools/drawingtool.h"

namespace {

class FigureCommandsTest : public AppTest {
protected:
    void SetUp() override { NewDrawing("FIGURES"); }

    void KeyAt(int key, TPoint device)
    {
        Window().PlaceCursor(device);
        Child().EvKeyDown(key);
        frame.ProcessEvents();
    }
    TDrawingtool& Tool() { return *client->CurrentTool(); }
    const TObject& Last() { return *objects()[objects().count() - 1]; }
    const ScriptedRunner::ShownInput& LastInput()
    {
        static const ScriptedRunner::ShownInput none;
        const auto& shown = frame.Scripted().InputsShown();
        EXPECT_FALSE(shown.empty());
        return shown.empty() ? none : shown.back();
    }
    static void ExpectBox(const TObject& object, int x1, int y1, int x2, int y2)
    {
        EXPECT_EQ(object.x1, x1);
        EXPECT_EQ(object.y1, y1);
        EXPECT_EQ(object.x2, x2);
        EXPECT_EQ(object.y2, y2);
    }
};

TEST_F(FigureCommandsTest, EachFigureCommandInstallsItsTool)
{
    struct Case {
        int command;
        int kind;
        const char* name;
    };
    for (const Case& c : {Case{CM_ARC, 3, "Arc"}, Case{CM_ELLIPSE, 5, "Ellipse"}, Case{CM_CIRCLE, 6, "Circle"},
                          Case{CM_RECTANGLE, 7, "Rectangle"}, Case{CM_ROUNDRECT, 8, "RoundRect"}}) {
        Command(c.command);
        EXPECT_EQ(Tool().kind, c.kind) << c.name;
        EXPECT_EQ(client->ToolName(), c.name);
        EXPECT_FALSE(client->Prompt().empty()) << c.name;
        EXPECT_EQ(client->helpContext, 244) << c.name;
    }
}

TEST_F(FigureCommandsTest, ArcAsksItsHeightAtALevelSecondEnd)
{
    Command(CM_ARC);
    KeyAt(VK_ENTER, {200, 500});  // (1000, 1000)
    EXPECT_EQ(objects().count(), 4);
    Answer("input 500");
    KeyAt(VK_ENTER, {600, 492});  // (3000, 1040): 40 off level
    EXPECT_EQ(LastInput().title, "ARC HEIGHT");
    EXPECT_EQ(LastInput().prompt, "Use minus number for Arcs Below or Right of Endpts.");
    EXPECT_EQ(LastInput().text, "600");
    ASSERT_EQ(objects().count(), 5);
    const auto& arc = static_cast<const TArcobj&>(Last());
    ExpectBox(arc, 1000, 500, 3000, 1500);
    EXPECT_EQ(arc.arcStartX, 3000);
    EXPECT_EQ(arc.arcEndX, 1000);
    EXPECT_EQ(ReadBack("FIGURES").size(), 5u);

    // A negative height: below the chord.
    KeyAt(VK_ENTER, {200, 500});
    Answer("input -500");
    KeyAt(VK_ENTER, {600, 500});
    ASSERT_EQ(objects().count(), 6);
    ExpectBox(Last(), 3000, 1500, 1000, 500);
}

TEST_F(FigureCommandsTest, ArcEndNeitherLevelNorPlumbIsRefused)
{
    Command(CM_ARC);
    KeyAt(VK_ENTER, {200, 500});
    Answer("message ok");
    KeyAt(VK_ENTER, {600, 400});  // (3000, 1500)
    EXPECT_EQ(lines, std::vector<std::string>{"message NO ARC DRAWN | Endpoint not horizontal or vertical"});
    EXPECT_EQ(Window().CursorPos(), (TPoint{600, 400}));
    EXPECT_EQ(objects().count(), 4);
    // The first end stays marked: a level end now draws the arc.
    Answer("input 300");
    KeyAt(VK_ENTER, {200, 300});  // (1000, 2000): plumb above the first
    ASSERT_EQ(objects().count(), 5);
    ExpectBox(Last(), 700, 1000, 1300, 2000);
}

TEST_F(FigureCommandsTest, ArcHeightsOutsideTheRangeAreToldTheRange)
{
    Command(CM_ARC);
    for (const char* answer : {"0", "32001", "-32001", "- 5", "2.5", "abc"}) {
        lines.clear();
        const int before = objects().count();
        KeyAt(VK_ENTER, {200, 500});
        Answer(std::string("input \"") + answer + "\"");
        Answer("message ok");
        KeyAt(VK_ENTER, {600, 500});
        EXPECT_EQ(objects().count(), before) << answer;
        EXPECT_EQ(lines, std::vector<std::string>{
                             "message ARC HEIGHT | Enter a whole number of millimetres from 1 to 32000, or from "
                             "-32000 to -1"})
            << answer;
        // Nothing else happened: the first end is still marked.
        EXPECT_EQ(static_cast<TArctool&>(Tool()).arcState, 1) << answer;
        Answer("input cancel");
        KeyAt(VK_ENTER, {600, 500});
        EXPECT_EQ(static_cast<TArctool&>(Tool()).arcState, 1) << answer;
        Answer("input 32000");
        KeyAt(VK_ENTER, {600, 500});
    }
    EXPECT_EQ(objects().count(), 10);
    EXPECT_EQ(Last().y1, 1000 - 32000);
}

TEST_F(FigureCommandsTest, ImperialArcHeightIsInInches)
{
    NewDrawing("FEET", false);
    Command(CM_ARC);
    KeyAt(VK_ENTER, {200, 500});
    Answer("input 10");
    KeyAt(VK_ENTER, {600, 500});
    EXPECT_EQ(LastInput().title, "ARC HEIGHT, INCHES");
    EXPECT_EQ(LastInput().text, "24");
    ASSERT_EQ(objects().count(), 5);
    ExpectBox(Last(), 1000, 760, 3000, 1240);

    // At most 1400 inches, so that the height in model units stays in range.
    KeyAt(VK_ENTER, {200, 500});
    Answer("input 1401");
    Answer("message ok");
    KeyAt(VK_ENTER, {600, 500});
    EXPECT_EQ(lines.back(), "message ARC HEIGHT, INCHES | Enter a whole number of inches from 1 to 1400, or from -1400 to -1");
    EXPECT_EQ(objects().count(), 5);
}

TEST_F(FigureCommandsTest, CircleFromTheKeyboardTakesTheRadiusAsked)
{
    Command(CM_CIRCLE);
    Answer("input 300");
    KeyAt(VK_ENTER, {400, 300});  // (2000, 2000)
    EXPECT_EQ(LastInput().title, "RADIUS");
    EXPECT_EQ(LastInput().prompt, "in millimetres");
    EXPECT_EQ(LastInput().text, "100");
    ASSERT_EQ(objects().count(), 5);
    ExpectBox(Last(), 1700, 1700, 2300, 2300);

    Answer("input 0");
    Answer("message ok");
    KeyAt(VK_ENTER, {400, 300});
    EXPECT_EQ(lines.back(), "message RADIUS | Enter a whole number of millimetres from 1 to 32000");
    Answer("input cancel");
    KeyAt(VK_ENTER, {400, 300});
    EXPECT_EQ(objects().count(), 5);
    EXPECT_EQ(Tool().kind, 6) << "the tool stays";
}

TEST_F(FigureCommandsTest, ImperialCircleRadiusIsInInches)
{
    NewDrawing("FEET", false);
    Command(CM_CIRCLE);
    Answer("input 10");
    KeyAt(VK_ENTER, {400, 300});
    EXPECT_EQ(LastInput().prompt, "in inches");
    EXPECT_EQ(LastInput().text, "4");
    ASSERT_EQ(objects().count(), 5);
    ExpectBox(Last(), 1760, 1760, 2240, 2240);
}

TEST_F(FigureCommandsTest, CircleAndEllipseDraggedWithTheMouse)
{
    Command(CM_CIRCLE);
    Window().PlaceCursor({200, 500});
    Child().EvLButtonDown({200, 500});  // centre (1000, 1000)
    Window().PlaceCursor({140, 420});
    Child().EvMouseMove({140, 420});    // (700, 1400): radius -300
    EXPECT_EQ(client->Distance(), "") << "no read-out from a corner of the circle's box";
    Child().EvLButtonUp({140, 420});
    ASSERT_EQ(objects().count(), 5);
    ExpectBox(Last(), 1300, 1300, 700, 700);

    Command(CM_ELLIPSE);
    Child().EvLButtonDown({300, 400});
    Child().EvMouseMove({420, 330});
    Child().EvLButtonUp({420, 330});
    ASSERT_EQ(objects().count(), 6);
    EXPECT_EQ(Last().typeCode, 5);
    ExpectBox(Last(), 1500, 1500, 2100, 1850);
}

TEST_F(FigureCommandsTest, EllipseFromTheKeyboardIsFlat)
{
    Command(CM_ELLIPSE);
    KeyAt(VK_ENTER, {200, 500});
    Answer("input 800");
    KeyAt(VK_UP, {200, 500});
    ASSERT_EQ(objects().count(), 5);
    EXPECT_EQ(Last().typeCode, 5);
    ExpectBox(Last(), 1000, 1000, 1000, 1800);
}

TEST_F(FigureCommandsTest, RectangleTakesTwoSidesFromTheArrows)
{
    Command(CM_RECTANGLE);
    const std::string startPrompt = client->Prompt();
    // Arrows wait for a corner.
    KeyAt(VK_RIGHT, {400, 300});
    KeyAt(VK_ENTER, {400, 300});  // (2000, 2000)
    EXPECT_EQ(client->Prompt(), "Now use arrow direction keys for horizontal & vertical inputs");
    Answer("input 500");
    KeyAt(VK_RIGHT, {400, 300});
    EXPECT_EQ(LastInput().title, "RECTANGLE");
    EXPECT_EQ(LastInput().text, "0");
    EXPECT_EQ(Window().CursorPos(), (TPoint{500, 300}));
    Answer("input 300");
    KeyAt(VK_UP, Window().CursorPos());
    ASSERT_EQ(objects().count(), 5);
    EXPECT_EQ(Last().typeCode, 7);
    ExpectBox(Last(), 2000, 2000, 2500, 2300);
    EXPECT_EQ(client->Prompt(), startPrompt);

    // A side refused ends the rectangle.
    KeyAt(VK_ENTER, {400, 300});
    Answer("input 40000");
    Answer("message ok");
    KeyAt(VK_LEFT, {400, 300});
    EXPECT_EQ(Tool().kind, 21);
    EXPECT_EQ(objects().count(), 5);
}

TEST_F(FigureCommandsTest, APointTheDrawingFileCannotHoldIsNotTaken)
{
    // The file holds x down to 2500 above the range's bottom (the sheet centre of the tests'
    // sheet): the device x -429496300 is model x -2147481500, beyond it; -429496229 is just in.
    const std::string told = "message POINT OUT OF RANGE | This point lies too far outside the sheet for the"
                             " drawing file to hold it - it has not been taken";
    const std::string before = ReadWholeFile(Path("DWGS/FIGURES.DB0"));
    Command(CM_ELLIPSE);
    Answer("message ok");
    Child().EvLButtonDown({300, 400});
    Child().EvMouseMove({-429496300, 400});
    Child().EvLButtonUp({-429496300, 400});
    frame.ProcessEvents();
    EXPECT_EQ(lines, std::vector<std::string>{told});
    EXPECT_EQ(objects().count(), 4);
    EXPECT_EQ(Tool().kind, 21) << "the ellipse it started is given up";
    EXPECT_EQ(ReadWholeFile(Path("DWGS/FIGURES.DB0")), before);

    // A press beyond it is refused once; its release says nothing more. ENTER there marks nothing.
    Command(CM_LINE);
    Answer("message ok");
    Child().EvLButtonDown({-429496300, 400});
    Child().EvLButtonUp({-429496300, 400});
    Answer("message ok");
    KeyAt(VK_ENTER, {200, -429496300});
    EXPECT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines.back(), told);
    EXPECT_EQ(Tool().lineDrawn, 0);
    EXPECT_EQ(objects().count(), 4);

    // The last point it holds is taken and comes back from the file where it was put.
    Command(CM_ELLIPSE);
    Child().EvLButtonDown({300, 400});
    Child().EvLButtonUp({-429496229, 400});
    frame.ProcessEvents();
    ASSERT_EQ(objects().count(), 5);
    EXPECT_EQ(Last().x2, -2147481145);
    EXPECT_EQ(ReadBack("FIGURES")[4]->x2, -2147481145);
    EXPECT_EQ(lines.size(), 3u);
}

TEST_F(FigureCommandsTest, RoundedRectangleAsksItsCornerRadiusFirst)
{
    Command(CM_ROUNDRECT);
    Answer("input 100");
    KeyAt(VK_ENTER, {400, 300});
    EXPECT_EQ(LastInput().title, "RADIUS");
    EXPECT_EQ(LastInput().prompt, "");
    EXPECT_EQ(LastInput().text, "50");
    EXPECT_EQ(client->Prompt(), "Now use arrow direction keys for input");
    Answer("input 1000");
    KeyAt(VK_LEFT, {400, 300});
    EXPECT_EQ(LastInput().title, "ROUNDED RECTANGLE");
    Answer("input 600");
    KeyAt(VK_DOWN, Window().CursorPos());
    ASSERT_EQ(objects().count(), 5);
    const auto& rounded = static_cast<const TRndrectobj&>(Last());
    ExpectBox(rounded, 2000, 2000, 1000, 1400);
    EXPECT_EQ(rounded.cornerRounding, 100);

    // A cancelled radius marks no corner.
    Answer("input cancel");
    KeyAt(VK_ENTER, {400, 300});
    EXPECT_EQ(Tool().lineDrawn, 0);
    KeyAt(VK_LEFT, {400, 300});  // no answer queued: nothing is asked
}

TEST_F(FigureCommandsTest, LineStyleSetsThePenAndShowsItWithTheToolName)
{
    Command(CM_LINE);
    Answer("dialog 14000 check 14003 ok");
    Command(CM_LINESTYLE);
    EXPECT_EQ(state().currentPenWidth, 1);
    EXPECT_EQ(Tool().penStyle, 1);
    EXPECT_EQ(client->ToolName(), "1,Line");

    // The line drawn next is dashed.
    KeyAt(VK_ENTER, {200, 500});
    Answer("input 1000");
    KeyAt(VK_RIGHT, {200, 500});
    ASSERT_EQ(objects().count(), 5);
    EXPECT_EQ(Last().penStyle, 1);
    EXPECT_EQ(Last().penWidth, 1);

    Answer("dialog 14000 check 14002 ok");
    Command(CM_LINESTYLE);
    EXPECT_EQ(state().currentPenWidth, 2);
    EXPECT_EQ(Tool().penStyle, 0);
    EXPECT_EQ(client->ToolName(), "2,Line") << "the width replaces the one shown before";

    // Cancel changes nothing but shows the gadget all the same.
    Tool().penStyle = 3;
    Answer("dialog 14000 check 14004 cancel");
    Command(CM_LINESTYLE);
    EXPECT_EQ(state().currentPenWidth, 2);
    EXPECT_EQ(Tool().penStyle, 3);
    EXPECT_EQ(client->ToolName(), "2,Line");
}

}  // namespace
