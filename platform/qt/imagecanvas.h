#pragma once
// Canvas on a QImage: the drawing window's backing image and the bitmap export. Use an image of
// QImage::Format_RGB32, on which exclusive-or drawing is exact.
#include "platform/qt/qtcanvas.h"

#include <cstdint>

class QImage;

class ImageCanvas : public QtCanvas {
public:
    explicit ImageCanvas(QImage& image);
    ~ImageCanvas() override;

    // Under copy, an area of at least two bands of kMinBandRows rows is painted in bands at once,
    // as many as BandWorkers has threads, cut at equal work where `work` tells it (BandEdges);
    // `work` runs first, as many pieces at once, each on a canvas of its own over the whole area.
    // Each band's canvas draws on an image of its own over the same pixels, so it has the whole
    // image's size and clips to its band: every figure is placed and cut exactly as on this canvas.
    // The pieces lay out the texts the bands may draw into the calling thread's TextStore, which
    // the bands then only read. On a band's canvas it paints the band at once.
    void PaintInBands(const std::function<void(Canvas&)>& paint, const TRowWork& work = {}) override;

    static constexpr int kMinBandRows = 32;

    // Pictures are kept on a transparent image of their own, drawn as on this canvas (in bands
    // too) with the mapping moved to the picture's corner, so that each figure lands on the
    // pixels it would have here, shifted. A pixel covered only holds the one value kCoveredOnly:
    // no alpha but a colour, which no drawing leaves (whatever is drawn over it raises its alpha),
    // so that drawn pixels are those with alpha and covered ones all that are not zero. Only for
    // images of 32-bit pixels.
    std::unique_ptr<TCanvasPicture> DrawPicture(const TRect& device, const std::function<void(Canvas&)>& paint,
                                                const TRowWork& work = {},
                                                const std::function<void(Canvas&)>& coverOnly = {},
                                                const TRowWork& coverWork = {}) override;
    static constexpr std::uint32_t kCoveredOnly = 0x00000001u;
    void PutPicture(const TCanvasPicture& picture, TPoint offset, std::optional<TColor> solid) override;
    // The pixels all pictures kept now hold together (what their memory follows).
    static std::int64_t PicturePixels();

private:
    QImage& image;
    bool isBand = false;  // a band's canvas paints its band itself
};
