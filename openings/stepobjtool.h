#pragma once
// The stairs tool: places an internal staircase between the floor in view and the floor above.
// After Setup (from the stairs dialog) a dotted outline of the stair follows the mouse while
// `active` is 1; ENTER draws the stair at the cursor as plain lines on both floors: on the floor in
// view the outline and the treads (and, for a return stair, the landing and the line between the
// flights), on the floor above the same lines (return stair) or the stairwell outline with its
// treads (straight flight).
//
// The inherited words the tool gives a stairs meaning: objectIndex the side of the screen the top
// tread faces (STAIRS_TOP_...), libraryFlag the stair mode (STAIRS_RETURN_LANDING or
// STAIRS_STRAIGHT_FLIGHT), markerX the stairwell length of a straight flight on the floor above
// (0: the whole run), lineAux1 the storey height, x1 and y1 the cursor point of the outline.
#include "tools/lineobjtool.h"

#include <cstdint>

class TDrawingEdit;

// Where the top tread lies: the stair runs from the point away from that side.
constexpr int STAIRS_TOP = 1;     // top of screen: the stair runs towards -y
constexpr int STAIRS_RIGHT = 2;   // right side: towards -x
constexpr int STAIRS_BOTTOM = 3;  // bottom of screen: towards +y
constexpr int STAIRS_LEFT = 4;    // left side: towards +x

// Stair modes.
constexpr int STAIRS_RETURN_LANDING = 1;  // two flights side by side with a halfway landing
constexpr int STAIRS_STRAIGHT_FLIGHT = 2;

// What the last Setup or ENTER came to; kept apart from the tool's words, which any value may fill.
enum class TStairsOutcome {
    None,          // not set up yet: ENTER places nothing
    Ready,         // set up: the outline follows the mouse and ENTER places the stair
    NoFloorAbove,  // the floor in view has no floor above it (no floor record, or the top floor)
    BadSettings,   // the riser height or tread width of the settings file is 0 or less
    NoTreads,      // the riser height is so large that a flight has no tread in the storey
    Placed,        // ENTER has placed the stair
};

class TStepobjtool : public TLineobjtool {
public:
    TStepobjtool() = default;

    // While `active` is 1: the outline follows the device point (x, y).
    void MouseMove(Canvas& dc, const TRect& clientRect, int x, int y) override;
    // The outline at (x1, y1) in exclusive-or with a dotted pen: drawn once it shows, twice it is
    // gone. Expects the view mapping on dc.
    void DrawFeedback(Canvas& dc, int flag) override;
    // The outline, while it is on the screen.
    void DrawShownFeedback(Canvas& dc, const TRect& clientRect) override;
    // ENTER, once set up: the stair at the cursor on the floor in view and the floor above, in one
    // edit. currentFloor is the floor in view again afterwards. Other keys do nothing.
    void KeyDown(Canvas& dc, const TRect& clientRect, int key, TPoint& cursor, int value) override;
    // The stair's width, the stairwell length of a straight flight (0: the whole run) and the mode;
    // the storey height is already in lineAux1. Reads the riser height and tread width of the unit
    // system's settings file and works out the tread count and the run. Refused (outcome) on a
    // floor without a floor above and with a riser or tread of 0 or less.
    void Setup(int width, int stairwellLength, int mode) override;

    // Takes the outline off the screen when it shows (before the tool goes or the cursor jumps).
    void EraseOutline(Canvas& dc, const TRect& clientRect);
    // Adds the lines of the stair at the model point `at`: the first pass on the floor in view, the
    // second on the floor above. Leaves currentFloor as it found it; commits nothing.
    void AddStairLines(TDrawingEdit& edit, TPoint at);

    // Other names of the inherited words.
    std::int32_t& topDirection() { return objectIndex; }
    std::int32_t& stairMode() { return libraryFlag; }
    std::int32_t& stairwellLength() { return markerX; }
    std::int32_t& storeyHeight() { return lineAux1; }

    // The fields of the stairs tool, in their fixed order after the base fields.
    std::int32_t stairWidth = 0;    // width of one flight
    std::int32_t stairRun = 0;      // from the top tread edge to the far end
    std::int32_t treadCount = 0;    // tread lines of a return stair; straight flight: the risers less one
    std::int32_t outlineShown = 0;  // 1 while the outline is on the screen
    std::int32_t riserHeight = 0;   // from the settings file
    std::int32_t treadWidth = 0;    // from the settings file: the spacing of the tread lines

    // Kept in memory only.
    TStairsOutcome outcome = TStairsOutcome::None;

private:
    // One pass: the lines of one floor, with a flight (or stairwell) `length` long for a straight
    // flight.
    void AddReturnStair(TDrawingEdit& edit, TPoint at);
    void AddStraightFlight(TDrawingEdit& edit, TPoint at, std::int64_t length);
    // A line from (ax, ay) to (bx, by) in model units, held in the coordinate range.
    void AddLine(TDrawingEdit& edit, std::int64_t ax, std::int64_t ay, std::int64_t bx, std::int64_t by);
};
