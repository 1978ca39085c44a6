// A repaint of the drawing window as the user gets it: TChild::Paint empties the object list, reads
// the drawing file of 20,000 objects over three floors and paints the floor in view into the
// window's backing image (1000 x 700 pixels).
#include <benchmark/benchmark.h>

#include "app/child.h"
#include "app/client.h"
#include "app/qt/headlessframe.h"
#include "app/qt/headlesswindow.h"
#include "model/drawingstate.h"
#include "model/extwallobj.h"
#include "model/infoobj.h"
#include "model/lineobj.h"
#include "model/list.h"
#include "model/programdirectory.h"
#include "model/rectangleobj.h"
#include "model/textobj.h"
#include "tests/support/tempdir.h"

#include <QImage>

#include <memory>
#include <stdexcept>

namespace {

constexpr int OBJECT_COUNT = 20000;

// A drawing window on an opened drawing: walls, lines, rectangles and texts scattered over the
// middle of the sheet on floors 50 to 52.
struct OpenDrawing {
    OpenDrawing()
    {
        if (!PrepareProgramDirectory(dir.prefix()))
            throw std::runtime_error("cannot prepare the program directory");
        TDrawingState& state = fresh.state();
        state.programDirectory = dir.prefix();
        state.drawingName = "BENCH";
        for (int floorCode = 50; floorCode <= 53; ++floorCode) {
            auto record = std::make_unique<TInfoobj>(floorCode + 31950);
            record->floor = floorCode;
            state.objects.Add(std::move(record));
        }
        unsigned seed = 7;
        auto next = [&seed](int range) {
            seed = seed * 1103515245u + 12345u;
            return int((seed >> 8) % unsigned(range));
        };
        for (int i = 4; i < OBJECT_COUNT; ++i) {
            const int x = 25000 + next(20000);
            const int y = 15000 + next(14000);
            std::unique_ptr<TObject> object;
            switch (i % 8) {
            case 0: {
                auto wall = std::make_unique<TExtwallobj>();
                wall->x2 = x + 4000;
                wall->y2 = y;
                wall->spacing1 = 300;
                wall->angle = 900;
                wall->wallLines = {x, y - 300, x + 4000, y - 300};
                object = std::move(wall);
                break;
            }
            case 1: {
                auto rectangle = std::make_unique<TRectangleobj>();
                rectangle->x2 = x + 1500;
                rectangle->y2 = y - 1000;
                object = std::move(rectangle);
                break;
            }
            case 2: {
                auto text = std::make_unique<TTextobj>(4);
                text->text = "ROOM " + std::to_string(i);
                text->textLength = int(text->text.size());
                text->faceName = "Arial";
                text->faceLength = 5;
                text->alignment = 1;
                text->fontWeight = 400;
                text->fontHeight = 10;
                object = std::move(text);
                break;
            }
            default: {
                auto line = std::make_unique<TLineobj>();
                line->x2 = x + next(3000);
                line->y2 = y + next(3000);
                object = std::move(line);
                break;
            }
            }
            object->floor = 50 + i % 3;
            object->x1 = x;
            object->y1 = y;
            state.objects.Add(std::move(object));
        }
        if (!state.objects.WriteDrawing())
            throw std::runtime_error("cannot write the drawing");
        client = std::make_unique<TClient>(frame);
        if (!client->OpenDrawing("BENCH"))
            throw std::runtime_error("cannot open the drawing");
    }
    ~OpenDrawing() { client.reset(); }

    TChild& Child() { return *client->ActiveChild(); }

    TempDir dir;
    FreshDrawingState fresh;
    HeadlessFrame frame;
    std::unique_ptr<TClient> client;
};

// Pixels of the backing image that are not background.
int DrawnPixels(OpenDrawing& drawing)
{
    const QImage& image = static_cast<HeadlessWindow&>(drawing.Child().Host()).BackingImage();
    int drawn = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != qRgb(255, 255, 255))
                ++drawn;
    return drawn;
}

OpenDrawing& Drawing()
{
    static OpenDrawing drawing;
    return drawing;
}

// The whole sheet in view: every object of the floor is drawn.
void BM_ChildPaintWholeSheet20000(benchmark::State& state)
{
    OpenDrawing& drawing = Drawing();
    TDrawingState& s = drawing.fresh.state();
    s.viewOrgX = 0;
    s.viewOrgY = 0;
    s.viewExtX = s.sheetWidth;
    s.viewExtY = s.sheetHeight;
    drawing.Child().Refresh(9);
    if (DrawnPixels(drawing) < 10000)
        state.SkipWithError("the floor was not painted");
    for (auto _ : state) {
        drawing.Child().Refresh(9);
        if (s.objects.count() != OBJECT_COUNT)
            state.SkipWithError("the drawing did not read back");
    }
}
BENCHMARK(BM_ChildPaintWholeSheet20000)->Unit(benchmark::kMillisecond);

// Normal size, scrolled to the middle of the sheet: most objects fall outside the window.
void BM_ChildPaintNormalSize20000(benchmark::State& state)
{
    OpenDrawing& drawing = Drawing();
    TDrawingState& s = drawing.fresh.state();
    drawing.Child().NormalSize();
    drawing.Child().ScrollTo(6000, 3500);
    for (auto _ : state) {
        drawing.Child().Refresh(9);
        if (s.objects.count() != OBJECT_COUNT)
            state.SkipWithError("the drawing did not read back");
    }
}
BENCHMARK(BM_ChildPaintNormalSize20000)->Unit(benchmark::kMillisecond);

}  // namespace
