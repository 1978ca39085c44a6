#pragma once
// The tool test drawing (device (X, Y) is model (5 X, 5 (700 - Y))) with the internal-wall settings
// in place: 100 mm walls (PTNM.CFG), 4 inch walls (PTNI.CFG) and two wall colours, and helpers that
// put walls into the list and drive the internal-wall tool from the keyboard.
#include "model/drawingedit.h"
#include "model/extwallobj.h"
#include "model/intwallobj.h"
#include "model/lineobj.h"
#include "model/settingsfile.h"
#include "tests/tools/toolfixture.h"
#include "walls/intwallobjtool.h"

#include <filesystem>
#include <string>

class IntwallTest : public ToolTest {
protected:
    IntwallTest()
    {
        std::filesystem::create_directories(dir.path() / "CFG");
        WriteCfg("PTNM.CFG", "100");
        WriteCfg("PTNI.CFG", "96");
        WriteCfg("WLCLR.CFG", "255 65280\n");
        state().currentFillColour = MakeColour(255, 255, 255);
        tool.kind = KIND_INTWALL;
        tool.markerX = 3;  // second line below (or, on an upright wall, carried to the right)
        Attach(tool);
    }

    void WriteCfg(const std::string& name, const std::string& text) { ASSERT_TRUE(WriteSettings(name, text)); }

    // An internal wall on the current floor with its reference line, angle, width and second face.
    TIntwallobj& AddIntWall(int x1, int y1, int x2, int y2, int angle, int width, int fx1, int fy1, int fx2, int fy2,
                            int id = 10001)
    {
        auto wall = std::make_unique<TIntwallobj>();
        wall->floor = state().currentFloor;
        wall->ownerId = id;
        wall->groupId = id;
        wall->x1 = x1;
        wall->y1 = y1;
        wall->x2 = x2;
        wall->y2 = y2;
        wall->angle = angle;
        wall->wallWidth = width;
        wall->wallFlag = 1;
        wall->face2StartX = fx1;
        wall->face2StartY = fy1;
        wall->face2EndX = fx2;
        wall->face2EndY = fy2;
        TIntwallobj& ref = *wall;
        objects().Add(std::move(wall));
        return ref;
    }

    // A two-line external wall (inner line as given) on the current floor.
    TExtwallobj& AddExtWall(int x1, int y1, int x2, int y2, int angle, int thickness, int ix1, int iy1, int ix2,
                            int iy2)
    {
        auto wall = std::make_unique<TExtwallobj>();
        wall->floor = state().currentFloor;
        wall->ownerId = 1;
        wall->groupId = std::abs(x2 - x1) + std::abs(y2 - y1);
        wall->x1 = x1;
        wall->y1 = y1;
        wall->x2 = x2;
        wall->y2 = y2;
        wall->angle = angle;
        wall->spacing1 = thickness;
        wall->wallFlag = 1;
        wall->wallLines = {ix1, iy1, ix2, iy2};
        TExtwallobj& ref = *wall;
        objects().Add(std::move(wall));
        return ref;
    }

    TIntwallobj& IntWallAt(int index) { return dynamic_cast<TIntwallobj&>(*objects()[index]); }
    TLineobj& LineAt(int index) { return dynamic_cast<TLineobj&>(*objects()[index]); }
    int LastIndex() { return objects().count() - 1; }

    // ENTER with the cursor at a model point (multiples of 5).
    void EnterAt(int x, int y) { Key(tool, VK_ENTER, Device(x, y)); }
    // An arrow key with a typed length, after Setup as the window does it.
    void Arrow(int key, int length)
    {
        const int direction = key == VK_UP ? 1 : key == VK_RIGHT ? 2 : key == VK_DOWN ? 3 : 4;
        tool.Setup(direction, 0, 0);
        Key(tool, key, window.cursor, length);
    }

    // Puts a wall into the tool as a key would before building it.
    void Piece(int x1, int y1, int x2, int y2, int angle, int side)
    {
        tool.x1 = x1;
        tool.y1 = y1;
        tool.x2 = x2;
        tool.y2 = y2;
        tool.lineAux1 = angle;
        tool.objectIndex = side;
    }
    void Build()
    {
        TDrawingEdit edit;
        tool.BuildWall(edit, 1);
    }

    TIntwallobjtool tool;
};

// A wall's two faces as {x1, y1, x2, y2, fx1, fy1, fx2, fy2}.
using Faces = std::array<int, 8>;
inline Faces FacesOf(const TIntwallobj& wall)
{
    return {wall.x1, wall.y1, wall.x2, wall.y2, wall.face2StartX, wall.face2StartY, wall.face2EndX, wall.face2EndY};
}
inline Faces FacesOf(const TIntwallobjtool& tool)
{
    return {tool.x1, tool.y1, tool.x2, tool.y2, tool.face2StartX, tool.face2StartY, tool.face2EndX, tool.face2EndY};
}
