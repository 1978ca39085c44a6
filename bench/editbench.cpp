// Whole-plan edits as the user makes them in a 1000 x 700 drawing window showing the whole sheet,
// on the large plan of the repaint benchmarks (20,000 and 200,000 objects) with the outline of a
// house round most of it. Each is timed from the command, click or key to the drawing file
// written; the repaint that follows is not timed (the repaint benchmarks measure it), but for the
// moves, whose Enter repaints at once (or, in older builds, left its repaint to the events after
// it): their time runs to the window showing what was written, with the events Enter leaves.
//  - RotateInPlace, MirrorInPlace: File/Rotate/Mirror under the drawing's own name, a half turn
//    and the mirror left to right (two of either give the plan back);
//  - MoveAndLock: Edit/Move or Rotate over the whole sheet, the selection moved ten pixels, then
//    Enter, which writes the move into the drawing; only the Enter and its repaint are timed;
//  - WholeMove: the same move timed whole: the drag over the sheet, the reference click, the
//    target click ten pixels on, three arrow-key nudges and the Enter;
//  - EraseHalf: Edit/Erase dragged over the left half of the sheet (the drawing is put back,
//    untimed, after each);
//  - AutoDimensions: Other/Auto Dimensions, which first centres the whole floor on the sheet;
//  - WholePlanMoveVsOpen: in a 1000 x 1000 window, where the sheet fills the lower 700 rows, the
//    whole plan selected, the reference and target clicks, Enter and the repaint that follows,
//    each step with the work its event leaves; then File/Open of the drawing with its repaint.
//    The time is the move's; the counters give each step's and the open's milliseconds and the
//    move's time over the open's (move_per_open), and the processor time of the whole process (all
//    its threads) in the first move, where the pictures are drawn (move_cpu_ms), and in the open
//    (open_cpu_ms);
//  - WholePlanMoveVsOpenShortNames (200,000 objects only): the same on the text-heavy plan, whose
//    20,000 texts are each a short name of its own ("R1" to "R20000"); its move_ms is the move's
//    pictures, drawn at the first move.
// Each runs with 2, 4 and 8 threads, a row for each (".../threads:4"): the bands of a paint or a
// picture and the pieces of a pass over the list use that many at once.
// Times are wall-clock times.
#include <benchmark/benchmark.h>

#include "bench/support/benchdrawing.h"
#include "bench/support/benchwindow.h"
#include "bench/support/plansizes.h"
#include "bench/support/threadcpu.h"
#include "model/drawingstate.h"
#include "model/list.h"
#include "model/settingsfile.h"
#include "model/typecodes.h"
#include "resources/menus.h"
#include "tools/drawingtool.h"

#include <chrono>
#include <cstdint>
#include <memory>
#include <string>

namespace {

// The drawing window, `height` rows high, on the house plan of `count` objects, its texts
// `shortNames` short names of their own (0: the plan's own texts); one plan at a time.
BenchWindow& House(int count, int height = 700, int shortNames = 0)
{
    static std::unique_ptr<BenchWindow> house;
    static int made = 0;
    static int madeHeight = 0;
    static int madeNames = 0;
    if (!house || made != count || madeHeight != height || madeNames != shortNames) {
        house.reset();
        house = std::make_unique<BenchWindow>("HOUSE", [count, shortNames] {
            WritePlanDrawing(count, {.shortNames = shortNames, .houseOutline = true});
        });
        if (height != 700) {
            house->Frame().SetClientSize(1000, height);
            house->State().objects.Clear();
            house->Reopen();
        }
        made = count;
        madeHeight = height;
        madeNames = shortNames;
    }
    return *house;
}

// The repaint an edit leaves waiting, done untimed.
void RepaintUntimed(benchmark::State& state, BenchWindow& house)
{
    state.PauseTiming();
    house.Window().ProcessPending();
    state.ResumeTiming();
}

void CheckCount(benchmark::State& state, BenchWindow& house, int count)
{
    if (house.State().objects.count() != count)
        state.SkipWithError("the edit left another number of objects");
}

// File/Rotate/Mirror in place with the dialog's radio `choice`.
void TurnInPlace(benchmark::State& state, const char* choice)
{
    const BenchThreads threads(state);
    const int count = int(state.range(0));
    BenchWindow& house = House(count);
    for (auto _ : state) {
        house.Frame().Scripted().AddAnswer(std::string("dialog 19000 check ") + choice + " ok");
        house.Client().Command(CM_ROTATEMIRROR);
        RepaintUntimed(state, house);
    }
    CheckCount(state, house, count);
}

void BM_RotateInPlace(benchmark::State& state) { TurnInPlace(state, "19003"); }
void BM_MirrorInPlace(benchmark::State& state) { TurnInPlace(state, "19005"); }

// A left-button drag between two device points.
void Drag(BenchWindow& house, TPoint from, TPoint to)
{
    house.Child().EvLButtonDown(from);
    house.Child().EvMouseMove(to);
    house.Child().EvLButtonUp(to);
}

void Click(BenchWindow& house, TPoint at)
{
    house.Child().EvLButtonDown(at);
    house.Child().EvLButtonUp(at);
}

void BM_MoveAndLock(benchmark::State& state)
{
    const BenchThreads threads(state);
    const int count = int(state.range(0));
    BenchWindow& house = House(count);
    int step = 10;
    for (auto _ : state) {
        state.PauseTiming();
        house.Client().Command(CM_MOVEROTATE);
        Drag(house, {0, 0}, {999, 699});
        Click(house, {500, 350});
        Click(house, {500 + step, 350});
        step = -step;
        state.ResumeTiming();
        house.Child().EvKeyDown(VK_ENTER);
        house.Window().ProcessPending();
    }
    CheckCount(state, house, count);
}

void BM_WholeMove(benchmark::State& state)
{
    const BenchThreads threads(state);
    const int count = int(state.range(0));
    BenchWindow& house = House(count);
    int step = 10;
    for (auto _ : state) {
        house.Client().Command(CM_MOVEROTATE);
        Drag(house, {0, 0}, {999, 699});
        Click(house, {500, 350});
        Click(house, {500 + step, 350});
        // Nudged on by a pixel twice and back once: runs in turn undo each other.
        const int nudge = step > 0 ? VK_RIGHT : VK_LEFT;
        const int back = step > 0 ? VK_LEFT : VK_RIGHT;
        house.Child().EvKeyDown(nudge);
        house.Child().EvKeyDown(nudge);
        house.Child().EvKeyDown(back);
        step = -step;
        house.Child().EvKeyDown(VK_ENTER);
        house.Window().ProcessPending();
    }
    CheckCount(state, house, count);
}

void BM_EraseHalf(benchmark::State& state)
{
    const BenchThreads threads(state);
    const int count = int(state.range(0));
    BenchWindow& house = House(count);
    TList& objects = house.State().objects;
    std::string drawing;
    if (!ReadTextFile(objects.DrawingPath(), drawing))
        state.SkipWithError("the drawing file cannot be read");
    for (auto _ : state) {
        house.Client().Command(CM_ERASE);
        Drag(house, {0, 0}, {499, 699});
        state.PauseTiming();
        if (objects.count() >= count)
            state.SkipWithError("nothing was erased");
        // The plan as it was, for the next erase.
        house.Window().ProcessPending();
        if (!WriteTextFileAtomic(objects.DrawingPath(), drawing) || !objects.ReadDrawing().ok)
            state.SkipWithError("the drawing could not be put back");
        state.ResumeTiming();
    }
}

void BM_AutoDimensions(benchmark::State& state)
{
    const BenchThreads threads(state);
    const int count = int(state.range(0));
    BenchWindow& house = House(count);
    TList& objects = house.State().objects;
    for (auto _ : state) {
        house.Client().Command(CM_AUTODIMENSIONS);
        RepaintUntimed(state, house);
    }
    // The four walls' dimensions, each two arrows and a text, replace those of the run before.
    if (objects.count() != count + 12 || objects[objects.count() - 1]->typeCode != TYPE_DIMENSION_TEXT)
        state.SkipWithError("the dimensions were not made");
}

void WholePlanMoveVsOpen(benchmark::State& state, int shortNames)
{
    const BenchThreads threads(state);
    using Clock = std::chrono::steady_clock;
    const int count = int(state.range(0));
    BenchWindow& house = House(count, 1000, shortNames);
    double steps[4] = {};  // select, first move, Enter, repaint
    double moves = 0;
    double opens = 0;
    std::uint64_t firstCpu = 0;
    std::uint64_t openCpu = 0;
    int step = 10;
    for (auto _ : state) {
        // Each event with the work it leaves, as the event loop does it.
        auto event = [&](double& total, const auto& send) {
            const Clock::time_point start = Clock::now();
            send();
            house.Window().ProcessPending();
            total += std::chrono::duration<double>(Clock::now() - start).count();
        };
        double select = 0, first = 0, enter = 0;
        event(select, [&] { house.Client().Command(CM_MOVEROTATE); });
        event(select, [&] { house.Child().EvLButtonDown({0, 0}); });
        event(select, [&] { house.Child().EvMouseMove({999, 999}); });
        event(select, [&] { house.Child().EvLButtonUp({999, 999}); });
        const std::uint64_t firstStart = ProcessCpu();
        event(first, [&] { Click(house, {500, 500}); });
        event(first, [&] { Click(house, {500 + step, 500}); });
        firstCpu += ProcessCpu() - firstStart;
        step = -step;
        // The Enter, then its repaint apart.
        const Clock::time_point start = Clock::now();
        house.Child().EvKeyDown(VK_ENTER);
        const Clock::time_point locked = Clock::now();
        house.Window().ProcessPending();
        const Clock::time_point shown = Clock::now();
        enter = std::chrono::duration<double>(locked - start).count();
        const double repaint = std::chrono::duration<double>(shown - locked).count();
        const double move = select + first + enter + repaint;
        steps[0] += select;
        steps[1] += first;
        steps[2] += enter;
        steps[3] += repaint;
        moves += move;
        state.SetIterationTime(move);

        // Nothing to save before the drawing is opened again (as in the repaint benchmarks).
        house.State().objects.Clear();
        const Clock::time_point openStart = Clock::now();
        const std::uint64_t openCpuStart = ProcessCpu();
        if (!house.Reopen())
            state.SkipWithError("the drawing did not open");
        openCpu += ProcessCpu() - openCpuStart;
        opens += std::chrono::duration<double>(Clock::now() - openStart).count();
    }
    CheckCount(state, house, count);
    const double runs = double(state.iterations());
    if (runs > 0 && opens > 0) {
        state.counters["select_ms"] = 1000 * steps[0] / runs;
        state.counters["move_ms"] = 1000 * steps[1] / runs;
        state.counters["enter_ms"] = 1000 * steps[2] / runs;
        state.counters["repaint_ms"] = 1000 * steps[3] / runs;
        state.counters["open_ms"] = 1000 * opens / runs;
        state.counters["move_per_open"] = moves / opens;
        state.counters["move_cpu_ms"] = double(firstCpu) / 1e6 / runs;
        state.counters["open_cpu_ms"] = double(openCpu) / 1e6 / runs;
    }
}

void BM_WholePlanMoveVsOpen(benchmark::State& state) { WholePlanMoveVsOpen(state, 0); }
void BM_WholePlanMoveVsOpenShortNames(benchmark::State& state) { WholePlanMoveVsOpen(state, 20000); }

// Grouped by size, so that each plan is made once.
BENCHMARK(BM_RotateInPlace)->Apply(ThreadedSizes);
BENCHMARK(BM_MirrorInPlace)->Apply(ThreadedSizes);
BENCHMARK(BM_MoveAndLock)->Apply(ThreadedSizes);
BENCHMARK(BM_WholeMove)->Apply(ThreadedSizes);
BENCHMARK(BM_EraseHalf)->Apply(ThreadedSizes);
BENCHMARK(BM_AutoDimensions)->Apply(ThreadedSizes);
BENCHMARK(BM_WholePlanMoveVsOpen)
    ->ArgsProduct({{20000}, {2, 4, 8}})
    ->ArgNames({"", "threads"})
    ->Unit(benchmark::kMillisecond)
    ->UseManualTime();
BENCHMARK(BM_RotateInPlace)->Apply(LargeThreadedSizes);
BENCHMARK(BM_MirrorInPlace)->Apply(LargeThreadedSizes);
BENCHMARK(BM_MoveAndLock)->Apply(LargeThreadedSizes);
BENCHMARK(BM_WholeMove)->Apply(LargeThreadedSizes);
BENCHMARK(BM_EraseHalf)->Apply(LargeThreadedSizes);
BENCHMARK(BM_AutoDimensions)->Apply(LargeThreadedSizes);
BENCHMARK(BM_WholePlanMoveVsOpen)
    ->ArgsProduct({{200000}, {2, 4, 8}})
    ->ArgNames({"", "threads"})
    ->Unit(benchmark::kMillisecond)
    ->UseManualTime();
BENCHMARK(BM_WholePlanMoveVsOpenShortNames)
    ->ArgsProduct({{200000}, {2, 4, 8}})
    ->ArgNames({"", "threads"})
    ->Unit(benchmark::kMillisecond)
    ->UseManualTime();

}  // namespace
