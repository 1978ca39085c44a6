#include "dialogs/entrydlg.h"

#include "dialogs/dialogsettings.h"
#include "model/drawingstate.h"
#include "model/settingsrecords.h"
#include "platform/decimaltext.h"
#include "platform/rangevalidator.h"

#include <memory>

namespace {

constexpr int WIDTH_LIMIT = 6;

}  // namespace

TEntrydlg::TEntrydlg(TWindow* parent, int resourceId) : TDialog(parent, resourceId)
{
    widthEdit = Create<TEdit>(6001, WIDTH_LIMIT);
    widthEdit->SetValidator(std::make_unique<TRangeValidator>(4, 1500));
    singleButton = Create<TRadioButton>(6002);
    doubleButton = Create<TRadioButton>(6003);
    rightButton = Create<TRadioButton>(6004);
    leftButton = Create<TRadioButton>(6005);
    centralButton = Create<TRadioButton>(6006);
}

void TEntrydlg::SetupWindow()
{
    TDialog::SetupWindow();
    widthEdit->SetText(State().unitSystem == 0 ? "32" : "870");
    singleButton->Check();
    rightButton->Check();
}

void TEntrydlg::CmOk()
{
    if (!CanClose())
        return;
    widthText = widthEdit->GetText(WIDTH_LIMIT);
    if (singleButton->IsChecked())
        doorCount = 1;
    else if (doubleButton->IsChecked())
        doorCount = 2;
    // Seen from outside: the doors on the right are stored as 'l', on the left as 'r'.
    if (rightButton->IsChecked())
        doorSide = 'l';
    else if (leftButton->IsChecked())
        doorSide = 'r';
    else if (centralButton->IsChecked())
        doorSide = 'b';
    TEntrySettings entry;
    entry.doorWidth = DecimalValue(widthText) * (State().unitSystem == 0 ? 24 : 1);
    entry.doorCount = doorCount;
    entry.doorSide = doorSide;
    if (!StoreSettings(*this, entry))
        return;
    CloseWindow(IDOK);
}
