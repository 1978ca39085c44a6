#pragma once
// The rectangle tool: input and feedback of a rectangle.
#include "tools/linetool.h"

class TRectangletool : public TLinetool {
public:
    TRectangletool() = default;
};
