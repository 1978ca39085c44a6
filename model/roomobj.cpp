#include "model/roomobj.h"

#include "model/drawingstate.h"
#include "model/list.h"
#include "model/modelunits.h"
#include "model/paintextent.h"
#include "model/recordreader.h"
#include "model/recordwriter.h"
#include "model/typecodes.h"

#include <algorithm>
#include <numeric>
#include <utility>

namespace {

void SetCounted(std::string& field, int32_t& length, const std::string& value, int capacity)
{
    field = value.substr(0, std::size_t(capacity));
    length = int32_t(field.size());
}

std::string Shown(const std::string& text, int32_t length)
{
    return text.substr(0, std::size_t(std::clamp<int32_t>(length, 0, int32_t(text.size()))));
}

}  // namespace

void TRoomobj::SetRoomName(const std::string& value) { SetCounted(roomName, nameLength, value, NAME_CAPACITY); }

void TRoomobj::SetSizeText1(const std::string& value)
{
    SetCounted(sizeText1, sizeText1Length, value, SIZE_TEXT_CAPACITY);
}

void TRoomobj::SetSizeText2(const std::string& value)
{
    SetCounted(sizeText2, sizeText2Length, value, SIZE_TEXT_CAPACITY);
}

void TRoomobj::DumpFields(std::string& out) const
{
    DumpBase(out);
    DumpInt(out, "roomWidth", roomWidth);
    DumpInt(out, "roomLength", roomLength);
    DumpInt(out, "nameLength", nameLength);
    DumpInt(out, "sizeText1Length", sizeText1Length);
    DumpInt(out, "sizeText2Length", sizeText2Length);
    DumpInt(out, "sizeDisplay", sizeDisplay);
    DumpInt(out, "textPointSize", textPointSize);
    DumpInt(out, "fillColour", fillColour);
    DumpText(out, "roomName", roomName);
    DumpText(out, "sizeText1", sizeText1);
    DumpText(out, "sizeText2", sizeText2);
}

void TRoomobj::WriteRecord(TRecordWriter& out) const
{
    const int32_t nameCount = std::clamp<int32_t>(nameLength, 0, NAME_CAPACITY);
    const int32_t size1Count = std::clamp<int32_t>(sizeText1Length, 0, SIZE_TEXT_CAPACITY);
    const int32_t size2Count = std::clamp<int32_t>(sizeText2Length, 0, SIZE_TEXT_CAPACITY);
    WriteIds(out);
    out.Int(penWidth).Int(penStyle);
    out.X(x1).X(x2).Y(y1).Y(y2);
    out.Int(roomWidth).Int(roomLength).Int(nameCount).Int(size1Count).Int(size2Count);
    out.Int(sizeDisplay).Int(textPointSize).Int(fillColour);
    out.Blank().CountedChars(roomName, nameCount);
    out.CountedChars(sizeText1, size1Count).CountedChars(sizeText2, size2Count);
    out.EndLine();
}

bool TRoomobj::ReadRecord(TRecordReader& in)
{
    return ReadIds(in) && in.Int(penWidth) && in.Int(penStyle) && in.X(x1) && in.X(x2) && in.Y(y1) && in.Y(y2) &&
           in.Int(roomWidth) && in.Int(roomLength) && in.Int(nameLength) && in.Int(sizeText1Length) &&
           in.Int(sizeText2Length) && in.Int(sizeDisplay) && in.Int(textPointSize) && in.Int(fillColour) &&
           in.Blank() &&
           in.Chars(nameLength, NAME_CAPACITY, roomName, "room name") &&
           in.Chars(sizeText1Length, SIZE_TEXT_CAPACITY, sizeText1, "first size text") &&
           in.Chars(sizeText2Length, SIZE_TEXT_CAPACITY, sizeText2, "second size text") && in.EndLine();
}

void TRoomobj::TurnOrMirror(int rotation, TPoint centre)
{
    TObject::TurnOrMirror(rotation, centre);
    if (typeCode != TYPE_DESIGN_ROOM)
        return;
    const int32_t left = std::min(x1, x2);
    const int32_t right = std::max(x1, x2);
    const int32_t top = std::max(y1, y2);
    const int32_t bottom = std::min(y1, y2);
    x1 = left;
    y1 = top;
    x2 = right;
    y2 = bottom;
    if (rotation == 90 || rotation == 270) {
        std::swap(roomWidth, roomLength);
        std::swap(sizeText1, sizeText2);
        std::swap(sizeText1Length, sizeText2Length);
    }
}

TRect TRoomobj::WindowBox(int scale) const
{
    return {ToWindow(x1, scale), ToWindow(y1, scale), ToWindow(x2, scale), ToWindow(y2, scale)};
}

std::vector<TRoomobj::TRoomText> TRoomobj::Texts(int scale) const
{
    const TRect box = WindowBox(scale);
    const int midX = std::midpoint(box.left, box.right);
    const int midY = std::midpoint(box.bottom, box.top);

    // The name at the centre; the sizes below it, or along the top and the left edge.
    TFont font;
    font.face = State().currentFontFace;
    font.height = ClampToInt32(int64_t(textPointSize) * (scale > 0 ? scale : 1));
    TFont upwards = font;
    upwards.escapement = 2700;

    const std::string name = Shown(roomName, nameLength);
    const std::string width = Shown(sizeText1, sizeText1Length);
    const std::string length = Shown(sizeText2, sizeText2Length);
    std::vector<TRoomText> texts;
    if (name != "none")
        texts.push_back({{midX, midY}, TA_CENTER | TA_BOTTOM, font, name});
    if (sizeDisplay == 1)
        texts.push_back({{midX, midY}, TA_CENTER | TA_TOP, font, width + " x " + length});
    if (sizeDisplay == 2 || sizeDisplay == 3)
        texts.push_back({{midX, box.top}, TA_CENTER | TA_TOP, font, width});
    if (sizeDisplay == 2 || sizeDisplay == 4)
        texts.push_back({{box.left, midY}, TA_CENTER | TA_TOP, upwards, length});
    return texts;
}

void TRoomobj::Render(Canvas& dc, int scale, TFillStyle) const
{
    // The room's area in its fill colour, outlined with the pen.
    const TRect box = WindowBox(scale);
    TBrush fill;
    fill.kind = BrushKind::Solid;
    fill.colour = TColor(fillColour);
    const TBrush oldBrush = dc.SelectBrush(fill);
    dc.Rectangle(box.left, box.top, box.right, box.bottom);
    dc.SelectBrush(oldBrush);

    // The texts in the pen's colour.
    const TFont oldFont = dc.Font();
    const unsigned oldAlign = dc.TextAlignFlags();
    const TColor oldColour = dc.SetTextColor(dc.Pen().colour);
    for (const TRoomText& text : Texts(scale)) {
        dc.SelectFont(text.font);
        dc.SetTextAlign(text.align);
        dc.TextOut(text.at.x, text.at.y, text.text);
    }
    dc.SetTextColor(oldColour);
    dc.SetTextAlign(oldAlign);
    dc.SelectFont(oldFont);
}

void TRoomobj::PaintExtent(TPaintExtent& extent, int scale) const
{
    extent.Point(x1, y1);
    extent.Point(x2, y2);
    for (const TRoomText& text : Texts(scale))
        extent.Text(text.at, text.text, text.font, text.align);
}

bool HasDesignRoomsOn(const TList& objects, int floorCode)
{
    const auto& items = objects.Items();
    return std::any_of(items.begin(), items.end(),
                       [floorCode](const auto& object) { return IsDesignRoomOn(*object, floorCode); });
}
