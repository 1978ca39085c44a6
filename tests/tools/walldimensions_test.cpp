// The automatic wall dimensions: one dimension per external wall, overall dimensions on floors of
// more than four walls, and the removal of the previous run's dimensions.
#include "model/arrowobj.h"
#include "model/drawingedit.h"
#include "model/extwallobj.h"
#include "model/settingsfile.h"
#include "model/settingsrecords.h"
#include "model/textobj.h"
#include "model/typecodes.h"
#include "tests/tools/toolfixture.h"
#include "tools/annotationbuilders.h"
#include "tools/lineobjtool.h"
#include "tools/walldimensions.h"

#include <algorithm>
#include <filesystem>
#include <limits>

namespace {

using XY = std::array<std::int32_t, 2>;

// What a test checks of one dimension: its two arrow tips, its text and where the text goes.
struct Dimension {
    XY first, second;  // arrow tips in the order they were added
    std::string text;
    XY at;
    int directionCode = 0;
    int escapement = 0;
    int alignment = 0;
    friend bool operator==(const Dimension&, const Dimension&) = default;
};

std::ostream& operator<<(std::ostream& out, const Dimension& d)
{
    return out << "{(" << d.first[0] << "," << d.first[1] << ") (" << d.second[0] << "," << d.second[1] << ") \""
               << d.text << "\" at (" << d.at[0] << "," << d.at[1] << ") code " << d.directionCode << " esc "
               << d.escapement << " align " << d.alignment << "}";
}

class WallDimensions : public ToolTest {
protected:
    WallDimensions()
    {
        std::filesystem::create_directories(dir.path() / "CFG");
        Offsets(600, 1200, 0);
    }

    void Offsets(int external, int overall, int orientation, int unitSystem = 1)
    {
        TOffsetSettings offsets{300, external, overall, orientation, 10, 9, 10};
        if (unitSystem == 0)
            offsets.dimensionTextSize = 9;
        ASSERT_TRUE(WriteSettings(offsets, unitSystem));
    }

    TExtwallobj& Wall(int x1, int y1, int x2, int y2, int angle, int length, int floor = GROUND_FLOOR)
    {
        auto wall = std::make_unique<TExtwallobj>();
        wall->floor = floor;
        wall->x1 = x1;
        wall->y1 = y1;
        wall->x2 = x2;
        wall->y2 = y2;
        wall->angle = angle;
        wall->groupId = length;
        wall->spacing1 = 300;
        wall->wallFlag = 1;
        TExtwallobj& ref = *wall;
        objects().Add(std::move(wall));
        return ref;
    }

    // A clockwise outline through the points, each wall's angle and length from its direction.
    void Outline(std::vector<XY> points, int floor = GROUND_FLOOR)
    {
        for (std::size_t i = 0; i < points.size(); ++i) {
            const XY a = points[i], b = points[(i + 1) % points.size()];
            const int angle = b[0] > a[0] ? 900 : b[0] < a[0] ? 2700 : b[1] > a[1] ? 0 : 1800;
            const int length = std::abs(b[0] - a[0]) + std::abs(b[1] - a[1]);
            Wall(a[0], a[1], b[0], b[1], angle, length, floor);
        }
    }

    void Run()
    {
        tool.step = 0;
        tool.AutoDimension(dc, client, 0, 0, 0, 111);
    }

    // The dimensions of the list, in order: each text with the two arrows of its group before it.
    std::vector<Dimension> Dimensions(int floor = GROUND_FLOOR)
    {
        std::vector<Dimension> found;
        for (int i = 0; i < objects().count(); ++i) {
            const auto* text = dynamic_cast<const TTextobj*>(objects()[i]);
            if (!text || text->typeCode != TYPE_DIMENSION_TEXT || text->floor != floor)
                continue;
            std::vector<XY> tips;
            for (int j = 0; j < i; ++j)
                if (objects()[j]->typeCode == TYPE_DIMENSION_LINE && objects()[j]->groupId == text->groupId)
                    tips.push_back({objects()[j]->x1, objects()[j]->y1});
            EXPECT_EQ(tips.size(), 2u) << text->text;
            tips.resize(2);
            found.push_back({tips[0], tips[1], text->text, {text->x1, text->y1}, text->x2, text->escapement,
                             text->alignment});
        }
        return found;
    }

    int CountOf(int typeCode)
    {
        return int(std::count_if(objects().Items().begin(), objects().Items().end(),
                                 [typeCode](const auto& object) { return object->typeCode == typeCode; }));
    }

    TLineobjtool tool;
};

// The rectangle of the worked case: 10000 x 6000 drawn clockwise from (0, 0).
const std::vector<XY> RECTANGLE = {{0, 0}, {0, 6000}, {10000, 6000}, {10000, 0}};
// An L of six walls: the upper right corner cut away.
const std::vector<XY> L_SHAPE = {{0, 0}, {0, 6000}, {6000, 6000}, {6000, 3000}, {10000, 3000}, {10000, 0}};

TEST_F(WallDimensions, RectangleGetsOneDimensionPerWallOutsideIt)
{
    Outline(RECTANGLE);
    Run();
    const std::vector<Dimension> expected = {
        {{-600, 6000}, {-600, 0}, "6000", {-600, 3000}, 0, 0, 6},
        {{0, 6600}, {10000, 6600}, "10000", {5000, 6600}, 900, 0, 6},
        {{10600, 0}, {10600, 6000}, "6000", {10600, 3000}, 1800, 0, 6},
        {{0, -600}, {10000, -600}, "10000", {5000, -600}, 2700, 0, 4},
    };
    EXPECT_EQ(Dimensions(), expected);
    // No overall dimensions on four walls.
    EXPECT_EQ(CountOf(TYPE_DIMENSION_LINE), 8);
    EXPECT_EQ(CountOf(TYPE_DIMENSION_TEXT), 4);
    EXPECT_EQ(tool.kind, KIND_DIMENSIONED);
}

TEST_F(WallDimensions, TextParallelToTheWallsTurnsTheVerticalTexts)
{
    Offsets(600, 1200, 2700);
    Outline(RECTANGLE);
    Run();
    const std::vector<Dimension> dims = Dimensions();
    ASSERT_EQ(dims.size(), 4u);
    EXPECT_EQ(dims[0].escapement, 2700);
    EXPECT_EQ(dims[0].alignment, 6);
    EXPECT_EQ(dims[2].escapement, 2700);
    EXPECT_EQ(dims[2].alignment, 4);
    EXPECT_EQ(dims[1].escapement, 0);
}

TEST_F(WallDimensions, TextsCarryTheSettingsAndShareTheirArrowsGroup)
{
    state().currentFontFace = "Courier New";
    state().textWeight = 700;
    state().currentColour = MakeColour(10, 20, 30);
    const int counter = state().groupIdCounter;
    Outline(RECTANGLE);
    Run();
    std::vector<int> groups;
    for (const auto& object : objects().Items()) {
        if (object->typeCode != TYPE_DIMENSION_TEXT)
            continue;
        const auto& text = dynamic_cast<const TTextobj&>(*object);
        EXPECT_EQ(text.faceName, "Courier New");
        EXPECT_EQ(text.faceLength, 11);
        EXPECT_EQ(text.fontWeight, 700);
        EXPECT_EQ(text.fontHeight, 10);
        EXPECT_EQ(text.colour, std::int32_t(MakeColour(10, 20, 30)));
        EXPECT_EQ(text.ownerId, 0);
        EXPECT_EQ(text.y2, 0);
        EXPECT_EQ(text.textLength, int(text.text.size()));
        groups.push_back(text.groupId);
    }
    EXPECT_EQ(groups, (std::vector<int>{counter + 1, counter + 2, counter + 3, counter + 4}));
    EXPECT_EQ(state().groupIdCounter, counter + 4);
}

TEST_F(WallDimensions, LShapeGetsOverallDimensionsOnTheSidesOfTwoWalls)
{
    Outline(L_SHAPE);
    Run();
    const std::vector<Dimension> dims = Dimensions();
    ASSERT_EQ(dims.size(), 8u);
    // The top runs of 6000 and 4000 make 10000 above the building, over the highest point of the
    // walls running down; the right-hand runs of 3000 each make 6000.
    EXPECT_EQ(dims[6], (Dimension{{0, 7200}, {10000, 7200}, "10000", {5000, 7200}, 900, 0, 6}));
    EXPECT_EQ(dims[7], (Dimension{{11200, 6000}, {11200, 0}, "6000", {11200, 3000}, 1800, 0, 6}));
    // The left and the bottom are one wall each: no overall dimension there.
    EXPECT_EQ(CountOf(TYPE_DIMENSION_TEXT), 8);
    EXPECT_EQ(CountOf(TYPE_DIMENSION_LINE), 16);
}

TEST_F(WallDimensions, OverallDimensionsOnEverySideFollowTheOrientation)
{
    Offsets(600, 1200, 2700);
    // The L of six walls gives the top and the right side; a rectangle whose left and bottom
    // walls are split in two gives the bottom and the left side.
    Outline(L_SHAPE);
    Run();
    std::vector<Dimension> dims = Dimensions();
    ASSERT_EQ(dims.size(), 8u);
    EXPECT_EQ(dims[6], (Dimension{{0, 7200}, {10000, 7200}, "10000", {5000, 7200}, 900, 0, 6}));
    EXPECT_EQ(dims[7], (Dimension{{11200, 6000}, {11200, 0}, "6000", {11200, 3000}, 1800, 2700, 4}));

    objects().CutBack(4);
    Outline({{0, 0}, {0, 3000}, {0, 6000}, {10000, 6000}, {10000, 0}, {5000, 0}});
    Run();
    dims = Dimensions();
    ASSERT_EQ(dims.size(), 8u);
    // Along the bottom, leftwards: y = (+y chain min) - 1200; up the left: x = (-x chain min) - 1200.
    EXPECT_EQ(dims[6], (Dimension{{0, -1200}, {10000, -1200}, "10000", {5000, -1200}, 2700, 0, 4}));
    EXPECT_EQ(dims[7], (Dimension{{-1200, 6000}, {-1200, 0}, "6000", {-1200, 3000}, 0, 2700, 6}));
}

TEST_F(WallDimensions, ASecondRunReplacesTheFirst)
{
    Outline(L_SHAPE);
    Run();
    const std::vector<Dimension> first = Dimensions();
    const int counter = state().groupIdCounter;
    const int count = objects().count();
    Run();
    EXPECT_EQ(objects().count(), count);
    EXPECT_EQ(Dimensions(), first);
    for (const auto& object : objects().Items())
        if (object->typeCode == TYPE_DIMENSION_TEXT || object->typeCode == TYPE_DIMENSION_LINE) {
            EXPECT_GT(object->groupId, counter);
        }
}

TEST_F(WallDimensions, RunIsWrittenAndReadsBackEqual)
{
    Outline(L_SHAPE);
    Run();
    const auto back = ReadBack();
    ASSERT_EQ(int(back.size()), objects().count());
    for (int i = 0; i < objects().count(); ++i)
        EXPECT_EQ(DumpObject(i, *back[std::size_t(i)]), DumpObject(i, *objects()[i]));
}

TEST_F(WallDimensions, ImperialTextsInFeetAndInches)
{
    state().unitSystem = 0;
    Offsets(576, 1152, 0, 0);
    Outline({{2400, 2400}, {2400, 5280}, {3840, 5280}, {3840, 3840}, {5280, 3840}, {5280, 2400}});
    Run();
    const std::vector<Dimension> dims = Dimensions();
    ASSERT_EQ(dims.size(), 8u);
    // Whole-inch wall texts end in a blank; the overall texts do not.
    EXPECT_EQ(dims[0].text, "10' 0'' ");
    EXPECT_EQ(dims[1].text, "5' 0'' ");
    EXPECT_EQ(dims[5].text, "10' 0'' ");
    EXPECT_EQ(dims[6].text, "10' 0''");
    EXPECT_EQ(dims[7].text, "10' 0''");
    EXPECT_EQ(dims[0].at, (XY{2400 - 576, 3840}));
    for (const auto& object : objects().Items())
        if (object->typeCode == TYPE_DIMENSION_TEXT) {
            EXPECT_EQ(dynamic_cast<const TTextobj&>(*object).fontHeight, 9);
        }
}

TEST_F(WallDimensions, ImperialFractionInAWallText)
{
    state().unitSystem = 0;
    Offsets(576, 1152, 0, 0);
    Wall(2400, 2400, 2400, 2400 + 3468, 0, 3468);
    Run();
    ASSERT_EQ(Dimensions().size(), 1u);
    EXPECT_EQ(Dimensions()[0].text, "12' 0 1/2''");
}

TEST_F(WallDimensions, SlopedWallsGetAngledArrowsAndATurnedText)
{
    Wall(1000, 1000, 4000, 4000, 450, 4243);
    Wall(5000, 5000, 5000 + 1500, 5000 - 2598, 1500, 3000);
    Wall(8000, 5000, 8000 + 2598, 5000 - 1500, 1200, 3000);
    Wall(8000, 9000, 8000 - 2121, 9000 - 2121, 2250, 3000);
    Wall(2000, 9000, 2000 - 1500, 9000 + 2598, 3300, 3000);
    Run();
    const std::vector<Dimension> dims = Dimensions();
    // Five walls: the overall dimensions follow, the sloped walls' projections summed.
    ASSERT_EQ(dims.size(), 5u + 4u);
    EXPECT_EQ(dims[5].text, std::to_string(3000 + 1500 + 2598));
    // 450: base escapement 3150, text left of the wall's middle.
    EXPECT_EQ(dims[0].first, (XY{576, 1424}));
    EXPECT_EQ(dims[0].at, (XY{2500 - 424, 2500 + 424}));
    EXPECT_EQ(dims[0].escapement, 3150);
    EXPECT_EQ(dims[0].alignment, 6);
    EXPECT_EQ(dims[0].directionCode, 450);
    EXPECT_EQ(dims[0].text, "4243");
    // 1500: 600 + 1800; its text 519, 299 to the side of the middle.
    EXPECT_EQ(dims[1].escapement, 2400);
    EXPECT_EQ(dims[1].at, (XY{5000 + 750 + 519, 5000 - 1299 + 299}));
    // 1200: 300 as it is.
    EXPECT_EQ(dims[2].escapement, 300);
    // 2250: quadrant 3, text below its point.
    EXPECT_EQ(dims[3].escapement, 3150);
    EXPECT_EQ(dims[3].alignment, 4);
    // 3300: 600 + 1800, below.
    EXPECT_EQ(dims[4].escapement, 2400);
    EXPECT_EQ(dims[4].alignment, 4);
}

TEST_F(WallDimensions, ShortSlopedWallGetsItsTextTwiceAsFarOut)
{
    // 42 units long, below 10 logical units (50) at this scale.
    Wall(1000, 1000, 1030, 1030, 450, 42);
    Run();
    ASSERT_EQ(Dimensions().size(), 1u);
    EXPECT_EQ(Dimensions()[0].at, (XY{1015 - 2 * 424, 1015 + 2 * 424}));
}

TEST_F(WallDimensions, ARunWithADimensionPastTheRangesTopChangesNothing)
{
    // A wall running right 100 below the top gets its line 600 above it, past the range: the file
    // could hold the line cut to the range's top, so the run itself refuses.
    constexpr std::int32_t top = std::numeric_limits<std::int32_t>::max();
    Attach(tool);
    Outline(RECTANGLE);
    Run();
    const int dimensioned = objects().count();
    TExtwallobj& far = Wall(0, top - 100, 4000, top - 100, 900, 4000);
    const int groups = state().groupIdCounter;
    const int lastGroup = tool.groupId;
    Run();
    EXPECT_EQ(objects().count(), dimensioned + 1);
    EXPECT_EQ(Dimensions().size(), 4u);
    EXPECT_EQ(state().groupIdCounter, groups);
    EXPECT_EQ(tool.groupId, lastGroup);
    EXPECT_EQ(window.messages, std::vector<std::string>{std::string(DIMENSIONS_REFUSED_TITLE) + ": " +
                                                        DIMENSIONS_REFUSED});
    // 700 below the top its ticks end on the top itself: the run goes through.
    far.y1 = far.y2 = top - 700;
    Run();
    const std::vector<Dimension> after = Dimensions();
    EXPECT_TRUE(std::any_of(after.begin(), after.end(), [](const Dimension& d) {
        return d.first == XY{0, top - 100} && d.second == XY{4000, top - 100};
    }));
    EXPECT_EQ(window.messages.size(), 1u);
}

TEST_F(WallDimensions, ManualDimensionsAndOtherLabelsSurvive)
{
    Outline(RECTANGLE);
    TDrawingEdit edit;
    // A manual dimension, and a room size label whose arrows are dimension lines of its own group.
    tool.groupId = 9001;
    AddArrowByCode(edit, tool, dc, client, 2000, 2000, TArrowDirection::Left);
    edit.Add(MakeDimensionValueText(TYPE_LABEL_TEXT, 9001, {2500, 2000}, 900, "1000", 0, 6, 9));
    tool.groupId = 9002;
    AddArrow(edit, tool, 3000, 3000, TArrowDirection::Left);
    AddArrow(edit, tool, 5000, 3000, TArrowDirection::Right);
    edit.Add(MakeDimensionValueText(TYPE_ROOM_SIZE_TEXT, 9002, {4000, 3000}, 900, "2000", 0, 6, 9));
    edit.Commit();

    Run();
    Run();
    EXPECT_EQ(CountOf(TYPE_ARROW), 1);
    EXPECT_EQ(CountOf(TYPE_LABEL_TEXT), 1);
    EXPECT_EQ(CountOf(TYPE_ROOM_SIZE_TEXT), 1);
    // The label's two arrows and the walls' eight.
    EXPECT_EQ(CountOf(TYPE_DIMENSION_LINE), 2 + 8);
}

TEST_F(WallDimensions, OtherFloorsAreLeftAlone)
{
    Outline(RECTANGLE);
    Run();
    state().currentFloor = FIRST_FLOOR;
    Outline(L_SHAPE, FIRST_FLOOR);
    Run();
    EXPECT_EQ(Dimensions(GROUND_FLOOR).size(), 4u);
    EXPECT_EQ(Dimensions(FIRST_FLOOR).size(), 8u);
    for (const auto& object : objects().Items())
        if (object->typeCode == TYPE_DIMENSION_LINE) {
            EXPECT_TRUE(object->floor == GROUND_FLOOR || object->floor == FIRST_FLOOR);
        }
}

TEST_F(WallDimensions, FloorWithoutWallsLosesItsOldDimensionsAndIsWritten)
{
    Outline(RECTANGLE);
    Run();
    // The walls go, the dimensions stay until the next run.
    TDrawingEdit removal;
    removal.RemoveAll({4, 5, 6, 7});
    removal.Commit();
    Run();
    EXPECT_EQ(CountOf(TYPE_DIMENSION_TEXT), 0);
    EXPECT_EQ(CountOf(TYPE_DIMENSION_LINE), 0);
    EXPECT_EQ(ReadBack().size(), 4u);
}

TEST_F(WallDimensions, WallWithoutLengthGetsNoDimension)
{
    Wall(1000, 1000, 1000, 1000, 0, 0);
    Outline(RECTANGLE);
    Run();
    EXPECT_EQ(Dimensions().size(), 4u);
}

TEST_F(WallDimensions, OverallDimensionsFarFromTheOriginOrBelowIt)
{
    // The chains start empty rather than from a coordinate a building could also have.
    for (int shift : {400000, -20000}) {
        objects().CutBack(4);
        std::vector<XY> moved;
        for (XY p : L_SHAPE)
            moved.push_back({p[0] + shift, p[1] + shift});
        Outline(moved);
        Run();
        const std::vector<Dimension> dims = Dimensions();
        ASSERT_EQ(dims.size(), 8u) << shift;
        EXPECT_EQ(dims[6], (Dimension{{shift, shift + 7200}, {shift + 10000, shift + 7200}, "10000",
                                      {shift + 5000, shift + 7200}, 900, 0, 6}))
            << shift;
        EXPECT_EQ(dims[7], (Dimension{{shift + 11200, shift + 6000}, {shift + 11200, shift}, "6000",
                                      {shift + 11200, shift + 3000}, 1800, 0, 6}))
            << shift;
    }
}

TEST_F(WallDimensions, OverallLineBesideAnEmptyChainGoesOutsideTheWalls)
{
    // Five walls, none running down: the line over the top chain goes above the highest wall.
    Outline({{0, 0}, {1000, 0}, {3000, 0}, {3000, 2000}, {3000, 5000}});
    objects().CutBack(objects().count() - 1);
    Wall(3000, 5000, 0, 5000, 2700, 3000);
    Run();
    const std::vector<Dimension> dims = Dimensions();
    ASSERT_EQ(dims.size(), 7u);
    EXPECT_EQ(dims[5], (Dimension{{0, 6200}, {3000, 6200}, "3000", {1500, 6200}, 900, 0, 6}));
    EXPECT_EQ(dims[6], (Dimension{{-1200, 5000}, {-1200, 0}, "5000", {-1200, 2500}, 0, 0, 6}));
}

TEST_F(WallDimensions, FailedWriteIsReported)
{
    std::vector<std::string> reports;
    state().reportWriteFailure = [&](const std::string& message) { reports.push_back(message); };
    Outline(RECTANGLE);
    FailNextWrites(1);
    Run();
    FailNextWrites(0);
    ASSERT_EQ(reports.size(), 1u);
    EXPECT_NE(reports[0].find("TEST.DB0"), std::string::npos) << reports[0];
}

}  // namespace
