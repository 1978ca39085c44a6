#include "bench/support/threadcpu.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>

#include <time.h>

ThreadCpu::ThreadCpu()
{
    std::error_code error;
    for (const auto& task : std::filesystem::directory_iterator("/proc/self/task", error)) {
        std::ifstream in(task.path() / "schedstat");
        std::uint64_t ns = 0;
        if (in >> ns)
            ran[std::stoi(task.path().filename().string())] = ns;
    }
}

namespace {

std::uint64_t Delta(const std::map<int, std::uint64_t>& before, int thread, std::uint64_t now)
{
    const auto it = before.find(thread);
    const std::uint64_t then = it == before.end() ? 0 : it->second;
    return now > then ? now - then : 0;
}

}  // namespace

std::uint64_t ThreadCpu::BusiestSince(const ThreadCpu& before) const
{
    std::uint64_t most = 0;
    for (const auto& [thread, ns] : ran)
        most = std::max(most, Delta(before.ran, thread, ns));
    return most;
}

std::uint64_t ThreadCpu::TotalSince(const ThreadCpu& before) const
{
    std::uint64_t total = 0;
    for (const auto& [thread, ns] : ran)
        total += Delta(before.ran, thread, ns);
    return total;
}

std::uint64_t ProcessCpu()
{
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return std::uint64_t(now.tv_sec) * 1000000000u + std::uint64_t(now.tv_nsec);
}
