#include "app/undo.h"

#include "app/toolsite.h"
#include "model/drawingedit.h"
#include "model/drawingstate.h"
#include "model/list.h"
#include "model/selectionlist.h"
#include "model/typecodes.h"
#include "platform/dialogrunner.h"

namespace {

// Undo takes back at most this many objects in a row.
constexpr int MAX_UNDO = 3;

}  // namespace

void TUndo::Run(TToolSite& window, bool& readFailureTold)
{
    TDrawingState& state = State();
    TList& objects = state.objects;
    // Undo works on the drawing as stored. A file that cannot be read is told, and nothing is taken
    // back: the list keeps what it held.
    if (const TLoadResult loaded = objects.ReadDrawing(); !loaded.ok) {
        window.Message(loaded.message, ApplicationName);
        readFailureTold = true;
        return;
    }
    // Any change committed since the last undo starts a new run.
    if (objects.EditCount() != editCount)
        count = 0;
    const TObject* last = objects.count() > 0 ? objects[objects.count() - 1] : nullptr;
    const char* refusal = nullptr;
    if (count >= MAX_UNDO)
        refusal = "Undo takes back at most three objects in a row";
    else if (!last || last->floor != state.currentFloor || IsFloorRecordType(last->typeCode))
        refusal = "There is nothing to undo on this floor";
    else if (last->typeCode == TYPE_EXTWALL)
        refusal = "An external wall is not undone - use Walls & Base/External Walls/DELETE External Wall";
    if (refusal) {
        window.Message(refusal, "UNDO");
        return;
    }
    TDrawingEdit edit(objects);
    edit.Remove(objects.count() - 1);
    if (!edit.Commit())
        return;
    ++count;
    editCount = objects.EditCount();
    // The selection list's indices may name the object taken back.
    ClearCopyList();
    window.Refresh(0);
}
