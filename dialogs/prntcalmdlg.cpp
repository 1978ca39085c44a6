#include "dialogs/prntcalmdlg.h"

#include "dialogs/validatededit.h"
#include "model/imperiallength.h"
#include "platform/wholenumber.h"

namespace {

constexpr int MILLIMETRE_LIMIT = 7;
constexpr int FEET_LIMIT = 4;
const TWholeNumberRange MILLIMETRE_RANGE{14000, 16000, "millimetres"};
const TWholeNumberRange FEET_RANGE{40, 60, "feet"};
const TWholeNumberRange INCH_RANGE{0, 11, "inches"};

}  // namespace

TPrintCalibrationSettings CalibrationOf(int measured, int nominal)
{
    TPrintCalibrationSettings calibration;
    calibration.measuredLength = measured;
    calibration.scaleCorrection = nominal > 0 ? 1.0 + double(nominal - measured) / double(nominal) : 1.0;
    return calibration;
}

TPrntcalmdlg::TPrntcalmdlg(TWindow* parent, int resourceId) : TDialog(parent, resourceId)
{
    measuredEdit = ValidatedEdit(Create<TEdit>(3201, MILLIMETRE_LIMIT), MILLIMETRE_RANGE);
}

void TPrntcalmdlg::SetupWindow()
{
    TDialog::SetupWindow();
    measuredEdit->SetText(std::to_string(ReadSettings<TPrintCalibrationSettings>(1).measuredLength));
}

void TPrntcalmdlg::CmOk()
{
    if (!CanClose())
        return;
    measuredText = measuredEdit->GetText(MILLIMETRE_LIMIT);
    CloseWindow(IDOK);
}

int TPrntcalmdlg::MeasuredLength() const
{
    return ReadWholeNumber(measuredText, MILLIMETRE_RANGE).value_or(CALIBRATION_LENGTH_METRIC);
}

TPrntcalidlg::TPrntcalidlg(TWindow* parent, int resourceId) : TDialog(parent, resourceId)
{
    feetEdit = ValidatedEdit(Create<TEdit>(3302, FEET_LIMIT), FEET_RANGE);
    inchEdit = ValidatedEdit(Create<TEdit>(3301, FEET_LIMIT), INCH_RANGE);
}

void TPrntcalidlg::SetupWindow()
{
    TDialog::SetupWindow();
    const int inches = ReadSettings<TPrintCalibrationSettings>(0).measuredLength / UNITS_PER_INCH;
    feetEdit->SetText(std::to_string(inches / 12));
    inchEdit->SetText(std::to_string(inches % 12));
}

void TPrntcalidlg::CmOk()
{
    if (!CanClose())
        return;
    feetText = feetEdit->GetText(FEET_LIMIT);
    inchText = inchEdit->GetText(FEET_LIMIT);
    CloseWindow(IDOK);
}

int TPrntcalidlg::MeasuredLength() const
{
    const int feet = ReadWholeNumber(feetText, FEET_RANGE).value_or(52);
    const int inches = ReadWholeNumber(inchText, INCH_RANGE).value_or(0);
    return (feet * 12 + inches) * UNITS_PER_INCH;
}
