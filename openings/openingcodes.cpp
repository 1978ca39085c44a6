#include "openings/openingcodes.h"

namespace {

// Shown by the drawing window after every refused mark.
const TToolMessage WRONG_POSITION{"Incorrect door for that positionl", "WRONG DOOR POSITION"};

}  // namespace

std::vector<TToolMessage> WindowToolMessages(TPlaceOutcome outcome)
{
    switch (outcome) {
    case TPlaceOutcome::NoWallMarked:
        return {{"No wall marked", "Marking Error - Please Retry"}, WRONG_POSITION};
    case TPlaceOutcome::EntryDoorError:
        return {{"Unsuitable entry door type for this wall", "Entry Door Selection Error"}, WRONG_POSITION};
    case TPlaceOutcome::DoorWallError:
        return {{"Unsuitable door type for this wall, or door was not marked on an external wall ",
                 "Door / Wall Error"}};
    case TPlaceOutcome::WidthTooSmall: return {{"The width must be at least 1", "WINDOW"}};
    default: return {};
    }
}
