// Templates of the new-drawing, measuring-units, copy-drawing, plan-title, line-text, dimension
// settings and About dialogs.
#include "resources/dialogtemplategroups.h"

namespace dialogtemplates {

std::vector<DialogTemplate> DrawingDialogs()
{
    std::vector<DialogTemplate> t;

    t.push_back({2024, "new drawing", 180, 160, {
        Group("title of drawing", 7, 5, 166, 54),
        Edit(2027, "client", 15, 19, 150, 13),
        Label("(up to 24 letters - no file extension)", 15, 39, 150, 10),
        Group("drawing measurements", 7, 65, 166, 58),
        FirstRadio(2026, "metric dimensions", 15, 81, 150, 12),
        Radio(2025, "dimensions in feet && inches", 15, 101, 150, 12),
        DefButton(1, "OK", 13, 136, 46, 15),
        Button(2, "Cancel", 67, 136, 46, 15),
        Button(9, "Help", 121, 136, 46, 15),
    }});

    t.push_back({5450, "measuring units", 160, 100, {
        Group("select system", 7, 5, 146, 60),
        FirstRadio(5451, "metric - m.m.", 17, 21, 126, 12),
        Radio(5452, "feet && inches", 17, 43, 126, 12),
        DefButton(1, "OK", 55, 76, 50, 15),
    }});

    t.push_back({9020, "copy drawings", 160, 100, {
        Group("copy drawings to new client name", 6, 5, 148, 62),
        Label("new client name", 13, 23, 60, 10),
        Edit(9021, "name", 75, 21, 72, 13),
        Label("(  up to 24 letters - no file extension )", 13, 44, 134, 10),
        DefButton(1, "OK", 10, 77, 42, 15),
        Button(2, "Cancel", 59, 77, 42, 15),
        Button(9, "Help", 108, 77, 42, 15),
    }});

    t.push_back({20000, "drawing titles", 184, 133, {
        Group("maximum of 24 letters/spaces", 7, 4, 170, 102),
        Label("show title of ground floor plan as :-", 14, 17, 156, 10),
        Edit(20001, "", 14, 28, 156, 13),
        Label("show title of first floor plan as :-", 14, 45, 156, 10),
        Edit(20002, "", 14, 56, 156, 13),
        Label("show title of second floor plan as :-", 14, 73, 156, 10),
        Edit(20003, "", 14, 84, 156, 13),
        DefButton(1, "OK", 12, 113, 48, 15),
        Button(2, "Cancel", 68, 113, 48, 15),
        Button(9, "Help", 124, 113, 48, 15),
    }});

    t.push_back({2690, "line text", 160, 130, {
        Group("text and position relative to line", 6, 4, 148, 100),
        Label("text for line", 13, 19, 50, 10),
        Edit(2691, " ", 65, 17, 82, 13),
        Label("(20 letters/numbers max)", 13, 32, 134, 10),
        FirstRadio(2692, "text to the LEFT or ABOVE line", 13, 46, 134, 12),
        Radio(2693, "text to the RIGHT or BELOW line", 13, 60, 134, 12),
        Label("(if text is for an angled line pick above or below line)", 13, 77, 134, 20),
        DefButton(1, "OK", 10, 110, 42, 15),
        Button(2, "Cancel", 59, 110, 42, 15),
        Button(9, "Help", 108, 110, 42, 15),
    }});

    t.push_back({9030, "About Arkweld ", 160, 160, {
        ProgramIcon("9033", 66, 24, 28, 28),
        Label("Arkweld  v 4.0", 50, 68, 60, 10),
        DefButton(1, "OK", 55, 132, 50, 15),
    }});

    // The dimension settings: three offsets, the text orientation beside the dimension text size,
    // and the two room text sizes side by side.
    t.push_back({5500, "showing dimensions", 160, 180, {
        Group("arrow offset from wall - in m.m.", 4, 4, 152, 56),
        Label("internal dimensions (100-3000)", 10, 17, 110, 10),
        Edit(5501, " ", 122, 15, 28, 12),
        Label("external dimensions (100-3000)", 10, 30, 110, 10),
        Edit(5502, " ", 122, 28, 28, 12),
        Label("overall dimensions (100-5000)", 10, 43, 110, 10),
        Edit(5503, " ", 122, 41, 28, 12),
        Group("dimension text size", 4, 63, 152, 38),
        FirstRadio(5504, "all text  horizontal", 10, 74, 86, 12),
        Radio(5505, "text parallel to wall", 10, 86, 86, 12),
        FirstRadio(5506, "9 pts", 108, 74, 42, 12),
        Radio(5507, "10 pts", 108, 86, 42, 12),
        Group("room text sizes", 4, 104, 152, 48),
        Label("room dimensions", 10, 114, 70, 10),
        FirstRadio(5508, "9 pts", 10, 125, 42, 12),
        Radio(5509, "10 pts", 10, 137, 42, 12),
        Label("room name", 84, 114, 70, 10),
        FirstRadio(5510, "9 pts", 84, 125, 42, 12),
        Radio(5511, "10 pts", 84, 137, 42, 12),
        DefButton(1, "OK", 10, 159, 42, 15),
        Button(2, "Cancel", 59, 159, 42, 15),
        Button(9, "Help", 108, 159, 42, 15),
    }});

    t.push_back({5600, "dimension offsets", 160, 180, {
        Group("arrow offsets from walls - in inches", 4, 4, 152, 56),
        Label("internal dimensions ( 6-120)", 10, 17, 110, 10),
        Edit(5609, " ", 122, 15, 28, 12),
        Label("external dimensions ( 6-120)", 10, 30, 110, 10),
        Edit(5610, " ", 122, 28, 28, 12),
        Label("overall dimensions ( 6-240)", 10, 43, 110, 10),
        Edit(5611, " ", 122, 41, 28, 12),
        Group("dimension text", 4, 63, 152, 38),
        FirstRadio(5601, "all text horizntal", 10, 74, 86, 12),
        Radio(5602, "text parallel to walls", 10, 86, 86, 12),
        FirstRadio(5603, "9 pts", 108, 74, 42, 12),
        Radio(5604, "10 pts", 108, 86, 42, 12),
        Group("room text size", 4, 104, 152, 48),
        Label("room dimensions", 10, 114, 70, 10),
        FirstRadio(5605, "9 pts", 10, 125, 42, 12),
        Radio(5606, "10 pts", 10, 137, 42, 12),
        Label("room names", 84, 114, 70, 10),
        FirstRadio(5607, "9 pts", 84, 125, 42, 12),
        Radio(5608, "10 pts", 84, 137, 42, 12),
        DefButton(1, "OK", 10, 159, 42, 15),
        Button(2, "Cancel", 59, 159, 42, 15),
        Button(9, "Help", 108, 159, 42, 15),
    }});
    return t;
}

}  // namespace dialogtemplates
