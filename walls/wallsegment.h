#pragma once
// The lines of existing walls that the internal-wall tool snaps to, trims against and measures to,
// and small angle helpers it shares between its files. Angles are tenths of a degree clockwise
// from +y.
#include "model/extwallobj.h"
#include "model/intwallobj.h"
#include "model/drawingedit.h"
#include "model/drawingstate.h"
#include "model/list.h"
#include "model/object.h"
#include "model/typecodes.h"

#include <cstdint>

// Radians per tenth of a degree, rounded: walls are built with this value, not pi / 1800.
constexpr double RADIANS_PER_TENTH = 0.001745;

constexpr bool IsOrthogonalAngle(int angle) { return angle == 0 || angle == 900 || angle == 1800 || angle == 2700; }
constexpr bool IsVerticalAngle(int angle) { return angle == 0 || angle == 1800; }

// An angle brought into 0..3599.
constexpr int NormalAngle(int angle) { return ((angle % 3600) + 3600) % 3600; }

struct TWallSegment {
    std::int32_t x1 = 0;
    std::int32_t y1 = 0;
    std::int32_t x2 = 0;
    std::int32_t y2 = 0;
    bool Horizontal() const { return y1 == y2; }
    bool Vertical() const { return x1 == x2; }
};

// The lines of one wall as the internal-wall tool sees them: an internal wall's reference line and
// second face, an external wall's innermost wall line (no face).
struct TWallLines {
    TWallSegment line;
    TWallSegment face;
    bool hasFace = false;
    bool internal = false;
    int angle = 0;  // the wall's stored angle, brought into 0..3599
};

inline TWallSegment ReferenceLine(const TObject& wall) { return {wall.x1, wall.y1, wall.x2, wall.y2}; }

inline TWallSegment SecondFace(const TIntwallobj& wall)
{
    return {wall.face2StartX, wall.face2StartY, wall.face2EndX, wall.face2EndY};
}

// Wall line 1 of a two-line external wall, line 3 of a cavity wall.
inline TWallSegment InnermostLine(const TExtwallobj& wall)
{
    const auto i = std::size_t(wall.InnerLine());
    return {wall.wallLines[i], wall.wallLines[i + 1], wall.wallLines[i + 2], wall.wallLines[i + 3]};
}

// The lines of an internal or external wall on the floor; false for anything else.
inline bool WallLinesOn(const TObject& object, int floorCode, TWallLines& lines)
{
    if (object.floor != floorCode)
        return false;
    if (object.typeCode == TYPE_INTWALL) {
        const auto* wall = dynamic_cast<const TIntwallobj*>(&object);
        if (!wall)
            return false;
        lines = {ReferenceLine(*wall), SecondFace(*wall), true, true, NormalAngle(wall->angle)};
        return true;
    }
    if (object.typeCode == TYPE_EXTWALL) {
        const auto* wall = dynamic_cast<const TExtwallobj*>(&object);
        if (!wall)
            return false;
        lines = {InnermostLine(*wall), {}, false, false, NormalAngle(wall->angle)};
        return true;
    }
    return false;
}

// The internal wall of the floor at an index of the list, or null.
inline const TIntwallobj* InternalWallOn(const TObject* object, int floorCode)
{
    if (!object || object->typeCode != TYPE_INTWALL || object->floor != floorCode)
        return nullptr;
    return dynamic_cast<const TIntwallobj*>(object);
}

// The internal wall of the current floor that a join index names, or null.
inline const TIntwallobj* JoinedWall(int index)
{
    const TDrawingState& state = State();
    if (index < 0 || index >= state.objects.count())
        return nullptr;
    return InternalWallOn(state.objects[index], state.currentFloor);
}

// A joined wall about to change in place: its extent before the change counts to the edit's area.
inline TIntwallobj& ChangeJoinedWall(TDrawingEdit& edit, int index)
{
    return static_cast<TIntwallobj&>(edit.Modify(index));
}
