#pragma once
// How the size label of a window stands by its wall: the row of the label table for the wall's
// angle. The window tool places a new label by it; turning or mirroring the whole drawing puts
// every window's label back on the row of the angle its wall has then, so that the text still
// stands outside the wall.
#include <cstdint>
#include <memory>
#include <vector>

class TObject;

struct TLabelRow {
    int32_t escapement = 0;  // tenths of a degree
    int32_t alignment = 0;   // 6 bottom centre, 4 top centre: the text lies away from the wall
    int32_t direction = 0;   // the wall's angle, kept in the label's x2
};

// The row for a wall of this angle (tenths of a degree clockwise from +y, 0..3599). Axis walls:
// 900 (escapement 0, alignment 6), 2700 (0, 4), 1800 (2700, 4), 0 (2700, 6); a sloped wall of
// angle a by its quadrant: below 900 (2700 + a, 6), below 1800 (a - 900, 6), below 2700
// (900 + a, 4), else (a - 2700, 4).
TLabelRow OpeningLabelRow(int32_t wallAngle);

// After every object of the drawing has turned by `rotation` (90, 180, 270, or 1 mirrored): the
// size label of each window (a text of type 35 on the floor and with the group id of an opening
// polygon) takes the row of its wall's new angle. The label's x2 held its wall's angle and has
// turned with the drawing; a mirror also turns the wall round, as it keeps its lines inside.
void RealignOpeningLabels(const std::vector<std::unique_ptr<TObject>>& objects, int rotation);
