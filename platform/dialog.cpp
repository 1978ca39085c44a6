#include "platform/dialog.h"

#include "platform/edit.h"

#include <stdexcept>

TDialog::TDialog(TWindow* parent, int resourceId) : parent(parent), resourceId(resourceId)
{
}

TDialog::~TDialog() = default;

DialogRunner& TDialog::Runner()
{
    if (!parent)
        throw std::logic_error("dialog " + std::to_string(resourceId) + " has no parent window to run it");
    return parent->Runner();
}

int TDialog::Execute()
{
    return Runner().RunDialog(*this);
}

void TDialog::CmHelp()
{
    if (HelpContext() > 0)
        Runner().Help(HelpContext());
}

void TDialog::Command(int id)
{
    if (ended)
        return;
    switch (id) {
    case IDOK: CmOk(); break;
    case IDCANCEL: CmCancel(); break;
    case IDHELP:
        if (HelpContext() > 0)
            CmHelp();
        else
            ButtonClicked(id);
        break;
    default: ButtonClicked(id); break;
    }
}

void TDialog::CloseWindow(int closeResult)
{
    if (CanClose())
        EndDialog(closeResult);
}

bool TDialog::ShowFieldFailure(TEdit& edit)
{
    if (edit.IsValid())
        return true;
    MessageBox(edit.GetValidator()->ErrorMessage(), ApplicationName, MB_OK | MB_ICONEXCLAMATION);
    edit.SetFocus();
    return false;
}

bool TDialog::CanClose()
{
    for (const auto& control : controls) {
        auto* edit = dynamic_cast<TEdit*>(control.get());
        if (edit && edit->IsWindowEnabled() && !ShowFieldFailure(*edit))
            return false;
    }
    return true;
}

bool TDialog::CheckFieldOnFocusLeave(TEdit& edit)
{
    if (!edit.IsWindowEnabled())
        return true;
    return ShowFieldFailure(edit);
}

void TDialog::EndDialog(int endResult)
{
    ended = true;
    result = endResult;
}

TControl* TDialog::FindControl(int id) const
{
    for (const auto& control : controls)
        if (control->Id() == id)
            return control.get();
    return nullptr;
}

static const char* KindName(ControlKind kind)
{
    switch (kind) {
    case ControlKind::PushButton: return "push button";
    case ControlKind::DefPushButton: return "default push button";
    case ControlKind::Edit: return "edit";
    case ControlKind::Static: return "static";
    case ControlKind::GroupBox: return "group box";
    case ControlKind::AutoRadio: return "radio button";
    case ControlKind::CheckBox: return "check box";
    case ControlKind::ListBox: return "list box";
    case ControlKind::Icon: return "icon";
    }
    return "control";
}

std::vector<std::string> TDialog::TemplateMismatches(const DialogTemplate& dialogTemplate) const
{
    std::vector<std::string> faults;
    if (dialogTemplate.id != resourceId)
        faults.push_back("template " + std::to_string(dialogTemplate.id) + " is not resource " +
                         std::to_string(resourceId));
    for (const auto& control : controls) {
        const ControlTemplate* found = FindControlTemplate(dialogTemplate, control->Id());
        std::string where = "dialog " + std::to_string(resourceId) + ": control " + std::to_string(control->Id());
        if (!found)
            faults.push_back(where + " (" + KindName(control->Kind()) + ") is not in the template");
        else if (found->kind != control->Kind())
            faults.push_back(where + " is a " + KindName(found->kind) + " in the template, not a " +
                             KindName(control->Kind()));
    }
    return faults;
}

void TDialog::Bind(const DialogTemplate& dialogTemplate)
{
    auto faults = TemplateMismatches(dialogTemplate);
    if (!faults.empty()) {
        std::string text;
        for (const auto& fault : faults)
            text += fault + "\n";
        throw std::logic_error(text);
    }
    boundTemplate = &dialogTemplate;
    for (const auto& control : controls)
        control->Bind(*FindControlTemplate(dialogTemplate, control->Id()));
    ended = false;
    result = 0;
    focusId = 0;
}
