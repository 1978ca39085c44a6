#include "tools/rectangletool.h"

#include "model/drawingstate.h"
#include "model/modelunits.h"
#include "model/viewmapping.h"

void TRectangletool::LButtonDown(Canvas& dc, const TRect& clientRect, int x, int y)
{
    TLinetool::LButtonDown(dc, clientRect, x, y);
    // No corner is marked any more, so arrows wait for a new one instead of measuring from 0.
    lineDrawn = 0;
    cornerXSet = false;
    cornerYSet = false;
}

void TRectangletool::DrawFeedback(Canvas& dc, int)
{
    const TBrush previous = dc.SelectBrush(TBrush{BrushKind::Hollow});
    const TPoint a = ModelToLogical({x1, y1});
    const TPoint b = ModelToLogical({x2, y2});
    dc.Rectangle(a.x, a.y, b.x, b.y);
    dc.SelectBrush(previous);
}

void TRectangletool::KeyDown(Canvas& dc, const TRect& clientRect, int key, TPoint& cursor, int value)
{
    const TDrawingState& state = State();
    penWidth = state.currentPenWidth;
    colour = state.currentColour;

    // Lengths come from the window's prompt, which takes 1 and more; anything else sets no side.
    const bool length = value > 0;
    switch (key) {
    case VK_ENTER: {
        const TPoint p = ModelPoint(dc, clientRect, cursor.x, cursor.y);
        x1 = p.x;
        y1 = p.y;
        x2 = 0;
        y2 = 0;
        cornerXSet = false;
        cornerYSet = false;
        break;
    }
    case VK_LEFT:
    case VK_RIGHT:
        // A side whose far corner the drawing file cannot store is not set.
        if (const std::int64_t x = std::int64_t(x1) + (key == VK_LEFT ? -std::int64_t(value) : value);
            length && AcceptsPoint(x, y1)) {
            x2 = std::int32_t(x);
            cornerXSet = true;
        }
        break;
    case VK_UP:
    case VK_DOWN:
        if (const std::int64_t y = std::int64_t(y1) + (key == VK_DOWN ? -std::int64_t(value) : value);
            length && AcceptsPoint(x1, y)) {
            y2 = std::int32_t(y);
            cornerYSet = true;
        }
        break;
    default:
        break;
    }

    if (!cornerXSet || !cornerYSet) {
        // The cursor goes to the corner reached so far.
        TPoint corner{x1, y1};
        if (cornerXSet)
            corner.x = x2;
        else if (cornerYSet)
            corner.y = y2;
        PutCursorAt(dc, clientRect, corner);
        return;
    }
    CreateObject(dc, clientRect);
    lineDrawn = 0;
    x1 = y1 = x2 = y2 = 0;
    cornerXSet = false;
    cornerYSet = false;
}
