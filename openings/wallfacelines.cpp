// The window tool's hit test for angled external walls and the wall-face lines of a single
// external door.
#include "model/drawingedit.h"
#include "model/drawingstate.h"
#include "model/extwallobj.h"
#include "model/list.h"
#include "openings/wallsteps.h"
#include "openings/windowobjtool.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace {

// Tenths of a degree per radian.
constexpr double TENTHS_PER_RADIAN = 572.9578;

bool Between(std::int64_t a, std::int64_t value, std::int64_t b)
{
    return std::min(a, b) <= value && value <= std::max(a, b);
}

}  // namespace

void TWindowobjtool::FindAngledWall()
{
    const TDrawingState& state = State();
    markedSide = 0;
    const TExtwallobj* hit = nullptr;
    for (int index = 0; index < state.objects.count(); ++index) {
        const auto* wall = dynamic_cast<const TExtwallobj*>(state.objects[index]);
        if (!wall || !IsExternalWallOn(*wall, state.currentFloor) || wall->angle <= 0 || wall->angle % 900 == 0)
            continue;
        if (wall->x1 != wall->x2 && Between(wall->x1, pointX, wall->x2) && Between(wall->y1, pointY, wall->y2)) {
            markedSide = wall->angle;
            markedWall = index;
            wallMarked = true;
            hit = wall;
            break;
        }
    }
    if (!hit)
        return;

    // Project the marked point onto the wall's reference line: its distance along the wall from the
    // start is the distance to the start times the cosine of the angle between the bearing of the
    // point and the wall's own direction.
    const TQuadrant q = QuadrantOf(hit->angle);
    const bool oddQuadrant = q.quadrant == 1 || q.quadrant == 3;
    double dx = double(std::llabs(std::int64_t(pointX) - hit->x1));
    double dy = double(std::llabs(std::int64_t(pointY) - hit->y1));
    if (dx == 0)
        dx = 1;
    if (dy == 0)
        dy = 1;
    const int t = int(std::atan(oddQuadrant ? dy / dx : dx / dy) * TENTHS_PER_RADIAN);
    const int bearing = 900 - t;
    if (bearing == q.reduced)
        return;
    const double d = std::cos((bearing - q.reduced) * RADIANS_PER_TENTH) * std::sqrt(dx * dx + dy * dy);
    const double b = q.reduced * RADIANS_PER_TENTH;
    const std::int64_t along1 = wallsteps::Round(d * (oddQuadrant ? std::sin(b) : std::cos(b)));
    const std::int64_t along2 = wallsteps::Round(d * (oddQuadrant ? std::cos(b) : std::sin(b)));
    const std::int64_t x = hit->x1;
    const std::int64_t y = hit->y1;
    switch (q.quadrant) {
    case 1:
        derived.Put(pointX, pointY, x + along1, y + along2);
        break;
    case 2:
        derived.Put(pointX, pointY, x + along1, y - along2);
        break;
    case 3:
        derived.Put(pointX, pointY, x - along1, y - along2);
        break;
    default:
        derived.Put(pointX, pointY, x - along1, y + along2);
        break;
    }
}

void TWindowobjtool::DrawWallFaceLines(TDrawingEdit& edit, Canvas& dc, const TRect& clientRect)
{
    kind = KIND_OPENING_LINE;
    penStyle = 0;
    penWidth = 1;
    colour = State().currentColour;
    const std::int64_t x = pointX;
    const std::int64_t y = pointY;
    const std::int64_t t = libraryFlag;
    const std::int64_t w = openingWidth;
    const int code = objectIndex;

    // The first line closes the wall faces at the hinge, the second the door width along the wall.
    std::int64_t endX = x, endY = y;
    std::int64_t shiftX = 0, shiftY = 0;
    switch (markedSide) {
    case FACE_PLUS_X:
    case FACE_MINUS_X:
        endY = markedSide == FACE_PLUS_X ? y - t : y + t;
        shiftX = code == 5 || code == 6 ? w : code == 7 || code == 8 ? -w : 0;
        break;
    case FACE_MINUS_Y:
    case FACE_PLUS_Y:
        endX = markedSide == FACE_MINUS_Y ? x - t : x + t;
        shiftY = code == 1 || code == 3 ? -w : code == 2 || code == 4 ? w : 0;
        break;
    default: return;  // angled walls get their jamb lines with the leaf
    }
    auto line = [&](std::int64_t dx, std::int64_t dy) {
        derived.Put(x1, y1, x + dx, y + dy);
        derived.Put(x2, y2, endX + dx, endY + dy);
        AddLine(edit, dc, clientRect);
    };
    line(0, 0);
    line(shiftX, shiftY);
}
