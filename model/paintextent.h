#pragma once
// What a plan painter needs to leave out the objects that lie wholly outside the area being
// painted: the area (TPaintArea, set up once per painting) and the extent of one object's
// drawing (TPaintExtent), gathered before it is drawn. Figures count with their pen's width; a
// text counts with the box the canvas measures for it (its cell and letters). An object that
// cannot tell its extent says so (Unbounded) and is always drawn.
#include "platform/canvas.h"

#include <cstdint>
#include <string>

class TPaintArea {
public:
    // The device area on dc under its current mapping, objects drawn at `scale` model units per
    // logical unit (as Render draws).
    TPaintArea(Canvas& dc, const TRect& device, int scale);

    Canvas& Dc() const { return dc; }
    int Scale() const { return scale; }
    const TRect& Device() const { return device; }
    // True when figures with points within this model box, drawn with a pen `penWidth` logical
    // units wide, may touch the area. A quick first test on model units that only says no where
    // the exact one (on device pixels) would: it leaves generous room for every rounding.
    bool MayTouch(int32_t minX, int32_t minY, int32_t maxX, int32_t maxY, int penWidth) const;
    // True when a box of points in model units surely meets the area (its device box, which the
    // exact test takes, then does).
    bool Meets(int32_t minX, int32_t minY, int32_t maxX, int32_t maxY) const;
    // The device row (not rounded) of a model y coordinate, as Render places it.
    double Row(int32_t modelY) const;

private:
    Canvas& dc;
    TRect device;
    int scale;
    // The area's box in model units, widened by what any rounding and two pixels could add, and
    // the model units a logical unit of pen width may reach.
    int64_t left = 0, right = 0, bottom = 0, top = 0;
    // The area's box in model units narrowed as much (empty when that leaves nothing).
    int64_t innerLeft = 0, innerRight = -1, innerBottom = 0, innerTop = -1;
    int64_t modelPerLogical = 1;
    // Device rows of logical y 0 and per logical unit.
    double rowAtZero = 0;
    double rowsPerLogical = 0;
};

// Device rows [top, bottom) a drawing may change; `all` when any row may.
struct TDeviceRows {
    int top = 0;
    int bottom = 0;
    bool all = false;
};

class TPaintExtent {
public:
    // One object's drawing, its figures stroked with a pen `penWidth` logical units wide. For
    // `rows`, a text counts with the reach of its letters, found without laying it out, so that
    // Rows() can tell where it lies.
    TPaintExtent(const TPaintArea& area, int penWidth, bool rows = false);

    Canvas& Dc() const { return area.Dc(); }

    // A point a figure passes through, or a corner of the box a figure lies in; model units.
    void Point(int32_t x, int32_t y);
    // A text put out with TextOut at a logical point in this font and alignment.
    void Text(TPoint logical, const std::string& text, const TFont& font, unsigned align);
    // A drawing whose extent is not known: it may touch any pixel.
    void Unbounded() { unbounded = true; }

    // True when the drawing may change a pixel of the area.
    bool Touches() const;
    // The rows of the area the drawing may change (none when it touches none); made with `rows`.
    TDeviceRows Rows() const;

private:
    const TPaintArea& area;
    int penWidth;
    bool measuresRows;
    bool unbounded = false;
    bool textTouches = false;
    // The rows the texts' letters may reach, while any.
    bool anyText = false;
    int64_t textTop = 0, textBottom = 0;
    // The points' box in model units, while any.
    bool anyPoint = false;
    int32_t minX = 0, minY = 0, maxX = 0, maxY = 0;
};
