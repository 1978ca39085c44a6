#pragma once
// Asking a length in model units from the keyboard: metric an input box of millimetres holding a
// proposal, imperial the feet-and-inches dialog.
#include "dialogs/imperial.h"

#include <string>

class TWindow;

// Typed lengths for an arrow key, in model units.
constexpr int MIN_TYPED_LENGTH = 1;
constexpr int MAX_TYPED_LENGTH = 32766;
// The metric length box holds at most 8 digits.
constexpr int LENGTH_BUFFER = 9;

// Asks a length: metric an input box of `buffer` characters holding the proposal, imperial the
// feet-and-inches dialog counting a fraction by `rule`. False when cancelled.
bool AskModelLength(TWindow& parent, const std::string& title, const std::string& prompt, int proposal, int buffer,
                    FractionRule rule, int& length);
