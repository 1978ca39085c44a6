#pragma once
// Checks of the settings-file readers against any input, shared by the fuzz target and the test
// that replays the inputs kept under tests/fuzz/corpus/settings/.
#include <string>

// Reads the text as a record of every settings format (SettingsRecord), as the file of every typed
// settings record (ReadSettings), as the plan titles, the selection list and the sheet size, in
// the program directory of State(), which the caller prepares. Returns "" when every reader
// behaved, else what went wrong: a record with the wrong number of fields, or values that do not
// read back the same once written. Crashes, overruns and undefined behaviour are for the
// sanitizers to report.
std::string CheckSettingsReaders(const std::string& text);
