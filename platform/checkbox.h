#pragma once
// A check box: on or off.
#include "platform/control.h"

class TCheckBox : public TControl {
public:
    TCheckBox(TDialog& dialog, int id) : TControl(dialog, id) {}

    ControlKind Kind() const override { return ControlKind::CheckBox; }
    void Bind(const ControlTemplate& control) override;

    void Check() { checked = true; }
    void Uncheck() { checked = false; }
    void SetCheck(bool on) { checked = on; }
    bool IsChecked() const { return checked; }

private:
    bool checked = false;
};
