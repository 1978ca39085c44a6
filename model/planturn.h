#pragma once
// The arithmetic of turning or mirroring a whole drawing about the sheet centre, and of finding an
// object under a point, shared by the object classes. A rotation is 90, 180 or 270 (clockwise, y
// upwards) or 1 (mirrored left to right).
#include "platform/geometry.h"

#include <array>
#include <cstdint>

constexpr int MIRROR_LEFT_RIGHT = 1;

// True for the rotations TurnPoint and TurnAngle know.
constexpr bool IsPlanTurn(int rotation)
{
    return rotation == MIRROR_LEFT_RIGHT || rotation == 90 || rotation == 180 || rotation == 270;
}

// Turns a plan point about the centre; a result beyond the int32 range is held at its end.
void TurnPoint(int32_t& x, int32_t& y, int rotation, TPoint centre);
// True when TurnPoint takes the point exactly where it belongs: the turned point and its offset
// from the centre (what a drawing file written about that centre stores) both lie in the range.
bool TurnsExactly(int32_t x, int32_t y, int rotation, TPoint centre);
// Turns an angle in tenths of a degree (or mirrors it), brought into 0..3599 whatever it was.
int32_t TurnAngle(int32_t angle, int rotation);

// Distance from a point to a segment, model units.
double DistanceToSegment(double px, double py, double ax, double ay, double bx, double by);
// Distance from a point to the outline a-b-c-d (edges in that order), 0 inside it: a wall's outline
// is its reference line one way and its last line the other.
double DistanceToOutline(double px, double py, const std::array<TPoint, 4>& corners);
