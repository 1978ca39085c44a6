// The drawing window: painting from the drawing file, partial repaints, undo, scrolling, zoom,
// Save As, the bitmap export, the datum read-out and the cursor.
#include "tests/app/appfixture.h"

#include "model/extwallobj.h"
#include "platform/qt/imagecanvas.h"
#include "tools/drawingtool.h"

#include <QImage>

#include <filesystem>

namespace {

constexpr TColor WHITE = MakeColour(255, 255, 255);
constexpr TColor BLACK = MakeColour(0, 0, 0);

}  // namespace

class ChildTest : public AppTest {
protected:
    void SetUp() override { NewDrawing("TEST"); }

    // Repaints the whole window from the file, now.
    void Repaint() { Child().Refresh(9); }
};

TEST_F(ChildTest, PaintDrawsTheFloorInViewFromTheFile)
{
    // Model (1000, 1000)-(3000, 1000) is device (200, 500)-(600, 500).
    AddLine(50, 1000, 1000, 3000, 1000);
    AddLine(51, 1000, 2000, 3000, 2000);  // device y 300, another floor
    Repaint();
    EXPECT_EQ(Pixel(400, 500), BLACK);
    EXPECT_EQ(Pixel(400, 501), WHITE);
    EXPECT_EQ(Pixel(400, 300), WHITE);

    Command(CM_FIRSTFLOOR);
    EXPECT_EQ(Pixel(400, 500), WHITE);
    EXPECT_EQ(Pixel(400, 300), BLACK);
}

TEST_F(ChildTest, ARepaintReloadsTheFileAndDropsChangesNotWritten)
{
    AddLine(50, 1000, 1000, 3000, 1000);
    objects()[4]->y1 = 2000;
    objects()[4]->y2 = 2000;
    Repaint();
    EXPECT_EQ(objects()[4]->y1, 1000);
    EXPECT_EQ(Pixel(400, 500), BLACK);
    EXPECT_EQ(Pixel(400, 300), WHITE);
}

TEST_F(ChildTest, APartialRepaintRendersOnlyItsRectangle)
{
    {
        ImageCanvas dc(const_cast<QImage&>(Window().BackingImage()));
        dc.FillDeviceRect({10, 10, 20, 20}, BLACK);
        dc.FillDeviceRect({900, 10, 910, 20}, BLACK);
    }
    Child().InvalidateArea({0, 0, 100, 100});
    frame.ProcessEvents();
    EXPECT_EQ(Pixel(15, 15), WHITE);
    EXPECT_EQ(Pixel(905, 15), BLACK);
}

TEST_F(ChildTest, UndoTakesBackAtMostThreeObjectsOfTheFloorInView)
{
    for (int i = 0; i < 5; ++i)
        AddLine(50, 1000, 1000 + 100 * i, 3000, 1000 + 100 * i);
    Answer("message ok");
    for (int i = 0; i < 4; ++i)
        Command(CM_UNDO);
    ASSERT_EQ(objects().count(), 6);
    EXPECT_EQ(objects()[5]->y1, 1100);
    // The fourth undo says why it does nothing.
    EXPECT_EQ(lines, std::vector<std::string>{"message UNDO | Undo takes back at most three objects in a row"});

    // A new object starts a new run, even when another went and the count is as before.
    objects().Remove(5);
    AddLine(50, 1000, 4000, 3000, 4000);
    Command(CM_UNDO);
    ASSERT_EQ(objects().count(), 5);
    EXPECT_EQ(objects()[4]->y1, 1000);
    Repaint();
    EXPECT_EQ(Pixel(400, 500), BLACK);
    EXPECT_EQ(Pixel(400, 480), WHITE);
}

TEST_F(ChildTest, UndoNeverTakesAnExternalWallOrAFloorRecordOrAnotherFloor)
{
    auto* wall = new TExtwallobj;
    wall->floor = 50;
    wall->x1 = 1000;
    wall->y1 = 1000;
    wall->x2 = 5000;
    wall->y2 = 1000;
    objects().Add(wall);
    objects().WriteDrawing();
    Answer("message ok");
    Command(CM_UNDO);
    EXPECT_EQ(objects().count(), 5);

    AddLine(51, 1000, 1000, 3000, 1000);
    Answer("message ok");
    Command(CM_UNDO);
    EXPECT_EQ(objects().count(), 6);

    // Only the floor records: nothing to take back.
    NewDrawing("EMPTY");
    Answer("message ok");
    Command(CM_UNDO);
    EXPECT_EQ(objects().count(), 4);
    EXPECT_EQ(lines, (std::vector<std::string>{
                         "message UNDO | An external wall is not undone - use Walls & Base/External Walls/DELETE "
                         "External Wall",
                         "message UNDO | There is nothing to undo on this floor",
                         "message UNDO | There is nothing to undo on this floor"}));
}

TEST_F(ChildTest, ScrollingMovesTheViewWithinTheSheet)
{
    // The shipped sheet, zoomed in to one logical unit a pixel.
    UseShippedSheet();
    NewDrawing("SHEET");
    state().viewExtX = 1000;
    state().viewExtY = 700;
    Child().ApplyView();
    TChild::TScrollInfo info = Child().ScrollInfo();
    EXPECT_EQ(info.minX, 0);
    EXPECT_EQ(info.maxX, 12000 - 1000);
    EXPECT_EQ(info.maxY, 8400 - 700);
    EXPECT_EQ(info.lineX, 50);
    EXPECT_EQ(info.pageY, 700);

    Child().ScrollTo(20000, -50);
    EXPECT_EQ(state().viewOrgX, 11000);
    EXPECT_EQ(state().viewOrgY, 0);

    Child().ScrollTo(0, 0);
    Child().EvKeyDown(VK_PRIOR);
    EXPECT_EQ(state().viewOrgY, 700);
    // The view moved up the sheet by a page: the bottom-left pixel shows model y 3500.
    EXPECT_EQ(Child().ModelPointOf({0, 700}), (TPoint{0, 3500}));

    AddLine(50, 1000, 4500, 3000, 4500);  // logical y 900, device y 700 - (900 - 700) = 500
    frame.ProcessEvents();
    EXPECT_EQ(Pixel(400, 500), BLACK);
}

TEST_F(ChildTest, NormalSizeReturnsToTheViewOfFileNew)
{
    state().viewExtX = 300;
    state().viewExtY = 150;
    state().viewOrgX = 420;
    state().viewOrgY = 77;
    state().unitsPerLogicalF = 1.5;
    Command(CM_NORMALSIZE);
    EXPECT_EQ(state().viewExtX, 1000);
    EXPECT_EQ(state().viewExtY, 700);
    EXPECT_EQ(state().viewOrgX, 0);
    EXPECT_EQ(state().viewOrgY, 0);
    EXPECT_EQ(state().unitsPerLogicalF, 5.0);
}

TEST_F(ChildTest, AZoomToNothingFallsBackToNormalSize)
{
    state().viewExtX = 0;
    state().viewExtY = 0;
    state().unitsPerLogicalF = 0.0;
    Child().ApplyView();
    EXPECT_EQ(state().viewExtX, 1000);
    EXPECT_EQ(state().unitsPerLogicalF, 5.0);
}

TEST_F(ChildTest, ResizingAZoomedViewKeepsTheScale)
{
    state().viewExtX = 1000;
    state().viewExtY = 700;
    Child().ApplyView();
    Window().Resize(500, 350);
    EXPECT_EQ(state().viewExtX, 500);
    EXPECT_EQ(state().viewExtY, 350);
    EXPECT_EQ(Child().ModelPointOf({100, 350}), (TPoint{500, 0}));
}

TEST_F(ChildTest, ResizingTheNormalViewKeepsTheWholeSheetInView)
{
    Window().Resize(500, 350);
    EXPECT_EQ(state().viewExtX, 1000);
    EXPECT_EQ(state().viewExtY, 700);
    // Half the size: two logical units a pixel.
    EXPECT_EQ(Child().ModelPointOf({100, 350}), (TPoint{1000, 0}));
    // Zoom/Normal Size after a zoom gives the whole sheet back.
    state().viewExtX = 100;
    state().viewExtY = 70;
    Child().ApplyView();
    Child().NormalSize();
    EXPECT_EQ(state().viewExtX, 1000);
    EXPECT_EQ(Child().ModelPointOf({500, 0}), (TPoint{5000, 3500}));
}

TEST_F(ChildTest, SaveAsWritesTheDrawingUnderTheNewName)
{
    AddLine(50, 1000, 1000, 3000, 1000);
    Answer("dialog 9020 set 9021 COPY ok");
    Command(CM_FILESAVEAS);
    EXPECT_EQ(state().drawingName, "COPY");
    EXPECT_EQ(Window().Caption(), "COPY.PLN");
    EXPECT_EQ(ReadWholeFile(Path("DWGS/COPY.DB0")), ReadWholeFile(Path("DWGS/TEST.DB0")));
}

TEST_F(ChildTest, SaveAsAsksBeforeReplacingAnotherDrawing)
{
    const std::string other = ReadWholeFile(Path("DWGS/TEST.DB0"));
    AddLine(50, 1000, 1000, 3000, 1000);
    std::filesystem::copy_file(Path("DWGS/TEST.DB0"), Path("DWGS/KEEP.DB0"));
    WriteWholeFile(Path("DWGS/KEEP.DB0"), other);

    Answer("dialog 9020 set 9021 keep ok");
    Answer("message no");
    Command(CM_FILESAVEAS);
    EXPECT_EQ(state().drawingName, "TEST");
    EXPECT_EQ(ReadWholeFile(Path("DWGS/KEEP.DB0")), other);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0], "message Arkweld 4.0 | A drawing named keep already exists. Replace it?");
}

TEST_F(ChildTest, EnterAtTheReplaceBoxKeepsTheOtherDrawing)
{
    const std::string other = ReadWholeFile(Path("DWGS/TEST.DB0"));
    AddLine(50, 1000, 1000, 3000, 1000);
    WriteWholeFile(Path("DWGS/KEEP.DB0"), other);

    Answer("dialog 9020 set 9021 KEEP ok");
    Answer("message enter");
    Command(CM_FILESAVEAS);
    EXPECT_EQ(state().drawingName, "TEST");
    EXPECT_EQ(ReadWholeFile(Path("DWGS/KEEP.DB0")), other);
    EXPECT_NE(ReadWholeFile(Path("DWGS/TEST.DB0")), other);
}

TEST_F(ChildTest, SaveAsUnderTheSameNameInAnotherCaseRenamesTheFile)
{
    Answer("dialog 9020 set 9021 Test ok");
    Command(CM_FILESAVEAS);
    EXPECT_TRUE(lines.empty());
    EXPECT_TRUE(std::filesystem::exists(Path("DWGS/Test.DB0")));
    EXPECT_FALSE(std::filesystem::exists(Path("DWGS/TEST.DB0")));
}

TEST_F(ChildTest, SaveAsThatCannotWriteSaysSoAndKeepsTheOpenDrawing)
{
    AddLine(50, 1000, 1000, 3000, 1000);
    const std::string file = ReadWholeFile(Path("DWGS/TEST.DB0"));
    const std::string refusal = "message SAVE AS | The drawing could not be saved as COPY: the file " +
                                Path("DWGS/COPY.DB0") + " could not be written: ";

    // A full directory: the rewrite of the open drawing before the dialog and the new file both fail.
    Answer("message ok");
    Answer("dialog 9020 set 9021 COPY ok");
    Answer("message ok");
    FailNextWrites(2, WriteStage::Write);
    Command(CM_FILESAVEAS);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0], "message Arkweld 4.0 | The drawing file " + Path("DWGS/TEST.DB0") +
                            " could not be written: No space left on device");
    EXPECT_EQ(lines[1], refusal + "No space left on device. TEST is still open under its own name.");
    EXPECT_EQ(state().drawingName, "TEST");
    EXPECT_EQ(Window().Caption(), "TEST.PLN");
    EXPECT_EQ(ReadWholeFile(Path("DWGS/TEST.DB0")), file);
    EXPECT_FALSE(std::filesystem::exists(Path("DWGS/COPY.DB0")));

    // A folder of that name: the rename onto it is refused.
    lines.clear();
    std::filesystem::create_directories(Path("DWGS/COPY.DB0"));
    Answer("dialog 9020 set 9021 COPY ok");
    Answer("message ok");
    Command(CM_FILESAVEAS);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0], refusal + "Is a directory. TEST is still open under its own name.");
    EXPECT_EQ(state().drawingName, "TEST");
    EXPECT_EQ(ReadWholeFile(Path("DWGS/TEST.DB0")), file);
    EXPECT_TRUE(std::filesystem::is_directory(Path("DWGS/COPY.DB0")));
}

TEST_F(ChildTest, ADrawingThatCannotBeReReadIsNotSavedAsAnEmptyDrawing)
{
    AddLine(50, 1000, 1000, 3000, 1000);
    const std::string file = ReadWholeFile(Path("DWGS/TEST.DB0"));
    FailNextReads(1000, "TEST.DB0");
    Answer("message ok");
    Repaint();
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0], "message Arkweld 4.0 | The drawing file " + Path("DWGS/TEST.DB0") +
                            " cannot be opened: Permission denied.");

    Answer("dialog 9020 set 9021 COPY ok");
    Answer("message ok");
    Command(CM_FILESAVEAS);
    FailNextReads(0);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[1], "message SAVE AS | The drawing TEST could not be read, so there is nothing to save under "
                        "another name");
    EXPECT_FALSE(std::filesystem::exists(Path("DWGS/COPY.DB0")));
    EXPECT_EQ(ReadWholeFile(Path("DWGS/TEST.DB0")), file);
}

TEST_F(ChildTest, ExportBitmapWritesTheWindowAt24BitsPerPixel)
{
    AddLine(50, 1000, 1000, 3000, 1000);
    Repaint();
    Command(CM_EXPORTBITMAP);
    const std::string bytes = ReadWholeFile(Path("DWGS/TEST.BMP"));
    ASSERT_GT(bytes.size(), 54u);
    EXPECT_EQ(bytes.substr(0, 2), "BM");
    auto le = [&](std::size_t at, int size) {
        unsigned value = 0;
        for (int i = size - 1; i >= 0; --i)
            value = value * 256 + static_cast<unsigned char>(bytes[at + std::size_t(i)]);
        return value;
    };
    EXPECT_EQ(le(18, 4), 1000u);
    EXPECT_EQ(le(22, 4), 700u);
    EXPECT_EQ(le(28, 2), 24u);
    QImage image(QString::fromStdString(Path("DWGS/TEST.BMP")));
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(image.pixel(400, 500), qRgb(0, 0, 0));
    EXPECT_EQ(image.pixel(400, 100), qRgb(255, 255, 255));
}

TEST_F(ChildTest, ABitmapThatCannotBeWrittenIsToldWithTheReasonAndTheOldFileKept)
{
    AddLine(50, 1000, 1000, 3000, 1000);
    Repaint();
    WriteWholeFile(Path("DWGS/TEST.BMP"), "old picture");
    for (WriteStage stage : {WriteStage::Write, WriteStage::Rename}) {
        Answer("message ok");
        FailNextWrites(1, stage);
        Command(CM_EXPORTBITMAP);
    }
    FailNextWrites(0);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0], "message Arkweld 4.0 | The bitmap " + Path("DWGS/TEST.BMP") +
                            " could not be written: No space left on device");
    EXPECT_EQ(lines[1], "message Arkweld 4.0 | The bitmap " + Path("DWGS/TEST.BMP") +
                            " could not be written: Permission denied");
    EXPECT_EQ(ReadWholeFile(Path("DWGS/TEST.BMP")), "old picture");
}

TEST_F(ChildTest, TheDistanceGadgetMeasuresFromTheDatum)
{
    Child().datumMode = DATUM_SET;
    Child().datumX = 1000;
    Child().datumY = 1000;
    Child().EvMouseMove({400, 500});  // model (2000, 1000)
    EXPECT_EQ(client->Distance(), "1000,0");
    Child().datumMode = DATUM_SET_ANGLE;
    Child().EvMouseMove({200, 300});  // model (1000, 2000): straight up
    EXPECT_EQ(client->Distance(), "1000<0");
    Child().SetDatumMode(DATUM_OFF);
    EXPECT_EQ(client->Distance(), "");
}

TEST_F(ChildTest, ARequestedDatumIsSetByTheNextClick)
{
    Child().SetDatumMode(DATUM_REQUESTED);
    Child().EvLButtonDown({200, 600});
    EXPECT_EQ(Child().datumMode, DATUM_SET);
    EXPECT_EQ(Child().datumX, 1000);
    EXPECT_EQ(Child().datumY, 500);
}

TEST_F(ChildTest, PuttingTheCursorIsAMouseMoveAfterTheEvent)
{
    Child().datumMode = DATUM_SET;
    Child().datumX = 0;
    Child().datumY = 0;
    Child().SetCursorPos({100, 600});  // model (500, 500)
    EXPECT_EQ(client->Distance(), "");
    frame.ProcessEvents();
    EXPECT_EQ(Window().CursorPos(), (TPoint{100, 600}));
    EXPECT_EQ(client->Distance(), "500,500");
}

TEST_F(ChildTest, TheLineTextDialogWritesItsSettingsOnlyWhenConfirmed)
{
    Answer("dialog 2690 set 2691 HELLO check 2693 ok");
    Child().RunLineDialog(8);
    EXPECT_EQ(ReadWholeFile(Path("CFG/LTEXT.CFG")), "2 5/nHELLO");

    Answer("dialog 2690 cancel");
    Child().RunLineDialog(8);
    EXPECT_TRUE(client->CurrentTool()->noLineText);
    EXPECT_EQ(ReadWholeFile(Path("CFG/LTEXT.CFG")), "2 5/nHELLO");
}

TEST_F(ChildTest, ClosingTheLastWindowSavesAndClosesTheDrawing)
{
    AddLine(50, 1000, 1000, 3000, 1000);
    objects()[4]->x2 = 4000;
    client->CloseChild(&Child());
    EXPECT_EQ(ReadBack("TEST").at(4)->x2, 4000);
    EXPECT_EQ(client->ActiveChild(), nullptr);
    EXPECT_EQ(state().drawingState, 1);
    EXPECT_EQ(objects().count(), 0);
    EXPECT_TRUE(frame.Windows().empty());
}

TEST_F(ChildTest, ReleasingTheZoomRectangleRestoresTheToolAndShowsTheNewView)
{
    client->SetToolForKind(7);
    TDrawingtool* before = client->CurrentTool();
    before->x1 = 1234;  // the tool's state comes back with it
    before->libraryFlag = 77;
    client->SetPrompt("drawing a rectangle");
    Command(CM_ZOOMUP);
    EXPECT_EQ(client->CurrentTool()->kind, KIND_MOVE);
    EXPECT_EQ(client->CurrentTool()->step, STEP_ZOOM_START);
    AddLine(50, 1000, 500, 1500, 500);  // logical (200, 100)-(300, 100)
    // A drag over logical (100, 50)-(400, 200).
    Child().EvLButtonDown({100, 650});
    Child().EvMouseMove({400, 500});
    Child().datumMode = DATUM_SET;
    Child().EvLButtonUp({400, 500});
    frame.ProcessEvents();
    EXPECT_EQ(client->CurrentTool(), before);
    EXPECT_EQ(client->CurrentTool()->kind, 7);
    EXPECT_EQ(client->CurrentTool()->x1, 1234);
    EXPECT_EQ(client->CurrentTool()->libraryFlag, 77);
    EXPECT_EQ(client->Prompt(), "drawing a rectangle");
    EXPECT_EQ(Child().datumMode, DATUM_OFF);
    // 300 logical units across 1000 pixels: the line spans device x 333 to 667 at y 700 - 50 x 10 / 3.
    EXPECT_EQ(Pixel(500, 533), BLACK);
    EXPECT_EQ(Pixel(200, 533), WHITE);
}

TEST_F(ChildTest, TheToolForAKindIsBuiltWithThatKind)
{
    for (int kind : {1, 3, 4, 5, 6, 7, 8, 14, 15, 19, 24, 25, 999}) {
        client->SetToolForKind(kind);
        EXPECT_EQ(client->CurrentTool()->kind, kind);
        EXPECT_EQ(client->CurrentTool()->penWidth, 1);
        EXPECT_EQ(client->CurrentTool()->step, 0);
    }
    // A kind without a tool falls back to the pick tool.
    client->SetToolForKind(70);
    EXPECT_EQ(client->CurrentTool()->kind, 21);
    EXPECT_EQ(client->ToolName(), "Pick Tool");
}
