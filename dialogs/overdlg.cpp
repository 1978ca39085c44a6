#include "dialogs/overdlg.h"

#include "dialogs/dialogsettings.h"
#include "dialogs/displaymode.h"
#include "model/drawingstate.h"
#include "model/settingsrecords.h"

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
    // A missing file reads as the shipped default.
    const TOverlaySettings overlay = ReadSettings<TOverlaySettings>();
    groundFloorBox->SetCheck(overlay.ground == 1);
    firstFloorBox->SetCheck(overlay.first == 1);
    secondFloorBox->SetCheck(overlay.second == 1);
    const int mode = State().displayMode;
    dimensionsBox->SetCheck(DimensionsChecked(mode));
}

void TOverdlg::CmOk()
{
    int& displayMode = State().displayMode;
    const int tens = displayMode > 19 ? 20 : displayMode >= 10 ? 10 : 0;
    TOverlaySettings overlay;
    overlay.ground = groundFloorBox->IsChecked() ? 1 : 0;
    overlay.first = firstFloorBox->IsChecked() ? 1 : 0;
    overlay.second = secondFloorBox->IsChecked() ? 1 : 0;
    displayMode = tens + (dimensionsBox->IsChecked() ? 2 : 3);
    // An overlay view always shows at least the ground floor.
    if (overlay.ground + overlay.first + overlay.second == 0)
        overlay.ground = 1;
    StoreSettings(*this, overlay);
    CloseWindow(IDOK);
}
