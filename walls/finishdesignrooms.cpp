#include "walls/finishdesignrooms.h"

#include <utility>

namespace {

// Installed once at start-up, like a command table entry; not drawing state.
TFinishDesignRooms& Installed()
{
    static TFinishDesignRooms operation;
    return operation;
}

}  // namespace

TFinishDesignRooms InstallFinishDesignRooms(TFinishDesignRooms operation)
{
    return std::exchange(Installed(), std::move(operation));
}

void FinishDesignRooms(TIntwallobjtool& tool)
{
    if (const TFinishDesignRooms& operation = Installed())
        operation(tool);
}
