#include "dialogs/overdlg.h"

#include "dialogs/dialogsettings.h"
#include "dialogs/displaymode.h"
#include "model/drawingstate.h"
#include "model/planpainter.h"
#include "model/settingsfile.h"
#include "model/settingsformats.h"

TOverdlg::TOverdlg(TWindow* parent, int resourceId) : TDialog(parent, resourceId)
{
    groundFloorBox = Create<TCheckBox>(5202);
    firstFloorBox = Create<TCheckBox>(5203);
    secondFloorBox = Create<TCheckBox>(5204);
    dimensionsBox = Create<TCheckBox>(5206);
}

void TOverdlg::SetupWindow()
{
    TDialog::SetupWindow();
    // File order: floors 53, 50, 51, 52, 54; a missing file reads as the shipped default.
    const TOverlayFloors overlay = ReadOverlayFloors();
    groundFloorBox->SetCheck(overlay.flags[1] == 1);
    firstFloorBox->SetCheck(overlay.flags[2] == 1);
    secondFloorBox->SetCheck(overlay.flags[3] == 1);
    const int mode = State().displayMode;
    dimensionsBox->SetCheck(DimensionsChecked(mode));
}

void TOverdlg::CmOk()
{
    int& displayMode = State().displayMode;
    const int tens = displayMode > 19 ? 20 : displayMode >= 10 ? 10 : 0;
    int flags[5] = {0, 0, 0, 0, 0};
    flags[1] = groundFloorBox->IsChecked() ? 1 : 0;
    flags[2] = firstFloorBox->IsChecked() ? 1 : 0;
    flags[3] = secondFloorBox->IsChecked() ? 1 : 0;
    displayMode = tens + (dimensionsBox->IsChecked() ? 2 : 3);
    // An overlay view always shows at least the ground floor.
    if (flags[1] + flags[2] + flags[3] == 0)
        flags[1] = 1;
    StoreSettings(*this, "OVERLAY.CFG",
                  FormatC(OVERLAY_CFG_FORMAT, flags[0], flags[1], flags[2], flags[3], flags[4]));
    CloseWindow(IDOK);
}
