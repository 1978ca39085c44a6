#include "tools/floorarea.h"

#include "model/drawingedit.h"
#include "model/drawingfile.h"
#include "model/drawingstate.h"
#include "model/extwallobj.h"
#include "model/list.h"
#include "model/typecodes.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <numeric>
#include <vector>

namespace {

// Square model units in one square metre (mm) and one square foot (1/24 inch).
constexpr std::int64_t UNITS_PER_SQUARE_METRE = 1000000;
constexpr std::int64_t UNITS_PER_SQUARE_FOOT = 24 * 24 * 144;

// Distance of the first reference level above the lowest point of the first wall running +x, and
// below the lowest point of any later one.
constexpr std::int64_t REFERENCE_MARGIN = 1000;

// Strips and their sums. Coordinates span up to 2^32, so a strip can reach 2^65: too wide for
// int64 at the extremes a drawing file may hold.
using Wide = __int128;

std::int64_t Low(const TObject& wall)
{
    return std::min(wall.y1, wall.y2);
}

// The wall's strip down (or up) to the reference level b.
Wide Strip(const TObject& wall, std::int64_t b)
{
    const Wide w = std::llabs(std::int64_t(wall.x2) - wall.x1);
    if (wall.y1 == wall.y2)
        return w * (wall.y1 - b);
    const std::int64_t half = std::llabs(std::int64_t(wall.y2) - wall.y1) / 2;
    return w * (Low(wall) - b) + w * half;
}

// How centring moves an object of a type: every point it places in the plan (for a text only its
// anchor: a dimension or label text keeps the direction code of what it measures in x2, which a
// move must not change), its two ends, or nothing.
enum class MoveRule { Nothing, Points, Ends };

MoveRule RuleFor(int type)
{
    if (IsWallType(type) || IsArrowType(type) || type == TYPE_ARC || IsPolygonType(type) || type == TYPE_OPENING)
        return MoveRule::Points;
    if (type == TYPE_TEXT || (type >= TYPE_DIMENSION_TEXT && type <= TYPE_PLAN_TITLE))
        return MoveRule::Points;
    if (type == 1 || (type >= 5 && type <= 8) || type == 11 || (type >= 41 && type <= 99) ||
        (type >= 27001 && type <= 27004) || type == TYPE_DESIGN_ROOM || type >= TYPE_FLOOR_RECORD)
        return MoveRule::Ends;
    return MoveRule::Nothing;
}

// Calls visit on every point centring moves (by RuleFor).
template <class Visit>
void ForEachMovedPoint(TObject& object, Visit visit)
{
    switch (RuleFor(object.typeCode)) {
    case MoveRule::Nothing:
        break;
    case MoveRule::Points:
        object.ForEachPoint(visit);
        break;
    case MoveRule::Ends:
        visit(object.x1, object.y1);
        visit(object.x2, object.y2);
        break;
    }
}

// Whether the drawing file can hold every point of the object moved by (dx, dy). A floor record's
// x and y are stored as they are, not about the sheet centre: they need only stay in the int32
// range.
bool MoveStaysStorable(TObject& object, std::int64_t dx, std::int64_t dy, const TStorableRange& range)
{
    const bool floorRecord = object.typeCode >= TYPE_FLOOR_RECORD;
    auto fits = [](std::int64_t value) { return value == std::int64_t(std::int32_t(value)); };
    bool storable = true;
    ForEachMovedPoint(object, [&](std::int32_t& x, std::int32_t& y) {
        const std::int64_t movedX = x + dx;
        const std::int64_t movedY = y + dy;
        storable = storable && (floorRecord ? fits(movedX) && fits(movedY) : range.Holds(movedX, movedY));
    });
    return storable;
}

// Moves the object by (dx, dy); MoveStaysStorable has said that it may.
void MoveObject(TObject& object, std::int64_t dx, std::int64_t dy)
{
    ForEachMovedPoint(object, [dx, dy](std::int32_t& x, std::int32_t& y) {
        x = std::int32_t(x + dx);
        y = std::int32_t(y + dy);
    });
}

}  // namespace

void ComputeFloorArea(TDrawingtool&)
{
    TDrawingState& state = State();
    TList& objects = state.objects;
    if (objects.count() < 4)
        return;

    // The floor's walls running +x and -x, in list order; walls along y add no strip.
    std::vector<const TObject*> forward;
    std::vector<const TObject*> backward;
    for (int i = 0; i < objects.count(); ++i) {
        const TObject& wall = *objects[i];
        if (!IsExternalWallOn(wall, state.currentFloor))
            continue;
        if (wall.x1 < wall.x2)
            forward.push_back(&wall);
        else if (wall.x2 < wall.x1)
            backward.push_back(&wall);
    }
    if (forward.empty())
        return;

    std::int64_t b = Low(*forward.front()) + REFERENCE_MARGIN;
    for (std::size_t i = 1; i < forward.size(); ++i)
        b = std::min(b, Low(*forward[i]) - REFERENCE_MARGIN);

    Wide area = 0;
    for (const TObject* wall : forward)
        area += Strip(*wall, b);
    for (const TObject* wall : backward)
        area -= Strip(*wall, b);

    const std::int64_t perUnit = state.unitSystem == 1 ? UNITS_PER_SQUARE_METRE : UNITS_PER_SQUARE_FOOT;
    // An outline drawn anticlockwise sums to the negative of its area.
    const Wide quotient = area / perUnit;
    const Wide whole = quotient < 0 ? -quotient : quotient;
    objects.SetFloorArea(int(std::min<Wide>(whole, INT32_MAX)));
}

bool CentreFloorplan(TDrawingtool& tool)
{
    TDrawingEdit edit(State().objects);
    if (!CentreFloorplan(tool, edit))
        return false;
    // A floor without external walls is left as it is, its file unwritten.
    if (edit.Changed())
        edit.Commit();
    return true;
}

void CentringMove(const TModelBox& walls, std::int64_t& dx, std::int64_t& dy)
{
    const TDrawingState& state = State();
    const std::int64_t centreX = std::int64_t(state.sheetWidth / 2) * state.unitsPerLogical;
    const std::int64_t centreY = std::int64_t(state.sheetHeight / 2) * state.unitsPerLogical;
    // The box's middle, rounded toward its larger edge.
    dx = centreX - std::midpoint(std::int64_t(walls.maxX), std::int64_t(walls.minX));
    dy = centreY - std::midpoint(std::int64_t(walls.maxY), std::int64_t(walls.minY));
}

bool CentringStaysStorable(TObject& object, std::int64_t dx, std::int64_t dy, const TStorableRange& range)
{
    return MoveStaysStorable(object, dx, dy, range);
}

bool CentreFloorplan(TDrawingtool&, TDrawingEdit& edit, TModelShift* moved)
{
    if (moved)
        *moved = {};
    TList& objects = edit.Objects();
    const int floor = State().currentFloor;

    // The box round the end points of the floor's external walls.
    TModelBox walls;
    for (int i = 0; i < objects.count(); ++i) {
        const TObject& wall = *objects[i];
        if (!IsExternalWallOn(wall, floor))
            continue;
        walls.Add(wall.x1, wall.y1);
        walls.Add(wall.x2, wall.y2);
    }
    if (walls.empty)
        return true;
    std::int64_t dx = 0;
    std::int64_t dy = 0;
    CentringMove(walls, dx, dy);

    // The building moves as one: the floors above and below keep their places over this one. An
    // object that cannot go with it keeps the whole drawing where it is.
    const TStorableRange range;
    for (int i = 0; i < objects.count(); ++i)
        if (!MoveStaysStorable(*objects[i], dx, dy, range))
            return false;
    for (int i = 0; i < objects.count(); ++i)
        if (RuleFor(objects[i]->typeCode) != MoveRule::Nothing)
            MoveObject(edit.Modify(i), dx, dy);
    if (moved)
        *moved = {dx, dy};
    return true;
}

bool CentreAndMeasureFloor(TDrawingtool& tool, TDrawingEdit& edit, TModelShift* moved)
{
    if (moved)
        *moved = {};
    if (State().currentFloor == GROUND_FLOOR && !CentreFloorplan(tool, edit, moved))
        return false;
    ComputeFloorArea(tool);
    return true;
}
