#pragma once
// Every tool kind and step number the program tells apart, in one place. A kind is the tool's
// input mode (and the type code of the objects it makes, where it makes one kind); a step is the
// sub-operation of a tool. Code compares kinds and steps by these names only.

// Tool kinds.
constexpr int KIND_NONE = 0;
constexpr int KIND_LINE = 1;
constexpr int KIND_ARC = 3;
constexpr int KIND_TEXT = 4;              // text placed through the "Text" input box
constexpr int KIND_ELLIPSE = 5;
constexpr int KIND_CIRCLE = 6;
constexpr int KIND_RECTANGLE = 7;
constexpr int KIND_RNDRECT = 8;
constexpr int KIND_MOVE = 14;             // move or rotate the selection; paste; zoom rectangle
constexpr int KIND_COPY = 15;
constexpr int KIND_ERASE = 19;
constexpr int KIND_TYPED_TEXT_DONE = 20;  // typed text finished with a double Enter
constexpr int KIND_PICK = 21;
constexpr int KIND_OPENING_LINE = 11;   // the lines the door and opening builders commit
constexpr int KIND_KEEPS_LINE_DRAWN = 51;  // a line kind whose commit leaves lineDrawn as it is
constexpr int KIND_PICKED_LINE = 22;
constexpr int KIND_DIMENSIONED = 31;      // a tool that has just run the automatic dimensions
constexpr int KIND_TYPED_TEXT = 24;
constexpr int KIND_CHANGE_TEXT = 25;
constexpr int KIND_WALL_EDIT = 999;       // lengthen, shorten, delete, split, change type
constexpr int KIND_EXTWALL = 1000;
constexpr int KIND_PLAN_RESIZE = 1100;    // enlarge or shrink the floor plan
constexpr int KIND_FIXED_ROOM = 71;      // a room closed with internal walls where a click finds one

constexpr int KIND_STAIRS = 57;
// The internal-door tool: built as KIND_DOOR_TOOL, its dialog gives it one of the four working
// kinds. The kind rows build a door tool for each working kind, the sliding door's among them.
constexpr int KIND_DOOR_HINGED = 60;
constexpr int KIND_DOOR_DOUBLE = 62;
constexpr int KIND_WALL_OPENING = 64;
constexpr int KIND_DOOR_SLIDING = 65;
constexpr int KIND_DOOR_TOOL = 3000;
constexpr int KIND_WINDOW = 2000;
constexpr int KIND_INTWALL = 1500;        // internal walls
// Delete internal walls (ENTER on a wall). The same number as the sliding door: the internal-wall
// family knows its delete tool by its class, and no kind row builds it.
constexpr int KIND_INTWALL_DELETE = 65;
constexpr int KIND_DESIGN_ROOM = 29000;   // design rooms

// Kinds whose tools show a symbol preview while CENTRE is used (41 has no tool of its own), and
// kinds that keep their preview in the second CENTRE step (none of them has a tool of its own).
constexpr int KINDS_WITH_SYMBOL_PREVIEW[] = {41, KIND_DOOR_HINGED, KIND_DOOR_DOUBLE, KIND_WALL_OPENING, KIND_WINDOW};
constexpr int KINDS_KEEPING_CENTRE_PREVIEW[] = {72, 73, 80, 81, 83, 93};

// Steps every tool family shares.
constexpr int STEP_READY = 0;
constexpr int STEP_CENTRE_FIRST = 30;
constexpr int STEP_CENTRE_SECOND = 31;
constexpr int STEP_CENTRECENTRE_FIRST = 35;
constexpr int STEP_CENTRECENTRE_SECOND = 36;
constexpr int STEP_CENTRECENTRE_THIRD = 37;

// Line family.
constexpr int STEP_DIMENSION_FIRST = 20;   // manual dimension: Enter marks the first point
constexpr int STEP_DIMENSION_SECOND = 21;  // Enter marks the second point, then the measurement
constexpr int STEP_DIMENSION_TEXT = 22;    // the value text is placed
constexpr int STEP_MULTILINE_START = 40;
constexpr int STEP_MULTILINE_FIRST = 41;
constexpr int STEP_MULTILINE_LAST = 42;
constexpr int STEP_LINETEXT_READY = 50;
constexpr int STEP_LINETEXT_DRAWING = 51;

// Selection tools (move, copy, erase).
constexpr int STEP_SELECTION_MADE = 2;     // the selection is made; a click sets the reference point
constexpr int STEP_SELECTION_MOVING = 3;   // reference point set: clicks and keys move and turn
constexpr int STEP_SELECTION_DRAG = 5;     // dragging the selection rectangle
constexpr int STEP_ERASE_DONE = 9;         // the erase tool has removed its selection
constexpr int STEP_ZOOM_START = 10;        // Zoom UP: the next press starts the zoom rectangle
constexpr int STEP_ZOOM_DRAG = 15;         // dragging the zoom rectangle
// The copy tool's libraryFlag when Libraries/ADD to a library started it: the selection becomes a
// library entry, not the paste buffer.
constexpr int COPY_FOR_LIBRARY = 1;

// External-wall tool: the edits of an existing wall and the plan resize. The edit commands (kind
// KIND_WALL_EDIT) carry the edit in these steps until the object is picked; the line tool takes
// the first two for a picked line.
constexpr int STEP_WALL_LENGTHEN = 2;
constexpr int STEP_WALL_SHORTEN = 3;
constexpr int STEP_WALL_DELETE = 4;
constexpr int STEP_WALL_SPLIT = 5;
constexpr int STEP_WALL_CHANGE_TYPE = 6;
constexpr int STEP_PLAN_ENLARGE = 8;
constexpr int STEP_PLAN_SHRINK = 9;

constexpr bool IsWallEditStep(int step) { return step >= STEP_WALL_LENGTHEN && step <= STEP_WALL_CHANGE_TYPE; }

// What a refused edit of a wall or line leaves in the tool's `active` word; nothing was changed.
constexpr int EDIT_REFUSED_SLOPED = 1001;      // a sloped wall cannot be lengthened, shortened or split
constexpr int EDIT_REFUSED_DISTANCE = 1002;    // a distance outside 1..32766, or an end off the model range
constexpr int EDIT_REFUSED_TOO_SHORT = 1003;   // a shortening that would leave less than 1
constexpr int EDIT_REFUSED_SPLIT_POINT = 1004; // a split point not strictly between the wall's ends
constexpr int EDIT_REFUSED_SPLIT_ZERO = 1005;  // the split would start a wall on a zero coordinate

// The edit distances typed for a lengthen or shorten, model units.
constexpr int MIN_EDIT_DISTANCE = 1;
constexpr int MAX_EDIT_DISTANCE = 32766;

// Internal-wall tool: where the wall just built abuts an internal wall (set by the geometry, laid
// across with an end cap and put back to STEP_READY by the key that built it), and the finishing
// of the floor's design rooms.
constexpr int STEP_INTWALL_START_ABUTS = 1000;
constexpr int STEP_INTWALL_END_ABUTS = 2000;
constexpr int STEP_INTWALL_BOTH_ABUT = 3000;
constexpr int STEP_FINISH_DESIGN_ROOMS = 1500;

// Design-room tool. Steps 0..4 select and drag a room; a drag taken away from the room's centre is
// aligned to its neighbours on release, one taken near the centre is not. Expand, Shrink and the
// typed move pick a room and take one arrow key with a typed distance; the fine move takes any
// number of arrow keys. A click at the maximum-size step measures the free space there.
constexpr int STEP_DROOM_LAST_SELECT = 4;
constexpr int STEP_DROOM_DRAG_ALIGNED = 5;
constexpr int STEP_DROOM_DRAG_FREE = 6;
constexpr int STEP_DROOM_EXPAND = 20;
constexpr int STEP_DROOM_SHRINK = 21;
constexpr int STEP_DROOM_ROTATE = 30;
constexpr int STEP_DROOM_DELETE = 40;
constexpr int STEP_DROOM_MOVE = 50;          // a left click picks for the typed move, a right click for the fine move
constexpr int STEP_DROOM_MOVE_TYPED = 55;
constexpr int STEP_DROOM_MOVE_FINE = 65;
constexpr int STEP_DROOM_MAX_SIZE = 1000;
constexpr int STEP_DROOM_REFUSED = 10001;    // the maximum-size search could not use the click
constexpr int STEP_DROOM_ANGLED_WALL = 10002;  // a measuring wall was angled

// Services of the external-wall tool (TDrawingtool::SubCommand): the free space to the design
// rooms (a shrink's proposal), snapping and measuring, copying the walls of the floor below, and
// centring the plan (ground floor) with its area.
constexpr int SUB_ROOM_CLEARANCE = 1;
constexpr int SUB_SNAP_AND_MEASURE = 2;
constexpr int SUB_COPY_FLOOR_BELOW = 3;
constexpr int SUB_CENTRE_AND_AREA = 5;

// The two steps of CENTRE.
constexpr bool IsCentreStep(int step) { return step == STEP_CENTRE_FIRST || step == STEP_CENTRE_SECOND; }

// The three steps of CENTRE CENTRE.
constexpr bool IsCentreCentreStep(int step)
{
    return step >= STEP_CENTRECENTRE_FIRST && step <= STEP_CENTRECENTRE_THIRD;
}

constexpr bool IsAnyCentreStep(int step) { return IsCentreStep(step) || IsCentreCentreStep(step); }
