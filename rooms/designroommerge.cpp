#include "rooms/designroommerge.h"

#include "model/drawingedit.h"
#include "model/drawingstate.h"
#include "model/extwallobj.h"
#include "model/intwallobj.h"
#include "model/list.h"
#include "model/roomobj.h"
#include "model/settingsrecords.h"
#include "rooms/droomobjtool.h"
#include "rooms/maxdesignroomsize.h"

#include <algorithm>
#include <cstdlib>
#include <limits>

namespace {

using std::int64_t;

// The room being merged, its sizes and the merge distance; the smallest gaps found so far on each
// axis, from walls and from rooms, and the left or top edge each proposes.
struct TMergeSearch {
    int64_t left, right, top, bottom, width, length;
    int64_t reach;
    int64_t wallGapX, wallGapY, roomGapX, roomGapY;
    int64_t wallX = 0, wallY = 0, roomX = 0, roomY = 0;

    // What a wall offers each side; an offer of a side that lies on it already is no offer.
    void OfferLeft(int64_t v)
    {
        if (v != left && std::llabs(left - v) < wallGapX) {
            wallGapX = std::llabs(left - v);
            wallX = v;
        }
    }
    void OfferRight(int64_t v)
    {
        if (v != right && std::llabs(v - right) < wallGapX) {
            wallGapX = std::llabs(v - right);
            wallX = v - width;
        }
    }
    void OfferTop(int64_t v)
    {
        if (v != top && std::llabs(v - top) < wallGapY) {
            wallGapY = std::llabs(v - top);
            wallY = v;
        }
    }
    void OfferBottom(int64_t v)
    {
        if (v != bottom && std::llabs(bottom - v) < wallGapY) {
            wallGapY = std::llabs(bottom - v);
            wallY = v + length;
        }
    }

    void ExternalWall(const TExtwallobj& wall)
    {
        // The inner face, across the wall's own direction only.
        const int line = wall.InnerLine();
        if (wall.x1 == wall.x2) {
            OfferLeft(wall.wallLines[line]);
            OfferRight(wall.wallLines[line]);
        } else if (wall.y1 == wall.y2) {
            OfferTop(wall.wallLines[line + 1]);
            OfferBottom(wall.wallLines[line + 1]);
        }
    }

    void InternalWall(const TIntwallobj& wall)
    {
        if (wall.x1 != wall.x2 && wall.y1 != wall.y2)
            return;
        // Both faces together: the side of the room meets the face that looks towards it.
        const int64_t minX1 = std::min(wall.x1, wall.x2), maxX1 = std::max(wall.x1, wall.x2);
        const int64_t minX2 = std::min(wall.face2StartX, wall.face2EndX);
        const int64_t maxX2 = std::max(wall.face2StartX, wall.face2EndX);
        const int64_t minY1 = std::min(wall.y1, wall.y2), maxY1 = std::max(wall.y1, wall.y2);
        const int64_t minY2 = std::min(wall.face2StartY, wall.face2EndY);
        const int64_t maxY2 = std::max(wall.face2StartY, wall.face2EndY);
        OfferLeft(std::max(minX1, minX2));
        OfferRight(std::min(maxX1, maxX2));
        OfferTop(std::min(maxY1, maxY2));
        OfferBottom(std::max(minY1, minY2));
    }

    // Another design room takes part when it is near on both axes. Each side runs its chain: the
    // first row that holds is taken, and a row holds only for a gap below the one found so far.
    void Room(const TRoomobj& other)
    {
        const int64_t l = other.x1, r = other.x2, t = other.y1, b = other.y2;
        const int64_t thickness = wallThickness;
        const bool nearX = std::llabs(left - r) < reach || std::llabs(right - l) < reach ||
                           std::llabs(left - l) < reach || std::llabs(right - r) < reach;
        const bool nearY = std::llabs(bottom - t) < reach || std::llabs(top - b) < reach ||
                           std::llabs(top - t) < reach || std::llabs(bottom - b) < reach;
        if (!nearX || !nearY)
            return;
        auto take = [](bool holds, int64_t gap, int64_t edge, int64_t& bestGap, int64_t& bestEdge) {
            if (!holds || gap >= bestGap)
                return false;
            bestGap = gap;
            bestEdge = edge;
            return true;
        };
        // Left side: beside the other's right side, or level with its left side.
        take(r <= left, left - r, r + thickness, roomGapX, roomX) ||
            take(l <= left, left - l, l, roomGapX, roomX) ||
            take(left <= l, l - left, l, roomGapX, roomX) ||
            take(left <= r, r - left, r + thickness, roomGapX, roomX);
        // Right side: level with the other's right side, or beside its left side.
        take(r <= right, right - r, r - width, roomGapX, roomX) ||
            take(right <= r, r - right, r - width, roomGapX, roomX) ||
            take(l <= right, right - l, l - thickness - width, roomGapX, roomX) ||
            take(right <= l, l - right, l - thickness - width, roomGapX, roomX);
        // Top side: level with the other's top, or beside its bottom.
        take(t <= top, top - t, t, roomGapY, roomY) ||
            take(b <= top, top - b, b - thickness, roomGapY, roomY) ||
            take(top <= b, b - top, b - thickness, roomGapY, roomY) ||
            take(top <= t, t - top, t, roomGapY, roomY);
        // Bottom side: beside the other's top, or level with its bottom.
        take(t <= bottom, bottom - t, t + thickness + length, roomGapY, roomY) ||
            take(bottom <= t, t - bottom, t + thickness + length, roomGapY, roomY) ||
            take(bottom <= b, b - bottom, b + length, roomGapY, roomY) ||
            take(b <= bottom, bottom - b, b + length, roomGapY, roomY);
    }

    int64_t wallThickness = 0;
};

std::int32_t Clamp32(int64_t value)
{
    return std::int32_t(std::clamp<int64_t>(value, std::numeric_limits<std::int32_t>::min(),
                                            std::numeric_limits<std::int32_t>::max()));
}

}  // namespace

TMergedEdges MergedEdges(const TList& objects, int roomIndex, int floor, std::int32_t distance,
                         std::int32_t wallThickness)
{
    TMergedEdges edges;
    if (roomIndex < 0 || roomIndex >= objects.count())
        return edges;
    const auto* room = dynamic_cast<const TRoomobj*>(objects[roomIndex]);
    if (!room)
        return edges;
    const int64_t reach = distance;
    TMergeSearch search{room->x1,  room->x2, room->y1, room->y2, room->roomWidth, room->roomLength,
                        reach,     reach,    reach,    reach,    reach};
    search.wallThickness = wallThickness;

    for (int i = 0; i < objects.count(); ++i) {
        const TObject& object = *objects[i];
        if (i == roomIndex || object.floor != floor)
            continue;
        if (const auto* external = dynamic_cast<const TExtwallobj*>(&object);
            external && object.typeCode == TYPE_EXTWALL)
            search.ExternalWall(*external);
        else if (const auto* internal = dynamic_cast<const TIntwallobj*>(&object);
                 internal && object.typeCode == TYPE_INTWALL)
            search.InternalWall(*internal);
        else if (const auto* other = dynamic_cast<const TRoomobj*>(&object);
                 other && object.typeCode == TYPE_DESIGN_ROOM)
            search.Room(*other);
    }

    // Rooms nearer than walls on both axes win both edges, walls nearer on both win both; else a
    // wall within reach sets its axis and a room the other, the top edge's step coming last.
    const TMergeSearch& s = search;
    if (s.roomGapX < s.wallGapX && s.roomGapY < s.wallGapY) {
        edges.left = Clamp32(s.roomX);
        edges.top = Clamp32(s.roomY);
    } else if (s.wallGapX < s.roomGapX && s.wallGapY < s.roomGapY) {
        edges.left = Clamp32(s.wallX);
        edges.top = Clamp32(s.wallY);
    } else {
        if (s.wallGapX < reach) {
            edges.left = Clamp32(s.wallX);
            if (s.roomGapY < reach)
                edges.top = Clamp32(s.roomY);
        }
        if (s.wallGapY < reach) {
            edges.top = Clamp32(s.wallY);
            if (s.roomGapX < reach)
                edges.left = Clamp32(s.roomX);
        }
    }
    return edges;
}

void MergeDesignRoom(TDRoomobjtool& tool, TDrawingEdit& edit, TPoint released)
{
    tool.lastX = released.x;
    tool.lastY = released.y;
    if (!tool.HasSelectedRoom())
        return;
    const TDrawingState& state = State();
    const std::int32_t distance = ReadSettings<TMergeSettings>(state.unitSystem).distance;
    const std::int32_t thickness = DesignRoomWallThickness(state.currentFloor, state.unitSystem);
    const TMergedEdges edges = MergedEdges(state.objects, tool.selectedRoom, state.currentFloor, distance, thickness);
    auto& room = static_cast<TRoomobj&>(edit.Modify(tool.selectedRoom));
    if (edges.left) {
        room.x1 = *edges.left;
        room.x2 = Clamp32(int64_t(room.x1) + room.roomWidth);
    }
    if (edges.top) {
        room.y1 = *edges.top;
        room.y2 = Clamp32(int64_t(room.y1) - room.roomLength);
    }
    tool.x1 = room.x1;
    tool.y1 = room.y1;
    tool.x2 = room.x2;
    tool.y2 = room.y2;
}
