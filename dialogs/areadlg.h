#pragma once
// The floor area dialog: reports the areas stored in the drawing's floor records, floor by floor
// and in total, in square metres or square feet. Only an OK button; Escape closes it too.
#include "platform/dialog.h"
#include "platform/static.h"

class TAreadlg : public TDialog {
public:
    TAreadlg(TWindow* parent, int resourceId);

    void SetupWindow() override;
    void CmOk() override;

private:
    TStatic* totalText;
    TStatic* groundText;
    TStatic* firstText;
    TStatic* secondText;
};
