#include "dialogs/textdlg.h"

#include "model/drawingstate.h"

#include <string>

namespace {
// Text limits of the three statics, terminator included.
constexpr int FACE_LIMIT = 32;
constexpr int WEIGHT_LIMIT = 10;
constexpr int POINT_SIZE_LIMIT = 5;
}  // namespace

TTextdlg::TTextdlg(TWindow* parent, int resourceId) : TDialog(parent, resourceId)
{
    faceText = Create<TStatic>(2305, FACE_LIMIT);
    weightText = Create<TStatic>(2306, WEIGHT_LIMIT);
    pointSizeText = Create<TStatic>(2307, POINT_SIZE_LIMIT);
    centreButton = Create<TRadioButton>(2301);
    rightButton = Create<TRadioButton>(2302);
    horizontalButton = Create<TRadioButton>(2303);
    verticalButton = Create<TRadioButton>(2304);
}

void TTextdlg::SetupWindow()
{
    TDialog::SetupWindow();
    const TDrawingState& state = State();
    faceText->SetText(state.currentFontFace);
    weightText->SetText(std::to_string(state.textWeight));
    pointSizeText->SetText(std::to_string(state.textPointSize));
    centreButton->Check();
    horizontalButton->Check();
}

void TTextdlg::CmOk()
{
    if (centreButton->IsChecked())
        alignment = 1;
    else if (rightButton->IsChecked())
        alignment = 2;
    if (horizontalButton->IsChecked())
        escapement = 0;
    else if (verticalButton->IsChecked())
        escapement = 2700;
    CloseWindow(IDOK);
}
