#include "app/toolfamily.h"

#include "app/toolsite.h"
#include "tools/drawingtool.h"

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

void TToolFamily::Leaving(TToolSite&) const {}

bool TToolFamily::ClaimsClick(TToolSite&, TPoint) const
{
    return false;
}

const TToolFamily& PlainFamily()
{
    static const TToolFamily plain;
    return plain;
}
