#pragma once
// The drawing window: one view of the open drawing. It paints the floor in view from the drawing
// file into its backing image, scrolls and zooms, keeps the datum and the cursor-distance read-out,
// undoes the last objects drawn, and feeds every mouse and keyboard event to the current tool with
// a canvas made for that one event.
//
// TChild is plain C++: it reaches its window through a WindowHost (the Qt drawing widget, or the
// headless host of the tests).
#include "app/windowhost.h"
#include "platform/geometry.h"
#include "platform/window.h"
#include "tools/toolwindow.h"

#include <memory>
#include <string>

class Canvas;
class TClient;
class TDrawingtool;

// Virtual-key codes the window handles itself.
constexpr int VK_PRIOR = 33;  // Page Up
constexpr int VK_NEXT = 34;   // Page Down
constexpr int VK_END = 35;
constexpr int VK_HOME = 36;
constexpr int VK_F1 = 112;

// The key that switches angled input on and off.
constexpr int VK_ANGLED_INPUT = 'A';
// markX while angled input is on: the arrow keys then only move the cursor.
constexpr int ANGLED_INPUT_ON = 50;

// The line tool's prompt, shown when it is chosen and after each line typed.
inline constexpr char LINE_PROMPT[] = "ENTER start of line, then arrow key direction, OR press LeftButton & DRAG";

// Datum modes.
constexpr int DATUM_OFF = 1;
constexpr int DATUM_REQUESTED = 2;
constexpr int DATUM_SET = 3;
constexpr int DATUM_SET_ANGLE = 4;

class TChild : public TWindow, public TToolWindow {
public:
    explicit TChild(TClient& client);
    ~TChild() override;
    TChild(const TChild&) = delete;
    TChild& operator=(const TChild&) = delete;

    // The window this drawing window lives in; set once, right after construction.
    void AttachHost(std::unique_ptr<WindowHost> host);
    WindowHost& Host() const { return *host; }
    TClient& Client() const { return client; }
    TRect ClientRect() const;

    // TWindow: the dialogs this window opens run through the frame's runner.
    DialogRunner& Runner() override;

    // TToolWindow: the window's own cursor, client coordinates.
    TPoint GetCursorPos() const override;
    void SetCursorPos(TPoint clientDevice) override;

    // The datum: 1 off, 2 requested (the next click sets it), 3 set, 4 set with angle read-out.
    int datumMode = DATUM_OFF;
    int datumX = 0;  // model units
    int datumY = 0;
    // The angled-input toggle, 0 or 50, switched by the key 'A'.
    int markX = 0;

    // Painting. Paint renders the client area `area` into the backing image: the background, then,
    // while a drawing is open, the floor in view read afresh from the drawing file.
    void Paint(Canvas& dc, const TRect& area);
    // Repaints: 0 the whole window, 3 the library preview strip (left quarter, lower two thirds),
    // 9 the whole window at once, 15 the current tool's edit area.
    void Refresh(int mode);
    // Repaints a device area from the drawing file.
    void InvalidateArea(const TRect& device);

    // Event handlers; points are client device coordinates.
    void EvSize();
    void EvLButtonDown(TPoint point);
    void EvLButtonUp(TPoint point);
    void EvRButtonDown(TPoint point);
    void EvMouseMove(TPoint point);
    void EvKeyDown(int key);
    void EvChar(int character);

    // The view. A new or opened drawing shows the sheet's lower-left corner at normal size
    // (one logical unit per pixel) and remembers that view in CFG/ZOOM.CFG; the sheet size and
    // the scroll steps are read here.
    void SetUpNewView();
    // Zoom/Normal Size: back to the view remembered in CFG/ZOOM.CFG.
    void NormalSize();
    // After the view extents and origin changed (zoom rectangle): repaint and resync scroll bars.
    void ApplyView();

    // Scrolling, in logical units. The range is the sheet (and the part of the view outside it).
    struct TScrollInfo {
        int minX = 0, maxX = 0, pageX = 0, lineX = 0;
        int minY = 0, maxY = 0, pageY = 0, lineY = 0;
    };
    TScrollInfo ScrollInfo() const;
    // Moves the view origin; clamped to the scroll range.
    void ScrollTo(int orgX, int orgY);
    void ScrollBy(int dx, int dy);

    // Edit/Undo: removes the last object drawn on the floor in view (never an external wall or a
    // floor record), at most three in a row.
    void Undo();
    // File/Save As.
    void SaveAs();
    // File/Export Bitmap: the window's image as DWGS/<name>.BMP, 24 bits per pixel.
    bool ExportBitmap();
    // The line-text dialog of the Line + Text tool (kind 8).
    void RunLineDialog(int kind);
    // The measurement prompt of a tool in step 21: the length, proposed from the tool's current
    // one, becomes the tool's length and the tool goes on to step 22; a cancel or a length below 1
    // installs the pick tool.
    void InputMeasurement();
    // 8: the number of lines of Draw Multilines, into the current tool's libraryFlag.
    void RunMultilineOrStairsDialog(int kind);
    // 4: the wall type and side dialogs before new external walls; they write the external-wall
    // settings file that the wall tool reads.
    void RunPlanDialog(int kind);

    void SetDatumMode(int mode);
    // The caption: the drawing name and the floor's suffix (.PLN, .PL1, .PL2).
    std::string Caption() const;
    void UpdateCaption();

    // The model point under a client device point, and the device point of a model point.
    TPoint ModelPointOf(TPoint device) const;
    TPoint DevicePointOf(TPoint model) const;

private:
    TClient& client;
    std::unique_ptr<WindowHost> host;
    // Undo: how many objects were taken back in a row, and the list as the last undo left it.
    int undoCount = 0;
    int undoObjectCount = -1;
    int undoGroupCounter = -1;
    std::string undoLastObject;  // the last object the last undo left, as dumped
    // A drawing file that failed to load is reported once, not at every repaint.
    bool loadFailureReported = false;
    // The client size the view extents were last fitted to.
    TRect lastClient;
    // The scroll bars' line steps, logical units, read when the view is set up.
    int scrollLineX = 1;
    int scrollLineY = 1;

    TDrawingtool& Tool() const;
    // Runs fn(dc, clientRect) on the current tool with a canvas for this one event.
    template <typename Fn>
    void WithToolCanvas(Fn&& fn);
    void ShowDistance(TPoint device);
    bool HandleScrollKey(int key);
    // The keys of the line tool and of the external-wall tool.
    void LineKey(int key);
    void ExternalWallKey(int key);
    // Asks a length typed for an arrow key: metric an input box (millimetres) with the proposal as
    // its text, imperial the feet-and-inches dialog. False when cancelled or outside 1..32766.
    bool AskLength(const std::string& title, const std::string& prompt, int proposal, int& length);
    // A cancelled or refused length: the window is repainted and the pick tool installed.
    void AbandonTool();
    // Erases the multiline's rubber band while it is on the screen.
    void EraseRubberBand();
};
