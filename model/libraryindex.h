#pragma once
// The index files of the four symbol libraries: PLBM.CFG (1, plumbing), ELEM.CFG (2, electrical),
// FURM.CFG (3, furniture) and MISM.CFG (4, miscellaneous) list the names of the library's symbols,
// one a line: the name's length, a blank, the name. CFG/LIM.CFG counts how many of them a library
// lists; each entry is the file LIBS/<name><extension>.
#include <cstdint>
#include <limits>
#include <string>
#include <vector>

// The index file of library 1 to 4; null for any other number.
const char* LibraryIndexFile(int library);
// The extension of the entry files of library 1 to 4 (".PLM" ..); null for any other number.
const char* LibraryExtension(int library);
// The library's name as the menu shows it ("Furniture"); empty for any other number.
std::string LibraryName(int library);
// True when a name can be a library entry: 1 to 24 letters, digits, commas or blanks, neither
// starting nor ending with a blank.
bool IsLibraryEntryName(const std::string& name);

// The typed record of one index file.
struct TLibraryIndex {
    static constexpr std::size_t NAME_CAPACITY = 24;
    std::vector<std::string> names;
    // At most `count` names, in file order. Reading stops at the end of the text and at a record
    // whose length is not 1 to 24 or that holds fewer characters than its length; a name that
    // cannot be an entry's (a character outside the set) is passed over.
    static TLibraryIndex Parse(const std::string& text,
                               std::int32_t count = std::numeric_limits<std::int32_t>::max());
    std::string Format() const;
    // One line of the file.
    static std::string FormatLine(const std::string& name);
};

// The entries library 1 to 4 lists: its index (the shipped default when the file is missing) read
// as far as its count in CFG/LIM.CFG; empty for other numbers.
TLibraryIndex ReadLibraryIndex(int library);
// The same, as far as a count the caller has read from CFG/LIM.CFG already.
TLibraryIndex ReadLibraryIndex(int library, std::int32_t count);
// The entry of the index that is the same name but for case; -1 when there is none.
int FindLibraryEntry(const TLibraryIndex& index, const std::string& name);
