// What the program does when a file fails it. A figure whose own store fails is told once and
// stays held as drawn, for the next store or Edit/Undo. A command whose save of the open drawing
// fails stops there, told once, with the drawing still open; so does File/New whose own file could
// not be written. A paste buffer that is there but cannot be read is named with the reason, and a
// drawing that cannot be read back when Edit/Undo drops a move is told, with nothing of the move
// left in memory.
#include "tests/app/appfixture.h"

#include "model/listfilecheck.h"
#include "model/textfile.h"
#include "tools/texttool.h"

#include <algorithm>
#include <filesystem>

#include <sys/stat.h>

namespace fs = std::filesystem;

namespace {

std::string Dump(const std::vector<std::unique_ptr<TObject>>& objects, std::size_t from = 0)
{
    std::string out;
    for (std::size_t i = from; i < objects.size(); ++i)
        out += DumpObject(int(i - from), *objects[i]) + "\n";
    return out;
}

long Told(const std::vector<std::string>& lines)
{
    return std::count_if(lines.begin(), lines.end(), [](const std::string& line) { return line.starts_with("message"); });
}

class FailurePathsTest : public AppTest {
protected:
    void KeyAt(int key, TPoint model)
    {
        Window().PlaceCursor(DeviceOfModel(model.x, model.y));
        Child().EvKeyDown(key);
        frame.ProcessEvents();
    }
    void TypeEnter()
    {
        Child().EvKeyDown(VK_ENTER);
        Child().EvChar(CHAR_ENTER);
        frame.ProcessEvents();
    }
    // The drawing PLAN with a line of its own: what its file holds, the list holds.
    void OpenPlan()
    {
        NewDrawing("PLAN");
        AddLine(GROUND_FLOOR, 3000, 3000, 4000, 3000);
        client->SetPickTool();
        lines.clear();
    }
    std::string PlanFile() { return ReadWholeFile(Path("DWGS/PLAN.DB0")); }
};

// ---------------------------------------------------------------------------------------------
// A figure whose own store fails: told once, held as drawn, then stored by the next store or taken
// back by Undo.

enum class TFigure { TypedTextLine, Multiline };
enum class TNext { OwnKeyAgain, Undo, LineTool, Exit };

struct TFailedStoreCase {
    TFigure figure;
    TNext next;
};

std::string CaseName(const ::testing::TestParamInfo<TFailedStoreCase>& info)
{
    const char* figures[] = {"TypedTextLine", "Multiline"};
    const char* nexts[] = {"OwnKeyAgain", "Undo", "LineTool", "Exit"};
    return std::string(figures[int(info.param.figure)]) + "_" + nexts[int(info.param.next)];
}

class FailedOwnStoreTable : public FailurePathsTest, public ::testing::WithParamInterface<TFailedStoreCase> {
protected:
    // The figure drawn up to the key that stores it: the text KIT typed at (1000, 1000); a
    // multiline of three lines whose first runs from (1000, 1000) to (1000, 2000).
    void DrawUpToItsStore(TFigure figure)
    {
        if (figure == TFigure::TypedTextLine) {
            Answer("dialog 2300 check 2302 ok");
            Command(CM_TEXT);
            ClickModel({1000, 1000});
            TypeKeys("KIT");
        } else {
            Answer("input 3");
            Command(CM_MULTILINE);
            KeyAt(VK_ENTER, {1000, 1000});
            Window().PlaceCursor(DeviceOfModel(1000, 2000));
            Child().EvMouseMove(DeviceOfModel(1000, 2000));
            KeyAt(VK_ENTER, {1000, 2000});
        }
        frame.ProcessEvents();
    }
    // ENTER for the text; the multiline's last Enter, its last line at x 2000.
    void StoreKey(TFigure figure)
    {
        if (figure == TFigure::TypedTextLine)
            TypeEnter();
        else
            KeyAt(VK_ENTER, {2000, 1000});
    }
};

TEST_P(FailedOwnStoreTable, TheFigureIsToldOnceHeldAsDrawnAndThenStoredOrTakenBack)
{
    const auto [figure, next] = GetParam();
    OpenPlan();
    const auto before = ReadBack("PLAN");
    const std::string beforeFile = PlanFile();
    DrawUpToItsStore(figure);
    ASSERT_TRUE(lines.empty());

    Answer("message ok");
    FailNextWrites(1);
    StoreKey(figure);
    FailNextWrites(0);
    ASSERT_EQ(Told(lines), 1);
    EXPECT_NE(lines[0].find("PLAN.DB0 could not be written"), std::string::npos) << lines[0];
    EXPECT_EQ(PlanFile(), beforeFile);
    EXPECT_EQ(Dump(objects().Items()), Dump(before)) << "the list holds what the file holds";
    ASSERT_TRUE(client->HoldsFigure()) << "the figure the file could not take is gone";
    const std::size_t heldCount = client->CurrentTool()->HeldObjects().size();
    ASSERT_EQ(heldCount, figure == TFigure::Multiline ? 3u : 1u) << "held as drawn";
    const std::string figureDump = Dump(client->CurrentTool()->HeldObjects());
    // The window shows it over the drawing: the multiline's line at x 2000, the text's first letter.
    if (figure == TFigure::Multiline) {
        const TPoint onLast = DeviceOfModel(2000, 1500);
        EXPECT_EQ(Pixel(onLast.x, onLast.y), state().currentColour);
    }

    // An arrow key then draws nothing from the figure and asks nothing.
    Child().EvKeyDown(VK_RIGHT);
    frame.ProcessEvents();
    EXPECT_TRUE(client->HoldsFigure());
    EXPECT_EQ(Told(lines), 1);
    EXPECT_EQ(PlanFile(), beforeFile);

    switch (next) {
    case TNext::OwnKeyAgain:
        StoreKey(figure);
        break;
    case TNext::Undo:
        Command(CM_UNDO);
        break;
    case TNext::LineTool:
        Command(CM_LINE);
        break;
    case TNext::Exit:
        Command(CM_EXIT);
        break;
    }
    EXPECT_EQ(Told(lines), 1) << "told again";
    EXPECT_EQ(frame.Scripted().PendingAnswers(), 0u);
    EXPECT_FALSE(client->HoldsFigure());
    const auto after = ReadBack("PLAN");
    if (client->DrawingOpen()) {
        EXPECT_EQ(Dump(objects().Items()), Dump(after)) << "the list holds what the file holds";
    }
    if (next == TNext::Undo) {
        EXPECT_EQ(PlanFile(), beforeFile) << "nothing else is taken back";
        return;
    }
    // Stored once, whole, as it was drawn, after what the drawing held.
    ASSERT_EQ(after.size(), before.size() + heldCount);
    EXPECT_EQ(Dump(after, 0).substr(0, Dump(before).size()), Dump(before));
    EXPECT_EQ(Dump(after, before.size()), figureDump);
}

INSTANTIATE_TEST_SUITE_P(
    EachFigure, FailedOwnStoreTable,
    ::testing::Values(TFailedStoreCase{TFigure::TypedTextLine, TNext::OwnKeyAgain},
                      TFailedStoreCase{TFigure::TypedTextLine, TNext::Undo},
                      TFailedStoreCase{TFigure::TypedTextLine, TNext::LineTool},
                      TFailedStoreCase{TFigure::TypedTextLine, TNext::Exit},
                      TFailedStoreCase{TFigure::Multiline, TNext::OwnKeyAgain},
                      TFailedStoreCase{TFigure::Multiline, TNext::Undo},
                      TFailedStoreCase{TFigure::Multiline, TNext::LineTool},
                      TFailedStoreCase{TFigure::Multiline, TNext::Exit}),
    CaseName);

// ---------------------------------------------------------------------------------------------
// One action, one box: a command that saves the open drawing, or makes a new one, and cannot
// write stops there with the drawing open (Exit alone goes on: the file holds every change).

enum class TPlace { FailingDisk, Folder, LinkToNothing };

struct TOneBoxRow {
    const char* name;
    int id;
    TPlace place;
    const char* told;  // what the one box says, besides the file's path
    bool stillOpen;
};

const TOneBoxRow ONE_BOX_ROWS[] = {
    {"FileNewOnAFailingDisk", CM_FILENEW, TPlace::FailingDisk, "PLAN.DB0 could not be written: No space left on device", true},
    {"FileOpenOnAFailingDisk", CM_FILEOPEN, TPlace::FailingDisk, "PLAN.DB0 could not be written: No space left on device", true},
    {"ExitOnAFailingDisk", CM_EXIT, TPlace::FailingDisk, "PLAN.DB0 could not be written: No space left on device", false},
    {"FileNewOntoAFolder", CM_FILENEW, TPlace::Folder, "OTHER.DB0 cannot be written: Is a directory. PLAN is still open.", true},
    {"FileNewOntoALinkToNothing", CM_FILENEW, TPlace::LinkToNothing,
     "OTHER.DB0 cannot be written: it is a link to a missing file. PLAN is still open.", true},
};

void PrintTo(const TOneBoxRow& row, std::ostream* out)
{
    *out << row.name;
}

class OneActionOneBoxTable : public FailurePathsTest, public ::testing::WithParamInterface<TOneBoxRow> {};

TEST_P(OneActionOneBoxTable, ToldOnceAndTheOpenDrawingStaysOpen)
{
    const TOneBoxRow& row = GetParam();
    OpenPlan();
    const std::string planFile = PlanFile();
    // OTHER: a drawing to open, a folder or a link to nothing where the new drawing would go.
    const std::string other = Path("DWGS/OTHER.DB0");
    if (row.id == CM_FILEOPEN)
        WriteWholeFile(other, planFile);
    if (row.place == TPlace::Folder)
        fs::create_directory(other);
    if (row.place == TPlace::LinkToNothing)
        fs::create_symlink("NOWHERE/OTHER.DB0", other);
    const std::string otherBefore = fs::is_regular_file(other) ? ReadWholeFile(other) : std::string();

    if (row.id == CM_FILENEW)
        Answer("dialog 2024 set 2027 \"OTHER\" check 2026 ok");
    if (row.id == CM_FILEOPEN)
        frame.SetNextChoice("OTHER");
    Answer("message ok");
    if (row.place == TPlace::FailingDisk)
        FailNextWrites(100);
    Command(row.id);
    FailNextWrites(0);

    ASSERT_EQ(Told(lines), 1) << "one action, one box";
    EXPECT_NE(lines[0].find(row.told), std::string::npos) << lines[0];
    EXPECT_EQ(frame.Scripted().PendingAnswers(), 0u);
    EXPECT_EQ(PlanFile(), planFile);
    if (row.stillOpen) {
        ASSERT_NE(client->ActiveChild(), nullptr);
        EXPECT_EQ(state().drawingName, "PLAN");
        EXPECT_EQ(Window().Caption(), "PLAN.PLN");
        EXPECT_EQ(Dump(objects().Items()), Dump(ReadBack("PLAN")));
        // It still takes changes.
        AddLine(GROUND_FLOOR, 1000, 500, 2000, 500);
        EXPECT_EQ(Told(lines), 1);
        EXPECT_EQ(ReadBack("PLAN").size(), 6u);
    } else {
        EXPECT_TRUE(frame.ExitRequested());
        EXPECT_EQ(client->ActiveChild(), nullptr);
    }
    // What stands at OTHER stays as it was.
    if (row.place == TPlace::Folder) {
        EXPECT_TRUE(fs::is_directory(other));
    }
    if (row.place == TPlace::LinkToNothing) {
        EXPECT_TRUE(fs::is_symlink(other) && !fs::exists(other));
    }
    if (!otherBefore.empty()) {
        EXPECT_EQ(ReadWholeFile(other), otherBefore);
    }
    if (row.id == CM_FILENEW && row.place == TPlace::FailingDisk) {
        EXPECT_FALSE(fs::exists(other));
    }
}

INSTANTIATE_TEST_SUITE_P(EachCommand, OneActionOneBoxTable, ::testing::ValuesIn(ONE_BOX_ROWS),
                         [](const ::testing::TestParamInfo<TOneBoxRow>& info) { return std::string(info.param.name); });

// ---------------------------------------------------------------------------------------------
// Edit/Paste says there is nothing to paste only when there is no buffer; one that is there but
// cannot be read is named with the reason.

enum class TBuffer { Missing, LinkToNothing, Folder, Pipe, Unreadable };

struct TPasteRow {
    const char* name;
    TBuffer buffer;
    const char* reason;  // nullptr: nothing to paste
};

const TPasteRow PASTE_ROWS[] = {
    {"Missing", TBuffer::Missing, nullptr},
    {"LinkToNothing", TBuffer::LinkToNothing, nullptr},
    {"Folder", TBuffer::Folder, "Is a directory"},
    {"Pipe", TBuffer::Pipe, "it is not a regular file"},
    {"Unreadable", TBuffer::Unreadable, "Permission denied"},
};

void PrintTo(const TPasteRow& row, std::ostream* out)
{
    *out << row.name;
}

class PasteBufferReadTable : public FailurePathsTest, public ::testing::WithParamInterface<TPasteRow> {};

TEST_P(PasteBufferReadTable, PasteSaysWhyItPastesNothing)
{
    const TPasteRow& row = GetParam();
    OpenPlan();
    // A buffer of the drawing's line, by Edit/Copy.
    Command(CM_COPY);
    DragModel({2500, 2500}, {4500, 3500});
    const std::string buffer = Path("LIBS/PASTE.CFG");
    ASSERT_TRUE(fs::is_regular_file(buffer));
    if (row.buffer != TBuffer::Unreadable)
        fs::remove(buffer);
    if (row.buffer == TBuffer::LinkToNothing)
        fs::create_symlink("NOWHERE/PASTE.CFG", buffer);
    if (row.buffer == TBuffer::Folder)
        fs::create_directory(buffer);
    if (row.buffer == TBuffer::Pipe) {
        ASSERT_EQ(::mkfifo(buffer.c_str(), 0644), 0);
    }
    const std::string planFile = PlanFile();
    lines.clear();

    Answer("message ok");
    if (row.buffer == TBuffer::Unreadable)
        FailNextReads(1, "PASTE.CFG");
    Command(CM_PASTE);
    FailNextReads(0);
    ASSERT_EQ(lines.size(), 1u);
    if (row.reason)
        EXPECT_EQ(lines[0], "message PASTE | The file " + buffer + " cannot be opened: " + row.reason + ".");
    else
        EXPECT_EQ(lines[0], "message PASTE | There is nothing to paste - use Edit/Copy first");
    EXPECT_EQ(client->CurrentTool()->kind, KIND_PICK);
    EXPECT_EQ(PlanFile(), planFile);
    EXPECT_EQ(Dump(objects().Items()), Dump(ReadBack("PLAN")));
}

INSTANTIATE_TEST_SUITE_P(EachBuffer, PasteBufferReadTable, ::testing::ValuesIn(PASTE_ROWS),
                         [](const ::testing::TestParamInfo<TPasteRow>& info) { return std::string(info.param.name); });

// ---------------------------------------------------------------------------------------------
// Edit/Undo drops a move not locked by reading the drawing back. A file that cannot be read then
// is told once, at the Undo, and memory holds nothing of the move: once the file reads again, the
// list is what it holds.

struct TUndoReadRow {
    const char* name;
    int failedReads;
};

const TUndoReadRow UNDO_READ_ROWS[] = {
    {"Once", 1},
    {"WhileItStaysUnreadable", 1000000},
};

void PrintTo(const TUndoReadRow& row, std::ostream* out)
{
    *out << row.name;
}

class UndoOfAMoveReadTable : public FailurePathsTest, public ::testing::WithParamInterface<TUndoReadRow> {};

TEST_P(UndoOfAMoveReadTable, TheFailedReadIsToldOnceAndTheMoveIsGone)
{
    const TUndoReadRow& row = GetParam();
    OpenPlan();
    const std::string planFile = PlanFile();
    const auto before = ReadBack("PLAN");
    // The line moved up by 1000, not locked with Enter.
    Command(CM_MOVEROTATE);
    DragModel({2500, 2500}, {4500, 3500});
    ClickModel({3000, 3000});
    ClickModel({3000, 4000});
    ASSERT_TRUE(client->PendingMove());
    ASSERT_EQ(objects()[4]->y1, 4000);

    Answer("message ok");
    FailNextReads(row.failedReads, "PLAN.DB0");
    Command(CM_UNDO);
    ASSERT_EQ(Told(lines), 1);
    EXPECT_EQ(lines[0], "message " + std::string(ApplicationName) + " | The drawing file " + Path("DWGS/PLAN.DB0") +
                           " cannot be opened: Permission denied.");
    EXPECT_FALSE(client->PendingMove()) << "the move stays";
    for (const auto& object : objects().Items())
        EXPECT_NE(object->y1, 4000) << "memory holds the move";
    // The repaints after say it no more.
    Child().Refresh(0);
    frame.ProcessEvents();
    EXPECT_EQ(Told(lines), 1);
    EXPECT_EQ(PlanFile(), planFile);

    // Once the file reads again, the list holds what it holds, and Enter stores nothing else.
    FailNextReads(0);
    Child().Refresh(0);
    frame.ProcessEvents();
    EXPECT_EQ(ListFileDifference(objects()), "");
    EXPECT_EQ(Dump(objects().Items()), Dump(before));
    Child().EvKeyDown(VK_ENTER);
    frame.ProcessEvents();
    EXPECT_EQ(Told(lines), 1) << "the next Enter is refused";
    EXPECT_EQ(Dump(ReadBack("PLAN")), Dump(before));
}

INSTANTIATE_TEST_SUITE_P(EachFailure, UndoOfAMoveReadTable, ::testing::ValuesIn(UNDO_READ_ROWS),
                         [](const ::testing::TestParamInfo<TUndoReadRow>& info) { return std::string(info.param.name); });

}  // namespace
