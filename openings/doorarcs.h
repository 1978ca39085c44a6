#pragma once
// Door leaves and swing arcs, shared by the window tool (single external doors, the leaves of the
// main entry) and the internal-door tool that derives from it. They work on the calling tool's
// fields: the hinge in pointX, pointY, the leaf length in openingWidth, the direction code in
// objectIndex (doorCode for internal doors in angled walls), the face in markedSide, the wall
// thickness in libraryFlag and the wall's angle in lineAux1. Lines and arcs go into the edit of the
// action that called them, each drawn at once.
#include "openings/windowobjtool.h"

#include "platform/geometry.h"

class Canvas;
class TDrawingEdit;

// The leaf and swing arc of a hinged door. On an axis-aligned wall a leaf that swings into the
// house is hinged on the inner face (pointX, pointY keep that hinge afterwards). Angled walls go to
// DoorArcGeometryA (internal doors, kind 60) or DoorArcGeometryB (external doors).
void AddDoorArcs(TWindowobjtool& tool, TDrawingEdit& edit, Canvas& dc, const TRect& clientRect);
// The leaf of an internal door in an angled internal wall, on the side faceNumber() 1 or 3; a code
// that does not suit the side is refused (outcome DoorCodeRefused) and nothing is drawn.
void DoorArcGeometryA(TWindowobjtool& tool, TDrawingEdit& edit, Canvas& dc, const TRect& clientRect);
// The two jamb lines and the leaf of an external door in an angled external wall.
void DoorArcGeometryB(TWindowobjtool& tool, TDrawingEdit& edit, Canvas& dc, const TRect& clientRect);

// Appends a dotted swing arc of the tool's door (its floor, ids and the current colour), drawn at
// once: the ellipse in the box with the corners a and b, anticlockwise from start to end.
void AddSwingArc(const TWindowobjtool& tool, TDrawingEdit& edit, Canvas& dc, const TRect& clientRect, TPoint a,
                 TPoint b, TPoint start, TPoint end);

// Sets the tool's (x2, y2) to the point `radius` from (x1, y1) in direction `angle` (tenths of a
// degree clockwise from +y), each offset truncated toward zero.
void PolarOffset(TDrawingtool& tool, int angle, int radius);
// The direction of an open leaf in a wall of angle `wallAngle`, by direction code, for a door
// opening angle of `openingTenths` tenths of a degree.
int LeafAngle(int wallAngle, int code, int openingTenths);
// The pen width of door leaves from the door settings (1 minimum, 2 maximum).
int LeafPenWidth(int thicknessCode);
