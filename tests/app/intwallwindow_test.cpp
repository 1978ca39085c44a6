// The drawing window around the internal-wall tool: the internal-wall dialog, the keys of a run
// (datum, cursor and rubber band after each), its end, the delete tool's ENTER, and the tools built
// for the internal-wall kinds.
#include "tests/app/appfixture.h"

#include "app/families/intwallfamily.h"
#include "model/intwallobj.h"
#include "walls/intwallobjtool.h"

namespace {

constexpr TColor WHITE = MakeColour(255, 255, 255);
constexpr TColor BLACK = MakeColour(0, 0, 0);

class IntWallWindowTest : public AppTest {
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
    void MoveTo(TPoint device)
    {
        Window().PlaceCursor(device);
        Child().EvMouseMove(device);
        frame.ProcessEvents();
    }
    TIntwallobjtool* Tool() { return dynamic_cast<TIntwallobjtool*>(client->CurrentTool()); }
    // A device point of a model point of the test view (1 logical unit a pixel).
    TPoint At(int x, int y) { return Child().DevicePointOf({x, y}); }
    // Draw Internal Wall with the second line on a side (7001 left .. 7004 below).
    void InternalWalls(int sideButton)
    {
        Answer("dialog 7000 set 7005 100 check " + std::to_string(sideButton) + " ok");
        Command(CM_INTWALL);
    }
};

TEST_F(IntWallWindowTest, TheDialogGivesTheToolItsSide)
{
    NewDrawing("HOUSE");
    InternalWalls(7004);
    ASSERT_NE(Tool(), nullptr);
    EXPECT_EQ(Tool()->kind, KIND_INTWALL);
    EXPECT_EQ(Tool()->markerX, 3);
    EXPECT_EQ(client->ToolName(), "Int. Walls");
    EXPECT_EQ(client->Prompt(), "select the spacing to and relative position of second line");
    EXPECT_EQ(client->helpContext, 250);
    EXPECT_EQ(&client->Family(), &IntWallFamily());
    EXPECT_EQ(ReadWholeFile(Path("CFG/PTNM.CFG")), "100");
}

TEST_F(IntWallWindowTest, EachKeySetsTheDatumAndPutsTheCursorOnTheNewStart)
{
    NewDrawing("HOUSE");
    InternalWalls(7004);
    KeyAt(VK_ENTER, At(1000, 1000));
    EXPECT_EQ(Child().datumMode, 4);
    EXPECT_EQ(Child().datumX, 1000);
    EXPECT_EQ(Tool()->active, 1);

    // The band out to the cursor is taken off before the wall is built.
    MoveTo(At(2000, 2000));
    const TPoint onBand = At(1500, 1500);
    EXPECT_EQ(Pixel(onBand.x, onBand.y), BLACK);
    Answer("input 1500");
    Key(VK_RIGHT);
    EXPECT_EQ(Pixel(onBand.x, onBand.y), WHITE);
    EXPECT_EQ(Child().datumX, 2500);
    EXPECT_EQ(Child().datumY, 1000);
    EXPECT_EQ(Window().CursorPos(), At(2500, 1000));
    EXPECT_EQ(Tool()->active, 1);
    // The wall is on the screen: its reference line and, below it, its face.
    const TPoint line = At(2000, 1000);
    const TPoint face = At(2000, 900);
    EXPECT_EQ(Pixel(line.x, line.y), BLACK);
    EXPECT_EQ(Pixel(face.x, face.y), BLACK);
    EXPECT_EQ(frame.Scripted().PendingAnswers(), 0u);
}

// A click in the middle of a run ends it, band and start: the next ENTER marks a new start, from
// which an arrow builds the wall asked for.
TEST_F(IntWallWindowTest, AClickEndsTheRunAndEnterStartsAnother)
{
    NewDrawing("HOUSE");
    InternalWalls(7004);
    KeyAt(VK_ENTER, At(1000, 1000));
    MoveTo(At(2000, 2000));
    const TPoint click = At(2000, 2000);
    Child().EvLButtonDown(click);
    Child().EvLButtonUp(click);
    frame.ProcessEvents();
    EXPECT_EQ(Tool()->lineDrawn, 0);
    const TPoint onBand = At(1500, 1500);
    EXPECT_EQ(Pixel(onBand.x, onBand.y), WHITE) << "the band goes with the click";
    KeyAt(VK_ENTER, At(1000, 3000));
    Answer("input 1500");
    Key(VK_RIGHT);
    ASSERT_EQ(objects().count(), 5);
    EXPECT_EQ(objects()[4]->x1, 1000);
    EXPECT_EQ(objects()[4]->y1, 3000);
    EXPECT_EQ(ReadBack("HOUSE").size(), 5u);
}

TEST_F(IntWallWindowTest, TheProposalIsTheDistanceAndNoneIsAnEmptyBox)
{
    NewDrawing("HOUSE");
    InternalWalls(7004);
    KeyAt(VK_ENTER, At(1000, 1000));
    // Nothing to the right: the box opens empty, and an empty entry is refused.
    Answer("input ok");
    Answer("message ok");
    Key(VK_RIGHT);
    EXPECT_EQ(lines.back(), "message WALL TO | Enter a whole number of millimetres from 1 to 32766");
    EXPECT_EQ(client->ToolName(), "Pick Tool");
}

TEST_F(IntWallWindowTest, ClosingTheRunInstallsThePickTool)
{
    NewDrawing("HOUSE");
    InternalWalls(7004);
    KeyAt(VK_ENTER, At(1000, 1000));
    Answer("input 1500");
    Key(VK_RIGHT);
    KeyAt(VK_ENTER, At(2500, 1000));
    EXPECT_EQ(client->ToolName(), "Pick Tool");
    EXPECT_EQ(Child().datumX, 2500);
    const auto stored = ReadBack("HOUSE");
    ASSERT_GE(stored.size(), 2u);
    EXPECT_EQ(stored.back()->typeCode, 1);
    EXPECT_EQ(stored[stored.size() - 2]->typeCode, 1500);
}

TEST_F(IntWallWindowTest, DeleteRepaintsWhatItRemoved)
{
    NewDrawing("HOUSE");
    InternalWalls(7004);
    KeyAt(VK_ENTER, At(1000, 1000));
    Answer("input 1500");
    Key(VK_RIGHT);
    Command(CM_DELETEINTWALL);
    EXPECT_EQ(client->ToolName(), "DELETE Wall");
    EXPECT_EQ(client->Prompt(), "press ENTER on a line of INTERNAL wall to DELETE");
    const TPoint line = At(2000, 1000);
    EXPECT_EQ(Pixel(line.x, line.y), BLACK);
    KeyAt(VK_ENTER, At(2000, 950));
    EXPECT_EQ(Pixel(line.x, line.y), WHITE);
    EXPECT_EQ(ReadBack("HOUSE").size(), 4u);
    EXPECT_EQ(client->ToolName(), "DELETE Wall");  // the tool stays for the next wall
}

TEST_F(IntWallWindowTest, OnlyTheDrawingKindIsRebuiltAsAnInternalWallTool)
{
    NewDrawing("HOUSE");
    client->SetToolForKind(KIND_INTWALL);
    ASSERT_NE(Tool(), nullptr);
    EXPECT_EQ(&client->Family(), &IntWallFamily());
    client->SetToolForKind(KIND_INTWALL_DELETE);
    EXPECT_EQ(Tool(), nullptr);
}

}  // namespace
