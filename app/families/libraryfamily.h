#pragma once
// The library family: Libraries/ADD to a library and Libraries/Plumbing, Electrical, Furniture,
// Miscellaneous.
//
// ADD to a library starts the copy tool marked for a library entry: its drag selects as the
// selection family's does, and once the selection is made the new-library-entry dialog saves it;
// then the pick tool. Choosing a library lists its entries, each previewed near the lower left of
// the view as it is selected; OK hands the entry to the move tool to be placed (a click on a
// reference point, a click where it goes, Enter), Cancel takes the preview away again.
#include "app/commandtable.h"

class TToolFamily;
class TToolSite;

const TToolFamily& LibraryFamily();
TFamilyRows LibraryFamilyRows();

// Libraries/Plumbing .. Miscellaneous: the entry list of a library (1 plumbing, 2 electrical, 3 furniture,
// 4 miscellaneous) with its preview, then the placing of the entry chosen. A figure in progress
// stays held while the list is open; it is stored, ahead of the entry, once an entry is chosen,
// and still held when the list is cancelled.
void PickLibraryItem(TCommandContext& context, TToolSite& site, int libraryKind);
