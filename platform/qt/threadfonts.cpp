#include "platform/qt/threadfonts.h"

#include "platform/qt/programtext.h"
#include "platform/qt/threadowned.h"

#include <utility>

const QRawFont& DeviceFont::Raw(QPaintDevice* device)
{
    if (!rawMade) {
        rawMade = true;
        raw = QRawFont::fromFont(device ? QFont(font, device) : font);
        run.setRawFont(raw);
    }
    return raw;
}

ThreadFonts& ThreadFonts::Mine()
{
    return ThreadOwned<ThreadFonts>::Get();
}

const FaceMetrics& ThreadFonts::Face(const std::string& face, int weight)
{
    if (lastFace && lastFace->weight == weight && lastFace->face == face)
        return *lastFace;
    for (const std::unique_ptr<FaceMetrics>& f : faces) {
        if (f->weight == weight && f->face == face) {
            lastFace = f.get();
            return *f;
        }
    }
    QFont font(ToQString(face));
    font.setPixelSize(kReferencePixels);
    font.setWeight(QFont::Weight(weight));
    font.setHintingPreference(QFont::PreferNoHinting);
    auto made = std::make_unique<FaceMetrics>(FaceMetrics{face, weight, font, QFontMetricsF(font)});
    const double cell = made->metrics.ascent() + made->metrics.descent();
    made->cellPerEm = cell > 0 ? cell / kReferencePixels : 1.0;
    faces.push_back(std::move(made));
    lastFace = faces.back().get();
    return *lastFace;
}

DeviceFont& ThreadFonts::Device(const FaceMetrics& face, int pixelSize, TPoint dpi, QPaintDevice* device)
{
    ++use;
    DeviceFont* oldest = nullptr;
    for (const std::unique_ptr<DeviceFont>& f : deviceFonts) {
        if (f->pixelSize == pixelSize && f->weight == face.weight && f->dpi == dpi && f->face == face.face) {
            f->lastUse = use;
            return *f;
        }
        if (!oldest || f->lastUse < oldest->lastUse)
            oldest = f.get();
    }
    QFont font(ToQString(face.face));
    font.setPixelSize(pixelSize);
    font.setWeight(QFont::Weight(face.weight));
    font.setStyleStrategy(QFont::NoAntialias);
    auto made = std::make_unique<DeviceFont>(
        DeviceFont{face.face, face.weight, pixelSize, dpi, use, font, QFontMetricsF(font, device)});
    made->ascent = made->metrics.ascent();
    made->descent = made->metrics.descent();
    made->maxWidth = made->metrics.maxWidth();
    // The least recently used font makes room.
    if (deviceFonts.size() >= kDeviceFonts && oldest) {
        *oldest = std::move(*made);
        return *oldest;
    }
    deviceFonts.push_back(std::move(made));
    return *deviceFonts.back();
}
