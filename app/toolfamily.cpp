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
    site.CallTool([line](TDrawingtool&, Canvas& dc, const TRect& rect) { line->DrawShownFeedback(dc, rect); });
    line->x2 = line->x1;
    line->y2 = line->y1;
    line->active = 0;
    if (line->markerState == 2)
        line->markerState = 0;
}

bool TToolFamily::ClaimsClick(TToolSite&, TPoint) const
{
    return false;
}

void TToolFamily::TakeClaimedClick(TToolSite&, TPoint) const {}

const char* TToolFamily::RestartPrompt(const TDrawingtool&) const
{
    return nullptr;
}

const TToolFamily& PlainFamily()
{
    static const TToolFamily plain;
    return plain;
}
