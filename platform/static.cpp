#include "platform/static.h"

void TStatic::Bind(const ControlTemplate& control)
{
    TControl::Bind(control);
    SetText(control.text);
}

void TStatic::SetText(const std::string& newText)
{
    text = newText;
    if (textLimit > 0 && text.size() > std::size_t(textLimit - 1))
        text.resize(std::size_t(textLimit - 1));
}
