// Floor area of the external walls and centring the plan on the sheet.
#include "model/arcobj.h"
#include "model/arrowobj.h"
#include "model/drawingstate.h"
#include "model/extwallobj.h"
#include "model/drawingedit.h"
#include "model/startingdrawing.h"
#include "model/intwallobj.h"
#include "model/lineobj.h"
#include "model/list.h"
#include "model/openingobj.h"
#include "model/polyobj.h"
#include "model/roomobj.h"
#include "model/textobj.h"
#include "tests/support/tempdir.h"
#include "tools/floorarea.h"
#include "tools/lineobjtool.h"

#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <memory>

namespace {

class FloorArea : public ::testing::Test {
public:
    void SetUp() override
    {
        for (const char* folder : {"CFG", "DWGS", "LIBS"})
            std::filesystem::create_directories(dir.path() / folder);
        state().programDirectory = dir.prefix();
        state().drawingName = "AREA";
        state().unitSystem = 1;
        state().unitsPerLogical = 5;
        state().currentFloor = GROUND_FLOOR;
        // The floor records in memory only: each test writes the drawing file when it means to.
        TDrawingEdit edit(objects());
        AddStartingRecords(edit, 1);
    }

    TDrawingState& state() { return fresh.state(); }
    TList& objects() { return fresh.state().objects; }

    TExtwallobj& Wall(int x1, int y1, int x2, int y2, int floor = GROUND_FLOOR)
    {
        auto wall = std::make_unique<TExtwallobj>();
        wall->floor = floor;
        wall->x1 = x1;
        wall->y1 = y1;
        wall->x2 = x2;
        wall->y2 = y2;
        TExtwallobj& ref = *wall;
        objects().Add(std::move(wall));
        return ref;
    }

    // A rectangle drawn clockwise from its lower-left corner: up, right, down, left.
    void ClockwiseRectangle(int x0, int y0, int x1, int y1, int floor = GROUND_FLOOR)
    {
        Wall(x0, y0, x0, y1, floor);
        Wall(x0, y1, x1, y1, floor);
        Wall(x1, y1, x1, y0, floor);
        Wall(x1, y0, x0, y0, floor);
    }

    // Adds an object on a floor with its two points (x1, y1, x2, y2).
    void Place(std::unique_ptr<TObject> object, int floor, std::array<int, 4> ends)
    {
        object->floor = floor;
        object->x1 = ends[0];
        object->y1 = ends[1];
        object->x2 = ends[2];
        object->y2 = ends[3];
        objects().Add(std::move(object));
    }

    int Area()
    {
        ComputeFloorArea(tool);
        return objects().GetFloorArea();
    }

    FreshDrawingState fresh;
    TempDir dir;
    TLineobjtool tool;
};

// ---------------------------------------------------------------------------------------------
// Floor area.

TEST_F(FloorArea, MetricRectangleDrawnClockwise)
{
    ClockwiseRectangle(0, 0, 10000, 6000);
    EXPECT_EQ(Area(), 60);
}

TEST_F(FloorArea, ImperialRectangleInSquareFeet)
{
    state().unitSystem = 0;
    ClockwiseRectangle(1000, 1000, 1000 + 11520, 1000 + 8640);
    EXPECT_EQ(Area(), 1200);
}

TEST_F(FloorArea, PartSquareMetresAreTruncated)
{
    ClockwiseRectangle(1000, 1000, 1000 + 9983, 7000);  // 59.898 square metres
    EXPECT_EQ(Area(), 59);
}

TEST_F(FloorArea, OutlineDrawnAnticlockwiseGivesTheSameArea)
{
    Wall(0, 0, 10000, 0);
    Wall(10000, 0, 10000, 6000);
    Wall(10000, 6000, 0, 6000);
    Wall(0, 6000, 0, 0);
    EXPECT_EQ(Area(), 60);
}

TEST_F(FloorArea, EveryWallCountsWhateverTheirNumber)
{
    // The top side in eight lengths of 1000, the bottom in one: 8000 x 6000.
    Wall(1000, 1000, 1000, 7000);
    for (int i = 0; i < 8; ++i)
        Wall(1000 + 1000 * i, 7000, 2000 + 1000 * i, 7000);
    Wall(9000, 7000, 9000, 1000);
    Wall(9000, 1000, 1000, 1000);
    EXPECT_EQ(Area(), 48);
}

TEST_F(FloorArea, StepsOfDifferentHeightsAndTheOrderOfTheList)
{
    // An L-shaped outline, listed out of drawing order: 10 x 4 plus 4 x 3 = 52 square metres.
    Wall(11000, 5000, 11000, 1000);
    Wall(1000, 8000, 5000, 8000);
    Wall(1000, 1000, 1000, 8000);
    Wall(5000, 5000, 11000, 5000);
    Wall(11000, 1000, 1000, 1000);
    Wall(5000, 8000, 5000, 5000);
    EXPECT_EQ(Area(), 52);
}

TEST_F(FloorArea, SlopedWallCountsHalfItsRise)
{
    // Right-angled triangle 8 m by 6 m: 24 square metres.
    Wall(1000, 1000, 1000, 7000);
    Wall(1000, 7000, 9000, 1000);
    Wall(9000, 1000, 1000, 1000);
    EXPECT_EQ(Area(), 24);
}

TEST_F(FloorArea, LargeOutlinesDoNotOverflow)
{
    ClockwiseRectangle(1000, 1000, 201000, 61000);  // 200 m x 60 m
    EXPECT_EQ(Area(), 12000);
}

TEST_F(FloorArea, OnlyTheCurrentFloorCounts)
{
    ClockwiseRectangle(0, 0, 10000, 6000);
    ClockwiseRectangle(0, 0, 20000, 6000, FIRST_FLOOR);
    EXPECT_EQ(Area(), 60);
    state().currentFloor = FIRST_FLOOR;
    EXPECT_EQ(Area(), 120);
}

TEST_F(FloorArea, ThreeObjectsLeaveTheAreaAsItWas)
{
    objects().Clear();
    objects().SetFloorArea(17);
    Wall(0, 0, 0, 6000);
    Wall(0, 6000, 10000, 6000);
    Wall(10000, 6000, 10000, 0);
    EXPECT_EQ(Area(), 17);
}

TEST_F(FloorArea, FloorWithoutAWallRunningPlusXLeavesTheAreaAsItWas)
{
    objects().SetFloorArea(17);
    Wall(1000, 1000, 1000, 7000);
    Wall(9000, 7000, 1000, 7000);
    EXPECT_EQ(Area(), 17);
}

// ---------------------------------------------------------------------------------------------
// Centring.

TEST_F(FloorArea, CentringMovesEveryKindOfObjectByItsRule)
{
    state().sheetWidth = 600;
    state().sheetHeight = 400;
    ClockwiseRectangle(1000, 1000, 5000, 3000);
    TExtwallobj& wall = dynamic_cast<TExtwallobj&>(*objects()[4]);
    wall.z1 = 25;
    wall.z2 = 2575;
    wall.wallLines = {1300, 1300, 1300, 2700, 1, 2, 3, 4, 5, 6, 7, 8};

    auto internal = std::make_unique<TIntwallobj>();
    internal->floor = GROUND_FLOOR;
    internal->x1 = 2000;
    internal->y1 = 2000;
    internal->x2 = 3000;
    internal->y2 = 2000;
    internal->face2StartX = 2000;
    internal->face2StartY = 2100;
    internal->face2EndX = 3000;
    internal->face2EndY = 2100;
    objects().Add(std::move(internal));

    auto arrow = std::make_unique<TArrowobj>(25000);
    arrow->floor = GROUND_FLOOR;
    arrow->x1 = 1000;
    arrow->y1 = 500;
    arrow->x2 = 5000;
    arrow->y2 = 500;
    arrow->barb1 = {1100, 525};
    arrow->barb2 = {1100, 475};
    arrow->tickA = {1000, 600};
    arrow->tickB = {1000, 400};
    objects().Add(std::move(arrow));

    auto arc = std::make_unique<TArcobj>();
    arc->floor = GROUND_FLOOR;
    arc->x1 = 2000;
    arc->y1 = 2000;
    arc->x2 = 2400;
    arc->y2 = 2400;
    arc->arcStartX = 2400;
    arc->arcStartY = 2200;
    arc->arcEndX = 2000;
    arc->arcEndY = 2200;
    objects().Add(std::move(arc));

    auto polygon = std::make_unique<TPolyobj>(120);
    polygon->floor = GROUND_FLOOR;
    polygon->x1 = 7;
    polygon->vertexCount = 2;
    polygon->vertexX = {2000, 2100, 9999};
    polygon->vertexY = {2000, 2100, 9999};
    objects().Add(std::move(polygon));

    auto opening = std::make_unique<TOpeningobj>();
    opening->floor = GROUND_FLOOR;
    opening->vertexCount = 1;
    opening->vertexX = {3000};
    opening->vertexY = {1000};
    objects().Add(std::move(opening));

    auto label = std::make_unique<TTextobj>(35);
    label->floor = GROUND_FLOOR;
    label->x1 = 3000;
    label->y1 = 3200;
    label->x2 = 900;
    objects().Add(std::move(label));

    auto typed = std::make_unique<TTextobj>(24);
    typed->floor = GROUND_FLOOR;
    typed->x1 = 3000;
    typed->y1 = 3200;
    objects().Add(std::move(typed));

    auto room = std::make_unique<TRoomobj>();
    room->floor = GROUND_FLOOR;
    room->x1 = 1500;
    room->y1 = 2500;
    room->x2 = 2500;
    room->y2 = 1500;
    objects().Add(std::move(room));

    auto other = std::make_unique<TLineobj>(2);
    other->floor = GROUND_FLOOR;
    other->x1 = 1000;
    other->y1 = 1000;
    objects().Add(std::move(other));

    TExtwallobj& upstairs = Wall(1000, 1000, 5000, 1000, FIRST_FLOOR);

    CentreFloorplan(tool);

    // Sheet centre (1500, 1000), plan centre (3000, 2000): everything moves by (-1500, -1000).
    EXPECT_EQ(wall.x1, -500);
    EXPECT_EQ(wall.y1, 0);
    EXPECT_EQ(wall.x2, -500);
    EXPECT_EQ(wall.y2, 2000);
    EXPECT_EQ(wall.z1, 25);
    EXPECT_EQ(wall.z2, 2575);
    EXPECT_EQ(wall.wallLines, (std::array<int32_t, 12>{-200, 300, -200, 1700, -1499, -998, -1497, -996,
                                                        -1495, -994, -1493, -992}));
    const auto& in = dynamic_cast<const TIntwallobj&>(*objects()[8]);
    EXPECT_EQ((std::array<int, 8>{in.x1, in.y1, in.x2, in.y2, in.face2StartX, in.face2StartY, in.face2EndX,
                                  in.face2EndY}),
              (std::array<int, 8>{500, 1000, 1500, 1000, 500, 1100, 1500, 1100}));
    const auto& ar = dynamic_cast<const TArrowobj&>(*objects()[9]);
    EXPECT_EQ((std::array<int, 4>{ar.x1, ar.y1, ar.x2, ar.y2}), (std::array<int, 4>{-500, -500, 3500, -500}));
    EXPECT_EQ(ar.barb1, (std::array<int32_t, 2>{-400, -475}));
    EXPECT_EQ(ar.barb2, (std::array<int32_t, 2>{-400, -525}));
    EXPECT_EQ(ar.tickA, (std::array<int32_t, 2>{-500, -400}));
    EXPECT_EQ(ar.tickB, (std::array<int32_t, 2>{-500, -600}));
    const auto& a = dynamic_cast<const TArcobj&>(*objects()[10]);
    EXPECT_EQ((std::array<int, 8>{a.x1, a.y1, a.x2, a.y2, a.arcStartX, a.arcStartY, a.arcEndX, a.arcEndY}),
              (std::array<int, 8>{500, 1000, 900, 1400, 900, 1200, 500, 1200}));
    const auto& p = dynamic_cast<const TPolyobj&>(*objects()[11]);
    EXPECT_EQ(p.vertexX[0], 500);
    EXPECT_EQ(p.vertexY[1], 1100);
    EXPECT_EQ(p.vertexX[2], 9999);  // beyond vertexCount
    EXPECT_EQ(p.x1, 7);             // a polygon moves only its vertices
    const auto& o = dynamic_cast<const TOpeningobj&>(*objects()[12]);
    EXPECT_EQ(o.vertexX[0], 1500);
    EXPECT_EQ(o.vertexY[0], 0);
    const TObject& lbl = *objects()[13];
    // A label moves by its anchor; its direction code stays.
    EXPECT_EQ((std::array<int, 4>{lbl.x1, lbl.y1, lbl.x2, lbl.y2}), (std::array<int, 4>{1500, 2200, 900, 0}));
    const TObject& txt = *objects()[14];
    EXPECT_EQ((std::array<int, 2>{txt.x1, txt.y1}), (std::array<int, 2>{3000, 3200}));
    const TObject& rm = *objects()[15];
    EXPECT_EQ((std::array<int, 4>{rm.x1, rm.y1, rm.x2, rm.y2}), (std::array<int, 4>{0, 1500, 1000, 500}));
    const TObject& ln = *objects()[16];
    EXPECT_EQ((std::array<int, 2>{ln.x1, ln.y1}), (std::array<int, 2>{1000, 1000}));
    // The floor above moves with the plan, and so does every floor's record.
    EXPECT_EQ((std::array<int, 4>{upstairs.x1, upstairs.y1, upstairs.x2, upstairs.y2}),
              (std::array<int, 4>{-500, 0, 3500, 0}));
    for (int record = 0; record < 4; ++record)
        EXPECT_EQ((std::array<int, 4>{objects()[record]->x1, objects()[record]->y1, objects()[record]->x2,
                                      objects()[record]->y2}),
                  (std::array<int, 4>{-1500, -1000, -1500, -1000}));
    // The drawing file has been rewritten.
    EXPECT_TRUE(std::filesystem::exists(dir.path() / "DWGS" / "AREA.DB0"));
}

TEST_F(FloorArea, CentringTheFloorInViewMovesEveryFloorWithIt)
{
    // Upper floors started from a plan that was later moved about: the floor in view is boxed by
    // its own walls alone, and the floors below and above move by as much, their text and lines
    // keeping their places over its walls.
    state().sheetWidth = 600;
    state().sheetHeight = 400;
    ClockwiseRectangle(-3000, 2000, 1000, 4000, GROUND_FLOOR);
    ClockwiseRectangle(1000, 1000, 5000, 3000, FIRST_FLOOR);
    ClockwiseRectangle(2000, 1500, 4000, 2500, SECOND_FLOOR);
    Place(std::make_unique<TLineobj>(41), SECOND_FLOOR, {2500, 1600, 2500, 2400});  // a stairwell line
    Place(std::make_unique<TTextobj>(24), GROUND_FLOOR, {100, 200, 0, 0});
    state().currentFloor = FIRST_FLOOR;

    CentreFloorplan(tool);

    // Sheet centre (1500, 1000), first-floor box centre (3000, 2000): (-1500, -1000) for all.
    const auto ends = [this](int index) {
        const TObject& o = *objects()[index];
        return std::array<int, 4>{o.x1, o.y1, o.x2, o.y2};
    };
    EXPECT_EQ(ends(4), (std::array<int, 4>{-4500, 1000, -4500, 3000}));   // ground floor
    EXPECT_EQ(ends(8), (std::array<int, 4>{-500, 0, -500, 2000}));        // first floor
    EXPECT_EQ(ends(12), (std::array<int, 4>{500, 500, 500, 1500}));       // second floor
    EXPECT_EQ(ends(16), (std::array<int, 4>{1000, 600, 1000, 1400}));     // the stairwell line
    EXPECT_EQ(ends(17), (std::array<int, 4>{100, 200, 0, 0}));            // a typed text stays
    for (int record = 0; record < 4; ++record)
        EXPECT_EQ(ends(record), (std::array<int, 4>{-1500, -1000, -1500, -1000}));
}

TEST_F(FloorArea, CentringFindsThePlanWhereverItLies)
{
    // A plan left of the sheet's origin is still boxed by its own walls.
    state().sheetWidth = 600;
    state().sheetHeight = 400;
    ClockwiseRectangle(-9000, 1000, -5000, 3000);
    CentreFloorplan(tool);
    EXPECT_EQ(objects()[4]->x1, -9000 + 8500);
    EXPECT_EQ(objects()[4]->y1, 1000 - 1000);
}

TEST_F(FloorArea, CentringAFloorWithoutExternalWallsDoesNothing)
{
    state().sheetWidth = 600;
    state().sheetHeight = 400;
    auto line = std::make_unique<TLineobj>();
    line->floor = GROUND_FLOOR;
    line->x1 = 1000;
    line->y1 = 1000;
    line->x2 = 2000;
    line->y2 = 2000;
    objects().Add(std::move(line));
    Wall(1000, 1000, 5000, 1000, FIRST_FLOOR);
    CentreFloorplan(tool);
    EXPECT_EQ(objects()[4]->x1, 1000);
    EXPECT_EQ(objects()[4]->y2, 2000);
    EXPECT_FALSE(std::filesystem::exists(dir.path() / "DWGS" / "AREA.DB0"));
}

}  // namespace

// ---------------------------------------------------------------------------------------------
// Walls at the ends of the int32 range, as a drawing file may hold them.

TEST_F(FloorArea, AnOutlineSpanningTheWholeRangeGivesTheLargestArea)
{
    ClockwiseRectangle(-2147483000, -2147483000, 2147483000, 2147483000);
    EXPECT_EQ(Area(), INT32_MAX);
}

TEST_F(FloorArea, CentringThatWouldCarryAnyFloorsPointOutOfRangeMovesNothing)
{
    state().sheetWidth = 600;
    state().sheetHeight = 400;
    ClockwiseRectangle(-2147480000, 1000, -2147476000, 3000);
    // Sheet centre (1500, 1000): the plan would move right by 2,147,479,500, and this line on
    // the floor above with it, its start beyond the range's top.
    auto line = std::make_unique<TLineobj>();
    line->floor = FIRST_FLOOR;
    line->x1 = 2147483000;
    line->y1 = 2000;
    line->x2 = 0;
    line->y2 = 2000;
    TLineobj& far = *line;
    objects().Add(std::move(line));
    const auto dump = [this] {
        std::string all;
        for (const auto& object : objects().Items())
            object->DumpFields(all);
        return all;
    };
    const std::string before = dump();

    EXPECT_FALSE(CentreFloorplan(tool));
    EXPECT_EQ(dump(), before);
    EXPECT_FALSE(std::filesystem::exists(dir.path() / "DWGS" / "AREA.DB0"));

    // A line starting at x 4147 lands on the range's top: everything moves.
    far.x1 = 2147483647 - 2147479500;
    EXPECT_TRUE(CentreFloorplan(tool));
    EXPECT_EQ(far.x1, 2147483647);
    EXPECT_EQ(objects()[4]->x1, -500);
    EXPECT_EQ(objects()[5]->x2, 3500);
}
