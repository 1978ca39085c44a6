// The annotation builders: axis arrows, the manual-dimension arrow drawn at once, arrows on a
// sloped dimension line, and the line object of a tool.
#include "model/arrowobj.h"
#include "model/drawingedit.h"
#include "model/lineobj.h"
#include "model/typecodes.h"
#include "tests/tools/toolfixture.h"
#include "tools/annotationbuilders.h"
#include "tools/lineobjtool.h"

#include <cmath>
#include <limits>

namespace {

using XY = std::array<std::int32_t, 2>;

struct ArrowPoints {
    XY tip, tail, barb1, barb2, tickA, tickB;
    friend bool operator==(const ArrowPoints&, const ArrowPoints&) = default;
};

ArrowPoints PointsOf(const TObject& object)
{
    const auto& arrow = dynamic_cast<const TArrowobj&>(object);
    return {{arrow.x1, arrow.y1}, {arrow.x2, arrow.y2}, arrow.barb1, arrow.barb2, arrow.tickA, arrow.tickB};
}

class AnnotationBuilders : public ToolTest {
protected:
    const TObject& Last() { return *objects()[objects().count() - 1]; }
    TLineobjtool tool;
};

TEST_F(AnnotationBuilders, AxisArrowsOfEveryDirection)
{
    state().unitsPerLogical = 5;
    TDrawingEdit edit;
    const std::pair<TArrowDirection, ArrowPoints> cases[] = {
        {TArrowDirection::Left, {{1000, 2000}, {1200, 2000}, {1100, 2025}, {1100, 1975}, {1000, 2100}, {1000, 1900}}},
        {TArrowDirection::Right, {{1000, 2000}, {800, 2000}, {900, 2025}, {900, 1975}, {1000, 2100}, {1000, 1900}}},
        {TArrowDirection::Top, {{1000, 2000}, {1000, 1800}, {975, 1900}, {1025, 1900}, {900, 2000}, {1100, 2000}}},
        {TArrowDirection::Bottom, {{1000, 2000}, {1000, 2200}, {975, 2100}, {1025, 2100}, {900, 2000}, {1100, 2000}}},
    };
    for (const auto& [direction, expected] : cases) {
        const int index = AddArrow(edit, tool, 1000, 2000, direction);
        EXPECT_EQ(index, objects().count() - 1);
        EXPECT_EQ(PointsOf(Last()), expected) << char(direction);
        EXPECT_EQ(Last().typeCode, TYPE_DIMENSION_LINE);
    }
}

TEST_F(AnnotationBuilders, ArrowTakesTheCurrentColourAndLeavesItsShaftInTheTool)
{
    state().currentFloor = FIRST_FLOOR;
    state().currentColour = MakeColour(0, 128, 0);
    tool.colour = MakeColour(255, 0, 0);
    tool.groupId = 77;
    tool.ownerId = 5;
    tool.penStyle = 2;
    tool.penWidth = 2;
    TDrawingEdit edit;
    AddArrow(edit, tool, 1000, 2000, TArrowDirection::Left);

    const TObject& arrow = Last();
    EXPECT_EQ(arrow.colour, std::int32_t(MakeColour(0, 128, 0)));
    EXPECT_EQ(arrow.floor, FIRST_FLOOR);
    EXPECT_EQ(arrow.groupId, 77);
    EXPECT_EQ(arrow.ownerId, 0);
    EXPECT_EQ(arrow.penWidth, 1);
    EXPECT_EQ(arrow.penStyle, 0);
    EXPECT_EQ(arrow.z1, 0);
    EXPECT_EQ(arrow.z2, 0);
    EXPECT_EQ(tool.penStyle, 0);
    EXPECT_EQ((std::array{tool.x1, tool.y1, tool.x2, tool.y2}), (std::array{1000, 2000, 1200, 2000}));
}

TEST_F(AnnotationBuilders, BuildersWriteNothingThemselves)
{
    const std::string before = ReadWholeFile(dir.path() / "DWGS" / "TEST.DB0");
    TDrawingEdit edit;
    AddArrow(edit, tool, 1000, 2000, TArrowDirection::Top);
    AddAngledArrow(edit, tool, 0, 0, 450, 1, 1, 600);
    AddLineObject(edit, tool);
    EXPECT_EQ(ReadWholeFile(dir.path() / "DWGS" / "TEST.DB0"), before);
    EXPECT_EQ(objects().count(), 7);
}

TEST_F(AnnotationBuilders, ManualDimensionArrowIsDrawnAtOnce)
{
    state().unitsPerLogical = 4;
    state().currentColour = MakeColour(0, 0, 255);
    TDrawingEdit edit;
    AddArrowByCode(edit, tool, dc, client, 500, 500, TArrowDirection::Top);

    EXPECT_EQ(Last().typeCode, TYPE_ARROW);
    EXPECT_EQ(PointsOf(Last()), (ArrowPoints{{500, 500}, {500, 340}, {480, 420}, {520, 420}, {420, 500}, {580, 500}}));
    // Drawn in window coordinates (model / 4) in the current colour.
    const auto lines = dc.RecordsOf(TCanvasRecord::Polyline);
    ASSERT_FALSE(lines.empty());
    bool shaft = false;
    for (const auto& line : lines) {
        EXPECT_EQ(line.pen.colour, MakeColour(0, 0, 255));
        if (line.points == std::vector<TPoint>{{125, 125}, {125, 85}} ||
            line.points == std::vector<TPoint>{{125, 85}, {125, 125}})
            shaft = true;
    }
    EXPECT_TRUE(shaft) << dc.Text();
}

TEST_F(AnnotationBuilders, AngledArrowOfTheWorkedCase)
{
    state().unitsPerLogical = 5;
    TDrawingEdit edit;
    AddAngledArrow(edit, tool, 0, 0, 450, 1, 1, 600);
    // Up and to the left of the wall end, the shaft 200 units along the wall.
    EXPECT_EQ(PointsOf(Last()),
              (ArrowPoints{{-424, 424}, {-283, 565}, {-371, 511}, {-337, 477}, {-494, 494}, {-354, 354}}));
    EXPECT_EQ(Last().typeCode, TYPE_DIMENSION_LINE);

    // At the wall's end point the arrow points the other way.
    AddAngledArrow(edit, tool, 0, 0, 450, 1, 2, 600);
    EXPECT_EQ(PointsOf(Last()),
              (ArrowPoints{{-424, 424}, {-565, 283}, {-511, 371}, {-477, 337}, {-494, 494}, {-354, 354}}));
    EXPECT_EQ((std::array{tool.x1, tool.y1, tool.x2, tool.y2}), (std::array{-424, 424, -565, 283}));
}

TEST_F(AnnotationBuilders, AngledArrowsOfEveryQuadrantLieLeftOfTheWallAndPointOutward)
{
    // Whatever the quadrant's form, the base point is the offset along n = (-cos a, sin a) and the
    // shaft runs along d = (sin a, cos a) from the start, against it from the end, each to within
    // the two units that truncation and the factor of 0.001745 per tenth of a degree decide.
    state().unitsPerLogical = 5;
    TDrawingEdit edit;
    const std::pair<int, int> angles[] = {{300, 1}, {450, 1}, {1200, 2}, {1500, 2}, {2100, 3}, {2500, 3},
                                          {2900, 4}, {3400, 4}};
    for (const auto& [angle, quadrant] : angles) {
        const double a = angle * 0.001745;
        const double nx = -std::cos(a), ny = std::sin(a), dx = std::sin(a), dy = std::cos(a);
        for (int end : {1, 2}) {
            AddAngledArrow(edit, tool, 5000, 4000, angle, quadrant, end, 600);
            const ArrowPoints p = PointsOf(Last());
            const double f = end == 1 ? 1 : -1;
            EXPECT_NEAR(p.tip[0], 5000 + 600 * nx, 2.0) << angle;
            EXPECT_NEAR(p.tip[1], 4000 + 600 * ny, 2.0) << angle;
            EXPECT_NEAR(p.tail[0], p.tip[0] + f * 200 * dx, 2.0) << angle << " end " << end;
            EXPECT_NEAR(p.tail[1], p.tip[1] + f * 200 * dy, 2.0) << angle << " end " << end;
            // The barbs lie 100 along the shaft, 25 either side of it; the tick ends 100 either side.
            for (const XY& barb : {p.barb1, p.barb2}) {
                const double along = (barb[0] - p.tip[0]) * dx * f + (barb[1] - p.tip[1]) * dy * f;
                const double across = (barb[0] - p.tip[0]) * nx + (barb[1] - p.tip[1]) * ny;
                EXPECT_NEAR(along, 100, 2.0) << angle;
                EXPECT_NEAR(std::abs(across), 25, 2.0) << angle;
            }
            const double tickAcross = (p.tickA[0] - p.tickB[0]) * nx + (p.tickA[1] - p.tickB[1]) * ny;
            EXPECT_NEAR(std::abs(tickAcross), 200, 3.0) << angle;  // two truncations
        }
    }
}

TEST_F(AnnotationBuilders, AngledArrowHeadPointsAreOrderedByQuadrant)
{
    // The quadrant's form decides which tick and barb end comes first.
    state().unitsPerLogical = 5;
    TDrawingEdit edit;
    auto across = [](const XY& a, const XY& b, double angle) {
        const double r = angle * 0.001745;
        return (a[0] - b[0]) * -std::cos(r) + (a[1] - b[1]) * std::sin(r);
    };
    const std::pair<int, int> angles[] = {{450, 1}, {1350, 2}, {2250, 3}, {3150, 4}};
    const int tickSign[] = {1, -1, -1, 1};
    const int barbSign[] = {1, 1, -1, -1};
    for (int i = 0; i < 4; ++i) {
        const auto [angle, quadrant] = angles[i];
        AddAngledArrow(edit, tool, 5000, 4000, angle, quadrant, 1, 600);
        const ArrowPoints p = PointsOf(Last());
        EXPECT_GT(tickSign[i] * across(p.tickA, p.tickB, angle), 0) << quadrant;
        EXPECT_GT(barbSign[i] * across(p.barb1, p.barb2, angle), 0) << quadrant;
    }
}

TEST_F(AnnotationBuilders, ArrowsReachingPastWhatTheFileHoldsAreNotBuilt)
{
    state().unitsPerLogical = 5;
    TDrawingEdit edit;
    constexpr auto highest = std::numeric_limits<std::int32_t>::max();
    const int before = objects().count();
    tool.x1 = 7;
    // The shaft, 200 long, would end 190 past the range's top: nothing is added, the tool keeps
    // its shaft.
    EXPECT_EQ(AddArrow(edit, tool, highest - 10, 1000, TArrowDirection::Left), -1);
    EXPECT_EQ(AddAngledArrow(edit, tool, highest, highest, 450, 1, 2, highest), -1);
    EXPECT_EQ(objects().count(), before);
    EXPECT_EQ(tool.x1, 7);
    // Ending on the top itself, it is built as computed.
    EXPECT_EQ(AddArrow(edit, tool, highest - 200, 1000, TArrowDirection::Left), before);
    EXPECT_EQ(PointsOf(Last()).tail, (XY{highest, 1000}));
}

TEST_F(AnnotationBuilders, LineObjectKeepsNoGroupId)
{
    tool.kind = 41;
    tool.groupId = 99;
    tool.ownerId = 3;
    tool.x1 = 100;
    tool.y1 = 200;
    tool.x2 = 100;
    tool.y2 = 200;
    tool.lineAux1 = 7;
    TDrawingEdit edit;
    AddLineObject(edit, tool);
    const auto& line = dynamic_cast<const TLineobj&>(Last());
    EXPECT_EQ(line.typeCode, 41);
    EXPECT_EQ(line.groupId, 0);
    EXPECT_EQ(line.ownerId, 3);
    EXPECT_EQ(line.lineAux1, 7);
}

}  // namespace
