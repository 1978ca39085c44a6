#include "dialogs/liblistdlg.h"

#include "model/drawingedit.h"
#include "model/drawingstate.h"
#include "model/list.h"
#include "model/pastedids.h"
#include "model/libraryindex.h"
#include "model/settingsrecords.h"

namespace {
constexpr int LIST_ID = 15501;
}

TLiblistdlg::TLiblistdlg(TWindow* parent, int resourceId, int libraryKind,
                         std::function<void()> showPreview)
    : TDialog(parent, resourceId), libraryKind(libraryKind), showPreview(std::move(showPreview))
{
    list = Create<TListBox>(LIST_ID);
}

void TLiblistdlg::SetupWindow()
{
    TDialog::SetupWindow();
    previewStart = State().objects.count();
    list->ClearList();
    for (const std::string& name : ReadLibraryIndex(libraryKind).names)
        list->AddString(name);
}

void TLiblistdlg::ListSelectionChanged(int id)
{
    if (id != LIST_ID || !LibraryExtension(libraryKind))
        return;
    TList& objects = State().objects;
    TDrawingEdit edit(objects);
    // The entry shown before goes.
    edit.CutBack(previewStart);
    selectedName.clear();
    if (list->GetSelIndex() >= 0) {
        selectedName = list->GetSelString().substr(0, TLibraryIndex::NAME_CAPACITY) + LibraryExtension(libraryKind);
        // Placed again and again, an entry's objects never share ids with earlier placings.
        const TLoadResult result = AddLibraryObjects(edit, selectedName);
        if (!result.ok)
            MessageBox(result.message, ApplicationName, MB_OK | MB_ICONEXCLAMATION);
    }
    // A choice that changes nothing (none shown before, and the entry not read or empty) writes
    // nothing: on a failing disk its failure would be told again.
    if (edit.Changed() && edit.Commit())
        previewWritten = true;
    if (showPreview)
        showPreview();
}

void TLiblistdlg::CmOk()
{
    selectedName = list->GetSelString().substr(0, TLibraryIndex::NAME_CAPACITY);
    CloseWindow(IDOK);
}
