#pragma once
// The drawing state the whole program shares on purpose: the floor in view, the units and scale,
// the view mapping, colours, counters and names. There is one current state; tests and script
// runs install a fresh one with FreshDrawingState.
#include "platform/geometry.h"

#include <functional>
#include <string>

class TList;

// Stands for no object, no joined wall, or nothing found by a list search.
constexpr int NO_INDEX = 30001;

// Floor codes.
constexpr int GROUND_FLOOR = 50;
constexpr int FIRST_FLOOR = 51;
constexpr int SECOND_FLOOR = 52;
constexpr int FOURTH_LEVEL = 53;

// The ground, first and second floor and the fourth level: the floors shown as plan views.
constexpr bool IsPlanFloor(int floorCode) { return floorCode >= GROUND_FLOOR && floorCode <= FOURTH_LEVEL; }

// The base of the action ids that internal walls, rooms, windows and doors take on a plan floor
// (10000 on the ground floor, 11000, 12000, 13000); 0 for any other floor code.
constexpr int FloorIdBase(int floorCode)
{
    return IsPlanFloor(floorCode) ? 10000 + 1000 * (floorCode - GROUND_FLOOR) : 0;
}

struct TDrawingState {
    TDrawingState();
    ~TDrawingState();
    TDrawingState(const TDrawingState&) = delete;
    TDrawingState& operator=(const TDrawingState&) = delete;

    int currentFloor = GROUND_FLOOR;  // floor code of the plan in view (1000 + code while printing)
    int unitSystem = 1;               // 1 metric (mm), 0 imperial (1/24 inch)
    int unitsPerLogical = 5;          // model units per logical unit of the view mapping
    double unitsPerLogicalF = 5.0;    // the same scale, for zoom arithmetic
    int viewExtX = 1000;              // window extent of the view mapping (logical units)
    int viewExtY = 700;
    int viewOrgX = 0;                 // window origin of the view mapping (logical units)
    int viewOrgY = 0;
    int sheetWidth = 0;               // drawing sheet, logical units at the scale of a new drawing
    int sheetHeight = 0;
    TColor currentColour = 0;         // pen colour of new objects
    TColor currentFillColour = MakeColour(255, 255, 255);  // window background; fill of new polygons
    TColor highlightColour = MakeColour(255, 0, 0);
    int currentPenWidth = 1;
    int groupIdCounter = 0;           // running action id; never goes backwards
    std::string currentFontFace = "Arial";  // at most 31 characters
    int textPointSize = 10;
    int textWeight = 400;
    std::string programDirectory;     // ends in '/'; CFG/, DWGS/ and LIBS/ lie below it
    std::string drawingName;          // stem of DWGS/<name>.DB0, at most 24 characters
    std::string newRoomName;          // name of the next design room, at most 16 characters
    int displayMode = 0;              // tens: wall style 0/10/20; units: dimensions and overlays 0..4
    int drawingState = 1;             // 2 while a drawing with objects is open, else 1
    int printLineFactor = 1;          // pen width factor; 1 on screen

    // Keyboard entry of the line-family tools: 1 the next ENTER marks a start point, 2 it ends the
    // segment at the cursor; and the end of the last external wall typed from the keyboard.
    int keyEntryState = 1;
    int lastWallEndX = 0;
    int lastWallEndY = 0;

    TList& objects;                   // the one object list of the open drawing

    // Tells the user that a file could not be written (a message box naming the file and the
    // reason). The application installs it; without one a failure is only returned to the caller.
    std::function<void(const std::string& message)> reportWriteFailure;
    // Told the path of each drawing file written, once the write has succeeded (arkweld-script's
    // check of what the tools hold looks at the file as each write left it).
    std::function<void(const std::string& path)> drawingWritten;
    // Injected file-write failures (FailNextWrites): how many writes are still to fail, and the
    // stage (WriteStage) at which they do.
    int injectedWriteFailures = 0;
    int injectedWriteStage = 0;
    // Injected file-read failures (FailNextReads): how many reads are still to fail, and the end
    // of the paths they strike (any path when empty).
    int injectedReadFailures = 0;
    std::string injectedReadPath;

private:
    TList* ownedObjects;
};

// The current drawing state.
TDrawingState& State();

// Installs a fresh drawing state for its lifetime and restores the previous one afterwards.
class FreshDrawingState {
public:
    FreshDrawingState();
    ~FreshDrawingState();
    FreshDrawingState(const FreshDrawingState&) = delete;
    FreshDrawingState& operator=(const FreshDrawingState&) = delete;
    TDrawingState& state() { return *fresh; }

private:
    TDrawingState* fresh;
    TDrawingState* previous;
};
