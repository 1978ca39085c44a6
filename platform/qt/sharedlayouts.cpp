#include "platform/qt/sharedlayouts.h"

#include <utility>

SharedLayouts& SharedLayouts::Painting()
{
    // Never destroyed: painting threads may use it until the process ends.
    static SharedLayouts* shared = new SharedLayouts;
    return *shared;
}

const SharedLayouts::Entry* SharedLayouts::In(const Generation& generation, const ShapedTextKey& key,
                                              std::size_t hash)
{
    const auto [from, to] = generation.equal_range(hash);
    for (auto it = from; it != to; ++it)
        if (it->second.key == key)
            return &it->second;
    return nullptr;
}

std::shared_ptr<const PlainLayout> SharedLayouts::Find(const ShapedTextKey& key, std::size_t hash)
{
    Shard& shard = ShardOf(hash);
    const std::lock_guard<std::mutex> hold(shard.lock);
    if (const Entry* entry = In(shard.newer, key, hash))
        return entry->layout;
    if (const Entry* entry = In(shard.older, key, hash)) {
        std::shared_ptr<const PlainLayout> layout = entry->layout;
        shard.Add(key, hash, layout);
        return layout;
    }
    return nullptr;
}

void SharedLayouts::Keep(const ShapedTextKey& key, std::size_t hash, std::shared_ptr<const PlainLayout> layout)
{
    Shard& shard = ShardOf(hash);
    const std::lock_guard<std::mutex> hold(shard.lock);
    if (!In(shard.newer, key, hash))
        shard.Add(key, hash, std::move(layout));
}

void SharedLayouts::Shard::Add(const ShapedTextKey& key, std::size_t hash, std::shared_ptr<const PlainLayout> layout)
{
    if (newer.size() >= kGeneration) {
        older = std::move(newer);
        newer = Generation{};
    }
    newer.emplace(hash, Entry{key, std::move(layout)});
}
