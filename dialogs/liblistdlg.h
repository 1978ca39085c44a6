#pragma once
// The library list of Libraries/Plumbing .. Miscellaneous: the entries of one library. Each
// change of the selection puts the selected entry into the drawing near the lower left of the view,
// in place of the one shown before, so that the user sees it; OK keeps the one shown (the opener
// then lets the user place it), Cancel leaves the opener to take it away.
#include "platform/dialog.h"
#include "platform/listbox.h"

#include <functional>
#include <string>

class TLiblistdlg : public TDialog {
public:
    // `showPreview` repaints the part of the window where the entries are shown; it runs after
    // every change of the preview.
    TLiblistdlg(TWindow* parent, int resourceId, int libraryKind, std::function<void()> showPreview = {});

    void SetupWindow() override;
    void ListSelectionChanged(int id) override;
    void CmOk() override;
    int HelpContext() const override { return 330; }

    int libraryKind;           // 1 plumbing, 2 electrical, 3 furniture, 4 miscellaneous
    int previewStart = 0;      // the object count when the list opened: the preview follows it
    std::string selectedName;  // the selected entry; while previewing, with its file's extension
    // True once a preview has been written to the drawing file: only then does the file differ
    // from the drawing the list opened on, and taking the preview away has to write it again.
    bool PreviewWritten() const { return previewWritten; }

private:
    TListBox* list;
    std::function<void()> showPreview;
    bool previewWritten = false;
};
