#include "tools/selectiongeometry.h"

#include "model/arcobj.h"
#include "model/drawingfile.h"
#include "model/drawingstate.h"
#include "model/list.h"
#include "model/modelunits.h"
#include "model/piecework.h"
#include "model/object.h"
#include "model/polyobj.h"
#include "model/textobj.h"
#include "model/typecodes.h"
#include "platform/canvas.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <numbers>

bool IsSelectableType(int typeCode)
{
    return !IsWallType(typeCode) && typeCode != TYPE_DESIGN_ROOM && typeCode < TYPE_FLOOR_RECORD;
}

bool LiesInside(const TObject& object, const TSelectionRect& rect)
{
    const int type = object.typeCode;
    if (!IsSelectableType(type))
        return false;
    if (IsPolygonType(type) || type == TYPE_OPENING) {
        const auto* polygon = dynamic_cast<const TPolyobj*>(&object);
        if (!polygon || polygon->UsedVertices() == 0)
            return false;
        for (int i = 0; i < polygon->UsedVertices(); ++i)
            if (!rect.StrictlyHolds(polygon->vertexX[std::size_t(i)], polygon->vertexY[std::size_t(i)]))
                return false;
        return true;
    }
    if (IsTextType(type))
        return rect.StrictlyHolds(object.x1, object.y1);
    if (type == TYPE_ARC) {
        const auto* arc = dynamic_cast<const TArcobj*>(&object);
        return arc && rect.StrictlyHolds(arc->arcStartX, arc->arcStartY) &&
               rect.StrictlyHolds(arc->arcEndX, arc->arcEndY);
    }
    return rect.StrictlyHolds(object.x1, object.y1) && rect.StrictlyHolds(object.x2, object.y2);
}

TModelBox PaintedBounds(const TObject& object, Canvas& dc)
{
    const auto* text = dynamic_cast<const TTextobj*>(&object);
    if (!text)
        return object.Bounds();
    // The letters measured on dc stand in for the estimate Bounds() makes without a device.
    TModelBox box;
    box.Add(text->x1, text->y1);
    const int scale = State().unitsPerLogical > 0 ? State().unitsPerLogical : 1;
    const TFont old = dc.SelectFont(text->MakeFont(scale));
    const std::size_t shown = std::size_t(std::clamp<std::int32_t>(text->textLength, 0, std::int32_t(text->text.size())));
    const TPoint extent = dc.GetTextExtent(text->text.substr(0, shown));
    dc.SelectFont(old);
    const double width = double(extent.x) * scale;
    const double height = double(extent.y) * scale;
    // The baseline turns clockwise by the escapement; "up" is the side the letters stand on.
    const unsigned flags = text->AlignFlags(TA_LEFT | TA_TOP);
    const double u0 = (flags & TA_CENTER) == TA_CENTER ? -width / 2 : (flags & TA_RIGHT) ? -width : 0.0;
    const double v0 = (flags & TA_BOTTOM) ? 0.0 : -height;
    const double radians = double(text->escapement) * std::numbers::pi / 1800.0;
    const double alongX = std::cos(radians);
    const double alongY = -std::sin(radians);
    const double upX = std::sin(radians);
    const double upY = std::cos(radians);
    for (const double u : {u0, u0 + width})
        for (const double v : {v0, v0 + height})
            box.Add(TruncToInt32(text->x1 + u * alongX + v * upX), TruncToInt32(text->y1 + u * alongY + v * upY));
    return box;
}

bool ShiftStaysStorable(TObject& object, std::int64_t dx, std::int64_t dy, const TStorableRange& range)
{
    bool storable = true;
    // ForEachPoint only reads through the references here.
    object.ForEachPoint([&](std::int32_t& x, std::int32_t& y) {
        storable = storable && range.Holds(x + dx, y + dy);
    });
    return storable;
}

void ShiftObject(TObject& object, std::int64_t dx, std::int64_t dy)
{
    object.ForEachPoint([dx, dy](std::int32_t& x, std::int32_t& y) {
        x = std::int32_t(x + dx);
        y = std::int32_t(y + dy);
    });
}

std::vector<int> ObjectsInside(const TList& objects, int floor, const TSelectionRect& rect)
{
    // Each piece gathers its own indices apart and hands them over once, put together in order.
    const std::size_t count = std::size_t(objects.count());
    const std::size_t slots = PieceWork::RangesFor(count);
    std::vector<std::vector<int>> pieces(slots);
    PieceWork::ForRanges(count, slots, [&](std::size_t piece, std::size_t first, std::size_t end) {
        std::vector<int> inside;
        for (std::size_t i = first; i < end; ++i) {
            const TObject& object = *objects[int(i)];
            if (object.floor == floor && LiesInside(object, rect))
                inside.push_back(int(i));
        }
        pieces[piece] = std::move(inside);
    });
    std::vector<int> inside = std::move(pieces[0]);
    for (std::size_t p = 1; p < pieces.size(); ++p)
        inside.insert(inside.end(), pieces[p].begin(), pieces[p].end());
    return inside;
}

void ShiftObjects(const TList& objects, const std::vector<int>& indices, std::int64_t dx, std::int64_t dy)
{
    // One visitor for them all: a large selection would otherwise make one for each object. The
    // indices are distinct, so pieces of them shift objects of their own.
    const std::function<void(std::int32_t&, std::int32_t&)> shift = [dx, dy](std::int32_t& x, std::int32_t& y) {
        x = std::int32_t(x + dx);
        y = std::int32_t(y + dy);
    };
    auto shiftPiece = [&](std::size_t, std::size_t first, std::size_t end) {
        for (std::size_t i = first; i < end; ++i)
            objects[indices[i]]->ForEachPoint(shift);
    };
    PieceWork::ForRanges(indices.size(), PieceWork::RangesFor(indices.size()), shiftPiece);
}

TModelBox PointBox(const TList& objects, const std::vector<int>& indices)
{
    // The extremes start past every value, so that each point only takes minima and maxima.
    struct TSeen {
        std::int32_t minX = INT32_MAX;
        std::int32_t minY = INT32_MAX;
        std::int32_t maxX = INT32_MIN;
        std::int32_t maxY = INT32_MIN;
        bool any = false;
        void Add(const TSeen& other)
        {
            minX = std::min(minX, other.minX);
            minY = std::min(minY, other.minY);
            maxX = std::max(maxX, other.maxX);
            maxY = std::max(maxY, other.maxY);
            any = any || other.any;
        }
    };
    // Each piece of the indices gathers its own extremes apart and hands them over once; they are
    // put together after.
    const std::size_t slots = PieceWork::RangesFor(indices.size());
    std::vector<TSeen> pieces(slots);
    PieceWork::ForRanges(indices.size(), slots, [&](std::size_t piece, std::size_t first, std::size_t end) {
        TSeen seen;
        // ForEachPoint only reads through the references here.
        const std::function<void(std::int32_t&, std::int32_t&)> add = [&seen](std::int32_t& x, std::int32_t& y) {
            seen.Add({x, y, x, y, true});
        };
        for (std::size_t i = first; i < end; ++i)
            objects[indices[i]]->ForEachPoint(add);
        pieces[piece] = seen;
    });
    TSeen seen;
    for (const TSeen& piece : pieces)
        seen.Add(piece);
    if (!seen.any)
        return {};
    return {false, seen.minX, seen.minY, seen.maxX, seen.maxY};
}

bool TurnsOnlyByQuarters(int typeCode)
{
    return typeCode == TYPE_ARC || typeCode == TYPE_ELLIPSE || typeCode == TYPE_RECTANGLE || typeCode == TYPE_RNDRECT;
}

// ---------------------------------------------------------------------------------------------
// Turning

TTurn::TTurn(int degrees, TPoint centre)
    : degrees(degrees), normalised(((degrees % 360) + 360) % 360), centreX(centre.x), centreY(centre.y)
{
    // Clockwise by s with y upwards is anticlockwise by 360 - s.
    const double radians = double(360 - normalised) * std::numbers::pi / 180.0;
    c = std::cos(radians);
    k = std::sin(radians);
}

void TTurn::Point(std::int32_t& x, std::int32_t& y) const
{
    std::int64_t turnedX = 0;
    std::int64_t turnedY = 0;
    Turned(x, y, turnedX, turnedY);
    x = std::int32_t(turnedX);
    y = std::int32_t(turnedY);
}

void TTurn::Turned(std::int64_t x, std::int64_t y, std::int64_t& outX, std::int64_t& outY) const
{
    const std::int64_t dx = x - centreX;
    const std::int64_t dy = y - centreY;
    std::int64_t nx = dx;
    std::int64_t ny = dy;
    if (IsQuarter()) {
        TurnClockwiseByQuarters(nx, ny, normalised);
    } else {
        nx = std::llround(double(dx) * c - double(dy) * k);
        ny = std::llround(double(dx) * k + double(dy) * c);
    }
    outX = centreX + nx;
    outY = centreY + ny;
}

void TTurn::Exact(double x, double y, double& outX, double& outY) const
{
    const double dx = x - double(centreX);
    const double dy = y - double(centreY);
    outX = double(centreX) + dx * c - dy * k;
    outY = double(centreY) + dx * k + dy * c;
}

namespace {

// The angle a text's escapement and direction code turn back by, tenths of a degree: 360 less the
// turn. Turns above 355 degrees count as none.
std::int64_t TextTurnBack(int degrees)
{
    const int effective = degrees > 355 ? 0 : degrees;
    return (360 - std::int64_t(effective)) * 10;
}

// A centred horizontal text becomes left-aligned at the same place before it turns: its anchor
// moves left by half its width, measured with its own font. The anchor it turns from, wide.
std::int64_t AnchorBeforeTurn(const TTextobj& text, Canvas& dc)
{
    if (text.alignment != 1 || text.escapement != 0)
        return text.x1;
    const int scale = State().unitsPerLogical > 0 ? State().unitsPerLogical : 1;
    const TFont old = dc.SelectFont(text.MakeFont(scale));
    const std::size_t shown = std::size_t(std::clamp<std::int32_t>(text.textLength, 0, std::int32_t(text.text.size())));
    const std::int64_t width = std::int64_t(dc.GetTextExtent(text.text.substr(0, shown)).x) * scale;
    dc.SelectFont(old);
    return text.x1 - width / 2;
}

void TurnText(TTextobj& text, const TTurn& turn, Canvas& dc)
{
    std::int64_t x = 0;
    std::int64_t y = 0;
    turn.Turned(AnchorBeforeTurn(text, dc), text.y1, x, y);
    if (text.alignment == 1 && text.escapement == 0)
        text.alignment = 3;
    text.escapement = TurnedEscapement(text.escapement, turn.Degrees());
    text.x2 = TurnedDirectionCode(text.x2, turn.Degrees());
    text.x1 = std::int32_t(x);
    text.y1 = std::int32_t(y);
}

// A circle keeps its box's size: the box moves with the turned centre, by this much.
void CircleShift(const TObject& circle, const TTurn& turn, std::int64_t& dx, std::int64_t& dy)
{
    const double centreX = (double(circle.x1) + double(circle.x2)) / 2.0;
    const double centreY = (double(circle.y1) + double(circle.y2)) / 2.0;
    double turnedX = 0.0;
    double turnedY = 0.0;
    turn.Exact(centreX, centreY, turnedX, turnedY);
    dx = std::llround(turnedX - centreX);
    dy = std::llround(turnedY - centreY);
}

}  // namespace

std::int32_t TurnedEscapement(std::int32_t escapement, int degrees)
{
    const std::int64_t back = TextTurnBack(degrees);
    std::int64_t turned = escapement;
    if (escapement <= 900 && (3600 - back) + escapement > 900)
        turned = escapement - back + 5400;
    else
        turned = escapement - back;
    if (turned >= 3600)
        turned -= 3600;
    else if (turned < 0)
        turned += 3600;
    return ClampToInt32(turned);
}

std::int32_t TurnedDirectionCode(std::int32_t code, int degrees)
{
    std::int64_t turned = std::int64_t(code) - TextTurnBack(degrees);
    if (turned > 3600)
        turned -= 3600;
    else if (turned < 0)
        turned += 3600;
    return ClampToInt32(turned);
}

void TurnObject(TObject& object, const TTurn& turn, Canvas& dc)
{
    if (turn.IsNone() || !IsSelectableType(object.typeCode))
        return;
    if (IsTextType(object.typeCode)) {
        if (auto* text = dynamic_cast<TTextobj*>(&object))
            TurnText(*text, turn, dc);
        return;
    }
    if (object.typeCode == TYPE_CIRCLE) {
        std::int64_t dx = 0;
        std::int64_t dy = 0;
        CircleShift(object, turn, dx, dy);
        ShiftObject(object, dx, dy);
        return;
    }
    object.ForEachPoint([&turn](std::int32_t& x, std::int32_t& y) { turn.Point(x, y); });
}

bool TurnStaysStorable(TObject& object, const TTurn& turn, Canvas& dc, const TStorableRange& range)
{
    if (turn.IsNone() || !IsSelectableType(object.typeCode))
        return true;
    std::int64_t x = 0;
    std::int64_t y = 0;
    if (IsTextType(object.typeCode)) {
        const auto* text = dynamic_cast<const TTextobj*>(&object);
        if (!text)
            return true;
        turn.Turned(AnchorBeforeTurn(*text, dc), text->y1, x, y);
        return range.Holds(x, y);
    }
    if (object.typeCode == TYPE_CIRCLE) {
        CircleShift(object, turn, x, y);
        return ShiftStaysStorable(object, x, y, range);
    }
    bool storable = true;
    // ForEachPoint only reads through the references here.
    object.ForEachPoint([&](std::int32_t& px, std::int32_t& py) {
        turn.Turned(px, py, x, y);
        storable = storable && range.Holds(x, y);
    });
    return storable;
}
