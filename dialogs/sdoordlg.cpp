#include "dialogs/sdoordlg.h"

#include "dialogs/doordlg.h"
#include "platform/rangevalidator.h"

#include <memory>

namespace {

constexpr int WIDTH_LIMIT = 7;

}  // namespace

TSdoordlg::TSdoordlg(TWindow* parent, int resourceId) : TDialog(parent, resourceId)
{
    widthEdit = Create<TEdit>(13001, WIDTH_LIMIT);
    widthEdit->SetValidator(std::make_unique<TRangeValidator>(5, 5000));
    intoWallBox = Create<TCheckBox>(13002);
    for (int i = 0; i < 8; ++i)
        codeButtons[i] = Create<TRadioButton>(SLIDING_CODE_BUTTONS[i]);
}

void TSdoordlg::SetupWindow()
{
    TDialog::SetupWindow();
    codeButtons[0]->Check();
    intoWallBox->SetCheck(false);
    widthEdit->SetText(std::to_string(DefaultDoorWidth()));
}

void TSdoordlg::CmOk()
{
    if (!CanClose())
        return;
    intoWall = intoWallBox->IsChecked() ? 1 : 0;
    widthText = widthEdit->GetText(WIDTH_LIMIT);
    for (int i = 0; i < 8; ++i)
        if (codeButtons[i]->IsChecked()) {
            doorType = i + 1;
            break;
        }
    CloseWindow(IDOK);
}
