#pragma once
// What a tool needs of the drawing window it works in: the window's own cursor, in client device
// coordinates. The drawing window implements it and stores itself in the tool's `window` field
// before every call to the tool; tests implement a fake.
#include "platform/geometry.h"

class TToolWindow {
public:
    virtual ~TToolWindow();
    // The cursor position in client device coordinates.
    virtual TPoint GetCursorPos() const = 0;
    // Puts the cursor at a client device point.
    virtual void SetCursorPos(TPoint clientDevice) = 0;
};
