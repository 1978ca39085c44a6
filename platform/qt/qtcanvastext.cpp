// The text half of QtCanvas: faces and their metrics, device fonts, where a text goes and the box
// it touches.
#include "platform/qt/qtcanvas.h"

#include "platform/qt/pixelround.h"
#include "platform/qt/programtext.h"
#include "platform/qt/shapedtextcache.h"

#include <QTransform>

#include <algorithm>
#include <climits>
#include <cmath>
#include <numbers>
#include <utility>

namespace {

// Size at which face metrics are measured.
constexpr int kReferencePixels = 256;
// Bounds of the pixel size text is drawn at; a font too small to read still leaves a mark, and a
// huge one (deep zoom) stays within what the glyph rasteriser handles.
constexpr int kMinPixels = 1;
constexpr int kMaxPixels = 10000;
// Cell height of a font whose height is 0, in logical units.
constexpr int kDefaultCellHeight = 16;
constexpr std::size_t kDeviceFontCache = 16;

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

const QtCanvas::FaceMetrics& QtCanvas::FaceOf(const TFont& f)
{
    const int weight = f.weight <= 0 ? 400 : std::clamp(f.weight, 1, 1000);
    if (currentFace >= 0) {
        const FaceMetrics& last = faces[std::size_t(currentFace)];
        if (last.weight == weight && last.face == f.face)
            return last;
    }
    for (std::size_t i = 0; i < faces.size(); ++i) {
        if (faces[i].face == f.face && faces[i].weight == weight) {
            currentFace = int(i);
            return faces[i];
        }
    }
    QFont font(ToQString(f.face));
    font.setPixelSize(kReferencePixels);
    font.setWeight(QFont::Weight(weight));
    font.setHintingPreference(QFont::PreferNoHinting);
    FaceMetrics m{f.face, weight, font, QFontMetricsF(font)};
    double cell = m.metrics.ascent() + m.metrics.descent();
    m.cellPerEm = cell > 0 ? cell / kReferencePixels : 1.0;
    faces.push_back(m);
    currentFace = int(faces.size() - 1);
    return faces.back();
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

const QtCanvas::DeviceFont& QtCanvas::DeviceFontFor(const FaceMetrics& face, int pixelSize)
{
    ++fontUse;
    DeviceFont* oldest = nullptr;
    for (DeviceFont& f : deviceFonts) {
        if (f.pixelSize == pixelSize && f.weight == face.weight && f.face == face.face) {
            f.lastUse = fontUse;
            return f;
        }
        if (!oldest || f.lastUse < oldest->lastUse)
            oldest = &f;
    }
    QFont font(ToQString(face.face));
    font.setPixelSize(pixelSize);
    font.setWeight(QFont::Weight(face.weight));
    font.setStyleStrategy(QFont::NoAntialias);
    DeviceFont f{face.face, face.weight, pixelSize, fontUse, font, QFontMetricsF(font, painter.device())};
    f.ascent = f.metrics.ascent();
    f.descent = f.metrics.descent();
    f.maxWidth = f.metrics.maxWidth();
    // The least recently used font makes room.
    if (deviceFonts.size() >= kDeviceFontCache && oldest) {
        *oldest = std::move(f);
        return *oldest;
    }
    deviceFonts.push_back(std::move(f));
    return deviceFonts.back();
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
    const DeviceFont& font = DeviceFontFor(face, place.pixels);
    place.font = &font;
    if (LaysOutItself(text) && ShapedTextCache::Enabled())
        place.shaped = &ShapedTextCache::Instance().Get(font.face, font.pixelSize, font.weight, f.escapement, text,
                                                       deviceDpi, font.font, painter.device());

    // Offsets from the anchor to the start of the baseline, in the text's own frame (x along
    // the baseline, y towards the foot of the letters). A text with control characters is
    // measured only when the alignment or the caller needs the advance.
    unsigned horizontal = align & TA_CENTER;
    bool centred = horizontal == TA_CENTER;
    if (place.shaped)
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
    const DeviceFont& device = DeviceFontFor(face, pixels);
    const double cellHeight = device.ascent + device.descent;
    const double across = 2 * cellHeight + pixels / 2 + 2;
    const double along = double(text.size()) * std::max(device.maxWidth, 2.0 * pixels) + across;
    const auto [dx, dy] = BaselineDirection(font.escapement, MappingScaleX(), Mapping().ScaleY());
    const double reachX = std::fabs(dx) * along + std::fabs(dy) * across + 1;
    const double reachY = std::fabs(dy) * along + std::fabs(dx) * across + 1;
    const TPoint anchor = LPtoDP(at);
    return TRect{held(anchor.x - reachX), held(anchor.y - reachY), held(anchor.x + reachX) + 1,
                 held(anchor.y + reachY) + 1};
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
    const QRectF ink = place.shaped->Ink().translated(place.offset);
    const QRectF box = place.turn.mapRect(ink.isEmpty() ? cell : cell.united(ink));
    const double margin = place.pixels / 2 + 2;
    return TRect{held(std::floor(box.left() - margin)), held(std::floor(box.top() - margin)),
                 held(std::ceil(box.right() + margin)) + 1, held(std::ceil(box.bottom() + margin)) + 1};
}
