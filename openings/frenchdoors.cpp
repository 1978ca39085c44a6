// French doors of the window tool: two leaves that meet in the middle of the opening, with their
// swing arcs in an axis-aligned wall, or with two jamb lines in an angled wall.
#include "model/drawingedit.h"
#include "model/drawingstate.h"
#include "model/modelunits.h"
#include "model/settingsrecords.h"
#include "model/typecodes.h"
#include "openings/doorarcs.h"
#include "openings/wallsteps.h"
#include "openings/windowobjtool.h"

#include <algorithm>
#include <memory>

void TWindowobjtool::AddFrenchDoors(TDrawingEdit& edit, Canvas& dc, const TRect& clientRect, int swingSide)
{
    if (markedSide > 0) {
        FrenchDoorGeometry(edit, dc, clientRect, swingSide);
        return;
    }
    const bool horizontal = markedSide == FACE_PLUS_X || markedSide == FACE_MINUS_X;
    if (!horizontal && markedSide != FACE_PLUS_Y && markedSide != FACE_MINUS_Y)
        return;

    const TDrawingState& state = State();
    const TDoorSettings door = ReadSettings<TDoorSettings>();
    const std::int64_t wide = openingWidth;
    const std::int64_t h = wide / 2;
    const std::int64_t s = TruncToInt32(double(h) * door.sine);
    const std::int64_t c = TruncToInt32(double(h) * door.cosine);
    kind = KIND_OPENING_LINE;
    penStyle = PS_SOLID;
    penWidth = LeafPenWidth(door.thicknessCode);
    colour = state.currentColour;

    // Side 1 opens out: hinges on the outer face, leaves swing outwards; side 2 opens in: hinges on
    // the inner face, leaves swing inwards.
    const std::int64_t hingeOffset = swingSide == 1 ? 0 : libraryFlag;
    const std::int64_t swing = swingSide == 1 ? -s : s;
    const std::int64_t inward = markedSide == FACE_PLUS_X || markedSide == FACE_MINUS_Y ? -1 : 1;

    // Positions along the wall (s) and across it (t), turned into plan points by the wall's axis.
    const std::int64_t along0 = horizontal ? pointX : pointY;
    const std::int64_t across0 = (horizontal ? pointY : pointX) + inward * hingeOffset;
    auto plan = [&](std::int64_t along, std::int64_t across) {
        return horizontal ? derived.Take(along, across)
                          : derived.Take(across, along);
    };
    // Leaf 1 hangs at the -x end of a horizontal wall and the +y end of a vertical one.
    const std::int64_t leaf1 = horizontal ? -1 : 1;
    const TPoint closedPoint = plan(along0, across0);

    struct TLeaf {
        TPoint hinge, open;
        std::int64_t hingeAlong;
    };
    TLeaf leaves[2];
    for (int i = 0; i < 2; ++i) {
        const std::int64_t sign = i == 0 ? leaf1 : -leaf1;
        const std::int64_t hingeAlong = along0 + sign * h;
        leaves[i] = {plan(hingeAlong, across0), plan(hingeAlong - sign * c, across0 + inward * swing), hingeAlong};
        x1 = leaves[i].hinge.x;
        y1 = leaves[i].hinge.y;
        x2 = leaves[i].open.x;
        y2 = leaves[i].open.y;
        AddLine(edit, dc, clientRect);
    }

    // The swing of each leaf: its box reaches from the closed point the whole width towards the
    // leaf's hinge and half the width to either side of the hinge line; the arc runs anticlockwise
    // from the closed point or from the open end, as the face and side need.
    int startsAtClosed[2];
    switch (markedSide) {
    case FACE_PLUS_X:
    case FACE_MINUS_Y:
        startsAtClosed[0] = 1;
        startsAtClosed[1] = 2;
        break;
    default:
        startsAtClosed[0] = 2;
        startsAtClosed[1] = 1;
        break;
    }
    for (int i = 0; i < 2; ++i) {
        const std::int64_t sign = i == 0 ? leaf1 : -leaf1;
        const TPoint a = plan(along0, across0 - h);
        const TPoint b = plan(along0 + sign * wide, across0 + h);
        const bool fromClosed = swingSide == startsAtClosed[i];
        AddSwingArc(*this, edit, dc, clientRect, a, b, fromClosed ? closedPoint : leaves[i].open,
                    fromClosed ? leaves[i].open : closedPoint);
    }
}

void TWindowobjtool::FrenchDoorGeometry(TDrawingEdit& edit, Canvas& dc, const TRect& clientRect, int swingSide)
{
    const TDoorSettings door = ReadSettings<TDoorSettings>();
    const int opening = door.openingAngle * 10;
    const int w = markedSide;
    kind = KIND_OPENING_LINE;
    penWidth = 1;
    penStyle = PS_SOLID;
    const std::int64_t h = openingWidth / 2;
    const TQuadrant q = QuadrantOf(w);
    const TPoint u = wallsteps::Along(q, h);
    const TPoint v = wallsteps::Inward(q, libraryFlag);
    // In the first quadrant the jamb at the far end takes its step across the wall truncated.
    TPoint vPlus = v;
    if (w < 900) {
        const wallsteps::TTrig t = wallsteps::TrigOf(q.reduced);
        vPlus = {TruncToInt32(libraryFlag * t.c), -TruncToInt32(libraryFlag * t.s)};
    }
    const std::int64_t cx = pointX;
    const std::int64_t cy = pointY;
    const TPoint plus = derived.Take(cx + u.x, cy + u.y);
    const TPoint minus = derived.Take(cx - u.x, cy - u.y);
    auto offset = [this](TPoint p, TPoint d) {
        return derived.Take(std::int64_t(p.x) + d.x, std::int64_t(p.y) + d.y);
    };
    auto line = [&](TPoint from, TPoint to) {
        x1 = from.x;
        y1 = from.y;
        x2 = to.x;
        y2 = to.y;
        AddLine(edit, dc, clientRect);
    };
    line(minus, offset(minus, v));
    line(plus, offset(plus, vPlus));

    // Each leaf hangs on the outer end of its jamb (opening out) or the inner end (opening in).
    penWidth = LeafPenWidth(door.thicknessCode);
    auto leaf = [&](TPoint hinge, int direction) {
        x1 = hinge.x;
        y1 = hinge.y;
        PolarOffset(*this, direction, int(h));
        AddLine(edit, dc, clientRect);
    };
    if (swingSide == 1) {
        leaf(plus, w + 1800 + opening);
        leaf(minus, w - opening);
    } else {
        leaf(offset(plus, vPlus), w + 1800 - opening);
        leaf(offset(minus, v), w + opening);
    }
}
