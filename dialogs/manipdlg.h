#pragma once
// The dialog of File/Rotate/Mirror: how the whole drawing is turned (clockwise by 90, 180 or 270
// degrees) or mirrored, and the name it is stored under: the drawing's own name changes it in
// place, another keeps it and stores the result as a new drawing.
#include "model/planturn.h"
#include "platform/dialog.h"
#include "platform/edit.h"
#include "platform/radiobutton.h"

#include <string>

class TManipdlg : public TDialog {
public:
    TManipdlg(TWindow* parent, int resourceId);

    void SetupWindow() override;
    void CmOk() override;
    int HelpContext() const override { return 200; }

    int rotation = 90;        // 90, 180, 270, or MIRROR_LEFT_RIGHT
    std::string newNameText;  // at most 24 characters

private:
    TEdit* nameEdit;
    TRadioButton* quarterButton;
    TRadioButton* halfButton;
    TRadioButton* threeQuarterButton;
    TRadioButton* mirrorButton;
};
