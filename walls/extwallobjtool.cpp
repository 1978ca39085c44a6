#include "walls/extwallobjtool.h"

#include "model/drawingedit.h"
#include "model/drawingstate.h"
#include "model/extwallobj.h"
#include "model/list.h"
#include "model/modelunits.h"
#include "model/settingsrecords.h"
#include "model/typecodes.h"
#include "tools/floorarea.h"
#include "tools/toolkinds.h"
#include "tools/toolwindow.h"
#include "walls/endsnap.h"

#include <array>
#include <cstdint>
#include <memory>
#include <utility>
#include <vector>

namespace {

// Snap tolerance of wall ends, in logical units.
constexpr int SNAP_LOGICAL = 3;

// Steps of Setup.
constexpr int STEP_ENLARGE_PLAN = 8;
constexpr int STEP_SHRINK_PLAN = 9;
constexpr int STEP_FIRST_EDIT = 2;
constexpr int STEP_LAST_EDIT = 6;

// Measured distances from this on read as 0, as when nothing is found.
constexpr std::int64_t NOTHING_MEASURED = NO_INDEX;

// p lies strictly within the tolerance of v.
bool Near(std::int64_t p, std::int64_t v, std::int64_t tolerance)
{
    return v - tolerance < p && p < v + tolerance;
}

// The distance from (x, y) to the nearest end of a floor's external walls straight ahead in a
// measuring direction (1 +y, 2 +x, 3 -y, 4 -x): of each wall the end nearer the start of that
// direction counts, and only when it lies across the direction within the tolerance. -1 when no
// wall end lies ahead.
std::int64_t DistanceToWallEndAhead(const TList& objects, int floor, int direction, std::int32_t x, std::int32_t y,
                                    std::int64_t tolerance)
{
    const bool alongY = direction == 1 || direction == 3;
    const std::int64_t sign = direction <= 2 ? 1 : -1;
    // Coordinates along and across the direction, along ones signed so that ahead is larger.
    auto along = [&](std::int64_t px, std::int64_t py) { return sign * (alongY ? py : px); };
    auto across = [&](std::int64_t px, std::int64_t py) { return alongY ? px : py; };

    std::int64_t best = -1;
    for (const auto& object : objects.Items()) {
        const TObject& wall = *object;
        if (!IsExternalWallOn(wall, floor))
            continue;
        const bool useEnd = along(wall.x2, wall.y2) < along(wall.x1, wall.y1);
        const std::int32_t ex = useEnd ? wall.x2 : wall.x1;
        const std::int32_t ey = useEnd ? wall.y2 : wall.y1;
        const std::int64_t ahead = along(ex, ey) - along(x, y);
        if (ahead > 0 && Near(across(x, y), across(ex, ey), tolerance) && (best < 0 || ahead < best))
            best = ahead;
    }
    return best;
}

}  // namespace

void TExtwallobjtool::CreateObject(Canvas&, const TRect&)
{
    // Which way the user entered the segment, to tell afterwards whether the builder exchanged the
    // ends (orientation of a free wall, or a start snapped onto another wall's start).
    const std::int64_t typedX = std::int64_t(x2) - x1;
    const std::int64_t typedY = std::int64_t(y2) - y1;

    const std::array<std::int32_t, 5> typed{x1, y1, x2, y2, lineAux1};
    BuildWall(1);
    if (StoreWall(State().currentFloor)) {
        lineDrawn = 1;
    } else if (const auto point = derived.Unstorable()) {
        // Refused and told: the tool keeps the segment as it was typed.
        AcceptsPoint((*point)[0], (*point)[1]);
        x1 = typed[0], y1 = typed[1], x2 = typed[2], y2 = typed[3], lineAux1 = typed[4];
        return;
    }

    // The next typed wall starts where the user got to: after an exchange that point is the stored
    // start, so the tool's ends are put back in the order the user gave them.
    const std::int64_t builtX = std::int64_t(x2) - x1;
    const std::int64_t builtY = std::int64_t(y2) - y1;
    // Differences span up to 2^32, so their products are taken wider than int64.
    if (__int128(typedX) * builtX + __int128(typedY) * builtY < 0) {
        std::swap(x1, x2);
        std::swap(y1, y2);
    }
}

bool TExtwallobjtool::StoreWall(int floorCode)
{
    TDrawingEdit edit(State().objects);
    return AddWall(edit, floorCode) && edit.Commit();
}

bool TExtwallobjtool::AddWall(TDrawingEdit& edit, int floorCode)
{
    penWidth = 1;
    penStyle = 0;
    if (!Storable())
        return false;
    if (!derived.Storable())
        return false;

    auto wall = std::make_unique<TExtwallobj>(kind);
    FillCommonFields(*wall);
    wall->floor = floorCode;
    wall->spacing1 = spacing1;
    wall->spacing2 = spacing2;
    wall->spacing3 = spacing3;
    wall->wallAux1 = wallAux1;
    wall->wallAux2 = wallAux2;
    wall->angle = lineAux1;
    wall->wallFlag = 1;
    for (std::size_t i = 0; i < lineX.size(); ++i) {
        wall->wallLines[2 * i] = lineX[i];
        wall->wallLines[2 * i + 1] = lineY[i];
    }
    wall->wallColour1 = wallColour1;
    wall->wallColour2 = wallColour2;
    wall->joinInfo = {0, 0, 0, 0};

    State().drawingState = 2;
    edit.Add(std::move(wall));
    return true;
}

bool TExtwallobjtool::Storable() const
{
    // A zero coordinate stands for an unset point.
    return x1 != 0 && y1 != 0 && (x1 != x2 || y1 != y2);
}

void TExtwallobjtool::BuildWall(int snap)
{
    TDrawingState& state = State();
    ReadWallColours();
    ownerId = ++state.groupIdCounter;

    derived.Begin();
    std::optional<int> startJoin;
    std::optional<int> endJoin;
    if (snap > 0) {
        SnapEnds(startJoin, endJoin);
        NormaliseJoins(startJoin, endJoin);
        if (!startJoin && !endJoin)
            OrientFreeWall();
        // A wall that will not be stored (no start, or no length: ENTER again on the corner just
        // reached, or snapped where the drawing file cannot store it) changes no other wall's
        // corner.
        if (!Storable() || !derived.Storable()) {
            startJoin.reset();
            endJoin.reset();
        }
    }

    std::int32_t h[4] = {0, 0, 0, 0};
    const int storey = state.currentFloor - GROUND_FLOOR;
    if (ReadWallSettings(h) && storey >= 0 && storey <= 2) {
        // The storey's bottom and top level: the base level, then each storey height in turn.
        std::int64_t levels[4] = {h[0], 0, 0, 0};
        for (int i = 1; i < 4; ++i)
            levels[i] = levels[i - 1] + h[i];
        z1 = ClampToInt32(levels[storey]);
        z2 = ClampToInt32(levels[storey + 1]);
    }

    joinInfo = {0, 0, 0, 0};
    savedStep = state.currentFloor;
    // The corners change the lines of the walls met in place: they are put back when a line of
    // the new wall or theirs would lie where the drawing file cannot store it.
    std::vector<std::pair<TExtwallobj*, std::array<std::int32_t, 12>>> met;
    for (const std::optional<int>& join : {startJoin, endJoin})
        if (TExtwallobj* wall = join ? ExternalWallAt(*join) : nullptr)
            met.emplace_back(wall, wall->wallLines);
    ComputeLines(startJoin, endJoin);
    if (!derived.Storable())
        for (auto& [wall, lines] : met)
            wall->wallLines = lines;
}

void TExtwallobjtool::ReadWallColours()
{
    const auto colours = ReadSettings<TWallColourSettings>();
    wallColour1 = colours.colour1;
    wallColour2 = colours.colour2;
}

bool TExtwallobjtool::ReadWallSettings(std::int32_t heights[4])
{
    const int units = State().unitSystem;
    if (units != 0 && units != 1)
        return false;
    const TExtWallSettings settings = ReadSettings<TExtWallSettings>(units);
    spacing1 = settings.spacing1;
    spacing2 = settings.spacing2;
    spacing3 = settings.spacing3;
    heights[0] = settings.baseLevel;
    heights[1] = settings.groundStorey;
    heights[2] = settings.firstStorey;
    heights[3] = settings.secondStorey;
    wallAux1 = settings.wallAux1;
    wallAux2 = settings.wallAux2;
    colour = TColor(settings.colour);
    return true;
}

void TExtwallobjtool::SnapEnds(std::optional<int>& startJoin, std::optional<int>& endJoin)
{
    const TDrawingState& state = State();
    const std::int64_t tolerance = std::int64_t(SNAP_LOGICAL) * state.unitsPerLogical;
    const int floor = state.currentFloor;
    SnapWallEnds(*this, tolerance, [floor](const TObject& wall) { return IsExternalWallOn(wall, floor); }, startJoin,
                 endJoin, derived);
}

void TExtwallobjtool::ReverseWall()
{
    std::swap(x1, x2);
    std::swap(y1, y2);
    lineAux1 = lineAux1 <= 1799 ? lineAux1 + 1800 : lineAux1 - 1800;
}

void TExtwallobjtool::NormaliseJoins(std::optional<int>& startJoin, std::optional<int>& endJoin)
{
    auto startsAt = [](std::optional<int> index, std::int32_t x, std::int32_t y) {
        const TExtwallobj* wall = index ? ExternalWallAt(*index) : nullptr;
        return wall && wall->x1 == x && wall->y1 == y;
    };
    auto endsAt = [](std::optional<int> index, std::int32_t x, std::int32_t y) {
        const TExtwallobj* wall = index ? ExternalWallAt(*index) : nullptr;
        return wall && wall->x2 == x && wall->y2 == y;
    };

    if (!startJoin)
        return;
    if (!endJoin) {
        // A start snapped onto another wall's start: the new wall runs the other way and ends there.
        if (startsAt(startJoin, x1, y1)) {
            ReverseWall();
            endJoin = startJoin;
            startJoin.reset();
            return;
        }
        if (endsAt(startJoin, x1, y1))
            return;
    } else {
        // Two snapped walls. The second hit ending at the new wall's start is the wall before it (a
        // loop closed after its first wall was hit): the joins change roles. The wall lines then
        // make both corners even when the other end met its wall only within the tolerance (a
        // closing wall typed a little short); the corner tests compare x only.
        if (endsAt(endJoin, x1, y1)) {
            std::swap(startJoin, endJoin);
            return;
        }
        if (startsAt(endJoin, x1, y1)) {
            ReverseWall();
            return;
        }
    }

    // The combinations left: a single wall touching the new wall at its end, or a second hit that
    // touches neither end of the new wall's start. Take the direction in which more of the snapped
    // walls meet the new wall end to start, and keep only the joins that do.
    const std::optional<int> snapped[2] = {startJoin, endJoin};
    auto assign = [&](std::int32_t ax, std::int32_t ay, std::int32_t bx, std::int32_t by, std::optional<int>& s,
                      std::optional<int>& e) {
        s.reset();
        e.reset();
        int matched = 0;
        for (const std::optional<int>& index : snapped) {
            if (!index)
                continue;
            if (!s && endsAt(index, ax, ay)) {
                s = index;
                ++matched;
            } else if (!e && startsAt(index, bx, by)) {
                e = index;
                ++matched;
            }
        }
        return matched;
    };
    std::optional<int> keptStart, keptEnd, reversedStart, reversedEnd;
    const int asDrawn = assign(x1, y1, x2, y2, keptStart, keptEnd);
    const int reversed = assign(x2, y2, x1, y1, reversedStart, reversedEnd);
    if (reversed > asDrawn) {
        ReverseWall();
        startJoin = reversedStart;
        endJoin = reversedEnd;
    } else {
        startJoin = keptStart;
        endJoin = keptEnd;
    }
}

void TExtwallobjtool::OrientFreeWall()
{
    // The direction code chosen for the side of the wall lines wins over the order of the points:
    // a wall drawn against it is turned round. An axis wall then takes the code's own direction; a
    // sloped wall keeps its slope and turns by half a turn, so its lines lie at their full spacing.
    bool against = false;
    int axisAngle = 0;
    switch (objectIndex) {
    case 1:
        against = x1 > x2;
        axisAngle = 900;
        break;
    case 2:
        against = y2 > y1;
        axisAngle = 1800;
        break;
    case 3:
        against = x2 > x1;
        axisAngle = 2700;
        break;
    case 4:
        against = y1 > y2;
        axisAngle = 0;
        break;
    default:
        break;
    }
    if (!against)
        return;
    if (IsOrthogonal(lineAux1)) {
        std::swap(x1, x2);
        std::swap(y1, y2);
        lineAux1 = axisAngle;
    } else {
        ReverseWall();
    }
}

void TExtwallobjtool::SubCommand(int code)
{
    TDrawingState& state = State();
    TList& objects = state.objects;
    const int floor = state.currentFloor;

    if (code == SUB_ROOM_CLEARANCE) {
        libraryFlag = ClearanceToDesignRooms();
        return;
    }

    if (code == SUB_SNAP_AND_MEASURE) {
        const std::int64_t tolerance = std::int64_t(SNAP_LOGICAL) * state.unitsPerLogical;
        // Snap the point onto a wall end; a wall whose start is near in x only is passed over.
        for (int i = 0; i < objects.count(); ++i) {
            const TObject& wall = *objects[i];
            if (!IsExternalWallOn(wall, floor))
                continue;
            if (Near(x1, wall.x1, tolerance)) {
                if (Near(y1, wall.y1, tolerance)) {
                    x1 = wall.x1;
                    y1 = wall.y1;
                    break;
                }
                continue;
            }
            if (Near(x1, wall.x2, tolerance) && Near(y1, wall.y2, tolerance)) {
                x1 = wall.x2;
                y1 = wall.y2;
                break;
            }
        }

        // Distance to the nearest wall end ahead in the measuring direction.
        const int direction = measureDirection();
        if (direction < 1 || direction > 4) {
            libraryFlag = 0;
            return;
        }
        const std::int64_t distance = DistanceToWallEndAhead(objects, floor, direction, x1, y1, tolerance);
        libraryFlag = distance < 0 || distance >= NOTHING_MEASURED ? 0 : std::int32_t(distance);
        return;
    }

    if (code == SUB_COPY_FLOOR_BELOW) {
        TDrawingEdit edit(objects);
        if (CopyFloorBelow(edit) && edit.Changed())
            edit.Commit();
        return;
    }

    if (code == SUB_CENTRE_AND_AREA) {
        TDrawingEdit edit(objects);
        if (!CentreAndMeasureFloor(*this, edit)) {
            if (window)
                window->Message(CENTRING_REFUSED, CENTRING_REFUSED_TITLE);
            return;
        }
        // A floor without external walls is not moved, and its file is left unwritten.
        if (edit.Changed())
            edit.Commit();
    }
}

bool TExtwallobjtool::CopyFloorBelow(TDrawingEdit& edit)
{
    TList& objects = edit.Objects();
    const int floor = State().currentFloor;
    // The list grows while this runs; the copies lie on the current floor and are not copied.
    for (int i = 0; i < objects.count(); ++i) {
        const TObject& object = *objects[i];
        if (!IsExternalWallOn(object, floor - 1))
            continue;
        const auto* below = dynamic_cast<const TExtwallobj*>(&object);
        if (!below)
            continue;
        x1 = below->x1;
        x2 = below->x2;
        y1 = below->y1;
        y2 = below->y2;
        groupId = below->groupId;
        lineAux1 = below->angle;
        kind = KIND_EXTWALL;
        if (x2 > x1)
            objectIndex = 1;
        else if (x1 > x2)
            objectIndex = 3;
        else if (y1 > y2)
            objectIndex = 2;
        else
            objectIndex = 4;
        // Each copy snaps to and joins the copies already made, which the edit has put in the list.
        BuildWall(1);
        savedStep = floor;
        AddWall(edit, floor);
        if (const auto point = derived.Unstorable()) {
            // The floor is copied whole or not at all.
            edit.Drop();
            AcceptsPoint((*point)[0], (*point)[1]);  // tells the user
            return false;
        }
    }
    return true;
}

void TExtwallobjtool::Setup(int amount, int x, int y)
{
    if (step == STEP_ENLARGE_PLAN || step == STEP_SHRINK_PLAN) {
        // The resized plan is centred and written once; a refused resize changes nothing.
        TDrawingEdit edit(State().objects);
        resizeWritten = ResizeAndCentre(edit, amount, x, y) && edit.Commit();
    } else if (step >= STEP_FIRST_EDIT && step <= STEP_LAST_EDIT) {
        EditWall(amount, x, y);
    }
}
