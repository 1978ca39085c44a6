#include "model/textobj.h"

#include "model/drawingstate.h"
#include "model/modelunits.h"
#include "model/paintextent.h"
#include "model/planturn.h"
#include "model/recordreader.h"
#include "model/recordwriter.h"
#include "model/typecodes.h"

#include <algorithm>
#include <cmath>

namespace {

// The share of the cell height an average character takes across, for finding a text without a
// device to measure it on.
constexpr double AVERAGE_CHARACTER_WIDTH = 0.55;

// The text's box in its own frame: `along` the baseline, `up` the side the letters stand on, the
// box from (u0, v0) across width and up height, all model units from the anchor.
struct TTextFrame {
    double alongX, alongY, upX, upY;
    double u0, v0, width, height;
};

// The estimated height and width of what the text shows; false when it shows nothing.
bool TextSize(const TTextobj& text, int scale, double& width, double& height)
{
    height = double(text.fontHeight) * scale * scale;  // logical height x model units
    const int shown = std::clamp<int32_t>(text.textLength, 0, int32_t(text.text.size()));
    width = height * AVERAGE_CHARACTER_WIDTH * shown;
    return height > 0.0 && width > 0.0;
}

void MakeTextFrame(const TTextobj& text, double width, double height, TTextFrame& frame)
{
    // The baseline turns clockwise by the escapement; most texts are not turned at all, which
    // needs no sine or cosine (they would give exactly these).
    const double radians = text.escapement * 3.14159265358979 / 1800.0;
    const double sine = text.escapement == 0 ? 0.0 : std::sin(radians);
    const double cosine = text.escapement == 0 ? 1.0 : std::cos(radians);
    frame.alongX = cosine;
    frame.alongY = -sine;
    frame.upX = sine;
    frame.upY = cosine;
    const unsigned flags = text.AlignFlags(TA_LEFT | TA_TOP);
    frame.u0 = (flags & TA_CENTER) == TA_CENTER ? -width / 2 : (flags & TA_RIGHT) ? -width : 0.0;
    frame.v0 = (flags & TA_BOTTOM) ? 0.0 : -height;
    frame.width = width;
    frame.height = height;
}

// Texts along an axis stay readable: upside-down becomes upright, downwards becomes upwards.
int32_t ReadableEscapement(int32_t escapement)
{
    if (escapement == 1800)
        return 0;
    if (escapement == 900)
        return 2700;
    return escapement;
}

}  // namespace

void TTextobj::SetText(const std::string& value)
{
    text = value.substr(0, TEXT_CAPACITY);
    textLength = int32_t(text.size());
}

void TTextobj::SetFaceName(const std::string& value)
{
    faceName = value.substr(0, FACE_CAPACITY);
    faceLength = int32_t(faceName.size());
}

void TTextobj::DumpFields(std::string& out) const
{
    DumpBase(out);
    DumpText(out, "text", text);
    DumpText(out, "faceName", faceName);
    DumpInt(out, "textLength", textLength);
    DumpInt(out, "faceLength", faceLength);
    DumpInt(out, "escapement", escapement);
    DumpInt(out, "alignment", alignment);
    DumpInt(out, "fontWeight", fontWeight);
    DumpInt(out, "fontHeight", fontHeight);
}

void TTextobj::ForEachPoint(const std::function<void(int32_t& x, int32_t& y)>& visit)
{
    // Only the anchor is a point: x2 and y2 hold a direction code and a distance.
    visit(x1, y1);
}

bool TTextobj::EstimatedCorners(int scale, std::array<TPoint, 4>& corners) const
{
    double width = 0.0;
    double height = 0.0;
    if (!TextSize(*this, scale, width, height))
        return false;
    TTextFrame frame;
    MakeTextFrame(*this, width, height, frame);
    const double us[2] = {frame.u0, frame.u0 + frame.width};
    const double vs[2] = {frame.v0, frame.v0 + frame.height};
    for (std::size_t i = 0; i < 4; ++i) {
        const double u = us[i & 1];
        const double v = vs[i >> 1];
        corners[i] = {TruncToInt32(std::floor(x1 + u * frame.alongX + v * frame.upX + 0.5)),
                      TruncToInt32(std::floor(y1 + u * frame.alongY + v * frame.upY + 0.5))};
    }
    return true;
}

TModelBox TTextobj::Bounds() const
{
    TModelBox box;
    box.Add(x1, y1);
    std::array<TPoint, 4> corners;
    if (IsTextType(typeCode) && EstimatedCorners(State().unitsPerLogical, corners))
        for (const TPoint& corner : corners)
            box.Add(corner.x, corner.y);
    return box;
}

bool TTextobj::HitTest(int mode, double px, double py, int scale) const
{
    double width = 0.0;
    double height = 0.0;
    if (mode != HIT_TEXTS || !IsTextType(typeCode) || !TextSize(*this, scale, width, height))
        return false;
    // No point of the box lies further from the anchor than its width and height together: a
    // point beyond that is missed without turning it into the text's frame.
    const double dx = px - x1;
    const double dy = py - y1;
    if (std::abs(dx) > width + height || std::abs(dy) > width + height)
        return false;
    TTextFrame frame;
    MakeTextFrame(*this, width, height, frame);
    const double u = dx * frame.alongX + dy * frame.alongY;
    const double v = dx * frame.upX + dy * frame.upY;
    return u >= frame.u0 && u <= frame.u0 + frame.width && v >= frame.v0 && v <= frame.v0 + frame.height;
}

void TTextobj::TurnOrMirror(int rotation, TPoint centre)
{
    TObject::TurnOrMirror(rotation, centre);
    if (!IsTextType(typeCode))
        return;
    escapement = ReadableEscapement(TurnAngle(escapement, rotation));
    // A dimension or label text keeps the direction of what it measures in x2: it turns with the
    // drawing. A wall's dimension follows its wall, which a mirror also turns round.
    if (typeCode == TYPE_DIMENSION_TEXT || typeCode == TYPE_LABEL_TEXT)
        x2 = TurnAngle(x2, rotation);
    if (typeCode == TYPE_DIMENSION_TEXT && rotation == MIRROR_LEFT_RIGHT)
        x2 = (x2 + 1800) % 3600;
}

void TTextobj::WriteRecord(TRecordWriter& out) const
{
    // The counts written are the characters written, so the record always reads back.
    const int32_t faceCount = std::clamp<int32_t>(faceLength, 0, FACE_CAPACITY);
    const int32_t textCount = std::clamp<int32_t>(textLength, 0, TEXT_CAPACITY);
    WriteIds(out);
    out.X(x1).Y(y1).Int(x2).Int(y2).Int(z1).Int(colour);
    out.Int(textCount).Int(escapement).Int(alignment).Int(faceCount).Int(fontHeight).Int(fontWeight);
    out.Blank().CountedChars(faceName, faceCount).CountedChars(text, textCount);
    out.EndLine();
}

bool TTextobj::ReadRecord(TRecordReader& in)
{
    return ReadIds(in) && in.X(x1) && in.Y(y1) && in.Int(x2) && in.Int(y2) && in.Int(z1) && in.Int(colour) &&
           in.Int(textLength) && in.Int(escapement) && in.Int(alignment) && in.Int(faceLength) &&
           in.Int(fontHeight) && in.Int(fontWeight) && in.Blank() &&
           in.Chars(faceLength, FACE_CAPACITY, faceName, "face name") &&
           in.Chars(textLength, TEXT_CAPACITY, text, "text") && in.EndLine();
}

unsigned TTextobj::AlignFlags(unsigned current) const
{
    switch (alignment) {
    case 1:
        if (escapement == 0)
            return TA_CENTER | TA_BOTTOM;
        if (escapement == 2700)
            return TA_LEFT | TA_BOTTOM;
        return current;
    case 2:
    case 3:
        return TA_LEFT | TA_BOTTOM;
    case 4:
        return TA_CENTER | TA_TOP;
    case 5:
        return TA_LEFT | TA_TOP;
    case 6:
        return TA_CENTER | TA_BOTTOM;
    default:
        return current;
    }
}

TFont TTextobj::MakeFont(int scale) const
{
    TFont font;
    font.face = faceName.substr(0, std::size_t(std::clamp<int32_t>(faceLength, 0, FACE_CAPACITY)));
    font.height = ClampToInt32(int64_t(fontHeight) * (scale > 0 ? scale : 1));
    font.escapement = escapement;
    font.weight = fontWeight >= 500 ? 700 : 400;
    return font;
}

void TTextobj::Render(Canvas& dc, int scale, TFillStyle) const
{
    // Texts take the colour of the pen the caller selected; the pen itself draws nothing here.
    const TFont oldFont = dc.SelectFont(MakeFont(scale));
    const unsigned oldAlign = dc.SetTextAlign(AlignFlags(dc.TextAlignFlags()));
    const TColor oldColour = dc.SetTextColor(dc.Pen().colour);
    const std::size_t shown = ShownLength();
    if (shown == text.size())
        dc.TextOut(ToWindow(x1, scale), ToWindow(y1, scale), text);
    else
        dc.TextOut(ToWindow(x1, scale), ToWindow(y1, scale), text.substr(0, shown));
    dc.SetTextColor(oldColour);
    dc.SetTextAlign(oldAlign);
    dc.SelectFont(oldFont);
}

std::size_t TTextobj::ShownLength() const
{
    return std::size_t(std::clamp<int32_t>(textLength, 0, int32_t(text.size())));
}

void TTextobj::PaintExtent(TPaintExtent& extent, int scale) const
{
    // As Render puts the text out: its font, the alignment it takes from the canvas's.
    const std::size_t shown = ShownLength();
    extent.Text({ToWindow(x1, scale), ToWindow(y1, scale)}, shown == text.size() ? text : text.substr(0, shown),
                MakeFont(scale), AlignFlags(extent.Dc().TextAlignFlags()));
}
