#pragma once
// How many threads one job split into pieces may use at once: the bands of a paint
// (platform/qt/bandworkers.h) and the pieces of a pass over a large list (model/piecework.h).
namespace ThreadCount {

// The cores the process may run on when first asked, at most 8 (at least 1); or the limit set.
int Usable();

// At most `count` threads a job from now on (more than the cores too, at most 8); 0 goes back to
// the usable cores. Returns the limit it replaces. For tests, which need several threads whatever
// the machine has, and benchmarks, which time each number of threads.
int Limit(int count);

}  // namespace ThreadCount
