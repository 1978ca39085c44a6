#include "dialogs/measdlg.h"

#include "dialogs/dialogsettings.h"
#include "model/drawingstate.h"
#include "model/settingsfile.h"
#include "model/settingsformats.h"

TMeasdlg::TMeasdlg(TWindow* parent, int resourceId) : TDialog(parent, resourceId)
{
    metricButton = Create<TRadioButton>(5451);
    feetButton = Create<TRadioButton>(5452);
}

void TMeasdlg::SetupWindow()
{
    TDialog::SetupWindow();
    SettingsRecord units("METRIC.CFG", METRIC_CFG_FORMAT);
    if (units.Int(0) == 1)
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
    StoreSettings(*this, "METRIC.CFG", FormatC(METRIC_CFG_FORMAT, unitSystem));
    CloseWindow(IDOK);
}
