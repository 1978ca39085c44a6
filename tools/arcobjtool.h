#pragma once
// The arc tool that commits arcs.
#include "tools/arctool.h"

class TArcobjtool : public TArctool {
public:
    TArcobjtool() = default;

    // Commits the arc over the box (x1, y1)-(x2, y2); refused when the two corners coincide.
    void CreateObject(Canvas& dc, const TRect& clientRect) override;
};
