// Templates of the overlays, plan display mode and floor area dialogs.
#include "resources/dialogtemplategroups.h"

namespace dialogtemplates {

std::vector<DialogTemplate> ViewDialogs()
{
    std::vector<DialogTemplate> t;

    t.push_back({5200, "overlays", 160, 140, {
        Group("select  overlay floors", 7, 5, 146, 62),
        Check(5202, "ground floor", 17, 18, 126, 12),
        Check(5203, "first floor", 17, 33, 126, 12),
        Check(5204, "second floor", 17, 48, 126, 12),
        Check(5206, "show  dimensions", 10, 72, 140, 12),
        Label("on working floor", 22, 84, 128, 10),
        Label("NOTE: highest floor checked will be the working floor", 10, 97, 140, 20),
        DefButton(1, "OK", 10, 120, 42, 15),
        Button(2, "Cancel", 59, 120, 42, 15),
        Button(9, "Help", 108, 120, 42, 15),
    }});

    t.push_back({17000, "floor area", 180, 140, {
        Label("TOTAL floor area", 10, 14, 76, 10),
        Label(" ", 90, 14, 82, 10, 17001),
        Label(" ground floor area", 10, 40, 76, 10),
        Label(" ", 90, 40, 82, 10, 17002),
        Label("first floor area", 10, 58, 76, 10),
        Label(" ", 90, 58, 82, 10, 17003),
        Label("second floor area", 10, 76, 76, 10),
        Label(" ", 90, 76, 82, 10, 17004),
        DefButton(1, "OK", 65, 114, 50, 15),
    }});

    t.push_back({18500, "plan views - display mode", 150, 120, {
        Group("show walls as :-", 7, 4, 136, 56),
        FirstRadio(18503, "normal", 15, 16, 120, 12),
        Radio(18504, "cross hatched", 15, 29, 120, 12),
        Radio(18505, "solid ( for advertising )", 15, 42, 120, 12),
        Group("external dimensions", 7, 64, 136, 30),
        Check(18501, "show all dimensions", 15, 76, 120, 12),
        DefButton(1, "OK", 22, 100, 46, 15),
        Button(9, "Help", 82, 100, 46, 15),
    }});

    return t;
}

}  // namespace dialogtemplates
