#pragma once
// The fixed-room family: New Room (fixed), whose tool finds the space around a click and, after
// the new-fixed-room dialog, closes the room with internal walls, its name and its size labels;
// and FINISH Design Rooms, which turns the design rooms of the floor in view into walls, names and
// sizes through the internal-wall tool, then installs the pick tool.
#include "app/commandtable.h"

class TToolFamily;
class TToolSite;

const TToolFamily& RoomFamily();
TFamilyRows RoomFamilyRows();

// The room step after a click of the fixed-room tool: a click that found no closed space is told
// ("No selection was made - start ROOM again") and the tool stays for the next one; otherwise the
// new-fixed-room dialog of the unit system runs and the room is built, labelled and stored, and
// its area repainted. A cancelled dialog repaints the window.
void PlaceFixedRoom(TToolSite& site);
