#pragma once
// Texts laid out once for drawing: the glyphs of a string in one device font, with its advance and
// the box its letters cover, kept between repaints so that a text seen before is not shaped again.
// Drawing a kept layout gives the same pixels as QPainter::drawText of the string with the font.
//
// The cache holds kCapacity texts (well under a kilobyte each), or as many as one repaint has
// drawn, up to kMost. An entry used since the last repaint began (NewRepaint) is never put out for
// another: a repaint of more different texts than the cache holds makes it hold more, so that the
// next repaint, which asks for the same texts in the same order, finds them all. Beyond kMost, a
// new text is laid out in a spare place that holds it until the next one (so that measuring a text
// and drawing it still shape it once): the cache keeps the texts it took first and lays out the
// rest afresh, rather than putting out each text just before it is asked for again. Finding,
// keeping and putting out a text take the same time however many the cache holds.
#include "platform/geometry.h"

#include <QFont>
#include <QGlyphRun>
#include <QList>
#include <QRectF>
#include <QTextLayout>

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

class QPaintDevice;
class QPainter;

struct ShapedText {
    // The glyphs as the layout placed them, the baseline `lineAscent` below the top; and, for a
    // text that drawing the glyphs would not draw as drawText does (a large text turned by other
    // than a quarter turn), the layout itself.
    QList<QGlyphRun> runs;
    std::unique_ptr<QTextLayout> layout;
    double advance = 0;     // along the baseline, device pixels
    double lineAscent = 0;  // the layout's baseline below its top
    // The letters' box relative to the start of the baseline (y downwards), found when first asked.
    bool inkKnown = false;
    QRectF ink;

    // True for a text drawing its glyphs would not draw as drawText does: one laid out at this
    // pixel size and turned by this escapement is drawn from its layout.
    static bool KeepsLayout(int pixelSize, int escapement);

    // Layouts made so far by every thread, for tests.
    static std::size_t Made() { return made.load(std::memory_order_relaxed); }

    // keepLayout: drawn from the layout rather than its glyphs.
    ShapedText(const QString& text, const QFont& font, QPaintDevice* device, bool keepLayout);
    // The box of the letters, relative to the start of the baseline.
    const QRectF& Ink();
    // Draws the text with its baseline starting at `baseline`, with the painter's pen.
    void Draw(QPainter& painter, QPointF baseline) const;

private:
    static inline std::atomic<std::size_t> made{0};
};

class ShapedTextCache {
public:
    static constexpr std::size_t kCapacity = 16384;
    static constexpr std::size_t kMost = 4 * kCapacity;

    ShapedTextCache();

    // The cache of the calling thread, its own (ThreadOwned): laid-out texts hold fonts, which
    // one thread cannot lend another.
    static ShapedTextCache& Instance();

    // The layout of `text` in `font` (a device font, one pixel size) for `device`, of resolution
    // `dpi`; escapement is part of the key as the font's turn. The reference stays valid until
    // the next call.
    ShapedText& Get(const std::string& face, int pixelSize, int weight, int escapement, const std::string& text,
                    TPoint dpi, const QFont& font, QPaintDevice* device);
    // A repaint begins: entries used from now on are kept until it ends.
    void NewRepaint();
    // Off: canvases draw every text with QPainter::drawText, laying it out afresh each time (for
    // comparing the two ways of drawing). One switch for every thread's cache.
    static void SetEnabled(bool on) { enabled.store(on, std::memory_order_relaxed); }
    static bool Enabled() { return enabled.load(std::memory_order_relaxed); }
    std::size_t Size() const { return entries.size(); }
    // The texts it may hold before it must put one out or grow.
    std::size_t Capacity() const { return capacity; }
    // Layouts made so far, for tests: a text found in the cache makes none.
    std::size_t Shaped() const { return shaped; }

private:
    struct Key {
        std::string face;
        std::string text;
        int pixelSize = 0;
        int weight = 0;
        int escapement = 0;
        int dpiX = 0;
        int dpiY = 0;
    };
    struct Entry {
        Key key;
        std::size_t hash = 0;
        std::unique_ptr<ShapedText> shaped;
        unsigned generation = 0;
        // Its neighbours in the chain it is on (kNone at an end).
        int32_t previous = -1;
        int32_t next = -1;
    };
    // Entries linked through their neighbours, first to last.
    struct Chain {
        int32_t first = -1;
        int32_t last = -1;
    };
    // A place of the open-addressed table: the entry's index, and its hash to compare first.
    struct Slot {
        std::size_t hash = 0;
        int32_t entry = kEmpty;
    };
    static constexpr int32_t kEmpty = -1;
    static constexpr int32_t kRemoved = -2;
    static constexpr int32_t kNone = -1;

    static bool Matches(const Key& key, std::string_view face, std::string_view text, int pixelSize, int weight,
                        int escapement, TPoint dpi);
    // The slot of an entry's hash to put it in (after any removed ones on its way).
    std::size_t FreeSlot(std::size_t hash) const;
    void RemoveSlotOf(int32_t entry);
    // Takes the entry that has gone longest unused, of those no one used since the repaint began;
    // -1 when all have been.
    int32_t TakeUnused();
    // Holds twice as many texts from now on.
    void Grow();
    void Rebuild();
    // The entry is in use in this repaint: it moves to the end of the used chain.
    void Use(Entry& entry);
    void Unlink(Chain& chain, int32_t entry);
    void Append(Chain& chain, int32_t entry);

    std::size_t capacity = kCapacity;
    std::vector<Entry> entries;
    std::vector<Slot> table;  // twice the capacity long, a power of two (empty until a text is kept)
    std::size_t removed = 0;  // places marked kRemoved
    // Every entry is on one of two chains: those used since the repaint began, in the order of
    // their first use, and the others, longest unused first.
    Chain used;
    Chain unused;
    Entry spare;              // the text laid out while every entry is in use
    Entry* last = nullptr;    // the entry (or the spare) the last call gave: a text measured is
                              // drawn next
    unsigned generation = 0;
    std::size_t shaped = 0;
    static inline std::atomic<bool> enabled{true};
};
