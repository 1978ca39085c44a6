#pragma once
// The tool test drawing (device (X, Y) is model (5 X, 5 (700 - Y))) with the design-room settings
// in place: 110 mm / 108 (4 1/2 inch) room walls on the three floors, a merge distance of 300 mm
// and 288 (one foot), and helpers that put rooms and walls into the list.
#include "model/drawingedit.h"
#include "model/extwallobj.h"
#include "model/intwallobj.h"
#include "model/roomobj.h"
#include "model/settingsfile.h"
#include "rooms/droomobjtool.h"
#include "tests/tools/toolfixture.h"

#include <filesystem>
#include <string>

class RoomTest : public ToolTest {
protected:
    RoomTest()
    {
        std::filesystem::create_directories(dir.path() / "CFG");
        WriteCfg("RMPTNM.CFG", "110 110 110");
        WriteCfg("RMPTNI.CFG", "108 108 108");
        WriteCfg("MERGEM.CFG", "300\n");
        WriteCfg("MERGEI.CFG", "288\n");
        WriteCfg("NEWRM.CFG", "1 1");
        WriteCfg("RMCLR.CFG", "255 65280 16711680\n");
        state().currentFillColour = MakeColour(255, 255, 255);
        Attach(tool);
    }

    void WriteCfg(const std::string& name, const std::string& text) { ASSERT_TRUE(WriteSettings(name, text)); }
    std::string Cfg(const std::string& name) const { return ReadWholeFile(dir.path() / "CFG" / name); }

    // A design room on the current floor with its top-left and bottom-right corners.
    TRoomobj& AddRoom(int left, int top, int right, int bottom, const std::string& name = "room")
    {
        auto room = std::make_unique<TRoomobj>();
        room->floor = state().currentFloor;
        room->ownerId = room->groupId = 1;
        room->x1 = left;
        room->y1 = top;
        room->x2 = right;
        room->y2 = bottom;
        room->roomWidth = right - left;
        room->roomLength = top - bottom;
        room->SetRoomName(name);
        room->SetSizeText1(std::to_string(room->roomWidth));
        room->SetSizeText2(std::to_string(room->roomLength));
        TRoomobj& ref = *room;
        Store(std::move(room));
        return ref;
    }

    // An orthogonal external wall on the current floor whose inner face runs from (ix1, iy1) to
    // (ix2, iy2): a two-line wall, or a cavity wall (inner face line 3) when `cavity`.
    TExtwallobj& AddExtWall(int x1, int y1, int x2, int y2, int ix1, int iy1, int ix2, int iy2, bool cavity = false)
    {
        auto wall = std::make_unique<TExtwallobj>();
        wall->floor = state().currentFloor;
        wall->ownerId = 1;
        wall->x1 = x1;
        wall->y1 = y1;
        wall->x2 = x2;
        wall->y2 = y2;
        wall->wallFlag = 1;
        if (cavity) {
            wall->spacing1 = 110;
            wall->spacing2 = 55;
            wall->spacing3 = 110;
            // Line 1 somewhere between; line 3 the inner face.
            wall->wallLines = {x1, y1, x2, y2, x1, y1, x2, y2, ix1, iy1, ix2, iy2};
        } else {
            wall->spacing1 = 230;
            wall->wallLines = {ix1, iy1, ix2, iy2};
        }
        TExtwallobj& ref = *wall;
        Store(std::move(wall));
        return ref;
    }

    // An internal wall on the current floor with its two faces.
    TIntwallobj& AddIntWall(int x1, int y1, int x2, int y2, int fx1, int fy1, int fx2, int fy2)
    {
        auto wall = std::make_unique<TIntwallobj>();
        wall->floor = state().currentFloor;
        wall->x1 = x1;
        wall->y1 = y1;
        wall->x2 = x2;
        wall->y2 = y2;
        wall->wallWidth = std::abs(fx1 - x1) + std::abs(fy1 - y1);
        wall->face2StartX = fx1;
        wall->face2StartY = fy1;
        wall->face2EndX = fx2;
        wall->face2EndY = fy2;
        TIntwallobj& ref = *wall;
        Store(std::move(wall));
        return ref;
    }

    void Store(std::unique_ptr<TObject> object)
    {
        TDrawingEdit edit;
        edit.Add(std::move(object));
        edit.Commit();
    }

    TRoomobj& RoomAt(int index) { return dynamic_cast<TRoomobj&>(*objects()[index]); }
    int LastIndex() { return objects().count() - 1; }

    // The tool's slots at a model point (multiples of 5).
    void Press(int x, int y)
    {
        const TPoint p = Device(x, y);
        tool.LButtonDown(dc, client, p.x, p.y);
    }
    void Release(int x, int y)
    {
        TPoint p = Device(x, y);
        tool.LButtonUp(dc, client, p);
    }
    void MoveTo(int x, int y)
    {
        const TPoint p = Device(x, y);
        tool.MouseMove(dc, client, p.x, p.y);
    }
    void RightPress(int x, int y)
    {
        TPoint p = Device(x, y);
        tool.RButtonDown(dc, client, p);
    }
    void ArrowKey(int key, int value = 0)
    {
        TPoint cursor;
        tool.KeyDown(dc, client, key, cursor, value);
    }

    // A room's rectangle as {x1, y1, x2, y2}.
    static std::array<int, 4> Rect(const TObject& object) { return {object.x1, object.y1, object.x2, object.y2}; }
    std::array<int, 4> ToolRect() const { return {tool.x1, tool.y1, tool.x2, tool.y2}; }

    TDRoomobjtool tool;
};
