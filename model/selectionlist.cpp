#include "model/selectionlist.h"

#include "model/drawingstate.h"
#include "model/programdirectory.h"
#include "model/settingsfile.h"
#include "model/settingsrecords.h"

#include <cerrno>
#include <charconv>
#include <cstring>
#include <fcntl.h>
#include <limits>
#include <unistd.h>

namespace {

bool AppendToFile(const std::string& path, const std::string& text, bool startAfresh)
{
    // Only a regular file is written into: a named pipe would keep the write waiting, and a device
    // would take the bytes. It is emptied only once it is known to be one. A missing file is made
    // here only, never at the target of a link that points to nothing.
    const int fd = OpenRegularFile(path, O_WRONLY | O_CREAT | O_APPEND);
    if (fd < 0)
        return false;
    bool ok = !startAfresh || ::ftruncate(fd, 0) == 0;
    std::size_t written = 0;
    while (ok && written < text.size()) {
        const ssize_t put = ::write(fd, text.data() + written, text.size() - written);
        if (put < 0)
            ok = errno == EINTR;
        else
            written += std::size_t(put);
    }
    return ::close(fd) == 0 && ok;
}

// Tells the user that a selection-list file could not be written.
bool ReportFailedWrite(const char* name, const std::string& reason)
{
    const TDrawingState& state = State();
    if (state.reportWriteFailure)
        state.reportWriteFailure("The selection list CFG/" + std::string(name) + " could not be written: " + reason);
    return false;
}

// The characters of a line of COPY.CFG after the index (" baseX baseY\n") for the run of entries
// from `first` on.
struct Tail {
    Tail(const TCopyEntry& entry, std::size_t first) : first(first)
    {
        char* end = text;
        *end++ = ' ';
        end = std::to_chars(end, end + 11, entry.baseX).ptr;
        *end++ = ' ';
        end = std::to_chars(end, end + 11, entry.baseY).ptr;
        *end++ = '\n';
        length = std::size_t(end - text);
    }
    std::size_t first;
    char text[25];  // a blank, 11 characters, a blank, 11 characters and the line end
    std::size_t length;
};

// The number of characters std::to_chars writes for the value.
std::size_t DecimalLength(int32_t value)
{
    std::size_t length = value < 0 ? 2 : 1;
    for (int64_t rest = value < 0 ? -int64_t(value) : value; rest >= 10; rest /= 10)
        ++length;
    return length;
}

}  // namespace

bool AppendCopyRecord(int index, int32_t baseX, int32_t baseY)
{
    const int count = ReadCopyCount();
    // A count already at the top of its range takes no more entries.
    if (count == std::numeric_limits<int32_t>::max())
        return false;
    if (!AppendToFile(CfgPath("COPY.CFG"), FormatSettings(TCopyEntry{index, baseX, baseY}), count == 0))
        return false;
    return WriteCopyCount(count + 1);
}

int ReadCopyCount()
{
    // A missing or unreadable file holds no count: nothing ships for it.
    const int32_t count = ReadSettings<TCopyCountSettings>().count;
    return count < 0 ? 0 : count;
}

bool WriteCopyCount(int n) { return WriteSettings(TCopyCountSettings{n}); }

namespace {

// Stores the count, saying why when it cannot.
bool WriteCopyCount(int n, std::string& reason)
{
    return WriteSettings(TCopyCountSettings{n}, State().unitSystem, &reason);
}

}  // namespace

std::vector<TCopyEntry> ReadCopyList()
{
    std::vector<TCopyEntry> entries;
    const int count = ReadCopyCount();
    std::string text;
    if (count == 0 || !ReadTextFile(CfgPath("COPY.CFG"), text))
        return entries;
    TextScanner scanner(text);
    for (int i = 0; i < count; ++i) {
        TCopyEntry entry;
        if (!(scanner.ReadInt(entry.index) && scanner.ReadInt(entry.baseX) && scanner.ReadInt(entry.baseY)))
            break;
        entries.push_back(entry);
    }
    return entries;
}

bool WriteCopyList(const std::vector<TCopyEntry>& entries)
{
    std::string reason;
    if (!WriteCopyCount(0, reason))
        return ReportFailedWrite("TEMP.CFG", reason);
    if (entries.empty())
        return true;
    // The lines FormatSettings writes (COPY_CFG_FORMAT: three whole numbers), formatted here
    // directly: the selection of a whole large plan has hundreds of thousands of them.
    // The text after the index is formatted once for each run of entries with one base point (a
    // selection made by dragging has one for all). The text is measured first: a string of the
    // exact length costs the least memory to fill.
    std::vector<Tail> tails;
    std::size_t length = 0;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const TCopyEntry& entry = entries[i];
        if (i == 0 || entry.baseX != entries[i - 1].baseX || entry.baseY != entries[i - 1].baseY)
            tails.push_back(Tail(entry, i));
        length += DecimalLength(entry.index) + tails.back().length;
    }
    std::string text(length, '\0');
    char* out = text.data();
    std::size_t next = 0;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        out = std::to_chars(out, out + 11, entries[i].index).ptr;
        if (next + 1 < tails.size() && tails[next + 1].first == i)
            ++next;
        std::memcpy(out, tails[next].text, tails[next].length);
        out += tails[next].length;
    }
    if (!WriteSettingsFile("COPY.CFG", text, &reason))
        return ReportFailedWrite("COPY.CFG", reason);
    if (!WriteCopyCount(int(entries.size()), reason))
        return ReportFailedWrite("TEMP.CFG", reason);
    return true;
}

bool ClearCopyList()
{
    std::string reason;
    if (!WriteCopyCount(0, reason))
        return ReportFailedWrite("TEMP.CFG", reason);
    return true;
}
