#pragma once
// The MDI client: the command table of every menu and toolbar command, the current tool, the
// drawing windows, and the commands that act on the drawing as a whole (new, open, save as, the
// floor views, zoom, bitmap export, the customise and help dialogs).
//
// TClient is plain C++; it reaches the frame through a FrameHost.
#include "app/commandtable.h"
#include "app/framehost.h"
#include "platform/window.h"

#include <memory>
#include <string>
#include <vector>

class Canvas;
struct TRect;
class TChild;
class TDrawingtool;
class TToolFamily;
struct TPrintFloor;

// Help contexts the client sets itself.
constexpr int HELP_PICK_TOOL = 500;
constexpr int HELP_WALLS = 250;  // walls and typed lengths; also the line tools

// The prompt the frame opens with.
inline constexpr char OPENING_PROMPT[] = "Press FILE/NEW or FILE/OPEN";

class TClient : public TWindow, public TCommandContext {
public:
    explicit TClient(FrameHost& frame);
    ~TClient() override;
    TClient(const TClient&) = delete;
    TClient& operator=(const TClient&) = delete;

    FrameHost& Frame() const { return frame; }
    DialogRunner& Runner() override;

    // The command table (commandtable.h): every command with a row is enabled; one without is shown
    // disabled.
    static const std::vector<TCommandRow>& CommandTable() { return ::CommandTable(); }
    static bool IsCommandEnabled(int id);
    // Runs a command: refused with a message when it needs a plan view and none is shown; then a
    // figure the tool holds is settled as the command's row says (stored first, kept, or taken
    // back by Undo; a store that could not be written, told once, runs nothing more); a tool
    // command installs its tool with its kind, step, name, prompt and help context; then the
    // command's own handler or routine runs. False when the command is not enabled.
    bool Command(int id);
    // F1: help for the current tool.
    void Help();

    // The current tool, which receives the drawing window's input (the tool itself changes as its
    // events go; it is replaced only through the calls below), and the family whose window side
    // drives it.
    TDrawingtool* CurrentTool() const { return currentTool.get(); }
    const TToolFamily* currentFamily = nullptr;
    // The help context of the current tool, for F1.
    int helpContext = HELP_PICK_TOOL;

    // The tools are replaced here only, and each tool going is settled here, whoever replaces it:
    // a move not locked dropped, a figure held stored (SettleForNewTool). When the file could not
    // take the figure (told), the tool that holds it stays current, the new one is not installed,
    // and these return false. Both tools are private to them.
    //
    // Installs the pick tool: help context 500, "Pick Tool", "Select a function or drawing tool".
    bool SetPickTool();
    // Installs the tool that belongs to an object type code, with that kind (the kind table); the
    // pick tool when no tool belongs to it.
    bool SetToolForKind(int kind);
    // Installs this tool, driven by this family; without a family, by the family of its kind. A
    // tool kept over a zoom comes back first and goes with the current one; the family of the
    // tool going takes its feedback off.
    bool InstallTool(std::unique_ptr<TDrawingtool> tool, const TToolFamily& family);
    bool InstallTool(std::unique_ptr<TDrawingtool> tool);
    // Installs a tool for a while (the zoom rectangle) and keeps the current one whole, with its
    // family, help context and status texts, to return to with RestoreKeptTool. While a tool is
    // kept, only the tool installed for a while is replaced: the one kept first stays kept.
    bool InstallToolKeepingCurrent(std::unique_ptr<TDrawingtool> tool, const TToolFamily& family);
    // Puts the kept tool back as it was, its feedback and a move not locked with it, in place of
    // the tool installed for a while; the pick tool when none is kept.
    bool RestoreKeptTool();
    // True while a tool is kept to return to.
    bool HasKeptTool() const { return kept.tool != nullptr; }
    const TDrawingtool* KeptTool() const { return kept.tool.get(); }
    // TCommandContext: a figure drawn and not finished, held by the current tool or the one kept.
    bool HoldsFigure() const override;
    bool StoreHeldFigure(int before = -1) override;
    // Edit/Undo while a figure is held: the figure in progress is taken back (its tool starts it
    // again) and the window repainted without it. False when nothing is held.
    bool TakeBackHeldFigure();
    // True while the current or the kept tool has moved or turned the selection in the list and
    // not locked it with Enter.
    bool PendingMove() const;
    // Drops such a move: the list is read back from the file and the window repainted where it
    // was (a kept tool comes back from the zoom first).
    void DropPendingMove();
    // The current and the kept tool are given up as a tool command gives them up: a move not locked
    // dropped, a figure held stored. False when the figure could not be stored (told; still held).
    bool SettleForNewTool();
    // What a repaint of a window asks of the tools working in it: whether the list holds a change
    // of theirs (then it is painted as it stands), a notice before it paints (Repainting), the
    // figures they hold and the feedback they show, drawn again over the floor.
    bool PaintsFromList(const TChild* window) const;
    void Repainting(const TChild* window);
    void DrawHeldFigures(Canvas& dc, const TRect& clientRect, const TChild* window) const;
    void DrawShownFeedback(Canvas& dc, const TRect& clientRect, const TChild* window) const;
    // The family of the current tool.
    const TToolFamily& Family() const;

    // Status texts. The client keeps them and shows them in the frame.
    void SetPrompt(const std::string& text);
    void SetToolName(const std::string& text);
    void SetDistance(const std::string& text);
    const std::string& Prompt() const { return prompt; }
    const std::string& ToolName() const { return toolName; }
    const std::string& Distance() const { return distance; }

    // Drawing windows.
    TChild* ActiveChild() const;
    const std::vector<std::unique_ptr<TChild>>& Children() const { return children; }
    // Creates a drawing window and makes it active.
    TChild& CreateChild();
    // Saves the drawing: a figure the tool holds is stored, which writes the file once; without one
    // the file is written when the drawing holds objects and a plan floor is in view. False when
    // either could not be written (told once; a figure is still held): the command that saves
    // goes no further. SaveAndCloseAll closes every drawing window all the same (Exit, the last
    // window closed): the file holds every change made but a figure it could not take, which the
    // box has said is not saved.
    bool SaveOpenDrawing();
    void SaveAndCloseAll();
    // Closes one drawing window (the user closed it).
    void CloseChild(TChild* child);
    // Makes a window the active one (the user activated it).
    void ActivateChild(TChild* child);
    // True while a drawing is open (in a window).
    bool DrawingOpen() const override;
    // True while a drawing is open and a floor plan is in view.
    bool InPlanView() const override;

    // TCommandContext
    TWindow& DialogParent() override { return *this; }
    TToolSite* Window() override;

    // File/Open after the choice: opens DWGS/<name>.DB0 in a new window, in place of the open
    // drawing, which is saved first unless its file already holds it (saveOpen false). False
    // (with a message) when it cannot be read, or the open drawing could not be saved (it stays
    // open).
    bool OpenDrawing(const std::string& name, bool saveOpen = true);

    // Command handlers.
    void CmFileNew();
    void CmFileOpen();
    void CmFileSaveAs();
    void CmRotateMirror();
    void CmExportBitmap();
    void CmPrint();
    void CmPrinterSetup();
    void CmExit();
    void CmUndo();
    void CmGroundFloor();
    void CmFirstFloor();
    void CmSecondFloor();
    void CmShowOverlays();
    void CmDisplayMode();
    void CmFloorArea();
    void CmNormalSize();
    void CmDefaultDoors();
    void CmDefaultDimensions();
    void CmFloorPlanTitles();
    void CmCalibratePrinter();
    void CmAbout();

    // Prints these floors of the open drawing (what File/Print does once its dialog has ended) with
    // the line weight (1..3) and scale caption chosen; returns the pages printed. A floor with
    // nothing drawn on it is not printed, and the user is told so, as is a drawing that cannot be
    // read.
    int PrintFloors(int lineWeight, bool showScale, const std::vector<TPrintFloor>& floors);

    // Shows the floor with this code (50..52) in the active window.
    void ShowFloor(int floorCode);
    // The three default colours of CFG/CLR.CFG: background, pen, highlight.
    static void ReadColours();

private:
    // Test programs reach in to replace a tool as no program path can (tests/app).
    friend struct TClientTestAccess;
    std::unique_ptr<TDrawingtool> currentTool;
    // The tool kept while another is installed for a while, and what showed with it.
    struct TKeptTool {
        std::unique_ptr<TDrawingtool> tool;
        const TToolFamily* family = nullptr;
        int helpContext = HELP_PICK_TOOL;
        std::string toolName;
        std::string prompt;
    };

    FrameHost& frame;
    TKeptTool kept;
    std::vector<std::unique_ptr<TChild>> children;
    TChild* active = nullptr;
    std::string prompt;
    std::string toolName;
    std::string distance;

    // Closes every drawing window without saving (but for a figure the tool holds, which is
    // stored first); nothing is open afterwards.
    void CloseAll();
    // What storing the held figures came to.
    enum class THeldStore { NothingHeld, Stored, NotWritten };
    // The tool installed for a while goes (the kept one stays): what it holds is settled as by
    // SettleForNewTool; false as there.
    bool SettleToolForAWhile();
    // Stores what one tool holds (TDrawingtool::StoreHeld) and has it start its figure again.
    THeldStore StoreHeldOf(TDrawingtool& tool, int before);
    // The one place a held figure is stored: the current tool's and the kept tool's, each once
    // (TDrawingtool::StoreHeld), ahead of the list's objects from `before` on; each tool then
    // starts its figure again. A failed write is told and the window repainted from the file.
    THeldStore StoreHeld(int before = -1);
    // A tool whose figure was stored or taken back from outside starts it afresh; its family says
    // so in the prompt (the kept tool's, once it is back).
    void RestartFigure(TDrawingtool& tool);
    // The drawing state of a drawing just opened or begun: its name, the ground floor in view at
    // normal size, single-floor display, the action counter at 0.
    void ResetDrawingState(const std::string& name);
    // A new drawing in the unit system now set: the drawing state reset, a window, a drawing file
    // holding the four floor records, the view at the sheet's lower-left corner; then the
    // external-wall tool with its dialogs.
    void BuildNewDrawing(const std::string& name);
};
