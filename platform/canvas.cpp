#include "platform/canvas.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>

namespace {

// The isotropic scale as an exact fraction: |scale| = numerator / denominator, with the sign of
// each axis kept apart. Zero extents (a window with no client area) count as 1 so nothing divides
// by zero.
using IsotropicScale = TMapping::TScale;

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
// 64 bits suffice: the callers pass a difference of two 32-bit values (below 2^32 in size) times
// an extent of at most 2^31. The result is kept well inside 64 bits so that adding an origin
// cannot overflow.
std::int64_t RoundedDivide(std::int64_t value, std::int64_t divisor)
{
    std::int64_t quotient = value / divisor;
    std::int64_t remainder = value % divisor;
    if (remainder < 0) {
        quotient -= 1;
        remainder += divisor;
    }
    quotient += (2 * remainder >= divisor ? 1 : 0);
    return std::clamp<std::int64_t>(quotient, INT64_MIN / 4, INT64_MAX / 4);
}

int ClampToInt(std::int64_t v)
{
    if (v > INT32_MAX)
        return INT32_MAX;
    if (v < INT32_MIN)
        return INT32_MIN;
    return int(v);
}

// One axis of the mapping: to + sign * (value - from) * multiplier / divisor, rounded, within int.
int MapAxis(int value, int from, int to, int sign, std::int64_t multiplier, std::int64_t divisor)
{
    return ClampToInt(to + RoundedDivide(sign * (std::int64_t(value) - from) * multiplier, divisor));
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

TMapping::TScale TMapping::Scale() const
{
    return ScaleOf(*this);
}

TPoint TMapping::ToDevice(TPoint logical) const
{
    return ToDevice(logical, ScaleOf(*this));
}

TPoint TMapping::ToDevice(TPoint logical, const TScale& s) const
{
    if (identity)
        return logical;
    return {MapAxis(logical.x, windowOrg.x, viewportOrg.x, s.signX, s.numerator, s.denominator),
            MapAxis(logical.y, windowOrg.y, viewportOrg.y, s.signY, s.numerator, s.denominator)};
}

TPoint TMapping::ToLogical(TPoint device) const
{
    if (identity)
        return device;
    IsotropicScale s = ScaleOf(*this);
    return {MapAxis(device.x, viewportOrg.x, windowOrg.x, s.signX, s.denominator, s.numerator),
            MapAxis(device.y, viewportOrg.y, windowOrg.y, s.signY, s.denominator, s.numerator)};
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

template <class T>
T Canvas::ChangeState(T& field, const T& value)
{
    T previous = field;
    if (!(value == field)) {
        Flush();
        field = value;
        StateChanged();
    }
    return previous;
}

void Canvas::SetMapping(const TMapping& newMapping)
{
    ChangeState(mapping, newMapping);
    mappingScale = mapping.Scale();
    mappingScaleX = mapping.ScaleX();
}

RasterOp Canvas::SetROP2(RasterOp op)
{
    return ChangeState(rop, op);
}

TPen Canvas::SelectPen(const TPen& newPen)
{
    return ChangeState(pen, newPen);
}

TBrush Canvas::SelectBrush(const TBrush& newBrush)
{
    return ChangeState(brush, newBrush);
}

TFont Canvas::SelectFont(const TFont& newFont)
{
    return ChangeState(font, newFont);
}

unsigned Canvas::SetTextAlign(unsigned align)
{
    return ChangeState(textAlign, align);
}

TColor Canvas::SetTextColor(TColor colour)
{
    return ChangeState(textColour, colour);
}

TColor Canvas::SetBkColor(TColor colour)
{
    return ChangeState(bkColour, colour);
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
    if (BatchesChains())
        chainOpen = false;
    else
        Flush();
    position = {x, y};
}

void Canvas::LineTo(int x, int y)
{
    if (!chainOpen) {
        chainOpen = true;
        pendingStarts.push_back(pendingLine.size());
        pendingLine.push_back(position);
    }
    pendingLine.push_back({x, y});
    position = {x, y};
}

void Canvas::Flush()
{
    chainOpen = false;
    if (pendingLine.empty())
        return;
    // Move the chains out first: the backend may call back into the canvas.
    std::vector<TPoint> chains;
    std::vector<std::size_t> starts;
    chains.swap(pendingLine);
    starts.swap(pendingStarts);
    if (starts.size() == 1)
        DoPolyline(chains);
    else
        DoPolylines(chains, starts);
    // Keep the buffers' capacity for the next chains.
    chains.clear();
    starts.clear();
    if (pendingLine.empty()) {
        pendingLine.swap(chains);
        pendingStarts.swap(starts);
    }
}

void Canvas::DoPolylines(const std::vector<TPoint>& points, const std::vector<std::size_t>& starts)
{
    std::vector<TPoint> chain;
    for (std::size_t i = 0; i < starts.size(); ++i) {
        const std::size_t end = i + 1 < starts.size() ? starts[i + 1] : points.size();
        chain.assign(points.begin() + std::ptrdiff_t(starts[i]), points.begin() + std::ptrdiff_t(end));
        DoPolyline(chain);
    }
}

std::optional<TRect> Canvas::TextDeviceBox(TPoint, const std::string&, const TFont&, unsigned)
{
    return std::nullopt;
}

std::optional<TRect> Canvas::TextReachBox(TPoint, const std::string&, const TFont&)
{
    return std::nullopt;
}

void Canvas::PaintInBands(const std::function<void(Canvas&)>& paint, const TRowWork&)
{
    paint(*this);
}

void Canvas::CopyStateTo(Canvas& other) const
{
    other.SetMapping(mapping);
    other.SetROP2(rop);
    other.SelectPen(pen);
    other.SelectBrush(brush);
    other.SelectFont(font);
    other.SetTextAlign(textAlign);
    other.SetTextColor(textColour);
    other.SetBkColor(bkColour);
    other.MoveTo(position.x, position.y);
}

std::unique_ptr<TCanvasPicture> Canvas::DrawPicture(const TRect&, const std::function<void(Canvas&)>&, const TRowWork&,
                                                    const std::function<void(Canvas&)>&, const TRowWork&)
{
    return nullptr;
}

void Canvas::PutPicture(const TCanvasPicture&, TPoint, std::optional<TColor>) {}

std::optional<TRect> Canvas::PaintableArea() const
{
    const TPoint size = DeviceSize();
    if (IsPrinter() || size.x <= 0 || size.y <= 0)
        return std::nullopt;
    const TRect surface{0, 0, size.x, size.y};
    return clipped ? surface.Intersect(clip) : surface;
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
