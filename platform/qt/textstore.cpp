#include "platform/qt/textstore.h"

#include <algorithm>
#include <utility>

std::size_t TextTable::HashOf(const Key& key)
{
    // The texts are short: one pass over their bytes, then the numbers.
    std::uint64_t h = 0xcbf29ce484222325ull;
    for (const char c : key.text)
        h = (h ^ static_cast<unsigned char>(c)) * 0x100000001b3ull;
    for (const char c : key.face)
        h = (h ^ static_cast<unsigned char>(c)) * 0x100000001b3ull;
    h ^= (std::uint64_t(std::uint32_t(key.pixelSize)) << 32 | std::uint32_t(key.weight)) * 0x9e3779b97f4a7c15ull;
    h ^= (std::uint64_t(std::uint32_t(key.dpi.x)) << 32 | std::uint32_t(key.dpi.y)) * 0xc2b2ae3d27d4eb4full;
    return std::size_t(h ^ (h >> 29));
}

std::size_t TextTable::SlotOf(const Key& key, std::size_t hash) const
{
    const std::size_t mask = places.size() - 1;
    std::size_t i = hash & mask;
    for (; places[i].entry >= 0; i = (i + 1) & mask) {
        if (places[i].hash != hash)
            continue;
        const Entry& e = entries[std::size_t(places[i].entry)];
        if (e.pixelSize == key.pixelSize && e.weight == key.weight && e.dpi == key.dpi && e.text == key.text &&
            e.face == key.face)
            return i;
    }
    return i;
}

const StoredText* TextTable::Find(const Key& key) const
{
    if (entries.empty())
        return nullptr;
    const std::size_t hash = HashOf(key);
    const Slot& slot = places[SlotOf(key, hash)];
    return slot.entry >= 0 ? &entries[std::size_t(slot.entry)].stored : nullptr;
}

bool TextTable::MayHold(const Key& key) const
{
    if (entries.empty())
        return false;
    const std::size_t hash = HashOf(key);
    const std::size_t mask = places.size() - 1;
    for (std::size_t i = hash & mask; places[i].entry >= 0; i = (i + 1) & mask)
        if (places[i].hash == hash)
            return true;
    return false;
}

const StoredText& TextTable::Add(const Key& key, StoredText text)
{
    const std::size_t hash = HashOf(key);
    if (!places.empty())
        if (const Slot& slot = places[SlotOf(key, hash)]; slot.entry >= 0)
            return entries[std::size_t(slot.entry)].stored;
    return Insert(Entry{hash, key.pixelSize, key.weight, key.dpi, std::string(key.face), std::string(key.text),
                        std::move(text)});
}

const StoredText& TextTable::Insert(Entry entry)
{
    if (2 * (entries.size() + 1) > places.size()) {
        std::vector<Slot> more(std::max<std::size_t>(64, 2 * places.size()));
        const std::size_t mask = more.size() - 1;
        for (const Slot& slot : places) {
            if (slot.entry < 0)
                continue;
            std::size_t i = slot.hash & mask;
            while (more[i].entry >= 0)
                i = (i + 1) & mask;
            more[i] = slot;
        }
        places = std::move(more);
    }
    const std::size_t mask = places.size() - 1;
    std::size_t i = entry.hash & mask;
    while (places[i].entry >= 0)
        i = (i + 1) & mask;
    places[i] = Slot{entry.hash, int32_t(entries.size())};
    entries.push_back(std::move(entry));
    return entries.back().stored;
}

void TextTable::Clear()
{
    entries.clear();
    places.clear();
}

TextStore& TextStore::OfThisThread()
{
    // Numbers only, no fonts: it may go whenever its thread ends.
    thread_local TextStore store;
    return store;
}

void TextStore::Take(TextTable&& batch)
{
    if (table.Size() + batch.Size() > kMost)
        table.Clear();
    if (table.Size() == 0 && batch.Size() <= kMost) {
        std::swap(table, batch);
        batch.Clear();
        return;
    }
    for (TextTable::Entry& entry : batch.entries) {
        if (table.Size() >= kMost)
            break;
        if (!table.Find({entry.face, entry.pixelSize, entry.weight, entry.dpi, entry.text}))
            table.Insert(std::move(entry));
    }
    batch.Clear();
}
