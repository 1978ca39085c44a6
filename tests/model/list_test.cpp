#include "model/arcobj.h"
#include "model/drawingedit.h"
#include "model/drawingfile.h"
#include "model/extwallobj.h"
#include "model/infoobj.h"
#include "model/intwallobj.h"
#include "model/libraryindex.h"
#include "model/lineobj.h"
#include "model/plantitles.h"
#include "model/planturn.h"
#include "model/polyobj.h"
#include "model/roomobj.h"
#include "model/selectionlist.h"
#include "model/settingsrecords.h"
#include "model/textobj.h"
#include "model/typecodes.h"
#include "tests/model/modelfixture.h"

namespace {

// Counts the objects deleted, to see that the list owns and frees them.
int liveProbes = 0;
struct Probe : TLineobj {
    explicit Probe(int32_t id) : TLineobj(1) { ownerId = id; ++liveProbes; }
    Probe(const Probe& other) : TLineobj(other) { ++liveProbes; }
    ~Probe() override { --liveProbes; }
};

std::vector<int> Owners(const TList& list)
{
    std::vector<int> owners;
    for (int i = 0; i < list.count(); ++i)
        owners.push_back(list[i]->ownerId);
    return owners;
}

TLineobj* Line(int floorCode, int x1, int y1, int x2, int y2, int type = 1)
{
    auto* line = new TLineobj(type);
    line->floor = floorCode;
    line->x1 = x1;
    line->y1 = y1;
    line->x2 = x2;
    line->y2 = y2;
    return line;
}

// A horizontal external wall along y from x1 to x2, its lines `thickness` below.
TExtwallobj* ExtWall(int floorCode, int x1, int x2, int y, int thickness)
{
    auto* wall = new TExtwallobj;
    wall->floor = floorCode;
    wall->x1 = x1;
    wall->y1 = y;
    wall->x2 = x2;
    wall->y2 = y;
    wall->spacing1 = thickness;
    wall->angle = 900;
    wall->wallLines = {x1, y - thickness, x2, y - thickness};
    return wall;
}

}  // namespace

TEST(List, OwnsItsObjectsAndKeepsTheirOrder)
{
    {
        TList list;
        for (int id = 0; id < 6; ++id)
            list.Add(new Probe(id));
        EXPECT_EQ(list.count(), 6);
        EXPECT_EQ(liveProbes, 6);

        list.Remove(2);
        list.Remove(2);
        EXPECT_EQ(Owners(list), (std::vector<int>{0, 1, 4, 5}));
        EXPECT_EQ(liveProbes, 4);

        list.Replace(1, std::make_unique<Probe>(9));
        EXPECT_EQ(Owners(list), (std::vector<int>{0, 9, 4, 5}));
        EXPECT_EQ(liveProbes, 4);

        list.CutBack(2);
        EXPECT_EQ(Owners(list), (std::vector<int>{0, 9}));
        EXPECT_EQ(liveProbes, 2);

        // Out-of-range indexes and counts change nothing.
        list.Remove(5);
        list.Remove(-1);
        list.CutBack(7);
        EXPECT_EQ(list.count(), 2);

        list.Add(new Probe(3));
        list.Clear();
        EXPECT_EQ(list.count(), 0);
        EXPECT_EQ(liveProbes, 0);
        list.Add(new Probe(1));
    }
    EXPECT_EQ(liveProbes, 0);
}

TEST(List, FindByTypeGivesTheFirstInListOrder)
{
    FreshDrawingState fresh;
    TList& list = State().objects;
    EXPECT_EQ(list.FindByType(1), std::nullopt);
    list.Add(new TInfoobj(32000));
    list.Add(Line(50, 0, 0, 1, 1, 11));
    list.Add(new TInfoobj(32001));
    list.Add(Line(51, 0, 0, 1, 1, 11));
    EXPECT_EQ(list.FindByType(32001), 2);
    EXPECT_EQ(list.FindByType(11), 1);
    EXPECT_EQ(list.FindByType(32002), std::nullopt);
}

TEST(List, FindObjectAtFindsWallsWhoseOutlineWidenedByTheirThicknessHoldsThePoint)
{
    FreshDrawingState fresh;
    State().unitsPerLogical = 5;
    State().currentFloor = 50;
    TList& list = State().objects;
    list.Add(Line(50, 0, 1000, 5000, 1000));
    list.Add(ExtWall(51, 0, 5000, 1000, 300));  // another floor
    // Reference line y 1000, its line y 700: the outline widened by 300 spans y 400 to 1300.
    list.Add(ExtWall(50, 0, 5000, 1000, 300));
    // Reference line x 2000, second face x 1900, 100 thick: widened, x 1800 to 2100.
    auto* inner = new TIntwallobj;
    inner->floor = 50;
    inner->x1 = 2000;
    inner->y1 = -2000;
    inner->x2 = 2000;
    inner->y2 = -500;
    inner->face2StartX = 1900;
    inner->face2StartY = -2000;
    inner->face2EndX = 1900;
    inner->face2EndY = -500;
    inner->wallWidth = 100;
    list.Add(inner);

    // Logical points: model units / 5.
    EXPECT_EQ(list.FindObjectAt(1, 400, 180), 2);   // (2000, 900): inside the external wall
    EXPECT_EQ(list.FindObjectAt(1, 500, 260), 2);   // (2500, 1300): 300 outside the reference line
    EXPECT_EQ(list.FindObjectAt(1, 500, 100), 2);   // (2500, 500): 200 beyond the wall's line
    EXPECT_EQ(list.FindObjectAt(1, 500, 80), 2);    // (2500, 400): 300 beyond it
    EXPECT_EQ(list.FindObjectAt(1, 500, 78), std::nullopt);    // (2500, 390): further
    EXPECT_EQ(list.FindObjectAt(1, 1058, 170), 2);  // (5290, 850): within 300 past the end
    EXPECT_EQ(list.FindObjectAt(1, 1100, 200), std::nullopt);  // (5500, 1000): past the wall's end
    EXPECT_EQ(list.FindObjectAt(1, 400, -200), 3);  // (2000, -1000): on the internal wall
    EXPECT_EQ(list.FindObjectAt(1, 390, -200), 3);  // (1950, -1000): between its faces
    EXPECT_EQ(list.FindObjectAt(1, 419, -200), 3);  // (2095, -1000): within its thickness
    EXPECT_EQ(list.FindObjectAt(1, 422, -200), std::nullopt);  // (2110, -1000): beyond it
    EXPECT_EQ(list.FindObjectAt(1, 361, -200), 3);  // (1805, -1000): within it beyond the second face
    EXPECT_EQ(list.FindObjectAt(1, 358, -200), std::nullopt);  // (1790, -1000): beyond that
    EXPECT_EQ(list.FindObjectAt(2, 400, 180), std::nullopt);
    State().currentFloor = 52;
    EXPECT_EQ(list.FindObjectAt(1, 400, 180), std::nullopt);
}

TEST(List, FindLineNearTakesTheFirstLineOfTheFloorWithinTheTolerance)
{
    FreshDrawingState fresh;
    State().currentFloor = 50;
    TList& list = State().objects;
    list.Add(Line(51, 1000, 1000, 5000, 1000));  // another floor
    list.Add(ExtWall(50, 1000, 5000, 1000, 300));  // not a line
    auto* arrow = Line(50, 1000, 1000, 5000, 1000);
    arrow->typeCode = 11;  // a line of another kind
    list.Add(arrow);
    list.Add(Line(50, 1000, 1010, 5000, 1010));
    list.Add(Line(50, 1000, 1000, 5000, 1000));
    list.Add(Line(50, 8000, 1000, 8000, 4000));

    EXPECT_EQ(list.FindLineNear(3000, 1000, 15), 3);   // the first of two lines in reach
    EXPECT_EQ(list.FindLineNear(3000, 1025, 15), 3);   // exactly at the tolerance
    EXPECT_EQ(list.FindLineNear(3000, 985, 15), 4);    // beyond the first, in reach of the second
    EXPECT_EQ(list.FindLineNear(5012, 1005, 15), 3);   // past the end, still within reach of it
    EXPECT_EQ(list.FindLineNear(8010, 2000, 15), 5);
    EXPECT_EQ(list.FindLineNear(3000, 1100, 15), std::nullopt);
    EXPECT_EQ(list.FindLineNear(5020, 1000, 15), std::nullopt);
    State().currentFloor = 52;
    EXPECT_EQ(list.FindLineNear(3000, 1000, 15), std::nullopt);
}

TEST(List, FindObjectAtFindsTheFirstTextWhoseExtentHoldsThePoint)
{
    FreshDrawingState fresh;
    State().unitsPerLogical = 5;
    State().currentFloor = 50;
    TList& list = State().objects;
    auto text = [&](int floorCode, int x, int y, int alignment, int escapement) {
        auto* t = new TTextobj(4);
        t->floor = floorCode;
        t->x1 = x;
        t->y1 = y;
        t->SetText("ABCDEFGHIJ");  // 10 characters
        t->fontHeight = 8;  // 8 x 5 logical units = 200 model units high, about 1100 wide
        t->alignment = alignment;
        t->escapement = escapement;
        list.Add(t);
    };
    text(51, 0, 0, 5, 0);
    text(50, 0, 0, 5, 0);          // left top: hangs right and down from (0, 0)
    text(50, 5000, 0, 6, 0);       // centre bottom: stands above (5000, 0)
    text(50, 10000, 0, 2, 2700);   // reads upwards from (10000, 0), letters to its left

    EXPECT_EQ(list.FindObjectAt(4, 100 / 5, -100 / 5), 1);
    EXPECT_EQ(list.FindObjectAt(4, 100 / 5, 100 / 5), std::nullopt);
    EXPECT_EQ(list.FindObjectAt(4, 4600 / 5, 100 / 5), 2);
    EXPECT_EQ(list.FindObjectAt(4, 5000 / 5, -100 / 5), std::nullopt);
    EXPECT_EQ(list.FindObjectAt(4, 9900 / 5, 800 / 5), 3);
    EXPECT_EQ(list.FindObjectAt(4, 10100 / 5, 800 / 5), std::nullopt);
    EXPECT_EQ(list.FindObjectAt(4, 9900 / 5, -100 / 5), std::nullopt);
}

TEST(List, FloorAreaIsKeptAsAWholeNumber)
{
    TList list;
    EXPECT_EQ(list.GetFloorArea(), 0);
    list.SetFloorArea(215);
    EXPECT_EQ(list.GetFloorArea(), 215);
}

using ListFiles = ModelTest;

TEST_F(ListFiles, WriteExtentsMeasuresWallsOrDimensionLinesByDisplayMode)
{
    state().currentFloor = 51;
    objects().Add(ExtWall(51, 1000, 9000, 7000, 300));
    objects().Add(ExtWall(50, -5000, 99000, 7000, 300));
    objects().Add(Line(50, 500, 400, 9500, 400));  // not a dimension line
    auto dimension = [&](int floorCode, int x1, int y1, int x2, int y2) {
        auto* arrow = MakeObjectForType(25000).release();
        arrow->floor = floorCode;
        arrow->x1 = x1;
        arrow->y1 = y1;
        arrow->x2 = x2;
        arrow->y2 = y2;
        objects().Add(arrow);
    };
    dimension(50, 600, 300, 9400, 300);
    dimension(50, 200, 8000, 200, 500);

    state().displayMode = 11;
    objects().WriteExtents();
    EXPECT_EQ(ReadWholeFile(Cfg("EXTENTS.CFG")), "1000 9000 7000 7000");

    // No dimension lines on floor 51: those of the floor below.
    state().displayMode = 2;
    objects().WriteExtents();
    EXPECT_EQ(ReadWholeFile(Cfg("EXTENTS.CFG")), "200 9400 8000 300");

    dimension(51, 3000, 3000, 4000, 3000);
    objects().WriteExtents();
    EXPECT_EQ(ReadWholeFile(Cfg("EXTENTS.CFG")), "3000 4000 3000 3000");

    state().currentFloor = 52;
    state().displayMode = 3;
    objects().WriteExtents();
    EXPECT_EQ(ReadWholeFile(Cfg("EXTENTS.CFG")), "200000 0 0 200000");
}

TEST_F(ListFiles, ExtentsReadBackOnlyFromACompleteFile)
{
    state().currentFloor = 50;
    state().displayMode = 1;
    objects().Add(ExtWall(50, -1000, 2000, 3000, 300));
    objects().Add(ExtWall(50, 0, 500, -400, 300));
    ASSERT_TRUE(objects().WriteExtents());
    TExtentsSettings extents;
    ASSERT_TRUE(ReadSettingsFromFile(extents));
    EXPECT_EQ((std::array<int, 4>{extents.minX, extents.maxX, extents.maxY, extents.minY}),
              (std::array<int, 4>{-1000, 2000, 3000, -400}));
    EXPECT_TRUE(extents.Measured());

    // Nothing measured: the start values, which say so.
    state().currentFloor = 51;
    ASSERT_TRUE(objects().WriteExtents());
    EXPECT_EQ(ReadWholeFile(Cfg("EXTENTS.CFG")), "200000 0 0 200000");
    ASSERT_TRUE(ReadSettingsFromFile(extents));
    EXPECT_FALSE(extents.Measured());

    // A short or missing file is not taken, and the record stays as it was.
    ASSERT_TRUE(WriteSettings("EXTENTS.CFG", "100 200 300"));
    extents.minX = 7;
    EXPECT_FALSE(ReadSettingsFromFile(extents));
    EXPECT_EQ(extents.minX, 7);
    std::filesystem::remove(Cfg("EXTENTS.CFG"));
    EXPECT_FALSE(ReadSettingsFromFile(extents));
}

TEST_F(ListFiles, WriteExtentsSaysWhyTheFileCouldNotBeWritten)
{
    state().displayMode = 1;
    ASSERT_TRUE(WriteSettings("EXTENTS.CFG", "1 2 3 4"));
    FailNextWrites(1, WriteStage::Sync);
    std::string reason;
    EXPECT_FALSE(objects().WriteExtents(&reason));
    FailNextWrites(0);
    EXPECT_FALSE(reason.empty());
    EXPECT_EQ(ReadWholeFile(Cfg("EXTENTS.CFG")), "1 2 3 4");
}

TEST_F(ListFiles, WriteExtentsReadsTheDrawingWhenTheListIsEmpty)
{
    state().currentFloor = 50;
    state().displayMode = 1;
    objects().Add(ExtWall(50, 1000, 2000, 3000, 300));
    ASSERT_TRUE(objects().WriteDrawing());
    objects().Clear();
    objects().WriteExtents();
    EXPECT_EQ(objects().count(), 1);
    EXPECT_EQ(ReadWholeFile(Cfg("EXTENTS.CFG")), "1000 2000 3000 3000");
}

TEST(PlanTitles, TitlesReadBackAsWrittenWhateverTheyBeginWith)
{
    EXPECT_EQ(ParsePlanTitles("12 11 12GROUND FLOORFIRST FLOORSECOND FLOOR\n"),
              (std::array<std::string, 3>{"GROUND FLOOR", "FIRST FLOOR", "SECOND FLOOR"}));
    EXPECT_EQ(ParsePlanTitles("6 0 4ground2nd\n"), (std::array<std::string, 3>{"ground", "", "2nd"}));
    EXPECT_EQ(ParsePlanTitles("0 0 0\n"), (std::array<std::string, 3>{"", "", ""}));
    // A first title that begins with a digit or a blank.
    EXPECT_EQ(ParsePlanTitles("6 0 42nd flab c\n"), (std::array<std::string, 3>{"2nd fl", "", "ab c"}));
    EXPECT_EQ(ParsePlanTitles("7 3 0 ground1st\n"), (std::array<std::string, 3>{" ground", "1st", ""}));
    // Written by hand with a blank before the titles, or with lengths that overrun the line.
    EXPECT_EQ(ParsePlanTitles("3 3 3 abcdefghi\r\n"), (std::array<std::string, 3>{"abc", "def", "ghi"}));
    EXPECT_EQ(ParsePlanTitles("30 5 5 " + std::string(40, 'x') + "\n")[0], std::string(24, 'x'));
    EXPECT_EQ(ParsePlanTitles("garbage"), (std::array<std::string, 3>{}));
}

TEST(PlanTitles, AnyCharactersATitleHoldsAreWrittenAndReadBack)
{
    // Titles holding NUL characters, or ending in a carriage return that a line end written on
    // another system would also have, come back as they were written.
    const std::array<std::string, 3> cases[] = {
        {std::string("SEC\0ND", 6), "", std::string(3, '\0')},
        {"\r", " \r", ""},
        {"a", "b", "c\r"},
    };
    for (const auto& titles : cases) {
        std::array<std::string, 3> read;
        EXPECT_TRUE(ParsePlanTitles(FormatPlanTitles(titles), read));
        EXPECT_EQ(read, titles);
    }
    // A line end written as CR LF still reads as before.
    EXPECT_EQ(ParsePlanTitles("1 1 1abc\r\n"), (std::array<std::string, 3>{"a", "b", "c"}));
}

TEST_F(ListFiles, MakeDrawingTitlesPlacesTheFloorsTitleBelowItsWalls)
{
    WriteWholeFile(Cfg("TITLE2D.CFG"), "12 11 0GROUND FLOORFIRST FLOOR\n");
    WriteWholeFile(Cfg("MOFFSET.CFG"), "600 600 1200 2700 10 9 10");
    state().currentFloor = 50;
    state().currentColour = 0x0000FF;
    state().textPointSize = 14;
    state().currentFontFace = "Arial";
    objects().Add(ExtWall(50, 1000, 9000, 7000, 300));
    objects().Add(ExtWall(50, 1000, 9000, 2000, 300));
    objects().Add(ExtWall(51, -9000, 90000, -7000, 300));
    // The titles go into an edit of the list; the caller writes them with the rest of its change.
    auto makeTitles = [this] {
        TDrawingEdit edit(objects());
        objects().MakeDrawingTitles(edit);
        return edit.Changed();
    };

    EXPECT_TRUE(makeTitles());
    ASSERT_EQ(objects().count(), 4);
    const auto& title = static_cast<const TTextobj&>(*objects()[3]);
    EXPECT_EQ(title.typeCode, 37);
    EXPECT_EQ(title.floor, 50);
    EXPECT_EQ(title.text, "GROUND FLOOR");
    EXPECT_EQ(title.textLength, 12);
    EXPECT_EQ(title.x1, 5000);
    EXPECT_EQ(title.y1, 1700 - 2 * 1200);  // below the lowest wall line and the overall dimensions
    EXPECT_EQ(title.alignment, 4);
    EXPECT_EQ(title.fontHeight, 14);
    EXPECT_EQ(title.colour, 0x0000FF);
    EXPECT_FALSE(std::filesystem::exists(DwgFile()));

    // Made again: the earlier title of the same text is replaced, not doubled.
    EXPECT_TRUE(makeTitles());
    EXPECT_EQ(objects().count(), 4);
    EXPECT_EQ(objects().FindByType(37), 3);

    // Floors without a title, without walls, or while printing: nothing.
    state().currentFloor = 52;
    EXPECT_FALSE(makeTitles());
    state().currentFloor = 1050;
    EXPECT_FALSE(makeTitles());
    EXPECT_EQ(objects().count(), 4);
    WriteWholeFile(Cfg("TITLE2D.CFG"), "12 11 6GROUND FLOORFIRST FLOORSECOND\n");
    state().currentFloor = 52;
    EXPECT_FALSE(makeTitles());
    EXPECT_EQ(objects().count(), 4);
}

// ---------------------------------------------------------------------------------------------
// The selection list

TEST_F(ListFiles, SelectionListAppendsAndStartsAfreshAtCountZero)
{
    EXPECT_EQ(ReadCopyCount(), 0);
    ASSERT_TRUE(AppendCopyRecord(3, 1000, -2000));
    ASSERT_TRUE(AppendCopyRecord(7, 1000, -2000));
    EXPECT_EQ(ReadWholeFile(Cfg("COPY.CFG")), "3 1000 -2000\n7 1000 -2000\n");
    EXPECT_EQ(ReadWholeFile(Cfg("TEMP.CFG")), "2\n");
    EXPECT_EQ(ReadCopyCount(), 2);
    ASSERT_EQ(ReadCopyList().size(), 2u);
    EXPECT_EQ(ReadCopyList()[1].index, 7);

    ASSERT_TRUE(WriteCopyCount(0));
    EXPECT_TRUE(ReadCopyList().empty());
    ASSERT_TRUE(AppendCopyRecord(5, 0, 0));
    EXPECT_EQ(ReadWholeFile(Cfg("COPY.CFG")), "5 0 0\n");
    EXPECT_EQ(ReadCopyCount(), 1);

    // A count beyond the lines the list holds reads the lines there are.
    ASSERT_TRUE(WriteCopyCount(4));
    EXPECT_EQ(ReadCopyList().size(), 1u);
    WriteWholeFile(Cfg("TEMP.CFG"), "-3\n");
    EXPECT_EQ(ReadCopyCount(), 0);
}

// ---------------------------------------------------------------------------------------------
// Libraries and the paste buffer

TEST_F(ListFiles, ALibrarySymbolIsSavedRelativeToItsBasePointAndReadBackInTheView)
{
    state().unitSystem = 1;
    state().groupIdCounter = 40;
    objects().Add(new TInfoobj(32000));
    objects().Add(Line(50, 1000, 2000, 3000, 2000));
    auto* text = new TTextobj(35);
    text->floor = 50;
    text->x1 = 2000;
    text->y1 = 2500;
    text->x2 = 900;
    text->SetText("WC");
    text->SetFaceName("Arial");
    objects().Add(text);
    ASSERT_TRUE(AppendCopyRecord(1, 2000, 3000));
    ASSERT_TRUE(AppendCopyRecord(2, 2000, 3000));
    ASSERT_TRUE(AppendCopyRecord(9, 2000, 3000));  // beyond the list: the symbol ends there

    ASSERT_TRUE(objects().SaveLibrarySymbol(2, "SWITCH"));
    EXPECT_EQ(ReadWholeFile(Libs("SWITCH.ELM")), "2 0 0 0 1 40\n"
                                                 "1\n1 50 0 0 -1000 0 1000 0 -1000 -1000 0 0 0 1 0\n"
                                                 "35\n35 50 0 0 0 -500 900 0 0 0 2 0 0 5 0 0 ArialWC\n");
    EXPECT_FALSE(objects().SaveLibrarySymbol(5, "SWITCH"));

    // Read into another floor of a zoomed view: near its lower left, on the floor in view.
    state().currentFloor = 51;
    state().unitsPerLogical = 10;
    state().viewExtX = 800;
    state().viewExtY = 600;
    state().viewOrgX = 100;
    state().viewOrgY = -50;
    state().groupIdCounter = 12;
    const TLoadResult result = objects().ReadLibraryFile("SWITCH.ELM");
    ASSERT_TRUE(result.ok) << result.message;
    EXPECT_EQ(result.added, 2);
    ASSERT_EQ(objects().count(), 5);
    const int dx = (800 / 8 + 100) * 10;
    const int dy = (600 / 6 - 50) * 10;
    EXPECT_EQ(objects()[3]->floor, 51);
    EXPECT_EQ(objects()[3]->x1, -1000 + dx);
    EXPECT_EQ(objects()[3]->y2, -1000 + dy);
    EXPECT_EQ(objects()[4]->x1, dx);
    EXPECT_EQ(objects()[4]->y1, -500 + dy);
    EXPECT_EQ(objects()[4]->x2, 900);  // a direction code, not moved
    EXPECT_EQ(state().groupIdCounter, 40);

    // The counter never goes back.
    state().groupIdCounter = 77;
    ASSERT_TRUE(objects().ReadLibraryFile("SWITCH.ELM").ok);
    EXPECT_EQ(state().groupIdCounter, 77);
}

TEST_F(ListFiles, ABadOrMissingLibraryFileAddsNothing)
{
    objects().Add(Line(50, 0, 0, 1, 1));
    TLoadResult missing = objects().ReadLibraryFile("PASTE.CFG");
    EXPECT_FALSE(missing.ok);
    EXPECT_FALSE(missing.opened);
    EXPECT_EQ(objects().count(), 1);

    const std::string bad = "2 0 0 0 1 99\n1\n1 50 0 0 0 0 10 0 0 0 0 0 0 1 0\n100\n100 50 0 0 0 0 0 0 40 0 0 0\n";
    WriteWholeFile(Libs("PASTE.CFG"), bad);
    const TLoadResult result = objects().ReadLibraryFile("PASTE.CFG");
    EXPECT_FALSE(result.ok);
    EXPECT_NE(result.message.find("PASTE.CFG"), std::string::npos);
    EXPECT_NE(result.message.find("line 5"), std::string::npos) << result.message;
    EXPECT_EQ(objects().count(), 1);
    EXPECT_EQ(state().groupIdCounter, 0);
    EXPECT_EQ(ReadWholeFile(Libs("PASTE.CFG")), bad);
}

TEST_F(ListFiles, RegisteringALibraryEntryCountsItAndAddsItToTheIndex)
{
    state().unitSystem = 1;
    WriteWholeFile(Cfg("LIM.CFG"), "0 0 1 1");
    WriteWholeFile(Cfg("FURM.CFG"), "5 CHAIR\n");
    ASSERT_TRUE(objects().RegisterLibraryFile(3, "DOUBLE BED"));
    EXPECT_EQ(ReadWholeFile(Cfg("LIM.CFG")), "0 0 2 1");
    EXPECT_EQ(ReadWholeFile(Cfg("FURM.CFG")), "5 CHAIR\n10 DOUBLE BED\n");

    // Imperial entries are counted in the same file, which the list reads in both unit systems.
    state().unitSystem = 0;
    WriteWholeFile(Cfg("LII.CFG"), "0 0 0 0");
    ASSERT_TRUE(objects().RegisterLibraryFile(1, "BASIN"));
    EXPECT_EQ(ReadWholeFile(Cfg("LII.CFG")), "0 0 0 0");
    EXPECT_EQ(ReadWholeFile(Cfg("LIM.CFG")), "1 0 2 1");
    EXPECT_EQ(ReadLibraryIndex(1).names, std::vector<std::string>{"BASIN"});
    EXPECT_FALSE(objects().RegisterLibraryFile(0, "X"));
    EXPECT_FALSE(objects().RegisterLibraryFile(5, "X"));
}

// ---------------------------------------------------------------------------------------------
// Rotating and mirroring

TEST_F(ListFiles, RotatingTurnsEveryPointClockwiseAboutTheSheetCentre)
{
    // Metric sheet centre (30000, 21000).
    objects().Add(Line(50, 31000, 21000, 30000, 23000));
    auto* wall = ExtWall(50, 30000, 34000, 21000, 300);
    objects().Add(wall);
    auto* text = new TTextobj(34);
    text->x1 = 32000;
    text->y1 = 21000;
    text->x2 = 900;
    text->escapement = 0;
    objects().Add(text);
    auto* room = new TRoomobj;
    room->x1 = 30000;
    room->y1 = 24000;
    room->x2 = 34000;
    room->y2 = 21000;
    room->roomWidth = 4000;
    room->roomLength = 3000;
    room->SetSizeText1("4000");
    room->SetSizeText2("3000");
    objects().Add(room);
    objects().Add(new TInfoobj(32000));

    EXPECT_FALSE(objects().RotateOrMirrorDrawing(45));
    ASSERT_TRUE(objects().RotateOrMirrorDrawing(90));
    const TObject& line = *objects()[0];
    EXPECT_EQ(line.x1, 30000);
    EXPECT_EQ(line.y1, 20000);
    EXPECT_EQ(line.x2, 32000);
    EXPECT_EQ(line.y2, 21000);
    EXPECT_EQ(wall->angle, 1800);  // +x turned clockwise runs -y
    EXPECT_EQ(wall->x2, 30000);
    EXPECT_EQ(wall->y2, 17000);
    EXPECT_EQ(wall->wallLines[0], 29700);  // still to the right of travel
    EXPECT_EQ(text->x1, 30000);
    EXPECT_EQ(text->y1, 19000);
    EXPECT_EQ(text->x2, 1800);          // it measures a wall that now runs -y
    EXPECT_EQ(text->escapement, 2700);  // vertical, reading upwards
    EXPECT_EQ(room->x1, 30000);   // top left again
    EXPECT_EQ(room->y1, 21000);
    EXPECT_EQ(room->x2, 33000);
    EXPECT_EQ(room->y2, 17000);
    EXPECT_EQ(room->roomWidth, 3000);
    EXPECT_EQ(room->sizeText1, "3000");
    EXPECT_EQ(objects()[4]->x1, 0);  // a floor record has no place

    // Four quarter turns bring everything back.
    ASSERT_TRUE(objects().RotateOrMirrorDrawing(180));
    ASSERT_TRUE(objects().RotateOrMirrorDrawing(90));
    EXPECT_EQ(line.x1, 31000);
    EXPECT_EQ(line.y2, 23000);
    EXPECT_EQ(wall->angle, 900);
    EXPECT_EQ(wall->x2, 34000);
    EXPECT_EQ(text->escapement, 0);
    EXPECT_EQ(text->x2, 900);
    EXPECT_EQ(room->roomWidth, 4000);
}

TEST_F(ListFiles, MirroringKeepsWallLinesOnTheInnerSideAndArcsOnTheirCurve)
{
    auto* wall = ExtWall(50, 30000, 34000, 21000, 300);  // runs +x, lines below
    objects().Add(wall);
    auto* arc = new TArcobj;
    arc->x1 = 31000;
    arc->y1 = 21000;
    arc->x2 = 33000;
    arc->y2 = 23000;
    arc->arcStartX = 33000;
    arc->arcStartY = 22000;
    arc->arcEndX = 32000;
    arc->arcEndY = 23000;
    objects().Add(arc);

    // The wall's automatic dimension and a line's label, both measuring +x.
    auto* dimension = new TTextobj(34);
    dimension->x2 = 900;
    objects().Add(dimension);
    auto* label = new TTextobj(35);
    label->x2 = 900;
    objects().Add(label);
    auto* upright = new TTextobj(34);
    upright->x2 = 0;
    objects().Add(upright);

    ASSERT_TRUE(objects().RotateOrMirrorDrawing(1));
    // The dimension follows its wall, turned round to run +x again; the label follows its line,
    // which now runs -x; a dimension of a wall running +y now measures one running -y.
    EXPECT_EQ(dimension->x2, 900);
    EXPECT_EQ(label->x2, 2700);
    EXPECT_EQ(upright->x2, 1800);
    // Mirrored, it would run -x with its lines below, on its left: it is turned round to run +x.
    EXPECT_EQ(wall->x1, 26000);
    EXPECT_EQ(wall->x2, 30000);
    EXPECT_EQ(wall->angle, 900);
    EXPECT_EQ(wall->wallLines[0], 26000);
    EXPECT_EQ(wall->wallLines[1], 20700);
    EXPECT_EQ(wall->wallLines[2], 30000);
    // The arc ran anticlockwise from +x to +y about its centre (32000, 22000); mirrored it runs
    // anticlockwise from +y to -x.
    EXPECT_EQ(arc->arcStartX, 28000);
    EXPECT_EQ(arc->arcStartY, 23000);
    EXPECT_EQ(arc->arcEndX, 27000);
    EXPECT_EQ(arc->arcEndY, 22000);
}

TEST_F(ListFiles, AWindowsSizeLabelTakesTheRowOfItsWallsNewSideAndStaysOutside)
{
    // A window's label shares its floor and group id with the window's opening polygon; the text
    // stands 50 outside the outer face, away from the wall.
    auto window = [&](int32_t groupId, int32_t x, int32_t y, int32_t escapement, int32_t alignment, int32_t angle) {
        auto* polygon = new TPolyobj(TYPE_OPENING_POLYGON);
        polygon->floor = 50;
        polygon->groupId = groupId;
        objects().Add(polygon);
        auto* label = new TTextobj(TYPE_LABEL_TEXT);
        label->floor = 50;
        label->groupId = groupId;
        label->x1 = x;
        label->y1 = y;
        label->escapement = escapement;
        label->alignment = alignment;
        label->x2 = angle;
        objects().Add(label);
        return label;
    };
    auto expectRow = [](const TTextobj* label, int32_t x, int32_t y, int32_t escapement, int32_t alignment,
                        int32_t angle) {
        EXPECT_EQ(label->x1, x);
        EXPECT_EQ(label->y1, y);
        EXPECT_EQ(label->escapement, escapement);
        EXPECT_EQ(label->alignment, alignment);
        EXPECT_EQ(label->x2, angle);
    };
    // On the right wall (runs -y): reads upwards, its top against the anchor, outside to the right.
    TTextobj* right = window(10005, 32050, 21000, 2700, 4, 1800);
    // On the top wall (runs +x): level, its bottom against the anchor, above the wall.
    TTextobj* top = window(10006, 30000, 23050, 0, 6, 900);
    // On a wall sloping at 45 degrees.
    TTextobj* sloped = window(10007, 25000, 25000, 3150, 6, 450);
    // A manual dimension's text of the same type and fields, with no window: only its direction turns.
    auto* dimension = new TTextobj(TYPE_LABEL_TEXT);
    dimension->floor = 50;
    dimension->groupId = 10005 + 1000;  // another floor's window id
    dimension->escapement = 2700;
    dimension->alignment = 4;
    dimension->x2 = 1800;
    objects().Add(dimension);

    // Mirrored about x = 30000: the right wall becomes the left wall, turned round to run +y.
    ASSERT_TRUE(objects().RotateOrMirrorDrawing(MIRROR_LEFT_RIGHT));
    expectRow(right, 27950, 21000, 2700, 6, 0);  // its bottom against the anchor, left of the wall
    expectRow(top, 30000, 23050, 0, 6, 900);
    expectRow(sloped, 35000, 25000, 450, 6, 1350);
    EXPECT_EQ(dimension->alignment, 4);
    EXPECT_EQ(dimension->x2, 1800);

    // A quarter turn back from the mirror: the top wall becomes the right wall.
    ASSERT_TRUE(objects().RotateOrMirrorDrawing(MIRROR_LEFT_RIGHT));
    ASSERT_TRUE(objects().RotateOrMirrorDrawing(90));
    expectRow(top, 32050, 21000, 2700, 4, 1800);
    expectRow(right, 30000, 18950, 0, 4, 2700);  // the bottom wall's row: below it
    // Another quarter turn: the sloped wall, half a turn from where it began, runs at 2250; its
    // text reads upright again, its top against the anchor.
    ASSERT_TRUE(objects().RotateOrMirrorDrawing(90));
    expectRow(sloped, 35000, 17000, 3150, 4, 2250);
    expectRow(top, 30000, 18950, 0, 4, 2700);
}
