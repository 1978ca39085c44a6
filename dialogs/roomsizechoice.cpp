#include "dialogs/roomsizechoice.h"

#include "dialogs/imperial.h"
#include "dialogs/radiochoice.h"
#include "model/settingsrecords.h"
#include "platform/decimaltext.h"

namespace {

// The label style of each radio, in template order.
constexpr std::array<std::int32_t, 5> SIZE_CODES = {1, 0, 2, 3, 4};

void ShowFraction(TEdit& numerator, TEdit& denominator, const TInchFraction& fraction)
{
    numerator.SetText(std::to_string(fraction.numerator));
    denominator.SetText(std::to_string(fraction.denominator));
}

}  // namespace

void TRoomSizeChoice::Show()
{
    const std::int32_t stored = ReadSettings<TNewRoomSettings>().sizeDisplay;
    for (std::size_t i = 0; i < buttons.size(); ++i)
        buttons[i]->SetCheck(SIZE_CODES[i] == stored);
}

std::int32_t TRoomSizeChoice::Checked() const
{
    std::int32_t style = 0;
    ReadChoice(buttons, SIZE_CODES, style);
    return style;
}

void ShowFeet(const std::array<TEdit*, 4>& edits, std::int32_t value)
{
    const TFeetLength shown = SplitFeet(value);
    edits[0]->SetText(std::to_string(shown.feet));
    edits[1]->SetText(std::to_string(shown.inches));
    ShowFraction(*edits[2], *edits[3], shown.fraction);
}

void ShowInches(TEdit& inches, TEdit& numerator, TEdit& denominator, std::int32_t value)
{
    const TInchLength shown = SplitInches(value);
    inches.SetText(std::to_string(shown.inches));
    ShowFraction(numerator, denominator, shown.fraction);
}

std::int32_t FeetFieldsLength(const std::array<std::string, 4>& texts)
{
    return FeetLength(DecimalValue(texts[0]), DecimalValue(texts[1]), DecimalValue(texts[2]), DecimalValue(texts[3]),
                      FractionRule::Proper);
}
