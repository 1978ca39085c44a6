#pragma once
// The main entry dialog: one or two doors, their width, and where they sit in the entry frame as
// seen from outside the house. OK writes ENTRY.CFG, which the entry door builder reads.
#include "platform/dialog.h"
#include "platform/edit.h"
#include "platform/radiobutton.h"

#include <string>

class TEntrydlg : public TDialog {
public:
    TEntrydlg(TWindow* parent, int resourceId);

    void SetupWindow() override;
    void CmOk() override;
    int HelpContext() const override { return 270; }

    int doorCount = 1;      // 1 single door, 2 double doors
    char doorSide = 'l';    // 'l' doors on the RIGHT side, 'r' on the LEFT side, 'b' central
    std::string widthText;  // at most 5 characters, in the display unit

private:
    TEdit* widthEdit;
    TRadioButton* singleButton;
    TRadioButton* doubleButton;
    TRadioButton* rightButton;
    TRadioButton* leftButton;
    TRadioButton* centralButton;
};
