#pragma once
// The hinged door dialog: the door's width and one of eight pictures of the door in plan, which
// give the door direction code. Used for internal doors, the single external door and a single
// main entry door.
#include "platform/dialog.h"
#include "platform/edit.h"
#include "platform/radiobutton.h"

#include <string>

class TDoordlg : public TDialog {
public:
    // initialWidth in model units; 0 starts from the default door width of DOORSZE.CFG.
    TDoordlg(TWindow* parent, int resourceId, int initialWidth = 0);

    void SetupWindow() override;
    void CmOk() override;
    int HelpContext() const override { return 300; }

    int doorType = 1;       // door direction code 1..8 of the picture chosen
    int initialWidth = 0;
    std::string widthText;  // at most 6 characters, in the display unit

private:
    TEdit* widthEdit;
    TRadioButton* codeButtons[8];  // in code order
};

// The default single door width of DOORSZE.CFG in the display unit: millimetres, or whole inches.
int DefaultDoorWidth();

// The radio button of each door direction code 1..8 (index code - 1).
constexpr int DOOR_CODE_BUTTONS[8] = {10509, 10508, 10507, 10506, 10505, 10504, 10503, 10502};
