#include "app/families/planresizefamily.h"

#include "app/families/arrowkeys.h"
#include "app/families/dimensionfamily.h"
#include "app/lengthprompt.h"
#include "app/toolfamily.h"
#include "app/toolsite.h"
#include "model/drawingedit.h"
#include "model/drawingstate.h"
#include "model/list.h"
#include "resources/menus.h"
#include "tools/floorarea.h"
#include "tools/toolkinds.h"
#include "walls/extwallobjtool.h"

#include <algorithm>
#include <cstdint>

namespace {

constexpr int HELP_FLOOR_PLAN = 250;
constexpr char ENLARGE_TOOL_NAME[] = "Enlarge Floor Plan";
constexpr char SHRINK_TOOL_NAME[] = "Shrink Floor Plan";
constexpr char ENLARGE_PROMPT[] = "press ARROW key of direction to expand floor plan";
constexpr char SHRINK_PROMPT[] = "WARNING press F1 first if unsure -press ARROW key of direction to shrink floor plan";
constexpr char ENLARGE_CUT_PROMPT[] = "move cursor,press ENTER when line is at position to expand from";
constexpr char SHRINK_CUT_PROMPT[] = "move cursor,press ENTER when line is at position to shrink from";
constexpr char ENLARGE_DISTANCE_TITLE[] = "EXPAND BASE BY";
constexpr char SHRINK_DISTANCE_TITLE[] = "SHRINK BASE BY";
constexpr char ENLARGE_REFUSAL_TITLE[] = "EXPAND FLOOR PLAN";
constexpr char SHRINK_REFUSAL_TITLE[] = "SHRINK FLOOR PLAN";
// The metric distance box holds at most 8 characters.
constexpr int DISTANCE_BUFFER = 9;

// The guide line: 1 vertical (a cut across x), 2 horizontal (across y).
constexpr int GUIDE_VERTICAL = 1;
constexpr int GUIDE_HORIZONTAL = 2;

class TPlanResizeFamily : public TToolFamily {
public:
    // The mouse only moves the guide line: a button must not commit the tool's segment as a wall.
    void LButtonDown(TToolSite&, TPoint) const override {}
    void LButtonUp(TToolSite&, TPoint) const override {}
    void RButtonDown(TToolSite&, TPoint) const override {}
    bool MeasuresFromStart(const TDrawingtool&) const override { return false; }

    void KeyDown(TToolSite& site, int key) const override
    {
        TDrawingtool& tool = site.Tool();
        const bool shrink = tool.step == STEP_PLAN_SHRINK;
        if (IsArrowKey(key)) {
            if (tool.lineDrawn != 0)
                return;
            // The side of the cut: 1 up, 2 right, 3 down, 4 left.
            tool.objectIndex = ArrowDirection(key);
            tool.lineDrawn = 1;
            tool.active = 1;
            tool.markerCode = key == VK_LEFT || key == VK_RIGHT ? GUIDE_VERTICAL : GUIDE_HORIZONTAL;
            site.SetPrompt(shrink ? SHRINK_CUT_PROMPT : ENLARGE_CUT_PROMPT);
            return;
        }
        if (key == VK_ENTER && tool.lineDrawn == 1)
            Resize(site);
    }

private:
    static void Resize(TToolSite& site)
    {
        auto* tool = dynamic_cast<TExtwallobjtool*>(&site.Tool());
        if (!tool)
            return;
        const bool shrink = tool->step == STEP_PLAN_SHRINK;
        const TPoint cut = site.ModelPointOf(site.Cursor());

        int proposal = 0;
        if (shrink) {
            // The service measures from the cut point in logical units; the guide line keeps its
            // own point in lineAux2.
            const int unitsPerLogical = std::max(1, State().unitsPerLogical);
            const std::int32_t guideY = tool->lineAux2;
            tool->libraryFlag = cut.x / unitsPerLogical;
            tool->lineAux2 = cut.y / unitsPerLogical;
            tool->SubCommand(SUB_ROOM_CLEARANCE);
            tool->lineAux2 = guideY;
            proposal = tool->libraryFlag;
        }

        int distance = 0;
        switch (AnswerTypedLength(site.DialogParent(), shrink ? SHRINK_DISTANCE_TITLE : ENLARGE_DISTANCE_TITLE, "",
                                  proposal, DISTANCE_BUFFER, FractionRule::Any, distance)) {
        case TLengthAnswer::Cancelled:
            // The guide line stays for another ENTER.
            return;
        case TLengthAnswer::Refused:
            site.AbandonTool();
            return;
        case TLengthAnswer::Given:
            break;
        }

        // The resize, the centring, the renewed dimensions and area and the floor's title are one
        // change of the drawing, written once.
        TDrawingEdit edit;
        TModelShift centring;
        if (!tool->ResizeAndCentre(edit, distance, cut.x, cut.y, &centring)) {
            // Nothing moved: the plan, its dimensions and its title stay as they were.
            site.Message(tool->resizeRefusal, shrink ? SHRINK_REFUSAL_TITLE : ENLARGE_REFUSAL_TITLE);
            site.AbandonTool();
            return;
        }
        // Centred already; the new dimensions may still lie where the drawing file cannot store
        // them, and then the resize is refused whole.
        TModelShift again;
        const TAutoDimensions outcome = AddAutoDimensions(edit, *tool, &again);
        if (outcome != TAutoDimensions::Added) {
            TellAutoDimensionsRefusal(site, outcome);
            site.AbandonTool();
            return;
        }
        State().objects.MakeDrawingTitles(edit);
        if (!edit.Commit()) {
            // The user has been told; the repaint shows the drawing as its file holds it.
            site.AbandonTool();
            return;
        }
        // A zoomed view moves with the centred plan, as after Auto Dimensions.
        site.MoveViewWithPlan(centring.dx + again.dx, centring.dy + again.dy);
        site.Refresh(0);
        site.SetPickTool();
    }
};

const TPlanResizeFamily planResizeFamily{};

const TCommandRow commands[] = {
    {.id = CM_EXPANDFLOORPLAN, .needs = TCommandNeed::PlanView, .make = MakeTool<TExtwallobjtool>,
     .kind = KIND_PLAN_RESIZE, .step = STEP_PLAN_ENLARGE, .toolName = ENLARGE_TOOL_NAME, .prompt = ENLARGE_PROMPT,
     .helpContext = HELP_FLOOR_PLAN, .family = &planResizeFamily},
    {.id = CM_SHRINKFLOORPLAN, .needs = TCommandNeed::PlanView, .make = MakeTool<TExtwallobjtool>,
     .kind = KIND_PLAN_RESIZE, .step = STEP_PLAN_SHRINK, .toolName = SHRINK_TOOL_NAME, .prompt = SHRINK_PROMPT,
     .helpContext = HELP_FLOOR_PLAN, .family = &planResizeFamily},
};

const TKindRow kinds[] = {
    {KIND_PLAN_RESIZE, MakeTool<TExtwallobjtool>, &planResizeFamily},
};

}  // namespace

const TToolFamily& PlanResizeFamily()
{
    return planResizeFamily;
}

TFamilyRows PlanResizeFamilyRows()
{
    return {commands, kinds};
}
