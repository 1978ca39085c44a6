#pragma once
// The new-library-entry dialog of Libraries/ADD to a library, after the objects to keep were
// selected: the entry's name and its library. OK saves the selection as the entry's file in LIBS/
// and then lists it in the library; a name the library holds already is replaced only when the
// user says so.
#include "platform/dialog.h"
#include "platform/edit.h"
#include "platform/radiobutton.h"

#include <string>

class TAtolibdlg : public TDialog {
public:
    TAtolibdlg(TWindow* parent, int resourceId);

    void SetupWindow() override;
    void CmOk() override;
    int HelpContext() const override { return 330; }

    int libraryKind = 1;         // 1 plumbing, 2 electrical, 3 furniture, 4 miscellaneous
    std::string entryNameText;   // the entry's name as stored, at most 24 characters

private:
    TEdit* nameEdit;
    TRadioButton* plumbingButton;
    TRadioButton* electricalButton;
    TRadioButton* furnitureButton;
    TRadioButton* miscellaneousButton;

    // Saves the entry, then lists it; false (the user told why) when either fails.
    bool SaveEntry(const std::string& name, bool listed);
};
