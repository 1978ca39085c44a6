#include "platform/messagebuttons.h"

#include "platform/dialogrunner.h"

std::vector<int> MessageButtons(unsigned flags)
{
    switch (flags & MB_BUTTONMASK) {
    case MB_OKCANCEL: return {IDOK, IDCANCEL};
    case MB_YESNO: return {IDYES, IDNO};
    case MB_YESNOCANCEL: return {IDYES, IDNO, IDCANCEL};
    default: return {IDOK};
    }
}

int DefaultMessageButton(unsigned flags)
{
    const std::vector<int> buttons = MessageButtons(flags);
    const unsigned index = (flags & MB_DEFMASK) / MB_DEFBUTTON2;
    return index < buttons.size() ? buttons[index] : buttons.front();
}

int EscapeMessageButton(unsigned flags)
{
    switch (flags & MB_BUTTONMASK) {
    case MB_OKCANCEL:
    case MB_YESNOCANCEL: return IDCANCEL;
    case MB_YESNO: return IDNO;
    default: return IDOK;
    }
}
