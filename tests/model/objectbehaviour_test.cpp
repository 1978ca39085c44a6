// What each object class does for the operations on the whole list: its extent (Bounds), whether
// it lies under a point (HitTest) and how it turns with the drawing (TurnOrMirror).
#include "model/arcobj.h"
#include "model/drawingfile.h"
#include "model/extwallobj.h"
#include "model/infoobj.h"
#include "model/intwallobj.h"
#include "model/lineobj.h"
#include "model/list.h"
#include "model/planturn.h"
#include "model/textobj.h"
#include "model/typecodes.h"
#include "tests/model/modelfixture.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

TModelBox Box(int32_t minX, int32_t minY, int32_t maxX, int32_t maxY) { return {false, minX, minY, maxX, maxY}; }

std::unique_ptr<TExtwallobj> TwoLineWall()
{
    auto wall = std::make_unique<TExtwallobj>();
    wall->x1 = 30000;
    wall->y1 = 20000;
    wall->x2 = 34000;
    wall->y2 = 20000;
    wall->spacing1 = 300;
    wall->angle = 900;
    wall->wallLines = {30000, 19700, 34000, 19700};  // lines 2 and 3 unused: zeros
    return wall;
}

std::unique_ptr<TTextobj> Text(int alignment, int escapement)
{
    auto text = std::make_unique<TTextobj>(TYPE_TEXT);
    text->x1 = 10000;
    text->y1 = 10000;
    text->SetText("ABCDEFGHIJ");
    text->fontHeight = 8;  // at scale 5: 200 model units high, 1100 wide
    text->alignment = alignment;
    text->escapement = escapement;
    return text;
}

}  // namespace

TEST(ObjectBounds, AWallCoversItsReferenceLineAndTheWallLinesInUse)
{
    auto wall = TwoLineWall();
    EXPECT_EQ(wall->Bounds(), Box(30000, 19700, 34000, 20000));  // not the unused lines at (0, 0)

    wall->spacing2 = 50;
    wall->spacing3 = 100;
    wall->wallLines = {30000, 19700, 34000, 19700, 30000, 19650, 34000, 19650, 30000, 19550, 34000, 19550};
    EXPECT_EQ(wall->Bounds(), Box(30000, 19550, 34000, 20000));

    // A wall made with a tool's kind is not a wall of the list: its points are its extent.
    TExtwallobj resize(1100);
    resize.x1 = 100;
    resize.y1 = 100;
    resize.x2 = 200;
    resize.y2 = 100;
    EXPECT_EQ(resize.Bounds(), Box(0, 0, 200, 100));
}

TEST(ObjectBounds, ATextCoversItsEstimatedExtentAtTheViewScale)
{
    FreshDrawingState fresh;
    State().unitsPerLogical = 5;
    // Left top: hangs right and down from the anchor.
    EXPECT_EQ(Text(5, 0)->Bounds(), Box(10000, 9800, 11100, 10000));
    // Centre bottom: stands centred above it.
    EXPECT_EQ(Text(6, 0)->Bounds(), Box(9450, 10000, 10550, 10200));
    // Reading upwards with the letters to the left of the anchor.
    EXPECT_EQ(Text(2, 2700)->Bounds(), Box(9800, 10000, 10000, 11100));
    // The extent grows with the scale: the font is sized in logical units.
    State().unitsPerLogical = 10;
    EXPECT_EQ(Text(5, 0)->Bounds(), Box(10000, 9200, 14400, 10000));

    // A text that shows nothing covers its anchor only.
    auto empty = Text(5, 0);
    empty->SetText("");
    EXPECT_EQ(empty->Bounds(), Box(10000, 10000, 10000, 10000));
}

TEST(ObjectBounds, TheHitTestAndTheBoundsOfATextAgree)
{
    FreshDrawingState fresh;
    State().unitsPerLogical = 5;
    for (auto [alignment, escapement] : {std::pair{5, 0}, {6, 0}, {4, 0}, {2, 2700}, {3, 900}}) {
        const auto text = Text(alignment, escapement);
        const TModelBox box = text->Bounds();
        std::array<TPoint, 4> corners;
        ASSERT_TRUE(text->EstimatedCorners(5, corners));
        for (const TPoint& corner : corners) {
            // Just inside each corner, towards the box's middle, the text is found.
            const double px = corner.x + (corner.x < (box.minX + box.maxX) / 2 ? 2 : -2);
            const double py = corner.y + (corner.y < (box.minY + box.maxY) / 2 ? 2 : -2);
            EXPECT_TRUE(text->HitTest(HIT_TEXTS, px, py, 5)) << alignment << " " << escapement;
        }
        // Outside the box it never is.
        EXPECT_FALSE(text->HitTest(HIT_TEXTS, box.minX - 2, box.minY + 10, 5));
        EXPECT_FALSE(text->HitTest(HIT_TEXTS, box.maxX + 2, box.maxY - 10, 5));
        EXPECT_FALSE(text->HitTest(HIT_WALLS, (box.minX + box.maxX) / 2.0, (box.minY + box.maxY) / 2.0, 5));
    }
}

TEST(ObjectBounds, AnArcCoversTheBoxOfItsEllipseNotItsRayPoints)
{
    TArcobj arc;
    arc.x1 = 20000;
    arc.y1 = 24000;
    arc.x2 = 24000;
    arc.y2 = 20000;
    arc.arcStartX = 90000;  // far out along the start ray
    arc.arcStartY = 22000;
    arc.arcEndX = 22000;
    arc.arcEndY = 0;
    EXPECT_EQ(arc.Bounds(), Box(20000, 20000, 24000, 24000));

    TLineobj line;
    line.x1 = 5;
    line.y1 = 9;
    line.x2 = -3;
    line.y2 = 4;
    EXPECT_EQ(line.Bounds(), Box(-3, 4, 5, 9));
    EXPECT_TRUE(TInfoobj(32000).Bounds().empty);  // a floor record is never in the plan
}

TEST(ObjectHitTest, OnlyWallsAnswerTheWallSearchAndOnlyTextsTheTextSearch)
{
    FreshDrawingState fresh;
    auto wall = TwoLineWall();
    EXPECT_TRUE(wall->HitTest(HIT_WALLS, 32000, 19800, 5));
    EXPECT_TRUE(wall->HitTest(HIT_WALLS, 32000, 20300, 5));  // within the thickness on either side
    EXPECT_FALSE(wall->HitTest(HIT_WALLS, 32000, 20301, 5));
    EXPECT_FALSE(wall->HitTest(HIT_TEXTS, 32000, 19800, 5));
    wall->typeCode = 1100;
    EXPECT_FALSE(wall->HitTest(HIT_WALLS, 32000, 19800, 5));

    TIntwallobj inner;
    inner.x2 = 1000;
    inner.wallWidth = 100;
    EXPECT_TRUE(inner.HitTest(HIT_WALLS, 500, -100, 5));
    EXPECT_FALSE(inner.HitTest(HIT_WALLS, 500, -101, 5));

    TLineobj line;
    line.x2 = 1000;
    EXPECT_FALSE(line.HitTest(HIT_WALLS, 500, 0, 5));
    EXPECT_FALSE(line.HitTest(HIT_TEXTS, 500, 0, 5));
}

TEST(ObjectTurn, EachClassTurnsWhatItKeeps)
{
    const TPoint centre{30000, 21000};
    TIntwallobj inner;
    inner.typeCode = TYPE_INTWALL;
    inner.x1 = 31000;
    inner.y1 = 21000;
    inner.face2StartX = 31000;
    inner.face2StartY = 21100;
    inner.angle = 900;
    inner.TurnOrMirror(90, centre);
    EXPECT_EQ(inner.x1, 30000);
    EXPECT_EQ(inner.y1, 20000);
    EXPECT_EQ(inner.face2StartX, 30100);
    EXPECT_EQ(inner.face2StartY, 20000);
    EXPECT_EQ(inner.angle, 1800);

    // A line keeps no direction: its points only.
    TLineobj line;
    line.x1 = 31000;
    line.y1 = 21000;
    line.lineAux1 = 900;
    line.TurnOrMirror(MIRROR_LEFT_RIGHT, centre);
    EXPECT_EQ(line.x1, 29000);
    EXPECT_EQ(line.lineAux1, 900);

    // Only dimension and label texts turn the direction they keep in x2.
    auto plain = Text(5, 0);
    plain->x2 = 900;
    plain->TurnOrMirror(90, centre);
    EXPECT_EQ(plain->x2, 900);
    EXPECT_EQ(plain->escapement, 2700);  // turned to 900, which would read downwards
    auto label = Text(5, 0);
    label->typeCode = TYPE_LABEL_TEXT;
    label->x2 = 900;
    label->TurnOrMirror(90, centre);
    EXPECT_EQ(label->x2, 1800);
}

namespace {

// A class the list has never heard of: a marker found by the text search within 100 of its point,
// whose direction in x2 turns with the drawing. It needs no change anywhere in the list.
class TMarkerobj : public TObject {
public:
    explicit TMarkerobj(int32_t code = 77) : TObject(code) {}
    ARKWELD_OBJECT_CLASS(TMarkerobj)
    bool HitTest(int mode, double px, double py, int) const override
    {
        return mode == HIT_TEXTS && DistanceToSegment(px, py, x1, y1, x1, y1) <= 100;
    }
    void TurnOrMirror(int rotation, TPoint centre) override
    {
        TurnPoint(x1, y1, rotation, centre);
        x2 = TurnAngle(x2, rotation);
    }
    void WriteRecord(TRecordWriter&) const override {}
    bool ReadRecord(TRecordReader&) override { return false; }
    void Render(Canvas&, int, TFillStyle) const override {}
};

}  // namespace

TEST_F(ModelTest, ANewObjectClassTakesPartInTheListsSearchesAndTurns)
{
    state().unitsPerLogical = 5;
    state().currentFloor = GROUND_FLOOR;
    auto marker = std::make_unique<TMarkerobj>();
    marker->floor = GROUND_FLOOR;
    marker->x1 = 5000;
    marker->y1 = 5000;
    objects().Add(std::make_unique<TLineobj>());
    objects().Add(std::move(marker));
    EXPECT_EQ(objects().FindObjectAt(HIT_TEXTS, 1010, 1010), 1);
    EXPECT_EQ(objects().FindObjectAt(HIT_WALLS, 1010, 1010), std::nullopt);

    const TPoint centre = DrawingFileCentre(state().unitSystem);
    ASSERT_TRUE(objects().RotateOrMirrorDrawing(180));
    ASSERT_EQ(objects().count(), 2);
    EXPECT_EQ(objects()[1]->x1, 2 * centre.x - 5000);
    EXPECT_EQ(objects()[1]->y1, 2 * centre.y - 5000);
    EXPECT_EQ(objects()[1]->x2, 1800);
}
