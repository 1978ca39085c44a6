#include "tools/linetextlabel.h"

#include "model/drawingedit.h"
#include "model/drawingstate.h"
#include "model/list.h"
#include "model/settingsrecords.h"
#include "model/textobj.h"
#include "model/typecodes.h"
#include "platform/canvas.h"
#include "tools/drawingtool.h"
#include "tools/lineobjtool.h"

#include <cmath>
#include <cstdlib>
#include <memory>

namespace {

// Tenths of a degree per radian, and radians per tenth of a degree, as the label geometry uses
// them.
constexpr double TENTHS_PER_RADIAN = 572.9578;
constexpr double RADIANS_PER_TENTH = 0.001745;

constexpr std::int32_t STANDING = 6;  // centred, the anchor at the text's bottom
constexpr std::int32_t HANGING = 4;   // centred, the anchor at the text's top

std::int32_t Midway(std::int32_t a, std::int32_t b)
{
    // Lies between a and b.
    const std::int64_t low = std::min(a, b);
    return std::int32_t(low + std::llabs(std::int64_t(a) - b) / 2);
}

}  // namespace

TLineTextGeometry LineTextGeometry(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2)
{
    TLineTextGeometry g;
    if (y1 == y2) {
        g.kind = TLineTextGeometry::Horizontal;
        g.mid = {Midway(x1, x2), y1};
        g.escapement = 0;
        g.direction = x1 < x2 ? 900 : 2700;
        return g;
    }
    if (x1 == x2) {
        g.kind = TLineTextGeometry::Vertical;
        g.mid = {x1, Midway(y1, y2)};
        g.escapement = 2700;
        g.direction = y1 < y2 ? 1800 : 0;
        return g;
    }
    g.kind = TLineTextGeometry::Sloped;
    g.mid = {Midway(x1, x2), Midway(y1, y2)};
    const double dx = std::fabs(double(x2) - double(x1));
    const double dy = std::fabs(double(y2) - double(y1));
    // The slope from the y axis, then the line's angle clockwise from up.
    const std::int32_t a = RoundToInt(nullptr, std::atan(dx / dy) * TENTHS_PER_RADIAN);
    std::int32_t theta = 0;
    if (x1 < x2)
        theta = y1 < y2 ? a : 1800 - a;
    else
        theta = y2 < y1 ? 1800 + a : 3600 - a;
    g.direction = theta;
    // The text reads along the line from left to right.
    if (theta <= 900 || (theta > 1800 && theta <= 2700))
        g.escapement = a + 2700;
    else
        g.escapement = 900 - a;
    return g;
}

TLineTextAnchor LineTextAnchor(const TLineTextGeometry& g, std::int32_t side, std::int64_t q)
{
    TLineTextAnchor anchor;
    const bool above = side == 1;
    anchor.alignment = above ? STANDING : HANGING;
    anchor.x = g.mid.x;
    anchor.y = g.mid.y;
    switch (g.kind) {
    case TLineTextGeometry::Horizontal:
        anchor.y += above ? q : -q;
        break;
    case TLineTextGeometry::Vertical:
        anchor.x += above ? -q : q;
        break;
    case TLineTextGeometry::Sloped: {
        // Off the line along its normal, toward its upper side for side 1.
        const std::int32_t theta = g.direction;
        std::int32_t r = 0;
        if (theta < 900)
            r = 900 - theta;
        else if (theta < 1800)
            r = theta - 900;
        else if (theta < 2700)
            r = 2700 - theta;
        else
            r = theta - 2700;
        const auto s = std::int64_t(std::trunc(q * std::sin(r * RADIANS_PER_TENTH)));
        const auto c = std::int64_t(std::trunc(q * std::cos(r * RADIANS_PER_TENTH)));
        const bool rising = theta < 900 || (theta > 1800 && theta < 2700);
        const std::int64_t sx = rising ? -s : s;
        anchor.x += above ? sx : -sx;
        anchor.y += above ? c : -c;
        break;
    }
    }
    return anchor;
}

TLineLabel LabelLastLine(TDrawingEdit& edit, Canvas& dc, const TRect& clientRect, TToolWindow* window)
{
    const TDrawingState& state = State();
    const TList& objects = edit.Objects();
    if (objects.count() == 0)
        return TLineLabel::NotALine;
    const TObject& line = *objects[objects.count() - 1];
    if (line.typeCode != TYPE_LINE)
        return TLineLabel::NotALine;

    const TOffsetSettings offsets = ReadSettings<TOffsetSettings>();
    const TLineTextGeometry geometry = LineTextGeometry(line.x1, line.y1, line.x2, line.y2);
    const TLineTextSettings label = ReadLineTextSettings();
    if (label.text.empty())
        return TLineLabel::Labelled;

    auto text = std::make_unique<TTextobj>(TYPE_LABEL_TEXT);
    text->floor = state.currentFloor;
    text->x2 = geometry.direction;
    text->colour = std::int32_t(state.currentColour);
    text->penWidth = 1;
    text->penStyle = 0;
    text->SetText(label.text);
    text->SetFaceName(state.currentFontFace);
    text->escapement = geometry.escapement;
    text->fontHeight = offsets.roomDimensionTextSize;
    text->fontWeight = state.textWeight;

    // The label stands a quarter of its height off the line.
    const int scale = state.unitsPerLogical > 0 ? state.unitsPerLogical : 1;
    const TFont previous = dc.SelectFont(text->MakeFont(scale));
    const TTextMetrics metrics = dc.GetTextMetrics();
    dc.SelectFont(previous);
    const std::int64_t height = (std::int64_t(metrics.height) + metrics.externalLeading) * scale;
    const TLineTextAnchor anchor = LineTextAnchor(geometry, label.side, height / 4);
    if (!TakeStorablePoint(anchor.x, anchor.y, window))
        return TLineLabel::Unstorable;
    text->x1 = std::int32_t(anchor.x);
    text->y1 = std::int32_t(anchor.y);
    text->alignment = anchor.alignment;

    text->DrawMapped(dc, clientRect, 0);
    edit.Add(std::move(text));
    return TLineLabel::Labelled;
}
