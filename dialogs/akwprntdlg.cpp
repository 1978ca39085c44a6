#include "dialogs/akwprntdlg.h"

#include "dialogs/displaymode.h"
#include "dialogs/radiochoice.h"
#include "dialogs/validatededit.h"
#include "model/drawingstate.h"
#include "model/printlist.h"
#include "platform/wholenumber.h"

namespace {

// Edits hold 4 characters and the terminator.
constexpr int FIELD_LIMIT = 5;
const TWholeNumberRange COPIES_RANGE{0, 9999, "copies"};
const TWholeNumberRange SCALE_RANGE{1, 9999, nullptr};
// The line weight of each radio: light, medium, heavy.
constexpr std::array<int, 3> LINE_WEIGHTS = {1, 2, 3};

}  // namespace

TAkwprntdlg::TAkwprntdlg(TWindow* parent, int resourceId) : TDialog(parent, resourceId)
{
    // Ground, first and second floor: copies 19501..19503, scales 19504..19506.
    for (int floor = 0; floor < 3; ++floor) {
        copiesEdits[std::size_t(floor)] = ValidatedEdit(Create<TEdit>(19501 + floor, FIELD_LIMIT), COPIES_RANGE);
        scaleEdits[std::size_t(floor)] = Create<TEdit>(19504 + floor, FIELD_LIMIT);
    }
    noDimensionsBox = Create<TCheckBox>(19509);
    noScaleBox = Create<TCheckBox>(19510);
    lightButton = Create<TRadioButton>(19512);
    mediumButton = Create<TRadioButton>(19513);
    heavyButton = Create<TRadioButton>(19514);
    normalButton = Create<TRadioButton>(19515);
    hatchedButton = Create<TRadioButton>(19516);
    solidButton = Create<TRadioButton>(19517);
}

void TAkwprntdlg::SetupWindow()
{
    TDialog::SetupWindow();
    const TDrawingState& state = State();
    // 1:100 metric, a quarter inch to the foot imperial.
    for (TEdit* scale : scaleEdits)
        scale->SetText(state.unitSystem == 1 ? "100" : "96");
    mediumButton->Check();
    const int mode = state.displayMode;
    noDimensionsBox->SetCheck(mode % 10 != 0);
    CheckWallStyle(mode, *normalButton, *hatchedButton, *solidButton);
}

bool TAkwprntdlg::ScalesValid()
{
    for (std::size_t floor = 0; floor < 3; ++floor) {
        const int copies = ReadWholeNumber(copiesEdits[floor]->GetText(), COPIES_RANGE).value_or(0);
        if (copies > 0 && !ReadWholeNumber(scaleEdits[floor]->GetText(), SCALE_RANGE)) {
            MessageBox("Scale of the " + PrintFloorName(GROUND_FLOOR + int(floor)) + ": " + SCALE_RANGE.Message() +
                           " (100 prints at 1:100)",
                       ApplicationName, MB_OK | MB_ICONEXCLAMATION);
            scaleEdits[floor]->SetFocus();
            return false;
        }
    }
    return true;
}

void TAkwprntdlg::CmOk()
{
    // Nothing is taken until every floor to print has its copies and scale.
    if (!CanClose() || !ScalesValid())
        return;
    for (std::size_t floor = 0; floor < 3; ++floor) {
        copiesText[floor] = copiesEdits[floor]->GetText(FIELD_LIMIT);
        scaleText[floor] = scaleEdits[floor]->GetText(FIELD_LIMIT);
    }
    ReadChoice(std::array{lightButton, mediumButton, heavyButton}, LINE_WEIGHTS, lineWeight);
    showScale = noScaleBox->IsChecked() ? 0 : 1;
    State().displayMode = CheckedWallStyle(*hatchedButton, *solidButton) + (noDimensionsBox->IsChecked() ? 1 : 0);
    CloseWindow(IDOK);
}

std::vector<TPrintFloor> TAkwprntdlg::PrintList() const
{
    std::vector<TPrintFloor> floors;
    for (std::size_t floor = 0; floor < 3; ++floor) {
        const int copies = ReadWholeNumber(copiesText[floor], COPIES_RANGE).value_or(0);
        if (copies > 0)
            floors.push_back({copies, ReadWholeNumber(scaleText[floor], SCALE_RANGE).value_or(0),
                              GROUND_FLOOR + int(floor)});
    }
    return floors;
}
