#include "app/child.h"

#include "app/client.h"
#include "app/drawingfiles.h"
#include "dialogs/ltxtdlg.h"
#include "dialogs/savedlg.h"
#include "model/drawingstate.h"
#include "model/list.h"
#include "model/object.h"
#include "model/planpainter.h"
#include "model/settingsfile.h"
#include "model/settingsformats.h"
#include "model/typecodes.h"
#include "model/viewmapping.h"
#include "platform/canvas.h"
#include "tools/drawingtool.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdlib>
#include <numbers>

namespace {

// Tool kinds the window treats specially.
constexpr int KIND_MOVE = 14;
constexpr int KIND_COPY = 15;
constexpr int KIND_ERASE = 19;
constexpr int KIND_TYPED_TEXT = 24;
// Steps of the selection tools: dragging the selection rectangle, dragging the zoom rectangle.
constexpr int STEP_SELECTION_DRAG = 5;
constexpr int STEP_ZOOM_DRAG = 15;

// Undo takes back at most this many objects in a row.
constexpr int MAX_UNDO = 3;

bool IsPlanFloor(int floorCode)
{
    return floorCode >= GROUND_FLOOR && floorCode <= FOURTH_LEVEL;
}

std::string Lower(std::string text)
{
    for (char& c : text)
        c = char(std::tolower(static_cast<unsigned char>(c)));
    return text;
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

TDrawingtool& TChild::Tool() const
{
    return *client.currentTool;
}

template <typename Fn>
void TChild::WithToolCanvas(Fn&& fn)
{
    TDrawingtool& tool = Tool();
    tool.window = this;
    std::unique_ptr<Canvas> dc = host->MakeCanvas();
    TRect clientRect = ClientRect();
    fn(tool, *dc, clientRect);
}

// Painting

void TChild::Paint(Canvas& dc, const TRect& area)
{
    TDrawingState& state = State();
    dc.ResetMapping();
    dc.FillDeviceRect(area, state.currentFillColour);
    if (state.drawingState < 2 || state.drawingName.empty() || !IsPlanFloor(state.currentFloor))
        return;
    TLoadResult loaded = state.objects.ReadDrawing();
    if (!loaded.ok) {
        // Reported once; the file is left as it is and nothing is drawn.
        if (!loadFailureReported) {
            loadFailureReported = true;
            MessageBox(loaded.message, ApplicationName, MB_OK | MB_ICONEXCLAMATION);
        }
        return;
    }
    loadFailureReported = false;
    PaintFloor(dc, ClientRect());
    dc.ResetMapping();
}

void TChild::InvalidateArea(const TRect& device)
{
    TRect area = device.Normalized().Intersect(ClientRect());
    if (!area.IsEmpty())
        host->Invalidate(area);
}

void TChild::Refresh(int mode)
{
    TRect client = ClientRect();
    switch (mode) {
    case 3:
        InvalidateArea({0, client.Height() / 3, client.Width() / 4, client.Height()});
        break;
    case 9:
        InvalidateArea(client);
        host->UpdateWindow();
        break;
    case 15: {
        TDrawingtool& tool = Tool();
        int u = std::max(1, State().unitsPerLogical);
        TMapping mapping = ViewMapping(client);
        TPoint a = mapping.ToDevice({tool.editLeft / u, tool.editTop / u});
        TPoint b = mapping.ToDevice({tool.editRight / u, tool.editBottom / u});
        InvalidateArea(TRect{a.x, a.y, b.x, b.y}.Normalized().Inflated(1, 1));
        break;
    }
    default:
        InvalidateArea(client);
        break;
    }
}

// Coordinates

TPoint TChild::ModelPointOf(TPoint device) const
{
    int u = State().unitsPerLogical;
    TPoint logical = ViewMapping(ClientRect()).ToLogical(device);
    return {logical.x * u, logical.y * u};
}

TPoint TChild::DevicePointOf(TPoint model) const
{
    int u = std::max(1, State().unitsPerLogical);
    return ViewMapping(ClientRect()).ToDevice({model.x / u, model.y / u});
}

// Events

void TChild::EvSize()
{
    // The view keeps its scale: the extents follow the client size.
    if (!host)
        return;
    TDrawingState& state = State();
    TRect client = ClientRect();
    if (lastClient.Width() > 0 && lastClient.Height() > 0 && client.Width() > 0 && client.Height() > 0) {
        state.viewExtX = std::max(1, int(std::lround(double(state.viewExtX) * client.Width() / lastClient.Width())));
        state.viewExtY = std::max(1, int(std::lround(double(state.viewExtY) * client.Height() / lastClient.Height())));
    }
    if (client.Width() > 0 && client.Height() > 0)
        lastClient = client;
    Refresh(0);
    host->ViewChanged();
}

void TChild::EvLButtonDown(TPoint point)
{
    TDrawingtool& tool = Tool();
    if (datumMode == DATUM_REQUESTED || tool.kind == KIND_MOVE || tool.kind == KIND_ERASE) {
        TPoint model = ModelPointOf(point);
        datumX = model.x;
        datumY = model.y;
        datumMode = DATUM_SET;
    }
    WithToolCanvas([&](TDrawingtool& t, Canvas& dc, const TRect& rect) { t.LButtonDown(dc, rect, point.x, point.y); });
}

void TChild::EvLButtonUp(TPoint point)
{
    TDrawingtool& tool = Tool();
    const bool selection = tool.kind == KIND_MOVE || tool.kind == KIND_COPY || tool.kind == KIND_ERASE;
    const bool zoomRelease = tool.kind == KIND_MOVE && tool.step == STEP_ZOOM_DRAG;
    if (selection && (tool.step == STEP_SELECTION_DRAG || tool.step == STEP_ZOOM_DRAG)) {
        datumMode = DATUM_OFF;
        client.SetDistance("");
    }
    TPoint released = point;
    WithToolCanvas([&](TDrawingtool& t, Canvas& dc, const TRect& rect) { t.LButtonUp(dc, rect, released); });
    if (zoomRelease) {
        client.SetToolForKind(client.savedToolKind);
        ApplyView();
    }
}

void TChild::EvRButtonDown(TPoint point)
{
    TPoint pressed = point;
    WithToolCanvas([&](TDrawingtool& t, Canvas& dc, const TRect& rect) { t.RButtonDown(dc, rect, pressed); });
}

void TChild::EvMouseMove(TPoint point)
{
    if (datumMode >= 1)
        WithToolCanvas([&](TDrawingtool& t, Canvas& dc, const TRect& rect) { t.MouseMove(dc, rect, point.x, point.y); });
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
    const bool toolKey = key == VK_ENTER || (key >= VK_LEFT && key <= VK_DOWN) || key == VK_ADD || key == VK_SUBTRACT;
    if (!toolKey)
        return;
    TPoint cursor = host->CursorPos();
    WithToolCanvas([&](TDrawingtool& t, Canvas& dc, const TRect& rect) { t.KeyDown(dc, rect, key, cursor, 0); });
}

void TChild::EvChar(int character)
{
    if (Tool().kind != KIND_TYPED_TEXT)
        return;
    WithToolCanvas([&](TDrawingtool& t, Canvas& dc, const TRect& rect) { t.Char(dc, rect, character); });
}

// The datum and the cursor-distance read-out

void TChild::SetDatumMode(int mode)
{
    datumMode = mode;
    if (mode == DATUM_OFF)
        client.SetDistance("");
}

void TChild::ShowDistance(TPoint device)
{
    const TDrawingState& state = State();
    if (state.drawingState < 2)
        return;
    TPoint cursor = ModelPointOf(device);
    TPoint from;
    if (datumMode == DATUM_SET || datumMode == DATUM_SET_ANGLE) {
        from = {datumX, datumY};
    } else {
        const TDrawingtool& tool = Tool();
        if (tool.active != 1 || (tool.x1 == 0 && tool.y1 == 0)) {
            client.SetDistance("");
            return;
        }
        from = {tool.x1, tool.y1};
    }
    const int dx = cursor.x - from.x;
    const int dy = cursor.y - from.y;
    // Metric in millimetres; imperial in whole inches (24 model units each).
    const int divisor = state.unitSystem == 1 ? 1 : 24;
    const char* unit = state.unitSystem == 1 ? "" : "\"";
    std::string text;
    if (datumMode == DATUM_SET_ANGLE) {
        const double length = std::hypot(double(dx), double(dy)) / divisor;
        double degrees = std::atan2(double(dx), double(dy)) * 180.0 / std::numbers::pi;
        if (degrees < 0)
            degrees += 360.0;
        text = FormatC("%ld%s<%ld", long(std::lround(length)), unit, long(std::lround(degrees)) % 360);
    } else {
        text = FormatC("%ld%s,%ld%s", long(dx / divisor), unit, long(dy / divisor), unit);
    }
    client.SetDistance(text);
}

// The view

void TChild::SetUpNewView()
{
    TDrawingState& state = State();
    TRect client = ClientRect();
    state.viewOrgX = 0;
    state.viewOrgY = 0;
    state.viewExtX = std::max(1, client.Width());
    state.viewExtY = std::max(1, client.Height());
    state.unitsPerLogicalF = state.unitsPerLogical;
    lastClient = client;
    WriteSettings("ZOOM.CFG", FormatC(ZOOM_CFG_FORMAT, state.viewExtX, state.viewExtY, state.viewOrgX,
                                      state.viewOrgY, state.unitsPerLogical));
    SettingsRecord sheet(state.unitSystem == 1 ? "DWGSIZEM.CFG" : "DWGSIZEI.CFG", DWGSIZE_CFG_FORMAT);
    state.sheetWidth = std::max(0, int(sheet.Int(0)));
    state.sheetHeight = std::max(0, int(sheet.Int(1)));
    datumMode = DATUM_OFF;
    host->ViewChanged();
}

void TChild::NormalSize()
{
    TDrawingState& state = State();
    SettingsRecord zoom("ZOOM.CFG", ZOOM_CFG_FORMAT);
    // A view with no extent or scale would divide by zero: such a file is not taken.
    if (zoom.Int(0) <= 0 || zoom.Int(1) <= 0 || zoom.Int(4) <= 0)
        return;
    state.viewExtX = zoom.Int(0);
    state.viewExtY = zoom.Int(1);
    state.viewOrgX = zoom.Int(2);
    state.viewOrgY = zoom.Int(3);
    state.unitsPerLogical = zoom.Int(4);
    state.unitsPerLogicalF = state.unitsPerLogical;
    Refresh(0);
    host->ViewChanged();
}

void TChild::ApplyView()
{
    const TDrawingState& state = State();
    // A zoom rectangle without width or height leaves no view to show: back to normal size.
    if (state.viewExtX <= 0 || state.viewExtY <= 0 || state.unitsPerLogicalF <= 0.0) {
        NormalSize();
        return;
    }
    Refresh(0);
    host->ViewChanged();
}

TChild::TScrollInfo TChild::ScrollInfo() const
{
    const TDrawingState& state = State();
    SettingsRecord steps("SCROLL.CFG", SCROLL_CFG_FORMAT);
    TScrollInfo info;
    info.pageX = std::max(1, state.viewExtX);
    info.pageY = std::max(1, state.viewExtY);
    info.lineX = std::max(1, int(steps.Int(0)));
    info.lineY = std::max(1, int(steps.Int(1)));
    info.minX = std::min(0, state.viewOrgX);
    info.maxX = std::max({info.minX, state.sheetWidth - state.viewExtX, state.viewOrgX});
    info.minY = std::min(0, state.viewOrgY);
    info.maxY = std::max({info.minY, state.sheetHeight - state.viewExtY, state.viewOrgY});
    return info;
}

void TChild::ScrollTo(int orgX, int orgY)
{
    TDrawingState& state = State();
    TScrollInfo info = ScrollInfo();
    orgX = std::clamp(orgX, info.minX, info.maxX);
    orgY = std::clamp(orgY, info.minY, info.maxY);
    if (orgX == state.viewOrgX && orgY == state.viewOrgY)
        return;
    state.viewOrgX = orgX;
    state.viewOrgY = orgY;
    Refresh(0);
    host->ViewChanged();
}

void TChild::ScrollBy(int dx, int dy)
{
    ScrollTo(State().viewOrgX + dx, State().viewOrgY + dy);
}

bool TChild::HandleScrollKey(int key)
{
    if (State().drawingState < 2)
        return false;
    TScrollInfo info = ScrollInfo();
    switch (key) {
    case VK_PRIOR:
        ScrollBy(0, info.pageY);
        return true;
    case VK_NEXT:
        ScrollBy(0, -info.pageY);
        return true;
    case VK_HOME:
        ScrollBy(-info.pageX, 0);
        return true;
    case VK_END:
        ScrollBy(info.pageX, 0);
        return true;
    default:
        return false;
    }
}

// Edit/Undo

void TChild::Undo()
{
    TDrawingState& state = State();
    TList& objects = state.objects;
    // Undo works on the drawing as stored.
    if (!objects.ReadDrawing().ok)
        return;
    // Any object added since the last undo starts a new run.
    const std::string lastNow = objects.count() > 0 ? DumpObject(0, *objects[objects.count() - 1]) : std::string();
    if (objects.count() != undoObjectCount || state.groupIdCounter != undoGroupCounter || lastNow != undoLastObject)
        undoCount = 0;
    if (undoCount >= MAX_UNDO || objects.count() == 0)
        return;
    const TObject& last = *objects[objects.count() - 1];
    if (last.floor != state.currentFloor || last.typeCode == TYPE_EXTWALL || IsFloorRecordType(last.typeCode))
        return;
    objects.Remove(objects.count() - 1);
    if (!objects.WriteDrawing())
        return;
    ++undoCount;
    undoObjectCount = objects.count();
    undoGroupCounter = state.groupIdCounter;
    undoLastObject = objects.count() > 0 ? DumpObject(0, *objects[objects.count() - 1]) : std::string();
    Refresh(0);
}

// File/Save As

void TChild::SaveAs()
{
    TDrawingState& state = State();
    if (state.objects.count() > 0)
        state.objects.WriteDrawing();
    TSavedlg dialog(this, 9020);
    if (dialog.Execute() == IDOK && IsDrawingName(dialog.clientName)) {
        const std::string name = dialog.clientName;
        // The same name in another case is this drawing; any other existing name asks first.
        const bool sameDrawing = Lower(name) == Lower(state.drawingName);
        if (sameDrawing || ConfirmReplace(*this, name)) {
            const std::string previous = state.drawingName;
            state.drawingName = name;
            if (state.objects.WriteDrawing()) {
                RemoveOtherCaseFiles(name);
                UpdateCaption();
            } else {
                state.drawingName = previous;
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
    if (host->SaveBitmap(path))
        return true;
    MessageBox("The bitmap " + path + " could not be written", ApplicationName, MB_OK | MB_ICONEXCLAMATION);
    return false;
}

// The line-text dialog

void TChild::RunLineDialog(int kind)
{
    if (kind != 8)
        return;
    State().objects.WriteDrawing();
    TLtxtdlg dialog(this, 2690);
    if (dialog.Execute() != IDOK) {
        Tool().y1 = NO_LINE_MARK;
        return;
    }
    const std::string text = dialog.lineText;
    if (text.size() >= 1 && text.size() <= 21)
        WriteSettings("LTEXT.CFG", FormatC(LTEXT_CFG_FORMAT, dialog.lineTextSide, int(text.size()), text.c_str()));
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
