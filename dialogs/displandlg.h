#pragma once
// The plan display mode dialog: walls drawn normal, cross hatched or solid, and whether all
// dimensions are shown. OK sets the display mode to a single-floor view; no Cancel button, Escape
// cancels.
#include "platform/checkbox.h"
#include "platform/dialog.h"
#include "platform/radiobutton.h"

class TDisplandlg : public TDialog {
public:
    TDisplandlg(TWindow* parent, int resourceId);

    void SetupWindow() override;
    void CmOk() override;
    int HelpContext() const override { return 210; }

private:
    TCheckBox* dimensionsBox;
    TRadioButton* normalButton;
    TRadioButton* hatchedButton;
    TRadioButton* solidButton;
};
