#include "platform/qt/bitmapfile.h"

#include <QImage>
#include <QImageWriter>
#include <QString>

bool SaveBitmap24(const QImage& image, const std::string& path)
{
    if (image.isNull())
        return false;
    // Qt's BMP writer stores three bytes per pixel for images without alpha.
    QImage rgb = image.convertToFormat(QImage::Format_RGB888);
    QImageWriter writer(QString::fromStdString(path), "BMP");
    return writer.write(rgb);
}
