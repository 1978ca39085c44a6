#include "rooms/roomsides.h"

#include "model/drawingedit.h"
#include "model/drawingstate.h"
#include "model/extwallobj.h"
#include "model/intwallobj.h"
#include "model/lineobj.h"
#include "model/modelunits.h"
#include "model/typecodes.h"
#include "walls/intwallobjtool.h"
#include "walls/wallsegment.h"

#include <algorithm>
#include <initializer_list>
#include <memory>

namespace {

bool Upright(int side) { return side == ROOM_LEFT || side == ROOM_RIGHT; }

bool OneOf(int code, std::initializer_list<int> codes)
{
    return std::find(codes.begin(), codes.end(), code) != codes.end();
}

TRoomNeighbour FaceNeighbour(TNeighbourKind kind, const TWallSegment& face, int side)
{
    TRoomNeighbour neighbour;
    neighbour.kind = kind;
    if (Upright(side)) {
        neighbour.boundary = face.x2;
        neighbour.lo = std::min(face.y1, face.y2);
        neighbour.hi = std::max(face.y1, face.y2);
    } else {
        neighbour.boundary = face.y2;
        neighbour.lo = std::min(face.x1, face.x2);
        neighbour.hi = std::max(face.x1, face.x2);
    }
    return neighbour;
}

// The side adjacent to a side at its start (top or left) or end (bottom or right) corner.
int AdjacentSide(int side, bool atStart)
{
    if (Upright(side))
        return atStart ? ROOM_TOP : ROOM_BOTTOM;
    return atStart ? ROOM_LEFT : ROOM_RIGHT;
}

// A corner end of a new wall is closed (both faces stop on the room's edge line) when the adjacent
// side's existing face covers the corner.
bool CornerClosed(int side, bool atStart, const std::array<int, 4>& codes)
{
    const int adjacent = codes[AdjacentSide(side, atStart)];
    switch (side) {
    case ROOM_LEFT:
        return OneOf(adjacent, {SIDE_COVERED, SIDE_LEFT_COVERED, SIDE_LEFT_EXTERNAL});
    case ROOM_RIGHT:
        return OneOf(adjacent, {SIDE_COVERED, SIDE_RIGHT_COVERED, SIDE_RIGHT_EXTERNAL});
    case ROOM_TOP:
        return OneOf(adjacent, {SIDE_COVERED, SIDE_UPPER_COVERED, SIDE_UPPER_EXTERNAL});
    default:
        return OneOf(adjacent, {SIDE_COVERED, SIDE_LOWER_COVERED, SIDE_LOWER_EXTERNAL});
    }
}

// The stored angle of each side's full wall (a), its wall at the start end (b) and at the far end (c).
struct TSideAngles {
    int a, b, c;
};
constexpr TSideAngles SIDE_ANGLES[4] = {{1800, 0, 1800}, {1800, 0, 0}, {900, 900, 900}, {900, 900, 2700}};

// One side's walls: the run goes from the side's start corner (top or left) to its end corner
// (bottom or right); `across` is x for the left and right sides, y for the top and bottom.
class TSideBuilder {
public:
    TSideBuilder(TDrawingEdit& edit, TIntwallobjtool& tool, const TRoomRect& room, const TRoomNeighbours& neighbours,
                 const std::array<int, 4>& codes, const TRoomWallValues& values, TAddRoomWall addWall, int side)
        : edit(edit), tool(tool), neighbours(neighbours), codes(codes), values(values), addWall(addWall), side(side)
    {
        const std::int64_t w = values.thickness;
        switch (side) {
        case ROOM_LEFT:
            across1 = std::int64_t(room.left) - w, across2 = room.left;
            break;
        case ROOM_RIGHT:
            across1 = std::int64_t(room.right) + w, across2 = room.right;
            break;
        case ROOM_TOP:
            across1 = std::int64_t(room.top) + w, across2 = room.top;
            break;
        default:
            across1 = std::int64_t(room.bottom) - w, across2 = room.bottom;
            break;
        }
        runStart = Upright(side) ? room.top : room.left;
        runEnd = Upright(side) ? room.bottom : room.right;
        direction = Upright(side) ? -1 : 1;
    }

    void Build()
    {
        const int code = codes[side];
        if (code == SIDE_COVERED)
            return;
        const TRoomNeighbour& neighbour = neighbours[side];
        const TSideAngles angles = SIDE_ANGLES[side];
        tool.TakeActionId();
        if (code == SIDE_OPEN) {
            Piece(runStart, runEnd, true, true, angles.a);
            return;
        }
        // The wall at the start end runs to the face's near end, the one at the far end from its
        // far end: down from the top to hi, up from the bottom to lo; right from the left to lo,
        // left from the right to hi.
        const std::int64_t startEnd = Upright(side) ? neighbour.hi : neighbour.lo;
        const std::int64_t farEnd = Upright(side) ? neighbour.lo : neighbour.hi;
        const bool middle = code == SIDE_MIDDLE_COVERED_LR || code == SIDE_MIDDLE_COVERED_TB;
        if (middle || OneOf(code, {SIDE_LOWER_COVERED, SIDE_LOWER_EXTERNAL, SIDE_RIGHT_COVERED, SIDE_RIGHT_EXTERNAL}))
            Piece(runStart, startEnd, true, false, angles.b);
        if (middle || OneOf(code, {SIDE_UPPER_COVERED, SIDE_UPPER_EXTERNAL, SIDE_LEFT_COVERED, SIDE_LEFT_EXTERNAL})) {
            if (middle)
                tool.TakeActionId();
            Piece(farEnd, runEnd, false, true, angles.c);
        }
    }

private:
    TDrawingEdit& edit;
    TIntwallobjtool& tool;
    const TRoomNeighbours& neighbours;
    const std::array<int, 4>& codes;
    const TRoomWallValues& values;
    TAddRoomWall addWall;
    int side;
    std::int64_t across1 = 0;  // the first face, outside the room
    std::int64_t across2 = 0;  // the second face, on the room's edge
    std::int64_t runStart = 0;
    std::int64_t runEnd = 0;
    int direction = 1;  // along the run: -1 down (left, right), +1 right (top, bottom)

    void SetPoint(std::int32_t& x, std::int32_t& y, std::int64_t across, std::int64_t along) const
    {
        const TPoint p = tool.derived.Take(Upright(side) ? across : along, Upright(side) ? along : across);
        x = p.x;
        y = p.y;
    }

    // One wall from `from` to `to` along the run; an end at a room corner follows the corner rule,
    // an end on the neighbour's face stops there with both faces.
    void Piece(std::int64_t from, std::int64_t to, bool fromCorner, bool toCorner, int angle)
    {
        const std::int64_t w = values.thickness;
        const bool fromOpen = fromCorner && !CornerClosed(side, true, codes);
        const bool toOpen = toCorner && !CornerClosed(side, false, codes);
        const TDrawingState& state = State();
        tool.kind = KIND_INTWALL;
        tool.colour = state.currentColour;
        tool.penWidth = 1;
        tool.penStyle = 0;
        tool.lineAux1 = angle;
        tool.z1 = tool.z2 = values.height;
        tool.face2Aux = values.height;
        tool.wallWidth = values.thickness;
        tool.wallParams = values.wallParams;
        tool.wallColour1 = values.wallColour1;
        tool.wallColour2 = values.wallColour2;
        tool.joinData = {0, 0, 0, 0};
        SetPoint(tool.x1, tool.y1, across1, fromOpen ? from - direction * w : from);
        SetPoint(tool.x2, tool.y2, across1, toOpen ? to + direction * w : to);
        SetPoint(tool.face2StartX, tool.face2StartY, across2, from);
        SetPoint(tool.face2EndX, tool.face2EndY, across2, to);
        addWall(edit, tool);

        if (NeedsJunction(fromCorner, true))
            AddJunctionLine(from);
        if (NeedsJunction(toCorner, false))
            AddJunctionLine(to);
    }

    // A wall end meets an existing internal wall: at a corner whose adjacent side is covered by an
    // internal wall, or on the face of this side's internal neighbour. An external neighbour's
    // line stays as it is.
    bool NeedsJunction(bool corner, bool atStart) const
    {
        if (corner) {
            const int adjacent = AdjacentSide(side, atStart);
            return codes[adjacent] == SIDE_COVERED && neighbours[adjacent].kind == TNeighbourKind::InternalWall;
        }
        return neighbours[side].kind == TNeighbourKind::InternalWall;
    }

    // A line across the wall at `along`, from the first face to the second, kept off each face by
    // the print line factor, in the background colour of the window.
    void AddJunctionLine(std::int64_t along)
    {
        const TDrawingState& state = State();
        const std::int64_t inset = state.printLineFactor;
        const std::int64_t sign = across2 > across1 ? 1 : across2 < across1 ? -1 : 0;
        auto line = std::make_unique<TLineobj>(TYPE_LINE);
        line->floor = state.currentFloor;
        line->ownerId = tool.ownerId;
        line->groupId = tool.groupId;
        line->penWidth = 1;
        line->penStyle = 0;
        line->colour = std::int32_t(state.currentFillColour);
        SetPoint(line->x1, line->y1, across1 + sign * inset, along);
        SetPoint(line->x2, line->y2, across2 - sign * inset, along);
        edit.Add(std::move(line));
    }
};

}  // namespace

void TNearestSides::Offer(int side, std::int64_t value, int objectIndex)
{
    const auto s = std::size_t(side);
    const bool nearer = side == ROOM_LEFT || side == ROOM_BOTTOM ? value > line[s] : value < line[s];
    if (sideFound[s] && !nearer)
        return;
    sideFound[s] = true;
    index[s] = objectIndex;
    line[s] = ClampToInt32(value);
}

TRoomNeighbour WallNeighbour(const TObject& wall, int side)
{
    if (const auto* external = dynamic_cast<const TExtwallobj*>(&wall); external && wall.typeCode == TYPE_EXTWALL)
        return FaceNeighbour(TNeighbourKind::ExternalWall, InnermostLine(*external), side);
    const auto* internal = dynamic_cast<const TIntwallobj*>(&wall);
    if (!internal || wall.typeCode != TYPE_INTWALL)
        return {};
    // The face nearer the room, told by the start points: the larger x for the left side, the
    // smaller for the right, the smaller y for the top, the larger for the bottom.
    const TWallSegment first = ReferenceLine(*internal);
    const TWallSegment second = SecondFace(*internal);
    bool takeFirst = true;
    switch (side) {
    case ROOM_LEFT:
        takeFirst = first.x1 >= second.x1;
        break;
    case ROOM_RIGHT:
        takeFirst = first.x1 <= second.x1;
        break;
    case ROOM_TOP:
        takeFirst = first.y1 <= second.y1;
        break;
    default:
        takeFirst = first.y1 >= second.y1;
        break;
    }
    TRoomNeighbour neighbour = FaceNeighbour(TNeighbourKind::InternalWall, takeFirst ? first : second, side);
    neighbour.boundary = Upright(side) ? (takeFirst ? first.x1 : second.x1) : (takeFirst ? first.y1 : second.y1);
    return neighbour;
}

int SideCode(int side, const TRoomRect& room, const TRoomNeighbour& neighbour)
{
    if (neighbour.kind != TNeighbourKind::ExternalWall && neighbour.kind != TNeighbourKind::InternalWall)
        return SIDE_OPEN;
    const std::int32_t edge = side == ROOM_LEFT    ? room.left
                              : side == ROOM_RIGHT ? room.right
                              : side == ROOM_TOP   ? room.top
                                                   : room.bottom;
    if (edge != neighbour.boundary)
        return SIDE_OPEN;
    const bool external = neighbour.kind == TNeighbourKind::ExternalWall;
    const std::int32_t lo = neighbour.lo, hi = neighbour.hi;
    if (Upright(side)) {
        const std::int32_t top = room.top, bottom = room.bottom;
        if (lo <= bottom && hi >= top)
            return SIDE_COVERED;
        if (lo > bottom && hi < top)
            return SIDE_MIDDLE_COVERED_LR;
        if (hi < top && hi > bottom)
            return external ? SIDE_LOWER_EXTERNAL : SIDE_LOWER_COVERED;
        if (lo > bottom && lo < top)
            return external ? SIDE_UPPER_EXTERNAL : SIDE_UPPER_COVERED;
        return SIDE_OPEN;  // the face lies beyond the side's ends
    }
    const std::int32_t left = room.left, right = room.right;
    if (lo <= left && hi >= right)
        return SIDE_COVERED;
    if (lo > left && hi < right)
        return SIDE_MIDDLE_COVERED_TB;
    if (lo > left && lo < right)
        return external ? SIDE_RIGHT_EXTERNAL : SIDE_RIGHT_COVERED;
    if (hi > left && hi < right)
        return external ? SIDE_LEFT_EXTERNAL : SIDE_LEFT_COVERED;
    return SIDE_OPEN;
}

std::array<int, 4> EmitRoomSides(TDrawingEdit& edit, TIntwallobjtool& tool, const TRoomRect& room,
                                 const TRoomNeighbours& neighbours, const TRoomWallValues& values,
                                 TAddRoomWall addWall)
{
    std::array<int, 4> codes{};
    for (int side = ROOM_LEFT; side <= ROOM_BOTTOM; ++side)
        codes[std::size_t(side)] = SideCode(side, room, neighbours[std::size_t(side)]);
    for (int side = ROOM_LEFT; side <= ROOM_BOTTOM; ++side)
        TSideBuilder(edit, tool, room, neighbours, codes, values, addWall, side).Build();
    return codes;
}
