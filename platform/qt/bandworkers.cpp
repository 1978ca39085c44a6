#include "platform/qt/bandworkers.h"

#include "platform/threadcount.h"

#include <algorithm>
#include <condition_variable>
#include <exception>
#include <mutex>
#include <system_error>
#include <thread>
#include <vector>

namespace {

class Pool {
public:
    void Run(int count, const std::function<void(int)>& work)
    {
        const std::lock_guard<std::mutex> oneRun(running);
        std::unique_lock<std::mutex> hold(lock);
        if (count <= 0)
            return;
        // Threads beyond the calling one: as many as may run at once, fewer when the system gives
        // no more (the pieces are then shared among those there are).
        const int helpers = std::min(count, ThreadCount::Usable()) - 1;
        while (started < helpers) {
            try {
                std::thread(&Pool::Serve, this, started).detach();
            } catch (const std::system_error&) {
                break;
            }
            ++started;
        }
        job = &work;
        active = std::min(helpers, started);
        pieces = count;
        claimed.assign(std::size_t(count), false);
        claimed[0] = true;
        next = 1;
        left = count - 1;
        unfinished = count;
        failure = nullptr;
        ++round;
        hold.unlock();
        wake.notify_all();
        Do(work, 0);
        hold.lock();
        // The calling thread takes what is left too.
        for (int piece; (piece = Claim(-1)) >= 0;) {
            hold.unlock();
            Do(work, piece);
            hold.lock();
        }
        finished.wait(hold, [this] { return unfinished == 0; });
        job = nullptr;
        if (failure)
            std::rethrow_exception(failure);
    }

private:
    // The piece a thread takes next, under the lock: its own piece `home` while no one has taken
    // it, else the first one left; -1 when none are. Each thread keeping to its own piece keeps
    // the same band on the same thread from one repaint to the next, and with it the texts that
    // thread has laid out.
    int Claim(int home)
    {
        if (home > 0 && home < pieces && !claimed[std::size_t(home)]) {
            claimed[std::size_t(home)] = true;
            --left;
            return home;
        }
        while (next < pieces && claimed[std::size_t(next)])
            ++next;
        if (next >= pieces)
            return -1;
        claimed[std::size_t(next)] = true;
        --left;
        return next++;
    }

    // Runs one piece and counts it done.
    void Do(const std::function<void(int)>& work, int piece)
    {
        std::exception_ptr thrown;
        try {
            work(piece);
        } catch (...) {
            thrown = std::current_exception();
        }
        const std::lock_guard<std::mutex> hold(lock);
        if (thrown && !failure)
            failure = thrown;
        if (--unfinished == 0)
            finished.notify_all();
    }

    // The kept thread `index` (from 0): takes pieces of each run it is let help with, piece
    // index + 1 first, until none are left, then waits for the next run.
    void Serve(int index)
    {
        unsigned seen = 0;
        std::unique_lock<std::mutex> hold(lock);
        for (;;) {
            wake.wait(hold, [&] { return round != seen && index < active && left > 0; });
            seen = round;
            // Only this round's pieces: once the last piece ends, the caller may start the next
            // round while this thread is still on its way back here, and that round may not be
            // one this thread is let help with.
            for (int piece; round == seen && (piece = Claim(index + 1)) >= 0;) {
                const std::function<void(int)>& work = *job;
                hold.unlock();
                Do(work, piece);
                hold.lock();
            }
        }
    }

    std::mutex running;  // one run at a time
    mutable std::mutex lock;
    std::condition_variable wake;
    std::condition_variable finished;
    const std::function<void(int)>* job = nullptr;
    int started = 0;
    int active = 0;  // kept threads that help with this run
    int pieces = 0;
    std::vector<bool> claimed;  // pieces taken by a thread
    int next = 0;               // no piece below it is left
    int left = 0;               // pieces no thread has taken
    int unfinished = 0;
    unsigned round = 0;
    std::exception_ptr failure;
};

// Never destroyed: its threads wait on it until the process ends.
Pool& ThePool()
{
    static Pool* pool = new Pool;
    return *pool;
}

}  // namespace

namespace BandWorkers {

int Available()
{
    return ThreadCount::Usable();
}

void Run(int count, const std::function<void(int)>& work)
{
    ThePool().Run(count, work);
}

int Limit(int count)
{
    return ThreadCount::Limit(count);
}

}  // namespace BandWorkers
