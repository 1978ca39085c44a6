#pragma once
// A canvas that draws nothing and logs every drawing call with the state in force, so drawing
// code can be tested by what it asked for. Text metrics are simple and fixed: the cell height is
// the font's height (16 when the height is 0), the ascent four fifths of it, every character half
// the height wide.
#include "platform/canvas.h"

#include <string>
#include <vector>

struct TCanvasRecord {
    enum Kind { Polyline, Polygon, Rectangle, RoundRect, Ellipse, Arc, TextOut, FillDeviceRect };

    Kind kind = Polyline;
    // Logical points: the vertices of a polyline or polygon; the two corners of a box as given
    // (left, top) then (right, bottom); an arc's corners followed by its start and end points;
    // a text's anchor. A device fill's two corners, in device pixels.
    std::vector<TPoint> points;
    TRect box;              // box figures and device fills, in the corner order given
    TPoint corner;          // RoundRect: the corner ellipse's width and height
    TPoint start, end;      // Arc
    std::string text;       // TextOut
    TColor fillColour = 0;  // FillDeviceRect

    // State in force when the call was made.
    RasterOp rop = RasterOp::Copy;
    TPen pen;
    TBrush brush;
    TFont font;
    unsigned align = 0;
    TColor textColour = 0;
    TMapping mapping;
    bool clipped = false;
    TRect clip;

    // One line, e.g. "Polyline (10,20) (30,40) rop=Xor pen=0x0000FF/1/2 brush=hollow".
    std::string ToString() const;
};

const char* KindName(TCanvasRecord::Kind kind);

class RecordingCanvas : public Canvas {
public:
    explicit RecordingCanvas(TPoint deviceSize = {1000, 700}, bool printer = false);
    ~RecordingCanvas() override;

    // The log, with any pending LineTo chain flushed first.
    const std::vector<TCanvasRecord>& Records();
    // The records of one kind, in order.
    std::vector<TCanvasRecord> RecordsOf(TCanvasRecord::Kind kind);
    int Count(TCanvasRecord::Kind kind);
    // Every record's one-line form, each followed by a newline.
    std::string Text();
    void Clear();

    TTextMetrics GetTextMetrics() override;
    TPoint GetTextExtent(const std::string& text) override;
    bool IsPrinter() const override { return printer; }
    TPoint DeviceSize() const override { return deviceSize; }

protected:
    void DoPolyline(const std::vector<TPoint>& points) override;
    void DoPolygon(const std::vector<TPoint>& points) override;
    void DoRectangle(const TRect& box) override;
    void DoRoundRect(const TRect& box, int cornerWidth, int cornerHeight) override;
    void DoEllipse(const TRect& box) override;
    void DoArc(const TRect& box, TPoint start, TPoint end) override;
    void DoTextOut(TPoint at, const std::string& text) override;
    void DoFillDeviceRect(const TRect& device, TColor colour) override;

private:
    TCanvasRecord& Add(TCanvasRecord::Kind kind);
    // A record of a box figure or device fill: the box and its two corners as points.
    TCanvasRecord& AddBox(TCanvasRecord::Kind kind, const TRect& box);
    int CellHeight() const;

    std::vector<TCanvasRecord> records;
    TPoint deviceSize;
    bool printer;
};
