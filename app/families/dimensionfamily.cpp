#include "app/families/dimensionfamily.h"

#include "app/families/extwallfamily.h"
#include "app/families/linefamily.h"
#include "app/toolfamily.h"
#include "app/toolsite.h"
#include "dialogs/measdlg.h"
#include "dialogs/offsetdlg.h"
#include "model/drawingedit.h"
#include "model/drawingstate.h"
#include "model/infoobj.h"
#include "model/list.h"
#include "model/settingsrecords.h"
#include "model/typecodes.h"
#include "resources/menus.h"
#include "tools/floorarea.h"
#include "tools/toolkinds.h"
#include "tools/walldimensions.h"
#include "walls/extwallobjtool.h"

namespace {

constexpr int HELP_DIMENSIONS = 250;
constexpr char DIMENSION_TOOL_NAME[] = "Dimension";
constexpr char FIRST_POINT_PROMPT[] = "press ENTER on the first point of the dimension";
constexpr char SECOND_POINT_PROMPT[] = "press ENTER on the second point of the dimension";

// The floor record of the floor in view; null when the drawing has none.
TInfoobj* FloorRecord(int& index)
{
    TDrawingState& state = State();
    const std::optional<int> found = state.objects.FindByType(FloorRecordType(state.currentFloor));
    if (!found)
        return nullptr;
    index = *found;
    return dynamic_cast<TInfoobj*>(state.objects[index]);
}

// The tool's AutoDimension at the cursor: one step of the manual dimension.
void DimensionAtCursor(TToolSite& site)
{
    const TPoint cursor = site.Cursor();
    site.CallTool([cursor](TDrawingtool& tool, Canvas& dc, const TRect& rect) {
        tool.AutoDimension(dc, rect, cursor.x, cursor.y, 0, 0);
    });
}

// Manual dimension: Enter marks the first point, then the second; the measured length can be
// changed at the prompt before the value text is placed in the middle. The mouse only moves the
// cursor.
class TDimensionFamily : public TToolFamily {
public:
    void LButtonDown(TToolSite&, TPoint) const override {}
    void LButtonUp(TToolSite&, TPoint) const override {}
    bool WantsMouseMove(const TDrawingtool&) const override { return false; }

    void KeyDown(TToolSite& site, int key) const override
    {
        if (key != VK_ENTER)
            return;
        TDrawingtool& tool = site.Tool();
        if (tool.step == STEP_DIMENSION_FIRST) {
            DimensionAtCursor(site);
            site.Tool().step = STEP_DIMENSION_SECOND;
            site.SetPrompt(SECOND_POINT_PROMPT);
            return;
        }
        if (tool.step != STEP_DIMENSION_SECOND)
            return;
        // The arrows are drawn now, held by the tool, and written with the text. A second point
        // whose arrows the file could not hold builds nothing (the tool has said so): the
        // dimension waits for another.
        DimensionAtCursor(site);
        if (!site.Tool().HoldsFigure())
            return;
        const TDrawingtool* measuring = &site.Tool();
        InputMeasurement(site);
        if (&site.Tool() != measuring || site.Tool().step != STEP_DIMENSION_TEXT) {
            // Not confirmed: the arrows, never written, go with a repaint from the file.
            site.Refresh(0);
            return;
        }
        DimensionAtCursor(site);
        site.SetPickTool();
    }
};

const TDimensionFamily dimensionFamily{};

// Other/Auto Dimensions: a fresh external-wall tool runs them (the run leaves its last dimension
// in the tool's fields, and the tool of a wall being drawn must keep its wall), then the pick tool.
void AutoDimensionsCommand(TCommandContext& context)
{
    TToolSite* window = context.Window();
    if (!window)
        return;
    auto tool = std::make_unique<TExtwallobjtool>();
    tool->kind = KIND_EXTWALL;
    if (!window->InstallTool(std::move(tool), ExtWallFamily()))
        return;
    AutoDimensions(*window);
    window->SetPickTool();
    window->Refresh(0);
}

const TCommandRow commands[] = {
    {.id = CM_MANUALDIMENSION, .needs = TCommandNeed::PlanView, .make = MakeTool<TLineobjtool>, .kind = KIND_LINE,
     .step = STEP_DIMENSION_FIRST, .toolName = DIMENSION_TOOL_NAME, .prompt = FIRST_POINT_PROMPT,
     .helpContext = HELP_DIMENSIONS, .family = &dimensionFamily},
    {.id = CM_AUTODIMENSIONS, .needs = TCommandNeed::PlanView, .run = AutoDimensionsCommand},
};

}  // namespace

const TToolFamily& DimensionFamily()
{
    return dimensionFamily;
}

TFamilyRows DimensionFamilyRows()
{
    return {commands, {}};
}

void AutoDimensions(TToolSite& site)
{
    TDrawingEdit edit;
    TModelShift centring;
    const TAutoDimensions outcome = AddAutoDimensions(edit, site.Tool(), &centring);
    if (outcome != TAutoDimensions::Added) {
        TellAutoDimensionsRefusal(site, outcome);
        return;
    }
    // A plan whose move the file did not take has not moved.
    if (edit.Commit())
        site.MoveViewWithPlan(centring.dx, centring.dy);
}

void TellAutoDimensionsRefusal(TToolSite& site, TAutoDimensions outcome)
{
    if (outcome == TAutoDimensions::CentringRefused)
        site.Message(CENTRING_REFUSED, CENTRING_REFUSED_TITLE);
    else if (outcome == TAutoDimensions::DimensionsRefused)
        site.Message(DIMENSIONS_REFUSED, DIMENSIONS_REFUSED_TITLE);
}

TAutoDimensions AddAutoDimensions(TDrawingEdit& edit, TDrawingtool& tool, TModelShift* centring)
{
    TList& objects = edit.Objects();
    // A floor without walls to measure keeps the area its record holds, not another floor's.
    const int areaBefore = objects.GetFloorArea();
    int record = 0;
    if (const TInfoobj* floorRecord = FloorRecord(record))
        objects.SetFloorArea(floorRecord->infoValue);

    if (!CentreAndMeasureFloor(tool, edit, centring)) {
        objects.SetFloorArea(areaBefore);
        edit.Drop();
        return TAutoDimensions::CentringRefused;
    }
    if (AddWallDimensions(edit, tool, ReadSettings<TOffsetSettings>()) < 0) {
        objects.SetFloorArea(areaBefore);
        edit.Drop();
        return TAutoDimensions::DimensionsRefused;
    }
    if (FloorRecord(record))
        static_cast<TInfoobj&>(edit.Modify(record)).infoValue = objects.GetFloorArea();
    return TAutoDimensions::Added;
}

void RunDimensionSettings(TCommandContext& context)
{
    TToolSite* window = context.Window();
    if (!window) {
        // The unit system chooses the file: asked first when no drawing is loaded.
        TMeasdlg units(&context.DialogParent(), 5450);
        units.Execute();
    }
    TWindow& parent = window ? window->DialogParent() : context.DialogParent();
    const int unitSystem = State().unitSystem;
    if (unitSystem == 1) {
        TOffsetdlg dialog(&parent, 5500);
        dialog.Execute();
    } else if (unitSystem == 0) {
        TOffsetimpdlg dialog(&parent, 5600);
        dialog.Execute();
    }
    if (window)
        window->Refresh(0);
}
