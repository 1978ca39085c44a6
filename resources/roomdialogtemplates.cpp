// Templates of the room dialogs: new design room and maximum-size design room (metric and
// imperial), and the design-room wall size.
#include "resources/dialogtemplategroups.h"

namespace dialogtemplates {

namespace {

// The colour and label groups every design-room dialog shares, below the room details, with the
// buttons. `first` is the id of the "no colour" radio; the label radios follow the colours.
void AddDesignRoomChoices(std::vector<ControlTemplate>& controls, int first, int top)
{
    controls.push_back(Group("show room in :-", 4, top, 86, 64));
    controls.push_back(FirstRadio(first, "no colour", 7, top + 11, 81, 11));
    controls.push_back(Radio(first + 1, "wet area colour", 7, top + 23, 81, 11));
    controls.push_back(Radio(first + 2, "bedroom colour", 7, top + 35, 81, 11));
    controls.push_back(Radio(first + 3, "other rooms colour", 7, top + 47, 81, 11));
    controls.push_back(Label("", 92, top + 4, 1, 58));  // Frame1: the line between the two groups
    controls.push_back(Group("show dimensions on PLAN", 94, top, 102, 64));
    controls.push_back(FirstRadio(first + 4, "below name", 96, top + 10, 99, 10));
    controls.push_back(Radio(first + 5, "show no sizes", 96, top + 20, 99, 10));
    controls.push_back(Radio(first + 6, "both sizes with arrows", 96, top + 30, 99, 10));
    controls.push_back(Radio(first + 7, "horizontal size &&  arrows", 96, top + 40, 99, 10));
    controls.push_back(Radio(first + 8, "vertical size && arrows", 96, top + 50, 99, 10));
    controls.push_back(DefButton(1, "OK", 20, 152, 45, 15));
    controls.push_back(Button(2, "Cancel", 78, 152, 45, 15));
    controls.push_back(Button(9, "Help", 136, 152, 45, 15));
}

// Metric: name, then the horizontal and vertical sizes in millimetres.
DialogTemplate MetricDesignRoom(int id, const char* caption, const char* name, const char* size)
{
    DialogTemplate t{id, caption, 200, 172, {
        Group("room details", 5, 4, 190, 70),
        Label("room name", 12, 18, 48, 10),
        Edit(id + 1, name, 62, 16, 72, 13),
        Label("15 letters/numbers max", 138, 14, 54, 18),
        Label("horizontal size", 12, 38, 60, 10),
        Edit(id + 2, size, 75, 36, 40, 13),
        Label("m.m", 120, 38, 20, 10),
        Label("vertical size", 12, 56, 60, 10),
        Edit(id + 3, size, 75, 54, 40, 13),
        Label("m.m", 120, 56, 20, 10),
    }};
    AddDesignRoomChoices(t.controls, id + 4, 80);
    return t;
}

// Imperial: name, then each size as feet, inches and a fraction (numerator / denominator).
DialogTemplate ImperialDesignRoom(int id, const char* caption, const char* feet, const char* inches)
{
    DialogTemplate t{id, caption, 200, 172, {
        Group("room details", 5, 4, 190, 72),
        Label("room name", 12, 16, 48, 10),
        Edit(id + 1, "room", 62, 14, 72, 13),
        Label("15 letters/numbers max", 138, 12, 54, 18),
        Label("feet", 72, 31, 24, 9),
        Label("inches", 102, 31, 24, 9),
        Label("fraction", 134, 31, 44, 9),
        Label("horizontal size", 12, 43, 56, 10),
        Edit(id + 2, feet, 70, 41, 26, 12),
        Edit(id + 3, inches, 100, 41, 26, 12),
        Edit(id + 4, "0", 132, 41, 18, 12),
        Label("/", 153, 43, 5, 9),
        Edit(id + 5, "0", 160, 41, 18, 12),
        Label("vertical size", 12, 59, 56, 10),
        Edit(id + 6, feet, 70, 57, 26, 12),
        Edit(id + 7, inches, 100, 57, 26, 12),
        Edit(id + 8, "0", 132, 57, 18, 12),
        Label("/", 153, 59, 5, 9),
        Edit(id + 9, "0", 160, 57, 18, 12),
    }};
    AddDesignRoomChoices(t.controls, id + 10, 80);
    return t;
}

}  // namespace

std::vector<DialogTemplate> RoomDialogs()
{
    std::vector<DialogTemplate> t;

    t.push_back({21000, "Internal wall size for design rooms", 160, 100, {
        Label("internal wall thickness", 10, 14, 84, 10),
        Edit(21001, " ", 98, 12, 30, 13),
        Label("m.m", 132, 14, 20, 10),
        Label("( will be used for all DESIGN rooms drawn on this floor )", 10, 36, 140, 20),
        DefButton(1, "OK", 25, 76, 50, 15),
        Button(9, "Help", 85, 76, 50, 15),
    }});

    t.push_back({21500, "Internal wall size for design rooms", 160, 100, {
        Label("internal wall thickness", 10, 16, 84, 10),
        Label("inches", 98, 4, 30, 9),
        Edit(21501, " ", 98, 14, 30, 13),
        Edit(21502, "0", 134, 8, 18, 11),
        Label("/", 140, 19, 6, 8),
        Edit(21503, "0", 134, 27, 18, 11),
        Label("( will be used for all DESIGN rooms drawn on this floor )", 10, 46, 140, 20),
        DefButton(1, "OK", 25, 76, 50, 15),
        Button(9, "Help", 85, 76, 50, 15),
    }});

    t.push_back(MetricDesignRoom(22000, "new design room", "room ", "3000"));
    t.push_back(ImperialDesignRoom(22500, "new design room", "10", "0"));
    t.push_back(MetricDesignRoom(23000, "maximum size for new design room", "room ", ""));
    t.push_back(ImperialDesignRoom(23500, "maximum size for new design room", "", ""));

    return t;
}

}  // namespace dialogtemplates
