#pragma once
// The external-wall type dialogs, metric and imperial: one of eight wall types. A standard type
// gives the wall's line spacings at once; the custom wall (wallType 1) leaves them 0 and the
// custom dialog follows. No Cancel button; Escape cancels.
#include "platform/dialog.h"
#include "platform/radiobutton.h"

#include <array>

class TPlandlg : public TDialog {
public:
    TPlandlg(TWindow* parent, int resourceId);

    void SetupWindow() override;
    void CmOk() override;
    int HelpContext() const override { return 250; }

    int wallType = 1;  // 1 custom, else the wall's total thickness in mm
    int spacing1 = 0;
    int spacing2 = 0;
    int spacing3 = 0;

private:
    // Custom, cavity brick, solid brick, brick veneer, then the single-leaf walls from thickest
    // to thinnest.
    std::array<TRadioButton*, 8> typeButtons;
};

class TPlanimpdlg : public TDialog {
public:
    TPlanimpdlg(TWindow* parent, int resourceId);

    void SetupWindow() override;
    void CmOk() override;
    int HelpContext() const override { return 250; }

    int wallType = 1;  // 1 custom, else the wall's total thickness in 1/24 inch
    int spacing1 = 0;
    int spacing2 = 0;
    int spacing3 = 0;

private:
    std::array<TRadioButton*, 8> typeButtons;
};
