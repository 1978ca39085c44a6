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
struct PlanOptions {
    // Above 0: every text is a room name, "Room 00000" and on, taken in turn from this many
    // different names of the same length; the rest of the plan stays as it is.
    int roomNames = 0;
    // Above 0: every text is a short name, "R1" to "R<shortNames>", each in turn, so that nearly
    // every text of the plan differs from the others (roomNames above 0 wins).
    int shortNames = 0;
    // The outline of a house, four cavity walls round most of the sheet left of its middle, after
    // the floor records (the rest of the plan keeps its count).
    bool houseOutline = false;
};
void WritePlanDrawing(int count, PlanOptions options = {});
