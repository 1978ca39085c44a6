#pragma once
// The circle tool: input and feedback of a circle. A drag from the centre sets the radius by the
// cursor's horizontal distance from it; from the keyboard, each ENTER places a circle of the radius
// the window asked (libraryFlag) centred on the cursor.
#include "tools/linetool.h"

class TCircletool : public TLinetool {
public:
    TCircletool() = default;

    void LButtonDown(Canvas& dc, const TRect& clientRect, int x, int y) override;
    void LButtonUp(Canvas& dc, const TRect& clientRect, TPoint& point) override;
    void MouseMove(Canvas& dc, const TRect& clientRect, int x, int y) override;
    // The circle over the box (x1, y1)-(x2, y2), unfilled.
    void DrawFeedback(Canvas& dc, int flag) override;
    // The key is not examined.
    void KeyDown(Canvas& dc, const TRect& clientRect, int key, TPoint& cursor, int value) override;

    std::int32_t centreX = 0;  // centre of the circle being dragged, model units
    std::int32_t centreY = 0;

private:
    // The box of the circle through the cursor's x, centred on (centreX, centreY).
    void BoxThrough(std::int32_t cursorX);
    // Whether the drawing file can hold both corners of the box of radius r about (x, y);
    // AcceptsBox also tells the user (once) when it cannot.
    static bool StorableBox(std::int64_t x, std::int64_t y, std::int64_t r);
    bool AcceptsBox(std::int64_t x, std::int64_t y, std::int64_t r) const;
    // Draws (or, drawn again, erases) the band of the current box with exclusive-or; a box of no
    // size has no band.
    void XorBand(Canvas& dc);
};
