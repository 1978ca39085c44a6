// Line + Text: the text of CFG/LTEXT.CFG written beside the last line, above or below it, turned
// to run along it.
#include "tests/tools/toolfixture.h"

#include "model/arcobj.h"
#include "model/lineobj.h"
#include "model/settingsrecords.h"
#include "model/textobj.h"
#include "tools/linetextlabel.h"
#include "tools/lineobjtool.h"

namespace {

class LineText : public ToolTest {
protected:
    LineText()
    {
        std::filesystem::create_directories(dir.path() / "CFG");
        state().currentFontFace = "Arial";
        state().textWeight = 400;
        tool.kind = KIND_LINE;
        tool.step = STEP_LINETEXT_DRAWING;
        Attach(tool);
    }

    void SetLabel(int side, const std::string& text)
    {
        TLineTextSettings label;
        label.side = side;
        label.text = text;
        ASSERT_TRUE(WriteLineTextSettings(label));
    }

    void AddLine(int x1, int y1, int x2, int y2)
    {
        auto line = std::make_unique<TLineobj>();
        line->floor = 50;
        line->x1 = x1;
        line->y1 = y1;
        line->x2 = x2;
        line->y2 = y2;
        objects().Add(std::move(line));
    }

    const TTextobj* Label()
    {
        return dynamic_cast<const TTextobj*>(objects()[objects().count() - 1]);
    }

    // The label of a line with the text set: q, a quarter of the text height, is 56 here (room
    // dimension text of 9 points at 5 model units a logical unit: a cell of 45 logical units).
    const TTextobj* LabelOf(int x1, int y1, int x2, int y2, int side)
    {
        SetLabel(side, "HALL 2");
        AddLine(x1, y1, x2, y2);
        tool.ObjectsAdded(dc, client, 0, 0);
        return Label();
    }

    TLineobjtool tool;
};

TEST_F(LineText, HorizontalLineIsLabelledAboveAtItsMiddle)
{
    SetLabel(1, "HALL 2");
    AddLine(0, 0, 4000, 0);
    tool.ObjectsAdded(dc, client, 0, 0);

    ASSERT_EQ(objects().count(), 6);
    const TTextobj* label = Label();
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->typeCode, 35);
    EXPECT_EQ(label->text, "HALL 2") << "the blank is kept";
    EXPECT_EQ(label->textLength, 6);
    EXPECT_EQ(label->x1, 2000);
    EXPECT_EQ(label->y1, 56);
    EXPECT_EQ(label->alignment, 6);
    EXPECT_EQ(label->escapement, 0);
    EXPECT_EQ(label->x2, 900);
    EXPECT_EQ(label->y2, 0);
    EXPECT_EQ(label->z1, 0);
    EXPECT_EQ(label->ownerId, 0);
    EXPECT_EQ(label->groupId, 0);
    EXPECT_EQ(label->floor, 50);
    EXPECT_EQ(label->penWidth, 1);
    EXPECT_EQ(label->fontHeight, 9);
    EXPECT_EQ(label->fontWeight, 400);
    EXPECT_EQ(label->faceName, "Arial");
    EXPECT_EQ(label->colour, std::int32_t(MakeColour(0, 0, 255)));
    EXPECT_EQ(tool.step, STEP_LINETEXT_READY);

    // Shown at once, and in the drawing file.
    const auto texts = dc.RecordsOf(TCanvasRecord::TextOut);
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_EQ(texts[0].text, "HALL 2");
    EXPECT_EQ(texts[0].points[0], (TPoint{400, 11}));
    const auto back = ReadBack();
    ASSERT_EQ(back.size(), 6u);
    EXPECT_EQ(static_cast<const TTextobj&>(*back[5]).text, "HALL 2");
}

TEST_F(LineText, SideTwoHangsTheTextBelow)
{
    const TTextobj* label = LabelOf(0, 0, 4000, 0, 2);
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->y1, -56);
    EXPECT_EQ(label->alignment, 4);
}

TEST_F(LineText, LineDrawnRightToLeftIsStillLabelledAbove)
{
    const TTextobj* label = LabelOf(4000, 0, 0, 0, 1);
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->x2, 2700);
    EXPECT_EQ(label->x1, 2000);
    EXPECT_EQ(label->y1, 56);
}

TEST_F(LineText, VerticalLineIsLabelledLeftOrRight)
{
    const TTextobj* left = LabelOf(2000, 1000, 2000, 3000, 1);
    ASSERT_NE(left, nullptr);
    EXPECT_EQ(left->escapement, 2700);
    EXPECT_EQ(left->x2, 1800);
    EXPECT_EQ(left->x1, 1944);
    EXPECT_EQ(left->y1, 2000);
    EXPECT_EQ(left->alignment, 6);

    const TTextobj* right = LabelOf(2000, 3000, 2000, 1000, 2);
    ASSERT_NE(right, nullptr);
    EXPECT_EQ(right->x2, 0);
    EXPECT_EQ(right->x1, 2056);
    EXPECT_EQ(right->alignment, 4);
}

TEST_F(LineText, LineAtFortyFiveDegreesIsLabelledAlongItsNormal)
{
    const TTextobj* above = LabelOf(1000, 1000, 3000, 3000, 1);
    ASSERT_NE(above, nullptr);
    EXPECT_EQ(above->escapement, 3150);
    EXPECT_EQ(above->x2, 450);
    EXPECT_EQ(above->x1, 1961) << "up and to the left of the mid-point (2000, 2000)";
    EXPECT_EQ(above->y1, 2039);
    EXPECT_EQ(above->alignment, 6);

    const TTextobj* below = LabelOf(1000, 1000, 3000, 3000, 2);
    ASSERT_NE(below, nullptr);
    EXPECT_EQ(below->x1, 2039);
    EXPECT_EQ(below->y1, 1961);
    EXPECT_EQ(below->alignment, 4);
}

TEST_F(LineText, FallingAndShallowLinesKeepSideOneUp)
{
    // Right and down at 45 degrees: the text reads down the line, side 1 above it.
    const TTextobj* falling = LabelOf(1000, 3000, 3000, 1000, 1);
    ASSERT_NE(falling, nullptr);
    EXPECT_EQ(falling->x2, 1350);
    EXPECT_EQ(falling->escapement, 450);
    EXPECT_EQ(falling->x1, 2039);
    EXPECT_EQ(falling->y1, 2039);

    // Rising at a slope of one in two: 63.4 degrees from up.
    const TTextobj* shallow = LabelOf(1000, 1000, 3000, 2000, 1);
    ASSERT_NE(shallow, nullptr);
    EXPECT_EQ(shallow->x2, 634);
    EXPECT_EQ(shallow->escapement, 3334);
    EXPECT_EQ(shallow->x1, 1975);
    EXPECT_EQ(shallow->y1, 1550);

    // The same line drawn the other way: left and down.
    const TTextobj* back = LabelOf(3000, 2000, 1000, 1000, 1);
    ASSERT_NE(back, nullptr);
    EXPECT_EQ(back->x2, 2434);
    EXPECT_EQ(back->escapement, 3334);
    EXPECT_EQ(back->x1, 1975);
    EXPECT_EQ(back->y1, 1550);
}

TEST_F(LineText, AnEmptyTextPlacesNothingButTheToolIsReady)
{
    SetLabel(1, "");
    AddLine(1000, 1000, 3000, 1000);
    tool.ObjectsAdded(dc, client, 0, 0);
    EXPECT_EQ(objects().count(), 5);
    EXPECT_EQ(tool.step, STEP_LINETEXT_READY);
    EXPECT_EQ(dc.Count(TCanvasRecord::TextOut), 0);

    // No file at all: the same.
    std::filesystem::remove(dir.path() / "CFG" / "LTEXT.CFG");
    tool.step = STEP_LINETEXT_DRAWING;
    tool.ObjectsAdded(dc, client, 0, 0);
    EXPECT_EQ(objects().count(), 5);
    EXPECT_EQ(tool.step, STEP_LINETEXT_READY);
}

TEST_F(LineText, NothingHappensWhenTheLastObjectIsNotALine)
{
    SetLabel(1, "HALL 2");
    auto arc = std::make_unique<TArcobj>();
    arc->floor = 50;
    objects().Add(std::move(arc));
    tool.ObjectsAdded(dc, client, 0, 0);
    EXPECT_EQ(objects().count(), 5);
    EXPECT_EQ(tool.step, STEP_LINETEXT_DRAWING);
}

TEST_F(LineText, ADraggedLineIsLabelledOnceTheWindowAsks)
{
    SetLabel(2, "FENCE");
    tool.step = STEP_LINETEXT_READY;
    const TPoint start = Device(1000, 1000);
    tool.LButtonDown(dc, client, start.x, start.y);
    EXPECT_EQ(tool.step, STEP_LINETEXT_DRAWING);
    const TPoint end = Device(3000, 1000);
    tool.MouseMove(dc, client, end.x, end.y);
    TPoint release = end;
    tool.LButtonUp(dc, client, release);
    // The line is drawn and held until its label is placed: the two are one change.
    EXPECT_EQ(objects().count(), 4);
    EXPECT_EQ(ReadBack().size(), 4u);
    EXPECT_FALSE(tool.noLineText);

    const int edits = objects().EditCount();
    tool.ObjectsAdded(dc, client, 0, 0);
    EXPECT_EQ(objects().EditCount(), edits + 1);
    ASSERT_EQ(objects().count(), 6);
    EXPECT_EQ(objects()[4]->typeCode, 1);
    EXPECT_EQ(Label()->text, "FENCE");
    EXPECT_EQ(Label()->x1, 2000);
    EXPECT_EQ(Label()->y1, 944);
    EXPECT_EQ(ReadBack().size(), 6u);
}

TEST(LineTextGeometry, MidPointsTruncateAndDirectionsFollowTheDrawing)
{
    const TLineTextGeometry odd = LineTextGeometry(1001, 0, 2000, 0);
    EXPECT_EQ(odd.mid, (TPoint{1500, 0}));
    const TLineTextGeometry negative = LineTextGeometry(-3001, 500, -1000, 500);
    EXPECT_EQ(negative.mid, (TPoint{-2001, 500}));
    EXPECT_EQ(LineTextGeometry(0, 1000, 0, 0).direction, 0);
    EXPECT_EQ(LineTextGeometry(0, 0, 0, 1000).direction, 1800);
    // Left and up at 45 degrees.
    const TLineTextGeometry leftUp = LineTextGeometry(3000, 1000, 1000, 3000);
    EXPECT_EQ(leftUp.direction, 3150);
    EXPECT_EQ(leftUp.escapement, 450);
}

}  // namespace
