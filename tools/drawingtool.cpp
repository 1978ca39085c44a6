#include "tools/drawingtool.h"

#include "model/drawingedit.h"
#include "model/drawingfile.h"
#include "model/drawingstate.h"
#include "model/list.h"
#include "model/object.h"
#include "model/viewmapping.h"
#include "platform/canvas.h"
#include "tools/toolwindow.h"

#include <algorithm>
#include <cstdlib>
#include <numeric>
#include <span>

namespace {

bool IsKindIn(int kind, std::span<const int> kinds)
{
    return std::find(kinds.begin(), kinds.end(), kind) != kinds.end();
}

// Tools that show a symbol preview while CENTRE is used.
bool ShowsSymbolPreview(int kind)
{
    return IsKindIn(kind, KINDS_WITH_SYMBOL_PREVIEW);
}

// Tools that keep their preview in the second CENTRE step.
bool KeepsCentreStep(int kind)
{
    return IsKindIn(kind, KINDS_KEEPING_CENTRE_PREVIEW);
}

// Centre coordinate of CENTRE CENTRE on one axis: halfway between the two marks that lie more than
// the tolerance apart (rounded toward the smaller), trying the first two corners first, then the
// second and the third; 0 when all three lie within the tolerance.
int CentreOnAxis(int first, int second, int third, std::int64_t tolerance)
{
    auto apart = [tolerance](std::int64_t a, std::int64_t b) { return std::llabs(a - b) > tolerance; };
    if (apart(first, second))
        return std::midpoint(std::min(first, second), std::max(first, second));
    if (apart(second, third))
        return std::midpoint(std::min(second, third), std::max(second, third));
    return 0;
}

}  // namespace

bool TakeStorablePoint(std::int64_t x, std::int64_t y, TToolWindow* window)
{
    if (StorableInDrawingFile(x, y))
        return true;
    if (window)
        window->Message("This point lies too far outside the sheet for the drawing file to hold it - it has not"
                        " been taken",
                        "POINT OUT OF RANGE");
    return false;
}

bool TakeStorableDevicePoint(const TRect& clientRect, TPoint device, TToolWindow* window)
{
    // The model point is taken wide: a point held at the int32 range's end is not the one given.
    const TPoint logical = ViewMapping(clientRect).ToLogical(device);
    const std::int64_t scale = State().unitsPerLogical;
    return TakeStorablePoint(logical.x * scale, logical.y * scale, window);
}

TDrawingtool::TDrawingtool() = default;
TDrawingtool::~TDrawingtool() = default;

void TDrawingtool::LButtonDown(Canvas&, const TRect&, int, int) {}
void TDrawingtool::LButtonUp(Canvas&, const TRect&, TPoint&) {}
void TDrawingtool::RButtonDown(Canvas&, const TRect&, TPoint&) {}
void TDrawingtool::MouseMove(Canvas&, const TRect&, int, int) {}
void TDrawingtool::DrawFeedback(Canvas&, int) {}
void TDrawingtool::BuildRoom(Canvas&, const TRect&, int, int) {}
void TDrawingtool::KeyDown(Canvas&, const TRect&, int, TPoint&, int) {}
void TDrawingtool::PlaceText(Canvas&, const TRect&, TPoint&, const std::string&) {}
void TDrawingtool::Char(Canvas&, const TRect&, int) {}
void TDrawingtool::CreateObject(Canvas&, const TRect&) {}
void TDrawingtool::AutoDimension(Canvas&, const TRect&, int, int, int, int) {}
void TDrawingtool::ObjectsAdded(Canvas&, const TRect&, int, int) {}
void TDrawingtool::SubCommand(int) {}
void TDrawingtool::Setup(int, int, int) {}

TPoint TDrawingtool::LogicalPoint(Canvas& dc, const TRect& clientRect, int x, int y)
{
    TPoint logical;
    DeviceToLogical(dc, clientRect, x, y, logical.x, logical.y);
    return logical;
}

TPoint TDrawingtool::ModelPoint(Canvas& dc, const TRect& clientRect, int x, int y)
{
    return LogicalToModel(LogicalPoint(dc, clientRect, x, y));
}

void TDrawingtool::PutCursorAt(Canvas& dc, const TRect& clientRect, TPoint model)
{
    // The mapping is put on again: a refused commit leaves the canvas without it.
    SetupViewMapping(dc, clientRect);
    const TPoint device = dc.LPtoDP(ModelToLogical(model));
    if (window)
        window->SetCursorPos(device);
}

bool TDrawingtool::AcceptsPoint(std::int64_t x, std::int64_t y) const
{
    return TakeStorablePoint(x, y, window);
}

void TDrawingtool::CentreStep(Canvas& dc, const TRect& clientRect, int x, int y)
{
    // Clicks on the window's very edge are ignored.
    if (x < 3 || y < 3)
        return;
    lineDrawn = 0;
    const TPoint p = ModelPoint(dc, clientRect, x, y);

    if (step == STEP_CENTRE_FIRST) {
        x2 = p.x;
        y2 = p.y;
        step = STEP_CENTRE_SECOND;
        if (ShowsSymbolPreview(kind))
            active = 1;
        return;
    }
    if (step != STEP_CENTRE_SECOND)
        return;

    if (ShowsSymbolPreview(kind)) {
        DrawFeedback(dc, 0);
        active = 0;
    }
    x1 = std::midpoint(std::min(p.x, x2), std::max(p.x, x2));
    y1 = std::midpoint(std::min(p.y, y2), std::max(p.y, y2));
    PutCursorAt(dc, clientRect, {x1, y1});

    if (ShowsSymbolPreview(kind)) {
        DrawFeedback(dc, 0);
        active = 1;
        step = STEP_READY;
    } else if (KeepsCentreStep(kind)) {
        DrawFeedback(dc, 0);
    } else {
        step = savedStep;
    }
}

void TDrawingtool::CentreCentreStep(Canvas& dc, const TRect& clientRect, int x, int y)
{
    if (x < 3 || y < 3)
        return;
    lineDrawn = 0;
    const std::int64_t tolerance = 20LL * State().unitsPerLogical;
    const TPoint p = ModelPoint(dc, clientRect, x, y);

    if (step == STEP_CENTRECENTRE_FIRST) {
        x1 = p.x;
        y1 = p.y;
        step = STEP_CENTRECENTRE_SECOND;
    } else if (step == STEP_CENTRECENTRE_SECOND) {
        x2 = p.x;
        y2 = p.y;
        step = STEP_CENTRECENTRE_THIRD;
    } else if (step == STEP_CENTRECENTRE_THIRD) {
        x1 = CentreOnAxis(x1, x2, p.x, tolerance);
        y1 = CentreOnAxis(y1, y2, p.y, tolerance);
        PutCursorAt(dc, clientRect, {x1, y1});
        step = savedStep;
    }
}

void TDrawingtool::FillCommonFields(TObject& object) const
{
    object.floor = State().currentFloor;
    object.typeCode = kind;
    object.ownerId = ownerId;
    object.groupId = groupId;
    object.x1 = x1;
    object.z1 = z1;
    object.x2 = x2;
    object.z2 = z2;
    object.y1 = y1;
    object.y2 = y2;
    object.colour = std::int32_t(colour);
    object.penWidth = penWidth;
    object.penStyle = penStyle;
}

void TDrawingtool::DrawAndStore(Canvas& dc, const TRect& clientRect, std::unique_ptr<TObject> object)
{
    object->DrawMapped(dc, clientRect, 0);
    if (keeping) {
        keeping->objects.push_back(std::move(object));
        return;
    }
    TDrawingEdit edit;
    edit.Add(std::move(object));
    edit.Commit();
}

TDrawingtool::TKeepNew::TKeepNew(TDrawingtool& tool) : tool(tool), previous(tool.keeping)
{
    tool.keeping = this;
}

TDrawingtool::TKeepNew::~TKeepNew()
{
    tool.keeping = previous;
}

void TDrawingtool::DrawHeld(Canvas& dc, const TRect& clientRect) const
{
    // Only over the floor it was drawn on.
    for (const auto& object : held)
        if (object->floor == State().currentFloor)
            object->DrawMapped(dc, clientRect, 0);
}

void TDrawingtool::AddHeld(TDrawingEdit& edit)
{
    for (auto& object : held)
        edit.Add(std::move(object));
    held.clear();
}

void TDrawingtool::DropHeld()
{
    held.clear();
}

void TDrawingtool::RestartFigure() {}

void TDrawingtool::DrawShownFeedback(Canvas&, const TRect&) {}

bool TDrawingtool::StoreHeld(int before)
{
    if (held.empty())
        return true;
    TDrawingEdit edit;
    // What follows `before` goes back in after the figure, in its order.
    TList& objects = edit.Objects();
    std::vector<std::unique_ptr<TObject>> following;
    if (before >= 0 && before < objects.count()) {
        for (int i = before; i < objects.count(); ++i)
            following.push_back(objects[i]->Clone());
        edit.CutBack(before);
    }
    // A write that fails leaves the list as the file holds it: the figure is held again.
    std::vector<std::unique_ptr<TObject>> figure;
    for (const auto& object : held)
        figure.push_back(object->Clone());
    AddHeld(edit);
    for (auto& object : following)
        edit.Add(std::move(object));
    if (edit.Commit())
        return true;
    held = std::move(figure);
    heldNotStored = true;
    return false;
}
