#include "app/families/intwallfamily.h"

#include "app/families/arrowkeys.h"
#include "app/toolfamily.h"
#include "app/toolsite.h"
#include "dialogs/dbledlg.h"
#include "model/drawingstate.h"
#include "model/viewmapping.h"
#include "platform/canvas.h"
#include "resources/menus.h"
#include "walls/intwallobjtool.h"

#include <optional>

namespace {

constexpr int HELP_WALLS = 250;
const char* const INTERNAL_WALL_TOOL_NAME = "Int. Walls";
const char* const SECOND_LINE_PROMPT = "select the spacing to and relative position of second line";
const char* const DELETE_TOOL_NAME = "DELETE Wall";
const char* const DELETE_PROMPT = "press ENTER on a line of INTERNAL wall to DELETE";
const char* const WRONG_ARROW_MESSAGE =
    "Wrong Arrow key for second line position - re select Internal Wall icon and try again";
const char* const WRONG_ARROW_TITLE = "INTERNAL WALL";
const char* const LENGTH_TITLE = "WALL TO";
const char* const NOTHING_TO_DELETE = "No internal wall at the cursor";

TIntwallobjtool* InternalWallTool(TToolSite& site)
{
    return dynamic_cast<TIntwallobjtool*>(&site.Tool());
}

// Takes the rubber band off the screen while it is drawn.
void EraseBand(TToolSite& site)
{
    TIntwallobjtool* tool = InternalWallTool(site);
    if (tool && tool->active == 1 && tool->feedbackShown == 1)
        site.CallTool([tool](TDrawingtool&, Canvas& dc, const TRect& rect) { tool->EraseBand(dc, rect); });
}

void CallKey(TToolSite& site, int key, int value)
{
    TPoint cursor = site.Cursor();
    site.CallTool([key, value, &cursor](TDrawingtool& tool, Canvas& dc, const TRect& rect) {
        tool.KeyDown(dc, rect, key, cursor, value);
    });
}

// After ENTER or an arrow: the datum at the new start, the changed area repainted from the file,
// then either the end of the run (the pick tool) or the cursor on the start with the band ready.
void AfterKey(TToolSite& site)
{
    TIntwallobjtool& tool = *InternalWallTool(site);
    const TPoint start{tool.x1, tool.y1};
    site.SetDatum(DATUM_SET_ANGLE, start);
    site.InvalidateModelArea(tool.repaintArea);
    if (tool.outcome == TIntwallOutcome::Closed || tool.outcome == TIntwallOutcome::MetWall) {
        site.SetPickTool();
        return;
    }
    site.SetCursor(site.DevicePointOf(start));
    tool.active = 1;
    tool.feedbackShown = 0;
}

void DeleteAtCursor(TToolSite& site)
{
    CallKey(site, VK_ENTER, 0);
    TIntwallobjtool& tool = *InternalWallTool(site);
    if (tool.outcome == TIntwallOutcome::NothingToDelete)
        site.Message(NOTHING_TO_DELETE, DELETE_TOOL_NAME);
    else if (tool.outcome == TIntwallOutcome::Deleted)
        site.InvalidateModelArea(tool.repaintArea);
}

class TIntWallFamily : public TToolFamily {
public:
    void KeyDown(TToolSite& site, int key) const override
    {
        TIntwallobjtool* tool = InternalWallTool(site);
        if (!tool) {
            TToolFamily::KeyDown(site, key);
            return;
        }
        if (tool->kind == KIND_INTWALL_DELETE) {
            if (key == VK_ENTER)
                DeleteAtCursor(site);
            return;
        }
        if (key == VK_ENTER) {
            EraseBand(site);
            CallKey(site, key, 0);
            AfterKey(site);
            return;
        }
        if (!IsArrowKey(key))
            return;
        if (site.MarkX() != 0) {
            NudgeCursor(site, key);
            return;
        }
        if (tool->lineDrawn != 1)
            return;
        EraseBand(site);
        // The start snaps onto a wall line, the first piece must fit the side of the second line,
        // and the distance to the next wall in the arrow's direction is proposed.
        tool->Setup(ArrowDirection(key), 0, 0);
        if (tool->outcome == TIntwallOutcome::WrongArrow) {
            site.Message(WRONG_ARROW_MESSAGE, WRONG_ARROW_TITLE);
            site.SetPickTool();
            return;
        }
        const int proposal = tool->proposedLength();
        int length = 0;
        if (!site.AskLength(LENGTH_TITLE, ArrowPrompt(key), proposal > 0 ? std::optional<int>(proposal) : std::nullopt,
                            length)) {
            site.AbandonTool();
            return;
        }
        CallKey(site, key, length);
        AfterKey(site);
    }

    void Leaving(TToolSite& site) const override
    {
        EraseBand(site);
        if (TIntwallobjtool* tool = InternalWallTool(site))
            tool->active = 0;
    }
};

const TIntWallFamily intWallFamily{};

void StartInternalWalls(TCommandContext& context)
{
    if (TToolSite* window = context.Window())
        RunInternalWallDialog(*window);
}

const TCommandRow commands[] = {
    {.id = CM_INTWALL, .needs = TCommandNeed::PlanView, .make = MakeTool<TIntwallobjtool>, .kind = KIND_INTWALL,
     .toolName = INTERNAL_WALL_TOOL_NAME, .helpContext = HELP_WALLS, .family = &intWallFamily,
     .run = StartInternalWalls},
    {.id = CM_DELETEINTWALL, .needs = TCommandNeed::PlanView, .make = MakeTool<TIntwallobjtool>,
     .kind = KIND_INTWALL_DELETE, .toolName = DELETE_TOOL_NAME, .prompt = DELETE_PROMPT, .helpContext = HELP_WALLS,
     .family = &intWallFamily},
};

// The delete tool is never rebuilt from its kind: that kind belongs to a door tool.
const TKindRow kinds[] = {
    {KIND_INTWALL, MakeTool<TIntwallobjtool>, &intWallFamily},
};

// The code of the internal-wall dialog among the line dialogs.
constexpr int LINE_DIALOG_INTERNAL_WALLS = 9;

const TSequenceRow sequences[] = {
    {TDialogSequence::Line, LINE_DIALOG_INTERNAL_WALLS, RunInternalWallDialog},
};

}  // namespace

const TToolFamily& IntWallFamily()
{
    return intWallFamily;
}

TFamilyRows IntWallFamilyRows()
{
    return {commands, kinds, sequences};
}

void RunInternalWallDialog(TToolSite& site)
{
    TWindow& parent = site.DialogParent();
    int result = IDCANCEL;
    int side = 0;
    if (State().unitSystem == 1) {
        TDbledlg dialog(&parent, 7000);
        result = dialog.Execute();
        side = dialog.secondLineSide;
    } else if (State().unitSystem == 0) {
        TDbleimpdlg dialog(&parent, 7500);
        result = dialog.Execute();
        side = dialog.secondLineSide;
    }
    // Without a side the walls would get no second face: a cancel ends the command.
    if (result != IDOK) {
        site.AbandonTool();
        return;
    }
    site.Tool().markerX = side;
    site.SetPrompt(SECOND_LINE_PROMPT);
}
