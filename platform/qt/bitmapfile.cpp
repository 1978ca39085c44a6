#include "platform/qt/bitmapfile.h"

#include <QBuffer>
#include <QByteArray>
#include <QImage>
#include <QImageWriter>
#include <QString>

std::optional<std::string> EncodeBitmap24(const QImage& image)
{
    if (image.isNull())
        return std::nullopt;
    // Qt's BMP writer stores three bytes per pixel for images without alpha.
    QImage rgb = image.convertToFormat(QImage::Format_RGB888);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "BMP");
    if (!writer.write(rgb))
        return std::nullopt;
    return std::string(bytes.constData(), std::size_t(bytes.size()));
}
