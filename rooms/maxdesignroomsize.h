#pragma once
// The largest design room that fits at a point: the free width and length between the nearest
// walls and design rooms of the current floor on each side, kept one room wall thickness from the
// rooms.
#include "platform/geometry.h"

#include <cstdint>
#include <optional>

class TDRoomobjtool;
class TList;

// The most the free width or length is given as.
constexpr std::int32_t MAX_FREE_SIZE = 30000;

struct TFreeSize {
    std::int32_t width = 0;
    std::int32_t length = 0;
    friend bool operator==(const TFreeSize&, const TFreeSize&) = default;
};

// The free size at the model point on `floor` with the room wall thickness; empty when the point
// cannot be used: a list of one object, a point on or in a design room, on the box of a wall face,
// or outside the extent of the walls and rooms of the floor.
std::optional<TFreeSize> FindFreeSize(const TList& objects, int floor, TPoint point, std::int32_t wallThickness);

// The room wall thickness of a floor (RMPTNM.CFG / RMPTNI.CFG); 0 on a floor the file holds none for.
std::int32_t DesignRoomWallThickness(int floor, int unitSystem);

// The click at the maximum-size step: lastX, lastY take the point; the free size is written to
// CFG/MAX.CFG for the room the window offers next. A point the search cannot use sets the step to
// STEP_DROOM_REFUSED and leaves the file; a file that cannot be written sets the outcome
// SizeNotStored with the reason.
void MaxDesignRoomSize(TDRoomobjtool& tool, TPoint point);
