#include "dialogs/savedlg.h"

#include "platform/filtervalidator.h"

namespace {
constexpr int NAME_LIMIT = 25;
}

TSavedlg::TSavedlg(TWindow* parent, int resourceId) : TDialog(parent, resourceId)
{
    nameEdit = Create<TEdit>(9021, NAME_LIMIT);
    nameEdit->SetValidator(std::make_unique<TFilterValidator>("A-Za-z0-9, "));
}

void TSavedlg::SetupWindow()
{
    TDialog::SetupWindow();
    nameEdit->SetText("client");
}

void TSavedlg::CmOk()
{
    if (!CanClose())
        return;
    clientName = nameEdit->GetText(NAME_LIMIT);
    CloseWindow(IDOK);
}
