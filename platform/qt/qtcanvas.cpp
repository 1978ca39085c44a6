#include "platform/qt/qtcanvas.h"

#include "platform/qt/pixelround.h"
#include "platform/qt/programtext.h"
#include "platform/qt/shapedtextcache.h"

#include <QPaintDevice>
#include <QPainterPath>
#include <QTransform>

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdlib>

namespace {

constexpr double kPi = 3.14159265358979323846;
// Widest pen drawn, in pixels (a pen wider than any window).
constexpr int kMaxPenPixels = 100000;

QColor ToQColor(TColor colour)
{
    return QColor(RedOf(colour), GreenOf(colour), BlueOf(colour));
}

QRect ToQRect(const TRect& device)
{
    return QRect(device.left, device.top, device.Width(), device.Height());
}

// A device box as the figure Qt draws: from its top left pixel to its bottom right pixel.
QRectF FigureRect(const QRect& box)
{
    return QRectF(QPointF(box.left(), box.top()), QPointF(box.right(), box.bottom()));
}

// Dash patterns of the pen styles, in pen widths (pixels for a one-pixel pen).
QList<qreal> DashPattern(int style)
{
    switch (style) {
    case PS_DASH:
        return {18, 6};
    case PS_DOT:
        return {3, 3};
    case PS_DASHDOT:
        return {9, 6, 3, 6};
    case PS_DASHDOTDOT:
        return {9, 3, 3, 3, 3, 3};
    default:
        return {};
    }
}

Qt::BrushStyle HatchPattern(int hatch)
{
    switch (hatch) {
    case HS_HORIZONTAL:
        return Qt::HorPattern;
    case HS_VERTICAL:
        return Qt::VerPattern;
    case HS_FDIAGONAL:
        return Qt::FDiagPattern;
    case HS_BDIAGONAL:
        return Qt::BDiagPattern;
    case HS_CROSS:
        return Qt::CrossPattern;
    default:
        return Qt::DiagCrossPattern;
    }
}

// Direction of a ray as Qt measures arcs: degrees anticlockwise on the screen from 3 o'clock.
double ScreenAngle(double dx, double dy)
{
    return std::atan2(-dy, dx) * 180.0 / kPi;
}

// Qt places arc angles on the ellipse parametrically; turn the angle of a ray from the centre
// into the parameter of the point where that ray meets the ellipse.
double ParameterOfRay(double degrees, double halfWidth, double halfHeight)
{
    if (halfWidth <= 0 || halfHeight <= 0)
        return degrees;
    double r = degrees * kPi / 180.0;
    double t = std::atan2(halfWidth * std::sin(r), halfHeight * std::cos(r)) * 180.0 / kPi;
    return t;
}

}  // namespace

QtCanvas::QtCanvas(QPaintDevice& device, bool printer) : printer(printer)
{
    // A canvas serves one repaint (or one event): the texts it lays out are kept while it does.
    ShapedTextCache::Instance().NewRepaint();
    // Asked of the device once: they do not change while the canvas draws.
    deviceSize = {device.width(), device.height()};
    deviceDpi = {device.logicalDpiX(), device.logicalDpiY()};
    // A device without a paint engine (a null image) is left alone: the canvas draws nothing.
    if (device.paintEngine() && painter.begin(&device)) {
        painter.setRenderHint(QPainter::Antialiasing, false);
        painter.setRenderHint(QPainter::TextAntialiasing, false);
        painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
        painter.setBackgroundMode(Qt::TransparentMode);
    }
}

QtCanvas::~QtCanvas()
{
    Finish();
}

void QtCanvas::Finish()
{
    Flush();
    if (painter.isActive())
        painter.end();
}

TPoint QtCanvas::DeviceSize() const
{
    return painter.device() ? deviceSize : TPoint{};
}

TPoint QtCanvas::DeviceResolution() const
{
    return painter.device() ? deviceDpi : TPoint{96, 96};
}

void QtCanvas::StateChanged()
{
    stateDirty = true;
}

void QtCanvas::DeviceClipChanged()
{
    if (!painter.isActive())
        return;
    if (HasDeviceClip()) {
        painter.setClipRect(ToQRect(DeviceClip()));
    } else {
        painter.setClipping(false);
    }
}

QColor QtCanvas::Effective(TColor colour) const
{
    if (!printer && ROP2() == RasterOp::NotXor)
        colour ^= 0xFFFFFF;
    return ToQColor(colour);
}

QPen QtCanvas::MakePen() const
{
    const TPen& p = Pen();
    if (p.style == PS_NULL)
        return noPen;
    QPen q(Effective(p.colour));
    QList<qreal> dashes = DashPattern(p.style);
    if (penDeviceWidth <= 1) {
        // One device pixel: Qt's cosmetic line drawer; the flat cap leaves a line's last pixel
        // to whatever follows it.
        q.setWidth(1);
        q.setCosmetic(true);
        q.setCapStyle(Qt::FlatCap);
        q.setJoinStyle(Qt::MiterJoin);
    } else {
        q.setWidth(penDeviceWidth);
        q.setCapStyle(dashes.isEmpty() ? Qt::RoundCap : Qt::FlatCap);
        q.setJoinStyle(Qt::RoundJoin);
    }
    if (!dashes.isEmpty())
        q.setDashPattern(dashes);
    return q;
}

QBrush QtCanvas::MakeBrush() const
{
    const TBrush& b = Brush();
    switch (b.kind) {
    case BrushKind::Hollow:
        return noBrush;
    case BrushKind::Solid:
        return QBrush(Effective(b.colour));
    case BrushKind::Hatched:
        return QBrush(Effective(b.colour), HatchPattern(b.hatch));
    }
    return noBrush;
}

void QtCanvas::ApplyState()
{
    if (!stateDirty)
        return;
    stateDirty = false;
    const int width = std::clamp(RoundToPixel(std::fabs(Pen().width * MappingScaleX())), 1, kMaxPenPixels);
    if (stateApplied && width == penDeviceWidth && Pen() == appliedPen && Brush() == appliedBrush &&
        ROP2() == appliedRop)
        return;
    penDeviceWidth = width;
    pen = MakePen();
    // The brush is made again only when it changed: most changes are of the pen, and making an
    // empty brush counts a reference on the one Qt keeps for every painting thread.
    if (!stateApplied || !(Brush() == appliedBrush) || ROP2() != appliedRop)
        brush = MakeBrush();
    penVisible = PenVisible();
    if (!painter.isActive())
        return;
    stateApplied = true;
    appliedPen = Pen();
    appliedBrush = Brush();
    appliedRop = ROP2();
    painter.setCompositionMode(XorMode() ? QPainter::RasterOp_SourceXorDestination
                                         : QPainter::CompositionMode_SourceOver);
    painter.setPen(pen);
    painterHasTextPen = false;
    painter.setBrush(brush);
}

QRect QtCanvas::DeviceBox(const TRect& box) const
{
    TPoint a = LPtoDP({box.left, box.top});
    TPoint b = LPtoDP({box.right, box.bottom});
    TRect d = TRect{a.x, a.y, b.x, b.y}.Normalized();
    return QRect(QPoint(d.left, d.top), QPoint(d.right, d.bottom));
}

const QPolygon& QtCanvas::DevicePoints(std::span<const TPoint> points)
{
    devicePoints.resize(qsizetype(points.size()));
    for (std::size_t i = 0; i < points.size(); ++i) {
        TPoint d = LPtoDP(points[i]);
        devicePoints[qsizetype(i)] = QPoint(d.x, d.y);
    }
    return devicePoints;
}

template <typename Draw>
void QtCanvas::ThroughLayer(const QRect& bounds, int margin, Draw draw)
{
    const QRect whole(0, 0, painter.device()->width(), painter.device()->height());
    QRect device = whole;
    if (HasDeviceClip())
        device = device.intersected(ToQRect(DeviceClip()));
    if (!bounds.intersects(device.adjusted(-margin, -margin, margin, margin)))
        return;
    // The layer holds the figure as it would be drawn on the whole device (cut far-off figures
    // down to it before widening them, so nothing overflows), and only the part within the clip is
    // combined with the device: a figure cut at the layer's edge steps its pixels and its dashes
    // from there, so a figure drawn on a clipped canvas gives inside the clip exactly the pixels
    // the same figure drawn whole gives.
    QRect area = bounds.intersected(whole.adjusted(-margin, -margin, margin, margin))
                     .adjusted(-margin, -margin, margin, margin)
                     .intersected(whole);
    if (area.isEmpty())
        return;
    if (layer.width() < area.width() || layer.height() < area.height())
        layer = QImage(std::max(layer.width(), area.width()), std::max(layer.height(), area.height()),
                       QImage::Format_RGB32);
    // A window onto the top left of the layer buffer, so the buffer is reused from call to call.
    QImage part(layer.bits(), area.width(), area.height(), layer.bytesPerLine(), QImage::Format_RGB32);
    part.fill(0);
    {
        QPainter p(&part);
        p.setRenderHint(QPainter::Antialiasing, false);
        p.setRenderHint(QPainter::TextAntialiasing, false);
        p.setBackgroundMode(Qt::TransparentMode);
        p.translate(-area.left(), -area.top());
        draw(p);
    }
    const QRect shown = area.intersected(device);
    if (!shown.isEmpty())
        painter.drawImage(shown.topLeft(), part, shown.translated(-area.topLeft()));
}

template <typename Draw>
void QtCanvas::DrawFigure(const QRect& bounds, bool filled, Draw draw)
{
    if (!painter.isActive())
        return;
    ApplyState();
    filled = filled && BrushVisible();
    if (!penVisible && !filled)
        return;
    if (XorMode()) {
        int margin = penDeviceWidth + 2;
        ThroughLayer(bounds, margin, [&](QPainter& p) {
            if (!filled && pen.style() == Qt::CustomDashLine) {
                // The gaps of a styled outline take the background colour, as the dashes take the
                // pen's (a filled figure keeps its fill between the dashes).
                p.setBackgroundMode(Qt::OpaqueMode);
                p.setBackground(Effective(BkColor()));
            }
            p.setPen(pen);
            p.setBrush(filled ? brush : noBrush);
            draw(p);
        });
        return;
    }
    RestorePen();
    const bool unfill = !filled && brush.style() != Qt::NoBrush;
    if (unfill)
        painter.setBrush(noBrush);
    draw(painter);
    if (unfill)
        painter.setBrush(brush);
}

void QtCanvas::DoPolyline(const std::vector<TPoint>& points)
{
    if (points.size() < 2)
        return;
    const QPolygon& poly = DevicePoints(points);
    DrawFigure(poly.boundingRect(), false, [&](QPainter& p) { p.drawPolyline(poly); });
}

void QtCanvas::DoPolylines(const std::vector<TPoint>& points, const std::vector<std::size_t>& starts)
{
    if (!painter.isActive())
        return;
    ApplyState();
    if (XorMode()) {
        // One figure at a time, so that each is combined with the device once.
        Canvas::DoPolylines(points, starts);
        return;
    }
    if (!penVisible)
        return;
    // As DrawFigure draws one polyline under copy, for every one of them. A polyline is stroked,
    // never filled: the brush stays as it is (setting none counts a reference on Qt's one empty
    // brush, which every painting thread shares).
    RestorePen();
    for (std::size_t i = 0; i < starts.size(); ++i) {
        const std::size_t end = i + 1 < starts.size() ? starts[i + 1] : points.size();
        if (end - starts[i] < 2)
            continue;
        painter.drawPolyline(DevicePoints(std::span(points).subspan(starts[i], end - starts[i])));
    }
}

void QtCanvas::DoPolygon(const std::vector<TPoint>& points)
{
    if (points.size() < 2)
        return;
    const QPolygon& poly = DevicePoints(points);
    DrawFigure(poly.boundingRect(), true, [&](QPainter& p) { p.drawPolygon(poly, Qt::OddEvenFill); });
}

void QtCanvas::DoRectangle(const TRect& box)
{
    QRect d = DeviceBox(box);
    QRectF r = FigureRect(d);
    DrawFigure(d, true, [&](QPainter& p) { p.drawRect(r); });
}

void QtCanvas::DoRoundRect(const TRect& box, int cornerWidth, int cornerHeight)
{
    QRect d = DeviceBox(box);
    QRectF r = FigureRect(d);
    double scale = std::fabs(Mapping().ScaleX());
    double rx = std::min(std::fabs(cornerWidth * scale) / 2.0, r.width() / 2.0);
    double ry = std::min(std::fabs(cornerHeight * scale) / 2.0, r.height() / 2.0);
    DrawFigure(d, true, [&](QPainter& p) {
        if (rx > 0 && ry > 0)
            p.drawRoundedRect(r, rx, ry, Qt::AbsoluteSize);
        else
            p.drawRect(r);
    });
}

void QtCanvas::DoEllipse(const TRect& box)
{
    QRect d = DeviceBox(box);
    QRectF r = FigureRect(d);
    DrawFigure(d, true, [&](QPainter& p) { p.drawEllipse(r); });
}

void QtCanvas::DoArc(const TRect& box, TPoint start, TPoint end)
{
    QRect d = DeviceBox(box);
    QRectF r = FigureRect(d);
    QPointF centre = r.center();
    TPoint s = LPtoDP(start);
    TPoint e = LPtoDP(end);
    double a = r.width() / 2.0, b = r.height() / 2.0;
    double from = ParameterOfRay(ScreenAngle(s.x - centre.x(), s.y - centre.y()), a, b);
    double to = ParameterOfRay(ScreenAngle(e.x - centre.x(), e.y - centre.y()), a, b);
    // Anticlockwise in logical terms is anticlockwise on the screen when the mapping turns
    // exactly one axis over (the y-up mapping), clockwise otherwise.
    bool screenAnticlockwise = Mapping().ScaleX() * Mapping().ScaleY() < 0;
    double sweep;
    if (screenAnticlockwise) {
        sweep = std::fmod(to - from + 720.0, 360.0);
        if (sweep <= 1e-9)
            sweep = 360.0;
    } else {
        sweep = -std::fmod(from - to + 720.0, 360.0);
        if (sweep >= -1e-9)
            sweep = -360.0;
    }
    // The path of the last arc is emptied and made again: its elements keep their memory. A box
    // of one point makes no path, as a new path would stay empty.
    if (r.isNull()) {
        DrawFigure(d, false, [&](QPainter& p) { p.drawPath(QPainterPath()); });
        return;
    }
    arcPath.clear();
    arcPath.arcMoveTo(r, from);
    arcPath.arcTo(r, from, sweep);
    DrawFigure(d, false, [&](QPainter& p) { p.drawPath(arcPath); });
}

void QtCanvas::DoFillDeviceRect(const TRect& device, TColor colour)
{
    if (!painter.isActive() || device.IsEmpty())
        return;
    ApplyState();
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    painter.fillRect(ToQRect(device), ToQColor(colour));
    if (XorMode())
        painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
}

void QtCanvas::DoTextOut(TPoint at, const std::string& text)
{
    if (!painter.isActive() || text.empty())
        return;
    ApplyState();
    const TextPlacement place = PlaceText(at, text, Font(), TextAlignFlags(), XorMode());
    const DeviceFont& font = *place.font;
    const QPointF offset = place.offset;
    const QTransform& turn = place.turn;
    const QPointF anchor(turn.dx(), turn.dy());
    const QColor textColour = Effective(TextColor());
    // A kept text draws as drawText draws its string.
    auto draw = [&](QPainter& p) {
        if (place.upright) {
            if (place.stored)
                DrawStored(p, place, anchor + offset);
            else if (place.shaped)
                place.shaped->Draw(p, anchor + offset);
            else
                p.drawText(anchor + offset, ToQString(text));
        } else {
            QTransform base = p.transform();
            p.setTransform(turn, true);
            if (place.stored)
                DrawStored(p, place, offset);
            else if (place.shaped)
                place.shaped->Draw(p, offset);
            else
                p.drawText(offset, ToQString(text));
            p.setTransform(base);
        }
    };
    if (XorMode()) {
        // The text cell, with room for letters that reach past their advance.
        QRectF cell(offset.x(), offset.y() - font.ascent, place.advance, font.ascent + font.descent);
        ThroughLayer(turn.mapRect(cell).toAlignedRect(), place.pixels / 2 + 2, [&](QPainter& p) {
            p.setFont(font.font);
            p.setPen(QPen(textColour));
            draw(p);
        });
        return;
    }
    // Setting a font makes the painter look its glyphs up again; texts in a row mostly share one.
    if (!place.shaped && !place.stored && (!painterFont || !painterFont->isCopyOf(font.font))) {
        painter.setFont(font.font);
        painterFont = font.font;
    }
    // Letters take only the pen's colour: the canvas's own pen serves when it has the text's
    // colour (a text takes its object's pen colour); otherwise the painter keeps the text's pen
    // until a figure needs the canvas's again, as texts in a row mostly share one colour.
    const bool canvasPenServes = !painterHasTextPen && penVisible && pen.color() == textColour;
    if (!canvasPenServes && (!painterHasTextPen || painterTextColour != textColour)) {
        painter.setPen(QPen(textColour));
        painterHasTextPen = true;
        painterTextColour = textColour;
    }
    draw(painter);
}

void QtCanvas::RestorePen()
{
    if (painterHasTextPen) {
        painter.setPen(pen);
        painterHasTextPen = false;
    }
}
