#pragma once
// The ellipse tool that commits ellipses.
#include "tools/ellipsetool.h"

class TEllipseobjtool : public TEllipsetool {
public:
    TEllipseobjtool() = default;

    // Commits the ellipse's box; refused when the two corners coincide. Clears lineDrawn.
    void CreateObject(Canvas& dc, const TRect& clientRect) override;
};
