#include "dialogs/displaymode.h"

bool DimensionsChecked(int displayMode)
{
    const int units = displayMode % 10;
    return displayMode >= 0 && displayMode < 30 && (units == 0 || units == 2);
}
