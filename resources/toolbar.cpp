#include "resources/toolbar.h"

#include "resources/menus.h"

namespace {

const std::vector<TToolbarButton> buttons = {
    {CM_FILENEW, "Start a new drawing",
     {{'L', 4, 2, 12, 2}, {'L', 12, 2, 16, 6}, {'L', 16, 6, 16, 18}, {'L', 16, 18, 4, 18}, {'L', 4, 18, 4, 2},
      {'L', 12, 2, 12, 6}, {'L', 12, 6, 16, 6}}},
    {CM_FILEOPEN, "Open a drawing",
     {{'L', 2, 5, 7, 5}, {'L', 7, 5, 9, 7}, {'L', 9, 7, 16, 7}, {'L', 16, 7, 16, 16}, {'L', 16, 16, 2, 16},
      {'L', 2, 16, 2, 5}, {'L', 2, 16, 5, 10}, {'L', 5, 10, 19, 10}, {'L', 19, 10, 16, 16}}},
    {CM_PRINT, "Print the drawing",
     {{'R', 5, 2, 10, 6}, {'R', 2, 8, 16, 7}, {'R', 5, 13, 10, 5}, {'D', 15, 10, 2, 2}}},
    {0, nullptr, {}},
    {CM_UNDO, "Undo the last object drawn",
     {{'A', 4, 5, 12, 11, 90, -240}, {'L', 10, 5, 7, 2}, {'L', 10, 5, 7, 8}}},
    {CM_ZOOMUP, "Zoom up: drag over the area to enlarge",
     {{'E', 2, 2, 11, 11}, {'L', 11, 11, 17, 17}, {'L', 12, 11, 18, 17}, {'L', 5, 7, 10, 7}, {'L', 7, 5, 7, 10}}},
    {CM_NORMALSIZE, "Back to normal size",
     {{'E', 2, 2, 11, 11}, {'L', 11, 11, 17, 17}, {'L', 12, 11, 18, 17}, {'L', 5, 7, 10, 7}}},
    {0, nullptr, {}},
    {CM_LINE, "Draw lines", {{'L', 3, 16, 16, 3}, {'D', 2, 15, 3, 3}, {'D', 15, 2, 3, 3}}},
    {CM_TEXT, "Place text", {{'L', 4, 17, 10, 3}, {'L', 10, 3, 16, 17}, {'L', 6, 12, 14, 12}}},
    {CM_RECTANGLE, "Draw rectangles", {{'R', 3, 5, 14, 10}}},
    {CM_CIRCLE, "Draw circles", {{'E', 3, 3, 14, 14}, {'D', 9, 9, 2, 2}}},
    {0, nullptr, {}},
    {CM_EXTWALL, "Draw external walls",
     {{'F', 2, 2, 16, 4}, {'F', 2, 2, 4, 16}, {'L', 2, 18, 18, 18, 0, 0, nullptr, true}}},
    {CM_INTWALL, "Draw internal walls", {{'L', 2, 7, 18, 7}, {'L', 2, 12, 18, 12}}},
    {CM_WINDOW, "Place windows and external doors",
     {{'F', 1, 7, 5, 6}, {'F', 15, 7, 5, 6}, {'R', 5, 7, 10, 5}, {'L', 5, 9, 15, 9}}},
    {CM_INTERNALDOOR, "Place internal doors",
     {{'F', 1, 15, 4, 3}, {'F', 16, 15, 3, 3}, {'L', 5, 15, 5, 4}, {'A', -6, 4, 22, 22, 0, 90}}},
    {CM_MOVEROTATE, "Move or rotate objects",
     {{'L', 10, 2, 10, 18}, {'L', 2, 10, 18, 10}, {'L', 10, 2, 7, 5}, {'L', 10, 2, 13, 5}, {'L', 10, 18, 7, 15},
      {'L', 10, 18, 13, 15}, {'L', 2, 10, 5, 7}, {'L', 2, 10, 5, 13}, {'L', 18, 10, 15, 7}, {'L', 18, 10, 15, 13}}},
    {0, nullptr, {}},
    {CM_CENTRE, "CENTRE: put the cursor halfway between two points",
     {{'L', 2, 10, 18, 10}, {'L', 2, 7, 2, 13}, {'L', 18, 7, 18, 13}, {'D', 8, 8, 4, 4}}},
    {CM_CENTRECENTRE, "CENTRE CENTRE: put the cursor in the centre of a rectangle",
     {{'R', 2, 4, 16, 12}, {'L', 2, 4, 18, 16, 0, 0, nullptr, true}, {'L', 18, 4, 2, 16, 0, 0, nullptr, true},
      {'D', 8, 8, 4, 4}}},
};

}  // namespace

const std::vector<TToolbarButton>& ToolbarButtons()
{
    return buttons;
}
