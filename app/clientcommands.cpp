#include "app/clientcommands.h"

#include "app/client.h"
#include "resources/menus.h"

namespace {

using enum TCommandNeed;

const TCommandRow commands[] = {
    {.id = CM_FILENEW, .handler = &TClient::CmFileNew},
    {.id = CM_FILEOPEN, .handler = &TClient::CmFileOpen},
    {.id = CM_FILESAVEAS, .handler = &TClient::CmFileSaveAs},
    {.id = CM_ROTATEMIRROR, .needs = PlanView, .handler = &TClient::CmRotateMirror},
    {.id = CM_EXPORTBITMAP, .handler = &TClient::CmExportBitmap},
    {.id = CM_PRINT, .handler = &TClient::CmPrint},
    {.id = CM_PRINTERSETUP, .handler = &TClient::CmPrinterSetup},
    {.id = CM_EXIT, .handler = &TClient::CmExit},
    {.id = CM_UNDO, .needs = PlanView, .handler = &TClient::CmUndo},
    {.id = CM_GROUNDFLOOR, .handler = &TClient::CmGroundFloor},
    {.id = CM_FIRSTFLOOR, .handler = &TClient::CmFirstFloor},
    {.id = CM_SECONDFLOOR, .handler = &TClient::CmSecondFloor},
    {.id = CM_SHOWOVERLAYS, .handler = &TClient::CmShowOverlays},
    {.id = CM_DISPLAYMODE, .handler = &TClient::CmDisplayMode},
    {.id = CM_FLOORAREA, .handler = &TClient::CmFloorArea},
    {.id = CM_NORMALSIZE, .handler = &TClient::CmNormalSize},
    {.id = CM_DEFAULTDOORS, .handler = &TClient::CmDefaultDoors},
    {.id = CM_DEFDIMENSIONS, .handler = &TClient::CmDefaultDimensions},
    {.id = CM_FLOORPLANTITLES, .handler = &TClient::CmFloorPlanTitles},
    {.id = CM_CALIBRATEPRINTER, .handler = &TClient::CmCalibratePrinter},
    {.id = CM_ABOUT, .handler = &TClient::CmAbout},
};

}  // namespace

TFamilyRows ClientCommandRows()
{
    return {commands, {}};
}
