#pragma once
// A box in model units (y upwards), for the area a change covers and an object's extent.
#include <algorithm>
#include <cstdint>

struct TModelBox {
    bool empty = true;
    int32_t minX = 0;
    int32_t minY = 0;
    int32_t maxX = 0;
    int32_t maxY = 0;

    // Grows the box to hold the point.
    void Add(int32_t x, int32_t y)
    {
        if (empty) {
            minX = maxX = x;
            minY = maxY = y;
            empty = false;
            return;
        }
        minX = std::min(minX, x);
        maxX = std::max(maxX, x);
        minY = std::min(minY, y);
        maxY = std::max(maxY, y);
    }
    // Grows the box to hold another one (an empty box adds nothing).
    void Add(const TModelBox& other)
    {
        if (other.empty)
            return;
        Add(other.minX, other.minY);
        Add(other.maxX, other.maxY);
    }
    friend bool operator==(const TModelBox&, const TModelBox&) = default;
};
