// The drawing window around the dimensions: Other/Manual Dimension's Enter steps and measurement
// prompt, Other/Auto Dimensions, Customise/Def Dimensions, and the new upper floor started from
// the outline of the floor below.
#include "tests/app/appfixture.h"

#include "model/extwallobj.h"
#include "model/infoobj.h"
#include "model/textobj.h"
#include "model/typecodes.h"
#include "tools/drawingtool.h"

#include <algorithm>
#include <array>

namespace {

const char* const NEW_FLOOR_QUESTION = "message NEW FLOOR | Start this floor from the outline of the floor below?";

class DimensionWindowTest : public AppTest {
protected:
    void KeyAt(int key, TPoint device)
    {
        Window().PlaceCursor(device);
        Child().EvKeyDown(key);
        frame.ProcessEvents();
    }
    const TDrawingtool& Tool() { return *client->CurrentTool(); }

    // A closed clockwise outline of external walls on a floor, as the wall tool leaves them.
    void Outline(int floor, int left, int bottom, int width, int height)
    {
        const int right = left + width, top = bottom + height;
        struct Wall {
            int x1, y1, x2, y2, angle, length;
        };
        const Wall walls[] = {{left, bottom, left, top, 0, height},
                              {left, top, right, top, 900, width},
                              {right, top, right, bottom, 1800, height},
                              {right, bottom, left, bottom, 2700, width}};
        TDrawingEdit edit(objects());
        for (const Wall& w : walls) {
            auto wall = std::make_unique<TExtwallobj>();
            wall->floor = floor;
            wall->x1 = w.x1;
            wall->y1 = w.y1;
            wall->x2 = w.x2;
            wall->y2 = w.y2;
            wall->angle = w.angle;
            wall->groupId = w.length;
            wall->spacing1 = 230;
            wall->wallFlag = 1;
            edit.Add(std::move(wall));
        }
        edit.Commit();
    }

    int CountOf(int typeCode, int floor)
    {
        const auto& items = fresh.state().objects.Items();
        return int(std::count_if(items.begin(), items.end(), [&](const auto& object) {
            return object->typeCode == typeCode && object->floor == floor;
        }));
    }

    int FloorArea(int floor)
    {
        const int index = objects().FindByType(FloorRecordType(floor)).value();
        return dynamic_cast<const TInfoobj&>(*objects()[index]).infoValue;
    }
};

TEST_F(DimensionWindowTest, ManualDimensionTakesTwoEntersAndTheMeasurement)
{
    NewDrawing("HOUSE");
    Command(CM_MANUALDIMENSION);
    EXPECT_EQ(Tool().kind, KIND_LINE);
    EXPECT_EQ(Tool().step, STEP_DIMENSION_FIRST);
    EXPECT_EQ(client->ToolName(), "Dimension");
    EXPECT_EQ(client->Prompt(), "press ENTER on the first point of the dimension");
    EXPECT_EQ(client->helpContext, 250);

    const int before = objects().count();
    KeyAt(VK_ENTER, {100, 500});
    EXPECT_EQ(Tool().step, STEP_DIMENSION_SECOND);
    EXPECT_EQ(client->Prompt(), "press ENTER on the second point of the dimension");
    EXPECT_EQ(objects().count(), before);

    // 400 pixels of 5 mm: the prompt proposes 2000, the user types 2100.
    Answer("input 2100");
    KeyAt(VK_ENTER, {500, 480});
    EXPECT_EQ(frame.Scripted().PendingAnswers(), 0u);
    ASSERT_EQ(objects().count(), before + 3);
    EXPECT_EQ(objects()[before]->typeCode, TYPE_ARROW);
    EXPECT_EQ(objects()[before + 1]->typeCode, TYPE_ARROW);
    const auto& text = dynamic_cast<const TTextobj&>(*objects()[before + 2]);
    EXPECT_EQ(text.typeCode, TYPE_LABEL_TEXT);
    EXPECT_EQ(text.text, "2100");
    const TPoint first = Child().ModelPointOf({100, 500});
    EXPECT_EQ(objects()[before]->x1, first.x);
    EXPECT_EQ(text.x1, first.x + 1000);
    EXPECT_EQ(text.y1, first.y);
    EXPECT_EQ(Tool().kind, KIND_PICK);
    // Written: a repaint reads the same objects back.
    EXPECT_EQ(int(ReadBack("HOUSE").size()), before + 3);
}

TEST_F(DimensionWindowTest, CancelledMeasurementLeavesNothingBehind)
{
    NewDrawing("HOUSE");
    const std::string file = ReadWholeFile(Path("DWGS/HOUSE.DB0"));
    const int before = objects().count();
    Command(CM_MANUALDIMENSION);
    KeyAt(VK_ENTER, {100, 500});
    Answer("input cancel");
    // The arrows drawn before the prompt leave the list with the key, before any repaint.
    Window().PlaceCursor({500, 480});
    Child().EvKeyDown(VK_ENTER);
    EXPECT_EQ(objects().count(), before);
    frame.ProcessEvents();
    EXPECT_EQ(ReadWholeFile(Path("DWGS/HOUSE.DB0")), file);
    EXPECT_EQ(Tool().kind, KIND_PICK);

    // A length below 1 is refused the same way.
    Command(CM_MANUALDIMENSION);
    KeyAt(VK_ENTER, {100, 500});
    Answer("input 0");
    Answer("message ok");
    Window().PlaceCursor({500, 480});
    Child().EvKeyDown(VK_ENTER);
    EXPECT_EQ(objects().count(), before);
    frame.ProcessEvents();
    EXPECT_EQ(lines, std::vector<std::string>{"message Measurement | Enter a whole number of millimetres from 1 to 32766"});
    EXPECT_EQ(Tool().kind, KIND_PICK);
    EXPECT_EQ(frame.Scripted().PendingAnswers(), 0u);
}

TEST_F(DimensionWindowTest, TheMouseDrawsNothingInAManualDimension)
{
    NewDrawing("HOUSE");
    const int before = objects().count();
    Command(CM_MANUALDIMENSION);
    Child().EvLButtonDown({100, 100});
    Child().EvMouseMove({300, 100});
    Child().EvLButtonUp({300, 100});
    frame.ProcessEvents();
    EXPECT_EQ(objects().count(), before);
    EXPECT_EQ(Tool().step, STEP_DIMENSION_FIRST);
}

TEST_F(DimensionWindowTest, AutoDimensionsRenewTheFloorsDimensionsAndArea)
{
    NewDrawing("HOUSE");
    Outline(FIRST_FLOOR, 1000, 1000, 4000, 3000);
    Command(CM_FIRSTFLOOR);
    Command(CM_AUTODIMENSIONS);
    EXPECT_EQ(CountOf(TYPE_DIMENSION_TEXT, FIRST_FLOOR), 4);
    EXPECT_EQ(CountOf(TYPE_DIMENSION_LINE, FIRST_FLOOR), 8);
    EXPECT_EQ(FloorArea(FIRST_FLOOR), 12);
    EXPECT_EQ(Tool().kind, KIND_PICK);
    // The first floor is not moved: only the ground floor is centred.
    EXPECT_EQ(objects()[4]->x1, 1000);
    Command(CM_AUTODIMENSIONS);
    EXPECT_EQ(CountOf(TYPE_DIMENSION_TEXT, FIRST_FLOOR), 4);
    EXPECT_EQ(frame.Scripted().PendingAnswers(), 0u);
}

TEST_F(DimensionWindowTest, AFloorWithoutWallsKeepsItsOwnArea)
{
    NewDrawing("HOUSE");
    Outline(GROUND_FLOOR, 1000, 1000, 4000, 3000);
    Command(CM_AUTODIMENSIONS);
    EXPECT_EQ(FloorArea(GROUND_FLOOR), 12);

    // The first floor holds an area of its own but no walls now: the ground floor's area must not
    // end up in its record.
    TDrawingEdit edit(objects());
    static_cast<TInfoobj&>(edit.Modify(objects().FindByType(FloorRecordType(FIRST_FLOOR)).value())).infoValue = 7;
    edit.Commit();
    Answer("message no");
    Command(CM_FIRSTFLOOR);
    Command(CM_AUTODIMENSIONS);
    EXPECT_EQ(FloorArea(FIRST_FLOOR), 7);
    EXPECT_EQ(FloorArea(GROUND_FLOOR), 12);
}

TEST_F(DimensionWindowTest, AutoDimensionsNeedAPlanView)
{
    Answer("message ok");
    Command(CM_AUTODIMENSIONS);
    EXPECT_EQ(lines, std::vector<std::string>{"message  | You must be in a PLAN VIEW to use this function"});
}

TEST_F(DimensionWindowTest, DefDimensionsWithoutADrawingAskTheUnitsFirst)
{
    Answer("dialog 5450 check 5452 ok");
    Answer("dialog 5600 set 5609 30 check 5602 ok");
    Command(CM_DEFDIMENSIONS);
    EXPECT_EQ(state().unitSystem, 0);
    EXPECT_EQ(ReadWholeFile(Path("CFG/IOFFSET.CFG")), "720 576 1152 2700 9 9 9");
    EXPECT_EQ(frame.Scripted().PendingAnswers(), 0u);
}

TEST_F(DimensionWindowTest, DefDimensionsWithADrawingUseItsUnits)
{
    NewDrawing("HOUSE");
    Answer("dialog 5500 set 5502 800 ok");
    Command(CM_DEFDIMENSIONS);
    EXPECT_EQ(ReadWholeFile(Path("CFG/MOFFSET.CFG")), "600 800 1200 2700 10 9 10");
    EXPECT_EQ(frame.Scripted().PendingAnswers(), 0u);

    // The next automatic run uses the new offset.
    Outline(GROUND_FLOOR, 1000, 1000, 4000, 3000);
    Command(CM_AUTODIMENSIONS);
    const std::optional<int> arrow = objects().FindByType(TYPE_DIMENSION_LINE);
    const std::optional<int> wall = objects().FindByType(TYPE_EXTWALL);
    ASSERT_TRUE(arrow && wall);
    EXPECT_EQ(objects()[*arrow]->x1, objects()[*wall]->x1 - 800);  // the left wall's line, 800 to its left
}

TEST_F(DimensionWindowTest, NewFloorFromTheFloorBelow)
{
    NewDrawing("HOUSE");
    Outline(GROUND_FLOOR, 1000, 1000, 4000, 3000);
    Answer("message yes");
    Command(CM_FIRSTFLOOR);
    EXPECT_EQ(lines, std::vector<std::string>{NEW_FLOOR_QUESTION});
    EXPECT_EQ(CountOf(TYPE_EXTWALL, FIRST_FLOOR), 4);
    EXPECT_EQ(CountOf(TYPE_DIMENSION_TEXT, FIRST_FLOOR), 4);
    EXPECT_EQ(FloorArea(FIRST_FLOOR), 12);
    EXPECT_EQ(Tool().kind, KIND_PICK);
    EXPECT_EQ(state().currentFloor, FIRST_FLOOR);
    // The copies are on the first floor's levels and joined at their corners.
    for (const auto& object : objects().Items()) {
        if (!IsExternalWallOn(*object, FIRST_FLOOR))
            continue;
        EXPECT_EQ(object->z1, 25 + 2550);
        EXPECT_EQ(object->z2, 25 + 2550 + 2400);
    }

    // The second floor from the first; a floor that has walls asks nothing.
    Answer("message yes");
    Command(CM_SECONDFLOOR);
    EXPECT_EQ(CountOf(TYPE_EXTWALL, SECOND_FLOOR), 4);
    lines.clear();
    Command(CM_FIRSTFLOOR);
    Command(CM_SECONDFLOOR);
    Command(CM_GROUNDFLOOR);
    EXPECT_TRUE(lines.empty());
    EXPECT_EQ(frame.Scripted().PendingAnswers(), 0u);
}

TEST_F(DimensionWindowTest, ANewFloorIsOneChangeOfTheDrawing)
{
    NewDrawing("HOUSE");
    Outline(GROUND_FLOOR, 1000, 1000, 4000, 3000);
    const std::string file = ReadWholeFile(Path("DWGS/HOUSE.DB0"));
    const std::string failed =
        "message Arkweld 4.0 | The drawing file " + Path("DWGS/HOUSE.DB0") + " could not be written: No space left on device; the change is not saved";

    // On a full disk the new floor is told once, nothing of it is kept, and it is offered again.
    Answer("message yes");
    Answer("message ok");
    FailNextWrites(20);
    Command(CM_FIRSTFLOOR);
    FailNextWrites(0);
    EXPECT_EQ(lines, (std::vector<std::string>{NEW_FLOOR_QUESTION, failed}));
    EXPECT_EQ(ReadWholeFile(Path("DWGS/HOUSE.DB0")), file);
    EXPECT_EQ(CountOf(TYPE_EXTWALL, FIRST_FLOOR), 0);

    // Written: the walls, their dimensions and the floor's area in one edit of the drawing.
    lines.clear();
    const int edits = objects().EditCount();
    Command(CM_GROUNDFLOOR);
    Answer("message yes");
    Command(CM_FIRSTFLOOR);
    EXPECT_EQ(lines, std::vector<std::string>{NEW_FLOOR_QUESTION});
    EXPECT_EQ(objects().EditCount(), edits + 1);
    const auto written = ReadBack("HOUSE");
    EXPECT_EQ(std::count_if(written.begin(), written.end(), [](const auto& o) { return IsExternalWallOn(*o, FIRST_FLOOR); }),
              4);
    EXPECT_EQ(std::count_if(written.begin(), written.end(),
                            [](const auto& o) { return o->typeCode == TYPE_DIMENSION_TEXT && o->floor == FIRST_FLOOR; }),
              4);
    EXPECT_EQ(dynamic_cast<const TInfoobj&>(*written[1]).infoValue, 12);
}

TEST_F(DimensionWindowTest, AutoDimensionsOnTheGroundFloorMoveTheWholeBuildingInOneChange)
{
    NewDrawing("HOUSE");
    Outline(GROUND_FLOOR, 1000, 1000, 4000, 3000);
    Outline(FIRST_FLOOR, 1000, 1000, 4000, 3000);
    AddLine(FIRST_FLOOR, 2000, 1500, 2000, 2500, 41);  // a stairwell line
    const int edits = objects().EditCount();
    Command(CM_AUTODIMENSIONS);
    EXPECT_EQ(objects().EditCount(), edits + 1);
    // The sheet's centre is (2500, 1750), the outline's (3000, 2500): every floor moves (-500, -750).
    const auto written = ReadBack("HOUSE");
    for (int ground = 4; ground < 8; ++ground) {
        const TObject& below = *written[std::size_t(ground)];
        const TObject& above = *written[std::size_t(ground + 4)];
        EXPECT_EQ(below.floor, GROUND_FLOOR);
        EXPECT_EQ(above.floor, FIRST_FLOOR);
        EXPECT_EQ((std::array<int, 4>{above.x1, above.y1, above.x2, above.y2}),
                  (std::array<int, 4>{below.x1, below.y1, below.x2, below.y2}));
    }
    EXPECT_EQ(written[4]->x1, 500);
    EXPECT_EQ(written[4]->y1, 250);
    EXPECT_EQ((std::array<int, 4>{written[12]->x1, written[12]->y1, written[12]->x2, written[12]->y2}),
              (std::array<int, 4>{1500, 750, 1500, 1750}));

    // A full disk tells the one change once.
    Answer("message ok");
    FailNextWrites(20);
    Command(CM_AUTODIMENSIONS);
    FailNextWrites(0);
    EXPECT_EQ(lines.size(), 1u);
}

// In a zoomed view the window moves with the centred plan: a wall end keeps its place on the screen.
// A write that fails moves neither; the normal view (the whole sheet) stays as it is; a view that
// would leave the sheet stops where a scroll would.
TEST_F(DimensionWindowTest, AutoDimensionsInAZoomedViewKeepThePlanWhereItWasInTheWindow)
{
    NewDrawing("HOUSE");
    Outline(GROUND_FLOOR, 3000, 2500, 2000, 1000);
    Command(CM_ZOOMUP);
    DragModel({2500, 2000}, {5000, 3750});
    ASSERT_EQ((std::array<int, 4>{state().viewOrgX, state().viewOrgY, state().viewExtX, state().viewExtY}),
              (std::array<int, 4>{500, 400, 500, 350}));
    const TPoint corner = Child().DevicePointOf({3000, 2500});
    EXPECT_EQ(corner, (TPoint{200, 500}));

    Answer("message ok");
    FailNextWrites(20);
    Command(CM_AUTODIMENSIONS);
    FailNextWrites(0);
    EXPECT_EQ(objects()[4]->x1, 3000);
    EXPECT_EQ((TPoint{state().viewOrgX, state().viewOrgY}), (TPoint{500, 400}));

    // The outline's middle (4000, 3000) goes to the sheet's (2500, 1750), the view by the same.
    Command(CM_AUTODIMENSIONS);
    ASSERT_EQ((TPoint{objects()[4]->x1, objects()[4]->y1}), (TPoint{1500, 1250}));
    EXPECT_EQ((TPoint{state().viewOrgX, state().viewOrgY}), (TPoint{200, 150}));
    EXPECT_EQ(Child().DevicePointOf({1500, 1250}), corner);
    EXPECT_EQ(state().viewExtX, 500);

    // The first floor is not centred: its view stays.
    Answer("message no");
    Command(CM_FIRSTFLOOR);
    Outline(FIRST_FLOOR, 1000, 1000, 2000, 1000);
    Command(CM_AUTODIMENSIONS);
    EXPECT_EQ((TPoint{state().viewOrgX, state().viewOrgY}), (TPoint{200, 150}));

    NewDrawing("FLAT");
    Outline(GROUND_FLOOR, 3000, 2500, 2000, 1000);
    Command(CM_AUTODIMENSIONS);
    EXPECT_EQ(objects()[4]->x1, 1500);
    EXPECT_EQ((std::array<int, 4>{state().viewOrgX, state().viewOrgY, state().viewExtX, state().viewExtY}),
              (std::array<int, 4>{0, 0, 1000, 700}));

    // A plan wider than the sheet, seen from past the sheet's left edge: centring moves it 100
    // logical units left and 50 up; the view may go no further left than where it is.
    NewDrawing("WIDE");
    Outline(GROUND_FLOOR, -1000, 1000, 8000, 1000);
    state().viewOrgX = -150;
    state().viewOrgY = 150;
    state().viewExtX = 500;
    state().viewExtY = 350;
    Child().ApplyView();
    Command(CM_AUTODIMENSIONS);
    ASSERT_EQ(objects()[4]->x1, -1500);
    EXPECT_EQ((TPoint{state().viewOrgX, state().viewOrgY}), (TPoint{-150, 200}));
    EXPECT_EQ(frame.Scripted().PendingAnswers(), 0u);
}

TEST_F(DimensionWindowTest, AutoDimensionsThatCannotCentreThePlanChangeNothing)
{
    NewDrawing("HOUSE");
    // Centring would move the building right by 2,147,400,500: the stairwell line on the floor
    // above would go past the range's top.
    Outline(GROUND_FLOOR, -2147400000, 1000, 4000, 3000);
    AddLine(FIRST_FLOOR, 1000000, 1500, 1000000, 2500, 41);
    const std::string file = ReadWholeFile(Path("DWGS/HOUSE.DB0"));
    const int edits = objects().EditCount();
    Answer("message ok");
    Command(CM_AUTODIMENSIONS);
    EXPECT_EQ(lines, std::vector<std::string>{"message POINT OUT OF RANGE | The plan cannot be centred: a point of"
                                              " the drawing would go too far outside the sheet for the drawing file"
                                              " to hold it - nothing has been changed"});
    EXPECT_EQ(objects().EditCount(), edits);
    EXPECT_EQ(ReadWholeFile(Path("DWGS/HOUSE.DB0")), file);
    ASSERT_EQ(objects().count(), 9);
    EXPECT_EQ(objects()[4]->x1, -2147400000);
    EXPECT_EQ(objects()[8]->x1, 1000000);
    EXPECT_EQ(CountOf(TYPE_DIMENSION_TEXT, GROUND_FLOOR), 0);
}

TEST_F(DimensionWindowTest, NewFloorDeclinedOrWithNothingBelow)
{
    NewDrawing("HOUSE");
    // Nothing below: no question.
    Command(CM_FIRSTFLOOR);
    EXPECT_TRUE(lines.empty());

    Outline(GROUND_FLOOR, 1000, 1000, 4000, 3000);
    const std::string file = ReadWholeFile(Path("DWGS/HOUSE.DB0"));
    Answer("message no");
    Command(CM_FIRSTFLOOR);
    EXPECT_EQ(lines, std::vector<std::string>{NEW_FLOOR_QUESTION});
    EXPECT_EQ(CountOf(TYPE_EXTWALL, FIRST_FLOOR), 0);
    EXPECT_EQ(ReadWholeFile(Path("DWGS/HOUSE.DB0")), file);
    // The second floor has nothing below it either.
    lines.clear();
    Command(CM_SECONDFLOOR);
    EXPECT_TRUE(lines.empty());
}

}  // namespace
