#include "model/paintextent.h"

#include "model/object.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <optional>

namespace {

// A stroke reaches half the pen's width beyond the figure; a whole width and two pixels more
// leave room for caps, joins and rounding.
int64_t PenMarginPixels(int penWidth, double pixelsPerLogical)
{
    const double width = std::fabs(double(penWidth) * pixelsPerLogical);
    return int64_t(std::min(std::ceil(width), 1e9)) + 2;
}

}  // namespace

TPaintArea::TPaintArea(Canvas& dc, const TRect& device, int scale)
    : dc(dc), device(device), scale(scale > 0 ? scale : 1)
{
    // The logical box the area's pixels map back to (either axis may run either way), widened by
    // the logical units four pixels span and two more, then taken to model units with one more
    // logical unit for the truncation of model to logical coordinates.
    const TPoint a = dc.DPtoLP({device.left - 2, device.top - 2});
    const TPoint b = dc.DPtoLP({device.right + 2, device.bottom + 2});
    const double pixels = std::fabs(dc.MappingScaleX());
    const int64_t slack = (pixels > 0 ? int64_t(std::min(std::ceil(4.0 / pixels), 1e9)) : int64_t(1e9)) + 3;
    modelPerLogical = this->scale;
    rowAtZero = dc.Mapping().DeviceY(0.0);
    rowsPerLogical = dc.Mapping().DeviceY(1.0) - rowAtZero;
    left = (int64_t(std::min(a.x, b.x)) - slack) * modelPerLogical;
    right = (int64_t(std::max(a.x, b.x)) + slack) * modelPerLogical;
    bottom = (int64_t(std::min(a.y, b.y)) - slack) * modelPerLogical;
    top = (int64_t(std::max(a.y, b.y)) + slack) * modelPerLogical;
    if (device.Width() > 4 && device.Height() > 4) {
        const TPoint c = dc.DPtoLP({device.left + 2, device.top + 2});
        const TPoint d = dc.DPtoLP({device.right - 2, device.bottom - 2});
        innerLeft = (int64_t(std::min(c.x, d.x)) + slack) * modelPerLogical;
        innerRight = (int64_t(std::max(c.x, d.x)) - slack) * modelPerLogical;
        innerBottom = (int64_t(std::min(c.y, d.y)) + slack) * modelPerLogical;
        innerTop = (int64_t(std::max(c.y, d.y)) - slack) * modelPerLogical;
    }
}

bool TPaintArea::Meets(int32_t minX, int32_t minY, int32_t maxX, int32_t maxY) const
{
    return maxX >= innerLeft && minX <= innerRight && maxY >= innerBottom && minY <= innerTop &&
           innerLeft <= innerRight && innerBottom <= innerTop;
}

double TPaintArea::Row(int32_t modelY) const
{
    return rowAtZero + rowsPerLogical * double(ToWindow(modelY, scale));
}

bool TPaintArea::MayTouch(int32_t minX, int32_t minY, int32_t maxX, int32_t maxY, int penWidth) const
{
    // The pen reaches at most its width (and the pixels the slack allows for) beyond the figure.
    const int64_t pen = std::abs(int64_t(penWidth)) * modelPerLogical;
    return maxX + pen >= left && minX - pen <= right && maxY + pen >= bottom && minY - pen <= top;
}

TPaintExtent::TPaintExtent(const TPaintArea& area, int penWidth, bool rows)
    : area(area), penWidth(penWidth), measuresRows(rows)
{
}

void TPaintExtent::Point(int32_t x, int32_t y)
{
    if (!anyPoint) {
        anyPoint = true;
        minX = maxX = x;
        minY = maxY = y;
        return;
    }
    minX = std::min(minX, x);
    maxX = std::max(maxX, x);
    minY = std::min(minY, y);
    maxY = std::max(maxY, y);
}

void TPaintExtent::Text(TPoint logical, const std::string& text, const TFont& font, unsigned align)
{
    if (measuresRows && !unbounded) {
        const std::optional<TRect> reach = area.Dc().TextReachBox(logical, text, font);
        if (!reach) {
            unbounded = true;
            return;
        }
        if (reach->IsEmpty())
            return;
        textTop = anyText ? std::min<int64_t>(textTop, reach->top) : reach->top;
        textBottom = anyText ? std::max<int64_t>(textBottom, reach->bottom) : reach->bottom;
        anyText = true;
        textTouches = textTouches || !reach->Intersect(area.Device()).IsEmpty();
        return;
    }
    if (unbounded || textTouches)
        return;
    // A text anchored in the area is drawn without being measured first: drawing one that turns
    // out to miss the area changes nothing the area shows.
    const TPoint anchor = area.Dc().LPtoDP(logical);
    const TRect& device = area.Device();
    if (anchor.x >= device.left && anchor.x < device.right && anchor.y >= device.top && anchor.y < device.bottom) {
        textTouches = true;
        return;
    }
    const std::optional<TRect> box = area.Dc().TextDeviceBox(logical, text, font, align);
    if (!box)
        unbounded = true;
    else if (!box->Intersect(area.Device()).IsEmpty())
        textTouches = true;
}

TDeviceRows TPaintExtent::Rows() const
{
    const TRect& device = area.Device();
    if (unbounded)
        return {device.top, device.bottom, true};
    if (!Touches())
        return {};
    int64_t top = anyText ? textTop : INT64_MAX;
    int64_t bottom = anyText ? textBottom : INT64_MIN;
    if (anyPoint) {
        // As Touches takes the points' device box (the rows of its two corners' images, and the
        // pen), with a row more on either side for the rounding of the images.
        const double a = area.Row(minY);
        const double b = area.Row(maxY);
        const int64_t margin = PenMarginPixels(penWidth, area.Dc().MappingScaleX()) + 1;
        const double low = std::clamp(std::floor(std::min(a, b)), double(INT_MIN), double(INT_MAX));
        const double high = std::clamp(std::ceil(std::max(a, b)), double(INT_MIN), double(INT_MAX));
        top = std::min(top, int64_t(low) - margin);
        bottom = std::max(bottom, int64_t(high) + margin + 1);
    }
    top = std::max<int64_t>(top, device.top);
    bottom = std::min<int64_t>(bottom, device.bottom);
    if (top >= bottom)
        return {};
    return {int(top), int(bottom), false};
}

bool TPaintExtent::Touches() const
{
    if (unbounded || textTouches)
        return true;
    if (!anyPoint || !area.MayTouch(minX, minY, maxX, maxY, penWidth))
        return false;
    if (area.Meets(minX, minY, maxX, maxY))
        return true;
    // Model to logical coordinates (truncating) and logical to device ones both keep the order of
    // coordinates on each axis, so the device box of the points is the box of the two corners'
    // images, as Render places them.
    Canvas& dc = area.Dc();
    const int scale = area.Scale();
    const TPoint a = dc.LPtoDP({ToWindow(minX, scale), ToWindow(minY, scale)});
    const TPoint b = dc.LPtoDP({ToWindow(maxX, scale), ToWindow(maxY, scale)});
    const int64_t margin = PenMarginPixels(penWidth, dc.MappingScaleX());
    const TRect& device = area.Device();
    const int64_t left = std::min(a.x, b.x) - margin;
    const int64_t right = std::max(a.x, b.x) + margin;
    const int64_t top = std::min(a.y, b.y) - margin;
    const int64_t bottom = std::max(a.y, b.y) + margin;
    return left < device.right && right >= device.left && top < device.bottom && bottom >= device.top;
}
