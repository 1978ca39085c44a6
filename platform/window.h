#pragma once
// A window that can open modal dialogs and message boxes: the drawing window, the MDI client, a
// dialog, or a test's stand-in. Each hands out the runner that shows its dialogs.
#include "platform/dialogrunner.h"

#include <string>

class TWindow {
public:
    virtual ~TWindow() = default;

    virtual DialogRunner& Runner() = 0;

    int MessageBox(const std::string& text, const std::string& caption, unsigned flags = MB_OK)
    {
        return Runner().MessageBox(text, caption, flags);
    }
};
