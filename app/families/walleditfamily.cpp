#include "app/families/walleditfamily.h"

#include "app/families/extwallfamily.h"
#include "app/toolfamily.h"
#include "app/toolsite.h"
#include "dialogs/dialogsettings.h"
#include "model/dimensionvalue.h"
#include "model/drawingedit.h"
#include "model/drawingstate.h"
#include "model/list.h"
#include "model/modelunits.h"
#include "model/settingsrecords.h"
#include "model/typecodes.h"
#include "model/typedsettings.h"
#include "model/viewmapping.h"
#include "resources/menus.h"
#include "tools/lineobjtool.h"
#include "tools/walldimensions.h"
#include "walls/extwallobjtool.h"

#include <cstdint>
#include <cstdlib>

namespace {

constexpr int HELP_WALLS = 250;
constexpr int HELP_DELETE_WALL = 320;

const char* const LENGTHEN_PROMPT = "click LB on line of object nearer to end to lengthen";
const char* const SHORTEN_PROMPT = "click LB on line of object nearer to end to shorten";
const char* const DELETE_PROMPT = "click LB on the EXTERNAL wall to DELETE";
const char* const SPLIT_PROMPT = "click LB on the EXTERNAL wall where it is to be split, or press ENTER there";
const char* const CHANGE_TYPE_PROMPT = "click LB on the EXTERNAL wall to change its type";
const char* const LENGTHEN_AMOUNT_PROMPT = "input amount to lengthen";
const char* const SHORTEN_AMOUNT_PROMPT = "input amount to shorten";
const char* const NEW_TYPE_PROMPT = "select new wall type";

const char* const NO_SELECTION_TITLE = "NO SELECTION";
const char* const NO_SELECTION_MESSAGE = "No valid object selected - please restart";
const char* const NO_ACTION_TITLE = "NO ACTION";
const char* const ANGLED_WALL_MESSAGE = "Angled walls cannot be altered";

// A line is picked within this many logical units of the click.
constexpr int LINE_PICK_LOGICAL = 3;
// The margin of a wall edit's repaint, logical units.
constexpr int REPAINT_MARGIN_LOGICAL = 10;

bool ChangesLength(int edit)
{
    return edit == STEP_WALL_LENGTHEN || edit == STEP_WALL_SHORTEN;
}

// The distance of a lengthen or shorten; a cancel or an entry outside 1..32766 abandons the edit.
bool AskDistance(TToolSite& site, int edit, int& distance)
{
    const bool lengthen = edit == STEP_WALL_LENGTHEN;
    site.SetPrompt(lengthen ? LENGTHEN_AMOUNT_PROMPT : SHORTEN_AMOUNT_PROMPT);
    if (site.AskLength(lengthen ? "LENGTHEN" : "SHORTEN", "", 0, distance))
        return true;
    site.AbandonTool();
    return false;
}

// Tells the user why the tool refused its edit; false when it did not.
bool ReportRefusal(TToolSite& site, const TDrawingtool& tool)
{
    std::string message;
    switch (tool.active) {
    case EDIT_REFUSED_SLOPED:
        message = ANGLED_WALL_MESSAGE;
        break;
    case EDIT_REFUSED_TOO_SHORT: {
        const TObject& object = *State().objects[tool.objectIndex];
        const std::int64_t length = std::llabs(std::int64_t(object.x2) - object.x1) +
                                    std::llabs(std::int64_t(object.y2) - object.y1);
        message = "Shorten by less than the length, " + FormatDimensionValue(ClampToInt32(length)) +
                  " - nothing was changed";
        break;
    }
    case EDIT_REFUSED_DISTANCE:
        message = "That would take the end beyond the drawing - nothing was changed";
        break;
    case EDIT_REFUSED_SPLIT_POINT:
        message = "The split point must lie between the ends of the wall - nothing was changed";
        break;
    case EDIT_REFUSED_SPLIT_ZERO:
        message = "A wall cannot start on a zero coordinate - the wall was not split";
        break;
    default:
        return false;
    }
    site.Message(message, NO_ACTION_TITLE);
    return true;
}

// A model area widened by the repaint margin.
TModelBox WithMargin(TModelBox area)
{
    if (area.empty)
        return area;
    const std::int64_t margin = std::int64_t(REPAINT_MARGIN_LOGICAL) * State().unitsPerLogical;
    area.minX = ClampToInt32(area.minX - margin);
    area.minY = ClampToInt32(area.minY - margin);
    area.maxX = ClampToInt32(area.maxX + margin);
    area.maxY = ClampToInt32(area.maxY + margin);
    return area;
}

// Lengthen or shorten the line at index: a line tool for it, the distance, its Setup, then the
// drawing written once and the change repainted.
void EditLine(TToolSite& site, int index, int edit, TPoint picked)
{
    if (!site.SetToolForKind(KIND_LINE))
        return;
    TDrawingtool& tool = site.Tool();
    tool.objectIndex = index;
    tool.step = edit;
    int distance = 0;
    if (!AskDistance(site, edit, distance))
        return;
    TDrawingEdit change;
    change.Modify(index);
    tool.Setup(distance, picked.x, picked.y);
    // A refused edit leaves the line as it was: nothing to write, no edit to count.
    if (!ReportRefusal(site, tool)) {
        const TModelBox area = WithMargin(change.Area());
        change.Commit();
        site.InvalidateModelArea(area);
    }
    site.SetPickTool();
}

// The edit of the external wall at index by a fresh external-wall tool.
void EditExternalWall(TToolSite& site, int index, int edit, TPoint picked)
{
    if (!site.SetToolForKind(KIND_EXTWALL))
        return;
    TDrawingtool& tool = site.Tool();
    tool.objectIndex = index;
    tool.step = edit;
    switch (edit) {
    case STEP_WALL_LENGTHEN:
    case STEP_WALL_SHORTEN: {
        int distance = 0;
        if (!AskDistance(site, edit, distance))
            return;
        tool.Setup(distance, picked.x, picked.y);
        if (!ReportRefusal(site, tool))
            InvalidateWallEdit(site, 1);
        break;
    }
    case STEP_WALL_DELETE:
        tool.Setup(0, 0, 0);
        InvalidateWallEdit(site, 2);
        break;
    case STEP_WALL_SPLIT: {
        // The split and the floor's dimensions renewed for the two walls are one change, written
        // once and shown whole.
        TDrawingEdit change;
        static_cast<TExtwallobjtool&>(tool).EditWall(change, 0, picked.x, picked.y);
        if (ReportRefusal(site, tool))
            break;
        if (AddWallDimensions(change, tool, ReadSettings<TOffsetSettings>()) < 0) {
            // Dimensions the drawing file could not store refuse the split with them.
            change.Drop();
            site.Message(DIMENSIONS_REFUSED, DIMENSIONS_REFUSED_TITLE);
        } else {
            change.Commit();
        }
        site.Refresh(0);
        break;
    }
    default:
        if (!ReadExtWallConfig(site))
            return;
        InvalidateWallEdit(site, 1);
        break;
    }
    site.SetPickTool();
}

// The edit of the tool's step on the object at a device point: an external wall, or for a
// lengthen or shorten a line where no wall is hit.
void EditAt(TToolSite& site, TPoint device)
{
    const int edit = site.Tool().step;
    TList& objects = State().objects;
    const TPoint logical = ModelToLogical(site.ModelPointOf(device));
    const TPoint picked = LogicalToModel(logical);
    const std::optional<int> hit = objects.FindObjectAt(HIT_WALLS, logical.x, logical.y);
    if (!hit) {
        const std::int64_t tolerance = std::int64_t(LINE_PICK_LOGICAL) * State().unitsPerLogical;
        if (ChangesLength(edit)) {
            if (const auto line = objects.FindLineNear(picked.x, picked.y, tolerance)) {
                EditLine(site, *line, edit, picked);
                return;
            }
        }
        site.Message(NO_SELECTION_MESSAGE, NO_SELECTION_TITLE);
        site.SetPickTool();
        return;
    }
    // An internal wall is not edited here.
    const int found = *hit;
    if (objects[found]->typeCode != TYPE_EXTWALL) {
        site.SetPickTool();
        return;
    }
    EditExternalWall(site, found, edit, picked);
}

class TWallEditFamily : public TToolFamily {
public:
    void LButtonDown(TToolSite& site, TPoint point) const override
    {
        if (IsWallEditStep(site.Tool().step))
            EditAt(site, point);
        else
            TToolFamily::LButtonDown(site, point);
    }
    void LButtonUp(TToolSite& site, TPoint point) const override
    {
        if (!IsWallEditStep(site.Tool().step))
            TToolFamily::LButtonUp(site, point);
    }
    bool WantsMouseMove(const TDrawingtool& tool) const override { return !IsWallEditStep(tool.step); }
    // Enter splits the wall under the cursor; no other key edits.
    void KeyDown(TToolSite& site, int key) const override
    {
        const int step = site.Tool().step;
        if (key == VK_ENTER && step == STEP_WALL_SPLIT)
            EditAt(site, site.Cursor());
        else if (!IsWallEditStep(step))
            TToolFamily::KeyDown(site, key);
    }
};

const TWallEditFamily wallEditFamily{};

const TCommandRow commands[] = {
    {.id = CM_LENGTHEN, .needs = TCommandNeed::PlanView, .make = MakeTool<TLineobjtool>, .kind = KIND_WALL_EDIT,
     .step = STEP_WALL_LENGTHEN, .toolName = "Lengthen", .prompt = LENGTHEN_PROMPT, .helpContext = HELP_WALLS,
     .family = &wallEditFamily},
    {.id = CM_SHORTEN, .needs = TCommandNeed::PlanView, .make = MakeTool<TLineobjtool>, .kind = KIND_WALL_EDIT,
     .step = STEP_WALL_SHORTEN, .toolName = "Shorten", .prompt = SHORTEN_PROMPT, .helpContext = HELP_WALLS,
     .family = &wallEditFamily},
    {.id = CM_DELETEEXTWALL, .needs = TCommandNeed::PlanView, .make = MakeTool<TLineobjtool>, .kind = KIND_WALL_EDIT,
     .step = STEP_WALL_DELETE, .toolName = "DEL. Wall", .prompt = DELETE_PROMPT, .helpContext = HELP_DELETE_WALL,
     .family = &wallEditFamily},
    {.id = CM_SPLITEXTWALL, .needs = TCommandNeed::PlanView, .make = MakeTool<TLineobjtool>, .kind = KIND_WALL_EDIT,
     .step = STEP_WALL_SPLIT, .toolName = "Split Wall", .prompt = SPLIT_PROMPT, .helpContext = HELP_WALLS,
     .family = &wallEditFamily},
    {.id = CM_CHANGEEXTWALLTYPE, .needs = TCommandNeed::PlanView, .make = MakeTool<TLineobjtool>,
     .kind = KIND_WALL_EDIT, .step = STEP_WALL_CHANGE_TYPE, .toolName = "Wall Type", .prompt = CHANGE_TYPE_PROMPT,
     .helpContext = HELP_WALLS, .family = &wallEditFamily},
};

const TKindRow kinds[] = {
    {KIND_WALL_EDIT, MakeTool<TLineobjtool>, &wallEditFamily},
};

}  // namespace

const TToolFamily& WallEditFamily()
{
    return wallEditFamily;
}

TFamilyRows WallEditFamilyRows()
{
    return {commands, kinds};
}

bool ReadExtWallConfig(TToolSite& site)
{
    site.SetPrompt(NEW_TYPE_PROMPT);
    const int unitSystem = State().unitSystem;
    // Only the spacings change; the levels, the two further numbers and the colour stay as read.
    TExtWallSettings settings = ReadSettings<TExtWallSettings>(unitSystem);
    if (!RunExtWallTypeDialogs(site, settings, nullptr)) {
        site.SetPickTool();
        return false;
    }
    // A settings file that cannot be written is reported; the wall still takes the type chosen.
    StoreSettings(site.DialogParent(), SettingsFileName<TExtWallSettings>(unitSystem), FormatSettings(settings));
    site.Tool().Setup(settings.spacing1, settings.spacing2, settings.spacing3);
    return true;
}

void InvalidateWallEdit(TToolSite& site, int mode)
{
    const TDrawingtool& tool = site.Tool();
    TModelBox area;
    area.Add(tool.editLeft, tool.editBottom);
    area.Add(tool.editRight, tool.editTop);
    if (mode == 1) {
        area.Add(tool.x1, tool.y1);
        area.Add(tool.x2, tool.y2);
    }
    if (const auto* wallTool = dynamic_cast<const TExtwallobjtool*>(&tool))
        area.Add(wallTool->changedArea);
    site.InvalidateModelArea(WithMargin(area));
}
