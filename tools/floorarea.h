#pragma once
// Two whole-floor operations on the external walls of the floor in view: the floor area they
// enclose, and centring the plan on the drawing sheet.
class TDrawingEdit;
class TDrawingtool;

// Works out the area enclosed by the external walls of the current floor and stores it in the
// object list as whole square metres (metric) or square feet (imperial), truncated. The sums are
// taken in strips against a reference level over the walls running +x and -x; the outline may be
// drawn either way round. Nothing changes when the list holds fewer than 4 objects or the floor
// has no wall running +x. The tool is not used.
void ComputeFloorArea(TDrawingtool& tool);

// Moves the plan so that the box round the external walls of the current floor sits in the middle
// of the drawing sheet, then rewrites the drawing file. The objects of every floor move by the same
// amount, so the floors stay stacked. A floor without external walls is left as it is, and so is
// the drawing. The tool is not used.
void CentreFloorplan(TDrawingtool& tool);
// The same moves made through an edit that the caller commits.
void CentreFloorplan(TDrawingtool& tool, TDrawingEdit& edit);

// The floor service of the external-wall tool, into an edit the caller commits: on the ground floor
// the plan is centred first; on every floor the floor area is then worked out.
void CentreAndMeasureFloor(TDrawingtool& tool, TDrawingEdit& edit);
