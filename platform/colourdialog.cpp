#include "platform/colourdialog.h"

#include "platform/dialogrunner.h"

#include <stdexcept>

TColourDialog::TColourDialog(TWindow* parent, const std::string& title, TColor initial)
    : parent(parent), title(title), colour(initial & 0xFFFFFF)
{
}

int TColourDialog::Execute()
{
    if (!parent)
        throw std::logic_error("colour dialog \"" + title + "\" has no parent window to run it");
    return parent->Runner().RunColour(*this);
}
