// Turning the selection about its reference point: exact quarter turns, rounded other angles,
// circles about their centre, the text rule, the refusals.
#include "tests/tools/selectionfixture.h"

#include "model/selectionlist.h"

namespace {

class SelectionRotate : public SelectionTest {
protected:
    // Selects everything inside (100, 100)-(9000, 9000).
    void SelectAll()
    {
        Drag(tool, {100, 100}, {9000, 9000});
        dc.Clear();
    }
    TMoveobjtool tool;
};

// A point turned about a centre, through a one-point line.
TPoint Turned(TPoint point, TPoint centre, int degrees)
{
    const TTurn turn(degrees, centre);
    int32_t x = point.x;
    int32_t y = point.y;
    turn.Point(x, y);
    return {x, y};
}

TEST(Turn, QuarterTurnsAreExact)
{
    const TPoint centre{5000, 5000};
    // 1000 east of the centre.
    EXPECT_EQ(Turned({6000, 5000}, centre, 90), (TPoint{5000, 4000}));   // 1000 south
    EXPECT_EQ(Turned({6000, 5000}, centre, 180), (TPoint{4000, 5000}));  // 1000 west
    EXPECT_EQ(Turned({6000, 5000}, centre, 270), (TPoint{5000, 6000}));  // 1000 north
    EXPECT_EQ(Turned({6000, 5000}, centre, 0), (TPoint{6000, 5000}));
    EXPECT_EQ(Turned({6000, 5000}, centre, 360), (TPoint{6000, 5000}));
    EXPECT_EQ(Turned({6000, 5000}, centre, -90), (TPoint{5000, 6000}));
    // 1000 east and 1000 north: 1000 east and 1000 south.
    EXPECT_EQ(Turned({6000, 6000}, centre, 90), (TPoint{6000, 4000}));
}

TEST(Turn, OtherAnglesRoundToTheNearestUnit)
{
    const TPoint centre{5000, 5000};
    EXPECT_EQ(Turned({6000, 5000}, centre, 5), (TPoint{5996, 4913}));
    EXPECT_EQ(Turned({6000, 5000}, centre, -5), (TPoint{5996, 5087}));
    // cos 30 = 0.866025: 866.03 rounds down, sin 30 exactly 500.
    EXPECT_EQ(Turned({6000, 5000}, centre, 30), (TPoint{5866, 4500}));
    // 1000 at 45 degrees gives 707.107: the nearest unit, not the truncation.
    EXPECT_EQ(Turned({6000, 5000}, centre, 45), (TPoint{5707, 4293}));
}

TEST(Turn, TextEscapementsFollowTheReadableRule)
{
    const int escapements[] = {0, 900, 1800, 2700};
    const std::vector<std::pair<int, std::vector<int>>> table = {
        {90, {900, 0, 2700, 0}},     {180, {0, 900, 0, 900}},     {270, {900, 1800, 900, 1800}},
        {5, {50, 2750, 1850, 2750}}, {-5, {-50, 850, 1750, 2650}}, {356, {0, 900, 1800, 2700}},
        {360, {0, 900, 1800, 2700}},
    };
    for (const auto& [degrees, expected] : table)
        for (std::size_t i = 0; i < 4; ++i)
            EXPECT_EQ(TurnedEscapement(escapements[i], degrees), expected[i]) << degrees << " " << escapements[i];
}

TEST(Turn, DirectionCodesTurnClockwise)
{
    EXPECT_EQ(TurnedDirectionCode(900, 90), 1800);
    EXPECT_EQ(TurnedDirectionCode(2700, 90), 0);
    EXPECT_EQ(TurnedDirectionCode(0, 270), 2700);
    EXPECT_EQ(TurnedDirectionCode(900, 358), 900);
}

TEST_F(SelectionRotate, ARightClickTurnsAboutTheClickedPoint)
{
    TLineobj& line = AddLine(3000, 2000, 3000, 3000);
    line.z1 = 12;
    SelectAll();
    RightClick(tool, {2000, 2000}, 90);
    EXPECT_EQ(tool.currentX, 2000);
    EXPECT_EQ(tool.currentY, 2000);
    EXPECT_EQ(line.x1, 2000);
    EXPECT_EQ(line.y1, 1000);
    EXPECT_EQ(line.x2, 3000);
    EXPECT_EQ(line.y2, 1000);
    EXPECT_EQ(line.z1, 12);
    // Painted out at the old place, drawn at the new (both in the window).
    const auto lines = dc.RecordsOf(TCanvasRecord::Polyline);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].pen.colour, MakeColour(255, 255, 255));
    EXPECT_EQ(lines[1].points, (std::vector<TPoint>{{400, 200}, {600, 200}}));
}

TEST_F(SelectionRotate, KeypadPlusAndMinusTurnByFiveDegreesAboutTheReferencePoint)
{
    TLineobj& line = AddLine(6000, 5000, 7000, 5000);
    SelectAll();
    Click(tool, {5000, 5000});
    Key(tool, VK_ADD, Device(5000, 5000), 1);
    EXPECT_EQ(tool.rotationStep(), 5);
    EXPECT_EQ(line.x1, 5996);
    EXPECT_EQ(line.y1, 4913);
    Key(tool, VK_SUBTRACT, Device(5000, 5000), 1);
    EXPECT_EQ(tool.rotationStep(), -5);
    EXPECT_EQ(line.x1, 6000);
    EXPECT_EQ(line.y1, 5000);
}

TEST_F(SelectionRotate, ATurnByNothingChangesNothing)
{
    TLineobj& line = AddLine(6000, 5000, 7000, 5000);
    SelectAll();
    RightClick(tool, {5000, 5000}, 0);
    EXPECT_EQ(line.x1, 6000);
    EXPECT_TRUE(dc.Records().empty());
    RightClick(tool, {5000, 5000}, 360);
    EXPECT_EQ(line.x2, 7000);
}

TEST_F(SelectionRotate, ACircleTurnsAboutItsCentreAndKeepsItsRadius)
{
    auto& circle = AddBox<TCircleobj>(TYPE_CIRCLE, 5500, 4500, 6500, 5500);  // centre (6000, 5000)
    SelectAll();
    RightClick(tool, {5000, 5000}, 30);
    // The centre goes to (5866, 4500); the box keeps its 1000 across.
    EXPECT_EQ(circle.x1, 5366);
    EXPECT_EQ(circle.x2, 6366);
    EXPECT_EQ(circle.y1, 4000);
    EXPECT_EQ(circle.y2, 5000);
}

TEST_F(SelectionRotate, ACircleWithAHalfUnitCentreTurnsAQuarterExactly)
{
    auto& circle = AddBox<TCircleobj>(TYPE_CIRCLE, 5501, 4501, 6500, 5500);  // centre (6000.5, 5000.5)
    SelectAll();
    RightClick(tool, {5000, 5000}, 90);
    // The centre goes to (5000.5, 3999.5): the box moves by (-1000, -1001) and stays 999 across.
    EXPECT_EQ(circle.x1, 4501);
    EXPECT_EQ(circle.x2, 5500);
    EXPECT_EQ(circle.y1, 3500);
    EXPECT_EQ(circle.y2, 4499);
}

TEST_F(SelectionRotate, ArcsEllipsesAndRectanglesRefuseOtherThanQuarterTurns)
{
    TArcobj& arc = AddArc(6000, 5000, 7000, 6000, {6000, 5500}, {7000, 5500});
    TLineobj& line = AddLine(6000, 5000, 7000, 5000);
    SelectAll();
    EXPECT_TRUE(tool.NeedsQuarterTurns());
    RightClick(tool, {5000, 5000}, 30);
    EXPECT_EQ(line.x1, 6000);
    EXPECT_EQ(arc.arcStartX, 6000);
    RightClick(tool, {5000, 5000}, 90);
    EXPECT_EQ(arc.arcStartX, 5500);
    EXPECT_EQ(arc.arcStartY, 4000);
    EXPECT_EQ(line.y2, 3000);

    for (int type : {TYPE_ELLIPSE, TYPE_RECTANGLE, TYPE_RNDRECT})
        EXPECT_TRUE(TurnsOnlyByQuarters(type)) << type;
    EXPECT_FALSE(TurnsOnlyByQuarters(TYPE_CIRCLE));
    EXPECT_FALSE(TurnsOnlyByQuarters(TYPE_LINE));
}

TEST_F(SelectionRotate, ACentredHorizontalTextBecomesLeftAlignedBeforeItTurns)
{
    TTextobj& text = AddText(6000, 5000, "ABCD");
    text.alignment = 1;
    text.escapement = 0;
    SelectAll();
    RightClick(tool, {5000, 5000}, 90);
    // Measured with its own font: 10 points at 5 units a logical unit make a cell 50 high and
    // 25 wide a character, 100 logical units for four, 500 model units: the anchor moves 250 left.
    EXPECT_EQ(text.alignment, 3);
    EXPECT_EQ(text.escapement, 900);
    EXPECT_EQ(text.x1, 5000);
    EXPECT_EQ(text.y1, 4250);
}

TEST_F(SelectionRotate, AHorizontalTextTurnedHalfwayStaysReadable)
{
    TTextobj& text = AddText(6000, 5000, "HALL");
    text.x2 = 900;
    text.y2 = 33;
    SelectAll();
    RightClick(tool, {5000, 5000}, 180);
    EXPECT_EQ(text.escapement, 0);
    EXPECT_EQ(text.x1, 4000);
    EXPECT_EQ(text.y1, 5000);
    EXPECT_EQ(text.x2, 2700);  // the direction code turns as an angle
    EXPECT_EQ(text.y2, 33);
    // Texts are outlined with a solid pen whatever theirs.
    EXPECT_EQ(dc.RecordsOf(TCanvasRecord::TextOut).size(), 2u);
}

TEST_F(SelectionRotate, ArrowsAndOpeningsTurnEveryPoint)
{
    TArrowobj& arrow = AddArrow(3000, 2000, 4000, 2000);
    auto& opening = AddPolygon<TOpeningobj>(TYPE_OPENING, {{3000, 3000}, {3500, 3000}, {3500, 3500}});
    SelectAll();
    RightClick(tool, {2000, 2000}, 90);
    EXPECT_EQ(arrow.x2, 2000);
    EXPECT_EQ(arrow.y2, 0);
    EXPECT_EQ(arrow.barb1, (std::array<int32_t, 2>{2050, 900}));
    EXPECT_EQ(arrow.tickA, (std::array<int32_t, 2>{1800, 1000}));
    EXPECT_EQ(opening.vertexX[2], 3500);
    EXPECT_EQ(opening.vertexY[2], 500);
    // The opening, in the window, is drawn at its new place too.
    EXPECT_EQ(dc.RecordsOf(TCanvasRecord::Polygon).size(), 2u);
}

TEST_F(SelectionRotate, ATurnActsOnTheToolsOwnSelectionNeverOnAStaleList)
{
    TLineobj& line = AddLine(6000, 5000, 7000, 5000);
    // A selection list left from an earlier run names the line.
    ASSERT_TRUE(WriteCopyList({{4, 0, 0}}));
    RightClick(tool, {5000, 5000}, 90);
    EXPECT_EQ(line.x1, 6000);
    Key(tool, VK_ADD, Device(5000, 5000), 1);
    EXPECT_EQ(line.y1, 5000);
}

TEST_F(SelectionRotate, RepeatedTurnsAddUp)
{
    TLineobj& line = AddLine(6000, 5000, 7000, 5000);
    SelectAll();
    Click(tool, {5000, 5000});
    for (int i = 0; i < 18; ++i)
        Key(tool, VK_ADD, Device(5000, 5000), 1);
    // Eighteen turns of five degrees, each rounded to the unit: within half a unit a turn of
    // where one quarter turn puts it.
    EXPECT_NEAR(line.x1, 5000, 9);
    EXPECT_NEAR(line.y1, 4000, 9);
    EXPECT_NEAR(line.x2, 5000, 18);
    EXPECT_NEAR(line.y2, 3000, 18);
}

}  // namespace
