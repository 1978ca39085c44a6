// French doors and the main entry door with its frame.
#include "tests/openings/openingfixture.h"

namespace {

class FrenchEntry : public OpeningTest {
protected:
    int French(int side)
    {
        const int first = Count();
        TDrawingEdit edit(objects());
        tool.AddFrenchDoors(edit, dc, client, side);
        return first;
    }
    int Entry()
    {
        const int first = Count();
        TDrawingEdit edit(objects());
        tool.AddEntryDoor(edit, dc, client);
        return first;
    }
    std::vector<Line> LinesFrom(int first)
    {
        std::vector<Line> lines;
        for (const TLineobj* line : From<TLineobj>(first))
            lines.push_back(Ends(*line));
        return lines;
    }
};

}  // namespace

// ---------------------------------------------------------------------------------------------
// French doors.

TEST_F(FrenchEntry, FrenchDoorsOpeningOutOfAWallDrawnTowardsPlusX)
{
    Marked(FACE_PLUS_X, 4000, 9000, 300, 1600, OPENING_FRENCH_OUT);
    const int first = French(1);
    EXPECT_EQ(LinesFrom(first), (std::vector<Line>{{3200, 9000, 3200, 9800}, {4800, 9000, 4800, 9800}}));
    const auto arcs = From<TArcobj>(first);
    ASSERT_EQ(arcs.size(), 2u);
    // Each box reaches the whole width from the closed point to the leaf's hinge side.
    EXPECT_EQ(Ends(*arcs[0]), (Line{2400, 9800, 4000, 8200}));
    EXPECT_EQ(Ends(*arcs[1]), (Line{4000, 9800, 5600, 8200}));
    EXPECT_EQ(arcs[0]->arcStartX, 4000);
    EXPECT_EQ(arcs[0]->arcStartY, 9000);
    EXPECT_EQ(arcs[0]->arcEndX, 3200);
    EXPECT_EQ(arcs[0]->arcEndY, 9800);
    EXPECT_EQ(arcs[1]->arcStartX, 4800);
    EXPECT_EQ(arcs[1]->arcEndX, 4000);
    for (const TArcobj* arc : arcs) {
        EXPECT_DOUBLE_EQ(ArcSweep(*arc), 90.0);
        EXPECT_EQ(arc->penStyle, PS_DOT);
    }
    EXPECT_EQ(tool.kind, KIND_OPENING_LINE);
}

TEST_F(FrenchEntry, FrenchDoorsSwingAQuarterOnEveryFaceAndSide)
{
    for (int face : {FACE_PLUS_X, FACE_MINUS_Y, FACE_MINUS_X, FACE_PLUS_Y}) {
        for (int side : {1, 2}) {
            SCOPED_TRACE("face " + std::to_string(face) + " side " + std::to_string(side));
            Marked(face, 4000, 9000, 300, 1600, side == 1 ? OPENING_FRENCH_OUT : OPENING_FRENCH_IN);
            const int first = French(side);
            const auto lines = From<TLineobj>(first);
            const auto arcs = From<TArcobj>(first);
            ASSERT_EQ(lines.size(), 2u);
            ASSERT_EQ(arcs.size(), 2u);
            for (int i = 0; i < 2; ++i) {
                EXPECT_DOUBLE_EQ(ArcSweep(*arcs[std::size_t(i)]), 90.0);
                // Opening in, the hinges lie on the inner face; out, on the reference line.
                const TLineobj& leaf = *lines[std::size_t(i)];
                const bool horizontal = face == FACE_PLUS_X || face == FACE_MINUS_X;
                const int across = horizontal ? leaf.y1 : leaf.x1;
                const int reference = horizontal ? 9000 : 4000;
                const int inward = face == FACE_PLUS_X || face == FACE_MINUS_Y ? -1 : 1;
                EXPECT_EQ(across, side == 1 ? reference : reference + inward * 300);
                // The leaf swings out of the house (side 1) or into it (side 2).
                const int swing = horizontal ? leaf.y2 - leaf.y1 : leaf.x2 - leaf.x1;
                EXPECT_EQ(swing, (side == 1 ? -inward : inward) * 800);
            }
        }
    }
}

TEST_F(FrenchEntry, FrenchDoorsOfOddWidth)
{
    Marked(FACE_PLUS_X, 4000, 9000, 300, 1601, OPENING_FRENCH_OUT);
    const int first = French(1);
    EXPECT_EQ(LinesFrom(first)[0], (Line{3200, 9000, 3200, 9800}));
    EXPECT_EQ(Ends(*From<TArcobj>(first)[0]), (Line{2399, 9800, 4000, 8200}));
}

TEST_F(FrenchEntry, FrenchDoorsAtSixtyDegrees)
{
    WriteCfg("INTERN.CFG", "60 2 0.866025 0.500001");
    Marked(FACE_PLUS_X, 4000, 9000, 300, 1600, OPENING_FRENCH_IN);
    const int first = French(2);
    // h = 800: S = 692, C = 400; hinged on the inner face (8700), opening inwards.
    EXPECT_EQ(LinesFrom(first), (std::vector<Line>{{3200, 8700, 3600, 8008}, {4800, 8700, 4400, 8008}}));
    EXPECT_EQ(From<TLineobj>(first)[0]->penWidth, 2);
    for (const TArcobj* arc : From<TArcobj>(first))
        EXPECT_NEAR(ArcSweep(*arc), 60.0, 0.1);
}

TEST_F(FrenchEntry, FrenchDoorsInAnAngledWall)
{
    // 301 thick: the jamb at the far end takes its step across truncated, the other rounded.
    Marked(450, 3000, 6000, 301, 1600, OPENING_FRENCH_OUT);
    int first = French(1);
    EXPECT_TRUE(From<TArcobj>(first).empty());
    EXPECT_EQ(LinesFrom(first), (std::vector<Line>{{2434, 5434, 2647, 5221},
                                                   {3566, 6566, 3778, 6354},
                                                   {3566, 6566, 3001, 7131},
                                                   {2434, 5434, 1869, 5999}}));
    const auto lines = From<TLineobj>(first);
    EXPECT_EQ(lines[0]->penWidth, 1);
    EXPECT_EQ(lines[2]->penWidth, 1);

    Marked(450, 3000, 6000, 301, 1600, OPENING_FRENCH_IN);
    first = French(2);
    const auto in = LinesFrom(first);
    ASSERT_EQ(in.size(), 4u);
    EXPECT_EQ(in[2], (Line{3778, 6354, 4343, 5789}));
    EXPECT_EQ(in[3], (Line{2647, 5221, 3212, 4656}));
}

// ---------------------------------------------------------------------------------------------
// Main entry.

TEST_F(FrenchEntry, EntryWithOneDoorAndASidePanel)
{
    WriteCfg("ENTRY.CFG", "900 0 0 1 0 r n n");
    Marked(FACE_PLUS_X, 4000, 9000, 300, 1800, OPENING_MAIN_ENTRY, 6);
    const int first = Entry();
    // The panel's centre line from the frame end to the jamb, the jamb, then the leaf hinged at the
    // jamb on the inner face, closing towards +x.
    EXPECT_EQ(LinesFrom(first), (std::vector<Line>{{3100, 8850, 4000, 8850},
                                                   {4000, 9000, 4000, 8700},
                                                   {4000, 8700, 4000, 7800}}));
    const auto arcs = From<TArcobj>(first);
    ASSERT_EQ(arcs.size(), 1u);
    EXPECT_EQ(Ends(*arcs[0]), (Line{3100, 9600, 4900, 7800}));
    // The tool is as it was, with the code kept for one leaf.
    EXPECT_EQ(tool.pointX, 4000);
    EXPECT_EQ(tool.pointY, 9000);
    EXPECT_EQ(tool.openingWidth, 1800);
    EXPECT_EQ(tool.step, 6);
}

TEST_F(FrenchEntry, EntryLeafHingesByCodeAndSide)
{
    // Face -1, panel on the left ('r'): code 8 closes towards the panel, so it hangs at the far end.
    WriteCfg("ENTRY.CFG", "900 0 0 1 0 r n n");
    Marked(FACE_PLUS_X, 4000, 9000, 300, 1800, OPENING_MAIN_ENTRY, 8);
    int first = Entry();
    EXPECT_EQ(LinesFrom(first)[2], (Line{4900, 8700, 4900, 7800}));

    // Panel on the right ('l'): from x + 900 back to the jamb at x.
    WriteCfg("ENTRY.CFG", "900 0 0 1 0 l n n");
    Marked(FACE_PLUS_X, 4000, 9000, 300, 1800, OPENING_MAIN_ENTRY, 8);
    first = Entry();
    EXPECT_EQ(LinesFrom(first), (std::vector<Line>{{4900, 8850, 4000, 8850},
                                                   {4000, 9000, 4000, 8700},
                                                   {4000, 8700, 4000, 7800}}));

    // Central ('b'): panels from both frame ends, jambs at their inner ends; code 6 hangs at the
    // left jamb.
    WriteCfg("ENTRY.CFG", "900 0 0 1 0 b n n");
    Marked(FACE_PLUS_X, 4000, 9000, 300, 2400, OPENING_MAIN_ENTRY, 6);
    first = Entry();
    EXPECT_EQ(LinesFrom(first), (std::vector<Line>{{2800, 8850, 3550, 8850},
                                                   {5200, 8850, 4450, 8850},
                                                   {4450, 9000, 4450, 8700},
                                                   {3550, 9000, 3550, 8700},
                                                   {3550, 8700, 3550, 7800}}));

    // A vertical wall drawn towards -y (inside towards -x), panel below ('l'), code 2 closes up.
    WriteCfg("ENTRY.CFG", "900 0 0 1 0 l n n");
    Marked(FACE_MINUS_Y, 4000, 9000, 300, 1800, OPENING_MAIN_ENTRY, 2);
    first = Entry();
    EXPECT_EQ(LinesFrom(first), (std::vector<Line>{{3850, 8100, 3850, 9000},
                                                   {4000, 9000, 3700, 9000},
                                                   {3700, 9000, 2800, 9000}}));
}

TEST_F(FrenchEntry, TwoEntryDoorsShareAFrameTooNarrowForThem)
{
    WriteCfg("ENTRY.CFG", "900 0 0 2 0 r n n");
    Marked(FACE_PLUS_X, 4000, 9000, 300, 1500, OPENING_MAIN_ENTRY, 0);
    const int first = Entry();
    // Leaves of 750; the side panel has no length (skipped), its jamb stays; the leaves close
    // towards each other in the middle.
    EXPECT_EQ(LinesFrom(first), (std::vector<Line>{{3250, 9000, 3250, 8700},
                                                   {3250, 8700, 3250, 7950},
                                                   {4750, 8700, 4750, 7950}}));
    const auto arcs = From<TArcobj>(first);
    ASSERT_EQ(arcs.size(), 2u);
    EXPECT_EQ((TPoint{arcs[0]->arcEndX, arcs[0]->arcEndY}), (TPoint{4000, 8700}));
    EXPECT_EQ((TPoint{arcs[1]->arcStartX, arcs[1]->arcStartY}), (TPoint{4000, 8700}));
    EXPECT_EQ(tool.step, 0);
    EXPECT_EQ(tool.openingWidth, 1500);
}

TEST_F(FrenchEntry, TwoEntryDoorsInAVerticalWall)
{
    WriteCfg("ENTRY.CFG", "800 0 0 2 0 b n n");
    Marked(FACE_PLUS_Y, 4000, 9000, 300, 1600, OPENING_MAIN_ENTRY, 0);
    const int first = Entry();
    const auto lines = LinesFrom(first);
    // No panels (total 1600), two jambs at the frame ends, then the leaves: code 3 at hinge + 800,
    // code 4 at hinge - 800, both on the inner face at x + 300.
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[2], (Line{4300, 9800, 5100, 9800}));
    EXPECT_EQ(lines[3], (Line{4300, 8200, 5100, 8200}));
}

TEST_F(FrenchEntry, OneEntryDoorWiderThanItsFrame)
{
    WriteCfg("ENTRY.CFG", "2000 0 0 1 0 r n n");
    Marked(FACE_PLUS_X, 4000, 9000, 300, 1500, OPENING_MAIN_ENTRY, 6);
    const int first = Entry();
    // The leaf becomes 750 wide and the panel 0 long: hung at the jamb at the frame's left end.
    EXPECT_EQ(LinesFrom(first), (std::vector<Line>{{3250, 9000, 3250, 8700}, {3250, 8700, 3250, 7950}}));
}

TEST_F(FrenchEntry, EntryInAnAngledWallHasOnlyItsOpening)
{
    WriteCfg("ENTRY.CFG", "900 0 0 2 0 r n n");
    WriteCfg("WIND.CFG", "10 1800 2100 0 1 9 1 0");
    Marked(450, 3000, 6000, 300, 1800, OPENING_MAIN_ENTRY, 0);
    tool.showSizes = 1;
    tool.showCill = 1;
    const int first = Build();
    ASSERT_EQ(Count() - first, 1);
    EXPECT_EQ(objects()[first]->typeCode, TYPE_OPENING_POLYGON);
}
