#pragma once
// A text the dialog fills at run time. The limit counts a terminator, as for an edit.
#include "platform/control.h"

#include <string>

class TStatic : public TControl {
public:
    TStatic(TDialog& dialog, int id, int textLimit) : TControl(dialog, id), textLimit(textLimit) {}

    ControlKind Kind() const override { return ControlKind::Static; }
    void Bind(const ControlTemplate& control) override;

    void SetText(const std::string& newText);
    const std::string& GetText() const { return text; }

private:
    int textLimit;
    std::string text;
};
