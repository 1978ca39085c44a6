#pragma once
// The internal-wall (double line) dialogs, metric and imperial: the spacing of the two lines (the
// wall's thickness) and the side of the first drawn line on which the second one lies. The
// thickness is kept in CFG/PTNM.CFG (mm) or CFG/PTNI.CFG (1/24 inch), where the internal-wall tool
// reads it; the side comes back in secondLineSide.
#include "platform/dialog.h"
#include "platform/edit.h"
#include "platform/radiobutton.h"

#include <array>
#include <string>

// Side codes of secondLineSide.
constexpr int SECOND_LINE_ABOVE = 1;
constexpr int SECOND_LINE_RIGHT = 2;
constexpr int SECOND_LINE_BELOW = 3;
constexpr int SECOND_LINE_LEFT = 4;

class TDbledlg : public TDialog {
public:
    TDbledlg(TWindow* parent, int resourceId);

    void SetupWindow() override;
    void CmOk() override;
    int HelpContext() const override { return 250; }

    int secondLineSide = 0;
    std::string widthText;  // at most 4 characters

private:
    TEdit* widthEdit;
    // LEFT, RIGHT, ABOVE, BELOW: the order the buttons are asked in.
    std::array<TRadioButton*, 4> sideButtons;
};

class TDbleimpdlg : public TDialog {
public:
    TDbleimpdlg(TWindow* parent, int resourceId);

    void SetupWindow() override;
    void CmOk() override;
    int HelpContext() const override { return 250; }

    int secondLineSide = 0;
    std::string inchText;         // at most 4 characters
    std::string numeratorText;    // at most 2 each
    std::string denominatorText;

private:
    TEdit* inchEdit;
    TEdit* numeratorEdit;
    TEdit* denominatorEdit;
    std::array<TRadioButton*, 4> sideButtons;
};
