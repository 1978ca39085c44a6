// Committing figures: the guards, the fields the new objects take, drawing and saving.
#include "model/drawingedit.h"
#include "tests/tools/toolfixture.h"

#include "model/arcobj.h"
#include "model/circleobj.h"
#include "model/ellipseobj.h"
#include "model/lineobj.h"
#include "model/rectangleobj.h"
#include "model/rndrectobj.h"
#include "model/textobj.h"
#include "tools/arcobjtool.h"
#include "tools/circleobjtool.h"
#include "tools/ellipseobjtool.h"
#include "tools/lineobjtool.h"
#include "tools/rectangleobjtool.h"
#include "tools/rndrectobjtool.h"
#include "tools/textobjtool.h"

#include <cmath>
#include <limits>

namespace {

using Commit = ToolTest;

void SetFigure(TDrawingtool& tool, int x1, int y1, int x2, int y2)
{
    tool.x1 = x1;
    tool.y1 = y1;
    tool.x2 = x2;
    tool.y2 = y2;
}

TEST_F(Commit, ALineTakesEveryFieldOfTheTool)
{
    state().currentFloor = FIRST_FLOOR;
    TLineobjtool tool;
    tool.kind = 41;
    tool.colour = MakeColour(10, 20, 30);
    tool.penWidth = 2;
    tool.penStyle = PS_DASH;
    tool.ownerId = 12;
    tool.groupId = 34;
    tool.lineAux1 = 900;
    tool.lineAux2 = 77;
    tool.lineDrawn = 1;
    SetFigure(tool, 100, 200, 300, 400);
    tool.z1 = 5;
    tool.z2 = 6;
    tool.CreateObject(dc, client);

    ASSERT_EQ(objects().count(), 5);
    auto* line = dynamic_cast<TLineobj*>(objects()[4]);
    ASSERT_NE(line, nullptr);
    EXPECT_EQ(line->floor, FIRST_FLOOR);
    EXPECT_EQ(line->typeCode, 41);
    EXPECT_EQ(line->ownerId, 12);
    EXPECT_EQ(line->groupId, 34);
    EXPECT_EQ(line->penWidth, 2);
    EXPECT_EQ(line->penStyle, PS_DASH);
    EXPECT_EQ(line->colour, int32_t(MakeColour(10, 20, 30)));
    EXPECT_EQ((std::vector<int>{line->x1, line->z1, line->x2, line->z2, line->y1, line->y2}),
              (std::vector<int>{100, 5, 300, 6, 200, 400}));
    EXPECT_EQ(line->lineAux1, 900);
    EXPECT_EQ(line->lineAux2, 77);
    EXPECT_EQ(tool.lineDrawn, 0) << "kinds other than 1 clear lineDrawn";

    // Drawn at once in the window's mapping, with the line's own pen.
    auto drawn = dc.RecordsOf(TCanvasRecord::Polyline);
    ASSERT_EQ(drawn.size(), 1u);
    EXPECT_EQ(drawn[0].points, (std::vector<TPoint>{{20, 40}, {60, 80}}));
    EXPECT_EQ(drawn[0].pen.colour, MakeColour(10, 20, 30));
    EXPECT_FALSE(drawn[0].mapping.identity);

    auto stored = ReadBack();
    ASSERT_EQ(stored.size(), 5u);
    EXPECT_EQ(stored[4]->floor, FIRST_FLOOR);
    EXPECT_EQ(dynamic_cast<TLineobj*>(stored[4].get())->lineAux2, 77);
}

TEST_F(Commit, LinesWithAZeroCoordinateOrNoLengthAreRefused)
{
    TLineobjtool tool;
    tool.lineDrawn = 3;
    const int figures[][4] = {{0, 500, 700, 500}, {700, 0, 700, 500}, {700, 500, 0, 500}, {700, 500, 800, 0},
                              {700, 500, 700, 500}};
    for (const auto& f : figures) {
        SetFigure(tool, f[0], f[1], f[2], f[3]);
        tool.CreateObject(dc, client);
    }
    EXPECT_EQ(objects().count(), 4);
    EXPECT_EQ(dc.Count(TCanvasRecord::Polyline), 0);
    EXPECT_EQ(tool.lineDrawn, 3) << "a refused line leaves lineDrawn";
    EXPECT_EQ(ReadBack().size(), 4u);
}

TEST_F(Commit, LineDrawnAfterACommitFollowsTheKind)
{
    TLineobjtool tool;
    SetFigure(tool, 100, 100, 200, 200);
    tool.kind = 1;
    tool.CreateObject(dc, client);
    EXPECT_EQ(tool.lineDrawn, 1);
    tool.kind = 51;
    tool.lineDrawn = 4;
    tool.CreateObject(dc, client);
    EXPECT_EQ(tool.lineDrawn, 4);
    tool.kind = 2;
    tool.CreateObject(dc, client);
    EXPECT_EQ(tool.lineDrawn, 0);
}

TEST_F(Commit, ThePickToolBuildsNoLine)
{
    // The pick tool is a line tool of a kind the drawing file could not read back as a line.
    TLineobjtool tool;
    SetFigure(tool, 100, 100, 200, 200);
    tool.kind = 21;
    const int before = objects().count();
    tool.CreateObject(dc, client);
    EXPECT_EQ(objects().count(), before);
    EXPECT_EQ(ReadBack().size(), std::size_t(before));
}

TEST_F(Commit, AddLineObjectAppendsWithoutDrawingOrSaving)
{
    TLineobjtool tool;
    tool.kind = 27001;
    tool.groupId = 99;
    tool.lineAux1 = 5;
    SetFigure(tool, 100, 100, 200, 200);
    TDrawingEdit edit;
    AddLineObject(edit, tool);
    ASSERT_EQ(objects().count(), 5);
    EXPECT_EQ(objects()[4]->groupId, 0);
    EXPECT_EQ(objects()[4]->typeCode, 27001);
    EXPECT_EQ(dynamic_cast<TLineobj*>(objects()[4])->lineAux1, 5);
    EXPECT_EQ(dc.Count(TCanvasRecord::Polyline), 0);
    EXPECT_EQ(ReadBack().size(), 4u);
}

TEST_F(Commit, AnEllipseWithAZeroCoordinateIsStillCommitted)
{
    TEllipseobjtool tool;
    tool.kind = 5;
    tool.lineDrawn = 1;
    SetFigure(tool, 0, 500, 700, 500);
    tool.CreateObject(dc, client);
    ASSERT_EQ(objects().count(), 5);
    EXPECT_NE(dynamic_cast<TEllipseobj*>(objects()[4]), nullptr);
    EXPECT_EQ(objects()[4]->typeCode, 5);
    EXPECT_EQ(tool.lineDrawn, 0);
    EXPECT_EQ(dc.Count(TCanvasRecord::Ellipse), 1);

    // A point is refused, and lineDrawn is cleared all the same.
    tool.lineDrawn = 1;
    SetFigure(tool, 700, 500, 700, 500);
    tool.CreateObject(dc, client);
    EXPECT_EQ(objects().count(), 5);
    EXPECT_EQ(tool.lineDrawn, 0);
}

TEST_F(Commit, FiguresTakeTheirOwnValues)
{
    TArcobjtool arc;
    arc.kind = 3;
    SetFigure(arc, 1000, 1000, 2000, 2000);
    arc.arcStartX = 1000;
    arc.arcStartY = 1500;
    arc.arcEndX = 2000;
    arc.arcEndY = 1500;
    arc.lineDrawn = 1;
    arc.CreateObject(dc, client);
    auto* arcObject = dynamic_cast<TArcobj*>(objects()[objects().count() - 1]);
    ASSERT_NE(arcObject, nullptr);
    EXPECT_EQ(arcObject->arcStartY, 1500);
    EXPECT_EQ(arcObject->arcEndX, 2000);
    EXPECT_EQ(arc.lineDrawn, 1);

    TCircleobjtool circle;
    circle.kind = 6;
    circle.lineDrawn = 1;
    SetFigure(circle, 1000, 1000, 1500, 1500);
    circle.CreateObject(dc, client);
    EXPECT_NE(dynamic_cast<TCircleobj*>(objects()[objects().count() - 1]), nullptr);
    EXPECT_EQ(circle.lineDrawn, 0);

    TRectangleobjtool rectangle;
    rectangle.kind = 7;
    rectangle.lineDrawn = 1;
    SetFigure(rectangle, 1000, 1000, 1500, 1200);
    rectangle.CreateObject(dc, client);
    EXPECT_NE(dynamic_cast<TRectangleobj*>(objects()[objects().count() - 1]), nullptr);
    EXPECT_EQ(rectangle.lineDrawn, 1);

    TRndrectobjtool rounded;
    rounded.kind = 8;
    rounded.libraryFlag = 250;
    SetFigure(rounded, 1000, 1000, 1500, 1200);
    rounded.CreateObject(dc, client);
    auto* roundedObject = dynamic_cast<TRndrectobj*>(objects()[objects().count() - 1]);
    ASSERT_NE(roundedObject, nullptr);
    EXPECT_EQ(roundedObject->cornerRounding, 250);

    EXPECT_EQ(objects().count(), 8);
    EXPECT_EQ(ReadBack().size(), 8u);

    // Figures whose two points coincide are refused.
    for (TDrawingtool* tool : std::initializer_list<TDrawingtool*>{&arc, &circle, &rectangle, &rounded}) {
        SetFigure(*tool, 1000, 1000, 1000, 1000);
        tool->CreateObject(dc, client);
    }
    EXPECT_EQ(objects().count(), 8);
}

// Text extents of a fixed width.
class FixedExtentCanvas : public RecordingCanvas {
public:
    TPoint GetTextExtent(const std::string&) override { return {61, 12}; }
};

TEST_F(Commit, TextTakesTheCurrentFontAndCentredVerticalTextMovesDown)
{
    state().currentFontFace = "Times New Roman";
    state().textPointSize = 12;
    state().textWeight = 700;
    FixedExtentCanvas canvas;
    TTextobjtool tool;
    tool.kind = 4;
    tool.text = "HALL";
    tool.alignment() = 1;
    tool.escapement() = 2700;
    tool.penWidth = 2;
    tool.lineDrawn = 1;
    SetFigure(tool, 1000, 2000, 0, 0);
    tool.CreateObject(canvas, client);

    ASSERT_EQ(objects().count(), 5);
    auto* text = dynamic_cast<TTextobj*>(objects()[4]);
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(text->y1, 1970) << "half of 61 logical units, unscaled";
    EXPECT_EQ(text->text, "HALL");
    EXPECT_EQ(text->textLength, 4);
    EXPECT_EQ(text->faceName, "Times New Roman");
    EXPECT_EQ(text->faceLength, 15);
    EXPECT_EQ(text->escapement, 2700);
    EXPECT_EQ(text->alignment, 1);
    EXPECT_EQ(text->fontWeight, 700);
    EXPECT_EQ(text->fontHeight, 12);
    EXPECT_EQ(text->penWidth, 1);
    EXPECT_EQ(tool.textLength, 4);
    EXPECT_EQ(tool.lineDrawn, 0);
    EXPECT_EQ(canvas.Count(TCanvasRecord::TextOut), 1);

    // Horizontal text stays where it was set; an empty text creates nothing.
    tool.escapement() = 0;
    tool.y1 = 2000;
    tool.CreateObject(canvas, client);
    EXPECT_EQ(objects()[5]->y1, 2000);
    tool.text.clear();
    tool.lineDrawn = 1;
    tool.CreateObject(canvas, client);
    EXPECT_EQ(objects().count(), 6);
    EXPECT_EQ(tool.lineDrawn, 0);
}

TEST(RoundToInt, RoundsHalfUpAtTheSecondDecimalAndTruncatesNegatives)
{
    EXPECT_EQ(RoundToInt(nullptr, 2.5), 3);
    EXPECT_EQ(RoundToInt(nullptr, 2.49), 2);
    EXPECT_EQ(RoundToInt(nullptr, 2.499), 2);
    EXPECT_EQ(RoundToInt(nullptr, 0.005), 0);
    EXPECT_EQ(RoundToInt(nullptr, 0.5), 1);
    EXPECT_EQ(RoundToInt(nullptr, 1234.51), 1235);
    EXPECT_EQ(RoundToInt(nullptr, -0.5), 0);
    EXPECT_EQ(RoundToInt(nullptr, -2.5), -2);
    EXPECT_EQ(RoundToInt(nullptr, -2.7), -2);
}

TEST(RoundToInt, ValuesBeyondTheIntegerRangeAreHeldAtItsEnds)
{
    EXPECT_EQ(RoundToInt(nullptr, 1e12), std::numeric_limits<int32_t>::max());
    EXPECT_EQ(RoundToInt(nullptr, -1e12), std::numeric_limits<int32_t>::min());
    EXPECT_EQ(RoundToInt(nullptr, std::nan("")), 0);
    EXPECT_EQ(RoundToInt(nullptr, 2147483646.7), 2147483647);
}

}  // namespace
