#include "dialogs/configdlg.h"

#include "dialogs/dialogsettings.h"
#include "model/settingsrecords.h"
#include "platform/decimaltext.h"
#include "platform/rangevalidator.h"

#include <cmath>
#include <memory>

namespace {

constexpr int METRIC_LIMIT = 5;
constexpr int INCH_LIMIT = 4;
constexpr int ANGLES[3] = {30, 60, 90};

}  // namespace

TConfigdlg::TConfigdlg(TWindow* parent, int resourceId) : TDialog(parent, resourceId)
{
    metricEdit = Create<TEdit>(5410, METRIC_LIMIT);
    metricEdit->SetValidator(std::make_unique<TRangeValidator>(100, 5000));
    inchEdit = Create<TEdit>(5411, INCH_LIMIT);
    inchEdit->SetValidator(std::make_unique<TRangeValidator>(4, 200));
    for (int i = 0; i < 3; ++i)
        angleButtons[i] = Create<TRadioButton>(5404 + i);
    for (int i = 0; i < 2; ++i)
        thicknessButtons[i] = Create<TRadioButton>(5407 + i);
}

void TConfigdlg::SetupWindow()
{
    TDialog::SetupWindow();
    const TDoorSizeSettings sizes = ReadSettings<TDoorSizeSettings>();
    metricEdit->SetText(std::to_string(sizes.metricWidth));
    inchEdit->SetText(std::to_string(sizes.imperialWidth / 24));

    const TDoorSettings door = ReadSettings<TDoorSettings>();
    for (int i = 0; i < 3; ++i)
        if (door.openingAngle == ANGLES[i])
            angleButtons[i]->Check();
    if (door.thicknessCode == 1 || door.thicknessCode == 2)
        thicknessButtons[door.thicknessCode - 1]->Check();
}

void TConfigdlg::CmOk()
{
    if (!CanClose())
        return;
    metricText = metricEdit->GetText(METRIC_LIMIT);
    inchText = inchEdit->GetText(INCH_LIMIT);
    TDoorSizeSettings sizes;
    sizes.metricWidth = DecimalValue(metricText);
    sizes.imperialWidth = DecimalValue(inchText) * 24;

    // A group with nothing selected keeps its value.
    for (int i = 0; i < 3; ++i)
        if (angleButtons[i]->IsChecked()) {
            openingAngle = ANGLES[i];
            break;
        }
    for (int i = 0; i < 2; ++i)
        if (thicknessButtons[i]->IsChecked()) {
            thicknessCode = i + 1;
            break;
        }
    TDoorSettings door;
    door.openingAngle = openingAngle;
    door.thicknessCode = thicknessCode;
    door.sine = std::sin(openingAngle * DOOR_RADIANS_PER_DEGREE);
    door.cosine = std::cos(openingAngle * DOOR_RADIANS_PER_DEGREE);

    if (!StoreSettings(*this, sizes) || !StoreSettings(*this, door))
        return;
    CloseWindow(IDOK);
}
