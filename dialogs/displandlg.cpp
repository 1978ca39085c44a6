#include "dialogs/displandlg.h"

#include "dialogs/displaymode.h"

#include "model/drawingstate.h"

TDisplandlg::TDisplandlg(TWindow* parent, int resourceId) : TDialog(parent, resourceId)
{
    dimensionsBox = Create<TCheckBox>(18501);
    normalButton = Create<TRadioButton>(18503);
    hatchedButton = Create<TRadioButton>(18504);
    solidButton = Create<TRadioButton>(18505);
}

void TDisplandlg::SetupWindow()
{
    TDialog::SetupWindow();
    const int mode = State().displayMode;
    dimensionsBox->SetCheck(DimensionsChecked(mode));
    CheckWallStyle(mode, *normalButton, *hatchedButton, *solidButton);
}

void TDisplandlg::CmOk()
{
    // Wall style in the tens, 0 or 1 in the units: always a single-floor view.
    State().displayMode = CheckedWallStyle(*hatchedButton, *solidButton) + (dimensionsBox->IsChecked() ? 0 : 1);
    CloseWindow(IDOK);
}
