#include "app/toolfamily.h"

#include "app/toolsite.h"
#include "model/viewmapping.h"
#include "platform/canvas.h"
#include "tools/drawingtool.h"
#include "tools/linetool.h"

TToolSite::~TToolSite() = default;

TToolFamily::~TToolFamily() = default;

void TToolFamily::LButtonDown(TToolSite& site, TPoint point) const
{
    site.CallTool([point](TDrawingtool& tool, Canvas& dc, const TRect& rect) {
        tool.LButtonDown(dc, rect, point.x, point.y);
    });
}

void TToolFamily::LButtonUp(TToolSite& site, TPoint point) const
{
    site.CallTool([point](TDrawingtool& tool, Canvas& dc, const TRect& rect) {
        TPoint released = point;
        tool.LButtonUp(dc, rect, released);
    });
}

void TToolFamily::RButtonDown(TToolSite& site, TPoint point) const
{
    site.CallTool([point](TDrawingtool& tool, Canvas& dc, const TRect& rect) {
        TPoint pressed = point;
        tool.RButtonDown(dc, rect, pressed);
    });
}

bool TToolFamily::WantsMouseMove(const TDrawingtool&) const
{
    return true;
}

bool TToolFamily::MeasuresFromStart(const TDrawingtool& tool) const
{
    return tool.active == 1;
}

void TToolFamily::KeyDown(TToolSite& site, int key) const
{
    TPoint cursor = site.Cursor();
    site.CallTool([key, &cursor](TDrawingtool& tool, Canvas& dc, const TRect& rect) {
        tool.KeyDown(dc, rect, key, cursor, 0);
    });
}

void TToolFamily::KeyUp(TToolSite&, int) const {}

void TToolFamily::Char(TToolSite&, int) const {}

bool TToolFamily::TypesText(const TDrawingtool&) const
{
    return false;
}

void TToolFamily::Leaving(TToolSite& site) const
{
    // A line-family tool may have its rubber band or the plan resize's guide line out: both are
    // drawn with exclusive-or, so drawing them once more takes them off the screen.
    auto* line = dynamic_cast<TLinetool*>(&site.Tool());
    if (!line)
        return;
    const bool band = line->active == 1 && (line->x2 != line->x1 || line->y2 != line->y1);
    const bool marker = line->markerState == 2;
    if (!band && !marker)
        return;
    site.CallTool([line, band, marker](TDrawingtool&, Canvas& dc, const TRect& rect) {
        SetupViewMapping(dc, rect);
        if (band) {
            dc.SetROP2(RasterOp::Xor);
            const TPen previous = dc.SelectPen(line->RubberBandPen());
            line->DrawFeedback(dc, 0);
            dc.SelectPen(previous);
        }
        if (marker)
            line->DrawMarker(dc, line->markerCode);
        dc.SetROP2(RasterOp::Copy);
    });
    line->x2 = line->x1;
    line->y2 = line->y1;
    line->active = 0;
    if (marker)
        line->markerState = 0;
}

bool TToolFamily::ClaimsClick(TToolSite&, TPoint) const
{
    return false;
}

const TToolFamily& PlainFamily()
{
    static const TToolFamily plain;
    return plain;
}
