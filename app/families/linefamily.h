#pragma once
// The line family: Tools/Line, Draw Multilines, the line tool's keys (Enter marks a point, an arrow
// with a typed length draws from it), the toolbar's CENTRE and CENTRE CENTRE, the measurement
// prompt, and the pick tool's kinds.
#include "app/commandtable.h"

class TToolFamily;
class TToolSite;

// The line tool's prompt, shown when it is chosen and after each line typed.
inline constexpr char LINE_PROMPT[] = "ENTER start of line, then arrow key direction, OR press LeftButton & DRAG";

const TToolFamily& LineFamily();
TFamilyRows LineFamilyRows();

// Line commands draw with the pen width chosen last: the new tool's penWidth := currentPenWidth.
void UseCurrentPen(TCommandContext& context);
// Draw Multilines: the number of lines (2..100) into the current tool's libraryFlag; a cancel or
// a number out of range installs the pick tool.
void RunMultilineDialog(TToolSite& site);
// The line-text dialog of Line + Text: writes CFG/LTEXT.CFG with the text and its side (no text
// for one of nothing but blanks); when it is not confirmed, or the file cannot be written, the
// tool is marked noLineText.
void RunLineTextDialog(TToolSite& site);
// The measurement prompt of a tool in step 21: the length, proposed from the tool's current one,
// becomes the tool's length and the tool goes on to step 22; a cancel or a length below 1
// installs the pick tool.
void InputMeasurement(TToolSite& site);
