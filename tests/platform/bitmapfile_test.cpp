#include <gtest/gtest.h>

#include <QImage>

#include <cstdint>

#include "platform/qt/bitmapfile.h"
#include "platform/qt/imagecanvas.h"
#include "tests/platform/pixelhelpers.h"

namespace {
std::uint32_t Le32(const std::string& b, std::size_t at)
{
    return std::uint32_t(std::uint8_t(b[at])) | std::uint32_t(std::uint8_t(b[at + 1])) << 8 |
           std::uint32_t(std::uint8_t(b[at + 2])) << 16 | std::uint32_t(std::uint8_t(b[at + 3])) << 24;
}
std::uint16_t Le16(const std::string& b, std::size_t at)
{
    return std::uint16_t(std::uint8_t(b[at]) | std::uint8_t(b[at + 1]) << 8);
}
}  // namespace

TEST(BitmapFile, WritesTwentyFourBitsPerPixel)
{
    QImage image = PlainImage(37, 20, 0xFFFFFF);  // a width whose rows need padding
    {
        ImageCanvas dc(image);
        dc.FillDeviceRect({0, 19, 1, 20}, MakeColour(0x10, 0x20, 0x30));  // bottom-left pixel
        dc.FillDeviceRect({36, 0, 37, 1}, MakeColour(0xA0, 0xB0, 0xC0));  // top-right pixel
    }
    const std::optional<std::string> encoded = EncodeBitmap24(image);
    ASSERT_TRUE(encoded);
    const std::string& bmp = *encoded;
    ASSERT_GE(bmp.size(), 54u);
    EXPECT_EQ(bmp.substr(0, 2), "BM");
    EXPECT_EQ(Le32(bmp, 2), bmp.size());
    EXPECT_EQ(Le32(bmp, 14), 40u);       // BITMAPINFOHEADER
    EXPECT_EQ(Le32(bmp, 18), 37u);
    EXPECT_EQ(Le32(bmp, 22), 20u);       // positive: bottom-up rows
    EXPECT_EQ(Le16(bmp, 26), 1);
    EXPECT_EQ(Le16(bmp, 28), 24);        // bits per pixel
    EXPECT_EQ(Le32(bmp, 30), 0u);        // no compression
    std::uint32_t offset = Le32(bmp, 10);
    std::size_t stride = (37 * 3 + 3) / 4 * 4;
    ASSERT_EQ(bmp.size(), offset + stride * 20);
    // First stored row is the bottom one; pixels are blue, green, red.
    EXPECT_EQ(std::uint8_t(bmp[offset]), 0x30);
    EXPECT_EQ(std::uint8_t(bmp[offset + 1]), 0x20);
    EXPECT_EQ(std::uint8_t(bmp[offset + 2]), 0x10);
    std::size_t topRight = offset + stride * 19 + 36 * 3;
    EXPECT_EQ(std::uint8_t(bmp[topRight]), 0xC0);
    EXPECT_EQ(std::uint8_t(bmp[topRight + 2]), 0xA0);

    // And it reads back as the same picture.
    QImage back;
    ASSERT_TRUE(back.loadFromData(reinterpret_cast<const uchar*>(bmp.data()), int(bmp.size()), "BMP"));
    EXPECT_TRUE(SamePixels(back.convertToFormat(QImage::Format_RGB32), image));
}

TEST(BitmapFile, AnEmptyImageGivesNoFile)
{
    EXPECT_FALSE(EncodeBitmap24(QImage()));
}
