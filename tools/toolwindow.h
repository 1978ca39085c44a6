#pragma once
// What a tool needs of the drawing window it works in: the window's own cursor, in client device
// coordinates. The drawing window implements it and stores itself in the tool's `window` field
// before every call to the tool; tests implement a fake.
#include "model/modelbox.h"
#include "platform/geometry.h"

#include <string>

class TToolWindow {
public:
    virtual ~TToolWindow();
    // The cursor position in client device coordinates.
    virtual TPoint GetCursorPos() const = 0;
    // Puts the cursor at a client device point.
    virtual void SetCursorPos(TPoint clientDevice) = 0;
    // Tells the user why the tool refused what was entered (a message box); a window that shows
    // no messages ignores it.
    virtual void Message(const std::string& text, const std::string& title);
    // Repaints what lies in a model area from the drawing file, with what the tools hold over it,
    // once the event is handled; a window that keeps no picture ignores it.
    virtual void InvalidateModelArea(const TModelBox& area);
};
