#pragma once
// The design-room tool: the drawing window's input mode for design rooms, the movable room
// rectangles a floor is laid out with before its walls are drawn. Its step names the operation
// (tools/toolkinds.h, STEP_DROOM_...): select and drag a room (steps 0..4, dragging 5 and 6),
// expand or shrink one side by a typed distance (20, 21), rotate (30), delete (40), move by a typed
// distance (50 then 55) or by a nudge per arrow key (50 then 65), and measure the free space at a
// click (1000). Setup makes a new room.
//
// The tool rectangle x1, y1 (top-left) to x2, y2 (bottom-right) is the selected room's while it is
// dragged or edited; editLeft, editTop, editRight, editBottom hold the room's rectangle before the
// edit, for the repaint. feedbackState() (the word after lineDrawn) says what a drag has on the
// screen: 0 nothing yet, 1 the outline, 10 the drag's first move came from outside the client area.
// Every change to the list is committed by the slot that made it.
#include "model/modelbox.h"
#include "tools/lineobjtool.h"

#include <cstdint>
#include <string>

class TDrawingEdit;
class TRoomobj;

// What the last key or click came to, beyond the fields the step protocol reads.
enum class TDesignRoomOutcome {
    None,
    TooSmall,        // a shrink would have left a width or length below 1: nothing changed
    SizeNotStored,   // the free size could not be written to CFG/MAX.CFG (outcomeReason says why)
};

// The fine-move nudge per arrow key: one inch, or 25 mm.
int FineMoveNudge(int unitSystem);

class TDRoomobjtool : public TLineobjtool {
public:
    TDRoomobjtool();

    // By step: select and start a drag (0..4); pick for an arrow-key edit (20, 21; 50 goes on to
    // 55); pick and rotate (30) or delete (40); measure the free space (1000).
    void LButtonDown(Canvas& dc, const TRect& clientRect, int x, int y) override;
    // Ends a drag: the dragged rectangle is stored in the room and, at step 5, the room is aligned
    // to its neighbours; committed once.
    void LButtonUp(Canvas& dc, const TRect& clientRect, TPoint& point) override;
    // At step 50: picks the room for the fine move (step 65).
    void RButtonDown(Canvas& dc, const TRect& clientRect, TPoint& point) override;
    // Drags the tool rectangle with an exclusive-or outline while a room is taken.
    void MouseMove(Canvas& dc, const TRect& clientRect, int x, int y) override;
    // Mode 1: the dotted exclusive-or outline of the tool rectangle; mode 0: covers it in the
    // window's background colour.
    void DrawFeedback(Canvas& dc, int mode) override;
    // While a room is dragged or nudged: the room where the list holds it covered again, and the
    // outline where the tool rectangle stands.
    void DrawShownFeedback(Canvas& dc, const TRect& clientRect) override;
    // An arrow key at steps 20, 21, 55 (by `value` model units) and 65 (by the nudge).
    void KeyDown(Canvas& dc, const TRect& clientRect, int key, TPoint& cursor, int value) override;
    // Makes a new room `width` by `length` at the lower-left corner of the view and commits it.
    void Setup(int width, int length, int unused) override;

    // The hit test at a device point: the first design room of the current floor that holds the
    // point strictly inside becomes the selection (see SelectRoomAt).
    void SelectDesignRoom(Canvas& dc, const TRect& clientRect, int x, int y);
    // The same at a model point: lastX, lastY, the room's sizes and editLeft..editBottom; below
    // step 5 also the tool rectangle and the drag step (6 within 20 logical units of the room's
    // centre on both axes, else 5) with `active` 1.
    void SelectRoomAt(TPoint model);

    // The selected room, while the selection still names a design room of the list; else null.
    TRoomobj* SelectedRoom() const;
    bool HasSelectedRoom() const { return SelectedRoom() != nullptr; }
    void ClearSelection();

    // Renews one size text of the selected room in place (the caller has taken it into an edit):
    // which 1 the length text from roomLength, which 2 the width text from roomWidth.
    void FormatDesignRoomSizes(int which);

    // The fields of the design-room tool, in their fixed order after the base fields.
    std::int32_t nameLength = 0;       // of newRoomName when the last room was made
    std::int32_t sizeText1Length = 0;
    std::int32_t sizeText2Length = 0;
    std::int32_t selectedRoom = 0;     // index in the list of the selected room; see roomSelected
    std::int32_t sizeDisplay = 0;      // size-text display choice 0..4 of the room being made
    std::int32_t roomLength = 0;       // y extent of the room being made or selected
    std::int32_t roomWidth = 0;        // x extent
    std::int32_t textPointSize = 0;
    std::int32_t lastX = 0;            // last pointer position, model units
    std::int32_t lastY = 0;
    TColor fillColour = 0;             // of the room being made
    std::string sizeText1;             // width text of the room being made
    std::string sizeText2;             // length text

    // Kept in memory only: whether selectedRoom names a room at all (the stored form keeps 30001
    // for none), and what the last key or click came to.
    bool roomSelected = false;
    TDesignRoomOutcome outcome = TDesignRoomOutcome::None;
    std::string outcomeReason;
    // Every rectangle the feedback has drawn or covered since the window last repainted it.
    TModelBox feedbackArea;

private:
    // The cover (mode 0) or the exclusive-or outline (mode 1) of a rectangle between two model
    // corners; it changes nothing the tool holds.
    void DrawRectangleFeedback(Canvas& dc, int mode, TPoint corner1, TPoint corner2) const;
    // The arrow-key edit of the selected room by step; false when the room was not changed.
    bool EditByKey(TDrawingEdit& edit, int key, int value);
    void TakeRoomRectangle(const TRoomobj& room);
    void MoveToolRectangle(std::int64_t dx, std::int64_t dy);
};

// Turns the selected room a quarter turn about its centre, keeping its size exactly; renews its
// size texts; the tool's roomWidth and roomLength take the sizes before the turn and the tool
// rectangle the turned room (for the repaint). Nothing without a selection.
void RotateDesignRoom(TDRoomobjtool& tool, TDrawingEdit& edit);
// Removes the selected room; the tool rectangle takes its rectangle (for the repaint) and the
// selection is cleared. Nothing without a selection.
void DeleteDesignRoom(TDRoomobjtool& tool, TDrawingEdit& edit);
