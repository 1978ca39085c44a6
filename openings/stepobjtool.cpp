#include "openings/stepobjtool.h"

#include "model/drawingedit.h"
#include "model/drawingstate.h"
#include "model/list.h"
#include "model/modelunits.h"
#include "model/settingsrecords.h"
#include "model/typecodes.h"
#include "model/viewmapping.h"
#include "platform/canvas.h"

#include <limits>

namespace {

// Puts currentFloor back to the floor it held when made, however the scope is left.
class TFloorRestore {
public:
    TFloorRestore() : floor(State().currentFloor) {}
    ~TFloorRestore() { State().currentFloor = floor; }
    TFloorRestore(const TFloorRestore&) = delete;
    TFloorRestore& operator=(const TFloorRestore&) = delete;

private:
    int floor;
};

}  // namespace

void TStepobjtool::Setup(int width, int stairwellLength, int mode)
{
    const TStairsSettings settings = ReadSettings<TStairsSettings>();
    riserHeight = settings.riserHeight;
    treadWidth = settings.treadWidth;

    // The stair leads to the floor above: it needs that floor's record. The second floor is the
    // top floor shown; there is nothing above it to lead to.
    const int floor = State().currentFloor;
    if ((floor != GROUND_FLOOR && floor != FIRST_FLOOR) ||
        !State().objects.FindByType(FloorRecordType(floor + 1))) {
        outcome = TStairsOutcome::NoFloorAbove;
        return;
    }
    // The tread count divides by the riser, and the tread lines are spaced by the tread.
    if (riserHeight <= 0 || treadWidth <= 0) {
        outcome = TStairsOutcome::BadSettings;
        return;
    }

    stairWidth = width;
    this->stairwellLength() = stairwellLength;
    stairMode() = mode;
    const std::int32_t height = storeyHeight();
    treadCount = height / riserHeight;
    if (mode == STAIRS_RETURN_LANDING) {
        // Two flights, each climbing half the storey; the landing is one stair width deep.
        treadCount = (height / 2) / riserHeight - 1;
        stairRun = ClampToInt32(std::int64_t(treadCount) * treadWidth + stairWidth);
    } else if (mode == STAIRS_STRAIGHT_FLIGHT) {
        treadCount = height / riserHeight - 1;
        stairRun = ClampToInt32(std::int64_t(treadCount) * treadWidth);
    }
    // A riser taller than the storey allows leaves a flight of no treads (or fewer): a flat
    // outline with a run of nothing, or shorter than the landing. Nothing to place.
    if (treadCount < 1) {
        outcome = TStairsOutcome::NoTreads;
        return;
    }
    outlineShown = 0;
    x1 = 0;
    y1 = 0;
    outcome = TStairsOutcome::Ready;
}

void TStepobjtool::MouseMove(Canvas& dc, const TRect& clientRect, int x, int y)
{
    if (active != 1)
        return;
    const TPoint p = ModelPoint(dc, clientRect, x, y);
    if (outlineShown > 0 && p.x == x1 && p.y == y1)
        return;
    if (outlineShown > 0)
        DrawFeedback(dc, 0);
    x1 = p.x;
    y1 = p.y;
    DrawFeedback(dc, 0);
    outlineShown = 1;
}

void TStepobjtool::DrawFeedback(Canvas& dc, int)
{
    const std::int64_t x = x1;
    const std::int64_t y = y1;
    const std::int64_t w = stairWidth;
    const std::int64_t h = stairWidth / 2;
    const std::int64_t r = stairRun;
    const bool landing = stairMode() == STAIRS_RETURN_LANDING;
    const std::int64_t across = landing ? w : h;
    std::int64_t ax = 0, ay = 0, bx = 0, by = 0;
    switch (topDirection()) {
    case STAIRS_TOP:
        ax = x - across, ay = y, bx = x + across, by = y - r;
        break;
    case STAIRS_RIGHT:
        if (landing)
            ax = x, ay = y + w, bx = x - r, by = y - w;
        else
            ax = x - r, ay = y + h, bx = x, by = y - h;
        break;
    case STAIRS_BOTTOM:
        ax = x - across, ay = y + r, bx = x + across, by = y;
        break;
    case STAIRS_LEFT:
        ax = x, ay = y + across, bx = x + r, by = y - across;
        break;
    default:
        return;
    }
    const TPoint a = ModelToLogical({ClampToInt32(ax), ClampToInt32(ay)});
    const TPoint b = ModelToLogical({ClampToInt32(bx), ClampToInt32(by)});
    dc.SetROP2(RasterOp::Xor);
    // Width 0 is one device pixel at every zoom: the outline drawn twice restores every pixel.
    const TPen previousPen = dc.SelectPen(TPen{State().currentColour, 0, PS_DOT});
    const TBrush previousBrush = dc.SelectBrush(TBrush{BrushKind::Hollow});
    dc.Rectangle(a.x, a.y, b.x, b.y);
    dc.Flush();
    dc.SelectBrush(previousBrush);
    dc.SelectPen(previousPen);
}

void TStepobjtool::DrawShownFeedback(Canvas& dc, const TRect& clientRect)
{
    if (outlineShown <= 0)
        return;
    SetupViewMapping(dc, clientRect);
    DrawFeedback(dc, 0);
    dc.SetROP2(RasterOp::Copy);
}

void TStepobjtool::EraseOutline(Canvas& dc, const TRect& clientRect)
{
    // Drawn once more, the outline goes.
    DrawShownFeedback(dc, clientRect);
    outlineShown = 0;
}

void TStepobjtool::KeyDown(Canvas& dc, const TRect& clientRect, int key, TPoint& cursor, int)
{
    if (key != VK_ENTER || outcome != TStairsOutcome::Ready)
        return;
    TDrawingState& state = State();
    active = 0;
    penWidth = 1;
    colour = state.currentColour;
    penStyle = 0;
    kind = KIND_LINE;
    // Stair lines carry the bare action id.
    if (state.groupIdCounter < std::numeric_limits<int>::max())
        ++state.groupIdCounter;
    ownerId = state.groupIdCounter;
    groupId = 0;
    const TPoint at = ModelPoint(dc, clientRect, cursor.x, cursor.y);

    TDrawingEdit edit;
    const int first = edit.Objects().count();
    derived.Begin();
    AddStairLines(edit, at);
    if (const auto point = derived.Unstorable()) {
        // A line the drawing file could not store refuses the whole stair, told once.
        edit.CutBack(first);
        AcceptsPoint((*point)[0], (*point)[1]);
        outlineShown = 0;
        kind = KIND_STAIRS;
        return;
    }
    edit.Commit();
    // The window is repainted from the file: the outline goes with it.
    outlineShown = 0;
    kind = KIND_STAIRS;
    outcome = TStairsOutcome::Placed;
}

void TStepobjtool::AddStairLines(TDrawingEdit& edit, TPoint at)
{
    const TFloorRestore restore;
    const int mode = stairMode();
    if (mode == STAIRS_STRAIGHT_FLIGHT && stairwellLength() == 0)
        stairwellLength() = stairRun;
    for (int pass = 0; pass < 2; ++pass) {
        // The second pass draws on the floor above.
        if (pass == 1)
            ++State().currentFloor;
        if (mode == STAIRS_RETURN_LANDING)
            AddReturnStair(edit, at);
        else if (mode == STAIRS_STRAIGHT_FLIGHT)
            AddStraightFlight(edit, at, pass == 0 ? stairRun : stairwellLength());
    }
}

void TStepobjtool::AddLine(TDrawingEdit& edit, std::int64_t ax, std::int64_t ay, std::int64_t bx, std::int64_t by)
{
    derived.Put(x1, y1, ax, ay);
    derived.Put(x2, y2, bx, by);
    AddLineObject(edit, *this);
}

void TStepobjtool::AddReturnStair(TDrawingEdit& edit, TPoint at)
{
    const std::int64_t x = at.x;
    const std::int64_t y = at.y;
    const std::int64_t w = stairWidth;
    const std::int64_t r = stairRun;
    const std::int64_t t = treadWidth;
    const std::int32_t n = treadCount;
    // The outline, the landing one stair width from the far end, the line between the two flights,
    // then the treads across both flights.
    switch (topDirection()) {
    case STAIRS_TOP:
        AddLine(edit, x + w, y, x - w, y);
        AddLine(edit, x - w, y, x - w, y - r);
        AddLine(edit, x - w, y - r, x + w, y - r);
        AddLine(edit, x + w, y - r, x + w, y);
        AddLine(edit, x - w, y - r + w, x + w, y - r + w);
        AddLine(edit, x, y, x, y - r + w);
        for (std::int64_t i = 1; i <= n; ++i)
            AddLine(edit, x - w, y - i * t, x + w, y - i * t);
        break;
    case STAIRS_RIGHT:
        AddLine(edit, x, y + w, x - r, y + w);
        AddLine(edit, x - r, y + w, x - r, y - w);
        AddLine(edit, x - r, y - w, x, y - w);
        AddLine(edit, x, y - w, x, y + w);
        AddLine(edit, x - r + w, y + w, x - r + w, y - w);
        AddLine(edit, x, y, x - r + w, y);
        for (std::int64_t i = 1; i <= n; ++i)
            AddLine(edit, x - i * t, y + w, x - i * t, y - w);
        break;
    case STAIRS_BOTTOM:
        AddLine(edit, x - w, y, x + w, y);
        AddLine(edit, x + w, y, x + w, y + r);
        AddLine(edit, x + w, y + r, x - w, y + r);
        AddLine(edit, x - w, y + r, x - w, y);
        AddLine(edit, x - w, y + r - w, x + w, y + r - w);
        AddLine(edit, x, y, x, y + r - w);
        for (std::int64_t i = 1; i <= n; ++i)
            AddLine(edit, x - w, y + i * t, x + w, y + i * t);
        break;
    case STAIRS_LEFT:
        AddLine(edit, x, y + w, x, y - w);
        AddLine(edit, x, y - w, x + r, y - w);
        AddLine(edit, x + r, y - w, x + r, y + w);
        AddLine(edit, x + r, y + w, x, y + w);
        AddLine(edit, x + r - w, y + w, x + r - w, y - w);
        AddLine(edit, x, y, x + r - w, y);
        for (std::int64_t i = 1; i <= n; ++i)
            AddLine(edit, x + i * t, y + w, x + i * t, y - w);
        break;
    default:
        break;
    }
}

void TStepobjtool::AddStraightFlight(TDrawingEdit& edit, TPoint at, std::int64_t length)
{
    const std::int64_t x = at.x;
    const std::int64_t y = at.y;
    const std::int64_t h = stairWidth / 2;
    const std::int64_t e = length;
    const std::int64_t t = treadWidth;
    // As many tread lines as fit the length.
    const std::int64_t n = e / t;
    switch (topDirection()) {
    case STAIRS_TOP:
        AddLine(edit, x - h, y, x - h, y - e);
        AddLine(edit, x - h, y - e, x + h, y - e);
        AddLine(edit, x + h, y - e, x + h, y);
        AddLine(edit, x + h, y, x - h, y);
        for (std::int64_t i = 1; i <= n; ++i)
            AddLine(edit, x - h, y - i * t, x + h, y - i * t);
        break;
    case STAIRS_RIGHT:
        AddLine(edit, x, y - h, x, y + h);
        AddLine(edit, x, y + h, x - e, y + h);
        AddLine(edit, x - e, y + h, x - e, y - h);
        AddLine(edit, x - e, y - h, x, y - h);
        for (std::int64_t i = 1; i <= n; ++i)
            AddLine(edit, x - i * t, y + h, x - i * t, y - h);
        break;
    case STAIRS_BOTTOM:
        AddLine(edit, x - h, y, x + h, y);
        AddLine(edit, x + h, y, x + h, y + e);
        AddLine(edit, x - h, y + e, x + h, y + e);
        AddLine(edit, x - h, y + e, x - h, y);
        for (std::int64_t i = 1; i <= n; ++i)
            AddLine(edit, x - h, y + i * t, x + h, y + i * t);
        break;
    case STAIRS_LEFT:
        AddLine(edit, x, y + h, x, y - h);
        AddLine(edit, x, y - h, x + e, y - h);
        AddLine(edit, x + e, y - h, x + e, y + h);
        AddLine(edit, x + e, y + h, x, y + h);
        for (std::int64_t i = 1; i <= n; ++i)
            AddLine(edit, x + i * t, y + h, x + i * t, y - h);
        break;
    default:
        break;
    }
}
