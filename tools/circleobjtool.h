#pragma once
// The circle tool that commits circles.
#include "tools/circletool.h"

class TCircleobjtool : public TCircletool {
public:
    TCircleobjtool() = default;

    // Commits the circle's box; refused when the two corners coincide. Clears lineDrawn.
    void CreateObject(Canvas& dc, const TRect& clientRect) override;
};
