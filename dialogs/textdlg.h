#pragma once
// The text details dialog (Tools/Text): shows the font new texts are given and asks how the next
// text is placed (centred on the click, or starting at it) and which way it runs.
#include "platform/dialog.h"
#include "platform/radiobutton.h"
#include "platform/static.h"

class TTextdlg : public TDialog {
public:
    TTextdlg(TWindow* parent, int resourceId);

    void SetupWindow() override;
    void CmOk() override;
    int HelpContext() const override { return 242; }

    int alignment = 1;   // 1 the cursor is the text's centre, 2 the text goes right of the cursor
    int escapement = 0;  // 0 horizontal, 2700 vertical (tenths of a degree)

private:
    TStatic* faceText;
    TStatic* weightText;
    TStatic* pointSizeText;
    TRadioButton* centreButton;
    TRadioButton* rightButton;
    TRadioButton* horizontalButton;
    TRadioButton* verticalButton;
};
