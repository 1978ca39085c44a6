#include "app/client.h"

#include "app/child.h"
#include "app/drawingfiles.h"
#include "app/hdprintout.h"
#include "app/printtarget.h"
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
#include "model/settingsfile.h"
#include "model/settingsformats.h"
#include "model/typecodes.h"
#include "resources/menus.h"
#include "tools/arcobjtool.h"
#include "tools/circleobjtool.h"
#include "tools/copyobjtool.h"
#include "tools/ellipseobjtool.h"
#include "tools/eraseobjtool.h"
#include "tools/floorarea.h"
#include "tools/lineobjtool.h"
#include "tools/moveobjtool.h"
#include "tools/rectangleobjtool.h"
#include "tools/rndrectobjtool.h"
#include "tools/textobjtool.h"
#include "walls/extwallobjtool.h"

#include <algorithm>

namespace {

const char* const PICK_TOOL_NAME = "Pick Tool";
const char* const PICK_TOOL_PROMPT = "Select a function or drawing tool";
const char* const PLAN_VIEW_REFUSAL = "You must be in a PLAN VIEW to use this function";
const char* const LINE_TOOL_NAME = "Line";
const char* const MULTILINE_TOOL_NAME = "Multiline";
const char* const CENTRE_PROMPT = "CENTRE - mark both endpoints with LEFT Button - cursor will move to centre";

// Storey heights of the four floor records of a new drawing.
constexpr int METRIC_STOREYS[4] = {2550, 2400, 2400, 2400};
constexpr int IMPERIAL_STOREYS[4] = {2328, 2304, 2304, 2304};

}  // namespace

TClient::TClient(FrameHost& frame) : frame(frame)
{
    if (State().programDirectory.empty())
        State().programDirectory = ExecutableDirectory();
    ReadColours();
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
}

DialogRunner& TClient::Runner()
{
    return frame.Runner();
}

const std::vector<TClient::TCommandEntry>& TClient::CommandTable()
{
    static const std::vector<TCommandEntry> table = {
        {CM_FILENEW, &TClient::CmFileNew, false},
        {CM_FILEOPEN, &TClient::CmFileOpen, false},
        {CM_FILESAVEAS, &TClient::CmFileSaveAs, false},
        {CM_EXPORTBITMAP, &TClient::CmExportBitmap, false},
        {CM_PRINTERSETUP, &TClient::CmPrinterSetup, false},
        {CM_EXIT, &TClient::CmExit, false},
        {CM_UNDO, &TClient::CmUndo, true},
        {CM_LINE, &TClient::CmLine, true},
        {CM_MULTILINE, &TClient::CmMultiline, true},
        {CM_CENTRE, &TClient::CmCentre, true},
        {CM_CENTRECENTRE, &TClient::CmCentreCentre, true},
        {CM_EXTWALL, &TClient::CmExtWall, true},
        {CM_GROUNDFLOOR, &TClient::CmGroundFloor, false},
        {CM_FIRSTFLOOR, &TClient::CmFirstFloor, false},
        {CM_SECONDFLOOR, &TClient::CmSecondFloor, false},
        {CM_SHOWOVERLAYS, &TClient::CmShowOverlays, false},
        {CM_DISPLAYMODE, &TClient::CmDisplayMode, false},
        {CM_FLOORAREA, &TClient::CmFloorArea, false},
        {CM_NORMALSIZE, &TClient::CmNormalSize, false},
        {CM_FLOORPLANTITLES, &TClient::CmFloorPlanTitles, false},
        {CM_ABOUT, &TClient::CmAbout, false},
    };
    return table;
}

bool TClient::IsCommandEnabled(int id)
{
    const auto& table = CommandTable();
    return std::any_of(table.begin(), table.end(), [id](const TCommandEntry& entry) { return entry.id == id; });
}

bool TClient::Command(int id)
{
    for (const TCommandEntry& entry : CommandTable()) {
        if (entry.id != id)
            continue;
        if (entry.needsPlanView && !InPlanView()) {
            MessageBox(PLAN_VIEW_REFUSAL, "", MB_OK | MB_ICONEXCLAMATION);
            return true;
        }
        (this->*entry.handler)();
        return true;
    }
    return false;
}

void TClient::Help()
{
    Runner().Help(helpContext);
}

// Tools

void TClient::InstallTool(std::unique_ptr<TDrawingtool> tool)
{
    currentTool = std::move(tool);
}

void TClient::SetPickTool()
{
    auto tool = std::make_unique<TLineobjtool>();
    tool->kind = KIND_PICK;
    InstallTool(std::move(tool));
    helpContext = HELP_PICK_TOOL;
    SetToolName(PICK_TOOL_NAME);
    SetPrompt(PICK_TOOL_PROMPT);
}

void TClient::SetToolForKind(int kind)
{
    std::unique_ptr<TDrawingtool> tool;
    switch (kind) {
    case 1:    // line
    case 21:   // pick tool
    case 22:   // picked line
    case 999:  // wall edit
        tool = std::make_unique<TLineobjtool>();
        break;
    case 3:
        tool = std::make_unique<TArcobjtool>();
        break;
    case 4:   // text through the prompt
    case 20:  // typed text finished
    case KIND_TYPED_TEXT:
    case 25:  // change text
        tool = std::make_unique<TTextobjtool>();
        break;
    case 5:
        tool = std::make_unique<TEllipseobjtool>();
        break;
    case 6:
        tool = std::make_unique<TCircleobjtool>();
        break;
    case 7:
        tool = std::make_unique<TRectangleobjtool>();
        break;
    case 8:
        tool = std::make_unique<TRndrectobjtool>();
        break;
    case KIND_MOVE:
        tool = std::make_unique<TMoveobjtool>();
        break;
    case KIND_COPY:
        tool = std::make_unique<TCopyobjtool>();
        break;
    case KIND_ERASE:
        tool = std::make_unique<TEraseobjtool>();
        break;
    case KIND_EXTWALL:
    case KIND_PLAN_RESIZE:
        tool = std::make_unique<TExtwallobjtool>();
        break;
    default:
        break;
    }
    if (!tool) {
        // No tool is built for this kind: the pick tool instead.
        SetPickTool();
        return;
    }
    tool->kind = kind;
    InstallTool(std::move(tool));
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

TChild& TClient::CreateChild()
{
    auto child = std::make_unique<TChild>(*this);
    TChild& made = *child;
    children.push_back(std::move(child));
    active = &made;
    made.AttachHost(frame.CreateWindowHost(made));
    return made;
}

void TClient::SaveAndCloseAll()
{
    TDrawingState& state = State();
    if (active && state.objects.count() > 0 && IsPlanFloor(state.currentFloor))
        state.objects.WriteDrawing();
    CloseAll();
}

void TClient::CloseAll()
{
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
    SaveAndCloseAll();
    TNewdlg dialog(this, 2024);
    if (dialog.Execute() != IDOK)
        return;
    std::string name = dialog.clientName;
    // Only a name the dialog's filter allows ever becomes a file name.
    if (!IsDrawingName(name))
        return;
    if (!ConfirmReplace(*this, name))
        return;
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
}

void TClient::BuildNewDrawing(const std::string& name)
{
    TDrawingState& state = State();
    ResetDrawingState(name);
    TChild& child = CreateChild();

    // The new drawing holds only the four floor records.
    TList& objects = state.objects;
    objects.Clear();
    const int* storeys = state.unitSystem == 1 ? METRIC_STOREYS : IMPERIAL_STOREYS;
    for (int i = 0; i < 4; ++i) {
        auto record = std::make_unique<TInfoobj>(TYPE_FLOOR_RECORD + i);
        record->floor = GROUND_FLOOR + i;
        record->z2 = storeys[i];
        record->penWidth = 1;
        objects.Add(std::move(record));
    }
    objects.ClearLoadFailure();
    if (!objects.WriteDrawing()) {
        // No drawing to work on: nothing drawn could ever be stored.
        const std::string path = objects.DrawingPath();
        CloseAll();
        state.drawingName.clear();
        MessageBox("The drawing file " + path + " could not be written", ApplicationName,
                   MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    RemoveOtherCaseFiles(name);

    child.SetUpNewView();
    child.UpdateCaption();
    child.Refresh(0);
    // A new drawing starts with its external walls.
    TLinetool::ResetKeyEntryState();
    CmExtWall();
}

void TClient::CmFileOpen()
{
    std::vector<std::string> names = DrawingNames();
    std::string chosen;
    if (!frame.ChooseDrawing(names, chosen))
        return;
    OpenDrawing(chosen);
}

bool TClient::OpenDrawing(const std::string& name)
{
    // The file keeps its own case.
    const std::string stem = IsDrawingName(name) ? OpenableDrawingName(name) : std::string();
    if (stem.empty()) {
        MessageBox("Cannot open the drawing " + name, ApplicationName, MB_OK | MB_ICONEXCLAMATION);
        return false;
    }

    SaveAndCloseAll();
    TDrawingState& state = State();
    ResetDrawingState(stem);
    TLoadResult loaded = state.objects.ReadDrawing();
    if (!loaded.ok) {
        state.objects.Clear();
        state.drawingName.clear();
        state.drawingState = 1;
        MessageBox(loaded.message, ApplicationName, MB_OK | MB_ICONEXCLAMATION);
        return false;
    }
    state.drawingState = 2;

    TChild& child = CreateChild();
    child.SetUpNewView();
    child.UpdateCaption();
    // Keyboard entry starts afresh: a wall end of another drawing means nothing here.
    TLinetool::ResetKeyEntryState();
    SetPickTool();
    child.Refresh(0);
    return true;
}

void TClient::CmFileSaveAs()
{
    if (active)
        active->SaveAs();
}

void TClient::CmExportBitmap()
{
    if (active)
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

int TClient::PrintFloors(int lineWeight, bool showScale)
{
    if (!DrawingOpen())
        return 0;
    const std::vector<TPrintFloor> floors = THDPrintout::ReadPrintList();
    if (floors.empty())
        return 0;
    std::unique_ptr<PrintTarget> target = frame.StartPrinting(State().drawingName);
    if (!target)
        return 0;
    THDPrintout printout(lineWeight, showScale);
    const int pages = printout.Print(*target, floors);
    target.reset();
    active->UpdateCaption();
    active->Refresh(0);
    return pages;
}

// Edit

void TClient::CmUndo()
{
    if (active)
        active->Undo();
}

// Tools

void TClient::InstallLineTool(int step)
{
    auto tool = std::make_unique<TLineobjtool>();
    tool->kind = KIND_LINE;
    tool->step = step;
    tool->penWidth = State().currentPenWidth;
    InstallTool(std::move(tool));
    helpContext = HELP_WALLS;
}

void TClient::CmLine()
{
    InstallLineTool(STEP_READY);
    SetToolName(LINE_TOOL_NAME);
    SetPrompt(LINE_PROMPT);
}

void TClient::CmMultiline()
{
    InstallLineTool(STEP_MULTILINE_START);
    SetToolName(MULTILINE_TOOL_NAME);
    if (active)
        active->RunMultilineOrStairsDialog(8);
}

void TClient::CmCentre()
{
    TDrawingtool& tool = *currentTool;
    if (tool.step == STEP_MULTILINE_START) {
        MessageBox("Centre is not available to this function", "CENTRE", MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    // Pressed again during a CENTRE, the step to return to stays the one saved first.
    if (!IsAnyCentreStep(tool.step))
        tool.savedStep = tool.step;
    tool.step = STEP_CENTRE_FIRST;
    SetPrompt(CENTRE_PROMPT);
}

void TClient::CmCentreCentre()
{
    TDrawingtool& tool = *currentTool;
    if (!IsAnyCentreStep(tool.step))
        tool.savedStep = tool.step;
    tool.step = STEP_CENTRECENTRE_FIRST;
}

void TClient::CmExtWall()
{
    if (!active)
        return;
    auto tool = std::make_unique<TExtwallobjtool>();
    tool->kind = KIND_EXTWALL;
    InstallTool(std::move(tool));
    helpContext = HELP_WALLS;
    active->RunPlanDialog(4);
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
}

void TClient::CmSecondFloor()
{
    ShowFloor(SECOND_FLOOR);
}

void TClient::CmShowOverlays()
{
    if (!DrawingOpen())
        return;
    TOverdlg dialog(this, 5200);
    if (dialog.Execute() != IDOK)
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
    if (dialog.Execute() == IDOK)
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
    const int record = objects.FindByType(recordType);
    if (record != NO_INDEX && IsFloorRecordType(recordType)) {
        auto& info = static_cast<TInfoobj&>(*objects[record]);
        // A floor without walls to measure keeps the area it had.
        objects.SetFloorArea(info.infoValue);
        ComputeFloorArea(*currentTool);
        if (info.infoValue != objects.GetFloorArea()) {
            info.infoValue = objects.GetFloorArea();
            objects.WriteDrawing();
        }
    }
    TAreadlg dialog(this, 17000);
    dialog.Execute();
}

// Zoom

void TClient::CmNormalSize()
{
    if (DrawingOpen())
        active->NormalSize();
}

// Customise and Help

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
    SettingsRecord colours("CLR.CFG", CLR_CFG_FORMAT);
    TDrawingState& state = State();
    state.currentFillColour = TColor(colours.Int(0));
    state.currentColour = TColor(colours.Int(1));
    state.highlightColour = TColor(colours.Int(2));
}
