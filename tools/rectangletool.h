#pragma once
// The rectangle tool: input and feedback of a rectangle, entered from the keyboard. ENTER marks
// the first corner; one horizontal and one vertical arrow key with typed lengths, in either order,
// give the other corner and commit the rectangle (a second horizontal arrow replaces the first).
#include "tools/linetool.h"

class TRectangletool : public TLinetool {
public:
    TRectangletool() = default;

    // A click clears the corners (CENTRE steps apart): the rectangle starts again with ENTER.
    void LButtonDown(Canvas& dc, const TRect& clientRect, int x, int y) override;
    // The rectangle over the box (x1, y1)-(x2, y2), unfilled.
    void DrawFeedback(Canvas& dc, int flag) override;
    // value: the typed length of an arrow key, model units.
    void KeyDown(Canvas& dc, const TRect& clientRect, int key, TPoint& cursor, int value) override;

    // Whether the other corner's x and y have been given since the first corner was marked. Kept
    // apart from x2 and y2, which may be 0 like any coordinate.
    bool cornerXSet = false;
    bool cornerYSet = false;
};
