#pragma once
// The tool test drawing with the room settings in place: 100 mm internal walls, 100 mm design-room
// walls on every floor, wall height 2400 with four wall parameters, two wall colours and the
// dimension offsets; helpers that put design rooms into the list and read the objects a room
// operation appended.
#include "model/arrowobj.h"
#include "model/roomobj.h"
#include "model/textobj.h"
#include "rooms/roomobjtool.h"
#include "tests/walls/intwallfixture.h"

#include <string>
#include <vector>

class RoomToolTest : public IntwallTest {
protected:
    RoomToolTest()
    {
        WriteCfg("RMPTNM.CFG", "100 120 140");
        WriteCfg("RMPTNI.CFG", "96 96 96");
        WriteCfg("INTWALL.CFG", "7 2400 0 0 1 2 3 4 99");
        WriteCfg("MOFFSET.CFG", "600 600 1200 2700 10 9 12");
        WriteCfg("IOFFSET.CFG", "576 576 1152 0 9 8 11");
        state().currentFontFace = "Arial";
        state().textWeight = 700;
        room.kind = KIND_FIXED_ROOM;
        Attach(room);
    }

    // A design room from (left, top) to (right, bottom) on the current floor.
    TRoomobj& AddDesignRoom(int left, int top, int right, int bottom, const std::string& name = "room",
                            int sizeDisplay = 0, const std::string& size1 = "", const std::string& size2 = "")
    {
        auto designRoom = std::make_unique<TRoomobj>();
        designRoom->floor = state().currentFloor;
        designRoom->x1 = left;
        designRoom->y1 = top;
        designRoom->x2 = right;
        designRoom->y2 = bottom;
        designRoom->roomWidth = right - left;
        designRoom->roomLength = top - bottom;
        designRoom->sizeDisplay = sizeDisplay;
        designRoom->SetRoomName(name);
        designRoom->SetSizeText1(size1);
        designRoom->SetSizeText2(size2);
        TRoomobj& ref = *designRoom;
        objects().Add(std::move(designRoom));
        return ref;
    }

    // The room of the builder's worked example: an external two-line wall on the left (inner line
    // x 1000 from y 1000 to 6000, index 4), internal walls on the right (near face x 5000, 5),
    // below (near face y 2000, x 900 to 5100, 6) and above (lower face y 5000 from x 3000 to
    // x 5200, 7).
    void WorkedRoom()
    {
        AddExtWall(900, 1000, 900, 6000, 0, 100, 1000, 1000, 1000, 6000);
        AddIntWall(5000, 1000, 5000, 6000, 0, 100, 5100, 1000, 5100, 6000);
        AddIntWall(900, 2000, 5100, 2000, 900, 100, 900, 1900, 5100, 1900);
        AddIntWall(3000, 5000, 5200, 5000, 900, 100, 3000, 5100, 5200, 5100);
    }
    // A closed 4000 x 3000 box of internal walls whose room-side faces lie at x 1000 (index 4) and
    // 5000 (5), y 2000 (6) and 5000 (7), each running past the corners.
    void Box()
    {
        AddIntWall(900, 1000, 900, 6000, 0, 100, 1000, 1000, 1000, 6000);
        AddIntWall(5000, 1000, 5000, 6000, 0, 100, 5100, 1000, 5100, 6000);
        AddIntWall(500, 2000, 5500, 2000, 900, 100, 500, 1900, 5500, 1900);
        AddIntWall(500, 5000, 5500, 5000, 900, 100, 500, 5100, 5500, 5100);
    }

    // A click of the room tool at a model point (multiples of 5).
    void Click(int x, int y)
    {
        const TPoint device = Device(x, y);
        room.LButtonDown(dc, client, device.x, device.y);
    }

    // The objects from index `first` on, of one class.
    template <class T>
    std::vector<T*> From(int first)
    {
        std::vector<T*> found;
        for (int i = first; i < objects().count(); ++i)
            if (auto* object = dynamic_cast<T*>(objects()[i]))
                found.push_back(object);
        return found;
    }

    TRoomobjtool room;
};

// An arrow's tip and shaft end as {x1, y1, x2, y2}.
inline std::array<int, 4> ShaftOf(const TArrowobj& arrow) { return {arrow.x1, arrow.y1, arrow.x2, arrow.y2}; }
// A line's ends as {x1, y1, x2, y2}.
inline std::array<int, 4> EndsOf(const TObject& line) { return {line.x1, line.y1, line.x2, line.y2}; }
