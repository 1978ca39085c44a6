#pragma once
// Finishing the design rooms of the current floor: turning every design room into internal walls,
// its name text and its size label, then removing the rooms. The rooms module, which builds on the
// walls, provides the operation and installs it here at start-up; the internal-wall tool reaches it
// through FinishDesignRooms when it stands at step STEP_FINISH_DESIGN_ROOMS. Until an operation is
// installed, finishing does nothing.
#include <functional>

class TIntwallobjtool;

using TFinishDesignRooms = std::function<void(TIntwallobjtool& tool)>;

// Installs the operation (an empty one uninstalls it); returns the one it replaces.
TFinishDesignRooms InstallFinishDesignRooms(TFinishDesignRooms operation);

// Runs the installed operation with the tool; nothing when none is installed.
void FinishDesignRooms(TIntwallobjtool& tool);
