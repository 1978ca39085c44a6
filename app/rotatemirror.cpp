#include "app/rotatemirror.h"

#include "app/child.h"
#include "app/client.h"
#include "app/drawingfiles.h"
#include "dialogs/manipdlg.h"
#include "model/drawingedit.h"
#include "model/drawingstate.h"
#include "model/list.h"
#include "model/selectionlist.h"

namespace {

constexpr std::size_t SHORTEST_NEW_NAME = 3;
const char* const ROTATE_TITLE = "ROTATE/MIRROR";

// Turns or mirrors every object as one edit and writes the drawing under the drawing name in
// force. False when the drawing reaches too far outside the sheet to be turned that way or the
// file could not be written (the user has been told either way; the list is as it was in the first
// case).
bool TurnWholeDrawing(TChild& window, int rotation)
{
    TList& objects = State().objects;
    TDrawingEdit edit(objects);
    for (int i = 0; i < objects.count(); ++i)
        edit.Modify(i);
    if (!objects.RotateOrMirrorDrawing(rotation)) {
        window.Message("The drawing reaches too far outside the sheet for its file to hold it turned that way - "
                       "nothing has been changed",
                       ROTATE_TITLE);
        return false;
    }
    return edit.Commit();
}

// The open drawing turned or mirrored where it is.
void TransformInPlace(TChild& window, int rotation)
{
    // The selection list's base points lie where the objects were. A turn the file did not take
    // (the user has been told) leaves them right for the drawing the repaint reads back.
    if (TurnWholeDrawing(window, rotation))
        ClearCopyList();
    window.Refresh(0);
}

// The drawing turned or mirrored and stored as `name`, then opened; the original's file keeps it
// as it was.
void TransformAsNewDrawing(TClient& client, TChild& window, int rotation, const std::string& name)
{
    TDrawingState& state = State();
    TList& objects = state.objects;
    const std::string original = state.drawingName;
    const int floor = state.currentFloor;
    state.drawingName = name;
    if (!TurnWholeDrawing(window, rotation)) {
        // Told already; the open drawing is the original as its file holds it (nothing, rather
        // than the turned drawing, when the file cannot be read back).
        state.drawingName = original;
        if (!objects.ReadDrawing().ok)
            objects.Clear();
        window.Refresh(0);
        return;
    }
    RemoveOtherCaseFiles(name);
    // The window of the original closes (the list, now the new drawing's, is in its file already)
    // and the new drawing opens in its place on the same floor.
    if (!client.OpenDrawing(name, false))
        return;
    if (TChild* opened = client.ActiveChild()) {
        state.currentFloor = floor;
        opened->UpdateCaption();
        opened->Refresh(0);
    }
}

}  // namespace

void RotateMirrorDrawings(TClient& client, TChild& window)
{
    // The drawing's file holds it already: only the turned drawing is written, once.
    TDrawingState& state = State();
    TManipdlg dialog(&window, 19000);
    if (dialog.Execute() != IDOK) {
        window.Refresh(0);
        return;
    }
    const std::string& name = dialog.newNameText;
    if (SameDrawingName(name, state.drawingName)) {
        // A figure in progress is stored first, and turned with the drawing.
        if (client.StoreHeldFigure())
            TransformInPlace(window, dialog.rotation);
        return;
    }
    if (name.size() < SHORTEST_NEW_NAME || !IsDrawingName(name)) {
        window.Message("A new drawing name needs 3 to 24 letters, digits, commas or blanks - nothing has been changed",
                       ROTATE_TITLE);
        window.Refresh(0);
        return;
    }
    if (!ConfirmReplace(window, name)) {
        window.Refresh(0);
        return;
    }
    // A figure in progress is stored in the drawing it was drawn in, and so turned into the new one.
    if (client.StoreHeldFigure())
        TransformAsNewDrawing(client, window, dialog.rotation, name);
}
