#pragma once
// The selection tool that moves and rotates; also paste, the zoom rectangle and library insertion.
//
// The user drags a rectangle with the left button; the objects of the floor in view lying inside
// it become the selection. A click then sets the reference point, and each further click or arrow
// key moves the selection so that the reference point lands there; a right click or keypad + and
// − turn it about the reference point. Moves and turns change the object list only: the drawing
// window writes the drawing file when the user locks the result with Enter (LockSelection).
//
// The tool keeps its selection itself and also writes it to the selection list (CFG/COPY.CFG with
// its count in CFG/TEMP.CFG), which the library save reads. The copy and erase tools reuse the
// drag and the selection and act on it in ProcessSelection.
#include "model/modelbox.h"
#include "model/selectionlist.h"
#include "platform/canvas.h"
#include "tools/drawingtool.h"

#include <memory>
#include <vector>

class TDrawingEdit;
class TObject;
class TPaintRows;

class TMoveobjtool : public TDrawingtool {
public:
    TMoveobjtool();

    void LButtonDown(Canvas& dc, const TRect& clientRect, int x, int y) override;        // 0
    void LButtonUp(Canvas& dc, const TRect& clientRect, TPoint& point) override;         // 1
    void RButtonDown(Canvas& dc, const TRect& clientRect, TPoint& point) override;       // 2
    void MouseMove(Canvas& dc, const TRect& clientRect, int x, int y) override;          // 3
    void KeyDown(Canvas& dc, const TRect& clientRect, int key, TPoint& cursor, int value) override;  // 6
    void ObjectsAdded(Canvas& dc, const TRect& clientRect, int firstIndex, int flag) override;       // 11
    // What the copy and erase tools do with a selection just made; nothing here.
    virtual void ProcessSelection(Canvas& dc, const TRect& clientRect, int a, int b);  // 16

    // The steps of the selection: the drag, the selection, the selection moving and turning.
    // SelectObjectsInRect fills the selection from the drag rectangle (only with a floor in
    // view), MoveSelectionStep paints the selection out in the background colour (a click or
    // arrow key then shifts it, MoveSelectionTo), RotateSelection turns it by the rotation step
    // about the reference point.
    void SelectObjectsInRect();
    void MoveSelectionStep(Canvas& dc, const TRect& clientRect, int x, int y);
    void RotateSelection(Canvas& dc, const TRect& clientRect, int x, int y);

    // The selection: the number of objects in it, and its entries (object index and base point).
    int selectionCount() const { return int(selection.size()); }
    const std::vector<TCopyEntry>& Selection() const { return selection; }
    // The objects of the selection that are still there to act on: indices in range, objects of
    // the floor in view that a selection may hold.
    std::vector<int> SelectedIndices() const;
    // True when the selection holds an object that only turns by multiples of 90 degrees (arcs,
    // ellipses, rectangles, rounded rectangles).
    bool NeedsQuarterTurns() const;
    // True when the last zoom rectangle released changed the view (a rectangle without area
    // leaves it).
    bool ViewZoomed() const { return viewZoomed; }

    // True when the selection list on disk holds the selection (a failed write has been reported).
    bool SelectionStored() const { return selectionStored; }
    // True when the selection moved or turned since it was made or last locked.
    bool SelectionChanged() const { return changed; }
    // Where the selection stood before it moved or turned and where it stands now, as painted on
    // dc (model units); empty when it has not moved.
    TModelBox ChangedArea(Canvas& dc) const;
    // Enter: hands the moved and turned objects to the edit that writes the drawing file.
    void LockSelection(TDrawingEdit& edit);
    // A move or turn not locked, which the list still holds: a repaint paints the list, where the
    // moved selection stands.
    bool HoldsListChange() const override;
    // A repaint drops the pictures (made again at the next step from the repainted window); once
    // the list has been read again, the move starts over from where the file holds the selection.
    void Repainting() override;
    // After the list has been read from the file again (a move dropped): the selection stands where
    // the file holds it, the reference point back where it was set, nothing kept of the move.
    void FollowList();

    // The drag rectangle, while it is on the screen.
    void DrawShownFeedback(Canvas& dc, const TRect& clientRect) override;
    // The drag rectangle on the screen, taken off (the tool is replaced mid-drag).
    bool BandShown() const { return bandShown; }
    void TakeBandOff(Canvas& dc, const TRect& clientRect);

    // Selections of at least this many objects are drawn once as a picture, which each later
    // move puts down again by whole pixels (where the canvas keeps pictures). The picture reaches
    // past the window by a margin that keeps it within one and a half window images.
    int pictureSelection = 2000;

    // Other names of inherited words.
    std::int32_t& rotationStep() { return x2; }      // whole degrees, clockwise
    std::int32_t& outlineFillMode() { return lineAux1; }  // polygons: 0 hollow, 1 filled

    // The fields the tool adds, model units.
    std::int32_t dragStartX = 0;  // drag start; once selected, the base point of the entries
    std::int32_t dragStartY = 0;
    std::int32_t currentX = 0;    // the drag's moving corner; once selected, the reference point
    std::int32_t currentY = 0;
    std::int32_t targetX = 0;     // where the reference point is being moved to
    std::int32_t targetY = 0;

protected:
    // Replaces the selection and writes the selection list.
    void SetSelection(std::vector<TCopyEntry> entries);
    // Paints the objects at `indices` so, painted out in the background colour (`erase`) or in
    // their own colours and pens. Objects whose painting lies wholly outside the pixels dc can
    // change are left out: the picture is the same, and the cost follows what can be seen.
    // `measured`: where each object lies, as the row work of the picture's bands measured it; dc is
    // then one of those bands (or the picture's canvas itself), painted as it is.
    void DrawSelectionOutlines(Canvas& dc, const std::vector<int>& indices, bool erase,
                               const TPaintRows* measured = nullptr);

private:
    // The drag rectangle, from the drag start to the moving corner, drawn and erased with
    // exclusive-or.
    void DrawDragBand(Canvas& dc);
    // Notes the selection's first change, and moves it by (dx, dy). While it has only been moved,
    // where it stood is where it stands less the moves: measured only when it is asked for (the
    // repaint area) or before a turn, as measuring every text of a large selection takes long.
    void NoteMove(std::int64_t dx, std::int64_t dy);
    void NoteTurn(Canvas& dc);
    // The painted extent of the selection as it stands now.
    TModelBox SelectionArea(Canvas& dc) const;
    // Forgets every change: the selection stands where it was made.
    void ForgetChanges();
    // True while the object list still holds the selection's change: it has not been read from
    // the file again since.
    bool ListHoldsChange() const;
    // The objects the last move or turn changed, kept with the floor in view and the object count
    // then. While the list holds that change nothing else has touched the list (a command that
    // reads or changes the drawing drops the change first), so ChangedIndices gives them without
    // looking every entry up again; otherwise SelectedIndices.
    // The box of their points is kept too after a move (MoveSelectionTo), shifted with them.
    void KeepChangedIndices(const std::vector<int>& indices);
    bool ChangedIndicesStand() const;
    std::vector<int> ChangedIndices() const;
    // A click or arrow key while moving: the selection moves so that the reference point lands
    // on the device point, unless TakesMoveTo refuses it.
    void MoveSelectionTo(Canvas& dc, const TRect& clientRect, int x, int y);
    // True when moving the reference point onto the device point keeps every point of the
    // selection (within `points`, the box of them all) where the drawing file can store it;
    // otherwise the user is told and nothing moves.
    bool TakesMoveTo(Canvas& dc, const TRect& clientRect, int x, int y, const TModelBox& points);
    // Painting out, and shifting so that the reference point lands on the device point, for the
    // objects at `indices` (SelectedIndices).
    void PaintSelectionOut(Canvas& dc, const TRect& clientRect, int x, int y, const std::vector<int>& indices);
    void ShiftSelection(Canvas& dc, const TRect& clientRect, int x, int y, const std::vector<int>& indices);

    // The pictures of a large selection: drawn where the reference point stood at `picturesAt`
    // (device) under `picturesMapping`, and on the screen `picturesShown` pixels from there.
    bool MakePictures(Canvas& dc, const std::vector<int>& indices);
    // True when the pictures may stand for the selection on dc: kept, and the view unchanged.
    bool PicturesFit(Canvas& dc) const;
    void DropPictures();
    TPoint ReferenceOnDevice(Canvas& dc) const;
    // Painting the selection out puts the background on the picture's drawn pixels and on those
    // it covers where objects are painted out beyond their drawing (none when no object is).
    bool PaintsOutBeyondItsDrawing(const TObject& object);
    void PaintOutPictures(Canvas& dc);
    std::unique_ptr<TCanvasPicture> drawn;
    TMapping picturesMapping;
    TPoint picturesAt;
    TPoint picturesShown;

    std::vector<TCopyEntry> selection;
    bool bandShown = false;  // the drag rectangle is on the screen
    bool changed = false;    // the selection moved or turned since it was made
    bool selectionStored = false;
    bool viewZoomed = false;
    TModelBox movedFrom;          // where the selection stood, once measured
    bool movedFromKnown = false;
    std::int64_t movedX = 0;       // the moves since then, while it is not
    std::int64_t movedY = 0;
    std::int64_t referenceMovedX = 0;  // every move of the reference point since the first change
    std::int64_t referenceMovedY = 0;
    std::uint64_t changeReading = 0;   // the list's reading the change was made in
    std::vector<int> changedIndices;   // KeepChangedIndices
    int changedIndicesFloor = 0;
    int changedIndicesCount = 0;
    bool changedIndicesKnown = false;
    TModelBox changedPoints;           // the box of their points, where changedPointsKnown
    bool changedPointsKnown = false;
};
