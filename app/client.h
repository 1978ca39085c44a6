#pragma once
// The MDI client: the command table of every menu and toolbar command, the current tool, the
// drawing windows, and the commands that act on the drawing as a whole (new, open, save as, the
// floor views, zoom, bitmap export, the customise and help dialogs).
//
// TClient is plain C++; it reaches the frame through a FrameHost.
#include "app/framehost.h"
#include "platform/window.h"

#include <memory>
#include <string>
#include <vector>

class TChild;
class TDrawingtool;

// Help contexts the client sets itself.
constexpr int HELP_PICK_TOOL = 500;
constexpr int HELP_WALLS = 250;  // walls and typed lengths; also the line tools

// The prompt the frame opens with.
inline constexpr char OPENING_PROMPT[] = "Press FILE/NEW or FILE/OPEN";

class TClient : public TWindow {
public:
    explicit TClient(FrameHost& frame);
    ~TClient() override;
    TClient(const TClient&) = delete;
    TClient& operator=(const TClient&) = delete;

    FrameHost& Frame() const { return frame; }
    DialogRunner& Runner() override;

    // The command table: a command id and its handler. A command without an entry is shown
    // disabled.
    struct TCommandEntry {
        int id;
        void (TClient::*handler)();
        bool needsPlanView;  // tool and edit commands: refused without an open drawing in a plan view
    };
    static const std::vector<TCommandEntry>& CommandTable();
    static bool IsCommandEnabled(int id);
    // Runs a command; false when it is not enabled.
    bool Command(int id);
    // F1: help for the current tool.
    void Help();

    // The current tool, which receives the drawing window's input.
    std::unique_ptr<TDrawingtool> currentTool;
    // The help context of the current tool, for F1.
    int helpContext = HELP_PICK_TOOL;
    // The kind of the tool that was current before a zoom rectangle was started.
    int savedToolKind = 21;

    // Installs the pick tool: help context 500, "Pick Tool", "Select a function or drawing tool".
    void SetPickTool();
    // Installs the tool that belongs to an object type code, with that kind.
    void SetToolForKind(int kind);
    // Deletes the current tool and installs this one.
    void InstallTool(std::unique_ptr<TDrawingtool> tool);

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
    // Saves the drawing when it holds objects and a plan floor is in view, then closes every
    // drawing window.
    void SaveAndCloseAll();
    // Closes one drawing window (the user closed it).
    void CloseChild(TChild* child);
    // Makes a window the active one (the user activated it).
    void ActivateChild(TChild* child);
    // True while a drawing is open (in a window).
    bool DrawingOpen() const;
    // True while a drawing is open and a floor plan is in view.
    bool InPlanView() const;

    // File/Open after the choice: opens DWGS/<name>.DB0 in a new window. False (with a message)
    // when it cannot be read.
    bool OpenDrawing(const std::string& name);

    // Command handlers.
    void CmFileNew();
    void CmFileOpen();
    void CmFileSaveAs();
    void CmExportBitmap();
    void CmPrinterSetup();
    void CmExit();
    void CmUndo();
    void CmLine();
    void CmMultiline();
    void CmCentre();
    void CmCentreCentre();
    void CmExtWall();
    void CmGroundFloor();
    void CmFirstFloor();
    void CmSecondFloor();
    void CmShowOverlays();
    void CmDisplayMode();
    void CmFloorArea();
    void CmNormalSize();
    void CmFloorPlanTitles();
    void CmAbout();

    // Prints the floors of the print list CFG/PRNTLST.CFG (what File/Print does once its dialog
    // has written the list) with the line weight (1..3) and scale caption chosen. Returns the pages
    // printed.
    int PrintFloors(int lineWeight, bool showScale);

    // Shows the floor with this code (50..52) in the active window.
    void ShowFloor(int floorCode);
    // The three default colours of CFG/CLR.CFG: background, pen, highlight.
    static void ReadColours();

private:
    FrameHost& frame;
    std::vector<std::unique_ptr<TChild>> children;
    TChild* active = nullptr;
    std::string prompt;
    std::string toolName;
    std::string distance;

    // Closes every drawing window without saving; nothing is open afterwards.
    void CloseAll();
    // The drawing state of a drawing just opened or begun: its name, the ground floor in view at
    // normal size, single-floor display, the action counter at 0.
    void ResetDrawingState(const std::string& name);
    // A new drawing in the unit system now set: the drawing state reset, a window, a drawing file
    // holding the four floor records, the view at the sheet's lower-left corner; then the
    // external-wall tool with its dialogs.
    void BuildNewDrawing(const std::string& name);
    // Installs a line tool of kind 1 with the current pen width.
    void InstallLineTool(int step);
};
