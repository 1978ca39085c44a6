// The overlays, display mode and floor area dialogs: CFG/OVERLAY.CFG and the display mode.
#include "dialogs/areadlg.h"
#include "dialogs/displandlg.h"
#include "dialogs/overdlg.h"
#include "model/infoobj.h"
#include "model/list.h"
#include "model/settingsfile.h"
#include "platform/checkbox.h"
#include "platform/static.h"
#include "tests/dialogs/dialogtesthelpers.h"

#include <memory>

namespace {

bool Checked(const TDialog& dialog, int id)
{
    return static_cast<TCheckBox*>(dialog.FindControl(id))->IsChecked();
}

std::string Text(const TDialog& dialog, int id)
{
    return static_cast<TStatic*>(dialog.FindControl(id))->GetText();
}

void AddFloorRecord(int typeCode, int area)
{
    auto record = std::make_unique<TInfoobj>(typeCode);
    record->infoValue = area;
    State().objects.Add(std::move(record));
}

}  // namespace

using ViewDialogs = DialogTest;

TEST_F(ViewDialogs, OverlaysWithNothingCheckedShowTheGroundFloor)
{
    SetCfg("OVERLAY.CFG", "0 0 0 0 0");
    State().displayMode = 10;
    TOverdlg dialog(&window, 5200);
    Answer("dialog 5200 ok");
    ASSERT_EQ(dialog.Execute(), IDOK);
    EXPECT_TRUE(Checked(dialog, 5206));
    EXPECT_EQ(Cfg("OVERLAY.CFG"), "0 1 0 0 0");
    EXPECT_EQ(State().displayMode, 12);
}

TEST_F(ViewDialogs, OverlaysKeepTheWallStyleAndClearTheOuterLevels)
{
    // The file's floors preset the boxes; levels 53 and 54 are always written as 0.
    SetCfg("OVERLAY.CFG", "1 0 1 0 1");
    State().displayMode = 21;
    TOverdlg dialog(&window, 5200);
    Answer("dialog 5200 check 5204 ok");
    ASSERT_EQ(dialog.Execute(), IDOK);
    EXPECT_FALSE(Checked(dialog, 5202));
    EXPECT_TRUE(Checked(dialog, 5203));
    EXPECT_FALSE(Checked(dialog, 5206));
    EXPECT_EQ(Cfg("OVERLAY.CFG"), "0 0 1 1 0");
    EXPECT_EQ(State().displayMode, 23);
}

TEST_F(ViewDialogs, OverlaysWithoutAFileStartFromTheShippedDefault)
{
    RemoveCfg("OVERLAY.CFG");
    State().displayMode = 1;
    TOverdlg dialog(&window, 5200);
    Answer("dialog 5200 check 5203 check 5206 ok");
    ASSERT_EQ(dialog.Execute(), IDOK);
    EXPECT_EQ(Cfg("OVERLAY.CFG"), "0 1 1 0 0");
    EXPECT_EQ(State().displayMode, 2);
}

TEST_F(ViewDialogs, OverlaysThatCannotBeStoredAreReportedAndTheFileKept)
{
    SetCfg("OVERLAY.CFG", "0 0 1 0 0");
    const std::pair<WriteStage, const char*> failures[] = {{WriteStage::Write, "No space left on device"},
                                                           {WriteStage::Sync, "Input/output error"},
                                                           {WriteStage::Rename, "Permission denied"}};
    for (const auto& [stage, reason] : failures) {
        TOverdlg dialog(&window, 5200);
        Answer("dialog 5200 check 5202 ok");
        Answer("message ok");
        FailNextWrites(1, stage);
        EXPECT_EQ(dialog.Execute(), IDOK);
        EXPECT_EQ(Transcript().back(),
                  std::string("message Arkweld 4.0 | The settings file CFG/OVERLAY.CFG could not be written: ") + reason);
        EXPECT_EQ(Cfg("OVERLAY.CFG"), "0 0 1 0 0");
    }
    FailNextWrites(0);
}

TEST_F(ViewDialogs, CancelledOverlaysChangeNothing)
{
    SetCfg("OVERLAY.CFG", "0 0 1 0 0");
    State().displayMode = 12;
    TOverdlg dialog(&window, 5200);
    Answer("dialog 5200 check 5202 uncheck 5206 press 9 cancel");
    EXPECT_EQ(dialog.Execute(), IDCANCEL);
    EXPECT_EQ(Transcript(), std::vector<std::string>{"help 210"});
    EXPECT_EQ(Cfg("OVERLAY.CFG"), "0 0 1 0 0");
    EXPECT_EQ(State().displayMode, 12);
}

TEST_F(ViewDialogs, DisplayModeLeavesTheOverlayView)
{
    State().displayMode = 13;
    TDisplandlg unchanged(&window, 18500);
    Answer("dialog 18500 ok");
    ASSERT_EQ(unchanged.Execute(), IDOK);
    EXPECT_TRUE(Checked(unchanged, 18504));
    EXPECT_FALSE(Checked(unchanged, 18503));
    EXPECT_FALSE(Checked(unchanged, 18501));
    EXPECT_EQ(State().displayMode, 11);

    State().displayMode = 2;
    TDisplandlg solid(&window, 18500);
    Answer("dialog 18500 check 18505 ok");
    ASSERT_EQ(solid.Execute(), IDOK);
    EXPECT_TRUE(Checked(solid, 18501));
    EXPECT_EQ(State().displayMode, 20);
}

TEST_F(ViewDialogs, FloorAreaAddsTheFourFloorRecords)
{
    State().unitSystem = 1;
    AddFloorRecord(32000, 120);
    AddFloorRecord(32001, 85);
    AddFloorRecord(32002, 0);
    AddFloorRecord(32003, 10);
    TAreadlg dialog(&window, 17000);
    Answer("dialog 17000 ok");
    ASSERT_EQ(dialog.Execute(), IDOK);
    EXPECT_EQ(Text(dialog, 17001), "215 sq. metres");
    EXPECT_EQ(Text(dialog, 17002), "120 sq. metres");
    EXPECT_EQ(Text(dialog, 17003), "85 sq. metres");
    EXPECT_EQ(Text(dialog, 17004), "0 sq. metres");

    State().unitSystem = 0;
    TAreadlg imperial(&window, 17000);
    Answer("dialog 17000 cancel");
    EXPECT_EQ(imperial.Execute(), IDCANCEL);
    EXPECT_EQ(Text(imperial, 17001), "215 sq. ft");
    EXPECT_EQ(Text(imperial, 17003), "85 sq. ft");
}

TEST_F(ViewDialogs, FloorAreaOfAShortListShowsZeros)
{
    TAreadlg empty(&window, 17000);
    Answer("dialog 17000 ok");
    ASSERT_EQ(empty.Execute(), IDOK);
    EXPECT_EQ(Text(empty, 17001), "0 sq. metres");

    // Only the records among the first four objects count.
    AddFloorRecord(32001, 40);
    AddFloorRecord(32000, 7);
    TAreadlg shortList(&window, 17000);
    Answer("dialog 17000 ok");
    ASSERT_EQ(shortList.Execute(), IDOK);
    EXPECT_EQ(Text(shortList, 17001), "47 sq. metres");
    EXPECT_EQ(Text(shortList, 17002), "7 sq. metres");
    EXPECT_EQ(Text(shortList, 17004), "0 sq. metres");
}
