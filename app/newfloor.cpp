#include "app/newfloor.h"

#include "app/families/dimensionfamily.h"
#include "app/families/extwallfamily.h"
#include "app/toolsite.h"
#include "model/drawingedit.h"
#include "model/drawingstate.h"
#include "model/extwallobj.h"
#include "model/list.h"
#include "platform/window.h"
#include "tools/floorarea.h"
#include "tools/toolkinds.h"
#include "walls/extwallobjtool.h"

#include <algorithm>
#include <memory>

bool OfferOutlineOfFloorBelow(TToolSite& site)
{
    const int floor = State().currentFloor;
    if (floor != FIRST_FLOOR && floor != SECOND_FLOOR)
        return false;
    if (HasExternalWallsOn(State().objects, floor) || !HasExternalWallsOn(State().objects, floor - 1))
        return false;
    if (site.DialogParent().MessageBox("Start this floor from the outline of the floor below?", "NEW FLOOR",
                                       MB_YESNO | MB_ICONQUESTION) != IDYES)
        return false;

    auto tool = std::make_unique<TExtwallobjtool>();
    tool->kind = KIND_EXTWALL;
    TExtwallobjtool& walls = *tool;
    if (!site.InstallTool(std::move(tool), ExtWallFamily()))
        return false;
    // The walls, their dimensions and the floor's area are one change: written once, so the floor
    // is either started whole or not at all, and a failed write is told once.
    TDrawingEdit edit;
    bool written = false;
    if (!walls.CopyFloorBelow(edit)) {
        // Refused and told: the floor stays empty.
        site.SetPickTool();
        site.Refresh(0);
        return false;
    }
    const TAutoDimensions outcome = AddAutoDimensions(edit, walls);
    if (outcome == TAutoDimensions::Added)
        written = edit.Commit();
    else
        TellAutoDimensionsRefusal(site, outcome);
    site.SetPickTool();
    // Drawn from the file: after a failed write or a refusal the floor is as empty as
    // before, and is offered again the next time it is shown.
    site.Refresh(0);
    return written;
}
