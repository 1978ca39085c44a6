#include "tools/arctool.h"

#include "model/drawingstate.h"
#include "model/viewmapping.h"

#include <cstdlib>
#include <utility>

void TArctool::DrawFeedback(Canvas& dc, int)
{
    const TPoint a = ModelToLogical({x1, y1});
    const TPoint b = ModelToLogical({x2, y2});
    const TPoint start = ModelToLogical({arcStartX, arcStartY});
    const TPoint end = ModelToLogical({arcEndX, arcEndY});
    dc.Arc(a.x, a.y, b.x, b.y, start.x, start.y, end.x, end.y);
    dc.Flush();
}

void TArctool::KeyDown(Canvas& dc, const TRect& clientRect, int, TPoint& cursor, int value)
{
    const TDrawingState& state = State();
    colour = state.currentColour;
    penWidth = state.currentPenWidth;
    const TPoint p = ModelPoint(dc, clientRect, cursor.x, cursor.y);

    if (arcState == 0) {
        x1 = p.x;
        y1 = p.y;
        arcEndX = p.x;
        arcEndY = p.y;
        arcState = 1;
        lineDrawn = 0;
        return;
    }

    x2 = p.x;
    y2 = p.y;
    // A height of 0 has no arc: nothing is committed.
    if (value != 0 && ShapeArc(value))
        CreateObject(dc, clientRect);

    x1 = y1 = x2 = y2 = 0;
    arcStartX = arcStartY = arcEndX = arcEndY = 0;
    arcState = 0;
    lineDrawn = 0;
}

bool TArctool::ShapeArc(std::int32_t height)
{
    const std::int64_t snap = std::int64_t(CHORD_SNAP) * State().unitsPerLogical;
    const std::int64_t h = height;
    std::int32_t ex = arcEndX;  // the first end, E
    std::int32_t ey = arcEndY;

    if (std::llabs(std::int64_t(y2) - ey) < snap) {
        // Horizontal chord: E is the left end for a positive height, the right end for a negative
        // one, so the arc runs anticlockwise from the other end over the top or the bottom.
        y2 = ey;
        if ((h > 0 && ex > x2) || (h < 0 && x2 > ex))
            std::swap(ex, x2);
        const std::int32_t other = x2;
        if (!AcceptsPoint(ex, ey - h) || !AcceptsPoint(other, ey + h))
            return false;
        x1 = ex;
        y1 = std::int32_t(ey - h);
        x2 = other;
        y2 = std::int32_t(ey + h);
        arcStartX = other;
        arcStartY = ey;
    } else if (std::llabs(std::int64_t(x2) - ex) < snap) {
        // Vertical chord: E is the lower end for a positive height, the upper end for a negative one.
        x2 = ex;
        if ((h > 0 && y2 < ey) || (h < 0 && ey < y2))
            std::swap(ey, y2);
        const std::int32_t other = y2;
        if (!AcceptsPoint(ex - h, ey) || !AcceptsPoint(ex + h, other))
            return false;
        x1 = std::int32_t(ex - h);
        y1 = ey;
        x2 = std::int32_t(ex + h);
        y2 = other;
        arcStartX = ex;
        arcStartY = other;
    } else {
        return false;
    }
    arcEndX = ex;
    arcEndY = ey;
    return true;
}
