#include "dialogs/windlg.h"

#include "dialogs/dialogsettings.h"
#include "model/drawingstate.h"
#include "model/settingsrecords.h"
#include "platform/decimaltext.h"
#include "platform/rangevalidator.h"

#include <memory>

namespace {

constexpr int SIZE_LIMIT = 5;
// The type buttons in template order with the opening type each one stands for.
constexpr int TYPE_IDS[7] = {6508, 6510, 6511, 6512, 6513, 6514, 6515};
constexpr int TYPE_CODES[7] = {1, 10, 5, 6, 8, 7, 9};

}  // namespace

TWindlg::TWindlg(TWindow* parent, int resourceId) : TDialog(parent, resourceId)
{
    widthEdit = Create<TEdit>(6501, SIZE_LIMIT);
    widthEdit->SetValidator(std::make_unique<TRangeValidator>(4, 9000));
    heightEdit = Create<TEdit>(6502, SIZE_LIMIT);
    heightEdit->SetValidator(std::make_unique<TRangeValidator>(4, 9000));
    sevenPoint = Create<TRadioButton>(6506);
    ninePoint = Create<TRadioButton>(6507);
    for (int i = 0; i < 7; ++i)
        typeButtons[i] = Create<TRadioButton>(TYPE_IDS[i]);
    sizesBox = Create<TCheckBox>(6504);
    cillBox = Create<TCheckBox>(6505);
}

void TWindlg::SetupWindow()
{
    TDialog::SetupWindow();
    const TWindowSettings settings = ReadSettings<TWindowSettings>();
    openingType = settings.openingType;
    // The dialog always offers a window first, whatever was placed last.
    typeButtons[0]->Check();
    sizesBox->SetCheck(settings.showSizes == 1);
    cillBox->SetCheck(settings.showCill == 1);
    (settings.textSize == 7 ? sevenPoint : ninePoint)->Check();
    const bool imperial = State().unitSystem == 0;
    widthEdit->SetText(std::to_string(imperial ? settings.width / 24 : settings.width));
    heightEdit->SetText(std::to_string(imperial ? settings.height / 24 : settings.height));
}

void TWindlg::CmOk()
{
    if (!CanClose())
        return;
    widthText = widthEdit->GetText(SIZE_LIMIT);
    heightText = heightEdit->GetText(SIZE_LIMIT);
    for (int i = 0; i < 7; ++i)
        if (typeButtons[i]->IsChecked()) {
            openingType = TYPE_CODES[i];
            break;
        }
    const int factor = State().unitSystem == 0 ? 24 : 1;
    TWindowSettings settings;
    settings.openingType = openingType;
    settings.width = DecimalValue(widthText) * factor;
    settings.height = DecimalValue(heightText) * factor;
    settings.headLevel = 0;
    settings.showSizes = sizesBox->IsChecked() ? 1 : 0;
    settings.textSize = sevenPoint->IsChecked() ? 7 : 9;
    settings.showCill = cillBox->IsChecked() ? 1 : 0;
    settings.reserved = 0;
    // The tool reads what it places from the file: a file that could not be written keeps the
    // dialog open.
    if (!StoreSettings(*this, settings))
        return;
    CloseWindow(IDOK);
}
