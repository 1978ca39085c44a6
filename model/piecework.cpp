#include "model/piecework.h"

#include "platform/threadcount.h"

#include <algorithm>
#include <atomic>
#include <condition_variable>
#include <exception>
#include <memory>
#include <mutex>
#include <system_error>
#include <thread>
#include <vector>

int PieceWork::Usable()
{
    return ThreadCount::Usable();
}

bool PieceWork::RunInOrder(int count, const std::function<void(int)>& work, const std::function<bool(int)>& done)
{
    if (count <= 0)
        return true;
    std::atomic<int> next{0};
    std::atomic<bool> stopped{false};
    std::mutex guard;
    std::condition_variable ended;
    const std::unique_ptr<bool[]> finished(new bool[std::size_t(count)]());  // under guard
    std::exception_ptr failure;                                              // under guard
    auto runPiece = [&](int piece) {
        std::exception_ptr thrown;
        try {
            work(piece);
        } catch (...) {
            thrown = std::current_exception();
        }
        {
            const std::lock_guard<std::mutex> lock(guard);
            finished[std::size_t(piece)] = true;
            if (thrown && !failure)
                failure = thrown;
        }
        if (thrown)
            stopped = true;
        ended.notify_all();
    };
    auto take = [&] {
        while (!stopped) {
            const int piece = next++;
            if (piece >= count)
                return;
            runPiece(piece);
        }
    };
    std::vector<std::thread> helpers;
    const int wanted = std::min(count, Usable()) - 1;
    helpers.reserve(std::size_t(std::max(wanted, 0)));
    for (int i = 0; i < wanted; ++i) {
        try {
            helpers.emplace_back(take);
        } catch (const std::system_error&) {
            break;
        }
    }
    int handed = 0;
    while (handed < count && !stopped) {
        bool ready = false;
        {
            const std::lock_guard<std::mutex> lock(guard);
            ready = finished[std::size_t(handed)] && !failure;
        }
        if (ready) {
            // What done throws goes on once the helpers have ended, as a piece's would.
            bool taken = false;
            try {
                taken = done(handed);
            } catch (...) {
                const std::lock_guard<std::mutex> lock(guard);
                if (!failure)
                    failure = std::current_exception();
            }
            if (!taken)
                stopped = true;
            else
                ++handed;
            continue;
        }
        const int piece = next++;
        if (piece < count) {
            runPiece(piece);
            continue;
        }
        std::unique_lock<std::mutex> lock(guard);
        ended.wait(lock, [&] { return finished[std::size_t(handed)] || failure; });
    }
    stopped = true;
    for (std::thread& helper : helpers)
        helper.join();
    if (failure)
        std::rethrow_exception(failure);
    return handed == count;
}

std::size_t PieceWork::RangesFor(std::size_t count, std::size_t least)
{
    return std::clamp<std::size_t>(count / std::max<std::size_t>(least, 1), 1, std::size_t(Usable()));
}

void PieceWork::ForRanges(std::size_t count, std::size_t pieces,
                          const std::function<void(std::size_t, std::size_t, std::size_t)>& work)
{
    if (pieces <= 1) {
        work(0, 0, count);
        return;
    }
    auto first = [&](int piece) { return count * std::size_t(piece) / pieces; };
    RunInOrder(
        int(pieces), [&](int piece) { work(std::size_t(piece), first(piece), first(piece + 1)); },
        [](int) { return true; });
}
