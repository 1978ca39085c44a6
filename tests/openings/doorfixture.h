#pragma once
// The door tests' drawing: the opening fixture with internal walls and a door tool of the floor in
// view. Walls along an axis take their second face `width` below (or right of) the reference line
// unless a test says otherwise; angled walls take it across the reference line, `width` away.
#include "model/intwallobj.h"
#include "openings/doorobjtool.h"
#include "openings/doorwallaxis.h"
#include "tests/openings/openingfixture.h"

class DoorTest : public OpeningTest {
protected:
    void SetUp() override
    {
        OpeningTest::SetUp();
        door.window = &window;
        door.colour = state().currentColour;
    }

    // An internal wall of the floor in view with its reference line, angle, thickness and second
    // face start; the second face runs parallel to the reference line.
    int AddIntWall(int x1, int y1, int x2, int y2, int angle, int width, int faceX, int faceY)
    {
        auto wall = std::make_unique<TIntwallobj>();
        wall->floor = state().currentFloor;
        wall->ownerId = wall->groupId = 10001;
        wall->x1 = x1;
        wall->y1 = y1;
        wall->x2 = x2;
        wall->y2 = y2;
        wall->angle = angle;
        wall->wallWidth = width;
        wall->wallFlag = 1;
        wall->faceStartX() = faceX;
        wall->faceStartY() = faceY;
        wall->faceEndX() = faceX + (x2 - x1);
        wall->faceEndY() = faceY + (y2 - y1);
        objects().Add(std::move(wall));
        return Count() - 1;
    }
    // A wall along x from x1 to x2 at y, its second face `width` below (or above when negative).
    int WallAlongX(int x1, int x2, int y, int width, int faceOffset)
    {
        return AddIntWall(x1, y, x2, y, x1 < x2 ? 900 : 2700, width, x1, y + faceOffset);
    }
    // A wall along y from y1 to y2 at x, its second face `faceOffset` across.
    int WallAlongY(int x, int y1, int y2, int width, int faceOffset)
    {
        return AddIntWall(x, y1, x, y2, y1 < y2 ? 0 : 1800, width, x + faceOffset, y1);
    }
    // An angled wall from (x, y), `length` long at `angle`, its second face `width` across on the
    // lower side (or the upper one).
    int AngledWall(int x, int y, int length, int angle, int width, bool faceBelow)
    {
        const TDoorAxis axis(angle);
        const TPoint run = axis.Along(length);
        const TPoint across = axis.Across(width, faceBelow);
        return AddIntWall(x, y, x + run.x, y + run.y, angle, width, x + across.x, y + across.y);
    }

    // The door tool after its dialog: working kind, code, width and (kind 62) side.
    void Door(int kind, int code, int width, int side = 0, int intoWall = 0)
    {
        door.kind = kind;
        door.objectIndex = intoWall;
        door.AutoDimension(dc, client, code, width, side, 98);
    }

    // Enter at a model point, as the drawing window passes it.
    void Enter(int x, int y)
    {
        TPoint cursor = Device(x, y);
        door.KeyDown(dc, client, VK_ENTER, cursor, DoorEnterValue(door.kind));
    }

    // The tool's fields as FindDoorWall leaves them on the wall at `index`, for the builders.
    void MarkedOn(int index, int x, int y, int face)
    {
        door.wallMarked = true;
        door.markedWall = index;
        const auto& wall = dynamic_cast<const TIntwallobj&>(*objects()[index]);
        door.lineAux1 = wall.angle;
        door.markedSide = IsAxisAngle(wall.angle) ? 0 : wall.angle;
        door.faceNumber() = face;
        door.x1 = door.pointX = x;
        door.y1 = door.pointY = y;
        door.ownerId = door.groupId = 10042;
        door.colour = state().currentColour;
    }

    TDoorobjtool door;
};
