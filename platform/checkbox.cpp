#include "platform/checkbox.h"

void TCheckBox::Bind(const ControlTemplate& control)
{
    TControl::Bind(control);
    checked = false;
}
