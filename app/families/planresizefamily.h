#pragma once
// The plan-resize family: Walls & Base/Floorplan Base/Expand Floorplan and Shrink Floorplan. An
// arrow key chooses the side and puts up a guide line across the plan that follows the cursor;
// ENTER takes the cursor as the cut point and asks the distance (a shrink proposes the free space
// to the design rooms; Cancel waits for another ENTER); the plan is then resized and centred, its
// area and dimensions renewed, its title remade, and the pick tool follows.
#include "app/commandtable.h"

class TToolFamily;

const TToolFamily& PlanResizeFamily();
TFamilyRows PlanResizeFamilyRows();
