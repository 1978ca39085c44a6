#pragma once
// Reduces a failing arkweld-script (a random session's, say) to fewer statements that fail the
// same way: it drops runs of statements, each with the box answers before it, halving the runs
// down to single statements, and keeps every drop after which the script still fails so. Each
// try runs the driver afresh in a program directory below the work folder.
//
// Failing the same way: the driver dies (a sanitizer report, a signal) as the original did, or
// its first failure's reason reads the same up to its first ':' (numbers aside).
#include <iosfwd>
#include <string>

// Writes the reduced script to `reduced`. 0 when the script failed to begin with and was
// reduced, 1 when it does not fail, 2 when it cannot be read or a file cannot be written.
int ReduceScript(const std::string& driver, const std::string& script, const std::string& workFolder,
                 const std::string& reduced, std::ostream& out);
