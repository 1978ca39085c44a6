#include "dialogs/offsetdlg.h"

#include "dialogs/dialogsettings.h"
#include "model/imperiallength.h"
#include "model/settingsrecords.h"
#include "platform/wholenumbervalidator.h"

namespace {

// Edits hold 5 characters and the terminator.
constexpr int OFFSET_LIMIT = 6;

// Orientation codes.
constexpr int HORIZONTAL = 0;
constexpr int PARALLEL = 2700;

// The offset ranges, in the unit each dialog shows.
constexpr TWholeNumberRange METRIC_WALL_OFFSET{100, 3000, "millimetres"};
constexpr TWholeNumberRange METRIC_OVERALL_OFFSET{100, 5000, "millimetres"};
constexpr TWholeNumberRange IMPERIAL_WALL_OFFSET{6, 120, "inches"};
constexpr TWholeNumberRange IMPERIAL_OVERALL_OFFSET{6, 240, "inches"};

// The two dialogs differ only in their ids, ranges and unit: metric lengths are shown as stored,
// imperial ones in whole inches (stored x 24).
struct TOffsetUnits {
    int unitSystem;
    int unitsPerShown;
    TWholeNumberRange wallRange;
    TWholeNumberRange overallRange;
};
constexpr TOffsetUnits METRIC{1, 1, METRIC_WALL_OFFSET, METRIC_OVERALL_OFFSET};
constexpr TOffsetUnits IMPERIAL{0, UNITS_PER_INCH, IMPERIAL_WALL_OFFSET, IMPERIAL_OVERALL_OFFSET};

// The control ids of one twin, in the order the members are created.
struct TOffsetIds {
    int internal, external, overall;
    int horizontal, parallel, dimension9, dimension10, roomDimension9, roomDimension10, roomName9, roomName10;
};
constexpr TOffsetIds METRIC_IDS{5501, 5502, 5503, 5504, 5505, 5506, 5507, 5508, 5509, 5510, 5511};
constexpr TOffsetIds IMPERIAL_IDS{5609, 5610, 5611, 5601, 5602, 5603, 5604, 5605, 5606, 5607, 5608};

// Creates the controls in member order; makeEdit and makeRadio create one control of the dialog.
template <class Dialog, class MakeEdit, class MakeRadio>
void CreateControls(Dialog& dialog, const TOffsetIds& ids, const TOffsetUnits& units, MakeEdit makeEdit,
                    MakeRadio makeRadio)
{
    auto edit = [&](int id, const TWholeNumberRange& range) {
        TEdit* created = makeEdit(id);
        created->SetValidator(std::make_unique<TWholeNumberValidator>(range));
        return created;
    };
    dialog.internalEdit = edit(ids.internal, units.wallRange);
    dialog.externalEdit = edit(ids.external, units.wallRange);
    dialog.overallEdit = edit(ids.overall, units.overallRange);
    dialog.horizontalButton = makeRadio(ids.horizontal);
    dialog.parallelButton = makeRadio(ids.parallel);
    dialog.dimensionText9Button = makeRadio(ids.dimension9);
    dialog.dimensionText10Button = makeRadio(ids.dimension10);
    dialog.roomDimension9Button = makeRadio(ids.roomDimension9);
    dialog.roomDimension10Button = makeRadio(ids.roomDimension10);
    dialog.roomName9Button = makeRadio(ids.roomName9);
    dialog.roomName10Button = makeRadio(ids.roomName10);
}

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

template <class Dialog>
void ShowSettings(Dialog& dialog, const TOffsetUnits& units)
{
    const auto stored = ReadSettings<TOffsetSettings>(units.unitSystem);
    dialog.textOrientation = stored.textOrientation;
    dialog.dimensionTextSize = stored.dimensionTextSize;
    dialog.roomDimensionTextSize = stored.roomDimensionTextSize;
    dialog.roomNameTextSize = stored.roomNameTextSize;

    dialog.internalEdit->SetText(std::to_string(stored.internalOffset / units.unitsPerShown));
    dialog.externalEdit->SetText(std::to_string(stored.externalOffset / units.unitsPerShown));
    dialog.overallEdit->SetText(std::to_string(stored.overallOffset / units.unitsPerShown));
    if (stored.textOrientation == HORIZONTAL)
        dialog.horizontalButton->Check();
    else if (stored.textOrientation > HORIZONTAL)
        dialog.parallelButton->Check();
    ShowSize(stored.dimensionTextSize, dialog.dimensionText9Button, dialog.dimensionText10Button);
    ShowSize(stored.roomDimensionTextSize, dialog.roomDimension9Button, dialog.roomDimension10Button);
    ShowSize(stored.roomNameTextSize, dialog.roomName9Button, dialog.roomName10Button);
}

template <class Dialog>
void StoreAndClose(Dialog& dialog, const TOffsetUnits& units)
{
    // Nothing is stored until every field holds a number in its range.
    if (!dialog.CanClose())
        return;
    dialog.internalText = dialog.internalEdit->GetText(OFFSET_LIMIT);
    dialog.externalText = dialog.externalEdit->GetText(OFFSET_LIMIT);
    dialog.overallText = dialog.overallEdit->GetText(OFFSET_LIMIT);
    if (dialog.horizontalButton->IsChecked())
        dialog.textOrientation = HORIZONTAL;
    else if (dialog.parallelButton->IsChecked())
        dialog.textOrientation = PARALLEL;
    dialog.dimensionTextSize =
        ChosenSize(dialog.dimensionTextSize, dialog.dimensionText9Button, dialog.dimensionText10Button);
    dialog.roomDimensionTextSize =
        ChosenSize(dialog.roomDimensionTextSize, dialog.roomDimension9Button, dialog.roomDimension10Button);
    dialog.roomNameTextSize = ChosenSize(dialog.roomNameTextSize, dialog.roomName9Button, dialog.roomName10Button);

    auto length = [&](const std::string& text, const TWholeNumberRange& range) {
        return ReadWholeNumber(text, range).value_or(0) * units.unitsPerShown;
    };
    TOffsetSettings record;
    record.internalOffset = length(dialog.internalText, units.wallRange);
    record.externalOffset = length(dialog.externalText, units.wallRange);
    record.overallOffset = length(dialog.overallText, units.overallRange);
    record.textOrientation = dialog.textOrientation;
    record.dimensionTextSize = dialog.dimensionTextSize;
    record.roomDimensionTextSize = dialog.roomDimensionTextSize;
    record.roomNameTextSize = dialog.roomNameTextSize;
    StoreSettings(dialog, SettingsFileName<TOffsetSettings>(units.unitSystem), FormatSettings(record));
    dialog.CloseWindow(IDOK);
}

}  // namespace

TOffsetdlg::TOffsetdlg(TWindow* parent, int resourceId) : TDialog(parent, resourceId)
{
    CreateControls(
        *this, METRIC_IDS, METRIC, [this](int id) { return Create<TEdit>(id, OFFSET_LIMIT); },
        [this](int id) { return Create<TRadioButton>(id); });
}

void TOffsetdlg::SetupWindow()
{
    TDialog::SetupWindow();
    ShowSettings(*this, METRIC);
}

void TOffsetdlg::CmOk()
{
    StoreAndClose(*this, METRIC);
}

TOffsetimpdlg::TOffsetimpdlg(TWindow* parent, int resourceId) : TDialog(parent, resourceId)
{
    CreateControls(
        *this, IMPERIAL_IDS, IMPERIAL, [this](int id) { return Create<TEdit>(id, OFFSET_LIMIT); },
        [this](int id) { return Create<TRadioButton>(id); });
}

void TOffsetimpdlg::SetupWindow()
{
    TDialog::SetupWindow();
    ShowSettings(*this, IMPERIAL);
}

void TOffsetimpdlg::CmOk()
{
    StoreAndClose(*this, IMPERIAL);
}
