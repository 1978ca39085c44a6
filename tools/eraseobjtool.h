#pragma once
// The selection tool that erases: right after the selection is made it removes the selected
// objects from the drawing and rewrites the drawing file, then ends (step 9). Walls are never
// selected, so never erased: they have commands of their own.
#include "model/modelbox.h"
#include "tools/moveobjtool.h"

class TEraseobjtool : public TMoveobjtool {
public:
    TEraseobjtool();

    void ProcessSelection(Canvas& dc, const TRect& clientRect, int a, int b) override;  // 16

    // The model area the erased objects covered (for the window's repaint); empty when none.
    const TModelBox& ErasedArea() const { return erasedArea; }

private:
    TModelBox erasedArea;
};
