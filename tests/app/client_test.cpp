// The client's commands: File/New, File/Open, the floor views, the refusals, the command table.
#include "tests/app/appfixture.h"

#include "app/drawingfiles.h"

#include "model/infoobj.h"
#include "model/object.h"
#include "resources/toolbar.h"

#include <filesystem>
#include <map>

#include <sys/stat.h>

namespace {

std::string DumpAll(const TList& list)
{
    std::string out;
    for (int i = 0; i < list.count(); ++i)
        out += DumpObject(i, *list[i]) + "\n";
    return out;
}

}  // namespace

TEST_F(AppTest, FileNewWritesTheFourFloorRecordsAndShowsTheWholeSheet)
{
    state().groupIdCounter = 17;
    state().displayMode = 21;
    state().currentFloor = 52;
    NewDrawing("SMITH HOUSE");

    ASSERT_NE(client->ActiveChild(), nullptr);
    EXPECT_EQ(state().drawingName, "SMITH HOUSE");
    EXPECT_EQ(state().unitSystem, 1);
    EXPECT_EQ(state().currentFloor, 50);
    EXPECT_EQ(state().unitsPerLogical, 5);
    EXPECT_EQ(state().groupIdCounter, 0);
    EXPECT_EQ(state().displayMode, 0);
    EXPECT_EQ(state().drawingState, 2);
    EXPECT_EQ(DumpAll(objects()),
              "0 TInfoobj floor=50 ownerId=0 groupId=0 typeCode=32000 penWidth=1 penStyle=0 x1=0 z1=0 x2=0 "
              "z2=2550 y1=0 y2=0 colour=0 infoValue=0\n"
              "1 TInfoobj floor=51 ownerId=0 groupId=0 typeCode=32001 penWidth=1 penStyle=0 x1=0 z1=0 x2=0 "
              "z2=2400 y1=0 y2=0 colour=0 infoValue=0\n"
              "2 TInfoobj floor=52 ownerId=0 groupId=0 typeCode=32002 penWidth=1 penStyle=0 x1=0 z1=0 x2=0 "
              "z2=2400 y1=0 y2=0 colour=0 infoValue=0\n"
              "3 TInfoobj floor=53 ownerId=0 groupId=0 typeCode=32003 penWidth=1 penStyle=0 x1=0 z1=0 x2=0 "
              "z2=2400 y1=0 y2=0 colour=0 infoValue=0\n");
    EXPECT_TRUE(std::filesystem::exists(Path("DWGS/SMITH HOUSE.DB0")));
    EXPECT_EQ(ReadWholeFile(Path("CFG/ZOOM.CFG")), "1000 700 0 0 5\n");
    EXPECT_EQ(ReadWholeFile(Path("CFG/METRIC.CFG")), "1");

    // Device (X, Y) is model (5 X, 5 (client height - Y)).
    EXPECT_EQ(Child().ModelPointOf({0, 700}), (TPoint{0, 0}));
    EXPECT_EQ(Child().ModelPointOf({200, 100}), (TPoint{1000, 3000}));
    EXPECT_EQ(Child().DevicePointOf({1000, 3000}), (TPoint{200, 100}));
    EXPECT_EQ(Window().Caption(), "SMITH HOUSE.PLN");
    // The drawing starts with its external walls.
    EXPECT_EQ(client->Prompt(),
              "Draw outer line of EXTERNAL walls, press ENTER on start point then use arrow keys for input");
    EXPECT_EQ(client->ToolName(), "Ext. Walls");
    EXPECT_EQ(client->CurrentTool()->kind, 1000);
    EXPECT_EQ(client->helpContext, 250);
    EXPECT_EQ(frame.Scripted().PendingAnswers(), 0u);
    EXPECT_TRUE(lines.empty());
}

TEST_F(AppTest, FileNewImperialUsesTheImperialStoreysAndSheet)
{
    UseShippedSheet();
    NewDrawing("JONES", false);
    EXPECT_EQ(state().unitSystem, 0);
    ASSERT_EQ(objects().count(), 4);
    EXPECT_EQ(objects()[0]->z2, 2328);
    EXPECT_EQ(objects()[1]->z2, 2304);
    EXPECT_EQ(objects()[3]->z2, 2304);
    EXPECT_EQ(state().sheetWidth, 13824);
    EXPECT_EQ(state().sheetHeight, 9216);
}

TEST_F(AppTest, FileNewCancelledOrWithoutANameMakesNoDrawing)
{
    Answer("dialog 2024 cancel");
    Command(CM_FILENEW);
    EXPECT_EQ(client->ActiveChild(), nullptr);

    Answer("dialog 2024 set 2027 \"\" check 2025 ok");
    Command(CM_FILENEW);
    EXPECT_EQ(client->ActiveChild(), nullptr);
    // The dialog still set the unit system it was closed with.
    EXPECT_EQ(state().unitSystem, 0);
    EXPECT_TRUE(std::filesystem::is_empty(Path("DWGS")));
    EXPECT_TRUE(lines.empty());
}

TEST_F(AppTest, FileNewAsksBeforeReplacingADrawingOfTheSameNameInAnyCase)
{
    NewDrawing("house");
    AddLine(50, 1000, 1000, 2000, 1000);
    const std::string before = ReadWholeFile(Path("DWGS/house.DB0"));

    // No: the existing drawing stays as it was, open in its window, in its own unit system.
    Answer("dialog 2024 set 2027 HOUSE check 2025 ok");
    Answer("message no");
    Command(CM_FILENEW);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0], "message Arkweld 4.0 | A drawing named HOUSE already exists. Replace it?");
    ASSERT_NE(client->ActiveChild(), nullptr);
    EXPECT_EQ(state().drawingName, "house");
    EXPECT_EQ(state().unitSystem, 1);
    EXPECT_EQ(objects().count(), 5);
    EXPECT_EQ(ReadWholeFile(Path("DWGS/house.DB0")), before);
    // Cancelling the dialog leaves it open too.
    Answer("dialog 2024 cancel");
    Command(CM_FILENEW);
    EXPECT_NE(client->ActiveChild(), nullptr);
    EXPECT_EQ(ReadWholeFile(Path("DWGS/house.DB0")), before);

    // Yes: the new drawing replaces it, under the case typed, and the old file is gone.
    Answer("dialog 2024 set 2027 HOUSE check 2026 ok");
    Answer("message yes");
    AnswerWallDialogs();
    Command(CM_FILENEW);
    ASSERT_NE(client->ActiveChild(), nullptr);
    EXPECT_FALSE(std::filesystem::exists(Path("DWGS/house.DB0")));
    EXPECT_TRUE(std::filesystem::exists(Path("DWGS/HOUSE.DB0")));
    EXPECT_EQ(objects().count(), 4);
}

TEST_F(AppTest, FileNewThatCannotWriteItsDrawingSaysSoAndOpensNothing)
{
    // A folder stands where the drawing file would go.
    std::filesystem::create_directories(Path("DWGS/HOUSE.DB0"));
    Answer("dialog 2024 set 2027 HOUSE check 2026 ok");
    Answer("message ok");
    // No wall dialog follows: none is answered.
    Command(CM_FILENEW);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0], "message NEW | The drawing HOUSE cannot be made: the file " + Path("DWGS/HOUSE.DB0") +
                            " cannot be written: Is a directory.");
    EXPECT_EQ(client->ActiveChild(), nullptr);
    EXPECT_EQ(state().drawingState, 1);
    EXPECT_EQ(state().drawingName, "");
    EXPECT_EQ(objects().count(), 0);
    EXPECT_EQ(client->CurrentTool()->kind, 21);
}

TEST_F(AppTest, FileNewSavesTheOpenDrawingFirst)
{
    NewDrawing("FIRST");
    // An object changed in memory only reaches the file when File/New saves it.
    AddLine(50, 1000, 1000, 2000, 1000);
    objects()[4]->x2 = 3000;
    NewDrawing("SECOND");
    auto saved = ReadBack("FIRST");
    ASSERT_EQ(saved.size(), 5u);
    EXPECT_EQ(saved[4]->x2, 3000);
    EXPECT_EQ(client->Children().size(), 1u);
}

TEST_F(AppTest, FileOpenReadsTheDrawingAndResetsTheView)
{
    NewDrawing("PLAN");
    AddLine(51, 1000, 1000, 2000, 1000);
    NewDrawing("OTHER");
    state().viewOrgX = 300;
    state().currentFloor = 51;
    state().groupIdCounter = 40;
    client->SetDistance("120,-40");

    frame.SetNextChoice("plan");
    Command(CM_FILEOPEN);
    ASSERT_NE(client->ActiveChild(), nullptr);
    EXPECT_EQ(client->Children().size(), 1u);
    EXPECT_EQ(state().drawingName, "PLAN");  // the file's own case
    EXPECT_EQ(state().currentFloor, 50);
    EXPECT_EQ(state().viewOrgX, 0);
    EXPECT_EQ(state().groupIdCounter, 0);  // from the file, not from the drawing open before
    EXPECT_EQ(objects().count(), 5);
    EXPECT_EQ(Window().Caption(), "PLAN.PLN");
    EXPECT_EQ(client->ToolName(), "Pick Tool");
    // The cursor read-out of the drawing before is gone.
    EXPECT_EQ(client->Distance(), "");
}

TEST_F(AppTest, FileOpenShowsItsReadingAndEveryLaterRepaintReadsTheFileAgain)
{
    // Model y 3000 and 1500 are device rows 100 and 400 of the normal view of the 1000 x 700 sheet.
    NewDrawing("PLAN");
    AddLine(50, 500, 3000, 4000, 3000);
    NewDrawing("OTHER");
    frame.SetNextChoice("PLAN");
    Command(CM_FILEOPEN);
    const TColor white = MakeColour(255, 255, 255);
    auto drawnNear = [&](int x, int y) { return Pixel(x, y - 1) != white || Pixel(x, y) != white || Pixel(x, y + 1) != white; };
    EXPECT_TRUE(drawnNear(400, 100));
    EXPECT_FALSE(drawnNear(400, 400));

    // Another run of the program adds a line to the file: a partial repaint, then one of the
    // whole window, each read it.
    {
        FreshDrawingState writer;
        writer.state().programDirectory = dir.prefix();
        writer.state().drawingName = "PLAN";
        ASSERT_TRUE(writer.state().objects.ReadDrawing().ok);
        auto line = std::make_unique<TLineobj>();
        line->floor = 50;
        line->x1 = 500;
        line->y1 = 1500;
        line->x2 = 2500;
        line->y2 = 1500;
        TDrawingEdit edit(writer.state().objects);
        edit.Add(std::move(line));
        ASSERT_TRUE(edit.Commit());
    }
    Child().InvalidateArea({350, 390, 450, 410});
    frame.ProcessEvents();
    EXPECT_TRUE(drawnNear(400, 400));
    EXPECT_EQ(objects().count(), 6);
    Child().Refresh(0);
    frame.ProcessEvents();
    EXPECT_TRUE(drawnNear(150, 400));
    EXPECT_TRUE(drawnNear(700, 100));
}

TEST_F(AppTest, FileOpenRewritesOnlyTheSettingsFilesWhoseContentsChange)
{
    NewDrawing("PLAN");
    frame.SetNextChoice("PLAN");
    Command(CM_FILEOPEN);
    // A file replaced whole gets another inode.
    auto settingsFiles = [&] {
        std::map<std::string, std::uintmax_t> inodes;
        for (const auto& entry : std::filesystem::directory_iterator(Path("CFG"))) {
            struct stat info {};
            EXPECT_EQ(::stat(entry.path().c_str(), &info), 0);
            inodes[entry.path().filename().string()] = info.st_ino;
        }
        return inodes;
    };
    const auto before = settingsFiles();
    ASSERT_TRUE(before.contains("TEMP.CFG") && before.contains("ZOOM.CFG"));
    frame.SetNextChoice("PLAN");
    Command(CM_FILEOPEN);
    EXPECT_EQ(settingsFiles(), before);

    // A stored view other than the normal one is replaced.
    const std::string normal = ReadWholeFile(Path("CFG/ZOOM.CFG"));
    WriteSettings("ZOOM.CFG", "500 350 250 175 5\n");
    frame.SetNextChoice("PLAN");
    Command(CM_FILEOPEN);
    EXPECT_EQ(ReadWholeFile(Path("CFG/ZOOM.CFG")), normal);
}

TEST_F(AppTest, OnlyFilesNamedAsTheProgramWritesThemAreOfferedForOpening)
{
    NewDrawing("PLAN");
    WriteWholeFile(Path("DWGS/other.db0"), ReadWholeFile(Path("DWGS/PLAN.DB0")));
    EXPECT_EQ(DrawingNames(), (std::vector<std::string>{"PLAN"}));
    EXPECT_EQ(OpenableDrawingName("plan"), "PLAN");
    EXPECT_EQ(OpenableDrawingName("OTHER"), "");
    // It still counts as a drawing of that name when a new one would replace it.
    EXPECT_EQ(ExistingDrawingName("OTHER"), "other");
}

TEST_F(AppTest, FileOpenOfABrokenDrawingReportsItAndLeavesTheFileAlone)
{
    std::filesystem::create_directories(Path("DWGS"));
    WriteWholeFile(Path("DWGS/BROKEN.DB0"), "this is not a drawing\n");
    Answer("message ok");
    frame.SetNextChoice("BROKEN");
    Command(CM_FILEOPEN);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_NE(lines[0].find("BROKEN.DB0"), std::string::npos);
    EXPECT_EQ(client->ActiveChild(), nullptr);
    EXPECT_EQ(ReadWholeFile(Path("DWGS/BROKEN.DB0")), "this is not a drawing\n");
}

// File/Open of a drawing it refuses: the one box that says why.
class RefusedOpen : public AppTest {
protected:
    std::string Told(const std::string& name)
    {
        lines.clear();
        Answer("message ok");
        frame.SetNextChoice(name);
        Command(CM_FILEOPEN);
        EXPECT_EQ(lines.size(), 1u);
        return lines.empty() ? std::string() : lines[0];
    }
};

// A folder under a drawing's name is offered as a pipe is, and opening it says why it cannot be
// opened, whatever its mode (a folder is no read-only drawing); the open drawing stays open.
TEST_F(RefusedOpen, AFolderSaysWhyItCannotBeOpened)
{
    namespace fs = std::filesystem;
    NewDrawing("PLAN");
    fs::create_directories(Path("DWGS/HOUSE.DB0"));
    fs::permissions(Path("DWGS/HOUSE.DB0"), fs::perms::owner_read | fs::perms::owner_exec);
    EXPECT_EQ(DrawingNames(), (std::vector<std::string>{"HOUSE", "PLAN"}));
    EXPECT_EQ(ExistingDrawingName("HOUSE"), "");
    EXPECT_EQ(Told("HOUSE"), "message Arkweld 4.0 | The drawing file " + Path("DWGS/HOUSE.DB0") +
                                 " cannot be opened: Is a directory.");
    EXPECT_EQ(state().drawingName, "PLAN");
    EXPECT_TRUE(fs::is_directory(Path("DWGS/HOUSE.DB0")));
}

// A drawing whose name differs from a folder's in case alone is not hidden by it.
TEST_F(RefusedOpen, AFolderHidesNoDrawingOfAnotherCase)
{
    std::filesystem::create_directories(Path("DWGS/FOLD.DB0"));
    NewDrawing("fold");
    AddLine(50, 1000, 1000, 2000, 1000);
    NewDrawing("PLAN");
    EXPECT_EQ(OpenableDrawingName("fold"), "fold");
    EXPECT_EQ(OpenableDrawingName("Fold"), "fold") << "a drawing before a folder of another spelling";
    EXPECT_EQ(OpenableDrawingName("FOLD"), "FOLD") << "the spelling asked for first";
    client->OpenDrawing("fold");
    EXPECT_EQ(state().drawingName, "fold");
    EXPECT_EQ(objects().count(), 5);
}

TEST_F(RefusedOpen, AReadOnlyDrawingIsNotOpenedAndKeepsItsMode)
{
    NewDrawing("LOCKED");
    AddLine(50, 1000, 1000, 2000, 1000);
    NewDrawing("OTHER");
    const std::string file = ReadWholeFile(Path("DWGS/LOCKED.DB0"));
    namespace fs = std::filesystem;
    const fs::perms readOnly = fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read;
    fs::permissions(Path("DWGS/LOCKED.DB0"), readOnly);

    EXPECT_EQ(Told("LOCKED"), "message Arkweld 4.0 | The drawing file " + Path("DWGS/LOCKED.DB0") +
                                  " is read-only and cannot be opened: make it writable first");
    EXPECT_EQ(state().drawingName, "OTHER");
    EXPECT_EQ(fs::status(Path("DWGS/LOCKED.DB0")).permissions(), readOnly);
    EXPECT_EQ(ReadWholeFile(Path("DWGS/LOCKED.DB0")), file);
}

TEST_F(AppTest, ADrawingThatIsASymbolicLinkIsChangedThroughTheLink)
{
    NewDrawing("HOUSE");
    NewDrawing("OTHER");
    // The drawing lives elsewhere; DWGS holds a link to it.
    namespace fs = std::filesystem;
    fs::create_directories(Path("ELSEWHERE"));
    fs::rename(Path("DWGS/HOUSE.DB0"), Path("ELSEWHERE/HOUSE.DB0"));
    fs::create_symlink(fs::path("..") / "ELSEWHERE" / "HOUSE.DB0", Path("DWGS/HOUSE.DB0"));

    frame.SetNextChoice("HOUSE");
    Command(CM_FILEOPEN);
    ASSERT_EQ(state().drawingName, "HOUSE");
    AddLine(50, 1000, 1000, 2000, 1000);
    EXPECT_TRUE(lines.empty());
    EXPECT_TRUE(fs::is_symlink(Path("DWGS/HOUSE.DB0")));
    EXPECT_EQ(ReadBack("HOUSE").size(), 5u);
    EXPECT_EQ(ReadWholeFile(Path("ELSEWHERE/HOUSE.DB0")), ReadWholeFile(Path("DWGS/HOUSE.DB0")));
}

TEST_F(AppTest, AFailedOpenLeavesTheOpenDrawingAsItWas)
{
    NewDrawing("KEEP");
    const std::string kept = ReadWholeFile(Path("DWGS/KEEP.DB0"));
    const int count = objects().count();
    WriteWholeFile(Path("DWGS/BROKEN.DB0"), "this is not a drawing\n");
    Answer("message ok");
    frame.SetNextChoice("BROKEN");
    Command(CM_FILEOPEN);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_NE(lines[0].find("BROKEN.DB0"), std::string::npos);
    ASSERT_NE(client->ActiveChild(), nullptr);
    EXPECT_EQ(state().drawingName, "KEEP");
    EXPECT_EQ(objects().count(), count);
    EXPECT_FALSE(objects().LoadFailed());
    EXPECT_EQ(Window().Caption(), "KEEP.PLN");
    // The drawing still takes changes: the next write goes to its own file, not the broken one.
    EXPECT_TRUE(objects().WriteDrawing());
    EXPECT_EQ(ReadWholeFile(Path("DWGS/KEEP.DB0")), kept);
    EXPECT_EQ(ReadWholeFile(Path("DWGS/BROKEN.DB0")), "this is not a drawing\n");
}

TEST_F(AppTest, ZoomCommandsWithNoDrawingSaySo)
{
    for (int command : {CM_ZOOMUP, CM_NORMALSIZE})
        Answer("message ok"), Command(command);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0], "message ZOOM UP | No drawing is open - use FILE/NEW or FILE/OPEN first");
    EXPECT_EQ(lines[1], "message NORMAL SIZE | No drawing is open - use FILE/NEW or FILE/OPEN first");
}

TEST_F(AppTest, TheFloorViewsSwitchTheFloorAndTheCaption)
{
    NewDrawing("FLOORS");
    Command(CM_FIRSTFLOOR);
    EXPECT_EQ(state().currentFloor, 51);
    EXPECT_EQ(Window().Caption(), "FLOORS.PL1");
    Command(CM_SECONDFLOOR);
    EXPECT_EQ(state().currentFloor, 52);
    EXPECT_EQ(Window().Caption(), "FLOORS.PL2");
    Command(CM_GROUNDFLOOR);
    EXPECT_EQ(state().currentFloor, 50);
    EXPECT_EQ(Window().Caption(), "FLOORS.PLN");
}

TEST_F(AppTest, UndoWithoutADrawingShowsThePlanViewRefusal)
{
    Answer("message ok");
    Command(CM_UNDO);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0], "message  | You must be in a PLAN VIEW to use this function");
}

TEST_F(AppTest, TheCommandTableDecidesWhatIsEnabled)
{
    EXPECT_TRUE(TClient::IsCommandEnabled(CM_FILENEW));
    EXPECT_TRUE(TClient::IsCommandEnabled(CM_NORMALSIZE));
    EXPECT_TRUE(TClient::IsCommandEnabled(CM_STAIRS));
    // A menu command no family has built yet is disabled and does nothing.
    const std::vector<int> menu = MenuCommandIds();
    const auto unbuilt = std::find_if(menu.begin(), menu.end(), [](int id) { return !FindCommand(id); });
    if (unbuilt != menu.end()) {
        EXPECT_FALSE(TClient::IsCommandEnabled(*unbuilt)) << *unbuilt;
        EXPECT_FALSE(client->Command(*unbuilt)) << *unbuilt;
    }
    // Every command of the table is in the menu or on the toolbar.
    std::vector<int> ids = MenuCommandIds();
    for (const TToolbarButton& button : ToolbarButtons())
        ids.push_back(button.id);
    for (const auto& entry : TClient::CommandTable())
        EXPECT_NE(std::find(ids.begin(), ids.end(), entry.id), ids.end()) << entry.id;
}

TEST_F(AppTest, AboutAndFloorPlanTitlesRunTheirDialogs)
{
    Answer("dialog 9030 ok");
    Command(CM_ABOUT);
    Answer("dialog 20000 set 20001 \"LOWER LEVEL\" ok");
    Command(CM_FLOORPLANTITLES);
    EXPECT_EQ(frame.Scripted().PendingAnswers(), 0u);
    EXPECT_NE(ReadWholeFile(Path("CFG/TITLE2D.CFG")).find("LOWER LEVEL"), std::string::npos);
}

TEST_F(AppTest, F1AsksHelpForTheCurrentTool)
{
    NewDrawing("HELP");
    Child().EvKeyDown(VK_F1);
    client->SetPickTool();
    Child().EvKeyDown(VK_F1);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0], "help 250");
    EXPECT_EQ(lines[1], "help 500");
}

TEST_F(AppTest, ExitSavesAndClosesEverything)
{
    NewDrawing("BYE");
    AddLine(50, 1000, 1000, 2000, 1000);
    objects()[4]->x2 = 4000;
    Command(CM_EXIT);
    EXPECT_TRUE(frame.ExitRequested());
    EXPECT_EQ(client->ActiveChild(), nullptr);
    auto saved = ReadBack("BYE");
    ASSERT_EQ(saved.size(), 5u);
    EXPECT_EQ(saved[4]->x2, 4000);
}
