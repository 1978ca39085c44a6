#include "model/pastedids.h"

#include "model/drawingedit.h"
#include "model/drawingstate.h"
#include "model/modelunits.h"
#include "model/typecodes.h"

#include <map>

namespace {

// Ids at or above this value carry a floor base (10000 on the ground floor, 1000 more a floor up).
constexpr std::int32_t FLOOR_BASE_IDS = 10000;

std::int64_t FloorBase(int floorCode)
{
    return FLOOR_BASE_IDS + std::int64_t(floorCode - GROUND_FLOOR) * 1000;
}

}  // namespace

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

TLoadResult AddLibraryObjects(TDrawingEdit& edit, const std::string& fileName)
{
    std::vector<std::unique_ptr<TObject>> loaded;
    TLoadResult result = TList::LoadLibraryFile(fileName, loaded);
    if (!result.ok)
        return result;
    RenumberPastedIds(loaded);
    for (auto& object : loaded)
        edit.Add(std::move(object));
    return result;
}
