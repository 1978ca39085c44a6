#pragma once
// The figure family: Tools/Arc, Ellipse, Circle, Rectangle and RoundRect, and Tools/Line Style.
// The window asks the radius of a circle or rounded rectangle, the height of an arc and the sides
// of a rectangle before it hands ENTER or an arrow key to the tool.
#include "app/commandtable.h"

class TToolSite;

TFamilyRows FigureFamilyRows();

// Tools/Line Style: the drawing tool style dialog; after OK its width becomes currentPenWidth and
// its style the current tool's penStyle. The tool gadget then shows "<width>,<tool name>".
void RunLineStyleDialog(TToolSite& site);
