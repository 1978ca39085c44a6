#pragma once
// The device context the drawing code draws through.
//
// Coordinates passed to the drawing calls are logical units; the view mapping turns them into device
// pixels (y grows downwards on the device). The canvas keeps the drawing state (mapping, raster
// operation, pen, brush, font, text alignment and colour, current position); a backend only turns
// finished figures into pixels, print output or a log.
//
// Senses the drawing code relies on:
//  - Arc(box, start, end) runs anticlockwise in logical coordinates with y upwards (so, under the
//    y-up view mapping, anticlockwise as seen on the screen) from the start ray to the end ray, both
//    taken from the box's centre; equal rays give the whole ellipse.
//  - A font's escapement turns the baseline clockwise as seen on the screen, in tenths of a degree:
//    900 reads downwards, 2700 reads upwards (precisely: from logical +x towards logical -y, which
//    is clockwise under the y-up mapping). Letters always stand upright, never mirrored.
//  - A chain of LineTo calls is one polyline, so exclusive-or drawing never hits its corners twice.
//    The chain is drawn when any other drawing call, a state change, MoveTo or Flush() comes, and
//    when the canvas is destroyed (every backend calls Flush() in its destructor). Under copy on a
//    screen or image (where drawing the chains one by one or together gives the same pixels)
//    MoveTo does not draw the chain: consecutive chains with one pen wait and go to the backend in
//    one call (DoPolylines), still each its own polyline.
//  - Drawing a figure twice with RasterOp::Xor or RasterOp::NotXor restores every pixel; the
//    raster operation applies to text as well.
#include "platform/geometry.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

// Raster operations (the stored codes follow the R2_ numbering).
enum class RasterOp { Copy = 13, Xor = 7, NotXor = 10 };

// Pen styles as stored in drawing files (`penStyle`).
enum PenStyle : int { PS_SOLID = 0, PS_DASH = 1, PS_DOT = 2, PS_DASHDOT = 3, PS_DASHDOTDOT = 4, PS_NULL = 5 };

// A pen: width in logical units; any width draws at least one device pixel.
struct TPen {
    TColor colour = 0;
    int width = 1;
    int style = PS_SOLID;
    friend bool operator==(const TPen&, const TPen&) = default;
};

enum class BrushKind { Hollow, Solid, Hatched };
// Hatch styles of a hatched brush.
enum HatchStyle : int { HS_HORIZONTAL = 0, HS_VERTICAL = 1, HS_FDIAGONAL = 2, HS_BDIAGONAL = 3, HS_CROSS = 4, HS_DIAGCROSS = 5 };

struct TBrush {
    BrushKind kind = BrushKind::Hollow;
    TColor colour = 0;
    int hatch = HS_DIAGCROSS;
    friend bool operator==(const TBrush&, const TBrush&) = default;
};

// A font: height in logical units; a positive height is the cell height (ascent + descent), a
// negative one the character height without internal leading. Escapement in tenths of a degree.
struct TFont {
    std::string face = "Arial";
    int height = 0;
    int escapement = 0;
    int weight = 400;
    friend bool operator==(const TFont&, const TFont&) = default;
};

// Text alignment flags (the values the drawing code stores and compares).
enum TextAlign : unsigned {
    TA_LEFT = 0,
    TA_RIGHT = 2,
    TA_CENTER = 6,
    TA_TOP = 0,
    TA_BOTTOM = 8,
    TA_BASELINE = 24,
};

// Font metrics in logical units.
struct TTextMetrics {
    int height = 0;
    int ascent = 0;
    int descent = 0;
    int internalLeading = 0;
    int externalLeading = 0;
    int aveCharWidth = 0;
    int maxCharWidth = 0;
};

// A picture a canvas drew aside (Canvas::DrawPicture): the device area it covers.
class TCanvasPicture {
public:
    explicit TCanvasPicture(const TRect& device) : device(device) {}
    virtual ~TCanvasPicture() = default;
    const TRect& Device() const { return device; }

private:
    TRect device;
};

class Canvas;

// One share of a job split among threads: piece `index` of `count` (from 0).
struct TPiece {
    int index = 0;
    int count = 1;
};

// Where the work of a paint lies, for cutting it into bands of equal work (Canvas::PaintInBands),
// and what each band then draws.
struct TRowWork {
    // Adds to rows[y - area.top] the work of drawing device row y of `area`; `rows` comes as one
    // zero per row of the area. It runs in pieces at once, before the bands, each piece on a canvas
    // of its own that starts with the painted canvas's state and clips to the whole area (as a
    // band's does to its band) and on rows of its own, added up afterwards; a piece takes its share
    // of what is painted. Any guess serves: it decides only where the bands are cut, never what
    // they show. It draws nothing, and may keep for the bands what it measures of its own share
    // (where each object lies), writing nothing another piece writes.
    std::function<void(Canvas& dc, const TRect& area, std::vector<double>& rows, TPiece piece)> measure;
    // Optional: once the bands are cut, told where (count + 1 device rows, band i running from
    // edges[i] to edges[i + 1]), in the same pieces at once, so that each piece can sort what it
    // measured of its share by the bands that draw it: a band then looks only at its own objects,
    // and the work of finding them does not grow with the number of bands. Not called where the
    // paint is not split.
    std::function<void(const std::vector<int>& edges, TPiece piece)> sort;

    explicit operator bool() const { return bool(measure); }
};

// The isotropic view mapping: logical window (origin, extent) onto the device viewport
// (origin, extent). A negative viewport y extent makes y grow upwards. Both scales are made equal
// by shrinking the viewport extent whose scale is larger, keeping its sign.
struct TMapping {
    bool identity = true;  // MM_TEXT: logical units are device pixels
    TPoint windowOrg;
    TPoint windowExt{1, 1};
    TPoint viewportOrg;
    TPoint viewportExt{1, 1};
    friend bool operator==(const TMapping&, const TMapping&) = default;

    // The isotropic scale as an exact fraction, each axis's sign kept apart: worked out once, it
    // maps any number of points.
    struct TScale {
        std::int64_t numerator = 1;
        std::int64_t denominator = 1;
        int signX = 1;
        int signY = 1;
    };

    static TMapping Isotropic(TPoint windowOrg, TPoint windowExt, TPoint viewportOrg, TPoint viewportExt);
    TScale Scale() const;
    // ToDevice with the mapping's Scale().
    TPoint ToDevice(TPoint logical, const TScale& scale) const;
    // Scale factors (device pixels per logical unit, signed) after the isotropic adjustment.
    double ScaleX() const;
    double ScaleY() const;
    TPoint ToDevice(TPoint logical) const;
    TPoint ToLogical(TPoint device) const;
    // Exact device coordinates before rounding (backends use them to place figures).
    double DeviceX(double logicalX) const;
    double DeviceY(double logicalY) const;
};

class Canvas {
public:
    virtual ~Canvas();

    // Mapping.
    void SetMapping(const TMapping& mapping);
    const TMapping& Mapping() const { return mapping; }
    void ResetMapping() { SetMapping(TMapping{}); }
    TPoint LPtoDP(TPoint logical) const { return mapping.ToDevice(logical, mappingScale); }
    // Mapping().ScaleX(), kept while the mapping stays.
    double MappingScaleX() const { return mappingScaleX; }
    TPoint DPtoLP(TPoint device) const { return mapping.ToLogical(device); }

    // State; each setter returns the previous value.
    RasterOp SetROP2(RasterOp op);
    RasterOp ROP2() const { return rop; }
    TPen SelectPen(const TPen& pen);
    const TPen& Pen() const { return pen; }
    TBrush SelectBrush(const TBrush& brush);
    const TBrush& Brush() const { return brush; }
    TFont SelectFont(const TFont& font);
    const TFont& Font() const { return font; }
    unsigned SetTextAlign(unsigned align);
    unsigned TextAlignFlags() const { return textAlign; }
    TColor SetTextColor(TColor colour);
    TColor TextColor() const { return textColour; }
    // The background colour: exclusive-or feedback drawn with a dashed or dotted pen fills the gaps
    // between the dashes with it, so a band stays visible whatever the pen colour (black on white
    // would otherwise change nothing). White unless set; text is always transparent.
    TColor SetBkColor(TColor colour);
    static constexpr TColor kFirstBkColour = 0xFFFFFF;
    TColor BkColor() const { return bkColour; }

    // Figures, in logical units. Boxes may come in any corner order.
    void MoveTo(int x, int y);
    void LineTo(int x, int y);
    TPoint CurrentPosition() const { return position; }
    void Polyline(const std::vector<TPoint>& points);
    void Polygon(const std::vector<TPoint>& points);
    void Rectangle(int left, int top, int right, int bottom);
    // cornerWidth and cornerHeight: the full width and height of the ellipse that rounds each corner.
    void RoundRect(int left, int top, int right, int bottom, int cornerWidth, int cornerHeight);
    void Ellipse(int left, int top, int right, int bottom);
    void Arc(int left, int top, int right, int bottom, int startX, int startY, int endX, int endY);
    // Transparent text at (x, y), placed by the text alignment.
    void TextOut(int x, int y, const std::string& text);
    // Fills a device rectangle with a colour, whatever the mapping and raster operation.
    void FillDeviceRect(const TRect& device, TColor colour);

    // Text measurement with the selected font, in logical units; the extent is unrotated: x along
    // the baseline, y the cell height.
    virtual TTextMetrics GetTextMetrics() = 0;
    virtual TPoint GetTextExtent(const std::string& text) = 0;
    // The device box that TextOut(at.x, at.y, text) would touch with this font and alignment under
    // the current mapping (letters reaching past their cell included); none when the canvas cannot
    // tell. The canvas's own font and alignment are left as they are.
    virtual std::optional<TRect> TextDeviceBox(TPoint at, const std::string& text, const TFont& font,
                                               unsigned align);
    // A device box no letter of TextOut(at.x, at.y, text) in this font reaches beyond, found
    // without laying the text out (wider than TextDeviceBox's); none when the canvas cannot tell.
    virtual std::optional<TRect> TextReachBox(TPoint at, const std::string& text, const TFont& font);

    // Draws anything still pending (an unfinished LineTo chain). Backends call it before output.
    void Flush();

    // True for printer output, where exclusive-or is not available.
    virtual bool IsPrinter() const { return false; }

    // The drawing surface: its size in device pixels and its resolution in pixels per inch.
    virtual TPoint DeviceSize() const { return {}; }
    virtual TPoint DeviceResolution() const { return {96, 96}; }

    // Restricts all drawing to a device rectangle (a partial repaint); ResetDeviceClip lifts it.
    void SetDeviceClip(const TRect& device);
    void ResetDeviceClip();
    bool HasDeviceClip() const { return clipped; }
    const TRect& DeviceClip() const { return clip; }
    // The device pixels drawing can change: the surface (DeviceSize) within the device clip. None
    // for a printer (its margins may show what lies beyond the page's size) or a surface of no
    // known size: then any figure may show.
    std::optional<TRect> PaintableArea() const;

    // Runs `paint`, which a backend may run several times at once, on canvases of its own that
    // each start with this canvas's state and clip to one horizontal band of the paintable area:
    // the pixels are those one run on this canvas gives. `paint` draws only through the canvas it
    // is given and changes nothing else. The state `paint` leaves is not brought back here: set
    // again what is needed afterwards. The default runs it once, on this canvas. With `work`,
    // bands are cut where they share the work it tells equally; without, at equal heights.
    virtual void PaintInBands(const std::function<void(Canvas&)>& paint, const TRowWork& work = {});

    // A picture kept to be put down again moved by whole device pixels: what `paint` draws, with
    // this canvas's mapping and state, on a transparent surface over the device area `device`
    // (in bands cut by `work`, as PaintInBands). What `coverOnly` draws first, the same way (in
    // bands cut by `coverWork`), the picture covers without showing it. None where the canvas
    // keeps no pictures (the default: a printer, a recording).
    virtual std::unique_ptr<TCanvasPicture> DrawPicture(const TRect& device,
                                                        const std::function<void(Canvas&)>& paint,
                                                        const TRowWork& work = {},
                                                        const std::function<void(Canvas&)>& coverOnly = {},
                                                        const TRowWork& coverWork = {});
    // Puts a picture of this canvas down `offset` device pixels from where it was drawn, within the
    // paintable area: its drawn pixels as they were drawn, or every pixel it covers (drawn or
    // covered only) in `solid` when given.
    virtual void PutPicture(const TCanvasPicture& picture, TPoint offset, std::optional<TColor> solid);

protected:
    // Gives another canvas this one's mapping, raster operation, pen, brush, font, text alignment
    // and colours, background colour and current position.
    void CopyStateTo(Canvas& other) const;

    // Backend hooks, called with the state already set. Points are logical.
    virtual void DoPolyline(const std::vector<TPoint>& points) = 0;
    // Several polylines drawn with one state, in order; `starts` holds the index in `points` of
    // each one's first point. The default draws them one by one with DoPolyline.
    virtual void DoPolylines(const std::vector<TPoint>& points, const std::vector<std::size_t>& starts);
    virtual void DoPolygon(const std::vector<TPoint>& points) = 0;
    virtual void DoRectangle(const TRect& box) = 0;
    virtual void DoRoundRect(const TRect& box, int cornerWidth, int cornerHeight) = 0;
    virtual void DoEllipse(const TRect& box) = 0;
    virtual void DoArc(const TRect& box, TPoint start, TPoint end) = 0;
    virtual void DoTextOut(TPoint at, const std::string& text) = 0;
    virtual void DoFillDeviceRect(const TRect& device, TColor colour) = 0;
    // Called when the device clip changes (read it with HasDeviceClip/DeviceClip).
    virtual void DeviceClipChanged() {}
    // Called after a state change, so a backend can drop cached pens or fonts.
    virtual void StateChanged() {}

private:
    // Sets one piece of state and returns its previous value; a real change first draws what is
    // pending under the old state, then tells the backend.
    template <class T>
    T ChangeState(T& field, const T& value);

    TMapping mapping;
    TMapping::TScale mappingScale;  // mapping.Scale()
    double mappingScaleX = 1.0;
    RasterOp rop = RasterOp::Copy;
    TPen pen;
    TBrush brush;
    TFont font;
    unsigned textAlign = TA_LEFT | TA_TOP;
    TColor textColour = 0;
    TColor bkColour = kFirstBkColour;
    // True when MoveTo may leave the chains drawn so far waiting (see the senses above).
    bool BatchesChains() const { return rop == RasterOp::Copy && !IsPrinter(); }

    TPoint position;
    // The LineTo chains waiting to be drawn, first points included, one after the other;
    // pendingStarts holds where each begins. A MoveTo ends the chain: the next LineTo starts one.
    std::vector<TPoint> pendingLine;
    std::vector<std::size_t> pendingStarts;
    bool chainOpen = false;
    bool clipped = false;
    TRect clip;
};
