#pragma once
// The design-room wall-size dialogs, metric and imperial: the thickness of the internal walls the
// design rooms of the current floor become. CFG/RMPTNM.CFG (mm) or CFG/RMPTNI.CFG (1/24 inch) keeps
// one thickness for each of the ground, first and second floor; OK replaces the current floor's
// and keeps the others. No Cancel button (Escape cancels); the opener reads nothing back.
#include "platform/dialog.h"
#include "platform/edit.h"

#include <string>

class TRmpttndlg : public TDialog {
public:
    TRmpttndlg(TWindow* parent, int resourceId);

    void SetupWindow() override;
    void CmOk() override;
    int HelpContext() const override { return 260; }

    std::string thicknessText;  // at most 4 characters

private:
    TEdit* thicknessEdit;
};

class TRmpttnimpdlg : public TDialog {
public:
    TRmpttnimpdlg(TWindow* parent, int resourceId);

    void SetupWindow() override;
    void CmOk() override;
    int HelpContext() const override { return 260; }

    std::string inchText;         // at most 4 characters
    std::string numeratorText;    // at most 3 each
    std::string denominatorText;

private:
    TEdit* inchEdit;
    TEdit* numeratorEdit;
    TEdit* denominatorEdit;
};
