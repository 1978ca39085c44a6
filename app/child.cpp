#include "app/child.h"

#include "app/client.h"
#include "app/distancereadout.h"
#include "app/drawingfiles.h"
#include "app/families/designroomfamily.h"
#include "app/families/doorfamily.h"
#include "app/families/figurefamily.h"
#include "app/families/linefamily.h"
#include "app/families/selectionfamily.h"
#include "app/families/textfamily.h"
#include "app/families/walleditfamily.h"
#include "app/lengthprompt.h"
#include "app/rotatemirror.h"
#include "app/toolfamily.h"
#include "dialogs/dialogsettings.h"
#include "dialogs/savedlg.h"
#include "model/drawingstate.h"
#include "model/list.h"
#include "model/planpainter.h"
#include "model/programdirectory.h"
#include "model/selectionlist.h"
#include "model/settingsfile.h"
#include "model/settingsrecords.h"
#include "model/typecodes.h"
#include "model/viewmapping.h"
#include "platform/canvas.h"
#include "tools/drawingtool.h"
#include "tools/linetool.h"

#include <algorithm>
#include <utility>

namespace {

bool IsToolKey(int key)
{
    return key == VK_ENTER || key == VK_LEFT || key == VK_UP || key == VK_RIGHT || key == VK_DOWN ||
           key == VK_ADD || key == VK_SUBTRACT;
}

}  // namespace

TChild::TChild(TClient& client) : client(client) {}

TChild::~TChild() = default;

void TChild::AttachHost(std::unique_ptr<WindowHost> windowHost)
{
    host = std::move(windowHost);
}

TRect TChild::ClientRect() const
{
    return host->ClientRect();
}

DialogRunner& TChild::Runner()
{
    return client.Runner();
}

TPoint TChild::GetCursorPos() const
{
    return host->CursorPos();
}

void TChild::SetCursorPos(TPoint clientDevice)
{
    host->SetCursorPos(clientDevice);
}

TDrawingtool& TChild::Tool()
{
    return *client.CurrentTool();
}

void TChild::CallTool(const ToolCall& fn)
{
    TDrawingtool& tool = Tool();
    tool.window = this;
    std::unique_ptr<Canvas> dc = host->MakeCanvas();
    const TRect clientRect = ClientRect();
    fn(tool, *dc, clientRect);
}

void TChild::Message(const std::string& text, const std::string& title)
{
    MessageBox(text, title, MB_OK | MB_ICONEXCLAMATION);
}

// Coordinates

TPoint TChild::ModelPointOf(TPoint device) const
{
    return LogicalToModel(ViewMapping(ClientRect()).ToLogical(device));
}

TPoint TChild::DevicePointOf(TPoint model) const
{
    return ViewMapping(ClientRect()).ToDevice(ModelToLogical(model));
}

// Events

void TChild::EvSize()
{
    // The normal view keeps showing the whole sheet; a zoomed view keeps its scale, its extents
    // following the client size.
    if (!host)
        return;
    view.Resized(ClientRect());
    Refresh(0);
    host->ViewChanged();
}

void TChild::EvLButtonDown(TPoint point)
{
    pressRefused = !TakeStorableDevicePoint(ClientRect(), point, this);
    if (pressRefused)
        return;
    TDrawingtool& tool = Tool();
    // The line family runs CENTRE and CENTRE CENTRE from its own button handling; for the other
    // tools the window does.
    if (IsAnyCentreStep(tool.step) && !dynamic_cast<TLinetool*>(&tool)) {
        const bool centre = IsCentreStep(tool.step);
        CallTool([&](TDrawingtool& t, Canvas& dc, const TRect& rect) {
            if (centre)
                t.CentreStep(dc, rect, point.x, point.y);
            else
                t.CentreCentreStep(dc, rect, point.x, point.y);
        });
        return;
    }
    if (datumMode == DATUM_REQUESTED)
        SetDatum(DATUM_SET, ModelPointOf(point));
    // A move not locked takes its clicks itself: a click landing on a design room places the
    // selection there rather than dropping the move to pick the room.
    for (const TToolFamily* family : Families()) {
        if (client.PendingMove())
            break;
        if (family == &client.Family() || !family->ClaimsClick(*this, point))
            continue;
        // The tool going is given up as a tool command gives it up; a figure it holds that the
        // file could not take stays with it (told), and the click goes no further.
        if (client.SettleForNewTool())
            family->TakeClaimedClick(*this, point);
        return;
    }
    client.Family().LButtonDown(*this, point);
}

void TChild::EvLButtonUp(TPoint point)
{
    // A refused press has nothing to end; a release refused ends its press's figure untaken.
    if (std::exchange(pressRefused, false))
        return;
    if (!TakeStorableDevicePoint(ClientRect(), point, this)) {
        AbandonTool();
        return;
    }
    client.Family().LButtonUp(*this, point);
}

void TChild::EvRButtonDown(TPoint point)
{
    if (TakeStorableDevicePoint(ClientRect(), point, this))
        client.Family().RButtonDown(*this, point);
}

void TChild::EvMouseMove(TPoint point)
{
    if (datumMode >= 1 && client.Family().WantsMouseMove(Tool()))
        CallTool([&](TDrawingtool& t, Canvas& dc, const TRect& rect) { t.MouseMove(dc, rect, point.x, point.y); });
    ShowDistance(point);
}

void TChild::EvKeyDown(int key)
{
    if (key == VK_F1) {
        client.Help();
        return;
    }
    if (HandleScrollKey(key))
        return;
    if (key == VK_ANGLED_INPUT && !client.Family().TypesText(Tool())) {
        markX = markX == 0 ? ANGLED_INPUT_ON : 0;
        return;
    }
    // ENTER hands the tool the point under the cursor.
    if (key == VK_ENTER && !TakeStorableDevicePoint(ClientRect(), Cursor(), this))
        return;
    if (IsToolKey(key))
        client.Family().KeyDown(*this, key);
}

void TChild::EvKeyUp(int key)
{
    if (IsToolKey(key))
        client.Family().KeyUp(*this, key);
}

bool TChild::AskLength(const std::string& title, const std::string& prompt, std::optional<int> proposal,
                       int& length)
{
    return AskTypedLength(*this, title, prompt, proposal, LENGTH_BUFFER, FractionRule::Any, length);
}

void TChild::StartText()
{
    ::StartText(*this);
}

void TChild::RunLineStyleDialog()
{
    ::RunLineStyleDialog(*this);
}

void TChild::InputMeasurement()
{
    ::InputMeasurement(*this);
}

bool TChild::ReadExtWallConfig()
{
    return ::ReadExtWallConfig(*this);
}

void TChild::InvalidateWallEdit(int mode)
{
    ::InvalidateWallEdit(*this, mode);
}

void TChild::NewDesignRoom()
{
    ::NewDesignRoom(*this);
}

void TChild::PlaceDesignRoom()
{
    ::PlaceDesignRoom(*this);
}

void TChild::DrawMergePreview()
{
    ::DrawMergePreview(*this);
}

void TChild::AbandonTool()
{
    // The pick tool settles the tool going: one whose figure the file could not take (told) stays.
    Refresh(0);
    client.SetPickTool();
}

bool TChild::ReadListBack()
{
    const TLoadResult loaded = State().objects.ReadBack();
    if (loaded.ok)
        return true;
    // Said before the box shows: a repaint under it does not say it again.
    loadFailureReported = true;
    MessageBox(loaded.message, ApplicationName, MB_OK | MB_ICONEXCLAMATION);
    return false;
}

void TChild::EvChar(int character)
{
    client.Family().Char(*this, character);
}

// The tool site's status texts and tools are the client's.

void TChild::SetPrompt(const std::string& text)
{
    client.SetPrompt(text);
}

void TChild::SetToolName(const std::string& text)
{
    client.SetToolName(text);
}

std::string TChild::ToolName() const
{
    return client.ToolName();
}

void TChild::SetDistance(const std::string& text)
{
    client.SetDistance(text);
}

void TChild::SetHelpContext(int context)
{
    client.helpContext = context;
}

bool TChild::SetPickTool()
{
    return client.SetPickTool();
}

bool TChild::SetToolForKind(int kind)
{
    return client.SetToolForKind(kind);
}

bool TChild::InstallTool(std::unique_ptr<TDrawingtool> tool, const TToolFamily& family)
{
    return client.InstallTool(std::move(tool), family);
}

bool TChild::InstallToolKeepingCurrent(std::unique_ptr<TDrawingtool> tool, const TToolFamily& family)
{
    return client.InstallToolKeepingCurrent(std::move(tool), family);
}

bool TChild::RestoreKeptTool()
{
    return client.RestoreKeptTool();
}

// The datum and the cursor-distance read-out

void TChild::SetDatumMode(int mode)
{
    datumMode = mode;
    if (mode == DATUM_OFF)
        client.SetDistance("");
}

void TChild::SetDatum(int mode, TPoint model)
{
    datumX = model.x;
    datumY = model.y;
    datumMode = mode;
}

void TChild::ShowDistance(TPoint device)
{
    const TDrawingState& state = State();
    if (state.drawingState < 2)
        return;
    TPoint from;
    if (datumMode == DATUM_SET || datumMode == DATUM_SET_ANGLE) {
        from = {datumX, datumY};
    } else {
        // From the start of the band, or of the wall being typed.
        const TDrawingtool& tool = Tool();
        const bool started = client.Family().MeasuresFromStart(tool);
        if (!started || (tool.x1 == 0 && tool.y1 == 0)) {
            client.SetDistance("");
            return;
        }
        from = {tool.x1, tool.y1};
    }
    client.SetDistance(DistanceReadout(from, ModelPointOf(device), datumMode == DATUM_SET_ANGLE, state.unitSystem));
}

// The view

void TChild::SetUpNewView()
{
    const TZoomSettings zoom = view.SetUpNew(ClientRect());
    StoreSettings(*this, SettingsFileName<TZoomSettings>(), FormatSettings(zoom));
    // The read-out of the drawing before means nothing here.
    SetDatumMode(DATUM_OFF);
    host->ViewChanged();
}

void TChild::NormalSize()
{
    if (!view.NormalSize())
        return;
    Refresh(0);
    host->ViewChanged();
}

void TChild::ApplyView()
{
    // A zoom rectangle without width or height leaves no view to show: back to normal size.
    if (!view.Zoomed()) {
        NormalSize();
        return;
    }
    Refresh(0);
    host->ViewChanged();
}

void TChild::ScrollTo(int orgX, int orgY)
{
    if (!view.ScrollTo(orgX, orgY))
        return;
    Refresh(0);
    host->ViewChanged();
}

void TChild::ScrollBy(int dx, int dy)
{
    ScrollTo(State().viewOrgX + dx, State().viewOrgY + dy);
}

bool TChild::HandleScrollKey(int key)
{
    int orgX = 0;
    int orgY = 0;
    if (State().drawingState < 2 || !view.ScrollKeyTarget(key, orgX, orgY))
        return false;
    ScrollTo(orgX, orgY);
    return true;
}

// Edit/Undo, Edit/Paste, the rotation check and File/Rotate/Mirror: in their own files

void TChild::Undo()
{
    undo.Run(*this, loadFailureReported);
}

void TChild::Paste()
{
    PasteFromBuffer(*this);
}

int TChild::CheckRotatableSelection()
{
    return ::CheckRotatableSelection(*this);
}

void TChild::RotateMirrorDrawings()
{
    ::RotateMirrorDrawings(client, *this);
}

// File/Save As

void TChild::SaveAs()
{
    TDrawingState& state = State();
    // A figure in progress is stored only when Save As goes ahead; cancelled, it stays held.
    if (!client.HoldsFigure() && state.objects.count() > 0 && !state.objects.DrawingUnreadable())
        state.objects.WriteDrawing();
    TSavedlg dialog(this, 9020);
    if (dialog.Execute() == IDOK && IsDrawingName(dialog.clientName) && client.StoreHeldFigure()) {
        const std::string name = dialog.clientName;
        // The same name in another case is this drawing; any other existing name asks first.
        const bool sameDrawing = SameDrawingName(name, state.drawingName);
        if (state.objects.DrawingUnreadable()) {
            // The list may not hold what the file does: it is not saved under the new name.
            Message("The drawing " + state.drawingName +
                        " could not be read, so there is nothing to save under another name",
                    "SAVE AS");
        } else if (sameDrawing || ConfirmReplace(*this, name)) {
            const std::string path = DwgsPath(name + ".DB0");
            std::string reason;
            if (state.objects.WriteDrawingTo(path, reason)) {
                state.drawingName = name;
                RemoveOtherCaseFiles(name);
                UpdateCaption();
            } else {
                // The drawing stays open under its old name; its file was written above or
                // reported.
                Message("The drawing could not be saved as " + name + ": the file " + path +
                            " could not be written: " + reason + ". " + state.drawingName +
                            " is still open under its own name.",
                        "SAVE AS");
            }
        }
    }
    Refresh(0);
}

// File/Export Bitmap

bool TChild::ExportBitmap()
{
    const std::string& name = State().drawingName;
    if (name.empty())
        return false;
    host->UpdateWindow();
    const std::string path = BitmapFilePath(name);
    std::string reason;
    if (host->SaveBitmap(path, &reason))
        return true;
    MessageBox("The bitmap " + path + " could not be written: " + reason, ApplicationName, MB_OK | MB_ICONEXCLAMATION);
    return false;
}

// The dialog sequences

void TChild::RunSequence(TDialogSequence sequence, int code)
{
    if (const TSequenceRow* row = FindSequence(sequence, code))
        row->run(*this);
}

void TChild::RunPlanDialog(int kind)
{
    RunSequence(TDialogSequence::Plan, kind);
}

void TChild::RunLineDialog(int kind)
{
    RunSequence(TDialogSequence::Line, kind);
}

void TChild::RunMultilineOrStairsDialog(int kind)
{
    RunSequence(TDialogSequence::MultilineOrStairs, kind);
}

void TChild::StartInternalDoorOrOpening(int n)
{
    ::StartInternalDoorOrOpening(*this, n);
}

void TChild::StartMiscDoor()
{
    ::StartMiscDoor(*this);
}

// Caption

std::string TChild::Caption() const
{
    const TDrawingState& state = State();
    const char* suffix = ".PLN";
    if (state.currentFloor == FIRST_FLOOR)
        suffix = ".PL1";
    else if (state.currentFloor == SECOND_FLOOR)
        suffix = ".PL2";
    return state.drawingName + suffix;
}

void TChild::UpdateCaption()
{
    host->SetCaption(Caption());
}
