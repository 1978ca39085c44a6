#include "platform/qt/imagecanvas.h"

#include "platform/bandsplit.h"
#include "platform/qt/bandworkers.h"
#include "platform/qt/textstore.h"

#include <QImage>

#include <algorithm>
#include <atomic>
#include <vector>

namespace {

std::atomic<std::int64_t> picturePixels{0};

// A picture's pixels, transparent where nothing is drawn; counted while it is kept.
class ImagePicture : public TCanvasPicture {
public:
    explicit ImagePicture(const TRect& device)
        : TCanvasPicture(device), image(device.Width(), device.Height(), QImage::Format_ARGB32_Premultiplied)
    {
        picturePixels += Pixels();
    }
    ~ImagePicture() override { picturePixels -= Pixels(); }
    ImagePicture(const ImagePicture&) = delete;
    ImagePicture& operator=(const ImagePicture&) = delete;

    std::int64_t Pixels() const { return std::int64_t(image.width()) * image.height(); }

    QImage image;
};

// Puts a row of a picture on a row of another image: where `takes` a picture's pixel, what `put`
// makes of it. Every pixel is read and written again, without a branch, so that the loop runs
// several pixels at a time; the two rows never share memory.
template <class Takes, class Put>
void PutRow(const QRgb* __restrict in, QRgb* __restrict out, int width, Takes takes, Put put)
{
    for (int x = 0; x < width; ++x) {
        const QRgb pixel = in[x];
        const QRgb there = out[x];
        out[x] = takes(pixel) ? put(pixel) : there;
    }
}

bool HasWholePixels(const QImage& image)
{
    return image.format() == QImage::Format_RGB32 || image.format() == QImage::Format_ARGB32_Premultiplied;
}

}  // namespace

ImageCanvas::ImageCanvas(QImage& image) : QtCanvas(image, false), image(image) {}

ImageCanvas::~ImageCanvas()
{
    Finish();
}

void ImageCanvas::PaintInBands(const std::function<void(Canvas&)>& paint, const TRowWork& work)
{
    // A band paints its band itself, never in bands: it asks nothing of the threads.
    if (isBand) {
        paint(*this);
        return;
    }
    const std::optional<TRect> area = PaintableArea();
    const int most = BandWorkers::Available();
    const bool shareable = image.format() == QImage::Format_RGB32 ||
                           image.format() == QImage::Format_ARGB32_Premultiplied;
    if (!IsActive() || !area || ROP2() != RasterOp::Copy || !shareable || most < 2 ||
        area->Height() < 2 * kMinBandRows) {
        paint(*this);
        return;
    }
    // What is waiting goes first, as it would on this canvas.
    Flush();
    const int count = std::min(most, area->Height() / kMinBandRows);
    // The pixels are taken here, once: a band's canvas draws on an image of its own over them, so
    // that no band touches this image (whose taking of its pixels may copy them).
    uchar* const pixels = image.bits();
    const int width = image.width();
    const int height = image.height();
    const qsizetype rowBytes = image.bytesPerLine();
    const QImage::Format format = image.format();
    // The texts laid out for this thread's paints: the bands read them, and the pieces measuring
    // for them add what they lay out once they have ended.
    TextStore& store = TextStore::OfThisThread();
    // Runs `job` on a canvas of its own over the pixels, with this canvas's state, clipped to
    // `clip`, putting the texts it lays out in `batch` (if any).
    auto onOwnCanvas = [&](const TRect& clip, const std::function<void(Canvas&)>& job, TextTable* batch) {
        QImage view(pixels, width, height, rowBytes, format);
        ImageCanvas canvas(view);
        canvas.isBand = true;
        canvas.ShareTexts(store, batch);
        CopyStateTo(canvas);
        canvas.SetDeviceClip(clip);
        job(canvas);
    };
    std::vector<double> rows;
    if (work) {
        // Measured in pieces at once, each on rows of its own.
        std::vector<std::vector<double>> shares(std::size_t(count), std::vector<double>(std::size_t(area->Height())));
        std::vector<TextTable> batches(shares.size());
        BandWorkers::Run(count, [&](int piece) {
            onOwnCanvas(
                *area, [&](Canvas& canvas) { work.measure(canvas, *area, shares[std::size_t(piece)], {piece, count}); },
                &batches[std::size_t(piece)]);
        });
        for (TextTable& batch : batches)
            store.Take(std::move(batch));
        rows.assign(std::size_t(area->Height()), 0.0);
        for (const std::vector<double>& share : shares)
            for (std::size_t y = 0; y < rows.size(); ++y)
                rows[y] += share[y];
    }
    const std::vector<int> edges = BandEdges(*area, count, kMinBandRows, rows);
    // Each piece sorts its share by the bands that draw it, where the work can.
    if (work && work.sort)
        BandWorkers::Run(count, [&](int piece) { work.sort(edges, {piece, count}); });
    std::vector<TRect> bands;
    for (int i = 0; i < count; ++i)
        bands.push_back({area->left, edges[std::size_t(i)], area->right, edges[std::size_t(i) + 1]});
    BandWorkers::Run(count, [&](int band) { onOwnCanvas(bands[std::size_t(band)], paint, nullptr); });
}

std::unique_ptr<TCanvasPicture> ImageCanvas::DrawPicture(const TRect& device, const std::function<void(Canvas&)>& paint,
                                                         const TRowWork& work,
                                                         const std::function<void(Canvas&)>& coverOnly,
                                                         const TRowWork& coverWork)
{
    if (!IsActive() || !HasWholePixels(image) || device.IsEmpty())
        return nullptr;
    Flush();
    auto picture = std::make_unique<ImagePicture>(device);
    if (picture->image.isNull())
        return nullptr;
    picture->image.fill(Qt::transparent);
    auto draw = [&](const std::function<void(Canvas&)>& figures, const TRowWork& figuresWork) {
        ImageCanvas canvas(picture->image);
        CopyStateTo(canvas);
        TMapping moved = Mapping();
        if (moved.identity)
            moved = TMapping::Isotropic({0, 0}, {1, 1}, {0, 0}, {1, 1});
        moved.viewportOrg.x -= device.left;
        moved.viewportOrg.y -= device.top;
        canvas.SetMapping(moved);
        canvas.PaintInBands(figures, figuresWork);
    };
    if (coverOnly) {
        // What it draws is covered, not shown: each band gives every such pixel of its own the
        // one value that says so, once it has drawn. The pixels are taken here, once: a band
        // touches no member of the image, whose taking of its pixels may copy them.
        uchar* const pixels = picture->image.bits();
        const qsizetype rowBytes = picture->image.bytesPerLine();
        draw(
            [&](Canvas& band) {
                coverOnly(band);
                band.Flush();
                const std::optional<TRect> rows = band.PaintableArea();
                for (int y = rows ? rows->top : 0; rows && y < rows->bottom; ++y) {
                    auto* row = reinterpret_cast<QRgb*>(pixels + qsizetype(y) * rowBytes);
                    for (int x = rows->left; x < rows->right; ++x)
                        row[x] = row[x] != 0 ? kCoveredOnly : 0;
                }
            },
            coverWork);
    }
    draw(paint, work);
    return picture;
}

void ImageCanvas::PutPicture(const TCanvasPicture& picture, TPoint offset, std::optional<TColor> solid)
{
    const auto* kept = dynamic_cast<const ImagePicture*>(&picture);
    const std::optional<TRect> area = PaintableArea();
    if (!kept || !area || !IsActive() || !HasWholePixels(image))
        return;
    Flush();
    const TRect& from = picture.Device();
    const TRect placed =
        TRect{from.left + offset.x, from.top + offset.y, from.right + offset.x, from.bottom + offset.y}.Intersect(*area);
    if (placed.IsEmpty())
        return;
    const QRgb fill = solid ? (0xFF000000u | qRgb(RedOf(*solid), GreenOf(*solid), BlueOf(*solid))) : 0;
    const QImage& source = kept->image;
    const int width = placed.Width();
    for (int y = placed.top; y < placed.bottom; ++y) {
        const auto* in = reinterpret_cast<const QRgb*>(source.constScanLine(y - offset.y - from.top)) +
                         (placed.left - offset.x - from.left);
        auto* out = reinterpret_cast<QRgb*>(image.scanLine(y)) + placed.left;
        if (solid)
            PutRow(in, out, width, [](QRgb pixel) { return pixel != 0; }, [fill](QRgb) { return fill; });
        else
            PutRow(in, out, width, [](QRgb pixel) { return qAlpha(pixel) != 0; },
                   [](QRgb pixel) { return pixel | 0xFF000000u; });
    }
}

std::int64_t ImageCanvas::PicturePixels()
{
    return picturePixels;
}
