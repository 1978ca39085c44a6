// Templates of the external-wall type, custom external-wall, wall-side, internal-wall and imperial
// length dialogs.
#include "resources/dialogtemplategroups.h"

namespace dialogtemplates {

std::vector<DialogTemplate> WallDialogs()
{
    std::vector<DialogTemplate> t;

    t.push_back({2480, "external wall", 160, 152, {
        Group("external wall", 4, 4, 152, 124),
        FirstRadio(2487, "custom wall - your sizes (max 4 lines)", 7, 17, 148, 12),
        Radio(2481, "cavity brick - 275 m.m (4 lines)", 7, 30, 148, 12),
        Radio(2482, "solid brick - 230 m.m  (2 lines)", 7, 43, 148, 12),
        Radio(2483, "brick veneer = 240 m.m (4 lines)", 7, 56, 148, 12),
        Radio(2484, "200 m.m walling (2 lines)", 7, 69, 148, 12),
        Radio(2494, "150 m.m walling (2 lines)", 7, 82, 148, 12),
        Radio(2485, "100 m.m walling (2 lines)", 7, 95, 148, 12),
        Radio(2486, "75 m.m walling (2 lines)", 7, 108, 148, 12),
        DefButton(1, "OK", 25, 133, 50, 15),
        Button(9, "Help", 85, 133, 50, 15),
    }});

    t.push_back({2900, "external wall", 160, 151, {
        Group("external wall type", 4, 4, 152, 124),
        FirstRadio(2911, "custom wall - your sizes, max 4 lines", 7, 17, 148, 12),
        Radio(2904, "cavity brick, 11 inch thick, 4 lines", 7, 30, 148, 12),
        Radio(2905, "solid brick, 9 inches thick", 7, 43, 148, 12),
        Radio(2906, "brick veneer, 9 1/2 inches thick, 4 lines", 7, 56, 148, 12),
        Radio(2907, "8 inch thick walling", 7, 69, 148, 12),
        Radio(2908, "6 inch thick walling", 7, 82, 148, 12),
        Radio(2909, "4 inch thick walling", 7, 95, 148, 12),
        Radio(2910, "3 inch thick walling", 7, 108, 148, 12),
        DefButton(1, "OK", 25, 133, 50, 15),
        Button(9, "Help", 85, 133, 50, 15),
    }});

    t.push_back({4200, "multi line drawing", 160, 120, {
        Group("secondary lines to be :-", 7, 5, 146, 86),
        FirstRadio(4201, "BELOW main line", 20, 20, 120, 12),
        Radio(4202, "ABOVE main line", 20, 36, 120, 12),
        Radio(4203, "LEFT of main line", 20, 52, 120, 12),
        Radio(4204, "RIGHT of main line", 20, 68, 120, 12),
        DefButton(1, "OK", 10, 99, 42, 15),
        Button(2, "Cancel", 59, 99, 42, 15),
        Button(9, "Help", 108, 99, 42, 15),
    }});

    t.push_back({5300, "custom external wall", 180, 160, {
        Group("owner drawn external wall", 5, 4, 170, 56),
        Label("number of lines                                 ( solid wall 2, cavity wall 4 lines)",
              11, 16, 113, 18),
        Edit(5301, " ", 141, 18, 28, 13),
        Label("total width of external wall      range 25 - 900 m.m.", 11, 37, 113, 18),
        Edit(5302, " ", 141, 39, 28, 13),
        Group("ONLY needed if drawing a 4 line cavity wall ", 5, 64, 170, 56),
        Label("space between OUTSIDE line && 2nd line - range 0-800 m.m.", 11, 76, 113, 18),
        Edit(5303, " ", 141, 78, 28, 13),
        Label("space between 2nd && 3rd line (cavity) - range 0-700 m.m.", 11, 97, 113, 18),
        Edit(5304, " ", 141, 99, 28, 13),
        DefButton(1, "OK", 30, 134, 50, 15),
        Button(9, "Help", 100, 134, 50, 15),
    }});

    // Each length: whole inches, then the numerator above and the denominator below a "/".
    t.push_back({5350, "custom external wall", 180, 160, {
        Group("owner drawn external wall", 5, 3, 170, 58),
        Label("total number of lines  2 or 4", 11, 15, 110, 10),
        Edit(5351, " ", 126, 13, 24, 12),
        Label("total width of external wall   range 1 - 30 inches", 11, 31, 110, 18),
        Edit(5352, " ", 126, 36, 24, 12),
        Edit(5353, "0", 154, 27, 16, 11),
        Label("/", 159, 38, 6, 8),
        Edit(5354, "0", 154, 46, 16, 11),
        Group("ONLY needed if drawing a 4 line wall", 5, 63, 170, 76),
        Label("space between OUTSIDE line && 2nd line   range 0 - 25 inches", 11, 78, 110, 18),
        Edit(5355, " ", 126, 82, 24, 12),
        Edit(5356, "0", 154, 73, 16, 11),
        Label("/", 159, 84, 6, 8),
        Edit(5357, "0", 154, 92, 16, 11),
        Label("space between 2nd && 3rd line (cavity)  range 0 - 20 inches", 11, 110, 110, 18),
        Edit(5358, " ", 126, 114, 24, 12),
        Edit(5359, "0", 154, 105, 16, 11),
        Label("/", 159, 116, 6, 8),
        Edit(5360, "0", 154, 124, 16, 11),
        DefButton(1, "OK", 30, 143, 50, 14),
        Button(9, "Help", 100, 143, 50, 14),
    }});

    t.push_back({7000, "internal walls  or  double lines", 160, 120, {
        Label("width of internal wall or double line spacing", 8, 10, 100, 20),
        Edit(7005, " ", 112, 12, 36, 13),
        Label("second line to start :-", 8, 36, 120, 10),
        FirstRadio(7001, "LEFT of first line", 20, 48, 120, 11),
        Radio(7002, "RIGHT of first line", 20, 60, 120, 11),
        Radio(7003, "ABOVE first line", 20, 72, 120, 11),
        Radio(7004, "BELOW first line", 20, 84, 120, 11),
        DefButton(1, "OK", 10, 100, 42, 15),
        Button(2, "Cancel", 59, 100, 42, 15),
        Button(9, "Help", 108, 100, 42, 15),
    }});

    // The width: whole inches, then the numerator above and the denominator below a "/".
    t.push_back({7500, "internal walls  or  double lines", 160, 140, {
        Group("wall width or double line spacing", 6, 4, 148, 44),
        Label("width  (inches)", 14, 22, 60, 10),
        Edit(7505, " ", 78, 20, 30, 13),
        Edit(7506, "0", 118, 12, 20, 12),
        Label("/", 125, 24, 6, 9),
        Edit(7507, "0", 118, 33, 20, 12),
        Group("second line to start :-", 6, 52, 148, 62),
        FirstRadio(7501, "LEFT of first line", 20, 64, 120, 11),
        Radio(7502, "RIGHT of first line", 20, 76, 120, 11),
        Radio(7503, "ABOVE first line", 20, 88, 120, 11),
        Radio(7504, "BELOW first line", 20, 100, 120, 11),
        DefButton(1, "OK", 10, 120, 42, 15),
        Button(2, "Cancel", 59, 120, 42, 15),
        Button(9, "Help", 108, 120, 42, 15),
    }});

    t.push_back({9500, "measurement", 160, 100, {
        Group(" ", 7, 4, 146, 68),
        Label("feet            inches", 40, 15, 72, 10),
        Label("length", 13, 30, 25, 10),
        Edit(9501, " ", 40, 28, 30, 13),
        Edit(9502, "0", 76, 28, 28, 13),
        Edit(9503, "0", 114, 16, 20, 12),
        Label("/", 121, 28, 7, 9),
        Edit(9504, "0", 114, 37, 20, 12),
        DefButton(1, "OK", 10, 79, 42, 15),
        Button(2, "Cancel", 59, 79, 42, 15),
        Button(9, "Help", 108, 79, 42, 15),
    }});

    return t;
}

}  // namespace dialogtemplates
