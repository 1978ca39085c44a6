#pragma once
// The selection tool that moves and rotates; also paste, the zoom rectangle and library insertion.
#include "tools/drawingtool.h"

class TMoveobjtool : public TDrawingtool {
public:
    TMoveobjtool() = default;

    virtual void ProcessSelection(Canvas& dc, TPoint& point, int a, int b);  // 16
};
