#pragma once
// The display mode as the view dialogs read it: the wall style in the tens, and in the units
// 0 or 1 for a single floor and 2 or 3 for the overlay view, the even value with dimensions.

// True when a view dialog opens with its dimensions box checked: modes 0, 2, 10, 12, 20 and 22.
bool DimensionsChecked(int displayMode);
