#pragma once
// Edit/Undo of one drawing window: takes back the last object drawn on the floor in view (never
// an external wall or a floor record), at most three in a row; any other change committed since
// starts a new run. When it can do nothing it says why.
class TToolSite;

class TUndo {
public:
    // Reads the drawing file first. One that cannot be read is told, and `readFailureTold` set
    // (the window's repaints then tell it no more).
    void Run(TToolSite& window, bool& readFailureTold);

private:
    int count = 0;       // objects taken back in a row
    int editCount = -1;  // the list's edit count the last undo left
};
