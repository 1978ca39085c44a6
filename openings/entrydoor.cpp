// The main entry door of the window tool: the frame lines of the side panels and one or two door
// leaves, laid out by ENTRY.CFG.
#include "model/drawingstate.h"
#include "model/modelunits.h"
#include "model/settingsrecords.h"
#include "openings/doorarcs.h"
#include "openings/windowobjtool.h"

#include <algorithm>

void TWindowobjtool::AddEntryDoor(TDrawingEdit& edit, Canvas& dc, const TRect& clientRect)
{
    const std::int32_t keptX = pointX;
    const std::int32_t keptY = pointY;
    const std::int32_t keptWidth = openingWidth;
    const TEntrySettings entry = ReadSettings<TEntrySettings>();
    const int leaves = std::clamp(int(entry.doorCount), 1, 2);
    std::int64_t leafWidth = entry.doorWidth;

    const int code = step;
    objectIndex = step;
    step = 0;

    // Leaves wider than the frame share it.
    const std::int64_t frame = openingWidth;
    std::int64_t total = leaves * leafWidth;
    if (frame < total) {
        total = frame;
        leafWidth = frame / 2;
    }
    openingWidth = ClampToInt32(leafWidth);
    kind = KIND_OPENING_LINE;
    penWidth = 1;
    penStyle = PS_SOLID;
    colour = State().currentColour;

    const bool horizontal = markedSide == FACE_PLUS_X || markedSide == FACE_MINUS_X;
    const bool vertical = markedSide == FACE_PLUS_Y || markedSide == FACE_MINUS_Y;
    if (horizontal || vertical) {
        const std::int64_t thickness = libraryFlag;
        const std::int64_t inward = markedSide == FACE_PLUS_X || markedSide == FACE_MINUS_Y ? -1 : 1;
        const std::int64_t s0 = horizontal ? keptX : keptY;
        const std::int64_t reference = horizontal ? keptY : keptX;
        const std::int64_t centre = reference + inward * (thickness / 2);
        const std::int64_t h = frame / 2;
        const std::int64_t panel = frame - total;
        const std::int64_t half = panel / 2;
        auto setPoints = [&](std::int64_t alongFrom, std::int64_t acrossFrom, std::int64_t alongTo, std::int64_t acrossTo) {
            derived.Put(x1, y1, horizontal ? alongFrom : acrossFrom, horizontal ? acrossFrom : alongFrom);
            derived.Put(x2, y2, horizontal ? alongTo : acrossTo, horizontal ? acrossTo : alongTo);
        };
        // A side panel's centre line along the wall, and a jamb across it.
        auto panelLine = [&](std::int64_t from, std::int64_t to) {
            setPoints(from, centre, to, centre);
            AddLine(edit, dc, clientRect);
        };
        auto jamb = [&](std::int64_t at) {
            setPoints(at, centre - inward * (thickness / 2), at, centre + inward * (thickness / 2));
            AddLine(edit, dc, clientRect);
        };

        // Where the doors hang along the wall. The side character says where the doors sit seen from
        // outside; the panel fills the rest of the frame from one frame end to its jamb.
        const char side = entry.doorSide;
        const TFaceCodes faceCodes = InwardCodes(markedSide);
        const bool faceCode = code != 0 && (code == faceCodes.first || code == faceCodes.second);
        const std::int64_t closes = ClosesTowardsPlus(code) ? 1 : -1;
        std::int64_t hinge = s0;
        if (side == 'r' || side == 'l') {
            const bool panelAtMinus = (markedSide == FACE_PLUS_X || markedSide == FACE_PLUS_Y) == (side == 'r');
            const std::int64_t panelSign = panelAtMinus ? -1 : 1;
            const std::int64_t frameEnd = s0 + panelSign * h;
            const std::int64_t jambAt = frameEnd - panelSign * panel;
            panelLine(frameEnd, jambAt);
            jamb(jambAt);
            const std::int64_t towardsDoors = -panelSign;
            if (code == 0)
                hinge = jambAt + towardsDoors * (total / 2);
            else if (faceCode)
                hinge = closes == towardsDoors ? jambAt : s0 + towardsDoors * h;
        } else if (side == 'b') {
            panelLine(s0 - h, s0 - h + half);
            panelLine(s0 + h, s0 + h - half);
            jamb(s0 + h - half);
            jamb(s0 - h + half);
            if (faceCode)
                hinge = closes > 0 ? s0 - h + half : s0 + h - half;
        }
        // Across the wall the hinge lies on the outer face, from where the leaf moves to the inner one.
        const std::int64_t hingeAcross = centre + inward * (thickness / 2) - inward * thickness;

        auto hang = [&](std::int64_t along, int leafCode) {
            derived.Put(pointX, pointY, horizontal ? along : hingeAcross, horizontal ? hingeAcross : along);
            objectIndex = leafCode;
            AddDoorArcs(*this, edit, dc, clientRect);
        };
        if (leaves == 1) {
            hang(hinge, code);
        } else {
            // Two leaves closing towards each other from either side of the hinge.
            const std::int64_t firstSign = horizontal ? -1 : 1;
            hang(hinge + firstSign * leafWidth, faceCodes.first);
            hang(hinge - firstSign * leafWidth, faceCodes.second);
        }
    }

    pointX = keptX;
    pointY = keptY;
    openingWidth = keptWidth;
    objectIndex = code;
    step = leaves == 1 ? code : 0;
}
