#include "app/clientcommands.h"

#include "app/client.h"
#include "resources/menus.h"

namespace {

using enum TCommandNeed;
using enum THeldFigure;

const TCommandRow commands[] = {
    {.id = CM_FILENEW, .handler = &TClient::CmFileNew, .held = StoreWhenGoingAhead},
    {.id = CM_FILEOPEN, .handler = &TClient::CmFileOpen, .held = StoreWhenGoingAhead},
    {.id = CM_FILESAVEAS, .handler = &TClient::CmFileSaveAs, .held = StoreWhenGoingAhead},
    {.id = CM_ROTATEMIRROR, .needs = PlanView, .handler = &TClient::CmRotateMirror, .held = StoreWhenGoingAhead},
    {.id = CM_EXPORTBITMAP, .handler = &TClient::CmExportBitmap, .held = Keep},
    {.id = CM_PRINT, .handler = &TClient::CmPrint, .held = StoreWhenGoingAhead},
    {.id = CM_PRINTERSETUP, .handler = &TClient::CmPrinterSetup, .held = Keep},
    {.id = CM_EXIT, .handler = &TClient::CmExit, .held = StoreWhenGoingAhead},
    {.id = CM_UNDO, .needs = PlanView, .handler = &TClient::CmUndo, .held = TakeBack},
    {.id = CM_GROUNDFLOOR, .handler = &TClient::CmGroundFloor},
    {.id = CM_FIRSTFLOOR, .handler = &TClient::CmFirstFloor},
    {.id = CM_SECONDFLOOR, .handler = &TClient::CmSecondFloor},
    {.id = CM_SHOWOVERLAYS, .handler = &TClient::CmShowOverlays, .held = StoreWhenGoingAhead},
    {.id = CM_DISPLAYMODE, .handler = &TClient::CmDisplayMode, .held = StoreWhenGoingAhead},
    {.id = CM_FLOORAREA, .handler = &TClient::CmFloorArea},
    {.id = CM_NORMALSIZE, .handler = &TClient::CmNormalSize, .held = Keep},
    {.id = CM_DEFAULTDOORS, .handler = &TClient::CmDefaultDoors, .held = Keep},
    {.id = CM_DEFDIMENSIONS, .handler = &TClient::CmDefaultDimensions, .held = Keep},
    {.id = CM_FLOORPLANTITLES, .handler = &TClient::CmFloorPlanTitles, .held = Keep},
    {.id = CM_CALIBRATEPRINTER, .handler = &TClient::CmCalibratePrinter, .held = Keep},
    {.id = CM_ABOUT, .handler = &TClient::CmAbout, .held = Keep},
};

}  // namespace

TFamilyRows ClientCommandRows()
{
    return {commands, {}};
}
