#include "resources/dialogtemplates.h"

#include "resources/dialogtemplategroups.h"

#include <algorithm>

namespace {

std::vector<DialogTemplate> CollectTemplates()
{
    std::vector<DialogTemplate> all;
    for (auto group : {dialogtemplates::DrawingDialogs, dialogtemplates::WallDialogs,
                       dialogtemplates::ViewDialogs, dialogtemplates::ToolDialogs,
                       dialogtemplates::DoorDialogs, dialogtemplates::RoomDialogs,
                       dialogtemplates::StairsDialogs, dialogtemplates::FixedRoomDialogs,
                       dialogtemplates::PrintLibraryDialogs}) {
        auto templates = group();
        all.insert(all.end(), templates.begin(), templates.end());
    }
    std::sort(all.begin(), all.end(), [](const DialogTemplate& a, const DialogTemplate& b) { return a.id < b.id; });
    return all;
}

}  // namespace

const std::vector<DialogTemplate>& AllDialogTemplates()
{
    static const std::vector<DialogTemplate> templates = CollectTemplates();
    return templates;
}

const DialogTemplate* FindDialogTemplate(int id)
{
    const auto& all = AllDialogTemplates();
    auto found = std::lower_bound(all.begin(), all.end(), id,
                                  [](const DialogTemplate& t, int wanted) { return t.id < wanted; });
    return found != all.end() && found->id == id ? &*found : nullptr;
}

const ControlTemplate* FindControlTemplate(const DialogTemplate& dialog, int id)
{
    if (id == -1)
        return nullptr;
    for (const auto& control : dialog.controls)
        if (control.id == id)
            return &control;
    return nullptr;
}

std::vector<int> RadioGroupOf(const DialogTemplate& dialog, int id)
{
    std::vector<int> run;
    bool holdsId = false;
    for (const auto& control : dialog.controls) {
        bool radio = control.kind == ControlKind::AutoRadio;
        if (!radio || control.groupStart) {
            if (holdsId)
                return run;
            run.clear();
        }
        if (radio) {
            run.push_back(control.id);
            if (control.id == id)
                holdsId = true;
        }
    }
    return holdsId ? run : std::vector<int>{};
}

std::string DisplayText(const std::string& templateText)
{
    std::string shown;
    for (std::size_t i = 0; i < templateText.size(); ++i) {
        if (templateText[i] == '&') {
            if (i + 1 < templateText.size() && templateText[i + 1] == '&') {
                shown += '&';
                ++i;
            }
            continue;
        }
        shown += templateText[i];
    }
    return shown;
}
