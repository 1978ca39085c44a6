// The text half of QtCanvas: faces and their metrics, device fonts, where a text goes and the box
// it touches.
#include "platform/qt/qtcanvas.h"

#include "platform/qt/pixelround.h"
#include "platform/qt/programtext.h"
#include "platform/qt/shapedtextcache.h"
#include "platform/qt/textstore.h"

#include <QTransform>

#include <algorithm>
#include <climits>
#include <cmath>
#include <numbers>
#include <utility>

namespace {

constexpr int kReferencePixels = ThreadFonts::kReferencePixels;
// Bounds of the pixel size text is drawn at; a font too small to read still leaves a mark, and a
// huge one (deep zoom) stays within what the glyph rasteriser handles.
constexpr int kMinPixels = 1;
constexpr int kMaxPixels = 10000;
// Cell height of a font whose height is 0, in logical units.
constexpr int kDefaultCellHeight = 16;

// True for a text a kept layout draws exactly as drawText would: one without control characters
// (a tab, a line break, the string separator U+009C), whose handling the two may differ in.
bool LaysOutItself(const std::string& text)
{
    return std::none_of(text.begin(), text.end(), [](char c) {
        const unsigned char u = static_cast<unsigned char>(c);
        return u < 0x20 || (u >= 0x7F && u <= 0x9F);
    });
}

// The device direction of a text's baseline (a unit vector): the escapement turns it from
// logical +x towards logical -y, mapped to the device, where the letters stand upright whatever
// the mapping does to the axes.
std::pair<double, double> BaselineDirection(int escapement, double scaleX, double scaleY)
{
    int e = ((escapement % 3600) + 3600) % 3600;
    double c, sn;
    switch (e) {
    case 0:
        c = 1, sn = 0;
        break;
    case 900:
        c = 0, sn = 1;
        break;
    case 1800:
        c = -1, sn = 0;
        break;
    case 2700:
        c = 0, sn = -1;
        break;
    default:
        c = std::cos(e * std::numbers::pi / 1800.0), sn = std::sin(e * std::numbers::pi / 1800.0);
        break;
    }
    return {c * (scaleX < 0 ? -1 : 1), -sn * (scaleY < 0 ? -1 : 1)};
}

}  // namespace

const FaceMetrics& QtCanvas::FaceOf(const TFont& f)
{
    return ThreadFonts::Mine().Face(f.face, f.weight <= 0 ? 400 : std::clamp(f.weight, 1, 1000));
}

double QtCanvas::EmLogical(const FaceMetrics& face, int h)
{
    if (h < 0)
        return -double(h);
    return (h == 0 ? kDefaultCellHeight : h) / face.cellPerEm;
}

int QtCanvas::TextPixels(const FaceMetrics& face, int height) const
{
    return std::clamp(RoundToPixel(EmLogical(face, height) * std::fabs(MappingScaleX())), kMinPixels, kMaxPixels);
}

DeviceFont& QtCanvas::DeviceFontFor(const FaceMetrics& face, int pixelSize)
{
    return ThreadFonts::Mine().Device(face, pixelSize, deviceDpi, painter.device());
}

const TextStore& QtCanvas::Texts() const
{
    return textStore ? *textStore : TextStore::OfThisThread();
}

void QtCanvas::LayOut(TextPlacement& place, const std::string& text, int escapement)
{
    DeviceFont& font = *place.font;
    // A printer lays out for its own device: it keeps to its thread's layouts.
    if (TextStore::Enabled() && !printer && !ShapedText::KeepsLayout(font.pixelSize, escapement)) {
        const TextTable::Key key{font.face, font.pixelSize, font.weight, deviceDpi, text};
        const StoredText* found = Texts().Find(key);
        if (!found && textBatch)
            found = textBatch->Find(key);
        if (!found && textBatch) {
            // Its glyphs are stored only when they come from the font every thread makes of it:
            // one run, in that font (letters another font stands in for stay with the thread
            // that draws them).
            ShapedText shaped(ToQString(text), font.font, painter.device(), false);
            StoredText stored;
            if (shaped.runs.size() <= 1 &&
                (shaped.runs.empty() || shaped.runs.front().rawFont() == font.Raw(painter.device()))) {
                if (!shaped.runs.empty()) {
                    const QGlyphRun& run = shaped.runs.front();
                    const QList<quint32> glyphs = run.glyphIndexes();
                    const QList<QPointF> positions = run.positions();
                    stored.glyphs.assign(glyphs.begin(), glyphs.end());
                    stored.positions.assign(positions.begin(), positions.end());
                    stored.flags = run.flags();
                }
                stored.advance = shaped.advance;
                stored.lineAscent = shaped.lineAscent;
                stored.ink = shaped.Ink();
            } else {
                stored.drawnByThread = true;
            }
            found = &textBatch->Add(key, std::move(stored));
        }
        if (found && !found->drawnByThread) {
            place.stored = found;
            return;
        }
    }
    place.shaped = &ShapedTextCache::Instance().Get(font.face, font.pixelSize, font.weight, escapement, text,
                                                   deviceDpi, font.font, painter.device());
}

void QtCanvas::DrawStored(QPainter& p, const TextPlacement& place, QPointF baseline)
{
    const StoredText& stored = *place.stored;
    if (stored.glyphs.empty())
        return;
    DeviceFont& font = *place.font;
    font.Raw(painter.device());
    font.run.setRawData(stored.glyphs.data(), stored.positions.data(), int(stored.glyphs.size()));
    font.run.setFlags(stored.flags);
    p.drawGlyphRun(baseline - QPointF(0, stored.lineAscent), font.run);
}

TTextMetrics QtCanvas::GetTextMetrics()
{
    const FaceMetrics& face = CurrentFace();
    double perPixel = EmLogical(face, Font().height) / kReferencePixels;
    TTextMetrics m;
    double cell = (face.metrics.ascent() + face.metrics.descent()) * perPixel;
    m.height = Font().height > 0 ? Font().height : RoundToPixel(cell);
    m.ascent = std::min(m.height, RoundToPixel(face.metrics.ascent() * perPixel));
    m.descent = m.height - m.ascent;
    m.internalLeading = std::max(0, m.height - RoundToPixel(EmLogical(face, Font().height)));
    m.externalLeading = std::max(0, RoundToPixel(face.metrics.leading() * perPixel));
    m.aveCharWidth = RoundToPixel(face.metrics.averageCharWidth() * perPixel);
    m.maxCharWidth = RoundToPixel(face.metrics.maxWidth() * perPixel);
    return m;
}

TPoint QtCanvas::GetTextExtent(const std::string& text)
{
    const FaceMetrics& face = CurrentFace();
    double perPixel = EmLogical(face, Font().height) / kReferencePixels;
    int cx = RoundToPixel(face.metrics.horizontalAdvance(ToQString(text)) * perPixel);
    return {cx, GetTextMetrics().height};
}

QtCanvas::TextPlacement QtCanvas::PlaceText(TPoint at, const std::string& text, const TFont& f, unsigned align,
                                            bool measure)
{
    TextPlacement place;
    const FaceMetrics& face = FaceOf(f);
    const double scaleX = MappingScaleX();
    const double scaleY = Mapping().ScaleY();
    place.pixels = TextPixels(face, f.height);
    DeviceFont& font = DeviceFontFor(face, place.pixels);
    place.font = &font;
    if (LaysOutItself(text) && ShapedTextCache::Enabled())
        LayOut(place, text, f.escapement);

    // Offsets from the anchor to the start of the baseline, in the text's own frame (x along
    // the baseline, y towards the foot of the letters). A text with control characters is
    // measured only when the alignment or the caller needs the advance.
    unsigned horizontal = align & TA_CENTER;
    bool centred = horizontal == TA_CENTER;
    if (place.stored)
        place.advance = place.stored->advance;
    else if (place.shaped)
        place.advance = place.shaped->advance;
    else if (centred || horizontal == TA_RIGHT || measure)
        place.advance = font.metrics.horizontalAdvance(ToQString(text));
    double x = centred ? -place.advance / 2.0 : horizontal == TA_RIGHT ? -place.advance : 0;
    double y;
    switch (align & TA_BASELINE) {
    case TA_BASELINE:
        y = 0;
        break;
    case TA_BOTTOM:
        y = -font.descent;
        break;
    default:  // TA_TOP
        y = font.ascent;
        break;
    }
    place.offset = QPointF(RoundToPixel(x), RoundToPixel(y));

    const auto [dx, dy] = BaselineDirection(f.escapement, scaleX, scaleY);
    TPoint anchor = LPtoDP(at);
    place.upright = dx == 1 && dy == 0;
    place.turn = QTransform(dx, dy, -dy, dx, anchor.x, anchor.y);
    return place;
}

std::optional<TRect> QtCanvas::TextReachBox(TPoint at, const std::string& text, const TFont& font)
{
    if (!painter.isActive() || text.empty())
        return TRect{};  // nothing is drawn
    if (!LaysOutItself(text) || !ShapedTextCache::Enabled())
        return std::nullopt;
    auto held = [](double v) { return int(std::clamp(v, double(INT_MIN / 2), double(INT_MAX / 2))); };
    // Along its baseline no letter reaches beyond its count of the widest advance (or two ems)
    // from the anchor, and across it none beyond the cell on either side, each with a cell and
    // the margin to spare. Turned, that box's device bounds are its two half-lengths projected
    // on each axis.
    const FaceMetrics& face = FaceOf(font);
    const int pixels = TextPixels(face, font.height);
    DeviceFont& device = DeviceFontFor(face, pixels);
    const double cellHeight = device.ascent + device.descent;
    const double across = 2 * cellHeight + pixels / 2 + 2;
    const double along = double(text.size()) * std::max(device.maxWidth, 2.0 * pixels) + across;
    const auto [dx, dy] = BaselineDirection(font.escapement, MappingScaleX(), Mapping().ScaleY());
    const double reachX = std::fabs(dx) * along + std::fabs(dy) * across + 1;
    const double reachY = std::fabs(dy) * along + std::fabs(dx) * across + 1;
    const TPoint anchor = LPtoDP(at);
    const TRect reach{held(anchor.x - reachX), held(anchor.y - reachY), held(anchor.x + reachX) + 1,
                      held(anchor.y + reachY) + 1};
    // A piece measuring for bands lays out each text they may draw, once for all of them.
    if (textBatch && TextStore::Enabled()) {
        const std::optional<TRect> area = PaintableArea();
        const TextTable::Key key{device.face, device.pixelSize, device.weight, deviceDpi, text};
        // What the store holds is found by the bands, without its letters being looked at here.
        if (area && !reach.Intersect(*area).IsEmpty() && !Texts().MayHold(key)) {
            TextPlacement place;
            place.font = &device;
            LayOut(place, text, font.escapement);
        }
    }
    return reach;
}

std::optional<TRect> QtCanvas::TextDeviceBox(TPoint at, const std::string& text, const TFont& font, unsigned align)
{
    if (!painter.isActive() || text.empty())
        return TRect{};  // nothing is drawn
    if (!LaysOutItself(text) || !ShapedTextCache::Enabled())
        return std::nullopt;
    auto held = [](double v) { return int(std::clamp(v, double(INT_MIN / 2), double(INT_MAX / 2))); };

    // A text far from what can show is left out before it is laid out, by its reach.
    if (const std::optional<TRect> area = PaintableArea()) {
        const std::optional<TRect> rough = TextReachBox(at, text, font);
        if (rough && rough->Intersect(*area).IsEmpty())
            return rough;
    }

    TextPlacement place = PlaceText(at, text, font, align, true);
    // The cell along the advance and the letters' own box (which may reach past it), with the
    // margin the exclusive-or layer leaves around a text.
    const QRectF cell(place.offset.x(), place.offset.y() - place.font->ascent, place.advance,
                      place.font->ascent + place.font->descent);
    const QRectF ink = (place.stored ? place.stored->ink : place.shaped->Ink()).translated(place.offset);
    const QRectF box = place.turn.mapRect(ink.isEmpty() ? cell : cell.united(ink));
    const double margin = place.pixels / 2 + 2;
    return TRect{held(std::floor(box.left() - margin)), held(std::floor(box.top() - margin)),
                 held(std::ceil(box.right() + margin)) + 1, held(std::ceil(box.bottom() + margin)) + 1};
}
