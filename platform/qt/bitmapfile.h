#pragma once
// Writing an image as a Windows bitmap file with 24 bits per pixel.
#include <string>

class QImage;

// Writes the image to path as an uncompressed 24-bit .BMP; false when it cannot be written.
bool SaveBitmap24(const QImage& image, const std::string& path);
