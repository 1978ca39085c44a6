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

constexpr int PLAN_TITLE_MAX = 24;

// The record of TITLE2D.CFG: the three lengths, then the titles run together, then a line end.
std::string FormatPlanTitles(const std::array<std::string, 3>& titles);

// Reads the three titles from the record. The titles directly follow the third length, so a first
// title that begins with a digit or a blank is told from the length by the count: the lengths must
// add up to the characters after them on the line. A record that does not add up is read leniently
// (white space after the lengths skipped, each title cut to what the line holds). No title is longer
// than 24 characters and nothing is read past the line. Returns false when the record did not add
// up exactly (the titles then hold what the lenient reading found).
bool ParsePlanTitles(const std::string& record, std::array<std::string, 3>& titles);
