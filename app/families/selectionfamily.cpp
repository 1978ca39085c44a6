#include "app/families/selectionfamily.h"

#include "app/toolfamily.h"
#include "app/toolsite.h"
#include "model/drawingedit.h"
#include "model/drawingstate.h"
#include "model/list.h"
#include "model/typecodes.h"
#include "model/viewmapping.h"
#include "platform/canvas.h"
#include "platform/inputdialog.h"
#include "platform/wholenumber.h"
#include "resources/menus.h"
#include "tools/copyobjtool.h"
#include "tools/drawingtool.h"
#include "tools/eraseobjtool.h"
#include "tools/moveobjtool.h"
#include "tools/pastebuffer.h"
#include "tools/selectiongeometry.h"

namespace {

constexpr int HELP_MOVE_ROTATE = 230;

const char* const COPY_PROMPT = "press LEFT Button and DRAG over objects to COPY - use PASTE to insert the copy";
const char* const MOVE_PROMPT =
    "DRAG LB completely over item - click LB on a ref.pt, then use LB(MOVE) or RB(ROTATE) press ENTER to lock";
const char* const ERASE_PROMPT =
    "DRAG LB completely over items to DELETE - WALLS will not be deleted with this function - USE DELETE/WALLS";
const char* const ZOOM_PROMPT = "press Left Button, hold down and drag cursor over area to enlarge";
const char* const PASTE_PROMPT = "click LEFT Button on reference point and MOVE,press ENTER to finish";
const char* const ROTATE_PROMPT =
    "input degrees to rotate,then if needed, use + - keys to finetune. press Enter to Lock";
const char* const COPIED_PROMPT = "press F1 key for help";
const char* const PICK_TOOL_NAME = "Pick Tool";
const char* const QUARTER_TURNS_ONLY = "ARC, RECT and RNDRECT objects only rotate in 90, 180 and 270 degree increments";

// The angle typed at the right click: whole degrees, clockwise, at most 9 characters.
constexpr int ANGLE_BUFFER = 10;
const TWholeNumberRange ANGLE_RANGE{0, 360, "degrees"};
// A right click after a line of this type (drawn by a door or window symbol) turns it by a
// quarter turn without asking.
constexpr int TYPE_QUARTER_TURN_LINE = 27001;
constexpr int QUARTER_TURN = 90;

TMoveobjtool* SelectionTool(TToolSite& site)
{
    return dynamic_cast<TMoveobjtool*>(&site.Tool());
}

bool IsArrowKey(int key)
{
    return key == VK_LEFT || key == VK_UP || key == VK_RIGHT || key == VK_DOWN;
}

// What an erase leaves to repaint: the selection rectangle and what the erased objects covered.
TModelBox ErasedArea(TEraseobjtool& tool)
{
    TModelBox area = tool.ErasedArea();
    if (tool.rectMinX() != tool.rectMaxX() || tool.rectMinY() != tool.rectMaxY()) {
        area.Add(tool.rectMinX(), tool.rectMinY());
        area.Add(tool.rectMaxX(), tool.rectMaxY());
    }
    return area;
}

// The angle of a right click: the prompt's whole degrees, 0 when cancelled. False when the turn
// is refused (a number out of range, which a message has said, or a shape that takes only quarter
// turns).
bool AskRotation(TToolSite& site, int& degrees)
{
    site.SetPrompt(ROTATE_PROMPT);
    TInputDialog dialog(&site.DialogParent(), "ROTATE", "clockwise", std::to_string(QUARTER_TURN), ANGLE_BUFFER);
    if (dialog.Execute() != IDOK) {
        degrees = 0;
        return true;
    }
    const std::optional<std::int32_t> typed = ReadWholeNumber(dialog.GetBuffer(), ANGLE_RANGE);
    if (!typed) {
        site.Message(ANGLE_RANGE.Message(), "ROTATE");
        return false;
    }
    degrees = *typed;
    return degrees % QUARTER_TURN == 0 || CheckRotatableSelection(site) == 0;
}

// The zoom rectangle's tool, also while CENTRE or CENTRE CENTRE takes its clicks for it.
bool Zooming(const TDrawingtool& tool)
{
    const int step = IsAnyCentreStep(tool.step) ? tool.savedStep : tool.step;
    return tool.kind == KIND_MOVE && (step == STEP_ZOOM_START || step == STEP_ZOOM_DRAG);
}

// Enter: the moves and turns go into the drawing file through one edit, the area they touched is
// shown from it, and the pick tool takes over. Once written, the list holds what the file holds:
// the area is painted from the list, as File/Open paints what it has just read, and the file is
// not parsed back. A write that failed has read the file back into the list already.
void LockSelection(TToolSite& site, TMoveobjtool& tool)
{
    TModelBox area;
    TPoint cursor = site.Cursor();
    site.CallTool([&](TDrawingtool& t, Canvas& dc, const TRect& rect) {
        t.KeyDown(dc, rect, VK_ENTER, cursor, 0);
        SetupViewMapping(dc, rect);
        area = tool.ChangedArea(dc);
    });
    TDrawingEdit edit;
    tool.LockSelection(edit);
    const bool written = edit.Commit();
    site.SetPickTool();
    site.InvalidateModelArea(area);
    if (written) {
        const TList::TRepaintFromList asWritten(State().objects);
        site.RepaintNow();
    }
}

class TSelectionFamily : public TToolFamily {
public:
    void LButtonDown(TToolSite& site, TPoint point) const override
    {
        const int kind = site.Tool().kind;
        if (kind == KIND_MOVE || kind == KIND_ERASE)
            site.SetDatum(DATUM_SET, site.ModelPointOf(point));
        TToolFamily::LButtonDown(site, point);
    }

    void LButtonUp(TToolSite& site, TPoint point) const override
    {
        TMoveobjtool* tool = SelectionTool(site);
        if (!tool)
            return;
        const int kind = tool->kind;
        const bool zoomRelease = kind == KIND_MOVE && tool->step == STEP_ZOOM_DRAG;
        const bool selectionRelease = tool->step == STEP_SELECTION_DRAG;
        if (!zoomRelease && !selectionRelease)
            return;
        site.SetDatumMode(DATUM_OFF);
        site.SetDistance("");
        TToolFamily::LButtonUp(site, point);

        if (zoomRelease) {
            const bool zoomed = tool->ViewZoomed();
            site.RestoreKeptTool();
            if (zoomed)
                site.ApplyView();
            return;
        }
        if (kind == KIND_COPY && tool->libraryFlag != COPY_FOR_LIBRARY && tool->step == STEP_SELECTION_MADE) {
            // The copy is in the paste buffer; the copy tool stays.
            site.SetPrompt(COPIED_PROMPT);
            site.SetToolName(PICK_TOOL_NAME);
        } else if (auto* erase = dynamic_cast<TEraseobjtool*>(tool)) {
            // The area is taken before the pick tool replaces the erase tool.
            const TModelBox area = ErasedArea(*erase);
            site.SetPickTool();
            site.InvalidateModelArea(area);
        }
    }

    void RButtonDown(TToolSite& site, TPoint point) const override
    {
        TMoveobjtool* tool = SelectionTool(site);
        // Only the move tool turns, and only a selection of its own.
        if (!tool || tool->kind != KIND_MOVE || tool->selectionCount() == 0)
            return;
        const TList& objects = State().objects;
        int degrees = QUARTER_TURN;
        const bool quarterLine = objects.count() > 0 && objects[objects.count() - 1]->typeCode == TYPE_QUARTER_TURN_LINE;
        if (!quarterLine && !AskRotation(site, degrees))
            return;
        tool->rotationStep() = degrees;
        tool->step = STEP_SELECTION_MOVING;
        TToolFamily::RButtonDown(site, point);
    }

    void KeyDown(TToolSite& site, int key) const override
    {
        TMoveobjtool* tool = SelectionTool(site);
        if (!tool || tool->kind != KIND_MOVE)
            return;
        if (key == VK_ENTER) {
            // Enter while zooming (also while CENTRE takes its clicks for the zoom) ends the zoom
            // and the tool kept for after it, which the pick tool settles.
            if (Zooming(*tool)) {
                site.SetPickTool();
                return;
            }
            LockSelection(site, *tool);
            return;
        }
        if (tool->step != STEP_SELECTION_MOVING || tool->lineDrawn != 0)
            return;
        const bool turn = key == VK_ADD || key == VK_SUBTRACT;
        if (!turn && !IsArrowKey(key))
            return;
        if (turn && CheckRotatableSelection(site) != 0)
            return;
        TPoint cursor = site.Cursor();
        site.CallTool([key, &cursor](TDrawingtool& t, Canvas& dc, const TRect& rect) {
            t.KeyDown(dc, rect, key, cursor, 1);
        });
    }

    void Leaving(TToolSite& site) const override
    {
        TMoveobjtool* tool = SelectionTool(site);
        if (!tool)
            return;
        TModelBox unlocked;
        site.CallTool([&](TDrawingtool&, Canvas& dc, const TRect& rect) {
            tool->TakeBandOff(dc, rect);
            SetupViewMapping(dc, rect);
            unlocked = tool->ChangedArea(dc);
        });
        // Moves and turns not locked with Enter are not in the drawing file: the repaint shows
        // the drawing as the file holds it, and the list holds it again at once, also when
        // nothing of the selection is in view and no repaint comes. A file that cannot be read
        // is told, and the list holds nothing of the move.
        site.InvalidateModelArea(unlocked);
        if (tool->HoldsListChange()) {
            site.ReadListBack();
            tool->FollowList();
        }
    }
};

const TSelectionFamily selectionFamily{};

void PasteCommand(TCommandContext& context)
{
    if (TToolSite* window = context.Window())
        PasteFromBuffer(*window);
}

void ZoomUp(TCommandContext& context)
{
    TToolSite* window = context.Window();
    if (!window || !context.DrawingOpen()) {
        context.DialogParent().MessageBox(NO_DRAWING_OPEN, "ZOOM UP", MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    // Chosen again while zooming, the tool to return to stays the one kept first.
    if (!Zooming(window->Tool())) {
        auto tool = std::make_unique<TMoveobjtool>();
        tool->step = STEP_ZOOM_START;
        if (!window->InstallToolKeepingCurrent(std::move(tool), selectionFamily))
            return;
    }
    window->SetToolName("Zoom UP");
    window->SetPrompt(ZOOM_PROMPT);
    window->SetHelpContext(HELP_MOVE_ROTATE);
}

const TCommandRow commands[] = {
    {.id = CM_COPY, .needs = TCommandNeed::PlanView, .make = MakeTool<TCopyobjtool>, .kind = KIND_COPY,
     .step = STEP_READY, .toolName = "Copy", .prompt = COPY_PROMPT, .helpContext = HELP_MOVE_ROTATE, .family = &selectionFamily},
    {.id = CM_PASTE, .needs = TCommandNeed::PlanView, .run = PasteCommand},
    {.id = CM_MOVEROTATE, .needs = TCommandNeed::PlanView, .make = MakeTool<TMoveobjtool>, .kind = KIND_MOVE,
     .step = STEP_READY, .toolName = "Move/Rotate", .prompt = MOVE_PROMPT, .helpContext = HELP_MOVE_ROTATE,
     .family = &selectionFamily},
    {.id = CM_ERASE, .needs = TCommandNeed::PlanView, .make = MakeTool<TEraseobjtool>, .kind = KIND_ERASE,
     .step = STEP_READY, .toolName = "Erase", .prompt = ERASE_PROMPT, .helpContext = HELP_MOVE_ROTATE, .family = &selectionFamily},
    {.id = CM_ZOOMUP, .run = ZoomUp, .held = THeldFigure::Keep},
};

const TKindRow kinds[] = {
    {KIND_MOVE, MakeTool<TMoveobjtool>, &selectionFamily},
    {KIND_COPY, MakeTool<TCopyobjtool>, &selectionFamily},
    {KIND_ERASE, MakeTool<TEraseobjtool>, &selectionFamily},
};

}  // namespace

const TToolFamily& SelectionFamily()
{
    return selectionFamily;
}

TFamilyRows SelectionFamilyRows()
{
    return {commands, kinds};
}

void PasteFromBuffer(TToolSite& site)
{
    TList& objects = State().objects;
    const int first = objects.count();
    TDrawingEdit edit(objects);
    const TLoadResult pasted = PasteObjects(edit);
    if (!pasted.ok) {
        site.Message(pasted.message, "PASTE");
        site.SetPickTool();
        return;
    }
    if (!edit.Commit()) {
        // The drawing file could not take the objects (the user has been told): the repaint shows
        // the drawing as the file holds it, without them.
        site.AbandonTool();
        return;
    }
    if (!site.InstallTool(std::make_unique<TMoveobjtool>(), selectionFamily))
        return;
    site.SetToolName("Paste");
    site.SetPrompt(PASTE_PROMPT);
    site.SetHelpContext(HELP_MOVE_ROTATE);
    TModelBox area;
    site.CallTool([&](TDrawingtool& tool, Canvas& dc, const TRect& rect) {
        tool.ObjectsAdded(dc, rect, first, 0);
        tool.step = STEP_SELECTION_MADE;
        SetupViewMapping(dc, rect);
        for (int i = first; i < objects.count(); ++i)
            area.Add(PaintedBounds(*objects[i], dc));
    });
    site.InvalidateModelArea(area);
}

int CheckRotatableSelection(TToolSite& site)
{
    const TMoveobjtool* tool = SelectionTool(site);
    if (!tool || tool->SelectedIndices().empty())
        return 1;
    if (!tool->NeedsQuarterTurns())
        return 0;
    site.Message(QUARTER_TURNS_ONLY, "ROTATE");
    return 1;
}
