#include <gtest/gtest.h>

#include <QImage>
#include <QPrinter>

#include "platform/qt/printercanvas.h"
#include "tests/platform/pixelhelpers.h"
#include "tests/support/tempdir.h"

TEST(PrinterCanvas, PrintsToAPdfFile)
{
    TempDir dir;
    std::filesystem::path file = dir.path() / "plan.pdf";
    {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(QString::fromStdString(file.string()));
        PrinterCanvas dc(printer);
        ASSERT_TRUE(dc.IsActive());
        EXPECT_TRUE(dc.IsPrinter());
        TPoint size = dc.DeviceSize();
        TPoint dpi = dc.DeviceResolution();
        EXPECT_GT(dpi.x, 299);
        EXPECT_GT(size.x, 5 * dpi.x);   // a printable width of more than five inches
        EXPECT_GT(size.y, size.x);      // portrait
        dc.SetMapping(TMapping::Isotropic({0, 0}, {20000, 30000}, {0, size.y}, {size.x, -size.y}));
        dc.SetROP2(RasterOp::Xor);      // drawn as copy on paper
        dc.SelectPen({0, 2, PS_SOLID});
        dc.MoveTo(1000, 1000);
        dc.LineTo(19000, 1000);
        dc.LineTo(19000, 29000);
        dc.SelectBrush({BrushKind::Hatched, 0x0000FF, HS_DIAGCROSS});
        dc.Polygon({{2000, 2000}, {8000, 2000}, {8000, 6000}});
        dc.Arc(2000, 8000, 8000, 12000, 8000, 10000, 2000, 10000);
        dc.SelectFont({"Arial", 500, 2700, 700});
        dc.TextOut(10000, 10000, "GROUND FLOOR");
        EXPECT_TRUE(dc.NewPage());
        dc.RoundRect(1000, 1000, 5000, 5000, 400, 400);
    }
    std::string pdf = ReadWholeFile(file);
    ASSERT_GT(pdf.size(), 1000u);
    EXPECT_EQ(pdf.substr(0, 5), "%PDF-");
    EXPECT_NE(pdf.find("%%EOF"), std::string::npos);
    EXPECT_NE(pdf.find("/Count 2"), std::string::npos);  // two pages
}

namespace {
// The printer's drawing rules on an image, so their pixels can be checked.
class PrinterRulesCanvas : public QtCanvas {
public:
    explicit PrinterRulesCanvas(QImage& image) : QtCanvas(image, true) {}
};
}  // namespace

TEST(PrinterCanvas, EveryRasterOpDrawsAsCopy)
{
    QImage image = PlainImage(100, 100, 0x808080);
    {
        PrinterRulesCanvas dc(image);
        EXPECT_TRUE(dc.IsPrinter());
        dc.SelectPen({MakeColour(255, 0, 0), 1, PS_SOLID});
        dc.SetROP2(RasterOp::Xor);
        dc.MoveTo(10, 10);
        dc.LineTo(90, 10);
        dc.SetROP2(RasterOp::NotXor);
        dc.MoveTo(10, 20);
        dc.LineTo(90, 20);
        dc.MoveTo(10, 20);
        dc.LineTo(90, 20);  // drawn twice: still there
    }
    EXPECT_EQ(image.pixel(50, 10) & 0xFFFFFF, 0xFF0000u);
    EXPECT_EQ(image.pixel(50, 20) & 0xFFFFFF, 0xFF0000u);
}
