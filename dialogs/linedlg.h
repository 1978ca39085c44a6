#pragma once
// The drawing tool style dialog (Tools/Line Style): the pen of the drawing tools, thin or thick,
// solid, dashed, dotted or dot-dash. It starts at "solid thin line" whatever pen is in use; the
// opener takes the width into currentPenWidth and the style into the current tool.
#include "platform/dialog.h"
#include "platform/radiobutton.h"

class TLinedlg : public TDialog {
public:
    TLinedlg(TWindow* parent, int resourceId);

    void SetupWindow() override;
    void CmOk() override;

    int penWidth = 1;  // 1 thin, 2 thick
    int penStyle = 0;  // 0 solid, 1 dash, 2 dot, 3 dash-dot

private:
    struct Choice {
        TRadioButton* button;
        int width;
        int style;
    };
    Choice choices[5];
};
