#pragma once
// The internal-wall family: Draw Internal Wall with the internal-wall dialog (thickness and side of
// the second line), DELETE Internal Wall, and the keys of the internal-wall tool. ENTER marks the
// start, builds an angled piece at the cursor or, on the end of the last wall, closes the run; an
// arrow checks the first piece against the side, proposes the distance to the next wall and takes
// the typed length; with angled input on the arrows only move the cursor. ENTER on the delete tool
// deletes the internal wall under the cursor with its group.
#include "app/commandtable.h"

class TToolFamily;
class TToolSite;

const TToolFamily& IntWallFamily();
TFamilyRows IntWallFamilyRows();

// The internal-wall dialog of the unit system: on OK the side of the second line goes to the tool
// (the dialog keeps the thickness in its settings file); a cancel installs the pick tool.
void RunInternalWallDialog(TToolSite& site);
