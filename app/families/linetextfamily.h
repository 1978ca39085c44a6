#pragma once
// Tools/Line + Text: a line drawn as with Tools/Line, then, when it was dragged with the mouse, the
// line-text dialog and the label beside the line.
#include "app/commandtable.h"

TFamilyRows LineTextFamilyRows();
