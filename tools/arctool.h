#pragma once
// The arc tool: input and feedback of an arc.
#include "tools/linetool.h"

class TArctool : public TLinetool {
public:
    TArctool() = default;

    std::int32_t arcStartX = 0;  // start and end of the arc, model units
    std::int32_t arcStartY = 0;
    std::int32_t arcEndX = 0;
    std::int32_t arcEndY = 0;
    std::int32_t arcState = 0;
};
