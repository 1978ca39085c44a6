#include "dialogs/strsdlg.h"

#include "dialogs/imperial.h"
#include "dialogs/radiochoice.h"
#include "dialogs/validatededit.h"
#include "platform/decimaltext.h"

namespace {

// Text limits, terminator included.
constexpr int METRIC_LIMIT = 6;
constexpr int INCH_WIDTH_LIMIT = 5;
constexpr int FEET_LIMIT = 4;
constexpr int STOREY_FEET_LIMIT = 6;
constexpr int INCH_LIMIT = 4;

constexpr std::array<int, 2> FLIGHT_CODES = {FLIGHT_RETURN_LANDING, FLIGHT_STRAIGHT};
// In the order the buttons are asked: top, right, bottom, left.
constexpr std::array<int, 4> POSITION_CODES = {TOP_TREAD_TOP, TOP_TREAD_RIGHT, TOP_TREAD_BOTTOM, TOP_TREAD_LEFT};

// An inch text counts only when it holds more than 0.
std::int32_t FeetAndInches(const std::string& feet, const std::string& inches)
{
    const std::int32_t inch = DecimalValue(inches);
    return FeetLength(DecimalValue(feet), inch > 0 ? inch : 0, 0, 0, FractionRule::Proper);
}

}  // namespace

TStrsdlg::TStrsdlg(TWindow* parent, int resourceId) : TDialog(parent, resourceId)
{
    widthEdit = ValidatedEdit(Create<TEdit>(2551, METRIC_LIMIT), {800, 6000, "millimetres"});
    stairwellEdit = ValidatedEdit(Create<TEdit>(2559, METRIC_LIMIT), {0, 7500, "millimetres"});
    storeyEdit = ValidatedEdit(Create<TEdit>(2560, METRIC_LIMIT), {2000, 7500, "millimetres"});
    flightButtons = {Create<TRadioButton>(2552), Create<TRadioButton>(2553)};
    positionButtons = {Create<TRadioButton>(2554), Create<TRadioButton>(2558), Create<TRadioButton>(2557),
                       Create<TRadioButton>(2555)};
}

void TStrsdlg::SetupWindow()
{
    TDialog::SetupWindow();
    // The edits keep their template texts.
    flightButtons[0]->Check();
    positionButtons[3]->Check();
}

void TStrsdlg::CmOk()
{
    if (!CanClose())
        return;
    widthText = widthEdit->GetText(METRIC_LIMIT);
    stairwellText = stairwellEdit->GetText(METRIC_LIMIT);
    storeyText = storeyEdit->GetText(METRIC_LIMIT);
    ReadChoice(flightButtons, FLIGHT_CODES, flightType);
    ReadChoice(positionButtons, POSITION_CODES, topTreadSide);
    CloseWindow(IDOK);
}

TStairsChoice TStrsdlg::Choice() const
{
    return {DecimalValue(widthText), DecimalValue(stairwellText), DecimalValue(storeyText), flightType,
            topTreadSide};
}

TStrsimpdlg::TStrsimpdlg(TWindow* parent, int resourceId) : TDialog(parent, resourceId)
{
    widthEdit = ValidatedEdit(Create<TEdit>(3081, INCH_WIDTH_LIMIT), {32, 240, "inches"});
    stairwellFeetEdit = ValidatedEdit(Create<TEdit>(3082, FEET_LIMIT), {0, 25, "feet"});
    stairwellInchEdit = ValidatedEdit(Create<TEdit>(3083, INCH_LIMIT), {0, 11, "inches"});
    storeyFeetEdit = ValidatedEdit(Create<TEdit>(3091, STOREY_FEET_LIMIT), {6, 15, "feet"});
    storeyInchEdit = ValidatedEdit(Create<TEdit>(3092, INCH_LIMIT), {0, 11, "inches"});
    flightButtons = {Create<TRadioButton>(3084), Create<TRadioButton>(3085)};
    positionButtons = {Create<TRadioButton>(3086), Create<TRadioButton>(3087), Create<TRadioButton>(3089),
                       Create<TRadioButton>(3090)};
}

void TStrsimpdlg::SetupWindow()
{
    TDialog::SetupWindow();
    flightButtons[0]->Check();
    positionButtons[3]->Check();
}

void TStrsimpdlg::CmOk()
{
    if (!CanClose())
        return;
    widthText = widthEdit->GetText(INCH_WIDTH_LIMIT);
    stairwellFeetText = stairwellFeetEdit->GetText(FEET_LIMIT);
    stairwellInchText = stairwellInchEdit->GetText(INCH_LIMIT);
    storeyFeetText = storeyFeetEdit->GetText(STOREY_FEET_LIMIT);
    storeyInchText = storeyInchEdit->GetText(INCH_LIMIT);
    ReadChoice(flightButtons, FLIGHT_CODES, flightType);
    ReadChoice(positionButtons, POSITION_CODES, topTreadSide);
    CloseWindow(IDOK);
}

TStairsChoice TStrsimpdlg::Choice() const
{
    return {InchesLength(DecimalValue(widthText), 0, 0, FractionRule::Proper),
            FeetAndInches(stairwellFeetText, stairwellInchText), FeetAndInches(storeyFeetText, storeyInchText),
            flightType, topTreadSide};
}
