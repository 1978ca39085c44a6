#pragma once
// The text label of the Line + Text tool: the text of CFG/LTEXT.CFG written beside the last line
// drawn, above or below it (left or right of a vertical line), turned to run along it.
#include "platform/geometry.h"

#include <cstdint>

class Canvas;
class TDrawingEdit;
class TToolWindow;

// How a label runs along a line from (x1, y1) to (x2, y2).
struct TLineTextGeometry {
    enum Kind { Horizontal, Vertical, Sloped };
    Kind kind = Horizontal;
    TPoint mid;                   // the line's mid-point (halves truncated), where the text point starts
    std::int32_t escapement = 0;  // of the text, tenths of a degree
    std::int32_t direction = 0;   // the line's direction code, kept in the label's x2
};

TLineTextGeometry LineTextGeometry(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2);

// The label's anchor and alignment on `side` (1 above or left, anything else below or right),
// a quarter of the text height `q` (model units) off the line. The anchor is taken wide: it may
// lie beyond the int32 range.
struct TLineTextAnchor {
    std::int64_t x = 0;
    std::int64_t y = 0;
    std::int32_t alignment = 0;  // 6 standing on the anchor, 4 hanging from it
};

TLineTextAnchor LineTextAnchor(const TLineTextGeometry& geometry, std::int32_t side, std::int64_t q);

// Labels the last object of the list when it is a line: the label (a text of type 35 in the
// current font, sized by the room dimension text size of the offsets settings) is drawn at once
// and added to the edit. A missing or empty line text adds nothing. Not labelled when the last
// object is not a line (nothing added), nor when the label's anchor lies where the drawing file
// cannot store it (nothing added; the user is told through `window` and the caller refuses the
// figure).
enum class TLineLabel { NotALine, Labelled, Unstorable };
TLineLabel LabelLastLine(TDrawingEdit& edit, Canvas& dc, const TRect& clientRect, TToolWindow* window);
