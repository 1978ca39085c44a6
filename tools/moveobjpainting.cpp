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
#include <optional>

namespace {

// The widest margin around a window that keeps a picture within one and a half window images, so
// that the two pictures of a move hold at most three.
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

void TMoveobjtool::DrawSelectionOutlines(Canvas& dc, const std::vector<int>& indices, bool erase)
{
    const TDrawingState& state = State();
    const int scale = state.unitsPerLogical > 0 ? state.unitsPerLogical : 1;
    const TList& objects = state.objects;
    // Each band (or the canvas itself, run once) paints, in list order, the objects that can
    // change its pixels. An object left out would have changed none, so painting out restores
    // exactly what drawing changed, wherever the bands fall.
    auto paint = [&](Canvas& band) {
        const std::optional<TRect> paintable = band.PaintableArea();
        const std::optional<TPaintArea> area =
            paintable ? std::optional<TPaintArea>(std::in_place, band, *paintable, scale) : std::nullopt;
        for (int index : indices) {
            const TObject& object = *objects[index];
            if (area) {
                TPaintExtent extent(*area, std::max(object.penWidth, 1));
                object.PaintExtent(extent, scale);
                if (!extent.Touches())
                    continue;
            }
            if (erase)
                DrawSelectionOutline(band, object, state.currentFillColour, PS_SOLID, true);
            else
                DrawSelectionOutline(band, object, TColor(object.colour),
                                     IsTextType(object.typeCode) ? PS_SOLID : object.penStyle, false);
        }
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
    const TRowWork work = SelectionRowWork(indices);
    paintedOut = dc.DrawPicture(cover, [&](Canvas& canvas) { DrawSelectionOutlines(canvas, indices, true); }, work);
    drawn = dc.DrawPicture(cover, [&](Canvas& canvas) { DrawSelectionOutlines(canvas, indices, false); }, work);
    if (!paintedOut || !drawn) {
        DropPictures();
        return false;
    }
    picturesMapping = dc.Mapping();
    picturesAt = ReferenceOnDevice(dc);
    picturesShown = {0, 0};
    return true;
}

bool TMoveobjtool::PicturesFit(Canvas& dc) const
{
    return paintedOut && drawn && dc.Mapping() == picturesMapping;
}

void TMoveobjtool::DropPictures()
{
    paintedOut.reset();
    drawn.reset();
}

TPoint TMoveobjtool::ReferenceOnDevice(Canvas& dc) const
{
    return dc.LPtoDP(ModelToLogical({currentX, currentY}));
}

void TMoveobjtool::DrawSelectionOutline(Canvas& dc, const TObject& object, TColor colour, int style, bool erase)
{
    const TDrawingState& state = State();
    const int scale = state.unitsPerLogical > 0 ? state.unitsPerLogical : 1;
    const RasterOp oldRop = dc.SetROP2(RasterOp::Copy);
    const TPen oldPen = dc.SelectPen(TPen{colour, std::max(object.penWidth, 1), style});
    if (const auto* polygon = dynamic_cast<const TPolyobj*>(&object)) {
        // A polygon is painted out with its inside; at its new place it is filled with the
        // background while the outline fill mode is 1.
        TBrush brush;
        if (erase || outlineFillMode() == 1) {
            brush.kind = BrushKind::Solid;
            brush.colour = state.currentFillColour;
        }
        const TBrush oldBrush = dc.SelectBrush(brush);
        std::vector<TPoint> points;
        for (int i = 0; i < polygon->UsedVertices(); ++i)
            points.push_back({ToWindow(polygon->vertexX[std::size_t(i)], scale),
                              ToWindow(polygon->vertexY[std::size_t(i)], scale)});
        dc.Polygon(points);
        dc.SelectBrush(oldBrush);
    } else {
        object.Render(dc, scale, TFillStyle::None);
    }
    dc.Flush();
    dc.SelectPen(oldPen);
    dc.SetROP2(oldRop);
}
