#include "dialogs/rmpttndlg.h"

#include "dialogs/dialogsettings.h"
#include "dialogs/imperial.h"
#include "dialogs/roomsizechoice.h"
#include "dialogs/validatededit.h"
#include "model/drawingstate.h"
#include "model/settingsrecords.h"
#include "platform/decimaltext.h"

namespace {

constexpr int METRIC = 1;
constexpr int IMPERIAL = 0;
constexpr int THICKNESS_LIMIT = 5;
constexpr int FRACTION_LIMIT = 4;

constexpr TWholeNumberRange METRIC_THICKNESS{25, 900, "millimetres"};
constexpr TWholeNumberRange INCHES{1, 30, "inches"};
constexpr TWholeNumberRange NUMERATOR{0, 7};
constexpr TWholeNumberRange DENOMINATOR{0, 8};

// Reads the file again, puts the thickness in the current floor's place and writes all three; on a
// floor the file holds no thickness for nothing is written.
void StoreThickness(TDialog& dialog, int unitSystem, std::int32_t thickness)
{
    TRoomWallSettings settings = ReadSettings<TRoomWallSettings>(unitSystem);
    std::int32_t* floor = settings.ForFloor(State().currentFloor);
    if (!floor)
        return;
    *floor = thickness;
    StoreSettings(dialog, settings, unitSystem);
}

// The current floor's thickness; none on a floor the file holds none for.
const std::int32_t* StoredThickness(TRoomWallSettings& settings)
{
    return settings.ForFloor(State().currentFloor);
}

}  // namespace

TRmpttndlg::TRmpttndlg(TWindow* parent, int resourceId) : TDialog(parent, resourceId)
{
    thicknessEdit = ValidatedEdit(Create<TEdit>(21001, THICKNESS_LIMIT), METRIC_THICKNESS);
}

void TRmpttndlg::SetupWindow()
{
    TDialog::SetupWindow();
    TRoomWallSettings settings = ReadSettings<TRoomWallSettings>(METRIC);
    if (const std::int32_t* thickness = StoredThickness(settings))
        thicknessEdit->SetText(std::to_string(*thickness));
}

void TRmpttndlg::CmOk()
{
    if (!CanClose())
        return;
    thicknessText = thicknessEdit->GetText(THICKNESS_LIMIT);
    StoreThickness(*this, METRIC, DecimalValue(thicknessText));
    CloseWindow(IDOK);
}

TRmpttnimpdlg::TRmpttnimpdlg(TWindow* parent, int resourceId) : TDialog(parent, resourceId)
{
    inchEdit = ValidatedEdit(Create<TEdit>(21501, THICKNESS_LIMIT), INCHES);
    numeratorEdit = ValidatedEdit(Create<TEdit>(21502, FRACTION_LIMIT), NUMERATOR);
    denominatorEdit = ValidatedEdit(Create<TEdit>(21503, FRACTION_LIMIT), DENOMINATOR);
}

void TRmpttnimpdlg::SetupWindow()
{
    TDialog::SetupWindow();
    TRoomWallSettings settings = ReadSettings<TRoomWallSettings>(IMPERIAL);
    if (const std::int32_t* thickness = StoredThickness(settings))
        ShowInches(*inchEdit, *numeratorEdit, *denominatorEdit, *thickness);
}

void TRmpttnimpdlg::CmOk()
{
    if (!CanClose())
        return;
    inchText = inchEdit->GetText(THICKNESS_LIMIT);
    numeratorText = numeratorEdit->GetText(FRACTION_LIMIT);
    denominatorText = denominatorEdit->GetText(FRACTION_LIMIT);
    StoreThickness(*this, IMPERIAL,
                   InchesLength(DecimalValue(inchText), DecimalValue(numeratorText), DecimalValue(denominatorText),
                                FractionRule::Proper));
    CloseWindow(IDOK);
}
