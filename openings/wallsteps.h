#pragma once
// Steps along and across an angled wall, as the opening and door builders take them: each
// component the rounded magnitude of a length times the sine or cosine of the angle reduced into
// its quadrant, then given the sign of its quadrant.
#include "openings/openingcodes.h"
#include "platform/geometry.h"
#include "tools/lineobjtool.h"

#include <cmath>
#include <cstdint>

namespace wallsteps {

// RoundToInt of a non-negative product.
inline int Round(double value)
{
    return RoundToInt(nullptr, value);
}

// The sine and cosine of a reduced angle in tenths of a degree.
struct TTrig {
    double s;
    double c;
};
inline TTrig TrigOf(int reduced)
{
    const double radians = reduced * RADIANS_PER_TENTH;
    return {std::sin(radians), std::cos(radians)};
}

// A step of `length` in the wall's own direction (the quadrant's sign on each component).
inline TPoint Along(TQuadrant q, std::int64_t length)
{
    const TTrig t = TrigOf(q.reduced);
    const int s = Round(double(length) * t.s);
    const int c = Round(double(length) * t.c);
    switch (q.quadrant) {
    case 1: return {s, c};
    case 2: return {c, -s};
    case 3: return {-s, -c};
    default: return {-c, s};
    }
}

// Half an opening's width along the wall as the opening polygon takes it: the wall's direction in
// the first two quadrants, the opposite one in the last two.
inline TPoint HalfWidth(TQuadrant q, std::int64_t length)
{
    const TPoint along = Along(q, length);
    return q.quadrant <= 2 ? along : TPoint{-along.x, -along.y};
}

// A step of `length` across the wall towards its inside (a quarter turn clockwise from its
// direction).
inline TPoint Inward(TQuadrant q, std::int64_t length)
{
    const TTrig t = TrigOf(q.reduced);
    const int s = Round(double(length) * t.s);
    const int c = Round(double(length) * t.c);
    switch (q.quadrant) {
    case 1: return {c, -s};
    case 2: return {-s, -c};
    case 3: return {-c, s};
    default: return {s, c};
    }
}

}  // namespace wallsteps
