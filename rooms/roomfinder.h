#pragma once
// The room finder of the fixed-room tool: from a point inside a space, the nearest wall line to
// its left, right, above and below. External walls count with their inner line, internal walls
// with both faces, and a design room with its rectangle widened by the thickness its walls will
// have. Only the walls and design rooms of the floor in view count.
#include "platform/geometry.h"
#include "rooms/roomsides.h"

#include <array>
#include <cstdint>

// Per side (ROOM_LEFT, ROOM_RIGHT, ROOM_TOP above the point, ROOM_BOTTOM below): whether anything
// was found, the index of the nearest wall or design room in the list, and the line it bounds the
// space with (x for left and right, y for above and below).
struct TRoomSearch : TNearestSides {
    bool found = false;  // something was found on all four sides

    std::int32_t Width() const { return line[ROOM_RIGHT] - line[ROOM_LEFT]; }
    std::int32_t Length() const { return line[ROOM_TOP] - line[ROOM_BOTTOM]; }
};

// Searches the objects of the floor around the model point. `designRoomWall` is the thickness of
// the walls design rooms become on that floor. Of two equally near lines the first in the list
// wins; a line exactly level with the point across its run does not count.
TRoomSearch FindRoomAround(TPoint point, std::int32_t designRoomWall, int floorCode);
