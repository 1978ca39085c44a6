#include "tools/texttool.h"

#include "model/drawingstate.h"
#include "model/modelunits.h"
#include "model/viewmapping.h"
#include "model/object.h"
#include "tools/selectiongeometry.h"
#include "tools/toolwindow.h"
#include "platform/canvas.h"

namespace {

// Characters below this are control characters, which a text does not hold; texts are one byte a
// character.
constexpr int FIRST_PRINTABLE = 32;
constexpr int DELETE_CHARACTER = 127;
constexpr int LAST_CHARACTER = 255;

// The text alignment the feedback of a text of this alignment and escapement is drawn with.
unsigned FeedbackAlign(int alignment, int escapement)
{
    switch (alignment) {
    case 1:
        return escapement == 0 || escapement == 2700 ? TA_BOTTOM | TA_CENTER : TA_BOTTOM | TA_LEFT;
    case 4:
        return TA_TOP | TA_CENTER;
    case 5:
        return TA_TOP | TA_LEFT;
    case 6:
        return TA_BOTTOM | TA_CENTER;
    default:
        return TA_BOTTOM | TA_LEFT;
    }
}

int Scale()
{
    return State().unitsPerLogical > 0 ? State().unitsPerLogical : 1;
}

}  // namespace

TFont TTexttool::FeedbackFont() const
{
    const TDrawingState& state = State();
    TFont font;
    font.face = state.currentFontFace;
    font.height = ClampToInt32(std::int64_t(state.textPointSize) * Scale());
    font.escapement = objectIndex;
    font.weight = state.textWeight < 500 ? 400 : 700;
    return font;
}

std::int32_t TTexttool::MeasureLineHeight(Canvas& dc) const
{
    const TFont previous = dc.SelectFont(FeedbackFont());
    const TTextMetrics metrics = dc.GetTextMetrics();
    dc.SelectFont(previous);
    return ClampToInt32((std::int64_t(metrics.height) + metrics.externalLeading) * Scale());
}

void TTexttool::LButtonDown(Canvas& dc, const TRect& clientRect, int x, int y)
{
    if (kind == KIND_TEXT) {
        if (IsCentreStep(step))
            CentreStep(dc, clientRect, x, y);
        else if (IsCentreCentreStep(step))
            CentreCentreStep(dc, clientRect, x, y);
        return;
    }
    if (kind != KIND_TYPED_TEXT)
        return;
    lineEnded = false;
    startGiven = true;
    const TPoint p = ModelPoint(dc, clientRect, x, y);
    if (typedCount > 0) {
        // The line begun moves to the click.
        MoveLine(dc, clientRect, p);
        return;
    }
    x1 = p.x;
    y1 = p.y;
}

void TTexttool::DrawFeedback(Canvas& dc, int)
{
    textLength = std::int32_t(text.size());
    const TFont previousFont = dc.SelectFont(FeedbackFont());
    const unsigned previousAlign = dc.SetTextAlign(TA_BOTTOM | TA_LEFT);
    if (typedCount == 1) {
        const TTextMetrics metrics = dc.GetTextMetrics();
        libraryFlag = ClampToInt32((std::int64_t(metrics.height) + metrics.externalLeading) * Scale());
    }
    dc.SetTextAlign(FeedbackAlign(alignment(), escapement()));
    const TColor previousColour = dc.SetTextColor(colour);
    const TPoint at = ModelToLogical({x1, y1});
    dc.TextOut(at.x, at.y, text);
    dc.SetTextColor(previousColour);
    dc.SetTextAlign(previousAlign);
    dc.SelectFont(previousFont);
}

void TTexttool::PlaceText(Canvas& dc, const TRect& clientRect, TPoint& point, const std::string& newText)
{
    TDrawingState& state = State();
    colour = state.currentColour;
    const TPoint p = ModelPoint(dc, clientRect, point.x, point.y);
    x1 = p.x;
    y1 = p.y;
    text = newText.substr(0, MAX_TEXT);
    textLength = std::int32_t(text.size());
    groupId = ++state.groupIdCounter;
    CreateObject(dc, clientRect);
}

void TTexttool::Char(Canvas& dc, const TRect& clientRect, int character)
{
    const TDrawingState& state = State();
    // Nor while CENTRE takes its clicks: they are to give the line its start.
    if (WaitsForStart() || IsAnyCentreStep(step))
        return;
    if (character == CHAR_BACKSPACE) {
        // Nothing to take back at the start of a line.
        if (typedCount <= 0)
            return;
        EraseLine(dc, clientRect);
        --typedCount;
        text.resize(std::size_t(typedCount));
        SetupViewMapping(dc, clientRect);
        DrawFeedback(dc, 0);
        HoldLine(dc);
        return;
    }
    if (character == CHAR_ENTER) {
        colour = state.currentColour;
        // Only the characters typed into this line are committed: an empty line commits nothing.
        text.resize(std::size_t(typedCount > 0 ? typedCount : 0));
        textLength = std::int32_t(text.size());
        // The line on the screen is the text held: stored as it is. One the file could not take
        // has been told and stays typed (heldNotStored).
        HoldLine(dc);
        if (!StoreHeld())
            return;
        text.clear();
        textLength = 0;
        typedCount = 0;
        lineEnded = true;
        return;
    }
    if (character < FIRST_PRINTABLE || character == DELETE_CHARACTER || character > LAST_CHARACTER ||
        typedCount >= std::int32_t(MAX_TEXT))
        return;
    colour = state.currentColour;
    lineEnded = false;
    text.resize(std::size_t(typedCount > 0 ? typedCount : 0));
    text.push_back(char(character));
    typedCount = std::int32_t(text.size());
    SetupViewMapping(dc, clientRect);
    DrawFeedback(dc, 0);
    HoldLine(dc);
}

void TTexttool::RestartFigure()
{
    text.clear();
    textLength = 0;
    typedCount = 0;
    lineEnded = false;
    held.clear();
    startGiven = false;
}

std::unique_ptr<TObject> TTexttool::LineObject(Canvas&) const
{
    return nullptr;
}

void TTexttool::HoldLine(Canvas& dc)
{
    held.clear();
    if (kind != KIND_TYPED_TEXT || typedCount <= 0)
        return;
    if (std::unique_ptr<TObject> line = LineObject(dc))
        held.push_back(std::move(line));
}

bool TTexttool::StartNextLine(Canvas& dc, const TRect& clientRect)
{
    if (libraryFlag == 0)
        libraryFlag = MeasureLineHeight(dc);
    std::int64_t x = x1, y = y1;
    if (escapement() == 0)
        y -= libraryFlag;
    else
        x += libraryFlag;
    if (!AcceptsPoint(x, y))
        return false;
    x1 = std::int32_t(x);
    y1 = std::int32_t(y);
    PutCursorAt(dc, clientRect, {x1, y1});
    return true;
}

void TTexttool::EraseLine(Canvas& dc, const TRect& clientRect)
{
    const TColor kept = colour;
    colour = State().currentFillColour;
    SetupViewMapping(dc, clientRect);
    // What the line covered is repainted from the file afterwards, so nothing under it stays
    // rubbed out; that repaint draws the line as it is held by then.
    TModelBox covered;
    for (const auto& line : held)
        covered.Add(PaintedBounds(*line, dc));
    DrawFeedback(dc, 0);
    colour = kept;
    if (window)
        window->InvalidateModelArea(covered);
}

void TTexttool::CentreStep(Canvas& dc, const TRect& clientRect, int x, int y)
{
    TDrawingtool::CentreStep(dc, clientRect, x, y);
    CentreTaken(dc, clientRect);
}

void TTexttool::CentreCentreStep(Canvas& dc, const TRect& clientRect, int x, int y)
{
    TDrawingtool::CentreCentreStep(dc, clientRect, x, y);
    CentreTaken(dc, clientRect);
}

void TTexttool::CentreTaken(Canvas& dc, const TRect& clientRect)
{
    if (kind != KIND_TYPED_TEXT || IsAnyCentreStep(step))
        return;
    // The centre found is the starting click: a line begun moves there. The marks CENTRE kept go,
    // so that the text stored is the one a click would store.
    startGiven = true;
    x2 = 0;
    y2 = 0;
    lineEnded = false;
    if (held.empty())
        return;
    const TPoint centre{x1, y1};
    x1 = held.front()->x1;
    y1 = held.front()->y1;
    MoveLine(dc, clientRect, centre);
}

void TTexttool::MoveLine(Canvas& dc, const TRect& clientRect, TPoint to)
{
    EraseLine(dc, clientRect);
    x1 = to.x;
    y1 = to.y;
    SetupViewMapping(dc, clientRect);
    DrawFeedback(dc, 0);
    HoldLine(dc);
}
