#pragma once
// The selection family: Edit/Copy, Paste, Move or Rotate and Erase, and Zoom/Zoom UP, with the
// move, copy and erase tools (kinds 14, 15, 19).
//
// A click of the move or erase tool sets the datum; releasing a selection or zoom rectangle
// switches it off. The move tool's right click asks the angle ("ROTATE") and turns the selection
// about the click; keypad + and − turn it by 5 degrees; Enter locks the moves and turns into the
// drawing file. The erase tool's release removes the objects and repaints their area. A released
// zoom rectangle shows the new view and puts back the tool that was current before, as it was.
#include "app/commandtable.h"

class TToolFamily;
class TToolSite;

const TToolFamily& SelectionFamily();
TFamilyRows SelectionFamilyRows();

// Edit/Paste (TChild::Paste): adds the paste buffer's objects near the lower left of the view and
// hands them to the move tool to be placed like a selection.
void PasteFromBuffer(TToolSite& site);

// TChild::CheckRotatableSelection: before a turn by other than a multiple of 90 degrees. 1 (refused)
// when the move tool's selection holds an arc, ellipse, rectangle or rounded rectangle ("ROTATE"
// message) or, silently, when the current tool has no selection; 0 otherwise.
int CheckRotatableSelection(TToolSite& site);
