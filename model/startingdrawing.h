#pragma once
// What a new drawing begins with: one floor record per plan floor (types 32000..32003 for the
// floors 50..53), each holding the floor's storey height in the drawing's units.
#include <cstdint>

class TDrawingEdit;

// The storey heights of the ground, first and second floor and the fourth level: mm, and 1/24 inch.
constexpr int32_t METRIC_STOREY_HEIGHTS[4] = {2550, 2400, 2400, 2400};
constexpr int32_t IMPERIAL_STOREY_HEIGHTS[4] = {2328, 2304, 2304, 2304};

// Adds the four floor records to the edit (1 metric, any other unit system imperial). The caller
// commits.
void AddStartingRecords(TDrawingEdit& edit, int unitSystem);
