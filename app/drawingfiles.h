#pragma once
// The drawing files under DWGS/: which names a drawing may have, which drawings exist, and the
// question asked before a drawing would replace another of the same name.
//
// Names that differ only in case name the same drawing; a file keeps the case it was given.
#include <cstddef>
#include <string>
#include <vector>

class TWindow;

constexpr std::size_t MAX_DRAWING_NAME = 24;

// True when the name has 1 to 24 characters, each a letter, a digit, a comma or a blank (the
// characters the new-drawing dialog lets through).
bool IsDrawingName(const std::string& name);

// True when two names name the same drawing: they are equal but for case.
bool SameDrawingName(const std::string& a, const std::string& b);

// The names (file stems) of the drawings in DWGS/ that can be opened (the extension .DB0 as the
// program writes it), sorted. A folder, a pipe, a socket or a device of such a name is listed as
// well: opening it says why it cannot be opened.
std::vector<std::string> DrawingNames();

// The name of the openable drawing in DWGS/ that is the same drawing as `name`, spelt as its file
// is; empty when there is none.
std::string OpenableDrawingName(const std::string& name);

// The name of the drawing in DWGS/ that is the same drawing as `name`, spelt as its file is,
// whatever the case of its extension; empty when there is none (a folder, a pipe, a socket or a
// device is none: writing there is refused with the reason).
std::string ExistingDrawingName(const std::string& name);

// When a drawing of this name exists, asks "A drawing named NAME already exists. Replace it?"
// with Yes and No, No the default (Enter keeps the drawing). True when there is none or the user
// chose Yes.
bool ConfirmReplace(TWindow& parent, const std::string& name);

// Why DWGS/<name>.DB0 cannot take a drawing written under `name`, for the user ("the file PATH
// cannot be written: Is a directory"): a folder, a pipe, a device, a link to nothing or a file
// that may not be written stands there. Empty when it can; nothing is written either way.
std::string DrawingPlaceRefusal(const std::string& name);

// After a drawing was written under `name`: removes the file of the same name in another case,
// so that one drawing never has two files.
void RemoveOtherCaseFiles(const std::string& name);

// The path of DWGS/<name>.BMP.
std::string BitmapFilePath(const std::string& name);
