#include "app/qt/eventcanvas.h"

#include <QImage>
#include <QWidget>

#include <algorithm>
#include <climits>
#include <cmath>

namespace {
// Wider pens are drawn no wider than this.
constexpr double MAX_PEN_PIXELS = 4096;
}  // namespace

EventCanvas::EventCanvas(QImage& image, QWidget* view)
    : ImageCanvas(image), view(view), imageArea{0, 0, image.width(), image.height()}
{
}

EventCanvas::~EventCanvas()
{
    // A line chain still open is drawn first, so that it counts.
    Flush();
    if (view && !changed.IsEmpty())
        view->update(changed.left, changed.top, changed.Width(), changed.Height());
}

void EventCanvas::PaintInBands(const std::function<void(Canvas&)>& paint, const TRowWork& work)
{
    if (const std::optional<TRect> area = PaintableArea())
        TouchDevice(*area);
    ImageCanvas::PaintInBands(paint, work);
}

void EventCanvas::PutPicture(const TCanvasPicture& picture, TPoint offset, std::optional<TColor> solid)
{
    const TRect& from = picture.Device();
    if (const std::optional<TRect> area = PaintableArea())
        TouchDevice(TRect{from.left + offset.x, from.top + offset.y, from.right + offset.x, from.bottom + offset.y}
                        .Intersect(*area));
    ImageCanvas::PutPicture(picture, offset, solid);
}

void EventCanvas::Touch(const std::vector<TPoint>& points)
{
    if (points.empty())
        return;
    int left = INT_MAX, top = INT_MAX, right = INT_MIN, bottom = INT_MIN;
    for (const TPoint& point : points) {
        const TPoint device = LPtoDP(point);
        left = std::min(left, device.x);
        top = std::min(top, device.y);
        right = std::max(right, device.x);
        bottom = std::max(bottom, device.y);
    }
    // The pen is centred on the figure's outline; two more pixels cover rounding and one more the
    // exclusive right and bottom edges. Points beyond the device range lie at its end, and so does
    // the area then.
    const double scale = std::max(std::abs(Mapping().ScaleX()), std::abs(Mapping().ScaleY()));
    const int margin = int(std::min(std::ceil(std::max(1, Pen().width) * scale), MAX_PEN_PIXELS)) + 3;
    TouchDevice(TRect{left, top, right, bottom}.Inflated(margin, margin));
}

void EventCanvas::TouchBox(const TRect& box)
{
    Touch({{box.left, box.top}, {box.right, box.bottom}});
}

void EventCanvas::TouchDevice(const TRect& device)
{
    changed = changed.Union(device.Normalized().Intersect(imageArea));
}

void EventCanvas::DoPolyline(const std::vector<TPoint>& points)
{
    Touch(points);
    ImageCanvas::DoPolyline(points);
}

void EventCanvas::DoPolylines(const std::vector<TPoint>& points, const std::vector<std::size_t>& starts)
{
    Touch(points);
    ImageCanvas::DoPolylines(points, starts);
}

void EventCanvas::DoPolygon(const std::vector<TPoint>& points)
{
    Touch(points);
    ImageCanvas::DoPolygon(points);
}

void EventCanvas::DoRectangle(const TRect& box)
{
    TouchBox(box);
    ImageCanvas::DoRectangle(box);
}

void EventCanvas::DoRoundRect(const TRect& box, int cornerWidth, int cornerHeight)
{
    TouchBox(box);
    ImageCanvas::DoRoundRect(box, cornerWidth, cornerHeight);
}

void EventCanvas::DoEllipse(const TRect& box)
{
    TouchBox(box);
    ImageCanvas::DoEllipse(box);
}

void EventCanvas::DoArc(const TRect& box, TPoint start, TPoint end)
{
    TouchBox(box);
    ImageCanvas::DoArc(box, start, end);
}

void EventCanvas::DoTextOut(TPoint at, const std::string& text)
{
    // A text's extent depends on its font, angle and alignment: the whole image is shown again.
    TouchDevice(imageArea);
    ImageCanvas::DoTextOut(at, text);
}

void EventCanvas::DoFillDeviceRect(const TRect& device, TColor colour)
{
    TouchDevice(device);
    ImageCanvas::DoFillDeviceRect(device, colour);
}
