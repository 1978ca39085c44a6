#include "rooms/roomfinder.h"

#include "model/drawingstate.h"
#include "model/list.h"
#include "model/roomobj.h"
#include "model/typecodes.h"
#include "walls/wallsegment.h"

#include <algorithm>

namespace {

bool StrictlyBetween(std::int64_t value, std::int64_t a, std::int64_t b)
{
    return std::min(a, b) < value && value < std::max(a, b);
}

class TFinder {
public:
    explicit TFinder(TPoint point) : px(point.x), py(point.y) {}

    void Face(const TWallSegment& face, int index)
    {
        const std::int64_t sx = face.x1, sy = face.y1, ex = face.x2, ey = face.y2;
        if (sx == ex) {
            if (!StrictlyBetween(py, sy, ey))
                return;
            if (px < sx)
                result.Offer(ROOM_RIGHT, sx, index);
            else if (sx < px)
                result.Offer(ROOM_LEFT, sx, index);
            return;
        }
        if (sy == ey) {
            if (!StrictlyBetween(px, sx, ex))
                return;
            if (py < sy)
                result.Offer(ROOM_TOP, sy, index);
            else if (sy < py)
                result.Offer(ROOM_BOTTOM, sy, index);
            return;
        }
        // A sloped face: its nearer end across, when the point lies within its run and wholly to
        // one side of it.
        if (StrictlyBetween(py, sy, ey)) {
            if (std::min(sx, ex) > px)
                result.Offer(ROOM_RIGHT, std::min(sx, ex), index);
            else if (std::max(sx, ex) < px)
                result.Offer(ROOM_LEFT, std::max(sx, ex), index);
        } else if (StrictlyBetween(px, sx, ex)) {
            if (std::min(sy, ey) > py)
                result.Offer(ROOM_TOP, std::min(sy, ey), index);
            else if (std::max(sy, ey) < py)
                result.Offer(ROOM_BOTTOM, std::max(sy, ey), index);
        }
    }

    // A design room counts as the box its walls will fill: widened by t on every side.
    void DesignRoom(const TRoomobj& room, std::int64_t t, int index)
    {
        const std::int64_t left = std::int64_t(room.x1) - t, right = std::int64_t(room.x2) + t;
        const std::int64_t top = std::int64_t(room.y1) + t, bottom = std::int64_t(room.y2) - t;
        if (bottom < py && py < top) {
            if (px < left)
                result.Offer(ROOM_RIGHT, left, index);
            else if (px > right)
                result.Offer(ROOM_LEFT, right, index);
        }
        if (left < px && px < right) {
            if (py < bottom)
                result.Offer(ROOM_TOP, bottom, index);
            else if (py > top)
                result.Offer(ROOM_BOTTOM, top, index);
        }
    }

    TRoomSearch result;

private:
    std::int64_t px;
    std::int64_t py;
};

}  // namespace

TRoomSearch FindRoomAround(TPoint point, std::int32_t designRoomWall, int floorCode)
{
    TFinder finder(point);
    const TList& objects = State().objects;
    for (int i = 0; i < objects.count(); ++i) {
        const TObject& object = *objects[i];
        TWallLines lines;
        if (WallLinesOn(object, floorCode, lines)) {
            finder.Face(lines.line, i);
            if (lines.hasFace)
                finder.Face(lines.face, i);
        } else if (object.typeCode == TYPE_DESIGN_ROOM && object.floor == floorCode) {
            if (const auto* room = dynamic_cast<const TRoomobj*>(&object))
                finder.DesignRoom(*room, designRoomWall, i);
        }
    }
    TRoomSearch& result = finder.result;
    result.found = std::all_of(result.sideFound.begin(), result.sideFound.end(), [](bool found) { return found; });
    return result;
}
