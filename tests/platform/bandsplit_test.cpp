// Where a paint split into bands is cut: at equal work, every band at least its least height, the
// bands tiling the area from its top to its bottom.
#include "platform/bandsplit.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <numeric>
#include <vector>

namespace {

// The bands tile the area in order, each at least minRows high.
void ExpectTiling(const TRect& area, int count, int minRows, const std::vector<int>& edges)
{
    ASSERT_EQ(edges.size(), std::size_t(count) + 1);
    EXPECT_EQ(edges.front(), area.top);
    EXPECT_EQ(edges.back(), area.bottom);
    for (std::size_t i = 0; i + 1 < edges.size(); ++i)
        EXPECT_GE(edges[i + 1] - edges[i], minRows) << "band " << i;
}

// The work of each band.
std::vector<double> BandWork(const TRect& area, const std::vector<int>& edges, const std::vector<double>& work)
{
    std::vector<double> shares;
    for (std::size_t i = 0; i + 1 < edges.size(); ++i)
        shares.push_back(std::accumulate(work.begin() + (edges[i] - area.top), work.begin() + (edges[i + 1] - area.top),
                                         0.0));
    return shares;
}

}  // namespace

// A plan that fills only the lower part of the window: its work lies in the lower 300 of 700
// rows, thicker towards the bottom. Each band takes an equal share of it, within one row's work.
TEST(BandEdges, WorkInPartOfTheAreaIsSharedEquallyAmongTheBands)
{
    const TRect area{0, 50, 1000, 750};
    std::vector<double> work(700, 0.0);
    for (int y = 400; y < 700; ++y)
        work[std::size_t(y)] = 1.0 + (y - 400) / 300.0;
    const double total = std::accumulate(work.begin(), work.end(), 0.0);
    for (int count : {2, 3, 4, 6}) {
        SCOPED_TRACE(count);
        const std::vector<int> edges = BandEdges(area, count, 32, work);
        ExpectTiling(area, count, 32, edges);
        for (double share : BandWork(area, edges, work))
            EXPECT_NEAR(share, total / count, 2.0);
    }
}

// Without work to go by (none given, none in it, or only values that are none) the bands are of
// equal height; work all in one row still leaves every band its least height.
TEST(BandEdges, WithoutWorkTheBandsAreEqualAndEveryBandKeepsItsLeastHeight)
{
    const TRect area{10, 100, 400, 400};
    std::vector<double> nothing(300, 0.0);
    std::vector<double> unusable(300, -1.0);
    unusable[5] = std::numeric_limits<double>::quiet_NaN();
    for (const std::vector<double>& work : {std::vector<double>{}, nothing, unusable}) {
        EXPECT_EQ(BandEdges(area, 3, 32, work), (std::vector<int>{100, 200, 300, 400}));
        EXPECT_EQ(BandEdges(area, 1, 32, work), (std::vector<int>{100, 400}));
    }

    for (int row : {0, 150, 299}) {
        SCOPED_TRACE(row);
        std::vector<double> one(300, 0.0);
        one[std::size_t(row)] = 7.0;
        ExpectTiling(area, 4, 32, BandEdges(area, 4, 32, one));
    }
}
