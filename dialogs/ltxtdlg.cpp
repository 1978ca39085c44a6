#include "dialogs/ltxtdlg.h"

namespace {
constexpr int TEXT_LIMIT = 22;
}

TLtxtdlg::TLtxtdlg(TWindow* parent, int resourceId) : TDialog(parent, resourceId)
{
    textEdit = Create<TEdit>(2691, TEXT_LIMIT);
    leftButton = Create<TRadioButton>(2692);
    rightButton = Create<TRadioButton>(2693);
}

void TLtxtdlg::SetupWindow()
{
    TDialog::SetupWindow();
    leftButton->Check();
}

void TLtxtdlg::CmOk()
{
    lineText = textEdit->GetText(TEXT_LIMIT);
    if (leftButton->IsChecked())
        lineTextSide = 1;
    else if (rightButton->IsChecked())
        lineTextSide = 2;
    CloseWindow(IDOK);
}
