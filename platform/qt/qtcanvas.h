#pragma once
// Canvas over a QPainter: the figures are mapped to device pixels here and drawn with the
// painter's transform left at identity, so text is never mirrored by the y-up mapping and every
// pixel position is decided by our own rounding. Antialiasing is off throughout.
//
// Exclusive-or and not-exclusive-or both draw with Qt's source-xor-destination raster operation;
// not-exclusive-or uses the complemented colour, as NOT(dest XOR c) == dest XOR (NOT c). Such a
// figure is first drawn as with copy into a scratch layer, which is then combined with the device
// once: no pixel is changed twice (self-crossing lines, outline over fill, touching letters), so
// the figure looks as it would with copy and drawing it again erases it exactly.
#include "platform/canvas.h"
#include "platform/qt/threadfonts.h"

#include <QFont>
#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPen>
#include <QPolygon>
#include <QTransform>

#include <optional>
#include <span>
#include <string>
#include <vector>

class QPaintDevice;
struct ShapedText;
struct StoredText;
class TextStore;
class TextTable;

class QtCanvas : public Canvas {
public:
    ~QtCanvas() override;
    QtCanvas(const QtCanvas&) = delete;
    QtCanvas& operator=(const QtCanvas&) = delete;

    TTextMetrics GetTextMetrics() override;
    TPoint GetTextExtent(const std::string& text) override;
    std::optional<TRect> TextDeviceBox(TPoint at, const std::string& text, const TFont& font,
                                       unsigned align) override;
    std::optional<TRect> TextReachBox(TPoint at, const std::string& text, const TFont& font) override;
    bool IsPrinter() const override { return printer; }
    TPoint DeviceSize() const override;
    TPoint DeviceResolution() const override;

    // False when the painter could not start on the device (nothing is drawn then).
    bool IsActive() const { return painter.isActive(); }

protected:
    QtCanvas(QPaintDevice& device, bool printer);

    void DoPolyline(const std::vector<TPoint>& points) override;
    void DoPolylines(const std::vector<TPoint>& points, const std::vector<std::size_t>& starts) override;
    void DoPolygon(const std::vector<TPoint>& points) override;
    void DoRectangle(const TRect& box) override;
    void DoRoundRect(const TRect& box, int cornerWidth, int cornerHeight) override;
    void DoEllipse(const TRect& box) override;
    void DoArc(const TRect& box, TPoint start, TPoint end) override;
    void DoTextOut(TPoint at, const std::string& text) override;
    void DoFillDeviceRect(const TRect& device, TColor colour) override;
    void DeviceClipChanged() override;
    void StateChanged() override;

    // Ends painting (after drawing anything pending); derived destructors call it before their
    // device goes.
    void Finish();

    // The store of laid-out texts this canvas reads.
    const TextStore& Texts() const;
    // For a band or piece of a paint in bands: reads `store` (the painting thread's), and puts
    // the texts it lays out that the store lacks in `batch` (none: it keeps them on its thread).
    void ShareTexts(const TextStore& store, TextTable* batch)
    {
        textStore = &store;
        textBatch = batch;
    }

private:
    // Gives the painter the canvas's pen again after a text.
    void RestorePen();

    // Where a text goes on the device: its device font, its layout (a stored one, or one laid out
    // on this thread; none for a text with control characters, drawn as QPainter::drawText draws
    // it), its advance, the offset from the anchor to the start of its baseline in the text's own
    // frame, and the turn that places that frame.
    struct TextPlacement {
        DeviceFont* font = nullptr;
        const StoredText* stored = nullptr;
        ShapedText* shaped = nullptr;
        int pixels = 0;
        double advance = 0;
        QPointF offset;
        QTransform turn;
        bool upright = true;
    };

    bool XorMode() const { return !printer && ROP2() != RasterOp::Copy; }
    QColor Effective(TColor colour) const;
    void ApplyState();
    QPen MakePen() const;
    QBrush MakeBrush() const;
    bool PenVisible() const { return Pen().style != PS_NULL; }
    bool BrushVisible() const { return Brush().kind != BrushKind::Hollow; }
    QRect DeviceBox(const TRect& box) const;
    const QPolygon& DevicePoints(std::span<const TPoint> points);
    // Draws a figure with the current pen and, when filled, the current brush. bounds is the
    // figure's device extent before the pen's width is added.
    template <typename Draw>
    void DrawFigure(const QRect& bounds, bool filled, Draw draw);
    // Draws into a cleared scratch layer covering bounds widened by margin (black = untouched),
    // then combines the layer with the device by exclusive-or: each pixel of the figure changes
    // exactly once.
    template <typename Draw>
    void ThroughLayer(const QRect& bounds, int margin, Draw draw);

    const FaceMetrics& FaceOf(const TFont& font);
    const FaceMetrics& CurrentFace() { return FaceOf(Font()); }
    // The em height in logical units of a font of this face and height.
    static double EmLogical(const FaceMetrics& face, int height);
    // The pixel size a font of this face and height is drawn at under the current mapping.
    int TextPixels(const FaceMetrics& face, int height) const;
    DeviceFont& DeviceFontFor(const FaceMetrics& face, int pixelSize);
    // The layout of `text` in `font`: from the store the canvas reads, else laid out on this
    // thread (into the batch the canvas fills, when it fills one and the text can be stored).
    void LayOut(TextPlacement& place, const std::string& text, int escapement);
    // Draws a stored text with its baseline starting at `baseline`, in this thread's font.
    void DrawStored(QPainter& p, const TextPlacement& place, QPointF baseline);
    // measure: the advance is needed even when the alignment does not ask for it.
    TextPlacement PlaceText(TPoint at, const std::string& text, const TFont& font, unsigned align, bool measure);

    QPainter painter;
    bool printer;

    bool stateDirty = true;
    // What the painter was last given: a state change that leaves these as they are (a font or
    // alignment, or a pen selected again after another object's) gives it nothing new.
    bool stateApplied = false;
    TPen appliedPen;
    TBrush appliedBrush;
    RasterOp appliedRop = RasterOp::Copy;
    QPen pen;
    QBrush brush;
    // An empty brush and pen of this canvas's own, for figures drawn unfilled or with no pen: Qt's
    // one empty brush and pen count references from every painting thread (a colour of its own
    // gives this brush data of its own; a pen made with a brush always has its own).
    QBrush noBrush{QColor(0, 0, 0, 0), Qt::NoBrush};
    QPen noPen{QBrush(), 1.0, Qt::NoPen};
    bool penVisible = true;
    int penDeviceWidth = 1;
    // The device font last given to the painter (none yet: a default font would be made under the
    // application font's lock).
    std::optional<QFont> painterFont;
    // True while the painter holds the pen of the last text (painterTextColour) rather than `pen`.
    bool painterHasTextPen = false;
    QColor painterTextColour;
    TPoint deviceSize;
    TPoint deviceDpi;

    QPolygon devicePoints;
    QPainterPath arcPath;  // the last arc's path, its memory kept for the next
    QImage layer;

    // The store of laid-out texts this canvas reads (none: the calling thread's own), and the
    // batch it puts the texts it lays out in (a piece of a measuring pass; none elsewhere).
    const TextStore* textStore = nullptr;
    TextTable* textBatch = nullptr;
};
