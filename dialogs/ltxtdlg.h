#pragma once
// The line-text dialog of the Line + Text tool: the text to place beside the line and its side.
#include "platform/dialog.h"
#include "platform/edit.h"
#include "platform/radiobutton.h"

#include <string>

class TLtxtdlg : public TDialog {
public:
    TLtxtdlg(TWindow* parent, int resourceId);

    void SetupWindow() override;
    void CmOk() override;
    int HelpContext() const override { return 242; }

    int lineTextSide = 1;  // 1 left of or above the line, 2 right of or below it
    std::string lineText;  // at most 21 characters

private:
    TEdit* textEdit;
    TRadioButton* leftButton;   // LEFT or ABOVE
    TRadioButton* rightButton;  // RIGHT or BELOW
};
