#include "dialogs/atolibdlg.h"

#include "dialogs/radiochoice.h"
#include "dialogs/validatededit.h"
#include "model/drawingstate.h"
#include "model/list.h"
#include "model/programdirectory.h"
#include "model/libraryindex.h"
#include "model/settingsrecords.h"

namespace {

constexpr int NAME_LIMIT = 25;
const char* const LIBRARY_TITLE = "LIBRARY";
// The library kind of each radio: plumbing, electrical, furniture, miscellaneous.
constexpr std::array<int, 4> LIBRARY_KINDS = {1, 2, 3, 4};

std::string Trimmed(const std::string& text)
{
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string::npos)
        return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

}  // namespace

TAtolibdlg::TAtolibdlg(TWindow* parent, int resourceId) : TDialog(parent, resourceId)
{
    nameEdit = NameEdit(Create<TEdit>(16001, NAME_LIMIT));
    plumbingButton = Create<TRadioButton>(16002);
    electricalButton = Create<TRadioButton>(16003);
    furnitureButton = Create<TRadioButton>(16004);
    miscellaneousButton = Create<TRadioButton>(16005);
}

void TAtolibdlg::SetupWindow()
{
    TDialog::SetupWindow();
    plumbingButton->Check();
}

void TAtolibdlg::CmOk()
{
    if (!CanClose())
        return;
    // Blanks at the ends of a name would only make its file hard to tell apart.
    std::string name = Trimmed(nameEdit->GetText(NAME_LIMIT));
    ReadChoice(std::array{plumbingButton, electricalButton, furnitureButton, miscellaneousButton}, LIBRARY_KINDS,
               libraryKind);
    if (!IsLibraryEntryName(name)) {
        MessageBox("Give the entry a name of 1 to 24 letters, digits, commas or blanks", LIBRARY_TITLE,
                   MB_OK | MB_ICONEXCLAMATION);
        nameEdit->SetFocus();
        return;
    }
    const TLibraryIndex index = ReadLibraryIndex(libraryKind);
    const int listed = FindLibraryEntry(index, name);
    if (listed >= 0) {
        // The entry keeps the name it is listed under, so its file is the one replaced.
        name = index.names[std::size_t(listed)];
        const std::string question =
            "The " + LibraryName(libraryKind) + " library already has an entry named " + name + ". Replace it?";
        if (MessageBox(question, LIBRARY_TITLE, MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2) != IDYES) {
            nameEdit->SetFocus();
            return;
        }
    }
    if (!SaveEntry(name, listed >= 0))
        return;
    entryNameText = name;
    CloseWindow(IDOK);
}

bool TAtolibdlg::SaveEntry(const std::string& name, bool listed)
{
    TList& objects = State().objects;
    std::string reason;
    // The entry's file first: a library never lists an entry that is not there.
    if (!objects.SaveLibrarySymbol(libraryKind, name, &reason)) {
        MessageBox("The library entry " + LibsPath(name + LibraryExtension(libraryKind)) + " could not be written: " +
                       reason,
                   ApplicationName, MB_OK | MB_ICONEXCLAMATION);
        return false;
    }
    if (!listed && !objects.RegisterLibraryFile(libraryKind, name, &reason)) {
        MessageBox("The " + LibraryName(libraryKind) + " library (" + CfgPath(LibraryIndexFile(libraryKind)) +
                       ", " + CfgPath(TLibraryCountSettings::file.metric) + ") could not be written: " + reason,
                   ApplicationName, MB_OK | MB_ICONEXCLAMATION);
        return false;
    }
    return true;
}
