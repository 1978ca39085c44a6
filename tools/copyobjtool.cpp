#include "tools/copyobjtool.h"

#include "model/drawingstate.h"
#include "tools/pastebuffer.h"

TCopyobjtool::TCopyobjtool()
{
    kind = KIND_COPY;
}

void TCopyobjtool::ProcessSelection(Canvas&, const TRect&, int, int)
{
    if (libraryFlag == COPY_FOR_LIBRARY)
        return;
    // Every entry of one selection carries the same base point.
    std::vector<TCopyEntry> entries;
    for (int index : SelectedIndices())
        entries.push_back({index, dragStartX, dragStartY});
    WritePasteBuffer(State().objects, entries);
}
