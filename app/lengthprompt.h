#pragma once
// Asking a length in model units from the keyboard: metric an input box of millimetres holding a
// proposal, imperial the feet-and-inches dialog. A typed length is a whole number from 1 to 32766
// model units; anything else is refused with a message saying what is expected.
#include "dialogs/imperial.h"

#include <optional>
#include <string>

class TWindow;

// The metric length box holds at most 8 digits.
constexpr int LENGTH_BUFFER = 9;

// Asks a length: metric an input box of `buffer` characters holding the proposal (empty without
// one), imperial the feet-and-inches dialog (zeros without one) counting a fraction by `rule`. False when cancelled, or when the entry is
// not a whole number of model units from 1 to 32766, which a message box titled `title` has then
// said.
bool AskTypedLength(TWindow& parent, const std::string& title, const std::string& prompt,
                    std::optional<int> proposal, int buffer,
                    FractionRule rule, int& length);

// How the user answered a length prompt.
enum class TLengthAnswer {
    Given,      // a length from 1 to 32766 model units
    Cancelled,  // the box was cancelled
    Refused,    // the entry was out of range or not a whole number; a message has said so
};
// AskTypedLength, telling a cancel from a refused entry.
TLengthAnswer AnswerTypedLength(TWindow& parent, const std::string& title, const std::string& prompt,
                                std::optional<int> proposal, int buffer, FractionRule rule, int& length);
