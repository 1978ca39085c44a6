#pragma once
// The dimension family: Other/Manual Dimension (Enter on the first point, Enter on the second, the
// measurement prompt, then the value text), Other/Auto Dimensions, and Customise/Def Dimensions.
#include "app/commandtable.h"

class TDrawingEdit;
class TDrawingtool;
struct TModelShift;
class TToolFamily;
class TToolSite;

const TToolFamily& DimensionFamily();
TFamilyRows DimensionFamilyRows();

// The automatic dimensions of the floor in view, run by the current tool as one change of the
// drawing: on the ground floor the plan (every floor with it) is centred on the sheet, the floor
// area is worked out, the floor's dimensions are renewed and the area is kept in the floor's
// record; then the drawing file is written once. A plan that cannot be centred (a point would
// leave what the drawing file can hold) is told to the user and nothing changes. A zoomed view
// moves with the centred plan, which so stays where it was in the window. The caller repaints.
void AutoDimensions(TToolSite& site);
// The same change made through an edit that the caller commits with the rest of its change.
// Refused when the plan cannot be centred, or when its new dimensions would lie where the drawing
// file cannot store them: the edit is dropped then (the list holds what the file holds, the
// caller's earlier steps gone with it), and the caller tells the user (TellAutoDimensionsRefusal)
// and commits nothing. With `centring`, it is given the move the centring made.
enum class TAutoDimensions { Added, CentringRefused, DimensionsRefused };
TAutoDimensions AddAutoDimensions(TDrawingEdit& edit, TDrawingtool& tool, TModelShift* centring = nullptr);
// Tells the user why AddAutoDimensions refused (CENTRING_REFUSED, DIMENSIONS_REFUSED).
void TellAutoDimensionsRefusal(TToolSite& site, TAutoDimensions outcome);

// Customise/Def Dimensions: the dimension settings dialog of the unit system, run by the drawing
// window (which repaints afterwards) or, without a drawing, after the measuring-units dialog.
void RunDimensionSettings(TCommandContext& context);
