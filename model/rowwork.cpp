#include "model/rowwork.h"

#include "model/modelbox.h"
#include "model/object.h"

#include <algorithm>
#include <cmath>

TRowWorkTally::TRowWorkTally(const TMapping& mapping, const TRect& area, int scale, std::vector<double>& rows,
                             std::size_t objects)
    : rows(rows),
      steps(std::size_t(std::max(0, area.Height())) + 1, 0.0),
      height(std::max(0, area.Height())),
      stride(std::max<std::size_t>(1, objects / kSample)),
      skipped(stride - 1)
{
    // Model to device rows is a straight map: model / scale to logical, then the mapping's.
    const double perLogical = mapping.DeviceY(1.0) - mapping.DeviceY(0.0);
    rowsPerModel = perLogical / double(scale > 0 ? scale : 1);
    rowAtZero = mapping.DeviceY(0.0) - area.top;
}

TRowWorkTally::~TRowWorkTally()
{
    double work = 0.0;
    const std::size_t n = std::min(rows.size(), std::size_t(height));
    for (std::size_t y = 0; y < n; ++y) {
        work += steps[y];
        rows[y] += std::max(work, 0.0);
    }
}

void TRowWorkTally::Add(const TObject& object)
{
    if (++skipped < stride)
        return;
    skipped = 0;
    const TModelBox box = object.Bounds();
    if (box.empty)
        return;
    const double a = rowAtZero + rowsPerModel * box.minY;
    const double b = rowAtZero + rowsPerModel * box.maxY;
    const double top = std::floor(std::min(a, b));
    const double bottom = std::floor(std::max(a, b)) + 1;  // one past its last row
    if (!(bottom > 0 && top < height))
        return;  // no row of the area (or no number at all)
    const double share = double(stride) / (bottom - top);
    const int first = int(std::max(top, 0.0));
    const int last = int(std::min(bottom, double(height)));
    steps[std::size_t(first)] += share;
    steps[std::size_t(last)] -= share;
}
