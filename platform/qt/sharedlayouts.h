#pragma once
// Texts laid out by one painting thread, kept as plain numbers (each run's glyphs, their places
// and box) for every other: a thread that meets a text another has laid out makes its glyphs with
// a font of its own from them rather than laying the text out again, as fonts cannot be shared
// between threads. Only layouts whose glyphs all come from the text's own font are kept. The texts
// are spread by their hash over kShards parts, each with a lock of its own, so that threads laying
// out a plan's texts at once seldom wait for each other. Each part holds the texts found or kept
// lately: once kGeneration have been, those not found again since the generation before go.
#include <QGlyphRun>
#include <QPointF>
#include <QRectF>

#include <cstddef>
#include <cstdint>
#include <memory>
#include <mutex>
#include <string>
#include <unordered_map>
#include <vector>

// What a text is laid out for: its face, size, weight and turn, the device's resolution.
struct ShapedTextKey {
    std::string face;
    std::string text;
    int pixelSize = 0;
    int weight = 0;
    int escapement = 0;
    int dpiX = 0;
    int dpiY = 0;
    bool operator==(const ShapedTextKey&) const = default;
};

struct PlainLayout {
    struct Run {
        std::vector<quint32> glyphs;
        std::vector<QPointF> positions;
        QGlyphRun::GlyphRunFlags flags;
        QRectF bounds;
    };
    std::vector<Run> runs;
    double advance = 0;
    double lineAscent = 0;
};

class SharedLayouts {
public:
    static constexpr std::size_t kShards = 64;
    static constexpr std::size_t kGeneration = 512;  // texts of one part

    // The one the painting threads share.
    static SharedLayouts& Painting();

    // The layout kept for the text, or none. `hash` is the key's.
    std::shared_ptr<const PlainLayout> Find(const ShapedTextKey& key, std::size_t hash);
    void Keep(const ShapedTextKey& key, std::size_t hash, std::shared_ptr<const PlainLayout> layout);

private:
    struct Entry {
        ShapedTextKey key;
        std::shared_ptr<const PlainLayout> layout;
    };
    using Generation = std::unordered_multimap<std::size_t, Entry>;
    struct alignas(64) Shard {
        std::mutex lock;
        Generation newer;
        Generation older;
        // Under the lock: into the newer generation, which becomes the older one when full.
        void Add(const ShapedTextKey& key, std::size_t hash, std::shared_ptr<const PlainLayout> layout);
    };
    static const Entry* In(const Generation& generation, const ShapedTextKey& key, std::size_t hash);
    Shard& ShardOf(std::size_t hash) { return shards[(hash ^ (hash >> 29)) % kShards]; }

    Shard shards[kShards];
};
