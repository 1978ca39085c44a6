#pragma once
// Runs the pieces of one job at once on threads started for the job: for work on a whole large
// drawing (formatting its file) that splits into pieces each of which writes only its own output,
// so the result is the same however many threads share it and in whatever order they finish.
#include <cstddef>
#include <functional>

namespace PieceWork {

// Threads one job may use: ThreadCount::Usable(), the cores the process may run on, at most 8 (at
// least 1).
int Usable();

// Runs work(0) .. work(count - 1), each once, up to Usable() at once, the calling thread among
// them, and hands each piece to done(i) on the calling thread, in order, as soon as it and every
// piece before it have ended; while the next is not ready the calling thread runs a piece itself.
// The pieces are started in order. done returning false stops the run: no piece is started after
// that, and done is called no more. Returns once every piece started has ended: true when done took
// every piece. Threads that cannot be started leave their share to the others. An exception thrown
// by a piece is thrown again here once all started have ended.
bool RunInOrder(int count, const std::function<void(int)>& work, const std::function<bool(int)>& done);

// Items a piece of a pass over the objects of a large plan takes at least: fewer are not worth
// a thread of their own.
constexpr std::size_t kLeastPiece = 16384;

// How many pieces ForRanges splits `count` items into: at most Usable(), each of at least `least`
// items, and 1 when there are fewer than two pieces' worth.
std::size_t RangesFor(std::size_t count, std::size_t least = kLeastPiece);
// Runs work(piece, first, end) over the items [0, count) in `pieces` pieces of about equal size
// (RangesFor), numbered from 0, at once (RunInOrder); one piece runs on the calling thread alone.
void ForRanges(std::size_t count, std::size_t pieces,
               const std::function<void(std::size_t piece, std::size_t first, std::size_t end)>& work);

}  // namespace PieceWork
