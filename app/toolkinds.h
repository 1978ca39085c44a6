#pragma once
// The tool kinds and steps that the client and the drawing window tell apart, and the floors that
// are plan views.
#include "model/drawingstate.h"
#include "tools/drawingtool.h"

// Tool kinds beyond those the base tools know.
constexpr int KIND_MOVE = 14;
constexpr int KIND_COPY = 15;
constexpr int KIND_ERASE = 19;
constexpr int KIND_TYPED_TEXT = 24;

// The two steps of CENTRE.
inline bool IsCentreStep(int step)
{
    return step == STEP_CENTRE_FIRST || step == STEP_CENTRE_SECOND;
}

// The three steps of CENTRE CENTRE.
inline bool IsCentreCentreStep(int step)
{
    return step >= STEP_CENTRECENTRE_FIRST && step <= STEP_CENTRECENTRE_THIRD;
}

// The ground, first and second floor and the fourth level: the floors shown as plan views.
inline bool IsPlanFloor(int floorCode)
{
    return floorCode >= GROUND_FLOOR && floorCode <= FOURTH_LEVEL;
}
