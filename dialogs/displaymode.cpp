#include "dialogs/displaymode.h"

#include "dialogs/radiochoice.h"

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
    // The normal radio needs no asking: its tens are those of none checked.
    int tens = 0;
    ReadChoice(std::array{&hatched, &solid}, std::array{10, 20}, tens);
    return tens;
}
