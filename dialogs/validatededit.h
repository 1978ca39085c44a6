#pragma once
// Edits set up with the validators the dialogs share: a whole number in a range, or a name.
#include "platform/edit.h"
#include "platform/wholenumber.h"

// The edit with a whole-number validator of the range.
TEdit* ValidatedEdit(TEdit* edit, const TWholeNumberRange& range);
// The edit of a name (drawing, room, library entry): letters, digits, commas and blanks.
TEdit* NameEdit(TEdit* edit);
