// The move tool's painting: the selection painted out and drawn object by object, in bands, and
// the pictures a large selection moves as.
#include "tools/moveobjtool.h"

#include "model/drawingstate.h"
#include "model/list.h"
#include "model/modelunits.h"
#include "model/object.h"
#include "model/paintextent.h"
#include "model/polyobj.h"
#include "model/rowwork.h"
#include "model/typecodes.h"
#include "model/viewmapping.h"
#include "platform/canvas.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <functional>
#include <optional>

namespace {

// The widest margin around a window that keeps a picture within one and a half window images.
int PictureMargin(const TRect& window)
{
    const std::int64_t w = window.Width();
    const std::int64_t h = window.Height();
    if (w <= 0 || h <= 0)
        return 0;
    auto fits = [&](std::int64_t m) { return 2 * (w + 2 * m) * (h + 2 * m) <= 3 * w * h; };
    // (w + 2m)(h + 2m) = 1.5 w h, solved for m, then made sure of in whole pixels.
    const double sum = double(w + h);
    std::int64_t m = std::int64_t((std::sqrt(sum * sum + 2.0 * double(w * h)) - sum) / 4);
    while (m > 0 && !fits(m))
        --m;
    return int(m);
}

// The width of the pen an object of the selection is drawn or painted out with.
int SelectionPenWidth(const TObject& object)
{
    return std::max(object.penWidth, 1);
}

// Where on a canvas's rows drawing the objects at `indices` does its work: bands painting them are
// cut by this, so that they share it equally wherever the selection lies; `rows` keeps where each
// lies (by its place in `indices`) for the bands.
TRowWork SelectionRowWork(const std::vector<int>& indices, TPaintRows& rows)
{
    TRowWork work;
    work.measure = [&indices, &rows](Canvas& dc, const TRect& area, std::vector<double>& work, TPiece piece) {
        const TDrawingState& state = State();
        rows.Measure(dc, area, state.unitsPerLogical > 0 ? state.unitsPerLogical : 1, work, piece,
                     [&](std::size_t i, int& penWidth, int&) -> const TObject* {
                         const TObject& object = *state.objects[indices[i]];
                         penWidth = SelectionPenWidth(object);
                         return &object;
                     });
    };
    work.sort = [&rows](const std::vector<int>& edges, TPiece piece) { rows.Sort(edges, piece); };
    return work;
}

}  // namespace

bool TMoveobjtool::PaintsOutBeyondItsDrawing(const TObject& object)
{
    // Painting out strokes every figure solid and fills polygons; drawn, a figure keeps its own
    // pen style (texts are solid either way) and a polygon is filled only in outline fill mode 1.
    if (!IsTextType(object.typeCode) && object.penStyle != PS_SOLID)
        return true;
    return outlineFillMode() != 1 && object.AsPolygon();
}

void TMoveobjtool::DrawSelectionOutlines(Canvas& dc, const std::vector<int>& indices, bool erase,
                                         const TPaintRows* measured)
{
    const TDrawingState& state = State();
    const int scale = state.unitsPerLogical > 0 ? state.unitsPerLogical : 1;
    const TList& objects = state.objects;
    // A polygon is painted out with its inside; at its new place it is filled with the
    // background while the outline fill mode is 1.
    TBrush polygonBrush;
    if (erase || outlineFillMode() == 1) {
        polygonBrush.kind = BrushKind::Solid;
        polygonBrush.colour = state.currentFillColour;
    }
    // Where each object lies, as the bands' row work measures it (here, or for a picture by the
    // caller); none measured, each band measures every object against itself.
    TPaintRows own(measured ? 0 : indices.size());
    const TPaintRows& rows = measured ? *measured : own;
    // Each band (or the canvas itself, run once) paints, in list order, the objects that can
    // change its pixels. An object left out would have changed none, so painting out restores
    // exactly what drawing changed, wherever the bands fall. The pen is set per object and
    // changes only where it differs, so runs of lines with one pen go out together.
    auto paint = [&](Canvas& band) {
        const std::optional<TRect> paintable = band.PaintableArea();
        const std::optional<TPaintArea> area =
            paintable ? std::optional<TPaintArea>(std::in_place, band, *paintable, scale) : std::nullopt;
        band.SetROP2(RasterOp::Copy);
        const TBrush bandBrush = band.Brush();
        // One lying outside the band is left out before it is looked at, one whose rows meet it
        // is drawn, one not measured is measured against the band.
        auto at = [&](std::size_t i) { return objects[indices[i]]; };
        auto draw = [&](std::size_t i) {
            const TObject& object = *objects[indices[i]];
            const int width = SelectionPenWidth(object);
            if (area && rows.Unmeasured(i)) {
                TPaintExtent extent(*area, width);
                object.PaintExtent(extent, scale);
                if (!extent.Touches())
                    return;
            }
            const bool solid = erase || IsTextType(object.typeCode);
            band.SelectPen(TPen{erase ? state.currentFillColour : TColor(object.colour), width,
                                solid ? PS_SOLID : object.penStyle});
            if (const TPolyobj* polygon = object.AsPolygon()) {
                std::vector<TPoint> points;
                for (int i = 0; i < polygon->UsedVertices(); ++i)
                    points.push_back({ToWindow(polygon->vertexX[std::size_t(i)], scale),
                                      ToWindow(polygon->vertexY[std::size_t(i)], scale)});
                band.SelectBrush(polygonBrush);
                band.Polygon(points);
                band.SelectBrush(bandBrush);
            } else {
                object.Render(band, scale, TFillStyle::None);
            }
        };
        // Where sorted by band, only the band's own are gone through.
        if (!area || !rows.ForEachInBand(*paintable, at, draw))
            for (std::size_t i = 0; i < indices.size(); ++i)
                if (!area || !rows.Leaves(i, *paintable))
                    draw(i);
        band.Flush();
    };
    // The outline is drawn over what is there: bands may share the work only with that raster
    // operation set.
    const RasterOp oldRop = dc.SetROP2(RasterOp::Copy);
    const TPen oldPen = dc.Pen();
    const TBrush oldBrush = dc.Brush();
    const TFont oldFont = dc.Font();
    // Given measured rows, this is a band of a picture: it paints itself.
    if (measured)
        paint(dc);
    else
        dc.PaintInBands(paint, SelectionRowWork(indices, own));
    dc.SelectFont(oldFont);
    dc.SelectBrush(oldBrush);
    dc.SelectPen(oldPen);
    dc.SetROP2(oldRop);
}

bool TMoveobjtool::MakePictures(Canvas& dc, const std::vector<int>& indices)
{
    DropPictures();
    const std::optional<TRect> area = dc.PaintableArea();
    if (!area)
        return false;
    // A margin on every side, so that moves of up to that much need no new pictures.
    const int margin = PictureMargin(*area);
    const TRect cover = area->Inflated(margin, margin);
    // Painting out an object takes off the pixels its drawing covers, whatever their colour: the
    // picture's drawn pixels serve for both, and only objects whose painting out reaches beyond
    // their drawing (a dashed pen, a hollow polygon) are painted out into it first, as pixels it
    // covers without showing them.
    std::vector<int> beyond;
    const TList& objects = State().objects;
    for (int index : indices)
        if (PaintsOutBeyondItsDrawing(*objects[index]))
            beyond.push_back(index);
    // Each measured once for the picture's bands.
    TPaintRows rows(indices.size());
    TPaintRows beyondRows(beyond.size());
    std::function<void(Canvas&)> paintOutBeyond;
    if (!beyond.empty())
        paintOutBeyond = [&](Canvas& canvas) { DrawSelectionOutlines(canvas, beyond, true, &beyondRows); };
    // Drawn under copy, as the outlines are: a picture's bands share the work only under it.
    const RasterOp oldRop = dc.SetROP2(RasterOp::Copy);
    drawn = dc.DrawPicture(
        cover, [&](Canvas& canvas) { DrawSelectionOutlines(canvas, indices, false, &rows); },
        SelectionRowWork(indices, rows), paintOutBeyond, SelectionRowWork(beyond, beyondRows));
    dc.SetROP2(oldRop);
    if (!drawn)
        return false;
    picturesMapping = dc.Mapping();
    picturesAt = ReferenceOnDevice(dc);
    picturesShown = {0, 0};
    return true;
}

void TMoveobjtool::PaintOutPictures(Canvas& dc)
{
    dc.PutPicture(*drawn, picturesShown, State().currentFillColour);
}

bool TMoveobjtool::PicturesFit(Canvas& dc) const
{
    return drawn && dc.Mapping() == picturesMapping;
}

void TMoveobjtool::DropPictures()
{
    drawn.reset();
}

TPoint TMoveobjtool::ReferenceOnDevice(Canvas& dc) const
{
    return dc.LPtoDP(ModelToLogical({currentX, currentY}));
}
