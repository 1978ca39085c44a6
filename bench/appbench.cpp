// A repaint of the drawing window as the user gets it: TChild::Paint empties the object list, reads
// the drawing file of 20,000 objects over three floors and paints the floor in view into the
// window's backing image (1000 x 700 pixels).
#include <benchmark/benchmark.h>

#include "app/child.h"
#include "app/client.h"
#include "app/qt/headlessframe.h"
#include "app/qt/headlesswindow.h"
#include "model/drawingstate.h"
#include "model/list.h"
#include "model/programdirectory.h"
#include "bench/support/benchdrawing.h"
#include "tests/support/tempdir.h"

#include <QImage>

#include <memory>
#include <stdexcept>

namespace {

constexpr int OBJECT_COUNT = BENCH_OBJECT_COUNT;

// A drawing window on the benchmarks' shared drawing, opened as the user opens it.
struct OpenDrawing {
    OpenDrawing()
    {
        if (!PrepareProgramDirectory(dir.prefix()))
            throw std::runtime_error("cannot prepare the program directory");
        TDrawingState& state = fresh.state();
        state.programDirectory = dir.prefix();
        state.drawingName = "BENCH";
        WriteBenchDrawing(OBJECT_COUNT);
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
