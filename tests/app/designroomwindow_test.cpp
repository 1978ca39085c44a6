// The drawing window around the design-room tool: the Design Rooms commands and their dialogs, the
// click that takes a room over another tool, the drag and its alignment, the keys and their
// release, the maximum-size click, and the Customise commands for the merge distance and colours.
#include "tests/app/appfixture.h"

#include "app/families/designroomfamily.h"
#include "app/toolfamily.h"
#include "model/extwallobj.h"
#include "model/lineobj.h"
#include "model/roomobj.h"
#include "rooms/droomobjtool.h"

#include <filesystem>

namespace {

class DesignRoomWindowTest : public AppTest {
protected:
    void SetUp() override
    {
        NewDrawing("HOUSE");
        client->SetPickTool();
        lines.clear();
    }

    // Device point of a model point: the sheet is shown at one logical unit a pixel.
    static TPoint At(int x, int y) { return {x / 5, 700 - y / 5}; }
    void Click(int x, int y)
    {
        Child().EvLButtonDown(At(x, y));
        frame.ProcessEvents();
        Child().EvLButtonUp(At(x, y));
        frame.ProcessEvents();
    }
    void Drag(TPoint from, TPoint to)
    {
        Window().PlaceCursor(At(from.x, from.y));
        Child().EvLButtonDown(At(from.x, from.y));
        Child().EvMouseMove(At(from.x, from.y));
        Child().EvMouseMove(At(to.x, to.y));
        Child().EvLButtonUp(At(to.x, to.y));
        frame.ProcessEvents();
    }
    void Key(int key)
    {
        Child().EvKeyDown(key);
        frame.ProcessEvents();
    }
    TDRoomobjtool* Tool() { return dynamic_cast<TDRoomobjtool*>(client->CurrentTool()); }
    TRoomobj& RoomAt(int index) { return dynamic_cast<TRoomobj&>(*objects()[index]); }
    static std::array<int, 4> Rect(const TObject& o) { return {o.x1, o.y1, o.x2, o.y2}; }
    std::string Cfg(const std::string& name) { return ReadWholeFile(Path("CFG/" + name)); }

    // Design Rooms/New with the answers for its dialogs; the first room of a floor asks the wall
    // size first.
    void NewRoom(const std::string& name, int width, int length, bool first = false)
    {
        if (first)
            Answer("dialog 21000 ok");
        Answer("dialog 22000 set 22001 \"" + name + "\" set 22002 " + std::to_string(width) + " set 22003 " +
               std::to_string(length) + " ok");
        Command(CM_NEWDESIGNROOM);
    }

    // A room already in the drawing, stored.
    void StoreRoom(int left, int top, int right, int bottom)
    {
        auto room = std::make_unique<TRoomobj>();
        room->floor = GROUND_FLOOR;
        room->x1 = left;
        room->y1 = top;
        room->x2 = right;
        room->y2 = bottom;
        room->roomWidth = right - left;
        room->roomLength = top - bottom;
        TDrawingEdit edit(objects());
        edit.Add(std::move(room));
        edit.Commit();
    }

    // Four two-line external walls round (0, 0)..(10000, 8000), inner faces 230 inside.
    void StoreHouse()
    {
        const int walls[4][8] = {{0, 0, 10000, 0, 230, 230, 9770, 230},
                                 {10000, 0, 10000, 8000, 9770, 230, 9770, 7770},
                                 {10000, 8000, 0, 8000, 9770, 7770, 230, 7770},
                                 {0, 8000, 0, 0, 230, 7770, 230, 230}};
        TDrawingEdit edit(objects());
        for (const auto& w : walls) {
            auto wall = std::make_unique<TExtwallobj>();
            wall->floor = GROUND_FLOOR;
            wall->x1 = w[0];
            wall->y1 = w[1];
            wall->x2 = w[2];
            wall->y2 = w[3];
            wall->spacing1 = 230;
            wall->wallLines = {w[4], w[5], w[6], w[7]};
            edit.Add(std::move(wall));
        }
        edit.Commit();
    }
};

TEST_F(DesignRoomWindowTest, NewRoomAsksTheWallSizeFirstOnlyOnAFloorWithoutRooms)
{
    Answer("dialog 21000 set 21001 120 ok");
    Answer("dialog 22000 set 22001 lounge set 22002 4000 set 22003 3500 check 22005 ok");
    Command(CM_NEWDESIGNROOM);
    ASSERT_EQ(objects().count(), 5);
    const TRoomobj& room = RoomAt(4);
    EXPECT_EQ(room.roomName, "lounge");
    EXPECT_EQ(Rect(room), (std::array<int, 4>{55, 3555, 4055, 55}));
    EXPECT_EQ(Cfg("RMPTNM.CFG"), "120 110 110");
    EXPECT_EQ(client->Prompt(), "place cursor in room, move with LB down (align to Room)");
    EXPECT_EQ(client->ToolName(), "Design Rooms");
    EXPECT_EQ(client->helpContext, 260);
    EXPECT_EQ(Child().datumMode, DATUM_REQUESTED);
    ASSERT_NE(Tool(), nullptr);
    EXPECT_EQ(Tool()->step, STEP_READY);
    EXPECT_EQ(RoomAt(4).fillColour, 15128749);  // the shipped wet area colour

    // The second room of the floor goes straight to the room dialog; a name of one letter is none.
    NewRoom("x", 3000, 3000);
    ASSERT_EQ(objects().count(), 6);
    EXPECT_EQ(RoomAt(5).roomName, "none");
    EXPECT_EQ(frame.Scripted().PendingAnswers(), 0u);
    EXPECT_EQ(ReadBack("HOUSE").size(), 6u);
}

TEST_F(DesignRoomWindowTest, ImperialNewRoomTakesFeetAndInches)
{
    NewDrawing("COTTAGE", false);
    Answer("dialog 21500 set 21501 4 set 21502 1 set 21503 2 ok");
    Answer("dialog 22500 set 22502 12 set 22503 6 set 22504 1 set 22505 8 ok");
    Command(CM_NEWDESIGNROOM);
    ASSERT_EQ(objects().count(), 5);
    EXPECT_EQ(RoomAt(4).roomWidth, 3603);
    EXPECT_EQ(RoomAt(4).sizeText1, "12' 6 1/8''");
    EXPECT_EQ(RoomAt(4).sizeText2, "10' 0''");
    EXPECT_EQ(Cfg("RMPTNI.CFG"), "108 108 108");
    EXPECT_EQ(client->Prompt(), "place cursor in room, move with LB down (align to Room), RB (align Boundary)");
}

TEST_F(DesignRoomWindowTest, ACancelledRoomDialogMakesNothing)
{
    Answer("dialog 21000 ok");
    Answer("dialog 22000 cancel");
    Command(CM_NEWDESIGNROOM);
    EXPECT_EQ(objects().count(), 4);
    EXPECT_EQ(client->Prompt(), "press HELP button if unsure");
}

TEST_F(DesignRoomWindowTest, AClickInARoomTakesItOverAnotherToolAndDragsIt)
{
    StoreRoom(0, 5000, 4000, 2000);
    StoreRoom(5000, 6000, 8000, 3000);
    ASSERT_EQ(client->CurrentTool()->kind, KIND_PICK);

    // A click outside every room leaves the pick tool.
    Click(4500, 1000);
    EXPECT_EQ(client->CurrentTool()->kind, KIND_PICK);

    // Taken away from its centre and dropped 150 from the other room: aligned one wall thickness
    // (110) away, top and bottom level with it.
    Drag({5500, 5500}, {4650, 4480});
    ASSERT_NE(Tool(), nullptr);
    EXPECT_EQ(Rect(RoomAt(5)), (std::array<int, 4>{4110, 5000, 7110, 2000}));
    EXPECT_EQ(Tool()->step, STEP_READY);
    EXPECT_EQ(Child().datumMode, DATUM_OFF);
    EXPECT_EQ(Rect(*ReadBack("HOUSE")[5]), Rect(RoomAt(5)));
}

// A large plan is looked through in pieces: a room at either end of the list is found.
TEST_F(DesignRoomWindowTest, AClickInARoomOfALargePlanTakesItWhereverTheRoomStandsInTheList)
{
    StoreRoom(0, 5000, 4000, 2000);
    for (int i = 0; i < 40000; ++i) {
        auto line = std::make_unique<TLineobj>(1);
        line->floor = GROUND_FLOOR;
        line->x1 = 500 + i % 9000;
        line->y1 = 6500;
        line->x2 = line->x1 + 100;
        line->y2 = 6600;
        objects().Add(std::move(line));
    }
    StoreRoom(5000, 6000, 8000, 3000);
    for (const TPoint at : {TPoint{1000, 3000}, TPoint{7000, 4000}}) {
        client->SetPickTool();
        Click(4500, 1000);
        EXPECT_EQ(client->CurrentTool()->kind, KIND_PICK) << "outside every room";
        Click(at.x, at.y);
        EXPECT_NE(Tool(), nullptr) << at.x;
    }
}

TEST_F(DesignRoomWindowTest, RotateAndDeleteActOnOneClickEach)
{
    StoreRoom(1000, 4000, 4000, 2000);
    Command(CM_ROTATEROOM);
    Click(2000, 3000);
    EXPECT_EQ(Rect(RoomAt(4)), (std::array<int, 4>{1500, 4500, 3500, 1500}));
    EXPECT_EQ(Tool()->step, STEP_READY);
    EXPECT_EQ(Rect(*ReadBack("HOUSE")[4]), Rect(RoomAt(4)));

    // The command ends with its click: the next click drags.
    Click(2000, 3000);
    EXPECT_EQ(Rect(RoomAt(4)), (std::array<int, 4>{1500, 4500, 3500, 1500}));

    Command(CM_DELETEROOM);
    Click(4500, 1000);  // a miss ends the command too
    EXPECT_EQ(objects().count(), 5);
    EXPECT_EQ(Tool()->step, STEP_READY);
    Command(CM_DELETEROOM);
    Click(2000, 3000);
    EXPECT_EQ(objects().count(), 4);
    EXPECT_EQ(ReadBack("HOUSE").size(), 4u);
}

TEST_F(DesignRoomWindowTest, ExpandAndShrinkByATypedDistance)
{
    StoreRoom(1000, 4000, 4000, 2000);
    Command(CM_EXPANDROOM);
    Key(VK_LEFT);  // no room picked yet: the key does nothing
    EXPECT_EQ(frame.Scripted().PendingAnswers(), 0u);
    Click(2000, 3000);
    Answer("input cancel");
    Key(VK_LEFT);
    EXPECT_EQ(Tool()->step, STEP_DROOM_EXPAND);
    Answer("input 500");
    Key(VK_LEFT);
    EXPECT_EQ(Rect(RoomAt(4)), (std::array<int, 4>{500, 4000, 4000, 2000}));
    EXPECT_EQ(RoomAt(4).sizeText1, "3500");
    EXPECT_EQ(Tool()->step, STEP_READY);
    EXPECT_EQ(Rect(*ReadBack("HOUSE")[4]), Rect(RoomAt(4)));

    Command(CM_SHRINKROOM);
    Click(2000, 3000);
    Answer("input 300");
    Key(VK_DOWN);
    EXPECT_EQ(Rect(RoomAt(4)), (std::array<int, 4>{500, 4000, 4000, 2300}));
    EXPECT_EQ(RoomAt(4).roomLength, 1700);

    // A shrink that would leave no room is refused with the reason.
    Command(CM_SHRINKROOM);
    Click(2000, 3000);
    Answer("input 1700");
    Answer("message ok");
    Key(VK_UP);
    EXPECT_EQ(lines, (std::vector<std::string>{"message ADJUST ROOM | A room must keep a width and a length of at least 1"}));
    EXPECT_EQ(Rect(RoomAt(4)), (std::array<int, 4>{500, 4000, 4000, 2300}));
    EXPECT_EQ(Tool()->step, STEP_READY);
}

TEST_F(DesignRoomWindowTest, MoveByATypedDistanceOrByTheNudgeUntilTheNextClick)
{
    StoreRoom(1000, 4000, 4000, 2000);
    Command(CM_MOVEROOM);
    Click(2000, 3000);
    EXPECT_EQ(Tool()->step, STEP_DROOM_MOVE_TYPED);
    Answer("input 700");
    Key(VK_RIGHT);
    EXPECT_EQ(Rect(RoomAt(4)), (std::array<int, 4>{1700, 4000, 4700, 2000}));
    EXPECT_EQ(Tool()->step, STEP_READY);

    Command(CM_MOVEROOM);
    Child().EvRButtonDown(At(2000, 3000));
    EXPECT_EQ(Tool()->step, STEP_DROOM_MOVE_FINE);
    Key(VK_UP);
    Key(VK_UP);
    EXPECT_EQ(Tool()->feedbackState(), 1);
    Child().EvKeyUp(VK_UP);
    EXPECT_EQ(Tool()->feedbackState(), 0);
    Key(VK_LEFT);
    Child().EvKeyUp(VK_LEFT);
    EXPECT_EQ(Rect(RoomAt(4)), (std::array<int, 4>{1675, 4050, 4675, 2050}));
    EXPECT_EQ(Rect(*ReadBack("HOUSE")[4]), Rect(RoomAt(4)));
    // A repaint reads the file back: the moves are in it.
    Child().Refresh(9);
    EXPECT_EQ(Rect(RoomAt(4)), (std::array<int, 4>{1675, 4050, 4675, 2050}));
    // A right click ends the fine move.
    Child().EvRButtonDown(At(2000, 3000));
    EXPECT_EQ(Tool()->step, STEP_READY);
    EXPECT_EQ(frame.Scripted().PendingAnswers(), 0u);
}

TEST_F(DesignRoomWindowTest, TheMaximumSizeClickOffersTheRoomThatFits)
{
    StoreHouse();
    StoreRoom(5000, 6000, 8000, 1000);
    Command(CM_MAXDESIGNROOM);
    Child().EvLButtonDown(At(2000, 2000));
    EXPECT_EQ(Cfg("MAX.CFG"), "4660 7540");
    Answer("dialog 23000 set 23001 study ok");
    Child().EvLButtonUp(At(2000, 2000));
    ASSERT_EQ(objects().count(), 10);
    EXPECT_EQ(RoomAt(9).roomName, "study");
    EXPECT_EQ(RoomAt(9).roomWidth, 4660);
    EXPECT_EQ(RoomAt(9).roomLength, 7540);
    EXPECT_EQ(Tool()->step, STEP_READY);
    EXPECT_EQ(client->Prompt(), "place cursor in room, move with LB down (align to Room), RB (align Boundary)");
}

TEST_F(DesignRoomWindowTest, AMaximumSizeClickOutsideTheWallsIsRefused)
{
    StoreHouse();
    Command(CM_MAXDESIGNROOM);
    Answer("message ok");
    Click(12000, 2000);
    EXPECT_EQ(lines, (std::vector<std::string>{"message NO SELECTION | the click was probably outside the external walls"}));
    EXPECT_EQ(Tool()->step, STEP_READY);
    EXPECT_EQ(objects().count(), 8);
}

TEST_F(DesignRoomWindowTest, AFreeSizeThatCannotBeStoredIsToldAndOffersNoRoom)
{
    StoreHouse();
    WriteSettings("MAX.CFG", "5000 5000");
    Command(CM_MAXDESIGNROOM);
    Answer("message ok");
    FailNextWrites(1);
    Child().EvLButtonDown(At(2000, 2000));
    FailNextWrites(0);
    Child().EvLButtonUp(At(2000, 2000));
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_NE(lines[0].find("CFG/MAX.CFG could not be written"), std::string::npos) << lines[0];
    EXPECT_EQ(Tool()->step, STEP_READY);
    // The stale size in the file is not offered.
    EXPECT_EQ(objects().count(), 8);
    EXPECT_EQ(frame.Scripted().PendingAnswers(), 0u);
}

TEST_F(DesignRoomWindowTest, ATinyFreeSizeOffersNoRoom)
{
    StoreHouse();
    StoreRoom(1000, 6000, 1900, 1000);
    StoreRoom(2000, 6000, 4000, 1000);
    Command(CM_MAXDESIGNROOM);
    Click(1950, 2000);
    EXPECT_EQ(Cfg("MAX.CFG"), "-120 7540");
    EXPECT_EQ(objects().count(), 10);
    EXPECT_EQ(frame.Scripted().PendingAnswers(), 0u);
}

TEST_F(DesignRoomWindowTest, TheDesignRoomCommandsNeedAPlanView)
{
    client->CloseChild(&Child());
    Answer("message ok");
    Command(CM_ROTATEROOM);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_NE(lines[0].find("PLAN VIEW"), std::string::npos);
}

TEST_F(DesignRoomWindowTest, MergeDistanceMetricAndImperial)
{
    Answer("input 450");
    Command(CM_DESIGNROOMMERGE);
    EXPECT_EQ(Cfg("MERGEM.CFG"), "450\n");

    Answer("input 40000");
    Answer("message ok");
    Command(CM_DESIGNROOMMERGE);
    EXPECT_EQ(lines.back(), "message DESIGN Room Merge | Enter a whole number of millimetres from 0 to 32766");
    Answer("input cancel");
    Command(CM_DESIGNROOMMERGE);
    EXPECT_EQ(Cfg("MERGEM.CFG"), "450\n");
    Answer("input 0");
    Command(CM_DESIGNROOMMERGE);
    EXPECT_EQ(Cfg("MERGEM.CFG"), "0\n");
    // The box opens holding the stored distance: OK as it opened keeps it.
    WriteWholeFile(Path("CFG/MERGEM.CFG"), "275\n");
    Answer("input ok");
    Command(CM_DESIGNROOMMERGE);
    EXPECT_EQ(Cfg("MERGEM.CFG"), "275\n");

    // Without a drawing the measuring units are asked first; feet and inches choose MERGEI.CFG.
    client->CloseChild(&Child());
    Answer("dialog 5450 check 5452 ok");
    Answer("dialog 9500 set 9501 1 set 9502 6 ok");
    Command(CM_DESIGNROOMMERGE);
    EXPECT_EQ(Cfg("MERGEI.CFG"), "432\n");
    EXPECT_EQ(frame.Scripted().PendingAnswers(), 0u);
}

TEST_F(DesignRoomWindowTest, ColoursAreChosenInTurnAndACancelWritesNothing)
{
    const std::string shipped = Cfg("RMCLR.CFG");
    Answer("colour FF0000");
    Answer("colour cancel");
    Command(CM_DESIGNROOMCOLOURS);
    EXPECT_EQ(Cfg("RMCLR.CFG"), shipped);

    Answer("colour FF0000");
    Answer("colour 00FF00");
    Answer("colour 0000FF");
    Command(CM_DESIGNROOMCOLOURS);
    EXPECT_EQ(Cfg("RMCLR.CFG"), "255 65280 16711680\n");

    // The next room takes its colour.
    Answer("dialog 21000 ok");
    Answer("dialog 22000 check 22006 ok");
    Command(CM_NEWDESIGNROOM);
    EXPECT_EQ(RoomAt(4).fillColour, 65280);
}

TEST_F(DesignRoomWindowTest, LeavingTheToolRepaintsTheFeedbackArea)
{
    StoreRoom(1000, 4000, 4000, 2000);  // filled black
    Child().Refresh(9);
    const TPoint inside = At(1200, 2200);
    EXPECT_EQ(Pixel(inside.x, inside.y), MakeColour(0, 0, 0));
    Child().EvLButtonDown(At(2000, 3000));
    Child().EvMouseMove(At(2000, 3000));
    Child().EvMouseMove(At(2500, 3000));
    ASSERT_FALSE(Tool()->feedbackArea.empty);
    // Covered in the background while it is dragged.
    EXPECT_EQ(Pixel(inside.x, inside.y), MakeColour(255, 255, 255));
    client->SetPickTool();
    frame.ProcessEvents();
    EXPECT_EQ(client->CurrentTool()->kind, KIND_PICK);
    EXPECT_EQ(Pixel(inside.x, inside.y), MakeColour(0, 0, 0));
    // The room was never released: the file keeps it where it was.
    EXPECT_EQ(Rect(*ReadBack("HOUSE")[4]), (std::array<int, 4>{1000, 4000, 4000, 2000}));
}

}  // namespace
