// The internal-door tool: the dialog's results, the preview, the search for the internal wall under
// the mark with its snap onto a face, Enter placing the door in one edit or refusing it with nothing
// changed, and the messages the window shows.
#include "openings/doorobjtool.h"
#include "openings/wallcut.h"
#include "tests/openings/doorfixture.h"

namespace {

class DoorTool : public DoorTest {
protected:
    // The search at a model point, with the tool's code and side.
    bool Find(int x, int y)
    {
        door.x1 = x;
        door.y1 = y;
        door.FindDoorWall();
        return door.wallMarked;
    }
    TPoint Mark() const { return {door.x1, door.y1}; }
};

TEST_F(DoorTool, DialogResultsSwitchThePreviewOn)
{
    WriteCfg("INTERN.CFG", "30 1 0.500000 0.866026");
    Door(KIND_DOOR_HINGED, 6, 900);
    EXPECT_EQ(door.doorCode, 6);
    EXPECT_EQ(door.openingWidth, 900);
    EXPECT_EQ(door.active, 1);
    EXPECT_EQ(door.pointX, 450);
    EXPECT_EQ(door.pointY, 779);

    Door(KIND_DOOR_DOUBLE, DOOR_CODE_FOUR_PANELS, 1600, DOOR_SIDE_LEFT);
    EXPECT_EQ(door.step, DOOR_SIDE_LEFT);
    EXPECT_EQ(door.savedDoorSide, DOOR_SIDE_LEFT);

    // An opening takes its width only.
    TDoorobjtool opening;
    opening.kind = KIND_WALL_OPENING;
    opening.AutoDimension(dc, client, 0, 1000, 0, 98);
    EXPECT_EQ(opening.openingWidth, 1000);
    EXPECT_EQ(opening.pointX, 0);
    EXPECT_EQ(opening.active, 1);
}

TEST_F(DoorTool, ZeroWidthIsRefused)
{
    Door(KIND_DOOR_SLIDING, 1, 0);
    EXPECT_EQ(door.outcome, TPlaceOutcome::WidthTooSmall);
    EXPECT_EQ(door.active, 0);
    // A door tool built from its kind alone has no width: its Enter adds nothing.
    WallAlongX(1000, 4000, 2000, 100, -100);
    const std::string before = DrawingFile();
    TDoorobjtool rebuilt;
    rebuilt.kind = KIND_WALL_OPENING;
    rebuilt.window = &window;
    TPoint cursor = Device(2000, 1960);
    const int count = Count();
    rebuilt.KeyDown(dc, client, VK_ENTER, cursor, DOOR_ENTER_OPENING);
    EXPECT_EQ(rebuilt.outcome, TPlaceOutcome::WidthTooSmall);
    EXPECT_EQ(Count(), count);
    EXPECT_EQ(state().groupIdCounter, 0);
    EXPECT_EQ(DrawingFile(), before);
    EXPECT_EQ(DoorToolMessages(KIND_WALL_OPENING, rebuilt.outcome).at(0).text, "The width must be at least 1");
}

TEST_F(DoorTool, ToolWithoutAWorkingKindIgnoresEnter)
{
    WallAlongX(1000, 4000, 2000, 100, -100);
    door.kind = KIND_DOOR_TOOL;
    door.openingWidth = 800;
    const int count = Count();
    Enter(2000, 1960);
    EXPECT_EQ(Count(), count);
    EXPECT_EQ(door.outcome, TPlaceOutcome::Pending);
    EXPECT_EQ(door.kind, KIND_DOOR_TOOL);
}

TEST_F(DoorTool, MarkSnapsOntoTheFaceTheCodeNames)
{
    // Wall along x at y 2000, 100 thick, its second face below at 1900.
    WallAlongX(1000, 4000, 2000, 100, -100);
    for (int code : {6, 8}) {
        door.doorCode = code;
        ASSERT_TRUE(Find(2000, 1990));  // near the upper face, still the lower one
        EXPECT_EQ(Mark(), (TPoint{2000, 1900}));
        EXPECT_EQ(door.faceNumber(), WALL_FACE_LOWER);
        EXPECT_EQ(door.markedSide, 0);
        EXPECT_EQ(door.lineAux1, 900);
        EXPECT_EQ(door.pointX, 2000);
        EXPECT_EQ(door.pointY, 1900);
    }
    for (int code : {5, 7}) {
        door.doorCode = code;
        ASSERT_TRUE(Find(2000, 1910));
        EXPECT_EQ(Mark(), (TPoint{2000, 2000}));
        EXPECT_EQ(door.faceNumber(), WALL_FACE_UPPER);
    }
    door.doorCode = DOOR_CODE_OPENING;
    ASSERT_TRUE(Find(2000, 1940));
    EXPECT_EQ(door.faceNumber(), WALL_FACE_LOWER);
    ASSERT_TRUE(Find(2000, 2040));
    EXPECT_EQ(door.faceNumber(), WALL_FACE_UPPER);
    EXPECT_EQ(Mark(), (TPoint{2000, 2000}));
    door.doorCode = DOOR_CODE_TWO_PANELS;
    door.step = DOOR_SIDE_TOP;
    ASSERT_TRUE(Find(2000, 1920));
    EXPECT_EQ(door.faceNumber(), WALL_FACE_UPPER);
    door.step = DOOR_SIDE_BOTTOM;
    ASSERT_TRUE(Find(2000, 2020));
    EXPECT_EQ(door.faceNumber(), WALL_FACE_LOWER);
    // A side across the wall snaps nothing and leaves no face, even after an earlier snap.
    door.step = DOOR_SIDE_RIGHT;
    ASSERT_TRUE(Find(2000, 2020));
    EXPECT_EQ(door.faceNumber(), 0);
    EXPECT_EQ(Mark(), (TPoint{2000, 2020}));
}

TEST_F(DoorTool, WallAlongYSnapsLeftOrRight)
{
    WallAlongY(3000, 1000, 4000, 110, 110);  // faces x 3000 and 3110; h 55
    const struct {
        int code, step, x, face, snapped;
    } cases[] = {
        {1, 0, 3100, WALL_FACE_LEFT, 3000},   {2, 0, 3050, WALL_FACE_LEFT, 3000},
        {3, 0, 3010, WALL_FACE_RIGHT, 3110},  {4, 0, 3060, WALL_FACE_RIGHT, 3110},
        {0, 0, 3050, WALL_FACE_LEFT, 3000},   {0, 0, 3060, WALL_FACE_RIGHT, 3110},
        {11, DOOR_SIDE_RIGHT, 3000, WALL_FACE_RIGHT, 3110}, {12, DOOR_SIDE_LEFT, 3110, WALL_FACE_LEFT, 3000},
    };
    for (const auto& c : cases) {
        door.doorCode = c.code;
        door.step = c.step;
        ASSERT_TRUE(Find(c.x, 2500)) << c.code;
        EXPECT_EQ(door.faceNumber(), c.face) << c.code << " at " << c.x;
        EXPECT_EQ(Mark(), (TPoint{c.snapped, 2500})) << c.code;
    }
}

TEST_F(DoorTool, SearchIsStrictAndTakesTheFirstWall)
{
    const int first = WallAlongX(1000, 4000, 2000, 100, -100);
    door.doorCode = 6;
    EXPECT_FALSE(Find(1000, 1950));  // on the end
    EXPECT_FALSE(Find(4000, 1950));
    EXPECT_FALSE(Find(2000, 2050));  // h above the upper face
    EXPECT_FALSE(Find(2000, 1850));  // h below the lower face
    door.doorCode = DOOR_CODE_OPENING;
    EXPECT_FALSE(Find(2000, 1950));  // half-way through an even thickness: h from both faces
    // A second wall over the first: the earlier one in the list wins.
    WallAlongX(1500, 3500, 2020, 100, -100);
    ASSERT_TRUE(Find(2000, 2010));
    EXPECT_EQ(door.markedWall, first);
    EXPECT_EQ(door.DoorWall(), objects()[first]);
    // Walls of other floors and other objects are passed over.
    TDoorobjtool other;
    other.doorCode = 6;
    state().currentFloor = FIRST_FLOOR;
    other.x1 = 2000;
    other.y1 = 1950;
    other.FindDoorWall();
    EXPECT_FALSE(other.wallMarked);
    EXPECT_EQ(other.DoorWall(), nullptr);
}

TEST_F(DoorTool, AngledWallSnapsToTheFootOnAFace)
{
    // Rising at 45 degrees from (1000, 1000), its second face 100 away on the lower side.
    const int wall = AngledWall(1000, 1000, 3000, 450, 100, true);
    const auto& w = dynamic_cast<const TIntwallobj&>(*objects()[wall]);
    door.doorCode = 1;
    ASSERT_TRUE(Find(2010, 1990));
    // The foot on the reference line at the mark's distance from its start.
    const TDoorAxis axis(450);
    const double d = std::hypot(1010.0, 990.0);
    const TPoint foot = axis.Along(d);
    EXPECT_EQ(Mark(), (TPoint{1000 + foot.x, 1000 + foot.y}));
    // The reference line is the upper face here.
    EXPECT_EQ(door.faceNumber(), WALL_FACE_UPPER);
    EXPECT_EQ(door.markedSide, 450);
    EXPECT_EQ(door.lineAux1, 450);
    // Near the second face: its foot, the lower face.
    const double d2 = std::hypot(2060.0 - w.faceStartX(), 1940.0 - w.faceStartY());
    const TPoint foot2 = axis.Along(d2);
    ASSERT_TRUE(Find(2060, 1940));
    EXPECT_EQ(Mark(), (TPoint{w.faceStartX() + foot2.x, w.faceStartY() + foot2.y}));
    EXPECT_EQ(door.faceNumber(), WALL_FACE_LOWER);

    // A wall falling to the right keeps its reference line as the lower face when its second
    // face lies above.
    const int falling = AngledWall(1000, 3400, 1000, 1350, 100, false);
    const auto& f = dynamic_cast<const TIntwallobj&>(*objects()[falling]);
    ASSERT_TRUE(Find(f.x1 + 300, f.y1 - 290));
    EXPECT_EQ(door.markedWall, falling);
    EXPECT_EQ(door.faceNumber(), WALL_FACE_LOWER);
}

TEST_F(DoorTool, AngledWallFarFromBothFacesIsPassedOver)
{
    AngledWall(1000, 1000, 3000, 450, 100, true);
    door.doorCode = 1;
    // Inside the wall's box but 300 off its faces.
    EXPECT_FALSE(Find(1500, 2500));
    // A later wall there is still found.
    const int later = WallAlongX(1000, 4000, 2500, 100, -100);
    door.doorCode = 6;
    ASSERT_TRUE(Find(1500, 2480));
    EXPECT_EQ(door.markedWall, later);
}

TEST_F(DoorTool, EnterPlacesAHingedDoorInOneEdit)
{
    WallAlongX(1000, 4000, 2000, 100, -100);
    Door(KIND_DOOR_HINGED, 6, 800);
    const int first = Count();
    Enter(2000, 1960);
    ASSERT_EQ(door.outcome, TPlaceOutcome::Placed);
    ASSERT_EQ(Count() - first, 5);  // polygon, two jambs, leaf, arc
    EXPECT_EQ(Corners(dynamic_cast<const TPolyobj&>(*objects()[first])),
              (std::vector<TPoint>{{2800, 1875}, {2800, 2025}, {2000, 2025}, {2000, 1875}}));
    EXPECT_EQ(Ends(*objects()[first + 1]), (Line{2000, 1900, 2000, 2000}));
    EXPECT_EQ(Ends(*objects()[first + 2]), (Line{2800, 1900, 2800, 2000}));
    // The leaf hangs on the lower face and swings away from the wall.
    EXPECT_EQ(Ends(*objects()[first + 3]), (Line{2000, 1900, 2000, 1100}));
    EXPECT_EQ(objects()[first + 3]->typeCode, TYPE_OPENING_LINE);
    const auto& arc = dynamic_cast<const TArcobj&>(*objects()[first + 4]);
    EXPECT_DOUBLE_EQ(ArcSweep(arc), 90.0);
    // Every object carries the action's id on the ground floor's base.
    EXPECT_EQ(state().groupIdCounter, 1);
    for (int i = first; i < Count(); ++i) {
        EXPECT_EQ(objects()[i]->groupId, 10001);
        EXPECT_EQ(objects()[i]->ownerId, 10001);
        EXPECT_EQ(objects()[i]->floor, GROUND_FLOOR);
    }
    EXPECT_EQ(door.kind, KIND_DOOR_HINGED);
    EXPECT_EQ(door.active, 0);
    EXPECT_FALSE(door.repaintArea.empty);
    // The edit wrote the drawing file: a repaint reads the same objects back.
    TLoadedDrawing reread;
    ASSERT_TRUE(TList::ReadDrawingFile((dir.path() / "DWGS" / "TEST.DB0").string(), reread).ok);
    ASSERT_EQ(int(reread.objects.size()), Count());
    for (int i = 0; i < Count(); ++i) {
        std::string a, b;
        objects()[i]->DumpFields(a);
        reread.objects[std::size_t(i)]->DumpFields(b);
        EXPECT_EQ(a, b) << i;
    }
}

TEST_F(DoorTool, RefusalChangesNothing)
{
    WallAlongX(1000, 4000, 2000, 100, -100);
    Door(KIND_DOOR_HINGED, 6, 800);
    const std::string before = DrawingFile();
    const int count = Count();
    // No internal wall at the point: no id taken, the leaf offsets back for the preview.
    Enter(2000, 3000);
    EXPECT_EQ(door.outcome, TPlaceOutcome::NoWallMarked);
    EXPECT_EQ(Count(), count);
    EXPECT_EQ(state().groupIdCounter, 0);
    EXPECT_EQ(door.pointX, 800);
    EXPECT_EQ(door.pointY, 0);
    // A code the wall does not take: the id is spent, nothing is added, the file is not written.
    Door(KIND_DOOR_HINGED, 1, 800);
    Enter(2000, 1960);
    EXPECT_EQ(door.outcome, TPlaceOutcome::DoorCodeRefused);
    EXPECT_EQ(Count(), count);
    EXPECT_EQ(state().groupIdCounter, 1);
    EXPECT_EQ(DrawingFile(), before);
    EXPECT_EQ(door.pointX, 800);
    EXPECT_EQ(DoorToolMessages(KIND_DOOR_HINGED, door.outcome).at(0).title, "INTERNAL DOOR");
}

TEST_F(DoorTool, OpeningPastAnEndOfTheWallIsRefused)
{
    // Along x from 1000 to 4000, along y from 1000 to 4000, a rising angled wall 3000 long, and a
    // wall whose second face stops 100 short of its reference line's end, as at a corner.
    WallAlongX(1000, 4000, 2000, 100, -100);
    WallAlongY(5000, 1000, 4000, 100, 100);
    AngledWall(1000, 5000, 3000, 450, 100, true);
    const int cornered = WallAlongX(1000, 4000, 3000, 100, -100);
    dynamic_cast<TIntwallobj&>(*objects()[cornered]).faceEndX() = 3900;
    const struct {
        int kind, code, width, side, x, y;
        bool fits;
    } cases[] = {
        // Hinged doors running towards either end, and up to each end exactly.
        {KIND_DOOR_HINGED, 6, 900, 0, 3575, 1960, false},
        {KIND_DOOR_HINGED, 8, 900, 0, 1425, 1960, false},
        {KIND_DOOR_HINGED, 6, 800, 0, 3200, 1960, true},
        {KIND_DOOR_HINGED, 8, 800, 0, 1800, 1960, true},
        {KIND_DOOR_HINGED, 1, 800, 0, 5020, 1400, false},
        {KIND_DOOR_HINGED, 2, 800, 0, 5020, 3500, false},
        {KIND_DOOR_HINGED, 1, 800, 0, 5020, 1800, true},
        {KIND_DOOR_HINGED, 2, 800, 0, 5020, 3200, true},
        // Centred double doors and panels.
        {KIND_DOOR_DOUBLE, DOOR_CODE_DOUBLE, 1400, DOOR_SIDE_BOTTOM, 1500, 1960, false},
        {KIND_DOOR_DOUBLE, DOOR_CODE_TWO_PANELS, 1200, DOOR_SIDE_BOTTOM, 3600, 1960, false},
        {KIND_DOOR_DOUBLE, DOOR_CODE_FOUR_PANELS, 1600, DOOR_SIDE_RIGHT, 5020, 1500, false},
        {KIND_DOOR_DOUBLE, DOOR_CODE_DOUBLE, 1400, DOOR_SIDE_BOTTOM, 3300, 1960, true},
        // Sliding doors from their jamb, plain openings centred on the mark.
        {KIND_DOOR_SLIDING, 6, 900, 0, 3500, 1960, false},
        {KIND_DOOR_SLIDING, 2, 900, 0, 5020, 3500, false},
        {KIND_WALL_OPENING, DOOR_CODE_OPENING, 1000, 0, 1200, 1960, false},
        {KIND_WALL_OPENING, DOOR_CODE_OPENING, 1000, 0, 3500, 1960, true},
        // The angled wall: code 2 runs towards its far end, an opening past its start.
        {KIND_DOOR_HINGED, 2, 800, 0, 2835, 6835, false},
        {KIND_DOOR_HINGED, 2, 800, 0, 2000, 6000, true},
        {KIND_WALL_OPENING, DOOR_CODE_OPENING, 1000, 0, 1140, 5140, false},
        // Past the end of the shorter face, though not of the reference line.
        {KIND_DOOR_HINGED, 6, 800, 0, 3200, 2960, false},
        {KIND_DOOR_HINGED, 6, 800, 0, 3100, 2960, true},
    };
    for (const auto& c : cases) {
        const std::string before = DrawingFile();
        const int count = Count();
        const int edits = objects().EditCount();
        door.doorCode = c.code;  // an opening's dialog gives no code: none is left from the door before
        Door(c.kind, c.code, c.width, c.side);
        Enter(c.x, c.y);
        if (c.fits) {
            EXPECT_EQ(door.outcome, TPlaceOutcome::Placed) << c.kind << " " << c.code << " at " << c.x << "," << c.y;
            EXPECT_GT(Count(), count);
            continue;
        }
        EXPECT_EQ(door.outcome, TPlaceOutcome::PastWallEnd) << c.kind << " " << c.code << " at " << c.x << "," << c.y;
        EXPECT_EQ(Count(), count);
        EXPECT_EQ(objects().EditCount(), edits);
        EXPECT_EQ(DrawingFile(), before);
        const auto messages = DoorToolMessages(c.kind, door.outcome);
        ASSERT_EQ(messages.size(), 1u);
        EXPECT_EQ(messages[0].text.rfind("The opening runs past the end of the wall", 0), 0u) << messages[0].text;
    }
}

TEST_F(DoorTool, DoubleDoorsStartEachTryFromTheSideChosen)
{
    // Rising wall: the side RIGHT is its lower face. Marked on the upper face it is refused, the
    // side having been turned into a face; the next try starts again from RIGHT.
    const int wall = AngledWall(1000, 1000, 3000, 450, 100, true);
    const auto& w = dynamic_cast<const TIntwallobj&>(*objects()[wall]);
    Door(KIND_DOOR_DOUBLE, DOOR_CODE_DOUBLE, 1000, DOOR_SIDE_RIGHT);
    Enter(2000, 2000);
    ASSERT_EQ(door.outcome, TPlaceOutcome::DoorCodeRefused);
    EXPECT_EQ(door.step, DOOR_SIDE_BOTTOM);
    EXPECT_EQ(door.savedDoorSide, DOOR_SIDE_RIGHT);
    // On the lower face it fits.
    const int count = Count();
    const TDoorAxis axis(450);
    const TPoint along = axis.Along(1400);
    Enter(w.faceStartX() + along.x - along.x % 5, w.faceStartY() + along.y - along.y % 5);
    ASSERT_EQ(door.outcome, TPlaceOutcome::Placed);
    EXPECT_EQ(Count() - count, 5);  // polygon, two jambs, two leaves
    EXPECT_EQ(From<TArcobj>(count).size(), 0u);
    EXPECT_EQ(objects()[count + 1]->typeCode, KIND_DOOR_DOUBLE);
}

TEST_F(DoorTool, RefusalOnAnAngledWallLeavesNoPreviewTrace)
{
    AngledWall(1000, 1000, 3000, 450, 100, true);
    Door(KIND_DOOR_HINGED, 3, 800);
    TPoint at = Device(1500, 1500);
    door.MouseMove(dc, client, at.x, at.y);
    const std::size_t oneDraw = dc.Records().size();
    ASSERT_GT(oneDraw, 0u);
    EXPECT_TRUE(door.previewShown);
    // Code 3 is refused on the upper face of a rising wall; the preview came off the screen.
    Enter(2000, 2000);
    ASSERT_EQ(door.outcome, TPlaceOutcome::DoorCodeRefused);
    EXPECT_FALSE(door.previewShown);
    EXPECT_EQ(door.markedSide, 450);
    // The window lets the user try again: the next move draws the preview once, erasing nothing.
    door.active = 1;
    dc.Clear();
    at = Device(2500, 1500);
    door.MouseMove(dc, client, at.x, at.y);
    EXPECT_EQ(dc.Records().size(), oneDraw);
    // A move elsewhere erases and redraws; none to the same point.
    dc.Clear();
    at = Device(2600, 1500);
    door.MouseMove(dc, client, at.x, at.y);
    EXPECT_EQ(dc.Records().size(), 2 * oneDraw);
    dc.Clear();
    door.MouseMove(dc, client, at.x, at.y);
    EXPECT_EQ(dc.Records().size(), 0u);
}

TEST_F(DoorTool, IndexAndCoordinate20001AreRealValues)
{
    // A drawing of more than 20,001 objects: the wall at index 20001 is found and cut.
    auto filler = [&] {
        auto line = std::make_unique<TLineobj>();
        line->floor = GROUND_FLOOR;
        objects().Add(std::move(line));
    };
    while (Count() < 20001)
        filler();
    const int wall = WallAlongY(3000, 19000, 21000, 100, 100);
    ASSERT_EQ(wall, 20001);
    Door(KIND_DOOR_SLIDING, 1, 800);
    // A mark at y 20001 on the left face.
    ASSERT_TRUE(Find(3020, 20001));
    EXPECT_EQ(door.markedWall, 20001);
    EXPECT_EQ(Mark(), (TPoint{3000, 20001}));
    door.ownerId = door.groupId = 10001;
    TDrawingEdit edit(objects());
    door.outcome = TPlaceOutcome::Placed;
    EXPECT_TRUE(CutInternalWall(door, edit, dc, client));
    EXPECT_EQ(door.pointY, 20001);
    EXPECT_EQ(door.outcome, TPlaceOutcome::Placed);
    EXPECT_EQ(Count(), 20005);
}

TEST_F(DoorTool, SetupPreparesAnOpeningOverTheStoreysBelow)
{
    state().currentFloor = FIRST_FLOOR;
    door.kind = KIND_DOOR_HINGED;
    door.Setup(5, 900, 2100);
    EXPECT_EQ(door.openingType, 5);
    EXPECT_EQ(door.openingWidth, 900);
    EXPECT_EQ(door.openingHeight, 2100);
    EXPECT_EQ(door.headLevel, 2000 + 2550 / 5);
    EXPECT_EQ(door.active, 1);
    EXPECT_EQ(door.pointX, 900);
    door.Setup(5, 0, 2100);
    EXPECT_EQ(door.outcome, TPlaceOutcome::WidthTooSmall);
    EXPECT_EQ(door.active, 0);
}

TEST_F(DoorTool, OpeningOnTheFirstFloorTakesItsBase)
{
    state().currentFloor = FIRST_FLOOR;
    state().groupIdCounter = 41;
    WallAlongY(3000, 1000, 3000, 100, 100);
    door.kind = KIND_WALL_OPENING;
    door.AutoDimension(dc, client, 0, 700, 0, 98);
    const int first = Count();
    Enter(3080, 2000);  // nearer the right face
    ASSERT_EQ(door.outcome, TPlaceOutcome::Placed);
    EXPECT_EQ(Count() - first, 3);
    EXPECT_EQ(objects()[first]->groupId, 11042);
    EXPECT_EQ(objects()[first]->floor, FIRST_FLOOR);
    EXPECT_EQ(Corners(dynamic_cast<const TPolyobj&>(*objects()[first])),
              (std::vector<TPoint>{{3125, 1650}, {3125, 2350}, {2975, 2350}, {2975, 1650}}));
}

TEST_F(DoorTool, MessagesByKind)
{
    EXPECT_EQ(DoorToolMessages(KIND_DOOR_HINGED, TPlaceOutcome::NoWallMarked).at(0).text,
              "  No INTERNAL door drawn, try again\nplace the cursor cross on hanging side of an internal wall");
    EXPECT_EQ(DoorToolMessages(KIND_DOOR_DOUBLE, TPlaceOutcome::DoorCodeRefused).at(0).text,
              "No doors drawn, try again - place the cross on correct side of a partition");
    EXPECT_EQ(DoorToolMessages(KIND_DOOR_DOUBLE, TPlaceOutcome::DoorCodeRefused).at(0).title, "MISCELLANEOUS DOORS");
    EXPECT_EQ(DoorToolMessages(KIND_DOOR_SLIDING, TPlaceOutcome::NoWallMarked).at(0).text,
              "  No door drawn, try again\nplace the cursor cross on jamb of sliding side of partition");
    EXPECT_EQ(DoorToolMessages(KIND_DOOR_SLIDING, TPlaceOutcome::NoWallMarked).at(0).title, "SLIDING DOOR");
    const auto opening = DoorToolMessages(KIND_WALL_OPENING, TPlaceOutcome::NoWallMarked);
    ASSERT_EQ(opening.size(), 1u);
    EXPECT_EQ(opening[0].text, "No internal wall at that point - mark the centre on one internal wall line");
    EXPECT_EQ(opening[0].title, "OPENING");
    EXPECT_TRUE(DoorToolMessages(KIND_DOOR_HINGED, TPlaceOutcome::Placed).empty());
    EXPECT_EQ(DoorEnterValue(KIND_DOOR_HINGED), 4);
    EXPECT_EQ(DoorEnterValue(KIND_DOOR_DOUBLE), 5);
    EXPECT_EQ(DoorEnterValue(KIND_DOOR_SLIDING), 6);
    EXPECT_EQ(DoorEnterValue(KIND_WALL_OPENING), 0);
}

}  // namespace
