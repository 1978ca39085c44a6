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

// Calls overlaid(object) for each object of the overlay floors a painting of `floor` draws, then
// own(object) for each of the floor's own, each in list order.
template <class Overlaid, class Own>
void ForEachPainted(const TList& list, const TFloorToPaint& floor, Overlaid overlaid, Own own)
{
    const int floorCode = floor.floorCode;
    // The other floors chosen for the overlay view go underneath, without their automatic
    // dimensions.
    if (floor.overlay) {
        const TOverlayFloors& overlay = *floor.overlay;
        for (const auto& object : list.Items()) {
            if (object->floor == floorCode || !overlay.Shows(object->floor) || IsFloorRecordType(object->typeCode) ||
                IsAutomaticDimension(object->typeCode))
                continue;
            overlaid(*object);
        }
    }
    const bool hideDimensions = HidesDimensions(State().displayMode);
    for (const auto& object : list.Items()) {
        if (object->floor != floorCode || IsFloorRecordType(object->typeCode))
            continue;
        if (hideDimensions && IsAutomaticDimension(object->typeCode))
            continue;
        own(*object);
    }
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
                TPlanCulling culling)
{
    const TDrawingState& state = State();
    const int scale = state.unitsPerLogical;
    SetupViewMapping(dc, clientRect);
    const std::optional<TRect> paintable = culling == TPlanCulling::On ? dc.PaintableArea() : std::nullopt;
    const std::optional<TPaintArea> area =
        paintable ? std::optional<TPaintArea>(std::in_place, dc, *paintable, scale) : std::nullopt;
    const TPen callerPen = dc.Pen();

    // Draws one object with a pen, unless nothing of it can show.
    auto paint = [&](const TObject& object, const TPen& pen, TFillStyle fill) {
        if (area) {
            TPaintExtent extent(*area, pen.width);
            object.PaintExtent(extent, scale);
            if (!extent.Touches())
                return;
        }
        dc.SelectPen(pen);
        object.Render(dc, scale, fill);
    };

    // The overlay floors go underneath, lighter, each object with its own pen width and style.
    const int factor = state.printLineFactor > 0 ? state.printLineFactor : 1;
    ForEachPainted(
        list, floor,
        [&](const TObject& object) {
            TPen pen;
            pen.colour = OverlayColour(TColor(object.colour), state.currentFillColour);
            pen.width = object.penWidth * factor;
            pen.style = object.penStyle;
            paint(object, pen, TFillStyle::None);
        },
        [&](const TObject& object) { paint(object, object.PlanPen(0), object.PlanFill()); });
    dc.SelectPen(callerPen);
}

TRowWork FloorRowWork(const TRect& clientRect, const TList& list, const TFloorToPaint& floor)
{
    return [clientRect, &list, &floor](const Canvas&, const TRect& area, std::vector<double>& rows) {
        TRowWorkTally tally(ViewMapping(clientRect), area, State().unitsPerLogical, rows, list.Items().size());
        auto add = [&tally](const TObject& object) { tally.Add(object); };
        ForEachPainted(list, floor, add, add);
    };
}
