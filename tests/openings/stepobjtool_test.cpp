// The stairs tool: the tread count and run from the storey height and the settings file, the lines
// of a straight flight and a return stair on the floor in view and the floor above, the outline
// that follows the mouse, and what it refuses.
#include "model/drawingedit.h"
#include "model/lineobj.h"
#include "model/modelbox.h"
#include "model/settingsrecords.h"
#include "model/typecodes.h"
#include "openings/stepobjtool.h"
#include "tests/tools/toolfixture.h"

#include <algorithm>
#include <climits>
#include <filesystem>

namespace {

struct Segment {
    int x1, y1, x2, y2;
    friend bool operator==(const Segment&, const Segment&) = default;
};

std::ostream& operator<<(std::ostream& out, const Segment& s)
{
    return out << "(" << s.x1 << "," << s.y1 << ")-(" << s.x2 << "," << s.y2 << ")";
}

class StairsToolTest : public ToolTest {
protected:
    // A stairs tool as the stairs dialog leaves it: the top direction and storey height, then
    // Setup(width, stairwell length, mode).
    TStepobjtool& SetUp(int direction, int mode, int stairwellLength = 0, int width = 900, int storey = 2550)
    {
        tool.kind = KIND_STAIRS;
        Attach(tool);
        tool.topDirection() = direction;
        tool.storeyHeight() = storey;
        tool.Setup(width, stairwellLength, mode);
        return tool;
    }
    // ENTER with the cursor over a model point (multiples of 5).
    void EnterAt(int x, int y) { Key(tool, VK_ENTER, Device(x, y)); }

    void SetStairsFile(const std::string& name, const std::string& bytes)
    {
        std::filesystem::create_directories(dir.path() / "CFG");
        WriteWholeFile(dir.path() / "CFG" / name, bytes);
    }

    // The stair lines of a floor, in list order.
    std::vector<const TLineobj*> LinesOn(int floor)
    {
        std::vector<const TLineobj*> lines;
        for (const auto& object : objects().Items())
            if (object->floor == floor && object->typeCode == TYPE_LINE)
                lines.push_back(static_cast<const TLineobj*>(object.get()));
        return lines;
    }
    static std::vector<Segment> Segments(const std::vector<const TLineobj*>& lines, std::size_t from = 0,
                                         std::size_t count = SIZE_MAX)
    {
        std::vector<Segment> segments;
        for (std::size_t i = from; i < lines.size() && segments.size() < count; ++i)
            segments.push_back({lines[i]->x1, lines[i]->y1, lines[i]->x2, lines[i]->y2});
        return segments;
    }
    static TModelBox Box(const std::vector<const TLineobj*>& lines)
    {
        TModelBox box;
        for (const TLineobj* line : lines) {
            box.Add(line->x1, line->y1);
            box.Add(line->x2, line->y2);
        }
        return box;
    }

    TStepobjtool tool;
};

TEST_F(StairsToolTest, SetupWorksOutTheTreadsAndTheRunFromTheStoreyHeight)
{
    SetUp(STAIRS_TOP, STAIRS_STRAIGHT_FLIGHT);
    EXPECT_EQ(tool.outcome, TStairsOutcome::Ready);
    EXPECT_EQ(tool.riserHeight, 170);
    EXPECT_EQ(tool.treadWidth, 250);
    EXPECT_EQ(tool.treadCount, 14);
    EXPECT_EQ(tool.stairRun, 3500);
    EXPECT_EQ(tool.stairWidth, 900);
    EXPECT_EQ(tool.stairMode(), STAIRS_STRAIGHT_FLIGHT);

    // Two flights climb half the storey each (1275 / 170 = 7 risers, 6 treads); the landing adds
    // one stair width.
    SetUp(STAIRS_TOP, STAIRS_RETURN_LANDING);
    EXPECT_EQ(tool.treadCount, 6);
    EXPECT_EQ(tool.stairRun, 2400);

    // Imperial stairs read STAIRSI.CFG: 7 inch risers, 10 inch treads, 8' 6" storey.
    state().unitSystem = 0;
    SetUp(STAIRS_TOP, STAIRS_STRAIGHT_FLIGHT, 2016, 864, 2448);
    EXPECT_EQ(tool.riserHeight, 168);
    EXPECT_EQ(tool.treadWidth, 240);
    EXPECT_EQ(tool.treadCount, 13);
    EXPECT_EQ(tool.stairRun, 3120);
    SetUp(STAIRS_TOP, STAIRS_RETURN_LANDING, 2016, 864, 2448);
    EXPECT_EQ(tool.treadCount, 6);
    EXPECT_EQ(tool.stairRun, 6 * 240 + 864);
}

TEST_F(StairsToolTest, StraightFlightFullRunOnBothFloors)
{
    state().groupIdCounter = 7;
    SetUp(STAIRS_TOP, STAIRS_STRAIGHT_FLIGHT);
    EnterAt(3000, 2500);
    EXPECT_EQ(tool.outcome, TStairsOutcome::Placed);
    EXPECT_EQ(state().currentFloor, GROUND_FLOOR);
    EXPECT_EQ(state().groupIdCounter, 8);

    for (int floor : {GROUND_FLOOR, FIRST_FLOOR}) {
        SCOPED_TRACE(floor);
        const auto lines = LinesOn(floor);
        ASSERT_EQ(lines.size(), 4u + 14u);
        // The outline, 3500 long from the top tread edge, half the width either side.
        EXPECT_EQ(Segments(lines, 0, 4), (std::vector<Segment>{{2550, 2500, 2550, -1000},
                                                               {2550, -1000, 3450, -1000},
                                                               {3450, -1000, 3450, 2500},
                                                               {3450, 2500, 2550, 2500}}));
        for (int i = 1; i <= 14; ++i)
            EXPECT_EQ(Segments(lines, 3 + i, 1)[0], (Segment{2550, 2500 - 250 * i, 3450, 2500 - 250 * i})) << i;
        for (const TLineobj* line : lines) {
            EXPECT_EQ(line->ownerId, 8);
            EXPECT_EQ(line->groupId, 0);
            EXPECT_EQ(line->lineAux1, 2550);
            EXPECT_EQ(line->lineAux2, 0);
            EXPECT_EQ(line->penWidth, 1);
            EXPECT_EQ(line->penStyle, 0);
            EXPECT_EQ(line->z1, 0);
            EXPECT_EQ(line->z2, 0);
            EXPECT_EQ(line->colour, std::int32_t(state().currentColour));
        }
    }
    // The file holds what the list holds.
    const auto stored = ReadBack();
    ASSERT_EQ(int(stored.size()), objects().count());
    for (int i = 0; i < objects().count(); ++i)
        EXPECT_EQ(DumpObject(i, *stored[std::size_t(i)]), DumpObject(i, *objects()[i]));
}

TEST_F(StairsToolTest, StraightFlightStairwellShorterThanTheRun)
{
    SetUp(STAIRS_TOP, STAIRS_STRAIGHT_FLIGHT, 2000);
    EnterAt(3000, 2500);
    const auto below = LinesOn(GROUND_FLOOR);
    const auto above = LinesOn(FIRST_FLOOR);
    ASSERT_EQ(below.size(), 4u + 14u);
    ASSERT_EQ(above.size(), 4u + 8u);
    EXPECT_EQ(Box(below).minY, -1000);
    const TModelBox well = Box(above);
    EXPECT_EQ(well.maxY - well.minY, 2000);
    EXPECT_EQ(well.maxX - well.minX, 900);
    EXPECT_EQ(Segments(above, 11, 1)[0], (Segment{2550, 500, 3450, 500}));
}

TEST_F(StairsToolTest, ReturnStairHasTheSameLinesOnBothFloors)
{
    SetUp(STAIRS_TOP, STAIRS_RETURN_LANDING);
    EnterAt(3000, 2500);
    const auto below = LinesOn(GROUND_FLOOR);
    const auto above = LinesOn(FIRST_FLOOR);
    ASSERT_EQ(below.size(), 6u + 6u);
    EXPECT_EQ(Segments(below), Segments(above));
    // The outline two widths across and 2400 long, the landing one width from the far end, the
    // line between the flights, then six treads across 1800.
    EXPECT_EQ(Segments(below, 0, 6), (std::vector<Segment>{{3900, 2500, 2100, 2500},
                                                           {2100, 2500, 2100, 100},
                                                           {2100, 100, 3900, 100},
                                                           {3900, 100, 3900, 2500},
                                                           {2100, 1000, 3900, 1000},
                                                           {3000, 2500, 3000, 1000}}));
    for (int i = 1; i <= 6; ++i) {
        const Segment tread = Segments(below, 5 + i, 1)[0];
        EXPECT_EQ(tread, (Segment{2100, 2500 - 250 * i, 3900, 2500 - 250 * i})) << i;
        EXPECT_EQ(tread.x2 - tread.x1, 1800);
    }
}

TEST_F(StairsToolTest, EveryDirectionRunsAwayFromTheTopTreadInsideItsOutline)
{
    struct Case {
        int direction;
        int dx, dy;  // the direction the stair runs from the point
    };
    const Case cases[] = {{STAIRS_TOP, 0, -1}, {STAIRS_RIGHT, -1, 0}, {STAIRS_BOTTOM, 0, 1}, {STAIRS_LEFT, 1, 0}};
    const TPoint at{5000, 5000};
    for (int mode : {STAIRS_RETURN_LANDING, STAIRS_STRAIGHT_FLIGHT}) {
        for (const Case& c : cases) {
            SCOPED_TRACE("mode " + std::to_string(mode) + " direction " + std::to_string(c.direction));
            SetUp(c.direction, mode);
            TDrawingEdit edit(objects());
            const int first = objects().count();
            tool.AddStairLines(edit, at);
            std::vector<const TLineobj*> lines;
            for (int i = first; i < objects().count(); ++i)
                if (objects()[i]->floor == GROUND_FLOOR)
                    lines.push_back(static_cast<const TLineobj*>(objects()[i]));
            ASSERT_EQ(lines.size(), mode == STAIRS_RETURN_LANDING ? 12u : 18u);
            // The lines fill the outline the preview shows, which starts at the point.
            const int across = mode == STAIRS_RETURN_LANDING ? 900 : 450;
            const int run = mode == STAIRS_RETURN_LANDING ? 2400 : 3500;
            TModelBox expected;
            expected.Add(at.x + c.dx * run + c.dy * across, at.y + c.dy * run + c.dx * across);
            expected.Add(at.x - c.dy * across, at.y - c.dx * across);
            const TModelBox box = Box(lines);
            EXPECT_EQ(box.minX, expected.minX);
            EXPECT_EQ(box.maxX, expected.maxX);
            EXPECT_EQ(box.minY, expected.minY);
            EXPECT_EQ(box.maxY, expected.maxY);
            // The first tread lies one tread from the top edge, across the run.
            const TLineobj& tread = *lines[mode == STAIRS_RETURN_LANDING ? 6 : 4];
            if (c.dx != 0) {
                EXPECT_EQ(tread.x1, at.x + c.dx * 250);
                EXPECT_EQ(tread.x2, tread.x1);
            } else {
                EXPECT_EQ(tread.y1, at.y + c.dy * 250);
                EXPECT_EQ(tread.y2, tread.y1);
            }
            EXPECT_EQ(std::abs(tread.x2 - tread.x1) + std::abs(tread.y2 - tread.y1), 2 * across);
            edit.Commit();
        }
    }
}

TEST_F(StairsToolTest, TheOutlineFollowsTheMouseOnlyWhileActive)
{
    SetUp(STAIRS_LEFT, STAIRS_RETURN_LANDING);
    tool.MouseMove(dc, client, 200, 300);
    EXPECT_EQ(dc.Count(TCanvasRecord::Rectangle), 0);
    EXPECT_EQ(tool.outlineShown, 0);

    tool.active = 1;
    tool.MouseMove(dc, client, 200, 300);  // model (1000, 2000)
    EXPECT_EQ(tool.x1, 1000);
    EXPECT_EQ(tool.y1, 2000);
    EXPECT_EQ(tool.outlineShown, 1);
    auto rects = dc.RecordsOf(TCanvasRecord::Rectangle);
    ASSERT_EQ(rects.size(), 1u);
    // Top direction 4, return landing: (X, Y + w) to (X + R, Y - w) in window units.
    EXPECT_EQ(rects[0].points, (std::vector<TPoint>{{200, 580}, {680, 220}}));
    EXPECT_EQ(rects[0].rop, RasterOp::Xor);
    EXPECT_EQ(rects[0].pen.style, PS_DOT);
    EXPECT_EQ(rects[0].brush.kind, BrushKind::Hollow);

    // The same point draws nothing; another erases the outline and draws it there.
    tool.MouseMove(dc, client, 200, 300);
    EXPECT_EQ(dc.Count(TCanvasRecord::Rectangle), 1);
    tool.MouseMove(dc, client, 210, 300);
    rects = dc.RecordsOf(TCanvasRecord::Rectangle);
    ASSERT_EQ(rects.size(), 3u);
    EXPECT_EQ(rects[1].points, rects[0].points);
    EXPECT_EQ(rects[2].points, (std::vector<TPoint>{{210, 580}, {690, 220}}));

    // Taken off before the tool goes: drawn once more, and no longer shown.
    tool.EraseOutline(dc, client);
    EXPECT_EQ(dc.Count(TCanvasRecord::Rectangle), 4);
    EXPECT_EQ(tool.outlineShown, 0);
    tool.EraseOutline(dc, client);
    EXPECT_EQ(dc.Count(TCanvasRecord::Rectangle), 4);
}

TEST_F(StairsToolTest, StraightFlightOutlineIsOneFlightWide)
{
    const struct {
        int direction;
        std::vector<TPoint> corners;
    } cases[] = {
        {STAIRS_TOP, {{110, 400}, {290, -300}}},
        {STAIRS_RIGHT, {{-500, 490}, {200, 310}}},
        {STAIRS_BOTTOM, {{110, 1100}, {290, 400}}},
        {STAIRS_LEFT, {{200, 490}, {900, 310}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.direction);
        dc.Clear();
        SetUp(c.direction, STAIRS_STRAIGHT_FLIGHT);
        tool.active = 1;
        tool.MouseMove(dc, client, 200, 300);  // model (1000, 2000); w 900, h 450, R 3500
        const auto rects = dc.RecordsOf(TCanvasRecord::Rectangle);
        ASSERT_EQ(rects.size(), 1u);
        EXPECT_EQ(rects[0].points, c.corners);
    }
}

TEST_F(StairsToolTest, ASecondEnterPlacesNothing)
{
    SetUp(STAIRS_TOP, STAIRS_STRAIGHT_FLIGHT);
    EnterAt(3000, 2500);
    const int count = objects().count();
    EnterAt(3000, 2500);
    EXPECT_EQ(objects().count(), count);
    EXPECT_EQ(state().currentFloor, GROUND_FLOOR);
    EXPECT_TRUE(LinesOn(SECOND_FLOOR).empty());
}

TEST_F(StairsToolTest, OtherKeysAndAToolNotSetUpPlaceNothing)
{
    tool.kind = KIND_STAIRS;
    Attach(tool);
    EnterAt(3000, 2500);
    SetUp(STAIRS_TOP, STAIRS_STRAIGHT_FLIGHT);
    Key(tool, VK_UP, Device(3000, 2500), 1000);
    EXPECT_EQ(objects().count(), 4);
    EXPECT_EQ(tool.outcome, TStairsOutcome::Ready);
}

TEST_F(StairsToolTest, FromTheFirstFloorTheStairReachesTheSecond)
{
    state().currentFloor = FIRST_FLOOR;
    SetUp(STAIRS_BOTTOM, STAIRS_RETURN_LANDING, 0, 900, 2400);
    EXPECT_EQ(tool.treadCount, 6);  // 1200 / 170 = 7 risers
    EnterAt(3000, 2500);
    EXPECT_EQ(LinesOn(FIRST_FLOOR).size(), 12u);
    EXPECT_EQ(LinesOn(SECOND_FLOOR).size(), 12u);
    EXPECT_TRUE(LinesOn(GROUND_FLOOR).empty());
    EXPECT_EQ(state().currentFloor, FIRST_FLOOR);
}

TEST_F(StairsToolTest, NoFloorAboveIsRefusedAndPlacesNothing)
{
    // The second floor is the top one shown.
    state().currentFloor = SECOND_FLOOR;
    SetUp(STAIRS_TOP, STAIRS_STRAIGHT_FLIGHT);
    EXPECT_EQ(tool.outcome, TStairsOutcome::NoFloorAbove);
    EXPECT_EQ(tool.stairRun, 0);
    EnterAt(3000, 2500);
    EXPECT_EQ(objects().count(), 4);

    // A drawing without the first floor's record has no floor above the ground floor.
    state().currentFloor = GROUND_FLOOR;
    {
        TDrawingEdit edit(objects());
        edit.Remove(objects().FindByType(FloorRecordType(FIRST_FLOOR)).value());
        edit.Commit();
    }
    tool.stairWidth = 1234;
    SetUp(STAIRS_TOP, STAIRS_STRAIGHT_FLIGHT);
    EXPECT_EQ(tool.outcome, TStairsOutcome::NoFloorAbove);
    EXPECT_EQ(tool.stairWidth, 1234);
    EnterAt(3000, 2500);
    EXPECT_EQ(objects().count(), 3);
}

TEST_F(StairsToolTest, ARiserOrTreadOfZeroOrLessIsRefused)
{
    for (const char* bytes : {"0 250", "170 0", "-170 250", "170 -1"}) {
        SCOPED_TRACE(bytes);
        SetStairsFile("STAIRSM.CFG", bytes);
        tool.outcome = TStairsOutcome::None;
        SetUp(STAIRS_TOP, STAIRS_STRAIGHT_FLIGHT);
        EXPECT_EQ(tool.outcome, TStairsOutcome::BadSettings);
        EnterAt(3000, 2500);
        EXPECT_EQ(objects().count(), 4);
    }
    // The imperial file is the one read in an imperial drawing.
    SetStairsFile("STAIRSM.CFG", "170 250");
    SetStairsFile("STAIRSI.CFG", "168 0");
    state().unitSystem = 0;
    SetUp(STAIRS_TOP, STAIRS_STRAIGHT_FLIGHT);
    EXPECT_EQ(tool.outcome, TStairsOutcome::BadSettings);
    state().unitSystem = 1;
    SetUp(STAIRS_TOP, STAIRS_STRAIGHT_FLIGHT);
    EXPECT_EQ(tool.outcome, TStairsOutcome::Ready);
}

TEST_F(StairsToolTest, ARiserThatLeavesNoTreadsIsRefused)
{
    // Storey 2550: a riser of 1300 gives a straight flight of 0 treads and a return stair of -1.
    SetStairsFile("STAIRSM.CFG", "1300 250");
    for (int mode : {STAIRS_STRAIGHT_FLIGHT, STAIRS_RETURN_LANDING}) {
        SCOPED_TRACE(mode);
        tool.outcome = TStairsOutcome::None;
        SetUp(STAIRS_TOP, mode);
        EXPECT_EQ(tool.outcome, TStairsOutcome::NoTreads);
        EnterAt(3000, 2500);
        EXPECT_EQ(objects().count(), 4);
    }
    // One tread is a stair: 2550 / 1275 - 1 for a straight flight, (1275 / 637) - 1 for a return.
    SetStairsFile("STAIRSM.CFG", "1275 250");
    SetUp(STAIRS_TOP, STAIRS_STRAIGHT_FLIGHT);
    EXPECT_EQ(tool.outcome, TStairsOutcome::Ready);
    EXPECT_EQ(tool.treadCount, 1);
    SetStairsFile("STAIRSM.CFG", "637 250");
    SetUp(STAIRS_TOP, STAIRS_RETURN_LANDING);
    EXPECT_EQ(tool.outcome, TStairsOutcome::Ready);
    EXPECT_EQ(tool.treadCount, 1);
}

TEST_F(StairsToolTest, HugeSettingsMakeStairsTheFileCannotHoldAndNothingIsKept)
{
    SetStairsFile("STAIRSM.CFG", "1 2000000000");
    SetUp(STAIRS_TOP, STAIRS_STRAIGHT_FLIGHT, 0, 900, 2000);
    EXPECT_EQ(tool.stairRun, INT_MAX);
    const int before = objects().count();
    EnterAt(3000, -2500);
    // The flight's far end lies beyond what the drawing file can store: the write is refused and
    // the list holds what the file holds, without the stairs.
    EXPECT_TRUE(LinesOn(GROUND_FLOOR).empty());
    EXPECT_EQ(objects().count(), before);
}

TEST_F(StairsToolTest, TheStairsSettingsRecordRoundTrips)
{
    const TStairsSettings metric = ReadSettings<TStairsSettings>(1);
    EXPECT_EQ(metric.riserHeight, 170);
    EXPECT_EQ(metric.treadWidth, 250);
    EXPECT_EQ(FormatSettings(metric), "170 250");
    const TStairsSettings imperial = ReadSettings<TStairsSettings>(0);
    EXPECT_EQ(FormatSettings(imperial), "168 240");
    std::filesystem::create_directories(dir.path() / "CFG");
    ASSERT_TRUE(WriteSettings(TStairsSettings{180, 275}, 1));
    EXPECT_EQ(ReadWholeFile(dir.path() / "CFG" / "STAIRSM.CFG"), "180 275");
    EXPECT_EQ(ReadSettings<TStairsSettings>(1).treadWidth, 275);
}

}  // namespace
