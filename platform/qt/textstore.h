#pragma once
// Texts laid out once for every painting thread. A text is kept as numbers that name no font (its
// glyphs' indexes and places, its advance, ascent and the box its letters cover), so that any
// thread draws it with a font of its own: fonts cannot be shared between threads, numbers can.
//
// The store belongs to the thread that paints in bands (TextStore::OfThisThread); its bands and
// the pieces that measure for them reach it only through the canvases it gives them. The pieces
// of the measuring pass put the texts they lay out into batches of their own (one per piece); the
// calling thread takes the batches in once the pass has ended, and the bands then only read the
// store. So a text is laid out by the pieces that first meet it (at most once each) and then
// never again, whichever thread draws it, and nothing is locked. It holds kMost texts at most; a batch that would take it past that empties
// it first (what is not in it is laid out by the thread that draws it, as before).
#include "platform/geometry.h"

#include <QGlyphRun>
#include <QPointF>
#include <QRectF>

#include <atomic>
#include <cstddef>
#include <string>
#include <string_view>
#include <cstdint>
#include <vector>

struct StoredText {
    std::vector<quint32> glyphs;
    std::vector<QPointF> positions;     // relative to the top of the line
    QGlyphRun::GlyphRunFlags flags;
    double advance = 0;     // along the baseline, device pixels
    double lineAscent = 0;  // the baseline below the top of the line
    QRectF ink;             // the letters' box, relative to the start of the baseline
    // Its glyphs come from more than one font: laid out, and drawn, by the thread that draws it
    // (kept here so that the pieces measuring for the bands do not lay it out again).
    bool drawnByThread = false;
};

// Texts by their characters, device font and resolution, found without copying the key: an
// open-addressed table of the entries' places, each with its hash to compare first.
class TextTable {
public:
    struct Key {
        std::string_view face;
        int pixelSize = 0;
        int weight = 0;
        TPoint dpi;
        std::string_view text;
    };
    const StoredText* Find(const Key& key) const;
    // False when the table does not hold the key; true when it holds it or (very seldom) another
    // key of the same hash. Reads only the table of places, not the entries.
    bool MayHold(const Key& key) const;
    // Keeps `text` under `key` (a text already kept stays as it is) and gives the one kept; the
    // reference holds until the next Add.
    const StoredText& Add(const Key& key, StoredText text);
    std::size_t Size() const { return entries.size(); }
    void Clear();

private:
    friend class TextStore;
    struct Entry {
        std::size_t hash = 0;
        int pixelSize = 0;
        int weight = 0;
        TPoint dpi;
        std::string face;
        std::string text;
        StoredText stored;
    };
    struct Slot {
        std::size_t hash = 0;
        int32_t entry = -1;  // none
    };
    static std::size_t HashOf(const Key& key);
    // The slot holding the key's entry, or the empty one where it would go.
    std::size_t SlotOf(const Key& key, std::size_t hash) const;
    // Keeps the entry, which is not kept yet.
    const StoredText& Insert(Entry entry);

    std::vector<Entry> entries;
    std::vector<Slot> places;  // a power of two, at least twice as many as the entries
};

class TextStore {
public:
    static constexpr std::size_t kMost = 65536;

    // The store of the calling thread, for the bands it paints.
    static TextStore& OfThisThread();

    const StoredText* Find(const TextTable::Key& key) const { return table.Find(key); }
    bool MayHold(const TextTable::Key& key) const { return table.MayHold(key); }
    // Takes in what one piece of a measuring pass laid out; only while no band or piece runs.
    void Take(TextTable&& batch);
    std::size_t Size() const { return table.Size(); }
    // Off: no text is kept here or drawn from here (for comparing with drawing without it). One
    // switch for every thread.
    static void SetEnabled(bool on) { enabled.store(on, std::memory_order_relaxed); }
    static bool Enabled() { return enabled.load(std::memory_order_relaxed); }

private:
    TextTable table;
    static inline std::atomic<bool> enabled{true};
};
