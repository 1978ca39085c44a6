#include "openings/windowobjtool.h"

#include "model/drawingedit.h"
#include "model/drawingstate.h"
#include "model/extwallobj.h"
#include "model/lineobj.h"
#include "model/list.h"
#include "model/modelunits.h"
#include "model/settingsrecords.h"
#include "model/typecodes.h"
#include "model/viewmapping.h"
#include "platform/canvas.h"

#include <algorithm>
#include <memory>
#include <vector>

namespace {

// Half the length of the ticks of the window preview, and of the door preview's tick (logical).
constexpr int WINDOW_TICK = 40;
constexpr int DOOR_TICK = 50;
// The band round a wall's reference line that marks it: the wall thickness plus this many logical
// units on both sides.
constexpr int BAND_MARGIN = 10;

int UnitsPerLogical()
{
    return std::max(State().unitsPerLogical, 1);
}

// A model value at window scale (divided by unitsPerLogical, truncating toward zero).
int Logical(std::int64_t model)
{
    return int(ClampToInt32(model / UnitsPerLogical()));
}

// The storey height of a floor from its floor record, divided by unitsPerLogical; 0 when the
// drawing has no record for the floor.
std::int64_t StoreyHeight(int floorCode)
{
    const TList& objects = State().objects;
    const std::optional<int> index = objects.FindByType(FloorRecordType(floorCode));
    if (!index)
        return 0;
    return objects[*index]->z2 / UnitsPerLogical();
}

bool Between(std::int64_t low, std::int64_t value, std::int64_t high)
{
    return low <= value && value <= high;
}

}  // namespace

std::optional<TPoint> TopLeftWallCorner(int floorCode)
{
    const TList& objects = State().objects;
    std::vector<TPoint> ends;
    for (const auto& object : objects.Items())
        if (IsExternalWallOn(*object, floorCode)) {
            ends.push_back({object->x1, object->y1});
            ends.push_back({object->x2, object->y2});
        }
    if (ends.empty())
        return std::nullopt;
    std::int64_t left = ends.front().x;
    std::int64_t top = ends.front().y;
    for (const TPoint& end : ends) {
        left = std::min<std::int64_t>(left, end.x);
        top = std::max<std::int64_t>(top, end.y);
    }
    // The wall corner nearest the top left corner of the walls' box.
    auto distance = [&](const TPoint& end) { return (end.x - left) + (top - end.y); };
    return *std::min_element(ends.begin(), ends.end(),
                             [&](const TPoint& a, const TPoint& b) { return distance(a) < distance(b); });
}

int FloorActionBase(int floorCode)
{
    return IsPlanFloor(floorCode) ? 10000 + 1000 * (floorCode - GROUND_FLOOR) : 0;
}

void TWindowobjtool::Setup(int width, int, int)
{
    const TWindowSettings settings = TakeWindowSettings();
    headLevel = settings.headLevel;

    if (IsSingleDoor(openingType)) {
        // The door's width reaches the later readers of the file (the size label among them).
        openingWidth = width;
        TWindowDoorSettings rewritten;
        static_cast<TWindowSettings&>(rewritten) = settings;
        rewritten.width = width;
        WriteSettingsReported(rewritten);
    }

    AddStoreysBelow();

    pointX = 0;
    pointY = 0;
    if (ReadsDoorLeaf(openingType)) {
        const TDoorSettings door = ReadSettings<TDoorSettings>();
        pointX = TruncToInt32(double(openingWidth) * door.sine);
        pointY = TruncToInt32(double(openingWidth) * door.cosine);
        doorCode = step;
    }

    ArmPreview();
}

void TWindowobjtool::ArmPreview()
{
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

TWindowSettings TWindowobjtool::TakeWindowSettings()
{
    const TWindowSettings settings = ReadSettings<TWindowSettings>();
    openingType = settings.openingType;
    openingWidth = settings.width;
    openingHeight = settings.height;
    showSizes = settings.showSizes;
    showCill = settings.showCill;
    return settings;
}

void TWindowobjtool::AddStoreysBelow()
{
    // Storeys from the floor records by their type codes (list positions do not matter).
    const int floor = State().currentFloor;
    if (floor <= GROUND_FLOOR || floor > FOURTH_LEVEL)
        return;
    std::int64_t level = headLevel;
    for (int below = GROUND_FLOOR; below < floor; ++below)
        level += StoreyHeight(below);
    headLevel = ClampToInt32(level);
}

void TWindowobjtool::MouseMove(Canvas& dc, const TRect& clientRect, int x, int y)
{
    if (armed)
        active = 1;
    // While CENTRE takes its clicks the figure's points are its marks, not the cursor.
    if (active != 1 || IsAnyCentreStep(step))
        return;
    const TPoint p = ModelPoint(dc, clientRect, x, y);
    if (!PreviewFollowsMouse())
        return;
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

void TWindowobjtool::DrawFeedback(Canvas& dc, int)
{
    const std::int64_t X = x1;
    const std::int64_t Y = y1;
    const std::int64_t w = openingWidth;
    const std::int64_t h = w / 2;
    const std::int64_t a = pointX;
    const std::int64_t b = pointY;
    const int cx = Logical(X);
    const int cy = Logical(Y);

    const RasterOp oldRop = dc.SetROP2(RasterOp::Xor);
    // Width 0: one device pixel at every zoom, so drawing twice erases exactly.
    const TPen oldPen = dc.SelectPen(TPen{State().currentColour, 0, PS_DOT});
    auto line = [&](int fromX, int fromY, int toX, int toY) {
        dc.MoveTo(fromX, fromY);
        dc.LineTo(toX, toY);
    };
    auto circle = [&] {
        const TBrush oldBrush = dc.SelectBrush(TBrush{});
        dc.Ellipse(Logical(X - h), Logical(Y + h), Logical(X + h), Logical(Y - h));
        dc.SelectBrush(oldBrush);
    };

    if (kind == KIND_DOOR_HINGED || IsSingleDoor(openingType)) {
        // The leaf from the hinge, and a tick across the wall at the far end of the door width.
        struct Leaf {
            std::int64_t endX, endY;
            bool alongY;  // the tick lies at the far end along y (codes 1..4), else along x
            std::int64_t far;
        };
        Leaf leaf{};
        bool drawn = true;
        switch (doorCode) {
        case 1: leaf = {X - a, Y - b, true, Y - w}; break;
        case 2: leaf = {X - a, Y + b, true, Y + w}; break;
        case 3: leaf = {X + a, Y - b, true, Y - w}; break;
        case 4: leaf = {X + a, Y + b, true, Y + w}; break;
        case 5: leaf = {X + b, Y + a, false, X + w}; break;
        case 6: leaf = {X + b, Y - a, false, X + w}; break;
        case 7: leaf = {X - b, Y + a, false, X - w}; break;
        case 8: leaf = {X - b, Y - a, false, X - w}; break;
        default: drawn = false; break;
        }
        if (drawn) {
            line(cx, cy, Logical(leaf.endX), Logical(leaf.endY));
            if (leaf.alongY)
                line(cx - DOOR_TICK, Logical(leaf.far), cx + DOOR_TICK, Logical(leaf.far));
            else
                line(Logical(leaf.far), cy - DOOR_TICK, Logical(leaf.far), cy + DOOR_TICK);
        }
    } else if (kind == KIND_DOOR_DOUBLE || kind == KIND_WALL_OPENING || kind == KIND_DOOR_SLIDING) {
        circle();
    } else if (kind == KIND_WINDOW) {
        circle();
        line(cx - WINDOW_TICK, Logical(Y - h), cx + WINDOW_TICK, Logical(Y - h));
        line(cx - WINDOW_TICK, Logical(Y + h), cx + WINDOW_TICK, Logical(Y + h));
        line(Logical(X - h), cy - WINDOW_TICK, Logical(X - h), cy + WINDOW_TICK);
        line(Logical(X + h), cy - WINDOW_TICK, Logical(X + h), cy + WINDOW_TICK);
        line(cx, Logical(Y - h), cx, Logical(Y + h));
        line(Logical(X - h), cy, Logical(X + h), cy);
    }
    dc.Flush();
    dc.SelectPen(oldPen);
    dc.SetROP2(oldRop);
}

void TWindowobjtool::DrawShownFeedback(Canvas& dc, const TRect& clientRect)
{
    if (!previewShown)
        return;
    SetupViewMapping(dc, clientRect);
    DrawFeedback(dc, 0);
    dc.SetROP2(RasterOp::Copy);
}

void TWindowobjtool::HidePreview(Canvas& dc, const TRect& clientRect)
{
    if (!previewShown)
        return;
    SetupViewMapping(dc, clientRect);
    DrawFeedback(dc, 0);
    previewShown = false;
}

void TWindowobjtool::ShowPreview(Canvas& dc, const TRect& clientRect)
{
    if (previewShown || active != 1)
        return;
    SetupViewMapping(dc, clientRect);
    DrawFeedback(dc, 0);
    previewShown = true;
}

void TWindowobjtool::CentreStep(Canvas& dc, const TRect& clientRect, int x, int y)
{
    // The second click ends CENTRE: the base takes the preview off at (x1, y1) and draws it at the
    // centre found. A preview not drawn yet is drawn first, so that the base's erase leaves no
    // trace; the door keeps its direction code, which the base would clear from `step`.
    const bool centring = step == STEP_CENTRE_SECOND && x >= 3 && y >= 3;
    if (centring && !previewShown) {
        SetupViewMapping(dc, clientRect);
        DrawFeedback(dc, 0);
    }
    TDrawingtool::CentreStep(dc, clientRect, x, y);
    if (centring) {
        previewShown = true;
        step = savedStep;
    }
}

void TWindowobjtool::CentreCentreStep(Canvas& dc, const TRect& clientRect, int x, int y)
{
    if (step == STEP_CENTRECENTRE_FIRST)
        HidePreview(dc, clientRect);
    TDrawingtool::CentreCentreStep(dc, clientRect, x, y);
    if (!IsAnyCentreStep(step))
        ShowPreview(dc, clientRect);
}

void TWindowobjtool::KeyDown(Canvas& dc, const TRect& clientRect, int, TPoint& cursor, int value)
{
    active = 0;
    armed = false;
    markedSide = 0;
    wallMarked = false;
    // The preview comes off the screen where it was drawn.
    HidePreview(dc, clientRect);
    lineAux2 = 0;
    const TPoint p = ModelPoint(dc, clientRect, cursor.x, cursor.y);
    x1 = p.x;
    y1 = p.y;
    pointX = x1;
    pointY = y1;
    dc.SetROP2(RasterOp::Copy);
    markedWall = 0;
    lineAux1 = 0;

    // A tool that never got its width places nothing.
    if (openingWidth < 1) {
        outcome = TPlaceOutcome::WidthTooSmall;
        return;
    }
    FindWall();
    if (markedSide == 0) {
        outcome = IsSingleDoor(openingType) ? TPlaceOutcome::DoorWallError : TPlaceOutcome::NoWallMarked;
        return;
    }
    if (markedSide < 0)
        faceNumber() = -markedSide;

    // A single main entry door must swing into the house: never on an angled wall.
    if (IsMainEntry(openingType) && step != 0 && !SwingsInward(markedSide, step)) {
        outcome = TPlaceOutcome::EntryDoorError;
        return;
    }

    const TExtwallobj* wall = MarkedWall();
    ownerId = wall ? wall->ownerId : 0;
    z1 = 0;
    z2 = 0;
    PlaceOpening(dc, clientRect, value);
    markedSide = 0;
    lineAux2 = 0;
}

void TWindowobjtool::FindWall()
{
    const TDrawingState& state = State();
    const std::int64_t w = openingWidth;
    const std::int64_t h = w / 2;
    const bool door = IsSingleDoor(openingType);
    const std::int64_t mx = pointX;
    const std::int64_t my = pointY;
    bool angledSearched = false;

    for (int index = 0; index < state.objects.count(); ++index) {
        const auto* wall = dynamic_cast<const TExtwallobj*>(state.objects[index]);
        if (!wall || !IsExternalWallOn(*wall, state.currentFloor))
            continue;
        const std::int64_t band = wall->Thickness() + std::int64_t(BAND_MARGIN) * UnitsPerLogical();
        const std::int64_t low = std::min(wall->x1, wall->x2);
        const std::int64_t high = std::max(wall->x1, wall->x2);
        const std::int64_t bottom = std::min(wall->y1, wall->y2);
        const std::int64_t top = std::max(wall->y1, wall->y2);

        if (wall->y1 == wall->y2) {
            if (!(wall->y1 - band < my && my < wall->y1 + band) || wall->x1 == wall->x2)
                continue;
            bool fits;
            if (door) {
                // A door on a wall along x needs a code of that axis and its width on the code's side.
                if (step == 5 || step == 6)
                    fits = Between(low, mx, high - w);
                else
                    fits = step > 4 && Between(low + w, mx, high);
            } else {
                fits = Between(low + h, mx, high - h);
            }
            if (fits) {
                pointY = wall->y1;
                markedSide = wall->x1 < wall->x2 ? FACE_PLUS_X : FACE_MINUS_X;
                markedWall = index;
                wallMarked = true;
                return;
            }
        } else if (wall->x1 == wall->x2) {
            if (!(wall->x1 - band < mx && mx < wall->x1 + band))
                continue;
            bool fits;
            if (door) {
                if (step == 1 || step == 3)
                    fits = Between(bottom + w, my, top);
                else
                    fits = step < 5 && Between(bottom, my, top - w);
            } else {
                fits = bottom + h < my && my < top - h;
            }
            if (fits) {
                pointX = wall->x1;
                markedSide = wall->y1 < wall->y2 ? FACE_PLUS_Y : FACE_MINUS_Y;
                markedWall = index;
                wallMarked = true;
                return;
            }
        } else if (wall->angle > 0 && !angledSearched) {
            // The angled walls are searched once, all of them, when the walk meets the first.
            angledSearched = true;
            FindAngledWall();
            if (markedSide > 0)
                return;
        }
    }
}

const TExtwallobj* TWindowobjtool::MarkedWall() const
{
    const TList& objects = State().objects;
    if (!wallMarked || markedWall < 0 || markedWall >= objects.count())
        return nullptr;
    return dynamic_cast<const TExtwallobj*>(objects[markedWall]);
}

void TWindowobjtool::PlaceOpening(Canvas& dc, const TRect& clientRect, int value)
{
    TDrawingState& state = State();
    const TExtwallobj* wall = MarkedWall();
    colour = state.currentColour;
    penStyle = 0;
    libraryFlag = wall ? ClampToInt32(wall->Thickness()) : 0;
    x1 = pointX;
    y1 = pointY;
    if (value == 4) {
        outcome = TPlaceOutcome::Marked;
        return;
    }

    const std::int32_t keptKind = kind;
    kind = KIND_LINE;
    ++state.groupIdCounter;
    groupId = FloorActionBase(state.currentFloor) + state.groupIdCounter;
    if (IsSingleDoor(openingType))
        objectIndex = step;
    lineAux1 = wall ? wall->angle : 0;

    // One edit for the whole opening: the drawing file is written once, whatever the wall.
    TDrawingEdit edit(state.objects);
    const int first = state.objects.count();
    derived.Begin();
    BuildOpening(edit, dc, clientRect);
    kind = keptKind;
    if (const auto point = derived.Unstorable()) {
        // A part the drawing file could not store refuses the whole opening, told once; what was
        // drawn of it is repainted away.
        edit.CutBack(first);
        repaintArea = edit.Area();
        AcceptsPoint((*point)[0], (*point)[1]);
        outcome = TPlaceOutcome::Unstorable;
        return;
    }
    repaintArea = edit.Area();
    edit.Commit();
    outcome = TPlaceOutcome::Placed;
}

void TWindowobjtool::AddLine(TDrawingEdit& edit, Canvas& dc, const TRect& clientRect)
{
    // 0 stands for an unset coordinate; a point is no line.
    if (x1 == 0 || y1 == 0 || x2 == 0 || y2 == 0 || (x1 == x2 && y1 == y2))
        return;
    auto line = std::make_unique<TLineobj>();
    FillCommonFields(*line);
    line->lineAux1 = lineAux1;
    line->lineAux2 = lineAux2;
    line->DrawMapped(dc, clientRect, 0);
    edit.Add(std::move(line));
}
