#include "tools/derivedpoints.h"

#include "model/modelunits.h"

void TDerivedPoints::Begin()
{
    range.emplace();
    unstorable.reset();
}

TPoint TDerivedPoints::Take(std::int64_t x, std::int64_t y)
{
    if (!range)
        range.emplace();
    if (!range->Holds(x, y) && !unstorable)
        unstorable = std::array<std::int64_t, 2>{x, y};
    return {ClampToInt32(x), ClampToInt32(y)};
}
