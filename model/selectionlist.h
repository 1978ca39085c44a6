#pragma once
// The selection list: CFG/COPY.CFG holds one line per selected object (its index in the object
// list and the base point of the selection, model units); CFG/TEMP.CFG holds the number of lines.
#include "model/settingsformats.h"

#include <cstdint>
#include <tuple>
#include <vector>

// One line of COPY.CFG (the count in TEMP.CFG is TCopyCountSettings).
struct TCopyEntry {
    static constexpr const char* format = COPY_CFG_FORMAT;
    int32_t index = 0;
    int32_t baseX = 0;
    int32_t baseY = 0;
    auto Fields() { return std::tie(index, baseX, baseY); }
};

// Appends one entry; the list is started afresh when the stored count is 0. Then stores count + 1.
// False when the stored count cannot grow (nothing is changed then) or a file cannot be written.
bool AppendCopyRecord(int index, int32_t baseX, int32_t baseY);
// The stored count; 0 when TEMP.CFG is missing or unreadable.
int ReadCopyCount();
// Stores the count; 0 empties the selection (the next append starts a new list).
bool WriteCopyCount(int n);
// The entries of the list, as many as the count says and the file holds, in order.
std::vector<TCopyEntry> ReadCopyList();
// Replaces the whole list with these entries (COPY.CFG, then the count in TEMP.CFG). The count
// is set to 0 first, so a list that fails half-way reads as empty, never as another selection's
// entries. A file that cannot be written is reported to the user; false then.
bool WriteCopyList(const std::vector<TCopyEntry>& entries);
// Empties the selection (the count set to 0): after an erase, an undo, an internal-wall delete,
// and when a drawing is started or opened, since the indices no longer name the same objects.
bool ClearCopyList();
