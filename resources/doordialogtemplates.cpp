// Templates of the window and external-door, main entry, hinged door and default door dialogs, and
// of the internal door dialogs: double and sliding doors, the single sliding door and the choice
// between them.
#include "resources/dialogtemplategroups.h"

namespace dialogtemplates {

std::vector<DialogTemplate> DoorDialogs()
{
    std::vector<DialogTemplate> t;

    t.push_back({5400, "doors", 180, 180, {
        Group("start up single door size", 5, 4, 170, 50),
        Label("metric   range 100-5000 m,m,", 10, 17, 100, 10),
        Edit(5410, " ", 112, 15, 30, 13),
        Label("m.m.", 146, 17, 26, 10),
        Label("inches - range 4-200 inches", 10, 35, 100, 10),
        Edit(5411, " ", 112, 33, 30, 13),
        Label("inches", 146, 35, 26, 10),
        Group("door opening angle - plan views", 5, 58, 170, 58),
        FirstRadio(5404, "30", 18, 70, 30, 12),
        Radio(5405, "60", 72, 70, 30, 12),
        Radio(5406, "90", 126, 70, 30, 12),
        Group("door thickness - plan views", 5, 120, 170, 34),
        FirstRadio(5407, "1 - minimum", 12, 134, 70, 12),
        Radio(5408, "2 - maximum", 92, 134, 70, 12),
        Picture("5401", 16, 86, 21, 20),
        Picture("5402", 70, 86, 21, 20),
        Picture("5403", 124, 86, 21, 20),
        DefButton(1, "OK", 35, 160, 50, 15),
        Button(9, "Help", 95, 160, 50, 15),
    }});

    t.push_back({6000, "main entry joinery", 160, 180, {
        Label("width of EACH door", 10, 12, 70, 10),
        Edit(6001, " ", 84, 10, 34, 13),
        Label("inches or m.m", 84, 26, 70, 10),
        Group("doors", 5, 40, 150, 44),
        FirstRadio(6002, "single door to entry", 12, 52, 136, 12),
        Radio(6003, "double doors to entry", 12, 66, 136, 12),
        Group("entry frame", 5, 88, 150, 71),
        Label("when viewed from OUTSIDE house", 12, 99, 136, 9),
        FirstRadio(6004, "door(s) on RIGHT side", 12, 109, 136, 12),
        Radio(6005, "door(s) on LEFT side", 12, 122, 136, 12),
        Radio(6006, "door(s) CENTRAL in frame", 12, 135, 136, 12),
        Label("(or no side frames)", 24, 148, 120, 9),
        DefButton(1, "OK", 8, 162, 42, 15),
        Button(2, "Cancel", 59, 162, 42, 15),
        Button(9, "Help", 110, 162, 42, 15),
    }});

    t.push_back({6500, "windows & external doors", 191, 180, {
        Group("size && plan style", 5, 4, 181, 76),
        Label("window width", 12, 18, 60, 10),
        Edit(6501, " ", 75, 16, 30, 13),
        Label("inches or m.m", 110, 18, 70, 10),
        Label("window height", 12, 34, 60, 10),
        Edit(6502, " ", 75, 32, 30, 13),
        Check(6504, "show sizes on plan", 12, 50, 96, 12),
        Check(6505, "show cill on plan", 12, 64, 96, 12),
        Label("text size", 120, 40, 60, 9),
        FirstRadio(6506, "7 pt", 120, 50, 50, 12),
        Radio(6507, "9 pt", 120, 64, 50, 12),
        Group("type", 5, 84, 181, 68),
        FirstRadio(6508, "window ", 12, 96, 60, 12),
        Radio(6510, "main entry", 12, 109, 60, 12),
        Radio(6511, "wall opening", 12, 122, 60, 12),
        Radio(6512, "single external door", 76, 96, 106, 12),
        Radio(6513, "French doors - open out", 76, 109, 106, 12),
        Radio(6514, "French doors - open in", 76, 122, 106, 12),
        Radio(6515, "garage door", 12, 135, 60, 12),
        DefButton(1, "OK", 16, 158, 45, 15),
        Button(2, "Cancel", 73, 158, 45, 15),
        Button(9, "Help", 130, 158, 45, 15),
    }});

    // Four columns of two pictures, each with its radio button under it: codes 1/2, 3/4, 5/6, 7/8,
    // the odd code on top. The radio buttons come first so that they make one group.
    t.push_back({10500, "doors", 160, 140, {
        Group("door width", 5, 4, 150, 32),
        Label("door width       (inches / m.m.)", 10, 13, 94, 20),
        Edit(10501, " ", 108, 16, 40, 13),
        Group("door type", 5, 38, 150, 80),
        FirstRadio(10509, " ", 14, 70, 20, 10),
        Radio(10508, " ", 14, 104, 20, 10),
        Radio(10507, " ", 50, 70, 20, 10),
        Radio(10506, " ", 50, 104, 20, 10),
        Radio(10505, " ", 86, 70, 20, 10),
        Radio(10504, " ", 86, 104, 20, 10),
        Radio(10503, "", 122, 70, 20, 10),
        Radio(10502, " ", 122, 104, 20, 10),
        Picture("10517", 12, 49, 21, 20),
        Picture("10516", 12, 83, 21, 20),
        Picture("10515", 48, 49, 21, 20),
        Picture("10514", 48, 83, 21, 20),
        Picture("10513", 84, 49, 21, 20),
        Picture("10511", 84, 83, 21, 20),
        Picture("10512", 120, 49, 21, 20),
        Picture("10510", 120, 83, 21, 20),
        DefButton(1, "OK", 8, 122, 42, 15),
        Button(2, "Cancel", 59, 122, 42, 15),
        Button(9, "Help", 110, 122, 42, 15),
    }});

    t.push_back({10000, "double doors & sliding doors", 160, 160, {
        Group("doors  size && type", 5, 2, 150, 68),
        Label("doors -  total opening width", 10, 14, 94, 10),
        Edit(10001, " ", 108, 12, 40, 13),
        FirstRadio(10002, "double doors - hinged", 12, 28, 136, 12),
        Radio(10003, "two sliding doors", 12, 41, 136, 12),
        Radio(10004, "four sliding doors", 12, 54, 136, 12),
        Group("HINGED doors opening to :-", 5, 72, 150, 68),
        FirstRadio(10005, "TOP of screen", 12, 84, 136, 12),
        Radio(10006, "BOTTOM of screen", 12, 97, 136, 12),
        Radio(10007, "LEFT SIDE of screen", 12, 110, 136, 12),
        Radio(10008, "RIGHT SIDE of screen", 12, 123, 136, 12),
        DefButton(1, "OK", 8, 143, 42, 15),
        Button(2, "Cancel", 59, 143, 42, 15),
        Button(9, "Help", 110, 143, 42, 15),
    }});

    // Four columns of two pictures like the hinged door dialog: codes 1/2, 3/4, 5/6, 7/8.
    t.push_back({13000, "sliding door", 160, 160, {
        Group(" ", 5, 4, 150, 46),
        Label("sliding door width  - inches/m.m", 10, 14, 94, 20),
        Edit(13001, " ", 108, 16, 40, 13),
        Check(13002, "check ONLY if door slides INTO wall", 10, 34, 140, 12),
        Group(" ", 5, 52, 150, 86),
        FirstRadio(13003, " ", 14, 86, 20, 10),
        Radio(13004, " ", 14, 122, 20, 10),
        Radio(13005, " ", 50, 86, 20, 10),
        Radio(13006, " ", 50, 122, 20, 10),
        Radio(13007, " ", 86, 86, 20, 10),
        Radio(13008, " ", 86, 122, 20, 10),
        Radio(13009, " ", 122, 86, 20, 10),
        Radio(13010, " ", 122, 122, 20, 10),
        Picture("13011", 12, 63, 21, 20),
        Picture("13012", 12, 99, 21, 20),
        Picture("13013", 48, 63, 21, 20),
        Picture("13014", 48, 99, 21, 20),
        Picture("13015", 84, 63, 21, 20),
        Picture("13017", 84, 99, 21, 20),
        Picture("13016", 120, 63, 21, 20),
        Picture("13018", 120, 99, 21, 20),
        DefButton(1, "OK", 8, 142, 42, 15),
        Button(2, "Cancel", 59, 142, 42, 15),
        Button(9, "Help", 110, 142, 42, 15),
    }});

    t.push_back({13500, "single or multiple doors", 140, 100, {
        Group(" ", 3, 4, 134, 60),
        FirstRadio(13501, "single sliding door", 6, 18, 130, 12),
        Radio(13502, "multiple hanging or sliding doors", 6, 40, 130, 12),
        DefButton(1, "OK", 20, 76, 42, 15),
        Button(2, "Cancel", 78, 76, 42, 15),
    }});

    return t;
}

}  // namespace dialogtemplates
