#pragma once
// The internal-door tool: puts one door or one plain opening into an internal wall of the floor in
// view, along an axis or at an angle. Built with kind KIND_DOOR_TOOL; the door dialogs set the
// working kind (60 a single hinged door, 62 double hinged doors or two or four sliding panels, 64 an
// opening, 65 a single sliding door) and hand their results to AutoDimension. A dotted
// exclusive-or preview then follows the mouse; Enter marks a point on one face of an internal wall,
// the tool snaps it onto the face its door code needs, opens the wall (wallcut.h) and draws the
// door (doorarcs.h, doorfitting.h) in one edit of the object list. A door that does not fit, or
// whose opening would run past an end of the wall, is refused and nothing changes.
//
// How the tool uses the window tool's fields: `doorCode` the door code (below), `openingWidth` the
// whole width, `step` (kind 62) the side the doors open towards, 1 top, 2 right, 3 bottom, 4 left,
// `objectIndex` (kind 65) 1 when the door slides into the wall, faceNumber() the face the mark was
// snapped to (1 lower, 2 left, 3 upper, 4 right; angled walls 1 lower and 3 upper), `markedSide` 0
// for a wall along an axis and the wall's angle for an angled one, `lineAux1` the wall's angle,
// `pointX`, `pointY` the leaf offsets during the preview and the snapped mark once a wall is found,
// `x1`, `y1` the cursor during the preview and the mark while the door is built.
//
// Door codes: 0 a plain opening centred on the mark; 1..8 a single door (the direction codes of the
// hinged door dialog), the mark being its hinge jamb (kind 60) or the jamb on its sliding side
// (kind 65); 11 double hinged doors, 12 two sliding panels, 13 four sliding panels, centred on the
// mark.
#include "openings/windowobjtool.h"

#include <cstdint>
#include <vector>

class TIntwallobj;

// What the drawing window passes with Enter, by the tool's kind.
constexpr int DOOR_ENTER_OPENING = 0;   // kind 64
constexpr int DOOR_ENTER_HINGED = 4;    // kind 60
constexpr int DOOR_ENTER_MULTIPLE = 5;  // kind 62
constexpr int DOOR_ENTER_SLIDING = 6;   // kind 65
int DoorEnterValue(int kind);

// Door codes beyond the direction codes 1..8.
constexpr int DOOR_CODE_OPENING = 0;
constexpr int DOOR_CODE_DOUBLE = 11;
constexpr int DOOR_CODE_TWO_PANELS = 12;
constexpr int DOOR_CODE_FOUR_PANELS = 13;

// The side double doors open towards (kind 62's step).
constexpr int DOOR_SIDE_TOP = 1;
constexpr int DOOR_SIDE_RIGHT = 2;
constexpr int DOOR_SIDE_BOTTOM = 3;
constexpr int DOOR_SIDE_LEFT = 4;

// The faces of an internal wall a mark is snapped to (faceNumber()).
constexpr int WALL_FACE_LOWER = 1;
constexpr int WALL_FACE_LEFT = 2;
constexpr int WALL_FACE_UPPER = 3;
constexpr int WALL_FACE_RIGHT = 4;

// The working kinds of the door tool.
constexpr bool IsDoorKind(int kind)
{
    return kind == KIND_DOOR_HINGED || kind == KIND_DOOR_DOUBLE || kind == KIND_WALL_OPENING ||
           kind == KIND_DOOR_SLIDING;
}

class TDoorobjtool : public TWindowobjtool {
public:
    TDoorobjtool() = default;

    // Enter (key 13) with the value of DoorEnterValue(kind): marks the point, finds the internal
    // wall, opens it and draws the door, all in one edit. The result is in `outcome`: Placed,
    // NoWallMarked (no internal wall of the floor under the point), DoorCodeRefused (the code or
    // side does not suit the wall or the face marked), PastWallEnd (the opening would run past an
    // end of the wall) or WidthTooSmall; nothing changes unless it is Placed. A tool with no
    // working kind yet ignores Enter. Other keys change nothing.
    void KeyDown(Canvas& dc, const TRect& clientRect, int key, TPoint& cursor, int value) override;
    // The door dialog's results: the code, the whole width and (kind 62) the side; the last value
    // is not used. Switches the preview on; a width below 1 is refused (WidthTooSmall).
    void AutoDimension(Canvas& dc, const TRect& clientRect, int code, int width, int side, int last) override;
    // The preparation of a given opening type, width and height: the head level of the opening
    // polygon at 2000 over the storeys below the floor in view, the leaf offsets, the preview on.
    void Setup(int type, int width, int height) override;

    // Looks for the internal wall of the floor in view under the mark (x1, y1), the first in list
    // order, and snaps the mark onto the face the door code (and, for double doors and panels, the
    // side) asks for. Sets wallMarked, markedWall, faceNumber(), markedSide, lineAux1 and, on a hit,
    // x1, y1, pointX and pointY to the snapped mark.
    void FindDoorWall();
    // The marked internal wall, or null.
    const TIntwallobj* DoorWall() const;

    // The leaf offsets of the preview: openingWidth times the sine and cosine of the door opening
    // angle, truncated.
    void SetLeafOffsets();

    std::int32_t savedDoorSide = 0;  // kind 62: the side chosen, put back into step at each Enter

protected:
    // The preview follows the mouse (the window tool's MouseMove) once a dialog gave the tool its
    // working kind.
    bool PreviewFollowsMouse() const override { return IsDoorKind(kind); }
};

// The message boxes the drawing window shows after an Enter of a door tool of this kind, in order
// (none when the door was placed).
std::vector<TToolMessage> DoorToolMessages(int kind, TPlaceOutcome outcome);
