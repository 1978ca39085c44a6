// The library dialogs: a new entry saved from the selection list and then listed (never listed
// when its file could not be written, never listed twice, replaced only when the user says so),
// and the entry list with its preview in the drawing.
#include "dialogs/atolibdlg.h"
#include "dialogs/liblistdlg.h"
#include "dialogs/manipdlg.h"
#include "model/lineobj.h"
#include "model/list.h"
#include "model/selectionlist.h"
#include "model/settingsfile.h"
#include "platform/edit.h"
#include "platform/listbox.h"
#include "tests/dialogs/dialogtesthelpers.h"

namespace {

std::string Text(const TDialog& dialog, int id)
{
    return static_cast<TEdit*>(dialog.FindControl(id))->GetText();
}

}  // namespace

class LibraryDialogs : public DialogTest {
protected:
    void SetUp() override
    {
        DialogTest::SetUp();
        State().unitSystem = 1;
        State().drawingName = "LIB";
        State().currentFloor = 50;
        State().unitsPerLogical = 5;
        State().viewExtX = 1200;
        State().viewExtY = 840;
        // A line on the ground floor, selected with the base point at its middle.
        auto line = std::make_unique<TLineobj>(1);
        line->floor = 50;
        line->ownerId = 7;
        line->groupId = 7;
        line->x1 = 1000;
        line->y1 = 2000;
        line->x2 = 3000;
        line->y2 = 2000;
        State().objects.Add(std::move(line));
        ASSERT_TRUE(State().objects.WriteDrawing());
        ASSERT_TRUE(WriteCopyList({{0, 2000, 2000}}));
    }

    std::string Libs(const std::string& name) const { return ReadWholeFile(dir.path() / "LIBS" / name); }
    bool LibsHas(const std::string& name) const { return std::filesystem::exists(dir.path() / "LIBS" / name); }
    int ObjectsInFile() const
    {
        FreshDrawingState reader;
        reader.state().programDirectory = dir.prefix();
        reader.state().drawingName = "LIB";
        EXPECT_TRUE(reader.state().objects.ReadDrawing().ok);
        return reader.state().objects.count();
    }
};

TEST_F(LibraryDialogs, RegisteringBasin2AsPlumbingSavesItsFileAndListsIt)
{
    TAtolibdlg dialog(&window, 16000);
    Answer("dialog 16000 set 16001 \"Basin 2\" ok");
    ASSERT_EQ(dialog.Execute(), IDOK);
    EXPECT_EQ(dialog.libraryKind, 1);
    EXPECT_EQ(dialog.entryNameText, "Basin 2");
    EXPECT_EQ(Cfg("LIM.CFG"), "1 0 0 0");
    EXPECT_EQ(Cfg("PLBM.CFG"), "7 Basin 2\n");
    EXPECT_EQ(Libs("Basin 2.PLM"), "1 0 0 0 1 0\n1\n1 50 7 7 -1000 0 1000 0 0 0 0 0 0 1 0\n");
}

TEST_F(LibraryDialogs, TheNameLosesItsEndBlanksAndAnEmptyOneIsRefused)
{
    TAtolibdlg dialog(&window, 16000);
    // The template's text ends in a blank; typing over it is what the user does.
    Answer("dialog 16000 set 16001 \"   \" check 16004 ok");
    Answer("message ok");
    Answer("dialog 16000 set 16001 \" Double bed \" ok");
    ASSERT_EQ(dialog.Execute(), IDOK);
    EXPECT_EQ(Transcript(),
              std::vector<std::string>{"message LIBRARY | Give the entry a name of 1 to 24 letters, digits, commas or blanks"});
    EXPECT_EQ(dialog.libraryKind, 3);
    EXPECT_EQ(Cfg("FURM.CFG"), "10 Double bed\n");
    EXPECT_TRUE(LibsHas("Double bed.FUM"));
    EXPECT_EQ(Cfg("LIM.CFG"), "0 0 1 0");
}

TEST_F(LibraryDialogs, ANameTheLibraryHoldsIsReplacedOnlyWhenTheUserSaysSo)
{
    SetCfg("LIM.CFG", "0 0 0 1");
    SetCfg("MISM.CFG", "5 Arrow\n");
    WriteWholeFile(dir.path() / "LIBS" / "Arrow.MSM", "old");

    TAtolibdlg refused(&window, 16000);
    Answer("dialog 16000 set 16001 ARROW check 16005 ok");
    Answer("message no");
    Answer("dialog 16000 cancel");
    EXPECT_EQ(refused.Execute(), IDCANCEL);
    EXPECT_EQ(Transcript().back(), "message LIBRARY | The Miscellaneous library already has an entry named Arrow. Replace it?");
    EXPECT_EQ(Libs("Arrow.MSM"), "old");

    TAtolibdlg replaced(&window, 16000);
    Answer("dialog 16000 set 16001 ARROW check 16005 ok");
    Answer("message yes");
    ASSERT_EQ(replaced.Execute(), IDOK);
    // The entry keeps the name and file it is listed under; it is listed once.
    EXPECT_EQ(replaced.entryNameText, "Arrow");
    EXPECT_NE(Libs("Arrow.MSM"), "old");
    EXPECT_FALSE(LibsHas("ARROW.MSM"));
    EXPECT_EQ(Cfg("MISM.CFG"), "5 Arrow\n");
    EXPECT_EQ(Cfg("LIM.CFG"), "0 0 0 1");
}

TEST_F(LibraryDialogs, AnEntryWhoseFileCannotBeWrittenIsNotListed)
{
    TAtolibdlg dialog(&window, 16000);
    Answer("dialog 16000 set 16001 WC check 16002 ok");
    Answer("message ok");
    Answer("dialog 16000 cancel");
    FailNextWrites(1, WriteStage::Write);
    EXPECT_EQ(dialog.Execute(), IDCANCEL);
    FailNextWrites(0);
    ASSERT_EQ(Transcript().size(), 1u);
    EXPECT_EQ(Transcript()[0].rfind("message Arkweld 4.0 | The library entry " + dir.prefix() +
                                        "LIBS/WC.PLM could not be written: ",
                                    0),
              0u)
        << Transcript()[0];
    EXPECT_EQ(Cfg("LIM.CFG"), "0 0 0 0");
    EXPECT_EQ(Cfg("PLBM.CFG"), "");
    EXPECT_FALSE(LibsHas("WC.PLM"));
}

TEST_F(LibraryDialogs, EachSelectionReplacesThePreviewWithEntryObjectsOfNewIds)
{
    SetCfg("LIM.CFG", "0 0 3 0");
    SetCfg("FURM.CFG", "5 CHAIR\n4 DESK\n3 BED\n");
    WriteWholeFile(dir.path() / "LIBS" / "CHAIR.FUM",
                   "2 0 0 0 1 4\n1\n1 50 4 4 0 0 100 0 0 0 0 0 0 1 0\n1\n1 50 4 4 0 0 0 0 0 100 0 0 0 1 0\n");
    WriteWholeFile(dir.path() / "LIBS" / "DESK.FUM", "1 0 0 0 1 2\n7\n7 50 2 2 0 0 800 0 0 400 0 1 0\n");
    State().groupIdCounter = 20;
    int repaints = 0;
    TLiblistdlg dialog(&window, 15500, 3, [&repaints] { ++repaints; });
    Answer("dialog 15500 select 15501 CHAIR select 15501 BED select 15501 DESK ok");
    Answer("message ok");
    ASSERT_EQ(dialog.Execute(), IDOK);
    // Sorted; BED has no file: told so, and nothing shown for it.
    auto* list = static_cast<TListBox*>(dialog.FindControl(15501));
    EXPECT_EQ(list->Items(), (std::vector<std::string>{"BED", "CHAIR", "DESK"}));
    ASSERT_EQ(Transcript().size(), 1u);
    EXPECT_EQ(Transcript()[0], "message Arkweld 4.0 | The file " + dir.prefix() +
                                   "LIBS/BED.FUM cannot be opened: No such file or directory.");
    EXPECT_EQ(repaints, 3);
    // Only the last entry is in the drawing, and in its file, after the line that was there.
    EXPECT_EQ(dialog.previewStart, 1);
    EXPECT_EQ(dialog.selectedName, "DESK");
    TList& objects = State().objects;
    ASSERT_EQ(objects.count(), 2);
    EXPECT_EQ(objects[1]->typeCode, 7);
    EXPECT_EQ(objects[1]->floor, 50);
    // Near the lower left of the view: an eighth across, a sixth up.
    EXPECT_EQ(objects[1]->x1, 1200 / 8 * 5);
    EXPECT_EQ(objects[1]->y1, 840 / 6 * 5);
    // The ids are the drawing's own, beyond the counter as it was (two entries took one each).
    EXPECT_EQ(objects[1]->ownerId, 22);
    EXPECT_EQ(objects[0]->ownerId, 7);
    EXPECT_EQ(ObjectsInFile(), 2);
}

TEST_F(LibraryDialogs, OkWithoutASelectionShowsNothingAndACountOfZeroListsNothing)
{
    SetCfg("LIM.CFG", "0 1 0 0");
    SetCfg("ELEM.CFG", "6 SWITCH\n");
    TLiblistdlg dialog(&window, 15500, 2);
    Answer("dialog 15500 ok");
    ASSERT_EQ(dialog.Execute(), IDOK);
    EXPECT_EQ(dialog.selectedName, "");
    EXPECT_EQ(State().objects.count(), 1);
    EXPECT_EQ(static_cast<TListBox*>(dialog.FindControl(15501))->GetCount(), 1);

    TLiblistdlg empty(&window, 15500, 1);
    SetCfg("PLBM.CFG", "2 WC\n");
    Answer("dialog 15500 ok");
    ASSERT_EQ(empty.Execute(), IDOK);
    EXPECT_EQ(static_cast<TListBox*>(empty.FindControl(15501))->GetCount(), 0);
}

TEST_F(LibraryDialogs, TheManipulateDialogOffersTheDrawingsNameAndAQuarterTurn)
{
    TManipdlg unchanged(&window, 19000);
    Answer("dialog 19000 ok");
    ASSERT_EQ(unchanged.Execute(), IDOK);
    EXPECT_EQ(unchanged.rotation, 90);
    EXPECT_EQ(unchanged.newNameText, "LIB");

    TManipdlg mirror(&window, 19000);
    Answer("dialog 19000 check 19005 set 19001 \"New.house\" ok");
    ASSERT_EQ(mirror.Execute(), IDOK);
    EXPECT_EQ(mirror.rotation, 1);
    EXPECT_EQ(mirror.newNameText, "Newhouse");  // a dot cannot be typed

    for (const auto& [button, degrees] : std::vector<std::pair<int, int>>{{19003, 180}, {19004, 270}}) {
        TManipdlg turn(&window, 19000);
        Answer("dialog 19000 check " + std::to_string(button) + " ok");
        ASSERT_EQ(turn.Execute(), IDOK);
        EXPECT_EQ(turn.rotation, degrees);
    }
    TManipdlg cancelled(&window, 19000);
    Answer("dialog 19000 check 19004 cancel");
    EXPECT_EQ(cancelled.Execute(), IDCANCEL);
    EXPECT_EQ(cancelled.rotation, 90);
    EXPECT_EQ(Text(cancelled, 19001), "LIB");
}
