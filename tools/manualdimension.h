#pragma once
// The manual dimension: a horizontal or vertical dimension between two points the user marks with
// Enter. Step 20 takes the first point, step 21 the second (and makes the two arrows, type 26000,
// drawn at once), step 22 the value text (type 35, drawn at once). Each point is pulled onto a
// nearby wall line, wall face or design-room side so that dimensions measure between walls exactly.
#include <cstdint>
#include <optional>

class Canvas;
class TDrawingEdit;
class TDrawingtool;
struct TRect;

// Snap tolerance of the marked points, model units (not scaled with the view).
constexpr int DIMENSION_SNAP = 30;

// One manual-dimension step, chosen by the tool's step; (x, y) is the cursor's device point. Adds the
// arrows (step 21) or the text (step 22) to the edit; the caller commits it after the text. Does
// not change the step.
void AddDimensionText(TDrawingEdit& edit, TDrawingtool& tool, Canvas& dc, const TRect& clientRect, int x, int y,
                      int textOrientation, int textSize);

// The snap of a model point: the first wall, wall face or design-room side of the current floor,
// in list order, that lies strictly less than DIMENSION_SNAP away across it and within its length
// (widened by DIMENSION_SNAP at both ends). At most one of snapX and snapY is set: the x of a
// vertical line or the y of a horizontal one.
void DimensionGeometry(const TDrawingtool& tool, std::int32_t px, std::int32_t py, std::optional<std::int32_t>& snapX,
                       std::optional<std::int32_t>& snapY);
