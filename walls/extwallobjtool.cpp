#include "walls/extwallobjtool.h"

#include "model/drawingstate.h"
#include "model/extwallobj.h"
#include "model/list.h"
#include "model/settingsfile.h"
#include "model/settingsformats.h"
#include "model/typecodes.h"
#include "tools/floorarea.h"

#include <cstdint>
#include <memory>
#include <utility>

namespace {

// Snap tolerance of wall ends, in logical units.
constexpr int SNAP_LOGICAL = 3;

// Sub-command codes.
constexpr int SUB_SNAP_AND_MEASURE = 2;
constexpr int SUB_COPY_FLOOR_BELOW = 3;
constexpr int SUB_CENTRE_AND_AREA = 5;

// Steps of Setup.
constexpr int STEP_ENLARGE_PLAN = 8;
constexpr int STEP_SHRINK_PLAN = 9;
constexpr int STEP_FIRST_EDIT = 2;
constexpr int STEP_LAST_EDIT = 6;

// Largest measured distance; nothing found reads as 0.
constexpr std::int64_t NOTHING_MEASURED = NO_INDEX;

// p lies strictly within the tolerance of v.
bool Near(std::int64_t p, std::int64_t v, std::int64_t tolerance)
{
    return v - tolerance < p && p < v + tolerance;
}

bool IsExternalWallOnFloor(const TObject& object, int floor)
{
    return object.typeCode == TYPE_EXTWALL && object.floor == floor;
}

}  // namespace

void TExtwallobjtool::CreateObject(Canvas&, const TRect&)
{
    // Which way the user entered the segment, to tell afterwards whether the builder exchanged the
    // ends (orientation of a free wall, or a start snapped onto another wall's start).
    const std::int64_t typedX = std::int64_t(x2) - x1;
    const std::int64_t typedY = std::int64_t(y2) - y1;

    BuildWall(1);
    penWidth = 1;
    penStyle = 0;
    if (StoreWall(State().currentFloor))
        lineDrawn = 1;

    // The next typed wall starts where the user got to: after an exchange that point is the stored
    // start, so the tool's ends are put back in the order the user gave them.
    const std::int64_t builtX = std::int64_t(x2) - x1;
    const std::int64_t builtY = std::int64_t(y2) - y1;
    if (typedX * builtX + typedY * builtY < 0) {
        std::swap(x1, x2);
        std::swap(y1, y2);
    }
}

void TExtwallobjtool::CommitWall()
{
    StoreWall(savedStep);
}

bool TExtwallobjtool::StoreWall(int floorCode)
{
    penWidth = 1;
    penStyle = 0;
    // A zero coordinate stands for an unset point.
    if (x1 == 0 || y1 == 0 || (x1 == x2 && y1 == y2))
        return false;

    auto wall = std::make_unique<TExtwallobj>(kind);
    wall->floor = floorCode;
    wall->ownerId = ownerId;
    wall->groupId = groupId;
    wall->typeCode = kind;
    wall->penWidth = 1;
    wall->penStyle = 0;
    wall->x1 = x1;
    wall->z1 = z1;
    wall->x2 = x2;
    wall->z2 = z2;
    wall->y1 = y1;
    wall->y2 = y2;
    wall->colour = std::int32_t(colour);
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

    TDrawingState& state = State();
    state.drawingState = 2;
    state.objects.Add(std::move(wall));
    state.objects.WriteDrawing();
    return true;
}

void TExtwallobjtool::BuildWall(int snap)
{
    TDrawingState& state = State();
    ReadWallColours();
    ownerId = ++state.groupIdCounter;

    int startJoin = NO_INDEX;
    int endJoin = NO_INDEX;
    if (snap > 0) {
        SnapEnds(startJoin, endJoin);
        NormaliseJoins(startJoin, endJoin);
        if (startJoin == NO_INDEX && endJoin == NO_INDEX)
            OrientFreeWall();
    }

    std::int32_t h[4] = {0, 0, 0, 0};
    if (ReadWallSettings(h)) {
        // The storey's bottom and top level; the base level is kept on every floor.
        switch (state.currentFloor) {
        case GROUND_FLOOR:
            z1 = h[0];
            z2 = h[0] + h[1];
            break;
        case FIRST_FLOOR:
            z1 = h[0] + h[1];
            z2 = z1 + h[2];
            break;
        case SECOND_FLOOR:
            z1 = h[0] + h[1] + h[2];
            z2 = z1 + h[3];
            break;
        default:
            break;
        }
    }

    joinInfo = {0, 0, 0, 0};
    savedStep = state.currentFloor;
    ComputeLines(startJoin, endJoin);
}

void TExtwallobjtool::ReadWallColours()
{
    const SettingsRecord colours("WLCLR.CFG", WLCLR_CFG_FORMAT);
    wallColour1 = colours.Int(0);
    wallColour2 = colours.Int(1);
}

bool TExtwallobjtool::ReadWallSettings(std::int32_t heights[4])
{
    const int units = State().unitSystem;
    if (units != 0 && units != 1)
        return false;
    const SettingsRecord settings(units == 1 ? "EXTWALLM.CFG" : "EXTWALLI.CFG", EXTWALL_CFG_FORMAT);
    spacing1 = settings.Int(0);
    spacing2 = settings.Int(1);
    spacing3 = settings.Int(2);
    for (int i = 0; i < 4; ++i)
        heights[i] = settings.Int(std::size_t(3 + i));
    wallAux1 = settings.Int(7);
    wallAux2 = settings.Int(8);
    colour = TColor(settings.Int(9));
    return true;
}

void TExtwallobjtool::SnapEnds(int& startJoin, int& endJoin)
{
    const TDrawingState& state = State();
    const std::int64_t tolerance = std::int64_t(SNAP_LOGICAL) * state.unitsPerLogical;
    const TList& objects = state.objects;
    int hits = 0;
    for (int i = 0; i < objects.count(); ++i) {
        const TObject& wall = *objects[i];
        if (!IsExternalWallOnFloor(wall, state.currentFloor))
            continue;
        auto near = [&](std::int32_t px, std::int32_t py, std::int32_t vx, std::int32_t vy) {
            return Near(px, vx, tolerance) && Near(py, vy, tolerance);
        };
        // The first test that holds moves the whole wall onto that end of the other wall.
        std::int32_t moveX = 0, moveY = 0;
        if (near(x1, y1, wall.x1, wall.y1)) {
            moveX = wall.x1 - x1;
            moveY = wall.y1 - y1;
        } else if (near(x1, y1, wall.x2, wall.y2)) {
            moveX = wall.x2 - x1;
            moveY = wall.y2 - y1;
        } else if (near(x2, y2, wall.x1, wall.y1)) {
            moveX = wall.x1 - x2;
            moveY = wall.y1 - y2;
        } else if (near(x2, y2, wall.x2, wall.y2)) {
            moveX = wall.x2 - x2;
            moveY = wall.y2 - y2;
        } else {
            continue;
        }
        x1 += moveX;
        x2 += moveX;
        y1 += moveY;
        y2 += moveY;
        ++hits;
        if (hits == 2)
            endJoin = i;
        else
            startJoin = i;
    }
}

void TExtwallobjtool::ReverseWall()
{
    std::swap(x1, x2);
    std::swap(y1, y2);
    lineAux1 = lineAux1 <= 1799 ? lineAux1 + 1800 : lineAux1 - 1800;
}

void TExtwallobjtool::NormaliseJoins(int& startJoin, int& endJoin)
{
    auto startsAt = [](int index, std::int32_t x, std::int32_t y) {
        const TExtwallobj* wall = ExternalWallAt(index);
        return wall && wall->x1 == x && wall->y1 == y;
    };
    auto endsAt = [](int index, std::int32_t x, std::int32_t y) {
        const TExtwallobj* wall = ExternalWallAt(index);
        return wall && wall->x2 == x && wall->y2 == y;
    };

    if (startJoin != NO_INDEX && endJoin == NO_INDEX) {
        // A start snapped onto another wall's start: the new wall runs the other way and ends there.
        if (startsAt(startJoin, x1, y1)) {
            ReverseWall();
            endJoin = startJoin;
            startJoin = NO_INDEX;
        }
    } else if (startJoin != NO_INDEX && endJoin != NO_INDEX) {
        if (endsAt(endJoin, x1, y1)) {
            std::swap(startJoin, endJoin);
        } else if (startsAt(endJoin, x1, y1)) {
            ReverseWall();
        }
    }

    // The joins are right when the start wall ends at the new wall's start and the end wall starts
    // at its end.
    auto fits = [&](int s, int e) {
        return (s == NO_INDEX || endsAt(s, x1, y1)) && (e == NO_INDEX || startsAt(e, x2, y2));
    };
    if (fits(startJoin, endJoin))
        return;

    // Other combinations of snapped ends: take the direction in which more of the snapped walls
    // meet the new wall end to start, and keep only the joins that do.
    const int snapped[2] = {startJoin, endJoin};
    auto assign = [&](std::int32_t ax, std::int32_t ay, std::int32_t bx, std::int32_t by, int& s, int& e) {
        s = NO_INDEX;
        e = NO_INDEX;
        int matched = 0;
        for (int index : snapped) {
            if (index == NO_INDEX)
                continue;
            if (s == NO_INDEX && endsAt(index, ax, ay)) {
                s = index;
                ++matched;
            } else if (e == NO_INDEX && startsAt(index, bx, by)) {
                e = index;
                ++matched;
            }
        }
        return matched;
    };
    int keptStart = NO_INDEX, keptEnd = NO_INDEX, reversedStart = NO_INDEX, reversedEnd = NO_INDEX;
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
    // The direction code chosen for the side of the wall lines wins over the order of the points.
    switch (objectIndex) {
    case 1:
        if (x1 > x2) {
            std::swap(x1, x2);
            std::swap(y1, y2);
            lineAux1 = 900;
        }
        break;
    case 2:
        if (y2 > y1) {
            std::swap(x1, x2);
            std::swap(y1, y2);
            lineAux1 = 1800;
        }
        break;
    case 3:
        if (x2 > x1) {
            std::swap(x1, x2);
            std::swap(y1, y2);
            lineAux1 = 2700;
        }
        break;
    case 4:
        if (y1 > y2) {
            std::swap(x1, x2);
            std::swap(y1, y2);
            lineAux1 = 0;
        }
        break;
    default:
        break;
    }
}

void TExtwallobjtool::SubCommand(int code)
{
    TDrawingState& state = State();
    TList& objects = state.objects;
    const int floor = state.currentFloor;

    if (code == SUB_SNAP_AND_MEASURE) {
        const std::int64_t tolerance = std::int64_t(SNAP_LOGICAL) * state.unitsPerLogical;
        // Snap the point onto a wall end; a wall whose start is near in x only is passed over.
        for (int i = 0; i < objects.count(); ++i) {
            const TObject& wall = *objects[i];
            if (!IsExternalWallOnFloor(wall, floor))
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
        std::int64_t best = NOTHING_MEASURED;
        for (int i = 0; i < objects.count(); ++i) {
            const TObject& wall = *objects[i];
            if (!IsExternalWallOnFloor(wall, floor))
                continue;
            std::int64_t candidate = -1;
            switch (direction) {
            case 1: {  // +y: the lower end
                const bool end = wall.y2 < wall.y1;
                const std::int64_t ex = end ? wall.x2 : wall.x1, ey = end ? wall.y2 : wall.y1;
                if (ey > y1 && Near(x1, ex, tolerance))
                    candidate = ey - y1;
                break;
            }
            case 2: {  // +x: the left end
                const bool end = wall.x2 < wall.x1;
                const std::int64_t ex = end ? wall.x2 : wall.x1, ey = end ? wall.y2 : wall.y1;
                if (ex > x1 && Near(y1, ey, tolerance))
                    candidate = ex - x1;
                break;
            }
            case 3: {  // -y: the upper end
                const bool end = wall.y2 > wall.y1;
                const std::int64_t ex = end ? wall.x2 : wall.x1, ey = end ? wall.y2 : wall.y1;
                if (ey < y1 && Near(x1, ex, tolerance))
                    candidate = y1 - ey;
                break;
            }
            default: {  // -x: the right end
                const bool end = wall.x2 > wall.x1;
                const std::int64_t ex = end ? wall.x2 : wall.x1, ey = end ? wall.y2 : wall.y1;
                if (ex < x1 && Near(y1, ey, tolerance))
                    candidate = x1 - ex;
                break;
            }
            }
            if (candidate >= 0 && candidate < best)
                best = candidate;
        }
        libraryFlag = best == NOTHING_MEASURED ? 0 : std::int32_t(best);
        return;
    }

    if (code == SUB_COPY_FLOOR_BELOW) {
        // The list grows while this runs; the copies lie on the current floor and are not copied.
        for (int i = 0; i < objects.count(); ++i) {
            const TObject& object = *objects[i];
            if (object.floor != floor - 1 || object.typeCode != TYPE_EXTWALL)
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
            BuildWall(1);
            savedStep = floor;
            CommitWall();
        }
        return;
    }

    if (code == SUB_CENTRE_AND_AREA) {
        if (floor == GROUND_FLOOR)
            CentreFloorplan(*this);
        ComputeFloorArea(*this);
    }
}

void TExtwallobjtool::Setup(int amount, int x, int y)
{
    if (step == STEP_ENLARGE_PLAN || step == STEP_SHRINK_PLAN) {
        active = 0;
        lineDrawn = 0;
        kind = KIND_EXTWALL;
        ResizeFloorPlan(amount, x, y);
        CentreFloorplan(*this);
    } else if (step >= STEP_FIRST_EDIT && step <= STEP_LAST_EDIT) {
        EditWall(amount, x, y);
    }
}

// The wall edits and the plan resize are not part of this tool yet: until they are, these steps
// leave the drawing as it is.
void TExtwallobjtool::EditWall(int, int, int) {}
void TExtwallobjtool::ResizeFloorPlan(int, int, int) {}
