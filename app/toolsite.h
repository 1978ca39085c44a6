#pragma once
// What the window side of a tool family sees of the drawing window and the client: the current
// tool, a canvas for one call into it, the window's cursor, typed lengths, repaints, status texts,
// the datum and the choice of the next tool. The drawing window (TChild) implements it; family
// code never includes the window itself, so its includes point one way.
#include "model/modelbox.h"
#include "platform/geometry.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>

class Canvas;
class TDrawingtool;
class TToolFamily;
class TWindow;

// Datum modes: off, requested (the next click sets it), set, set with the angle read-out.
constexpr int DATUM_OFF = 1;
constexpr int DATUM_REQUESTED = 2;
constexpr int DATUM_SET = 3;
constexpr int DATUM_SET_ANGLE = 4;

class TToolSite {
public:
    virtual ~TToolSite();

    // The current tool, which receives the window's input.
    virtual TDrawingtool& Tool() = 0;
    // Calls fn(tool, dc, clientRect) on the current tool with a canvas made for this one call;
    // the window stores itself in the tool first.
    using ToolCall = std::function<void(TDrawingtool& tool, Canvas& dc, const TRect& clientRect)>;
    virtual void CallTool(const ToolCall& fn) = 0;

    // The parent of the dialogs and message boxes a family opens.
    virtual TWindow& DialogParent() = 0;
    // Shows a message box (exclamation icon, OK) over the window.
    virtual void Message(const std::string& text, const std::string& title) = 0;

    // The client rectangle and the window's own cursor (client device coordinates).
    virtual TRect ClientRect() const = 0;
    virtual TPoint Cursor() const = 0;
    virtual void SetCursor(TPoint device) = 0;
    // The model point under a device point, and back.
    virtual TPoint ModelPointOf(TPoint device) const = 0;
    virtual TPoint DevicePointOf(TPoint model) const = 0;

    // Asks a length typed for an arrow key: metric an input box (millimetres) holding the proposal
    // (empty without one), imperial the feet-and-inches dialog. False when cancelled or outside
    // 1..32766.
    virtual bool AskLength(const std::string& title, const std::string& prompt, std::optional<int> proposal,
                           int& length) = 0;

    // Repaints from the drawing file: Refresh's modes (0 the whole window, 3 the library preview
    // strip, 9 the whole window at once, 15 the tool's edit area), a device area, a model area.
    virtual void Refresh(int mode) = 0;
    virtual void InvalidateArea(const TRect& device) = 0;
    virtual void InvalidateModelArea(const TModelBox& area) = 0;
    // Repaints every area marked so far, now, rather than once the event is handled.
    virtual void RepaintNow() = 0;
    // Reads the list back from the drawing file, dropping a change of it the file does not hold (a
    // move not locked). A file that cannot be read is told here, once (the repaints after say it no
    // more), and leaves the list empty rather than holding the change. False then.
    virtual bool ReadListBack() = 0;

    // Status texts and the help context of F1.
    virtual void SetPrompt(const std::string& text) = 0;
    virtual void SetToolName(const std::string& text) = 0;
    // The text the tool gadget shows.
    virtual std::string ToolName() const = 0;
    virtual void SetDistance(const std::string& text) = 0;
    virtual void SetHelpContext(int context) = 0;

    // The datum: mode 1 off, 2 requested, 3 set, 4 set with the angle read-out.
    virtual int DatumMode() const = 0;
    virtual void SetDatumMode(int mode) = 0;
    virtual void SetDatum(int mode, TPoint model) = 0;
    // The angled-input toggle: 0, or 50 while the arrows only move the cursor.
    virtual int MarkX() const = 0;

    // The view: after its extents or origin changed (a zoom rectangle), repaint and resync the
    // scroll bars.
    virtual void ApplyView() = 0;
    // A zoomed view moved with the whole plan, which a command has just moved by (dx, dy) model
    // units, so that the plan stays where it was in the window (within the sheet, as a scroll).
    virtual void MoveViewWithPlan(std::int64_t dx, std::int64_t dy) = 0;

    // The next tool: the pick tool; the tool that belongs to a kind; a tool made here. The tools
    // going are settled where they are replaced (a move not locked dropped, a figure held stored):
    // false, with the tool that held a figure the file could not take still current (told), and
    // the new tool not installed.
    virtual bool SetPickTool() = 0;
    virtual bool SetToolForKind(int kind) = 0;
    virtual bool InstallTool(std::unique_ptr<TDrawingtool> tool, const TToolFamily& family) = 0;
    // Installs a tool for a while (the zoom rectangle), keeping the current one whole; puts the
    // kept one back as it was (the pick tool when none is kept). A tool kept already stays the one
    // kept; only the tool installed for a while is replaced.
    virtual bool InstallToolKeepingCurrent(std::unique_ptr<TDrawingtool> tool, const TToolFamily& family) = 0;
    virtual bool RestoreKeptTool() = 0;
    // A cancelled or refused input: the window is repainted and the pick tool installed.
    virtual void AbandonTool() = 0;
};
