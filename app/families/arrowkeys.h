#pragma once
// The arrow keys as the wall families read them: the direction an arrow gives (1 up, 2 right,
// 3 down, 4 left), the prompt of its length box, and the cursor step of angled input.
class TToolSite;

bool IsArrowKey(int key);
// 1 up, 2 right, 3 down, 4 left.
int ArrowDirection(int key);
// "UP:", "RIGHT:", "DOWN:", "LEFT:".
const char* ArrowPrompt(int key);
// Angled input: the arrow moves the window's cursor one pixel, inside the client area.
void NudgeCursor(TToolSite& site, int key);
