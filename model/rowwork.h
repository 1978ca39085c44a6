#pragma once
// Where on the device rows of an area the drawing of objects falls: the guess of a paint's work
// (TRowWork) by which a plan painted in bands is cut at equal work. Each object counts as one
// piece of work spread evenly over the rows its box spans under the canvas's mapping; measuring
// is one look at each object's points, far less than drawing it.
#include "platform/canvas.h"

#include <vector>

class TObject;

class TRowWorkTally {
public:
    // The rows of `area` (device) under `mapping`, objects drawn at `scale` model units per
    // logical unit; `rows` holds one entry per row of the area from its top and is added to.
    TRowWorkTally(const TMapping& mapping, const TRect& area, int scale, std::vector<double>& rows);
    TRowWorkTally(const TRowWorkTally&) = delete;
    TRowWorkTally& operator=(const TRowWorkTally&) = delete;
    // Adds the work of the rows counted.
    ~TRowWorkTally();

    void Add(const TObject& object);

private:
    std::vector<double>& rows;
    std::vector<double> steps;  // change of work per row from the row before, while counting
    int height;
    double rowAtZero;     // device row of model y 0, less the area's top
    double rowsPerModel;  // device rows per model unit (signed)
};
