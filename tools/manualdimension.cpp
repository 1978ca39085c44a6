#include "tools/manualdimension.h"

#include "model/dimensionvalue.h"
#include "model/drawingfile.h"
#include "model/drawingedit.h"
#include "model/drawingstate.h"
#include "model/extwallobj.h"
#include "model/intwallobj.h"
#include "model/list.h"
#include "model/modelunits.h"
#include "model/roomobj.h"
#include "model/textobj.h"
#include "model/typecodes.h"
#include "model/viewmapping.h"
#include "tools/annotationbuilders.h"
#include "tools/drawingtool.h"
#include "tools/toolwindow.h"

#include <algorithm>
#include <cstdlib>

namespace {

// Direction codes of the dimension.
constexpr int UP = 0;
constexpr int RIGHT = 900;
constexpr int DOWN = 1800;
constexpr int LEFT = 2700;

// Text above its point; a vertical dimension's text may run along it.
constexpr int ABOVE = 6;
constexpr int PARALLEL = 2700;

using Snap = std::optional<std::int32_t>;

// p lies strictly less than the tolerance from v.
bool Near(std::int64_t p, std::int64_t v)
{
    return std::llabs(p - v) < DIMENSION_SNAP;
}

// p lies strictly inside [a, b] (either order) widened by the tolerance at both ends.
bool Within(std::int64_t p, std::int64_t a, std::int64_t b)
{
    return std::min(a, b) - DIMENSION_SNAP < p && p < std::max(a, b) + DIMENSION_SNAP;
}

// The snap to one straight line: its x when it is vertical, its y when horizontal; sloped lines
// are not tested.
bool SnapToLine(std::int32_t ax, std::int32_t ay, std::int32_t bx, std::int32_t by, std::int32_t px, std::int32_t py,
                Snap& snapX, Snap& snapY)
{
    if (ax == bx && Near(px, ax) && Within(py, ay, by)) {
        snapX = ax;
        return true;
    }
    if (ay == by && Near(py, ay) && Within(px, ax, bx)) {
        snapY = ay;
        return true;
    }
    return false;
}

bool SnapToExternalWall(const TExtwallobj& wall, std::int32_t px, std::int32_t py, Snap& snapX, Snap& snapY)
{
    if (SnapToLine(wall.x1, wall.y1, wall.x2, wall.y2, px, py, snapX, snapY))
        return true;
    // The outermost wall line: line 1 of a two-line wall, else line 3.
    const std::size_t i = wall.spacing2 < 1 ? 0 : 8;
    const auto& l = wall.wallLines;
    return SnapToLine(l[i], l[i + 1], l[i + 2], l[i + 3], px, py, snapX, snapY);
}

bool SnapToInternalWall(const TIntwallobj& wall, std::int32_t px, std::int32_t py, Snap& snapX, Snap& snapY)
{
    return SnapToLine(wall.x1, wall.y1, wall.x2, wall.y2, px, py, snapX, snapY) ||
           SnapToLine(wall.face2StartX, wall.face2StartY, wall.face2EndX, wall.face2EndY, px, py, snapX, snapY);
}

bool SnapToDesignRoom(const TObject& room, std::int32_t px, std::int32_t py, Snap& snapX, Snap& snapY)
{
    // The rectangle runs from its top-left (x1, y1) to its bottom-right corner (x2, y2).
    if (Within(py, room.y2, room.y1)) {
        for (std::int32_t side : {room.x1, room.x2}) {
            if (Near(px, side)) {
                snapX = side;
                return true;
            }
        }
    }
    if (Within(px, room.x1, room.x2)) {
        for (std::int32_t side : {room.y1, room.y2}) {
            if (Near(py, side)) {
                snapY = side;
                return true;
            }
        }
    }
    return false;
}

// A marked point in model units, pulled onto the first line that snaps it.
TPoint MarkedPoint(const TDrawingtool& tool, Canvas& dc, const TRect& clientRect, int x, int y)
{
    TPoint logical;
    DeviceToLogical(dc, clientRect, x, y, logical.x, logical.y);
    TPoint p = LogicalToModel(logical);
    Snap snapX, snapY;
    DimensionGeometry(tool, p.x, p.y, snapX, snapY);
    if (snapX)
        p.x = *snapX;
    else if (snapY)
        p.y = *snapY;
    return p;
}

// Whether the file can hold both arrows of a dimension between two marked points: horizontal on
// the first point's height when it runs further in x, else vertical on its x.
bool DimensionArrowsStorable(std::int64_t x1, std::int64_t y1, std::int64_t x2, std::int64_t y2)
{
    const TStorableRange range;
    if (std::llabs(x2 - x1) >= std::llabs(y2 - y1))
        return AxisArrowStorable(std::min(x1, x2), y1, TArrowDirection::Left, range) &&
               AxisArrowStorable(std::max(x1, x2), y1, TArrowDirection::Right, range);
    return AxisArrowStorable(x1, std::max(y1, y2), TArrowDirection::Top, range) &&
           AxisArrowStorable(x1, std::min(y1, y2), TArrowDirection::Bottom, range);
}

}  // namespace

void DimensionGeometry(const TDrawingtool&, std::int32_t px, std::int32_t py, Snap& snapX, Snap& snapY)
{
    const int floor = State().currentFloor;
    for (const auto& object : State().objects.Items()) {
        if (object->floor != floor)
            continue;
        bool snapped = false;
        if (const auto* external = dynamic_cast<const TExtwallobj*>(object.get());
            external && object->typeCode == TYPE_EXTWALL)
            snapped = SnapToExternalWall(*external, px, py, snapX, snapY);
        else if (const auto* internal = dynamic_cast<const TIntwallobj*>(object.get());
                 internal && object->typeCode == TYPE_INTWALL)
            snapped = SnapToInternalWall(*internal, px, py, snapX, snapY);
        else if (object->typeCode == TYPE_DESIGN_ROOM)
            snapped = SnapToDesignRoom(*object, px, py, snapX, snapY);
        if (snapped)
            return;
    }
}

void AddDimensionText(TDrawingEdit& edit, TDrawingtool& tool, Canvas& dc, const TRect& clientRect, int x, int y,
                      int textOrientation, int textSize)
{
    TDrawingState& state = State();
    if (tool.step == STEP_DIMENSION_FIRST) {
        const TPoint first = MarkedPoint(tool, dc, clientRect, x, y);
        tool.x1 = first.x;
        tool.y1 = first.y;
        return;
    }

    if (tool.step == STEP_DIMENSION_SECOND) {
        const TPoint second = MarkedPoint(tool, dc, clientRect, x, y);
        // The arrow builders leave their shaft in the tool: work from the two marked points.
        const std::int64_t x1 = tool.x1, y1 = tool.y1, x2 = second.x, y2 = second.y;
        if (!DimensionArrowsStorable(x1, y1, x2, y2)) {
            if (tool.window)
                tool.window->Message("The dimension's arrows would lie too far outside the sheet for the drawing"
                                     " file to hold them - mark a point nearer the sheet",
                                     "POINT OUT OF RANGE");
            return;
        }
        tool.dimensionVertical() = 0;
        tool.groupId = ++state.groupIdCounter;
        tool.x2 = second.x;
        tool.y2 = second.y;
        TPoint middle;
        if (std::llabs(x2 - x1) >= std::llabs(y2 - y1)) {
            // Horizontal, on the height of the first point.
            const std::int64_t left = std::min(x1, x2), right = std::max(x1, x2);
            tool.dimensionLength() = ClampToInt32(right - left);
            tool.lineAux1 = x1 < x2 ? RIGHT : LEFT;
            AddArrowByCode(edit, tool, dc, clientRect, std::int32_t(left), std::int32_t(y1), TArrowDirection::Left);
            AddArrowByCode(edit, tool, dc, clientRect, std::int32_t(right), std::int32_t(y1), TArrowDirection::Right);
            middle = {std::int32_t(left + (right - left) / 2), std::int32_t(y1)};  // between the two points
        } else {
            // Vertical, on the first point's x.
            tool.dimensionVertical() = 1;
            const std::int64_t bottom = std::min(y1, y2), top = std::max(y1, y2);
            tool.dimensionLength() = ClampToInt32(top - bottom);
            tool.lineAux1 = y2 < y1 ? DOWN : UP;
            AddArrowByCode(edit, tool, dc, clientRect, std::int32_t(x1), std::int32_t(top), TArrowDirection::Top);
            AddArrowByCode(edit, tool, dc, clientRect, std::int32_t(x1), std::int32_t(bottom), TArrowDirection::Bottom);
            middle = {std::int32_t(x1), std::int32_t(bottom + (top - bottom) / 2)};  // between the two points
        }
        // The tool keeps the second point and, in x1, y1, the middle where the text goes.
        tool.x1 = middle.x;
        tool.y1 = middle.y;
        tool.x2 = second.x;
        tool.y2 = second.y;
        return;
    }

    if (tool.step == STEP_DIMENSION_TEXT) {
        const int escapement = textOrientation == PARALLEL && tool.dimensionVertical() == 1 ? PARALLEL : 0;
        auto text = MakeDimensionValueText(TYPE_LABEL_TEXT, tool.groupId, {tool.x1, tool.y1}, tool.lineAux1,
                                           FormatDimensionValue(tool.dimensionLength()), escapement, ABOVE, textSize);
        text->DrawMapped(dc, clientRect, 0);
        edit.Add(std::move(text));
    }
}
