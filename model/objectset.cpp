#include "model/objectset.h"

namespace {

// Spreads the bits of an address, whose low ones are alike for every object.
std::size_t Spread(const TObject* object)
{
    std::uint64_t v = std::uint64_t(reinterpret_cast<std::uintptr_t>(object));
    v ^= v >> 33;
    v *= 0xff51afd7ed558ccdull;
    v ^= v >> 33;
    return std::size_t(v);
}

}  // namespace

std::size_t TObjectSet::PlaceOf(const TObject* object) const
{
    // The place holding the object, or the empty place where it would go.
    const std::size_t mask = places.size() - 1;
    std::size_t i = Spread(object) & mask;
    while (places[i] != object && places[i] != nullptr)
        i = (i + 1) & mask;
    return i;
}

bool TObjectSet::Insert(const TObject* object)
{
    // At most three quarters of the places in use, so that a look-up soon meets an empty one.
    if ((used + 1) * 4 > places.size() * 3)
        Grow();
    const std::size_t i = PlaceOf(object);
    if (places[i] == object)
        return false;
    places[i] = object;
    ++live;
    ++used;
    return true;
}

void TObjectSet::Erase(const TObject* object)
{
    if (places.empty())
        return;
    const std::size_t i = PlaceOf(object);
    if (places[i] != object)
        return;
    places[i] = Removed();
    --live;
}

void TObjectSet::Grow()
{
    // Twice the objects it holds at least, the removal marks left behind.
    std::size_t size = 16;
    while (size < (live + 1) * 2)
        size *= 2;
    std::vector<const TObject*> old(size, nullptr);
    old.swap(places);
    used = live;
    for (const TObject* object : old)
        if (object && object != Removed())
            places[PlaceOf(object)] = object;
}
