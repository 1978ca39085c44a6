#pragma once
// The window family: Window & Extnl Doors (the window dialog, then the door or main entry dialogs
// by the type chosen: TChild::RunPlanDialog(6)), the window tool's preview, which follows the mouse
// while the tool is active, its ENTER with the messages of a refused placement and the pick tool
// afterwards, and Customise/Default Doors.
#include "app/commandtable.h"

class TToolFamily;
class TToolSite;

const TToolFamily& WindowFamily();
TFamilyRows WindowFamilyRows();

// The dialogs of Window & Extnl Doors, then the tool's set-up, the datum at the top left external
// wall corner and the tool's name. A cancelled dialog or an opening narrower than 1 ends the command
// with the pick tool.
void RunWindowDialogs(TToolSite& site);

// Customise/Default Doors: the default doors dialog, over the drawing window (which repaints
// afterwards, whatever the result) or the client.
void RunDefaultDoors(TCommandContext& context);
