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
// dimensions (on each side whose walls run one way in a chain of two or more, `overallOffset`
// outside the building, the chain's summed length) when more than four walls were dimensioned.
// Returns the number of walls dimensioned. The tool keeps the group id, points and direction code
// of the last object built. When a point of the new dimensions would lie where the drawing file
// cannot store it, nothing is changed (the edit, the group counter, the tool) and the result is
// -1: the caller refuses its change whole (DIMENSIONS_REFUSED).
int AddWallDimensions(TDrawingEdit& edit, TDrawingtool& tool, const TOffsetSettings& settings);

// What the user is told when a change is refused because its automatic dimensions would lie where
// the drawing file cannot store them, and its title.
inline constexpr char DIMENSIONS_REFUSED[] =
    "The walls' dimensions would lie too far outside the sheet for the drawing file to hold them - nothing has"
    " been changed";
inline constexpr char DIMENSIONS_REFUSED_TITLE[] = "POINT OUT OF RANGE";
