#pragma once
// Reading a group of radios back as the code of the one checked.
#include "platform/radiobutton.h"

#include <array>
#include <cstddef>

// The code of the first checked button in `code`; with none checked the code stays as it was.
// `Button` is TRadioButton or const TRadioButton.
template <typename Button, std::size_t N, typename Code>
void ReadChoice(const std::array<Button*, N>& buttons, const std::array<Code, N>& codes, Code& code)
{
    for (std::size_t i = 0; i < N; ++i)
        if (buttons[i]->IsChecked()) {
            code = codes[i];
            return;
        }
}
