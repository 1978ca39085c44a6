#include "platform/control.h"

#include "platform/dialog.h"

TControl::TControl(TDialog& dialog, int id) : dialog(dialog), id(id)
{
}

void TControl::SetFocus()
{
    dialog.SetFocusId(id);
}

void TControl::Bind(const ControlTemplate&)
{
    enabled = true;
}
