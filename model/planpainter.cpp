#include "model/planpainter.h"

#include "model/drawingstate.h"
#include "model/list.h"
#include "model/paintextent.h"
#include "model/rowwork.h"
#include "model/settingsrecords.h"
#include "model/typecodes.h"
#include "model/viewmapping.h"

#include <optional>

namespace {

// The floor codes of the overlay flags, in the file's order.
constexpr int OVERLAY_FLOORS[5] = {53, 50, 51, 52, 54};

bool IsAutomaticDimension(int typeCode)
{
    return typeCode == TYPE_DIMENSION_LINE || typeCode == TYPE_DIMENSION_TEXT;
}

// How a painting of `floor` draws an object: not at all, underneath as an overlay floor's (the
// other floors chosen for the overlay view, without their automatic dimensions), or as the
// floor's own.
enum class TPainted { No, Overlaid, Own };

TPainted HowPainted(const TObject& object, const TFloorToPaint& floor, bool hideDimensions)
{
    if (IsFloorRecordType(object.typeCode))
        return TPainted::No;
    if (object.floor == floor.floorCode)
        return hideDimensions && IsAutomaticDimension(object.typeCode) ? TPainted::No : TPainted::Own;
    if (floor.overlay && floor.overlay->Shows(object.floor) && !IsAutomaticDimension(object.typeCode))
        return TPainted::Overlaid;
    return TPainted::No;
}

// Calls overlaid(i, object) for each object of the overlay floors a painting of `floor` draws,
// then own(i, object) for each of the floor's own, each in list order (i: its list index), but
// for those `rows` (where measured) leaves out of `band` before they are looked at: where `rows`
// were sorted by band, only the band's own objects are gone through. How a measured object is
// painted is read from `rows` too, so that a band looks at no object it does not draw.
template <class Overlaid, class Own>
void ForEachPainted(const TList& list, const TFloorToPaint& floor, const TPaintRows* rows, const TRect& band,
                    Overlaid overlaid, Own own)
{
    const bool hideDimensions = HidesDimensions(State().displayMode);
    const auto& items = list.Items();
    const std::size_t count = items.size();
    auto painted = [&](std::size_t i, TPainted how) {
        if (rows && rows->Leaves(i, band))
            return false;
        if (!rows || rows->Unmeasured(i))
            return HowPainted(*items[i], floor, hideDimensions) == how;
        return TPainted(rows->Pass(i)) == how;
    };
    auto object = [&](std::size_t i) { return items[i].get(); };
    auto pass = [&](TPainted how, auto&& call) {
        auto visit = [&](std::size_t i) {
            if (painted(i, how))
                call(i, *items[i]);
        };
        // Not sorted for this band: each object is looked at once, where it lies in the list.
        if (!rows || !rows->ForEachInBand(band, object, visit))
            for (std::size_t i = 0; i < count; ++i)
                visit(i);
    };
    if (floor.overlay)
        pass(TPainted::Overlaid, overlaid);
    pass(TPainted::Own, own);
}

// The width of the pen an overlay floor's object is drawn with.
int OverlayPenWidth(const TObject& object)
{
    const int factor = State().printLineFactor > 0 ? State().printLineFactor : 1;
    return object.penWidth * factor;
}

}  // namespace

bool TOverlayFloors::Shows(int floorCode) const
{
    for (std::size_t i = 0; i < flags.size(); ++i)
        if (OVERLAY_FLOORS[i] == floorCode)
            return flags[i] == 1;
    return false;
}

TOverlayFloors ReadOverlayFloors()
{
    const TOverlaySettings stored = ReadSettings<TOverlaySettings>();
    return {{stored.fourthLevel, stored.ground, stored.first, stored.second, stored.level54}};
}

TColor OverlayColour(TColor colour, TColor background)
{
    return MakeColour((RedOf(colour) + RedOf(background)) / 2, (GreenOf(colour) + GreenOf(background)) / 2,
                      (BlueOf(colour) + BlueOf(background)) / 2);
}

bool HidesDimensions(int displayMode)
{
    const int units = displayMode % 10;
    return units == 1 || units == 3;
}

TFloorToPaint FloorToPaint(int floorCode)
{
    TFloorToPaint floor;
    floor.floorCode = floorCode;
    const int units = State().displayMode % 10;
    if (units >= 2 && units <= 4)
        floor.overlay = ReadOverlayFloors();
    return floor;
}

TFloorToPaint FloorInView()
{
    const int floorCode = State().currentFloor;
    return FloorToPaint(floorCode >= 1000 ? floorCode - 1000 : floorCode);
}

void PaintFloor(Canvas& dc, const TRect& clientRect)
{
    PaintFloor(dc, clientRect, State().objects, FloorInView());
}

void PaintFloor(Canvas& dc, const TRect& clientRect, const TList& list, int floorCode, TPlanCulling culling)
{
    PaintFloor(dc, clientRect, list, FloorToPaint(floorCode), culling);
}

void PaintFloor(Canvas& dc, const TRect& clientRect, const TList& list, const TFloorToPaint& floor,
                TPlanCulling culling, const TPaintRows* rows)
{
    const TDrawingState& state = State();
    const int scale = state.unitsPerLogical;
    SetupViewMapping(dc, clientRect);
    const std::optional<TRect> paintable = culling == TPlanCulling::On ? dc.PaintableArea() : std::nullopt;
    const std::optional<TPaintArea> area =
        paintable ? std::optional<TPaintArea>(std::in_place, dc, *paintable, scale) : std::nullopt;
    const TPen callerPen = dc.Pen();

    // What the band does with each object, as measured for all the bands: one lying outside it
    // is left out before it is looked at, one whose rows meet it is drawn.
    const TPaintRows* const measured = area ? rows : nullptr;
    const TRect band = paintable ? *paintable : TRect{};
    // Draws one object with a pen, unless nothing of it can show.
    auto paint = [&](std::size_t i, const TObject& object, const TPen& pen, TFillStyle fill) {
        if (area && (!measured || measured->Unmeasured(i))) {
            TPaintExtent extent(*area, pen.width);
            object.PaintExtent(extent, scale);
            if (!extent.Touches())
                return;
        }
        dc.SelectPen(pen);
        object.Render(dc, scale, fill);
    };

    // The overlay floors go underneath, lighter, each object with its own pen width and style.
    ForEachPainted(
        list, floor, measured, band,
        [&](std::size_t i, const TObject& object) {
            TPen pen;
            pen.colour = OverlayColour(TColor(object.colour), state.currentFillColour);
            pen.width = OverlayPenWidth(object);
            pen.style = object.penStyle;
            paint(i, object, pen, TFillStyle::None);
        },
        [&](std::size_t i, const TObject& object) { paint(i, object, object.PlanPen(0), object.PlanFill()); });
    dc.SelectPen(callerPen);
}

TRowWork FloorRowWork(const TRect& clientRect, const TList& list, const TFloorToPaint& floor, TPaintRows& rows)
{
    TRowWork work;
    work.measure = [clientRect, &list, &floor, &rows](Canvas& dc, const TRect& area, std::vector<double>& work,
                                                      TPiece piece) {
        SetupViewMapping(dc, clientRect);
        const bool hideDimensions = HidesDimensions(State().displayMode);
        const auto& items = list.Items();
        rows.Measure(dc, area, State().unitsPerLogical, work, piece,
                     [&](std::size_t i, int& penWidth, int& pass) -> const TObject* {
                         const TObject& object = *items[i];
                         const TPainted how = HowPainted(object, floor, hideDimensions);
                         pass = int(how);
                         switch (how) {
                         case TPainted::Overlaid:
                             penWidth = OverlayPenWidth(object);
                             return &object;
                         case TPainted::Own:
                             penWidth = object.PlanPen(0).width;
                             return &object;
                         default:
                             return nullptr;
                         }
                     });
    };
    work.sort = [&rows](const std::vector<int>& edges, TPiece piece) { rows.Sort(edges, piece); };
    return work;
}

void PaintFloorInBands(Canvas& dc, const TRect& clientRect, const TList& list, const TFloorToPaint& floor)
{
    TPaintRows rows(list.Items().size());
    dc.PaintInBands([&](Canvas& band) { PaintFloor(band, clientRect, list, floor, TPlanCulling::On, &rows); },
                    FloorRowWork(clientRect, list, floor, rows));
}
