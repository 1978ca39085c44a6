#include "tools/moveobjtool.h"

void TMoveobjtool::ProcessSelection(Canvas&, TPoint&, int, int) {}
