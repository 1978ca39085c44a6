#include "app/child.h"

#include "app/client.h"
#include "app/drawingfiles.h"
#include "tools/toolkinds.h"
#include "dialogs/dialogsettings.h"
#include "dialogs/extsidedlg.h"
#include "dialogs/feetdlg.h"
#include "dialogs/ltxtdlg.h"
#include "dialogs/plancustdlg.h"
#include "dialogs/plandlg.h"
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
#include "platform/decimaltext.h"
#include "platform/inputdialog.h"
#include "tools/drawingtool.h"
#include "tools/linetool.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

// Undo takes back at most this many objects in a row.
constexpr int MAX_UNDO = 3;

// Lengths typed for an arrow key, in model units.
constexpr int MIN_TYPED_LENGTH = 1;
constexpr int MAX_TYPED_LENGTH = 32766;
// The metric length box: at most 8 digits.
constexpr int LENGTH_BUFFER = 9;
// The measurement prompt takes up to 7 characters.
constexpr int MEASUREMENT_BUFFER = 8;

// Draw Multilines: the number of lines, at most 3 digits.
constexpr int MIN_MULTILINE_COUNT = 2;
constexpr int MAX_MULTILINE_COUNT = 100;
constexpr int MULTILINE_COUNT_BUFFER = 4;
const char* const MULTILINE_PROMPT =
    "press Enter then arrow key or movecursor,press Enter on line end, press Enter on final line FIRST endpt";

// The external-wall dialogs and prompts.
const char* const COMPLETE_DIALOGUE_PROMPT = "Complete the Dialogue Box";
const char* const ANGLED_WALLS_HINT =
    "HINT for ANGLED walls, press 'a' key then arrow keys to finetune cursor, 'a' again for normal input)";
const char* const EXTERNAL_WALL_PROMPT =
    "Draw outer line of EXTERNAL walls, press ENTER on start point then use arrow keys for input";
const char* const EXTERNAL_WALL_TOOL_NAME = "Ext. Walls";

// The storey fields (base level, ground, first, second storey) of the external-wall settings.
constexpr int METRIC_WALL_LEVELS[4] = {25, 2550, 2400, 2400};
constexpr int IMPERIAL_WALL_LEVELS[4] = {24, 2328, 2304, 2304};

bool IsArrowKey(int key)
{
    return key == VK_LEFT || key == VK_UP || key == VK_RIGHT || key == VK_DOWN;
}

// The measuring direction of an arrow key: up 1, right 2, down 3, left 4.
int MeasureDirectionOf(int key)
{
    switch (key) {
    case VK_UP:
        return 1;
    case VK_RIGHT:
        return 2;
    case VK_DOWN:
        return 3;
    default:
        return 4;
    }
}

const char* DirectionName(int key)
{
    switch (key) {
    case VK_UP:
        return "UP:";
    case VK_RIGHT:
        return "RIGHT:";
    case VK_DOWN:
        return "DOWN:";
    default:
        return "LEFT:";
    }
}

// Asks a length in model units: metric an input box of `buffer` characters (millimetres) holding
// the proposal, imperial the feet-and-inches dialog counting a fraction by `rule`. False when
// cancelled.
bool AskModelLength(TWindow& parent, const std::string& title, const std::string& prompt, int proposal, int buffer,
                    FractionRule rule, int& length)
{
    if (State().unitSystem == 1) {
        TInputDialog dialog(&parent, title, prompt, std::to_string(proposal), buffer);
        if (dialog.Execute() != IDOK)
            return false;
        length = DecimalValue(dialog.GetBuffer());
    } else {
        TFeetdlg dialog(&parent, 9500, proposal);
        if (dialog.Execute() != IDOK)
            return false;
        length = dialog.Length(rule);
    }
    return true;
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
    return LogicalToModel(ViewMapping(ClientRect()).ToLogical(device));
}

TPoint TChild::DevicePointOf(TPoint model) const
{
    return ViewMapping(ClientRect()).ToDevice(ModelToLogical(model));
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
    // The line family runs CENTRE and CENTRE CENTRE from its own button handling; for the other
    // tools the window does.
    if ((IsCentreStep(tool.step) || IsCentreCentreStep(tool.step)) && !dynamic_cast<TLinetool*>(&tool)) {
        const bool centre = IsCentreStep(tool.step);
        WithToolCanvas([&](TDrawingtool& t, Canvas& dc, const TRect& rect) {
            if (centre)
                t.CentreStep(dc, rect, point.x, point.y);
            else
                t.CentreCentreStep(dc, rect, point.x, point.y);
        });
        return;
    }
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
    if (key == VK_ANGLED_INPUT) {
        markX = markX == 0 ? ANGLED_INPUT_ON : 0;
        return;
    }
    const bool toolKey = key == VK_ENTER || IsArrowKey(key) || key == VK_ADD || key == VK_SUBTRACT;
    if (!toolKey)
        return;
    switch (Tool().kind) {
    case KIND_LINE:
        LineKey(key);
        return;
    case KIND_EXTWALL:
        ExternalWallKey(key);
        return;
    default:
        break;
    }
    TPoint cursor = host->CursorPos();
    WithToolCanvas([&](TDrawingtool& t, Canvas& dc, const TRect& rect) { t.KeyDown(dc, rect, key, cursor, 0); });
}

void TChild::LineKey(int key)
{
    if (key == VK_ENTER) {
        // ENTER marks a start point, ends a multiline's first line at the cursor, or draws the
        // multiline's last lines.
        const bool marked = Tool().lineDrawn != 0;
        EraseRubberBand();
        TPoint cursor = host->CursorPos();
        WithToolCanvas([&](TDrawingtool& t, Canvas& dc, const TRect& rect) { t.KeyDown(dc, rect, key, cursor, 0); });
        if (!marked)
            Tool().lineDrawn = 1;
        return;
    }
    // An arrow draws from the marked start; it asks the length first.
    if (!IsArrowKey(key) || Tool().lineDrawn != 1)
        return;
    int length = 0;
    if (!AskLength("LINE", "", 0, length)) {
        AbandonTool();
        return;
    }
    EraseRubberBand();
    TPoint cursor = host->CursorPos();
    WithToolCanvas([&](TDrawingtool& t, Canvas& dc, const TRect& rect) { t.KeyDown(dc, rect, key, cursor, length); });
    Tool().lineDrawn = 0;
    client.SetPrompt(LINE_PROMPT);
}

void TChild::ExternalWallKey(int key)
{
    TList& objects = State().objects;
    const int before = objects.count();
    if (key == VK_ENTER) {
        // The first ENTER marks the start; a later one ends a sloped wall at the cursor.
        const bool marked = Tool().lineDrawn != 0;
        TPoint cursor = host->CursorPos();
        WithToolCanvas([&](TDrawingtool& t, Canvas& dc, const TRect& rect) { t.KeyDown(dc, rect, key, cursor, 0); });
        if (!marked)
            Tool().lineDrawn = 1;
        // The wall tool draws nothing itself: a new wall is shown from the drawing file.
        if (objects.count() > before)
            Refresh(0);
        return;
    }
    if (!IsArrowKey(key))
        return;
    if (markX != 0) {
        // Angled input: the arrows only fine-tune the cursor, one pixel a key.
        TPoint cursor = host->CursorPos();
        const TRect rect = ClientRect();
        switch (key) {
        case VK_LEFT:
            --cursor.x;
            break;
        case VK_RIGHT:
            ++cursor.x;
            break;
        case VK_UP:
            --cursor.y;
            break;
        default:
            ++cursor.y;
            break;
        }
        cursor.x = std::clamp(cursor.x, 0, std::max(0, rect.Width() - 1));
        cursor.y = std::clamp(cursor.y, 0, std::max(0, rect.Height() - 1));
        SetCursorPos(cursor);
        return;
    }
    TDrawingtool& tool = Tool();
    if (tool.lineDrawn != 1)
        return;
    // The start snaps onto a wall end, and the distance to the next wall end in the arrow's
    // direction is offered as the length.
    tool.measureDirection() = MeasureDirectionOf(key);
    tool.SubCommand(2);
    int length = 0;
    if (!AskLength("WALL LENGTH", DirectionName(key), tool.libraryFlag, length)) {
        AbandonTool();
        return;
    }
    TPoint cursor = host->CursorPos();
    WithToolCanvas([&](TDrawingtool& t, Canvas& dc, const TRect& rect) { t.KeyDown(dc, rect, key, cursor, length); });
    if (objects.count() > before)
        Refresh(0);
}

bool TChild::AskLength(const std::string& title, const std::string& prompt, int proposal, int& length)
{
    return AskModelLength(*this, title, prompt, proposal, LENGTH_BUFFER, FractionRule::Any, length) &&
           length >= MIN_TYPED_LENGTH && length <= MAX_TYPED_LENGTH;
}

void TChild::InputMeasurement()
{
    TDrawingtool& tool = Tool();
    int length = 0;
    const bool confirmed = AskModelLength(*this, "Measurement", "", tool.dimensionLength(), MEASUREMENT_BUFFER,
                                          FractionRule::Proper, length);
    if (!confirmed || length < 1) {
        client.SetPickTool();
        return;
    }
    tool.dimensionLength() = length;
    tool.step = 22;
}

void TChild::AbandonTool()
{
    Refresh(0);
    client.SetPickTool();
}

void TChild::EraseRubberBand()
{
    auto* line = dynamic_cast<TLinetool*>(&Tool());
    // Only the multiline's first line keeps a band on the screen across a key; it is drawn once
    // the cursor has left the start point.
    if (!line || line->step != STEP_MULTILINE_FIRST || line->active != 1 ||
        (line->x2 == line->x1 && line->y2 == line->y1))
        return;
    WithToolCanvas([&](TDrawingtool&, Canvas& dc, const TRect& rect) {
        SetupViewMapping(dc, rect);
        dc.SetROP2(RasterOp::Xor);
        const TPen previous = dc.SelectPen(line->RubberBandPen());
        line->DrawFeedback(dc, 0);
        dc.SelectPen(previous);
        dc.SetROP2(RasterOp::Copy);
    });
    // The band is off the screen: the next one starts from the start point again.
    line->x2 = line->x1;
    line->y2 = line->y1;
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
        // From the start of the band, or of the wall being typed.
        const TDrawingtool& tool = Tool();
        const bool started = tool.active == 1 || (tool.kind == KIND_EXTWALL && tool.lineDrawn == 1);
        if (!started || (tool.x1 == 0 && tool.y1 == 0)) {
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
    StoreSettings(*this, "ZOOM.CFG",
                  FormatC(ZOOM_CFG_FORMAT, state.viewExtX, state.viewExtY, state.viewOrgX, state.viewOrgY,
                          state.unitsPerLogical));
    SettingsRecord sheet(state.unitSystem == 1 ? "DWGSIZEM.CFG" : "DWGSIZEI.CFG", DWGSIZE_CFG_FORMAT);
    state.sheetWidth = std::max(0, int(sheet.Int(0)));
    state.sheetHeight = std::max(0, int(sheet.Int(1)));
    SettingsRecord steps("SCROLL.CFG", SCROLL_CFG_FORMAT);
    scrollLineX = std::max(1, int(steps.Int(0)));
    scrollLineY = std::max(1, int(steps.Int(1)));
    // The read-out of the drawing before means nothing here.
    SetDatumMode(DATUM_OFF);
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
    TScrollInfo info;
    info.pageX = std::max(1, state.viewExtX);
    info.pageY = std::max(1, state.viewExtY);
    info.lineX = scrollLineX;
    info.lineY = scrollLineY;
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
        const bool sameDrawing = SameDrawingName(name, state.drawingName);
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
        StoreSettings(*this, "LTEXT.CFG",
                      FormatC(LTEXT_CFG_FORMAT, dialog.lineTextSide, int(text.size()), text.c_str()));
}

// Draw Multilines

void TChild::RunMultilineOrStairsDialog(int kind)
{
    if (kind != 8)
        return;
    TInputDialog dialog(this, "Draw Multilines", "Number of Lines", std::to_string(MIN_MULTILINE_COUNT),
                        MULTILINE_COUNT_BUFFER);
    if (dialog.Execute() != IDOK) {
        client.SetPickTool();
        return;
    }
    // The lines are spaced by the distance over the count less one: fewer than two lines have no
    // spacing.
    const int count = DecimalValue(dialog.GetBuffer());
    if (count < MIN_MULTILINE_COUNT || count > MAX_MULTILINE_COUNT) {
        MessageBox("A multiline has 2 to 100 lines", "Draw Multilines", MB_OK | MB_ICONEXCLAMATION);
        client.SetPickTool();
        return;
    }
    Tool().libraryFlag = count;
    client.SetPrompt(MULTILINE_PROMPT);
}

// The external-wall dialogs

void TChild::RunPlanDialog(int kind)
{
    if (kind != 4)
        return;
    const bool metric = State().unitSystem == 1;
    client.SetPrompt(std::string(COMPLETE_DIALOGUE_PROMPT) + "   " + ANGLED_WALLS_HINT);
    const char* const file = metric ? "EXTWALLM.CFG" : "EXTWALLI.CFG";
    const SettingsRecord settings(file, EXTWALL_CFG_FORMAT);

    // Each dialog of the sequence: on OK its three line spacings are taken, any other end
    // abandons the external walls.
    int spacing[3] = {0, 0, 0};
    auto run = [&](auto& dialog) {
        if (dialog.Execute() != IDOK) {
            client.SetPickTool();
            return false;
        }
        spacing[0] = dialog.spacing1;
        spacing[1] = dialog.spacing2;
        spacing[2] = dialog.spacing3;
        return true;
    };

    // The wall type gives the spacings; the custom wall asks them.
    int wallType = 0;
    if (metric) {
        TPlandlg dialog(this, 2480);
        if (!run(dialog))
            return;
        wallType = dialog.wallType;
    } else {
        TPlanimpdlg dialog(this, 2900);
        if (!run(dialog))
            return;
        wallType = dialog.wallType;
    }
    Tool().step = STEP_READY;
    Refresh(0);
    if (wallType == 1) {
        if (metric) {
            TPlancustdlg dialog(this, 5300);
            if (!run(dialog))
                return;
        } else {
            TPlanimpcustdlg dialog(this, 5350);
            if (!run(dialog))
                return;
        }
    }
    if (Tool().kind == KIND_EXTWALL) {
        // The side on which the other wall lines lie orients every free wall.
        TExtsidedlg dialog(this, 4200);
        if (dialog.Execute() != IDOK) {
            client.SetPickTool();
            return;
        }
        Tool().objectIndex = dialog.lineSide;
    }

    // The spacings, the base and storey heights of the unit system, and the rest as it was. The
    // wall tool builds every wall from this file: without it the walls would not be the type chosen.
    const int* levels = metric ? METRIC_WALL_LEVELS : IMPERIAL_WALL_LEVELS;
    if (!StoreSettings(*this, file,
                       FormatC(EXTWALL_CFG_FORMAT, spacing[0], spacing[1], spacing[2], long(levels[0]),
                               long(levels[1]), long(levels[2]), long(levels[3]), settings.Int(7), settings.Int(8),
                               long(settings.Int(9))))) {
        client.SetPickTool();
        return;
    }

    client.helpContext = HELP_WALLS;
    client.SetToolName(EXTERNAL_WALL_TOOL_NAME);
    client.SetPrompt(EXTERNAL_WALL_PROMPT);
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
