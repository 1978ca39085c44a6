#include "model/planpainter.h"

#include "model/arcobj.h"
#include "model/arrowobj.h"
#include "model/circleobj.h"
#include "model/extwallobj.h"
#include "model/infoobj.h"
#include "model/intwallobj.h"
#include "model/lineobj.h"
#include "model/polyobj.h"
#include "model/rndrectobj.h"
#include "model/roomobj.h"
#include "model/textobj.h"
#include "model/typecodes.h"
#include "model/viewmapping.h"
#include "platform/recordingcanvas.h"
#include "tests/model/modelfixture.h"

namespace {

const TRect CLIENT{0, 0, 1000, 700};

TLineobj* Line(int floorCode, int x1, int y1, int x2, int y2, TColor colour = 0, int type = 1)
{
    auto* line = new TLineobj(type);
    line->floor = floorCode;
    line->x1 = x1;
    line->y1 = y1;
    line->x2 = x2;
    line->y2 = y2;
    line->colour = int32_t(colour);
    return line;
}

TTextobj* Text(int floorCode, int x, int y, const std::string& text, int alignment, int escapement, int type = 4)
{
    auto* t = new TTextobj(type);
    t->floor = floorCode;
    t->x1 = x;
    t->y1 = y;
    t->SetText(text);
    t->SetFaceName("Arial");
    t->alignment = alignment;
    t->escapement = escapement;
    t->fontHeight = 10;
    t->fontWeight = 400;
    return t;
}

// A two-line external wall along +x, its line 1 300 below.
TExtwallobj* ExtWall(int floorCode, int x1, int x2, int y)
{
    auto* wall = new TExtwallobj;
    wall->floor = floorCode;
    wall->x1 = x1;
    wall->y1 = y;
    wall->x2 = x2;
    wall->y2 = y;
    wall->spacing1 = 300;
    wall->angle = 900;
    wall->wallLines = {x1, y - 300, x2, y - 300};
    wall->colour = int32_t(MakeColour(0, 0, 128));
    wall->wallColour1 = int32_t(MakeColour(200, 0, 0));
    wall->wallColour2 = int32_t(MakeColour(0, 200, 0));
    return wall;
}

std::vector<TPoint> Segment(int x1, int y1, int x2, int y2) { return {{x1, y1}, {x2, y2}}; }

}  // namespace

class PlanPainter : public ModelTest {
protected:
    void SetUp() override
    {
        ModelTest::SetUp();
        state().unitsPerLogical = 5;
        state().currentFloor = 50;
        state().displayMode = 0;
        state().currentFillColour = MakeColour(255, 255, 255);
    }

    std::vector<TCanvasRecord> Paint(TPlanCulling culling = TPlanCulling::On)
    {
        canvas.Clear();
        const int floorCode = state().currentFloor;  // 1000 higher while printing
        PaintFloor(canvas, CLIENT, objects(), floorCode >= 1000 ? floorCode - 1000 : floorCode, culling);
        return canvas.Records();
    }

    RecordingCanvas canvas;
};

TEST_F(PlanPainter, PaintsTheFloorsObjectsOnlyInListOrderWithTheirOwnPens)
{
    objects().Add(new TInfoobj(32000));
    objects().Add(Line(50, 1000, 2000, 3000, 2000, MakeColour(255, 0, 0)));
    objects().Add(Line(51, 0, 0, 5000, 5000));
    auto* thick = Line(50, 500, 500, 500, 1500, MakeColour(0, 0, 255));
    thick->penWidth = 2;
    thick->penStyle = PS_DASH;
    objects().Add(thick);

    const auto records = Paint();
    ASSERT_EQ(records.size(), 2u);
    EXPECT_EQ(records[0].kind, TCanvasRecord::Polyline);
    EXPECT_EQ(records[0].points, Segment(200, 400, 600, 400));
    EXPECT_EQ(records[0].pen, (TPen{MakeColour(255, 0, 0), 1, PS_SOLID}));
    EXPECT_EQ(records[0].mapping, ViewMapping(CLIENT));
    EXPECT_EQ(records[1].points, Segment(100, 100, 100, 300));
    EXPECT_EQ(records[1].pen, (TPen{MakeColour(0, 0, 255), 2, PS_DASH}));

    // While a floor is printed, its code is 1000 higher; the print line factor widens the pen.
    state().currentFloor = 1051;
    state().printLineFactor = 3;
    const auto printed = Paint();
    ASSERT_EQ(printed.size(), 1u);
    EXPECT_EQ(printed[0].points, Segment(0, 0, 1000, 1000));
    EXPECT_EQ(printed[0].pen.width, 3);
}

TEST_F(PlanPainter, CoordinatesAreModelUnitsDividedByTheScaleTruncated)
{
    state().unitsPerLogical = 10;
    objects().Add(Line(50, -19, 29, 1999, -1001));
    const auto records = Paint();
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(records[0].points, Segment(-1, 2, 199, -100));
}

TEST_F(PlanPainter, DrawsEveryFigureByItsRule)
{
    auto* arc = new TArcobj;
    arc->floor = 50;
    arc->x1 = 1000;
    arc->y1 = 1000;
    arc->x2 = 2000;
    arc->y2 = 2000;
    arc->arcStartX = 2000;
    arc->arcStartY = 1500;
    arc->arcEndX = 1500;
    arc->arcEndY = 2000;
    objects().Add(arc);

    auto* circle = new TCircleobj;
    circle->floor = 50;
    circle->x2 = 500;
    circle->y2 = 500;
    objects().Add(circle);

    auto* rounded = new TRndrectobj;
    rounded->floor = 50;
    rounded->x2 = 1000;
    rounded->y2 = 500;
    rounded->cornerRounding = 52;
    objects().Add(rounded);

    auto* arrow = new TArrowobj(26000);
    arrow->floor = 50;
    arrow->x1 = 100;
    arrow->y1 = 100;
    arrow->x2 = 1100;
    arrow->y2 = 100;
    arrow->barb1 = {200, 150};
    arrow->barb2 = {200, 50};
    arrow->tickA = {100, 200};
    arrow->tickB = {100, 0};
    objects().Add(arrow);

    auto* opening = new TPolyobj(100);
    opening->floor = 50;
    opening->vertexCount = 3;
    opening->vertexX = {0, 500, 500};
    opening->vertexY = {0, 0, 500};
    opening->fillColour = int32_t(MakeColour(255, 255, 255));
    objects().Add(opening);
    auto* outline = static_cast<TPolyobj*>(opening->Clone().release());
    outline->typeCode = 200;
    objects().Add(outline);

    const auto records = Paint();
    ASSERT_EQ(records.size(), 9u);
    EXPECT_EQ(records[0].kind, TCanvasRecord::Arc);
    EXPECT_EQ(records[0].box, (TRect{200, 200, 400, 400}));
    EXPECT_EQ(records[0].start, (TPoint{400, 300}));
    EXPECT_EQ(records[0].end, (TPoint{300, 400}));
    EXPECT_EQ(records[1].kind, TCanvasRecord::Ellipse);
    EXPECT_EQ(records[1].box, (TRect{0, 0, 100, 100}));
    EXPECT_EQ(records[1].brush.kind, BrushKind::Hollow);
    EXPECT_EQ(records[2].kind, TCanvasRecord::RoundRect);
    EXPECT_EQ(records[2].corner, (TPoint{20, 20}));  // 2 x 52 / 5
    EXPECT_EQ(records[2].brush.kind, BrushKind::Hollow);
    // The arrow: shaft, both barbs from the tip, and the tick.
    EXPECT_EQ(records[3].points, Segment(20, 20, 220, 20));
    EXPECT_EQ(records[4].points, Segment(20, 20, 40, 30));
    EXPECT_EQ(records[5].points, Segment(20, 20, 40, 10));
    EXPECT_EQ(records[6].points, Segment(20, 40, 20, 0));
    // An opening polygon is filled with its fill colour; another polygon is not.
    EXPECT_EQ(records[7].kind, TCanvasRecord::Polygon);
    EXPECT_EQ(records[7].points, (std::vector<TPoint>{{0, 0}, {100, 0}, {100, 100}}));
    EXPECT_EQ(records[7].brush.kind, BrushKind::Solid);
    EXPECT_EQ(records[7].brush.colour, MakeColour(255, 255, 255));
    EXPECT_EQ(records[8].brush.kind, BrushKind::Hollow);
}

TEST_F(PlanPainter, TextsHonourHeightEscapementWeightAndAlignment)
{
    const struct {
        int alignment;
        int escapement;
        unsigned expected;
    } cases[] = {
        {1, 0, TA_CENTER | TA_BOTTOM}, {1, 2700, TA_LEFT | TA_BOTTOM}, {2, 900, TA_LEFT | TA_BOTTOM},
        {3, 0, TA_LEFT | TA_BOTTOM},   {4, 0, TA_CENTER | TA_TOP},     {4, 2700, TA_CENTER | TA_TOP},
        {5, 0, TA_LEFT | TA_TOP},      {6, 0, TA_CENTER | TA_BOTTOM},  {6, 2700, TA_CENTER | TA_BOTTOM},
    };
    for (const auto& c : cases) {
        objects().Clear();
        auto* text = Text(50, 1000, 2000, "4000", c.alignment, c.escapement);
        text->colour = int32_t(MakeColour(0, 128, 0));
        objects().Add(text);
        const auto records = Paint();
        ASSERT_EQ(records.size(), 1u);
        EXPECT_EQ(records[0].kind, TCanvasRecord::TextOut);
        EXPECT_EQ(records[0].align, c.expected) << c.alignment << " " << c.escapement;
        EXPECT_EQ(records[0].font.escapement, c.escapement);
        EXPECT_EQ(records[0].font.height, 50);  // 10 points x 5
        EXPECT_EQ(records[0].font.face, "Arial");
        EXPECT_EQ(records[0].font.weight, 400);
        EXPECT_EQ(records[0].textColour, MakeColour(0, 128, 0));
        EXPECT_EQ(records[0].points, (std::vector<TPoint>{{200, 400}}));
        EXPECT_EQ(records[0].text, "4000");
    }

    // Alignment 1 at another angle leaves the alignment as it was; 500 and more draws bold.
    objects().Clear();
    auto* bold = Text(50, 0, 0, "Bold", 1, 450);
    bold->fontWeight = 500;
    objects().Add(bold);
    canvas.SetTextAlign(TA_RIGHT);
    auto records = Paint();
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(records[0].align, unsigned(TA_RIGHT));
    EXPECT_EQ(records[0].font.weight, 700);
    EXPECT_EQ(canvas.TextAlignFlags(), unsigned(TA_RIGHT));

    // Highlighted, the text takes the highlight colour.
    canvas.Clear();
    state().highlightColour = MakeColour(255, 0, 0);
    objects()[0]->DrawMapped(canvas, CLIENT, 1);
    EXPECT_EQ(canvas.Records()[0].textColour, MakeColour(255, 0, 0));
}

TEST_F(PlanPainter, WallsShowTheirLinesAndTheDisplayModesWallStyle)
{
    objects().Add(ExtWall(50, 1000, 6000, 5000));
    auto* cavity = ExtWall(50, 0, 1000, 0);
    cavity->spacing2 = 50;
    cavity->spacing3 = 100;
    cavity->wallLines = {0, -300, 1000, -300, 0, -350, 1000, -350, 0, -450, 1000, -450};
    objects().Add(cavity);
    auto* inner = new TIntwallobj;
    inner->floor = 50;
    inner->x1 = 3000;
    inner->y1 = 0;
    inner->x2 = 3000;
    inner->y2 = 4700;
    inner->face2StartX = 3100;
    inner->face2StartY = 0;
    inner->face2EndX = 3100;
    inner->face2EndY = 4700;
    inner->wallColour1 = int32_t(MakeColour(1, 2, 3));
    inner->wallColour2 = int32_t(MakeColour(4, 5, 6));
    objects().Add(inner);

    auto records = Paint(TPlanCulling::Off);
    ASSERT_EQ(records.size(), 2u + 4u + 2u);
    EXPECT_EQ(records[0].points, Segment(200, 1000, 1200, 1000));
    EXPECT_EQ(records[1].points, Segment(200, 940, 1200, 940));
    EXPECT_EQ(records[0].pen.colour, MakeColour(0, 0, 128));
    EXPECT_EQ(records[5].points, Segment(0, -90, 200, -90));  // the cavity wall's line 3
    EXPECT_EQ(records[6].points, Segment(600, 0, 600, 940));
    EXPECT_EQ(records[7].points, Segment(620, 0, 620, 940));
    for (const auto& record : records)
        EXPECT_EQ(record.kind, TCanvasRecord::Polyline);

    // Cross-hatched: the space between outer and inner lines hatched in the first wall colour,
    // under the lines and without an outline.
    state().displayMode = 10;
    records = Paint(TPlanCulling::Off);
    ASSERT_EQ(records.size(), 3u + 5u + 3u);
    EXPECT_EQ(records[0].kind, TCanvasRecord::Polygon);
    EXPECT_EQ(records[0].points, (std::vector<TPoint>{{200, 1000}, {1200, 1000}, {1200, 940}, {200, 940}}));
    EXPECT_EQ(records[0].brush.kind, BrushKind::Hatched);
    EXPECT_EQ(records[0].brush.colour, MakeColour(200, 0, 0));
    EXPECT_EQ(records[0].pen.style, PS_NULL);
    EXPECT_EQ(records[1].kind, TCanvasRecord::Polyline);
    EXPECT_EQ(records[3].points, (std::vector<TPoint>{{0, 0}, {200, 0}, {200, -90}, {0, -90}}));
    EXPECT_EQ(records[8].points, (std::vector<TPoint>{{600, 0}, {600, 940}, {620, 940}, {620, 0}}));
    EXPECT_EQ(records[8].brush.colour, MakeColour(1, 2, 3));

    // Solid, with dimensions hidden: filled in the second wall colour.
    state().displayMode = 21;
    records = Paint(TPlanCulling::Off);
    ASSERT_EQ(records.size(), 11u);
    EXPECT_EQ(records[0].brush.kind, BrushKind::Solid);
    EXPECT_EQ(records[0].brush.colour, MakeColour(0, 200, 0));
    EXPECT_EQ(records[8].brush.colour, MakeColour(4, 5, 6));
}

TEST_F(PlanPainter, DimensionsAreLeftOutWhenTheDisplayModeSaysSo)
{
    auto* dimension = new TArrowobj(25000);
    dimension->floor = 50;
    objects().Add(dimension);
    objects().Add(Text(50, 0, 0, "3000", 6, 0, 34));
    auto* manual = new TArrowobj(26000);
    manual->floor = 50;
    objects().Add(manual);
    objects().Add(Text(50, 0, 0, "label", 6, 0, 35));

    auto texts = [&] {
        std::vector<std::string> shown;
        for (const auto& record : Paint())
            if (record.kind == TCanvasRecord::TextOut)
                shown.push_back(record.text);
        return shown;
    };
    for (int mode : {0, 2, 4, 10, 12, 20, 22, 24}) {
        state().displayMode = mode;
        EXPECT_EQ(Paint().size(), 4u + 4u + 2u) << mode;
        EXPECT_EQ(texts(), (std::vector<std::string>{"3000", "label"})) << mode;
    }
    for (int mode : {1, 3, 11, 13, 21, 23}) {
        state().displayMode = mode;
        EXPECT_EQ(Paint().size(), 4u + 1u) << mode;
        EXPECT_EQ(texts(), (std::vector<std::string>{"label"})) << mode;
    }
}

TEST_F(PlanPainter, OverlayFloorsGoUnderneathInALighterColour)
{
    state().currentFloor = 51;
    objects().Add(Line(50, 0, 0, 1000, 0, MakeColour(0, 0, 0)));
    objects().Add(Line(51, 0, 500, 1000, 500, MakeColour(200, 100, 0)));
    objects().Add(Line(52, 0, 1000, 1000, 1000, MakeColour(0, 0, 0)));
    objects().Add(Line(53, 0, 1500, 1000, 1500, MakeColour(100, 0, 0)));
    auto* dimension = new TArrowobj(25000);
    dimension->floor = 50;
    objects().Add(dimension);
    objects().Add(new TInfoobj(32000));
    auto* wide = Line(50, 0, 2000, 1000, 2000, MakeColour(0, 0, 0));
    wide->penWidth = 2;
    objects().Add(wide);
    WriteWholeFile(Cfg("OVERLAY.CFG"), "1 1 0 1 0");

    auto ys = [](const std::vector<TCanvasRecord>& records) {
        std::vector<int> result;
        for (const auto& record : records)
            result.push_back(record.points.at(0).y);
        return result;
    };

    // A single floor: the overlay choice plays no part.
    state().displayMode = 0;
    EXPECT_EQ(ys(Paint()), (std::vector<int>{100}));

    for (int mode : {2, 3, 4, 12, 23}) {
        state().displayMode = mode;
        const auto records = Paint();
        // Floors 50, 52 and 53 in list order (without their automatic dimensions), then floor 51.
        ASSERT_EQ(ys(records), (std::vector<int>{0, 200, 300, 400, 100})) << mode;
        const TColor grey = MakeColour(127, 127, 127);
        EXPECT_EQ(records[0].pen, (TPen{grey, 1, PS_SOLID}));
        EXPECT_EQ(records[1].pen.colour, grey);
        EXPECT_EQ(records[2].pen.colour, MakeColour(177, 127, 127));
        EXPECT_EQ(records[3].pen, (TPen{grey, 2, PS_SOLID}));
        EXPECT_EQ(records[4].pen.colour, MakeColour(200, 100, 0));
        EXPECT_EQ(records[0].mapping, ViewMapping(CLIENT));
    }

    WriteWholeFile(Cfg("OVERLAY.CFG"), "0 0 1 0 0");
    state().displayMode = 2;
    EXPECT_EQ(ys(Paint()), (std::vector<int>{100}));
    WriteWholeFile(Cfg("OVERLAY.CFG"), "0 0 0 1 0");
    EXPECT_EQ(ys(Paint()), (std::vector<int>{200, 100}));
}

TEST_F(PlanPainter, ADesignRoomIsFilledAndLabelled)
{
    auto* room = new TRoomobj;
    room->floor = 50;
    room->x1 = 1000;
    room->y1 = 4000;
    room->x2 = 5000;
    room->y2 = 1000;
    room->fillColour = int32_t(MakeColour(0, 0, 255));
    room->textPointSize = 9;
    room->SetRoomName("KITCHEN");
    room->SetSizeText1("4000");
    room->SetSizeText2("3000");
    room->sizeDisplay = 2;
    objects().Add(room);
    state().currentFontFace = "Arial";

    const auto records = Paint();
    ASSERT_EQ(records.size(), 4u);
    EXPECT_EQ(records[0].kind, TCanvasRecord::Rectangle);
    EXPECT_EQ(records[0].box, (TRect{200, 800, 1000, 200}));
    EXPECT_EQ(records[0].brush, (TBrush{BrushKind::Solid, MakeColour(0, 0, 255), HS_DIAGCROSS}));
    EXPECT_EQ(records[1].text, "KITCHEN");
    EXPECT_EQ(records[1].points.at(0), (TPoint{600, 500}));
    EXPECT_EQ(records[1].font.height, 45);
    EXPECT_EQ(records[2].text, "4000");
    EXPECT_EQ(records[3].text, "3000");
    EXPECT_EQ(records[3].font.escapement, 2700);

    room->sizeDisplay = 1;
    room->SetRoomName("none");
    const auto below = Paint();
    ASSERT_EQ(below.size(), 2u);
    EXPECT_EQ(below[1].text, "4000 x 3000");
}

TEST_F(PlanPainter, TheDrawingOperationsShareOneFigure)
{
    TRndrectobj rounded;
    rounded.x2 = 1000;
    rounded.y2 = 500;
    rounded.cornerRounding = 100;
    rounded.colour = int32_t(MakeColour(9, 9, 9));

    // Draw uses the pen in the device context and the drawing scale.
    canvas.SelectPen({MakeColour(1, 1, 1), 3, PS_DOT});
    rounded.Draw(canvas);
    rounded.DrawSolid(canvas);
    rounded.DrawHatched(canvas);
    rounded.DrawWithPen(canvas, {MakeColour(2, 2, 2), 1, PS_SOLID});
    rounded.DrawScaled(canvas, 10);
    rounded.DrawSolidScaled(canvas, 10);
    rounded.DrawHatchedScaled(canvas, 0);  // a scale of 0 draws at 1
    const auto records = canvas.Records();
    ASSERT_EQ(records.size(), 7u);
    EXPECT_EQ(records[0].box, (TRect{0, 0, 200, 100}));
    EXPECT_EQ(records[0].pen, (TPen{MakeColour(1, 1, 1), 3, PS_DOT}));
    EXPECT_EQ(records[0].brush.kind, BrushKind::Hollow);
    EXPECT_EQ(records[1].brush, (TBrush{BrushKind::Solid, MakeColour(1, 1, 1), HS_DIAGCROSS}));
    EXPECT_EQ(records[2].brush, (TBrush{BrushKind::Hatched, MakeColour(1, 1, 1), HS_DIAGCROSS}));
    EXPECT_EQ(records[3].pen.colour, MakeColour(2, 2, 2));
    EXPECT_EQ(records[4].box, (TRect{0, 0, 100, 50}));
    EXPECT_EQ(records[4].corner, (TPoint{20, 20}));
    EXPECT_EQ(records[5].brush.kind, BrushKind::Solid);
    EXPECT_EQ(records[6].box, (TRect{0, 0, 1000, 500}));
    EXPECT_EQ(records[6].brush.kind, BrushKind::Hatched);
    // Every operation leaves the device context's pen and brush as it found them.
    EXPECT_EQ(canvas.Pen(), (TPen{MakeColour(1, 1, 1), 3, PS_DOT}));
    EXPECT_EQ(canvas.Brush().kind, BrushKind::Hollow);

    // DrawMapped: the view mapping and the object's own pen.
    canvas.Clear();
    rounded.penWidth = 2;
    rounded.DrawMapped(canvas, CLIENT, 0);
    EXPECT_EQ(canvas.Records().at(0).pen, (TPen{MakeColour(9, 9, 9), 2, PS_SOLID}));
    EXPECT_EQ(canvas.Records().at(0).mapping, ViewMapping(CLIENT));
    EXPECT_EQ(canvas.Pen(), (TPen{MakeColour(1, 1, 1), 3, PS_DOT}));
}

TEST_F(PlanPainter, DeviceToLogicalUndoesTheViewMapping)
{
    state().viewExtX = 1000;
    state().viewExtY = 700;
    state().viewOrgX = 100;
    state().viewOrgY = 50;
    int x = 0;
    int y = 0;
    DeviceToLogical(canvas, CLIENT, 0, 700, x, y);
    EXPECT_EQ(x, 100);
    EXPECT_EQ(y, 50);
    DeviceToLogical(canvas, CLIENT, 500, 200, x, y);
    EXPECT_EQ(x, 600);
    EXPECT_EQ(y, 550);
    EXPECT_EQ(canvas.Mapping(), ViewMapping(CLIENT));
    // A window with no area yet still converts.
    DeviceToLogical(canvas, TRect{}, 0, 0, x, y);
}
