#pragma once
// The selection tool that copies: right after the selection is made it writes the selected
// objects to the paste buffer LIBS/PASTE.CFG, relative to the centre of the drag rectangle. Started
// by the add-to-library command (libraryFlag 1) it leaves the paste buffer alone: the window then
// saves the selection as a library symbol.
#include "tools/moveobjtool.h"

class TCopyobjtool : public TMoveobjtool {
public:
    TCopyobjtool();

    void ProcessSelection(Canvas& dc, const TRect& clientRect, int a, int b) override;  // 16
};
