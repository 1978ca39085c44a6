#pragma once
// The backing image of a drawing window and the area of it waiting to be repainted from the
// drawing file. The Qt drawing window and the headless one keep their picture in it, so that both
// repaint alike.
#include "platform/geometry.h"

#include <QImage>

#include <string>

class TChild;

class WindowImage {
public:
    // A blank image in the background colour.
    WindowImage(int width, int height);

    QImage& Image() { return image; }
    const QImage& Image() const { return image; }
    // Left 0, top 0, right = width, bottom = height.
    TRect ClientRect() const { return {0, 0, image.width(), image.height()}; }

    // Starts again blank at another size, with nothing waiting.
    void Resize(int width, int height);

    // Marks an area (as far as it lies in the image) to be repainted.
    void Invalidate(const TRect& area);
    const TRect& Dirty() const { return dirty; }
    // Repaints the waiting area from the drawing file and returns it; empty when nothing waited.
    TRect Repaint(TChild& child);

    // Saves the image as a 24-bit BMP file, replacing the file whole. False (with the reason) when
    // it cannot be written.
    bool Save(const std::string& path, std::string* reason) const;

private:
    QImage image;
    TRect dirty;
};
