#pragma once
// Threads kept for painting one image in horizontal bands at once. They start when first needed
// and stay for the program's run: what each keeps from one repaint to the next (its laid-out
// texts and fonts) stays with it. They are never stopped, as the fonts they hold belong to the
// application's font database; idle, they wait until the process ends.
#include <functional>

namespace BandWorkers {

// How many pieces of work may run at once, the calling thread's included: ThreadCount::Usable(),
// the cores the process may run on when first asked, at most 8 (at least 1).
int Available();

// Runs work(0) .. work(count - 1), each once, at most Available() at once: work(0) on the calling
// thread, the rest on the kept threads and, once it is free, the calling thread too. Returns when
// every piece has ended. One run at a time. An exception thrown by a piece is thrown again here
// once all have ended.
void Run(int count, const std::function<void(int)>& work);

// At most `count` pieces at once from now on, here and in PieceWork (ThreadCount::Limit); 0 goes
// back to the usable cores. Returns the limit it replaces. For tests, which need several bands
// whatever the machine has, and benchmarks.
int Limit(int count);

// Limit(count) while it lives, then the limit it replaced.
class ScopedLimit {
public:
    explicit ScopedLimit(int count) : replaced(Limit(count)) {}
    ~ScopedLimit() { Limit(replaced); }
    ScopedLimit(const ScopedLimit&) = delete;
    ScopedLimit& operator=(const ScopedLimit&) = delete;

private:
    int replaced;
};

}  // namespace BandWorkers
