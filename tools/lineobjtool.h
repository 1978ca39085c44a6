#pragma once
// The line tool that commits lines; also the pick tool (kind 21), the wall edits, the manual
// dimension, the multiline and the line with text.
#include "tools/linetool.h"

class TDrawingEdit;

class TLineobjtool : public TLinetool {
public:
    TLineobjtool() = default;

    // Commits the figure as a line on the current floor: drawn, appended and the drawing file
    // rewritten. A line with a zero coordinate or no length is refused and changes nothing.
    void CreateObject(Canvas& dc, const TRect& clientRect) override;
    // In the manual-dimension steps 20..22: the step's part of the manual dimension at the device
    // point (x, y); the drawing file is rewritten once the text is placed. In any other step: the
    // automatic dimensions of the floor in view, renewed and written. The last two values are not
    // used.
    void AutoDimension(Canvas& dc, const TRect& clientRect, int x, int y, int c, int d) override;
    // Line + Text, once the text has been asked for: StoreLineText.
    void ObjectsAdded(Canvas& dc, const TRect& clientRect, int firstIndex, int flag) override;
    // One change of the drawing, written once: the line the tool holds (a dragged line waiting for
    // its text), then, unless noLineText, the text of CFG/LTEXT.CFG beside the last line of the
    // drawing, which makes the tool ready for the next line (step 50). When the last object is
    // not a line no label is placed and the step stays. False when the drawing file could not be
    // written, or could not store the label where it goes (then nothing is stored); either way the
    // user has been told and heldNotStored is set.
    bool StoreLineText(Canvas& dc, const TRect& clientRect);
    // Steps 2 (lengthen) and 3 (shorten) of a picked line: the end of objects[objectIndex] nearer
    // the point (px, py) moves by `distance` along the axis, away from the other end or towards
    // it; a click half-way moves the lower (left) end. A sloped object or one without length stays
    // as it is. Changes the object in memory only: the caller writes the drawing and repaints. A
    // distance outside 1..32766, an end beyond the model range or a shortening that would leave
    // less than 1 changes nothing and leaves an EDIT_REFUSED_ code in `active`.
    void Setup(int distance, int px, int py) override;
};

// Adds a line made from the tool's figure (group id 0) to an edit; draws nothing and leaves the
// drawing file to the edit's commit.
void AddLineObject(TDrawingEdit& edit, const TDrawingtool& tool);

// Rounds half up at the second decimal place; negative values are truncated toward zero. The tool
// argument is not used.
std::int32_t RoundToInt(const TDrawingtool* tool, double x);
