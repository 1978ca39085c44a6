#include "app/newfloor.h"

#include "app/families/dimensionfamily.h"
#include "app/families/extwallfamily.h"
#include "app/toolsite.h"
#include "model/drawingstate.h"
#include "model/extwallobj.h"
#include "model/list.h"
#include "platform/window.h"
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
    site.InstallTool(std::move(tool), ExtWallFamily());
    site.Tool().SubCommand(SUB_COPY_FLOOR_BELOW);
    AutoDimensions(site);
    site.SetPickTool();
    site.Refresh(0);
    return true;
}
