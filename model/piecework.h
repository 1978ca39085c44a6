#pragma once
// Runs the pieces of one job at once on threads started for the job: for work on a whole large
// drawing (formatting its file) that splits into pieces each of which writes only its own output,
// so the result is the same however many threads share it and in whatever order they finish.
#include <functional>

namespace PieceWork {

// Threads one job may use: the cores the process may run on, at most 8 (at least 1).
int Usable();

// Runs work(0) .. work(count - 1), each once, up to Usable() at once, the calling thread among
// them; returns when every piece has ended. Threads that cannot be started leave their share to
// the others. An exception thrown by a piece is thrown again here once all have ended.
void Run(int count, const std::function<void(int)>& work);

}  // namespace PieceWork
