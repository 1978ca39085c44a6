#pragma once
// A set of objects by address, for an edit that must know at each call whether it has met an
// object before: adding, asking and taking one out take the same time however many it holds.
// The addresses lie in one table (open addressing), so that an edit of every object of a large
// drawing makes no allocation per object.
#include <cstddef>
#include <cstdint>
#include <vector>

class TObject;

class TObjectSet {
public:
    // False when the object was in the set already.
    bool Insert(const TObject* object);
    void Erase(const TObject* object);
    std::size_t Size() const { return live; }

    template <class Visit>
    void ForEach(Visit visit) const
    {
        for (const TObject* object : places)
            if (object && object != Removed())
                visit(object);
    }

private:
    // The mark of a place whose object was taken out: looking up goes on past it.
    static const TObject* Removed() { return reinterpret_cast<const TObject*>(std::uintptr_t(1)); }
    std::size_t PlaceOf(const TObject* object) const;
    void Grow();

    std::vector<const TObject*> places;  // empty (null), Removed(), or an object; a power of two long
    std::size_t live = 0;
    std::size_t used = 0;  // places not empty: objects and removal marks
};
