#pragma once
// The maximum-size design-room dialogs, metric and imperial: the new-design-room dialogs showing
// the free width and length measured at the user's click (maxWidth, maxLength, model units) as the
// room's size; imperial sizes as feet, inches and eighths, the measured size coming back exact when
// it is left as shown.
#include "dialogs/troomdlg.h"

class TMaxroomdlg : public TTroomdlg {
public:
    TMaxroomdlg(TWindow* parent, int resourceId, int maxWidth, int maxLength);

    void SetupWindow() override;

    int maxWidth;
    int maxLength;
};

class TMaxroomimpdlg : public TTroomimpdlg {
public:
    TMaxroomimpdlg(TWindow* parent, int resourceId, int maxWidth, int maxLength);

    void SetupWindow() override;

    int maxWidth;
    int maxLength;
};
