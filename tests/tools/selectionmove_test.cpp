// Moving the selection: the reference point, clicks and arrow keys, what is shifted, the painting
// at the old and the new place, the cursor, and the lock with Enter.
#include "tests/tools/selectionfixture.h"

#include "model/drawingedit.h"
#include "model/drawingfile.h"
#include "model/planpainter.h"
#include "model/viewmapping.h"
#include "platform/qt/bandworkers.h"
#include "platform/qt/imagecanvas.h"
#include "tests/platform/pixelhelpers.h"

#include <QImage>

namespace {

class SelectionMove : public SelectionTest {
protected:
    // Selects everything inside (1000, 1000)-(6000, 6000) and sets the reference point.
    void SelectAndSetReference(TPoint reference)
    {
        Drag(tool, {1000, 1000}, {6000, 6000});
        Click(tool, reference);
        dc.Clear();
        window.placed.clear();
    }
    // The drawing read afresh and everything inside (500, 500)-(4500, 3300) selected, moving as
    // pictures from `pictureSelection` objects on.
    void SelectFromFile(TMoveobjtool& mover, int pictureSelection)
    {
        objects().ReadDrawing();
        mover.pictureSelection = pictureSelection;
        Drag(mover, {500, 500}, {4500, 3300});
    }
    // A click at a model point on a canvas of the window.
    void ClickOn(TMoveobjtool& mover, Canvas& canvas, TPoint model)
    {
        TPoint at = ViewMapping(client).ToDevice(ModelToLogical(model));
        mover.LButtonDown(canvas, client, at.x, at.y);
        mover.LButtonUp(canvas, client, at);
    }
    TMoveobjtool tool;
};

// The tool with its outline painting open to the test.
class OutlineProbe : public TMoveobjtool {
public:
    using TMoveobjtool::DrawSelectionOutlines;
};

TEST_F(SelectionMove, TheFirstClickSetsTheReferencePointAndMovesNothing)
{
    AddLine(2000, 2000, 3000, 2000);
    Drag(tool, {1000, 1000}, {6000, 6000});
    tool.lineDrawn = 1;
    Click(tool, {2000, 2000});
    EXPECT_EQ(tool.step, STEP_SELECTION_MOVING);
    EXPECT_EQ(tool.currentX, 2000);
    EXPECT_EQ(tool.currentY, 2000);
    EXPECT_EQ(tool.lineDrawn, 0);
    EXPECT_EQ(objects()[4]->x1, 2000);
}

TEST_F(SelectionMove, AClickMovesTheReferencePointOntoIt)
{
    TLineobj& line = AddLine(1000 + 500, 1000 + 500, 2000 + 500, 1000 + 500);
    line.z1 = 30;
    line.z2 = 40;
    objects().WriteDrawing();
    SelectAndSetReference({1500, 1500});
    Click(tool, {2000, 3500});
    EXPECT_EQ(line.x1, 2000);
    EXPECT_EQ(line.y1, 3500);
    EXPECT_EQ(line.x2, 3000);
    EXPECT_EQ(line.y2, 3500);
    EXPECT_EQ(line.z1, 30);
    EXPECT_EQ(line.z2, 40);
    EXPECT_EQ(tool.currentX, 2000);
    EXPECT_EQ(tool.targetX, 2000);
    EXPECT_EQ(tool.step, STEP_SELECTION_MOVING);
    // Only the list changed: the drawing file still holds the line where it was.
    const auto back = ReadBack();
    ASSERT_EQ(back.size(), 5u);
    EXPECT_EQ(back[4]->x1, 1500);
}

TEST_F(SelectionMove, TheSelectionIsPaintedOutThenDrawnAtItsNewPlace)
{
    AddLine(2000, 2000, 3000, 2000).penStyle = PS_DASH;
    SelectAndSetReference({2000, 2000});
    Click(tool, {2500, 2500});
    const auto lines = dc.RecordsOf(TCanvasRecord::Polyline);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].points, (std::vector<TPoint>{{400, 400}, {600, 400}}));
    EXPECT_EQ(lines[0].pen, (TPen{MakeColour(255, 255, 255), 1, PS_SOLID}));
    EXPECT_EQ(lines[0].rop, RasterOp::Copy);
    EXPECT_EQ(lines[1].points, (std::vector<TPoint>{{500, 500}, {700, 500}}));
    EXPECT_EQ(lines[1].pen, (TPen{MakeColour(0, 0, 255), 1, PS_DASH}));
}

TEST_F(SelectionMove, AClickOnTheReferencePointRepaintsInPlace)
{
    TLineobj& line = AddLine(2000, 2000, 3000, 2000);
    SelectAndSetReference({2000, 2000});
    Click(tool, {2000, 2000});
    EXPECT_EQ(line.x1, 2000);
    EXPECT_EQ(line.x2, 3000);
    const auto lines = dc.RecordsOf(TCanvasRecord::Polyline);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[1].pen.colour, MakeColour(0, 0, 255));
    EXPECT_EQ(lines[1].points, lines[0].points);
}

TEST_F(SelectionMove, EveryKindMovesByItsPlanPoints)
{
    TArcobj& arc = AddArc(2000, 2000, 3000, 3000, {2000, 2500}, {3000, 2500});
    TArrowobj& arrow = AddArrow(2000, 4000, 4000, 4000);
    TPolyobj& polygon = AddPolygon(150, {{2000, 2000}, {2500, 2000}, {2500, 2500}});
    auto& opening = AddPolygon<TOpeningobj>(TYPE_OPENING, {{3000, 3000}, {3500, 3000}, {3500, 3500}});
    TTextobj& text = AddText(4000, 2000, "ROOM");
    text.x2 = 900;  // the direction code of a label
    text.y2 = 17;
    SelectAndSetReference({2000, 2000});
    Click(tool, {2100, 1800});  // dx 100, dy -200

    EXPECT_EQ(arc.x1, 2100);
    EXPECT_EQ(arc.y2, 2800);
    EXPECT_EQ(arc.arcStartX, 2100);
    EXPECT_EQ(arc.arcEndY, 2300);
    EXPECT_EQ(arrow.x2, 4100);
    EXPECT_EQ(arrow.barb1, (std::array<int32_t, 2>{2200, 3850}));
    EXPECT_EQ(arrow.barb2, (std::array<int32_t, 2>{2200, 3750}));
    EXPECT_EQ(arrow.tickA, (std::array<int32_t, 2>{2100, 3600}));
    EXPECT_EQ(arrow.tickB, (std::array<int32_t, 2>{2100, 4000}));
    EXPECT_EQ(polygon.vertexX[2], 2600);
    EXPECT_EQ(polygon.vertexY[2], 2300);
    EXPECT_EQ(polygon.vertexZ[2], 7);
    EXPECT_EQ(opening.vertexX[0], 3100);
    EXPECT_EQ(opening.vertexY[0], 2800);
    // A text moves by its anchor; its direction code stays.
    EXPECT_EQ(text.x1, 4100);
    EXPECT_EQ(text.y1, 1800);
    EXPECT_EQ(text.x2, 900);
    EXPECT_EQ(text.y2, 17);
}

TEST_F(SelectionMove, ATextIsDrawnWithItsOwnFontAndABoldOneInWeight700)
{
    TTextobj& text = AddText(3000, 3000, "BOLD");
    text.fontWeight = 500;
    text.alignment = 6;
    SelectAndSetReference({3000, 3000});
    Click(tool, {3500, 3000});
    const auto texts = dc.RecordsOf(TCanvasRecord::TextOut);
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_EQ(texts[0].textColour, MakeColour(255, 255, 255));
    EXPECT_EQ(texts[1].textColour, TColor(text.colour));
    EXPECT_EQ(texts[1].font.weight, 700);
    EXPECT_EQ(texts[1].font.height, 50);
    EXPECT_EQ(texts[1].align, unsigned(TA_CENTER | TA_BOTTOM));
    EXPECT_EQ(texts[1].points[0], (TPoint{700, 600}));
}

TEST_F(SelectionMove, PolygonsArePaintedOutWithTheirInsideAndDrawnFilledWithTheBackground)
{
    TPolyobj& polygon = AddPolygon(150, {{2000, 2000}, {2500, 2000}, {2500, 2500}});
    polygon.fillColour = int32_t(MakeColour(0, 128, 0));
    SelectAndSetReference({2000, 2000});
    Click(tool, {2500, 2500});
    const auto polygons = dc.RecordsOf(TCanvasRecord::Polygon);
    ASSERT_EQ(polygons.size(), 2u);
    for (const auto& drawn : polygons) {
        EXPECT_EQ(drawn.brush.kind, BrushKind::Solid);
        EXPECT_EQ(drawn.brush.colour, MakeColour(255, 255, 255));
    }
    // Pasted objects are outlined hollow.
    tool.outlineFillMode() = 0;
    dc.Clear();
    Click(tool, {3000, 3000});
    EXPECT_EQ(dc.RecordsOf(TCanvasRecord::Polygon)[1].brush.kind, BrushKind::Hollow);
}

TEST_F(SelectionMove, TheCursorStandsOnTheReferencePointAfterEachMove)
{
    AddLine(2000, 2000, 3000, 2000);
    SelectAndSetReference({2000, 2000});
    Click(tool, {2500, 2500});
    ASSERT_EQ(window.placed.size(), 1u);
    EXPECT_EQ(window.placed[0], Device(2500, 2500));
    Key(tool, VK_RIGHT, Device(2500, 2500));
    ASSERT_EQ(window.placed.size(), 2u);
    EXPECT_EQ(window.placed[1], Device(2505, 2500));
}

TEST_F(SelectionMove, ArrowKeysMoveOnePixelAtNormalSize)
{
    TLineobj& line = AddLine(2000, 2000, 3000, 2000);
    SelectAndSetReference({2000, 2000});
    TPoint cursor = Device(2000, 2000);
    tool.KeyDown(dc, client, VK_UP, cursor, 1);
    EXPECT_EQ(cursor, Device(2000, 2005));
    EXPECT_EQ(line.y1, 2005);
    cursor = Device(2000, 2005);
    tool.KeyDown(dc, client, VK_LEFT, cursor, 1);
    EXPECT_EQ(line.x1, 1995);
    tool.KeyDown(dc, client, VK_DOWN, cursor, 1);
    tool.KeyDown(dc, client, VK_RIGHT, cursor, 1);
    EXPECT_EQ(line.x1, 2000);
    EXPECT_EQ(line.y1, 2000);
}

TEST_F(SelectionMove, ZoomedInArrowKeysMoveByMorePixels)
{
    TLineobj& line = AddLine(2000, 2000, 3000, 2000);
    Drag(tool, {1000, 1000}, {4000, 4000});
    // Zoomed in twice: a logical unit is two pixels.
    state().viewExtX = 500;
    state().viewExtY = 350;
    state().unitsPerLogicalF = 2.5;
    SetupViewMapping(dc, client);
    const TPoint reference = dc.LPtoDP({400, 400});
    tool.LButtonDown(dc, client, reference.x, reference.y);
    TPoint cursor = reference;
    tool.KeyDown(dc, client, VK_RIGHT, cursor, 1);
    EXPECT_EQ(cursor.x, reference.x + 2);
    EXPECT_EQ(line.x1, 2005);
}

TEST_F(SelectionMove, KeysDoNothingBeforeTheReferencePointIsSet)
{
    TLineobj& line = AddLine(2000, 2000, 3000, 2000);
    Drag(tool, {1000, 1000}, {6000, 6000});
    TPoint cursor = Device(2000, 2000);
    tool.KeyDown(dc, client, VK_RIGHT, cursor, 1);
    tool.KeyDown(dc, client, VK_ADD, cursor, 1);
    EXPECT_EQ(line.x1, 2000);
    EXPECT_EQ(line.y2, 2000);
}

TEST_F(SelectionMove, EnterLocksTheMovedObjectsThroughOneEdit)
{
    TLineobj& line = AddLine(2000, 2000, 3000, 2000);
    AddLine(5500, 5500, 7000, 7000);  // not selected
    objects().WriteDrawing();
    SelectAndSetReference({2000, 2000});
    Click(tool, {2000, 3000});
    Click(tool, {2500, 3000});
    // Where the line was and where it is now.
    EXPECT_TRUE(tool.SelectionChanged());
    EXPECT_EQ(tool.ChangedArea(dc), (TModelBox{false, 2000, 2000, 3500, 3000}));

    const int edits = objects().EditCount();
    TDrawingEdit edit;
    tool.LockSelection(edit);
    EXPECT_TRUE(edit.Changed());
    EXPECT_EQ(edit.Area(), (TModelBox{false, 2500, 3000, 3500, 3000}));
    ASSERT_TRUE(edit.Commit());
    EXPECT_EQ(objects().EditCount(), edits + 1);
    EXPECT_FALSE(tool.SelectionChanged());
    EXPECT_TRUE(tool.ChangedArea(dc).empty);
    auto back = ReadBack();
    ASSERT_EQ(back.size(), 6u);
    EXPECT_EQ(back[4]->x1, 2500);
    EXPECT_EQ(back[4]->y1, 3000);
    EXPECT_EQ(back[5]->x1, 5500);
    EXPECT_EQ(line.x2, 3500);
}

TEST_F(SelectionMove, EnterWithoutAMoveChangesNothing)
{
    AddLine(2000, 2000, 3000, 2000);
    SelectAndSetReference({2000, 2000});
    TDrawingEdit edit;
    tool.LockSelection(edit);
    EXPECT_FALSE(edit.Changed());
    EXPECT_TRUE(tool.ChangedArea(dc).empty);
}

TEST_F(SelectionMove, AMoveCarryingAnyPointOfTheSelectionPastTheFileRangeIsRefusedWhole)
{
    // The range the drawing file stores: the int32 range, also measured from its centre.
    const TPoint centre = DrawingFileCentre(state().unitSystem);
    const std::int64_t highX = std::min<std::int64_t>(INT32_MAX, std::int64_t(INT32_MAX) + centre.x);
    const std::int64_t lowX = std::max<std::int64_t>(INT32_MIN, std::int64_t(INT32_MIN) + centre.x);
    const std::int64_t highY = std::min<std::int64_t>(INT32_MAX, std::int64_t(INT32_MAX) + centre.y);
    const std::int64_t lowY = std::max<std::int64_t>(INT32_MIN, std::int64_t(INT32_MIN) + centre.y);
    // One line holds the selection's lowest point in x and y, the other its highest.
    TLineobj& low = AddLine(1500, 1600, 2000, 1700);
    TLineobj& high = AddLine(4000, 5400, 5500, 5500);
    SelectAndSetReference({3000, 3000});
    // Targets of the reference point, multiples of 5, that carry the extreme point `from` just
    // inside the limit or 1 to 5 past it.
    auto inside = [](std::int64_t limit, int from, bool up) {
        const std::int64_t exact = 3000 + limit - from;
        return int(up ? exact - ((exact % 5) + 5) % 5 : exact + ((5 - exact % 5) % 5));
    };
    const int rightIn = inside(highX, 5500, true);
    const int leftIn = inside(lowX, 1500, false);
    const int upIn = inside(highY, 5500, true);
    const int downIn = inside(lowY, 1600, false);
    for (const TPoint past : {TPoint{rightIn + 5, 3000}, TPoint{leftIn - 5, 3000}, TPoint{3000, upIn + 5},
                              TPoint{3000, downIn - 5}}) {
        window.messages.clear();
        Click(tool, past);
        EXPECT_EQ(window.messages.size(), 1u) << past.x << " " << past.y;
        EXPECT_EQ(low.x1, 1500);
        EXPECT_EQ(low.y1, 1600);
        EXPECT_EQ(high.x2, 5500);
        EXPECT_EQ(high.y2, 5500);
    }
    // Up to the limits the selection moves whole.
    window.messages.clear();
    Click(tool, {rightIn, downIn});
    EXPECT_TRUE(window.messages.empty());
    EXPECT_EQ(high.x2, 5500 + rightIn - 3000);
    EXPECT_EQ(low.y1, 1600 + downIn - 3000);
    EXPECT_GT(std::int64_t(high.x2) + 5, highX);
    EXPECT_LT(std::int64_t(low.y1) - 5, lowY);
    // From there each step is measured from where the selection stands.
    Click(tool, {rightIn + 5, downIn});
    EXPECT_EQ(window.messages.size(), 1u);
    Click(tool, {rightIn - 5, downIn});
    EXPECT_EQ(window.messages.size(), 1u);
    EXPECT_EQ(high.x2, 5500 + rightIn - 5 - 3000);
    Click(tool, {rightIn - 5, downIn - 5});
    EXPECT_EQ(window.messages.size(), 2u);
    EXPECT_EQ(low.y1, 1600 + downIn - 3000);
}

TEST_F(SelectionMove, OnceTheListIsReadAgainTheSelectionIsLookedUpAfresh)
{
    TLineobj& first = AddLine(2000, 2000, 3000, 2000);
    AddLine(2000, 4000, 3000, 4000);
    SelectAndSetReference({2000, 2000});
    Click(tool, {2500, 2000});
    // The file, read again, holds both moved and the first line on another floor: the move starts
    // over from the reference point as set, and only the second line moves on.
    first.floor = FIRST_FLOOR;
    objects().WriteDrawing();
    objects().ReadDrawing();
    Click(tool, {2500, 2500});
    EXPECT_EQ(objects()[4]->x1, 2500);
    EXPECT_EQ(objects()[4]->y1, 2000);
    EXPECT_EQ(objects()[5]->x1, 3000);
    EXPECT_EQ(objects()[5]->y1, 4500);
    TDrawingEdit edit;
    tool.LockSelection(edit);
    EXPECT_EQ(edit.Area(), (TModelBox{false, 3000, 4500, 4000, 4500}));
}

TEST_F(SelectionMove, OnlyTheMoveToolTakesAReferencePoint)
{
    AddLine(2000, 2000, 3000, 2000);
    TMoveobjtool copy;
    copy.kind = KIND_COPY;
    Drag(copy, {1000, 1000}, {6000, 6000});
    Click(copy, {2000, 2000});
    EXPECT_EQ(copy.step, STEP_SELECTION_MADE);
}

TEST_F(SelectionMove, TheChangedAreaHoldsTheLettersOfATextWhereverTheyReach)
{
    TTextobj& text = AddText(2000, 2000, "ABCD");  // left-aligned, bottom: 500 x 250 above
    SelectAndSetReference({2000, 2000});
    Click(tool, {3000, 2000});
    EXPECT_EQ(text.x1, 3000);
    EXPECT_EQ(tool.ChangedArea(dc), (TModelBox{false, 2000, 2000, 3500, 2250}));
}

TEST_F(SelectionMove, AfterMovesAndATurnTheChangedAreaHoldsWhereTheSelectionStartedAndStands)
{
    // Moved 2000 up, turned a quarter about its start, moved 500 right: from (2000..3000, 2000)
    // to (2500, 3000..4000).
    TLineobj& line = AddLine(2000, 2000, 3000, 2000);
    SelectAndSetReference({2000, 2000});
    Click(tool, {2000, 4000});
    RightClick(tool, {2000, 4000}, 90);
    Click(tool, {2500, 4000});
    ASSERT_EQ((TModelBox{false, line.x1, line.y2, line.x2, line.y1}), (TModelBox{false, 2500, 3000, 2500, 4000}));
    EXPECT_EQ(tool.ChangedArea(dc), (TModelBox{false, 2000, 2000, 3000, 4000}));
}

TEST_F(SelectionMove, ABandLeftOnTheScreenIsTakenOff)
{
    Attach(tool);
    const TPoint from = Device(1000, 1000);
    const TPoint to = Device(2000, 2000);
    tool.LButtonDown(dc, client, from.x, from.y);
    tool.MouseMove(dc, client, to.x, to.y);
    ASSERT_TRUE(tool.BandShown());
    tool.TakeBandOff(dc, client);
    EXPECT_FALSE(tool.BandShown());
    const auto bands = dc.RecordsOf(TCanvasRecord::Rectangle);
    ASSERT_EQ(bands.size(), 2u);
    EXPECT_EQ(bands[1].box, bands[0].box);
    EXPECT_EQ(bands[1].rop, RasterOp::Xor);
}

TEST_F(SelectionMove, TheSelectionIsPaintedOnlyWhereTheWindowCanShowIt)
{
    // Across the edge of the window's upper-left quarter (device 0..500 x 0..350, model x below
    // 2500 and y above 1750), inside the window beyond that quarter, and beyond the window.
    AddLine(1000, 2000, 4000, 3000);
    AddText(2400, 2000, "KITCHEN");
    AddPolygon(150, {{2000, 1800}, {3000, 1800}, {3000, 2800}});
    AddBox<TCircleobj>(TYPE_CIRCLE, 2300, 2300, 2700, 2700);
    AddLine(3000, 500, 4000, 1000);
    AddLine(6000, 1000, 7000, 1000);
    OutlineProbe probe;
    Drag(probe, {100, 100}, {9000, 9000});
    const std::vector<int> indices = probe.SelectedIndices();
    ASSERT_EQ(indices.size(), 6u);

    // Beyond the window nothing is painted; the rest is, in list order.
    dc.Clear();
    SetupViewMapping(dc, client);
    probe.DrawSelectionOutlines(dc, indices, false);
    const auto lines = dc.RecordsOf(TCanvasRecord::Polyline);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[1].points, (std::vector<TPoint>{{600, 100}, {800, 200}}));
    EXPECT_EQ(dc.Count(TCanvasRecord::TextOut), 1);
    EXPECT_EQ(dc.Count(TCanvasRecord::Polygon), 1);
    EXPECT_EQ(dc.Count(TCanvasRecord::Ellipse), 1);

    // Painted on the quarter alone, in bands or not, the quarter's pixels are those of the whole
    // window painted; painted out again, the quarter is background once more.
    for (int bands : {1, 3}) {
        BandWorkers::ScopedLimit limit(bands);
        QImage whole = PlainImage(1000, 700, 0xFFFFFF);
        QImage quarter = whole.copy();
        {
            ImageCanvas canvas(whole);
            SetupViewMapping(canvas, client);
            probe.DrawSelectionOutlines(canvas, indices, false);
        }
        const TRect shown{0, 0, 500, 350};
        {
            ImageCanvas canvas(quarter);
            canvas.SetDeviceClip(shown);
            SetupViewMapping(canvas, client);
            probe.DrawSelectionOutlines(canvas, indices, false);
            canvas.Flush();
            EXPECT_EQ(quarter.copy(0, 0, 500, 350), whole.copy(0, 0, 500, 350)) << bands;
            EXPECT_NE(quarter.copy(0, 0, 500, 350), PlainImage(500, 350, 0xFFFFFF)) << bands;
            probe.DrawSelectionOutlines(canvas, indices, true);
        }
        EXPECT_EQ(quarter, PlainImage(1000, 700, 0xFFFFFF)) << bands;
    }
}

// Painting a dashed line out strokes it solid, taking off what shows in its gaps too (here a line
// left out of the selection, drawn along it); drawn at its new place, its gaps show what lies
// there (another line left out). A picture covers those gaps without showing them, so that a move
// by picture paints out and shows what a move object by object does.
TEST_F(SelectionMove, APictureCoversTheGapsOfADashedLineItPaintsOut)
{
    AddLine(1000, 1000, 3000, 1600).penStyle = PS_DASH;
    AddLine(2200, 1200, 2230, 3000);
    AddLine(400, 820, 3000, 1600);   // along the dashed line, from outside the selection
    AddLine(400, 1820, 3000, 2600);  // where the dashed line goes, from outside the selection
    objects().WriteDrawing();
    auto device = [&](TPoint model) { return ViewMapping(client).ToDevice(ModelToLogical(model)); };
    auto moveOnFloor = [&](int pictureSelection) {
        TMoveobjtool mover;
        SelectFromFile(mover, pictureSelection);
        EXPECT_EQ(mover.selectionCount(), 2);
        QImage image = PlainImage(1000, 700, 0xFFFFFF);
        ImageCanvas canvas(image);
        PaintFloor(canvas, client);
        for (const TPoint model : {TPoint{2000, 2000}, TPoint{2000, 3000}})
            ClickOn(mover, canvas, model);
        canvas.Flush();
        return image.copy();
    };
    const QImage byObject = moveOnFloor(1000);
    const QImage byPicture = moveOnFloor(1);
    EXPECT_EQ(CountDifferent(byPicture, byObject), 0);
    // Where the dashed line stood, the line along it is gone; where it stands, the other shows in
    // its gaps.
    auto dark = [](const QImage& image, TPoint from, TPoint to) {
        int count = 0;
        for (int y = std::min(from.y, to.y); y <= std::max(from.y, to.y); ++y)
            for (int x = std::min(from.x, to.x); x <= std::max(from.x, to.x); ++x)
                count += image.pixel(x, y) != qRgb(255, 255, 255) ? 1 : 0;
        return count;
    };
    EXPECT_EQ(dark(byObject, device({1100, 1030}), device({2900, 1570})), 0);
    const int shownLength = device({3000, 2600}).x - device({1000, 2000}).x;
    EXPECT_GT(dark(byObject, device({1000, 2000}), device({3000, 2600})), shownLength);
}

TEST_F(SelectionMove, ALargeSelectionMovesAsPicturesThatShowItsObjectsAndPaintOutExactly)
{
    // Lines plain and dashed, a thick line, a text, an arc, a circle, a rectangle and a filled
    // polygon, drawn on a white window and moved by clicks, nudges, a move past the pictures'
    // reach and a quarter turn; then painted out where they stand.
    AddLine(1000, 1000, 3000, 1600).penStyle = PS_DASH;
    AddLine(1200, 2500, 1900, 2500).penWidth = 3;
    AddLine(2200, 1200, 2230, 3000);
    AddText(1500, 2000, "KITCHEN");
    AddArc(2000, 2000, 2600, 2600, {2000, 2300}, {2600, 2300});
    AddBox<TCircleobj>(TYPE_CIRCLE, 2700, 1100, 3100, 1500);
    AddBox<TRectangleobj>(TYPE_RECTANGLE, 3200, 2000, 3700, 2300);
    AddPolygon(150, {{1100, 2700}, {1600, 2700}, {1400, 3100}});
    objects().WriteDrawing();

    auto device = [&](TPoint model) { return ViewMapping(client).ToDevice(ModelToLogical(model)); };
    TModelBox changedArea;
    auto moveOnImage = [&](int pictureSelection, QImage& moved, QImage& paintedOut) {
        TMoveobjtool mover;
        SelectFromFile(mover, pictureSelection);
        EXPECT_EQ(mover.selectionCount(), 8);
        QImage image = PlainImage(1000, 700, 0xFFFFFF);
        {
            ImageCanvas canvas(image);
            auto click = [&](TPoint model) { ClickOn(mover, canvas, model); };
            click({2000, 2000});
            click({2600, 1500});
            TPoint cursor = device({2600, 1500});
            for (int key : {VK_RIGHT, VK_RIGHT, VK_UP, VK_LEFT})
                mover.KeyDown(canvas, client, key, cursor, 1);
            click({4900, 1000});
            mover.rotationStep() = 90;
            TPoint centre = device({4000, 1500});
            mover.RButtonDown(canvas, client, centre);
            click({3000, 2500});
            click({3100, 2400});
            canvas.Flush();
            moved = image.copy();
            changedArea = mover.ChangedArea(canvas);
            const TPoint at = device({3100, 2400});
            mover.MoveSelectionStep(canvas, client, at.x, at.y);
        }
        paintedOut = image;
    };
    QImage byObject, byObjectOut, asPictures, asPicturesOut;
    const QImage white = PlainImage(1000, 700, 0xFFFFFF);
    // On one thread, and in three bands at once (the pictures' objects sorted by band).
    for (int bands : {1, 3}) {
        const BandWorkers::ScopedLimit limit(bands);
        moveOnImage(1000, byObject, byObjectOut);
        moveOnImage(1, asPictures, asPicturesOut);
        // Pictures change no pixel outside the window: the window, model (0, 0) to (5000, 3500),
        // is what Enter repaints.
        EXPECT_EQ(changedArea, (TModelBox{false, 0, 0, 5000, 3500}));
        EXPECT_NE(byObject, white);
        EXPECT_EQ(asPictures, byObject) << bands << " bands";
        EXPECT_EQ(byObjectOut, white);
        EXPECT_EQ(asPicturesOut, white) << bands << " bands";
    }

    // In a view between whole zooms (13 units shown on 10 pixels) a move is not whole pixels
    // for every point: each pixel of the pictures lies within a pixel of one drawn object by
    // object, and painting out still leaves the window white.
    state().viewExtX = 1300;
    state().viewExtY = 910;
    moveOnImage(1000, byObject, byObjectOut);
    moveOnImage(1, asPictures, asPicturesOut);
    EXPECT_NE(asPictures, byObject);
    auto nearDrawn = [](const QImage& image, int x, int y) {
        for (int v = std::max(y - 1, 0); v <= std::min(y + 1, image.height() - 1); ++v)
            for (int u = std::max(x - 1, 0); u <= std::min(x + 1, image.width() - 1); ++u)
                if (image.pixel(u, v) != qRgb(255, 255, 255))
                    return true;
        return false;
    };
    int far = 0;
    for (int y = 0; y < asPictures.height(); ++y)
        for (int x = 0; x < asPictures.width(); ++x)
            if (asPictures.pixel(x, y) != qRgb(255, 255, 255) && !nearDrawn(byObject, x, y))
                ++far;
    EXPECT_EQ(far, 0);
    EXPECT_EQ(asPicturesOut, white);
}

// The pictures of a large selection hold at most three window images of pixels together, in a
// wide window and in thin ones, after clicks, nudges and a move past their reach; Enter lets them go.
TEST_F(SelectionMove, ThePicturesOfALargeSelectionHoldAtMostThreeWindowImages)
{
    AddLine(1000, 1000, 3000, 1600);
    AddText(1500, 2000, "KITCHEN");
    AddBox<TCircleobj>(TYPE_CIRCLE, 2700, 1100, 3100, 1500);
    objects().WriteDrawing();
    for (const QSize size : {QSize(1000, 700), QSize(1000, 60), QSize(50, 700)}) {
        SCOPED_TRACE(size.width() * 10000 + size.height());
        objects().ReadDrawing();
        TMoveobjtool mover;
        mover.pictureSelection = 1;
        Drag(mover, {500, 500}, {4500, 3300});
        ASSERT_EQ(mover.selectionCount(), 3);
        const std::int64_t window = std::int64_t(size.width()) * size.height();
        QImage image = PlainImage(size.width(), size.height(), 0xFFFFFF);
        ImageCanvas canvas(image);
        auto held = [&] { return ImageCanvas::PicturePixels(); };
        auto device = [&](TPoint model) { return ViewMapping(client).ToDevice(ModelToLogical(model)); };
        auto click = [&](TPoint model) {
            TPoint at = device(model);
            mover.LButtonDown(canvas, client, at.x, at.y);
            mover.LButtonUp(canvas, client, at);
        };
        click({25, 3475});
        click({30, 3470});
        EXPECT_GT(held(), 0);
        EXPECT_LE(held(), 3 * window);
        TPoint cursor = device({30, 3470});
        for (int key : {VK_RIGHT, VK_DOWN, VK_RIGHT}) {
            mover.KeyDown(canvas, client, key, cursor, 1);
            EXPECT_GT(held(), 0);
            EXPECT_LE(held(), 3 * window);
        }
        click({4900, 100});
        EXPECT_GT(held(), 0);
        EXPECT_LE(held(), 3 * window);
        TDrawingEdit edit;
        mover.LockSelection(edit);
        EXPECT_EQ(held(), 0);
    }
}

}  // namespace
