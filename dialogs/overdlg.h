#pragma once
// The overlays dialog: which of the ground, first and second floors are drawn on top of each other
// and whether the overlay view shows dimensions. OK stores the floors in CFG/OVERLAY.CFG and puts
// the overlay view into the units digit of the display mode, keeping the wall style.
#include "platform/checkbox.h"
#include "platform/dialog.h"

class TOverdlg : public TDialog {
public:
    TOverdlg(TWindow* parent, int resourceId);

    void SetupWindow() override;
    void CmOk() override;
    int HelpContext() const override { return 210; }

private:
    TCheckBox* groundFloorBox;
    TCheckBox* firstFloorBox;
    TCheckBox* secondFloorBox;
    TCheckBox* dimensionsBox;
};
