// The opening builder: the polygon cut into the wall, the cill, the opening line and the size label,
// on walls along the axes and on angled walls.
#include "openings/openinglabel.h"
#include "tests/openings/openingfixture.h"

namespace {

using Builder = OpeningTest;

std::vector<TPoint> Points(std::initializer_list<TPoint> points)
{
    return points;
}

}  // namespace

// ---------------------------------------------------------------------------------------------
// Polygon, cill and opening line.

TEST_F(Builder, WindowInAWallDrawnTowardsPlusX)
{
    Marked(FACE_PLUS_X, 3000, 6000, 300, 900, OPENING_WINDOW);
    tool.headLevel = 2100;
    tool.openingHeight = 1200;
    const int first = Build();

    auto polygons = From<TPolyobj>(first);
    ASSERT_EQ(polygons.size(), 1u);
    const TPolyobj& polygon = *polygons[0];
    EXPECT_EQ(polygon.typeCode, TYPE_OPENING_POLYGON);
    EXPECT_EQ(Corners(polygon), Points({{3450, 6000}, {2550, 6000}, {2550, 5700}, {3450, 5700}}));
    EXPECT_EQ(polygon.ownerId, 7);
    EXPECT_EQ(polygon.groupId, 10042);
    EXPECT_EQ(polygon.fillColour, std::int32_t(state().currentFillColour));
    EXPECT_EQ(polygon.colour, std::int32_t(state().currentColour));
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(polygon.vertexZ[std::size_t(i)], 900);
    EXPECT_EQ(polygon.vertexZ[4], 0);
    EXPECT_EQ(Ends(polygon), (Line{0, 0, 0, 0}));

    auto lines = From<TLineobj>(first);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0]->typeCode, TYPE_OPENING_LINE);
    EXPECT_EQ(Ends(*lines[0]), (Line{3450, 5850, 2550, 5850}));
    EXPECT_EQ(lines[0]->z1, 2100);
    EXPECT_EQ(lines[0]->z2, 2100);
    EXPECT_EQ(lines[0]->ownerId, 7);
    EXPECT_EQ(lines[0]->groupId, 10042);
    EXPECT_EQ(lines[0]->lineAux1, 0);
    // Every object was drawn at once: the polygon filled, the line.
    EXPECT_EQ(dc.Count(TCanvasRecord::Polygon), 1);
    EXPECT_EQ(dc.Count(TCanvasRecord::Polyline), 1);
    // The tool is left ready for the door builders.
    EXPECT_EQ(tool.kind, KIND_LINE);
    EXPECT_EQ(Ends(tool), (Line{3450, 6000, 2550, 5700}));
}

TEST_F(Builder, CillReachesAQuarterOfTheThicknessBeyondTheOuterFace)
{
    Marked(FACE_PLUS_X, 3000, 6000, 300, 900, OPENING_WINDOW);
    tool.showCill = 1;
    const int first = Build();
    EXPECT_EQ(Corners(*From<TPolyobj>(first)[0]), Points({{3450, 6075}, {2550, 6075}, {2550, 5700}, {3450, 5700}}));
    // The opening line stays at half the thickness.
    EXPECT_EQ(Ends(*From<TLineobj>(first)[0]), (Line{3450, 5850, 2550, 5850}));
}

TEST_F(Builder, GarageDoorLineAtAThirdAndNoCill)
{
    Marked(FACE_PLUS_X, 3000, 6000, 300, 900, OPENING_GARAGE);
    tool.showCill = 1;
    const int first = Build();
    EXPECT_EQ(Corners(*From<TPolyobj>(first)[0]), Points({{3450, 6000}, {2550, 6000}, {2550, 5700}, {3450, 5700}}));
    EXPECT_EQ(Ends(*From<TLineobj>(first)[0]), (Line{3450, 5900, 2550, 5900}));
}

TEST_F(Builder, OpeningTypesAndTheirLinesAndCills)
{
    struct Case {
        int type;
        bool line;
        bool cill;
    };
    const Case cases[] = {{1, true, true},   {2, true, true},   {3, false, true},  {4, false, true},
                          {5, false, true},  {9, true, false},  {11, true, true},  {12, true, true},
                          {15, false, true}, {19, true, false}, {18, false, true}, {10, false, true},
                          {20, false, false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.type);
        Marked(FACE_MINUS_X, 3000, 6000, 300, 900, c.type);
        tool.showCill = 1;
        WriteCfg("ENTRY.CFG", "900 0 0 2 0 x n n");  // entry doors without frame lines
        const int first = Build();
        const TPolyobj& polygon = *From<TPolyobj>(first)[0];
        EXPECT_EQ(polygon.vertexY[0], c.cill ? 5925 : 6000);
        const auto lines = From<TLineobj>(first);
        const bool hasOpeningLine = !lines.empty() && lines[0]->typeCode == TYPE_OPENING_LINE && lines[0]->z1 == 0 &&
                                    lines[0]->y1 == lines[0]->y2 && lines[0]->x1 != lines[0]->x2 &&
                                    lines[0]->ownerId == 7;
        if (c.line)
            EXPECT_TRUE(hasOpeningLine);
        else
            EXPECT_TRUE(lines.empty() || Ends(*lines[0])[0] == Ends(*lines[0])[2]);
    }
}

TEST_F(Builder, VerticalWallsRunTheOpeningAlongY)
{
    // Face -4 (drawn towards +y): inside towards +x; the middle point is marked.
    Marked(FACE_PLUS_Y, 2000, 5000, 300, 1000, OPENING_WINDOW);
    int first = Build();
    EXPECT_EQ(Corners(*From<TPolyobj>(first)[0]), Points({{2000, 4500}, {2000, 5500}, {2300, 5500}, {2300, 4500}}));
    EXPECT_EQ(Ends(*From<TLineobj>(first)[0]), (Line{2150, 4500, 2150, 5500}));

    // Face -2 (drawn towards -y): inside towards -x.
    Marked(FACE_MINUS_Y, 2000, 5000, 300, 1000, OPENING_WINDOW);
    tool.showCill = 1;
    first = Build();
    EXPECT_EQ(Corners(*From<TPolyobj>(first)[0]), Points({{2075, 4500}, {2075, 5500}, {1700, 5500}, {1700, 4500}}));
    EXPECT_EQ(Ends(*From<TLineobj>(first)[0]), (Line{1850, 4500, 1850, 5500}));
}

TEST_F(Builder, SingleDoorRunsFromItsHingeTowardsItsCode)
{
    WriteCfg("WIND.CFG", "6 900 2100 0 1 9 0 0");
    Marked(FACE_PLUS_X, 3000, 6000, 300, 900, OPENING_SINGLE_DOOR, 7);
    tool.showSizes = 1;
    int first = Build();
    EXPECT_EQ(Corners(*From<TPolyobj>(first)[0]), Points({{3000, 6000}, {2100, 6000}, {2100, 5700}, {3000, 5700}}));
    // No opening line and no size label; the face lines, the leaf and its arc follow.
    EXPECT_TRUE(From<TTextobj>(first).empty());
    for (const TLineobj* line : From<TLineobj>(first))
        EXPECT_EQ(line->x1, line->x2);  // across the wall or the leaf, never along it
    EXPECT_EQ(From<TArcobj>(first).size(), 1u);

    Marked(FACE_PLUS_X, 3000, 6000, 300, 900, OPENING_SINGLE_DOOR, 5);
    first = Build();
    EXPECT_EQ(Corners(*From<TPolyobj>(first)[0]), Points({{3000, 6000}, {3900, 6000}, {3900, 5700}, {3000, 5700}}));

    // On a vertical wall codes 1 and 3 run down from the hinge, 2 and 4 up.
    Marked(FACE_PLUS_Y, 2000, 5000, 300, 900, OPENING_SINGLE_DOOR, 3);
    first = Build();
    EXPECT_EQ(Corners(*From<TPolyobj>(first)[0]), Points({{2000, 5000}, {2000, 4100}, {2300, 4100}, {2300, 5000}}));
    Marked(FACE_PLUS_Y, 2000, 5000, 300, 900, OPENING_SINGLE_DOOR, 4);
    first = Build();
    EXPECT_EQ(Corners(*From<TPolyobj>(first)[0]), Points({{2000, 5000}, {2000, 5900}, {2300, 5900}, {2300, 5000}}));
}

// ---------------------------------------------------------------------------------------------
// Size labels.

TEST_F(Builder, MetricLabelAboveTheOuterFace)
{
    Opening(1, 1200, 1050, 1, 0, 7);
    Marked(FACE_PLUS_X, 3000, 6000, 300, 1200, OPENING_WINDOW);
    tool.showSizes = 1;
    int first = Build();
    auto labels = From<TTextobj>(first);
    ASSERT_EQ(labels.size(), 1u);
    const TTextobj& label = *labels[0];
    EXPECT_EQ(label.typeCode, TYPE_LABEL_TEXT);
    EXPECT_EQ(label.text, "1200 w x 1050 h");
    EXPECT_EQ(label.textLength, 15);
    EXPECT_EQ(label.x1, 3000);
    EXPECT_EQ(label.y1, 6050);
    EXPECT_EQ(label.x2, 900);
    EXPECT_EQ(label.escapement, 0);
    EXPECT_EQ(label.alignment, 6);
    EXPECT_EQ(label.fontHeight, 7);
    EXPECT_EQ(label.fontWeight, 400);
    EXPECT_EQ(label.faceName, "Arial");
    EXPECT_EQ(label.ownerId, 0);
    EXPECT_EQ(label.groupId, 10042);
    EXPECT_EQ(dc.Count(TCanvasRecord::TextOut), 1);

    // With the cill the label stands twice as far out.
    Opening(1, 1200, 1050, 1, 1, 9);
    first = Build();
    EXPECT_EQ(From<TTextobj>(first)[0]->y1, 6100);
    EXPECT_EQ(From<TTextobj>(first)[0]->fontHeight, 9);
}

TEST_F(Builder, LabelPlacesOnEveryFace)
{
    TDerivedPoints points;
    struct Case {
        int side, x, y, escapement, alignment, direction;
    };
    const Case cases[] = {{FACE_PLUS_X, 3000, 6050, 0, 6, 900},
                          {FACE_MINUS_X, 3000, 5950, 0, 4, 2700},
                          {FACE_MINUS_Y, 3050, 6000, 2700, 4, 1800},
                          {FACE_PLUS_Y, 2950, 6000, 2700, 6, 0}};
    for (const Case& c : cases) {
        const TLabelPlacement place = OpeningLabelPlacement(c.side, {3000, 6000}, 1, 0, points);
        EXPECT_EQ(place.anchor, (TPoint{c.x, c.y})) << c.side;
        EXPECT_EQ(place.escapement, c.escapement);
        EXPECT_EQ(place.alignment, c.alignment);
        EXPECT_EQ(place.direction, c.direction);
    }
    // Imperial drawings keep 48 units (2 inches) off the face, 96 with the cill.
    EXPECT_EQ(OpeningLabelPlacement(FACE_PLUS_X, {3000, 6000}, 0, 0, points).anchor, (TPoint{3000, 6048}));
    EXPECT_EQ(OpeningLabelPlacement(FACE_PLUS_X, {3000, 6000}, 0, 1, points).anchor, (TPoint{3000, 6096}));
}

TEST_F(Builder, ImperialLabels)
{
    // 36 by 48 inches.
    EXPECT_EQ(OpeningSizeText(0, 864, 1152), "3' 0'' x 4' 0''");
    EXPECT_EQ(OpeningSizeText(0, 870, 1152), "3' 0 1/4'' x 4' 0''");
    EXPECT_EQ(OpeningSizeText(0, 864, 1161), "3' 0'' x 4' 0 3/8''");
    EXPECT_EQ(OpeningSizeText(0, 1017, 2085), "3' 6 3/8'' x 7' 2 7/8''");
    // A remainder that is no whole eighth is kept in 24ths.
    EXPECT_EQ(OpeningSizeText(0, 866, 1152), "3' 0 1/12'' x 4' 0''");
    EXPECT_EQ(OpeningSizeText(1, 900, 2100), "900 w x 2100 h");

    state().unitSystem = 0;
    Opening(1, 864, 1152, 1, 0);
    Marked(FACE_PLUS_X, 3000, 6000, 288, 864, OPENING_WINDOW);
    tool.showSizes = 1;
    const int first = Build();
    EXPECT_EQ(From<TTextobj>(first)[0]->text, "3' 0'' x 4' 0''");
    EXPECT_EQ(From<TTextobj>(first)[0]->y1, 6048);
}

TEST_F(Builder, LabelOnlyForWindows)
{
    for (int type : {5, 15}) {
        Opening(type, 1200, 1050, 1, 0);
        Marked(FACE_PLUS_X, 3000, 6000, 300, 1200, type);
        tool.showSizes = 1;
        EXPECT_TRUE(From<TTextobj>(Build()).empty()) << type;
    }
    for (int type : {2, 3, 4, 11, 14}) {
        Opening(type, 1200, 1050, 1, 0);
        Marked(FACE_PLUS_X, 3000, 6000, 300, 1200, type);
        tool.showSizes = 1;
        EXPECT_EQ(From<TTextobj>(Build()).size(), 1u) << type;
    }
    // Without showSizes nothing; and the file read again decides last.
    Opening(1, 1200, 1050, 0, 0);
    Marked(FACE_PLUS_X, 3000, 6000, 300, 1200, OPENING_WINDOW);
    tool.showSizes = 1;
    EXPECT_TRUE(From<TTextobj>(Build()).empty());
    tool.showSizes = 0;
    Opening(1, 1200, 1050, 1, 0);
    EXPECT_TRUE(From<TTextobj>(Build()).empty());
}

// ---------------------------------------------------------------------------------------------
// Angled walls.

TEST_F(Builder, WindowInAnAngledWall)
{
    Opening(1, 1000, 1200, 1, 0);
    Marked(450, 3000, 6000, 300, 1000, OPENING_WINDOW);
    tool.showSizes = 1;
    const int first = Build();
    EXPECT_EQ(Corners(*From<TPolyobj>(first)[0]), Points({{2646, 5646}, {3354, 6354}, {3566, 6142}, {2858, 5434}}));
    // The opening line at half the inward step (212 / 2 = 106).
    EXPECT_EQ(Ends(*From<TLineobj>(first)[0]), (Line{2752, 5540, 3460, 6248}));
    const TTextobj& label = *From<TTextobj>(first)[0];
    EXPECT_EQ(label.escapement, 3150);
    EXPECT_EQ(label.x2, 450);
    EXPECT_EQ(label.alignment, 6);
    // 50 off the face, square to the wall, outwards.
    EXPECT_EQ(label.x1, 3000 - 35);
    EXPECT_EQ(label.y1, 6000 + 35);
}

TEST_F(Builder, AngledWallsInEveryQuadrant)
{
    struct Case {
        int angle;
        std::vector<TPoint> corners;
        int escapement, alignment;
    };
    // 45 degrees into each quadrant: u = (354, 354), n = (212, 212) with the quadrant's signs.
    const Case cases[] = {
        {1350, {{2646, 6354}, {3354, 5646}, {3142, 5434}, {2434, 6142}}, 450, 6},
        {2250, {{2646, 5646}, {3354, 6354}, {3142, 6566}, {2434, 5858}}, 3150, 4},
        {3150, {{2646, 6354}, {3354, 5646}, {3566, 5858}, {2858, 6566}}, 450, 4},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.angle);
        Opening(1, 1000, 1200, 1, 0);
        Marked(c.angle, 3000, 6000, 300, 1000, OPENING_WINDOW);
        tool.showSizes = 1;
        const int first = Build();
        const auto corners = Corners(*From<TPolyobj>(first)[0]);
        EXPECT_EQ(corners, c.corners);
        EXPECT_EQ(From<TTextobj>(first)[0]->escapement, c.escapement);
        EXPECT_EQ(From<TTextobj>(first)[0]->alignment, c.alignment);
        // The polygon is a rectangle 1000 along the wall and 300 across it, whatever the quadrant.
        const double along = std::hypot(corners[1].x - corners[0].x, corners[1].y - corners[0].y);
        const double across = std::hypot(corners[2].x - corners[1].x, corners[2].y - corners[1].y);
        EXPECT_NEAR(along, 1000, 2);
        EXPECT_NEAR(across, 300, 2);
    }
}

TEST_F(Builder, SingleDoorInAnAngledWallRunsAlongItsCode)
{
    // Quadrant 1: codes 1, 3, 7, 8 run back along the wall, the others forward; twice the rounded
    // half width.
    Marked(450, 3000, 6000, 300, 1000, OPENING_SINGLE_DOOR, 7);
    int first = Build();
    auto corners = Corners(*From<TPolyobj>(first)[0]);
    EXPECT_EQ(corners[0], (TPoint{3000, 6000}));
    EXPECT_EQ(corners[1], (TPoint{2292, 5292}));
    Marked(450, 3000, 6000, 300, 1000, OPENING_SINGLE_DOOR, 5);
    first = Build();
    EXPECT_EQ(Corners(*From<TPolyobj>(first)[0])[1], (TPoint{3708, 6708}));
    // Quadrant 2: codes 1, 3, 5, 6 run forward.
    Marked(1350, 3000, 6000, 300, 1000, OPENING_SINGLE_DOOR, 5);
    first = Build();
    EXPECT_EQ(Corners(*From<TPolyobj>(first)[0])[1], (TPoint{3708, 5292}));
}
