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

// Where on a canvas's rows drawing the objects at `indices` does its work: bands painting them are
// cut by this, so that they share it equally wherever the selection lies.
TRowWork SelectionRowWork(const std::vector<int>& indices)
{
    return [&indices](const Canvas& dc, const TRect& area, std::vector<double>& rows) {
        const TDrawingState& state = State();
        TRowWorkTally tally(dc.Mapping(), area, state.unitsPerLogical > 0 ? state.unitsPerLogical : 1, rows,
                            indices.size());
        for (int index : indices)
            tally.Add(*state.objects[index]);
    };
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

void TMoveobjtool::DrawSelectionOutlines(Canvas& dc, const std::vector<int>& indices, bool erase)
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
        for (int index : indices) {
            const TObject& object = *objects[index];
            const int width = std::max(object.penWidth, 1);
            if (area) {
                TPaintExtent extent(*area, width);
                object.PaintExtent(extent, scale);
                if (!extent.Touches())
                    continue;
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
        }
        band.Flush();
    };
    // The outline is drawn over what is there: bands may share the work only with that raster
    // operation set.
    const RasterOp oldRop = dc.SetROP2(RasterOp::Copy);
    const TPen oldPen = dc.Pen();
    const TBrush oldBrush = dc.Brush();
    const TFont oldFont = dc.Font();
    dc.PaintInBands(paint, SelectionRowWork(indices));
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
    std::function<void(Canvas&)> paintOutBeyond;
    if (!beyond.empty())
        paintOutBeyond = [&](Canvas& canvas) { DrawSelectionOutlines(canvas, beyond, true); };
    drawn = dc.DrawPicture(cover, [&](Canvas& canvas) { DrawSelectionOutlines(canvas, indices, false); },
                           SelectionRowWork(indices), paintOutBeyond, SelectionRowWork(beyond));
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
