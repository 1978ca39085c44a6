#include "tools/pastebuffer.h"

#include "model/drawingedit.h"
#include "model/drawingfile.h"
#include "model/drawingstate.h"
#include "model/pastedids.h"
#include "model/programdirectory.h"
#include "model/settingsfile.h"

namespace {

constexpr const char* PASTE_FILE = "PASTE.CFG";

}  // namespace

std::string FormatPasteBuffer(const TList& objects, const std::vector<TCopyEntry>& entries)
{
    std::string records;
    int written = 0;
    for (const TCopyEntry& entry : entries) {
        if (entry.index < 0 || entry.index >= objects.count())
            continue;
        AppendObjectRecord(records, *objects[entry.index], entry.baseX, entry.baseY);
        ++written;
    }
    const TDrawingState& state = State();
    return FormatLibraryHeader(written, state.unitSystem, state.groupIdCounter) + records;
}

bool WritePasteBuffer(const std::string& text)
{
    std::string reason;
    const std::string path = LibsPath(PASTE_FILE);
    if (WriteTextFileAtomic(path, text, &reason))
        return true;
    const TDrawingState& state = State();
    if (state.reportWriteFailure)
        state.reportWriteFailure("The paste buffer " + path + " could not be written: " + reason);
    return false;
}

TLoadResult PasteObjects(TDrawingEdit& edit)
{
    return AddLibraryObjects(edit, PASTE_FILE);
}
