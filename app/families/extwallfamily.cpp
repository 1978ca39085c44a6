#include "app/families/extwallfamily.h"

#include "app/families/arrowkeys.h"
#include "app/toolfamily.h"
#include "app/toolsite.h"
#include "dialogs/dialogsettings.h"
#include "dialogs/extsidedlg.h"
#include "dialogs/plancustdlg.h"
#include "dialogs/plandlg.h"
#include "model/drawingstate.h"
#include "model/list.h"
#include "model/settingsrecords.h"
#include "resources/menus.h"
#include "walls/extwallobjtool.h"

namespace {

constexpr int HELP_WALLS = 250;
const char* const COMPLETE_DIALOGUE_PROMPT = "Complete the Dialogue Box";
const char* const ANGLED_WALLS_HINT =
    "HINT for ANGLED walls, press 'a' key then arrow keys to finetune cursor, 'a' again for normal input)";
const char* const EXTERNAL_WALL_PROMPT =
    "Draw outer line of EXTERNAL walls, press ENTER on start point then use arrow keys for input";
const char* const EXTERNAL_WALL_TOOL_NAME = "Ext. Walls";

// The storey fields (base level, ground, first, second storey) of the external-wall settings.
constexpr int METRIC_WALL_LEVELS[4] = {25, 2550, 2400, 2400};
constexpr int IMPERIAL_WALL_LEVELS[4] = {24, 2328, 2304, 2304};

class TExtWallFamily : public TToolFamily {
public:
    bool MeasuresFromStart(const TDrawingtool& tool) const override
    {
        return tool.active == 1 || tool.lineDrawn == 1;
    }

    void KeyDown(TToolSite& site, int key) const override
    {
        TList& objects = State().objects;
        const int before = objects.count();
        if (key == VK_ENTER) {
            // The first ENTER marks the start; a later one ends a sloped wall at the cursor.
            const bool marked = site.Tool().lineDrawn != 0;
            TToolFamily::KeyDown(site, key);
            if (!marked)
                site.Tool().lineDrawn = 1;
            // The wall tool draws nothing itself: a new wall is shown from the drawing file.
            if (objects.count() > before)
                site.Refresh(0);
            return;
        }
        if (!IsArrowKey(key))
            return;
        if (site.MarkX() != 0) {
            NudgeCursor(site, key);
            return;
        }
        TDrawingtool& tool = site.Tool();
        if (tool.lineDrawn != 1)
            return;
        // A click while typing walls clears the start: the arrow cannot draw from it, so the user
        // is asked to mark a start again instead of the wall being refused without a word.
        if (tool.x1 == 0 && tool.y1 == 0) {
            tool.lineDrawn = 0;
            site.SetPrompt(EXTERNAL_WALL_PROMPT);
            return;
        }
        // The start snaps onto a wall end, and the distance to the next wall end in the arrow's
        // direction is offered as the length.
        tool.measureDirection() = ArrowDirection(key);
        tool.SubCommand(2);
        int length = 0;
        if (!site.AskLength("WALL LENGTH", ArrowPrompt(key), tool.libraryFlag, length)) {
            site.AbandonTool();
            return;
        }
        TPoint cursor = site.Cursor();
        site.CallTool([key, length, &cursor](TDrawingtool& t, Canvas& dc, const TRect& rect) {
            t.KeyDown(dc, rect, key, cursor, length);
        });
        if (objects.count() > before)
            site.Refresh(0);
    }
};

const TExtWallFamily extWallFamily{};

void StartExternalWalls(TCommandContext& context)
{
    if (TToolSite* window = context.Window())
        RunExtWallDialogs(*window);
}

const TCommandRow commands[] = {
    {.id = CM_EXTWALL, .needs = TCommandNeed::PlanView, .make = MakeTool<TExtwallobjtool>, .kind = KIND_EXTWALL,
     .helpContext = HELP_WALLS, .family = &extWallFamily, .run = StartExternalWalls},
};

const TKindRow kinds[] = {
    {KIND_EXTWALL, MakeTool<TExtwallobjtool>, &extWallFamily},
};

// The code of the external-wall dialogs among the plan dialogs.
constexpr int PLAN_DIALOG_EXTERNAL_WALLS = 4;

const TSequenceRow sequences[] = {
    {TDialogSequence::Plan, PLAN_DIALOG_EXTERNAL_WALLS, RunExtWallDialogs},
};

}  // namespace

const TToolFamily& ExtWallFamily()
{
    return extWallFamily;
}

TFamilyRows ExtWallFamilyRows()
{
    return {commands, kinds, sequences};
}

void RunExtWallDialogs(TToolSite& site)
{
    const int unitSystem = State().unitSystem;
    const bool metric = unitSystem == 1;
    TWindow& parent = site.DialogParent();
    site.SetPrompt(std::string(COMPLETE_DIALOGUE_PROMPT) + "   " + ANGLED_WALLS_HINT);
    TExtWallSettings settings = ReadSettings<TExtWallSettings>(unitSystem);

    // Any end of a dialog but OK abandons the external walls.
    const bool chosen = RunExtWallTypeDialogs(site, settings, [](TToolSite& window) {
        window.Tool().step = STEP_READY;
        window.Refresh(0);
    });
    if (!chosen) {
        site.SetPickTool();
        return;
    }
    if (site.Tool().kind == KIND_EXTWALL) {
        // The side on which the other wall lines lie orients every free wall.
        TExtsidedlg dialog(&parent, 4200);
        if (dialog.Execute() != IDOK) {
            site.SetPickTool();
            return;
        }
        site.Tool().objectIndex = dialog.lineSide;
    }

    // The spacings, the base and storey heights of the unit system, and the rest as it was. The
    // wall tool builds every wall from this file: without it the walls would not be the type chosen.
    const int* levels = metric ? METRIC_WALL_LEVELS : IMPERIAL_WALL_LEVELS;
    settings.baseLevel = levels[0];
    settings.groundStorey = levels[1];
    settings.firstStorey = levels[2];
    settings.secondStorey = levels[3];
    if (!StoreSettings(parent, SettingsFileName<TExtWallSettings>(unitSystem), FormatSettings(settings))) {
        site.SetPickTool();
        return;
    }

    site.SetHelpContext(HELP_WALLS);
    site.SetToolName(EXTERNAL_WALL_TOOL_NAME);
    site.SetPrompt(EXTERNAL_WALL_PROMPT);
}

bool RunExtWallTypeDialogs(TToolSite& site, TExtWallSettings& settings, void (*typeChosen)(TToolSite& site))
{
    const bool metric = State().unitSystem == 1;
    TWindow& parent = site.DialogParent();
    // Each dialog of the sequence: on OK its three line spacings are taken.
    auto run = [&settings](auto& dialog) {
        if (dialog.Execute() != IDOK)
            return false;
        settings.spacing1 = dialog.spacing1;
        settings.spacing2 = dialog.spacing2;
        settings.spacing3 = dialog.spacing3;
        return true;
    };

    // The wall type gives the spacings; the custom wall asks them.
    int wallType = 0;
    if (metric) {
        TPlandlg dialog(&parent, 2480);
        if (!run(dialog))
            return false;
        wallType = dialog.wallType;
    } else {
        TPlanimpdlg dialog(&parent, 2900);
        if (!run(dialog))
            return false;
        wallType = dialog.wallType;
    }
    if (typeChosen)
        typeChosen(site);
    if (wallType != 1)
        return true;
    if (metric) {
        TPlancustdlg dialog(&parent, 5300);
        return run(dialog);
    }
    TPlanimpcustdlg dialog(&parent, 5350);
    return run(dialog);
}
