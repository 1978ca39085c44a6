// The drawing window around the fixed-room tool and FINISH Design Rooms: the command and its
// refusal off the plans, a click with and without a closed space around it, the dialog and its
// cancel, the room kept in the drawing file, and the finish with its messages, repaint, datum and
// the pick tool after it.
#include "tests/app/appfixture.h"

#include "app/families/roomfamily.h"
#include "app/toolfamily.h"
#include "model/intwallobj.h"
#include "model/roomobj.h"
#include "model/textobj.h"
#include "rooms/droomobjtool.h"
#include "rooms/roomobjtool.h"

#include <algorithm>

namespace {

constexpr TColor BLACK = MakeColour(0, 0, 0);

class RoomWindowTest : public AppTest {
protected:
    // A new drawing with a closed 4000 x 3000 box of internal walls (room-side faces at x 1000
    // and 5000, y 1000 and 4000), stored in the drawing file.
    void DrawingWithBox()
    {
        NewDrawing("HOUSE");
        AddWall(900, 500, 900, 4500, 0, 1000, 500, 1000, 4500);
        AddWall(5000, 500, 5000, 4500, 0, 5100, 500, 5100, 4500);
        AddWall(500, 1000, 5500, 1000, 900, 500, 900, 5500, 900);
        AddWall(500, 4000, 5500, 4000, 900, 500, 4100, 5500, 4100);
    }
    void AddWall(int x1, int y1, int x2, int y2, int angle, int fx1, int fy1, int fx2, int fy2)
    {
        auto wall = std::make_unique<TIntwallobj>();
        wall->floor = state().currentFloor;
        wall->x1 = x1, wall->y1 = y1, wall->x2 = x2, wall->y2 = y2;
        wall->angle = angle;
        wall->wallWidth = 100;
        wall->face2StartX = fx1, wall->face2StartY = fy1, wall->face2EndX = fx2, wall->face2EndY = fy2;
        TDrawingEdit edit(objects());
        edit.Add(std::move(wall));
        edit.Commit();
    }
    void AddDesignRoom(int left, int top, int right, int bottom, const std::string& name)
    {
        auto room = std::make_unique<TRoomobj>();
        room->floor = state().currentFloor;
        room->x1 = left, room->y1 = top, room->x2 = right, room->y2 = bottom;
        room->SetRoomName(name);
        room->sizeDisplay = 0;
        TDrawingEdit edit(objects());
        edit.Add(std::move(room));
        edit.Commit();
    }
    TPoint At(int x, int y) { return Child().DevicePointOf({x, y}); }
    void ClickAt(int x, int y)
    {
        Child().EvLButtonDown(At(x, y));
        frame.ProcessEvents();
        Child().EvLButtonUp(At(x, y));
        frame.ProcessEvents();
    }
    TRoomobjtool* Tool() { return dynamic_cast<TRoomobjtool*>(client->CurrentTool()); }
    template <class T>
    int CountInFile()
    {
        const auto back = ReadBack("HOUSE");
        return int(std::count_if(back.begin(), back.end(),
                                 [](const auto& object) { return dynamic_cast<const T*>(object.get()) != nullptr; }));
    }
};

TEST_F(RoomWindowTest, NewRoomInstallsTheRoomTool)
{
    DrawingWithBox();
    Command(CM_NEWFIXEDROOM);
    ASSERT_NE(Tool(), nullptr);
    EXPECT_EQ(Tool()->kind, KIND_FIXED_ROOM);
    EXPECT_EQ(client->ToolName(), " Room");
    EXPECT_EQ(client->Prompt(), "Click cursor in new ROOM area, near corner to work from");
    EXPECT_EQ(client->helpContext, 270);
    EXPECT_EQ(&client->Family(), &RoomFamily());
    EXPECT_TRUE(lines.empty());
}

TEST_F(RoomWindowTest, NewRoomOffThePlansIsRefusedAndKeepsTheTool)
{
    DrawingWithBox();
    state().currentFloor = 54;
    const std::string toolName = client->ToolName();
    const TDrawingtool* before = client->CurrentTool();
    Answer("message ok");
    Command(CM_NEWFIXEDROOM);
    EXPECT_EQ(lines, std::vector<std::string>{"message  | Wrong View - select  View then Plan"});
    EXPECT_EQ(client->CurrentTool(), before);
    EXPECT_EQ(client->ToolName(), toolName);
}

TEST_F(RoomWindowTest, NothingHappensWithoutADrawing)
{
    Command(CM_NEWFIXEDROOM);
    Command(CM_FINISHDESIGNROOMS);
    EXPECT_TRUE(lines.empty());
    EXPECT_EQ(Tool(), nullptr);
}

TEST_F(RoomWindowTest, AClickInAClosedSpaceBuildsTheRoomAndKeepsTheTool)
{
    DrawingWithBox();
    Command(CM_NEWFIXEDROOM);
    Answer("dialog 8000 set 8001 study set 8002 3000 check 8007 ok");
    ClickAt(1500, 3500);
    EXPECT_EQ(frame.Scripted().PendingAnswers(), 0u);
    EXPECT_EQ(ReadWholeFile(Path("CFG/ROOM.CFG")), "4000 3000");
    // Near the upper left corner, 3000 wide: one new wall on the right, with its name and both
    // sizes; the file holds them.
    EXPECT_EQ(CountInFile<TIntwallobj>(), 5);
    const auto back = ReadBack("HOUSE");
    std::vector<std::string> texts;
    for (const auto& object : back)
        if (const auto* text = dynamic_cast<const TTextobj*>(object.get()))
            texts.push_back(text->text);
    EXPECT_EQ(texts, (std::vector<std::string>{"study", "3000", "3000"}));
    EXPECT_EQ(state().newRoomName, "study");
    // The new wall is on the screen.
    const TPoint face = At(4000, 2500);
    EXPECT_EQ(Pixel(face.x, face.y), BLACK);
    // The tool stays for the next room.
    ASSERT_NE(Tool(), nullptr);
    EXPECT_EQ(Tool()->kind, KIND_FIXED_ROOM);
    EXPECT_EQ(client->ToolName(), " Room");
}

TEST_F(RoomWindowTest, AClickWithoutAClosedSpaceIsToldAndTheToolWaits)
{
    NewDrawing("HOUSE");
    Command(CM_NEWFIXEDROOM);
    Answer("message ok");
    ClickAt(1500, 3500);
    EXPECT_EQ(lines, std::vector<std::string>{"message  | No selection was made - start ROOM again"});
    ASSERT_NE(Tool(), nullptr);
    EXPECT_EQ(Tool()->lineDrawn, 0);
    EXPECT_EQ(frame.Scripted().PendingAnswers(), 0u);
}

TEST_F(RoomWindowTest, AClickInADesignRoomTakesTheDesignRoomToolInstead)
{
    DrawingWithBox();
    AddDesignRoom(1200, 3800, 2800, 2200, "den");
    const std::string found = ReadWholeFile(Path("CFG/ROOM.CFG"));
    Command(CM_NEWFIXEDROOM);
    ClickAt(2000, 3000);
    // No room dialog, no space measured, no wall: the design room is taken up instead.
    EXPECT_EQ(frame.Scripted().PendingAnswers(), 0u);
    EXPECT_EQ(ReadWholeFile(Path("CFG/ROOM.CFG")), found);
    EXPECT_EQ(CountInFile<TIntwallobj>(), 4);
    EXPECT_NE(dynamic_cast<TDRoomobjtool*>(client->CurrentTool()), nullptr);
}

TEST_F(RoomWindowTest, ACancelledDialogBuildsNothing)
{
    DrawingWithBox();
    const int count = objects().count();
    Command(CM_NEWFIXEDROOM);
    Answer("dialog 8000 cancel");
    ClickAt(1500, 3500);
    EXPECT_EQ(objects().count(), count);
    EXPECT_EQ(int(ReadBack("HOUSE").size()), count);
    ASSERT_NE(Tool(), nullptr);
}

TEST_F(RoomWindowTest, AnImperialRoomTakesFeetAndInches)
{
    NewDrawing("HOUSE", false);
    AddWall(900, 500, 900, 4500, 0, 1000, 500, 1000, 4500);
    AddWall(5000, 500, 5000, 4500, 0, 5100, 500, 5100, 4500);
    AddWall(500, 1000, 5500, 1000, 900, 500, 900, 5500, 900);
    AddWall(500, 4000, 5500, 4000, 900, 500, 4100, 5500, 4100);
    Command(CM_NEWFIXEDROOM);
    // 10' 0 1/2'' wide, the found length (3000 = 10' 5''), sizes below the name.
    Answer("dialog 8500 set 8501 den set 8502 10 set 8503 0 set 8504 1 set 8505 2 check 8513 ok");
    ClickAt(1500, 3500);
    const auto back = ReadBack("HOUSE");
    const auto* sizes = dynamic_cast<const TTextobj*>(back.back().get());
    ASSERT_NE(sizes, nullptr);
    EXPECT_EQ(sizes->text, "10' 0 1/2'' x 10' 5''");
}

TEST_F(RoomWindowTest, TheKindBuildsTheRoomTool)
{
    DrawingWithBox();
    client->SetToolForKind(KIND_FIXED_ROOM);
    ASSERT_NE(Tool(), nullptr);
    EXPECT_EQ(&client->Family(), &RoomFamily());
}

TEST_F(RoomWindowTest, FinishWithoutDesignRoomsIsRefused)
{
    DrawingWithBox();
    Answer("message ok");
    Command(CM_FINISHDESIGNROOMS);
    EXPECT_EQ(lines, std::vector<std::string>{
                         "message LOCK DESIGN ROOMS IN | There are no design rooms to lock in and finish drawing"});
    EXPECT_EQ(client->helpContext, 260);
    // A design room of another floor does not count.
    lines.clear();
    AddDesignRoom(1000, 4000, 5000, 1000, "up");
    objects()[objects().count() - 1]->floor = 51;
    Answer("message ok");
    Command(CM_FINISHDESIGNROOMS);
    EXPECT_EQ(lines.size(), 1u);
    // Off the plans (a floor being printed, say) it is the plan-view message.
    lines.clear();
    state().currentFloor = 1050;
    Answer("message ok");
    Command(CM_FINISHDESIGNROOMS);
    EXPECT_EQ(lines, std::vector<std::string>{"message NEW ROOM | You must be in a PLAN VIEW to use this function"});
}

TEST_F(RoomWindowTest, FinishTurnsTheRoomsIntoWallsAndReturnsToThePickTool)
{
    NewDrawing("HOUSE");
    AddDesignRoom(1000, 4000, 3000, 1000, "bed");
    AddDesignRoom(3000, 4000, 5000, 1000, "bath");
    Child().SetDatum(DATUM_SET, {1000, 1000});
    Command(CM_FINISHDESIGNROOMS);
    EXPECT_TRUE(lines.empty());
    EXPECT_EQ(CountInFile<TRoomobj>(), 0);
    EXPECT_EQ(CountInFile<TIntwallobj>(), 7);
    EXPECT_EQ(Child().datumMode, DATUM_OFF);
    EXPECT_EQ(client->ToolName(), "Pick Tool");
    EXPECT_EQ(&client->Family(), &PlainFamily());
    // The walls are on the screen after the repaint of the rooms' area.
    const TPoint shared = At(3000, 2500);
    EXPECT_EQ(Pixel(shared.x, shared.y), BLACK);  // the second face of the wall between the rooms
}

}  // namespace
