#pragma once
// Helpers for pixel tests on the Qt canvas.
#include "platform/canvas.h"

#include <QImage>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>

// The y-up view mapping the drawing window uses: window origin and extent onto a client area.
inline TMapping ClientMapping(int width, int height, TPoint org, TPoint ext)
{
    return TMapping::Isotropic(org, ext, {0, height}, {width, -height});
}

// An RGB32 image filled with a fixed pseudo-random pattern, so any change shows.
inline QImage PatternImage(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        auto* line = reinterpret_cast<std::uint32_t*>(image.scanLine(y));
        for (int x = 0; x < width; ++x) {
            std::uint32_t h = std::uint32_t(x) * 2654435761u ^ std::uint32_t(y) * 40503u;
            h ^= h >> 13;
            line[x] = 0xFF000000u | (h * 2246822519u >> 8);
        }
    }
    return image;
}

inline QImage PlainImage(int width, int height, std::uint32_t rgb)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(0xFF000000u | rgb);
    return image;
}

inline bool SamePixels(const QImage& a, const QImage& b)
{
    if (a.size() != b.size())
        return false;
    if (a.format() == QImage::Format_RGB32 && b.format() == QImage::Format_RGB32) {
        for (int y = 0; y < a.height(); ++y)
            if (std::memcmp(a.constScanLine(y), b.constScanLine(y), std::size_t(a.width()) * 4) != 0)
                return false;
        return true;
    }
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            if (a.pixel(x, y) != b.pixel(x, y))
                return false;
    return true;
}

inline int CountDifferent(const QImage& a, const QImage& b)
{
    int n = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            n += a.pixel(x, y) != b.pixel(x, y) ? 1 : 0;
    return n;
}

// The largest difference of any colour channel of any pixel.
inline int MaxChannelDifference(const QImage& a, const QImage& b)
{
    int most = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            most = std::max({most, std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)),
                             std::abs(qBlue(p) - qBlue(q))});
        }
    return most;
}

// The bounding box of the pixels that differ from the background colour; empty when none do.
inline TRect InkBox(const QImage& image, std::uint32_t background)
{
    TRect box{image.width(), image.height(), -1, -1};
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if ((image.pixel(x, y) & 0xFFFFFFu) != (background & 0xFFFFFFu)) {
                box.left = std::min(box.left, x);
                box.top = std::min(box.top, y);
                box.right = std::max(box.right, x);
                box.bottom = std::max(box.bottom, y);
            }
    return box.right < 0 ? TRect{} : box;
}

inline bool IsInk(const QImage& image, int x, int y, std::uint32_t background)
{
    return (image.pixel(x, y) & 0xFFFFFFu) != (background & 0xFFFFFFu);
}

inline int CountInk(const QImage& image, const TRect& area, std::uint32_t background)
{
    int n = 0;
    for (int y = std::max(0, area.top); y <= std::min(image.height() - 1, area.bottom); ++y)
        for (int x = std::max(0, area.left); x <= std::min(image.width() - 1, area.right); ++x)
            n += IsInk(image, x, y, background) ? 1 : 0;
    return n;
}
