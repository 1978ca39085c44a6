#include "dialogs/savedlg.h"

#include "dialogs/validatededit.h"

namespace {
constexpr int NAME_LIMIT = 25;
}

TSavedlg::TSavedlg(TWindow* parent, int resourceId) : TDialog(parent, resourceId)
{
    nameEdit = NameEdit(Create<TEdit>(9021, NAME_LIMIT));
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
