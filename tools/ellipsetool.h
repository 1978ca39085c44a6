#pragma once
// The ellipse tool: input and feedback of an ellipse.
#include "tools/linetool.h"

class TEllipsetool : public TLinetool {
public:
    TEllipsetool() = default;
};
