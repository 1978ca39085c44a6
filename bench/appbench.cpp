// A repaint of the drawing window as the user gets it: TChild::Paint empties the object list, reads
// the drawing file of 20,000 objects over three floors and paints the floor in view into the
// window's backing image (1000 x 700 pixels), in bands at once: the times are wall-clock times.
#include <benchmark/benchmark.h>

#include "bench/support/benchdrawing.h"
#include "bench/support/benchwindow.h"
#include "model/drawingstate.h"
#include "model/list.h"

namespace {

constexpr int OBJECT_COUNT = BENCH_OBJECT_COUNT;

// A drawing window on the benchmarks' shared drawing.
BenchWindow& Drawing()
{
    static BenchWindow drawing("BENCH", [] { WriteBenchDrawing(OBJECT_COUNT); });
    return drawing;
}

// The whole sheet in view: every object of the floor is drawn.
void BM_ChildPaintWholeSheet20000(benchmark::State& state)
{
    BenchWindow& drawing = Drawing();
    TDrawingState& s = drawing.State();
    s.viewOrgX = 0;
    s.viewOrgY = 0;
    s.viewExtX = s.sheetWidth;
    s.viewExtY = s.sheetHeight;
    drawing.Child().Refresh(9);
    if (drawing.DrawnPixels() < 10000)
        state.SkipWithError("the floor was not painted");
    for (auto _ : state) {
        drawing.Child().Refresh(9);
        if (s.objects.count() != OBJECT_COUNT)
            state.SkipWithError("the drawing did not read back");
    }
}
BENCHMARK(BM_ChildPaintWholeSheet20000)->Unit(benchmark::kMillisecond)->UseRealTime();

// Normal size, scrolled to the middle of the sheet: most objects fall outside the window.
void BM_ChildPaintNormalSize20000(benchmark::State& state)
{
    BenchWindow& drawing = Drawing();
    TDrawingState& s = drawing.State();
    drawing.Child().NormalSize();
    drawing.Child().ScrollTo(6000, 3500);
    for (auto _ : state) {
        drawing.Child().Refresh(9);
        if (s.objects.count() != OBJECT_COUNT)
            state.SkipWithError("the drawing did not read back");
    }
}
BENCHMARK(BM_ChildPaintNormalSize20000)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
