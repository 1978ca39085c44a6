#pragma once
// The external-wall family: the external-wall command (also the end of File/New), the wall type
// and side dialogs before new walls, and the keys of the wall tool (Enter marks the start or ends a
// sloped wall at the cursor; an arrow snaps the start, proposes the distance to the next wall end
// and takes the typed length; with angled input on the arrows only move the cursor).
#include "app/commandtable.h"

class TToolFamily;
class TToolSite;
struct TExtWallSettings;

const TToolFamily& ExtWallFamily();
TFamilyRows ExtWallFamilyRows();

// The wall type dialog, the custom wall dialog for a custom type and the side dialog; they write
// the external-wall settings file that the wall tool reads. A cancel installs the pick tool.
void RunExtWallDialogs(TToolSite& site);

// The wall type dialog of the unit system and, for the custom type, the custom wall dialog; the
// chosen spacings go into `settings`. `typeChosen` (when given) runs once the type dialog is
// confirmed. False when a dialog was not confirmed.
bool RunExtWallTypeDialogs(TToolSite& site, TExtWallSettings& settings, void (*typeChosen)(TToolSite& site));
