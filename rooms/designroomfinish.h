#pragma once
// Finishing the design rooms of the floor in view: every design room not named "space" (or
// "SPACE") becomes internal walls on the sides no wall covers yet, with junction lines where a new
// wall butts into an internal wall, its name and its size texts with dimension arrows; then the
// floor's design rooms go. Rooms are converted in list order and the walls of one are in the list
// when the next is examined, so two rooms that share an edge get one wall between them.
//
// The walls take the design-room wall thickness of the floor (CFG/RMPTNM.CFG, CFG/RMPTNI.CFG), the
// labels the dimension offsets (CFG/MOFFSET.CFG, CFG/IOFFSET.CFG); a finish reads both once, at its
// first room.
#include <cstdint>

class TDrawingEdit;
class TIntwallobjtool;
struct TOffsetSettings;

// Converts the floor's design rooms with the internal-wall tool, removes the floor's design rooms
// when any was converted, and leaves the area to repaint in the tool's editLeft .. editBottom
// (the removed rooms widened by 2 u t; 300000, 0, 0, 300000 when none was). Returns how many
// rooms were converted. The caller commits the edit; but when a point of the walls or labels
// would lie where the drawing file cannot store it, the edit is dropped (the list holds what the
// file holds), the user is told and the result is -1.
int FinishDesignRooms(TDrawingEdit& edit, TIntwallobjtool& tool);

// Converts the design room at `index`, whose corners the tool holds in x1, y1 (top left) and x2,
// y2 (bottom right): the walls of its sides, `wallThickness` thick, and its labels placed by
// `offsets`. Room edges within one logical unit of an external wall's inner line move onto it.
void ConvertDesignRoom(TDrawingEdit& edit, TIntwallobjtool& tool, int index, std::int32_t wallThickness,
                       const TOffsetSettings& offsets);

// Appends one internal wall from the tool's fields, with no join data.
void AddDesignRoomWall(TDrawingEdit& edit, const TIntwallobjtool& tool);

// Start-up: lets the internal-wall tool finish design rooms (walls/finishdesignrooms.h); each
// finish rewrites the drawing file once.
void InstallDesignRoomFinish();
