#include "dialogs/manipdlg.h"

#include "dialogs/radiochoice.h"
#include "dialogs/validatededit.h"
#include "model/drawingstate.h"

namespace {
constexpr int NAME_LIMIT = 25;
// The rotation of each radio: a quarter, half and three quarters clockwise, the mirror.
constexpr std::array<int, 4> ROTATIONS = {90, 180, 270, MIRROR_LEFT_RIGHT};
}

TManipdlg::TManipdlg(TWindow* parent, int resourceId) : TDialog(parent, resourceId)
{
    nameEdit = NameEdit(Create<TEdit>(19001, NAME_LIMIT));
    quarterButton = Create<TRadioButton>(19002);
    halfButton = Create<TRadioButton>(19003);
    threeQuarterButton = Create<TRadioButton>(19004);
    mirrorButton = Create<TRadioButton>(19005);
}

void TManipdlg::SetupWindow()
{
    TDialog::SetupWindow();
    quarterButton->Check();
    nameEdit->SetText(State().drawingName);
}

void TManipdlg::CmOk()
{
    if (!CanClose())
        return;
    newNameText = nameEdit->GetText(NAME_LIMIT);
    ReadChoice(std::array{quarterButton, halfButton, threeQuarterButton, mirrorButton}, ROTATIONS, rotation);
    CloseWindow(IDOK);
}
