// A floor printed to a PDF file through the frame's printer, rendered at 1200 dots per inch with
// pdftoppm (poppler-utils) and measured: the chosen scale, corrected by the calibration, within
// one printer dot.
#include "app/client.h"
#include "app/hdprintout.h"
#include "app/qt/aapp.h"
#include "model/extwallobj.h"
#include "model/infoobj.h"
#include "tests/app/appfixture.h"

#include <QApplication>
#include <QImage>
#include <QMessageBox>
#include <QPageLayout>
#include <QPrinter>
#include <QProcess>
#include <QStandardPaths>
#include <QTimer>

#include <cmath>
#include <functional>

namespace {

constexpr int PRINTER_DPI = 1200;  // a PDF printer's resolution
constexpr double MILLIMETRES_PER_INCH = 25.4;

// How dark a grey pixel is: 0 white, 1 black.
double Darkness(const QImage& image, int x, int y)
{
    return (255 - qGray(image.pixel(x, y))) / 255.0;
}

class PdfPrintTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (QStandardPaths::findExecutable("pdftoppm").isEmpty())
            GTEST_SKIP() << "pdftoppm (poppler-utils, laid in by scripts/setup.sh) is not installed";
        ASSERT_TRUE(PrepareProgramDirectory(dir.prefix()));
        State().programDirectory = dir.prefix();
        frame = std::make_unique<TAApp>();
        QPrinter& printer = frame->Printer();
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setPageSize(QPageSize(QPageSize::A4));
        printer.setPageOrientation(QPageLayout::Portrait);
        WriteWallDrawing();
        frame->resize(1000, 800);
        frame->Start();
        ASSERT_TRUE(frame->Client().OpenDrawing("WALL"));
    }
    void TearDown() override { frame.reset(); }

    // A metric drawing with one external wall, 10 m along x with its wall line 300 mm below.
    void WriteWallDrawing()
    {
        FreshDrawingState writer;
        writer.state().programDirectory = dir.prefix();
        writer.state().drawingName = "WALL";
        writer.state().unitSystem = 1;
        for (int floor = 50; floor <= 53; ++floor) {
            auto* record = new TInfoobj(31950 + floor);
            record->floor = floor;
            writer.state().objects.Add(record);
        }
        auto* wall = new TExtwallobj;
        wall->floor = 50;
        wall->ownerId = 1;
        wall->groupId = 10000;
        wall->penWidth = 1;
        wall->x1 = 25000;
        wall->y1 = 21000;
        wall->x2 = 35000;
        wall->y2 = 21000;
        wall->spacing1 = 300;
        wall->angle = 900;
        wall->wallFlag = 1;
        wall->wallLines = {25000, 20700, 35000, 20700};
        writer.state().objects.Add(wall);
        ASSERT_TRUE(writer.state().objects.WriteDrawing());
    }

    // The PDF's first page rendered as grey pixels at `dpi`, of the area `crop` (dots at that
    // resolution; the whole page when null).
    QImage Render(const std::string& pdf, int dpi, const QRect& crop = {})
    {
        const QString stem = QString::fromStdString(dir.prefix() + "page" + std::to_string(dpi));
        QStringList arguments{"-r", QString::number(dpi), "-gray", "-singlefile", "-f", "1", "-l", "1"};
        if (!crop.isNull())
            arguments << "-x" << QString::number(crop.x()) << "-y" << QString::number(crop.y()) << "-W"
                      << QString::number(crop.width()) << "-H" << QString::number(crop.height());
        arguments << QString::fromStdString(pdf) << stem;
        EXPECT_EQ(QProcess::execute("pdftoppm", arguments), 0);
        return QImage(stem + ".pgm");
    }

    // The printed length of the wall's outer face, in printer dots: the dark run along the line's
    // middle row less the line's thickness (its round ends stand half a thickness beyond each end).
    // Partly covered pixels count by their darkness, so the measure is finer than a dot.
    double WallLength(const std::string& pdf)
    {
        // Where the ink is, found on a coarse rendering.
        const int coarse = 50;
        const QImage page = Render(pdf, coarse);
        EXPECT_FALSE(page.isNull());
        QRect ink;
        for (int y = 0; y < page.height(); ++y)
            for (int x = 0; x < page.width(); ++x)
                if (Darkness(page, x, y) > 0.2)
                    ink |= QRect(x, y, 1, 1);
        EXPECT_FALSE(ink.isNull());
        const int factor = PRINTER_DPI / coarse;
        const QRect area(ink.x() * factor - 2 * factor, ink.y() * factor - 2 * factor,
                         (ink.width() + 4) * factor, (ink.height() + 4) * factor);
        const QImage fine = Render(pdf, PRINTER_DPI, area);
        EXPECT_FALSE(fine.isNull());

        // Down the middle column to the first line, the outer face: its thickness and middle row.
        const int column = fine.width() / 2;
        int top = 0;
        while (top < fine.height() && Darkness(fine, column, top) < 0.5)
            ++top;
        int first = top;
        while (first > 0 && Darkness(fine, column, first - 1) > 0.01)
            --first;
        int last = top;
        while (last + 1 < fine.height() && Darkness(fine, column, last + 1) > 0.01)
            ++last;
        double thickness = 0.0;
        for (int y = first; y <= last; ++y)
            thickness += Darkness(fine, column, y);
        const int row = (first + last) / 2;
        // Along that row, the whole dark run through the middle column.
        int left = column;
        while (left > 0 && Darkness(fine, left - 1, row) > 0.01)
            --left;
        int right = column;
        while (right + 1 < fine.width() && Darkness(fine, right + 1, row) > 0.01)
            ++right;
        double run = 0.0;
        for (int x = left; x <= right; ++x)
            run += Darkness(fine, x, row);
        EXPECT_GT(thickness, 1.0);
        return run - thickness;
    }

    std::string PdfPath() const { return dir.prefix() + "DWGS/WALL.PDF"; }
    static double Dots(double paperMillimetres) { return paperMillimetres / MILLIMETRES_PER_INCH * PRINTER_DPI; }

    TempDir dir;
    FreshDrawingState fresh;
    std::unique_ptr<TAApp> frame;
};

}  // namespace

TEST_F(PdfPrintTest, ATenMetreWallAtOneToAHundredIsAHundredMillimetresLong)
{
    EXPECT_EQ(frame->Client().PrintFloors(2, false, {{1, 100, 50}}), 1);
    ASSERT_TRUE(std::filesystem::exists(PdfPath()));
    EXPECT_EQ(frame->Client().Prompt(), "The plans are printed to " + PdfPath());
    EXPECT_NEAR(WallLength(PdfPath()), Dots(100.0), 1.0);
}

TEST_F(PdfPrintTest, AMeasuredShortTestLengthPrintsOnePercentLonger)
{
    // 14850 mm measured where 15000 mm was printed: the correction is 1.01.
    WriteWholeFile(dir.path() / "CFG" / "PRNTCALM.CFG", "14850 1.010000");
    EXPECT_EQ(frame->Client().PrintFloors(2, false, {{1, 100, 50}}), 1);
    EXPECT_NEAR(WallLength(PdfPath()), Dots(101.0), 1.0);
    // At 1:50 twice as long.
    EXPECT_EQ(frame->Client().PrintFloors(1, false, {{1, 50, 50}}), 1);
    EXPECT_NEAR(WallLength(PdfPath()), Dots(202.0), 1.0);
}

// A folder, a pipe or a link to nothing at the PDF file's name: printing says why, at once, and
// leaves what is there as it was (nothing is made at the link's target).
TEST_F(PdfPrintTest, APdfFileThatCannotBeWrittenIsToldByNameWithTheReason)
{
    namespace fs = std::filesystem;
    struct Case {
        const char* what;
        std::function<void()> make;
        const char* reason;
    };
    const fs::path nowhere = dir.path() / "NOWHERE.PDF";
    const Case cases[] = {
        {"folder", [&] { fs::create_directory(PdfPath()); }, "Is a directory"},
        {"pipe", [&] { MakePipe(PdfPath()); }, "it is not a regular file"},
        {"link to nothing", [&] { fs::create_symlink(nowhere, PdfPath()); }, "it is a link to a missing file"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        fs::remove(PdfPath());
        c.make();
        const fs::file_type before = fs::symlink_status(PdfPath()).type();
        std::string told;
        QTimer::singleShot(0, frame.get(), [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            ASSERT_NE(box, nullptr);
            told = box->text().toStdString();
            box->accept();
        });
        int pages = -1;
        EXPECT_TRUE(ReturnsPromptly([&] { pages = frame->Client().PrintFloors(2, false, {{1, 100, 50}}); }));
        EXPECT_EQ(pages, 0);
        EXPECT_EQ(told, "The PDF file " + PdfPath() + " could not be written: " + c.reason);
        EXPECT_EQ(fs::symlink_status(PdfPath()).type(), before);
        EXPECT_FALSE(fs::exists(nowhere));
    }

    // Printing to the file works again once it is a file; the printer keeps the file's own name.
    fs::remove(PdfPath());
    EXPECT_EQ(frame->Client().PrintFloors(2, false, {{1, 100, 50}}), 1);
    EXPECT_TRUE(fs::is_regular_file(PdfPath()));
    EXPECT_EQ(frame->Printer().outputFileName().toStdString(), PdfPath());
}
