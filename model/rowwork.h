#pragma once
// Where on the device rows of an area the drawing of objects falls: the guess of a paint's work
// (TRowWork) by which a plan painted in bands is cut at equal work. Each object counts as one
// piece of work spread evenly over the rows its box spans under the canvas's mapping. Of many
// objects only an even sample is measured (every n-th given, counting n times): enough to share
// the work within a few hundredths, at a small part of the cost of looking at every one.
#include "platform/canvas.h"

#include <cstddef>
#include <vector>

class TObject;

class TRowWorkTally {
public:
    // The rows of `area` (device) under `mapping`, objects drawn at `scale` model units per
    // logical unit; `rows` holds one entry per row of the area from its top and is added to.
    // `objects`: about how many objects will be added (it sets the sample).
    TRowWorkTally(const TMapping& mapping, const TRect& area, int scale, std::vector<double>& rows,
                  std::size_t objects);
    TRowWorkTally(const TRowWorkTally&) = delete;
    TRowWorkTally& operator=(const TRowWorkTally&) = delete;
    // Adds the work of the rows counted.
    ~TRowWorkTally();

    void Add(const TObject& object);

    // Objects measured at most, about.
    static constexpr std::size_t kSample = 4096;

private:
    std::vector<double>& rows;
    std::vector<double> steps;  // change of work per row from the row before, while counting
    int height;
    std::size_t stride;   // every stride-th object added is measured
    std::size_t skipped;  // objects added since the last one measured
    double rowAtZero;     // device row of model y 0, less the area's top
    double rowsPerModel;  // device rows per model unit (signed)
};
