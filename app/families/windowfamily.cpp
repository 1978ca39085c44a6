#include "app/families/windowfamily.h"

#include "app/families/arrowkeys.h"
#include "app/toolfamily.h"
#include "app/toolsite.h"
#include "dialogs/configdlg.h"
#include "dialogs/doordlg.h"
#include "dialogs/entrydlg.h"
#include "dialogs/windlg.h"
#include "model/drawingstate.h"
#include "model/settingsrecords.h"
#include "openings/windowobjtool.h"
#include "platform/decimaltext.h"
#include "resources/menus.h"
#include "tools/toolkinds.h"

namespace {

constexpr int HELP_WINDOWS = 290;
// The code of the window dialogs among the plan dialogs.
constexpr int PLAN_DIALOG_WINDOWS = 6;
const char* const WINDOW_TOOL_NAME = "Window";
const char* const DATUM_PROMPT = "cursor distance is from DATUM at top left external wall corner";

TWindowobjtool* WindowTool(TToolSite& site)
{
    return dynamic_cast<TWindowobjtool*>(&site.Tool());
}

// The tool gadget's text for the opening chosen; null keeps "Window".
const char* ToolNameOf(int openingType)
{
    if (IsSingleDoor(openingType))
        return "external door";
    if (IsFrenchIn(openingType) || IsFrenchOut(openingType))
        return "French doors";
    if (BaseOpeningType(openingType) == OPENING_GARAGE)
        return "garage door";
    return nullptr;
}

void ShowMessages(TToolSite& site, TPlaceOutcome outcome)
{
    for (const TToolMessage& message : WindowToolMessages(outcome))
        site.Message(message.text, message.title);
}

// The width of a door dialog, in model units; 0 when it holds none.
int DoorWidth(const TDoordlg& door, int factor)
{
    return DecimalValue(door.widthText) * factor;
}

class TWindowFamily : public TToolFamily {
public:
    // Clicks only serve CENTRE and CENTRE CENTRE: the opening is marked with ENTER.
    void LButtonDown(TToolSite& site, TPoint point) const override
    {
        TWindowobjtool* tool = WindowTool(site);
        if (!tool || !IsAnyCentreStep(tool->step))
            return;
        site.CallTool([tool, point](TDrawingtool&, Canvas& dc, const TRect& rect) {
            if (IsCentreStep(tool->step))
                tool->CentreStep(dc, rect, point.x, point.y);
            else
                tool->CentreCentreStep(dc, rect, point.x, point.y);
        });
    }
    void LButtonUp(TToolSite&, TPoint) const override {}

    // Moves reach the tool while its preview is on (or waits to come back after a zoom).
    bool WantsMouseMove(const TDrawingtool& tool) const override
    {
        const auto* window = dynamic_cast<const TWindowobjtool*>(&tool);
        return tool.active == 1 || (window && window->armed);
    }
    // The read-out measures from the datum at the walls' corner, never from the preview.
    bool MeasuresFromStart(const TDrawingtool&) const override { return false; }

    void KeyDown(TToolSite& site, int key) const override
    {
        TWindowobjtool* tool = WindowTool(site);
        if (!tool)
            return;
        if (IsArrowKey(key)) {
            if (site.MarkX() != 0)
                NudgeCursor(site, key);
            return;
        }
        if (key != VK_ENTER)
            return;
        TPoint cursor = site.Cursor();
        site.CallTool([tool, &cursor](TDrawingtool&, Canvas& dc, const TRect& rect) {
            tool->KeyDown(dc, rect, VK_ENTER, cursor, 0);
        });
        ShowMessages(site, tool->outcome);
        // A refused opening's parts already drawn are repainted away.
        if (tool->outcome == TPlaceOutcome::Placed || tool->outcome == TPlaceOutcome::Unstorable)
            site.InvalidateModelArea(tool->repaintArea);
        // One opening per command, placed or refused.
        site.SetPickTool();
    }

    void Leaving(TToolSite& site) const override
    {
        TWindowobjtool* tool = WindowTool(site);
        if (!tool || !tool->previewShown)
            return;
        site.CallTool([tool](TDrawingtool&, Canvas& dc, const TRect& rect) { tool->HidePreview(dc, rect); });
        tool->active = 0;
    }
};

const TWindowFamily windowFamily{};

void StartWindow(TCommandContext& context)
{
    if (TToolSite* window = context.Window())
        RunWindowDialogs(*window);
}

const TCommandRow commands[] = {
    {.id = CM_WINDOW, .needs = TCommandNeed::PlanView, .make = MakeTool<TWindowobjtool>, .kind = KIND_WINDOW,
     .toolName = WINDOW_TOOL_NAME, .helpContext = HELP_WINDOWS, .family = &windowFamily, .run = StartWindow},
};

const TKindRow kinds[] = {
    {KIND_WINDOW, MakeTool<TWindowobjtool>, &windowFamily},
};

const TSequenceRow sequences[] = {
    {TDialogSequence::Plan, PLAN_DIALOG_WINDOWS, RunWindowDialogs},
};

}  // namespace

const TToolFamily& WindowFamily()
{
    return windowFamily;
}

TFamilyRows WindowFamilyRows()
{
    return {commands, kinds, sequences};
}

void RunWindowDialogs(TToolSite& site)
{
    TWindowobjtool* tool = WindowTool(site);
    if (!tool)
        return;
    TWindow& parent = site.DialogParent();
    const int factor = State().unitSystem == 0 ? 24 : 1;

    TWindlg windows(&parent, 6500);
    if (windows.Execute() != IDOK) {
        site.AbandonTool();
        return;
    }
    int width = DecimalValue(windows.widthText) * factor;
    const int type = windows.openingType;
    if (IsSingleDoor(type)) {
        TDoordlg door(&parent, 10500, width);
        if (door.Execute() != IDOK) {
            site.AbandonTool();
            return;
        }
        if (DoorWidth(door, factor) > 0)
            width = DoorWidth(door, factor);
        tool->step = door.doorType;
    } else if (IsMainEntry(type)) {
        TEntrydlg entry(&parent, 6000);
        if (entry.Execute() != IDOK) {
            site.AbandonTool();
            return;
        }
        width = DecimalValue(entry.widthText) * factor;
        if (entry.doorCount == 1) {
            // A single door takes its swing, and any width typed there, from the door dialog.
            TDoordlg door(&parent, 10500, width);
            if (door.Execute() != IDOK) {
                site.AbandonTool();
                return;
            }
            tool->step = door.doorType;
            if (DoorWidth(door, factor) > 0)
                width = DoorWidth(door, factor);
            TEntrySettings frame = ReadSettings<TEntrySettings>();
            frame.doorWidth = width;
            WriteSettingsReported(frame);
        }
    }

    tool->Setup(width, 0, 0);
    if (tool->outcome == TPlaceOutcome::WidthTooSmall) {
        ShowMessages(site, tool->outcome);
        site.AbandonTool();
        return;
    }
    if (const std::optional<TPoint> corner = TopLeftWallCorner(State().currentFloor))
        site.SetDatum(DATUM_SET, *corner);
    site.SetPrompt(DATUM_PROMPT);
    if (const char* name = ToolNameOf(type))
        site.SetToolName(name);
}

void RunDefaultDoors(TCommandContext& context)
{
    TToolSite* window = context.Window();
    TConfigdlg dialog(window ? &window->DialogParent() : &context.DialogParent(), 5400);
    dialog.Execute();
    if (window)
        window->Refresh(0);
}
