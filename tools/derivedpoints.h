#pragma once
// The points a builder derives from accepted ones (wall lines and faces, snapped ends, labels),
// checked as they are taken: the first one the drawing file could not store is kept, so that the
// builder can refuse its whole change and tell the user where.
#include "model/drawingfile.h"
#include "platform/geometry.h"

#include <array>
#include <cstdint>
#include <optional>

class TDerivedPoints {
public:
    // Starts a new change: reads the sheet size the drawing file is written with and forgets any
    // point found before.
    void Begin();
    // The point as model coordinates; one the drawing file cannot store is remembered (the first
    // such) and comes back held at the int32 range's ends, never to be stored.
    TPoint Take(std::int64_t x, std::int64_t y);
    // Take into two coordinates.
    void Put(std::int32_t& x, std::int32_t& y, std::int64_t wideX, std::int64_t wideY)
    {
        const TPoint p = Take(wideX, wideY);
        x = p.x;
        y = p.y;
    }
    // Whether every point taken since Begin can be stored.
    bool Storable() const { return !unstorable; }
    // The first point taken that cannot be stored.
    std::optional<std::array<std::int64_t, 2>> Unstorable() const { return unstorable; }

private:
    std::optional<TStorableRange> range;
    std::optional<std::array<std::int64_t, 2>> unstorable;
};
