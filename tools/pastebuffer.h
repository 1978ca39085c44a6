#pragma once
// The paste buffer LIBS/PASTE.CFG: Edit/Copy writes the selected objects to it, relative to the
// selection's base point, in the record layouts of the drawing file; Edit/Paste reads it back into
// the drawing near the lower left of the view.
//
// Header "%d %d %d %d %d %d\n": the number of records, three reserved zeros, unitSystem and
// groupIdCounter at the time of writing. Then one type-code line and one record per object.
#include "model/list.h"
#include "model/selectionlist.h"

#include <memory>
#include <string>
#include <vector>

class TDrawingEdit;

// The text of a paste buffer holding the objects of these entries, each relative to its entry's
// base point. Entries that name no object of the list (out of range) are left out, so the count
// always matches the records. False when an object lies too far from its base point to be stored
// exactly: `text` must not be written then, and `reason` (when given) says which.
bool FormatPasteBuffer(const TList& objects, const std::vector<TCopyEntry>& entries, std::string& text,
                       std::string* reason = nullptr);

// Rewrites LIBS/PASTE.CFG whole with the objects of these entries. A buffer that cannot be stored
// exactly or cannot be written is reported to the user (naming the file and the reason) and left
// as it was: false.
bool WritePasteBuffer(const TList& objects, const std::vector<TCopyEntry>& entries);

// Edit/Paste: reads the paste buffer, gives the objects new ids and adds them through the edit
// (the caller commits it). The result says how many were added, or why none were: a buffer that is
// there but cannot be read is named with the reason; without one (nothing at its name, or a link to
// nothing) the message is NOTHING_TO_PASTE.
extern const char* const NOTHING_TO_PASTE;
TLoadResult PasteObjects(TDrawingEdit& edit);
