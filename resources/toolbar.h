#pragma once
// The toolbar: its buttons with their commands, hints and icons. Icons are small line drawings on a
// 20 x 20 grid that the frame renders; they need no image files.
#include <vector>

// One stroke of an icon, on a 20 x 20 grid with y downwards:
//   'L' line from (a, b) to (c, d)
//   'R' rectangle outline at (a, b) of width c and height d;  'F' the same filled
//   'E' ellipse outline in the box (a, b, c, d);             'D' the same filled
//   'A' arc in the box (a, b, c, d) from angle e, spanning f degrees (anticlockwise, 0 = 3 o'clock)
//   'T' text at baseline (a, b)
// `grey` draws the stroke in a light colour instead of black.
struct TIconStroke {
    char shape;
    int a, b, c, d;
    int e = 0;
    int f = 0;
    const char* text = nullptr;
    bool grey = false;
};

struct TToolbarButton {
    int id;             // the command; 0 for a separator
    const char* hint;   // shown in the status bar and as the tooltip
    std::vector<TIconStroke> icon;
};

// The toolbar's entries in order: 17 buttons with separators between the groups.
const std::vector<TToolbarButton>& ToolbarButtons();

// Width of the toolbar's "cursor distance" gadget, in characters.
constexpr int DISTANCE_GADGET_CHARS = 16;
// Width of the status bar's tool-name gadget, in characters.
constexpr int TOOL_GADGET_CHARS = 10;
