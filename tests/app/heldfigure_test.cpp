// Everything a tool holds from one event to another that a command can meet (a multiline's first
// line, held by its tool until the last Enter; a typed text's line, held until ENTER; a move of the
// selection not locked with Enter) against every command: each menu command, toolbar button, window
// key that acts as a command and the closing of a window runs while it is held, then the drawing is
// read back as another run would read it. The row says what became of a figure: still held (the
// command only changed the view, or was cancelled with nothing changed), stored once where it was
// drawn before the command ran, or taken back (Edit/Undo). A move not locked stays through the rows
// that keep a figure without a dialog of their own and is dropped by every other, the file never
// holding it. Nothing else of the drawing changes, and the user is told at most once.
#include "tests/app/appfixture.h"

#include "app/child.h"
#include "model/typecodes.h"
#include "resources/toolbar.h"
#include "tests/support/tempdir.h"
#include "model/textobj.h"
#include "tools/drawingtool.h"
#include "tools/moveobjtool.h"
#include "tools/texttool.h"

#include <algorithm>
#include <set>

namespace {

enum class TFate { Held, Stored, TakenBack };

constexpr int VK_ESCAPE = 27;

// The drawing window closed by the user; the main window closed (the frame saves and closes all).
enum class TClose { None, DrawingWindow, MainWindow };

struct THeldRow {
    const char* name;
    int id;  // the command run; 0 for a window key
    TFate fate;
    std::vector<std::string> answers = {};
    int key = 0;                        // the key pressed in the drawing window when id is 0
    const char* openChoice = nullptr;   // the File/Open choice
    bool headlessRefuses = false;       // the command's own dialog cannot be answered headless
    bool copyFirst = false;             // the line drawn before the figure is copied for a paste
    std::vector<std::string> library = {};  // LIBS and CFG files for a library pick
    bool failingDisk = false;               // every write fails from the command on
    bool zoomFirst = false;                 // Zoom UP is chosen first: the figure's tool is kept
    int centre = 0;                         // CENTRE or CENTRE CENTRE chosen after Zoom UP
    bool centreClicked = false;             // and given its clicks
    TClose close = TClose::None;            // the window closed instead of a command
};

std::string Dump(const std::vector<std::unique_ptr<TObject>>& objects)
{
    std::string out;
    for (std::size_t i = 0; i < objects.size(); ++i)
        out += DumpObject(int(i), *objects[i]) + "\n";
    return out;
}

const std::vector<std::string> WALL_DIALOGS = {"dialog 2480 check 2481 ok", "dialog 4200 ok"};

std::vector<std::string> With(std::vector<std::string> first, const std::vector<std::string>& then)
{
    first.insert(first.end(), then.begin(), then.end());
    return first;
}

const THeldRow ROWS[] = {
    // File
    {"FileNewCancelled", CM_FILENEW, TFate::Held, {"dialog 2024 cancel"}},
    {"FileNewGoesAhead", CM_FILENEW, TFate::Stored,
     With({"dialog 2024 set 2027 \"OTHER\" check 2026 ok"}, WALL_DIALOGS)},
    // On a failing disk the figure cannot be stored: told once, it stays held, and File/New goes no
    // further.
    {"FileNewOnAFailingDisk", CM_FILENEW, TFate::Held, {"dialog 2024 set 2027 \"OTHER\" check 2026 ok", "message ok"},
     0, nullptr, false, false, {}, true},
    {"LineOnAFailingDisk", CM_LINE, TFate::Held, {"message ok"}, 0, nullptr, false, false, {}, true},
    {"FileOpenTheOpenDrawing", CM_FILEOPEN, TFate::Stored, {}, 0, "HELD"},
    {"FileSaveAsCancelled", CM_FILESAVEAS, TFate::Held, {"dialog 9020 cancel"}},
    {"FileSaveAsGoesAhead", CM_FILESAVEAS, TFate::Stored, {"dialog 9020 set 9021 COPY ok"}},
    {"RotateMirrorCancelled", CM_ROTATEMIRROR, TFate::Held, {"dialog 19000 cancel"}},
    {"RotateMirrorIntoANewName", CM_ROTATEMIRROR, TFate::Stored, {"dialog 19000 set 19001 TURNED check 19003 ok"}},
    {"ExportBitmap", CM_EXPORTBITMAP, TFate::Held},
    {"PrintCancelled", CM_PRINT, TFate::Held, {"dialog 19500 cancel"}},
    {"PrintGoesAhead", CM_PRINT, TFate::Stored, {"dialog 19500 set 19501 1 ok"}},
    {"PrinterSetup", CM_PRINTERSETUP, TFate::Held, {}, 0, nullptr, true},
    {"Exit", CM_EXIT, TFate::Stored},
    // Edit
    {"Undo", CM_UNDO, TFate::TakenBack},
    {"Copy", CM_COPY, TFate::Stored},
    {"Paste", CM_PASTE, TFate::Stored, {}, 0, nullptr, false, true},
    {"MoveRotate", CM_MOVEROTATE, TFate::Stored},
    {"Erase", CM_ERASE, TFate::Stored},
    {"ChangeText", CM_CHANGETEXT, TFate::Stored},
    // View
    {"GroundFloor", CM_GROUNDFLOOR, TFate::Stored},
    {"FirstFloor", CM_FIRSTFLOOR, TFate::Stored},
    {"SecondFloor", CM_SECONDFLOOR, TFate::Stored},
    {"ShowOverlaysCancelled", CM_SHOWOVERLAYS, TFate::Held, {"dialog 5200 cancel"}},
    {"DisplayModeCancelled", CM_DISPLAYMODE, TFate::Held, {"dialog 18500 cancel"}},
    {"ShowOverlaysGoesAhead", CM_SHOWOVERLAYS, TFate::Stored, {"dialog 5200 check 5202 ok"}},
    {"DisplayModeGoesAhead", CM_DISPLAYMODE, TFate::Stored, {"dialog 18500 check 18505 ok"}},
    {"FloorArea", CM_FLOORAREA, TFate::Stored, {"dialog 17000 ok"}},
    // Zoom
    {"ZoomUp", CM_ZOOMUP, TFate::Held},
    {"NormalSize", CM_NORMALSIZE, TFate::Held},
    // While Zoom UP keeps the figure's tool: a view command keeps the figure, Enter ends the zoom
    // and the tool kept, a tool command and Undo settle it as without the zoom.
    {"ZoomUpThenNormalSize", CM_NORMALSIZE, TFate::Held, {}, 0, nullptr, false, false, {}, false, true},
    {"ZoomUpThenEnter", 0, TFate::Stored, {}, VK_ENTER, nullptr, false, false, {}, false, true},
    {"ZoomUpThenLine", CM_LINE, TFate::Stored, {}, 0, nullptr, false, false, {}, false, true},
    {"ZoomUpThenUndo", CM_UNDO, TFate::TakenBack, {}, 0, nullptr, false, false, {}, false, true},
    // CENTRE and CENTRE CENTRE during Zoom UP take their clicks for the zoom; Enter before or after
    // them still ends the zoom and the tool kept, ESC changes nothing, Zoom UP again keeps the tool
    // kept first.
    {.name = "ZoomUpCentreThenEnter", .id = 0, .fate = TFate::Stored, .key = VK_ENTER, .zoomFirst = true, .centre = CM_CENTRE},
    {.name = "ZoomUpCentreClickedThenEnter", .id = 0, .fate = TFate::Stored, .key = VK_ENTER, .zoomFirst = true,
     .centre = CM_CENTRE, .centreClicked = true},
    {.name = "ZoomUpCentreCentreThenEnter", .id = 0, .fate = TFate::Stored, .key = VK_ENTER, .zoomFirst = true,
     .centre = CM_CENTRECENTRE},
    {.name = "ZoomUpCentreCentreClickedThenEnter", .id = 0, .fate = TFate::Stored, .key = VK_ENTER, .zoomFirst = true,
     .centre = CM_CENTRECENTRE, .centreClicked = true},
    {.name = "ZoomUpCentreThenEscape", .id = 0, .fate = TFate::Held, .key = VK_ESCAPE, .zoomFirst = true, .centre = CM_CENTRE},
    {.name = "ZoomUpCentreCentreClickedThenEscape", .id = 0, .fate = TFate::Held, .key = VK_ESCAPE, .zoomFirst = true,
     .centre = CM_CENTRECENTRE, .centreClicked = true},
    {.name = "ZoomUpCentreThenUndo", .id = CM_UNDO, .fate = TFate::TakenBack, .zoomFirst = true, .centre = CM_CENTRE},
    {.name = "ZoomUpCentreCentreClickedThenUndo", .id = CM_UNDO, .fate = TFate::TakenBack, .zoomFirst = true,
     .centre = CM_CENTRECENTRE, .centreClicked = true},
    {.name = "ZoomUpCentreThenLine", .id = CM_LINE, .fate = TFate::Stored, .zoomFirst = true, .centre = CM_CENTRE},
    {.name = "ZoomUpCentreCentreClickedThenLine", .id = CM_LINE, .fate = TFate::Stored, .zoomFirst = true,
     .centre = CM_CENTRECENTRE, .centreClicked = true},
    {.name = "ZoomUpCentreThenZoomUp", .id = CM_ZOOMUP, .fate = TFate::Held, .zoomFirst = true, .centre = CM_CENTRE},
    {.name = "ZoomUpCentreCentreThenNormalSize", .id = CM_NORMALSIZE, .fate = TFate::Held, .zoomFirst = true,
     .centre = CM_CENTRECENTRE},
    // Tools
    {"Line", CM_LINE, TFate::Stored},
    {"Multiline", CM_MULTILINE, TFate::Stored, {"input cancel"}},
    {"Text", CM_TEXT, TFate::Stored, {"dialog 2300 cancel"}},
    {"Arc", CM_ARC, TFate::Stored},
    {"Ellipse", CM_ELLIPSE, TFate::Stored},
    {"Circle", CM_CIRCLE, TFate::Stored},
    {"Rectangle", CM_RECTANGLE, TFate::Stored},
    {"RoundRect", CM_ROUNDRECT, TFate::Stored},
    {"LineStyleCancelled", CM_LINESTYLE, TFate::Held, {"dialog 14000 cancel"}},
    {"LineText", CM_LINETEXT, TFate::Stored},
    {"Centre", CM_CENTRE, TFate::Held},
    {"CentreCentre", CM_CENTRECENTRE, TFate::Held},
    // Walls & Base
    {"ExternalWalls", CM_EXTWALL, TFate::Stored, WALL_DIALOGS},
    {"InternalWalls", CM_INTWALL, TFate::Stored, {"dialog 7000 cancel"}},
    {"DeleteInternalWall", CM_DELETEINTWALL, TFate::Stored},
    {"Lengthen", CM_LENGTHEN, TFate::Stored},
    {"Shorten", CM_SHORTEN, TFate::Stored},
    {"DeleteExternalWall", CM_DELETEEXTWALL, TFate::Stored},
    {"SplitExternalWall", CM_SPLITEXTWALL, TFate::Stored},
    {"ChangeExternalWallType", CM_CHANGEEXTWALLTYPE, TFate::Stored},
    {"ExpandFloorPlan", CM_EXPANDFLOORPLAN, TFate::Stored},
    {"ShrinkFloorPlan", CM_SHRINKFLOORPLAN, TFate::Stored},
    // Other
    {"AutoDimensions", CM_AUTODIMENSIONS, TFate::Stored},
    {"ManualDimension", CM_MANUALDIMENSION, TFate::Stored},
    {"Window", CM_WINDOW, TFate::Stored, {"dialog 6500 cancel"}},
    {"InternalDoor", CM_INTERNALDOOR, TFate::Stored, {"dialog 10500 cancel"}},
    {"OtherInternalDoors", CM_OTHERINTERNALDOORS, TFate::Stored, {"dialog 13500 cancel"}},
    {"WallOpening", CM_WALLOPENING, TFate::Stored, {"input cancel"}},
    {"NewFixedRoom", CM_NEWFIXEDROOM, TFate::Stored},
    {"Stairs", CM_STAIRS, TFate::Stored, {"message ok"}},
    // Design Rooms
    {"NewDesignRoom", CM_NEWDESIGNROOM, TFate::Stored, {"dialog 21000 cancel", "dialog 22000 cancel"}},
    {"MaxDesignRoom", CM_MAXDESIGNROOM, TFate::Stored},
    {"DeleteRoom", CM_DELETEROOM, TFate::Stored},
    {"ExpandRoom", CM_EXPANDROOM, TFate::Stored},
    {"MoveRoom", CM_MOVEROOM, TFate::Stored},
    {"RotateRoom", CM_ROTATEROOM, TFate::Stored},
    {"ShrinkRoom", CM_SHRINKROOM, TFate::Stored},
    {"FinishDesignRooms", CM_FINISHDESIGNROOMS, TFate::Stored, {"message ok"}},
    // Libraries
    {"AddToLibrary", CM_ADDTOLIBRARY, TFate::Stored},
    {"PlumbingCancelled", CM_PLUMBING, TFate::Held, {"dialog 15500 select 15501 WC cancel"}, 0, nullptr, false,
     false, {"CFG/LIM.CFG", "2 0 0 0", "CFG/PLBM.CFG", "2 WC\n", "LIBS/WC.PLM", "1 0 0 0 1 0\n6\n6 50 4 4 0 0 300 0 0 300 0 1 0\n"}},
    {"ElectricalCancelled", CM_ELECTRICAL, TFate::Held, {"dialog 15500 cancel"}},
    {"FurnitureCancelled", CM_FURNITURE, TFate::Held, {"dialog 15500 cancel"}},
    {"MiscellaneousCancelled", CM_MISCELLANEOUS, TFate::Held, {"dialog 15500 cancel"}},
    {"PlumbingPlaced", CM_PLUMBING, TFate::Stored, {"dialog 15500 select 15501 WC ok"}, 0, nullptr, false, false,
     {"CFG/LIM.CFG", "2 0 0 0", "CFG/PLBM.CFG", "2 WC\n", "LIBS/WC.PLM", "1 0 0 0 1 0\n6\n6 50 4 4 0 0 300 0 0 300 0 1 0\n"}},
    // Customise
    {"DefaultDoorsCancelled", CM_DEFAULTDOORS, TFate::Held, {"dialog 5400 cancel"}},
    {"DefaultDimensionsCancelled", CM_DEFDIMENSIONS, TFate::Held, {"dialog 5500 cancel"}},
    {"FloorPlanTitlesCancelled", CM_FLOORPLANTITLES, TFate::Held, {"dialog 20000 cancel"}},
    {"CalibratePrinterCancelled", CM_CALIBRATEPRINTER, TFate::Held, {"dialog 3200 cancel"}},
    {"DesignRoomMergeCancelled", CM_DESIGNROOMMERGE, TFate::Held, {"input cancel"}},
    {"DesignRoomColoursCancelled", CM_DESIGNROOMCOLOURS, TFate::Held, {"colour cancel"}},
    // Help
    {"About", CM_ABOUT, TFate::Held, {"dialog 9030 ok"}},
    // Keys of the drawing window that act as commands
    {"KeyF1", 0, TFate::Held, {}, VK_F1},
    {"KeyPageUp", 0, TFate::Held, {}, VK_PRIOR},
    {"KeyHome", 0, TFate::Held, {}, VK_HOME},
    {"KeyPageDown", 0, TFate::Held, {}, VK_NEXT},
    {"KeyEnd", 0, TFate::Held, {}, VK_END},
    {"KeyAngledInput", 0, TFate::Held, {}, VK_ANGLED_INPUT},
    // The user closes a window: the drawing is saved as File/New saves it, then closed.
    {.name = "CloseDrawingWindow", .id = 0, .fate = TFate::Stored, .close = TClose::DrawingWindow},
    {.name = "CloseMainWindow", .id = 0, .fate = TFate::Stored, .close = TClose::MainWindow},
};

void PrintTo(const THeldRow& row, std::ostream* out)
{
    *out << row.name;
}

// What a tool holds from one event to another, each on the ground floor: two figures, and the line
// drawn before them moved and not locked.
enum class THolder { MultilineFirstLine, TypedTextLine, MoveNotLocked };

const THolder HOLDERS[] = {THolder::MultilineFirstLine, THolder::TypedTextLine, THolder::MoveNotLocked};

std::string HolderName(THolder holder)
{
    switch (holder) {
    case THolder::MultilineFirstLine:
        return "MultilineFirstLine";
    case THolder::TypedTextLine:
        return "TypedTextLine";
    case THolder::MoveNotLocked:
        break;
    }
    return "MoveNotLocked";
}

// A move not locked stays only through what changes the view or nothing (a Keep row, a scroll, F1,
// ESC); every other row drops it, also Enter during Zoom UP.
bool KeepsTheMove(const THeldRow& row)
{
    if (row.close != TClose::None)
        return false;
    if (row.id != 0)
        return FindCommand(row.id)->held == THeldFigure::Keep;
    return row.key != VK_ENTER;
}

// The multiline's first line, from (1000, 1000) to (1000, 2000); the text "KIT" typed at
// (1000, 1000).
bool IsTheFigure(THolder holder, const TObject& object)
{
    if (object.floor != GROUND_FLOOR || object.x1 != 1000 || object.y1 != 1000)
        return false;
    if (holder == THolder::MultilineFirstLine)
        return object.typeCode == 1 && object.x2 == 1000 && object.y2 == 2000;
    const auto* text = dynamic_cast<const TTextobj*>(&object);
    return text && text->typeCode == KIND_TYPED_TEXT && text->text == "KIT";
}

using THeldCase = std::tuple<THolder, THeldRow>;

}  // namespace

class HeldFigureTable : public AppTest, public ::testing::WithParamInterface<THeldCase> {
protected:
    void KeyAt(int key, TPoint device)
    {
        Window().PlaceCursor(device);
        Child().EvKeyDown(key);
        frame.ProcessEvents();
    }

    // A drawing with one line drawn before the figure (the last object Undo would take back),
    // then the figure drawn and held.
    void DrawHeldFigure(THolder holder, const THeldRow& row)
    {
        NewDrawing("HELD");
        AddLine(GROUND_FLOOR, 3000, 3000, 4000, 3000);
        for (std::size_t i = 0; i + 1 < row.library.size(); i += 2)
            WriteWholeFile(Path(row.library[i]), row.library[i + 1]);
        if (row.copyFirst) {
            Command(CM_COPY);
            DragModel({2500, 2500}, {4500, 3500});
        }
        if (holder == THolder::MoveNotLocked) {
            // The line drawn before, moved up by 2000 and not locked.
            Command(CM_MOVEROTATE);
            DragModel({2500, 2500}, {4500, 3500});
            ClickModel({3000, 3000});
            ClickModel({3000, 5000});
        } else if (holder == THolder::MultilineFirstLine) {
            Answer("input 3");
            Command(CM_MULTILINE);
            KeyAt(VK_ENTER, DeviceOfModel(1000, 1000));
            Window().PlaceCursor(DeviceOfModel(1000, 2000));
            Child().EvMouseMove(DeviceOfModel(1000, 2000));
            KeyAt(VK_ENTER, DeviceOfModel(1000, 2000));
        } else {
            Answer("dialog 2300 check 2302 ok");
            Command(CM_TEXT);
            ClickModel({1000, 1000});
            TypeKeys("KIT");
        }
        frame.ProcessEvents();
        if (holder == THolder::MoveNotLocked)
            ASSERT_TRUE(client->PendingMove());
        else
            ASSERT_TRUE(client->HoldsFigure());
        ASSERT_TRUE(lines.empty());
        if (row.zoomFirst) {
            Command(CM_ZOOMUP);
            ASSERT_TRUE(client->HasKeptTool());
        }
        if (row.centre != 0) {
            Command(row.centre);
            // CENTRE's two clicks, CENTRE CENTRE's three: the zoom waits for its rectangle again.
            if (row.centreClicked) {
                ClickModel({1500, 2500});
                ClickModel({2500, 3000});
                if (row.centre == CM_CENTRECENTRE)
                    ClickModel({2000, 2750});
                EXPECT_EQ(client->CurrentTool()->step, STEP_ZOOM_START);
            }
            ASSERT_TRUE(client->HasKeptTool());
        }
    }

    // A move not locked is kept, or dropped without reaching the file: the line stays where it is
    // stored.
    void ExpectMoveKeptOrDropped(const THeldRow& row, const std::vector<std::unique_ptr<TObject>>& before,
                                 const std::vector<std::unique_ptr<TObject>>& after)
    {
        EXPECT_EQ(client->PendingMove(), KeepsTheMove(row));
        ASSERT_GE(after.size(), before.size());
        std::vector<std::unique_ptr<TObject>> prefix;
        for (std::size_t i = 0; i < before.size(); ++i)
            prefix.push_back(after[i]->Clone());
        EXPECT_EQ(Dump(prefix), Dump(before)) << "the move reached the file";
    }

    // A tool that no longer holds its figure starts it afresh: a multiline waits for a new start,
    // not for a last Enter that would draw nothing; a typed text for a new starting click.
    void ExpectFigureStartsAfresh(THolder holder)
    {
        const TDrawingtool& tool = *client->CurrentTool();
        if (holder == THolder::MultilineFirstLine) {
            EXPECT_NE(tool.step, STEP_MULTILINE_LAST);
        } else if (const auto* text = dynamic_cast<const TTexttool*>(&tool); text && tool.kind == KIND_TYPED_TEXT) {
            EXPECT_TRUE(text->WaitsForStart());
            EXPECT_EQ(text->typedCount, 0);
        }
    }
};

TEST_P(HeldFigureTable, EachCommandHoldsStoresOrTakesBackTheFigureAndChangesNothingElse)
{
    const auto& [holder, row] = GetParam();
    // Line writes nothing but the figure it settles, and a move is never written: nothing to refuse.
    if (holder == THolder::MoveNotLocked && row.failingDisk && row.id == CM_LINE)
        GTEST_SKIP() << "Line on a failing disk writes nothing of a move";
    DrawHeldFigure(holder, row);
    if (HasFatalFailure())
        return;
    const auto before = ReadBack("HELD");
    const std::string beforeFile = ReadWholeFile(Path("DWGS/HELD.DB0"));

    for (const std::string& answer : row.answers)
        Answer(answer);
    if (row.openChoice)
        frame.SetNextChoice(row.openChoice);
    if (row.failingDisk)
        FailNextWrites(100);
    if (row.close == TClose::DrawingWindow) {
        client->CloseChild(&Child());
        frame.ProcessEvents();
    } else if (row.close == TClose::MainWindow) {
        client->SaveAndCloseAll();
        frame.ProcessEvents();
    } else if (row.id == 0) {
        Child().EvKeyDown(row.key);
        frame.ProcessEvents();
    } else if (row.headlessRefuses) {
        EXPECT_THROW(Command(row.id), ScriptFailure);
    } else {
        Command(row.id);
    }
    FailNextWrites(0);
    EXPECT_EQ(frame.Scripted().PendingAnswers(), 0u);
    const auto told = std::count_if(lines.begin(), lines.end(), [](const std::string& line) {
        return line.starts_with("message");
    });
    EXPECT_LE(told, 1) << "told more than once";

    if (holder != THolder::MoveNotLocked && !client->HoldsFigure())
        ExpectFigureStartsAfresh(holder);

    // The drawing reopened: the objects it held before stay as they were, in their places; the
    // program holds what its file holds (but for a move still waiting for its Enter).
    const auto after = ReadBack("HELD");
    if (client->DrawingOpen() && state().drawingName == "HELD" && !client->PendingMove()) {
        EXPECT_EQ(Dump(objects().Items()), Dump(after)) << "the list is not what the file holds";
    }
    if (holder == THolder::MoveNotLocked) {
        ExpectMoveKeptOrDropped(row, before, after);
        return;
    }
    const auto figures =
        std::count_if(after.begin(), after.end(), [holder](const auto& o) { return IsTheFigure(holder, *o); });
    switch (row.fate) {
    case TFate::Held:
        EXPECT_EQ(ReadWholeFile(Path("DWGS/HELD.DB0")), beforeFile);
        EXPECT_TRUE(client->HoldsFigure());
        break;
    case TFate::TakenBack:
        EXPECT_EQ(ReadWholeFile(Path("DWGS/HELD.DB0")), beforeFile) << "nothing else is taken back";
        EXPECT_FALSE(client->HoldsFigure());
        break;
    case TFate::Stored: {
        EXPECT_FALSE(client->HoldsFigure());
        EXPECT_EQ(figures, 1) << "stored once";
        ASSERT_GT(after.size(), before.size());
        std::vector<std::unique_ptr<TObject>> kept;
        for (std::size_t i = 0; i < before.size(); ++i)
            kept.push_back(after[i]->Clone());
        EXPECT_EQ(Dump(kept), Dump(before)) << "the objects drawn before stay as they were";
        EXPECT_TRUE(IsTheFigure(holder, *after[before.size()])) << "stored before the command ran";
        // What a paste or a library pick hands on to be placed is its own objects only.
        const auto* move = dynamic_cast<const TMoveobjtool*>(client->CurrentTool());
        if (move && move->step == STEP_SELECTION_MADE) {
            const std::vector<int> selected = move->SelectedIndices();
            EXPECT_FALSE(selected.empty());
            EXPECT_TRUE(std::ranges::find(selected, int(before.size())) == selected.end()) << "the figure is placed";
        }
        break;
    }
    }
}

INSTANTIATE_TEST_SUITE_P(EveryCommand, HeldFigureTable, ::testing::Combine(::testing::ValuesIn(HOLDERS), ::testing::ValuesIn(ROWS)),
                         [](const ::testing::TestParamInfo<THeldCase>& info) {
                             return HolderName(std::get<0>(info.param)) + "_" + std::get<1>(info.param).name;
                         });

// Every menu command and toolbar button has its row: a command added later must say what it does
// with a figure in progress.
TEST(HeldFigureRows, EveryMenuCommandAndToolbarButtonHasARow)
{
    std::set<int> rows;
    for (const THeldRow& row : ROWS)
        rows.insert(row.id);
    std::vector<int> ids = MenuCommandIds();
    for (const TToolbarButton& button : ToolbarButtons())
        if (button.id != 0)
            ids.push_back(button.id);
    for (int id : ids)
        EXPECT_TRUE(rows.contains(id)) << MenuPathOf(id) << " (" << id << ")";
}
