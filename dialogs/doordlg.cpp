#include "dialogs/doordlg.h"

#include "model/drawingstate.h"
#include "model/settingsrecords.h"
#include "platform/rangevalidator.h"

#include <memory>

namespace {

constexpr int WIDTH_LIMIT = 7;

}  // namespace

TDoordlg::TDoordlg(TWindow* parent, int resourceId, int initialWidth)
    : TDialog(parent, resourceId), initialWidth(initialWidth)
{
    widthEdit = Create<TEdit>(10501, WIDTH_LIMIT);
    widthEdit->SetValidator(std::make_unique<TRangeValidator>(5, 5000));
    for (int i = 0; i < 8; ++i)
        codeButtons[i] = Create<TRadioButton>(DOOR_CODE_BUTTONS[i]);
}

void TDoordlg::SetupWindow()
{
    TDialog::SetupWindow();
    codeButtons[0]->Check();
    const bool imperial = State().unitSystem == 0;
    const int shown = initialWidth == 0         ? DefaultDoorWidth()
                      : imperial && initialWidth >= 1 ? initialWidth / 24
                                                      : initialWidth;
    widthEdit->SetText(std::to_string(shown));
}

int DefaultDoorWidth()
{
    const TDoorSizeSettings sizes = ReadSettings<TDoorSizeSettings>();
    return State().unitSystem == 0 ? sizes.imperialWidth / 24 : sizes.metricWidth;
}

void TDoordlg::CmOk()
{
    if (!CanClose())
        return;
    widthText = widthEdit->GetText(WIDTH_LIMIT);
    for (int i = 0; i < 8; ++i)
        if (codeButtons[i]->IsChecked()) {
            doorType = i + 1;
            break;
        }
    CloseWindow(IDOK);
}
