#pragma once
// The drawing the benchmarks share: 20,000 mixed objects (walls, texts, polygons, arrows, arcs,
// rectangles, circles, lines) scattered over the middle of the sheet on floors 50 to 52, after the
// four floor records.
constexpr int BENCH_OBJECT_COUNT = 20000;

// Fills State().objects with the drawing (`count` objects in all) and writes it as the drawing
// file of State().drawingName. Throws when the file cannot be written.
void WriteBenchDrawing(int count = BENCH_OBJECT_COUNT);
