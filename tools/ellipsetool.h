#pragma once
// The ellipse tool: input and feedback of an ellipse. The input is the line tool's: a drag
// stretches the ellipse's box, ENTER and an arrow key with a typed length give a box of no height
// or no width.
#include "tools/linetool.h"

class TEllipsetool : public TLinetool {
public:
    TEllipsetool() = default;

    // The ellipse over the box (x1, y1)-(x2, y2), unfilled.
    void DrawFeedback(Canvas& dc, int flag) override;
};

// An unfilled ellipse over a tool's box (x1, y1)-(x2, y2), with the pen and raster operation
// selected: the feedback of the ellipse and the circle.
void DrawBoxEllipse(Canvas& dc, const TDrawingtool& tool);
