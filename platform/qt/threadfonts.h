#pragma once
// The fonts one thread paints texts with, made once for the thread and kept for its life: every
// canvas the thread paints on (each band of each repaint) finds them made. Fonts are made whole
// (never from a default font, whose making takes the application font under a lock every painting
// thread shares) and never lent to another thread.
#include "platform/geometry.h"

#include <QFont>
#include <QFontMetricsF>
#include <QGlyphRun>
#include <QRawFont>

#include <memory>
#include <string>
#include <vector>

class QPaintDevice;

// Metrics of one face and weight, measured once at a large size without hinting so that the
// logical metrics do not depend on the zoom.
struct FaceMetrics {
    std::string face;
    int weight = 0;
    QFont font;
    QFontMetricsF metrics;
    double cellPerEm = 1.0;  // (ascent + descent) / em
};

// A font at one device pixel size and resolution, as the painter draws it.
struct DeviceFont {
    std::string face;
    int weight = 0;
    int pixelSize = 0;
    TPoint dpi;
    unsigned lastUse = 0;
    QFont font;
    QFontMetricsF metrics;
    // The metrics' ascent, descent and widest advance, asked once: each asking looks the font
    // up under a lock all threads share.
    double ascent = 0;
    double descent = 0;
    double maxWidth = 0;
    // The font's glyphs, as a layout on this thread draws them (made when first asked), and a
    // run of them that draws a stored text's glyphs.
    const QRawFont& Raw(QPaintDevice* device);
    QGlyphRun run{};
    bool rawMade = false;
    QRawFont raw{};
};

class ThreadFonts {
public:
    static constexpr std::size_t kDeviceFonts = 32;
    static constexpr int kReferencePixels = 256;

    // The calling thread's fonts.
    static ThreadFonts& Mine();

    const FaceMetrics& Face(const std::string& face, int weight);
    // The font of `face` at `pixelSize` for `device`, of resolution `dpi`; the reference holds
    // until kDeviceFonts others have been asked for.
    DeviceFont& Device(const FaceMetrics& face, int pixelSize, TPoint dpi, QPaintDevice* device);

private:
    std::vector<std::unique_ptr<FaceMetrics>> faces;
    const FaceMetrics* lastFace = nullptr;
    std::vector<std::unique_ptr<DeviceFont>> deviceFonts;  // the least recently used goes first
    unsigned use = 0;
};
