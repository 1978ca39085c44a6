// Templates of the stairs dialogs, metric and imperial. The sections of "stair details" are
// separated by horizontal rules: frames one unit high.
#include "resources/dialogtemplategroups.h"

namespace dialogtemplates {

namespace {

ControlTemplate Rule(int y)
{
    return Group("", 8, y, 144, 1);
}

}  // namespace

std::vector<DialogTemplate> StairsDialogs()
{
    std::vector<DialogTemplate> t;

    t.push_back({2550, "stairs", 160, 180, {
        Group("stair details", 4, 2, 152, 119),
        Label("width of stairs  ", 10, 11, 98, 9),
        Label("range 800 - 2000 m.m.", 10, 20, 98, 9),
        Edit(2551, "900", 114, 13, 34, 12),
        Rule(30),
        FirstRadio(2552, "halfway return landing", 10, 32, 140, 10),
        Radio(2553, "straight flight", 10, 42, 140, 10),
        Rule(54),
        Label("stairwell length, straight flights - if less than full run", 10, 56, 98, 25),
        Label("range 600 - 7500 m.m.", 10, 81, 98, 9),
        Edit(2559, "2000", 114, 63, 34, 12),
        Rule(92),
        Label("storey height of floor to have stairs", 10, 94, 98, 17),
        Label("range 2000 - 5000 m.m.", 10, 111, 98, 9),
        Edit(2560, "2550", 114, 98, 34, 12),
        Group("TOP tread position will be at :-", 4, 123, 152, 42),
        FirstRadio(2554, "top of screen", 8, 133, 68, 10),
        Radio(2558, "right side of screen", 8, 153, 90, 10),
        Radio(2557, "bottom of screen", 80, 133, 74, 10),
        Radio(2555, "left side of screen", 8, 143, 90, 10),
        DefButton(1, "OK", 10, 166, 42, 13),
        Button(2, "Cancel", 59, 166, 42, 13),
        Button(9, "Help", 108, 166, 42, 13),
    }});

    // The stairwell and storey lengths: feet, then inches, under one heading.
    t.push_back({3080, "stairs", 160, 180, {
        Group("stair details", 4, 2, 152, 119),
        Label("stair width in inches", 10, 11, 98, 9),
        Label("range 32 - 240 inches", 10, 20, 98, 9),
        Edit(3081, "36", 114, 13, 34, 12),
        Rule(30),
        FirstRadio(3084, "halfway return landing", 10, 32, 140, 10),
        Radio(3085, "straight flight", 10, 42, 140, 10),
        Rule(54),
        Label(" feet   inches", 100, 56, 54, 9),
        Label("straight flight stairwell length", 10, 56, 88, 17),
        Label("ONLY if less than full run", 10, 73, 88, 9),
        Label("range 2 - 25 feet", 10, 82, 88, 9),
        Edit(3082, "7", 102, 66, 24, 12),
        Edit(3083, "0", 128, 66, 24, 12),
        Rule(92),
        Label("storey height of floor to have stairs", 10, 94, 88, 17),
        Label("range 7 - 15 feet", 10, 111, 88, 9),
        Edit(3091, "8", 102, 98, 24, 12),
        Edit(3092, "6", 128, 98, 24, 12),
        Group("TOP tread position will be at :-", 4, 123, 152, 42),
        FirstRadio(3086, "top of screen", 8, 133, 68, 10),
        Radio(3087, "right side of screen", 8, 153, 90, 10),
        Radio(3089, "bottom of screen", 80, 133, 74, 10),
        Radio(3090, "left side of screen", 8, 143, 90, 10),
        DefButton(1, "OK", 10, 166, 42, 13),
        Button(2, "Cancel", 59, 166, 42, 13),
        Button(9, "Help", 108, 166, 42, 13),
    }});

    return t;
}

}  // namespace dialogtemplates
