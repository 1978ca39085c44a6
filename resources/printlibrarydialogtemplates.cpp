// Templates of the print, printer-calibration, library and manipulate-drawing dialogs.
#include "resources/dialogtemplategroups.h"

namespace dialogtemplates {

std::vector<DialogTemplate> PrintLibraryDialogs()
{
    std::vector<DialogTemplate> t;

    t.push_back({3200, "printer calibration", 160, 110, {
        Group("scaled size in m.m.", 7, 5, 146, 70),
        Label("15000 m.m  printed out at 100:1 scale", 15, 19, 132, 10),
        Label("shows as", 15, 45, 38, 10),
        Edit(3201, "", 55, 43, 50, 13),
        Label("m.m.", 110, 45, 30, 10),
        DefButton(1, "OK", 10, 86, 42, 15),
        Button(2, "Cancel", 59, 86, 42, 15),
        Button(9, "Help", 108, 86, 42, 15),
    }});

    t.push_back({3300, "printer calibration", 160, 110, {
        Group("scaled size", 7, 5, 146, 70),
        Label("52 feet printed out at 96:1 scale", 15, 17, 132, 10),
        Label("(1/4 inch to 1 foot)", 15, 28, 132, 10),
        Label("shows as", 15, 50, 36, 10),
        Edit(3302, "", 52, 48, 22, 13),
        Label("feet", 77, 50, 18, 10),
        Edit(3301, "", 97, 48, 22, 13),
        Label("inches", 122, 50, 26, 10),
        DefButton(1, "OK", 10, 86, 42, 15),
        Button(2, "Cancel", 59, 86, 42, 15),
        Button(9, "Help", 108, 86, 42, 15),
    }});

    t.push_back({15500, "library files", 171, 118, {
        SortedList(15501, 8, 6, 155, 82),
        DefButton(1, "OK", 11, 96, 45, 15),
        Button(2, "Cancel", 63, 96, 45, 15),
        Button(9, "Help", 115, 96, 45, 15),
    }});

    t.push_back({16000, "new library file", 180, 160, {
        Group("New Library File ", 7, 4, 166, 50),
        Edit(16001, "new file description name ", 15, 17, 150, 13),
        Label("max 24 letters - no file extension", 15, 36, 150, 10),
        Group("Library File Group", 7, 58, 166, 74),
        FirstRadio(16002, "Plumbing", 15, 70, 150, 12),
        Radio(16003, "Electrical", 15, 84, 150, 12),
        Radio(16004, "Furniture", 15, 98, 150, 12),
        Radio(16005, "Miscellaneous", 15, 112, 150, 12),
        DefButton(1, "OK", 13, 139, 46, 15),
        Button(2, "Cancel", 67, 139, 46, 15),
        Button(9, "Help", 121, 139, 46, 15),
    }});

    t.push_back({19000, "manipulate drawing file", 166, 159, {
        Group("change whole file", 7, 4, 152, 129),
        Label("for a NEW file for this rotation/mirror, please insert new name - else leave as shown", 14, 17,
              138, 26),
        Edit(19001, " ", 14, 44, 138, 13),
        Label("( 24 letters max - NO file extension )", 14, 60, 138, 10),
        FirstRadio(19002, "90 degree clockwise rotation", 14, 73, 138, 12),
        Radio(19003, "180 degree clockwise rotation", 14, 87, 138, 12),
        Radio(19004, "270 degree clockwise rotation", 14, 101, 138, 12),
        Radio(19005, "mirror existing drawing", 14, 115, 138, 12),
        DefButton(1, "OK", 12, 139, 44, 15),
        Button(2, "Cancel", 61, 139, 44, 15),
        Button(9, "Help", 110, 139, 44, 15),
    }});

    t.push_back({19500, "print plan views", 160, 189, {
        Group("select number of copies to print && scales", 7, 4, 146, 64),
        Label("scale :1", 70, 15, 34, 10),
        Label("copies", 112, 15, 34, 10),
        Label("ground floor", 14, 28, 54, 10),
        Edit(19504, "", 70, 26, 32, 12),
        Edit(19501, "0", 112, 26, 32, 12),
        Label("first floor", 14, 41, 54, 10),
        Edit(19505, " ", 70, 39, 32, 12),
        Edit(19502, "0", 112, 39, 32, 12),
        Label("second floor", 14, 54, 54, 10),
        Edit(19506, "", 70, 52, 32, 12),
        Edit(19503, "0", 112, 52, 32, 12),
        Group("print line thickness", 7, 71, 146, 26),
        FirstRadio(19512, "light", 14, 82, 40, 12),
        Radio(19513, "medium", 58, 82, 44, 12),
        Radio(19514, "heavy", 106, 82, 40, 12),
        Group("print style", 7, 100, 146, 66),
        FirstRadio(19515, "show walls as normal", 14, 110, 134, 10),
        Radio(19516, "show walls cross hatched", 14, 121, 134, 10),
        Radio(19517, "show walls solid", 14, 132, 134, 10),
        Check(19509, "print NO external dimensions", 14, 143, 134, 10),
        Check(19510, "print NO drawing scale", 14, 154, 134, 10),
        DefButton(1, "OK", 10, 170, 42, 15),
        Button(2, "Cancel", 59, 170, 42, 15),
        Button(9, "Help", 108, 170, 42, 15),
    }});

    return t;
}

}  // namespace dialogtemplates
