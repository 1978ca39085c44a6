// Making a selection: the drag rectangle, which objects lie inside it, the selection list written,
// and the base point of each tool.
#include "tests/tools/selectionfixture.h"

#include "model/selectionlist.h"
#include "model/settingsfile.h"
#include "tools/copyobjtool.h"
#include "tools/eraseobjtool.h"
#include "tools/selectiongeometry.h"

namespace {

using Selection = SelectionTest;

std::vector<int> Indices(const std::vector<TCopyEntry>& entries)
{
    std::vector<int> indices;
    for (const TCopyEntry& entry : entries)
        indices.push_back(entry.index);
    return indices;
}

TEST_F(Selection, ADragSelectsTheObjectsStrictlyInsideAndWritesTheList)
{
    AddLine(1500, 2500, 2500, 3500);        // 4: inside
    AddLine(1000, 2500, 2500, 3500);        // 5: one end on the left edge
    AddLine(1500, 2500, 3500, 3500);        // 6: one end outside
    AddLine(1500, 2500, 2500, 3500, FIRST_FLOOR);  // 7: another floor
    TMoveobjtool tool;
    Drag(tool, {1000, 2000}, {3000, 4000});

    EXPECT_EQ(tool.step, STEP_SELECTION_MADE);
    EXPECT_EQ(tool.selectionCount(), 1);
    EXPECT_EQ(tool.lineDrawn, 0);
    EXPECT_EQ(tool.outlineFillMode(), 1);
    EXPECT_EQ(ReadWholeFile(Cfg("COPY.CFG")), "4 1000 2000\n");
    EXPECT_EQ(ReadWholeFile(Cfg("TEMP.CFG")), "1\n");
    EXPECT_EQ(tool.rectMinX(), 1000);
    EXPECT_EQ(tool.rectMaxX(), 3000);
    EXPECT_EQ(tool.rectMinY(), 2000);
    EXPECT_EQ(tool.rectMaxY(), 4000);
}

// A list long enough to be looked through in pieces at once: what lies inside, the box of the
// points and the shift are those of one pass over it, each object taken once and in list order.
TEST_F(Selection, ALongListIsSelectedMeasuredAndShiftedAsOnePassWould)
{
    constexpr int kCount = 140000;
    for (int i = 0; i < kCount; ++i) {
        const int x = 100 + (i * 37) % 9000;
        const int y = 100 + (i * 91) % 7000;
        if (i % 7 == 0)
            AddText(x, y, "T", i % 5 == 0 ? FIRST_FLOOR : GROUND_FLOOR);
        else
            AddLine(x, y, x + 50 + i % 400, y + i % 300, i % 5 == 0 ? FIRST_FLOOR : GROUND_FLOOR);
    }
    const TSelectionRect rect{1000, 1000, 8000, 6000};
    std::vector<int> expected;
    for (int i = 0; i < objects().count(); ++i)
        if (objects()[i]->floor == GROUND_FLOOR && LiesInside(*objects()[i], rect))
            expected.push_back(i);
    ASSERT_GT(expected.size(), 40000u);  // two pieces at least
    ASSERT_LT(expected.size(), std::size_t(kCount));
    EXPECT_EQ(ObjectsInside(objects(), GROUND_FLOOR, rect), expected);

    TModelBox box;
    for (int index : expected)
        objects()[index]->ForEachPoint([&box](std::int32_t& x, std::int32_t& y) { box.Add(x, y); });
    EXPECT_EQ(PointBox(objects(), expected), box);

    std::vector<std::unique_ptr<TObject>> before;
    for (const auto& object : objects().Items())
        before.push_back(object->Clone());
    ShiftObjects(objects(), expected, -700, 1300);
    std::size_t next = 0;
    int wrong = 0;
    for (int i = 0; i < objects().count(); ++i) {
        const bool shifted = next < expected.size() && expected[next] == i;
        next += shifted ? 1 : 0;
        TObject& object = *before[std::size_t(i)];
        if (shifted)
            ShiftObject(object, -700, 1300);
        wrong += DumpObject(i, object) != DumpObject(i, *objects()[i]) ? 1 : 0;
    }
    EXPECT_EQ(wrong, 0);
}

TEST_F(Selection, ADragFromTheUpperRightSelectsWhatTheOppositeDragSelects)
{
    AddLine(1500, 2500, 2500, 3500);
    AddText(2000, 3000, "HALL");
    TMoveobjtool forward;
    Drag(forward, {1000, 2000}, {3000, 4000});
    const auto forwardEntries = forward.Selection();
    TMoveobjtool backward;
    Drag(backward, {3000, 4000}, {1000, 2000});
    EXPECT_EQ(Indices(backward.Selection()), Indices(forwardEntries));
    EXPECT_EQ(Indices(backward.Selection()), (std::vector<int>{4, 5}));
    // Normalised: the base point is the lower-left corner either way.
    EXPECT_EQ(backward.Selection()[0].baseX, 1000);
    EXPECT_EQ(backward.Selection()[0].baseY, 2000);
}

TEST_F(Selection, ADragOverNothingSelectsNothingAndLaterClicksDoNothing)
{
    AddLine(5000, 5000, 6000, 6000);
    TMoveobjtool tool;
    Drag(tool, {1000, 1000}, {2000, 2000});
    EXPECT_EQ(tool.selectionCount(), 0);
    EXPECT_EQ(ReadWholeFile(Cfg("TEMP.CFG")), "0\n");
    Click(tool, {1500, 1500});
    EXPECT_EQ(tool.step, STEP_SELECTION_MADE);
    Click(tool, {3000, 3000});
    EXPECT_EQ(objects()[4]->x1, 5000);
}

TEST_F(Selection, EachKindOfObjectIsInsideByItsOwnPoints)
{
    const TSelectionRect rect{1000, 1000, 5000, 5000};
    // A text by its anchor alone, however far its letters reach.
    TTextobj& inText = AddText(4900, 2000, "A VERY LONG TEXT THAT RUNS FAR BEYOND THE RECTANGLE");
    TTextobj& outText = AddText(900, 2000, "X");
    EXPECT_TRUE(LiesInside(inText, rect));
    EXPECT_FALSE(LiesInside(outText, rect));
    // An arc by its start and end points, whatever its bulge.
    TArcobj& arc = AddArc(0, 0, 6000, 6000, {2000, 2000}, {4000, 2000});
    EXPECT_TRUE(LiesInside(arc, rect));
    arc.arcEndX = 5000;
    EXPECT_FALSE(LiesInside(arc, rect));
    // An arrow by the two ends of its shaft; its barbs and ticks may lie outside.
    TArrowobj& arrow = AddArrow(1100, 3000, 4000, 3000);
    arrow.tickA = {1100, 0};
    EXPECT_TRUE(LiesInside(arrow, rect));
    // Polygons and openings by every vertex.
    TPolyobj& polygon = AddPolygon(150, {{2000, 2000}, {3000, 2000}, {3000, 3000}});
    EXPECT_TRUE(LiesInside(polygon, rect));
    polygon.vertexY[2] = 5000;
    EXPECT_FALSE(LiesInside(polygon, rect));
    auto& opening = AddPolygon<TOpeningobj>(TYPE_OPENING, {{2000, 2000}, {3000, 2000}, {3000, 3000}});
    EXPECT_TRUE(LiesInside(opening, rect));
    TPolyobj& empty = AddPolygon(150, {});
    EXPECT_FALSE(LiesInside(empty, rect));
    // Circles, ellipses, rectangles by their two corners.
    auto& circle = AddBox<TCircleobj>(6, 2000, 2000, 3000, 3000);
    EXPECT_TRUE(LiesInside(circle, rect));
    circle.x2 = 5000;
    EXPECT_FALSE(LiesInside(circle, rect));
}

TEST_F(Selection, WallsDesignRoomsAndFloorRecordsAreNeverSelected)
{
    auto& ext = AddBox<TExtwallobj>(TYPE_EXTWALL, 2000, 2000, 3000, 2000);
    auto& intwall = AddBox<TIntwallobj>(TYPE_INTWALL, 2000, 2500, 3000, 2500);
    intwall.face2StartX = 2000;
    intwall.face2StartY = 2600;
    intwall.face2EndX = 3000;
    intwall.face2EndY = 2600;
    const TSelectionRect rect{1000, 1000, 5000, 5000};
    EXPECT_FALSE(LiesInside(ext, rect));
    EXPECT_FALSE(LiesInside(intwall, rect));
    AddLine(1500, 1500, 1600, 1600);  // 6
    TMoveobjtool move;
    Drag(move, {1000, 1000}, {5000, 5000});
    EXPECT_EQ(Indices(move.Selection()), std::vector<int>{6});
    TCopyobjtool copy;
    Drag(copy, {1000, 1000}, {5000, 5000});
    EXPECT_EQ(Indices(copy.Selection()), std::vector<int>{6});
    TEraseobjtool erase;
    Drag(erase, {1000, 1000}, {5000, 5000});
    ASSERT_EQ(objects().count(), 6);  // the erase removed only the line
    EXPECT_EQ(objects()[4]->typeCode, TYPE_EXTWALL);
    EXPECT_EQ(objects()[5]->typeCode, TYPE_INTWALL);
}

TEST_F(Selection, AnOpeningOfAnotherFloorIsNotSelected)
{
    AddPolygon<TOpeningobj>(TYPE_OPENING, {{2000, 2000}, {3000, 2000}, {3000, 3000}}, FIRST_FLOOR);  // 4
    AddPolygon<TOpeningobj>(TYPE_OPENING, {{2000, 2000}, {3000, 2000}, {3000, 3000}});               // 5
    TMoveobjtool tool;
    Drag(tool, {1000, 1000}, {5000, 5000});
    EXPECT_EQ(Indices(tool.Selection()), std::vector<int>{5});
}

TEST_F(Selection, TheCopyToolsBasePointIsTheCentreTheOthersTheLowerLeftCorner)
{
    AddLine(1500, 2500, 2500, 3500);
    TCopyobjtool copy;
    Drag(copy, {1000, 2000}, {3000, 4000});
    ASSERT_EQ(copy.selectionCount(), 1);
    EXPECT_EQ(copy.Selection()[0].baseX, 2000);
    EXPECT_EQ(copy.Selection()[0].baseY, 3000);
    EXPECT_EQ(ReadWholeFile(Cfg("COPY.CFG")), "4 2000 3000\n");

    TMoveobjtool move;
    Drag(move, {1000, 2000}, {3000, 4000});
    EXPECT_EQ(ReadWholeFile(Cfg("COPY.CFG")), "4 1000 2000\n");
}

TEST_F(Selection, NothingIsSelectedWhilePrinting)
{
    AddLine(1500, 2500, 2500, 3500);
    state().currentFloor = 100;
    TMoveobjtool tool;
    Drag(tool, {1000, 2000}, {3000, 4000});
    EXPECT_EQ(tool.step, STEP_SELECTION_DRAG);
    EXPECT_EQ(tool.selectionCount(), 0);
}

TEST_F(Selection, TheBandIsDrawnWithExclusiveOrAndLeavesNoTrace)
{
    TMoveobjtool tool;
    Attach(tool);
    const TPoint from = Device(1000, 1000);
    tool.LButtonDown(dc, client, from.x, from.y);
    const TPoint a = Device(2000, 2000);
    const TPoint b = Device(3000, 2500);
    tool.MouseMove(dc, client, a.x, a.y);
    tool.MouseMove(dc, client, b.x, b.y);
    // The button comes up elsewhere than the last move: the band erased is the one drawn.
    TPoint release = Device(3500, 3000);
    tool.LButtonUp(dc, client, release);

    const auto bands = dc.RecordsOf(TCanvasRecord::Rectangle);
    ASSERT_EQ(bands.size(), 4u);
    for (const auto& band : bands) {
        EXPECT_EQ(band.rop, RasterOp::Xor);
        EXPECT_EQ(band.pen.style, PS_DOT);
        EXPECT_EQ(band.pen.width, 0);
        EXPECT_EQ(band.brush.kind, BrushKind::Hollow);
    }
    EXPECT_EQ(bands[0].box, (TRect{200, 200, 400, 400}));
    EXPECT_EQ(bands[1].box, bands[0].box);  // erased
    EXPECT_EQ(bands[2].box, (TRect{200, 200, 600, 500}));
    EXPECT_EQ(bands[3].box, bands[2].box);  // erased on release
    EXPECT_EQ(tool.rectMaxX(), 3500);
    EXPECT_EQ(tool.rectMaxY(), 3000);
}

TEST_F(Selection, ObjectsAddedBecomeTheSelectionWithBasePointZero)
{
    AddLine(1500, 2500, 2500, 3500);
    AddLine(1600, 2500, 2500, 3500);
    AddLine(1700, 2500, 2500, 3500);
    TMoveobjtool tool;
    Attach(tool);
    tool.ObjectsAdded(dc, client, 5, 0);
    EXPECT_EQ(tool.selectionCount(), 2);
    EXPECT_EQ(ReadWholeFile(Cfg("COPY.CFG")), "5 0 0\n6 0 0\n");
    EXPECT_EQ(ReadWholeFile(Cfg("TEMP.CFG")), "2\n");
}

// A move tool whose selection a test can set directly.
class ListedSelection : public TMoveobjtool {
public:
    using TMoveobjtool::SetSelection;
};

TEST_F(Selection, StaleOrRepeatedEntriesAreSkipped)
{
    AddLine(1500, 2500, 2500, 3500);  // 4
    TMoveobjtool tool;
    Attach(tool);
    tool.ObjectsAdded(dc, client, 0, 0);  // the floor records too
    EXPECT_EQ(tool.SelectedIndices(), std::vector<int>{4});
    objects().Remove(4);
    EXPECT_TRUE(tool.SelectedIndices().empty());
}

TEST_F(Selection, EntriesOutOfOrderOrRepeatedAreTakenOnceWhereTheyFirstCome)
{
    for (int x : {1000, 2000, 3000})
        AddLine(x, 3000, x + 100, 3000);           // 4, 5, 6
    AddLine(4000, 3000, 4100, 3000, FIRST_FLOOR);  // 7
    AddLine(5000, 3000, 5100, 3000);               // 8
    ListedSelection tool;
    Attach(tool);
    tool.SetSelection({{5, 0, 0}, {6, 0, 0}, {7, 0, 0}, {5, 0, 0}, {4, 0, 0}, {8, 0, 0}, {6, 0, 0}, {4, 0, 0},
                       {8, 0, 0}, {9, 0, 0}});
    EXPECT_EQ(tool.SelectedIndices(), (std::vector<int>{5, 6, 4, 8}));
}

TEST_F(Selection, AListThatCannotBeWrittenIsReportedAndReadsEmpty)
{
    AddLine(1500, 2500, 2500, 3500);
    ASSERT_TRUE(WriteCopyList({{2, 0, 0}}));
    // COPY.CFG cannot be replaced (a folder stands in its place): the count written before it
    // leaves an empty list, never the old entries.
    std::filesystem::remove(Cfg("COPY.CFG"));
    std::filesystem::create_directories(Cfg("COPY.CFG"));
    TMoveobjtool tool;
    Drag(tool, {1000, 2000}, {3000, 4000});
    ASSERT_EQ(reported.size(), 1u);
    EXPECT_EQ(reported[0].rfind("The selection list CFG/COPY.CFG could not be written: ", 0), 0u) << reported[0];
    EXPECT_TRUE(ReadCopyList().empty());
    // The tool keeps its own selection all the same.
    EXPECT_EQ(tool.selectionCount(), 1);
}

TEST_F(Selection, AnInjectedFailureOfTheCountIsReported)
{
    AddLine(1500, 2500, 2500, 3500);
    FailNextWrites(1, WriteStage::Write);
    TMoveobjtool tool;
    Drag(tool, {1000, 2000}, {3000, 4000});
    FailNextWrites(0);
    ASSERT_EQ(reported.size(), 1u);
    EXPECT_EQ(reported[0], "The selection list CFG/TEMP.CFG could not be written: No space left on device");
}

}  // namespace
