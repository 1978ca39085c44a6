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

// True when the name has minLength to 24 characters, each a letter, a digit, a comma or a blank
// (the characters the new-drawing dialog lets through).
bool IsDrawingName(const std::string& name, std::size_t minLength = 1);

// The names (file stems) of the drawings in DWGS/, sorted; the extension .DB0 in any case.
std::vector<std::string> DrawingNames();

// The path of the drawing file whose name equals `name` but for case; empty when there is none.
std::string ExistingDrawingFile(const std::string& name);

// When a drawing of this name exists, asks "A drawing named NAME already exists. Replace it?"
// with Yes and No. True when there is none or the user chose Yes.
bool ConfirmReplace(TWindow& parent, const std::string& name);

// After a drawing was written under `name`: removes the file of the same name in another case,
// so that one drawing never has two files.
void RemoveOtherCaseFiles(const std::string& name);

// The path of DWGS/<name>.DB0 and of DWGS/<name>.BMP.
std::string DrawingFilePath(const std::string& name);
std::string BitmapFilePath(const std::string& name);
