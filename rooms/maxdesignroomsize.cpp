#include "rooms/maxdesignroomsize.h"

#include "model/drawingstate.h"
#include "model/extwallobj.h"
#include "model/intwallobj.h"
#include "model/list.h"
#include "model/roomobj.h"
#include "model/settingsrecords.h"
#include "rooms/droomobjtool.h"

#include <algorithm>
#include <limits>
#include <utility>

namespace {

using std::int64_t;

// A face line with its ends ordered: xlo <= xhi, ylo <= yhi.
struct TFaceBox {
    int64_t xlo, xhi, ylo, yhi;
    TFaceBox(int64_t ax, int64_t ay, int64_t bx, int64_t by)
        : xlo(std::min(ax, bx)), xhi(std::max(ax, bx)), ylo(std::min(ay, by)), yhi(std::max(ay, by))
    {
    }
    bool Holds(TPoint p) const { return xlo <= p.x && p.x <= xhi && ylo <= p.y && p.y <= yhi; }
};

TFaceBox InnerFace(const TExtwallobj& wall)
{
    const int line = wall.InnerLine();
    return {wall.wallLines[line], wall.wallLines[line + 1], wall.wallLines[line + 2], wall.wallLines[line + 3]};
}

// The extent of the walls and rooms of the floor; an axis nothing widened is empty.
struct TFloorBox {
    int64_t minX = std::numeric_limits<int64_t>::max();
    int64_t maxX = std::numeric_limits<int64_t>::min();
    int64_t minY = std::numeric_limits<int64_t>::max();
    int64_t maxY = std::numeric_limits<int64_t>::min();
    void WidenX(int64_t lo, int64_t hi)
    {
        minX = std::min(minX, lo);
        maxX = std::max(maxX, hi);
    }
    void WidenY(int64_t lo, int64_t hi)
    {
        minY = std::min(minY, lo);
        maxY = std::max(maxY, hi);
    }
    bool Holds(TPoint p) const { return minX <= p.x && p.x <= maxX && minY <= p.y && p.y <= maxY; }
};

// The nearest obstacle on each side of the point; a side with none is empty.
struct TBounds {
    std::optional<int64_t> left, right, below, above;
    static void Raise(std::optional<int64_t>& side, int64_t v) { side = side ? std::max(*side, v) : v; }
    static void Lower(std::optional<int64_t>& side, int64_t v) { side = side ? std::min(*side, v) : v; }
};

const TExtwallobj* ExternalWall(const TObject& object)
{
    return object.typeCode == TYPE_EXTWALL ? dynamic_cast<const TExtwallobj*>(&object) : nullptr;
}
const TIntwallobj* InternalWall(const TObject& object)
{
    return object.typeCode == TYPE_INTWALL ? dynamic_cast<const TIntwallobj*>(&object) : nullptr;
}
const TRoomobj* DesignRoom(const TObject& object)
{
    return object.typeCode == TYPE_DESIGN_ROOM ? dynamic_cast<const TRoomobj*>(&object) : nullptr;
}

// The floor box; empty when the point lies on or in a room or on a wall face's box.
std::optional<TFloorBox> FloorBox(const TList& objects, int floor, TPoint p)
{
    TFloorBox box;
    for (const auto& item : objects.Items()) {
        const TObject& object = *item;
        if (object.floor != floor)
            continue;
        if (const TRoomobj* room = DesignRoom(object)) {
            if (room->x1 <= p.x && p.x <= room->x2 && room->y2 <= p.y && p.y <= room->y1)
                return std::nullopt;
            box.WidenX(room->x1, room->x2);
            box.WidenY(room->y2, room->y1);
        } else if (const TExtwallobj* wall = ExternalWall(object)) {
            const TFaceBox face = InnerFace(*wall);
            if (face.Holds(p))
                return std::nullopt;
            // A face widens the box across its own direction only; a sloped face not at all.
            if (face.xlo == face.xhi)
                box.WidenX(face.xlo, face.xhi);
            else if (face.ylo == face.yhi)
                box.WidenY(face.ylo, face.yhi);
        } else if (const TIntwallobj* inner = InternalWall(object)) {
            for (const TFaceBox& face : {TFaceBox(inner->x1, inner->y1, inner->x2, inner->y2),
                                         TFaceBox(inner->face2StartX, inner->face2StartY, inner->face2EndX,
                                                  inner->face2EndY)}) {
                if (face.Holds(p))
                    return std::nullopt;
                box.WidenX(face.xlo, face.xhi);
                box.WidenY(face.ylo, face.yhi);
            }
        }
    }
    return box;
}

void BoundByRoom(TBounds& bounds, const TRoomobj& room, TPoint p, int64_t t)
{
    if (room.y2 < p.y && p.y < room.y1) {
        if (p.x < room.x1)
            TBounds::Lower(bounds.right, int64_t(room.x1) - t);
        else if (p.x > room.x2)
            TBounds::Raise(bounds.left, int64_t(room.x2) + t);
    } else if (p.y > room.y1) {
        if (room.x1 <= p.x && p.x < room.x2)
            TBounds::Raise(bounds.below, int64_t(room.y1) + t);
    } else if (p.y < room.y2) {
        if (room.x1 <= p.x && p.x < room.x2)
            TBounds::Lower(bounds.above, int64_t(room.y2) - t);
    }
}

void BoundByExternalWall(TBounds& bounds, const TExtwallobj& wall, TPoint p)
{
    const TFaceBox face = InnerFace(wall);
    if (face.xlo < p.x && p.x < face.xhi) {
        if (p.y > face.yhi)
            TBounds::Raise(bounds.below, face.yhi);
        else if (p.y < face.ylo)
            TBounds::Lower(bounds.above, face.ylo);
    } else if (face.ylo < p.y && p.y < face.yhi) {
        if (p.x < face.xlo)
            TBounds::Lower(bounds.right, face.xlo);
        else if (p.x > face.xhi)
            TBounds::Raise(bounds.left, face.xhi);
    }
}

// An internal wall bounds with the face nearer the point: the faces are ordered so that xLo..xHi
// is the first face's run along x and xFar the other face's far x, and likewise on y.
void BoundByInternalWall(TBounds& bounds, const TIntwallobj& wall, TPoint p)
{
    int64_t px0 = wall.x1, px1 = wall.x2, qx0 = wall.face2StartX, qx1 = wall.face2EndX;
    if (px0 > qx0) {
        std::swap(px0, qx0);
        std::swap(px1, qx1);
    }
    if (px0 > px1) {
        std::swap(px0, px1);
        std::swap(qx0, qx1);
    }
    const int64_t xLo = px0, xHi = px1, xFar = qx1;

    int64_t ry0 = wall.y1, ry1 = wall.y2, sy0 = wall.face2StartY, sy1 = wall.face2EndY;
    if (sy0 > ry0) {
        std::swap(ry0, sy0);
        std::swap(ry1, sy1);
    }
    if (ry1 > ry0) {
        std::swap(ry0, ry1);
        std::swap(sy0, sy1);
    }
    const int64_t yHi = ry0, yLo = ry1, yFar = sy1;

    if (yLo < p.y && p.y < yHi) {
        if (p.x < xLo)
            TBounds::Lower(bounds.right, xLo);
        else if (p.x > xFar)
            TBounds::Raise(bounds.left, xFar);
    } else if (p.y > yHi) {
        if (xLo <= p.x && p.x < xHi)
            TBounds::Raise(bounds.below, yHi);
    } else if (p.y < yFar) {
        if (xLo <= p.x && p.x < xHi)
            TBounds::Lower(bounds.above, yFar);
    }
}

std::int32_t Capped(int64_t size)
{
    return std::int32_t(std::clamp<int64_t>(size, std::numeric_limits<std::int32_t>::min(), MAX_FREE_SIZE));
}

}  // namespace

std::optional<TFreeSize> FindFreeSize(const TList& objects, int floor, TPoint point, std::int32_t wallThickness)
{
    if (objects.count() == 1)
        return std::nullopt;
    const std::optional<TFloorBox> box = FloorBox(objects, floor, point);
    if (!box || !box->Holds(point))
        return std::nullopt;

    const int64_t t = wallThickness;
    TBounds bounds;
    for (const auto& item : objects.Items()) {
        const TObject& object = *item;
        if (object.floor != floor)
            continue;
        if (const TRoomobj* room = DesignRoom(object))
            BoundByRoom(bounds, *room, point, t);
        else if (const TExtwallobj* wall = ExternalWall(object))
            BoundByExternalWall(bounds, *wall, point);
        else if (const TIntwallobj* inner = InternalWall(object))
            BoundByInternalWall(bounds, *inner, point);
    }
    // A side with no obstacle reaches one room wall thickness beyond the floor box.
    const int64_t left = bounds.left.value_or(box->minX - t);
    const int64_t right = bounds.right.value_or(box->maxX + t);
    const int64_t below = bounds.below.value_or(box->minY - t);
    const int64_t above = bounds.above.value_or(box->maxY + t);
    return TFreeSize{Capped(right - left), Capped(above - below)};
}

std::int32_t DesignRoomWallThickness(int floor, int unitSystem)
{
    TRoomWallSettings settings = ReadSettings<TRoomWallSettings>(unitSystem);
    const std::int32_t* thickness = settings.ForFloor(floor);
    return thickness ? *thickness : 0;
}

void MaxDesignRoomSize(TDRoomobjtool& tool, TPoint point)
{
    tool.lastX = point.x;
    tool.lastY = point.y;
    const TDrawingState& state = State();
    const std::optional<TFreeSize> free =
        FindFreeSize(state.objects, state.currentFloor, point,
                     DesignRoomWallThickness(state.currentFloor, state.unitSystem));
    if (!free) {
        tool.step = STEP_DROOM_REFUSED;
        return;
    }
    TMaxRoomSettings result;
    result.width = free->width;
    result.length = free->length;
    std::string reason;
    if (!WriteSettings(result, state.unitSystem, &reason)) {
        tool.outcome = TDesignRoomOutcome::SizeNotStored;
        tool.outcomeReason = reason;
    }
}
