#pragma once
// The custom external-wall dialogs, metric (CFG/CUST.CFG, mm) and imperial (CFG/CUSTIMP.CFG,
// 1/24 inch): the number of lines, the total width, and for a cavity wall the outer space and the
// cavity. They remember the values as typed and hand back the three line spacings. No Cancel
// button; Escape cancels.
#include "platform/dialog.h"
#include "platform/edit.h"

#include <string>

class TPlancustdlg : public TDialog {
public:
    TPlancustdlg(TWindow* parent, int resourceId);

    void SetupWindow() override;
    void CmOk() override;
    int HelpContext() const override { return 250; }

    int spacing1 = 0;
    int spacing2 = 0;
    int spacing3 = 0;
    std::string linesText;   // at most 3 characters
    std::string totalText;   // at most 4 each
    std::string outerText;
    std::string cavityText;

private:
    TEdit* linesEdit;
    TEdit* totalEdit;
    TEdit* outerEdit;
    TEdit* cavityEdit;
};

class TPlanimpcustdlg : public TDialog {
public:
    TPlanimpcustdlg(TWindow* parent, int resourceId);

    void SetupWindow() override;
    void CmOk() override;
    int HelpContext() const override { return 250; }

    int spacing1 = 0;
    int spacing2 = 0;
    int spacing3 = 0;
    std::string linesText;             // at most 3 characters
    std::string totalInchText;         // at most 4
    std::string totalNumeratorText;    // at most 2 each
    std::string totalDenominatorText;
    std::string outerInchText;
    std::string outerNumeratorText;
    std::string outerDenominatorText;
    std::string cavityInchText;
    std::string cavityNumeratorText;
    std::string cavityDenominatorText;

private:
    TEdit* linesEdit;
    TEdit* totalInchEdit;
    TEdit* totalNumeratorEdit;
    TEdit* totalDenominatorEdit;
    TEdit* outerInchEdit;
    TEdit* outerNumeratorEdit;
    TEdit* outerDenominatorEdit;
    TEdit* cavityInchEdit;
    TEdit* cavityNumeratorEdit;
    TEdit* cavityDenominatorEdit;
};
