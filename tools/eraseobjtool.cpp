#include "tools/eraseobjtool.h"

#include "model/drawingedit.h"
#include "model/drawingstate.h"
#include "model/list.h"
#include "model/viewmapping.h"
#include "tools/selectiongeometry.h"

TEraseobjtool::TEraseobjtool()
{
    kind = KIND_ERASE;
}

void TEraseobjtool::ProcessSelection(Canvas& dc, const TRect& clientRect, int, int)
{
    // Every entry is checked before anything is removed: an entry that names no object stops the
    // erase with the drawing as it was.
    const TList& objects = State().objects;
    for (const TCopyEntry& entry : Selection())
        if (entry.index < 0 || entry.index >= objects.count())
            return;

    // The area to repaint: what the objects covered on the screen, their letters included.
    const std::vector<int> indices = SelectedIndices();
    SetupViewMapping(dc, clientRect);
    erasedArea = TModelBox();
    for (int index : indices)
        erasedArea.Add(PaintedBounds(*objects[index], dc));
    TDrawingEdit edit;
    edit.RemoveAll(indices);
    edit.Commit();
    // The indices left in the selection list name other objects now.
    SetSelection({});
    step = STEP_ERASE_DONE;
}
