#include "tools/eraseobjtool.h"

#include "model/drawingedit.h"
#include "model/drawingstate.h"
#include "model/list.h"

TEraseobjtool::TEraseobjtool()
{
    kind = KIND_ERASE;
}

void TEraseobjtool::ProcessSelection(Canvas&, const TRect&, int, int)
{
    // Every entry is checked before anything is removed: an entry that names no object stops the
    // erase with the drawing as it was.
    const TList& objects = State().objects;
    for (const TCopyEntry& entry : Selection())
        if (entry.index < 0 || entry.index >= objects.count())
            return;

    TDrawingEdit edit;
    edit.RemoveAll(SelectedIndices());
    edit.Commit();
    erasedArea = edit.Area();
    // The indices left in the selection list name other objects now.
    SetSelection({});
    step = STEP_ERASE_DONE;
}
