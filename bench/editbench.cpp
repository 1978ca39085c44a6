// Whole-plan edits as the user makes them in a 1000 x 700 drawing window showing the whole sheet,
// on the large plan of the repaint benchmarks (20,000 and 200,000 objects) with the outline of a
// house round most of it. Each is timed from the command, click or key to the drawing file
// written; the repaint that follows is not timed (the repaint benchmarks measure it).
//  - RotateInPlace, MirrorInPlace: File/Rotate/Mirror under the drawing's own name, a half turn
//    and the mirror left to right (two of either give the plan back);
//  - MoveAndLock: Edit/Move or Rotate over the whole sheet, the selection moved ten pixels, then
//    Enter, which writes the move into the drawing; only the Enter is timed;
//  - WholeMove: the same move timed whole: the drag over the sheet, the reference click, the
//    target click ten pixels on, three arrow-key nudges and the Enter;
//  - EraseHalf: Edit/Erase dragged over the left half of the sheet (the drawing is put back,
//    untimed, after each);
//  - AutoDimensions: Other/Auto Dimensions, which first centres the whole floor on the sheet.
// Times are wall-clock times.
#include <benchmark/benchmark.h>

#include "bench/support/benchdrawing.h"
#include "bench/support/benchwindow.h"
#include "bench/support/plansizes.h"
#include "model/drawingstate.h"
#include "model/list.h"
#include "model/settingsfile.h"
#include "model/typecodes.h"
#include "resources/menus.h"
#include "tools/drawingtool.h"

#include <memory>
#include <string>

namespace {

// The drawing window on the house plan of `count` objects; one plan at a time.
BenchWindow& House(int count)
{
    static std::unique_ptr<BenchWindow> house;
    static int made = 0;
    if (!house || made != count) {
        house.reset();
        house = std::make_unique<BenchWindow>("HOUSE", [count] {
            WritePlanDrawing(count, {.houseOutline = true});
        });
        made = count;
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
        RepaintUntimed(state, house);
    }
    CheckCount(state, house, count);
}

void BM_WholeMove(benchmark::State& state)
{
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
        RepaintUntimed(state, house);
    }
    CheckCount(state, house, count);
}

void BM_EraseHalf(benchmark::State& state)
{
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

// Grouped by size, so that each plan is made once.
BENCHMARK(BM_RotateInPlace)->Apply(Sizes);
BENCHMARK(BM_MirrorInPlace)->Apply(Sizes);
BENCHMARK(BM_MoveAndLock)->Apply(Sizes);
BENCHMARK(BM_WholeMove)->Apply(Sizes);
BENCHMARK(BM_EraseHalf)->Apply(Sizes);
BENCHMARK(BM_AutoDimensions)->Apply(Sizes);
BENCHMARK(BM_RotateInPlace)->Apply(LargeSizes);
BENCHMARK(BM_MirrorInPlace)->Apply(LargeSizes);
BENCHMARK(BM_MoveAndLock)->Apply(LargeSizes);
BENCHMARK(BM_WholeMove)->Apply(LargeSizes);
BENCHMARK(BM_EraseHalf)->Apply(LargeSizes);
BENCHMARK(BM_AutoDimensions)->Apply(LargeSizes);

}  // namespace
