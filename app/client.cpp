#include "app/client.h"

#include "app/child.h"
#include "app/drawingfiles.h"
#include "app/families/dimensionfamily.h"
#include "app/families/windowfamily.h"
#include "app/newfloor.h"
#include "app/toolfamily.h"
#include "app/printcommands.h"
#include "tools/toolkinds.h"
#include "dialogs/aboutdlg.h"
#include "dialogs/areadlg.h"
#include "dialogs/displandlg.h"
#include "dialogs/newdlg.h"
#include "dialogs/overdlg.h"
#include "dialogs/title2ddlg.h"
#include "model/drawingstate.h"
#include "model/infoobj.h"
#include "model/list.h"
#include "model/planpainter.h"
#include "model/programdirectory.h"
#include "model/selectionlist.h"
#include "model/settingsfile.h"
#include "model/settingsrecords.h"
#include "model/startingdrawing.h"
#include "model/drawingedit.h"
#include "model/typecodes.h"
#include "resources/menus.h"
#include "rooms/designroomfinish.h"
#include "tools/floorarea.h"
#include "tools/lineobjtool.h"

#include <algorithm>

namespace {

const char* const PICK_TOOL_NAME = "Pick Tool";
const char* const PICK_TOOL_PROMPT = "Select a function or drawing tool";

}  // namespace

TClient::TClient(FrameHost& frame) : frame(frame)
{
    if (State().programDirectory.empty())
        State().programDirectory = ExecutableDirectory();
    // Every file the program cannot write is reported here, whoever wrote it.
    State().reportWriteFailure = [this](const std::string& message) {
        MessageBox(message, ApplicationName, MB_OK | MB_ICONEXCLAMATION);
    };
    ReadColours();
    LoadTextSettings();
    // The internal-wall tool finishes design rooms through the rooms module.
    InstallDesignRoomFinish();
    // The initial tool; the status texts wait for the frame's opening prompt.
    auto tool = std::make_unique<TLineobjtool>();
    tool->kind = KIND_PICK;
    currentTool = std::move(tool);
}

TClient::~TClient()
{
    // The windows go before the tool they might still refer to.
    children.clear();
    active = nullptr;
    State().reportWriteFailure = nullptr;
}

DialogRunner& TClient::Runner()
{
    return frame.Runner();
}

bool TClient::IsCommandEnabled(int id)
{
    return FindCommand(id) != nullptr;
}

void TClient::Help()
{
    Runner().Help(helpContext);
}

// Tools

bool TClient::InstallTool(std::unique_ptr<TDrawingtool> tool, const TToolFamily& family)
{
    // A tool kept over a zoom goes with the zoom: back first, so that its own family takes its
    // feedback off and what it holds is settled as the current tool's.
    if (kept.tool && !RestoreKeptTool())
        return false;
    if (!SettleForNewTool())
        return false;
    if (currentTool && active)
        Family().Leaving(*active);
    currentTool = std::move(tool);
    currentFamily = &family;
    return true;
}

bool TClient::InstallToolKeepingCurrent(std::unique_ptr<TDrawingtool> tool, const TToolFamily& family)
{
    if (kept.tool) {
        // Only the tool installed for a while goes; the tool to return to stays the one kept.
        if (!SettleToolForAWhile())
            return false;
        if (active)
            Family().Leaving(*active);
        currentTool = std::move(tool);
        currentFamily = &family;
        return true;
    }
    // The tool kept stays whole, its feedback on the screen (every repaint draws it again) and a
    // move not locked in the list.
    kept = TKeptTool{std::move(currentTool), currentFamily, helpContext, toolName, prompt};
    currentTool = std::move(tool);
    currentFamily = &family;
    return true;
}

bool TClient::RestoreKeptTool()
{
    if (!kept.tool)
        return SetPickTool();
    if (!SettleToolForAWhile())
        return false;
    TKeptTool back = std::move(kept);
    kept = TKeptTool{};
    if (currentTool && active)
        Family().Leaving(*active);
    currentTool = std::move(back.tool);
    currentFamily = back.family;
    helpContext = back.helpContext;
    SetToolName(back.toolName);
    SetPrompt(back.prompt);
    return true;
}

bool TClient::InstallTool(std::unique_ptr<TDrawingtool> tool)
{
    const TKindRow* row = tool ? FindKind(tool->kind) : nullptr;
    const TToolFamily& family = row && row->family ? *row->family : PlainFamily();
    return InstallTool(std::move(tool), family);
}

const TToolFamily& TClient::Family() const
{
    return currentFamily ? *currentFamily : PlainFamily();
}

bool TClient::SetPickTool()
{
    auto tool = std::make_unique<TLineobjtool>();
    tool->kind = KIND_PICK;
    if (!InstallTool(std::move(tool), PlainFamily()))
        return false;
    helpContext = HELP_PICK_TOOL;
    SetToolName(PICK_TOOL_NAME);
    SetPrompt(PICK_TOOL_PROMPT);
    return true;
}

bool TClient::SetToolForKind(int kind)
{
    const TKindRow* row = FindKind(kind);
    if (!row || !row->make) {
        // No tool is built for this kind: the pick tool instead.
        return SetPickTool();
    }
    std::unique_ptr<TDrawingtool> tool = row->make();
    tool->kind = kind;
    return InstallTool(std::move(tool), row->family ? *row->family : PlainFamily());
}

// Status texts

void TClient::SetPrompt(const std::string& text)
{
    prompt = text;
    frame.SetPrompt(text);
}

void TClient::SetToolName(const std::string& text)
{
    toolName = text;
    frame.SetToolName(text);
}

void TClient::SetDistance(const std::string& text)
{
    distance = text;
    frame.SetDistance(text);
}

// Windows

TChild* TClient::ActiveChild() const
{
    return active;
}

TToolSite* TClient::Window()
{
    return active;
}

TChild& TClient::CreateChild()
{
    auto child = std::make_unique<TChild>(*this);
    TChild& made = *child;
    children.push_back(std::move(child));
    active = &made;
    made.AttachHost(frame.CreateWindowHost(made));
    return made;
}

bool TClient::SaveOpenDrawing()
{
    // Storing a figure writes the file: it is written once either way, and a failure told once.
    // A move not locked with Enter is not saved.
    DropPendingMove();
    const THeldStore held = StoreHeld();
    if (held == THeldStore::NotWritten)
        return false;
    TDrawingState& state = State();
    // A drawing whose file could not be read is left as it is, and its refusal not told again.
    if (held == THeldStore::NothingHeld && active && state.objects.count() > 0 && IsPlanFloor(state.currentFloor)
        && !state.objects.DrawingUnreadable())
        return state.objects.WriteDrawing();
    return true;
}

void TClient::SaveAndCloseAll()
{
    // A figure the file could not take has been told once: it goes with its drawing.
    if (!SaveOpenDrawing())
        TakeBackHeldFigure();
    CloseAll();
}

void TClient::CloseAll()
{
    // A figure in progress goes with its drawing: stored, or told and dropped, never stored later
    // in another drawing.
    if (StoreHeld() == THeldStore::NotWritten)
        TakeBackHeldFigure();
    children.clear();
    active = nullptr;
    TDrawingState& state = State();
    state.objects.Clear();
    state.drawingState = 1;
}

void TClient::CloseChild(TChild* child)
{
    auto it = std::find_if(children.begin(), children.end(), [child](const auto& c) { return c.get() == child; });
    if (it == children.end())
        return;
    if (children.size() == 1) {
        // The last view of the drawing: saved as File/New saves it, then nothing is open.
        SaveAndCloseAll();
        SetPickTool();
        return;
    }
    std::unique_ptr<TChild> closing = std::move(*it);
    children.erase(it);
    if (active == child)
        active = children.back().get();
}

void TClient::ActivateChild(TChild* child)
{
    for (const auto& c : children)
        if (c.get() == child)
            active = child;
}

bool TClient::DrawingOpen() const
{
    return active && State().drawingState > 1;
}

bool TClient::InPlanView() const
{
    return DrawingOpen() && IsPlanFloor(State().currentFloor);
}

// File commands

void TClient::CmFileNew()
{
    // The open drawing stays as it is until the new one is certain, a figure in progress held: it
    // is saved, in its own unit system (the dialog changes the one in force), and closed only once
    // a name is chosen and confirmed.
    TDrawingState& state = State();
    const int openUnits = state.unitSystem;
    TNewdlg dialog(this, 2024);
    const std::string name = dialog.Execute() == IDOK ? dialog.clientName : std::string();
    // Only a name the dialog's filter allows ever becomes a file name. A place the new drawing
    // cannot be written to is told before anything is asked or written.
    const std::string refusal = IsDrawingName(name) ? DrawingPlaceRefusal(name) : std::string();
    if (!refusal.empty())
        MessageBox("The drawing " + name + " cannot be made: " + refusal + "." +
                       (DrawingOpen() ? " " + state.drawingName + " is still open." : std::string()),
                   "NEW", MB_OK | MB_ICONEXCLAMATION);
    if (!IsDrawingName(name) || !refusal.empty() || !ConfirmReplace(*this, name)) {
        if (DrawingOpen())
            state.unitSystem = openUnits;
        return;
    }
    const int newUnits = state.unitSystem;
    if (DrawingOpen())
        state.unitSystem = openUnits;
    // A drawing or figure the file could not take has been told: the open drawing stays, nothing
    // more is written.
    if (!SaveOpenDrawing())
        return;
    CloseAll();
    state.unitSystem = newUnits;
    BuildNewDrawing(name);
}

void TClient::ResetDrawingState(const std::string& name)
{
    TDrawingState& state = State();
    state.drawingName = name;
    state.currentFloor = GROUND_FLOOR;
    state.unitsPerLogical = 5;
    state.unitsPerLogicalF = 5.0;
    // A new drawing counts its actions from 0; an opened one from its file's counter.
    state.groupIdCounter = 0;
    state.displayMode = 0;
    // The selection list's indices belong to the drawing that was open.
    ClearCopyList();
}

void TClient::BuildNewDrawing(const std::string& name)
{
    TDrawingState& state = State();
    ResetDrawingState(name);
    TChild& child = CreateChild();

    // The new drawing holds only the four floor records.
    TList& objects = state.objects;
    objects.Clear();
    objects.ClearLoadFailure();
    TDrawingEdit edit(objects);
    AddStartingRecords(edit, state.unitSystem);
    if (!edit.Commit()) {
        // No drawing to work on: nothing drawn could ever be stored (the failure has been told).
        CloseAll();
        state.drawingName.clear();
        return;
    }
    RemoveOtherCaseFiles(name);

    child.SetUpNewView();
    child.UpdateCaption();
    child.Refresh(0);
    // A new drawing starts with its external walls.
    TLinetool::ResetKeyEntryState();
    Command(CM_EXTWALL);
}

void TClient::CmFileOpen()
{
    std::vector<std::string> names = DrawingNames();
    std::string chosen;
    if (!frame.ChooseDrawing(names, chosen))
        return;
    // A figure in progress is stored first: the drawing read then holds it when it is this one.
    if (!StoreHeldFigure())
        return;
    OpenDrawing(chosen);
}

bool TClient::OpenDrawing(const std::string& name, bool saveOpen)
{
    // The file keeps its own case.
    const std::string stem = IsDrawingName(name) ? OpenableDrawingName(name) : std::string();
    if (stem.empty()) {
        MessageBox("Cannot open the drawing " + name, ApplicationName, MB_OK | MB_ICONEXCLAMATION);
        return false;
    }

    // The drawing is read before the open one goes: one that cannot be read leaves it as it was.
    const std::string path = DwgsPath(stem + ".DB0");
    // Every change is written to the file at once: a drawing that may not be written is not opened
    // (writing it would replace the file and make it writable).
    if (IsReadOnlyFile(path)) {
        MessageBox("The drawing file " + path + " is read-only and cannot be opened: make it writable first",
                   ApplicationName, MB_OK | MB_ICONEXCLAMATION);
        return false;
    }
    TLoadedDrawing drawing;
    const TLoadResult loaded = TList::ReadDrawingFile(path, drawing);
    if (!loaded.ok) {
        MessageBox(loaded.message, ApplicationName, MB_OK | MB_ICONEXCLAMATION);
        return false;
    }
    // The open drawing is saved first; one that could not be written (told) stays open.
    if (saveOpen && !SaveOpenDrawing())
        return false;
    CloseAll();
    ResetDrawingState(stem);
    State().objects.Adopt(path, std::move(drawing));
    State().drawingState = 2;

    TChild& child = CreateChild();
    child.SetUpNewView();
    child.UpdateCaption();
    // Keyboard entry starts afresh: a wall end of another drawing means nothing here.
    TLinetool::ResetKeyEntryState();
    SetPickTool();
    // The window shows the drawing now, painted from the reading above: the file is parsed once.
    // Every later repaint reads it again.
    const TList::TRepaintFromList fromReading(State().objects);
    child.Refresh(9);
    return true;
}

void TClient::CmFileSaveAs()
{
    if (active)
        active->SaveAs();
    else
        MessageBox(NO_DRAWING_OPEN, "SAVE AS", MB_OK | MB_ICONEXCLAMATION);
}

void TClient::CmRotateMirror()
{
    if (active)
        active->RotateMirrorDrawings();
}

void TClient::CmPrint()
{
    PrintPlans(*this);
}

void TClient::CmExportBitmap()
{
    if (!active)
        MessageBox(NO_DRAWING_OPEN, "EXPORT BITMAP", MB_OK | MB_ICONEXCLAMATION);
    else
        active->ExportBitmap();
}

void TClient::CmPrinterSetup()
{
    frame.PrinterSetup();
}

void TClient::CmExit()
{
    SaveAndCloseAll();
    frame.Exit();
}

// Edit

void TClient::CmUndo()
{
    if (active)
        active->Undo();
}

// View

void TClient::ShowFloor(int floorCode)
{
    if (!DrawingOpen())
        return;
    TDrawingState& state = State();
    state.currentFloor = floorCode;
    active->SetDatumMode(DATUM_OFF);
    active->UpdateCaption();
    SetPickTool();
    active->Refresh(0);
}

void TClient::CmGroundFloor()
{
    ShowFloor(GROUND_FLOOR);
}

void TClient::CmFirstFloor()
{
    ShowFloor(FIRST_FLOOR);
    if (DrawingOpen())
        OfferOutlineOfFloorBelow(*active);
}

void TClient::CmSecondFloor()
{
    ShowFloor(SECOND_FLOOR);
    if (DrawingOpen())
        OfferOutlineOfFloorBelow(*active);
}

void TClient::CmShowOverlays()
{
    if (!DrawingOpen())
        return;
    TOverdlg dialog(this, 5200);
    if (dialog.Execute() != IDOK || !StoreHeldFigure())
        return;
    // The highest floor shown becomes the working floor.
    const TOverlayFloors floors = ReadOverlayFloors();
    for (int floorCode : {SECOND_FLOOR, FIRST_FLOOR, GROUND_FLOOR, FOURTH_LEVEL}) {
        if (floors.Shows(floorCode)) {
            ShowFloor(floorCode);
            return;
        }
    }
    active->Refresh(0);
}

void TClient::CmDisplayMode()
{
    if (!DrawingOpen())
        return;
    TDisplandlg dialog(this, 18500);
    if (dialog.Execute() == IDOK && StoreHeldFigure())
        active->Refresh(0);
}

// The floor-area read-out: works out the area of the floor in view, keeps it in the floor's
// record and shows the areas of every floor.
void TClient::CmFloorArea()
{
    if (!DrawingOpen())
        return;
    TDrawingState& state = State();
    TList& objects = state.objects;
    const int recordType = FloorRecordType(state.currentFloor);
    const std::optional<int> found = objects.FindByType(recordType);
    if (found && IsFloorRecordType(recordType)) {
        const int record = *found;
        // A floor without walls to measure keeps the area it had.
        objects.SetFloorArea(static_cast<const TInfoobj&>(*objects[record]).infoValue);
        ComputeFloorArea(*currentTool);
        if (static_cast<const TInfoobj&>(*objects[record]).infoValue != objects.GetFloorArea()) {
            TDrawingEdit edit(objects);
            static_cast<TInfoobj&>(edit.Modify(record)).infoValue = objects.GetFloorArea();
            edit.Commit();
        }
    }
    TAreadlg dialog(this, 17000);
    dialog.Execute();
}

// Zoom

void TClient::CmNormalSize()
{
    if (!DrawingOpen()) {
        MessageBox(NO_DRAWING_OPEN, "NORMAL SIZE", MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    active->NormalSize();
}

// Customise and Help

void TClient::CmDefaultDoors()
{
    RunDefaultDoors(*this);
}

void TClient::CmDefaultDimensions()
{
    RunDimensionSettings(*this);
}

void TClient::CmCalibratePrinter()
{
    CalibratePrinter(*this);
}

void TClient::CmFloorPlanTitles()
{
    TTitle2Ddlg dialog(this, 20000);
    dialog.Execute();
}

void TClient::CmAbout()
{
    TAboutdlg dialog(this, 9030);
    dialog.Execute();
}

void TClient::ReadColours()
{
    const TColourSettings colours = ReadSettings<TColourSettings>();
    TDrawingState& state = State();
    state.currentFillColour = TColor(colours.background);
    state.currentColour = TColor(colours.pen);
    state.highlightColour = TColor(colours.highlight);
}
