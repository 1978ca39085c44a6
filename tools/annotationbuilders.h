#pragma once
// Small builders that turn a tool's current values into annotation objects: dimension arrows on an
// axis or on a sloped dimension line, and the value text of a dimension. They add to an edit and
// write nothing; the operation that started them commits the edit once its figure is complete.
//
// Arrow sizes are multiples of unitsPerLogical (u), so arrows look the same at every scale: shaft
// 40u, head depth 20u, head half-width 5u, witness tick half-length 20u.
#include "platform/geometry.h"

#include <cstdint>
#include <memory>
#include <string>

class Canvas;
class TDerivedPoints;
class TDrawingEdit;
class TDrawingtool;
class TStorableRange;
class TTextobj;

// Where an arrow's head points, from its tip.
enum class TArrowDirection : char {
    Left = 'l',    // -x
    Right = 'r',   // +x
    Top = 't',     // +y
    Bottom = 'b',  // -y
};

// Appends a dimension line arrow (type 25000) with its tip at (x, y); returns its index. The arrow
// takes the tool's groupId and the current colour; the tool's penStyle becomes 0 and its x1, y1
// (tip) and x2, y2 (tail) hold the shaft. When a point of the arrow lies where the drawing file
// cannot store it (`range`) nothing is added or changed and the result is -1.
int AddArrow(TDrawingEdit& edit, TDrawingtool& tool, std::int64_t x, std::int64_t y, TArrowDirection direction,
             const TStorableRange& range);
// The same, checked against the drawing file of the unit system in force.
int AddArrow(TDrawingEdit& edit, TDrawingtool& tool, std::int64_t x, std::int64_t y, TArrowDirection direction);
// The same, every point taken through `points` (which remembers one the file cannot store); -1,
// adding nothing, once `points` holds one.
int AddArrow(TDrawingEdit& edit, TDrawingtool& tool, std::int64_t x, std::int64_t y, TArrowDirection direction,
             TDerivedPoints& points);

// Whether the drawing file can hold every point of an axis arrow with its tip at (x, y).
bool AxisArrowStorable(std::int64_t x, std::int64_t y, TArrowDirection direction, const TStorableRange& range);

// The same arrow with the manual-dimension type code 26000, drawn at once before it is appended;
// the caller has made sure that the drawing file can store it (AxisArrowStorable).
void AddArrowByCode(TDrawingEdit& edit, TDrawingtool& tool, Canvas& dc, const TRect& clientRect, std::int32_t x,
                    std::int32_t y, TArrowDirection direction);

// Appends a dimension line arrow (type 25000) at one end of a sloped wall's dimension line, which
// runs `offset` to the left of the wall's direction of travel; returns its index. (x, y) is the
// wall's end, angle the wall's angle (tenths of a degree from +y towards +x), quadrant 1..4 the
// range the angle lies in (any other value works as 4), end 1 the wall's start, any other value its
// end. Both arrows of a wall point outward. -1, with nothing added or changed, when a point of the
// arrow lies where the drawing file cannot store it (`range`).
int AddAngledArrow(TDrawingEdit& edit, TDrawingtool& tool, std::int32_t x, std::int32_t y, int angle, int quadrant,
                   int end, std::int32_t offset, const TStorableRange& range);
int AddAngledArrow(TDrawingEdit& edit, TDrawingtool& tool, std::int32_t x, std::int32_t y, int angle, int quadrant,
                   int end, std::int32_t offset);

// A dimension's value text on the current floor, as the automatic (34) and manual (35) dimensions
// make it: the direction code of what it measures in x2, the current colour, font face and weight.
std::unique_ptr<TTextobj> MakeDimensionValueText(int typeCode, std::int32_t groupId, TPoint point,
                                                 std::int32_t directionCode, const std::string& text, int escapement,
                                                 int alignment, int fontHeight);

// An angle in tenths of a degree as radians, by the factor the dimensions have always used.
double DimensionRadians(double tenths);
