#pragma once
// The text of a length as dimensions show it: metric as plain millimetres ("3600"), imperial as
// feet, inches and eighths ("12' 0 1/2''"), the eighths split as the dialogs split them.
#include "model/drawingstate.h"

#include <cstdint>
#include <string>

enum class TDimensionTextForm {
    Plain,     // whole inches as "%d' %d''"
    WallText,  // the per-wall automatic dimension: whole inches as "%d' %d'' ", with one trailing blank
};

// The length (model units) in the unit system's form: 1 metric, anything else imperial. A remainder
// below one eighth of an inch (1 or 2 twenty-fourths) is shown in the whole-inch form. A negative
// length is shown as its magnitude after a minus sign.
std::string FormatDimensionValue(std::int32_t value, TDimensionTextForm form = TDimensionTextForm::Plain,
                                 int unitSystem = State().unitSystem);
