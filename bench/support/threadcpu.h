#pragma once
// The processor time each thread of this process has run (the kernel's schedstat, in
// nanoseconds), for benchmarks on a shared machine: a paint split into bands at once takes at least
// as long as its busiest thread ran, however busy the machine is, so the busiest thread's time is
// what the paint would take on cores of its own.
#include <cstdint>
#include <map>

class ThreadCpu {
public:
    // Takes the threads' times now.
    ThreadCpu();
    // Nanoseconds the busiest thread ran since `before`, and all threads together.
    std::uint64_t BusiestSince(const ThreadCpu& before) const;
    std::uint64_t TotalSince(const ThreadCpu& before) const;

private:
    std::map<int, std::uint64_t> ran;  // by thread id
};

// Nanoseconds of processor time the whole process has run, its ended threads included (those a
// pass over a large list starts for itself end with it).
std::uint64_t ProcessCpu();
