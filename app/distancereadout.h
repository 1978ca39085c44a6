#pragma once
// The cursor-distance read-out of the toolbar: the distance from a point (the datum, or the start
// of what is being drawn) to the cursor, metric in millimetres, imperial in whole inches.
#include "platform/geometry.h"

#include <string>

// "dx,dy" ("dx\",dy\"" in imperial) or, with the angle read-out, "length<degrees" (degrees
// clockwise from up, 0..359).
std::string DistanceReadout(TPoint from, TPoint cursor, bool withAngle, int unitSystem);
