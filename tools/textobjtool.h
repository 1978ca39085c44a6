#pragma once
// The text tool that commits texts.
#include "tools/texttool.h"

class TTextobjtool : public TTexttool {
public:
    TTextobjtool() = default;

    // Commits the text at (x1, y1) in the current font face, size and weight; an empty text
    // creates nothing. Clears lineDrawn.
    void CreateObject(Canvas& dc, const TRect& clientRect) override;

protected:
    // The text CreateObject commits, at (x1, y1) (a vertical text centred on its point stands half
    // its width lower); none for an empty text.
    std::unique_ptr<TObject> LineObject(Canvas& dc) const override;
};
