#include "tools/pastebuffer.h"

#include "model/drawingedit.h"
#include "model/drawingfile.h"
#include "model/drawingstate.h"
#include "model/modelunits.h"
#include "model/programdirectory.h"
#include "model/settingsfile.h"
#include "model/typecodes.h"

#include <map>

namespace {

constexpr const char* PASTE_FILE = "PASTE.CFG";

// Ids at or above this value carry a floor base (10000 on the ground floor, 1000 more a floor up).
constexpr std::int32_t FLOOR_BASE_IDS = 10000;

std::int64_t FloorBase(int floorCode)
{
    return FLOOR_BASE_IDS + std::int64_t(floorCode - GROUND_FLOOR) * 1000;
}

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

void RenumberPastedIds(std::vector<std::unique_ptr<TObject>>& objects)
{
    TDrawingState& state = State();
    std::map<std::int32_t, std::int32_t> renamed;
    auto fresh = [&](std::int32_t id) {
        const auto found = renamed.find(id);
        if (found != renamed.end())
            return found->second;
        state.groupIdCounter = ClampToInt32(std::int64_t(state.groupIdCounter) + 1);
        const std::int64_t base = id >= FLOOR_BASE_IDS ? FloorBase(state.currentFloor) : 0;
        const std::int32_t newId = ClampToInt32(base + state.groupIdCounter);
        renamed.emplace(id, newId);
        return newId;
    };
    for (auto& object : objects) {
        const std::int32_t owner = object->ownerId;
        const bool groupIsLength = IsLineType(object->typeCode) && object->groupId != owner;
        if (owner != 0)
            object->ownerId = fresh(owner);
        if (object->groupId != 0 && !groupIsLength)
            object->groupId = fresh(object->groupId);
    }
}

TLoadResult PasteObjects(TDrawingEdit& edit)
{
    std::vector<std::unique_ptr<TObject>> pasted;
    TLoadResult result = TList::LoadLibraryFile(PASTE_FILE, pasted);
    if (!result.ok)
        return result;
    RenumberPastedIds(pasted);
    for (auto& object : pasted)
        edit.Add(std::move(object));
    return result;
}
