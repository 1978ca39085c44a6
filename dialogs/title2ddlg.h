#pragma once
// The drawing-titles dialog: the titles of the ground-, first- and second-floor plans, kept in
// CFG/TITLE2D.CFG for the plan painter.
#include "platform/dialog.h"
#include "platform/edit.h"

#include <array>
#include <string>

class TTitle2Ddlg : public TDialog {
public:
    TTitle2Ddlg(TWindow* parent, int resourceId);

    void SetupWindow() override;
    void CmOk() override;
    int HelpContext() const override { return 310; }

    std::string groundTitle;  // at most 24 characters each
    std::string firstTitle;
    std::string secondTitle;

private:
    TEdit* groundEdit;
    TEdit* firstEdit;
    TEdit* secondEdit;
};
