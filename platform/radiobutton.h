#pragma once
// A radio button of an automatic group of the template. Checking it from code touches only this
// button; a user's click (or a script's "check") also clears the other buttons of its group.
#include "platform/checkbox.h"

class TRadioButton : public TCheckBox {
public:
    TRadioButton(TDialog& dialog, int id) : TCheckBox(dialog, id) {}

    ControlKind Kind() const override { return ControlKind::AutoRadio; }
};
