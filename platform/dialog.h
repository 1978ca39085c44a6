#pragma once
// A modal dialog: the base of every dialog class. The class creates its controls in its
// constructor, fills them in SetupWindow and reads them in CmOk; a DialogRunner binds the dialog to
// its template by resource id and feeds it the commands of its buttons until it ends.
//
// Commands: IDOK -> CmOk, IDCANCEL (the Cancel button or Escape, also in dialogs without a Cancel
// button) -> CmCancel, IDHELP -> CmHelp when the class names a help context, any other button ->
// ButtonClicked.
#include "platform/control.h"
#include "platform/window.h"
#include "resources/dialogtemplates.h"

#include <memory>
#include <string>
#include <utility>
#include <vector>

class TEdit;

class TDialog : public TWindow {
public:
    TDialog(TWindow* parent, int resourceId);
    ~TDialog() override;

    // Runs the dialog modally through the parent's runner; returns IDOK or IDCANCEL.
    int Execute();

    // The runner of the parent window. A dialog without a parent cannot run.
    DialogRunner& Runner() override;
    int ResourceId() const { return resourceId; }

    // Fills the controls at the start of a run; the base does nothing.
    virtual void SetupWindow() {}
    // The OK handler; the base closes with IDOK once every field passes.
    virtual void CmOk() { CloseWindow(IDOK); }
    // Ends the dialog with IDCANCEL, touching no member and no file.
    virtual void CmCancel() { EndDialog(IDCANCEL); }
    // Opens the help page of the dialog's help context.
    void CmHelp();
    // The dialog's help context; 0 when it has no Help.
    virtual int HelpContext() const { return 0; }
    // A button other than OK, Cancel and Help; the base ignores it.
    virtual void ButtonClicked(int id) {}
    // The user changed the selection of a list box; the base ignores it.
    virtual void ListSelectionChanged(int id) {}

    // Dispatches a command from a button or key to its handler.
    void Command(int id);

    // Ends the dialog with `result` when every enabled field passes its validator (CanClose).
    void CloseWindow(int result = IDOK);
    // Checks every enabled edit with a validator, in creation order. At the first failure shows
    // the validator's message (exclamation icon, OK, titled with the application's name), puts
    // the focus on that edit and returns false.
    bool CanClose();
    // The check made when the focus leaves `edit` for another control of the dialog (not OK or
    // Cancel): the same message on failure, and the focus goes back to the edit.
    bool CheckFieldOnFocusLeave(TEdit& edit);
    // Ends the modal run with `result` at once.
    void EndDialog(int result);

    bool IsEnded() const { return ended; }
    int Result() const { return result; }

    // The control with the keyboard focus (0 when the runner's default applies).
    int FocusId() const { return focusId; }
    void SetFocusId(int id) { focusId = id; }

    const std::vector<std::unique_ptr<TControl>>& Controls() const { return controls; }
    TControl* FindControl(int id) const;

    // Checks that every control the class created exists in the template with the right kind;
    // returns one line per fault (empty when the dialog fits its template).
    std::vector<std::string> TemplateMismatches(const DialogTemplate& dialogTemplate) const;
    // Starts a run: checks the template (a mismatch is a programming error and throws
    // std::logic_error), gives each control its template state and clears the result.
    void Bind(const DialogTemplate& dialogTemplate);
    const DialogTemplate* Template() const { return boundTemplate; }

protected:
    // Creates a control owned by the dialog: Create<TEdit>(id, limit).
    template <class Control, class... Args>
    Control* Create(int id, Args&&... args)
    {
        auto control = std::make_unique<Control>(*this, id, std::forward<Args>(args)...);
        Control* raw = control.get();
        controls.push_back(std::move(control));
        return raw;
    }

private:
    TWindow* parent;
    int resourceId;
    std::vector<std::unique_ptr<TControl>> controls;
    const DialogTemplate* boundTemplate = nullptr;
    bool ended = false;
    int result = 0;
    int focusId = 0;
    bool ShowFieldFailure(TEdit& edit);
};
