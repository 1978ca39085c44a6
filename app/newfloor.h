#pragma once
// A new upper floor from the floor below: switching to the first or second floor while it has no
// external walls and the floor below has some asks whether to start it from that outline.
class TToolSite;

// Asks "Start this floor from the outline of the floor below?" (NEW FLOOR, Yes/No) when the floor
// in view (first or second) has no external walls and the floor below has some. Yes copies the
// walls of the floor below onto this floor with an external-wall tool (the wall type and storey
// heights of the current settings, joined at their corners), dimensions them and keeps the floor
// area in the floor's record, all as one change of the drawing, then repaints with the pick tool.
// True when the floor was started and written.
bool OfferOutlineOfFloorBelow(TToolSite& site);
