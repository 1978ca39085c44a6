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
    if (outcome == TPlaceOutcome::Placed || outcome == TPlaceOutcome::Pending)
        return {};
    if (outcome == TPlaceOutcome::WidthTooSmall)
        return {{"The width must be at least 1", KindTitle(kind)}};
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
    if (openingWidth < 1) {
        outcome = TPlaceOutcome::WidthTooSmall;
        active = 0;
        armed = false;
        return;
    }
    outcome = TPlaceOutcome::Pending;
    active = 1;
    armed = true;
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
    if (openingWidth < 1) {
        outcome = TPlaceOutcome::WidthTooSmall;
        active = 0;
        armed = false;
        return;
    }
    outcome = TPlaceOutcome::Pending;
    active = 1;
    armed = true;
}

void TDoorobjtool::MouseMove(Canvas& dc, const TRect& clientRect, int x, int y)
{
    if (armed)
        active = 1;
    if (active != 1 || !IsDoorKind(kind) || IsAnyCentreStep(step))
        return;
    const TPoint p = ModelPoint(dc, clientRect, x, y);
    if (!previewShown) {
        x1 = p.x;
        y1 = p.y;
        DrawFeedback(dc, 0);
        previewShown = true;
    } else if (p.x != x1 || p.y != y1) {
        DrawFeedback(dc, 0);
        x1 = p.x;
        y1 = p.y;
        DrawFeedback(dc, 0);
    }
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
    if (outcome != TPlaceOutcome::Placed) {
        // A leaf refused after the cut takes the cut back: nothing of the door stays.
        edit.CutBack(first);
        SetLeafOffsets();
        return;
    }
    edit.Commit();
    repaintArea = edit.Area();
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
            // Along x: between the ends, within h of one face.
            if (!StrictlyBetween(wall->x1, px, wall->x2) ||
                !(Near(py, wall->y1, h) || Near(py, wall->faceStartY(), h)))
                continue;
            const std::int64_t yl = std::min<std::int64_t>(wall->y1, wall->faceStartY());
            const std::int64_t yu = std::max<std::int64_t>(wall->y1, wall->faceStartY());
            auto snap = [&](bool upper) {
                py = upper ? yu : yl;
                faceNumber() = upper ? WALL_FACE_UPPER : WALL_FACE_LOWER;
            };
            if (doorCode == 6 || doorCode == 8)
                snap(false);
            else if (doorCode == 5 || doorCode == 7)
                snap(true);
            else if (doorCode == DOOR_CODE_OPENING) {
                if (Near(py, yl, h))
                    snap(false);
                else if (Near(py, yu, h))
                    snap(true);
            } else if (doorCode > 9 && yl != yu) {
                if (step == DOOR_SIDE_TOP)
                    snap(true);
                else if (step == DOOR_SIDE_BOTTOM)
                    snap(false);
            }
            found = wall;
        } else if (wall->x1 == wall->x2) {
            // Along y: the same across x.
            if (!StrictlyBetween(wall->y1, py, wall->y2) ||
                !(Near(px, wall->x1, h) || Near(px, wall->faceStartX(), h)))
                continue;
            const std::int64_t xl = std::min<std::int64_t>(wall->x1, wall->faceStartX());
            const std::int64_t xr = std::max<std::int64_t>(wall->x1, wall->faceStartX());
            auto snap = [&](bool right) {
                px = right ? xr : xl;
                faceNumber() = right ? WALL_FACE_RIGHT : WALL_FACE_LEFT;
            };
            if (doorCode == 3 || doorCode == 4)
                snap(true);
            else if (doorCode == 1 || doorCode == 2)
                snap(false);
            else if (doorCode == DOOR_CODE_OPENING) {
                if (Near(px, xl, h))
                    snap(false);
                else if (Near(px, xr, h))
                    snap(true);
            } else if (doorCode > 9 && xl != xr) {
                if (step == DOOR_SIDE_RIGHT)
                    snap(true);
                else if (step == DOOR_SIDE_LEFT)
                    snap(false);
            }
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
    x1 = ClampToInt32(px);
    y1 = ClampToInt32(py);
    pointX = x1;
    pointY = y1;
}
