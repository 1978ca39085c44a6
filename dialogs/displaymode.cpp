#include "dialogs/displaymode.h"

#include "platform/radiobutton.h"

bool DimensionsChecked(int displayMode)
{
    const int units = displayMode % 10;
    return displayMode >= 0 && displayMode < 30 && (units == 0 || units == 2);
}

void CheckWallStyle(int displayMode, TRadioButton& normal, TRadioButton& hatched, TRadioButton& solid)
{
    if (displayMode < 10)
        normal.Check();
    else if (displayMode < 20)
        hatched.Check();
    else if (displayMode < 30)
        solid.Check();
}

int CheckedWallStyle(const TRadioButton& hatched, const TRadioButton& solid)
{
    if (hatched.IsChecked())
        return 10;
    if (solid.IsChecked())
        return 20;
    return 0;
}
