#include "tools/lineobjtool.h"

#include "model/drawingedit.h"
#include "model/drawingstate.h"
#include "model/lineobj.h"
#include "model/list.h"
#include "model/settingsrecords.h"
#include "model/typecodes.h"
#include "model/viewmapping.h"
#include "tools/linetextlabel.h"
#include "tools/manualdimension.h"
#include "tools/toolwindow.h"
#include "tools/walldimensions.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <memory>

namespace {

// A line object carrying the tool's figure, pen, ids and line words.
std::unique_ptr<TLineobj> MakeLine(const TDrawingtool& tool)
{
    auto line = std::make_unique<TLineobj>();
    tool.FillCommonFields(*line);
    line->lineAux1 = tool.lineAux1;
    line->lineAux2 = tool.lineAux2;
    return line;
}

}  // namespace

void TLineobjtool::CreateObject(Canvas& dc, const TRect& clientRect)
{
    // 0 stands for an unset coordinate; a point is no line.
    if (x1 == 0 || y1 == 0 || x2 == 0 || y2 == 0)
        return;
    if (x1 == x2 && y1 == y2)
        return;
    // The pick tool is a line tool too, and CENTRE's clicks can end a segment for it: a kind the
    // file would not read back as a line builds nothing.
    if (!IsLineType(kind))
        return;

    DrawAndStore(dc, clientRect, MakeLine(*this));
    if (kind == KIND_LINE)
        lineDrawn = 1;
    else if (kind != KIND_KEEPS_LINE_DRAWN)
        lineDrawn = 0;
}

void TLineobjtool::AutoDimension(Canvas& dc, const TRect& clientRect, int x, int y, int, int)
{
    const auto settings = ReadSettings<TOffsetSettings>();
    SetupViewMapping(dc, clientRect);
    TDrawingEdit edit;
    if (step == STEP_DIMENSION_SECOND) {
        // The arrows are held by the tool, on the screen and over any repaint, until the text
        // completes the dimension; then it is written whole.
        TList arrows;
        TDrawingEdit building(arrows);
        AddDimensionText(building, *this, dc, clientRect, x, y, settings.textOrientation,
                         settings.roomDimensionTextSize);
        for (auto& arrow : arrows.TakeAll())
            held.push_back(std::move(arrow));
        return;
    }
    if (step == STEP_DIMENSION_FIRST || step == STEP_DIMENSION_TEXT) {
        AddHeld(edit);
        AddDimensionText(edit, *this, dc, clientRect, x, y, settings.textOrientation,
                         settings.roomDimensionTextSize);
        if (step == STEP_DIMENSION_TEXT)
            edit.Commit();
        return;
    }
    // A run whose dimensions the drawing file could not store changes nothing.
    if (AddWallDimensions(edit, *this, settings) < 0) {
        if (window)
            window->Message(DIMENSIONS_REFUSED, DIMENSIONS_REFUSED_TITLE);
        return;
    }
    edit.Commit();
}

void TLineobjtool::ObjectsAdded(Canvas& dc, const TRect& clientRect, int, int)
{
    StoreLineText(dc, clientRect);
}

bool TLineobjtool::StoreLineText(Canvas& dc, const TRect& clientRect)
{
    TDrawingEdit edit;
    const int before = edit.Objects().count();
    AddHeld(edit);
    const TLineLabel label = noLineText ? TLineLabel::NotALine : LabelLastLine(edit, dc, clientRect, window);
    if (label == TLineLabel::Unstorable) {
        // The line and its label are refused together: nothing is stored, and the window repaints
        // the line away.
        edit.CutBack(before);
        heldNotStored = true;
        return false;
    }
    if (label == TLineLabel::Labelled)
        step = STEP_LINETEXT_READY;
    if (edit.Commit())
        return true;
    heldNotStored = true;
    return false;
}

void AddLineObject(TDrawingEdit& edit, const TDrawingtool& tool)
{
    auto line = MakeLine(tool);
    line->groupId = 0;
    edit.Add(std::move(line));
}

std::int32_t RoundToInt(const TDrawingtool*, double x)
{
    constexpr auto lowest = std::numeric_limits<std::int32_t>::min();
    constexpr auto highest = std::numeric_limits<std::int32_t>::max();
    // Hundredths, truncated toward zero; a remainder of 50 or more rounds up, so negative values
    // come out truncated. Values beyond the integer range are held at its ends.
    const double hundredths = std::trunc(x * 100.0);
    if (std::isnan(hundredths))
        return 0;
    if (hundredths >= 100.0 * highest)
        return highest;
    if (hundredths <= 100.0 * lowest)
        return lowest;
    const auto t = std::int64_t(hundredths);
    std::int64_t q = t / 100;
    const std::int64_t r = t - 100 * q;
    if (r > 49)
        ++q;
    return std::int32_t(std::min<std::int64_t>(q, highest));
}
