#pragma once
// The double doors and sliding doors dialog: the whole width of the opening, a pair of hinged doors
// or two or four sliding panels, and the side of the screen the hinged pair opens towards.
#include "platform/dialog.h"
#include "platform/edit.h"
#include "platform/radiobutton.h"

#include <string>

class TDDoordlg : public TDialog {
public:
    TDDoordlg(TWindow* parent, int resourceId);

    void SetupWindow() override;
    void CmOk() override;
    int HelpContext() const override { return 300; }

    int doorType = 11;      // 11 double doors - hinged, 12 two sliding doors, 13 four sliding doors
    int openingSide = 1;    // 1 top, 2 right side, 3 bottom, 4 left side of the screen
    std::string widthText;  // at most 6 characters, in the display unit

private:
    TEdit* widthEdit;
    TRadioButton* typeButtons[3];  // codes 11, 12, 13
    TRadioButton* sideButtons[4];  // template order: top, bottom, left, right
};
