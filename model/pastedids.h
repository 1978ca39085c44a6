#pragma once
// The ids of objects read back into the drawing from the paste buffer or a symbol library.
#include "model/list.h"
#include "model/object.h"

#include <memory>
#include <string>
#include <vector>

class TDrawingEdit;

// Gives pasted (or placed library) objects ids of their own: each distinct id among their owner
// and group ids becomes a new one from groupIdCounter (objects that shared an id still share one),
// so an undo or a group delete of the pasted objects never reaches the originals. An id with a floor base (10000 and
// above) keeps the base of the floor in view. A line's group id that differs from its owner id is
// the length it was typed with, not an id, and stays.
void RenumberPastedIds(std::vector<std::unique_ptr<TObject>>& objects);

// Reads the objects of a file under LIBS/ (a library entry or the paste buffer), gives them ids of
// their own and adds them through the edit (the caller commits it).
TLoadResult AddLibraryObjects(TDrawingEdit& edit, const std::string& fileName);
