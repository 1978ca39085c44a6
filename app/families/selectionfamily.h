#pragma once
// The selection family: the move, copy and erase tools (kinds 14, 15, 19) and the zoom rectangle
// that the move tool drags. A click of the move or erase tool sets the datum; releasing a
// selection or zoom rectangle switches it off; a released zoom rectangle returns to the tool that
// was active before and shows the new view.
#include "app/commandtable.h"

class TToolFamily;

const TToolFamily& SelectionFamily();
TFamilyRows SelectionFamilyRows();
