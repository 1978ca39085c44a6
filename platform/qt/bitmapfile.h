#pragma once
// Writing an image as a Windows bitmap file with 24 bits per pixel.
#include <optional>
#include <string>

class QImage;

// The bytes of the image as an uncompressed 24-bit .BMP file; nothing for an empty image.
std::optional<std::string> EncodeBitmap24(const QImage& image);
