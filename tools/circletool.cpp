#include "tools/circletool.h"

#include "model/drawingfile.h"
#include "model/drawingstate.h"
#include "model/viewmapping.h"
#include "tools/ellipsetool.h"

void TCircletool::LButtonDown(Canvas& dc, const TRect& clientRect, int x, int y)
{
    if (IsCentreStep(step)) {
        CentreStep(dc, clientRect, x, y);
        return;
    }
    if (IsCentreCentreStep(step)) {
        CentreCentreStep(dc, clientRect, x, y);
        return;
    }
    active = 1;
    penWidth = State().currentPenWidth;
    colour = State().currentColour;
    const TPoint p = ModelPoint(dc, clientRect, x, y);
    x1 = x2 = centreX = p.x;
    y1 = y2 = centreY = p.y;
}

void TCircletool::MouseMove(Canvas& dc, const TRect& clientRect, int x, int y)
{
    if (active != 1)
        return;
    const TPoint p = ModelPoint(dc, clientRect, x, y);
    // The band stays at the last box the drawing file can hold.
    if (!StorableBox(centreX, centreY, std::int64_t(p.x) - centreX))
        return;
    XorBand(dc);
    BoxThrough(p.x);
    XorBand(dc);
}

void TCircletool::LButtonUp(Canvas& dc, const TRect& clientRect, TPoint& point)
{
    if (active != 1)
        return;
    active = 0;
    const TPoint p = ModelPoint(dc, clientRect, point.x, point.y);
    // The band on the screen is the one of the last move, wherever the button is released.
    XorBand(dc);
    const std::int64_t r = std::int64_t(p.x) - centreX;
    if (AcceptsBox(centreX, centreY, r)) {
        BoxThrough(p.x);
        dc.SetROP2(RasterOp::Copy);
        CreateObject(dc, clientRect);
    }
    centreX = 0;
    centreY = 0;
}

void TCircletool::DrawFeedback(Canvas& dc, int)
{
    DrawBoxEllipse(dc, *this);
}

void TCircletool::KeyDown(Canvas& dc, const TRect& clientRect, int, TPoint& cursor, int)
{
    const TDrawingState& state = State();
    penWidth = state.currentPenWidth;
    colour = state.currentColour;
    centreX = 0;
    centreY = 0;
    const TPoint p = ModelPoint(dc, clientRect, cursor.x, cursor.y);
    const std::int64_t r = libraryFlag;
    libraryFlag = 0;
    // A box the drawing file cannot hold draws nothing.
    if (!AcceptsBox(p.x, p.y, r))
        return;
    x1 = std::int32_t(p.x - r);
    y1 = std::int32_t(p.y - r);
    x2 = std::int32_t(p.x + r);
    y2 = std::int32_t(p.y + r);
    // A radius of 0 gives a point, which the commit refuses.
    CreateObject(dc, clientRect);
}

bool TCircletool::StorableBox(std::int64_t x, std::int64_t y, std::int64_t r)
{
    const TStorableRange range;
    return range.Holds(x - r, y - r) && range.Holds(x + r, y + r);
}

bool TCircletool::AcceptsBox(std::int64_t x, std::int64_t y, std::int64_t r) const
{
    return AcceptsPoint(x - r, y - r) && AcceptsPoint(x + r, y + r);
}

void TCircletool::BoxThrough(std::int32_t cursorX)
{
    // The radius is the horizontal distance only, negative left of the centre; the caller has
    // made sure that the box is storable.
    const std::int64_t r = std::int64_t(cursorX) - centreX;
    x1 = std::int32_t(centreX - r);
    y1 = std::int32_t(centreY - r);
    x2 = std::int32_t(centreX + r);
    y2 = std::int32_t(centreY + r);
}

void TCircletool::XorBand(Canvas& dc)
{
    if (x1 == x2 && y1 == y2)
        return;
    dc.SetROP2(RasterOp::Xor);
    const TPen previous = dc.SelectPen(RubberBandPen());
    DrawFeedback(dc, 0);
    dc.SelectPen(previous);
}
