#pragma once
// The rounded-rectangle tool that commits rounded rectangles.
#include "tools/roundrecttool.h"

class TRndrectobjtool : public TRoundrecttool {
public:
    TRndrectobjtool() = default;

    // Commits the rectangle with the tool's corner radius; refused when the corners coincide.
    void CreateObject(Canvas& dc, const TRect& clientRect) override;
};
