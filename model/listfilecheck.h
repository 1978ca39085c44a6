#pragma once
// Whether the object list holds what the drawing file holds: after every completed action the two
// are the same (a figure or move in progress is the only exception). arkweld-script checks it.
#include "platform/geometry.h"

#include <string>
#include <vector>

class TList;
class TObject;

// Compares the list with a fresh reading of its drawing file, DWGS/<drawingName>.DB0, record by
// record in the file's own format. Empty when they are the same (or no drawing is open, or the
// open drawing's file is the one that could not be read, which the list then stands apart from);
// otherwise what differs: the count, or the first object that differs, as each side records it.
// The file is read directly, apart from any injected read failure.
std::string ListFileDifference(const TList& list);

// Reads a drawing file as File/Open would, apart from any injected read failure. Empty when it
// reads; otherwise why not.
std::string DrawingFileProblem(const std::string& path);

// The record of one object as a drawing file centred at `centre` stores it (or why it cannot be
// stored, in brackets).
std::string ObjectRecord(const TObject& object, TPoint centre);
// The records of a drawing file's objects, as a file centred at `centre` would store them, read
// directly apart from any injected read failure. False when the file does not read.
bool DrawingFileRecords(const std::string& path, TPoint centre, std::vector<std::string>& records);
