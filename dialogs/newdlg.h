#pragma once
// The new-drawing dialog: the client's name (the drawing's file stem) and the unit system. OK sets
// the unit system and remembers it in CFG/METRIC.CFG as the preset of the next run.
#include "platform/dialog.h"
#include "platform/edit.h"
#include "platform/radiobutton.h"

#include <string>

class TNewdlg : public TDialog {
public:
    TNewdlg(TWindow* parent, int resourceId);

    void SetupWindow() override;
    void CmOk() override;
    int HelpContext() const override { return 200; }

    std::string clientName;  // at most 24 characters

private:
    TEdit* nameEdit;
    TRadioButton* feetButton;
    TRadioButton* metricButton;
};
