#pragma once
// The choice between a single sliding door and multiple hanging or sliding doors in an internal
// wall, which decides the next door dialog.
#include "platform/dialog.h"
#include "platform/radiobutton.h"

class TMiscdrdlg : public TDialog {
public:
    TMiscdrdlg(TWindow* parent, int resourceId);

    void SetupWindow() override;
    void CmOk() override;

    int doorChoice = 1;  // 1 single sliding door, 2 multiple hanging or sliding doors

private:
    TRadioButton* singleButton;
    TRadioButton* multipleButton;
};
