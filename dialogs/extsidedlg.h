#pragma once
// The side dialog before new external walls: on which side of the drawn line the other wall lines
// lie.
#include "platform/dialog.h"
#include "platform/radiobutton.h"

class TExtsidedlg : public TDialog {
public:
    TExtsidedlg(TWindow* parent, int resourceId);

    void SetupWindow() override;
    void CmOk() override;
    int HelpContext() const override { return 250; }

    int lineSide = 1;  // 1 below, 3 above, 2 left, 4 right

private:
    TRadioButton* belowButton;
    TRadioButton* aboveButton;
    TRadioButton* leftButton;
    TRadioButton* rightButton;
};
