#pragma once
// The drawing the benchmarks share: 20,000 mixed objects (walls, texts, polygons, arrows, arcs,
// rectangles, circles, lines) scattered over the middle of the sheet on floors 50 to 52, after the
// four floor records.
constexpr int BENCH_OBJECT_COUNT = 20000;

// Fills State().objects with the drawing (`count` objects in all) and writes it as the drawing
// file of State().drawingName. Throws when the file cannot be written.
void WriteBenchDrawing(int count = BENCH_OBJECT_COUNT);

// A large plan as the repaint benchmarks use it: `count` objects on the ground floor (50) spread
// over the whole metric sheet, after the four floor records: 78% lines (a tenth of them thick or
// dashed), 10% arcs, 10% texts (mostly centred, some turned) and 2% circles. Fills State().objects
// and writes the drawing file of State().drawingName. Throws when the file cannot be written.
void WritePlanDrawing(int count);
