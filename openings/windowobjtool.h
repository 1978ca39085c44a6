#pragma once
// The window and external-door tool (kind 2000): puts one window, wall opening, single external
// door, pair of French doors, garage door or main entry door into an external wall of the floor in
// view. After the dialogs, Setup reads WIND.CFG and switches the preview on; a dotted exclusive-or
// preview then follows the mouse; Enter marks the point, finds the external wall under it, checks
// the opening against that wall and builds the opening's objects in one edit of the object list.
// The internal-door tool derives from this class and shares its preview and the door builders.
//
// How the tool uses the inherited words while it places an opening: `step` the door direction code
// chosen in the door dialog (0 when none ran), `objectIndex` a copy of it for the door builders,
// faceNumber() 1..4 for the faces -1..-4, `libraryFlag` the marked wall's thickness, `lineAux1` its
// angle, `ownerId` its owner id, `groupId` the action id, `x1`, `y1` the cursor point during the
// preview and the opening's end points while it is built.
#include "model/modelbox.h"
#include "openings/openingcodes.h"
#include "tools/lineobjtool.h"

#include <cstdint>
#include <optional>

class TDrawingEdit;
class TExtwallobj;
struct TWindowSettings;

class TWindowobjtool : public TLineobjtool {
public:
    TWindowobjtool() = default;

    // Moves the preview to the cursor (kind 2000, only while active; a tool still waiting for its
    // ENTER becomes active again).
    void MouseMove(Canvas& dc, const TRect& clientRect, int x, int y) override;
    // The preview at (x1, y1) in exclusive-or: a door leaf with its tick for hinged doors (kind 60,
    // types 6 and 16), a circle for the door tool's other kinds, a circle with a cross for windows.
    void DrawFeedback(Canvas& dc, int flag) override;
    // The preview, while it is on the screen.
    void DrawShownFeedback(Canvas& dc, const TRect& clientRect) override;
    // Enter: marks the point, finds the wall and places the opening (value 4: mark and check only).
    // The result is in `outcome`; an opening narrower than 1 (a tool never set up) is refused.
    void KeyDown(Canvas& dc, const TRect& clientRect, int key, TPoint& cursor, int value) override;
    // After the dialogs: reads WIND.CFG (a single door takes `width` and rewrites the file with it),
    // the head level over the storeys below and, for doors, the leaf offsets of the preview; then
    // switches the preview on. An opening narrower than 1 is refused (outcome WidthTooSmall).
    void Setup(int width, int b, int c) override;
    // CENTRE and CENTRE CENTRE: the preview moves to the centre found and the tool returns to the
    // step it had (a door keeps its direction code).
    void CentreStep(Canvas& dc, const TRect& clientRect, int x, int y) override;
    void CentreCentreStep(Canvas& dc, const TRect& clientRect, int x, int y) override;

    // Takes the preview off the screen where it is drawn, or draws it at (x1, y1) while the tool
    // is active.
    void HidePreview(Canvas& dc, const TRect& clientRect);
    void ShowPreview(Canvas& dc, const TRect& clientRect);

    // Builds the opening at the marked wall and point and writes the drawing file once.
    void PlaceOpening(Canvas& dc, const TRect& clientRect, int value);
    // The opening's objects: polygon, cill, opening line, size label and the doors of its type.
    void BuildOpening(TDrawingEdit& edit, Canvas& dc, const TRect& clientRect);
    void AddOpeningLabel(TDrawingEdit& edit, Canvas& dc, const TRect& clientRect);
    // The two lines across the wall at the ends of a single external door's opening.
    void DrawWallFaceLines(TDrawingEdit& edit, Canvas& dc, const TRect& clientRect);
    // The angled external wall of the floor under the marked point: markedSide its angle, markedWall
    // its index, the marked point moved onto its reference line. markedSide stays 0 when none.
    void FindAngledWall();
    // French doors (swing side 1 out, 2 in) and the main entry door with its frame.
    void AddFrenchDoors(TDrawingEdit& edit, Canvas& dc, const TRect& clientRect, int swingSide);
    void FrenchDoorGeometry(TDrawingEdit& edit, Canvas& dc, const TRect& clientRect, int swingSide);
    void AddEntryDoor(TDrawingEdit& edit, Canvas& dc, const TRect& clientRect);

    // Commits the tool's figure (x1, y1)-(x2, y2) as a line into the edit, drawn at once: type code
    // `kind`, the tool's ids, pen and line words. A line with a zero coordinate or no length is
    // skipped, as the line tool's commit does.
    void AddLine(TDrawingEdit& edit, Canvas& dc, const TRect& clientRect);

    // The fields of the window tool, in their fixed order after the base fields.
    std::int32_t markedSide = 0;     // 0 none; -1..-4 the face of an axis-aligned wall; above 0 the
                                     // angle of the angled wall marked
    std::int32_t markedWall = 0;     // index of the marked wall (valid while wallMarked)
    std::int32_t openingWidth = 0;
    std::int32_t openingHeight = 0;
    std::int32_t headLevel = 0;      // WIND.CFG's level plus the storey heights below the floor
    std::int32_t openingType = 0;
    std::int32_t doorCode = 0;       // door direction code for the preview and the door builders
    std::int32_t showCill = 0;
    std::int32_t showSizes = 0;
    std::int32_t pointX = 0;         // during the preview the leaf offsets (width x sine, x cosine);
    std::int32_t pointY = 0;         // from Enter on the marked point

    // Status kept in memory only, apart from fields that real values can take.
    TPlaceOutcome outcome = TPlaceOutcome::Pending;
    bool wallMarked = false;    // markedWall names a wall
    bool previewShown = false;  // a preview is on the screen at (x1, y1)
    bool armed = false;         // set up and waiting for its ENTER (the window may clear `active`
                                // while another tool is in for a while)
    TModelBox repaintArea;      // what the last placement added, for the window's repaint

protected:
    // Whether the preview follows the mouse in the tool's kind (the window tool's own kind; the door
    // tool's working kinds).
    virtual bool PreviewFollowsMouse() const { return kind == KIND_WINDOW; }
    // Switches the preview on and waits for ENTER when the opening is at least 1 wide; refuses a
    // narrower one (outcome WidthTooSmall, preview off).
    void ArmPreview();
    // Looks for the external wall that takes the opening at the marked point (walls of the floor in
    // list order; the angled walls through FindAngledWall).
    void FindWall();
    // The marked wall, or null.
    const TExtwallobj* MarkedWall() const;
    // Reads WIND.CFG into the opening's type, sizes and label choices (not the head level).
    TWindowSettings TakeWindowSettings();
    // The head level over the storeys below the floor in view.
    void AddStoreysBelow();
};

// The end of an external wall's reference line nearest the top left corner of the floor's
// external walls (the datum the window and door tools measure from); none without walls.
std::optional<TPoint> TopLeftWallCorner(int floorCode);

// Floor base of action ids: 10000 on the ground floor, 11000, 12000, 13000 on the floors above;
// 0 off the plan floors.
int FloorActionBase(int floorCode);
