#pragma once
// The stairs family: Other/Stairs Internal with the stairs dialog, the outline that follows the
// mouse while the stairs tool's preview is on, and ENTER, which places the stair on the floor in
// view and the floor above, repaints the whole window and returns to the pick tool. Stairs need a
// floor above with at least one external wall; the second floor has none above it.
#include "app/commandtable.h"

class TToolFamily;
class TToolSite;

const TToolFamily& StairsFamily();
TFamilyRows StairsFamilyRows();

// The stairs dialog of the unit system (TChild::RunMultilineOrStairsDialog 10): the stair goes to
// the stairs tool, whose outline then follows the mouse. A cancel, or a stair the tool refuses,
// installs the pick tool.
void RunStairsDialog(TToolSite& site);
