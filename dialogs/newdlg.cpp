#include "dialogs/newdlg.h"

#include "dialogs/dialogsettings.h"
#include "dialogs/validatededit.h"
#include "model/drawingstate.h"

namespace {
constexpr int NAME_LIMIT = 25;
}

TNewdlg::TNewdlg(TWindow* parent, int resourceId) : TDialog(parent, resourceId)
{
    nameEdit = NameEdit(Create<TEdit>(2027, NAME_LIMIT));
    feetButton = Create<TRadioButton>(2025);
    metricButton = Create<TRadioButton>(2026);
}

void TNewdlg::SetupWindow()
{
    TDialog::SetupWindow();
    nameEdit->SetText("client");
    if (StoredUnitSystem() == 1)
        metricButton->Check();
    else
        feetButton->Check();
}

void TNewdlg::CmOk()
{
    // Nothing is stored until every field has passed.
    if (!CanClose())
        return;
    clientName = nameEdit->GetText(NAME_LIMIT);
    int& unitSystem = State().unitSystem;
    if (feetButton->IsChecked())
        unitSystem = 0;
    else if (metricButton->IsChecked())
        unitSystem = 1;
    StoreUnitSystem(*this, unitSystem);
    CloseWindow(IDOK);
}
