#pragma once
// The internal-door family: Door-Internal (a hinged door), Doors-Other Internal (a single sliding
// door, or double doors and sliding panels) and Opening (Internal Wall). Each command builds a door
// tool, runs its door dialog and sets the tool's working kind; the preview then follows the mouse
// and ENTER places the door in the internal wall under the cursor. A door that does not fit is
// refused with a message and the tool stays for another try; after a door or an opening is placed,
// or an opening refused, the pick tool follows.
#include "app/commandtable.h"

class TToolFamily;
class TToolSite;

const TToolFamily& DoorFamily();
TFamilyRows DoorFamilyRows();

// The door dialog of a door tool, by n: 1 the hinged door, 2 double doors and sliding panels, 3 the
// opening's width, 4 the single sliding door; then the tool's working kind, its width, code and
// side, its preview and its prompt. Only on a floor plan ("Wrong View - select  View then your
// floor plan" otherwise). A cancelled dialog or a width out of range ends the command with the pick
// tool.
void StartInternalDoorOrOpening(TToolSite& site, int n);
// Doors-Other Internal: the choice of a single sliding door or multiple doors, then that door's
// dialog.
void StartMiscDoor(TToolSite& site);
