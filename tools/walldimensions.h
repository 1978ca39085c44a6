#pragma once
// The automatic dimensions of the external walls of the floor in view: a dimension line outside
// every wall (two outward arrows and the wall's length as text), and, on a floor of more than four
// walls, an overall dimension on each side whose walls run one way in a chain of two or more. A
// run first removes the automatic dimensions the floor already has, so the result always matches
// the walls. Everything goes into the caller's edit; nothing is written here.
#include <cstdint>

class TDrawingEdit;
class TDrawingtool;
struct TOffsetSettings;

// Removes the automatic dimensions of the current floor: its dimension texts (34) and the dimension
// line arrows (25000) that share a group id with one of them. Manual dimensions (26000, 35) and the
// arrows of other labels stay.
void RemoveDimensionObjects(TDrawingEdit& edit);

// The whole automatic run on the current floor with these settings: removes the old dimensions,
// dimensions every external wall (the tool's kind becomes KIND_DIMENSIONED) and adds the overall
// dimensions when more than four walls were dimensioned. Returns the number of walls dimensioned.
// The tool keeps the group id, points and direction code of the last object built.
int AddWallDimensions(TDrawingEdit& edit, TDrawingtool& tool, const TOffsetSettings& settings);

// The overall dimensions of the current floor: four chains of walls, one per direction of travel
// (+x, -y, -x, +y); each chain of more than one wall gets a dimension `overallOffset` outside the
// building, its value the chain's summed length.
void AddDimensionTexts(TDrawingEdit& edit, TDrawingtool& tool, std::int32_t overallOffset, int textOrientation,
                       int textSize);
