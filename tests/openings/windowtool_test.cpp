// The window tool: set-up from WIND.CFG, the preview, finding the wall under Enter, the checks of
// the opening type against the wall, and placing the opening in one edit.
#include "tests/openings/openingfixture.h"

#include <algorithm>
#include <limits>

namespace {

class WindowTool : public OpeningTest {
protected:
    // Enter with the cursor at a model point (multiples of 5).
    void Enter(int x, int y, int value = 0)
    {
        TPoint cursor = Device(x, y);
        tool.KeyDown(dc, client, VK_ENTER, cursor, value);
    }
    void Move(int x, int y)
    {
        const TPoint device = Device(x, y);
        tool.MouseMove(dc, client, device.x, device.y);
    }
    // Marks with the point as given and the tool's type and step, nothing else.
    bool Fits(int x, int y)
    {
        tool.pointX = x;
        tool.pointY = y;
        tool.markedSide = 0;
        tool.wallMarked = false;
        tool.FindWall();
        return tool.markedSide != 0;
    }
};

}  // namespace

// ---------------------------------------------------------------------------------------------
// Set-up.

TEST_F(WindowTool, SetupReadsTheWindowSettingsAndStartsThePreview)
{
    WriteCfg("WIND.CFG", "1 1200 1050 100 1 7 1 0");
    tool.Setup(0, 0, 0);
    EXPECT_EQ(tool.openingType, 1);
    EXPECT_EQ(tool.openingWidth, 1200);
    EXPECT_EQ(tool.openingHeight, 1050);
    EXPECT_EQ(tool.headLevel, 100);
    EXPECT_EQ(tool.showSizes, 1);
    EXPECT_EQ(tool.showCill, 1);
    EXPECT_EQ(tool.pointX, 0);
    EXPECT_EQ(tool.pointY, 0);
    EXPECT_EQ(tool.active, 1);
    EXPECT_EQ(tool.outcome, TPlaceOutcome::Pending);
    // A window leaves the file as the dialog wrote it.
    EXPECT_EQ(Cfg("WIND.CFG"), "1 1200 1050 100 1 7 1 0");
}

TEST_F(WindowTool, SingleDoorTakesItsWidthAndRewritesTheSettings)
{
    WriteCfg("WIND.CFG", "6 1200 2100 0 0 9 0 0");
    WriteCfg("INTERN.CFG", "30 1 0.500000 0.866026");
    tool.step = 5;
    tool.Setup(820, 0, 0);
    EXPECT_EQ(tool.openingWidth, 820);
    EXPECT_EQ(Cfg("WIND.CFG"), "6 820 2100 0 0 9 0 0\n");
    // The preview's leaf offsets: width times the sine and cosine of the opening angle.
    EXPECT_EQ(tool.pointX, 410);
    EXPECT_EQ(tool.pointY, 710);
    EXPECT_EQ(tool.doorCode, 5);
    EXPECT_EQ(tool.active, 1);
}

TEST_F(WindowTool, MainEntryReadsTheLeafOffsetsWithTheFrameWidth)
{
    WriteCfg("WIND.CFG", "10 1800 2100 0 0 9 0 0");
    tool.Setup(900, 0, 0);
    EXPECT_EQ(tool.openingWidth, 1800);
    EXPECT_EQ(tool.pointX, 1800);
    EXPECT_EQ(tool.pointY, 0);
    EXPECT_EQ(Cfg("WIND.CFG"), "10 1800 2100 0 0 9 0 0");
}

TEST_F(WindowTool, OpeningsNarrowerThanOneUnitAreRefused)
{
    WriteCfg("WIND.CFG", "6 1200 2100 0 0 9 0 0");
    tool.Setup(0, 0, 0);
    EXPECT_EQ(tool.outcome, TPlaceOutcome::WidthTooSmall);
    EXPECT_EQ(tool.active, 0);
    const auto messages = WindowToolMessages(tool.outcome);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, "The width must be at least 1");
    EXPECT_EQ(messages[0].title, "WINDOW");

    // A window whose file holds no width.
    WriteCfg("WIND.CFG", "1 0 1200 0 0 9 0 0");
    TestWindowTool window;
    window.kind = KIND_WINDOW;
    window.Setup(0, 0, 0);
    EXPECT_EQ(window.outcome, TPlaceOutcome::WidthTooSmall);
    // Nothing follows the mouse then.
    const TPoint device = Device(3000, 3000);
    window.MouseMove(dc, client, device.x, device.y);
    EXPECT_TRUE(dc.Records().empty());
}

TEST_F(WindowTool, HeadLevelStandsOnTheStoreysBelow)
{
    // The floor records are found by their type codes, wherever they lie in the list.
    objects().Clear();
    AddWall(1000, 2000, 6000, 2000, 900, 300);
    const int storeys[4] = {2550, 2400, 2300, 2200};
    for (int floor = FOURTH_LEVEL; floor >= GROUND_FLOOR; --floor) {
        auto record = std::make_unique<TInfoobj>(31950 + floor);
        record->floor = floor;
        record->z2 = storeys[floor - GROUND_FLOOR];
        objects().Add(std::move(record));
    }
    WriteCfg("WIND.CFG", "1 1200 1050 2100 0 9 0 0");
    const std::pair<int, int> cases[] = {{GROUND_FLOOR, 2100},
                                         {FIRST_FLOOR, 2100 + 510},
                                         {SECOND_FLOOR, 2100 + 510 + 480},
                                         {FOURTH_LEVEL, 2100 + 510 + 480 + 460}};
    for (const auto& [floor, level] : cases) {
        state().currentFloor = floor;
        tool.Setup(0, 0, 0);
        EXPECT_EQ(tool.headLevel, level) << floor;
    }
    // A drawing without the record of a floor below counts it as 0.
    objects().Remove(objects().FindByType(FloorRecordType(FIRST_FLOOR)).value());
    state().currentFloor = SECOND_FLOOR;
    tool.Setup(0, 0, 0);
    EXPECT_EQ(tool.headLevel, 2100 + 510);
}

// ---------------------------------------------------------------------------------------------
// Preview.

TEST_F(WindowTool, PreviewFollowsTheMouseOnlyWhileActive)
{
    WriteCfg("WIND.CFG", "1 1000 1200 0 0 9 0 0");
    Move(3000, 3000);
    EXPECT_TRUE(dc.Records().empty());

    tool.Setup(0, 0, 0);
    Move(3000, 3000);
    EXPECT_TRUE(tool.previewShown);
    EXPECT_EQ(tool.x1, 3000);
    EXPECT_EQ(tool.y1, 3000);
    // A circle of the opening's width with ticks and a cross, dotted, in exclusive-or.
    ASSERT_EQ(dc.Count(TCanvasRecord::Ellipse), 1);
    const TCanvasRecord circle = dc.RecordsOf(TCanvasRecord::Ellipse)[0];
    EXPECT_EQ(circle.box, (TRect{500, 700, 700, 500}));
    EXPECT_EQ(circle.rop, RasterOp::Xor);
    EXPECT_EQ(circle.pen.style, PS_DOT);
    EXPECT_EQ(circle.pen.colour, state().currentColour);
    EXPECT_EQ(circle.brush.kind, BrushKind::Hollow);
    EXPECT_EQ(dc.Count(TCanvasRecord::Polyline), 6);
    const std::string first = dc.Text();

    // The same point again draws nothing; another point erases the old preview and draws the new.
    dc.Clear();
    Move(3000, 3000);
    EXPECT_TRUE(dc.Records().empty());
    Move(3500, 3000);
    const std::string both = dc.Text();
    EXPECT_EQ(both.substr(0, first.size()), first);
    EXPECT_EQ(dc.Count(TCanvasRecord::Ellipse), 2);
    EXPECT_EQ(tool.x1, 3500);
    // The canvas is left as it was found.
    EXPECT_EQ(dc.ROP2(), RasterOp::Copy);
}

TEST_F(WindowTool, PreviewShapesByKindAndType)
{
    tool.x1 = 3000;
    tool.y1 = 3000;
    tool.openingWidth = 900;

    // A hinged door: the leaf from the hinge and a tick across the wall at the far end.
    tool.openingType = OPENING_SINGLE_DOOR;
    tool.doorCode = 6;
    tool.pointX = 900;
    tool.pointY = 0;
    tool.DrawFeedback(dc, 0);
    auto lines = dc.RecordsOf(TCanvasRecord::Polyline);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].points, (std::vector<TPoint>{{600, 600}, {600, 420}}));
    EXPECT_EQ(lines[1].points, (std::vector<TPoint>{{780, 550}, {780, 650}}));
    EXPECT_EQ(dc.Count(TCanvasRecord::Ellipse), 0);

    dc.Clear();
    tool.doorCode = 2;
    tool.DrawFeedback(dc, 0);
    lines = dc.RecordsOf(TCanvasRecord::Polyline);
    EXPECT_EQ(lines[0].points, (std::vector<TPoint>{{600, 600}, {420, 600}}));
    EXPECT_EQ(lines[1].points, (std::vector<TPoint>{{550, 780}, {650, 780}}));

    // No door code, no preview.
    dc.Clear();
    tool.doorCode = 0;
    tool.DrawFeedback(dc, 0);
    EXPECT_TRUE(dc.Records().empty());

    // The door tool's double doors, openings and sliding doors: a circle only.
    for (int kind : {KIND_DOOR_DOUBLE, KIND_WALL_OPENING, KIND_DOOR_SLIDING}) {
        dc.Clear();
        tool.kind = kind;
        tool.openingType = 0;
        tool.DrawFeedback(dc, 0);
        EXPECT_EQ(dc.Count(TCanvasRecord::Ellipse), 1) << kind;
        EXPECT_EQ(dc.Count(TCanvasRecord::Polyline), 0) << kind;
    }
    // Its hinged doors: the leaf, whatever the type.
    dc.Clear();
    tool.kind = KIND_DOOR_HINGED;
    tool.doorCode = 1;
    tool.DrawFeedback(dc, 0);
    EXPECT_EQ(dc.Count(TCanvasRecord::Polyline), 2);
    // Any other kind draws nothing.
    dc.Clear();
    tool.kind = KIND_LINE;
    tool.DrawFeedback(dc, 0);
    EXPECT_TRUE(dc.Records().empty());
}

// ---------------------------------------------------------------------------------------------
// Finding the wall.

TEST_F(WindowTool, WindowNeedsHalfItsWidthOfWallEachSide)
{
    AddWall(1000, 2000, 6000, 2000, 900, 300);
    tool.openingType = OPENING_WINDOW;
    tool.openingWidth = 1000;
    EXPECT_TRUE(Fits(1500, 2000));
    EXPECT_EQ(tool.markedSide, FACE_PLUS_X);
    EXPECT_FALSE(Fits(1499, 2000));
    EXPECT_TRUE(Fits(5500, 2000));
    EXPECT_FALSE(Fits(5501, 2000));

    // On a vertical wall the test is strict.
    objects().CutBack(4);
    AddWall(2000, 1000, 2000, 6000, 0, 300);
    EXPECT_FALSE(Fits(2000, 1500));
    EXPECT_TRUE(Fits(2000, 1501));
    EXPECT_EQ(tool.markedSide, FACE_PLUS_Y);
    EXPECT_FALSE(Fits(2000, 5500));
    EXPECT_TRUE(Fits(2000, 5499));
}

TEST_F(WindowTool, BandReachesTheThicknessAndTenLogicalUnitsEachSide)
{
    const int wall = AddWall(6000, 2000, 1000, 2000, 2700, 110, 50, 100);
    tool.openingType = OPENING_WINDOW;
    tool.openingWidth = 1000;
    // 260 thick plus 50: strictly within 310 of the reference line, either side.
    EXPECT_TRUE(Fits(3000, 2309));
    EXPECT_EQ(tool.pointY, 2000);
    EXPECT_EQ(tool.markedSide, FACE_MINUS_X);
    EXPECT_EQ(tool.markedWall, wall);
    EXPECT_TRUE(Fits(3000, 1691));
    EXPECT_FALSE(Fits(3000, 2310));
    EXPECT_FALSE(Fits(3000, 1690));

    objects().CutBack(4);
    AddWall(2000, 6000, 2000, 1000, 1800, 300);
    EXPECT_TRUE(Fits(2349, 3000));
    EXPECT_EQ(tool.pointX, 2000);
    EXPECT_EQ(tool.markedSide, FACE_MINUS_Y);
    EXPECT_FALSE(Fits(2350, 3000));
}

TEST_F(WindowTool, SingleDoorNeedsItsWidthOnItsCodesSide)
{
    AddWall(1000, 2000, 6000, 2000, 900, 300);
    tool.openingType = OPENING_SINGLE_DOOR;
    tool.openingWidth = 900;
    tool.step = 5;
    EXPECT_TRUE(Fits(1000, 2000));
    EXPECT_TRUE(Fits(5100, 2000));
    EXPECT_FALSE(Fits(5101, 2000));
    tool.step = 7;
    EXPECT_FALSE(Fits(1899, 2000));
    EXPECT_TRUE(Fits(1900, 2000));
    EXPECT_TRUE(Fits(6000, 2000));
    // Codes of the other axis never fit a horizontal wall.
    for (int code = 1; code <= 4; ++code) {
        tool.step = code;
        EXPECT_FALSE(Fits(3000, 2000)) << code;
    }

    objects().CutBack(4);
    AddWall(2000, 1000, 2000, 6000, 0, 300);
    tool.step = 1;
    EXPECT_FALSE(Fits(2000, 1899));
    EXPECT_TRUE(Fits(2000, 1900));
    tool.step = 2;
    EXPECT_TRUE(Fits(2000, 5100));
    EXPECT_FALSE(Fits(2000, 5101));
    tool.step = 6;
    EXPECT_FALSE(Fits(2000, 3000));
}

TEST_F(WindowTool, EarlierWallWins)
{
    const int first = AddWall(1000, 2000, 6000, 2000, 900, 300);
    AddWall(1000, 2100, 6000, 2100, 900, 300);
    AddWall(3000, 1000, 3000, 6000, 0, 300);
    tool.openingType = OPENING_WINDOW;
    tool.openingWidth = 1000;
    EXPECT_TRUE(Fits(3000, 2050));
    EXPECT_EQ(tool.markedWall, first);
    EXPECT_EQ(tool.pointY, 2000);
}

TEST_F(WindowTool, WallsOfOtherFloorsAndOtherObjectsAreNotMarked)
{
    AddWall(1000, 2000, 6000, 2000, 900, 300, 0, 0, 7, FIRST_FLOOR);
    auto line = std::make_unique<TLineobj>();
    line->floor = GROUND_FLOOR;
    line->x1 = 1000;
    line->y1 = 2000;
    line->x2 = 6000;
    line->y2 = 2000;
    objects().Add(std::move(line));
    tool.openingType = OPENING_WINDOW;
    tool.openingWidth = 1000;
    EXPECT_FALSE(Fits(3000, 2000));
    EXPECT_FALSE(tool.wallMarked);
}

// ---------------------------------------------------------------------------------------------
// Enter.

TEST_F(WindowTool, EnterOnTheWallPlacesTheOpeningAndWritesTheFileOnce)
{
    AddWall(1000, 2000, 6000, 2000, 900, 300, 0, 0, 31);
    ASSERT_TRUE(objects().WriteDrawing());
    WriteCfg("WIND.CFG", "1 900 1200 2100 1 9 0 0");
    state().groupIdCounter = 41;
    tool.Setup(0, 0, 0);
    Move(3000, 2100);
    const int edits = objects().EditCount();
    const int before = Count();
    Enter(3000, 2100);

    EXPECT_EQ(tool.outcome, TPlaceOutcome::Placed);
    EXPECT_TRUE(WindowToolMessages(tool.outcome).empty());
    EXPECT_EQ(tool.active, 0);
    EXPECT_FALSE(tool.previewShown);
    EXPECT_EQ(tool.kind, KIND_WINDOW);
    EXPECT_EQ(tool.groupId, 10042);
    EXPECT_EQ(state().groupIdCounter, 42);
    EXPECT_EQ(tool.ownerId, 31);
    EXPECT_EQ(tool.libraryFlag, 300);
    EXPECT_EQ(tool.faceNumber(), 1);
    EXPECT_EQ(objects().EditCount(), edits + 1);
    // Polygon, opening line and label, read back from the file.
    ASSERT_EQ(Count(), before + 3);
    const auto polygon = dynamic_cast<TPolyobj*>(objects()[before]);
    ASSERT_NE(polygon, nullptr);
    EXPECT_EQ(Corners(*polygon), (std::vector<TPoint>{{3450, 2000}, {2550, 2000}, {2550, 1700}, {3450, 1700}}));
    EXPECT_EQ(polygon->ownerId, 31);
    EXPECT_EQ(polygon->vertexZ[0], 900);

    FreshDrawingState reader;
    reader.state().programDirectory = dir.prefix();
    reader.state().drawingName = "TEST";
    ASSERT_TRUE(reader.state().objects.ReadDrawing().ok);
    ASSERT_EQ(reader.state().objects.count(), Count());
    for (int i = before; i < Count(); ++i) {
        std::string mine, stored;
        objects()[i]->DumpFields(mine);
        reader.state().objects[i]->DumpFields(stored);
        EXPECT_EQ(stored, mine);
    }
}

TEST_F(WindowTool, EnterTakesThePreviewOffWhereItWasDrawn)
{
    AddWall(1000, 2000, 6000, 2000, 900, 300);
    WriteCfg("WIND.CFG", "1 900 1200 0 0 9 0 0");
    tool.Setup(0, 0, 0);
    Move(3000, 2100);
    const auto shown = dc.RecordsOf(TCanvasRecord::Ellipse);
    dc.Clear();
    // Enter with the cursor elsewhere (moved by the keyboard): the preview goes from where it is.
    Enter(3500, 2050);
    const auto erased = dc.RecordsOf(TCanvasRecord::Ellipse);
    ASSERT_EQ(erased.size(), 1u);
    EXPECT_EQ(erased[0].box, shown[0].box);
    EXPECT_EQ(erased[0].rop, RasterOp::Xor);
    EXPECT_EQ(tool.outcome, TPlaceOutcome::Placed);
    EXPECT_EQ(tool.x1, 3950);  // the opening's end, from the point Enter marked
}

TEST_F(WindowTool, EnterAwayFromEveryWallChangesNothing)
{
    AddWall(1000, 2000, 6000, 2000, 900, 300);
    ASSERT_TRUE(objects().WriteDrawing());
    const std::string file = DrawingFile();
    WriteCfg("WIND.CFG", "1 900 1200 0 0 9 0 0");
    tool.Setup(0, 0, 0);
    const int before = Count();
    const int counter = state().groupIdCounter;
    Enter(3000, 4000);
    EXPECT_EQ(tool.outcome, TPlaceOutcome::NoWallMarked);
    EXPECT_EQ(Count(), before);
    EXPECT_EQ(DrawingFile(), file);
    EXPECT_EQ(state().groupIdCounter, counter);
    // The refusal is its own status; the marked point stays a point.
    EXPECT_EQ(tool.y1, 4000);
    const auto messages = WindowToolMessages(tool.outcome);
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_EQ(messages[0].text, "No wall marked");
    EXPECT_EQ(messages[0].title, "Marking Error - Please Retry");
    EXPECT_EQ(messages[1].text, "Incorrect door for that positionl");
    EXPECT_EQ(messages[1].title, "WRONG DOOR POSITION");
}

TEST_F(WindowTool, SingleDoorOffItsWallIsADoorWallError)
{
    AddWall(1000, 2000, 6000, 2000, 900, 300);
    WriteCfg("WIND.CFG", "6 900 2100 0 0 9 0 0");
    tool.step = 2;  // a code for walls along y
    tool.Setup(900, 0, 0);
    const int before = Count();
    Enter(3000, 2000);
    EXPECT_EQ(tool.outcome, TPlaceOutcome::DoorWallError);
    EXPECT_EQ(Count(), before);
    const auto messages = WindowToolMessages(tool.outcome);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, "Unsuitable door type for this wall, or door was not marked on an external wall ");
    EXPECT_EQ(messages[0].title, "Door / Wall Error");
}

TEST_F(WindowTool, SingleDoorPlacesFaceLinesLeafAndSwing)
{
    AddWall(1000, 2000, 6000, 2000, 900, 300);
    WriteCfg("WIND.CFG", "6 1200 2100 0 1 9 0 0");
    tool.step = 6;
    tool.Setup(900, 0, 0);
    const int before = Count();
    Enter(3000, 2000);
    ASSERT_EQ(tool.outcome, TPlaceOutcome::Placed);
    // Polygon, two face lines, the leaf and its arc.
    ASSERT_EQ(Count(), before + 5);
    EXPECT_EQ(Corners(dynamic_cast<TPolyobj&>(*objects()[before])),
              (std::vector<TPoint>{{3000, 2000}, {3900, 2000}, {3900, 1700}, {3000, 1700}}));
    EXPECT_EQ(Ends(*objects()[before + 1]), (Line{3000, 2000, 3000, 1700}));
    EXPECT_EQ(Ends(*objects()[before + 2]), (Line{3900, 2000, 3900, 1700}));
    EXPECT_EQ(Ends(*objects()[before + 3]), (Line{3000, 1700, 3000, 800}));
    EXPECT_NE(dynamic_cast<TArcobj*>(objects()[before + 4]), nullptr);
    // The lines carry the wall's angle, as every builder line does.
    EXPECT_EQ(dynamic_cast<TLineobj&>(*objects()[before + 1]).lineAux1, 900);
    EXPECT_EQ(tool.kind, KIND_WINDOW);
}

TEST_F(WindowTool, SingleMainEntryDoorMustSwingIntoTheHouse)
{
    AddWall(1000, 2000, 6000, 2000, 900, 300);
    WriteCfg("WIND.CFG", "10 1800 2100 0 0 9 0 0");
    WriteCfg("ENTRY.CFG", "900 0 0 1 0 r n n");
    for (int code : {5, 7, 1}) {
        tool.step = code;
        tool.Setup(900, 0, 0);
        const int before = Count();
        Enter(3000, 2000);
        EXPECT_EQ(tool.outcome, TPlaceOutcome::EntryDoorError) << code;
        EXPECT_EQ(Count(), before);
    }
    const auto messages = WindowToolMessages(TPlaceOutcome::EntryDoorError);
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_EQ(messages[0].text, "Unsuitable entry door type for this wall");
    EXPECT_EQ(messages[0].title, "Entry Door Selection Error");
    EXPECT_EQ(messages[1].title, "WRONG DOOR POSITION");

    for (int code : {6, 8}) {
        tool.step = code;
        tool.Setup(900, 0, 0);
        Enter(3000, 2000);
        EXPECT_EQ(tool.outcome, TPlaceOutcome::Placed) << code;
        EXPECT_EQ(tool.step, code);
    }
}

TEST_F(WindowTool, MainEntryOnAnAngledWallOnlyWithDoubleDoors)
{
    AddWall(1000, 1000, 4536, 4536, 450, 300);
    WriteCfg("WIND.CFG", "10 1200 2100 0 0 9 0 0");
    WriteCfg("ENTRY.CFG", "600 0 0 2 0 r n n");
    tool.step = 6;
    tool.Setup(600, 0, 0);
    Enter(2500, 2500);
    EXPECT_EQ(tool.outcome, TPlaceOutcome::EntryDoorError);

    tool.step = 0;
    tool.Setup(0, 0, 0);
    const int before = Count();
    Enter(2500, 2500);
    EXPECT_EQ(tool.outcome, TPlaceOutcome::Placed);
    EXPECT_EQ(Count(), before + 1);
}

TEST_F(WindowTool, WindowOnAnAngledWall)
{
    AddWall(1000, 1000, 4536, 4536, 450, 300);
    WriteCfg("WIND.CFG", "1 1000 1200 0 1 9 0 0");
    tool.Setup(0, 0, 0);
    const int before = Count();
    Enter(2500, 2000);
    ASSERT_EQ(tool.outcome, TPlaceOutcome::Placed);
    EXPECT_EQ(tool.lineAux1, 450);
    // The point moved onto the wall (2249, 2250) is the opening's centre.
    const auto corners = Corners(dynamic_cast<TPolyobj&>(*objects()[before]));
    EXPECT_EQ(corners[0], (TPoint{2249 - 354, 2250 - 354}));
    EXPECT_EQ(corners[1], (TPoint{2249 + 354, 2250 + 354}));
    const auto& label = dynamic_cast<TTextobj&>(*objects()[before + 2]);
    EXPECT_EQ(label.escapement, 3150);
    EXPECT_EQ(label.x2, 450);
}

TEST_F(WindowTool, MarkingOnlyBuildsNothing)
{
    AddWall(1000, 2000, 6000, 2000, 900, 300);
    ASSERT_TRUE(objects().WriteDrawing());
    const std::string file = DrawingFile();
    WriteCfg("WIND.CFG", "1 900 1200 0 0 9 0 0");
    tool.Setup(0, 0, 0);
    const int before = Count();
    Enter(3000, 2100, 4);
    EXPECT_EQ(tool.outcome, TPlaceOutcome::Marked);
    EXPECT_EQ(Count(), before);
    EXPECT_EQ(DrawingFile(), file);
    EXPECT_EQ(tool.x1, 3000);
    EXPECT_EQ(tool.y1, 2000);
}

TEST_F(WindowTool, AWallWithoutThicknessStillGetsItsOpeningWritten)
{
    AddWall(1000, 2000, 6000, 2000, 900, 0);
    WriteCfg("WIND.CFG", "1 900 1200 0 0 9 0 0");
    tool.Setup(0, 0, 0);
    const int edits = objects().EditCount();
    Enter(3000, 2000);
    EXPECT_EQ(tool.outcome, TPlaceOutcome::Placed);
    EXPECT_EQ(objects().EditCount(), edits + 1);
    EXPECT_EQ(tool.kind, KIND_WINDOW);
    // What is in memory is in the file.
    FreshDrawingState reader;
    reader.state().programDirectory = dir.prefix();
    reader.state().drawingName = "TEST";
    ASSERT_TRUE(reader.state().objects.ReadDrawing().ok);
    EXPECT_EQ(reader.state().objects.count(), Count());
}

TEST_F(WindowTool, OpeningsOnUpperFloorsTakeTheirFloorsActionIds)
{
    state().currentFloor = FIRST_FLOOR;
    AddWall(1000, 2000, 6000, 2000, 900, 300);
    WriteCfg("WIND.CFG", "1 900 1200 0 0 9 0 0");
    state().groupIdCounter = 5;
    tool.Setup(0, 0, 0);
    const int before = Count();
    Enter(3000, 2000);
    EXPECT_EQ(tool.groupId, 11006);
    EXPECT_EQ(objects()[before]->groupId, 11006);
    EXPECT_EQ(objects()[before]->floor, FIRST_FLOOR);
    EXPECT_EQ(FloorActionBase(GROUND_FLOOR), 10000);
    EXPECT_EQ(FloorActionBase(SECOND_FLOOR), 12000);
    EXPECT_EQ(FloorActionBase(FOURTH_LEVEL), 13000);
}

TEST_F(WindowTool, AFailedWriteIsReportedAndTheOpeningStaysOnScreenOnly)
{
    AddWall(1000, 2000, 6000, 2000, 900, 300);
    ASSERT_TRUE(objects().WriteDrawing());
    const std::string file = DrawingFile();
    std::vector<std::string> reports;
    state().reportWriteFailure = [&](const std::string& message) { reports.push_back(message); };
    WriteCfg("WIND.CFG", "1 900 1200 0 0 9 0 0");
    tool.Setup(0, 0, 0);
    FailNextWrites(1);
    Enter(3000, 2000);
    ASSERT_EQ(reports.size(), 1u);
    EXPECT_NE(reports[0].find("TEST.DB0"), std::string::npos);
    EXPECT_EQ(DrawingFile(), file);
}

// ---------------------------------------------------------------------------------------------
// CENTRE.

TEST_F(WindowTool, CentreMovesThePreviewAndKeepsTheDoorsCode)
{
    WriteCfg("WIND.CFG", "6 900 2100 0 0 9 0 0");
    tool.step = 6;
    tool.Setup(900, 0, 0);
    Move(3000, 3000);
    ASSERT_TRUE(tool.previewShown);
    tool.savedStep = tool.step;
    tool.step = STEP_CENTRE_FIRST;
    const TPoint first = Device(2000, 2000);
    const TPoint second = Device(4000, 2500);
    tool.CentreStep(dc, client, first.x, first.y);
    // Between the clicks the preview stays where it is.
    Move(3500, 3500);
    EXPECT_EQ(tool.x1, 3000);
    dc.Clear();
    tool.CentreStep(dc, client, second.x, second.y);
    EXPECT_EQ(tool.x1, 3000);
    EXPECT_EQ(tool.y1, 2250);
    EXPECT_EQ(tool.step, 6);
    EXPECT_TRUE(tool.previewShown);
    EXPECT_EQ(window.cursor, Device(3000, 2250));
    // The leaf taken off at (3000, 3000) and drawn at the centre (logical units).
    const auto lines = dc.RecordsOf(TCanvasRecord::Polyline);
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[0].points[0], (TPoint{600, 600}));
    EXPECT_EQ(lines[2].points[0], (TPoint{600, 450}));

    // ENTER then places the door with its code.
    AddWall(1000, 2000, 6000, 2000, 900, 300);
    Enter(3000, 2000);
    EXPECT_EQ(tool.outcome, TPlaceOutcome::Placed);
}

TEST_F(WindowTool, CentreCentreTakesThePreviewOffWhileItsCornersAreMarked)
{
    WriteCfg("WIND.CFG", "1 1000 1200 0 0 9 0 0");
    tool.Setup(0, 0, 0);
    Move(3000, 3000);
    tool.savedStep = tool.step;
    tool.step = STEP_CENTRECENTRE_FIRST;
    dc.Clear();
    const TPoint corners[] = {Device(2000, 2000), Device(4000, 2000), Device(4000, 3000)};
    tool.CentreCentreStep(dc, client, corners[0].x, corners[0].y);
    EXPECT_FALSE(tool.previewShown);
    ASSERT_EQ(dc.Count(TCanvasRecord::Ellipse), 1);
    EXPECT_EQ(dc.RecordsOf(TCanvasRecord::Ellipse)[0].box, (TRect{500, 700, 700, 500}));
    tool.CentreCentreStep(dc, client, corners[1].x, corners[1].y);
    tool.CentreCentreStep(dc, client, corners[2].x, corners[2].y);
    EXPECT_EQ(tool.step, 0);
    EXPECT_TRUE(tool.previewShown);
    EXPECT_EQ(tool.x1, 3000);
    EXPECT_EQ(tool.y1, 2500);
    EXPECT_EQ(dc.Count(TCanvasRecord::Ellipse), 2);
}

TEST_F(WindowTool, AToolWaitingForItsEnterTakesMovesAgainAfterAnotherToolsWhile)
{
    WriteCfg("WIND.CFG", "1 1000 1200 0 0 9 0 0");
    tool.Setup(0, 0, 0);
    // The window clears `active` when it hands the tool back after a zoom.
    tool.active = 0;
    Move(3000, 3000);
    EXPECT_EQ(tool.active, 1);
    EXPECT_TRUE(tool.previewShown);
    AddWall(1000, 2000, 6000, 2000, 900, 300);
    Enter(3000, 2000);
    EXPECT_FALSE(tool.armed);
    dc.Clear();
    Move(3500, 3000);
    EXPECT_TRUE(dc.Records().empty());
}

TEST_F(WindowTool, AnOpeningWithAPartPastTheRangesTopIsRefusedWhole)
{
    // A wall running down 22 below the top, its lines to the left: a window's size label stands
    // 50 outside the outer face, 28 past the top, where the file would hold it cut to the top.
    constexpr int top = std::numeric_limits<std::int32_t>::max();
    AddWall(top - 22, 6000, top - 22, 1000, 1800, 300, 0, 0, 31);
    ASSERT_TRUE(objects().WriteDrawing());
    const std::string file = DrawingFile();
    const int before = Count();
    WriteCfg("WIND.CFG", "1 900 1200 2100 1 9 0 0");
    tool.Setup(0, 0, 0);
    Enter(top - 122, 3000);
    EXPECT_EQ(tool.outcome, TPlaceOutcome::Unstorable);
    EXPECT_TRUE(WindowToolMessages(tool.outcome).empty());
    EXPECT_EQ(Count(), before);
    EXPECT_EQ(DrawingFile(), file);
    ASSERT_EQ(window.messages.size(), 1u);
    EXPECT_NE(window.messages[0].find("POINT OUT OF RANGE"), std::string::npos);

    // Without the label everything lies in, and the window is placed.
    WriteCfg("WIND.CFG", "1 900 1200 2100 0 9 0 0");
    tool.Setup(0, 0, 0);
    Enter(top - 122, 3000);
    EXPECT_EQ(tool.outcome, TPlaceOutcome::Placed);
    EXPECT_EQ(Count(), before + 2);
    EXPECT_EQ(window.messages.size(), 1u);
}
