#include "tools/pastebuffer.h"

#include "model/drawingedit.h"
#include "model/drawingfile.h"
#include "model/drawingstate.h"
#include "model/pastedids.h"
#include "model/programdirectory.h"
#include "model/settingsfile.h"

#include <unistd.h>

namespace {

constexpr const char* PASTE_FILE = "PASTE.CFG";

}  // namespace

bool FormatPasteBuffer(const TList& objects, const std::vector<TCopyEntry>& entries, std::string& text,
                       std::string* reason)
{
    std::string records;
    int written = 0;
    std::string where;
    for (const TCopyEntry& entry : entries) {
        if (entry.index < 0 || entry.index >= objects.count())
            continue;
        if (!AppendObjectRecord(records, *objects[entry.index], entry.baseX, entry.baseY, &where)) {
            if (reason)
                *reason = UnstorableEntryReason(objects[entry.index]->typeCode, where);
            text.clear();
            return false;
        }
        ++written;
    }
    const TDrawingState& state = State();
    text = FormatLibraryHeader(written, state.unitSystem, state.groupIdCounter) + records;
    return true;
}

bool WritePasteBuffer(const TList& objects, const std::vector<TCopyEntry>& entries)
{
    std::string text;
    std::string reason;
    const std::string path = LibsPath(PASTE_FILE);
    if (FormatPasteBuffer(objects, entries, text, &reason) && WriteTextFileAtomic(path, text, &reason))
        return true;
    const TDrawingState& state = State();
    if (state.reportWriteFailure)
        state.reportWriteFailure("The paste buffer " + path + " could not be written: " + reason);
    return false;
}

const char* const NOTHING_TO_PASTE = "There is nothing to paste - use Edit/Copy first";

TLoadResult PasteObjects(TDrawingEdit& edit)
{
    TLoadResult result = AddLibraryObjects(edit, PASTE_FILE);
    if (!result.opened && ::access(LibsPath(PASTE_FILE).c_str(), F_OK) != 0)
        result.message = NOTHING_TO_PASTE;
    return result;
}
