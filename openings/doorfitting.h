#pragma once
// The door symbols drawn into an opened internal wall, other than a single hinged door (doorarcs.h):
// a pair of hinged doors (code 11), two or four sliding panels (12, 13) and a single sliding door
// (kind 65), in walls along an axis and in angled walls. They start from the mark D = (pointX,
// pointY) on the chosen face and commit lines of type `kind` into the edit, each drawn at once.
// Panels and leaves take the pen width of the door settings (1 or 2), the hidden half of a door
// sliding into the wall a dotted pen of width 1.
#include "platform/geometry.h"

class Canvas;
class TDoorobjtool;
class TDrawingEdit;

// Kind 62 in a wall along an axis: code 11 two leaves with their swing arcs closing towards D
// (openingWidth comes back a multiple of 2); codes 12 and 13 the panels in rows behind the marked
// face (13 leaves openingWidth a multiple of 8). Angled walls go to FitDoorAngled.
void FitDoorOrthogonal(TDoorobjtool& tool, TDrawingEdit& edit, Canvas& dc, const TRect& clientRect);
// Kind 62 in an angled wall: code 11 two leaves turned to the marked face (no arcs), the panels
// through AngledDoorGeometry.
void FitDoorAngled(TDoorobjtool& tool, TDrawingEdit& edit, Canvas& dc, const TRect& clientRect);
// Sliding panels in an angled wall: on the marked face line and one leaf thickness outside it.
void AngledDoorGeometry(TDoorobjtool& tool, TDrawingEdit& edit, Canvas& dc, const TRect& clientRect);
// Kind 65 in a wall along an axis: the door along the face (objectIndex 0) or, sliding into the
// wall, its open half solid and its hidden half dotted on the wall's centre line (objectIndex 1).
// Angled walls go to OpeningGeometry.
void FitOpeningOrthogonal(TDoorobjtool& tool, TDrawingEdit& edit, Canvas& dc, const TRect& clientRect);
void OpeningGeometry(TDoorobjtool& tool, TDrawingEdit& edit, Canvas& dc, const TRect& clientRect);
