#include "dialogs/roomdlg.h"

#include "dialogs/dialogsettings.h"
#include "dialogs/imperial.h"
#include "dialogs/validatededit.h"
#include "model/settingsrecords.h"
#include "platform/decimaltext.h"

namespace {

constexpr int METRIC = 1;
constexpr int IMPERIAL = 0;

// Text buffers, terminator included.
constexpr int NAME_LIMIT = 17;
constexpr int SIZE_LIMIT = 7;
constexpr int THICKNESS_LIMIT = 6;
constexpr int IMPERIAL_SIZE_LIMIT = 5;
constexpr int THICKNESS_INCH_LIMIT = 5;
constexpr int THICKNESS_FRACTION_LIMIT = 4;

constexpr TWholeNumberRange ROOM_SIZE{400, 30001, "millimetres"};
constexpr TWholeNumberRange WALL_THICKNESS{10, 1001, "millimetres"};
constexpr TWholeNumberRange ROOM_FEET{1, 61, "feet"};
constexpr TWholeNumberRange INCHES{0, 11, "inches"};
constexpr TWholeNumberRange NUMERATOR{0, 7};
constexpr TWholeNumberRange DENOMINATOR{0, 8};
constexpr TWholeNumberRange WALL_INCHES{1, 50, "inches"};

// The ranges of the feet, inches, numerator and denominator edits of one length.
constexpr std::array<TWholeNumberRange, 4> FEET_FIELDS = {ROOM_FEET, INCHES, NUMERATOR, DENOMINATOR};

template <std::size_t N>
std::array<std::string, N> Texts(const std::array<TEdit*, N>& edits, int limit)
{
    std::array<std::string, N> texts;
    for (std::size_t i = 0; i < N; ++i)
        texts[i] = edits[i]->GetText(limit);
    return texts;
}

// Keeps the label style in CFG/NEWRM.CFG with colour 0 (a fixed room has no colour); a failed write
// has been told.
void StoreSizeDisplay(TDialog& dialog, std::int32_t sizeDisplay)
{
    TNewRoomSettings settings;
    settings.sizeDisplay = sizeDisplay;
    settings.colourChoice = 0;
    StoreSettings(dialog, settings);
}

// Rewrites the internal-wall thickness file of the unit system; a failed write has been told.
void StoreThickness(TDialog& dialog, int unitSystem, std::int32_t thickness)
{
    TInternalWallSettings settings;
    settings.thickness = thickness;
    StoreSettings(dialog, settings, unitSystem);
}

}  // namespace

// Metric

TRoomdlg::TRoomdlg(TWindow* parent, int resourceId) : TDialog(parent, resourceId)
{
    nameEdit = NameEdit(Create<TEdit>(8001, NAME_LIMIT));
    widthEdit = ValidatedEdit(Create<TEdit>(8002, SIZE_LIMIT), ROOM_SIZE);
    lengthEdit = ValidatedEdit(Create<TEdit>(8003, SIZE_LIMIT), ROOM_SIZE);
    thicknessEdit = ValidatedEdit(Create<TEdit>(8004, THICKNESS_LIMIT), WALL_THICKNESS);
    std::array<TRadioButton*, 5> radios{};
    for (std::size_t i = 0; i < radios.size(); ++i)
        radios[i] = Create<TRadioButton>(8005 + int(i));
    sizes = TRoomSizeChoice(radios);
}

void TRoomdlg::SetupWindow()
{
    TDialog::SetupWindow();
    const TRoomSizeSettings found = ReadSettings<TRoomSizeSettings>(METRIC);
    widthEdit->SetText(std::to_string(found.width));
    lengthEdit->SetText(std::to_string(found.length));
    thicknessEdit->SetText(std::to_string(ReadSettings<TInternalWallSettings>(METRIC).thickness));
    sizes.Show();
}

void TRoomdlg::CmOk()
{
    if (!CanClose())
        return;
    roomNameText = nameEdit->GetText(NAME_LIMIT);
    widthText = widthEdit->GetText(SIZE_LIMIT);
    lengthText = lengthEdit->GetText(SIZE_LIMIT);
    thicknessText = thicknessEdit->GetText(THICKNESS_LIMIT);
    sizeDisplay = sizes.Checked();
    StoreSizeDisplay(*this, sizeDisplay);
    StoreThickness(*this, METRIC, DecimalValue(thicknessText));
    CloseWindow(IDOK);
}

std::int32_t TRoomdlg::Width() const { return DecimalValue(widthText); }
std::int32_t TRoomdlg::Length() const { return DecimalValue(lengthText); }

// Imperial

TRoomimpdlg::TRoomimpdlg(TWindow* parent, int resourceId) : TDialog(parent, resourceId)
{
    nameEdit = NameEdit(Create<TEdit>(8501, NAME_LIMIT));
    for (std::size_t i = 0; i < FEET_FIELDS.size(); ++i) {
        widthEdits[i] = ValidatedEdit(Create<TEdit>(8502 + int(i), IMPERIAL_SIZE_LIMIT), FEET_FIELDS[i]);
        lengthEdits[i] = ValidatedEdit(Create<TEdit>(8506 + int(i), IMPERIAL_SIZE_LIMIT), FEET_FIELDS[i]);
    }
    thicknessEdits = {ValidatedEdit(Create<TEdit>(8510, THICKNESS_INCH_LIMIT), WALL_INCHES),
                      ValidatedEdit(Create<TEdit>(8511, THICKNESS_FRACTION_LIMIT), NUMERATOR),
                      ValidatedEdit(Create<TEdit>(8512, THICKNESS_FRACTION_LIMIT), DENOMINATOR)};
    std::array<TRadioButton*, 5> radios{};
    for (std::size_t i = 0; i < radios.size(); ++i)
        radios[i] = Create<TRadioButton>(8513 + int(i));
    sizes = TRoomSizeChoice(radios);
}

void TRoomimpdlg::SetupWindow()
{
    TDialog::SetupWindow();
    const TRoomSizeSettings found = ReadSettings<TRoomSizeSettings>(IMPERIAL);
    proposedWidth.Show(widthEdits, found.width);
    proposedLength.Show(lengthEdits, found.length);
    ShowInches(*thicknessEdits[0], *thicknessEdits[1], *thicknessEdits[2],
               ReadSettings<TInternalWallSettings>(IMPERIAL).thickness);
    sizes.Show();
}

void TRoomimpdlg::CmOk()
{
    if (!CanClose())
        return;
    roomNameText = nameEdit->GetText(NAME_LIMIT);
    widthTexts = Texts(widthEdits, IMPERIAL_SIZE_LIMIT);
    lengthTexts = Texts(lengthEdits, IMPERIAL_SIZE_LIMIT);
    thicknessTexts = {thicknessEdits[0]->GetText(THICKNESS_INCH_LIMIT),
                      thicknessEdits[1]->GetText(THICKNESS_FRACTION_LIMIT),
                      thicknessEdits[2]->GetText(THICKNESS_FRACTION_LIMIT)};
    sizeDisplay = sizes.Checked();
    StoreSizeDisplay(*this, sizeDisplay);
    StoreThickness(*this, IMPERIAL,
                   InchesLength(DecimalValue(thicknessTexts[0]), DecimalValue(thicknessTexts[1]),
                                DecimalValue(thicknessTexts[2]), FractionRule::Proper));
    CloseWindow(IDOK);
}

// The size the room finder measured when the user left it as shown.
std::int32_t TRoomimpdlg::Width() const
{
    return proposedWidth.Kept(widthTexts).value_or(FeetFieldsLength(widthTexts));
}

std::int32_t TRoomimpdlg::Length() const
{
    return proposedLength.Kept(lengthTexts).value_or(FeetFieldsLength(lengthTexts));
}
