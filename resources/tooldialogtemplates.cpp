// Templates of the drawing-tool style and text dialogs.
#include "resources/dialogtemplategroups.h"

namespace dialogtemplates {

std::vector<DialogTemplate> ToolDialogs()
{
    std::vector<DialogTemplate> t;

    t.push_back({2300, "text details", 160, 180, {
        Group("currewnt font details", 7, 4, 146, 50),
        Label("font is ", 14, 16, 36, 10),
        Label("", 52, 16, 96, 10, 2305),
        Label("weight", 14, 28, 36, 10),
        Label(" ", 52, 28, 96, 10, 2306),
        Label("pointsize", 14, 40, 36, 10),
        Label(" ", 52, 40, 96, 10, 2307),
        Group("text alignment", 7, 58, 146, 42),
        FirstRadio(2301, "cursor is centre point of text", 14, 70, 134, 12),
        Radio(2302, "text goes to right of cursor", 14, 84, 134, 12),
        Group("text direction", 7, 104, 146, 42),
        FirstRadio(2303, "horizontal text", 14, 116, 134, 12),
        Radio(2304, "vertical text", 14, 130, 134, 12),
        DefButton(1, "OK", 10, 157, 42, 15),
        Button(2, "Cancel", 59, 157, 42, 15),
        Button(9, "Help", 108, 157, 42, 15),
    }});

    t.push_back({14000, "drawing tool style", 160, 128, {
        Group("tool line style", 7, 4, 146, 92),
        FirstRadio(14001, "solid thin line", 17, 17, 126, 12),
        Radio(14002, "solid thick line", 17, 32, 126, 12),
        Radio(14003, "dashed thin line", 17, 47, 126, 12),
        Radio(14004, "dotted thin line", 17, 62, 126, 12),
        Radio(14005, "dot dash thin line", 17, 77, 126, 12),
        DefButton(1, "OK", 30, 105, 42, 15),
        Button(2, "Cancel", 88, 105, 42, 15),
    }});

    return t;
}

}  // namespace dialogtemplates
