#pragma once
// The size label of a window: its text ("1200 w x 1050 h", or feet and inches) and where it stands
// outside the wall's outer face.
#include "platform/geometry.h"

#include <cstdint>
#include <string>

class TDerivedPoints;

struct TLabelPlacement {
    TPoint anchor;       // model units
    int escapement = 0;  // tenths of a degree
    int alignment = 0;   // 6 bottom centre, 4 top centre
    int direction = 0;   // the wall's direction, kept in the label's x2
};

// The label of an opening marked at `point` on a face (-1..-4) or an angled wall (its angle): the
// offset from the outer face is 50 model units (48 in feet and inches), doubled with a cill.
// The anchor is taken through `points`.
TLabelPlacement OpeningLabelPlacement(int markedSide, TPoint point, int unitSystem, int showCill,
                                      TDerivedPoints& points);

// The label text of an opening width by height: metric "%d w x %d h"; imperial feet and inches with
// eighths, e.g. "3' 0'' x 4' 0''" or "3' 0 1/2'' x 4' 0''".
std::string OpeningSizeText(int unitSystem, std::int32_t width, std::int32_t height);
