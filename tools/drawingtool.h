#pragma once
// Root of the tool classes. A tool is the drawing window's current input mode: the window forwards
// its mouse, key and character events to the tool's virtual operations, the tool draws feedback
// with exclusive-or and commits finished figures as drawing objects.
//
// Points handed in by the window are client device coordinates. Every field is a signed 32-bit
// integer (the colour a 0x00BBGGRR value); several words carry another meaning in some tool
// families, and those meanings have accessors of their own name.
#include "platform/geometry.h"
#include "tools/derivedpoints.h"
#include "tools/toolkinds.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class Canvas;
class TDrawingEdit;
class TObject;
class TToolWindow;

// True when the drawing file can store a model point exactly; otherwise the user is told so
// through the window (when there is one) and the point must not be taken.
bool TakeStorablePoint(std::int64_t x, std::int64_t y, TToolWindow* window);
// The same for the model point of a client device point under the window's view mapping.
bool TakeStorableDevicePoint(const TRect& clientRect, TPoint device, TToolWindow* window);

// Virtual-key codes the tools react to.
constexpr int VK_ENTER = 13;
constexpr int VK_LEFT = 37;
constexpr int VK_UP = 38;
constexpr int VK_RIGHT = 39;
constexpr int VK_DOWN = 40;
constexpr int VK_ADD = 107;
constexpr int VK_SUBTRACT = 109;

class TDrawingtool {
public:
    TDrawingtool();
    virtual ~TDrawingtool();
    TDrawingtool(const TDrawingtool&) = delete;
    TDrawingtool& operator=(const TDrawingtool&) = delete;

    // The operations, in slot order. The defaults do nothing except CentreStep and
    // CentreCentreStep.
    virtual void LButtonDown(Canvas& dc, const TRect& clientRect, int x, int y);                  // 0
    virtual void LButtonUp(Canvas& dc, const TRect& clientRect, TPoint& point);                   // 1
    virtual void RButtonDown(Canvas& dc, const TRect& clientRect, TPoint& point);                 // 2
    virtual void MouseMove(Canvas& dc, const TRect& clientRect, int x, int y);                    // 3
    virtual void DrawFeedback(Canvas& dc, int flag);                                              // 4
    virtual void BuildRoom(Canvas& dc, const TRect& clientRect, int a, int b);                    // 5
    virtual void KeyDown(Canvas& dc, const TRect& clientRect, int key, TPoint& cursor, int value); // 6
    virtual void PlaceText(Canvas& dc, const TRect& clientRect, TPoint& point, const std::string& text); // 7
    virtual void Char(Canvas& dc, const TRect& clientRect, int character);                        // 8
    virtual void CreateObject(Canvas& dc, const TRect& clientRect);                               // 9
    virtual void AutoDimension(Canvas& dc, const TRect& clientRect, int a, int b, int c, int d);  // 10
    virtual void ObjectsAdded(Canvas& dc, const TRect& clientRect, int firstIndex, int flag);     // 11
    virtual void SubCommand(int code);                                                            // 12
    virtual void Setup(int a, int b, int c);                                                      // 13
    virtual void CentreStep(Canvas& dc, const TRect& clientRect, int x, int y);                   // 14
    virtual void CentreCentreStep(Canvas& dc, const TRect& clientRect, int x, int y);             // 15

    // Gives a new object the fields every commit fills: the current floor, the kind as type code,
    // the ids, the two points with heights, the colour and the pen.
    void FillCommonFields(TObject& object) const;

    // Other names of shared words.
    std::int32_t& alignment() { return markerX; }            // text tools, 1..6
    std::int32_t& escapement() { return objectIndex; }       // text tools, 0 or 2700
    std::int32_t alignment() const { return markerX; }
    std::int32_t escapement() const { return objectIndex; }
    std::int32_t& dimensionVertical() { return markerCode; } // manual dimension
    std::int32_t& measureDirection() { return markerState; } // external-wall tool, 1..4
    std::int32_t& faceNumber() { return markerX; }           // tools that keep a face number
    std::int32_t& feedbackState() { return markerX; }        // tools that keep a feedback state
    std::int32_t& dimensionLength() { return editLeft; }     // manual dimension
    std::int32_t& rectMinX() { return editLeft; }            // selection rectangle
    std::int32_t& rectMaxX() { return editRight; }
    std::int32_t& rectMinY() { return editTop; }
    std::int32_t& rectMaxY() { return editBottom; }

    // The fields, in their fixed order.
    TToolWindow* window = nullptr;  // the drawing window; stored by the window before each call
    TColor colour = 0;              // pen colour of the tool's objects and feedback
    std::int32_t lineDrawn = 0;     // keyboard entry: 0 no start marked, 1 start marked (walls: 3, 4)
    std::int32_t markerX = 0;       // logical x of the guide marker
    std::int32_t objectIndex = 0;   // object a wall edit works on; direction code of wall tools
    std::int32_t step = 0;          // current sub-operation
    std::int32_t kind = 0;          // tool kind
    std::int32_t savedStep = 0;     // step to return to after CENTRE or CENTRE CENTRE
    std::int32_t penWidth = 1;      // pen width of new objects
    std::int32_t penStyle = 0;      // pen style of new objects
    std::int32_t active = 0;        // 1 while a rubber band or preview is on screen
    std::int32_t libraryFlag = 0;   // parameter word: number of lines of a multiline, radius, ...
    std::int32_t lineAux1 = 0;      // direction of the current segment, tenths of a degree from up
    std::int32_t lineAux2 = 0;      // logical y of the guide marker
    std::int32_t markerCode = 0;    // form of the guide marker: 1 vertical, 2 horizontal
    std::int32_t ownerId = 0;       // copied into new objects
    std::int32_t groupId = 0;       // copied into new objects; length of a keyboard segment
    std::int32_t markerState = 0;   // 2 while a guide marker is on screen
    std::int32_t x1 = 0;            // the figure's two points with heights, model units
    std::int32_t z1 = 0;
    std::int32_t x2 = 0;
    std::int32_t z2 = 0;
    std::int32_t y1 = 0;
    std::int32_t y2 = 0;
    std::int32_t editLeft = 0;      // area an edit covered: smallest x, largest x, largest y,
    std::int32_t editRight = 0;     // smallest y; other tools give these four words their own names
    std::int32_t editTop = 0;
    std::int32_t editBottom = 0;
    // A line-with-text tool whose drag drew no line, or whose label could not be asked for or
    // stored: the window places no label. Kept apart from y1, which a real line can hold.
    bool noLineText = false;
    // The figure the tool held was refused or could not be written: the window repaints from the
    // file. The window clears it.
    bool heldNotStored = false;
    // The points the change in hand derived from accepted ones (wall lines and faces, snapped
    // ends, a room's sides, labels, an opening's parts): a change with one the drawing file cannot
    // store is refused whole. Kept in memory only.
    TDerivedPoints derived;

    // A figure the user has drawn and not finished yet (a multiline's first line until its last
    // Enter, a typed text's line until its ENTER, a Line + Text's line until its text is given, a
    // manual dimension's arrows until its measurement is confirmed) is on the screen and held here,
    // not in the object list: it is stored whole when it is finished, or settled by the client
    // before a command runs and wherever the tool is replaced.
    bool HoldsFigure() const { return !held.empty(); }
    const std::vector<std::unique_ptr<TObject>>& HeldObjects() const { return held; }
    // Draws the held figure again, over a repaint from the drawing file.
    void DrawHeld(Canvas& dc, const TRect& clientRect) const;
    // Moves the held figure into an edit; the tool holds nothing then.
    void AddHeld(TDrawingEdit& edit);
    // Stores the held figure as it is, one change written once (an abandoned multiline keeps its
    // first line), ahead of the list's objects from index `before` on (-1: at the end). False
    // (heldNotStored set) when the file could not be written: the user has then been told, and
    // the figure is still held.
    bool StoreHeld(int before = -1);
    // After its held figure was stored or taken back from outside: the tool waits for a new
    // figure from its start (a multiline for its start point), so a later key does not finish a
    // figure that is no longer held.
    virtual void RestartFigure();
    // Forgets the held figure: the action that drew it was given up.
    void DropHeld();
    // True while the object list holds a change the tool has made and not stored yet (a selection
    // moved or turned and not locked): a repaint then paints the list as it stands, which is what
    // finishing the change stores, and a command drops the change first.
    virtual bool HoldsListChange() const { return false; }
    // Told by a repaint of the window before it paints: the tool lets go of what it kept of the
    // pixels about to be painted over (the move's pictures), and of a change the list no longer
    // holds (read from the file since).
    virtual void Repainting() {}
    // Draws again, over a repaint that wiped it, the feedback the tool's flags say is on the
    // screen (a rubber band, a preview, a guide line), exactly as the tool's own events drew it,
    // so that the tool's next erase takes it off. dc is the repaint's, clipped to the area
    // repainted and in its first state; the view may have changed since the feedback was drawn,
    // and it is drawn where the tool's points now lie.
    virtual void DrawShownFeedback(Canvas& dc, const TRect& clientRect);

protected:
    // Model point of a client device point under the window's view mapping (the mapping is left on
    // the canvas).
    TPoint ModelPoint(Canvas& dc, const TRect& clientRect, int x, int y);
    // Logical point of the view mapping (not scaled to model units).
    TPoint LogicalPoint(Canvas& dc, const TRect& clientRect, int x, int y);
    // Puts the window's cursor at a model point.
    void PutCursorAt(Canvas& dc, const TRect& clientRect, TPoint model);
    // True when the drawing file can store a model point the tool has computed exactly; otherwise
    // the user is told (through the window) and the tool must not take the point.
    bool AcceptsPoint(std::int64_t x, std::int64_t y) const;

    // Shows a new object at once, appends it to the object list and rewrites the drawing file;
    // while a TKeepNew of the tool lives, the object goes to it instead.
    void DrawAndStore(Canvas& dc, const TRect& clientRect, std::unique_ptr<TObject> object);

    // While it lives, the objects DrawAndStore makes (drawn, not stored) are kept in `objects`:
    // the parts of a figure stored whole when it is complete. The tool stores at once again when
    // it ends, also on an early return or an exception; the objects live as long as the scope.
    class TKeepNew {
    public:
        explicit TKeepNew(TDrawingtool& tool);
        ~TKeepNew();
        TKeepNew(const TKeepNew&) = delete;
        TKeepNew& operator=(const TKeepNew&) = delete;
        std::vector<std::unique_ptr<TObject>> objects;

    private:
        TDrawingtool& tool;
        TKeepNew* previous;
    };

    std::vector<std::unique_ptr<TObject>> held;

private:
    TKeepNew* keeping = nullptr;
};
