#include "model/printlist.h"

#include "model/drawingstate.h"

TPrintListSettings TPrintListSettings::Parse(const std::string& text)
{
    TPrintListSettings list;
    TextScanner scanner(text);
    TPrintListEntry entry;
    while (scanner.ReadInt(entry.copies) && scanner.ReadInt(entry.scale) && scanner.ReadInt(entry.floorCode))
        list.entries.push_back(entry);
    return list;
}

std::string TPrintListSettings::Format() const
{
    std::string text;
    for (const TPrintListEntry& entry : entries)
        text += FormatSettings(entry);
    return text;
}

std::string PrintFloorName(int floorCode)
{
    switch (floorCode) {
    case GROUND_FLOOR:
        return "ground floor";
    case FIRST_FLOOR:
        return "first floor";
    case SECOND_FLOOR:
        return "second floor";
    default:
        return "floor " + std::to_string(floorCode);
    }
}
