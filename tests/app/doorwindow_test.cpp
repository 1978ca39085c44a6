// The drawing window around the internal-door tool: the three commands and their dialogs, the
// preview, ENTER placing a door or telling why not, the tool after each, and the tools built for the
// door kinds.
#include "tests/app/appfixture.h"

#include "app/families/doorfamily.h"
#include "app/families/intwallfamily.h"
#include "app/toolfamily.h"
#include "model/extwallobj.h"
#include "model/intwallobj.h"
#include "model/polyobj.h"
#include "openings/doorobjtool.h"
#include "tools/lineobjtool.h"
#include "walls/intwallobjtool.h"

namespace {

class DoorWindowTest : public AppTest {
protected:
    // A drawing with one internal wall along x at y 2000 from x 1000 to 4000, its second face
    // 100 below.
    void HouseWithWall(bool metric = true)
    {
        NewDrawing("HOUSE", metric);
        auto wall = std::make_unique<TIntwallobj>();
        wall->floor = GROUND_FLOOR;
        wall->x1 = 1000;
        wall->x2 = 4000;
        wall->y1 = wall->y2 = 2000;
        wall->angle = 900;
        wall->wallWidth = 100;
        wall->wallFlag = 1;
        wall->faceStartX() = 1000;
        wall->faceStartY() = 1900;
        wall->faceEndX() = 4000;
        wall->faceEndY() = 1900;
        TDrawingEdit edit(objects());
        edit.Add(std::move(wall));
        edit.Commit();
        count = int(ReadBack("HOUSE").size());
    }
    TDoorobjtool* Tool() { return dynamic_cast<TDoorobjtool*>(client->CurrentTool()); }
    TPoint At(int x, int y) { return Child().DevicePointOf({x, y}); }
    void EnterAt(int x, int y)
    {
        Window().PlaceCursor(At(x, y));
        Child().EvKeyDown(VK_ENTER);
        frame.ProcessEvents();
    }
    void MoveTo(int x, int y)
    {
        Window().PlaceCursor(At(x, y));
        Child().EvMouseMove(At(x, y));
        frame.ProcessEvents();
    }
    int Added() { return int(ReadBack("HOUSE").size()) - count; }

    int count = 0;
};

TEST_F(DoorWindowTest, HingedDoorFromItsDialogToThePickTool)
{
    HouseWithWall();
    Answer("dialog 10500 set 10501 800 check 10504 ok");
    Command(CM_INTERNALDOOR);
    ASSERT_NE(Tool(), nullptr);
    EXPECT_EQ(Tool()->kind, KIND_DOOR_HINGED);
    EXPECT_EQ(Tool()->doorCode, 6);
    EXPECT_EQ(Tool()->openingWidth, 800);
    EXPECT_EQ(Tool()->active, 1);
    EXPECT_EQ(client->ToolName(), "Internal Door");
    EXPECT_EQ(client->Prompt(), "ENTER HINGED side on wall where door will go");
    EXPECT_EQ(client->helpContext, 300);
    EXPECT_EQ(&client->Family(), &DoorFamily());
    // The preview follows the mouse.
    MoveTo(2500, 2500);
    EXPECT_TRUE(Tool()->previewShown);

    EnterAt(2000, 1960);
    EXPECT_EQ(Tool(), nullptr);
    EXPECT_EQ(client->ToolName(), "Pick Tool");
    EXPECT_TRUE(lines.empty());
    const auto objects = ReadBack("HOUSE");
    ASSERT_EQ(Added(), 5);
    EXPECT_NE(dynamic_cast<const TPolyobj*>(objects[std::size_t(count)].get()), nullptr);
    EXPECT_EQ(objects[std::size_t(count) + 3]->x2, 2000);
    EXPECT_EQ(objects[std::size_t(count) + 3]->y2, 1100);
}

TEST_F(DoorWindowTest, TheDistanceIsMeasuredFromTheWallsTopLeftCorner)
{
    HouseWithWall();
    auto wall = std::make_unique<TExtwallobj>();
    wall->floor = GROUND_FLOOR;
    wall->x1 = 500;
    wall->y1 = 3300;
    wall->x2 = 4500;
    wall->y2 = 3300;
    wall->angle = 900;
    wall->spacing1 = 110;
    TDrawingEdit edit(objects());
    edit.Add(std::move(wall));
    edit.Commit();
    Answer("input ok");
    Command(CM_WALLOPENING);
    EXPECT_EQ(Child().datumMode, DATUM_SET);
    EXPECT_EQ(Child().datumX, 500);
    EXPECT_EQ(Child().datumY, 3300);
}

TEST_F(DoorWindowTest, ThePreviewComesBackAfterAToolWasInForAWhile)
{
    HouseWithWall();
    Answer("dialog 10500 ok");
    Command(CM_INTERNALDOOR);
    MoveTo(2500, 2500);
    ASSERT_TRUE(Tool()->previewShown);
    // A zoom rectangle, say: the door tool is kept whole, its preview still on the screen.
    Child().InstallToolKeepingCurrent(std::make_unique<TLineobjtool>(), PlainFamily());
    Child().RestoreKeptTool();
    ASSERT_NE(Tool(), nullptr);
    EXPECT_TRUE(Tool()->previewShown);
    EXPECT_EQ(Tool()->active, 1);
    MoveTo(2600, 2500);
    EXPECT_TRUE(Tool()->previewShown);
    EXPECT_EQ(Tool()->active, 1);
    EXPECT_EQ(Tool()->x1, 2600);
}

TEST_F(DoorWindowTest, CentrePutsTheMarkHalfwayAndKeepsTheSide)
{
    HouseWithWall();
    Answer("dialog 13500 check 13502 ok");
    Answer("dialog 10000 set 10001 1200 check 10003 check 10006 ok");
    Command(CM_OTHERINTERNALDOORS);
    MoveTo(2500, 2500);
    // A plain click neither places nor stops the preview.
    Child().EvLButtonDown(At(1000, 3000));
    Child().EvLButtonUp(At(1000, 3000));
    EXPECT_EQ(Tool()->active, 1);
    EXPECT_EQ(Added(), 0);
    Command(CM_CENTRE);
    Child().EvLButtonDown(At(1600, 1900));
    Child().EvLButtonDown(At(2400, 1900));
    EXPECT_EQ(Tool()->x1, 2000);
    EXPECT_EQ(Tool()->step, DOOR_SIDE_BOTTOM);
    EXPECT_EQ(Window().CursorPos(), At(2000, 1900));
    Child().EvKeyDown(VK_ENTER);
    frame.ProcessEvents();
    ASSERT_EQ(Added(), 5);
    // Opening to the bottom: the panels lie behind the lower face.
    const auto objects = ReadBack("HOUSE");
    EXPECT_EQ(objects[std::size_t(count) + 3]->y1, 1925);
    EXPECT_EQ(objects[std::size_t(count) + 3]->x1, 1400 + 150);
}

TEST_F(DoorWindowTest, AnotherToolTakesThePreviewOffTheScreen)
{
    HouseWithWall();
    Answer("dialog 10500 set 10501 800 check 10504 ok");
    Command(CM_INTERNALDOOR);
    // Code 6: the leaf preview runs down from the cursor.
    MoveTo(2500, 2500);
    auto inked = [this] {
        int black = 0;
        for (int y = 1850; y <= 2450; y += 5) {
            const TPoint p = At(2500, y);
            black += Pixel(p.x, p.y) != MakeColour(255, 255, 255);
        }
        return black;
    };
    EXPECT_GT(inked(), 10);
    client->SetPickTool();
    EXPECT_EQ(inked(), 0);
}

TEST_F(DoorWindowTest, ARefusedDoorIsToldAndTheToolStays)
{
    HouseWithWall();
    Answer("dialog 10500 ok");
    Command(CM_INTERNALDOOR);
    Answer("message ok");
    EnterAt(2000, 3000);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0],
              "message INTERNAL DOOR |   No INTERNAL door drawn, try again\nplace the cursor cross on hanging side of an "
              "internal wall");
    ASSERT_NE(Tool(), nullptr);
    EXPECT_EQ(Tool()->active, 1);
    EXPECT_EQ(Added(), 0);
    // Code 1 does not suit a wall along x: refused as well, then a code-8 door fits.
    Tool()->doorCode = 8;
    EnterAt(3000, 1940);
    EXPECT_EQ(Tool(), nullptr);
    EXPECT_EQ(Added(), 5);
}

TEST_F(DoorWindowTest, SlidingDoorThroughTheChoiceOfDoors)
{
    HouseWithWall();
    Answer("dialog 13500 ok");
    Answer("dialog 13000 set 13001 700 check 13008 check 13002 ok");
    Command(CM_OTHERINTERNALDOORS);
    ASSERT_NE(Tool(), nullptr);
    EXPECT_EQ(Tool()->kind, KIND_DOOR_SLIDING);
    EXPECT_EQ(Tool()->doorCode, 6);
    EXPECT_EQ(Tool()->objectIndex, 1);
    EXPECT_EQ(client->ToolName(), "Intl Sliding Dr");
    EXPECT_EQ(client->Prompt(), "ENTER slide side jamb on wall where door will go");
    EXPECT_EQ(client->helpContext, 300);
    // Marked away from the wall: the sliding door's message.
    Answer("message ok");
    EnterAt(2000, 3000);
    EXPECT_EQ(lines.back(),
              "message SLIDING DOOR |   No door drawn, try again\nplace the cursor cross on jamb of sliding side of "
              "partition");
    EnterAt(2000, 1950 + 5);
    EXPECT_EQ(Tool(), nullptr);
    EXPECT_EQ(Added(), 5);  // polygon, two jambs, the open and the hidden half
}

TEST_F(DoorWindowTest, DoubleDoorsThroughTheChoiceOfDoors)
{
    HouseWithWall();
    Answer("dialog 13500 check 13502 ok");
    Answer("dialog 10000 set 10001 1200 check 10003 check 10006 ok");
    Command(CM_OTHERINTERNALDOORS);
    ASSERT_NE(Tool(), nullptr);
    EXPECT_EQ(Tool()->kind, KIND_DOOR_DOUBLE);
    EXPECT_EQ(Tool()->doorCode, DOOR_CODE_TWO_PANELS);
    EXPECT_EQ(Tool()->step, DOOR_SIDE_BOTTOM);
    EXPECT_EQ(client->ToolName(), "Misc Doors");
    EXPECT_EQ(client->Prompt(), "ENTER CENTRE point on wall where doors are to go");
    Answer("message ok");
    EnterAt(2000, 2500);
    EXPECT_EQ(lines.back(),
              "message MISCELLANEOUS DOORS | No doors drawn, try again - place the cross on correct side of a partition");
    EnterAt(2500, 2030);
    EXPECT_EQ(Tool(), nullptr);
    EXPECT_EQ(Added(), 5);
}

TEST_F(DoorWindowTest, OpeningWidthFromItsBox)
{
    HouseWithWall();
    Answer("input ok");
    Command(CM_WALLOPENING);
    ASSERT_NE(Tool(), nullptr);
    EXPECT_EQ(Tool()->kind, KIND_WALL_OPENING);
    EXPECT_EQ(Tool()->openingWidth, 1000);
    EXPECT_EQ(client->ToolName(), "Wall Opening");
    EXPECT_EQ(client->Prompt(), "press Enter on centre of Opening (mark on one internal wall line)");
    EXPECT_EQ(client->helpContext, 250);
    EnterAt(2500, 1920);
    EXPECT_EQ(Tool(), nullptr);
    ASSERT_EQ(Added(), 3);
    const auto objects = ReadBack("HOUSE");
    EXPECT_EQ(objects[std::size_t(count) + 1]->x1, 2000);
    EXPECT_EQ(objects[std::size_t(count) + 2]->x1, 3000);
}

TEST_F(DoorWindowTest, OpeningAwayFromAnyWallIsToldThenThePickTool)
{
    HouseWithWall();
    Answer("input 900");
    Command(CM_WALLOPENING);
    Answer("message ok");
    EnterAt(2500, 3000);
    EXPECT_EQ(lines, std::vector<std::string>{
                         "message OPENING | No internal wall at that point - mark the centre on one internal wall line"});
    EXPECT_EQ(Tool(), nullptr);
    EXPECT_EQ(client->ToolName(), "Pick Tool");
    EXPECT_EQ(Added(), 0);
}

TEST_F(DoorWindowTest, OpeningWidthOutOfRangeOrCancelledEndsTheCommand)
{
    HouseWithWall();
    Answer("input 40000");
    Answer("message ok");
    Command(CM_WALLOPENING);
    EXPECT_EQ(lines, std::vector<std::string>{"message OPENING | Enter a whole number of millimetres from 1 to 32766"});
    EXPECT_EQ(Tool(), nullptr);
    Answer("input cancel");
    Command(CM_WALLOPENING);
    EXPECT_EQ(Tool(), nullptr);
    Answer("dialog 10500 cancel");
    Command(CM_INTERNALDOOR);
    EXPECT_EQ(Tool(), nullptr);
    Answer("dialog 13500 cancel");
    Command(CM_OTHERINTERNALDOORS);
    EXPECT_EQ(Tool(), nullptr);
    EXPECT_EQ(client->ToolName(), "Pick Tool");
}

TEST_F(DoorWindowTest, ImperialOpeningInFeetAndInches)
{
    HouseWithWall(false);
    Answer("dialog 9500 set 9501 3 set 9502 0 ok");
    Command(CM_WALLOPENING);
    ASSERT_NE(Tool(), nullptr);
    EXPECT_EQ(Tool()->openingWidth, 864);
    // The hinged door's width is in inches.
    Answer("dialog 10500 set 10501 30 ok");
    Command(CM_INTERNALDOOR);
    ASSERT_NE(Tool(), nullptr);
    EXPECT_EQ(Tool()->openingWidth, 720);
}

TEST_F(DoorWindowTest, DoorKindsBuildDoorTools)
{
    NewDrawing("HOUSE");
    for (int kind : {KIND_DOOR_HINGED, KIND_DOOR_DOUBLE, KIND_WALL_OPENING, KIND_DOOR_SLIDING}) {
        client->SetToolForKind(kind);
        ASSERT_NE(Tool(), nullptr) << kind;
        EXPECT_EQ(Tool()->kind, kind);
        EXPECT_EQ(Tool()->openingWidth, 0);
        EXPECT_EQ(&client->Family(), &DoorFamily());
    }
    // The sliding door's kind never builds the internal-wall delete tool.
    client->SetToolForKind(KIND_INTWALL_DELETE);
    EXPECT_EQ(dynamic_cast<TIntwallobjtool*>(client->CurrentTool()), nullptr);
    // A door tool with no width refuses its ENTER and gives way to the pick tool.
    Answer("message ok");
    EnterAt(2000, 2000);
    EXPECT_EQ(lines.back(), "message SLIDING DOOR | The width must be at least 1");
    EXPECT_EQ(Tool(), nullptr);
}

TEST_F(DoorWindowTest, TheDeleteToolKeepsItsOwnFamily)
{
    NewDrawing("HOUSE");
    Command(CM_DELETEINTWALL);
    EXPECT_NE(dynamic_cast<TIntwallobjtool*>(client->CurrentTool()), nullptr);
    EXPECT_EQ(client->CurrentTool()->kind, KIND_INTWALL_DELETE);
    EXPECT_EQ(&client->Family(), &IntWallFamily());
}

TEST_F(DoorWindowTest, NamedEntryPointsOfTheWindow)
{
    HouseWithWall();
    client->SetToolForKind(KIND_DOOR_HINGED);
    Answer("input 600");
    Child().StartInternalDoorOrOpening(3);
    ASSERT_NE(Tool(), nullptr);
    EXPECT_EQ(Tool()->kind, KIND_WALL_OPENING);
    EXPECT_EQ(Tool()->openingWidth, 600);
    Answer("dialog 13500 check 13502 ok");
    Answer("dialog 10000 ok");
    Child().StartMiscDoor();
    EXPECT_EQ(Tool()->kind, KIND_DOOR_DOUBLE);
    EXPECT_EQ(Tool()->openingWidth, 1440);
}

}  // namespace
