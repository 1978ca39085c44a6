#include "platform/qt/shapedtextcache.h"

#include "platform/qt/programtext.h"
#include "platform/qt/threadowned.h"

#include <QPainter>
#include <QGlyphRun>
#include <QPaintDevice>
#include <QTextLine>
#include <QTextOption>

#include <functional>

// Drawing a text's glyphs gives the pixels drawText gives while the glyphs come from Qt's glyph
// cache: below its size limit (QT_MAX_CACHED_GLYPH_SIZE, 64 pixels unless set), or upright or
// turned by a quarter turn. Beyond it, a text turned otherwise is drawn from its layout.
bool ShapedText::KeepsLayout(int pixelSize, int escapement)
{
    static const int limit = [] {
        const int set = qEnvironmentVariableIntValue("QT_MAX_CACHED_GLYPH_SIZE");
        return set > 0 ? set : 64;
    }();
    return escapement % 900 != 0 && int64_t(pixelSize) * pixelSize >= int64_t(limit) * limit;
}

namespace {

void Combine(std::size_t& seed, std::size_t value)
{
    seed ^= value + 0x9e3779b97f4a7c15ull + (seed << 6) + (seed >> 2);
}

}  // namespace

ShapedText::ShapedText(const QString& text, const QFont& font, QPaintDevice* device, bool keepLayout)
{
    made.fetch_add(1, std::memory_order_relaxed);
    // Laid out as QPainter::drawText lays out a string: one line, left to right, no wrapping.
    auto made = std::make_unique<QTextLayout>(text, font, device);
    made->setCacheEnabled(true);
    QTextOption option;
    option.setWrapMode(QTextOption::NoWrap);
    option.setTextDirection(Qt::LeftToRight);
    made->setTextOption(option);
    made->beginLayout();
    QTextLine line = made->createLine();
    if (line.isValid())
        line.setNumColumns(int(text.size()));
    made->endLayout();
    if (line.isValid()) {
        advance = line.horizontalAdvance();
        lineAscent = line.ascent();
    }
    runs = made->glyphRuns();
    if (keepLayout)
        layout = std::move(made);
}

const QRectF& ShapedText::Ink()
{
    if (!inkKnown) {
        inkKnown = true;
        for (const QGlyphRun& run : runs)
            ink = ink.united(run.boundingRect());
        ink.translate(0, -lineAscent);
    }
    return ink;
}

void ShapedText::Draw(QPainter& painter, QPointF baseline) const
{
    const QPointF top = baseline - QPointF(0, lineAscent);
    if (layout) {
        layout->draw(&painter, top);
        return;
    }
    for (const QGlyphRun& run : runs)
        painter.drawGlyphRun(top, run);
}

// Its places are taken when it first keeps a text: a painting thread whose texts all come from
// the bands' store never does.
ShapedTextCache::ShapedTextCache() = default;

ShapedTextCache& ShapedTextCache::Instance()
{
    return ThreadOwned<ShapedTextCache>::Get();
}

bool ShapedTextCache::Matches(const Key& key, std::string_view face, std::string_view text, int pixelSize, int weight,
                              int escapement, TPoint dpi)
{
    return key.pixelSize == pixelSize && key.weight == weight && key.escapement == escapement &&
           key.dpiX == dpi.x && key.dpiY == dpi.y && key.text == text && key.face == face;
}

std::size_t ShapedTextCache::FreeSlot(std::size_t hash) const
{
    const std::size_t mask = table.size() - 1;
    std::size_t i = hash & mask;
    while (table[i].entry >= 0)
        i = (i + 1) & mask;
    return i;
}

void ShapedTextCache::RemoveSlotOf(int32_t entry)
{
    const std::size_t mask = table.size() - 1;
    std::size_t i = entries[std::size_t(entry)].hash & mask;
    while (table[i].entry != entry)
        i = (i + 1) & mask;
    table[i].entry = kRemoved;
    ++removed;
}

void ShapedTextCache::NewRepaint()
{
    ++generation;
    // What the last repaint used goes after what it did not: it is put out last.
    if (used.first == kNone)
        return;
    if (unused.first == kNone) {
        unused = used;
    } else {
        entries[std::size_t(unused.last)].next = used.first;
        entries[std::size_t(used.first)].previous = unused.last;
        unused.last = used.last;
    }
    used = Chain{};
}

void ShapedTextCache::Unlink(Chain& chain, int32_t entry)
{
    Entry& e = entries[std::size_t(entry)];
    (e.previous == kNone ? chain.first : entries[std::size_t(e.previous)].next) = e.next;
    (e.next == kNone ? chain.last : entries[std::size_t(e.next)].previous) = e.previous;
    e.previous = e.next = kNone;
}

void ShapedTextCache::Append(Chain& chain, int32_t entry)
{
    Entry& e = entries[std::size_t(entry)];
    e.previous = chain.last;
    e.next = kNone;
    (chain.last == kNone ? chain.first : entries[std::size_t(chain.last)].next) = entry;
    chain.last = entry;
}

void ShapedTextCache::Use(Entry& entry)
{
    if (&entry == &spare || entry.generation == generation)
        return;
    entry.generation = generation;
    const int32_t i = int32_t(&entry - entries.data());
    Unlink(unused, i);
    Append(used, i);
}

int32_t ShapedTextCache::TakeUnused()
{
    const int32_t taken = unused.first;
    if (taken != kNone)
        Unlink(unused, taken);
    return taken;
}

void ShapedTextCache::Grow()
{
    // The entries may move: the layouts they own do not.
    capacity *= 2;
    if (last != &spare)
        last = nullptr;
    entries.reserve(capacity);
    table.assign(2 * capacity, Slot{});
    Rebuild();
}

void ShapedTextCache::Rebuild()
{
    for (Slot& slot : table)
        slot = Slot{};
    removed = 0;
    for (std::size_t i = 0; i < entries.size(); ++i)
        table[FreeSlot(entries[i].hash)] = Slot{entries[i].hash, int32_t(i)};
}

ShapedText& ShapedTextCache::Get(const std::string& face, int pixelSize, int weight, int escapement,
                                 const std::string& text, TPoint dpi, const QFont& font, QPaintDevice* device)
{
    if (last && Matches(last->key, face, text, pixelSize, weight, escapement, dpi)) {
        Use(*last);
        return *last->shaped;
    }
    if (table.empty()) {
        table.assign(2 * capacity, Slot{});
        entries.reserve(capacity);
    }
    std::size_t hash = std::hash<std::string_view>()(text);
    Combine(hash, std::hash<std::string_view>()(face));
    Combine(hash, std::size_t(uint32_t(pixelSize)) << 32 | uint32_t(weight));
    Combine(hash, std::size_t(uint32_t(escapement)));
    Combine(hash, std::size_t(uint32_t(dpi.x)) << 32 | uint32_t(dpi.y));
    const std::size_t mask = table.size() - 1;
    for (std::size_t i = hash & mask; table[i].entry != kEmpty; i = (i + 1) & mask) {
        const Slot& slot = table[i];
        if (slot.entry < 0 || slot.hash != hash)
            continue;
        Entry& entry = entries[std::size_t(slot.entry)];
        if (Matches(entry.key, face, text, pixelSize, weight, escapement, dpi)) {
            Use(entry);
            last = &entry;
            return *entry.shaped;
        }
    }

    Entry made{Key{face, text, pixelSize, weight, escapement, dpi.x, dpi.y}, hash,
               std::make_unique<ShapedText>(ToQString(text), font, device, ShapedText::KeepsLayout(pixelSize, escapement)),
               generation, kNone, kNone};
    ++shaped;
    int32_t place;
    if (entries.size() == capacity && unused.first == kNone && capacity < kMost)
        Grow();
    if (entries.size() < capacity) {
        place = int32_t(entries.size());
        entries.push_back(std::move(made));
    } else if ((place = TakeUnused()) >= 0) {
        RemoveSlotOf(place);
        entries[std::size_t(place)] = std::move(made);
    } else {
        spare = std::move(made);
        last = &spare;
        return *spare.shaped;
    }
    Append(used, place);
    if (removed > table.size() / 4) {
        Rebuild();  // puts the new entry in too
    } else {
        Slot& slot = table[FreeSlot(hash)];
        if (slot.entry == kRemoved)
            --removed;
        slot = Slot{hash, place};
    }
    last = &entries[std::size_t(place)];
    return *last->shaped;
}
