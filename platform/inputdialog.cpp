#include "platform/inputdialog.h"

#include <stdexcept>

TInputDialog::TInputDialog(TWindow* parent, const std::string& title, const std::string& prompt,
                           const std::string& initialText, int bufferSize)
    : parent(parent), title(title), prompt(prompt), bufferSize(bufferSize)
{
    SetBuffer(initialText);
}

int TInputDialog::Execute()
{
    if (!parent)
        throw std::logic_error("input dialog \"" + title + "\" has no parent window to run it");
    return parent->Runner().RunInput(*this);
}

void TInputDialog::SetBuffer(const std::string& text)
{
    buffer = text.substr(0, std::size_t(MaxLength()));
}
