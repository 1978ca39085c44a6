#include "dialogs/plancustdlg.h"

#include "dialogs/dialogsettings.h"
#include "dialogs/imperial.h"
#include "model/settingsrecords.h"
#include "platform/decimaltext.h"
#include "platform/rangevalidator.h"

namespace {

constexpr int LINES_LIMIT = 4;
constexpr int LENGTH_LIMIT = 5;
constexpr int FRACTION_LIMIT = 3;
// The unit systems of the two dialogs' files (CUST.CFG, CUSTIMP.CFG), whatever the drawing's.
constexpr int METRIC = 1;
constexpr int IMPERIAL = 0;

TEdit* RangeEdit(TEdit* edit, int minimum, int maximum)
{
    edit->SetValidator(std::make_unique<TRangeValidator>(minimum, maximum));
    return edit;
}

// A wall of 3 or 4 lines needs room for its leaves: an outer space and a cavity of at least one
// model unit each, together less than the total width, so that no line spacing is 0 or negative.
// Refuses with a message and the focus on the field to change.
bool CheckCavityWall(TDialog& dialog, int lines, int total, int outer, int cavity, TEdit* outerEdit,
                     TEdit* cavityEdit)
{
    if (lines <= 2 || (outer >= 1 && cavity >= 1 && outer + cavity < total))
        return true;
    dialog.MessageBox("For a wall of 3 or 4 lines the outer space and the cavity must each be more than 0 "
                      "and together less than the total width",
                      ApplicationName, MB_OK | MB_ICONEXCLAMATION);
    (cavity < 1 && outer >= 1 ? cavityEdit : outerEdit)->SetFocus();
    return false;
}

void DeriveSpacings(int lines, int total, int outer, int cavity, int& spacing1, int& spacing2, int& spacing3)
{
    spacing1 = spacing2 = spacing3 = 0;
    if (lines > 2) {
        spacing1 = outer;
        spacing2 = cavity;
        spacing3 = total - (outer + cavity);
    } else {
        spacing1 = total;
    }
}

}  // namespace

TPlancustdlg::TPlancustdlg(TWindow* parent, int resourceId) : TDialog(parent, resourceId)
{
    linesEdit = RangeEdit(Create<TEdit>(5301, LINES_LIMIT), 2, 4);
    totalEdit = RangeEdit(Create<TEdit>(5302, LENGTH_LIMIT), 25, 900);
    outerEdit = RangeEdit(Create<TEdit>(5303, LENGTH_LIMIT), 0, 800);
    cavityEdit = RangeEdit(Create<TEdit>(5304, LENGTH_LIMIT), 0, 790);
}

void TPlancustdlg::SetupWindow()
{
    TDialog::SetupWindow();
    const TCustomWallSettings custom = ReadSettings<TCustomWallSettings>(METRIC);
    linesEdit->SetText(std::to_string(custom.lines));
    totalEdit->SetText(std::to_string(custom.total));
    outerEdit->SetText(std::to_string(custom.outer));
    cavityEdit->SetText(std::to_string(custom.cavity));
}

void TPlancustdlg::CmOk()
{
    if (!CanClose())
        return;
    linesText = linesEdit->GetText(LINES_LIMIT);
    totalText = totalEdit->GetText(LENGTH_LIMIT);
    outerText = outerEdit->GetText(LENGTH_LIMIT);
    cavityText = cavityEdit->GetText(LENGTH_LIMIT);
    int lines = DecimalValue(linesText);
    int total = DecimalValue(totalText);
    int outer = DecimalValue(outerText);
    int cavity = DecimalValue(cavityText);
    if (!CheckCavityWall(*this, lines, total, outer, cavity, outerEdit, cavityEdit))
        return;
    StoreSettings(*this, TCustomWallSettings{lines, total, outer, cavity}, METRIC);
    DeriveSpacings(lines, total, outer, cavity, spacing1, spacing2, spacing3);
    CloseWindow(IDOK);
}

TPlanimpcustdlg::TPlanimpcustdlg(TWindow* parent, int resourceId) : TDialog(parent, resourceId)
{
    linesEdit = RangeEdit(Create<TEdit>(5351, LINES_LIMIT), 2, 4);
    totalInchEdit = RangeEdit(Create<TEdit>(5352, LENGTH_LIMIT), 1, 30);
    totalNumeratorEdit = RangeEdit(Create<TEdit>(5353, FRACTION_LIMIT), 0, 7);
    totalDenominatorEdit = RangeEdit(Create<TEdit>(5354, FRACTION_LIMIT), 0, 8);
    outerInchEdit = RangeEdit(Create<TEdit>(5355, LENGTH_LIMIT), 0, 25);
    outerNumeratorEdit = RangeEdit(Create<TEdit>(5356, FRACTION_LIMIT), 0, 7);
    outerDenominatorEdit = RangeEdit(Create<TEdit>(5357, FRACTION_LIMIT), 0, 8);
    cavityInchEdit = RangeEdit(Create<TEdit>(5358, LENGTH_LIMIT), 0, 20);
    cavityNumeratorEdit = RangeEdit(Create<TEdit>(5359, FRACTION_LIMIT), 0, 7);
    cavityDenominatorEdit = RangeEdit(Create<TEdit>(5360, FRACTION_LIMIT), 0, 8);
}

void TPlanimpcustdlg::SetupWindow()
{
    TDialog::SetupWindow();
    const TCustomWallSettings custom = ReadSettings<TCustomWallSettings>(IMPERIAL);
    linesEdit->SetText(std::to_string(custom.lines));
    auto show = [](int value, TEdit* inchEdit, TEdit* numeratorEdit, TEdit* denominatorEdit) {
        TInchLength length = SplitInches(value);
        inchEdit->SetText(std::to_string(length.inches));
        // A remainder below one eighth leaves the fraction edits at their "0".
        if (length.fraction.denominator != 0) {
            numeratorEdit->SetText(std::to_string(length.fraction.numerator));
            denominatorEdit->SetText(std::to_string(length.fraction.denominator));
        }
    };
    show(custom.total, totalInchEdit, totalNumeratorEdit, totalDenominatorEdit);
    show(custom.outer, outerInchEdit, outerNumeratorEdit, outerDenominatorEdit);
    show(custom.cavity, cavityInchEdit, cavityNumeratorEdit, cavityDenominatorEdit);
}

void TPlanimpcustdlg::CmOk()
{
    if (!CanClose())
        return;
    linesText = linesEdit->GetText(LINES_LIMIT);
    totalInchText = totalInchEdit->GetText(LENGTH_LIMIT);
    totalNumeratorText = totalNumeratorEdit->GetText(FRACTION_LIMIT);
    totalDenominatorText = totalDenominatorEdit->GetText(FRACTION_LIMIT);
    outerInchText = outerInchEdit->GetText(LENGTH_LIMIT);
    outerNumeratorText = outerNumeratorEdit->GetText(FRACTION_LIMIT);
    outerDenominatorText = outerDenominatorEdit->GetText(FRACTION_LIMIT);
    cavityInchText = cavityInchEdit->GetText(LENGTH_LIMIT);
    cavityNumeratorText = cavityNumeratorEdit->GetText(FRACTION_LIMIT);
    cavityDenominatorText = cavityDenominatorEdit->GetText(FRACTION_LIMIT);

    auto length = [](const std::string& inches, const std::string& numerator, const std::string& denominator) {
        return InchesLength(DecimalValue(inches), DecimalValue(numerator), DecimalValue(denominator),
                            FractionRule::Proper);
    };
    int lines = DecimalValue(linesText);
    int total = length(totalInchText, totalNumeratorText, totalDenominatorText);
    int outer = length(outerInchText, outerNumeratorText, outerDenominatorText);
    int cavity = length(cavityInchText, cavityNumeratorText, cavityDenominatorText);
    if (!CheckCavityWall(*this, lines, total, outer, cavity, outerInchEdit, cavityInchEdit))
        return;
    StoreSettings(*this, TCustomWallSettings{lines, total, outer, cavity}, IMPERIAL);
    DeriveSpacings(lines, total, outer, cavity, spacing1, spacing2, spacing3);
    CloseWindow(IDOK);
}
