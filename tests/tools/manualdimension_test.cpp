// The manual dimension: two marked points, pulled onto nearby walls and design-room sides, give a
// horizontal or vertical dimension of two arrows drawn at once and a value text.
#include "model/arrowobj.h"
#include "model/extwallobj.h"
#include "model/intwallobj.h"
#include "model/roomobj.h"
#include "model/settingsfile.h"
#include "model/settingsrecords.h"
#include "model/textobj.h"
#include "model/typecodes.h"
#include "tests/tools/toolfixture.h"
#include "tools/lineobjtool.h"
#include "tools/manualdimension.h"

#include <filesystem>

namespace {

using XY = std::array<std::int32_t, 2>;

class ManualDimension : public ToolTest {
protected:
    ManualDimension()
    {
        std::filesystem::create_directories(dir.path() / "CFG");
        Settings(0);
        tool.kind = KIND_LINE;
    }

    void Settings(int orientation, int unitSystem = 1)
    {
        ASSERT_TRUE(WriteSettings(TOffsetSettings{300, 600, 1200, orientation, 10, 9, 10}, unitSystem));
    }

    // Enter at a model point in the step the tool is in, the window advancing the step after
    // steps 20 and 21 as the drawing window does.
    void Enter(int x, int y)
    {
        const TPoint device = Device(x, y);
        tool.AutoDimension(dc, client, device.x, device.y, 0, 0);
        if (tool.step != STEP_DIMENSION_TEXT)
            ++tool.step;
    }

    void Measure(XY first, XY second)
    {
        tool.step = STEP_DIMENSION_FIRST;
        Enter(first[0], first[1]);
        Enter(second[0], second[1]);
        tool.AutoDimension(dc, client, 0, 0, 0, 0);
    }

    // The point a marked model point snaps to.
    XY Snapped(int x, int y)
    {
        tool.step = STEP_DIMENSION_FIRST;
        Enter(x, y);
        return {tool.x1, tool.y1};
    }

    TExtwallobj& ExternalWall(int x1, int y1, int x2, int y2, int spacing2 = 0)
    {
        auto wall = std::make_unique<TExtwallobj>();
        wall->floor = GROUND_FLOOR;
        wall->x1 = x1;
        wall->y1 = y1;
        wall->x2 = x2;
        wall->y2 = y2;
        wall->spacing2 = spacing2;
        TExtwallobj& ref = *wall;
        objects().Add(std::move(wall));
        return ref;
    }

    const TArrowobj& ArrowAt(int index) { return dynamic_cast<const TArrowobj&>(*objects()[index]); }
    const TTextobj& TextAt(int index) { return dynamic_cast<const TTextobj&>(*objects()[index]); }
    XY Tip(int index) { return {objects()[index]->x1, objects()[index]->y1}; }

    TLineobjtool tool;
};

TEST_F(ManualDimension, HorizontalWhenWiderThanHigh)
{
    const int counter = state().groupIdCounter;
    Measure({1000, 1000}, {4000, 1200});
    ASSERT_EQ(objects().count(), 4 + 3);
    EXPECT_EQ(ArrowAt(4).typeCode, TYPE_ARROW);
    EXPECT_EQ(Tip(4), (XY{1000, 1000}));
    EXPECT_EQ(ArrowAt(4).x2, 1200);  // 'l': the shaft runs right from the tip
    EXPECT_EQ(Tip(5), (XY{4000, 1000}));
    EXPECT_EQ(ArrowAt(5).x2, 3800);  // 'r'
    const TTextobj& text = TextAt(6);
    EXPECT_EQ(text.typeCode, TYPE_LABEL_TEXT);
    EXPECT_EQ(text.text, "3000");
    EXPECT_EQ((XY{text.x1, text.y1}), (XY{2500, 1000}));
    EXPECT_EQ(text.x2, 900);
    EXPECT_EQ(text.escapement, 0);
    EXPECT_EQ(text.alignment, 6);
    EXPECT_EQ(text.fontHeight, 9);  // the room dimension text size
    for (int i = 4; i < 7; ++i)
        EXPECT_EQ(objects()[i]->groupId, counter + 1);
    EXPECT_EQ(tool.dimensionLength(), 3000);
    EXPECT_EQ(tool.dimensionVertical(), 0);
}

TEST_F(ManualDimension, LeftwardsDimensionRunsFromTheSecondPoint)
{
    Measure({4000, 1000}, {1000, 1200});
    EXPECT_EQ(Tip(4), (XY{1000, 1000}));
    EXPECT_EQ(Tip(5), (XY{4000, 1000}));
    EXPECT_EQ(TextAt(6).x2, 2700);
    EXPECT_EQ((XY{TextAt(6).x1, TextAt(6).y1}), (XY{2500, 1000}));
}

TEST_F(ManualDimension, VerticalWhenHigherThanWide)
{
    Measure({1000, 4000}, {1200, 1000});
    EXPECT_EQ(Tip(4), (XY{1000, 4000}));
    EXPECT_EQ(ArrowAt(4).y2, 3800);  // 't'
    EXPECT_EQ(Tip(5), (XY{1000, 1000}));
    EXPECT_EQ(ArrowAt(5).y2, 1200);  // 'b'
    EXPECT_EQ(TextAt(6).text, "3000");
    EXPECT_EQ((XY{TextAt(6).x1, TextAt(6).y1}), (XY{1000, 2500}));
    EXPECT_EQ(TextAt(6).x2, 1800);
    EXPECT_EQ(TextAt(6).escapement, 0);
    EXPECT_EQ(tool.dimensionVertical(), 1);

    // Upwards the code is 0; parallel text runs along a vertical dimension.
    objects().CutBack(4);
    Settings(2700);
    Measure({1000, 1000}, {1200, 4000});
    EXPECT_EQ(TextAt(6).x2, 0);
    EXPECT_EQ(TextAt(6).escapement, 2700);
    EXPECT_EQ((XY{TextAt(6).x1, TextAt(6).y1}), (XY{1000, 2500}));
}

TEST_F(ManualDimension, ParallelTextLeavesAHorizontalDimensionLevel)
{
    Settings(2700);
    Measure({1000, 1000}, {4000, 1200});
    EXPECT_EQ(TextAt(6).escapement, 0);
}

TEST_F(ManualDimension, EqualSidesGiveAHorizontalDimension)
{
    Measure({1000, 1000}, {3000, 3000});
    EXPECT_EQ(TextAt(6).x2, 900);
    EXPECT_EQ(Tip(5), (XY{3000, 1000}));
}

TEST_F(ManualDimension, ArrowsAreDrawnAtOnceAndWrittenWithTheText)
{
    const std::string before = ReadWholeFile(dir.path() / "DWGS" / "TEST.DB0");
    tool.step = STEP_DIMENSION_FIRST;
    Enter(1000, 1000);
    Enter(4000, 1200);
    EXPECT_GE(dc.Count(TCanvasRecord::Polyline), 2);
    // Until the text completes it, the dimension is held by the tool: neither in the list nor in
    // the drawing file, and a repaint meanwhile (which reads the list afresh) leaves it there.
    EXPECT_EQ(objects().count(), 4);
    EXPECT_TRUE(tool.HoldsFigure());
    EXPECT_EQ(ReadWholeFile(dir.path() / "DWGS" / "TEST.DB0"), before);
    ASSERT_TRUE(objects().ReadDrawing().ok);
    EXPECT_TRUE(tool.HoldsFigure());

    dc.Clear();
    tool.AutoDimension(dc, client, 0, 0, 0, 0);
    EXPECT_EQ(dc.Count(TCanvasRecord::TextOut), 1);
    const auto back = ReadBack();
    ASSERT_EQ(back.size(), 7u);
    EXPECT_EQ(back[6]->x2, 900);  // the direction code survives the file
    EXPECT_EQ(DumpObject(6, *back[6]), DumpObject(6, *objects()[6]));
}

TEST_F(ManualDimension, TheMeasurementPromptsLengthIsTheText)
{
    state().unitSystem = 0;
    Settings(0, 0);
    tool.step = STEP_DIMENSION_FIRST;
    Enter(1000, 1000);
    Enter(4000, 1200);
    // The user typed 12 feet 1/2 inch over the measured length.
    tool.dimensionLength() = 3468;
    tool.AutoDimension(dc, client, 0, 0, 0, 0);
    EXPECT_EQ(TextAt(6).text, "12' 0 1/2''");
}

TEST_F(ManualDimension, PointsSnapToAVerticalWallWithinThirtyUnits)
{
    ExternalWall(5000, 1000, 5000, 4000);
    EXPECT_EQ(Snapped(5020, 2000), (XY{5000, 2000}));
    EXPECT_EQ(Snapped(4975, 2000), (XY{5000, 2000}));
    EXPECT_EQ(Snapped(5030, 2000), (XY{5030, 2000}));
    // Within its length widened by 30 at both ends.
    EXPECT_EQ(Snapped(5020, 4025), (XY{5000, 4025}));
    EXPECT_EQ(Snapped(5020, 4030), (XY{5020, 4030}));
    EXPECT_EQ(Snapped(5020, 975), (XY{5000, 975}));
}

TEST_F(ManualDimension, PointsSnapToAHorizontalWallsY)
{
    ExternalWall(6000, 2000, 1000, 2000);
    EXPECT_EQ(Snapped(3000, 1975), (XY{3000, 2000}));
    EXPECT_EQ(Snapped(3000, 2030), (XY{3000, 2030}));
}

TEST_F(ManualDimension, ReferenceLineBeforeOuterLineAndFirstWallFirst)
{
    // Wall line 1 of a two-line wall 20 to the right of its reference line.
    TExtwallobj& wall = ExternalWall(5000, 1000, 5000, 4000);
    wall.wallLines = {5020, 1000, 5020, 4000};
    EXPECT_EQ(Snapped(5010, 2000), (XY{5000, 2000}));
    EXPECT_EQ(Snapped(5045, 2000), (XY{5020, 2000}));

    // Of a cavity wall the outermost line is line 3.
    objects().CutBack(4);
    TExtwallobj& cavity = ExternalWall(5000, 1000, 5000, 4000, 50);
    cavity.wallLines = {5110, 1000, 5110, 4000, 5160, 1000, 5160, 4000, 5260, 1000, 5260, 4000};
    EXPECT_EQ(Snapped(5280, 2000), (XY{5260, 2000}));
    EXPECT_EQ(Snapped(5115, 2000), (XY{5115, 2000}));

    // Two walls both near: the one first in the list wins.
    objects().CutBack(4);
    ExternalWall(5040, 1000, 5040, 4000);
    ExternalWall(5000, 1000, 5000, 4000);
    EXPECT_EQ(Snapped(5020, 2000), (XY{5040, 2000}));
}

TEST_F(ManualDimension, SlopedWallsAndOtherFloorsDoNotSnap)
{
    ExternalWall(5000, 1000, 6000, 4000);
    TExtwallobj& upstairs = ExternalWall(3000, 1000, 3000, 4000);
    upstairs.floor = FIRST_FLOOR;
    EXPECT_EQ(Snapped(5010, 1030), (XY{5010, 1030}));
    EXPECT_EQ(Snapped(3010, 2000), (XY{3010, 2000}));
}

TEST_F(ManualDimension, PointsSnapToAnInternalWallsFaces)
{
    auto wall = std::make_unique<TIntwallobj>();
    wall->floor = GROUND_FLOOR;
    wall->x1 = 2000;
    wall->y1 = 1000;
    wall->x2 = 2000;
    wall->y2 = 5000;
    wall->wallWidth = 100;
    wall->face2StartX = 2100;
    wall->face2StartY = 1000;
    wall->face2EndX = 2100;
    wall->face2EndY = 5000;
    objects().Add(std::move(wall));
    EXPECT_EQ(Snapped(2015, 3000), (XY{2000, 3000}));
    EXPECT_EQ(Snapped(2120, 3000), (XY{2100, 3000}));
}

TEST_F(ManualDimension, PointsSnapToADesignRoomsSides)
{
    auto room = std::make_unique<TRoomobj>();
    room->floor = GROUND_FLOOR;
    room->x1 = 1000;  // top left
    room->y1 = 5000;
    room->x2 = 4000;  // bottom right
    room->y2 = 2000;
    objects().Add(std::move(room));
    // 10 below the top side, between the left and right sides.
    EXPECT_EQ(Snapped(2500, 4990), (XY{2500, 5000}));
    EXPECT_EQ(Snapped(2500, 2010), (XY{2500, 2000}));
    EXPECT_EQ(Snapped(1020, 3000), (XY{1000, 3000}));
    EXPECT_EQ(Snapped(3985, 3000), (XY{4000, 3000}));
    // Near a corner the sides come first.
    EXPECT_EQ(Snapped(1010, 4990), (XY{1000, 4990}));
}

TEST_F(ManualDimension, GeometryReportsAtMostOneAxis)
{
    ExternalWall(5000, 1000, 5000, 4000);
    ExternalWall(1000, 4000, 5000, 4000);
    std::optional<std::int32_t> snapX, snapY;
    DimensionGeometry(tool, 4990, 3990, snapX, snapY);
    EXPECT_EQ(snapX, 5000);
    EXPECT_FALSE(snapY);
    snapX.reset();
    DimensionGeometry(tool, 3000, 3990, snapX, snapY);
    EXPECT_FALSE(snapX);
    EXPECT_EQ(snapY, 4000);
}

TEST_F(ManualDimension, SnappedPointsMeasureBetweenWalls)
{
    ExternalWall(1000, 1000, 1000, 6000);
    ExternalWall(4000, 6000, 4000, 1000);
    Measure({1020, 3000}, {3985, 3100});
    EXPECT_EQ(TextAt(8).text, "3000");
    EXPECT_EQ(Tip(6), (XY{1000, 3000}));
    EXPECT_EQ(Tip(7), (XY{4000, 3000}));
}

TEST_F(ManualDimension, AutomaticRunLeavesTheManualDimension)
{
    ExternalWall(1000, 1000, 1000, 6000);
    Measure({1020, 3000}, {3985, 3100});
    TLineobjtool autoTool;
    autoTool.AutoDimension(dc, client, 0, 0, 0, 111);
    int arrows = 0, labels = 0;
    for (const auto& object : objects().Items()) {
        arrows += object->typeCode == TYPE_ARROW;
        labels += object->typeCode == TYPE_LABEL_TEXT;
    }
    EXPECT_EQ(arrows, 2);
    EXPECT_EQ(labels, 1);
}

}  // namespace
