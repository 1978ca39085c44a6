#pragma once
// The view mapping of the drawing window: the logical window (viewOrgX, viewOrgY) extent
// (viewExtX, viewExtY) shown isotropically in the client area with y upwards and the window
// origin at the client's bottom-left corner.
#include "platform/canvas.h"

TMapping ViewMapping(const TRect& clientRect);
void SetupViewMapping(Canvas& dc, const TRect& clientRect);
// Sets the view mapping on dc and converts the device point (x, y) to logical units.
void DeviceToLogical(Canvas& dc, const TRect& clientRect, int x, int y, int& outX, int& outY);
// A logical point of the view mapping in model units (times unitsPerLogical, held in the int32
// range), and a model point in logical units (divided by unitsPerLogical, truncating toward zero).
TPoint LogicalToModel(TPoint logical);
TPoint ModelToLogical(TPoint model);
