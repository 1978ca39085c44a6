#pragma once
// The print dialog of File/Print: the copies and the scale of each floor plan, the line thickness,
// how walls are drawn and whether external dimensions and the drawing scale are printed. OK sets
// the display mode the plans print in (it stays in force on the screen afterwards).
#include "model/printlist.h"
#include "platform/checkbox.h"
#include "platform/dialog.h"
#include "platform/edit.h"
#include "platform/radiobutton.h"

#include <array>
#include <string>
#include <vector>

class TAkwprntdlg : public TDialog {
public:
    TAkwprntdlg(TWindow* parent, int resourceId);

    void SetupWindow() override;
    void CmOk() override;
    int HelpContext() const override { return 360; }

    // The texts as typed, ground, first and second floor; at most 4 characters each.
    std::array<std::string, 3> copiesText;
    std::array<std::string, 3> scaleText;
    int showScale = 1;   // 1 print the drawing scale, 0 do not
    int lineWeight = 2;  // 1 light, 2 medium, 3 heavy

    // The floors to print as OK left them: each floor with copies above 0, its copies and scale.
    std::vector<TPrintFloor> PrintList() const;

private:
    std::array<TEdit*, 3> copiesEdits{};
    std::array<TEdit*, 3> scaleEdits{};
    TCheckBox* noDimensionsBox;
    TCheckBox* noScaleBox;
    TRadioButton* lightButton;
    TRadioButton* mediumButton;
    TRadioButton* heavyButton;
    TRadioButton* normalButton;
    TRadioButton* hatchedButton;
    TRadioButton* solidButton;

    // False (with a message and the focus on it) when a floor to print has no usable scale.
    bool ScalesValid();
};
