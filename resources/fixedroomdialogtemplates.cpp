// Templates of the new-fixed-room dialogs, metric and imperial.
#include "resources/dialogtemplategroups.h"

namespace dialogtemplates {

std::vector<DialogTemplate> FixedRoomDialogs()
{
    std::vector<DialogTemplate> t;

    t.push_back({8000, "new fixed room", 167, 180, {
        Label("room name", 8, 9, 48, 10),
        Edit(8001, "room", 60, 7, 96, 13),
        Label("(max of 15 letters/numbers)", 60, 21, 100, 9),
        Label("size horizontallly       (range 400-20000 m.m)", 8, 36, 108, 18),
        Edit(8002, " ", 120, 38, 38, 13),
        Label("size vertically           (range 400-20000 mm)", 8, 58, 108, 18),
        Edit(8003, " ", 120, 60, 38, 13),
        Label("wall thickness - mm", 8, 82, 108, 10),
        Edit(8004, " ", 120, 80, 38, 13),
        FirstRadio(8005, "show sizes BELOW room name", 12, 98, 150, 11),
        Radio(8006, "show NO sizes", 12, 110, 150, 11),
        Radio(8007, "show BOTH sizes with arrows", 12, 122, 150, 11),
        Radio(8008, "show HORIZONTAL size with arrows", 12, 134, 150, 11),
        Radio(8009, "show VERTICAL size with arrows", 12, 146, 150, 11),
        DefButton(1, "OK", 10, 160, 42, 15),
        Button(2, "Cancel", 62, 160, 42, 15),
        Button(9, "Help", 114, 160, 42, 15),
    }});

    // Each length: feet and inches, then the numerator above and the denominator below a "/".
    t.push_back({8500, "new fixed room", 160, 190, {
        Label("room name ", 8, 9, 44, 10),
        Edit(8501, "room", 54, 7, 96, 13),
        Label("max 15 letters/numbers", 54, 21, 100, 9),
        Label("feet", 72, 30, 20, 8),
        Label("inches", 98, 30, 24, 8),
        Label("size horizontally", 8, 40, 62, 9),
        Label("range 1 - 60 feet", 8, 49, 62, 9),
        Edit(8502, " ", 70, 42, 24, 12),
        Edit(8503, " ", 98, 42, 22, 12),
        Edit(8504, "0", 128, 33, 18, 11),
        Label("/", 134, 44, 6, 8),
        Edit(8505, "0", 128, 52, 18, 11),
        Label("size vertically", 8, 70, 62, 9),
        Label("range 1 - 60 feet", 8, 79, 62, 9),
        Edit(8506, " ", 70, 72, 24, 12),
        Edit(8507, "", 98, 72, 22, 12),
        Edit(8508, "0", 128, 64, 18, 11),
        Label("/", 134, 75, 6, 8),
        Edit(8509, "0", 128, 83, 18, 11),
        Label("wall thickness", 8, 105, 58, 9),
        Label("inches", 70, 105, 26, 9),
        Edit(8510, " ", 98, 103, 22, 12),
        Edit(8511, "0", 128, 95, 18, 11),
        Label("/", 134, 106, 6, 8),
        Edit(8512, "0", 128, 114, 18, 11),
        FirstRadio(8513, "show sizes BELOW room name", 12, 126, 140, 10),
        Radio(8514, "show NO room sizes", 12, 136, 140, 10),
        Radio(8515, "show BOTH sizes with arrows", 12, 146, 140, 10),
        Radio(8516, "show HORIZONTAL size with arrows", 12, 156, 140, 10),
        Radio(8517, "show VERTICAL size with arrows", 12, 166, 140, 10),
        DefButton(1, "OK", 10, 177, 42, 12),
        Button(2, "Cancel", 59, 177, 42, 12),
        Button(9, "Help", 108, 177, 42, 12),
    }});

    return t;
}

}  // namespace dialogtemplates
