#pragma once
// Aligning a design room dropped after a drag to what lies around it on the current floor. A side
// closer than the merge distance to a wall face, or to a side of another design room, may be
// brought onto it: against another room the room either lines up with it (left with left, top with
// top) or is set beside it one room wall thickness away. The room keeps its size.
#include "platform/geometry.h"

#include <cstdint>
#include <optional>

class TDrawingEdit;
class TDRoomobjtool;
class TList;

// The new left and top edges of the room at `roomIndex` against the walls and design rooms of
// `floor`: `distance` is the merge distance, `wallThickness` the room wall thickness. An edge that
// nothing within reach sets is empty.
struct TMergedEdges {
    std::optional<std::int32_t> left;
    std::optional<std::int32_t> top;
};
TMergedEdges MergedEdges(const TList& objects, int roomIndex, int floor, std::int32_t distance,
                         std::int32_t wallThickness);

// Aligns the tool's selected room (just released at the model point `released`, which becomes
// lastX, lastY) with the merge distance of MERGEM.CFG / MERGEI.CFG and the room wall thickness of
// the current floor; the room's change goes into `edit` and the tool rectangle takes its corners.
void MergeDesignRoom(TDRoomobjtool& tool, TDrawingEdit& edit, TPoint released);
