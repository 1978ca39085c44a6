#pragma once
// Opening an internal wall for a door: the wall object stays as it is; a filled opening polygon in
// the fill colour covers its face lines over the opening, reaching an inch (imperial) or 25 mm
// (metric) beyond each face, and two jamb lines cross the wall at the ends of the opening. The door
// tool's mark (x1, y1) lies on the face it was snapped to: the centre of the opening for double
// doors, panels and plain openings, a jamb for single doors.
#include "platform/geometry.h"

class Canvas;
class TDoorobjtool;
class TDrawingEdit;

// Refuses a door code or side that does not suit the marked wall or face (outcome DoorCodeRefused)
// and an opening that would run past an end of the stretch both faces of the wall cover (outcome
// PastWallEnd), adding nothing; otherwise adds the polygon and the two jamb lines to the edit, each
// drawn at once, and leaves x1, y1, pointX and pointY on the mark and penWidth 1. True when the
// wall was opened. Angled walls go to AddDoorOpeningPolygon.
bool CutInternalWall(TDoorobjtool& tool, TDrawingEdit& edit, Canvas& dc, const TRect& clientRect);
// The same for an angled wall, along the wall's direction. For double doors, panels and openings
// the side in `step` first becomes a face side (1 the upper face, 3 the lower one).
bool AddDoorOpeningPolygon(TDoorobjtool& tool, TDrawingEdit& edit, Canvas& dc, const TRect& clientRect);

// How far the opening polygon reaches beyond each face: an inch or 25 mm.
int DoorOverlap(int unitSystem);
