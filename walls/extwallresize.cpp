// Enlarging and shrinking the floor plan across a cut line, and the free space a shrink proposes.
#include "walls/extwallobjtool.h"

#include "model/arcobj.h"
#include "model/drawingedit.h"
#include "model/drawingfile.h"
#include "model/drawingstate.h"
#include "model/extwallobj.h"
#include "model/intwallobj.h"
#include "model/list.h"
#include "model/modelunits.h"
#include "model/polyobj.h"
#include "model/settingsrecords.h"
#include "model/typecodes.h"
#include "tools/floorarea.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <optional>
#include <string>

namespace {

// The sides of the cut: the arrow key that chose it and the way the plan grows.
constexpr int SIDE_UP = 1;
constexpr int SIDE_RIGHT = 2;
constexpr int SIDE_DOWN = 3;
constexpr int SIDE_LEFT = 4;

// What the user is told when a resize is refused.
constexpr char NO_SIDE[] = "Press an ARROW key first to choose the direction of the change";
constexpr char BAD_DISTANCE[] = "The distance must be a whole number from 1 to 32766";
constexpr char NO_DIMENSIONS[] =
    "The plan is measured by its automatic dimensions and this floor has none - run OTHER/AUTO DIMENSIONS first";
constexpr char NO_WALLS[] = "There are no external walls on this floor to measure the plan by";
constexpr char OUTSIDE_PLAN[] =
    "The guide line must lie inside the plan, with an external wall on each side of the cursor "
    "(left, right, above and below)";
constexpr char SLOPED_WALL[] =
    "A sloped wall crosses the guide line or ends on it - place the guide line clear of sloped walls";
constexpr char TURNED_ROUND[] = "A wall crossing the guide line would be turned round - shrink by less";
constexpr char NO_LENGTH[] = "A wall crossing the guide line would be left with no length - shrink by less";
constexpr char OUT_OF_RANGE[] = "The plan would reach beyond the largest coordinates a drawing can hold";

// The cut line and the move of every point beyond it.
struct TCut {
    int side = 0;
    std::int64_t at = 0;    // the cut's y (sides up and down) or x (left and right)
    std::int64_t move = 0;  // added to the coordinate of every point beyond

    bool AlongY() const { return side == SIDE_UP || side == SIDE_DOWN; }
    // How far a point lies beyond the cut: above 0 beyond it, 0 on it, below 0 before it.
    std::int64_t Past(std::int64_t x, std::int64_t y) const
    {
        const std::int64_t offset = (AlongY() ? y : x) - at;
        return side == SIDE_UP || side == SIDE_RIGHT ? offset : -offset;
    }
    bool Beyond(std::int64_t x, std::int64_t y) const { return Past(x, y) > 0; }
};

bool IsMovedLine(int type)
{
    return type == TYPE_LINE || type == 11 || (type >= 41 && type <= 99);
}

bool IsMovedPolygon(int type)
{
    return (type >= TYPE_OPENING_POLYGON && type <= 24999 && !IsWallType(type)) || type == TYPE_OPENING;
}

bool IsMovedText(int type)
{
    return type == TYPE_TEXT || type == TYPE_TYPED_TEXT || (type >= TYPE_DIMENSION_TEXT && type <= TYPE_PLAN_TITLE);
}

// Figures that move only when both their corners lie beyond the cut.
bool IsMovedBox(int type)
{
    return type == TYPE_DESIGN_ROOM || type == TYPE_ELLIPSE || type == TYPE_CIRCLE || type == TYPE_RECTANGLE ||
           type == TYPE_RNDRECT;
}

// Calls shift(x, y) for every point of the object that the resize moves, each test made on the
// coordinates the object has before any of them moves. A wall's lines (an internal wall's second
// face) follow their reference end, wherever they lie themselves; a text moves by its anchor only
// (a dimension text keeps the direction of what it measures in x2); a polygon, arrow or box moves
// only as a whole, when all its points lie beyond, an arc when both its arc points do. Dimension
// lines, floor records and every other type never move.
template <class Shift>
void ForEachMovedPoint(TObject& object, const TCut& cut, Shift&& shift)
{
    const int type = object.typeCode;
    const bool startBeyond = cut.Beyond(object.x1, object.y1);
    const bool endBeyond = cut.Beyond(object.x2, object.y2);

    if (type == TYPE_EXTWALL) {
        auto* wall = dynamic_cast<TExtwallobj*>(&object);
        if (!wall)
            return;
        const std::size_t lines = wall->IsCavityWall() ? 3 : 1;
        auto moveEnd = [&](std::int32_t& x, std::int32_t& y, std::size_t offset) {
            shift(x, y);
            for (std::size_t k = 0; k < lines; ++k)
                shift(wall->wallLines[4 * k + offset], wall->wallLines[4 * k + offset + 1]);
        };
        if (startBeyond)
            moveEnd(wall->x1, wall->y1, 0);
        if (endBeyond)
            moveEnd(wall->x2, wall->y2, 2);
    } else if (type == TYPE_INTWALL) {
        auto* wall = dynamic_cast<TIntwallobj*>(&object);
        if (!wall)
            return;
        if (startBeyond) {
            shift(wall->x1, wall->y1);
            shift(wall->face2StartX, wall->face2StartY);
        }
        if (endBeyond) {
            shift(wall->x2, wall->y2);
            shift(wall->face2EndX, wall->face2EndY);
        }
    } else if (IsMovedLine(type)) {
        if (startBeyond)
            shift(object.x1, object.y1);
        if (endBeyond)
            shift(object.x2, object.y2);
    } else if (IsMovedPolygon(type)) {
        auto* polygon = dynamic_cast<TPolyobj*>(&object);
        if (!polygon)
            return;
        const auto count = std::size_t(std::clamp<int>(polygon->vertexCount, 0, TPolyobj::MAX_VERTICES));
        bool all = true;
        for (std::size_t i = 0; i < count; ++i)
            all = all && cut.Beyond(polygon->vertexX[i], polygon->vertexY[i]);
        if (all)
            for (std::size_t i = 0; i < count; ++i)
                shift(polygon->vertexX[i], polygon->vertexY[i]);
    } else if (IsMovedBox(type)) {
        if (startBeyond && endBeyond) {
            shift(object.x1, object.y1);
            shift(object.x2, object.y2);
        }
    } else if (IsMovedText(type)) {
        if (startBeyond)
            shift(object.x1, object.y1);
    } else if (type == TYPE_ARROW || type == TYPE_ARC) {
        // Every point of an arrow, both arc points of an arc (not its box) must lie beyond.
        bool all = true;
        if (type == TYPE_ARROW)
            object.ForEachPoint([&](std::int32_t& x, std::int32_t& y) { all = all && cut.Beyond(x, y); });
        else if (const auto* arc = dynamic_cast<const TArcobj*>(&object))
            all = cut.Beyond(arc->arcStartX, arc->arcStartY) && cut.Beyond(arc->arcEndX, arc->arcEndY);
        else
            all = false;
        if (all)
            object.ForEachPoint(shift);
    }
}

// The change of an external wall's stored length: by the move's size, more when enlarging and less
// when shrinking, when one end moves and the other does not (also when that one lies on the cut).
std::int64_t LengthChange(const TObject& wall, const TCut& cut, bool shrink)
{
    if (cut.Beyond(wall.x1, wall.y1) == cut.Beyond(wall.x2, wall.y2))
        return 0;
    const std::int64_t size = std::llabs(cut.move);
    return shrink ? -size : size;
}

bool FitsInt32(std::int64_t value)
{
    return value >= std::numeric_limits<std::int32_t>::min() && value <= std::numeric_limits<std::int32_t>::max();
}

// A wall along neither axis. One along an axis keeps its direction, angle and line offsets when an
// end moves along it.
bool IsSloped(const TObject& wall)
{
    return wall.x1 != wall.x2 && wall.y1 != wall.y2;
}

// Why the walls of the floor do not allow the move, or nothing. A wall with one end moved must run
// along the axis (a sloped one would keep a stale angle and lines), and a shrink must leave every
// wall it shortens pointing the same way and some length. An end carried past the cut is no fault:
// beyond a pulled-back cut lie the ends of the internal walls meeting the wall it moves, and they
// move with that wall.
const char* WallRefusal(const TList& objects, int floor, const TCut& cut, bool shrink)
{
    const std::int64_t distance = std::llabs(cut.move);
    for (const auto& object : objects.Items()) {
        const TObject& wall = *object;
        if (wall.floor != floor || !IsWallType(wall.typeCode))
            continue;
        const bool oneEndMoves = cut.Beyond(wall.x1, wall.y1) != cut.Beyond(wall.x2, wall.y2);
        if (!oneEndMoves)
            continue;
        if (IsSloped(wall))
            return SLOPED_WALL;
        if (!shrink)
            continue;
        const std::int64_t along = cut.AlongY() ? std::int64_t(wall.y2) - wall.y1 : std::int64_t(wall.x2) - wall.x1;
        const std::int64_t left = std::llabs(along) - distance;
        if (left < 0)
            return TURNED_ROUND;
        if (left < 1)
            return NO_LENGTH;
        if (wall.typeCode == TYPE_EXTWALL && std::int64_t(wall.groupId) - distance < 1)
            return NO_LENGTH;
    }
    return nullptr;
}

// Whether every coordinate and stored length the move changes stays within the int32 range.
bool MoveStaysInRange(TList& objects, int floor, const TCut& cut, bool shrink)
{
    bool fits = true;
    auto check = [&](std::int32_t& x, std::int32_t& y) {
        fits = fits && FitsInt32((cut.AlongY() ? y : x) + cut.move);
    };
    for (int i = 0; i < objects.count() && fits; ++i) {
        TObject& object = *objects[i];
        if (object.floor != floor)
            continue;
        ForEachMovedPoint(object, cut, check);
        if (object.typeCode == TYPE_EXTWALL)
            fits = fits && FitsInt32(object.groupId + LengthChange(object, cut, shrink));
    }
    return fits;
}

// The move pass: one walk over the list, every object of the floor visited once.
void MovePlan(TDrawingEdit& edit, int floor, const TCut& cut, bool shrink)
{
    TList& objects = edit.Objects();
    auto apply = [&cut](std::int32_t& x, std::int32_t& y) {
        std::int32_t& coordinate = cut.AlongY() ? y : x;
        coordinate = std::int32_t(coordinate + cut.move);
    };
    for (int i = 0; i < objects.count(); ++i) {
        TObject& object = *objects[i];
        if (object.floor != floor)
            continue;
        int moved = 0;
        ForEachMovedPoint(object, cut, [&moved](std::int32_t&, std::int32_t&) { ++moved; });
        const std::int64_t lengthChange = object.typeCode == TYPE_EXTWALL ? LengthChange(object, cut, shrink) : 0;
        if (moved == 0 && lengthChange == 0)
            continue;
        edit.Modify(i);
        // The length is decided on the ends as they were.
        object.groupId = std::int32_t(object.groupId + lengthChange);
        ForEachMovedPoint(object, cut, apply);
    }
}

// Whether the plan, resized across the cut, could then be centred (CentreFloorplan) with every
// point where the drawing file can store it. The list is only read: an object the resize would
// change is looked at through a copy resized.
bool CentringFollows(TList& objects, int floor, const TCut& cut)
{
    auto apply = [&cut](std::int32_t& x, std::int32_t& y) {
        std::int32_t& coordinate = cut.AlongY() ? y : x;
        coordinate = std::int32_t(coordinate + cut.move);
    };
    TModelBox walls;
    for (const auto& object : objects.Items()) {
        const TObject& wall = *object;
        if (!IsExternalWallOn(wall, floor))
            continue;
        for (TPoint end : {TPoint{wall.x1, wall.y1}, TPoint{wall.x2, wall.y2}}) {
            if (cut.Beyond(end.x, end.y))
                apply(end.x, end.y);
            walls.Add(end.x, end.y);
        }
    }
    if (walls.empty)
        return true;
    std::int64_t dx = 0;
    std::int64_t dy = 0;
    CentringMove(walls, dx, dy);
    const TStorableRange range;
    for (const auto& object : objects.Items()) {
        int moved = 0;
        if (object->floor == floor)
            ForEachMovedPoint(*object, cut, [&moved](std::int32_t&, std::int32_t&) { ++moved; });
        if (moved == 0) {
            if (!CentringStaysStorable(*object, dx, dy, range))
                return false;
            continue;
        }
        const std::unique_ptr<TObject> resized = object->Clone();
        ForEachMovedPoint(*resized, cut, apply);
        if (!CentringStaysStorable(*resized, dx, dy, range))
            return false;
    }
    return true;
}

// The nearest axis-parallel external wall of the floor on one side of the cut point.
struct TNearestWall {
    std::optional<std::int64_t> at;  // its x (left, right) or y (below, above)
    std::int64_t distance = 0;

    void Offer(std::int64_t coordinate, std::int64_t away)
    {
        // Of walls at the same distance the first found stays.
        if (!at || away < distance) {
            at = coordinate;
            distance = away;
        }
    }
};

}  // namespace

std::string TExtwallobjtool::ResizeFloorPlan(TDrawingEdit& edit, int distance, int x, int y)
{
    return ResizePlan(edit, distance, x, y, false);
}

bool TExtwallobjtool::ResizeAndCentre(TDrawingEdit& edit, int amount, int x, int y, TModelShift* centring)
{
    active = 0;
    lineDrawn = 0;
    kind = KIND_EXTWALL;
    resizeRefusal = ResizePlan(edit, amount, x, y, true);
    if (!resizeRefusal.empty())
        return false;
    // ResizePlan has checked the centring against the plan as it will be; should the two ever
    // differ, the resize is refused all the same (the caller's repaint takes back what moved).
    if (!CentreFloorplan(*this, edit, centring)) {
        resizeRefusal = CENTRING_REFUSED;
        return false;
    }
    return true;
}

std::string TExtwallobjtool::ResizePlan(TDrawingEdit& edit, int distance, int x, int y, bool thenCentre)
{
    TDrawingState& state = State();
    TList& objects = edit.Objects();
    const int floor = state.currentFloor;
    const bool shrink = step == STEP_PLAN_SHRINK;

    if (objectIndex < SIDE_UP || objectIndex > SIDE_LEFT)
        return NO_SIDE;
    if (distance < MIN_EDIT_DISTANCE || distance > MAX_EDIT_DISTANCE)
        return BAD_DISTANCE;

    TCut cut;
    cut.side = objectIndex;
    cut.at = cut.AlongY() ? y : x;
    const bool growsPositive = cut.side == SIDE_UP || cut.side == SIDE_RIGHT;
    cut.move = (growsPositive != shrink) ? distance : -std::int64_t(distance);

    if (shrink) {
        // The plan's size along the axis, from the automatic dimensions or the walls.
        std::string reason;
        TExtentsSettings extents;
        if (!objects.WriteExtents(&reason, &extents))
            return "The settings file CFG/EXTENTS.CFG could not be written: " + reason;
        if (!extents.Measured())
            return TList::ExtentsMeasureWalls(state.displayMode) ? NO_WALLS : NO_DIMENSIONS;
        const std::int64_t extent = cut.AlongY() ? std::int64_t(extents.maxY) - extents.minY
                                                 : std::int64_t(extents.maxX) - extents.minX;
        if (extent < distance)
            return "The plan is only " + std::to_string(extent) + " across in that direction: it cannot shrink by " +
                   std::to_string(distance);

        // The nearest axis-parallel external walls round the cut point, on all four sides.
        TNearestWall left, right, below, above;
        for (const auto& object : objects.Items()) {
            const TObject& wall = *object;
            if (!IsExternalWallOn(wall, floor))
                continue;
            if (wall.x1 == wall.x2) {
                if (wall.x1 < x)
                    left.Offer(wall.x1, std::int64_t(x) - wall.x1);
                else if (wall.x1 > x)
                    right.Offer(wall.x1, std::int64_t(wall.x1) - x);
            } else if (wall.y1 == wall.y2) {
                if (wall.y1 < y)
                    below.Offer(wall.y1, std::int64_t(y) - wall.y1);
                else if (wall.y1 > y)
                    above.Offer(wall.y1, std::int64_t(wall.y1) - y);
            }
        }
        if (!left.at || !right.at || !below.at || !above.at)
            return OUTSIDE_PLAN;

        // A wall of the shrinking side nearer than the distance pulls the cut back, so that the
        // wall ends up on it.
        const TNearestWall& ahead = cut.side == SIDE_UP      ? above
                                    : cut.side == SIDE_RIGHT ? right
                                    : cut.side == SIDE_DOWN  ? below
                                                             : left;
        if (ahead.distance < distance)
            cut.at = growsPositive ? *ahead.at - distance : *ahead.at + distance;
    }

    if (const char* refusal = WallRefusal(objects, floor, cut, shrink))
        return refusal;
    if (!MoveStaysInRange(objects, floor, cut, shrink))
        return OUT_OF_RANGE;
    if (thenCentre && !CentringFollows(objects, floor, cut))
        return CENTRING_REFUSED;

    MovePlan(edit, floor, cut, shrink);
    return {};
}

std::int32_t TExtwallobjtool::ClearanceToDesignRooms()
{
    const TDrawingState& state = State();
    const int floor = state.currentFloor;
    const std::int64_t px = std::int64_t(libraryFlag) * state.unitsPerLogical;
    const std::int64_t py = std::int64_t(lineAux2) * state.unitsPerLogical;
    const int side = objectIndex;

    std::optional<std::int64_t> best;
    for (const auto& object : state.objects.Items()) {
        const auto* wall = dynamic_cast<const TExtwallobj*>(object.get());
        if (!wall || !IsExternalWallOn(*wall, floor))
            continue;
        // The tool keeps the last wall's reference line.
        x1 = wall->x1;
        y1 = wall->y1;
        x2 = wall->x2;
        y2 = wall->y2;
        const std::int64_t thickness = std::int64_t(wall->spacing1) + wall->spacing2 + wall->spacing3;
        const bool alongX = wall->y1 == wall->y2;
        const bool alongY = wall->x1 == wall->x2;
        const bool qualifies = (side == SIDE_RIGHT && alongX && wall->x1 > px) ||
                               (side == SIDE_LEFT && alongX && wall->x1 < px) ||
                               (side == SIDE_UP && alongY && wall->y1 > py) ||
                               (side == SIDE_DOWN && alongY && wall->y1 < py);
        if (!qualifies)
            continue;
        for (const auto& other : state.objects.Items()) {
            const TObject& room = *other;
            if (room.typeCode != TYPE_DESIGN_ROOM || room.floor != floor)
                continue;
            std::int64_t candidate = 0;
            switch (side) {
            case SIDE_RIGHT:
                candidate = wall->x1 - thickness - room.x2;
                break;
            case SIDE_LEFT:
                candidate = room.x1 - wall->x1 - thickness;
                break;
            case SIDE_UP:
                candidate = wall->y1 - thickness - room.y1;
                break;
            default:
                candidate = room.y2 - wall->y1 - thickness;
                break;
            }
            if (!best || candidate < *best)
                best = candidate;
        }
    }
    return best ? ClampToInt32(*best) : 0;
}
