#pragma once
// The two plan sizes the plan benchmarks run at, timed in milliseconds of wall-clock time (the
// calling thread's processor time would leave out the painting threads); and the numbers of
// threads those that paint or edit are timed with, each a row of its own (".../threads:4"): the
// bands of a paint and the pieces of a pass over the list use that many threads at once
// (ThreadCount::Limit), whatever cores the process may run on.
#include "platform/threadcount.h"

#include <benchmark/benchmark.h>

inline void Sizes(benchmark::internal::Benchmark* b)
{
    b->Arg(20000)->Unit(benchmark::kMillisecond)->UseRealTime();
}

inline void LargeSizes(benchmark::internal::Benchmark* b)
{
    b->Arg(200000)->Unit(benchmark::kMillisecond)->UseRealTime();
}

inline void ThreadedSizes(benchmark::internal::Benchmark* b)
{
    b->ArgsProduct({{20000}, {2, 4, 8}})->ArgNames({"", "threads"})->Unit(benchmark::kMillisecond)->UseRealTime();
}

inline void LargeThreadedSizes(benchmark::internal::Benchmark* b)
{
    b->ArgsProduct({{200000}, {2, 4, 8}})->ArgNames({"", "threads"})->Unit(benchmark::kMillisecond)->UseRealTime();
}

// The benchmark's number of threads (its second argument) while it lives, counted as "threads".
class BenchThreads {
public:
    explicit BenchThreads(benchmark::State& state)
    {
        replaced = ThreadCount::Limit(int(state.range(1)));
        state.counters["threads"] = ThreadCount::Usable();
    }
    ~BenchThreads() { ThreadCount::Limit(replaced); }
    BenchThreads(const BenchThreads&) = delete;
    BenchThreads& operator=(const BenchThreads&) = delete;

private:
    int replaced = 0;
};
