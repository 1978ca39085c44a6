#include "tools/annotationbuilders.h"

#include "model/arrowobj.h"
#include "model/drawingedit.h"
#include "model/drawingfile.h"
#include "model/drawingstate.h"
#include "model/modelunits.h"
#include "model/textobj.h"
#include "model/typecodes.h"
#include "tools/derivedpoints.h"
#include "tools/drawingtool.h"

#include <cmath>

namespace {

// Arrow sizes in logical units.
constexpr int SHAFT = 40;
constexpr int HEAD_DEPTH = 20;
constexpr int HEAD_HALF_WIDTH = 5;
constexpr int TICK_HALF_LENGTH = 20;

// Radians per tenth of a degree, as the dimensions compute them (a little short of pi / 1800).
constexpr double RADIANS_PER_TENTH = 0.001745;

// A model point from wide coordinates the caller has found storable.
std::array<std::int32_t, 2> At(std::int64_t x, std::int64_t y)
{
    return {std::int32_t(x), std::int32_t(y)};
}

// An arrow object of the type with the shaft and head points given, on the current floor.
std::unique_ptr<TArrowobj> MakeArrow(int typeCode, const TDrawingtool& tool, std::array<std::int32_t, 2> tip,
                                     std::array<std::int32_t, 2> tail, std::array<std::int32_t, 2> barb1,
                                     std::array<std::int32_t, 2> barb2, std::array<std::int32_t, 2> tickA,
                                     std::array<std::int32_t, 2> tickB)
{
    const TDrawingState& state = State();
    auto arrow = std::make_unique<TArrowobj>(typeCode);
    arrow->floor = state.currentFloor;
    arrow->ownerId = 0;
    arrow->groupId = tool.groupId;
    arrow->penWidth = 1;
    arrow->penStyle = 0;
    arrow->colour = std::int32_t(state.currentColour);
    arrow->x1 = tip[0];
    arrow->y1 = tip[1];
    arrow->x2 = tail[0];
    arrow->y2 = tail[1];
    arrow->barb1 = barb1;
    arrow->barb2 = barb2;
    arrow->tickA = tickA;
    arrow->tickB = tickB;
    return arrow;
}

// The tool keeps the shaft of the arrow just built.
void LeaveShaftInTool(TDrawingtool& tool, const TArrowobj& arrow)
{
    tool.penStyle = 0;
    tool.x1 = arrow.x1;
    tool.y1 = arrow.y1;
    tool.x2 = arrow.x2;
    tool.y2 = arrow.y2;
}

// The points of an axis arrow with its tip at (x, y), taken wide: tip, tail, the two barbs and the
// two ends of the tick.
using TWidePoint = std::array<std::int64_t, 2>;
std::array<TWidePoint, 6> AxisArrowPoints(std::int64_t x, std::int64_t y, TArrowDirection direction)
{
    const std::int64_t u = State().unitsPerLogical;
    const std::int64_t shaft = SHAFT * u, depth = HEAD_DEPTH * u, half = HEAD_HALF_WIDTH * u,
                       tick = TICK_HALF_LENGTH * u;
    switch (direction) {
    case TArrowDirection::Left:
        return {{{x, y}, {x + shaft, y}, {x + depth, y + half}, {x + depth, y - half}, {x, y + tick}, {x, y - tick}}};
    case TArrowDirection::Right:
        return {{{x, y}, {x - shaft, y}, {x - depth, y + half}, {x - depth, y - half}, {x, y + tick}, {x, y - tick}}};
    case TArrowDirection::Top:
        return {{{x, y}, {x, y - shaft}, {x - half, y - depth}, {x + half, y - depth}, {x - tick, y}, {x + tick, y}}};
    case TArrowDirection::Bottom:
        break;
    }
    return {{{x, y}, {x, y + shaft}, {x - half, y + depth}, {x + half, y + depth}, {x - tick, y}, {x + tick, y}}};
}

// An axis arrow with its tip at (x, y).
std::unique_ptr<TArrowobj> MakeAxisArrow(int typeCode, const TDrawingtool& tool, std::int64_t x, std::int64_t y,
                                         TArrowDirection direction)
{
    const auto p = AxisArrowPoints(x, y, direction);
    auto at = [&p](int i) { return At(p[std::size_t(i)][0], p[std::size_t(i)][1]); };
    return MakeArrow(typeCode, tool, at(0), at(1), at(2), at(3), at(4), at(5));
}

// v truncated toward zero, by itself, as every product of the sloped arrow is.
std::int64_t T(double v)
{
    return TruncToInt32(v);
}

}  // namespace

double DimensionRadians(double tenths)
{
    return tenths * RADIANS_PER_TENTH;
}

int AddArrow(TDrawingEdit& edit, TDrawingtool& tool, std::int64_t x, std::int64_t y, TArrowDirection direction,
             const TStorableRange& range)
{
    if (!AxisArrowStorable(x, y, direction, range))
        return -1;
    auto arrow = MakeAxisArrow(TYPE_DIMENSION_LINE, tool, x, y, direction);
    LeaveShaftInTool(tool, *arrow);
    return edit.Add(std::move(arrow));
}

int AddArrow(TDrawingEdit& edit, TDrawingtool& tool, std::int64_t x, std::int64_t y, TArrowDirection direction)
{
    return AddArrow(edit, tool, x, y, direction, TStorableRange());
}

int AddArrow(TDrawingEdit& edit, TDrawingtool& tool, std::int64_t x, std::int64_t y, TArrowDirection direction,
             TDerivedPoints& points)
{
    for (const TWidePoint& p : AxisArrowPoints(x, y, direction))
        points.Take(p[0], p[1]);
    // Once a point could not be stored the change is refused: nothing more is added.
    if (!points.Storable())
        return -1;
    auto arrow = MakeAxisArrow(TYPE_DIMENSION_LINE, tool, x, y, direction);
    LeaveShaftInTool(tool, *arrow);
    return edit.Add(std::move(arrow));
}

int AddAngledArrow(TDrawingEdit& edit, TDrawingtool& tool, std::int32_t x, std::int32_t y, int angle, int quadrant,
                   int end, std::int32_t offset)
{
    return AddAngledArrow(edit, tool, x, y, angle, quadrant, end, offset, TStorableRange());
}

bool AxisArrowStorable(std::int64_t x, std::int64_t y, TArrowDirection direction, const TStorableRange& range)
{
    for (const TWidePoint& p : AxisArrowPoints(x, y, direction))
        if (!range.Holds(p[0], p[1]))
            return false;
    return true;
}

void AddArrowByCode(TDrawingEdit& edit, TDrawingtool& tool, Canvas& dc, const TRect& clientRect, std::int32_t x,
                    std::int32_t y, TArrowDirection direction)
{
    auto arrow = MakeAxisArrow(TYPE_ARROW, tool, x, y, direction);
    LeaveShaftInTool(tool, *arrow);
    arrow->DrawMapped(dc, clientRect, 0);
    edit.Add(std::move(arrow));
}

int AddAngledArrow(TDrawingEdit& edit, TDrawingtool& tool, std::int32_t x, std::int32_t y, int angle, int quadrant,
                   int end, std::int32_t offset, const TStorableRange& range)
{
    // The normal n (left of the wall's travel) and the direction d along the wall, in the form of
    // the angle's quadrant: each equals n = (-cos angle, sin angle), d = (sin angle, cos angle), and
    // the form decides the last unit after truncation.
    double nx = 0, ny = 0, dx = 0, dy = 0;
    const double a = angle;
    switch (quadrant) {
    case 1: {
        const double alpha = DimensionRadians(900 - a), beta = DimensionRadians(a);
        nx = -std::sin(alpha), ny = std::cos(alpha), dx = std::sin(beta), dy = std::cos(beta);
        break;
    }
    case 2: {
        const double alpha = DimensionRadians(1800 - a), beta = DimensionRadians(a - 900);
        nx = std::cos(alpha), ny = std::sin(alpha), dx = std::cos(beta), dy = -std::sin(beta);
        break;
    }
    case 3: {
        const double alpha = DimensionRadians(2700 - a), beta = DimensionRadians(a - 1800);
        nx = std::sin(alpha), ny = -std::cos(alpha), dx = -std::sin(beta), dy = -std::cos(beta);
        break;
    }
    default: {
        const double alpha = DimensionRadians(3600 - a), beta = DimensionRadians(a - 2700);
        nx = -std::cos(alpha), ny = -std::sin(alpha), dx = -std::cos(beta), dy = std::sin(beta);
        break;
    }
    }

    const double u = State().unitsPerLogical;
    const std::int64_t px = x + T(offset * nx), py = y + T(offset * ny);
    const std::int64_t f = end == 1 ? 1 : -1;
    const std::int64_t qx = px + f * T(HEAD_DEPTH * u * dx), qy = py + f * T(HEAD_DEPTH * u * dy);
    const std::int64_t tickX = T(TICK_HALF_LENGTH * u * nx), tickY = T(TICK_HALF_LENGTH * u * ny);
    const std::int64_t barbX = T(HEAD_HALF_WIDTH * u * nx), barbY = T(HEAD_HALF_WIDTH * u * ny);

    const std::int64_t tailX = px + f * T(SHAFT * u * dx), tailY = py + f * T(SHAFT * u * dy);
    const TWidePoint points[] = {{px, py},
                                 {tailX, tailY},
                                 {px + tickX, py + tickY},
                                 {px - tickX, py - tickY},
                                 {qx + barbX, qy + barbY},
                                 {qx - barbX, qy - barbY}};
    for (const TWidePoint& p : points)
        if (!range.Holds(p[0], p[1]))
            return -1;
    const auto tip = At(px, py);
    const auto tail = At(tailX, tailY);
    const auto tickPlus = At(px + tickX, py + tickY), tickMinus = At(px - tickX, py - tickY);
    const auto barbPlus = At(qx + barbX, qy + barbY), barbMinus = At(qx - barbX, qy - barbY);

    std::unique_ptr<TArrowobj> arrow;
    switch (quadrant) {
    case 1:
        arrow = MakeArrow(TYPE_DIMENSION_LINE, tool, tip, tail, barbPlus, barbMinus, tickPlus, tickMinus);
        break;
    case 2:
        arrow = MakeArrow(TYPE_DIMENSION_LINE, tool, tip, tail, barbPlus, barbMinus, tickMinus, tickPlus);
        break;
    case 3:
        arrow = MakeArrow(TYPE_DIMENSION_LINE, tool, tip, tail, barbMinus, barbPlus, tickMinus, tickPlus);
        break;
    default:
        arrow = MakeArrow(TYPE_DIMENSION_LINE, tool, tip, tail, barbMinus, barbPlus, tickPlus, tickMinus);
        break;
    }
    LeaveShaftInTool(tool, *arrow);
    return edit.Add(std::move(arrow));
}

std::unique_ptr<TTextobj> MakeDimensionValueText(int typeCode, std::int32_t groupId, TPoint point,
                                                 std::int32_t directionCode, const std::string& text, int escapement,
                                                 int alignment, int fontHeight)
{
    const TDrawingState& state = State();
    auto value = std::make_unique<TTextobj>(typeCode);
    value->floor = state.currentFloor;
    value->ownerId = 0;
    value->groupId = groupId;
    value->penWidth = 1;
    value->penStyle = 0;
    value->colour = std::int32_t(state.currentColour);
    value->x1 = point.x;
    value->y1 = point.y;
    value->x2 = directionCode;
    value->y2 = 0;
    value->z1 = 0;
    value->SetText(text);
    value->SetFaceName(state.currentFontFace);
    value->fontWeight = state.textWeight;
    value->fontHeight = fontHeight;
    value->escapement = escapement;
    value->alignment = alignment;
    return value;
}
