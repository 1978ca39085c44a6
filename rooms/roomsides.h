#pragma once
// The walls that close the four sides of a room rectangle, shared by the fixed-room builder and the
// conversion of design rooms. For each side the existing neighbour (the wall face on the side's
// line, if any) gives a side code that says how much of the side it already covers; the rest gets
// new internal walls, each with its first face outside the room and its second face on the room's
// edge. A wall end at a room corner runs on to the outer corner unless the adjacent side's existing
// face covers that corner, and where a new wall butts against an existing internal wall a short
// line in the background colour opens the junction.
#include <array>
#include <cstdint>

class TDrawingEdit;
class TIntwallobjtool;
class TObject;

// Side codes: how the existing neighbour covers a side.
constexpr int SIDE_COVERED = 0;            // the whole side: no wall
constexpr int SIDE_OPEN = 1;               // nothing on the side: one full wall
constexpr int SIDE_LOWER_COVERED = 2;      // left, right: the lower part; a wall at the top end
constexpr int SIDE_UPPER_COVERED = 3;      // left, right: the upper part; a wall at the bottom end
constexpr int SIDE_RIGHT_COVERED = 4;      // top, bottom: the right part; a wall at the left end
constexpr int SIDE_LEFT_COVERED = 5;       // top, bottom: the left part; a wall at the right end
constexpr int SIDE_MIDDLE_COVERED_LR = 12;  // left, right: a middle part; walls at both ends
constexpr int SIDE_MIDDLE_COVERED_TB = 14;  // top, bottom: a middle part; walls at both ends
// The partial codes when the neighbour is an external wall (no junction line at its face).
constexpr int SIDE_LOWER_EXTERNAL = 22;
constexpr int SIDE_UPPER_EXTERNAL = 33;
constexpr int SIDE_RIGHT_EXTERNAL = 44;
constexpr int SIDE_LEFT_EXTERNAL = 55;

// The sides of a room, in the order they are handled.
enum TRoomSideIndex { ROOM_LEFT = 0, ROOM_RIGHT = 1, ROOM_TOP = 2, ROOM_BOTTOM = 3 };

// A room rectangle in model units, y upwards: top > bottom, right > left.
struct TRoomRect {
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t right = 0;
    std::int32_t bottom = 0;
};

// What stands beyond one side of a room.
enum class TNeighbourKind {
    None,          // nothing found: the side gets a full wall
    ExternalWall,  // its inner wall line
    InternalWall,  // its face nearer the room
    DesignRoom,    // a design room (fixed rooms only): the side gets a full wall
};

struct TRoomNeighbour {
    TNeighbourKind kind = TNeighbourKind::None;
    std::int32_t boundary = 0;  // the neighbour's room-side line: x for left and right, y for top and bottom
    std::int32_t lo = 0;        // the extent of its face along the side (y for left and right, x for
    std::int32_t hi = 0;        // top and bottom), lo <= hi
};

using TRoomNeighbours = std::array<TRoomNeighbour, 4>;  // by TRoomSideIndex

// The nearest line found so far on each side of a room or point, by TRoomSideIndex: x for left and
// right, y for top and bottom. A line offered replaces the one held only when it lies strictly
// nearer (a larger value for the left and bottom, a smaller one for the right and top), so of two
// equally near lines the first offered stays.
struct TNearestSides {
    std::array<bool, 4> sideFound{};
    std::array<int, 4> index{-1, -1, -1, -1};  // the list index of the object the line belongs to
    std::array<std::int32_t, 4> line{};

    // Compares the line as given; a line held is clamped to the 32-bit range.
    void Offer(int side, std::int64_t value, int objectIndex);
};

// The neighbour an existing wall gives a side: an external wall its inner line, an internal wall
// its face nearer the room (the one with the larger x for the left side, the smaller x for the
// right, the smaller y for the top, the larger y for the bottom). None for anything else.
TRoomNeighbour WallNeighbour(const TObject& wall, int side);

// The side code of one side of the room.
int SideCode(int side, const TRoomRect& room, const TRoomNeighbour& neighbour);

// What the new walls carry besides their geometry.
struct TRoomWallValues {
    std::int32_t thickness = 0;                // w: the first face lies w outside the room
    std::int32_t height = 0;                   // z1, z2 and the second face's height
    std::array<std::int32_t, 4> wallParams{};
    std::int32_t wallColour1 = 0;
    std::int32_t wallColour2 = 0;
};

// Appends the wall held in the tool's fields.
using TAddRoomWall = void (*)(TDrawingEdit& edit, const TIntwallobjtool& tool);

// Builds the walls and junction lines of the four sides, in the order left, right, top, bottom.
// Each side that needs walls takes a new action id of the current floor (a side covered in its
// middle takes one for each of its two walls); the walls are held one at a time in the tool's
// fields and added with `addWall`. Returns the side codes.
std::array<int, 4> EmitRoomSides(TDrawingEdit& edit, TIntwallobjtool& tool, const TRoomRect& room,
                                 const TRoomNeighbours& neighbours, const TRoomWallValues& values,
                                 TAddRoomWall addWall);
