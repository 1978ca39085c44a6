#pragma once
// The index files of the four symbol libraries: PLBM.CFG (1, plumbing), ELEM.CFG (2, electrical),
// FURM.CFG (3, furniture) and MISM.CFG (4, miscellaneous) list the names of the library's symbols,
// one a line: the name's length, a blank, the name.
#include <string>
#include <vector>

// The index file of library 1 to 4; null for any other number.
const char* LibraryIndexFile(int library);

// The typed record of one index file.
struct TLibraryIndex {
    std::vector<std::string> names;
    // The names up to the first line that does not read (a length the line does not hold).
    static TLibraryIndex Parse(const std::string& text);
    std::string Format() const;
    // One line of the file.
    static std::string FormatLine(const std::string& name);
};

// The index of library 1 to 4 (its shipped default when the file is missing); empty for others.
TLibraryIndex ReadLibraryIndex(int library);
// Adds a name at the end of the library's index, the lines before kept byte for byte. False when
// the library does not exist or the file could not be written.
bool AppendToLibraryIndex(int library, const std::string& name);
