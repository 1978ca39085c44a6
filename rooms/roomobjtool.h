#pragma once
// The fixed-room tool: a click inside a space finds the walls (and design rooms) that bound it to
// the left, right, above and below, and keeps the space's inner size in CFG/ROOM.CFG for the
// new-fixed-room dialog; the room the user then confirms is closed with internal walls where no
// wall stands yet, named in its middle and labelled with its size. The room sits in the corner of
// the space the click was nearer to; its far sides lie where its width and length put them.
//
// It derives from the internal-wall tool and holds each new wall in that tool's fields while it
// adds it. The tool has no keyboard input.
#include "rooms/roomsides.h"
#include "walls/intwallobjtool.h"

#include <cstdint>

class TDrawingEdit;

class TRoomobjtool : public TIntwallobjtool {
public:
    TRoomobjtool() = default;

    // The room finder at a click (client device point); only in kind KIND_FIXED_ROOM.
    void LButtonDown(Canvas& dc, const TRect& clientRect, int x, int y) override;
    void RButtonDown(Canvas& dc, const TRect& clientRect, TPoint& point) override;
    // Builds the room found (width and length in model units) and stores it.
    void BuildRoom(Canvas& dc, const TRect& clientRect, int width, int length) override;
    void KeyDown(Canvas& dc, const TRect& clientRect, int key, TPoint& cursor, int value) override;
    void PlaceText(Canvas& dc, const TRect& clientRect, TPoint& point, const std::string& text) override;
    void Char(Canvas& dc, const TRect& clientRect, int character) override;
    // Labels the room just built with its size as the dialog chose (1 below the name, 2 both sizes
    // with arrows, 3 the width, 4 the length, any other none) and stores the labels.
    void AutoDimension(Canvas& dc, const TRect& clientRect, int sizeDisplay, int width, int length, int) override;
    void SubCommand(int code) override;

    // The room finder at a model point: the neighbour on each side, the corner the point is nearer
    // to and the space's size in CFG/ROOM.CFG; lineDrawn 1 when no closed space is around it.
    void FindRoom(TPoint model);
    // The walls, junction lines and name of the room found, added to `edit`. Afterwards the
    // neighbour fields hold the room rectangle and editLeft .. editBottom the area to repaint.
    // False, adding nothing, when no room was found since the last build; false too, with the
    // edit dropped and the user told, when a point of the room would lie where the drawing file
    // cannot store it.
    bool BuildRoom(TDrawingEdit& edit, int width, int length);
    // The size labels of the room just built, added to `edit`. False, with the edit dropped and
    // the user told, when a point of them would lie where the drawing file cannot store it.
    bool AutoDimension(TDrawingEdit& edit, int sizeDisplay, int width, int length);

    // The last click found no closed space (lineDrawn is the tool's failure flag).
    bool NoRoomFound() const { return lineDrawn == 1; }

    // The fields of the fixed-room tool, in their fixed order after the internal-wall tool's.
    std::int32_t cornerSideX = 0;  // the side the click was nearer to: 1 left, 2 right; 0 not yet
    std::int32_t cornerSideY = 0;  // 1 the one above, 2 the one below; 0 not yet
    std::int32_t leftWall = 0;     // the neighbour's index after a click; the room's left x after a build
    std::int32_t rightWall = 0;    // ... the room's right x
    std::int32_t aboveWall = 0;    // ... the room's top y
    std::int32_t belowWall = 0;    // ... the room's bottom y

    // Kept in memory only: what the neighbour fields hold (the objects a click found, or the room
    // just built), and the design-room wall thickness the click measured with.
    enum class THeld { Nothing, Neighbours, Room };
    THeld held = THeld::Nothing;
    std::int32_t designRoomWall = 0;

private:
    // When a point the change derived lies where the drawing file cannot store it: drops the
    // edit, tells the user and forgets the room; true then.
    bool RefusedUnstorable(TDrawingEdit& edit);
    // The neighbour a side's index names, as the builder sees it.
    TRoomNeighbour Neighbour(int side, std::int32_t index) const;
};
