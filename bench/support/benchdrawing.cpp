#include "bench/support/benchdrawing.h"

#include "model/arcobj.h"
#include "model/arrowobj.h"
#include "model/circleobj.h"
#include "model/drawingstate.h"
#include "model/extwallobj.h"
#include "model/drawingedit.h"
#include "model/startingdrawing.h"
#include "model/intwallobj.h"
#include "model/lineobj.h"
#include "model/list.h"
#include "model/polyobj.h"
#include "model/rectangleobj.h"
#include "model/textobj.h"

#include <cstdlib>
#include <memory>
#include <stdexcept>
#include <string>

namespace {

struct Scatter {
    unsigned state = 2024;
    int Next(int range)
    {
        state = state * 1103515245u + 12345u;
        return int((state >> 8) % unsigned(range));
    }
};

std::unique_ptr<TObject> MixedObject(int i, Scatter& s)
{
    const int floorCode = 50 + i % 3;
    const int x = 25000 + s.Next(20000);
    const int y = 15000 + s.Next(14000);
    std::unique_ptr<TObject> object;
    switch (i % 10) {
    case 0: {
        auto wall = std::make_unique<TExtwallobj>();
        wall->x2 = x + 4000;
        wall->y2 = y;
        wall->spacing1 = 300;
        wall->angle = 900;
        wall->wallLines = {x, y - 300, x + 4000, y - 300};
        object = std::move(wall);
        break;
    }
    case 1: {
        auto wall = std::make_unique<TIntwallobj>();
        wall->x2 = x;
        wall->y2 = y + 3000;
        wall->wallWidth = 100;
        wall->face2StartX = x + 100;
        wall->face2StartY = y;
        wall->face2EndX = x + 100;
        wall->face2EndY = y + 3000;
        object = std::move(wall);
        break;
    }
    case 2:
    case 3: {
        auto text = std::make_unique<TTextobj>(i % 2 ? 34 : 35);
        text->SetText(std::to_string(1000 + s.Next(9000)));
        text->SetFaceName("Arial");
        text->alignment = 6;
        text->fontHeight = 9;
        text->fontWeight = 400;
        object = std::move(text);
        break;
    }
    case 4: {
        auto polygon = std::make_unique<TPolyobj>(100);
        polygon->vertexCount = 4;
        polygon->vertexX = {x, x + 900, x + 900, x};
        polygon->vertexY = {y, y, y + 300, y + 300};
        polygon->fillColour = 0xFFFFFF;
        object = std::move(polygon);
        break;
    }
    case 5: {
        auto arrow = std::make_unique<TArrowobj>(25000);
        arrow->x2 = x + 3000;
        arrow->y2 = y;
        arrow->barb1 = {x + 150, y + 50};
        arrow->barb2 = {x + 150, y - 50};
        arrow->tickA = {x, y + 100};
        arrow->tickB = {x, y - 100};
        object = std::move(arrow);
        break;
    }
    case 6: {
        auto arc = std::make_unique<TArcobj>();
        arc->x2 = x + 900;
        arc->y2 = y + 900;
        arc->arcStartX = x + 900;
        arc->arcStartY = y + 450;
        arc->arcEndX = x + 450;
        arc->arcEndY = y + 900;
        object = std::move(arc);
        break;
    }
    case 7:
        object = std::make_unique<TRectangleobj>();
        object->x2 = x + 1200;
        object->y2 = y + 800;
        break;
    case 8:
        object = std::make_unique<TCircleobj>();
        object->x2 = x + 600;
        object->y2 = y + 600;
        break;
    default:
        object = std::make_unique<TLineobj>(1);
        object->x2 = x + s.Next(3000);
        object->y2 = y + s.Next(3000);
        break;
    }
    object->floor = floorCode;
    object->x1 = x;
    object->y1 = y;
    object->groupId = i;
    return object;
}

// One object of the large plan: the metric sheet is 60,000 x 42,000 model units.
std::unique_ptr<TObject> PlanObject(int i, Scatter& s, const PlanOptions& options)
{
    const int x = s.Next(60000);
    const int y = s.Next(42000);
    const int kind = i % 50;
    std::unique_ptr<TObject> object;
    if (kind < 5) {
        auto arc = std::make_unique<TArcobj>();
        const int size = 300 + s.Next(1500);
        arc->x2 = x + size;
        arc->y2 = y + size;
        arc->arcStartX = x + size;
        arc->arcStartY = y + size / 2;
        arc->arcEndX = x + size / 2;
        arc->arcEndY = y + size;
        object = std::move(arc);
    } else if (kind < 10) {
        static const char* const names[] = {"Living", "Bed 1", "Kitchen", "Bath", "Hall", "Store"};
        auto text = std::make_unique<TTextobj>(kind % 2 ? 24 : 4);
        text->SetText(kind % 3 ? std::to_string(1000 + s.Next(9000)) : names[s.Next(6)]);
        if (options.shortNames > 0)
            text->SetText("R" + std::to_string((i / 50 * 5 + kind - 5) % options.shortNames + 1));
        if (options.roomNames > 0) {
            // The text's place in the plan's texts picks its name.
            const std::string number = std::to_string(100000 + (i / 50 * 5 + kind - 5) % options.roomNames);
            text->SetText("Room " + number.substr(1));
        }
        text->SetFaceName("Arial");
        text->alignment = kind == 9 ? 5 : 6;
        text->escapement = kind == 8 ? 2700 : 0;
        text->fontHeight = 9;
        text->fontWeight = kind == 7 ? 700 : 400;
        object = std::move(text);
    } else if (kind == 10) {
        object = std::make_unique<TCircleobj>();
        const int size = 200 + s.Next(800);
        object->x2 = x + size;
        object->y2 = y + size;
    } else {
        object = std::make_unique<TLineobj>(1);
        // Mostly along the axes, as walls and fittings are drawn.
        const int length = 100 + s.Next(3000);
        switch (s.Next(3)) {
        case 0:
            object->x2 = x + length;
            object->y2 = y;
            break;
        case 1:
            object->x2 = x;
            object->y2 = y + length;
            break;
        default:
            object->x2 = x + s.Next(3000);
            object->y2 = y + s.Next(3000);
            break;
        }
        if (i % 97 == 0)
            object->penWidth = 3;
        if (i % 89 == 0)
            object->penStyle = PS_DASH;
    }
    object->floor = 50;
    object->x1 = x;
    object->y1 = y;
    object->groupId = i;
    return object;
}

}  // namespace

namespace {

// An external cavity wall from (x1, y1) to (x2, y2) along an axis, its lines on its right, as the
// external-wall tool leaves it; `angle` is its direction in tenths of a degree clockwise from +y.
std::unique_ptr<TExtwallobj> OutlineWall(int x1, int y1, int x2, int y2, int angle, int actionId)
{
    auto wall = std::make_unique<TExtwallobj>();
    wall->floor = 50;
    wall->ownerId = actionId;
    wall->x1 = x1;
    wall->y1 = y1;
    wall->x2 = x2;
    wall->y2 = y2;
    wall->z1 = 25;
    wall->z2 = 2575;
    wall->spacing1 = 110;
    wall->spacing2 = 55;
    wall->spacing3 = 110;
    wall->angle = angle;
    wall->wallFlag = 1;
    const int length = std::abs(x2 - x1) + std::abs(y2 - y1);
    wall->groupId = length;
    const int dx = (x2 - x1) / length;
    const int dy = (y2 - y1) / length;
    int line = 0;
    for (int offset : {110, 165, 275}) {
        // Shortened by its offset at both ends, and moved that far to the right.
        wall->wallLines[std::size_t(line++)] = x1 + offset * dx + offset * dy;
        wall->wallLines[std::size_t(line++)] = y1 + offset * dy - offset * dx;
        wall->wallLines[std::size_t(line++)] = x2 - offset * dx + offset * dy;
        wall->wallLines[std::size_t(line++)] = y2 - offset * dy - offset * dx;
    }
    return wall;
}

// The four floor records, then objects 4 .. count - 1 of `make`, written as the drawing file.
template <typename Make>
void WriteDrawing(int count, Make make, bool houseOutline = false)
{
    TDrawingState& state = State();
    state.objects.Clear();
    TDrawingEdit edit(state.objects);
    AddStartingRecords(edit, state.unitSystem);
    if (houseOutline) {
        // Drawn clockwise from the upper left corner: off the sheet's middle, so that centring
        // the plan moves it.
        const int left = 2000, right = 50000, bottom = 3000, top = 39000;
        edit.Add(OutlineWall(left, top, right, top, 900, 1));
        edit.Add(OutlineWall(right, top, right, bottom, 1800, 2));
        edit.Add(OutlineWall(right, bottom, left, bottom, 2700, 3));
        edit.Add(OutlineWall(left, bottom, left, top, 0, 4));
        count -= 4;
    }
    Scatter s;
    for (int i = 4; i < count; ++i)
        edit.Add(make(i, s));
    if (!edit.Commit())
        throw std::runtime_error("cannot write the drawing");
}

}  // namespace

void WritePlanDrawing(int count, PlanOptions options)
{
    WriteDrawing(
        count, [&options](int i, Scatter& s) { return PlanObject(i, s, options); }, options.houseOutline);
}

void WriteBenchDrawing(int count)
{
    WriteDrawing(count, MixedObject);
}
