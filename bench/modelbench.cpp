// The drawing file round trip a repaint and an edit cost: every repaint empties the object list,
// reads the whole drawing file and paints the floor in view; every edit writes the whole file.
// The drawing holds 20,000 mixed objects over three floors.
#include <benchmark/benchmark.h>

#include <QImage>

#include "model/drawingfile.h"
#include "model/drawingstate.h"
#include "model/list.h"
#include "model/planpainter.h"
#include "model/programdirectory.h"
#include "platform/qt/imagecanvas.h"
#include "platform/recordingcanvas.h"
#include "bench/support/benchdrawing.h"
#include "tests/support/tempdir.h"

#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

constexpr int OBJECT_COUNT = BENCH_OBJECT_COUNT;
const TRect CLIENT{0, 0, 1000, 700};

// A program directory holding the drawing, shared by the benchmarks.
struct BenchDrawing {
    BenchDrawing()
    {
        if (!PrepareProgramDirectory(dir.prefix()))
            throw std::runtime_error("cannot prepare the program directory");
        TDrawingState& state = fresh.state();
        state.programDirectory = dir.prefix();
        state.drawingName = "BENCH";
        state.currentFloor = 50;
        state.viewExtX = 12000;  // the whole sheet in view
        state.viewExtY = 8400;
        WriteBenchDrawing(OBJECT_COUNT);
    }

    FreshDrawingState fresh;
    TempDir dir;
};

BenchDrawing& Drawing()
{
    static BenchDrawing drawing;
    return drawing;
}

void BM_ReadDrawing20000(benchmark::State& state)
{
    TList& objects = Drawing().fresh.state().objects;
    for (auto _ : state) {
        const TLoadResult result = objects.ReadDrawing();
        if (!result.ok || objects.count() != OBJECT_COUNT)
            state.SkipWithError("the drawing did not read back");
    }
}
BENCHMARK(BM_ReadDrawing20000)->Unit(benchmark::kMillisecond);

void BM_ReadAndPaintIntoImage20000(benchmark::State& state)
{
    TList& objects = Drawing().fresh.state().objects;
    QImage image(CLIENT.Width(), CLIENT.Height(), QImage::Format_RGB32);
    for (auto _ : state) {
        image.fill(Qt::white);
        objects.ReadDrawing();
        ImageCanvas dc(image);
        PaintFloor(dc, CLIENT);
    }
}
BENCHMARK(BM_ReadAndPaintIntoImage20000)->Unit(benchmark::kMillisecond);

void BM_PaintOnlyIntoImage20000(benchmark::State& state)
{
    Drawing().fresh.state().objects.ReadDrawing();
    QImage image(CLIENT.Width(), CLIENT.Height(), QImage::Format_RGB32);
    for (auto _ : state) {
        image.fill(Qt::white);
        ImageCanvas dc(image);
        PaintFloor(dc, CLIENT);
    }
}
BENCHMARK(BM_PaintOnlyIntoImage20000)->Unit(benchmark::kMillisecond);

void BM_PaintOnlyIntoRecordingCanvas20000(benchmark::State& state)
{
    Drawing().fresh.state().objects.ReadDrawing();
    for (auto _ : state) {
        RecordingCanvas dc;
        PaintFloor(dc, CLIENT);
        benchmark::DoNotOptimize(dc.Records().size());
    }
}
BENCHMARK(BM_PaintOnlyIntoRecordingCanvas20000)->Unit(benchmark::kMillisecond);

void BM_WriteDrawing20000(benchmark::State& state)
{
    TList& objects = Drawing().fresh.state().objects;
    objects.ReadDrawing();
    for (auto _ : state) {
        if (!objects.WriteDrawing())
            state.SkipWithError("the drawing was not written");
    }
}
BENCHMARK(BM_WriteDrawing20000)->Unit(benchmark::kMillisecond);

// Finding the wall and the text under the cursor at 100 points spread over the sheet, the search a
// wall edit or a text change makes on every click.
void BM_FindObjectAt20000(benchmark::State& state)
{
    TList& objects = Drawing().fresh.state().objects;
    objects.ReadDrawing();
    for (auto _ : state) {
        int found = 0;
        for (int i = 0; i < 100; ++i) {
            const int x = 5000 + (i % 10) * 400;  // logical units: model / 5
            const int y = 3000 + (i / 10) * 280;
            found += objects.FindObjectAt(HIT_WALLS, x, y).has_value();
            found += objects.FindObjectAt(HIT_TEXTS, x, y).has_value();
        }
        benchmark::DoNotOptimize(found);
    }
}
BENCHMARK(BM_FindObjectAt20000)->Unit(benchmark::kMillisecond);

// Turning the whole drawing by a quarter (four turns bring it back).
void BM_RotateDrawing20000(benchmark::State& state)
{
    TList& objects = Drawing().fresh.state().objects;
    objects.ReadDrawing();
    for (auto _ : state)
        if (!objects.RotateOrMirrorDrawing(90))
            state.SkipWithError("the drawing did not turn");
    objects.ReadDrawing();
}
BENCHMARK(BM_RotateDrawing20000)->Unit(benchmark::kMillisecond);

// The write an edit of the large house plan ends in (200,000 objects, about 11 MB): the text
// formatted alone, in the pieces a commit writes, and the drawing file written whole as a commit
// writes it (formatted, written through a temporary file, synced and renamed). The plan is made
// afresh for each run, untimed.
struct HousePlan200000 {
    HousePlan200000()
    {
        if (!PrepareProgramDirectory(dir.prefix()))
            throw std::runtime_error("cannot prepare the program directory");
        fresh.state().programDirectory = dir.prefix();
        fresh.state().drawingName = "HOUSE";
        WritePlanDrawing(200000, {.houseOutline = true});
    }
    FreshDrawingState fresh;
    TempDir dir;
};

void BM_FormatPlan200000(benchmark::State& state)
{
    HousePlan200000 plan;
    const TDrawingState& drawing = plan.fresh.state();
    const TList& objects = drawing.objects;
    const TPoint centre = DrawingFileCentre(drawing.unitSystem);
    const TFileHeader header{0, centre.x, centre.y, 0, drawing.unitSystem, 0};
    std::vector<std::string> pieces;
    for (auto _ : state) {
        if (!FormatDrawingPieces(objects, header, pieces))
            state.SkipWithError("the drawing was not formatted");
        benchmark::DoNotOptimize(pieces.data());
    }
    double size = 0;
    for (const std::string& piece : pieces)
        size += double(piece.size());
    state.counters["MB"] = size / 1e6;
}
BENCHMARK(BM_FormatPlan200000)->Unit(benchmark::kMillisecond);

void BM_WritePlan200000(benchmark::State& state)
{
    HousePlan200000 plan;
    TList& objects = plan.fresh.state().objects;
    for (auto _ : state)
        if (!objects.WriteDrawing())
            state.SkipWithError("the drawing was not written");
}
BENCHMARK(BM_WritePlan200000)->Unit(benchmark::kMillisecond);

}  // namespace
