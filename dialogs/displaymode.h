#pragma once
// The display mode as the view dialogs read it: the wall style in the tens, and in the units
// 0 or 1 for a single floor and 2 or 3 for the overlay view, the even value with dimensions.

class TRadioButton;

// True when a view dialog opens with its dimensions box checked: modes 0, 2, 10, 12, 20 and 22.
bool DimensionsChecked(int displayMode);
// Checks the wall-style radio the mode's tens stand for (normal, cross hatched, solid); none for
// a mode of 30 or more.
void CheckWallStyle(int displayMode, TRadioButton& normal, TRadioButton& hatched, TRadioButton& solid);
// The tens of the mode the checked wall-style radio stands for: 0 normal, 10 cross hatched, 20 solid.
int CheckedWallStyle(const TRadioButton& hatched, const TRadioButton& solid);
