#pragma once
// The plan-resize tests' fixture: a fresh drawing state with a cavity outline typed by the wall
// tool, the resize run straight on the list, and objects of every kind the resize moves or keeps.
#include "model/arcobj.h"
#include "model/arrowobj.h"
#include "model/drawingedit.h"
#include "model/intwallobj.h"
#include "model/lineobj.h"
#include "model/openingobj.h"
#include "model/polyobj.h"
#include "model/roomobj.h"
#include "model/settingsrecords.h"
#include "model/textobj.h"
#include "model/typecodes.h"
#include "platform/recordingcanvas.h"
#include "tests/walls/wallfixture.h"

#include <fstream>
#include <initializer_list>
#include <limits>
#include <memory>
#include <sstream>
#include <string>

class PlanResize : public WallTest {
public:
    // The sides of the cut, as the arrow keys give them.
    static constexpr int UP = 1, RIGHT = 2, DOWN = 3, LEFT = 4;

    void SetUp() override
    {
        WallTest::SetUp();
        // The plan is measured by its external walls unless a test shows dimensions.
        state().displayMode = 1;
    }

    // A clockwise cavity outline typed with the wall tool: left, top, right, bottom walls at
    // indices 4..7, mitred at every corner.
    void Outline(int left, int bottom, int right, int top)
    {
        const Line walls[] = {
            {left, bottom, left, top}, {left, top, right, top}, {right, top, right, bottom}, {right, bottom, left, bottom}};
        const int angles[] = {0, 900, 1800, 2700};
        const int lengths[] = {top - bottom, right - left, top - bottom, right - left};
        for (int i = 0; i < 4; ++i) {
            Segment(walls[i][0], walls[i][1], walls[i][2], walls[i][3], angles[i]);
            tool.groupId = lengths[i];
            tool.objectIndex = 1;
            tool.CreateObject(dc, client);
        }
    }

    // Runs the resize on the list without centring; the refusal, empty when carried out.
    std::string Resize(int step, int side, int distance, int x, int y)
    {
        TExtwallobjtool resizer;
        resizer.step = step;
        resizer.objectIndex = side;
        TDrawingEdit edit(objects());
        return resizer.ResizeFloorPlan(edit, distance, x, y);
    }
    std::string Enlarge(int side, int distance, int x, int y) { return Resize(STEP_PLAN_ENLARGE, side, distance, x, y); }
    std::string Shrink(int side, int distance, int x, int y) { return Resize(STEP_PLAN_SHRINK, side, distance, x, y); }

    std::string Dump()
    {
        std::string all;
        for (int i = 0; i < objects().count(); ++i)
            all += DumpObject(i, *objects()[i]) + "\n";
        return all;
    }

    // The wall as it was with the x of its start and end points (reference and lines) moved.
    static TExtwallobj MovedX(const TExtwallobj& wall, int startBy, int endBy)
    {
        TExtwallobj moved = wall;
        moved.x1 += startBy;
        moved.x2 += endBy;
        for (std::size_t k = 0; k < 3; ++k) {
            moved.wallLines[4 * k] += startBy;
            moved.wallLines[4 * k + 2] += endBy;
        }
        return moved;
    }

    void ExpectSameWall(const TExtwallobj& actual, const TExtwallobj& expected)
    {
        EXPECT_EQ(DumpObject(0, actual), DumpObject(0, expected));
    }

    template <class T>
    T& Add(std::unique_ptr<T> object, int floor = GROUND_FLOOR)
    {
        object->floor = floor;
        T& ref = *object;
        objects().Add(std::move(object));
        return ref;
    }
    TLineobj& AddLine(int x1, int y1, int x2, int y2, int type = TYPE_LINE, int floor = GROUND_FLOOR)
    {
        auto line = std::make_unique<TLineobj>(type);
        line->x1 = x1;
        line->y1 = y1;
        line->x2 = x2;
        line->y2 = y2;
        return Add(std::move(line), floor);
    }
    TObject& AddBox(int type, int x1, int y1, int x2, int y2)
    {
        auto box = MakeObjectForType(type);
        box->x1 = x1;
        box->y1 = y1;
        box->x2 = x2;
        box->y2 = y2;
        return Add(std::move(box));
    }
    TPolyobj& AddPolygon(int type, std::initializer_list<TPoint> points)
    {
        std::unique_ptr<TPolyobj> polygon;
        if (type == TYPE_OPENING)
            polygon = std::make_unique<TOpeningobj>();
        else
            polygon = std::make_unique<TPolyobj>(type);
        for (const TPoint& p : points) {
            polygon->vertexX[std::size_t(polygon->vertexCount)] = p.x;
            polygon->vertexY[std::size_t(polygon->vertexCount)] = p.y;
            ++polygon->vertexCount;
        }
        return Add(std::move(polygon));
    }
    TTextobj& AddText(int type, int x1, int y1, int x2, int y2)
    {
        auto text = std::make_unique<TTextobj>(type);
        text->x1 = x1;
        text->y1 = y1;
        text->x2 = x2;
        text->y2 = y2;
        text->SetText("HALL");
        return Add(std::move(text));
    }
    TArrowobj& AddArrow(int type, int x1, int y1, int x2, int y2)
    {
        auto arrow = std::make_unique<TArrowobj>(type);
        arrow->x1 = x1;
        arrow->y1 = y1;
        arrow->x2 = x2;
        arrow->y2 = y2;
        arrow->barb1 = {x2, y2 + 25};
        arrow->barb2 = {x2, y2 - 25};
        arrow->tickA = {x1, y1 + 100};
        arrow->tickB = {x1, y1 - 100};
        return Add(std::move(arrow));
    }
    TIntwallobj& AddInternalWall(int x1, int y1, int x2, int y2, int angle, int width)
    {
        auto wall = std::make_unique<TIntwallobj>();
        wall->x1 = x1;
        wall->y1 = y1;
        wall->x2 = x2;
        wall->y2 = y2;
        wall->angle = angle;
        wall->wallWidth = width;
        const bool alongX = y1 == y2;
        wall->face2StartX = alongX ? x1 : x1 + width;
        wall->face2StartY = alongX ? y1 - width : y1;
        wall->face2EndX = alongX ? x2 : x2 + width;
        wall->face2EndY = alongX ? y2 - width : y2;
        return Add(std::move(wall));
    }

    RecordingCanvas dc;
    TRect client{0, 0, 1000, 700};
};
