#pragma once
// The internal-wall tool: the drawing window's input mode for the internal walls (partitions) of a
// floor. ENTER marks a start point; each arrow key with a typed length, or a second ENTER at a point
// (an angled piece), adds one wall that is stored at once. A piece whose end runs into a wall ends
// the run; ENTER on the end of the last piece closes that end with a line and ends the run too.
// The same class, in kind KIND_INTWALL_DELETE, deletes the internal wall under the cursor with its
// end caps when ENTER is pressed.
//
// While it builds a wall the tool holds it in its fields: the reference line (the first face) in
// x1, y1, x2, y2, the angle in lineAux1 (tenths of a degree clockwise from +y), the side of the
// second face in objectIndex (1 above, 2 right, 3 below, 4 left; the side the dialog chose is kept
// in markerX), the thickness in wallWidth and the second face in the face2 fields.
#include "model/modelbox.h"
#include "tools/lineobjtool.h"

#include <array>
#include <cstdint>
#include <memory>

class TDrawingEdit;
class TIntwallobj;
class TObject;

// What the last key, Setup or delete of the tool came to. Kept apart from the coordinates and the
// measured length, which can take any value.
enum class TIntwallOutcome {
    None,             // nothing that ends the run
    Closed,           // a closing ENTER closed the end of the last wall: the run is over
    MetWall,          // the new wall's end ran into a wall: the run is over
    WrongArrow,       // Setup: the arrow does not fit the side chosen for the second face
    NothingToDelete,  // the delete found no internal wall under the cursor
    Deleted,          // a wall was deleted with its group
};

// A join index that names no wall.
constexpr int NO_JOIN = -1;

class TIntwallobjtool : public TLineobjtool {
public:
    TIntwallobjtool() = default;

    // The rubber band from the start point to the cursor while `active` is 1 (kind KIND_INTWALL).
    void MouseMove(Canvas& dc, const TRect& clientRect, int x, int y) override;
    void DrawFeedback(Canvas& dc, int flag) override;
    // The band, while it is on the screen.
    void DrawShownFeedback(Canvas& dc, const TRect& clientRect) override;
    // Takes the band off the screen while it is on (exclusive-or: drawn once more).
    void EraseBand(Canvas& dc, const TRect& clientRect);
    // A click ends the band, and outside CENTRE the run: the next ENTER marks a new start.
    void LButtonDown(Canvas& dc, const TRect& clientRect, int x, int y) override;
    // ENTER marks the start, builds an angled piece or closes the run; an arrow key builds a piece
    // of `value` model units. In the delete kind ENTER deletes the wall under the cursor; no value
    // selects the delete.
    void KeyDown(Canvas& dc, const TRect& clientRect, int key, TPoint& cursor, int value) override;
    // Builds the wall held in the tool (snapping on), stores it and draws it.
    void CreateObject(Canvas& dc, const TRect& clientRect) override;
    // Before an arrow key: snaps the start onto a nearby wall line, checks the arrow against the
    // side of the second face (first piece only) and measures the distance to the next wall in the
    // direction (1 up, 2 right, 3 down, 4 left) into libraryFlag, 0 when none is proposed; down or
    // left with no wall measures to the coordinate 0 (the start's y or x). At step
    // STEP_FINISH_DESIGN_ROOMS it finishes the floor's design rooms instead.
    void Setup(int direction, int b, int c) override;

    // Deletes the group of the internal wall at `index`: every internal wall of the current floor
    // with its group id and the end caps laid with that id. The tool's x1..y2 and repaintArea then
    // hold the area to repaint.
    void DeleteGroup(int index);
    // The first internal wall of the current floor whose body or face lines lie under the model
    // point (within three logical units); -1 when none.
    int FindInternalWallAt(TPoint model) const;

    // The geometry of the wall held in the tool. Changes to walls already in the list (the corners
    // of joined walls) go through `edit`.
    void BuildWall(TDrawingEdit& edit, int snap);
    void ComputeFaces(TDrawingEdit& edit, int startJoin, int endJoin);
    // Second-face points of the start (endCode 1), the end (2) or both (0), plain or continuing the
    // side of the joined wall (NO_JOIN for none).
    void OffsetOrtho(int endCode, int joinIndex);
    void OffsetSloped(int endCode, int joinIndex);
    // Corner of two orthogonal walls at the new wall's start (end 1, the joined wall ends there) or
    // its end (2, the joined wall starts there); moves the joined wall's face to the corner too.
    void JoinCorner(TDrawingEdit& edit, int joinIndex, int end);
    // Mitre point of the second faces where a sloped wall takes part: code 1 the new start, 2 the
    // new end, 10 the joined wall's end, 20 its start.
    void JoinSlopedWall(TDrawingEdit& edit, int joinIndex, int code);
    // Finds the walls the new wall's ends lie on: step (STEP_INTWALL_...) for internal walls, the
    // outcome MetWall for an end on any wall, and the face end moved onto a met sloped wall.
    void TrimEnds();
    // Moves the second face's start (end 1) or end (2) along the met wall at `index` onto its line.
    void MeetPoint(int index, int end);

    // Takes the next action id of the current floor (its base plus the incremented counter) into
    // ownerId and groupId.
    void TakeActionId();

    // The last wall this run built, while it is still in the list; null otherwise.
    const TIntwallobj* LastWall() const;
    int LastWallIndex() const { return LastWall() ? lastWallIndex : -1; }

    // Other names of the words the tool gives its own use.
    std::int32_t& secondLineSide() { return markerX; }   // chosen in the internal-wall dialog
    std::int32_t& sideInForce() { return objectIndex; }  // of the wall being built
    std::int32_t& angle() { return lineAux1; }
    std::int32_t& proposedLength() { return libraryFlag; }  // by Setup; 0 = no proposal
    // The second face under the names the wall record gives it.
    std::int32_t& faceStartX() { return face2StartX; }
    std::int32_t& faceStartZ() { return face2Aux; }
    std::int32_t& faceStartY() { return face2StartY; }
    std::int32_t& faceEndX() { return face2EndX; }
    std::int32_t& faceEndY() { return face2EndY; }

    // The fields of the internal-wall tool, in their fixed order after the base fields.
    std::int32_t feedbackShown = 0;         // 1 while the rubber band is on screen
    std::int32_t wallWidth = 0;             // thickness, from PTNM.CFG / PTNI.CFG
    std::array<std::int32_t, 4> wallParams{};  // copied into every wall; always 0
    std::int32_t face2StartX = 0;
    std::int32_t face2Aux = 0;              // always 0
    std::int32_t face2EndX = 0;
    std::int32_t face2StartY = 0;
    std::int32_t face2EndY = 0;
    std::int32_t wallColour1 = 0;           // from WLCLR.CFG
    std::int32_t wallColour2 = 0;
    std::array<std::int32_t, 4> joinData{};  // copied into every wall; 0 at every key

    // Kept in memory only.
    TIntwallOutcome outcome = TIntwallOutcome::None;
    TModelBox repaintArea;  // what the last key or delete changed, widened by three logical units

private:
    // Builds, guards and appends the wall held in the tool; false when nothing was stored. A wall
    // with a point the drawing file cannot store is told to the user, and the edit is dropped
    // (the walls it met keep their faces).
    bool StoreWall(TDrawingEdit& edit);
    // A closing ENTER at the end of the last wall: appends the closing line. False when the point
    // is not at that end.
    bool CloseRun(TDrawingEdit& edit);
    // Lays an end cap across the wall's start (end 1) or end (2) and draws it.
    void AddEndCap(TDrawingEdit& edit, Canvas& dc, const TRect& clientRect, int end);
    void DeleteAt(Canvas& dc, const TRect& clientRect, TPoint cursor);
    void SnapEnds(int& startJoin, int& endJoin);
    void OrderEnds(int& startJoin, int& endJoin);
    void ReverseWall();
    // The second face as the reference line moved across by the side in force (a square end).
    void PlainFaces();
    void SetFacePoint(int end, std::int64_t x, std::int64_t y);
    void SnapStart();
    void MeasureAhead(int direction);

    bool wallReversed = false;  // BuildWall stored the wall the other way round
    int startShapedBy = NO_JOIN;  // the joined wall whose corner shaped the face's start / end
    int endShapedBy = NO_JOIN;
    int lastWallIndex = -1;     // the run's last wall: its index, its id and whether it was
    std::int32_t lastWallId = 0;  // stored the other way round
    bool lastWallReversed = false;
};

// Appends an internal wall made from the tool's fields (ownerId and groupId as they stand) to the
// edit: no builder, guard or drawing. The fixed-room builder adds a room's walls with it and
// commits once.
void AddIntwallObject(TDrawingEdit& edit, const TIntwallobjtool& tool);

