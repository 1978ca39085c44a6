#pragma once
// The canvas of one event of a Qt drawing window: draws into the window's backing image and, when
// the event is over (the canvas destroyed), has the view show the area that was drawn on. A tool's
// feedback thus repaints only its own rectangle of the screen.
#include "platform/geometry.h"
#include "platform/qt/imagecanvas.h"

#include <QPointer>

class QImage;
class QWidget;

class EventCanvas : public ImageCanvas {
public:
    EventCanvas(QImage& image, QWidget* view);
    ~EventCanvas() override;

    // The device area drawn on so far: each figure's extent widened by its pen, within the image.
    const TRect& ChangedArea() const { return changed; }

    // The bands draw on canvases of their own: the whole area they may draw on counts as changed.
    void PaintInBands(const std::function<void(Canvas&)>& paint, const TRowWork& work = {}) override;
    // A picture put down counts as changed where it lands.
    void PutPicture(const TCanvasPicture& picture, TPoint offset, std::optional<TColor> solid) override;

protected:
    void DoPolyline(const std::vector<TPoint>& points) override;
    void DoPolylines(const std::vector<TPoint>& points, const std::vector<std::size_t>& starts) override;
    void DoPolygon(const std::vector<TPoint>& points) override;
    void DoRectangle(const TRect& box) override;
    void DoRoundRect(const TRect& box, int cornerWidth, int cornerHeight) override;
    void DoEllipse(const TRect& box) override;
    void DoArc(const TRect& box, TPoint start, TPoint end) override;
    void DoTextOut(TPoint at, const std::string& text) override;
    void DoFillDeviceRect(const TRect& device, TColor colour) override;

private:
    QPointer<QWidget> view;
    TRect imageArea;
    TRect changed;

    // Marks the device extent of logical points, widened by the pen.
    void Touch(const std::vector<TPoint>& points);
    void TouchBox(const TRect& box);
    void TouchDevice(const TRect& device);
};
