#pragma once
// The circle tool: input and feedback of a circle.
#include "tools/linetool.h"

class TCircletool : public TLinetool {
public:
    TCircletool() = default;

    std::int32_t centreX = 0;  // centre of the circle, model units
    std::int32_t centreY = 0;
};
