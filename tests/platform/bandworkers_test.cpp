#include <gtest/gtest.h>

#include <atomic>
#include <mutex>
#include <set>
#include <stdexcept>
#include <thread>
#include <vector>

#include "platform/qt/bandworkers.h"

TEST(BandWorkers, EveryPieceRunsOnceAtOnceOnSeveralThreadsTheFirstOnTheCaller)
{
    const BandWorkers::ScopedLimit limit(3);
    EXPECT_EQ(BandWorkers::Available(), 3);
    for (int round = 0; round < 50; ++round) {
        std::vector<std::atomic<int>> runs(5);
        std::mutex lock;
        std::set<std::thread::id> threads;
        std::thread::id first;
        // Each piece waits until all three have started: they must run at once.
        std::atomic<int> started{0};
        BandWorkers::Run(5, [&](int piece) {
            ++runs[std::size_t(piece)];
            ++started;
            while (started.load() < 3)
                std::this_thread::yield();
            const std::lock_guard<std::mutex> hold(lock);
            threads.insert(std::this_thread::get_id());
            if (piece == 0)
                first = std::this_thread::get_id();
        });
        // Cut to the three allowed.
        EXPECT_EQ(runs[0] + runs[1] + runs[2], 3);
        EXPECT_EQ(runs[0], 1);
        EXPECT_EQ(runs[1], 1);
        EXPECT_EQ(runs[2], 1);
        EXPECT_EQ(runs[3] + runs[4], 0);
        EXPECT_EQ(threads.size(), 3u);
        EXPECT_EQ(first, std::this_thread::get_id());
    }
}

TEST(BandWorkers, AThrownErrorComesBackAfterEveryPieceHasEnded)
{
    const BandWorkers::ScopedLimit limit(4);
    std::atomic<int> ended{0};
    try {
        BandWorkers::Run(4, [&](int piece) {
            if (piece == 2)
                throw std::runtime_error("piece 2");
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
            ++ended;
        });
        ADD_FAILURE() << "the error was not thrown again";
    } catch (const std::runtime_error& error) {
        EXPECT_STREQ(error.what(), "piece 2");
    }
    EXPECT_EQ(ended, 3);
    // The threads serve the next run as before.
    std::atomic<int> runs{0};
    BandWorkers::Run(4, [&](int) { ++runs; });
    EXPECT_EQ(runs, 4);
}

TEST(BandWorkers, OnePieceOrALimitOfOneRunsOnTheCaller)
{
    const BandWorkers::ScopedLimit limit(1);
    std::thread::id ran;
    int count = 0;
    BandWorkers::Run(4, [&](int) {
        ran = std::this_thread::get_id();
        ++count;
    });
    EXPECT_EQ(count, 1);
    EXPECT_EQ(ran, std::this_thread::get_id());
}
