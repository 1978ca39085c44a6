#pragma once
// The drawing window: one view of the open drawing. It paints the floor in view from the drawing
// file into its backing image, scrolls and zooms, keeps the datum and the cursor-distance read-out,
// undoes the last objects drawn, and feeds every mouse and keyboard event to the current tool with
// a canvas made for that one event.
//
// TChild is plain C++: it reaches its window through a WindowHost (the Qt drawing widget, or the
// headless host of the tests).
#include "app/commandtable.h"
#include "app/toolsite.h"
#include "app/undo.h"
#include "app/windowview.h"
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

class TChild : public TWindow, public TToolWindow, public TToolSite {
public:
    explicit TChild(TClient& client);
    ~TChild() override;
    TChild(const TChild&) = delete;
    TChild& operator=(const TChild&) = delete;

    // The window this drawing window lives in; set once, right after construction.
    void AttachHost(std::unique_ptr<WindowHost> host);
    WindowHost& Host() const { return *host; }
    TClient& Client() const { return client; }
    TRect ClientRect() const override;

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
    void Refresh(int mode) override;
    // Repaints a device area, or the device area of a model box, from the drawing file.
    void InvalidateArea(const TRect& device) override;
    void InvalidateModelArea(const TModelBox& area) override;
    void RepaintNow() override { host->UpdateWindow(); }

    // Event handlers; points are client device coordinates. Each does the part every tool shares
    // and hands the rest to the family of the current tool.
    void EvSize();
    void EvLButtonDown(TPoint point);
    void EvLButtonUp(TPoint point);
    void EvRButtonDown(TPoint point);
    void EvMouseMove(TPoint point);
    void EvKeyDown(int key);
    void EvKeyUp(int key);
    void EvChar(int character);

    // The view. A new or opened drawing shows the sheet's lower-left corner at normal size
    // (one logical unit per pixel) and remembers that view in CFG/ZOOM.CFG; the sheet size and
    // the scroll steps are read here.
    void SetUpNewView();
    // Zoom/Normal Size: back to the view remembered in CFG/ZOOM.CFG.
    void NormalSize();
    // After the view extents and origin changed (zoom rectangle): repaint and resync scroll bars.
    void ApplyView() override;
    void MoveViewWithPlan(std::int64_t dx, std::int64_t dy) override
    {
        if (view.MoveWithPlan(dx, dy))
            host->ViewChanged();
    }

    // Scrolling, in logical units. The range is the sheet (and the part of the view outside it).
    using TScrollInfo = TWindowView::TScrollInfo;
    TScrollInfo ScrollInfo() const { return view.ScrollInfo(); }
    // Moves the view origin; clamped to the scroll range.
    void ScrollTo(int orgX, int orgY);
    void ScrollBy(int dx, int dy);

    // Edit/Undo: removes the last object drawn on the floor in view (never an external wall or a
    // floor record), at most three in a row.
    void Undo();
    // Edit/Paste: the paste buffer's objects added near the lower left of the view, then moved
    // with the move tool like a selection.
    void Paste();
    // Before a turn by other than a quarter turn: 1 (refused) when the move tool's selection holds
    // an arc, ellipse, rectangle or rounded rectangle, which a message has then said, or when
    // nothing is selected; 0 when the turn may go ahead.
    int CheckRotatableSelection();
    // File/Save As.
    void SaveAs();
    // File/Rotate/Mirror: the whole drawing turned or mirrored, in place or as a new drawing
    // (app/rotatemirror.h).
    void RotateMirrorDrawings();
    // File/Export Bitmap: the window's image as DWGS/<name>.BMP, 24 bits per pixel.
    bool ExportBitmap();
    // The dialog sequences the tools start, each chosen by a code and provided by a tool family
    // (commandtable.h): the plan dialogs (4 new external walls), the line dialogs (8 the line text
    // of Line + Text) and the multiline and stairs dialogs (8 Draw Multilines). A code no family
    // provides does nothing.
    void RunPlanDialog(int kind);
    void RunLineDialog(int kind);
    void RunMultilineOrStairsDialog(int kind);
    // The internal-door family's dialogs (app/families/doorfamily.h): a door tool's door dialog by
    // n (1 hinged, 2 double doors and panels, 3 an opening's width, 4 a sliding door), and the
    // choice of Doors-Other Internal.
    void StartInternalDoorOrOpening(int n);
    void StartMiscDoor();
    // Tools/Text: the text details dialog, then the text tool's alignment and direction.
    void StartText();
    // Tools/Line Style: the drawing tool style dialog, then the pen of the current tool.
    void RunLineStyleDialog();
    // The design-room family's steps (app/families/designroomfamily.h): a new design room from its
    // dialogs, the room of the free size measured at a click, and the repaint around an edited room.
    void NewDesignRoom();
    void PlaceDesignRoom();
    void DrawMergePreview();
    // The measurement prompt of a tool in step 21: the length, proposed from the tool's current
    // one, becomes the tool's length and the tool goes on to step 22; a cancel or a length below 1
    // installs the pick tool.
    void InputMeasurement();
    // The type change of a picked external wall: the wall type dialogs, the spacings kept in the
    // external-wall settings and handed to the current tool's Setup; false when cancelled.
    bool ReadExtWallConfig();
    // Repaints what the current tool's wall edit changed: mode 1 with the wall's new reference
    // line, mode 2 (a deleted wall) without.
    void InvalidateWallEdit(int mode);

    // TToolSite
    TDrawingtool& Tool() override;
    void CallTool(const ToolCall& fn) override;
    TWindow& DialogParent() override { return *this; }
    void Message(const std::string& text, const std::string& title) override;
    TPoint Cursor() const override { return GetCursorPos(); }
    void SetCursor(TPoint device) override { SetCursorPos(device); }
    bool AskLength(const std::string& title, const std::string& prompt, std::optional<int> proposal,
                   int& length) override;
    void SetPrompt(const std::string& text) override;
    void SetToolName(const std::string& text) override;
    std::string ToolName() const override;
    void SetDistance(const std::string& text) override;
    void SetHelpContext(int context) override;
    int DatumMode() const override { return datumMode; }
    void SetDatumMode(int mode) override;
    void SetDatum(int mode, TPoint model) override;
    int MarkX() const override { return markX; }
    bool SetPickTool() override;
    bool SetToolForKind(int kind) override;
    bool InstallTool(std::unique_ptr<TDrawingtool> tool, const TToolFamily& family) override;
    bool InstallToolKeepingCurrent(std::unique_ptr<TDrawingtool> tool, const TToolFamily& family) override;
    bool RestoreKeptTool() override;
    // A cancelled or refused input: the window is repainted and the pick tool installed.
    void AbandonTool() override;
    bool ReadListBack() override;

    // The caption: the drawing name and the floor's suffix (.PLN, .PL1, .PL2).
    std::string Caption() const;
    void UpdateCaption();

    // The model point under a client device point, and the device point of a model point.
    TPoint ModelPointOf(TPoint device) const override;
    TPoint DevicePointOf(TPoint model) const override;

private:
    TClient& client;
    std::unique_ptr<WindowHost> host;
    TUndo undo;
    TWindowView view;
    // A drawing file that failed to load is reported once, not at every repaint (nor at the
    // repaints after Undo told it).
    bool loadFailureReported = false;
    // The last button press was refused (its point beyond what the drawing file can store): its
    // release is dropped without a second message.
    bool pressRefused = false;

    void ShowDistance(TPoint device);
    bool HandleScrollKey(int key);
    // Runs a dialog sequence a family provides.
    void RunSequence(TDialogSequence sequence, int code);
};
