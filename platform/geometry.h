#pragma once
// Points, rectangles and colours as the drawing code and the files use them.
#include <algorithm>
#include <cstdint>
#include <limits>

// A colour as the files store it: 0x00BBGGRR.
using TColor = std::uint32_t;

constexpr TColor MakeColour(int red, int green, int blue)
{
    return TColor(red & 0xFF) | (TColor(green & 0xFF) << 8) | (TColor(blue & 0xFF) << 16);
}
constexpr int RedOf(TColor colour) { return int(colour & 0xFF); }
constexpr int GreenOf(TColor colour) { return int((colour >> 8) & 0xFF); }
constexpr int BlueOf(TColor colour) { return int((colour >> 16) & 0xFF); }

struct TPoint {
    int x = 0;
    int y = 0;
    friend bool operator==(const TPoint&, const TPoint&) = default;
};

// A rectangle by its edges. Device rectangles have top < bottom; the drawing code may pass
// boxes in any corner order, and Normalized() puts them in order.
struct TRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    bool IsEmpty() const { return right <= left || bottom <= top; }
    TRect Normalized() const
    {
        return {std::min(left, right), std::min(top, bottom), std::max(left, right), std::max(top, bottom)};
    }
    // Smallest rectangle holding both (an empty rectangle adds nothing).
    TRect Union(const TRect& other) const
    {
        if (IsEmpty())
            return other;
        if (other.IsEmpty())
            return *this;
        return {std::min(left, other.left), std::min(top, other.top), std::max(right, other.right),
                std::max(bottom, other.bottom)};
    }
    TRect Intersect(const TRect& other) const
    {
        TRect r{std::max(left, other.left), std::max(top, other.top), std::min(right, other.right),
                std::min(bottom, other.bottom)};
        return r.IsEmpty() ? TRect{} : r;
    }
    // Widened by dx and dy on each side; an edge the int range cannot hold so far out stays at the
    // range's end (a window rectangle may already lie there, its corners saturated).
    TRect Inflated(int dx, int dy) const
    {
        return {Saturated(std::int64_t(left) - dx), Saturated(std::int64_t(top) - dy),
                Saturated(std::int64_t(right) + dx), Saturated(std::int64_t(bottom) + dy)};
    }
    friend bool operator==(const TRect&, const TRect&) = default;

private:
    static int Saturated(std::int64_t value)
    {
        return int(std::clamp<std::int64_t>(value, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
    }
};
