#include "tools/floorarea.h"

#include "model/arcobj.h"
#include "model/arrowobj.h"
#include "model/drawingstate.h"
#include "model/extwallobj.h"
#include "model/intwallobj.h"
#include "model/list.h"
#include "model/polyobj.h"
#include "model/typecodes.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <vector>

namespace {

// Square model units in one square metre (mm) and one square foot (1/24 inch).
constexpr std::int64_t UNITS_PER_SQUARE_METRE = 1000000;
constexpr std::int64_t UNITS_PER_SQUARE_FOOT = 24 * 24 * 144;

// Distance of the first reference level above the lowest point of the first wall running +x, and
// below the lowest point of any later one.
constexpr std::int64_t REFERENCE_MARGIN = 1000;

std::int64_t Low(const TObject& wall)
{
    return std::min(wall.y1, wall.y2);
}

// The wall's strip down (or up) to the reference level b.
std::int64_t Strip(const TObject& wall, std::int64_t b)
{
    const std::int64_t w = std::llabs(std::int64_t(wall.x2) - wall.x1);
    if (wall.y1 == wall.y2)
        return w * (wall.y1 - b);
    const std::int64_t half = std::llabs(std::int64_t(wall.y2) - wall.y1) / 2;
    return w * (Low(wall) - b) + w * half;
}

// How centring moves each kind of object.
enum class MoveRule { Nothing, Anchor, Ends, ExternalWall, InternalWall, Arrow, Arc, Polygon };

MoveRule RuleFor(int type)
{
    if (type == TYPE_EXTWALL)
        return MoveRule::ExternalWall;
    if (type == TYPE_INTWALL)
        return MoveRule::InternalWall;
    if (type == TYPE_DIMENSION_LINE || type == TYPE_ARROW)
        return MoveRule::Arrow;
    if (type == TYPE_ARC)
        return MoveRule::Arc;
    if ((type >= 100 && type <= 24999) || type == TYPE_POLYGON_27000 || type == TYPE_OPENING)
        return MoveRule::Polygon;
    // A placed, dimension or label text moves by its anchor only: its x2 holds the direction code
    // of what it measures, which a move must not change.
    if (type == 4 || (type >= 34 && type <= 37))
        return MoveRule::Anchor;
    if (type == 1 || (type >= 5 && type <= 8) || type == 11 ||
        (type >= 41 && type <= 99) || (type >= 27001 && type <= 27004) || type == TYPE_DESIGN_ROOM ||
        type >= TYPE_FLOOR_RECORD)
        return MoveRule::Ends;
    return MoveRule::Nothing;
}

void MoveObject(TObject& object, std::int32_t dx, std::int32_t dy)
{
    const MoveRule rule = RuleFor(object.typeCode);
    auto moveEnds = [&] {
        object.x1 += dx;
        object.x2 += dx;
        object.y1 += dy;
        object.y2 += dy;
    };
    switch (rule) {
    case MoveRule::Nothing:
        break;
    case MoveRule::Anchor:
        object.x1 += dx;
        object.y1 += dy;
        break;
    case MoveRule::Ends:
        moveEnds();
        break;
    case MoveRule::ExternalWall:
        if (auto* wall = dynamic_cast<TExtwallobj*>(&object)) {
            moveEnds();
            for (std::size_t i = 0; i < wall->wallLines.size(); i += 2) {
                wall->wallLines[i] += dx;
                wall->wallLines[i + 1] += dy;
            }
        }
        break;
    case MoveRule::InternalWall:
        if (auto* wall = dynamic_cast<TIntwallobj*>(&object)) {
            moveEnds();
            wall->face2StartX += dx;
            wall->face2StartY += dy;
            wall->face2EndX += dx;
            wall->face2EndY += dy;
        }
        break;
    case MoveRule::Arrow:
        if (auto* arrow = dynamic_cast<TArrowobj*>(&object)) {
            moveEnds();
            for (auto* point : {&arrow->barb1, &arrow->barb2, &arrow->tickA, &arrow->tickB}) {
                (*point)[0] += dx;
                (*point)[1] += dy;
            }
        }
        break;
    case MoveRule::Arc:
        if (auto* arc = dynamic_cast<TArcobj*>(&object)) {
            moveEnds();
            arc->arcStartX += dx;
            arc->arcStartY += dy;
            arc->arcEndX += dx;
            arc->arcEndY += dy;
        }
        break;
    case MoveRule::Polygon:
        if (auto* polygon = dynamic_cast<TPolyobj*>(&object)) {
            for (int i = 0; i < polygon->UsedVertices(); ++i) {
                polygon->vertexX[std::size_t(i)] += dx;
                polygon->vertexY[std::size_t(i)] += dy;
            }
        }
        break;
    }
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
        if (wall.typeCode != TYPE_EXTWALL || wall.floor != state.currentFloor)
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

    std::int64_t area = 0;
    for (const TObject* wall : forward)
        area += Strip(*wall, b);
    for (const TObject* wall : backward)
        area -= Strip(*wall, b);

    const std::int64_t perUnit = state.unitSystem == 1 ? UNITS_PER_SQUARE_METRE : UNITS_PER_SQUARE_FOOT;
    // An outline drawn anticlockwise sums to the negative of its area.
    const std::int64_t whole = std::llabs(area / perUnit);
    objects.SetFloorArea(int(std::min<std::int64_t>(whole, INT32_MAX)));
}

void CentreFloorplan(TDrawingtool&)
{
    TDrawingState& state = State();
    TList& objects = state.objects;
    const int floor = state.currentFloor;

    // The box round the end points of the floor's external walls.
    bool found = false;
    std::int64_t minX = 0, minY = 0, maxX = 0, maxY = 0;
    for (int i = 0; i < objects.count(); ++i) {
        const TObject& wall = *objects[i];
        if (wall.typeCode != TYPE_EXTWALL || wall.floor != floor)
            continue;
        if (!found) {
            minX = maxX = wall.x1;
            minY = maxY = wall.y1;
            found = true;
        }
        minX = std::min<std::int64_t>({minX, wall.x1, wall.x2});
        maxX = std::max<std::int64_t>({maxX, wall.x1, wall.x2});
        minY = std::min<std::int64_t>({minY, wall.y1, wall.y2});
        maxY = std::max<std::int64_t>({maxY, wall.y1, wall.y2});
    }
    if (!found)
        return;

    const std::int64_t centreX = std::int64_t(state.sheetWidth / 2) * state.unitsPerLogical;
    const std::int64_t centreY = std::int64_t(state.sheetHeight / 2) * state.unitsPerLogical;
    const auto dx = std::int32_t(centreX - (maxX - (maxX - minX) / 2));
    const auto dy = std::int32_t(centreY - (maxY - (maxY - minY) / 2));

    for (int i = 0; i < objects.count(); ++i) {
        TObject& object = *objects[i];
        if (object.floor == floor)
            MoveObject(object, dx, dy);
    }
    objects.WriteDrawing();
}
