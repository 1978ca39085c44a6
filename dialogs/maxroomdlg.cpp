#include "dialogs/maxroomdlg.h"

#include "model/imperiallength.h"

#include <string>

namespace {

constexpr std::int32_t MAXIMUM_FEET = 100;

// Feet, inches and, from one eighth on, the eighths in lowest terms; the fraction edits keep their
// "0" below an eighth.
void ShowImperial(const std::array<TEdit*, 4>& edits, int value)
{
    const TFeetLength split = SplitFeet(value);
    edits[0]->SetText(std::to_string(split.feet));
    edits[1]->SetText(std::to_string(split.inches));
    if (split.fraction.denominator != 0) {
        edits[2]->SetText(std::to_string(split.fraction.numerator));
        edits[3]->SetText(std::to_string(split.fraction.denominator));
    }
}

}  // namespace

TMaxroomdlg::TMaxroomdlg(TWindow* parent, int resourceId, int maxWidth, int maxLength)
    : TTroomdlg(parent, resourceId), maxWidth(maxWidth), maxLength(maxLength)
{
}

void TMaxroomdlg::SetupWindow()
{
    widthEdit->SetText(std::to_string(maxWidth));
    lengthEdit->SetText(std::to_string(maxLength));
    TTroomdlg::SetupWindow();
}

TMaxroomimpdlg::TMaxroomimpdlg(TWindow* parent, int resourceId, int maxWidth, int maxLength)
    : TTroomimpdlg(parent, resourceId, MAXIMUM_FEET), maxWidth(maxWidth), maxLength(maxLength)
{
}

void TMaxroomimpdlg::SetupWindow()
{
    ShowImperial(widthEdits, maxWidth);
    ShowImperial(lengthEdits, maxLength);
    TTroomimpdlg::SetupWindow();
}
