#include "tools/linetool.h"

#include "model/drawingedit.h"
#include "model/drawingfile.h"
#include "model/drawingstate.h"
#include "model/list.h"
#include "model/modelunits.h"
#include "model/viewmapping.h"
#include "platform/canvas.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <vector>

namespace {

// Lengths a typed segment may have.
constexpr int MIN_TYPED_LENGTH = 1;
constexpr int MAX_TYPED_LENGTH = 32766;

// Number of lines a multiline may have.
constexpr int MIN_MULTILINE_COUNT = 2;
constexpr int MAX_MULTILINE_COUNT = 100;

bool IsArrowKey(int key)
{
    return key == VK_LEFT || key == VK_UP || key == VK_RIGHT || key == VK_DOWN;
}

// Direction of a sloped segment in tenths of a degree, clockwise from up.
std::int32_t SlopedDirection(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2)
{
    const double dx = std::fabs(double(x2) - double(x1));
    const double dy = std::fabs(double(y2) - double(y1));
    // Thousandths of a degree, then tenths rounded half up.
    const auto thousandths = std::int32_t(std::atan(dx / dy) * 57295.78);
    std::int32_t a = thousandths / 100;
    if (thousandths % 100 >= 50)
        ++a;
    const bool right = x2 > x1;
    const bool up = y2 > y1;
    if (right && up)
        return a;
    if (right)
        return 1800 - a;
    if (!up)
        return a + 1800;
    return 3600 - a;
}

}  // namespace

TLinetool::TLinetool()
{
    kind = KIND_LINE;
}

void TLinetool::ResetKeyEntryState()
{
    TDrawingState& state = State();
    state.keyEntryState = 1;
    state.lastWallEndX = 0;
    state.lastWallEndY = 0;
}

void TLinetool::LButtonDown(Canvas& dc, const TRect& clientRect, int x, int y)
{
    if (step == STEP_LINETEXT_READY)
        step = STEP_LINETEXT_DRAWING;
    // A band still out (a multiline's first line) goes before the click ends it, also a click of
    // CENTRE.
    if ((kind == KIND_LINE || kind == KIND_ELLIPSE) && BandShown()) {
        SetupViewMapping(dc, clientRect);
        XorBand(dc);
    }
    if (step < STEP_CENTRE_FIRST) {
        x1 = 0;
        y1 = 0;
        x2 = 0;
        y2 = 0;
    }
    active = 0;

    if (step == STEP_CENTRE_FIRST || step == STEP_CENTRE_SECOND) {
        CentreStep(dc, clientRect, x, y);
        return;
    }
    if (step >= STEP_CENTRECENTRE_FIRST && step <= STEP_CENTRECENTRE_THIRD) {
        CentreCentreStep(dc, clientRect, x, y);
        return;
    }

    // Only the line and the ellipse start a figure with the mouse; the others start from the
    // keyboard.
    if (kind != KIND_LINE && kind != KIND_ELLIPSE)
        return;
    active = 1;
    penWidth = State().currentPenWidth;
    colour = State().currentColour;
    groupId = 0;  // a dragged line has no typed length
    const TPoint p = ModelPoint(dc, clientRect, x, y);
    x1 = p.x;
    y1 = p.y;
    x2 = x1;
    y2 = y1;
}

void TLinetool::MouseMove(Canvas& dc, const TRect& clientRect, int x, int y)
{
    if (active != 1)
        return;

    if (kind == KIND_PLAN_RESIZE && step > 0) {
        // The guide line of the plan resize follows the cursor in logical units.
        const TPoint logical = LogicalPoint(dc, clientRect, x, y);
        if (logical.x == markerX && logical.y == lineAux2)
            return;
        if (markerState == 2)
            DrawMarker(dc, markerCode);
        markerX = logical.x;
        lineAux2 = logical.y;
        DrawMarker(dc, markerCode);
        markerState = 2;
        return;
    }

    State().keyEntryState = step == STEP_MULTILINE_FIRST ? 2 : 1;
    const TPoint p = ModelPoint(dc, clientRect, x, y);
    if (p.x == x1 && p.y == y1)
        return;
    dc.SetROP2(RasterOp::Xor);
    const TPen previous = dc.SelectPen(RubberBandPen());
    DrawFeedback(dc, 0);
    x2 = p.x;
    y2 = p.y;
    DrawFeedback(dc, 0);
    dc.SelectPen(previous);
}

void TLinetool::DrawFeedback(Canvas& dc, int)
{
    const TPoint from = ModelToLogical({x1, y1});
    const TPoint to = ModelToLogical({x2, y2});
    dc.MoveTo(from.x, from.y);
    dc.LineTo(to.x, to.y);
    dc.Flush();
}

void TLinetool::XorBand(Canvas& dc)
{
    dc.SetROP2(RasterOp::Xor);
    const TPen previous = dc.SelectPen(RubberBandPen());
    DrawFeedback(dc, 0);
    dc.SelectPen(previous);
    dc.SetROP2(RasterOp::Copy);
}

void TLinetool::EraseBand(Canvas& dc, const TRect& clientRect)
{
    if (!BandShown())
        return;
    SetupViewMapping(dc, clientRect);
    XorBand(dc);
    x2 = x1;
    y2 = y1;
}

void TLinetool::DrawShownFeedback(Canvas& dc, const TRect& clientRect)
{
    const bool band = BandShown();
    const bool marker = markerState == 2;
    if (!band && !marker)
        return;
    SetupViewMapping(dc, clientRect);
    if (band)
        XorBand(dc);
    if (marker)
        DrawMarker(dc, markerCode);
    dc.SetROP2(RasterOp::Copy);
}

void TLinetool::DrawMarker(Canvas& dc, int code)
{
    if (code != 1 && code != 2)
        return;
    dc.SetROP2(RasterOp::NotXor);
    const TPen previous = dc.SelectPen(TPen{State().currentColour, 1, PS_SOLID});
    if (code == 1) {
        // Vertical guide with a gap round the marked point.
        dc.MoveTo(markerX, 0);
        dc.LineTo(markerX, lineAux2 - 100);
        dc.MoveTo(markerX, lineAux2 + 100);
        dc.LineTo(markerX, 20000);
    } else {
        dc.MoveTo(0, lineAux2);
        dc.LineTo(markerX - 100, lineAux2);
        dc.MoveTo(markerX + 100, lineAux2);
        dc.LineTo(30000, lineAux2);
    }
    dc.Flush();
    dc.SelectPen(previous);
}

void TLinetool::LButtonUp(Canvas& dc, const TRect& clientRect, TPoint& point)
{
    if (active != 1)
        return;
    active = 0;
    const TPoint p = ModelPoint(dc, clientRect, point.x, point.y);

    // Erase the last band.
    dc.SetROP2(RasterOp::Xor);
    const TPen previous = dc.SelectPen(RubberBandPen());
    DrawFeedback(dc, 0);
    dc.SelectPen(previous);

    x2 = p.x;
    y2 = p.y;
    dc.SetROP2(RasterOp::Copy);
    if (step != STEP_LINETEXT_DRAWING) {
        CreateObject(dc, clientRect);
        return;
    }
    // A drag of at most two logical units is stored as it is and gets no text. A longer one is
    // held until the window has asked for its text: the line and its label are one change.
    const std::int64_t near = 2LL * State().unitsPerLogical;
    noLineText = std::llabs(std::int64_t(x2) - x1) <= near && std::llabs(std::int64_t(y2) - y1) <= near;
    if (noLineText) {
        CreateObject(dc, clientRect);
        return;
    }
    {
        TKeepNew line(*this);
        CreateObject(dc, clientRect);
        held = std::move(line.objects);
    }
    y1 = 0;
}

TPen TLinetool::RubberBandPen() const
{
    // Width 0 is one device pixel at every zoom, so the band drawn while moving and the one
    // erased on release are the same pixels.
    return TPen{colour, 0, PS_DOT};
}

void TLinetool::KeyDown(Canvas& dc, const TRect& clientRect, int key, TPoint& cursor, int value)
{
    TDrawingState& state = State();

    if (step == STEP_LINETEXT_READY)
        step = STEP_LINETEXT_DRAWING;

    // The multiline's first line is held until the last Enter: the multiline is one change.
    std::optional<TKeepNew> firstLine;
    if (step == STEP_MULTILINE_FIRST)
        firstLine.emplace(*this);

    if (step == STEP_MULTILINE_LAST) {
        DrawLastMultiline(dc, clientRect, ModelPoint(dc, clientRect, cursor.x, cursor.y));
        // A multiline the file could not take is held whole: the next Enter stores it, and an arrow
        // draws nothing from it.
        if (HoldsFigure())
            lineDrawn = 0;
        else
            step = STEP_READY;
    } else {
        penWidth = state.currentPenWidth;
        colour = state.currentColour;
        if (kind == KIND_EXTWALL) {
            state.currentPenWidth = 1;
            penWidth = 1;
            if (lineDrawn == 0) {
                state.keyEntryState = 1;
                lineDrawn = 1;
            } else if (lineDrawn == 1) {
                state.keyEntryState = 2;
            }
        }

        if (IsArrowKey(key)) {
            // A length outside the range the window accepts draws nothing; a segment refused
            // leaves the start, the cursor and the step as they were.
            if (value >= MIN_TYPED_LENGTH && value <= MAX_TYPED_LENGTH &&
                !DrawTypedSegment(dc, clientRect, key, value))
                return;
        } else if (key == VK_ENTER && state.keyEntryState == 1) {
            penWidth = state.currentPenWidth;
            colour = state.currentColour;
            const TPoint p = ModelPoint(dc, clientRect, cursor.x, cursor.y);
            x1 = p.x;
            y1 = p.y;
        } else if (key == VK_ENTER && state.keyEntryState == 2) {
            EndSegmentAtCursor(dc, clientRect, ModelPoint(dc, clientRect, cursor.x, cursor.y));
        }

        // Where the next segment starts and where the cursor goes.
        if (state.keyEntryState == 1) {
            if (kind == KIND_EXTWALL) {
                PlaceMarker({x1, y1});
                state.keyEntryState = 2;
            }
        } else if (state.keyEntryState == 2) {
            if (kind == KIND_EXTWALL)
                PutCursorAt(dc, clientRect, {state.lastWallEndX, state.lastWallEndY});
            else
                PutCursorAt(dc, clientRect, {x2, y2});
            if (kind == KIND_EXTWALL) {
                state.keyEntryState = 2;
                markerState = 1;
                x1 = x2;
                y1 = y2;
            } else if (step == STEP_LINETEXT_DRAWING) {
                x1 = x2;
                y1 = y2;
                state.keyEntryState = 1;
            } else {
                state.keyEntryState = 1;
            }
        }
    }

    // Multiline steps: the start marked turns the band of the first line on; the first line
    // ended waits for the last one.
    if (step == STEP_MULTILINE_START) {
        step = STEP_MULTILINE_FIRST;
        active = 1;
        x2 = x1;
        y2 = y1;
    } else if (step == STEP_MULTILINE_FIRST && firstLine && !firstLine->objects.empty()) {
        // Only once the first line has really been drawn; an ENTER that drew nothing (the cursor
        // not moved from the start) leaves the multiline waiting for its first line.
        held = std::move(firstLine->objects);
        step = STEP_MULTILINE_LAST;
        active = 0;
        lineDrawn = 0;
    }
}

bool TLinetool::DrawTypedSegment(Canvas& dc, const TRect& clientRect, int key, int value)
{
    const TList& objects = State().objects;
    const std::int64_t scale = State().unitsPerLogical;

    // Join the end of the last object when the start lies within a logical unit of it; the first
    // four objects are the floor records.
    if (objects.count() > 4) {
        const TObject& last = *objects[objects.count() - 1];
        if (std::llabs(std::int64_t(last.x2) - x1) < scale)
            x1 = last.x2;
        if (std::llabs(std::int64_t(last.y2) - y1) < scale)
            y1 = last.y2;
    }
    std::int32_t direction = 0;
    x2 = x1;
    y2 = y1;
    std::int64_t endX = x1;
    std::int64_t endY = y1;
    switch (key) {
    case VK_LEFT:
        endX -= value;
        direction = 2700;
        break;
    case VK_UP:
        endY += value;
        direction = 0;
        break;
    case VK_RIGHT:
        endX += value;
        direction = 900;
        break;
    default:
        endY -= value;
        direction = 1800;
        break;
    }
    // An end the drawing file cannot store draws nothing.
    if (!AcceptsPoint(endX, endY))
        return false;
    groupId = value;
    x2 = std::int32_t(endX);
    y2 = std::int32_t(endY);
    PlaceMarker({x2, y2});
    if (kind == KIND_EXTWALL) {
        State().lastWallEndX = x2;
        State().lastWallEndY = y2;
        lineAux1 = direction;
    }
    CreateObject(dc, clientRect);
    State().keyEntryState = 2;
    return true;
}

void TLinetool::EndSegmentAtCursor(Canvas& dc, const TRect& clientRect, TPoint cursorModel)
{
    x2 = cursorModel.x;
    y2 = cursorModel.y;

    if (kind == KIND_EXTWALL) {
        lineAux1 = 0;
        // A wall within ten logical units of vertical or horizontal is made exactly so.
        const std::int64_t snap = 10LL * State().unitsPerLogical;
        const std::int64_t ddx = std::llabs(std::int64_t(x2) - x1);
        const std::int64_t ddy = std::llabs(std::int64_t(y2) - y1);
        if (ddx > 0 && ddx <= snap)
            x2 = x1;
        else if (ddy > 0 && ddy <= snap)
            y2 = y1;

        const std::int64_t dx = std::int64_t(x2) - x1;
        const std::int64_t dy = std::int64_t(y2) - y1;
        if (x1 == x2 || y1 == y2) {
            if (x2 > x1)
                lineAux1 = 900;
            else if (x2 < x1)
                lineAux1 = 2700;
            else if (y1 > y2)
                lineAux1 = 1800;
            else
                lineAux1 = 0;
            groupId = ClampToInt32(std::llabs(dx) + std::llabs(dy));
        } else {
            groupId = TruncToInt32(std::sqrt(double(dx) * double(dx) + double(dy) * double(dy)));
            lineAux1 = SlopedDirection(x1, y1, x2, y2);
        }
        State().lastWallEndX = x2;
        State().lastWallEndY = y2;
    }

    PlaceMarker({x2, y2});
    CreateObject(dc, clientRect);
    x1 = x2;
    y1 = y2;
    lineAux1 = 0;
}

void TLinetool::DrawLastMultiline(Canvas& dc, const TRect& clientRect, TPoint cursorModel)
{
    active = 0;
    // The first line, held since its own step.
    if (held.empty())
        return;
    // More than the first line: the whole multiline, held as drawn since the file could not take
    // it, is stored as it is.
    if (held.size() > 1) {
        StoreHeld();
        return;
    }
    const TObject& first = *held.front();
    const int count = libraryFlag;
    // The window refuses other counts; spacing divides by the count less one. The first line is
    // then all there is.
    if (count < MIN_MULTILINE_COUNT || count > MAX_MULTILINE_COUNT) {
        StoreHeld();
        return;
    }

    const std::int64_t fx1 = first.x1, fy1 = first.y1, fx2 = first.x2, fy2 = first.y2;
    const TPoint p = cursorModel;
    const std::int64_t dx = std::llabs(p.x - fx1);
    const std::int64_t dy = std::llabs(p.y - fy1);

    // The last line lies at the cursor, the others evenly between: stacked vertically when the
    // cursor lies further from the first line's start in y than in x, else side by side. The
    // lines between step back from the last one by the spacing.
    const bool stacked = dy > dx;
    const std::int64_t shift = stacked ? p.y - fy1 : p.x - fx1;
    const std::int64_t spacing = shift / (count - 1);
    struct Ends {
        std::int64_t x1, y1, x2, y2;
    };
    std::vector<Ends> lines;
    for (int i = 0; i < count - 1; ++i) {
        const std::int64_t offset = shift - std::int64_t(i) * spacing;
        lines.push_back(stacked ? Ends{fx1, fy1 + offset, fx2, fy2 + offset}
                                : Ends{fx1 + offset, fy1, fx2 + offset, fy2});
    }
    // A line the drawing file could not hold refuses the multiline whole, told once: nothing is
    // drawn or kept, and the window repaints its first line away.
    const TStorableRange range;
    for (const Ends& line : lines) {
        if (!range.Holds(line.x1, line.y1) || !range.Holds(line.x2, line.y2)) {
            const bool startFits = range.Holds(line.x1, line.y1);
            AcceptsPoint(startFits ? line.x2 : line.x1, startFits ? line.y2 : line.y1);
            held.clear();
            heldNotStored = true;
            return;
        }
    }

    // The first line and the others are one change of the drawing, written once. One the file
    // could not take (told) stays held whole, as drawn.
    {
        TKeepNew others(*this);
        for (const Ends& line : lines) {
            x1 = std::int32_t(line.x1);
            y1 = std::int32_t(line.y1);
            x2 = std::int32_t(line.x2);
            y2 = std::int32_t(line.y2);
            CreateObject(dc, clientRect);
        }
        for (auto& line : others.objects)
            held.push_back(std::move(line));
    }
    StoreHeld();
}

void TLinetool::RestartFigure()
{
    // Also when a CENTRE was to return to the last step.
    if (savedStep == STEP_MULTILINE_FIRST || savedStep == STEP_MULTILINE_LAST)
        savedStep = STEP_MULTILINE_START;
    if (step != STEP_MULTILINE_FIRST && step != STEP_MULTILINE_LAST)
        return;
    step = STEP_MULTILINE_START;
    active = 0;
    lineDrawn = 0;
}

void TLinetool::PlaceMarker(TPoint model)
{
    const TPoint logical = ModelToLogical(model);
    markerX = logical.x;
    lineAux2 = logical.y;
}
