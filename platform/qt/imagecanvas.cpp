#include "platform/qt/imagecanvas.h"

#include "platform/qt/bandworkers.h"

#include <QImage>

#include <algorithm>
#include <vector>

ImageCanvas::ImageCanvas(QImage& image) : QtCanvas(image, false), image(image) {}

ImageCanvas::~ImageCanvas()
{
    Finish();
}

void ImageCanvas::PaintInBands(const std::function<void(Canvas&)>& paint)
{
    const std::optional<TRect> area = PaintableArea();
    const int most = BandWorkers::Available();
    const bool shareable = image.format() == QImage::Format_RGB32 ||
                           image.format() == QImage::Format_ARGB32_Premultiplied;
    if (isBand || !IsActive() || !area || ROP2() != RasterOp::Copy || !shareable || most < 2 ||
        area->Height() < 2 * kMinBandRows) {
        paint(*this);
        return;
    }
    // What is waiting goes first, as it would on this canvas.
    Flush();
    const int count = std::min(most, area->Height() / kMinBandRows);
    std::vector<TRect> bands;
    for (int i = 0; i < count; ++i)
        bands.push_back({area->left, area->top + area->Height() * i / count, area->right,
                         area->top + area->Height() * (i + 1) / count});
    uchar* const pixels = image.bits();
    const int width = image.width();
    const int height = image.height();
    const qsizetype rowBytes = image.bytesPerLine();
    const QImage::Format format = image.format();
    BandWorkers::Run(count, [&](int band) {
        QImage view(pixels, width, height, rowBytes, format);
        ImageCanvas canvas(view);
        canvas.isBand = true;
        CopyStateTo(canvas);
        canvas.SetDeviceClip(bands[std::size_t(band)]);
        paint(canvas);
    });
}
