// The drawing window around the wall edits: the five commands, the pick in the left button (an
// external wall, else for a lengthen or shorten a line), the distance prompts, the refusals and
// their messages, the split by ENTER, the type dialogs and the settings they keep, the repaint of
// what changed, and the pick tool after every edit.
#include "tests/app/appfixture.h"

#include "app/families/walleditfamily.h"
#include "model/extwallobj.h"
#include "model/intwallobj.h"
#include "model/settingsfile.h"
#include "model/typecodes.h"
#include "tools/drawingtool.h"
#include "walls/extwallobjtool.h"

#include <filesystem>

namespace {

// The outline's walls: the 4000 x 3000 cavity outline typed clockwise from model (500, 3300),
// device (100, 40) at 5 mm a pixel.
constexpr int TOP = 4;
constexpr int RIGHT = 5;

class WallEditWindowTest : public AppTest {
protected:
    void Key(int key)
    {
        Child().EvKeyDown(key);
        frame.ProcessEvents();
    }
    void KeyAt(int key, TPoint device)
    {
        Window().PlaceCursor(device);
        Key(key);
    }
    void Click(TPoint device)
    {
        Window().PlaceCursor(device);
        Child().EvLButtonDown(device);
        Child().EvLButtonUp(device);
        frame.ProcessEvents();
    }
    const TDrawingtool& Tool() { return *client->CurrentTool(); }
    const TExtwallobj& WallAt(int index) { return dynamic_cast<const TExtwallobj&>(*objects()[index]); }

    void Outline()
    {
        NewDrawing("HOUSE");
        KeyAt(VK_ENTER, {100, 40});
        for (auto [length, key] : {std::pair{"4000", VK_RIGHT}, {"3000", VK_DOWN}, {"4000", VK_LEFT}, {"3000", VK_UP}}) {
            Answer(std::string("input ") + length);
            Key(key);
        }
        ASSERT_EQ(objects().count(), 8);
        ASSERT_EQ(Tool().kind, KIND_EXTWALL);
    }

    // The window as an edit's partial repaint left it equals a repaint of the whole window.
    void ExpectRepaintedAsAWhole()
    {
        const QImage partial = Window().BackingImage().copy();
        Child().Refresh(0);
        frame.ProcessEvents();
        EXPECT_TRUE(partial == Window().BackingImage());
    }

    std::string AllDumped()
    {
        std::string out;
        for (int i = 0; i < objects().count(); ++i)
            out += DumpObject(i, *objects()[i]) + "\n";
        return out;
    }
};

TEST_F(WallEditWindowTest, EachCommandInstallsTheEditToolOfItsStep)
{
    Outline();
    struct Row {
        int command, step, help;
        const char* name;
        const char* prompt;
    };
    const Row rows[] = {
        {CM_LENGTHEN, 2, 250, "Lengthen", "click LB on line of object nearer to end to lengthen"},
        {CM_SHORTEN, 3, 250, "Shorten", "click LB on line of object nearer to end to shorten"},
        {CM_DELETEEXTWALL, 4, 320, "DEL. Wall", "click LB on the EXTERNAL wall to DELETE"},
        {CM_SPLITEXTWALL, 5, 250, "Split Wall", nullptr},
        {CM_CHANGEEXTWALLTYPE, 6, 250, "Wall Type", nullptr},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.command);
        Command(row.command);
        EXPECT_EQ(Tool().kind, KIND_WALL_EDIT);
        EXPECT_EQ(Tool().step, row.step);
        EXPECT_EQ(client->helpContext, row.help);
        EXPECT_EQ(client->ToolName(), row.name);
        if (row.prompt) {
            EXPECT_EQ(client->Prompt(), row.prompt);
        }
        EXPECT_EQ(&client->Family(), &WallEditFamily());
    }
    // The kind's own row belongs to the family too (a zoom returns to it).
    EXPECT_EQ(FindKind(KIND_WALL_EDIT)->family, &WallEditFamily());
}

TEST_F(WallEditWindowTest, ShortenAsksTheDistanceAndRepaintsWhatChanged)
{
    Outline();
    Command(CM_SHORTEN);
    Answer("input 500");
    Click({840, 60});  // model (4200, 3200), on the top wall near its right end
    EXPECT_EQ(frame.Scripted().PendingAnswers(), 0u);
    EXPECT_EQ(WallAt(TOP).x2, 4000);
    EXPECT_EQ(WallAt(RIGHT).wallLines[1], 3300);  // the right wall starts square
    EXPECT_EQ(Tool().kind, KIND_PICK);
    EXPECT_EQ(client->Prompt(), "Select a function or drawing tool");
    // The outer line is off the screen where the gap opened.
    EXPECT_EQ(Pixel(850, 40), MakeColour(255, 255, 255));
    ExpectRepaintedAsAWhole();
    EXPECT_EQ(int(ReadBack("HOUSE").size()), 8);
}

TEST_F(WallEditWindowTest, EveryEditIsRepaintedAsAWholeRepaintWouldShowIt)
{
    Outline();
    Command(CM_LENGTHEN);
    Answer("input 600");
    Click({120, 60});
    ExpectRepaintedAsAWhole();
    Command(CM_SHORTEN);
    Answer("input 600");
    Click({120, 60});
    ExpectRepaintedAsAWhole();
    Answer("dialog 2480 check 2482 ok");
    Command(CM_CHANGEEXTWALLTYPE);
    Click({500, 50});
    ExpectRepaintedAsAWhole();
    Command(CM_DELETEEXTWALL);
    Click({890, 300});
    ExpectRepaintedAsAWhole();
    EXPECT_EQ(objects().count(), 7);
}

TEST_F(WallEditWindowTest, ACancelledOrOutOfRangeDistanceChangesNothing)
{
    Outline();
    const std::string before = AllDumped();
    for (const char* answer : {"input cancel", "input 0", "input 32767", "input -5"}) {
        SCOPED_TRACE(answer);
        Command(CM_LENGTHEN);
        Answer(answer);
        if (std::string(answer) != "input cancel")
            Answer("message ok");
        lines.clear();
        Click({840, 60});
        EXPECT_EQ(AllDumped(), before);
        EXPECT_EQ(Tool().kind, KIND_PICK);
        if (std::string(answer) != "input cancel") {
            EXPECT_EQ(lines, std::vector<std::string>{"message LENGTHEN | Enter a whole number of millimetres from 1 to 32766"});
        }
    }
}

TEST_F(WallEditWindowTest, RefusedEditsAreToldAndChangeNothing)
{
    Outline();
    const std::string before = AllDumped();
    Command(CM_SHORTEN);
    Answer("input 4000");
    Answer("message ok");
    Click({840, 60});
    Command(CM_SPLITEXTWALL);
    Answer("message ok");
    Click({100, 60});  // on the top wall at its start
    Command(CM_DELETEEXTWALL);
    Answer("message ok");
    Click({500, 300});  // inside the house: no wall
    EXPECT_EQ(lines, (std::vector<std::string>{
                         "message NO ACTION | Shorten by less than the length, 4000 - nothing was changed",
                         "message NO ACTION | The split point must lie between the ends of the wall - nothing was changed",
                         "message NO SELECTION | No valid object selected - please restart"}));
    EXPECT_EQ(AllDumped(), before);
    EXPECT_EQ(Tool().kind, KIND_PICK);
}

TEST_F(WallEditWindowTest, AWallAtIndexNoIndexIsPickedForAnEdit)
{
    // Enough lines far off the outline that its top wall stands at 30001, the value the drawing's
    // files use for "no object".
    NewDrawing("HOUSE");
    {
        TDrawingEdit edit(objects());
        while (objects().count() < NO_INDEX) {
            auto line = std::make_unique<TLineobj>();
            line->floor = GROUND_FLOOR;
            line->x1 = line->x2 = 9000;
            line->y1 = line->y2 = 9000;
            edit.Add(std::move(line));
        }
        ASSERT_TRUE(edit.Commit());
    }
    KeyAt(VK_ENTER, {100, 40});
    for (auto [length, key] : {std::pair{"4000", VK_RIGHT}, {"3000", VK_DOWN}, {"4000", VK_LEFT}, {"3000", VK_UP}}) {
        Answer(std::string("input ") + length);
        Key(key);
    }
    const int top = NO_INDEX;
    ASSERT_EQ(objects().count(), top + 4);
    ASSERT_EQ(objects()[top]->typeCode, TYPE_EXTWALL);
    ASSERT_EQ(objects()[top]->y1, 3300);

    Command(CM_DELETEEXTWALL);
    Click({500, 40});  // on the top wall
    EXPECT_TRUE(lines.empty()) << lines[0];
    EXPECT_EQ(objects().count(), top + 3);
    EXPECT_EQ(objects()[top]->x1, 4500);  // the right wall moved down into its place
    EXPECT_EQ(int(ReadBack("HOUSE").size()), top + 3);
}

TEST_F(WallEditWindowTest, AnInternalWallIsNotEdited)
{
    Outline();
    auto inner = std::make_unique<TIntwallobj>();
    inner->floor = GROUND_FLOOR;
    inner->x1 = 2500;
    inner->y1 = 300;
    inner->x2 = 2500;
    inner->y2 = 3300;
    inner->wallWidth = 100;
    TDrawingEdit edit(objects());
    edit.Add(std::move(inner));
    edit.Commit();
    const std::string before = AllDumped();
    for (int command : {CM_LENGTHEN, CM_DELETEEXTWALL, CM_SPLITEXTWALL, CM_CHANGEEXTWALLTYPE}) {
        Command(command);
        Click({505, 300});  // model (2525, 2000), on the internal wall
        EXPECT_EQ(Tool().kind, KIND_PICK);
    }
    EXPECT_EQ(AllDumped(), before);
    EXPECT_TRUE(lines.empty());
}

TEST_F(WallEditWindowTest, EnterSplitsTheWallUnderTheCursorAndRenewsTheDimensions)
{
    Outline();
    Command(CM_SPLITEXTWALL);
    // Enter in the other edit steps does nothing.
    Command(CM_DELETEEXTWALL);
    KeyAt(VK_ENTER, {500, 60});
    EXPECT_EQ(objects().count(), 8);
    EXPECT_EQ(Tool().kind, KIND_WALL_EDIT);

    Command(CM_SPLITEXTWALL);
    const int edits = objects().EditCount();
    KeyAt(VK_ENTER, {500, 60});  // model (2500, 3200)
    // The split and the renewed dimensions are one change of the drawing.
    EXPECT_EQ(objects().EditCount(), edits + 1);
    EXPECT_EQ(WallAt(TOP).x2, 2500);
    const TExtwallobj& added = WallAt(8);
    EXPECT_EQ(added.x1, 2500);
    EXPECT_EQ(added.x2, 4500);
    // Five walls dimensioned, and the overall dimension of the top side.
    int texts = 0;
    for (const auto& object : objects().Items())
        texts += object->typeCode == TYPE_DIMENSION_TEXT;
    EXPECT_EQ(texts, 6);
    EXPECT_EQ(Tool().kind, KIND_PICK);
    EXPECT_EQ(AllDumped(), [&] {
        std::string read;
        auto back = ReadBack("HOUSE");
        for (std::size_t i = 0; i < back.size(); ++i)
            read += DumpObject(int(i), *back[i]) + "\n";
        return read;
    }());
}

TEST_F(WallEditWindowTest, TheTypeChangeKeepsTheLevelsAndTheRestOfTheSettings)
{
    Outline();
    WriteWholeFile(Path("CFG/EXTWALLM.CFG"), "110 55 110 30 2700 2500 2500 8 9 10");
    Command(CM_CHANGEEXTWALLTYPE);
    Answer("dialog 2480 check 2487 ok");
    Answer("dialog 5300 set 5301 2 set 5302 300 ok");
    Click({500, 50});
    EXPECT_EQ(frame.Scripted().PendingAnswers(), 0u);
    EXPECT_EQ(ReadWholeFile(Path("CFG/EXTWALLM.CFG")), "300 0 0 30 2700 2500 2500 8 9 10");
    EXPECT_EQ(WallAt(TOP).spacing1, 300);
    EXPECT_EQ(WallAt(TOP).wallLines[1], 3000);
    // The wall keeps its own levels.
    EXPECT_EQ(WallAt(TOP).z1, 25);
    EXPECT_EQ(Tool().kind, KIND_PICK);
}

TEST_F(WallEditWindowTest, ACancelledTypeDialogChangesNothing)
{
    Outline();
    const std::string before = AllDumped();
    const std::string settings = ReadWholeFile(Path("CFG/EXTWALLM.CFG"));
    for (const char* custom : {"", "dialog 5300 cancel"}) {
        Command(CM_CHANGEEXTWALLTYPE);
        Answer(*custom ? "dialog 2480 check 2487 ok" : "dialog 2480 cancel");
        if (*custom)
            Answer(custom);
        Click({500, 50});
        EXPECT_EQ(Tool().kind, KIND_PICK);
    }
    EXPECT_EQ(AllDumped(), before);
    EXPECT_EQ(ReadWholeFile(Path("CFG/EXTWALLM.CFG")), settings);
}

TEST_F(WallEditWindowTest, ASettingsFileThatCannotBeWrittenIsReportedAndTheWallStillChanges)
{
    Outline();
    Command(CM_CHANGEEXTWALLTYPE);
    Answer("dialog 2480 check 2482 ok");
    Answer("message ok");
    FailNextWrites(1);
    Click({500, 50});
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_NE(lines[0].find("CFG/EXTWALLM.CFG"), std::string::npos);
    EXPECT_EQ(WallAt(TOP).spacing1, 230);
    EXPECT_EQ(ReadBack("HOUSE").size(), 8u);
}

TEST_F(WallEditWindowTest, ALineIsPickedWhereNoWallIsAndOnlyForLengthAndShorten)
{
    NewDrawing("HOUSE");
    AddLine(GROUND_FLOOR, 1000, 2000, 4000, 2000);
    const int edits = objects().EditCount();
    Command(CM_LENGTHEN);
    Answer("input 500");
    Click({760, 301});  // model (3800, 1995): 5 from the line, within 3 logical units
    EXPECT_EQ(objects()[4]->x2, 4500);
    EXPECT_EQ(objects().EditCount(), edits + 1);
    EXPECT_EQ(ReadBack("HOUSE")[4]->x2, 4500);
    EXPECT_EQ(Tool().kind, KIND_PICK);
    ExpectRepaintedAsAWhole();

    Command(CM_SHORTEN);
    Answer("input 4500");
    Answer("message ok");
    Click({760, 300});
    EXPECT_EQ(lines.back(), "message NO ACTION | Shorten by less than the length, 3500 - nothing was changed");
    EXPECT_EQ(objects()[4]->x2, 4500);
    EXPECT_EQ(objects().EditCount(), edits + 1) << "a refused edit is not counted";

    // Four logical units off, or a delete: nothing is picked.
    Command(CM_SHORTEN);
    Answer("message ok");
    Click({760, 304});
    Command(CM_DELETEEXTWALL);
    Answer("message ok");
    Click({760, 300});
    EXPECT_EQ(lines.back(), "message NO SELECTION | No valid object selected - please restart");
    EXPECT_EQ(objects()[4]->x1, 1000);
    EXPECT_EQ(objects()[4]->x2, 4500);
}

TEST_F(WallEditWindowTest, AnEditTheFileDoesNotTakeIsDroppedAndItsReportMayRepaint)
{
    Outline();
    AddLine(GROUND_FLOOR, 1000, 2000, 4000, 2000);
    const std::string stored = AllDumped();
    // The report's message box repaints the window, as a real one can: the list is read afresh
    // from the file while the edit is still on the stack.
    const auto tell = State().reportWriteFailure;
    State().reportWriteFailure = [this, tell](const std::string& message) {
        Child().Refresh(0);
        tell(message);
    };
    const std::string failed = "message Arkweld 4.0 | The drawing file " + Path("DWGS/HOUSE.DB0") +
                               " could not be written: No space left on device; the change is not saved";

    Command(CM_LENGTHEN);
    Answer("input 500");
    Answer("message ok");
    FailNextWrites(1, WriteStage::Write);
    Click({760, 301});
    EXPECT_EQ(lines.back(), failed);
    Command(CM_DELETEEXTWALL);
    Answer("message ok");
    FailNextWrites(1, WriteStage::Write);
    Click({500, 40});
    EXPECT_EQ(lines.back(), failed);
    FailNextWrites(0);
    // Neither change is kept: the list is what the file holds.
    EXPECT_EQ(AllDumped(), stored);
    EXPECT_EQ(ReadBack("HOUSE").size(), std::size_t(objects().count()));
    ExpectRepaintedAsAWhole();
}

TEST_F(WallEditWindowTest, AWallIsTakenBeforeALineAtTheSamePlace)
{
    Outline();
    AddLine(GROUND_FLOOR, 1000, 3300, 4000, 3300);
    Command(CM_LENGTHEN);
    Answer("input 500");
    Click({700, 40});
    EXPECT_EQ(WallAt(TOP).x2, 5000);
    EXPECT_EQ(objects()[8]->x2, 4000);
}

TEST_F(WallEditWindowTest, AnImperialDistanceComesFromTheFeetAndInchesDialog)
{
    NewDrawing("COTTAGE", false);
    KeyAt(VK_ENTER, {100, 100});  // model (500, 3000)
    Answer("dialog 9500 set 9501 10 ok");
    Key(VK_RIGHT);
    Command(CM_LENGTHEN);
    Answer("dialog 9500 set 9501 1 set 9502 6 ok");
    Click({600, 100});
    EXPECT_EQ(WallAt(TOP).x2, 500 + 2880 + 432);
    EXPECT_EQ(WallAt(TOP).groupId, 3312);
}

}  // namespace
