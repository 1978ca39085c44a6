#include "app/families/libraryfamily.h"

#include "app/families/selectionfamily.h"
#include "app/toolfamily.h"
#include "app/toolsite.h"
#include "dialogs/atolibdlg.h"
#include "dialogs/liblistdlg.h"
#include "model/drawingedit.h"
#include "model/drawingstate.h"
#include "model/list.h"
#include "model/libraryindex.h"
#include "model/settingsrecords.h"
#include "platform/canvas.h"
#include "resources/menus.h"
#include "tools/copyobjtool.h"
#include "tools/drawingtool.h"
#include "tools/moveobjtool.h"

namespace {

constexpr int HELP_LIBRARIES = 330;

const char* const ADD_PROMPT = "press LEFT Button and DRAG over objects to ADD to a library";
const char* const PREVIEW_PROMPT = "click LB to preview choices in bottom left corner, press ENTER when correct";
const char* const PLACE_PROMPT = "click reference point on library object & click new position";
const char* const NOTHING_SELECTED = "No valid object selected - please restart";

// The copy tool of ADD to a library: the selection family drives its drag; once the selection is
// made it becomes a library entry.
class TLibraryFamily : public TToolFamily {
public:
    void LButtonDown(TToolSite& site, TPoint point) const override { SelectionFamily().LButtonDown(site, point); }

    void LButtonUp(TToolSite& site, TPoint point) const override
    {
        auto* tool = dynamic_cast<TCopyobjtool*>(&site.Tool());
        const bool releasing = tool && tool->step == STEP_SELECTION_DRAG;
        SelectionFamily().LButtonUp(site, point);
        if (!releasing || tool->libraryFlag != COPY_FOR_LIBRARY || tool->step != STEP_SELECTION_MADE)
            return;
        // The entry is made from the selection list: one that could not be written has been
        // reported, and no entry is made from what the list held before.
        if (tool->SelectedIndices().empty()) {
            site.Message(NOTHING_SELECTED, "NO SELECTION");
        } else if (tool->SelectionStored()) {
            TAtolibdlg dialog(&site.DialogParent(), 16000);
            dialog.Execute();
        }
        site.SetPickTool();
        site.Refresh(0);
    }

    void RButtonDown(TToolSite& site, TPoint point) const override { SelectionFamily().RButtonDown(site, point); }
    bool WantsMouseMove(const TDrawingtool& tool) const override { return SelectionFamily().WantsMouseMove(tool); }
    bool MeasuresFromStart(const TDrawingtool& tool) const override
    {
        return SelectionFamily().MeasuresFromStart(tool);
    }
    void KeyDown(TToolSite& site, int key) const override { SelectionFamily().KeyDown(site, key); }
    void Leaving(TToolSite& site) const override { SelectionFamily().Leaving(site); }
};

const TLibraryFamily libraryFamily{};

void MarkForLibrary(TCommandContext& context)
{
    if (TToolSite* window = context.Window())
        window->Tool().libraryFlag = COPY_FOR_LIBRARY;
}

template <int Library>
void PickFromLibrary(TCommandContext& context)
{
    if (TToolSite* window = context.Window())
        PickLibraryItem(context, *window, Library);
}

const TCommandRow commands[] = {
    {.id = CM_ADDTOLIBRARY, .needs = TCommandNeed::PlanView, .make = MakeTool<TCopyobjtool>, .kind = KIND_COPY,
     .step = STEP_READY, .toolName = "ADD to Lib", .prompt = ADD_PROMPT, .helpContext = HELP_LIBRARIES,
     .family = &libraryFamily, .run = MarkForLibrary},
    {.id = CM_PLUMBING, .needs = TCommandNeed::PlanView, .run = PickFromLibrary<1>,
     .held = THeldFigure::StoreWhenGoingAhead},
    {.id = CM_ELECTRICAL, .needs = TCommandNeed::PlanView, .run = PickFromLibrary<2>,
     .held = THeldFigure::StoreWhenGoingAhead},
    {.id = CM_FURNITURE, .needs = TCommandNeed::PlanView, .run = PickFromLibrary<3>,
     .held = THeldFigure::StoreWhenGoingAhead},
    {.id = CM_MISCELLANEOUS, .needs = TCommandNeed::PlanView, .run = PickFromLibrary<4>,
     .held = THeldFigure::StoreWhenGoingAhead},
};

}  // namespace

const TToolFamily& LibraryFamily()
{
    return libraryFamily;
}

TFamilyRows LibraryFamilyRows()
{
    return {commands, {}};
}

void PickLibraryItem(TCommandContext& context, TToolSite& site, int libraryKind)
{
    TDrawingState& state = State();
    TList& objects = state.objects;
    const int floor = state.currentFloor;
    const int counter = state.groupIdCounter;
    int first = objects.count();
    // The tool holding a figure stays until an entry is chosen: a cancel leaves it as it was.
    const bool holding = context.HoldsFigure();
    if (!holding) {
        site.SetPickTool();
        site.SetHelpContext(HELP_LIBRARIES);
        site.SetPrompt(PREVIEW_PROMPT);
    }
    TLiblistdlg dialog(&site.DialogParent(), 15500, libraryKind, [&site] { site.Refresh(3); });
    const bool chosen = dialog.Execute() == IDOK;
    const int entry = objects.count() - first;
    // The figure goes in ahead of the entry, which alone is placed. One the file could not take
    // has been told: the entry is taken away as if cancelled.
    // The entry shown is placed like a selection.
    if (chosen && entry > 0 && context.StoreHeldFigure(first) &&
        site.InstallTool(std::make_unique<TMoveobjtool>(), SelectionFamily())) {
        first = objects.count() - entry;
        site.SetToolName(LibraryName(libraryKind));
        site.SetHelpContext(HELP_LIBRARIES);
        site.CallTool([first](TDrawingtool& tool, Canvas& dc, const TRect& rect) {
            tool.ObjectsAdded(dc, rect, first, 0);
            tool.step = STEP_SELECTION_MADE;
        });
        site.SetPrompt(PLACE_PROMPT);
        return;
    }
    // Nothing to place: the drawing goes back to what it was, the ids the previews took unused.
    // A file no preview reached holds it as it was already, and is not written again (on a
    // failing disk that would tell the preview's failure twice).
    TDrawingEdit edit(objects);
    edit.CutBack(first);
    state.currentFloor = floor;
    state.groupIdCounter = counter;
    if (edit.Changed() || dialog.PreviewWritten())
        edit.Commit();
    if (!holding)
        site.SetPickTool();
    site.Refresh(3);
}
