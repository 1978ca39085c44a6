#pragma once
// The rubber-band line, the guide marker and keyboard line drawing that every line, wall, door,
// window, stair, room and figure tool inherits.
#include "platform/canvas.h"
#include "tools/drawingtool.h"

class TLinetool : public TDrawingtool {
public:
    TLinetool();

    void LButtonDown(Canvas& dc, const TRect& clientRect, int x, int y) override;
    void LButtonUp(Canvas& dc, const TRect& clientRect, TPoint& point) override;
    void MouseMove(Canvas& dc, const TRect& clientRect, int x, int y) override;
    void DrawFeedback(Canvas& dc, int flag) override;
    void KeyDown(Canvas& dc, const TRect& clientRect, int key, TPoint& cursor, int value) override;
    virtual void DrawMarker(Canvas& dc, int code);  // 16
    // A multiline whose first line was settled from outside waits for a new start point.
    void RestartFigure() override;

    // The keyboard-entry state every line-family tool shares lives in the drawing state
    // (keyEntryState, lastWallEndX, lastWallEndY); this puts it back to its start values.
    static void ResetKeyEntryState();

    // The dotted pen of the rubber band, drawn and erased with exclusive-or.
    TPen RubberBandPen() const;
    // True while a dragged or keyboard rubber band is on the screen.
    bool BandShown() const { return active == 1 && kind != KIND_PLAN_RESIZE && (x2 != x1 || y2 != y1); }
    // The rubber band and the plan resize's guide line, each when on the screen (both
    // exclusive-or: drawn once more, they go).
    void DrawShownFeedback(Canvas& dc, const TRect& clientRect) override;
    // Takes the rubber band off the screen while it is on; the next one starts from the start
    // point again.
    void EraseBand(Canvas& dc, const TRect& clientRect);

protected:
    // The rubber band drawn once with exclusive-or in its dotted pen: on, or off again.
    void XorBand(Canvas& dc);

private:
    // Draws the segment of a typed length from the start; false (nothing drawn, the user told)
    // when its end lies beyond what the drawing file can store.
    bool DrawTypedSegment(Canvas& dc, const TRect& clientRect, int key, int value);
    void EndSegmentAtCursor(Canvas& dc, const TRect& clientRect, TPoint cursorModel);
    // The multiline's last Enter: its other lines drawn beside the first as the cursor says, and
    // the whole multiline stored, once. One the file could not take (told, heldNotStored) stays
    // held whole, as drawn, and this stores it as it is at the next Enter. A line the file could
    // not hold refuses it whole (told): nothing is held.
    void DrawLastMultiline(Canvas& dc, const TRect& clientRect, TPoint cursorModel);
    // Puts the guide marker (markerX, lineAux2) at the logical point of a model point.
    void PlaceMarker(TPoint model);
};
