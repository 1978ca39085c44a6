#include "rooms/designroomsizes.h"

#include "model/dimensionvalue.h"

std::optional<std::string> DesignRoomSizeText(std::int32_t value, int unitSystem)
{
    if (unitSystem != 0 && unitSystem != 1)
        return std::nullopt;
    // The split dimensions and dialogs use, so a room's label and its dimensions agree.
    return FormatDimensionValue(value, TDimensionTextForm::Plain, unitSystem);
}
