#include "platform/bandsplit.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

std::vector<int> BandEdges(const TRect& area, int count, int minRows, const std::vector<double>& work)
{
    const int height = std::max(0, area.Height());
    count = std::max(1, count);
    minRows = std::clamp(minRows, 0, height / count);
    // before[y]: the work of the rows above row y.
    std::vector<double> before(std::size_t(height) + 1, 0.0);
    for (int y = 0; y < height; ++y) {
        const double row = std::size_t(y) < work.size() && work[std::size_t(y)] > 0 ? work[std::size_t(y)] : 0.0;
        before[std::size_t(y) + 1] = before[std::size_t(y)] + row;
    }
    const double total = before.back();
    const bool weighed = total > 0 && std::isfinite(total);

    std::vector<int> edges(std::size_t(count) + 1);
    edges.front() = area.top;
    edges.back() = area.top + height;
    int previous = 0;
    for (int i = 1; i < count; ++i) {
        int row = int(std::int64_t(height) * i / count);
        if (weighed) {
            // The edge nearest to where the work above it reaches i shares of count.
            const double target = total * i / count;
            row = int(std::lower_bound(before.begin(), before.end(), target) - before.begin());
            if (row > 0 && target - before[std::size_t(row) - 1] < before[std::size_t(row)] - target)
                --row;
        }
        // Room for this band and every band still to come.
        row = std::clamp(row, previous + minRows, height - (count - i) * minRows);
        edges[std::size_t(i)] = area.top + row;
        previous = row;
    }
    return edges;
}
