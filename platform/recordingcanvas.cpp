#include "platform/recordingcanvas.h"

#include <algorithm>
#include <climits>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <sstream>

namespace {

const char* RopName(RasterOp op)
{
    switch (op) {
    case RasterOp::Copy:
        return "Copy";
    case RasterOp::Xor:
        return "Xor";
    case RasterOp::NotXor:
        return "NotXor";
    }
    return "?";
}

std::string Hex(TColor colour)
{
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "0x%06X", unsigned(colour));
    return buffer;
}

std::string PointText(TPoint p)
{
    // Appended piece by piece: at -O3, GCC 12 warns of an overlapping copy in "(" + std::string.
    std::string text = "(";
    text += std::to_string(p.x);
    text += ',';
    text += std::to_string(p.y);
    text += ')';
    return text;
}

}  // namespace

const char* KindName(TCanvasRecord::Kind kind)
{
    switch (kind) {
    case TCanvasRecord::Polyline:
        return "Polyline";
    case TCanvasRecord::Polygon:
        return "Polygon";
    case TCanvasRecord::Rectangle:
        return "Rectangle";
    case TCanvasRecord::RoundRect:
        return "RoundRect";
    case TCanvasRecord::Ellipse:
        return "Ellipse";
    case TCanvasRecord::Arc:
        return "Arc";
    case TCanvasRecord::TextOut:
        return "TextOut";
    case TCanvasRecord::FillDeviceRect:
        return "FillDeviceRect";
    }
    return "?";
}

std::string TCanvasRecord::ToString() const
{
    std::ostringstream out;
    out << KindName(kind);
    for (const TPoint& p : points)
        out << ' ' << PointText(p);
    if (kind == RoundRect)
        out << " corner=" << corner.x << 'x' << corner.y;
    if (kind == TextOut)
        out << " \"" << text << "\" font=" << font.face << '/' << font.height << '/' << font.escapement << '/'
            << font.weight << " align=" << align << " colour=" << Hex(textColour);
    if (kind == FillDeviceRect) {
        out << " colour=" << Hex(fillColour);
    } else {
        out << " rop=" << RopName(rop);
        if (kind != TextOut) {
            out << " pen=" << Hex(pen.colour) << '/' << pen.width << '/' << pen.style;
            if (kind != Polyline && kind != Arc) {
                out << " brush=";
                switch (brush.kind) {
                case BrushKind::Hollow:
                    out << "hollow";
                    break;
                case BrushKind::Solid:
                    out << "solid/" << Hex(brush.colour);
                    break;
                case BrushKind::Hatched:
                    out << "hatched/" << Hex(brush.colour) << '/' << brush.hatch;
                    break;
                }
            }
        }
    }
    if (clipped)
        out << " clip=" << PointText({clip.left, clip.top}) << PointText({clip.right, clip.bottom});
    return out.str();
}

RecordingCanvas::RecordingCanvas(TPoint deviceSize, bool printer) : deviceSize(deviceSize), printer(printer) {}

RecordingCanvas::~RecordingCanvas()
{
    Flush();
}

const std::vector<TCanvasRecord>& RecordingCanvas::Records()
{
    Flush();
    return records;
}

std::vector<TCanvasRecord> RecordingCanvas::RecordsOf(TCanvasRecord::Kind kind)
{
    std::vector<TCanvasRecord> found;
    for (const TCanvasRecord& record : Records())
        if (record.kind == kind)
            found.push_back(record);
    return found;
}

int RecordingCanvas::Count(TCanvasRecord::Kind kind)
{
    int n = 0;
    for (const TCanvasRecord& record : Records())
        n += record.kind == kind ? 1 : 0;
    return n;
}

std::string RecordingCanvas::Text()
{
    std::string all;
    for (const TCanvasRecord& record : Records())
        all += record.ToString() + "\n";
    return all;
}

void RecordingCanvas::Clear()
{
    Flush();
    records.clear();
}

int RecordingCanvas::CellHeight() const
{
    // Widened first: the magnitude of the most negative height does not fit an int.
    std::int64_t h = std::llabs(std::int64_t(Font().height));
    return h == 0 ? 16 : int(std::min<std::int64_t>(h, INT_MAX));
}

TTextMetrics RecordingCanvas::GetTextMetrics()
{
    TTextMetrics m;
    m.height = CellHeight();
    m.descent = m.height / 5;
    m.ascent = m.height - m.descent;
    m.aveCharWidth = m.height / 2;
    m.maxCharWidth = m.height;
    return m;
}

TPoint RecordingCanvas::GetTextExtent(const std::string& text)
{
    std::int64_t width = std::int64_t(text.size()) * (CellHeight() / 2);
    return {int(std::min<std::int64_t>(width, INT_MAX)), CellHeight()};
}

TCanvasRecord& RecordingCanvas::AddBox(TCanvasRecord::Kind kind, const TRect& box)
{
    TCanvasRecord& r = Add(kind);
    r.box = box;
    r.points = {{box.left, box.top}, {box.right, box.bottom}};
    return r;
}

TCanvasRecord& RecordingCanvas::Add(TCanvasRecord::Kind kind)
{
    TCanvasRecord& r = records.emplace_back();
    r.kind = kind;
    r.rop = ROP2();
    r.pen = Pen();
    r.brush = Brush();
    r.font = Font();
    r.align = TextAlignFlags();
    r.textColour = TextColor();
    r.mapping = Mapping();
    r.clipped = HasDeviceClip();
    r.clip = DeviceClip();
    return r;
}

void RecordingCanvas::DoPolyline(const std::vector<TPoint>& points)
{
    Add(TCanvasRecord::Polyline).points = points;
}

void RecordingCanvas::DoPolygon(const std::vector<TPoint>& points)
{
    Add(TCanvasRecord::Polygon).points = points;
}

void RecordingCanvas::DoRectangle(const TRect& box)
{
    AddBox(TCanvasRecord::Rectangle, box);
}

void RecordingCanvas::DoRoundRect(const TRect& box, int cornerWidth, int cornerHeight)
{
    AddBox(TCanvasRecord::RoundRect, box).corner = {cornerWidth, cornerHeight};
}

void RecordingCanvas::DoEllipse(const TRect& box)
{
    AddBox(TCanvasRecord::Ellipse, box);
}

void RecordingCanvas::DoArc(const TRect& box, TPoint start, TPoint end)
{
    TCanvasRecord& r = AddBox(TCanvasRecord::Arc, box);
    r.start = start;
    r.end = end;
    r.points.push_back(start);
    r.points.push_back(end);
}

void RecordingCanvas::DoTextOut(TPoint at, const std::string& text)
{
    TCanvasRecord& r = Add(TCanvasRecord::TextOut);
    r.points = {at};
    r.text = text;
}

void RecordingCanvas::DoFillDeviceRect(const TRect& device, TColor colour)
{
    AddBox(TCanvasRecord::FillDeviceRect, device).fillColour = colour;
}
