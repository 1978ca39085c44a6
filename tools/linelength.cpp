// Lengthening and shortening a picked line: the line tool's Setup.
#include "tools/lineobjtool.h"

#include "model/drawingstate.h"
#include "model/list.h"
#include "model/object.h"

#include <cstdint>
#include <limits>

void TLineobjtool::Setup(int distance, int px, int py)
{
    if (step != STEP_WALL_LENGTHEN && step != STEP_WALL_SHORTEN)
        return;
    const TList& objects = State().objects;
    if (objectIndex < 0 || objectIndex >= objects.count())
        return;
    TObject& object = *objects[objectIndex];
    const bool vertical = object.x1 == object.x2;
    const bool horizontal = object.y1 == object.y2;
    if (vertical == horizontal)  // sloped, or both ends in one point
        return;
    if (distance < MIN_EDIT_DISTANCE || distance > MAX_EDIT_DISTANCE) {
        active = EDIT_REFUSED_DISTANCE;
        return;
    }

    // The two ends along the axis, the lower one first.
    std::int32_t& a = vertical ? object.y1 : object.x1;
    std::int32_t& b = vertical ? object.y2 : object.x2;
    std::int32_t& low = a < b ? a : b;
    std::int32_t& high = a < b ? b : a;
    const std::int64_t p = vertical ? py : px;
    const std::int64_t length = std::int64_t(high) - low;
    if (step == STEP_WALL_SHORTEN && distance >= length) {
        active = EDIT_REFUSED_TOO_SHORT;
        return;
    }
    const std::int64_t d = step == STEP_WALL_LENGTHEN ? distance : -std::int64_t(distance);
    const bool nearerHigh = p - low > high - p;
    const std::int64_t moved = nearerHigh ? high + d : low - d;
    if (moved < std::numeric_limits<std::int32_t>::min() || moved > std::numeric_limits<std::int32_t>::max()) {
        active = EDIT_REFUSED_DISTANCE;
        return;
    }
    (nearerHigh ? high : low) = std::int32_t(moved);
}
