// Repaint speed on large plans (the drawing of WritePlanDrawing, 20,000 and 200,000 objects) in a
// 1000 x 700 drawing window:
//  - PlainParse: the drawing file read and every number on it converted, nothing built: the least
//    any reader of the file does, the yardstick of Read;
//  - Read: the object list emptied and read back from the drawing file (TList::ReadDrawing);
//  - ReadPaintZoomed, ReadPaintQuarter, ReadPaintSheet: a repaint of the whole window as the user
//    gets it (the file read, the floor painted into the backing image in bands at once, on as
//    many threads as the process may use cores, up to 8), zoomed in six times so that about a
//    thirty-sixth of the sheet shows, zoomed in twice (a quarter of the sheet), and at the normal
//    view with the whole sheet and every object; the ...OneThread cases paint on the calling
//    thread alone;
//  - ReadPaintSheetTall: the normal view in a window 1000 x 1000, where the sheet fills the lower
//    700 rows and the rows above it show nothing;
//  - OpenPaint: File/Open of the drawing and the repaint that shows it;
//  - Commit: one edit committed (a line added or taken away and the drawing file rewritten);
//  - ReadPaintSheetManyNames, ReadPaintSheetFewNames (200,000 objects only): the whole sheet again,
//    on the same plan with its 20,000 texts all room names of ten letters, 19,512 different ones
//    (more than the laid-out text cache holds at first), and only four different ones.
//  - ReadPaintSheetShortNames, PaintSheetShortNames (200,000 objects only): ReadPaintSheet and
//    PaintSheet on the text-heavy plan, whose 20,000 texts are each a short name of its own, "R1"
//    to "R20000", spread over the sheet among its lines and arcs.
//  - PaintSheet, PaintSheetTall: the repaints of ReadPaintSheet and ReadPaintSheetTall from the
//    list as it is, as File/Open's own repaint paints (the file is not read): the bands alone.
// Each but PlainParse, Read and the ...OneThread cases runs with 2, 4 and 8 threads, a row for
// each (".../threads:4"): the bands of a paint and the pieces of a write use that many at once.
// Times are wall-clock times: the calling thread's processor time would leave the bands out. The
// repaints also count the processor time of the busiest thread (busiest_ms) and of all (cpu_ms)
// per repaint; for PaintSheet and PaintSheetTall the first is about what the repaint would take
// on cores of its own, however busy the machine is.
#include <benchmark/benchmark.h>

#include "bench/support/benchdrawing.h"
#include "bench/support/benchwindow.h"
#include "bench/support/plansizes.h"
#include "bench/support/threadcpu.h"
#include "model/drawingedit.h"
#include "model/drawingstate.h"
#include "model/lineobj.h"
#include "model/list.h"
#include "model/settingsfile.h"
#include "platform/qt/bandworkers.h"

#include <charconv>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

namespace {

const char* const DRAWING = "PLAN";

// A drawing window on the plan of `count` objects, its texts as `names` makes them.
struct PlanWindow : BenchWindow {
    PlanWindow(int count, PlanOptions names)
        : BenchWindow(DRAWING, [=] { WritePlanDrawing(count, names); }), count(count), names(names)
    {
    }

    // The view of the 12000 x 8400 sheet zoomed in `times` about its middle.
    void Zoom(int times)
    {
        TDrawingState& state = State();
        Child().NormalSize();
        if (times > 1) {
            state.viewExtX = 12000 / times;
            state.viewExtY = 8400 / times;
            state.viewOrgX = (12000 - state.viewExtX) / 2;
            state.viewOrgY = (8400 - state.viewExtY) / 2;
            Child().ApplyView();
        }
        Window().ProcessPending();
    }

    int count;
    PlanOptions names;
};

// One plan at a time: the benchmarks of one plan run one after the other.
PlanWindow& Plan(int count, PlanOptions names = {})
{
    static std::unique_ptr<PlanWindow> plan;
    if (!plan || plan->count != count || plan->names.roomNames != names.roomNames ||
        plan->names.shortNames != names.shortNames) {
        plan.reset();
        plan = std::make_unique<PlanWindow>(count, names);
    }
    return *plan;
}

void BM_PlainParse(benchmark::State& state)
{
    PlanWindow& plan = Plan(int(state.range(0)));
    const std::string path = plan.State().objects.DrawingPath();
    for (auto _ : state) {
        std::string text;
        if (!ReadTextFile(path, text))
            state.SkipWithError("the drawing file cannot be read");
        int64_t sum = 0;
        int numbers = 0;
        const char* p = text.data();
        const char* end = p + text.size();
        while (p < end) {
            if (*p == ' ' || *p == '\n') {
                ++p;
                continue;
            }
            int32_t value = 0;
            const auto [next, error] = std::from_chars(p, end, value);
            if (error == std::errc()) {
                sum += value;
                ++numbers;
                p = next;
            } else {
                ++p;
            }
        }
        benchmark::DoNotOptimize(sum);
        benchmark::DoNotOptimize(numbers);
    }
}

void BM_Read(benchmark::State& state)
{
    PlanWindow& plan = Plan(int(state.range(0)));
    TList& objects = plan.State().objects;
    for (auto _ : state) {
        const TLoadResult result = objects.ReadDrawing();
        if (!result.ok || objects.count() != plan.count)
            state.SkipWithError("the drawing did not read back");
    }
}

// Repaints of the whole window zoomed in `times` (1: the normal view, the whole sheet), painted in
// bands on at most `threads` threads (0: the benchmark's number of threads), of the plan whose
// texts `names` makes (by default the plan's own), in a window 1000 pixels wide and `height` high.
void ReadPaint(benchmark::State& state, int times, int threads = 0, PlanOptions names = {}, int height = 700,
               bool read = true)
{
    std::optional<BandWorkers::ScopedLimit> limit;
    std::optional<BenchThreads> rowThreads;
    if (threads > 0)
        limit.emplace(threads);
    else
        rowThreads.emplace(state);
    PlanWindow& plan = Plan(int(state.range(0)), names);
    plan.Window().Resize(1000, height);
    plan.Zoom(times);
    plan.Child().Refresh(9);
    if (plan.DrawnPixels() < 10000)
        state.SkipWithError("the floor was not painted");
    const ThreadCpu start;
    TList& objects = plan.State().objects;
    for (auto _ : state) {
        std::optional<TList::TRepaintFromList> fromList;
        if (!read)
            fromList.emplace(objects);
        plan.Child().Refresh(9);
        if (plan.State().objects.count() != plan.count)
            state.SkipWithError("the drawing did not read back");
    }
    const ThreadCpu end;
    if (state.iterations() > 0) {
        state.counters["busiest_ms"] = double(end.BusiestSince(start)) / 1e6 / double(state.iterations());
        state.counters["cpu_ms"] = double(end.TotalSince(start)) / 1e6 / double(state.iterations());
    }
    plan.Window().Resize(1000, 700);
}

void BM_ReadPaintZoomed(benchmark::State& state) { ReadPaint(state, 6); }
void BM_ReadPaintQuarter(benchmark::State& state) { ReadPaint(state, 2); }
void BM_ReadPaintSheet(benchmark::State& state) { ReadPaint(state, 1); }
void BM_ReadPaintZoomedOneThread(benchmark::State& state) { ReadPaint(state, 6, 1); }
void BM_ReadPaintSheetOneThread(benchmark::State& state) { ReadPaint(state, 1, 1); }
void BM_ReadPaintSheetTall(benchmark::State& state) { ReadPaint(state, 1, 0, {}, 1000); }
void BM_PaintSheet(benchmark::State& state) { ReadPaint(state, 1, 0, {}, 700, false); }
void BM_PaintSheetTall(benchmark::State& state) { ReadPaint(state, 1, 0, {}, 1000, false); }
void BM_ReadPaintSheetManyNames(benchmark::State& state) { ReadPaint(state, 1, 0, {.roomNames = 19512}); }
void BM_ReadPaintSheetFewNames(benchmark::State& state) { ReadPaint(state, 1, 0, {.roomNames = 4}); }
void BM_ReadPaintSheetManyNamesOneThread(benchmark::State& state) { ReadPaint(state, 1, 1, {.roomNames = 19512}); }
void BM_ReadPaintSheetFewNamesOneThread(benchmark::State& state) { ReadPaint(state, 1, 1, {.roomNames = 4}); }
void BM_ReadPaintSheetShortNames(benchmark::State& state) { ReadPaint(state, 1, 0, {.shortNames = 20000}); }
void BM_PaintSheetShortNames(benchmark::State& state) { ReadPaint(state, 1, 0, {.shortNames = 20000}, 700, false); }

void BM_OpenPaint(benchmark::State& state)
{
    const BenchThreads threads(state);
    PlanWindow& plan = Plan(int(state.range(0)));
    TDrawingState& drawing = plan.State();
    for (auto _ : state) {
        // Nothing to save before the drawing is opened again.
        state.PauseTiming();
        drawing.objects.Clear();
        state.ResumeTiming();
        if (!plan.Reopen())
            state.SkipWithError("the drawing did not open");
    }
    if (drawing.objects.count() != plan.count || plan.DrawnPixels() < 10000)
        state.SkipWithError("the drawing was not shown");
}

void BM_Commit(benchmark::State& state)
{
    const BenchThreads threads(state);
    PlanWindow& plan = Plan(int(state.range(0)));
    TList& objects = plan.State().objects;
    objects.ReadDrawing();
    bool added = false;
    for (auto _ : state) {
        TDrawingEdit edit(objects);
        if (added) {
            edit.Remove(objects.count() - 1);
        } else {
            auto line = std::make_unique<TLineobj>(1);
            line->floor = 50;
            line->x1 = 30000;
            line->y1 = 21000;
            line->x2 = 33000;
            line->y2 = 21000;
            edit.Add(std::move(line));
        }
        added = !added;
        if (!edit.Commit())
            state.SkipWithError("the drawing was not written");
    }
    if (added) {
        TDrawingEdit edit(objects);
        edit.Remove(objects.count() - 1);
        edit.Commit();
    }
}

// Grouped by size, so that each plan is made once.
BENCHMARK(BM_PlainParse)->Apply(Sizes);
BENCHMARK(BM_Read)->Apply(Sizes);
BENCHMARK(BM_ReadPaintZoomed)->Apply(ThreadedSizes);
BENCHMARK(BM_ReadPaintQuarter)->Apply(ThreadedSizes);
BENCHMARK(BM_ReadPaintSheet)->Apply(ThreadedSizes);
BENCHMARK(BM_ReadPaintZoomedOneThread)->Apply(Sizes);
BENCHMARK(BM_ReadPaintSheetOneThread)->Apply(Sizes);
BENCHMARK(BM_ReadPaintSheetTall)->Apply(ThreadedSizes);
BENCHMARK(BM_PaintSheet)->Apply(ThreadedSizes);
BENCHMARK(BM_PaintSheetTall)->Apply(ThreadedSizes);
BENCHMARK(BM_OpenPaint)->Apply(ThreadedSizes);
BENCHMARK(BM_Commit)->Apply(ThreadedSizes);
BENCHMARK(BM_PlainParse)->Apply(LargeSizes);
BENCHMARK(BM_Read)->Apply(LargeSizes);
BENCHMARK(BM_ReadPaintZoomed)->Apply(LargeThreadedSizes);
BENCHMARK(BM_ReadPaintQuarter)->Apply(LargeThreadedSizes);
BENCHMARK(BM_ReadPaintSheet)->Apply(LargeThreadedSizes);
BENCHMARK(BM_ReadPaintZoomedOneThread)->Apply(LargeSizes);
BENCHMARK(BM_ReadPaintSheetOneThread)->Apply(LargeSizes);
BENCHMARK(BM_ReadPaintSheetTall)->Apply(LargeThreadedSizes);
BENCHMARK(BM_PaintSheet)->Apply(LargeThreadedSizes);
BENCHMARK(BM_PaintSheetTall)->Apply(LargeThreadedSizes);
BENCHMARK(BM_OpenPaint)->Apply(LargeThreadedSizes);
BENCHMARK(BM_Commit)->Apply(LargeThreadedSizes);
BENCHMARK(BM_ReadPaintSheetManyNames)->Apply(LargeThreadedSizes);
BENCHMARK(BM_ReadPaintSheetManyNamesOneThread)->Apply(LargeSizes);
BENCHMARK(BM_ReadPaintSheetFewNames)->Apply(LargeThreadedSizes);
BENCHMARK(BM_ReadPaintSheetFewNamesOneThread)->Apply(LargeSizes);
BENCHMARK(BM_ReadPaintSheetShortNames)->Apply(LargeThreadedSizes);
BENCHMARK(BM_PaintSheetShortNames)->Apply(LargeThreadedSizes);

}  // namespace
