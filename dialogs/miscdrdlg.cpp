#include "dialogs/miscdrdlg.h"

TMiscdrdlg::TMiscdrdlg(TWindow* parent, int resourceId) : TDialog(parent, resourceId)
{
    singleButton = Create<TRadioButton>(13501);
    multipleButton = Create<TRadioButton>(13502);
}

void TMiscdrdlg::SetupWindow()
{
    TDialog::SetupWindow();
    singleButton->Check();
}

void TMiscdrdlg::CmOk()
{
    doorChoice = multipleButton->IsChecked() ? 2 : 1;
    CloseWindow(IDOK);
}
