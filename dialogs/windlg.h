#pragma once
// The window and external-door dialog: what goes into the external wall, its width and height
// (millimetres, or whole inches in feet-and-inches drawings) and how it is labelled on the plan.
// OK writes WIND.CFG, which the window tool reads.
#include "platform/checkbox.h"
#include "platform/dialog.h"
#include "platform/edit.h"
#include "platform/radiobutton.h"

#include <string>

class TWindlg : public TDialog {
public:
    TWindlg(TWindow* parent, int resourceId);

    void SetupWindow() override;
    void CmOk() override;
    int HelpContext() const override { return 290; }

    int openingType = 1;    // 1 window, 10 main entry, 5 wall opening, 6 single external door,
                            // 8 French doors out, 7 French doors in, 9 garage door
    std::string widthText;   // at most 4 characters, in the display unit
    std::string heightText;

private:
    TEdit* widthEdit;
    TEdit* heightEdit;
    TRadioButton* sevenPoint;
    TRadioButton* ninePoint;
    TRadioButton* typeButtons[7];
    TCheckBox* sizesBox;
    TCheckBox* cillBox;
};
