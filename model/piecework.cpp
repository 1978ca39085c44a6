#include "model/piecework.h"

#include <algorithm>
#include <atomic>
#include <exception>
#include <mutex>
#include <sched.h>
#include <system_error>
#include <thread>
#include <vector>

int PieceWork::Usable()
{
    cpu_set_t cores;
    CPU_ZERO(&cores);
    const int count = ::sched_getaffinity(0, sizeof cores, &cores) == 0 ? CPU_COUNT(&cores) : 1;
    return std::clamp(count, 1, 8);
}

void PieceWork::Run(int count, const std::function<void(int)>& work)
{
    if (count <= 0)
        return;
    std::atomic<int> next{0};
    std::mutex failing;
    std::exception_ptr failure;
    auto take = [&] {
        for (int piece = next++; piece < count; piece = next++) {
            try {
                work(piece);
            } catch (...) {
                const std::lock_guard<std::mutex> lock(failing);
                if (!failure)
                    failure = std::current_exception();
            }
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
    take();
    for (std::thread& helper : helpers)
        helper.join();
    if (failure)
        std::rethrow_exception(failure);
}
