#pragma once
// The measuring-units dialog: the unit system alone, for commands that need one while no drawing
// is loaded. OK sets it and remembers it in CFG/METRIC.CFG. No Cancel button; Escape cancels.
#include "platform/dialog.h"
#include "platform/radiobutton.h"

class TMeasdlg : public TDialog {
public:
    TMeasdlg(TWindow* parent, int resourceId);

    void SetupWindow() override;
    void CmOk() override;

private:
    TRadioButton* metricButton;
    TRadioButton* feetButton;
};
