#include "platform/canvas.h"

#include <cstdint>
#include <cstdlib>

namespace {

// The isotropic scale as an exact fraction: |scale| = numerator / denominator, with the sign of
// each axis kept apart. Zero extents (a window with no client area) count as 1 so nothing divides
// by zero.
struct IsotropicScale {
    std::int64_t numerator = 1;
    std::int64_t denominator = 1;
    int signX = 1;
    int signY = 1;
};

IsotropicScale ScaleOf(const TMapping& m)
{
    auto magnitude = [](int v) -> std::int64_t { return v == 0 ? 1 : std::llabs(std::int64_t(v)); };
    auto sign = [](int v) { return v < 0 ? -1 : 1; };
    const std::int64_t wx = magnitude(m.windowExt.x), wy = magnitude(m.windowExt.y);
    const std::int64_t vx = magnitude(m.viewportExt.x), vy = magnitude(m.viewportExt.y);
    IsotropicScale s;
    // The smaller of vx/wx and vy/wy wins: the other viewport extent is shrunk to match it.
    if (vx * wy <= vy * wx) {
        s.numerator = vx;
        s.denominator = wx;
    } else {
        s.numerator = vy;
        s.denominator = wy;
    }
    s.signX = sign(m.windowExt.x) * sign(m.viewportExt.x);
    s.signY = sign(m.windowExt.y) * sign(m.viewportExt.y);
    return s;
}

// value / divisor rounded to the nearest integer, halves upwards (divisor > 0). Rounding the same
// way everywhere keeps a figure's pixels the same when it is shifted by whole units.
// Wide arithmetic: a 32-bit offset times a 32-bit extent needs more than 63 bits at the extremes.
using Wide = __int128;

std::int64_t RoundedDivide(Wide value, std::int64_t divisor)
{
    Wide quotient = value / divisor;
    Wide remainder = value % divisor;
    if (remainder < 0) {
        quotient -= 1;
        remainder += divisor;
    }
    quotient += (2 * remainder >= divisor ? 1 : 0);
    if (quotient > INT64_MAX / 4)
        return INT64_MAX / 4;
    if (quotient < INT64_MIN / 4)
        return INT64_MIN / 4;
    return std::int64_t(quotient);
}

int ClampToInt(std::int64_t v)
{
    if (v > INT32_MAX)
        return INT32_MAX;
    if (v < INT32_MIN)
        return INT32_MIN;
    return int(v);
}

}  // namespace

TMapping TMapping::Isotropic(TPoint windowOrg, TPoint windowExt, TPoint viewportOrg, TPoint viewportExt)
{
    TMapping m;
    m.identity = false;
    m.windowOrg = windowOrg;
    m.windowExt = windowExt;
    m.viewportOrg = viewportOrg;
    m.viewportExt = viewportExt;
    return m;
}

double TMapping::ScaleX() const
{
    if (identity)
        return 1.0;
    IsotropicScale s = ScaleOf(*this);
    return s.signX * double(s.numerator) / double(s.denominator);
}

double TMapping::ScaleY() const
{
    if (identity)
        return 1.0;
    IsotropicScale s = ScaleOf(*this);
    return s.signY * double(s.numerator) / double(s.denominator);
}

TPoint TMapping::ToDevice(TPoint logical) const
{
    if (identity)
        return logical;
    IsotropicScale s = ScaleOf(*this);
    std::int64_t dx = RoundedDivide(Wide(s.signX) * (std::int64_t(logical.x) - windowOrg.x) * s.numerator, s.denominator);
    std::int64_t dy = RoundedDivide(Wide(s.signY) * (std::int64_t(logical.y) - windowOrg.y) * s.numerator, s.denominator);
    return {ClampToInt(viewportOrg.x + dx), ClampToInt(viewportOrg.y + dy)};
}

TPoint TMapping::ToLogical(TPoint device) const
{
    if (identity)
        return device;
    IsotropicScale s = ScaleOf(*this);
    std::int64_t lx = RoundedDivide(Wide(s.signX) * (std::int64_t(device.x) - viewportOrg.x) * s.denominator, s.numerator);
    std::int64_t ly = RoundedDivide(Wide(s.signY) * (std::int64_t(device.y) - viewportOrg.y) * s.denominator, s.numerator);
    return {ClampToInt(windowOrg.x + lx), ClampToInt(windowOrg.y + ly)};
}

double TMapping::DeviceX(double logicalX) const
{
    if (identity)
        return logicalX;
    return viewportOrg.x + (logicalX - windowOrg.x) * ScaleX();
}

double TMapping::DeviceY(double logicalY) const
{
    if (identity)
        return logicalY;
    return viewportOrg.y + (logicalY - windowOrg.y) * ScaleY();
}

Canvas::~Canvas() = default;

void Canvas::SetMapping(const TMapping& newMapping)
{
    if (newMapping == mapping)
        return;
    Flush();
    mapping = newMapping;
    StateChanged();
}

RasterOp Canvas::SetROP2(RasterOp op)
{
    RasterOp previous = rop;
    if (op != rop) {
        Flush();
        rop = op;
        StateChanged();
    }
    return previous;
}

TPen Canvas::SelectPen(const TPen& newPen)
{
    TPen previous = pen;
    if (!(newPen == pen)) {
        Flush();
        pen = newPen;
        StateChanged();
    }
    return previous;
}

TBrush Canvas::SelectBrush(const TBrush& newBrush)
{
    TBrush previous = brush;
    if (!(newBrush == brush)) {
        Flush();
        brush = newBrush;
        StateChanged();
    }
    return previous;
}

TFont Canvas::SelectFont(const TFont& newFont)
{
    TFont previous = font;
    if (!(newFont == font)) {
        Flush();
        font = newFont;
        StateChanged();
    }
    return previous;
}

unsigned Canvas::SetTextAlign(unsigned align)
{
    unsigned previous = textAlign;
    if (align != textAlign) {
        Flush();
        textAlign = align;
        StateChanged();
    }
    return previous;
}

TColor Canvas::SetTextColor(TColor colour)
{
    TColor previous = textColour;
    if (colour != textColour) {
        Flush();
        textColour = colour;
        StateChanged();
    }
    return previous;
}

TColor Canvas::SetBkColor(TColor colour)
{
    TColor previous = bkColour;
    if (colour != bkColour) {
        Flush();
        bkColour = colour;
        StateChanged();
    }
    return previous;
}

void Canvas::SetDeviceClip(const TRect& device)
{
    TRect normal = device.Normalized();
    if (clipped && normal == clip)
        return;
    Flush();
    clipped = true;
    clip = normal;
    DeviceClipChanged();
}

void Canvas::ResetDeviceClip()
{
    if (!clipped)
        return;
    Flush();
    clipped = false;
    clip = {};
    DeviceClipChanged();
}

void Canvas::MoveTo(int x, int y)
{
    Flush();
    position = {x, y};
}

void Canvas::LineTo(int x, int y)
{
    if (pendingLine.empty())
        pendingLine.push_back(position);
    pendingLine.push_back({x, y});
    position = {x, y};
}

void Canvas::Flush()
{
    if (pendingLine.empty())
        return;
    // Move the chain out first: the backend may call back into the canvas.
    std::vector<TPoint> chain;
    chain.swap(pendingLine);
    DoPolyline(chain);
    chain.clear();
    if (pendingLine.empty())
        pendingLine.swap(chain);  // keep the buffer's capacity for the next chain
}

void Canvas::Polyline(const std::vector<TPoint>& points)
{
    Flush();
    DoPolyline(points);
}

void Canvas::Polygon(const std::vector<TPoint>& points)
{
    Flush();
    DoPolygon(points);
}

void Canvas::Rectangle(int left, int top, int right, int bottom)
{
    Flush();
    DoRectangle({left, top, right, bottom});
}

void Canvas::RoundRect(int left, int top, int right, int bottom, int cornerWidth, int cornerHeight)
{
    Flush();
    DoRoundRect({left, top, right, bottom}, cornerWidth, cornerHeight);
}

void Canvas::Ellipse(int left, int top, int right, int bottom)
{
    Flush();
    DoEllipse({left, top, right, bottom});
}

void Canvas::Arc(int left, int top, int right, int bottom, int startX, int startY, int endX, int endY)
{
    Flush();
    DoArc({left, top, right, bottom}, {startX, startY}, {endX, endY});
}

void Canvas::TextOut(int x, int y, const std::string& text)
{
    Flush();
    DoTextOut({x, y}, text);
}

void Canvas::FillDeviceRect(const TRect& device, TColor colour)
{
    Flush();
    DoFillDeviceRect(device.Normalized(), colour);
}
