#pragma once
// The virtual-key code of a Qt key press: the numbering the drawing window and the tools use
// (13 Enter, 37..40 arrows, 107 and 109 keypad plus and minus, 112 F1, 'A'..'Z' letters, ...).
class QKeyEvent;

// 0 for a key the drawing window has no code for.
int VirtualKeyOf(const QKeyEvent& event);
