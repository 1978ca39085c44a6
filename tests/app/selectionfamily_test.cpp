// The selection family in the drawing window: the right button and its angle prompt, Enter, the
// copy's status texts, Paste, the rotation check, the selection list emptied when its indices go
// stale, and repaints in the middle of a move.
#include "tests/app/appfixture.h"
#include "tests/platform/pixelhelpers.h"

#include "app/families/selectionfamily.h"
#include "model/arcobj.h"
#include "model/selectionlist.h"
#include "tools/moveobjtool.h"

namespace {

constexpr TColor WHITE = MakeColour(255, 255, 255);
constexpr TColor BLACK = MakeColour(0, 0, 0);

class SelectionFamilyTest : public AppTest {
protected:
    void SetUp() override { NewDrawing("TEST"); }

    // Device point of a model point: one logical unit a pixel, five model units a logical unit.
    static TPoint Device(int x, int y) { return {x / 5, 700 - y / 5}; }

    void Drag(TPoint fromModel, TPoint toModel)
    {
        Child().EvLButtonDown(Device(fromModel.x, fromModel.y));
        Child().EvMouseMove(Device(toModel.x, toModel.y));
        Child().EvLButtonUp(Device(toModel.x, toModel.y));
        frame.ProcessEvents();
    }
    void Click(TPoint model)
    {
        Child().EvLButtonDown(Device(model.x, model.y));
        Child().EvLButtonUp(Device(model.x, model.y));
    }
    TMoveobjtool& Tool() { return dynamic_cast<TMoveobjtool&>(*client->CurrentTool()); }
};

TEST_F(SelectionFamilyTest, ARightClickWithNothingSelectedAsksNothing)
{
    AddLine(50, 1000, 1000, 2000, 1000);
    Command(CM_MOVEROTATE);
    Child().EvRButtonDown(Device(1000, 1000));
    Drag({3000, 3000}, {4000, 4000});  // over nothing
    Child().EvRButtonDown(Device(1000, 1000));
    EXPECT_EQ(Tool().step, STEP_SELECTION_MADE);
    EXPECT_TRUE(lines.empty());
}

TEST_F(SelectionFamilyTest, AfterALine27001ARightClickTurnsAQuarterWithoutAsking)
{
    TLineobj& line = AddLine(50, 1000, 1000, 2000, 1000);
    AddLine(50, 500, 3000, 600, 3000, 27001);
    Command(CM_MOVEROTATE);
    Drag({500, 500}, {2500, 1500});
    Child().EvRButtonDown(Device(1000, 1000));
    EXPECT_EQ(Tool().rotationStep(), 90);
    EXPECT_EQ(Tool().step, STEP_SELECTION_MOVING);
    EXPECT_EQ(objects()[4]->x2, 1000);
    EXPECT_EQ(objects()[4]->y2, 0);
    (void)line;
}

TEST_F(SelectionFamilyTest, ACancelledAngleSetsTheReferencePointAndTurnsNothing)
{
    AddLine(50, 1000, 1000, 2000, 1000);
    Command(CM_MOVEROTATE);
    Drag({500, 500}, {2500, 1500});
    Answer("input cancel");
    Child().EvRButtonDown(Device(1500, 1000));
    EXPECT_EQ(Tool().step, STEP_SELECTION_MOVING);
    EXPECT_EQ(Tool().currentX, 1500);
    EXPECT_EQ(objects()[4]->x2, 2000);
    EXPECT_EQ(client->Prompt(), "input degrees to rotate,then if needed, use + - keys to finetune. press Enter to Lock");
}

// Enter locks the move, returns to the pick tool and shows what it has just written from the list,
// without parsing the file back: the window is what a repaint from the file shows. After a lock
// whose write fails, told once, the list and the window hold the drawing as the file still has it.
TEST_F(SelectionFamilyTest, EnterShowsWhatItWroteWithoutParsingItAndAFailedLockShowsTheFile)
{
    AddLine(50, 1000, 1000, 2000, 1000);
    AddLine(50, 3000, 3000, 4000, 3000);
    Child().Refresh(9);
    auto moveFirstLineUp = [&] {
        Command(CM_MOVEROTATE);
        Drag({500, 500}, {2500, 1500});
        Click({1000, 1000});
        Click({1000, 2000});
        Child().EvKeyDown(VK_ENTER);
        frame.ProcessEvents();
        EXPECT_EQ(client->CurrentTool()->kind, KIND_PICK);
    };
    auto fileAsShown = [&] {
        const QImage shown = Window().BackingImage().copy();
        Child().Refresh(9);
        return CountDifferent(shown, Window().BackingImage());
    };
    const auto readings = objects().Readings();
    moveFirstLineUp();
    EXPECT_EQ(objects().Readings(), readings) << "the file was parsed back";
    EXPECT_EQ(ReadBack("TEST").at(4)->y1, 2000);
    EXPECT_EQ(fileAsShown(), 0);
    EXPECT_EQ(Pixel(300, 300), BLACK);
    EXPECT_EQ(Pixel(300, 500), WHITE);

    Command(CM_MOVEROTATE);
    Drag({500, 1500}, {2500, 2500});
    Click({1000, 2000});
    Click({1000, 3000});
    Answer("message ok");
    FailNextWrites(1, WriteStage::Write);
    Child().EvKeyDown(VK_ENTER);
    frame.ProcessEvents();
    FailNextWrites(0);
    EXPECT_EQ(lines.size(), 1u);
    EXPECT_EQ(objects()[4]->y1, 2000) << "the list holds what the file holds";
    EXPECT_EQ(ReadBack("TEST").at(4)->y1, 2000);
    EXPECT_EQ(Pixel(300, 300), BLACK);
    EXPECT_EQ(Pixel(300, 100), WHITE);
    EXPECT_EQ(fileAsShown(), 0);
}

TEST_F(SelectionFamilyTest, AnotherToolDropsMovesNotLocked)
{
    AddLine(50, 1000, 1000, 2000, 1000);
    Child().Refresh(9);
    Command(CM_MOVEROTATE);
    Drag({500, 500}, {2500, 1500});
    Click({1000, 1000});
    Click({1000, 2000});
    EXPECT_EQ(Pixel(300, 300), BLACK);
    Command(CM_LINE);
    frame.ProcessEvents();
    // The window shows the drawing as its file holds it.
    EXPECT_EQ(objects()[4]->y1, 1000);
    EXPECT_EQ(Pixel(300, 500), BLACK);
    EXPECT_EQ(Pixel(300, 300), WHITE);
}

TEST_F(SelectionFamilyTest, ACopyShowsThePickToolTextsAndTheCopyToolStays)
{
    AddLine(50, 1000, 1000, 2000, 1000);
    Command(CM_COPY);
    EXPECT_EQ(client->ToolName(), "Copy");
    Drag({500, 500}, {2500, 1500});
    EXPECT_EQ(client->CurrentTool()->kind, KIND_COPY);
    EXPECT_EQ(client->Prompt(), "press F1 key for help");
    EXPECT_EQ(client->ToolName(), "Pick Tool");
    EXPECT_TRUE(std::filesystem::exists(Path("LIBS/PASTE.CFG")));
}

TEST_F(SelectionFamilyTest, PasteWithoutABufferSaysSo)
{
    std::filesystem::remove(Path("LIBS/PASTE.CFG"));
    Answer("message ok");
    Child().Paste();
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0], "message PASTE | There is nothing to paste - use Edit/Copy first");
    EXPECT_EQ(client->CurrentTool()->kind, KIND_PICK);
}

TEST_F(SelectionFamilyTest, PasteAddsTheCopyAndHandsItToTheMoveTool)
{
    AddLine(50, 1000, 1000, 2000, 1000);
    Command(CM_COPY);
    Drag({500, 500}, {2500, 1500});
    Command(CM_PASTE);
    ASSERT_EQ(objects().count(), 6);
    EXPECT_EQ(ReadBack("TEST").size(), 6u);
    EXPECT_EQ(Tool().kind, KIND_MOVE);
    EXPECT_EQ(Tool().step, STEP_SELECTION_MADE);
    EXPECT_EQ(Tool().selectionCount(), 1);
    EXPECT_EQ(client->Prompt(), "click LEFT Button on reference point and MOVE,press ENTER to finish");
    // The pasted line is drawn near the lower left of the view: base point (1500, 1000), so the
    // line lands at (1000 / 8 x 5 - 500, 700 / 6 x 5 + 0) = (125, 580) to (1125, 580).
    EXPECT_EQ(objects()[5]->x1, 125);
    EXPECT_EQ(objects()[5]->y1, 580);
    frame.ProcessEvents();
    EXPECT_EQ(Pixel(100, 700 - 116), BLACK);
}

TEST_F(SelectionFamilyTest, APasteMovedPastTheRangeIsRefusedWholeAndStaysWhereItWasPasted)
{
    AddLine(50, 1000, 1000, 2000, 1000);
    Command(CM_COPY);
    Drag({500, 500}, {2500, 1500});
    Command(CM_PASTE);
    ASSERT_EQ(objects().count(), 6);
    const std::string pasted = ReadWholeFile(Path("DWGS/TEST.DB0"));
    // The pasted line runs from (125, 580) to (1125, 580): moved by its start to x 2147482650,
    // its end would land 3 past the range's top.
    Click({125, 580});
    Answer("message ok");
    Click({2147482650, 580});
    EXPECT_EQ(lines, std::vector<std::string>{"message POINT OUT OF RANGE | This move would carry the selection too far"
                                              " outside the sheet for the drawing file to hold it - it has not been"
                                              " moved"});
    EXPECT_EQ(objects()[5]->x1, 125);
    EXPECT_EQ(objects()[5]->x2, 1125);
    Child().EvKeyDown(VK_ENTER);
    frame.ProcessEvents();
    EXPECT_EQ(client->CurrentTool()->kind, KIND_PICK);
    EXPECT_EQ(ReadWholeFile(Path("DWGS/TEST.DB0")), pasted);
    EXPECT_EQ(lines.size(), 1u);
}

TEST_F(SelectionFamilyTest, TheRotationCheckRefusesShapesThatTakeOnlyQuarterTurns)
{
    AddLine(50, 1000, 1000, 2000, 1000);
    // No move tool, no selection: refused without a word.
    EXPECT_EQ(Child().CheckRotatableSelection(), 1);
    Command(CM_MOVEROTATE);
    Drag({500, 500}, {2500, 1500});
    EXPECT_EQ(Child().CheckRotatableSelection(), 0);

    auto arc = std::make_unique<TArcobj>(3);
    arc->floor = 50;
    arc->x1 = 1000;
    arc->y1 = 1000;
    arc->x2 = 2000;
    arc->y2 = 1400;
    arc->arcStartX = 1000;
    arc->arcStartY = 1200;
    arc->arcEndX = 2000;
    arc->arcEndY = 1200;
    TDrawingEdit edit(objects());
    edit.Add(std::move(arc));
    edit.Commit();
    Command(CM_MOVEROTATE);
    Drag({500, 500}, {2500, 1500});
    Answer("message ok");
    EXPECT_EQ(Child().CheckRotatableSelection(), 1);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0], "message ROTATE | ARC, RECT and RNDRECT objects only rotate in 90, 180 and 270 degree increments");
}

TEST_F(SelectionFamilyTest, TheSelectionListIsEmptiedByUndoAndByANewDrawing)
{
    AddLine(50, 1000, 1000, 2000, 1000);
    Command(CM_MOVEROTATE);
    Drag({500, 500}, {2500, 1500});
    EXPECT_EQ(ReadCopyCount(), 1);
    Command(CM_UNDO);
    EXPECT_EQ(ReadCopyCount(), 0);

    AddLine(50, 1000, 1000, 2000, 1000);
    Command(CM_MOVEROTATE);
    Drag({500, 500}, {2500, 1500});
    EXPECT_EQ(ReadCopyCount(), 1);
    NewDrawing("OTHER");
    EXPECT_EQ(ReadCopyCount(), 0);

    // Opening a drawing: the indices named objects of the one that was open.
    AddLine(50, 1000, 1000, 2000, 1000);
    Command(CM_MOVEROTATE);
    Drag({500, 500}, {2500, 1500});
    EXPECT_EQ(ReadCopyCount(), 1);
    frame.SetNextChoice("OTHER");
    Command(CM_FILEOPEN);
    ASSERT_NE(client->ActiveChild(), nullptr);
    EXPECT_EQ(ReadCopyCount(), 0);
}

TEST_F(SelectionFamilyTest, EraseReturnsToThePickToolAndRepaintsTheArea)
{
    AddLine(50, 1000, 1000, 2000, 1000);
    Child().Refresh(9);
    EXPECT_EQ(Pixel(300, 500), BLACK);
    Command(CM_ERASE);
    Drag({500, 500}, {2500, 1500});
    frame.ProcessEvents();
    EXPECT_EQ(client->CurrentTool()->kind, KIND_PICK);
    EXPECT_EQ(objects().count(), 4);
    EXPECT_EQ(Pixel(300, 500), WHITE);
}

TEST_F(SelectionFamilyTest, ZoomUpChosenTwiceStillReturnsToTheFirstTool)
{
    Command(CM_LINE);
    TDrawingtool* line = client->CurrentTool();
    Command(CM_ZOOMUP);
    Command(CM_ZOOMUP);
    Drag({500, 500}, {2500, 1500});
    EXPECT_EQ(client->CurrentTool(), line);
    EXPECT_EQ(client->ToolName(), "Line");
}

// A repaint in the middle of a move, by pictures (2000 lines) and object by object (40 lines): what
// the window shows after it and just before Enter is what a fresh paint of what Enter stores shows,
// and the reference point carries the whole move. A refresh and a resize repaint the window while
// the move tool is current; Zoom Up left without a zoom repaints it from the file while the move
// tool waits.
TEST_F(SelectionFamilyTest, ARepaintInTheMiddleOfAMoveShowsWhatEnterStores)
{
    // The line i runs from (1000 + 60 (i mod 50), 1000 + 25 (i div 50)), 40 right and 20 up.
    auto lineStart = [](int i) { return TPoint{1000 + 60 * (i % 50), 1000 + 25 * (i / 50)}; };
    for (const int count : {2000, 40}) {
        SCOPED_TRACE(count);
        const std::string name = "MOVE" + std::to_string(count);
        NewDrawing(name);
        const int first = objects().count();
        {
            TDrawingEdit edit(objects());
            for (int i = 0; i < count; ++i) {
                auto line = std::make_unique<TLineobj>(1);
                line->floor = 50;
                const TPoint at = lineStart(i);
                line->x1 = at.x;
                line->y1 = at.y;
                line->x2 = at.x + 40;
                line->y2 = at.y + 20;
                edit.Add(std::move(line));
            }
            edit.Commit();
        }
        Child().Refresh(9);
        // Where every line stands in the file, against where it started: the moves stored.
        auto storedMisplaced = [&](TPoint moved) {
            const auto stored = ReadBack(name);
            int misplaced = 0;
            for (int i = 0; i < count; ++i) {
                const TObject& line = *stored.at(std::size_t(first + i));
                const TPoint at = lineStart(i);
                if (line.x1 != at.x + moved.x || line.y1 != at.y + moved.y || line.x2 != at.x + 40 + moved.x ||
                    line.y2 != at.y + 20 + moved.y)
                    ++misplaced;
            }
            return misplaced;
        };
        auto shown = [&] { return Window().BackingImage().copy(); };
        auto freshPaint = [&] {
            Child().Refresh(9);
            return shown();
        };
        auto enter = [&] {
            Child().EvKeyDown(VK_ENTER);
            frame.ProcessEvents();
            EXPECT_EQ(client->CurrentTool()->kind, KIND_PICK);
        };
        auto selectAll = [&](TPoint reference) {
            Command(CM_MOVEROTATE);
            Drag({200, 200}, {4995, 3495});
            EXPECT_EQ(Tool().selectionCount(), count);
            Click(reference);
        };

        // Moved, refreshed, locked.
        selectAll({1500, 1500});
        Click({2000, 2500});
        Child().Refresh(9);
        const QImage afterRefresh = shown();
        enter();
        const QImage afterEnter = shown();
        const QImage stored = freshPaint();
        EXPECT_EQ(CountDifferent(afterRefresh, stored), 0);
        EXPECT_EQ(CountDifferent(afterEnter, stored), 0);
        EXPECT_EQ(storedMisplaced({500, 1000}), 0);

        // Moved, refreshed, moved again, locked.
        selectAll({2000, 2500});
        Click({2500, 2000});
        Child().Refresh(9);
        Click({1500, 2000});
        const QImage beforeEnter = shown();
        enter();
        const QImage afterSecondEnter = shown();
        const QImage storedAgain = freshPaint();
        EXPECT_EQ(CountDifferent(beforeEnter, storedAgain), 0);
        EXPECT_EQ(CountDifferent(afterSecondEnter, storedAgain), 0);
        EXPECT_EQ(storedMisplaced({0, 500}), 0);

        // Moved, Zoom Up chosen and left with a click (the window is repainted from the file), moved
        // again: the move starts over from where the file holds the lines.
        selectAll({1500, 2000});
        Click({3000, 3000});
        Command(CM_ZOOMUP);
        Drag({1000, 1000}, {1000, 1000});
        ASSERT_EQ(client->CurrentTool()->kind, KIND_MOVE);
        EXPECT_EQ(Tool().step, STEP_SELECTION_MOVING);
        Click({2000, 1500});
        const QImage beforeThirdEnter = shown();
        enter();
        const QImage afterThirdEnter = shown();
        const QImage storedLast = freshPaint();
        EXPECT_EQ(CountDifferent(beforeThirdEnter, storedLast), 0);
        EXPECT_EQ(CountDifferent(afterThirdEnter, storedLast), 0);
        EXPECT_EQ(storedMisplaced({500, 0}), 0);

        // Moved, the window made twice as large (the sheet fitted to it anew), moved again.
        selectAll({2000, 1500});
        Click({2500, 2000});
        Window().Resize(2000, 1400);
        frame.ProcessEvents();
        const TPoint at = Child().DevicePointOf({2500, 1500});
        Child().EvLButtonDown(at);
        Child().EvLButtonUp(at);
        const QImage beforeFourthEnter = shown();
        enter();
        const QImage afterFourthEnter = shown();
        const QImage storedResized = freshPaint();
        EXPECT_EQ(CountDifferent(beforeFourthEnter, storedResized), 0);
        EXPECT_EQ(CountDifferent(afterFourthEnter, storedResized), 0);
        EXPECT_EQ(storedMisplaced({1000, 0}), 0);
        Window().Resize(1000, 700);
        frame.ProcessEvents();
    }
}

}  // namespace

// A tool chosen while a move waits for Enter drops the move: the drawing is read from the file once,
// and nothing of the move is measured or read again when the tool is replaced.
TEST_F(SelectionFamilyTest, AToolChosenInTheMiddleOfAMoveReadsTheDrawingOnce)
{
    AddLine(50, 1000, 1000, 2000, 1000);
    Command(CM_MOVEROTATE);
    Drag({500, 500}, {2500, 1500});
    Click({1000, 1000});
    Click({1500, 2000});
    ASSERT_TRUE(Tool().HoldsListChange());
    const std::uint64_t before = objects().Readings();
    client->Command(CM_LINE);
    EXPECT_EQ(objects().Readings(), before + 1);
    EXPECT_EQ(objects()[4]->x1, 1000) << "the move is dropped";
    EXPECT_FALSE(client->PendingMove());
}
