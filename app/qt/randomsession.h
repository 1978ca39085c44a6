#pragma once
// Random sessions: arkweld-script statements drawn from a seeded generator and run one by one
// against the program (commands, clicks, drags, keys, typed lengths, answers to every box that
// opens, failed writes and reads, repaints, zoom, window sizes, reopening, large drawings).
// After every statement that completes an action (no figure held by the tool, no move waiting
// for its Enter) the object list must hold what the drawing file holds, after every statement
// nothing a tool held may have gone without a word (HeldWatch); at the end every drawing file
// must reopen. The same seed gives the same session on every machine: values come from the
// raw output of std::mt19937 only.
//
// The session is written, as it runs, to random.aws in the program directory: a script that
// replays it (each box's answer before the statement that opens it, a `check` after every
// statement checked). On a failure the seed, the statement number, the reason and that script
// go to the error stream.
#include <iosfwd>
#include <string>

struct RandomSessionOptions {
    unsigned seed = 1;
    int statements = 400;      // statements run before the drawings are reopened (a drag or a
                               // doubling under way is finished first)
    std::string directory;     // the program directory, made when missing
};

// Runs one random session. 0 when every check held, 1 at the first failure.
int RunRandomSession(const RandomSessionOptions& options, std::ostream& out, std::ostream& err);
