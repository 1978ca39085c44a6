#include "dialogs/ddoordlg.h"

#include "model/drawingstate.h"
#include "platform/rangevalidator.h"

#include <memory>

namespace {

constexpr int WIDTH_LIMIT = 7;
constexpr int TYPE_IDS[3] = {10002, 10003, 10004};
// The side buttons in template order and the side each stands for.
constexpr int SIDE_IDS[4] = {10005, 10006, 10007, 10008};
constexpr int SIDE_CODES[4] = {1, 3, 4, 2};
// The width shown when the dialog opens: millimetres, or inches.
constexpr int METRIC_WIDTH = 1440;
constexpr int IMPERIAL_WIDTH = 54;

}  // namespace

TDDoordlg::TDDoordlg(TWindow* parent, int resourceId) : TDialog(parent, resourceId)
{
    widthEdit = Create<TEdit>(10001, WIDTH_LIMIT);
    widthEdit->SetValidator(std::make_unique<TRangeValidator>(10, 7000));
    for (int i = 0; i < 3; ++i)
        typeButtons[i] = Create<TRadioButton>(TYPE_IDS[i]);
    for (int i = 0; i < 4; ++i)
        sideButtons[i] = Create<TRadioButton>(SIDE_IDS[i]);
}

void TDDoordlg::SetupWindow()
{
    TDialog::SetupWindow();
    typeButtons[0]->Check();
    sideButtons[0]->Check();
    widthEdit->SetText(std::to_string(State().unitSystem == 0 ? IMPERIAL_WIDTH : METRIC_WIDTH));
}

void TDDoordlg::CmOk()
{
    if (!CanClose())
        return;
    widthText = widthEdit->GetText(WIDTH_LIMIT);
    for (int i = 0; i < 3; ++i)
        if (typeButtons[i]->IsChecked()) {
            doorType = 11 + i;
            break;
        }
    for (int i = 0; i < 4; ++i)
        if (sideButtons[i]->IsChecked()) {
            openingSide = SIDE_CODES[i];
            break;
        }
    CloseWindow(IDOK);
}
