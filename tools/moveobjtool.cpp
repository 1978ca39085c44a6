#include "tools/moveobjtool.h"

#include "model/drawingedit.h"
#include "model/drawingfile.h"
#include "model/drawingstate.h"
#include "model/list.h"
#include "model/modelunits.h"
#include "model/object.h"
#include "model/typecodes.h"
#include "model/viewmapping.h"
#include "platform/canvas.h"
#include "tools/selectiongeometry.h"
#include "tools/toolwindow.h"
#include "tools/zoomview.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <utility>

namespace {

// The rotation step of keypad + and −, degrees clockwise.
constexpr int KEYPAD_TURN = 5;

const char* const OUT_OF_RANGE = "POINT OUT OF RANGE";

// A repaint area moved by (dx, dy), held in the int32 range.
TModelBox Shifted(TModelBox box, std::int64_t dx, std::int64_t dy)
{
    if (box.empty)
        return box;
    box.minX = ClampToInt32(box.minX + dx);
    box.maxX = ClampToInt32(box.maxX + dx);
    box.minY = ClampToInt32(box.minY + dy);
    box.maxY = ClampToInt32(box.maxY + dy);
    return box;
}

// Pixels an arrow key moves the selection: one, or more while zoomed in so far that one pixel is
// less than a logical unit.
int ArrowStep()
{
    const TDrawingState& state = State();
    if (state.unitsPerLogicalF >= 5.0 || state.unitsPerLogicalF <= 0.0)
        return 1;
    return std::max(1, int(TruncToInt32(double(state.unitsPerLogical) / state.unitsPerLogicalF)));
}

}  // namespace

TMoveobjtool::TMoveobjtool()
{
    kind = KIND_MOVE;
}

void TMoveobjtool::LButtonDown(Canvas& dc, const TRect& clientRect, int x, int y)
{
    switch (step) {
    case STEP_READY:
    case STEP_ZOOM_START: {
        selection.clear();
        DropPictures();
        ForgetChanges();
        viewZoomed = false;
        const TPoint p = ModelPoint(dc, clientRect, x, y);
        dragStartX = currentX = p.x;
        dragStartY = currentY = p.y;
        bandShown = false;
        step += STEP_SELECTION_DRAG;
        return;
    }
    case STEP_SELECTION_MADE:
        // The move tool's next click sets the reference point; copy and erase are done.
        if (selectionCount() > 0 && kind == KIND_MOVE) {
            const TPoint p = ModelPoint(dc, clientRect, x, y);
            currentX = p.x;
            currentY = p.y;
            lineDrawn = 0;
            step = STEP_SELECTION_MOVING;
        }
        return;
    case STEP_SELECTION_MOVING:
        MoveSelectionTo(dc, clientRect, x, y);
        return;
    default:
        return;
    }
}

void TMoveobjtool::MouseMove(Canvas& dc, const TRect& clientRect, int x, int y)
{
    if (step != STEP_SELECTION_DRAG && step != STEP_ZOOM_DRAG)
        return;
    const TPoint p = ModelPoint(dc, clientRect, x, y);
    if (bandShown && p.x == currentX && p.y == currentY)
        return;
    if (bandShown)
        DrawDragBand(dc);
    currentX = p.x;
    currentY = p.y;
    DrawDragBand(dc);
    bandShown = true;
}

void TMoveobjtool::LButtonUp(Canvas& dc, const TRect& clientRect, TPoint& point)
{
    if (step != STEP_SELECTION_DRAG && step != STEP_ZOOM_DRAG)
        return;
    const TPoint release = LogicalPoint(dc, clientRect, point.x, point.y);
    // The band on the screen is the one last drawn, wherever the button comes up.
    if (bandShown)
        DrawDragBand(dc);
    bandShown = false;
    const TPoint model = LogicalToModel(release);
    currentX = model.x;
    currentY = model.y;

    if (step == STEP_ZOOM_DRAG) {
        viewZoomed = ZoomViewToRectangle(ModelToLogical({dragStartX, dragStartY}), release, clientRect);
        step = STEP_ZOOM_START;
        return;
    }
    SelectObjectsInRect();
    if (step == STEP_SELECTION_MADE && (kind == KIND_COPY || kind == KIND_ERASE))
        ProcessSelection(dc, clientRect, 0, 0);
}

void TMoveobjtool::RButtonDown(Canvas& dc, const TRect& clientRect, TPoint& point)
{
    // A turn acts on this tool's own selection only.
    if (selectionCount() == 0)
        return;
    const TPoint p = ModelPoint(dc, clientRect, point.x, point.y);
    currentX = p.x;
    currentY = p.y;
    RotateSelection(dc, clientRect, point.x, point.y);
}

void TMoveobjtool::KeyDown(Canvas& dc, const TRect& clientRect, int key, TPoint& cursor, int)
{
    if (step != STEP_SELECTION_MOVING)
        return;
    const int d = ArrowStep();
    switch (key) {
    case VK_LEFT:
        cursor.x -= d;
        break;
    case VK_RIGHT:
        cursor.x += d;
        break;
    case VK_UP:
        cursor.y -= d;
        break;
    case VK_DOWN:
        cursor.y += d;
        break;
    case VK_ADD:
    case VK_SUBTRACT:
        rotationStep() = key == VK_ADD ? KEYPAD_TURN : -KEYPAD_TURN;
        RotateSelection(dc, clientRect, 0, 0);
        return;
    default:
        return;
    }
    MoveSelectionTo(dc, clientRect, cursor.x, cursor.y);
}

void TMoveobjtool::ObjectsAdded(Canvas&, const TRect&, int firstIndex, int)
{
    std::vector<TCopyEntry> entries;
    for (int i = std::max(firstIndex, 0); i < State().objects.count(); ++i)
        entries.push_back({i, 0, 0});
    SetSelection(std::move(entries));
}

void TMoveobjtool::ProcessSelection(Canvas&, const TRect&, int, int) {}

// ---------------------------------------------------------------------------------------------
// The selection

void TMoveobjtool::SetSelection(std::vector<TCopyEntry> entries)
{
    selection = std::move(entries);
    DropPictures();
    ForgetChanges();
    selectionStored = WriteCopyList(selection);
}

void TMoveobjtool::SelectObjectsInRect()
{
    const TDrawingState& state = State();
    // Only with a floor plan in view (not while printing).
    if (state.currentFloor >= 100)
        return;
    if (currentX < dragStartX)
        std::swap(currentX, dragStartX);
    if (currentY < dragStartY)
        std::swap(currentY, dragStartY);
    const TSelectionRect rect{dragStartX, dragStartY, currentX, currentY};
    rectMinX() = rect.minX;
    rectMaxX() = rect.maxX;
    rectMinY() = rect.minY;
    rectMaxY() = rect.maxY;
    // The copy's base point is the rectangle's centre, the others' its lower-left corner.
    if (kind == KIND_COPY) {
        dragStartX = ClampToInt32(dragStartX + (std::int64_t(rect.maxX) - rect.minX) / 2);
        dragStartY = ClampToInt32(dragStartY + (std::int64_t(rect.maxY) - rect.minY) / 2);
    }

    const std::vector<int> inside = ObjectsInside(state.objects, state.currentFloor, rect);
    std::vector<TCopyEntry> entries;
    entries.reserve(inside.size());
    for (int index : inside)
        entries.push_back({index, dragStartX, dragStartY});
    SetSelection(std::move(entries));
    step = STEP_SELECTION_MADE;
    lineDrawn = 0;
    outlineFillMode() = 1;
}

std::vector<int> TMoveobjtool::SelectedIndices() const
{
    const TDrawingState& state = State();
    const TList& objects = state.objects;
    const int count = objects.count();
    std::vector<int> indices;
    indices.reserve(selection.size());
    // An entry past every index taken so far cannot repeat one (a drag makes them all so): the
    // indices taken are marked only once an entry comes out of that order.
    std::vector<bool> taken;
    int last = -1;
    for (const TCopyEntry& entry : selection) {
        const int index = entry.index;
        if (index < 0 || index >= count)
            continue;
        if (index <= last) {
            if (taken.empty()) {
                taken.assign(std::size_t(count), false);
                for (int earlier : indices)
                    taken[std::size_t(earlier)] = true;
            }
            if (taken[std::size_t(index)])
                continue;
        }
        const TObject& object = *objects[index];
        if (object.floor != state.currentFloor || !IsSelectableType(object.typeCode))
            continue;
        if (!taken.empty())
            taken[std::size_t(index)] = true;
        indices.push_back(index);
        last = std::max(last, index);
    }
    return indices;
}

bool TMoveobjtool::NeedsQuarterTurns() const
{
    const TList& objects = State().objects;
    for (int index : SelectedIndices())
        if (TurnsOnlyByQuarters(objects[index]->typeCode))
            return true;
    return false;
}

void TMoveobjtool::ForgetChanges()
{
    changed = false;
    changedIndicesKnown = false;
    changedPointsKnown = false;
    movedFrom = TModelBox();
    movedFromKnown = false;
    movedX = 0;
    movedY = 0;
    referenceMovedX = 0;
    referenceMovedY = 0;
}

bool TMoveobjtool::ListHoldsChange() const
{
    return changed && State().objects.Readings() == changeReading;
}

void TMoveobjtool::KeepChangedIndices(const std::vector<int>& indices)
{
    changedIndices = indices;
    changedIndicesFloor = State().currentFloor;
    changedIndicesCount = State().objects.count();
    changedIndicesKnown = true;
    changedPointsKnown = false;
}

bool TMoveobjtool::ChangedIndicesStand() const
{
    const TDrawingState& state = State();
    return changedIndicesKnown && ListHoldsChange() && changedIndicesFloor == state.currentFloor &&
           changedIndicesCount == state.objects.count();
}

std::vector<int> TMoveobjtool::ChangedIndices() const
{
    if (ChangedIndicesStand())
        return changedIndices;
    return SelectedIndices();
}

void TMoveobjtool::FollowList()
{
    if (!changed || ListHoldsChange())
        return;
    currentX = ClampToInt32(currentX - referenceMovedX);
    currentY = ClampToInt32(currentY - referenceMovedY);
    DropPictures();
    ForgetChanges();
}

bool TMoveobjtool::HoldsListChange() const
{
    return changed && ListHoldsChange();
}

void TMoveobjtool::Repainting()
{
    FollowList();
    // The repaint draws the selection where it stands, exactly: pictures put down by whole pixels
    // may lie a pixel off it, so they are made again from the repainted window.
    DropPictures();
}

void TMoveobjtool::NoteMove(std::int64_t dx, std::int64_t dy)
{
    changed = true;
    changeReading = State().objects.Readings();
    referenceMovedX += dx;
    referenceMovedY += dy;
    if (movedFromKnown)
        return;
    movedX += dx;
    movedY += dy;
}

void TMoveobjtool::NoteTurn(Canvas& dc)
{
    if (!movedFromKnown)
        movedFrom = Shifted(SelectionArea(dc), -movedX, -movedY);
    movedFromKnown = true;
    changed = true;
    changeReading = State().objects.Readings();
}

TModelBox TMoveobjtool::SelectionArea(Canvas& dc) const
{
    TModelBox area;
    const TList& objects = State().objects;
    for (int index : ChangedIndices())
        area.Add(PaintedBounds(*objects[index], dc));
    return area;
}

TModelBox TMoveobjtool::ChangedArea(Canvas& dc) const
{
    if (!changed)
        return {};
    // A selection moved as pictures changed no pixel outside the window: the window is the area,
    // and its texts need not be measured. So it is once the list has been read again: where the
    // selection was shown is no longer known.
    const std::optional<TRect> window = dc.PaintableArea();
    if ((PicturesFit(dc) || !ListHoldsChange()) && window) {
        TModelBox shown;
        for (const TPoint corner : {TPoint{window->left, window->top}, TPoint{window->right, window->bottom}}) {
            const TPoint model = LogicalToModel(dc.DPtoLP(corner));
            shown.Add(model.x, model.y);
        }
        return shown;
    }
    TModelBox area = SelectionArea(dc);
    area.Add(movedFromKnown ? movedFrom : Shifted(area, -movedX, -movedY));
    return area;
}

void TMoveobjtool::LockSelection(TDrawingEdit& edit)
{
    FollowList();
    if (!changed)
        return;
    // The selection has moved and turned in place already: the edit takes it whole.
    edit.ModifiedAll(ChangedIndices());
    DropPictures();
    ForgetChanges();
}

// ---------------------------------------------------------------------------------------------
// Moving and turning

void TMoveobjtool::MoveSelectionTo(Canvas& dc, const TRect& clientRect, int x, int y)
{
    FollowList();
    // The selection is looked up once for the whole step: nothing in it changes which objects it
    // holds.
    const std::vector<int> indices = ChangedIndices();
    const TModelBox points = changedPointsKnown && ChangedIndicesStand() ? changedPoints : PointBox(State().objects, indices);
    if (!TakesMoveTo(dc, clientRect, x, y, points))
        return;
    const std::int64_t fromX = currentX;
    const std::int64_t fromY = currentY;
    PaintSelectionOut(dc, clientRect, x, y, indices);
    ShiftSelection(dc, clientRect, x, y, indices);
    // The points moved as the reference point did, each to where the file can store it.
    changedPoints = Shifted(points, currentX - fromX, currentY - fromY);
    changedPointsKnown = true;
}

bool TMoveobjtool::TakesMoveTo(Canvas& dc, const TRect& clientRect, int x, int y, const TModelBox& points)
{
    const TPoint target = ModelPoint(dc, clientRect, x, y);
    const std::int64_t dx = std::int64_t(target.x) - currentX;
    const std::int64_t dy = std::int64_t(target.y) - currentY;
    // The points the drawing file can store form a box (a range for x, another for y): every point
    // of the selection stays in it when the corners of the box around them all do.
    const TStorableRange range;
    if (points.empty || (range.Holds(points.minX + dx, points.minY + dy) && range.Holds(points.maxX + dx, points.maxY + dy)))
        return true;
    if (window)
        window->Message("This move would carry the selection too far outside the sheet for the drawing file to"
                        " hold it - it has not been moved",
                        OUT_OF_RANGE);
    return false;
}

void TMoveobjtool::MoveSelectionStep(Canvas& dc, const TRect& clientRect, int x, int y)
{
    FollowList();
    PaintSelectionOut(dc, clientRect, x, y, SelectedIndices());
}

void TMoveobjtool::PaintSelectionOut(Canvas& dc, const TRect& clientRect, int x, int y, const std::vector<int>& indices)
{
    const TPoint target = ModelPoint(dc, clientRect, x, y);
    targetX = target.x;
    targetY = target.y;
    SetupViewMapping(dc, clientRect);
    if (!PicturesFit(dc)) {
        DropPictures();
        if (int(indices.size()) >= pictureSelection)
            MakePictures(dc, indices);
    }
    if (drawn) {
        PaintOutPictures(dc);
        return;
    }
    DrawSelectionOutlines(dc, indices, true);
}

void TMoveobjtool::ShiftSelection(Canvas& dc, const TRect& clientRect, int x, int y, const std::vector<int>& indices)
{
    const TPoint target = ModelPoint(dc, clientRect, x, y);
    targetX = target.x;
    targetY = target.y;
    const std::int64_t dx = std::int64_t(targetX) - currentX;
    const std::int64_t dy = std::int64_t(targetY) - currentY;
    currentX = targetX;
    currentY = targetY;

    NoteMove(dx, dy);
    KeepChangedIndices(indices);
    ShiftObjects(State().objects, indices, dx, dy);
    if (PicturesFit(dc)) {
        // The pictures move as the reference point did on the screen while they still cover the
        // window; past that they are drawn again here. Where a move is not whole pixels for
        // every point (a view between whole zooms), each figure shows within a pixel of its own
        // place until the lock repaints it from the file; painting out stays exact, as it takes
        // off the very pixels put down.
        const TPoint at = ReferenceOnDevice(dc);
        const TPoint offset{at.x - picturesAt.x, at.y - picturesAt.y};
        const TRect& from = drawn->Device();
        const TRect moved{from.left + offset.x, from.top + offset.y, from.right + offset.x, from.bottom + offset.y};
        const std::optional<TRect> area = dc.PaintableArea();
        if (area && moved.Intersect(*area) == *area) {
            dc.PutPicture(*drawn, offset, std::nullopt);
            picturesShown = offset;
        } else if (MakePictures(dc, indices)) {
            dc.PutPicture(*drawn, picturesShown, std::nullopt);
        } else {
            DrawSelectionOutlines(dc, indices, false);
        }
    } else {
        DrawSelectionOutlines(dc, indices, false);
    }
    // The cursor stands on the reference point, so the next arrow key starts from there.
    PutCursorAt(dc, clientRect, {currentX, currentY});
}

void TMoveobjtool::RotateSelection(Canvas& dc, const TRect& clientRect, int, int)
{
    if (selectionCount() == 0)
        return;
    const TTurn turn(rotationStep(), {currentX, currentY});
    // A turn by nothing changes nothing; arcs, ellipses and rectangles only take quarter turns.
    if (turn.IsNone() || (!turn.IsQuarter() && NeedsQuarterTurns()))
        return;
    FollowList();

    SetupViewMapping(dc, clientRect);
    const TList& objects = State().objects;
    const std::vector<int> indices = ChangedIndices();
    const TStorableRange range;
    for (int index : indices) {
        if (TurnStaysStorable(*objects[index], turn, dc, range))
            continue;
        if (window)
            window->Message("This turn would carry the selection too far outside the sheet for the drawing file to"
                            " hold it - it has not been turned",
                            OUT_OF_RANGE);
        return;
    }
    // Turned objects are drawn one by one: pictures only move.
    if (PicturesFit(dc))
        PaintOutPictures(dc);
    else
        DrawSelectionOutlines(dc, indices, true);
    DropPictures();
    NoteTurn(dc);
    KeepChangedIndices(indices);
    for (int index : indices)
        TurnObject(*objects[index], turn, dc);
    DrawSelectionOutlines(dc, indices, false);
}

void TMoveobjtool::DrawShownFeedback(Canvas& dc, const TRect& clientRect)
{
    if (!bandShown)
        return;
    SetupViewMapping(dc, clientRect);
    DrawDragBand(dc);
}

void TMoveobjtool::TakeBandOff(Canvas& dc, const TRect& clientRect)
{
    if (!bandShown)
        return;
    SetupViewMapping(dc, clientRect);
    DrawDragBand(dc);
    bandShown = false;
}

void TMoveobjtool::DrawDragBand(Canvas& dc)
{
    const RasterOp oldRop = dc.SetROP2(RasterOp::Xor);
    const TPen oldPen = dc.SelectPen(TPen{State().currentColour, 0, PS_DOT});
    const TBrush oldBrush = dc.SelectBrush(TBrush{});
    const TPoint from = ModelToLogical({dragStartX, dragStartY});
    const TPoint to = ModelToLogical({currentX, currentY});
    dc.Rectangle(from.x, from.y, to.x, to.y);
    dc.SelectBrush(oldBrush);
    dc.SelectPen(oldPen);
    dc.SetROP2(oldRop);
}
