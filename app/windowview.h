#pragma once
// The view of a drawing window: the normal view (the whole sheet fitted into the window, kept
// fitted when the window changes size), a zoomed view (its scale kept on resizing), and scrolling
// within the sheet. It works on the view fields of the drawing state; the window repaints and
// resyncs its scroll bars when a call says the view changed.
#include "model/settingsrecords.h"
#include "platform/geometry.h"

#include <cstdint>

class TWindowView {
public:
    // Scrolling, in logical units. The range is the sheet (and the part of the view outside it).
    struct TScrollInfo {
        int minX = 0, maxX = 0, pageX = 0, lineX = 0;
        int minY = 0, maxY = 0, pageY = 0, lineY = 0;
    };

    // The view of a new or opened drawing: the whole sheet (a sheet without a size leaves one
    // logical unit a pixel); the sheet size and the scroll steps are read here. Returns the view to
    // remember in CFG/ZOOM.CFG.
    TZoomSettings SetUpNew(const TRect& client);
    // Back to the view remembered in CFG/ZOOM.CFG; false (nothing changed) when it holds no usable
    // view.
    bool NormalSize();
    // After a zoom set the extents and origin; false when they leave no view (the caller then goes
    // back to normal size).
    bool Zoomed();
    // The client changed size.
    void Resized(const TRect& client);

    TScrollInfo ScrollInfo() const;
    // Moves the view origin, clamped to the scroll range; true when it moved.
    bool ScrollTo(int orgX, int orgY);
    // A zoomed view goes with the plan when a command moved the whole plan by (dx, dy) model units
    // (the centring of Auto Dimensions), so that the plan stays where it was in the window; clamped
    // as a scroll is. The normal view shows the whole sheet and stays. True when the origin moved.
    bool MoveWithPlan(std::int64_t dx, std::int64_t dy);
    // The origin a scroll key (Page Up, Page Down, Home, End) asks for; false for any other key.
    bool ScrollKeyTarget(int key, int& orgX, int& orgY) const;

private:
    // The client size the view extents were last fitted to.
    TRect lastClient;
    // True while the view is the normal one (the whole sheet), not zoomed.
    bool normalView = true;
    // The scroll bars' line steps, logical units.
    int scrollLineX = 1;
    int scrollLineY = 1;
};
