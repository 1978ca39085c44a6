#pragma once
// The arc tool: input and feedback of an arc. ENTER marks one end of the chord, a second ENTER
// with a height marks the other and commits half of the ellipse whose one axis is the chord and
// whose other half-axis is the height: a positive height puts the arc above a horizontal chord or
// left of a vertical one, a negative height below or right of it.
#include "tools/linetool.h"

class TArctool : public TLinetool {
public:
    TArctool() = default;

    void DrawFeedback(Canvas& dc, int flag) override;
    // key is not examined; value is the arc height for the second end, model units.
    void KeyDown(Canvas& dc, const TRect& clientRect, int key, TPoint& cursor, int value) override;

    // The chord's second end snaps onto the first end's horizontal or vertical within this many
    // logical units.
    static constexpr int CHORD_SNAP = 10;

    std::int32_t arcStartX = 0;  // start and end of the arc, model units; the first end marked is
    std::int32_t arcStartY = 0;  // held in arcEndX, arcEndY until the commit
    std::int32_t arcEndX = 0;
    std::int32_t arcEndY = 0;
    std::int32_t arcState = 0;   // 0 no end marked, 1 the first end of the chord is marked

private:
    // Fills the box and the arc's ends for the chord from the first end to (x2, y2); false when
    // the chord is neither horizontal nor vertical within the snap, or when a corner of the box
    // lies where the drawing file cannot store it (the user is told; nothing is drawn).
    bool ShapeArc(std::int32_t height);
};
