#include "dialogs/extsidedlg.h"

TExtsidedlg::TExtsidedlg(TWindow* parent, int resourceId) : TDialog(parent, resourceId)
{
    belowButton = Create<TRadioButton>(4201);
    aboveButton = Create<TRadioButton>(4202);
    leftButton = Create<TRadioButton>(4203);
    rightButton = Create<TRadioButton>(4204);
}

void TExtsidedlg::SetupWindow()
{
    TDialog::SetupWindow();
    belowButton->Check();
}

void TExtsidedlg::CmOk()
{
    if (belowButton->IsChecked())
        lineSide = 1;
    else if (aboveButton->IsChecked())
        lineSide = 3;
    else if (leftButton->IsChecked())
        lineSide = 2;
    else if (rightButton->IsChecked())
        lineSide = 4;
    CloseWindow(IDOK);
}
