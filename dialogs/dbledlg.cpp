#include "dialogs/dbledlg.h"

#include "dialogs/dialogsettings.h"
#include "dialogs/imperial.h"
#include "dialogs/radiochoice.h"
#include "model/settingsrecords.h"
#include "platform/decimaltext.h"
#include "platform/rangevalidator.h"

namespace {

constexpr int METRIC = 1;
constexpr int IMPERIAL = 0;
constexpr int WIDTH_LIMIT = 5;
constexpr int FRACTION_LIMIT = 3;

// The side code of each button, in the order the buttons are asked.
constexpr std::array<int, 4> SIDE_CODES = {SECOND_LINE_LEFT, SECOND_LINE_RIGHT, SECOND_LINE_ABOVE, SECOND_LINE_BELOW};

TEdit* RangeEdit(TEdit* edit, int minimum, int maximum)
{
    edit->SetValidator(std::make_unique<TRangeValidator>(minimum, maximum));
    return edit;
}

// Rewrites the thickness file of the unit system; a failed write has been reported.
void StoreThickness(TDialog& dialog, int unitSystem, std::int32_t thickness)
{
    TInternalWallSettings settings;
    settings.thickness = thickness;
    StoreSettings(dialog, settings, unitSystem);
}

}  // namespace

TDbledlg::TDbledlg(TWindow* parent, int resourceId) : TDialog(parent, resourceId)
{
    widthEdit = RangeEdit(Create<TEdit>(7005, WIDTH_LIMIT), 25, 900);
    for (std::size_t i = 0; i < sideButtons.size(); ++i)
        sideButtons[i] = Create<TRadioButton>(7001 + int(i));
}

void TDbledlg::SetupWindow()
{
    TDialog::SetupWindow();
    widthEdit->SetText(std::to_string(ReadSettings<TInternalWallSettings>(METRIC).thickness));
    sideButtons[0]->Check();
}

void TDbledlg::CmOk()
{
    if (!CanClose())
        return;
    widthText = widthEdit->GetText(WIDTH_LIMIT);
    ReadChoice(sideButtons, SIDE_CODES, secondLineSide);
    StoreThickness(*this, METRIC, DecimalValue(widthText));
    CloseWindow(IDOK);
}

TDbleimpdlg::TDbleimpdlg(TWindow* parent, int resourceId) : TDialog(parent, resourceId)
{
    inchEdit = RangeEdit(Create<TEdit>(7505, WIDTH_LIMIT), 1, 50);
    numeratorEdit = RangeEdit(Create<TEdit>(7506, FRACTION_LIMIT), 0, 15);
    denominatorEdit = RangeEdit(Create<TEdit>(7507, FRACTION_LIMIT), 0, 16);
    for (std::size_t i = 0; i < sideButtons.size(); ++i)
        sideButtons[i] = Create<TRadioButton>(7501 + int(i));
}

void TDbleimpdlg::SetupWindow()
{
    TDialog::SetupWindow();
    const std::int32_t value = ReadSettings<TInternalWallSettings>(IMPERIAL).thickness;
    const int inches = value / UNITS_PER_INCH;
    inchEdit->SetText(std::to_string(inches));
    // Without a remainder both fraction edits keep their "0"; any other remainder shows a fraction
    // that gives it back, so OK without a change keeps the stored thickness.
    const TInchFraction fraction = FractionOfRemainder(value - inches * UNITS_PER_INCH);
    if (fraction.denominator != 0) {
        numeratorEdit->SetText(std::to_string(fraction.numerator));
        denominatorEdit->SetText(std::to_string(fraction.denominator));
    }
    sideButtons[0]->Check();
}

void TDbleimpdlg::CmOk()
{
    if (!CanClose())
        return;
    inchText = inchEdit->GetText(WIDTH_LIMIT);
    numeratorText = numeratorEdit->GetText(FRACTION_LIMIT);
    denominatorText = denominatorEdit->GetText(FRACTION_LIMIT);
    ReadChoice(sideButtons, SIDE_CODES, secondLineSide);
    StoreThickness(*this, IMPERIAL,
                   InchesLength(DecimalValue(inchText), DecimalValue(numeratorText), DecimalValue(denominatorText),
                                FractionRule::Proper));
    CloseWindow(IDOK);
}
