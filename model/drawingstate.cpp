#include "model/drawingstate.h"

#include "model/list.h"

namespace {

// The state in use when no fresh one is installed: the program's own for its whole run.
TDrawingState& ProgramState()
{
    static TDrawingState state;
    return state;
}

TDrawingState* installed = nullptr;

}  // namespace

TDrawingState::TDrawingState() : objects(*new TList), ownedObjects(&objects) {}

TDrawingState::~TDrawingState() { delete ownedObjects; }

TDrawingState& State() { return installed ? *installed : ProgramState(); }

FreshDrawingState::FreshDrawingState() : fresh(new TDrawingState), previous(installed) { installed = fresh; }

FreshDrawingState::~FreshDrawingState()
{
    installed = previous;
    delete fresh;
}
