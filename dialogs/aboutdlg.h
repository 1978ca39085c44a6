#pragma once
// The About box: the program's name and version, and OK.
#include "platform/dialog.h"

class TAboutdlg : public TDialog {
public:
    TAboutdlg(TWindow* parent, int resourceId) : TDialog(parent, resourceId) {}
};
