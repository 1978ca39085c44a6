#pragma once
// The rounded-rectangle tool: input as the rectangle tool's; the corner radius is in libraryFlag
// (model units), set by the window before the first corner is marked.
#include "tools/rectangletool.h"

class TRoundrecttool : public TRectangletool {
public:
    TRoundrecttool() = default;

    // The rounded rectangle over the box, its corners rounded by ellipses 2 x libraryFlag across.
    void DrawFeedback(Canvas& dc, int flag) override;
};
