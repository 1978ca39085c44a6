#include "dialogs/measdlg.h"

#include "dialogs/dialogsettings.h"
#include "model/drawingstate.h"

TMeasdlg::TMeasdlg(TWindow* parent, int resourceId) : TDialog(parent, resourceId)
{
    metricButton = Create<TRadioButton>(5451);
    feetButton = Create<TRadioButton>(5452);
}

void TMeasdlg::SetupWindow()
{
    TDialog::SetupWindow();
    if (StoredUnitSystem() == 1)
        metricButton->Check();
    else
        feetButton->Check();
}

void TMeasdlg::CmOk()
{
    int& unitSystem = State().unitSystem;
    if (metricButton->IsChecked())
        unitSystem = 1;
    else if (feetButton->IsChecked())
        unitSystem = 0;
    StoreUnitSystem(*this, unitSystem);
    CloseWindow(IDOK);
}
