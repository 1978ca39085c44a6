#include "tools/walldimensions.h"

#include "model/dimensionvalue.h"
#include "model/drawingedit.h"
#include "model/drawingfile.h"
#include "model/drawingstate.h"
#include "model/extwallobj.h"
#include "model/list.h"
#include "model/modelunits.h"
#include "model/settingsrecords.h"
#include "model/textobj.h"
#include "model/typecodes.h"
#include "tools/annotationbuilders.h"
#include "tools/drawingtool.h"

#include <algorithm>
#include <cmath>
#include <set>
#include <vector>

namespace {

// Direction codes of the four axis directions of travel.
constexpr int UP = 0;
constexpr int RIGHT = 900;
constexpr int DOWN = 1800;
constexpr int LEFT = 2700;

// Text alignments: centred above the point, centred below it.
constexpr int ABOVE = 6;
constexpr int BELOW = 4;

// A wall shorter than this many logical units gets its text twice as far out, clear of the arrows.
constexpr int SHORT_WALL_LOGICAL = 10;

std::int64_t Half(std::int64_t a, std::int64_t b)
{
    return a + (b - a) / 2;
}

// The dimensions of one run, built aside: whether every point of them lies where the drawing file
// can store it.
struct TBuilt {
    TDrawingEdit& edit;
    const TStorableRange& range;
    bool storable = true;

    void Arrow(TDrawingtool& tool, std::int64_t x, std::int64_t y, TArrowDirection direction)
    {
        storable = storable && AddArrow(edit, tool, x, y, direction, range) >= 0;
    }
    void AngledArrow(TDrawingtool& tool, const TExtwallobj& wall, int end, int theta, int quadrant, int offset)
    {
        const std::int32_t x = end == 1 ? wall.x1 : wall.x2, y = end == 1 ? wall.y1 : wall.y2;
        storable = storable && AddAngledArrow(edit, tool, x, y, theta, quadrant, end, offset, range) >= 0;
    }
};

// The dimension text of one wall or chain at (x, y), with the tool's group id; the tool keeps its
// point and direction code.
void AddValueText(TBuilt& built, TDrawingtool& tool, std::int64_t x, std::int64_t y, int directionCode,
                  const std::string& text, int escapement, int alignment, int fontHeight)
{
    if (!built.storable || !built.range.Holds(x, y)) {
        built.storable = false;
        return;
    }
    const TPoint point{std::int32_t(x), std::int32_t(y)};
    TDrawingEdit& edit = built.edit;
    tool.x1 = point.x;
    tool.y1 = point.y;
    tool.lineAux1 = directionCode;
    edit.Add(MakeDimensionValueText(TYPE_DIMENSION_TEXT, tool.groupId, point, directionCode, text, escapement,
                                    alignment, fontHeight));
}

// The sloped wall's quadrant, the offset normal's form, base escapement and alignment by its angle
// (taken modulo 3600; an angle of exactly 900, 1800 or 2700 counts to the quadrant it opens).
struct TSlopedForm {
    int quadrant;
    double nx, ny;
    int escapement;
    int alignment;
};

TSlopedForm SlopedForm(int theta)
{
    const double t = theta;
    if (theta < 900) {
        const double a = DimensionRadians(t);
        return {1, -std::cos(a), std::sin(a), theta + 2700, ABOVE};
    }
    if (theta < 1800) {
        const double a = DimensionRadians(1800 - t);
        return {2, std::cos(a), std::sin(a), theta - 900, ABOVE};
    }
    if (theta < 2700) {
        const double a = DimensionRadians(2700 - t);
        return {3, std::sin(a), -std::cos(a), theta + 900, BELOW};
    }
    const double a = DimensionRadians(3600 - t);
    return {4, -std::cos(a), -std::sin(a), theta - 2700, BELOW};
}

// Dimensions one external wall; false for a wall without length, which gets none.
bool DimensionWall(TBuilt& built, TDrawingtool& tool, const TExtwallobj& wall, const TOffsetSettings& settings)
{
    const std::int64_t x1 = wall.x1, y1 = wall.y1, x2 = wall.x2, y2 = wall.y2;
    if (x1 == x2 && y1 == y2)
        return false;

    tool.groupId = ++State().groupIdCounter;
    const std::int64_t off = settings.externalOffset;
    const std::int64_t mx = Half(x1, x2), my = Half(y1, y2);
    const bool parallel = settings.textOrientation > 0;
    const std::string text = FormatDimensionValue(wall.groupId, TDimensionTextForm::WallText);
    const int height = settings.dimensionTextSize;

    // The line lies to the left of the wall's direction of travel, away from its wall lines.
    if (y1 == y2) {
        const bool right = x1 < x2;
        const std::int64_t y = right ? y1 + off : y1 - off;
        built.Arrow(tool, std::min(x1, x2), y, TArrowDirection::Left);
        built.Arrow(tool, std::max(x1, x2), y, TArrowDirection::Right);
        AddValueText(built, tool, mx, y, right ? RIGHT : LEFT, text, 0, right ? ABOVE : BELOW, height);
        return true;
    }
    if (x1 == x2) {
        const bool up = y1 < y2;
        const std::int64_t x = up ? x1 - off : x1 + off;
        if (up) {
            built.Arrow(tool, x, wall.y2, TArrowDirection::Top);
            built.Arrow(tool, x, wall.y1, TArrowDirection::Bottom);
        } else {
            built.Arrow(tool, x, wall.y2, TArrowDirection::Bottom);
            built.Arrow(tool, x, wall.y1, TArrowDirection::Top);
        }
        const int alignment = up || !parallel ? ABOVE : BELOW;
        AddValueText(built, tool, x, my, up ? UP : DOWN, text, parallel ? 2700 : 0, alignment, height);
        return true;
    }

    // A sloped wall: the arrows on a line parallel to it, the text beside its middle.
    const int theta = ((wall.angle % 3600) + 3600) % 3600;
    const TSlopedForm form = SlopedForm(theta);
    built.AngledArrow(tool, wall, 1, theta, form.quadrant, settings.externalOffset);
    built.AngledArrow(tool, wall, 2, theta, form.quadrant, settings.externalOffset);
    const std::int64_t shiftX = TruncToInt32(double(off) * form.nx);
    const std::int64_t shiftY = TruncToInt32(double(off) * form.ny);
    const int times = std::hypot(double(x2 - x1), double(y2 - y1)) < SHORT_WALL_LOGICAL * State().unitsPerLogical ? 2 : 1;
    int escapement = form.escapement;
    if ((theta > 1350 && theta < 1800) || (theta > 3150 && theta < 3600))
        escapement += 1800;
    if (form.escapement <= 1)
        escapement = 0;
    AddValueText(built, tool, mx + times * shiftX, my + times * shiftY, wall.angle, text, escapement, form.alignment,
                 height);
    return true;
}

// The walls of one direction of travel that continue each other along its axis.
struct TChain {
    bool any = false;
    std::int64_t min = 0;
    std::int64_t max = 0;
    int count = 0;
    std::int64_t sum = 0;

    // A wall spanning [a, b] on the chain's axis, of length len along it.
    void Take(std::int64_t a, std::int64_t b, std::int64_t len)
    {
        if (!any || (a <= min && b >= max)) {
            // The chain restarts with a wall that covers all of it.
            any = true;
            min = a;
            max = b;
            count = 1;
            sum = len;
        } else if (a <= min) {
            min = a;
            ++count;
            sum += len;
        } else if (b >= max) {
            max = b;
            ++count;
            sum += len;
        }
    }
    std::int64_t Middle() const { return Half(min, max); }
};

bool IsAxisAngle(int angle)
{
    return angle == UP || angle == RIGHT || angle == DOWN || angle == LEFT;
}

}  // namespace

void RemoveDimensionObjects(TDrawingEdit& edit)
{
    const TList& objects = edit.Objects();
    const int floor = State().currentFloor;
    std::set<std::int32_t> groups;
    for (const auto& object : objects.Items())
        if (object->floor == floor && object->typeCode == TYPE_DIMENSION_TEXT)
            groups.insert(object->groupId);

    std::vector<int> doomed;
    for (int i = 0; i < objects.count(); ++i) {
        const TObject& object = *objects[i];
        if (object.floor != floor)
            continue;
        if (object.typeCode == TYPE_DIMENSION_TEXT ||
            (object.typeCode == TYPE_DIMENSION_LINE && groups.count(object.groupId)))
            doomed.push_back(i);
    }
    edit.RemoveAll(std::move(doomed));
}

namespace {

// The overall dimensions of the current floor: four chains of walls, one per direction of travel
// (+x, -y, -x, +y); each chain of more than one wall gets a dimension `overallOffset` outside the
// building, its value the chain's summed length.
void AddDimensionTexts(TBuilt& built, const TList& objects, TDrawingtool& tool, std::int32_t overallOffset,
                       int textOrientation, int textSize)
{
    const int floor = State().currentFloor;
    TChain plusX, minusX, minusY, plusY;
    // The walls' extents place the line of a chain whose neighbour chain is empty.
    bool anyWall = false;
    std::int64_t minX = 0, maxX = 0, minY = 0, maxY = 0;

    for (const auto& object : objects.Items()) {
        if (!IsExternalWallOn(*object, floor))
            continue;
        const auto* wall = dynamic_cast<const TExtwallobj*>(object.get());
        if (!wall)
            continue;
        const std::int64_t x1 = wall->x1, y1 = wall->y1, x2 = wall->x2, y2 = wall->y2;
        minX = anyWall ? std::min({minX, x1, x2}) : std::min(x1, x2);
        maxX = anyWall ? std::max({maxX, x1, x2}) : std::max(x1, x2);
        minY = anyWall ? std::min({minY, y1, y2}) : std::min(y1, y2);
        maxY = anyWall ? std::max({maxY, y1, y2}) : std::max(y1, y2);
        anyWall = true;

        const bool sloped = !IsAxisAngle(wall->angle);
        const std::int64_t alongX = sloped ? std::abs(x2 - x1) : wall->groupId;
        const std::int64_t alongY = sloped ? std::abs(y2 - y1) : wall->groupId;
        if (x1 < x2)
            plusX.Take(x1, x2, alongX);
        else if (x2 < x1)
            minusX.Take(x2, x1, alongX);
        if (y2 < y1)
            minusY.Take(y2, y1, alongY);
        else if (y1 < y2)
            plusY.Take(y1, y2, alongY);
    }

    const std::int64_t o = overallOffset;
    const bool parallel = textOrientation == 2700;
    // The shown sum only: a length, not a point.
    auto value = [](const TChain& chain) { return FormatDimensionValue(ClampToInt32(chain.sum)); };
    auto newGroup = [&tool] { tool.groupId = ++State().groupIdCounter; };

    if (plusX.count > 1) {
        newGroup();
        const std::int64_t y = (minusY.any ? minusY.max : maxY) + o;
        built.Arrow(tool, plusX.min, y, TArrowDirection::Left);
        built.Arrow(tool, plusX.max, y, TArrowDirection::Right);
        AddValueText(built, tool, plusX.Middle(), y, RIGHT, value(plusX), 0, ABOVE, textSize);
    }
    if (minusY.count > 1) {
        newGroup();
        const std::int64_t x = (plusX.any ? plusX.max : maxX) + o;
        built.Arrow(tool, x, minusY.max, TArrowDirection::Top);
        built.Arrow(tool, x, minusY.min, TArrowDirection::Bottom);
        AddValueText(built, tool, x, minusY.Middle(), DOWN, value(minusY), parallel ? 2700 : 0,
                     parallel ? BELOW : ABOVE, textSize);
    }
    if (minusX.count > 1) {
        newGroup();
        const std::int64_t y = (plusY.any ? plusY.min : minY) - o;
        built.Arrow(tool, minusX.min, y, TArrowDirection::Left);
        built.Arrow(tool, minusX.max, y, TArrowDirection::Right);
        AddValueText(built, tool, minusX.Middle(), y, LEFT, value(minusX), 0, BELOW, textSize);
    }
    if (plusY.count > 1) {
        newGroup();
        const std::int64_t x = (minusX.any ? minusX.min : minX) - o;
        built.Arrow(tool, x, plusY.max, TArrowDirection::Top);
        built.Arrow(tool, x, plusY.min, TArrowDirection::Bottom);
        AddValueText(built, tool, x, plusY.Middle(), UP, value(plusY), parallel ? 2700 : 0, ABOVE, textSize);
    }
}

}  // namespace

int AddWallDimensions(TDrawingEdit& edit, TDrawingtool& tool, const TOffsetSettings& settings)
{
    TDrawingState& state = State();
    // The dimensions are built aside first: a run with a point the drawing file could not store
    // changes nothing, neither the old dimensions nor the group counter nor the tool.
    const std::int32_t groupsBefore = state.groupIdCounter;
    struct TKept {
        std::int32_t x1, y1, x2, y2, groupId, lineAux1, penStyle;
    };
    const TKept kept{tool.x1, tool.y1, tool.x2, tool.y2, tool.groupId, tool.lineAux1, tool.penStyle};
    TList aside;
    TDrawingEdit building(aside);
    const TStorableRange range;
    TBuilt built{building, range};

    const TList& objects = edit.Objects();
    const int floor = state.currentFloor;
    int dimensioned = 0;
    for (const auto& object : objects.Items()) {
        if (!IsExternalWallOn(*object, floor))
            continue;
        const auto* wall = dynamic_cast<const TExtwallobj*>(object.get());
        if (wall && DimensionWall(built, tool, *wall, settings))
            ++dimensioned;
    }
    if (dimensioned > 4)
        AddDimensionTexts(built, objects, tool, settings.overallOffset, settings.textOrientation,
                          settings.dimensionTextSize);
    if (!built.storable) {
        state.groupIdCounter = groupsBefore;
        tool.x1 = kept.x1, tool.y1 = kept.y1, tool.x2 = kept.x2, tool.y2 = kept.y2;
        tool.groupId = kept.groupId, tool.lineAux1 = kept.lineAux1, tool.penStyle = kept.penStyle;
        return -1;
    }

    RemoveDimensionObjects(edit);
    tool.kind = KIND_DIMENSIONED;
    for (auto& object : aside.TakeAll())
        edit.Add(std::move(object));
    return dimensioned;
}
