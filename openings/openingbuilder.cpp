// The opening builder of the window tool: the opening polygon cut into the marked wall, its cill,
// the opening line, the size label and the doors of the opening's type.
#include "model/drawingedit.h"
#include "model/drawingstate.h"
#include "model/lineobj.h"
#include "model/modelunits.h"
#include "model/polyobj.h"
#include "model/settingsfile.h"
#include "model/settingsrecords.h"
#include "model/textobj.h"
#include "model/typecodes.h"
#include "openings/doorarcs.h"
#include "openings/openinglabel.h"
#include "openings/wallsteps.h"
#include "openings/windowobjtool.h"

#include <memory>

namespace {

// A point of the opening geometry, kept wide until it is stored.
struct TWidePoint {
    std::int64_t x = 0;
    std::int64_t y = 0;
    TWidePoint operator+(TWidePoint o) const { return {x + o.x, y + o.y}; }
    TWidePoint operator-(TWidePoint o) const { return {x - o.x, y - o.y}; }
    // Each component divided, truncating toward zero.
    TWidePoint operator/(int d) const { return {x / d, y / d}; }
};

TWidePoint Wide(TPoint p)
{
    return {p.x, p.y};
}

}  // namespace

void TWindowobjtool::BuildOpening(TDrawingEdit& edit, Canvas& dc, const TRect& clientRect)
{
    const TDrawingState& state = State();
    penStyle = 0;
    const TWidePoint m{pointX, pointY};
    const std::int64_t w = openingWidth;
    const std::int64_t h = w / 2;
    const std::int64_t thickness = libraryFlag;
    const bool door = IsSingleDoor(openingType);
    const int code = objectIndex;

    // The two ends of the opening on the reference line, and the step n across the wall to its
    // inner face.
    TWidePoint e1, e2, n;
    std::int64_t ex1 = 0, ex2 = 0, ey1 = 0, ey2 = 0;
    switch (markedSide) {
    case FACE_PLUS_X:
    case FACE_MINUS_X: {
        const std::int64_t inward = markedSide == FACE_PLUS_X ? -1 : 1;
        ex1 = door ? m.x : m.x - inward * h;
        ex2 = door ? (code == 5 || code == 6 ? m.x + w : m.x - w) : m.x + inward * h;
        ey1 = m.y;
        ey2 = m.y + inward * thickness;
        e1 = {ex1, m.y};
        e2 = {ex2, m.y};
        n = {0, inward * thickness};
        break;
    }
    case FACE_MINUS_Y:
    case FACE_PLUS_Y: {
        const std::int64_t inward = markedSide == FACE_PLUS_Y ? 1 : -1;
        ex1 = m.x;
        ex2 = m.x + inward * thickness;
        ey1 = door ? m.y : m.y - h;
        ey2 = door ? (code == 1 || code == 3 ? m.y - w : m.y + w) : m.y + h;
        e1 = {m.x, ey1};
        e2 = {m.x, ey2};
        n = {inward * thickness, 0};
        break;
    }
    default: {
        if (markedSide <= 0)
            return;
        const TQuadrant q = QuadrantOf(markedSide);
        const TWidePoint u = Wide(wallsteps::HalfWidth(q, h));
        n = Wide(wallsteps::Inward(q, thickness));
        if (!door) {
            e1 = m - u;
            e2 = m + u;
        } else {
            // The door runs from its hinge along the wall towards its code's axis direction.
            const bool oddQuadrant = q.quadrant == 1 || q.quadrant == 3;
            const bool backwards = oddQuadrant ? (code == 1 || code == 3 || code == 7 || code == 8)
                                               : !(code == 1 || code == 3 || code == 5 || code == 6);
            e1 = m;
            e2 = backwards ? m - u - u : m + u + u;
        }
        ex1 = e1.x;
        ey1 = e1.y;
        ex2 = e2.x;
        ey2 = e2.y;
        break;
    }
    }
    derived.Put(x1, y1, ex1, ey1);
    derived.Put(x2, y2, ex2, ey2);

    // The cill takes the reference-line corners a quarter of the thickness beyond the outer face.
    TWidePoint v1 = e1, v2 = e2;
    if (showCill == 1 && GetsCill(openingType)) {
        v1 = e1 - n / 4;
        v2 = e2 - n / 4;
    }
    auto polygon = std::make_unique<TPolyobj>(TYPE_OPENING_POLYGON);
    polygon->floor = state.currentFloor;
    polygon->ownerId = ownerId;
    polygon->groupId = groupId;
    polygon->colour = std::int32_t(colour);
    polygon->fillColour = std::int32_t(state.currentFillColour);
    polygon->vertexCount = 4;
    const TWidePoint corners[4] = {v1, v2, e2 + n, e1 + n};
    const std::int32_t z = ClampToInt32(std::int64_t(headLevel) - openingHeight);
    for (std::size_t i = 0; i < 4; ++i) {
        derived.Put(polygon->vertexX[i], polygon->vertexY[i], corners[i].x, corners[i].y);
        polygon->vertexZ[i] = z;
    }
    polygon->DrawMapped(dc, clientRect, 0);
    edit.Add(std::move(polygon));

    colour = state.currentColour;
    penWidth = 1;
    kind = KIND_LINE;
    z1 = 0;
    z2 = 0;

    // Windows show their opening line at half the wall thickness, garage doors at a third.
    if (const int divisor = OpeningLineDivisor(openingType)) {
        const TWidePoint from = e1 + n / divisor;
        const TWidePoint to = e2 + n / divisor;
        auto line = std::make_unique<TLineobj>(TYPE_OPENING_LINE);
        line->floor = state.currentFloor;
        line->ownerId = ownerId;
        line->groupId = groupId;
        line->colour = std::int32_t(state.currentColour);
        derived.Put(line->x1, line->y1, from.x, from.y);
        derived.Put(line->x2, line->y2, to.x, to.y);
        line->z1 = headLevel;
        line->z2 = headLevel;
        line->DrawMapped(dc, clientRect, 0);
        edit.Add(std::move(line));
    }

    colour = state.currentColour;
    penWidth = 1;
    if (showSizes == 1 && OffersSizeLabel(openingType))
        AddOpeningLabel(edit, dc, clientRect);

    if (IsFrenchOut(openingType)) {
        AddFrenchDoors(edit, dc, clientRect, 1);
    } else if (IsFrenchIn(openingType)) {
        AddFrenchDoors(edit, dc, clientRect, 2);
    } else if (IsMainEntry(openingType)) {
        AddEntryDoor(edit, dc, clientRect);
    } else if (door) {
        objectIndex = step;
        DrawWallFaceLines(edit, dc, clientRect);
        AddDoorArcs(*this, edit, dc, clientRect);
    }
}

void TWindowobjtool::AddOpeningLabel(TDrawingEdit& edit, Canvas& dc, const TRect& clientRect)
{
    const TDrawingState& state = State();
    const TWindowSettings settings = TakeWindowSettings();

    const TLabelPlacement place = OpeningLabelPlacement(markedSide, {pointX, pointY}, state.unitSystem, showCill, derived);
    if (!(showSizes == 1 && GetsSizeLabel(openingType)))
        return;

    auto label = std::make_unique<TTextobj>(TYPE_LABEL_TEXT);
    label->floor = state.currentFloor;
    label->groupId = groupId;
    label->x1 = place.anchor.x;
    label->y1 = place.anchor.y;
    label->x2 = place.direction;
    label->colour = std::int32_t(state.currentColour);
    label->SetText(OpeningSizeText(state.unitSystem, openingWidth, openingHeight));
    label->SetFaceName(state.currentFontFace);
    label->escapement = place.escapement;
    label->alignment = place.alignment;
    label->fontWeight = state.textWeight;
    label->fontHeight = settings.textSize;
    label->DrawMapped(dc, clientRect, 0);
    edit.Add(std::move(label));
}
