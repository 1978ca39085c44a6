#pragma once
// Small dialogs over real templates, and a window whose dialogs run under the scripted runner, for
// the dialog-layer tests.
#include "platform/dialog.h"
#include "platform/edit.h"
#include "platform/filtervalidator.h"
#include "platform/radiobutton.h"
#include "platform/rangevalidator.h"
#include "platform/scriptedrunner.h"

#include <memory>
#include <string>

namespace dialogtest {

class ScriptWindow : public TWindow {
public:
    ScriptedRunner runner;
    DialogRunner& Runner() override { return runner; }
};

// Over the new-drawing template: a filtered name and two radio buttons of one group.
class UnitsDialog : public TDialog {
public:
    explicit UnitsDialog(TWindow* parent) : TDialog(parent, 2024)
    {
        name = Create<TEdit>(2027, 25);
        name->SetValidator(std::make_unique<TFilterValidator>("A-Za-z0-9, "));
        feet = Create<TRadioButton>(2025);
        metric = Create<TRadioButton>(2026);
    }
    void SetupWindow() override { metric->Check(); }
    void CmOk() override
    {
        if (!CanClose())
            return;
        nameRead = name->GetText(25);
        metricChosen = metric->IsChecked();
        CloseWindow(IDOK);
    }
    int HelpContext() const override { return 200; }
    TEdit* name;
    TRadioButton* feet;
    TRadioButton* metric;
    std::string nameRead;
    bool metricChosen = false;
};

// Over the custom-wall template: two range fields, no Cancel button.
class RangeDialog : public TDialog {
public:
    explicit RangeDialog(TWindow* parent) : TDialog(parent, 5300)
    {
        lines = Create<TEdit>(5301, 4);
        lines->SetValidator(std::make_unique<TRangeValidator>(2, 4));
        total = Create<TEdit>(5302, 5);
        total->SetValidator(std::make_unique<TRangeValidator>(25, 900));
    }
    void SetupWindow() override
    {
        lines->SetText("2");
        total->SetText("100");
    }
    int HelpContext() const override { return 250; }
    TEdit* lines;
    TEdit* total;
};

}  // namespace dialogtest
