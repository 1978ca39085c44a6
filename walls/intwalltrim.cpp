// Where a new internal wall's ends meet existing walls (its trim against them), and what Setup does
// before an arrow key: snapping the start onto a wall line and measuring the distance to the next
// wall ahead.
#include "walls/intwallobjtool.h"

#include "model/drawingstate.h"
#include "model/list.h"
#include "model/modelunits.h"
#include "walls/wallsegment.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace {

// Tolerance of the start snap, model units.
constexpr std::int64_t START_SNAP = 30;
// A measured distance from this on is not proposed.
constexpr std::int64_t LONGEST_PROPOSAL = 34001;

// p lies strictly between the ends of [a, b] widened by t.
bool Within(std::int64_t p, std::int64_t a, std::int64_t b, std::int64_t t)
{
    return std::min(a, b) - t < p && p < std::max(a, b) + t;
}

bool Near(std::int64_t p, std::int64_t v, std::int64_t t) { return v - t < p && p < v + t; }

enum class LineKind { Horizontal, Vertical, Sloped };

LineKind KindOf(const TWallSegment& line)
{
    return line.Horizontal() ? LineKind::Horizontal : line.Vertical() ? LineKind::Vertical : LineKind::Sloped;
}

// The point lies on the segment within t: for an axis-parallel wall within its extent along it and
// near its start across it; for a sloped one within both extents and closer than t to its line.
bool LiesOn(const TWallSegment& segment, LineKind kind, std::int64_t px, std::int64_t py, std::int64_t t)
{
    switch (kind) {
    case LineKind::Horizontal:
        return Within(px, segment.x1, segment.x2, t) && Near(py, segment.y1, t);
    case LineKind::Vertical:
        return Within(py, segment.y1, segment.y2, t) && Near(px, segment.x1, t);
    case LineKind::Sloped:
        break;
    }
    if (!Within(px, segment.x1, segment.x2, t) || !Within(py, segment.y1, segment.y2, t))
        return false;
    const double dx = double(segment.x2) - segment.x1;
    const double dy = double(segment.y2) - segment.y1;
    const double length = std::hypot(dx, dy);
    if (length == 0.0)
        return false;
    const double across = std::fabs(dx * (double(py) - segment.y1) - dy * (double(px) - segment.x1)) / length;
    return across < double(t);
}

// Where a segment crosses the line through the start along a measuring direction (alongY: the
// vertical line x = px, else the horizontal line y = py); false when it does not cross strictly
// between its ends. The crossing is the segment's start moved by the rounded slope.
bool Crossing(const TWallSegment& segment, bool alongY, std::int64_t px, std::int64_t py, std::int64_t& at)
{
    const std::int64_t a1 = alongY ? segment.x1 : segment.y1;  // across the direction
    const std::int64_t a2 = alongY ? segment.x2 : segment.y2;
    const std::int64_t b1 = alongY ? segment.y1 : segment.x1;  // along it
    const std::int64_t b2 = alongY ? segment.y2 : segment.x2;
    const std::int64_t p = alongY ? px : py;
    if (!(std::min(a1, a2) < p && p < std::max(a1, a2)))
        return false;
    if (b1 == b2) {
        at = b1;
        return true;
    }
    const double k = double(std::llabs(p - a1)) * double(std::llabs(b2 - b1)) / double(std::llabs(a2 - a1));
    const std::int64_t step = RoundToInt(nullptr, k);
    at = b2 > b1 ? b1 + step : b1 - step;
    return true;
}

}  // namespace

void TIntwallobjtool::TrimEnds()
{
    const TDrawingState& state = State();
    const TList& objects = state.objects;
    const std::int64_t t = 3LL * state.unitsPerLogical;

    // The piece the run came from ends where this one starts: the new wall does not run into it.
    int skip = -1;
    if (const TIntwallobj* last = LastWall()) {
        const std::int32_t startX = wallReversed ? x2 : x1;
        const std::int32_t startY = wallReversed ? y2 : y1;
        const std::int32_t endX = lastWallReversed ? last->x1 : last->x2;
        const std::int32_t endY = lastWallReversed ? last->y1 : last->y2;
        if (endX == startX && endY == startY)
            skip = lastWallIndex;
    }

    int startHit = -1;
    int endHit = -1;
    for (int i = 0; i < objects.count(); ++i) {
        TWallLines lines;
        if (i == skip || !WallLinesOn(*objects[i], state.currentFloor, lines))
            continue;
        const LineKind kind = KindOf(lines.line);
        auto on = [&](std::int64_t px, std::int64_t py) {
            return LiesOn(lines.line, kind, px, py, t) || (lines.hasFace && LiesOn(lines.face, kind, px, py, t));
        };
        // The start is tested first; a wall holds at most one of the two ends.
        if (on(x1, y1)) {
            startHit = i;
            if (lines.internal)
                step = step == STEP_INTWALL_END_ABUTS || step == STEP_INTWALL_BOTH_ABUT ? STEP_INTWALL_BOTH_ABUT
                                                                                         : STEP_INTWALL_START_ABUTS;
        } else if (on(x2, y2)) {
            endHit = i;
            outcome = TIntwallOutcome::MetWall;
            if (lines.internal)
                step = step == STEP_INTWALL_START_ABUTS || step == STEP_INTWALL_BOTH_ABUT ? STEP_INTWALL_BOTH_ABUT
                                                                                          : STEP_INTWALL_END_ABUTS;
        }
    }

    // Where a sloped wall takes part the face's end is carried onto the met wall's line.
    const bool sloped = !IsOrthogonalAngle(NormalAngle(lineAux1));
    auto slopedMeeting = [&](int index) {
        TWallLines lines;
        return WallLinesOn(*objects[index], state.currentFloor, lines) && (sloped || !IsOrthogonalAngle(lines.angle));
    };
    // An end whose corner a joined wall has shaped keeps it.
    if (startHit >= 0 && startHit != startShapedBy && slopedMeeting(startHit))
        MeetPoint(startHit, 1);
    if (endHit >= 0 && endHit != endShapedBy && slopedMeeting(endHit))
        MeetPoint(endHit, 2);
}

void TIntwallobjtool::MeetPoint(int index, int end)
{
    const TDrawingState& state = State();
    if (index < 0 || index >= state.objects.count())
        return;
    TWallLines lines;
    if (!WallLinesOn(*state.objects[index], state.currentFloor, lines))
        return;
    const double ex = end == 1 ? x1 : x2;
    const double ey = end == 1 ? y1 : y2;
    const double fx = end == 1 ? face2StartX : face2EndX;
    const double fy = end == 1 ? face2StartY : face2EndY;
    if (fx == ex && fy == ey)
        return;

    // The face end lies width / sin(angle between the walls) along the met wall from the wall's
    // end; parallel walls keep their square end.
    const int d = std::abs(lines.angle - NormalAngle(lineAux1));
    const int between = d < 900 ? d : d < 1800 ? 1800 - d : d < 2700 ? d - 1800 : 3600 - d;
    const double sine = std::sin(between * RADIANS_PER_TENTH);
    const double ux = double(lines.line.x2) - lines.line.x1;
    const double uy = double(lines.line.y2) - lines.line.y1;
    const double nx = double(x2) - x1;
    const double ny = double(y2) - y1;
    const double cross = ux * ny - uy * nx;
    const double length = std::hypot(ux, uy);
    if (sine <= 0.0 || length == 0.0 || std::fabs(cross) <= 1e-9 * length * std::hypot(nx, ny))
        return;
    // Which way along the met wall: where the face's own line crosses the line through the end.
    const double along = ((fx - ex) * ny - (fy - ey) * nx) / cross;
    const double distance = (along < 0.0 ? -1.0 : 1.0) * wallWidth / sine;
    SetFacePoint(end, std::int64_t(ex) + TruncToInt32(distance * ux / length),
                 std::int64_t(ey) + TruncToInt32(distance * uy / length));
}

void TIntwallobjtool::SnapStart()
{
    const TDrawingState& state = State();
    const TList& objects = state.objects;
    // Moves the start across an axis-parallel line it lies close to; true when it did.
    auto snapTo = [this](const TWallSegment& line) {
        if (line.Horizontal() && Within(x1, line.x1, line.x2, START_SNAP) && Near(y1, line.y1, START_SNAP)) {
            y1 = line.y1;
            return true;
        }
        if (line.Vertical() && !line.Horizontal() && Within(y1, line.y1, line.y2, START_SNAP) &&
            Near(x1, line.x1, START_SNAP)) {
            x1 = line.x1;
            return true;
        }
        return false;
    };
    for (int i = 0; i < objects.count(); ++i) {
        const TObject& object = *objects[i];
        if (object.floor != state.currentFloor)
            continue;
        if (const auto* wall = InternalWallOn(&object, state.currentFloor)) {
            const TWallSegment line = ReferenceLine(*wall);
            if (!line.Horizontal() && !line.Vertical())
                continue;
            // The face is tested as lying the same way as the reference line.
            TWallSegment face = SecondFace(*wall);
            if (line.Horizontal())
                face.y2 = face.y1;
            else
                face.x2 = face.x1;
            if (snapTo(line) || snapTo(face))
                return;
        } else if (object.typeCode == TYPE_EXTWALL) {
            const auto* external = dynamic_cast<const TExtwallobj*>(&object);
            if (external && (snapTo(ReferenceLine(*external)) || snapTo(InnermostLine(*external))))
                return;
        }
    }
}

void TIntwallobjtool::MeasureAhead(int direction)
{
    const TDrawingState& state = State();
    const TList& objects = state.objects;
    const std::int64_t m = 2LL * state.unitsPerLogical;
    const std::int64_t px = x1;
    const std::int64_t py = y1;
    const bool alongY = direction == 1 || direction == 3;
    const bool ahead = direction == 1 || direction == 2;  // towards larger coordinates
    const std::int64_t from = alongY ? py : px;

    // The nearest wall line ahead, beyond two logical units; the bounds keep the measured range.
    std::int64_t best = ahead ? 300000 : 0;
    bool found = false;
    auto consider = [&](const TWallSegment& segment) {
        std::int64_t at = 0;
        if (!Crossing(segment, alongY, px, py, at))
            return;
        if (ahead ? (from + m < at && at < best) : (from - m > at && at > best)) {
            best = at;
            found = true;
        }
    };
    for (int i = 0; i < objects.count(); ++i) {
        TWallLines lines;
        if (!WallLinesOn(*objects[i], state.currentFloor, lines))
            continue;
        consider(lines.line);
        if (lines.hasFace)
            consider(lines.face);
    }

    // Down or left with no wall ahead measures to the coordinate 0: the start's own y or x is
    // proposed. Up or right with none proposes nothing.
    const std::int64_t distance = ahead ? best - from : from - best;
    const bool measured = found || !ahead;
    libraryFlag = measured && distance > 0 && distance < LONGEST_PROPOSAL ? std::int32_t(distance) : 0;
}
