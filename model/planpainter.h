#pragma once
// Paints one floor plan of the object list: the floors chosen in CFG/OVERLAY.CFG first, in a
// lighter colour, when the display mode asks for overlays, then the floor's own objects in list
// order, each with its own pen and the wall style of the display mode. Floor records are never
// drawn; automatic dimensions are left out when the display mode says so.
//
// The view mapping is set once; each object's pen is selected only where it differs from the one
// before. An object whose drawing lies wholly outside the area the canvas can change (its extent,
// TObject::PaintExtent) is not drawn at all.
#include "model/rowwork.h"
#include "platform/canvas.h"

#include <array>
#include <optional>

class TList;

// The overlay flags of CFG/OVERLAY.CFG by floor code: 53, 50, 51, 52, 54 in the file's order.
struct TOverlayFloors {
    std::array<int, 5> flags{};  // file order
    bool Shows(int floorCode) const;
};
TOverlayFloors ReadOverlayFloors();

// The colour overlays are drawn in: halfway from the object's colour to the background.
TColor OverlayColour(TColor colour, TColor background);

// True when the display mode leaves automatic dimensions (25000 and 34) out.
bool HidesDimensions(int displayMode);

// Whether the painter leaves out the objects that lie wholly outside the pixels the canvas can
// change (Canvas::PaintableArea): the picture is the same either way.
enum class TPlanCulling { On, Off };

// What painting a floor reads besides its objects: the floor and, in an overlay display mode,
// the overlay flags of CFG/OVERLAY.CFG. Read once for a repaint, whose bands share it.
struct TFloorToPaint {
    int floorCode = 0;
    std::optional<TOverlayFloors> overlay;
};
// The floor `floorCode` under the current display mode.
TFloorToPaint FloorToPaint(int floorCode);
// The floor in view (currentFloor, less 1000 while printing).
TFloorToPaint FloorInView();

// Paints the floor in view of `objects`.
void PaintFloor(Canvas& dc, const TRect& clientRect);
// Paints the given floor of a list. The view mapping is left on dc; the pen is the caller's again.
// `rows`: where each object (by list index) lies, as the paint's row work measured it for its
// bands (FloorRowWork).
void PaintFloor(Canvas& dc, const TRect& clientRect, const TList& list, const TFloorToPaint& floor,
                TPlanCulling culling = TPlanCulling::On, const TPaintRows* rows = nullptr);
void PaintFloor(Canvas& dc, const TRect& clientRect, const TList& list, int floorCode,
                TPlanCulling culling = TPlanCulling::On);
// Where on the window's rows painting that floor does its work (the objects it draws, by where
// they lie under the view mapping of `clientRect`): the bands of a PaintInBands that paints it
// are cut by this, and it keeps in `rows` (sized for the list) where each object lies, for the
// bands' PaintFloor. `list`, `floor` and `rows` must outlive the result's use.
TRowWork FloorRowWork(const TRect& clientRect, const TList& list, const TFloorToPaint& floor, TPaintRows& rows);
// Paints the floor as PaintFloor does, in bands at once where the canvas can (PaintInBands), cut
// at equal work by FloorRowWork, each object measured once for every band.
void PaintFloorInBands(Canvas& dc, const TRect& clientRect, const TList& list, const TFloorToPaint& floor);
