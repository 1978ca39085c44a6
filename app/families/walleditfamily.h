#pragma once
// The wall-edit family: Lengthen, Shorten, DELETE External Wall, Split (External Wall) and Change
// External wall type. The command installs an edit tool (kind KIND_WALL_EDIT, the edit in its
// step); the next click names the wall (a split also takes Enter with the cursor on it). An
// external wall is handed to a fresh external-wall tool, a line picked for a lengthen or shorten
// to a fresh line tool; after every edit the pick tool is installed.
#include "app/commandtable.h"

class TToolFamily;
class TToolSite;

const TToolFamily& WallEditFamily();
TFamilyRows WallEditFamilyRows();

// The type change of the picked wall (the current tool): "select new wall type", the wall type
// dialog and, for a custom wall, the custom wall dialog; the chosen spacings are kept as fields 1
// to 3 of the external-wall settings (the rest as it was) and handed to the tool's Setup. A
// cancelled dialog installs the pick tool; false then.
bool ReadExtWallConfig(TToolSite& site);

// Repaints what a wall edit changed, with a margin of 10 logical units: mode 1 the area the edited
// wall covered before and its reference line now, mode 2 that area alone; both with every wall
// the edit touched.
void InvalidateWallEdit(TToolSite& site, int mode);
