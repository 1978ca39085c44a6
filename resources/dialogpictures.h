#pragma once
// The small pictures the dialog templates show beside their choices (the door pictures of the
// door dialogs), drawn from strokes in a 32 x 32 box with y downwards.
#include <vector>

struct TPictureStroke {
    enum Kind {
        Line,        // (x1, y1) to (x2, y2)
        Wall,        // a filled block of wall from (x1, y1) to (x2, y2)
        DottedArc,   // centre (x1, y1), radius x2, from startAngle anticlockwise by span (degrees,
                     // 0 along +x, 90 straight up on the screen)
    };
    Kind kind = Line;
    int x1 = 0;
    int y1 = 0;
    int x2 = 0;
    int y2 = 0;
    int startAngle = 0;
    int span = 0;
};

using TPicture = std::vector<TPictureStroke>;

// The picture of a resource id; null when there is none (the template then shows the program
// icon).
const TPicture* FindDialogPicture(int resourceId);
