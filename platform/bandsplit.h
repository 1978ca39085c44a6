#pragma once
// Where a paint split into horizontal bands is cut (Canvas::PaintInBands): at equal work, so that
// bands painted at once end together, rather than at equal heights, which leave a plan that fills
// only part of the window to one band.
#include "platform/geometry.h"

#include <vector>

// The rows where `count` bands over `area` meet: count + 1 device rows, from area.top to
// area.bottom, band i running from edges[i] to edges[i + 1]. `work` holds the work of each row of
// the area from its top (any guess; negative values count as none); each band takes about an
// equal share of it, and is at least `minRows` rows high. Without work (none given, or none in
// it) the bands are of equal height. `count` is at least 1 and at most area.Height() / minRows.
std::vector<int> BandEdges(const TRect& area, int count, int minRows, const std::vector<double>& work);
