#pragma once
// The two plan sizes the plan benchmarks run at, timed in milliseconds of wall-clock time (the
// calling thread's processor time would leave out the painting threads).
#include <benchmark/benchmark.h>

inline void Sizes(benchmark::internal::Benchmark* b)
{
    b->Arg(20000)->Unit(benchmark::kMillisecond)->UseRealTime();
}

inline void LargeSizes(benchmark::internal::Benchmark* b)
{
    b->Arg(200000)->Unit(benchmark::kMillisecond)->UseRealTime();
}
