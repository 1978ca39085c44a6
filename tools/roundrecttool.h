#pragma once
// The rounded-rectangle tool: input and feedback; the corner radius is in libraryFlag.
#include "tools/rectangletool.h"

class TRoundrecttool : public TRectangletool {
public:
    TRoundrecttool() = default;
};
