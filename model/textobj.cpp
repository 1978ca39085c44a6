#include "model/textobj.h"

#include "model/modelunits.h"
#include "model/recordreader.h"
#include "model/recordwriter.h"

#include <algorithm>

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
    const std::size_t shown = std::size_t(std::clamp<int32_t>(textLength, 0, int32_t(text.size())));
    if (shown == text.size())
        dc.TextOut(ToWindow(x1, scale), ToWindow(y1, scale), text);
    else
        dc.TextOut(ToWindow(x1, scale), ToWindow(y1, scale), text.substr(0, shown));
    dc.SetTextColor(oldColour);
    dc.SetTextAlign(oldAlign);
    dc.SelectFont(oldFont);
}
