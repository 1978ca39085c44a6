#include "openings/doorobjtool.h"

#include "model/drawingedit.h"
#include "model/drawingstate.h"
#include "model/intwallobj.h"
#include "model/list.h"
#include "model/modelunits.h"
#include "model/settingsrecords.h"
#include "model/typecodes.h"
#include "openings/doorarcs.h"
#include "openings/doorfitting.h"
#include "openings/doorwallaxis.h"
#include "openings/wallcut.h"
#include "platform/canvas.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace {

// The head level of an opening the tool's Setup prepares, before the storeys below.
constexpr int SETUP_HEAD_LEVEL = 2000;

// Strictly between two values given in either order.
bool StrictlyBetween(std::int64_t a, std::int64_t value, std::int64_t b)
{
    return std::min(a, b) < value && value < std::max(a, b);
}

// Strictly within `h` of a value.
bool Near(std::int64_t value, std::int64_t to, std::int64_t h)
{
    return std::llabs(value - to) < h;
}

// The faces of a wall along an axis by what they are called across it: the low face (the smaller
// coordinate across the wall) and the high one, the door codes that name each, the sides of double
// doors and panels that open towards each, and their face numbers.
struct TAxisFaces {
    int lowCodes[2];
    int highCodes[2];
    int lowSide;
    int highSide;
    int lowFace;
    int highFace;
};
constexpr TAxisFaces ALONG_X{{6, 8}, {5, 7}, DOOR_SIDE_BOTTOM, DOOR_SIDE_TOP, WALL_FACE_LOWER, WALL_FACE_UPPER};
constexpr TAxisFaces ALONG_Y{{1, 2}, {3, 4}, DOOR_SIDE_LEFT, DOOR_SIDE_RIGHT, WALL_FACE_LEFT, WALL_FACE_RIGHT};

// A mark on a wall along an axis: strictly between its ends along the wall, and strictly within h
// of one of its faces across it.
bool HitsAxisWall(std::int64_t along, std::int64_t across, std::int64_t end1, std::int64_t end2, std::int64_t face1,
                  std::int64_t face2, std::int64_t h)
{
    return StrictlyBetween(end1, along, end2) && (Near(across, face1, h) || Near(across, face2, h));
}

// Moves the mark's coordinate across a wall along an axis onto the face its code names (the nearer
// face for an opening, the face on the side of double doors and panels); the face number, or 0 when
// the code or side names no face of this wall.
int SnapAcross(const TAxisFaces& rule, int code, int side, std::int64_t& across, std::int64_t face1,
               std::int64_t face2, std::int64_t h)
{
    const std::int64_t low = std::min(face1, face2);
    const std::int64_t high = std::max(face1, face2);
    auto snap = [&](bool toHigh) {
        across = toHigh ? high : low;
        return toHigh ? rule.highFace : rule.lowFace;
    };
    if (code == rule.lowCodes[0] || code == rule.lowCodes[1])
        return snap(false);
    if (code == rule.highCodes[0] || code == rule.highCodes[1])
        return snap(true);
    if (code == DOOR_CODE_OPENING) {
        if (Near(across, low, h))
            return snap(false);
        if (Near(across, high, h))
            return snap(true);
        return 0;
    }
    if (code > 9 && low != high) {
        if (side == rule.highSide)
            return snap(true);
        if (side == rule.lowSide)
            return snap(false);
    }
    return 0;
}

const char* KindTitle(int kind)
{
    switch (kind) {
    case KIND_DOOR_HINGED: return "INTERNAL DOOR";
    case KIND_DOOR_DOUBLE: return "MISCELLANEOUS DOORS";
    case KIND_DOOR_SLIDING: return "SLIDING DOOR";
    default: return "OPENING";
    }
}

}  // namespace

int DoorEnterValue(int kind)
{
    switch (kind) {
    case KIND_DOOR_HINGED: return DOOR_ENTER_HINGED;
    case KIND_DOOR_DOUBLE: return DOOR_ENTER_MULTIPLE;
    case KIND_DOOR_SLIDING: return DOOR_ENTER_SLIDING;
    default: return DOOR_ENTER_OPENING;
    }
}

std::vector<TToolMessage> DoorToolMessages(int kind, TPlaceOutcome outcome)
{
    if (outcome == TPlaceOutcome::Placed || outcome == TPlaceOutcome::Pending || outcome == TPlaceOutcome::Unstorable)
        return {};
    if (outcome == TPlaceOutcome::WidthTooSmall)
        return {{"The width must be at least 1", KindTitle(kind)}};
    if (outcome == TPlaceOutcome::PastWallEnd)
        return {{"The opening runs past the end of the wall - nothing drawn, mark it where its whole width "
                 "lies on the wall",
                 KindTitle(kind)}};
    switch (kind) {
    case KIND_DOOR_HINGED:
        return {{"  No INTERNAL door drawn, try again\nplace the cursor cross on hanging side of an internal wall",
                 KindTitle(kind)}};
    case KIND_DOOR_DOUBLE:
        return {{"No doors drawn, try again - place the cross on correct side of a partition", KindTitle(kind)}};
    case KIND_DOOR_SLIDING:
        return {{"  No door drawn, try again\nplace the cursor cross on jamb of sliding side of partition",
                 KindTitle(kind)}};
    case KIND_WALL_OPENING:
        return {{"No internal wall at that point - mark the centre on one internal wall line", KindTitle(kind)}};
    default: return {};
    }
}

void TDoorobjtool::SetLeafOffsets()
{
    const TDoorSettings door = ReadSettings<TDoorSettings>();
    pointX = TruncToInt32(double(openingWidth) * door.sine);
    pointY = TruncToInt32(double(openingWidth) * door.cosine);
}

void TDoorobjtool::AutoDimension(Canvas&, const TRect&, int code, int width, int side, int)
{
    markedSide = 0;
    previewShown = false;
    openingWidth = width;
    if (kind != KIND_WALL_OPENING) {
        if (kind == KIND_DOOR_DOUBLE) {
            step = side;
            savedDoorSide = side;
        }
        doorCode = code;
        SetLeafOffsets();
    }
    ArmPreview();
}

void TDoorobjtool::Setup(int type, int width, int height)
{
    openingType = type;
    openingWidth = width;
    openingHeight = height;
    markedSide = 0;
    headLevel = SETUP_HEAD_LEVEL;
    AddStoreysBelow();
    SetLeafOffsets();
    ArmPreview();
}

void TDoorobjtool::KeyDown(Canvas& dc, const TRect& clientRect, int key, TPoint& cursor, int value)
{
    TDrawingState& state = State();
    penWidth = 1;
    colour = state.currentColour;
    penStyle = PS_SOLID;
    if (key != VK_ENTER || !IsDoorKind(kind))
        return;

    // The preview comes off the screen where it was drawn; the mark is the cursor.
    HidePreview(dc, clientRect);
    active = 0;
    armed = false;
    const TPoint p = ModelPoint(dc, clientRect, cursor.x, cursor.y);
    dc.SetROP2(RasterOp::Copy);
    x1 = p.x;
    y1 = p.y;
    z1 = 0;
    z2 = 0;
    lineAux2 = 0;
    repaintArea = {};

    const std::int32_t workingKind = kind;
    if (openingWidth < 1) {
        outcome = TPlaceOutcome::WidthTooSmall;
        return;
    }
    if (value == DOOR_ENTER_MULTIPLE)
        step = savedDoorSide;

    FindDoorWall();
    if (!wallMarked) {
        outcome = TPlaceOutcome::NoWallMarked;
        if (workingKind != KIND_WALL_OPENING)
            SetLeafOffsets();
        return;
    }

    ++state.groupIdCounter;
    ownerId = groupId = FloorActionBase(state.currentFloor) + state.groupIdCounter;

    TDrawingEdit edit(state.objects);
    const int first = state.objects.count();
    outcome = TPlaceOutcome::Placed;
    derived.Begin();
    if (!CutInternalWall(*this, edit, dc, clientRect)) {
        if (workingKind != KIND_WALL_OPENING)
            SetLeafOffsets();
        return;
    }
    switch (value) {
    case DOOR_ENTER_HINGED:
        objectIndex = doorCode;
        AddDoorArcs(*this, edit, dc, clientRect);
        break;
    case DOOR_ENTER_MULTIPLE: FitDoorOrthogonal(*this, edit, dc, clientRect); break;
    case DOOR_ENTER_SLIDING: FitOpeningOrthogonal(*this, edit, dc, clientRect); break;
    default: break;
    }
    kind = workingKind;
    if (const auto point = derived.Unstorable(); point && outcome == TPlaceOutcome::Placed) {
        // A part the drawing file could not store refuses the whole door, told once.
        AcceptsPoint((*point)[0], (*point)[1]);
        outcome = TPlaceOutcome::Unstorable;
    }
    if (outcome != TPlaceOutcome::Placed) {
        // A leaf refused after the cut takes the cut back: nothing of the door stays, and what was
        // drawn of it is repainted away.
        edit.CutBack(first);
        repaintArea = edit.Area();
        SetLeafOffsets();
        return;
    }
    repaintArea = edit.Area();
    edit.Commit();
}

const TIntwallobj* TDoorobjtool::DoorWall() const
{
    const TList& objects = State().objects;
    if (!wallMarked || markedWall < 0 || markedWall >= objects.count())
        return nullptr;
    return dynamic_cast<const TIntwallobj*>(objects[markedWall]);
}

void TDoorobjtool::FindDoorWall()
{
    const TDrawingState& state = State();
    wallMarked = false;
    markedWall = 0;
    markedSide = 0;
    // Each search starts without a face: a code or side the wall does not take leaves none, and the
    // cut refuses it, rather than building on a face left from an earlier try.
    faceNumber() = 0;
    std::int64_t px = x1;
    std::int64_t py = y1;

    const TIntwallobj* found = nullptr;
    for (int index = 0; index < state.objects.count() && !found; ++index) {
        const auto* wall = dynamic_cast<const TIntwallobj*>(state.objects[index]);
        if (!wall || wall->typeCode != TYPE_INTWALL || wall->floor != state.currentFloor)
            continue;
        const std::int64_t h = wall->wallWidth / 2;

        if (wall->y1 == wall->y2) {
            if (!HitsAxisWall(px, py, wall->x1, wall->x2, wall->y1, wall->faceStartY(), h))
                continue;
            faceNumber() = SnapAcross(ALONG_X, doorCode, step, py, wall->y1, wall->faceStartY(), h);
            found = wall;
        } else if (wall->x1 == wall->x2) {
            if (!HitsAxisWall(py, px, wall->y1, wall->y2, wall->x1, wall->faceStartX(), h))
                continue;
            faceNumber() = SnapAcross(ALONG_Y, doorCode, step, px, wall->x1, wall->faceStartX(), h);
            found = wall;
        } else {
            // Angled: inside the box of one face line, then within h of the foot on a face.
            const bool inX = StrictlyBetween(wall->x1, px, wall->x2) ||
                             StrictlyBetween(wall->faceStartX(), px, wall->faceEndX());
            const bool inY = StrictlyBetween(wall->y1, py, wall->y2) ||
                             StrictlyBetween(wall->faceStartY(), py, wall->faceEndY());
            if (!inX || !inY)
                continue;
            const int angle = wall->angle;
            lineAux1 = angle;
            const TDoorAxis axis(angle);
            // The point on a face line at the mark's distance from the line's start.
            auto foot = [&](std::int64_t sx, std::int64_t sy) {
                const double d = std::hypot(double(px - sx), double(py - sy));
                const TPoint step = axis.Along(d);
                return std::pair<std::int64_t, std::int64_t>{sx + step.x, sy + step.y};
            };
            const auto foot1 = foot(wall->x1, wall->y1);
            const auto foot2 = foot(wall->faceStartX(), wall->faceStartY());
            int face;
            if (Near(px, foot1.first, h) && Near(py, foot1.second, h)) {
                px = foot1.first;
                py = foot1.second;
                face = WALL_FACE_LOWER;
            } else if (Near(px, foot2.first, h) && Near(py, foot2.second, h)) {
                px = foot2.first;
                py = foot2.second;
                face = WALL_FACE_UPPER;
            } else {
                continue;
            }
            // Face 1 is the lower face: on a rising wall the one further right, on a falling wall
            // the one further left.
            const bool swap = axis.Rising() ? foot1.first < foot2.first : foot2.first < foot1.first;
            if (swap)
                face = face == WALL_FACE_LOWER ? WALL_FACE_UPPER : WALL_FACE_LOWER;
            faceNumber() = face;
            markedSide = angle;
            found = wall;
        }
        markedWall = index;
    }
    if (!found)
        return;
    wallMarked = true;
    lineAux1 = found->angle;
    derived.Put(x1, y1, px, py);
    pointX = x1;
    pointY = y1;
}
