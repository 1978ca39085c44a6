#pragma once
// The buttons of a message box from its flags, the same for every runner: which it offers, which
// Enter chooses and which Escape (or closing the box) chooses.
#include <vector>

// The results of the buttons in the order they stand: OK; OK, Cancel; Yes, No; Yes, No, Cancel.
std::vector<int> MessageButtons(unsigned flags);
// The default button's result: the one MB_DEFBUTTON1..3 names, the first when it names none the
// box has.
int DefaultMessageButton(unsigned flags);
// What Escape or closing the box gives: Cancel where offered, No for Yes/No, OK for OK alone.
int EscapeMessageButton(unsigned flags);
