#pragma once
// The ids of objects read back into the drawing from the paste buffer or a symbol library.
#include "model/object.h"

#include <memory>
#include <vector>

// Gives pasted (or placed library) objects ids of their own: each distinct id among their owner
// and group ids becomes a new one from groupIdCounter (objects that shared an id still share one),
// so an undo or a group delete of the pasted objects never reaches the originals. An id with a floor base (10000 and
// above) keeps the base of the floor in view. A line's group id that differs from its owner id is
// the length it was typed with, not an id, and stays.
void RenumberPastedIds(std::vector<std::unique_ptr<TObject>>& objects);
