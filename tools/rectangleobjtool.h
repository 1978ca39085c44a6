#pragma once
// The rectangle tool that commits rectangles.
#include "tools/rectangletool.h"

class TRectangleobjtool : public TRectangletool {
public:
    TRectangleobjtool() = default;

    // Commits the rectangle by its two corners; refused when they coincide.
    void CreateObject(Canvas& dc, const TRect& clientRect) override;
};
