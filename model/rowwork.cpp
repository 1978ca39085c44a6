#include "model/rowwork.h"

#include "model/object.h"

#include <algorithm>

TPaintRows::TPaintRows(std::size_t count) : spans(count, TDeviceRows{0, 0, true}), passes(count, 0) {}

void TPaintRows::Measure(Canvas& dc, const TRect& area, int scale, std::vector<double>& rows, TPiece piece,
                         const std::function<const TObject*(std::size_t i, int& penWidth, int& pass)>& item)
{
    const std::size_t count = spans.size();
    const std::size_t pieces = std::size_t(std::max(piece.count, 1));
    const std::size_t first = count * std::size_t(piece.index) / pieces;
    const std::size_t end = count * std::size_t(piece.index + 1) / pieces;
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
