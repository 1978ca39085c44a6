#include "dialogs/offsetdlg.h"

#include "dialogs/dialogsettings.h"
#include "dialogs/validatededit.h"
#include "model/imperiallength.h"
#include "model/settingsrecords.h"

namespace {

// Edits hold 5 characters and the terminator.
constexpr int OFFSET_LIMIT = 6;

// Orientation codes.
constexpr int HORIZONTAL = 0;
constexpr int PARALLEL = 2700;

// Selects the button of a point size: 9 or 10; any other size selects neither.
void ShowSize(int size, TRadioButton* nine, TRadioButton* ten)
{
    if (size == 9)
        nine->Check();
    else if (size == 10)
        ten->Check();
}

// The size the group's buttons choose (the 9-point button asked first), else the size as it was.
int ChosenSize(int previous, const TRadioButton* nine, const TRadioButton* ten)
{
    if (nine->IsChecked())
        return 9;
    if (ten->IsChecked())
        return 10;
    return previous;
}

}  // namespace

TOffsetSettingsDialog::TOffsetSettingsDialog(TWindow* parent, int resourceId, const TIds& ids, const TUnits& units)
    : TDialog(parent, resourceId), units(units)
{
    auto edit = [this](int id, const TWholeNumberRange& range) {
        return ValidatedEdit(Create<TEdit>(id, OFFSET_LIMIT), range);
    };
    internalEdit = edit(ids.internal, units.wallRange);
    externalEdit = edit(ids.external, units.wallRange);
    overallEdit = edit(ids.overall, units.overallRange);
    horizontalButton = Create<TRadioButton>(ids.horizontal);
    parallelButton = Create<TRadioButton>(ids.parallel);
    dimensionText9Button = Create<TRadioButton>(ids.dimension9);
    dimensionText10Button = Create<TRadioButton>(ids.dimension10);
    roomDimension9Button = Create<TRadioButton>(ids.roomDimension9);
    roomDimension10Button = Create<TRadioButton>(ids.roomDimension10);
    roomName9Button = Create<TRadioButton>(ids.roomName9);
    roomName10Button = Create<TRadioButton>(ids.roomName10);
}

void TOffsetSettingsDialog::SetupWindow()
{
    TDialog::SetupWindow();
    const auto stored = ReadSettings<TOffsetSettings>(units.unitSystem);
    textOrientation = stored.textOrientation;
    dimensionTextSize = stored.dimensionTextSize;
    roomDimensionTextSize = stored.roomDimensionTextSize;
    roomNameTextSize = stored.roomNameTextSize;

    internalEdit->SetText(std::to_string(stored.internalOffset / units.unitsPerShown));
    externalEdit->SetText(std::to_string(stored.externalOffset / units.unitsPerShown));
    overallEdit->SetText(std::to_string(stored.overallOffset / units.unitsPerShown));
    if (stored.textOrientation == HORIZONTAL)
        horizontalButton->Check();
    else if (stored.textOrientation > HORIZONTAL)
        parallelButton->Check();
    ShowSize(stored.dimensionTextSize, dimensionText9Button, dimensionText10Button);
    ShowSize(stored.roomDimensionTextSize, roomDimension9Button, roomDimension10Button);
    ShowSize(stored.roomNameTextSize, roomName9Button, roomName10Button);
}

void TOffsetSettingsDialog::CmOk()
{
    // Nothing is stored until every field holds a number in its range.
    if (!CanClose())
        return;
    internalText = internalEdit->GetText(OFFSET_LIMIT);
    externalText = externalEdit->GetText(OFFSET_LIMIT);
    overallText = overallEdit->GetText(OFFSET_LIMIT);
    if (horizontalButton->IsChecked())
        textOrientation = HORIZONTAL;
    else if (parallelButton->IsChecked())
        textOrientation = PARALLEL;
    dimensionTextSize = ChosenSize(dimensionTextSize, dimensionText9Button, dimensionText10Button);
    roomDimensionTextSize = ChosenSize(roomDimensionTextSize, roomDimension9Button, roomDimension10Button);
    roomNameTextSize = ChosenSize(roomNameTextSize, roomName9Button, roomName10Button);

    auto length = [this](const std::string& text, const TWholeNumberRange& range) {
        return ReadWholeNumber(text, range).value_or(0) * units.unitsPerShown;
    };
    TOffsetSettings record;
    record.internalOffset = length(internalText, units.wallRange);
    record.externalOffset = length(externalText, units.wallRange);
    record.overallOffset = length(overallText, units.overallRange);
    record.textOrientation = textOrientation;
    record.dimensionTextSize = dimensionTextSize;
    record.roomDimensionTextSize = roomDimensionTextSize;
    record.roomNameTextSize = roomNameTextSize;
    StoreSettings(*this, record, units.unitSystem);
    CloseWindow(IDOK);
}

TOffsetdlg::TOffsetdlg(TWindow* parent, int resourceId)
    : TOffsetSettingsDialog(parent, resourceId, {5501, 5502, 5503, 5504, 5505, 5506, 5507, 5508, 5509, 5510, 5511},
                            {1, 1, {100, 3000, "millimetres"}, {100, 5000, "millimetres"}})
{
}

TOffsetimpdlg::TOffsetimpdlg(TWindow* parent, int resourceId)
    : TOffsetSettingsDialog(parent, resourceId, {5609, 5610, 5611, 5601, 5602, 5603, 5604, 5605, 5606, 5607, 5608},
                            {0, UNITS_PER_INCH, {6, 120, "inches"}, {6, 240, "inches"}})
{
}
