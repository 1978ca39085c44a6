#include "model/selectionlist.h"

#include "model/drawingstate.h"
#include "model/programdirectory.h"
#include "model/settingsfile.h"
#include "model/settingsrecords.h"

#include <cerrno>
#include <charconv>
#include <fcntl.h>
#include <limits>
#include <unistd.h>

namespace {

bool AppendToFile(const std::string& path, const std::string& text, bool startAfresh)
{
    // Only a regular file is written into: a named pipe would keep the write waiting, and a device
    // would take the bytes. It is emptied only once it is known to be one. A missing file is made
    // here only, never at the target of a link that points to nothing.
    bool notRegular = false;
    const int fd = OpenRegularFile(path, O_WRONLY | O_CREAT | O_APPEND, notRegular);
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
    std::string text(entries.size() * 36, '\0');
    char* out = text.data();
    for (const TCopyEntry& entry : entries) {
        out = std::to_chars(out, out + 11, entry.index).ptr;
        *out++ = ' ';
        out = std::to_chars(out, out + 11, entry.baseX).ptr;
        *out++ = ' ';
        out = std::to_chars(out, out + 11, entry.baseY).ptr;
        *out++ = '\n';
    }
    text.resize(std::size_t(out - text.data()));
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
