#include "dialogs/troomdlg.h"

#include "dialogs/dialogsettings.h"
#include "dialogs/imperial.h"
#include "dialogs/validatededit.h"
#include "model/settingsrecords.h"
#include "platform/decimaltext.h"

namespace {

// Control ids: the resource id plus these offsets.
constexpr int NAME = 1;
constexpr int METRIC_WIDTH = 2;
constexpr int METRIC_LENGTH = 3;
constexpr int METRIC_COLOURS = 4;
constexpr int METRIC_SIZES = 8;
constexpr int IMPERIAL_WIDTH = 2;   // feet, inches, numerator, denominator
constexpr int IMPERIAL_LENGTH = 6;
constexpr int IMPERIAL_COLOURS = 10;
constexpr int IMPERIAL_SIZES = 14;

// Text buffers, terminator included.
constexpr int NAME_LIMIT = 17;
constexpr int SIZE_LIMIT = 7;
constexpr int FEET_LIMIT = 5;
constexpr int INCH_LIMIT = 5;
constexpr int NUMERATOR_LIMIT = 5;
constexpr int DENOMINATOR_LIMIT = 4;
constexpr std::array<int, 4> IMPERIAL_LIMITS = {FEET_LIMIT, INCH_LIMIT, NUMERATOR_LIMIT, DENOMINATOR_LIMIT};

constexpr TWholeNumberRange ROOM_SIZE{100, 30001, "millimetres"};
constexpr std::int32_t NEW_ROOM_MAXIMUM_FEET = 34;
constexpr TWholeNumberRange INCHES{0, 11, "inches"};
constexpr TWholeNumberRange NUMERATOR{0, 7};
constexpr TWholeNumberRange DENOMINATOR{0, 8};

}  // namespace

// The radio groups

TDesignRoomChoices::TDesignRoomChoices(std::array<TRadioButton*, 4> colours, std::array<TRadioButton*, 5> sizes)
    : colourButtons(colours), sizeChoice(sizes)
{
}

void TDesignRoomChoices::Show()
{
    // The colour is not kept between rooms; the label style is.
    colourButtons[0]->Check();
    sizeChoice.Show();
}

bool TDesignRoomChoices::Store(TDialog& dialog) const
{
    TNewRoomSettings settings;
    for (std::size_t i = 0; i < colourButtons.size(); ++i)
        if (colourButtons[i]->IsChecked()) {
            settings.colourChoice = std::int32_t(i) + 1;
            break;
        }
    settings.sizeDisplay = sizeChoice.Checked();
    return StoreSettings(dialog, settings);
}

// Metric

TTroomdlg::TTroomdlg(TWindow* parent, int resourceId) : TDialog(parent, resourceId)
{
    nameEdit = NameEdit(Create<TEdit>(resourceId + NAME, NAME_LIMIT));
    widthEdit = ValidatedEdit(Create<TEdit>(resourceId + METRIC_WIDTH, SIZE_LIMIT), ROOM_SIZE);
    lengthEdit = ValidatedEdit(Create<TEdit>(resourceId + METRIC_LENGTH, SIZE_LIMIT), ROOM_SIZE);
    std::array<TRadioButton*, 4> colours;
    for (std::size_t i = 0; i < colours.size(); ++i)
        colours[i] = Create<TRadioButton>(resourceId + METRIC_COLOURS + int(i));
    std::array<TRadioButton*, 5> sizes;
    for (std::size_t i = 0; i < sizes.size(); ++i)
        sizes[i] = Create<TRadioButton>(resourceId + METRIC_SIZES + int(i));
    choices = TDesignRoomChoices(colours, sizes);
}

void TTroomdlg::SetupWindow()
{
    TDialog::SetupWindow();
    choices.Show();
}

void TTroomdlg::CmOk()
{
    if (!CanClose())
        return;
    roomNameText = nameEdit->GetText(NAME_LIMIT);
    widthText = widthEdit->GetText(SIZE_LIMIT);
    lengthText = lengthEdit->GetText(SIZE_LIMIT);
    choices.Store(*this);
    CloseWindow(IDOK);
}

std::int32_t TTroomdlg::Width() const
{
    return DecimalValue(widthText);
}

std::int32_t TTroomdlg::Length() const
{
    return DecimalValue(lengthText);
}

// Imperial

TTroomimpdlg::TTroomimpdlg(TWindow* parent, int resourceId) : TTroomimpdlg(parent, resourceId, NEW_ROOM_MAXIMUM_FEET)
{
}

TTroomimpdlg::TTroomimpdlg(TWindow* parent, int resourceId, std::int32_t maximumFeet) : TDialog(parent, resourceId)
{
    nameEdit = NameEdit(Create<TEdit>(resourceId + NAME, NAME_LIMIT));
    const TWholeNumberRange ranges[4] = {{1, maximumFeet, "feet"}, INCHES, NUMERATOR, DENOMINATOR};
    for (std::size_t i = 0; i < widthEdits.size(); ++i)
        widthEdits[i] = ValidatedEdit(Create<TEdit>(resourceId + IMPERIAL_WIDTH + int(i), IMPERIAL_LIMITS[i]), ranges[i]);
    for (std::size_t i = 0; i < lengthEdits.size(); ++i)
        lengthEdits[i] =
            ValidatedEdit(Create<TEdit>(resourceId + IMPERIAL_LENGTH + int(i), IMPERIAL_LIMITS[i]), ranges[i]);
    std::array<TRadioButton*, 4> colours;
    for (std::size_t i = 0; i < colours.size(); ++i)
        colours[i] = Create<TRadioButton>(resourceId + IMPERIAL_COLOURS + int(i));
    std::array<TRadioButton*, 5> sizes;
    for (std::size_t i = 0; i < sizes.size(); ++i)
        sizes[i] = Create<TRadioButton>(resourceId + IMPERIAL_SIZES + int(i));
    choices = TDesignRoomChoices(colours, sizes);
}

void TTroomimpdlg::SetupWindow()
{
    TDialog::SetupWindow();
    choices.Show();
}

void TTroomimpdlg::CmOk()
{
    if (!CanClose())
        return;
    roomNameText = nameEdit->GetText(NAME_LIMIT);
    for (std::size_t i = 0; i < widthEdits.size(); ++i) {
        widthTexts[i] = widthEdits[i]->GetText(IMPERIAL_LIMITS[i]);
        lengthTexts[i] = lengthEdits[i]->GetText(IMPERIAL_LIMITS[i]);
    }
    choices.Store(*this);
    CloseWindow(IDOK);
}

std::int32_t TTroomimpdlg::Width() const
{
    return proposedWidth.Kept(widthTexts).value_or(FeetFieldsLength(widthTexts));
}

std::int32_t TTroomimpdlg::Length() const
{
    return proposedLength.Kept(lengthTexts).value_or(FeetFieldsLength(lengthTexts));
}
