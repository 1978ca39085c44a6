#include "platform/edit.h"

TEdit::TEdit(TDialog& dialog, int id, int textLimit) : TControl(dialog, id), textLimit(textLimit)
{
}

void TEdit::Bind(const ControlTemplate& control)
{
    TControl::Bind(control);
    SetText(control.text);
}

void TEdit::SetText(const std::string& newText)
{
    text = newText;
    if (MaxLength() >= 0 && text.size() > std::size_t(MaxLength()))
        text.resize(std::size_t(MaxLength()));
}

std::string TEdit::GetText(int bufferSize) const
{
    if (bufferSize < 1)
        return {};
    return text.substr(0, std::size_t(bufferSize - 1));
}

void TEdit::Type(const std::string& typed)
{
    std::string typedSoFar;
    for (char c : typed) {
        if (MaxLength() >= 0 && typedSoFar.size() >= std::size_t(MaxLength()))
            break;
        std::string next = typedSoFar + c;
        if (validator && !validator->IsValidInput(next))
            continue;
        typedSoFar = std::move(next);
    }
    text = std::move(typedSoFar);
}
