#pragma once
// The design-room family: the Design Rooms commands (new room, maximum size, delete, expand, move,
// rotate, shrink), the click inside a design room that takes it over whatever tool is current, the
// buttons, arrow keys and key releases of the design-room tool, and the Customise commands DESIGN
// Room Merge and DESIGN Room Colours. FINISH Design Rooms belongs to the room finishing.
#include "app/commandtable.h"

class TToolFamily;
class TToolSite;

const TToolFamily& DesignRoomFamily();
TFamilyRows DesignRoomFamilyRows();

// Design Rooms/New: the wall-size dialog before the floor's first room, the new-room dialog, then
// the room at the lower left of the view; the next click sets the datum.
void NewDesignRoom(TToolSite& site);
// The release of the maximum-size click: the room of the free size CFG/MAX.CFG holds, offered in
// the maximum-size dialog when both sizes are worth a room.
void PlaceDesignRoom(TToolSite& site);
// Repaints where a design-room edit was, is and drew its outline, widened by the merge distance.
void DrawMergePreview(TToolSite& site);

// Customise/DESIGN Room Merge: the merge distance (the measuring units first when no drawing is
// open). Customise/DESIGN Room Colours: the wet area, bedroom and other rooms colours in turn.
void CmDesignRoomMerge(TCommandContext& context);
void CmDesignRoomColours(TCommandContext& context);
