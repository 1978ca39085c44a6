#include "platform/qt/imagecanvas.h"

#include <QImage>

ImageCanvas::ImageCanvas(QImage& image) : QtCanvas(image, false) {}

ImageCanvas::~ImageCanvas()
{
    Finish();
}
