#pragma once
// The dimension family: Other/Manual Dimension (Enter on the first point, Enter on the second, the
// measurement prompt, then the value text), Other/Auto Dimensions, and Customise/Def Dimensions.
#include "app/commandtable.h"

class TToolFamily;
class TToolSite;

const TToolFamily& DimensionFamily();
TFamilyRows DimensionFamilyRows();

// The automatic dimensions of the floor in view, run by the current tool: its SubCommand 5 (on the
// ground floor the plan is centred on the sheet; the floor area is worked out), its AutoDimension
// (the floor's dimensions renewed and written), then the floor area kept in the floor's record.
// The caller repaints.
void AutoDimensions(TToolSite& site);

// Customise/Def Dimensions: the dimension settings dialog of the unit system, run by the drawing
// window (which repaints afterwards) or, without a drawing, after the measuring-units dialog.
void RunDimensionSettings(TCommandContext& context);
