#include "dialogs/feetdlg.h"

#include "dialogs/typedlength.h"
#include "dialogs/validatededit.h"
#include "platform/decimaltext.h"

namespace {
constexpr int FEET_LIMIT = 6;
constexpr int INCH_LIMIT = 7;
constexpr int FRACTION_LIMIT = 4;
}

TFeetdlg::TFeetdlg(TWindow* parent, int resourceId, int initialLength)
    : TDialog(parent, resourceId), initialLength(initialLength)
{
    feetEdit = ValidatedEdit(Create<TEdit>(9501, FEET_LIMIT), FEET_FIELD);
    inchEdit = ValidatedEdit(Create<TEdit>(9502, INCH_LIMIT), INCH_FIELD);
    numeratorEdit = ValidatedEdit(Create<TEdit>(9503, FRACTION_LIMIT), NUMERATOR_FIELD);
    denominatorEdit = ValidatedEdit(Create<TEdit>(9504, FRACTION_LIMIT), DENOMINATOR_FIELD);
}

void TFeetdlg::SetupWindow()
{
    TDialog::SetupWindow();
    if (initialLength < 1) {
        feetEdit->SetText("0");
        inchEdit->SetText("0");
        numeratorEdit->SetText("0");
        denominatorEdit->SetText("0");
        return;
    }
    // A remainder below one eighth shows the fraction as 0 / 0; left as shown, the exact length
    // comes back.
    proposal.Show({feetEdit, inchEdit, numeratorEdit, denominatorEdit}, initialLength);
}

void TFeetdlg::CmOk()
{
    if (!CanClose())
        return;
    feetText = feetEdit->GetText(FEET_LIMIT);
    inchText = inchEdit->GetText(INCH_LIMIT);
    numeratorText = numeratorEdit->GetText(FRACTION_LIMIT);
    denominatorText = denominatorEdit->GetText(FRACTION_LIMIT);
    CloseWindow(IDOK);
}

std::int32_t TFeetdlg::Length(FractionRule rule) const
{
    if (const auto kept = proposal.Kept({feetText, inchText, numeratorText, denominatorText}))
        return *kept;
    return FeetLength(DecimalValue(feetText), DecimalValue(inchText), DecimalValue(numeratorText),
                      DecimalValue(denominatorText), rule);
}
