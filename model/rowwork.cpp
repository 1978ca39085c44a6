#include "model/rowwork.h"

#include "model/object.h"

#include <algorithm>
#include <limits>
#include <utility>

TPaintRows::TPaintRows(std::size_t count) : count(count) {}

// Object `i` of `count` falls in piece `index` of `pieces` when first <= i < end: shares of
// nearly equal size, in order.
static std::pair<std::size_t, std::size_t> ShareOf(std::size_t count, TPiece piece)
{
    const std::size_t pieces = std::size_t(std::max(piece.count, 1));
    return {count * std::size_t(piece.index) / pieces, count * std::size_t(piece.index + 1) / pieces};
}

void TPaintRows::Measure(Canvas& dc, const TRect& area, int scale, std::vector<double>& rows, TPiece piece,
                         const std::function<const TObject*(std::size_t i, int& penWidth, int& pass)>& item)
{
    {
        const std::lock_guard<std::mutex> hold(sizing);
        if (spans.size() != count) {
            spans.assign(count, TDeviceRows{0, 0, true});
            passes.assign(count, 0);
        }
    }
    const auto [first, end] = ShareOf(count, piece);
    const int height = std::max(0, area.Height());
    // The change of work from each row to the next, added up into the rows at the end.
    std::vector<double> steps(std::size_t(height) + 1, 0.0);
    const TPaintArea paintArea(dc, area, scale);
    for (std::size_t i = first; i < end; ++i) {
        int penWidth = 0;
        int pass = 0;
        const TObject* object = item(i, penWidth, pass);
        if (!object) {
            spans[i] = {};
            continue;
        }
        passes[i] = std::uint8_t(std::clamp(pass, 0, 255));
        TPaintExtent extent(paintArea, std::max(penWidth, 1), true);
        object->PaintExtent(extent, scale);
        const TDeviceRows span = extent.Rows();
        spans[i] = span;
        const int top = std::clamp(span.top - area.top, 0, height);
        const int bottom = std::clamp(span.bottom - area.top, 0, height);
        if (top >= bottom)
            continue;
        const double share = 1.0 / double(bottom - top);
        steps[std::size_t(top)] += share;
        steps[std::size_t(bottom)] -= share;
    }
    double work = 0.0;
    const std::size_t n = std::min(rows.size(), std::size_t(height));
    for (std::size_t y = 0; y < n; ++y) {
        work += steps[y];
        rows[y] += std::max(work, 0.0);
    }
}

void TPaintRows::Sort(const std::vector<int>& cut, TPiece piece)
{
    const std::size_t pieces = std::size_t(std::max(piece.count, 1));
    const std::size_t bands = cut.size() >= 2 ? cut.size() - 1 : 0;
    // Lists number objects in 32 bits; a longer list (or one not measured) is gone through whole.
    if (spans.size() != count || count > std::numeric_limits<std::uint32_t>::max())
        return;
    {
        const std::lock_guard<std::mutex> hold(sizing);
        if (edges != cut || sorted.size() != pieces) {
            edges = cut;
            sorted.assign(pieces, std::vector<std::vector<std::uint32_t>>(bands));
        }
    }
    if (bands == 0)
        return;
    std::vector<std::vector<std::uint32_t>>& lists = sorted[std::size_t(piece.index)];
    const auto [first, end] = ShareOf(count, piece);
    for (std::vector<std::uint32_t>& list : lists) {
        list.clear();
        list.reserve((end - first) / std::max<std::size_t>(bands, 1));
    }
    for (std::size_t i = first; i < end; ++i) {
        const TDeviceRows& rows = spans[i];
        if (rows.all) {
            for (std::vector<std::uint32_t>& list : lists)
                list.push_back(std::uint32_t(i));
            continue;
        }
        if (rows.top >= rows.bottom)
            continue;
        // The first band ending below the object's top, then each band starting above its bottom.
        std::size_t b = std::size_t(std::upper_bound(cut.begin() + 1, cut.end(), rows.top) - (cut.begin() + 1));
        for (; b < bands && cut[b] < rows.bottom; ++b)
            lists[b].push_back(std::uint32_t(i));
    }
}

std::size_t TPaintRows::BandAt(const TRect& band) const
{
    if (edges.size() < 2)
        return kNoBand;
    const auto at = std::lower_bound(edges.begin(), edges.end(), band.top);
    if (at == edges.end() || *at != band.top || at + 1 == edges.end() || *(at + 1) != band.bottom)
        return kNoBand;
    return std::size_t(at - edges.begin());
}
