#pragma once
// Edit/Change text/number: a text of the drawing given new words, keeping its font, anchor,
// alignment and direction code.
#include <string>

class TDrawingEdit;

// Characters a changed text may hold.
constexpr std::size_t CHANGED_TEXT_CAPACITY = 79;

// Puts `text` (cut to CHANGED_TEXT_CAPACITY) in place of the words of the text at `index`. False,
// changing nothing, when the new text is empty or the object there is no text.
bool ChangeText(TDrawingEdit& edit, int index, const std::string& text);
