#include "app/printcommands.h"

#include "app/child.h"
#include "app/client.h"
#include "app/drawingfiles.h"
#include "app/framehost.h"
#include "app/hdprintout.h"
#include "app/printtarget.h"
#include "dialogs/akwprntdlg.h"
#include "dialogs/measdlg.h"
#include "dialogs/prntcalmdlg.h"
#include "model/drawingstate.h"
#include "model/list.h"
#include "model/printlist.h"
#include "model/programdirectory.h"
#include "model/typedsettings.h"

namespace {

const char* const PRINT_TITLE = "PRINT";

void Warn(TClient& client, const std::string& text, const std::string& title)
{
    client.MessageBox(text, title, MB_OK | MB_ICONEXCLAMATION);
}

// The drawing to print when none is open: chosen as File/Open chooses, and opened.
bool OpenDrawingToPrint(TClient& client)
{
    const std::vector<std::string> names = DrawingNames();
    if (names.empty()) {
        Warn(client, "There is no drawing to print - start one with FILE/NEW", PRINT_TITLE);
        return false;
    }
    std::string chosen;
    return client.Frame().ChooseDrawing(names, chosen) && client.OpenDrawing(chosen);
}

}  // namespace

void PrintPlans(TClient& client)
{
    if (!client.ActiveChild()) {
        TMeasdlg units(&client, 5450);
        units.Execute();
        if (!OpenDrawingToPrint(client))
            return;
    }
    TAkwprntdlg dialog(&client, 19500);
    // Printing reads the drawing: a figure in progress is stored first.
    if (dialog.Execute() != IDOK || !client.StoreHeldFigure())
        return;
    const std::vector<TPrintFloor> floors = dialog.PrintList();
    std::string reason;
    // The list is kept for the record; the floors print from the dialog's choice all the same.
    if (!THDPrintout::WritePrintList(floors, &reason))
        Warn(client, "The print list " + CfgPath(TPrintListSettings::file.metric) + " could not be written: " + reason,
             ApplicationName);
    if (floors.empty()) {
        Warn(client, "No floor has copies to print - nothing is printed", PRINT_TITLE);
        // The display mode the dialog set shows on the screen.
        if (TChild* window = client.ActiveChild())
            window->Refresh(0);
        return;
    }
    client.PrintFloors(dialog.lineWeight, dialog.showScale == 1, floors);
}

void CalibratePrinter(TClient& client)
{
    if (!client.ActiveChild()) {
        TMeasdlg units(&client, 5450);
        if (units.Execute() != IDOK)
            return;
    }
    const int unitSystem = State().unitSystem;
    TPrintCalibrationSettings calibration;
    if (unitSystem == 1) {
        TPrntcalmdlg dialog(&client, 3200);
        if (dialog.Execute() != IDOK)
            return;
        calibration = CalibrationOf(dialog.MeasuredLength(), CALIBRATION_LENGTH_METRIC);
    } else if (unitSystem == 0) {
        TPrntcalidlg dialog(&client, 3300);
        if (dialog.Execute() != IDOK)
            return;
        calibration = CalibrationOf(dialog.MeasuredLength(), CALIBRATION_LENGTH_IMPERIAL);
    } else {
        return;
    }
    std::string reason;
    if (!WriteSettings(calibration, unitSystem, &reason))
        Warn(client,
             "The settings file " + CfgPath(SettingsFileName<TPrintCalibrationSettings>(unitSystem)) +
                 " could not be written: " + reason,
             ApplicationName);
}

// The client's printing of the floors of the open drawing.

int TClient::PrintFloors(int lineWeight, bool showScale, const std::vector<TPrintFloor>& floors)
{
    // The drawing is read afresh from its file: what is printed is what was saved.
    if (!DrawingOpen() || floors.empty())
        return 0;
    const TLoadResult loaded = State().objects.ReadDrawing();
    if (!loaded.ok) {
        MessageBox(loaded.message, ApplicationName, MB_OK | MB_ICONEXCLAMATION);
        return 0;
    }
    std::vector<TPrintFloor> printable;
    std::string empty;
    for (const TPrintFloor& floor : floors) {
        if (THDPrintout::HasDrawing(floor.floorCode))
            printable.push_back(floor);
        else
            empty += (empty.empty() ? "" : ", ") + PrintFloorName(floor.floorCode);
    }
    if (!empty.empty())
        MessageBox("Nothing is drawn on the " + empty + " - it is not printed", PRINT_TITLE, MB_OK | MB_ICONEXCLAMATION);
    int pages = 0;
    if (std::unique_ptr<PrintTarget> target = printable.empty() ? nullptr : frame.StartPrinting(State().drawingName)) {
        THDPrintout printout(lineWeight, showScale);
        pages = printout.Print(*target, printable);
        const std::string fileName = target->FileName();
        target.reset();
        if (!fileName.empty())
            SetPrompt("The plans are printed to " + fileName);
    }
    // Printed or not, the window shows its floor as it was, in the display mode the print dialog set.
    active->Refresh(0);
    return pages;
}
