#pragma once
// Canvas on a QImage: the drawing window's backing image and the bitmap export. Use an image of
// QImage::Format_RGB32, on which exclusive-or drawing is exact.
#include "platform/qt/qtcanvas.h"

class QImage;

class ImageCanvas : public QtCanvas {
public:
    explicit ImageCanvas(QImage& image);
    ~ImageCanvas() override;
};
