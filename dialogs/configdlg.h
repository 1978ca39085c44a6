#pragma once
// Customise/Default Doors: the single door width offered at start in both unit systems
// (DOORSZE.CFG), and the angle doors stand open at in plan views with the thickness of their leaf
// (INTERN.CFG). No Cancel button; Escape cancels.
#include "platform/dialog.h"
#include "platform/edit.h"
#include "platform/radiobutton.h"

#include <string>

class TConfigdlg : public TDialog {
public:
    TConfigdlg(TWindow* parent, int resourceId);

    void SetupWindow() override;
    void CmOk() override;
    int HelpContext() const override { return 310; }

    int openingAngle = 90;  // degrees: 30, 60 or 90
    int thicknessCode = 1;  // 1 minimum, 2 maximum
    std::string metricText;  // at most 4 characters
    std::string inchText;    // at most 3 characters

private:
    TEdit* metricEdit;
    TEdit* inchEdit;
    TRadioButton* angleButtons[3];
    TRadioButton* thicknessButtons[2];
};

// Radians per degree of the stored sine and cosine (3.14159 / 180).
constexpr double DOOR_RADIANS_PER_DEGREE = 0.017453277777777776;
