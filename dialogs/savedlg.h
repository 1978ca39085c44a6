#pragma once
// The copy-drawing dialog of File/Save As: the new client name the drawing is stored under.
#include "platform/dialog.h"
#include "platform/edit.h"

#include <string>

class TSavedlg : public TDialog {
public:
    TSavedlg(TWindow* parent, int resourceId);

    void SetupWindow() override;
    void CmOk() override;
    int HelpContext() const override { return 200; }

    std::string clientName;  // at most 24 characters

private:
    TEdit* nameEdit;
};
