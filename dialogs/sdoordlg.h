#pragma once
// The sliding door dialog: the door's width, whether it slides into the wall, and one of eight
// pictures of the door in plan, which give the door direction code (the face it slides along and
// the end of the opening its sliding jamb is at).
#include "platform/checkbox.h"
#include "platform/dialog.h"
#include "platform/edit.h"
#include "platform/radiobutton.h"

#include <string>

class TSdoordlg : public TDialog {
public:
    TSdoordlg(TWindow* parent, int resourceId);

    void SetupWindow() override;
    void CmOk() override;
    int HelpContext() const override { return 300; }

    int doorType = 1;       // door direction code 1..8 of the picture chosen
    int intoWall = 0;       // 1 when the door slides into the wall
    std::string widthText;  // at most 6 characters, in the display unit

private:
    TEdit* widthEdit;
    TCheckBox* intoWallBox;
    TRadioButton* codeButtons[8];  // in code order
};

// The radio button of each door direction code 1..8 (index code - 1).
constexpr int SLIDING_CODE_BUTTONS[8] = {13003, 13004, 13005, 13006, 13007, 13008, 13009, 13010};
