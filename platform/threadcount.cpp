#include "platform/threadcount.h"

#include <algorithm>
#include <atomic>
#include <thread>

#include <sched.h>

namespace {

constexpr int kMostThreads = 8;

std::atomic<int> limit{0};

// The cores this process may run on (a process held to fewer cores than the machine has gains
// nothing from more threads than it may use at once).
int UsableCores()
{
    cpu_set_t set;
    CPU_ZERO(&set);
    if (sched_getaffinity(0, sizeof set, &set) == 0)
        return CPU_COUNT(&set);
    return int(std::thread::hardware_concurrency());
}

}  // namespace

int ThreadCount::Usable()
{
    if (const int set = limit.load(std::memory_order_relaxed); set > 0)
        return std::min(set, kMostThreads);
    static const int cores = std::clamp(UsableCores(), 1, kMostThreads);
    return cores;
}

int ThreadCount::Limit(int count)
{
    return limit.exchange(std::max(0, count), std::memory_order_relaxed);
}
