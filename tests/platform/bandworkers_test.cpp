#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <mutex>
#include <set>
#include <stdexcept>
#include <thread>
#include <vector>

#include "platform/qt/bandworkers.h"

TEST(BandWorkers, EveryPieceRunsOnceAtMostTheLimitAtOnceTheFirstOnTheCaller)
{
    // Eight threads kept from a wide run first: a run limited to three still uses three at most.
    {
        const BandWorkers::ScopedLimit wide(8);
        BandWorkers::Run(8, [](int) { std::this_thread::sleep_for(std::chrono::milliseconds(5)); });
    }
    const BandWorkers::ScopedLimit limit(3);
    EXPECT_EQ(BandWorkers::Available(), 3);
    for (int round = 0; round < 50; ++round) {
        std::vector<std::atomic<int>> runs(7);
        std::mutex lock;
        std::set<std::thread::id> threads;
        std::thread::id first;
        std::atomic<int> started{0};
        std::atomic<int> running{0};
        std::atomic<int> most{0};
        BandWorkers::Run(7, [&](int piece) {
            ++runs[std::size_t(piece)];
            const int now = ++running;
            int seen = most.load();
            while (now > seen && !most.compare_exchange_weak(seen, now)) {
            }
            // The first three wait for each other: they must run at once.
            if (++started <= 3)
                while (started.load() < 3)
                    std::this_thread::yield();
            {
                const std::lock_guard<std::mutex> hold(lock);
                threads.insert(std::this_thread::get_id());
                if (piece == 0)
                    first = std::this_thread::get_id();
            }
            --running;
        });
        for (std::size_t piece = 0; piece < runs.size(); ++piece)
            EXPECT_EQ(runs[piece], 1) << "piece " << piece;
        EXPECT_EQ(threads.size(), 3u);
        EXPECT_EQ(most, 3);
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

TEST(BandWorkers, ALimitOfOneRunsEveryPieceOnTheCallerInTurn)
{
    const BandWorkers::ScopedLimit limit(1);
    const std::thread::id caller = std::this_thread::get_id();
    std::vector<int> order;
    bool elsewhere = false;
    BandWorkers::Run(4, [&](int piece) {
        order.push_back(piece);
        elsewhere = elsewhere || std::this_thread::get_id() != caller;
    });
    EXPECT_EQ(order, (std::vector<int>{0, 1, 2, 3}));
    EXPECT_FALSE(elsewhere);
}

TEST(BandWorkers, EachKeptThreadTakesTheSamePieceEveryRun)
{
    // A band painted on the same thread each time finds the texts that thread laid out before.
    const BandWorkers::ScopedLimit limit(4);
    std::vector<std::thread::id> first;
    for (int round = 0; round < 30; ++round) {
        std::vector<std::thread::id> ran(4);
        std::atomic<int> started{0};
        BandWorkers::Run(4, [&](int piece) {
            ran[std::size_t(piece)] = std::this_thread::get_id();
            // No piece ends before all have begun: none is left over for a thread done early.
            ++started;
            while (started.load() < 4)
                std::this_thread::yield();
        });
        EXPECT_EQ(ran[0], std::this_thread::get_id());
        if (first.empty())
            first = ran;
        EXPECT_EQ(ran, first) << "round " << round;
    }
}
