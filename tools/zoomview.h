#pragma once
// Zooming the view to a rectangle the user dragged (Zoom/Zoom UP).
#include "platform/geometry.h"

// Makes the rectangle from `start` to `release` (logical units, any corner order) the new view:
// the window origin at its lower-left corner and the extents widened in the one direction that
// keeps the client area's proportions; the zoom scale unitsPerLogicalF follows the change of the
// x extent. A rectangle that would leave no extent (a click without a drag, a line) or a client
// area without size changes nothing: false.
bool ZoomViewToRectangle(TPoint start, TPoint release, const TRect& clientRect);
