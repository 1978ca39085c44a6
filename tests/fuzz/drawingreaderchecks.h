#pragma once
// Checks of the drawing-file, library and paste readers against any input, shared by the fuzz
// target and the test that replays the inputs kept under tests/fuzz/corpus/drawingfile/.
#include <string>

// Reads the text as a drawing file (the parser, then TList::ReadDrawing from DWGS/), as a library
// entry (TList::ReadLibraryFile) and as the paste buffer (PasteObjects), in the program directory
// of State(), which the caller prepares. Returns "" when every reader behaved, else what went
// wrong: readers disagreeing, a failed read that left objects or let the drawing be overwritten,
// or a drawing that does not read back the same once written. Crashes, overruns and undefined
// behaviour are for the sanitizers to report.
std::string CheckDrawingReaders(const std::string& text);
