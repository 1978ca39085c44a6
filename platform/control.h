#pragma once
// A control of a dialog as a plain object that holds the control's state. The dialog class creates
// its controls in its constructor; a runner binds them to the template's controls by id and shows
// or feeds that state.
#include "resources/dialogtemplates.h"

class TDialog;

class TControl {
public:
    TControl(TDialog& dialog, int id);
    virtual ~TControl() = default;
    TControl(const TControl&) = delete;
    TControl& operator=(const TControl&) = delete;

    int Id() const { return id; }
    TDialog& Dialog() const { return dialog; }

    // The template kind this control must have.
    virtual ControlKind Kind() const = 0;

    void EnableWindow(bool enable) { enabled = enable; }
    bool IsWindowEnabled() const { return enabled; }
    // Gives this control the keyboard focus.
    void SetFocus();

    // Takes the start state of a run from the template control: its text, enabled, unchecked.
    virtual void Bind(const ControlTemplate& control);

private:
    TDialog& dialog;
    int id;
    bool enabled = true;
};
