#pragma once
// The drawing file DWGS/<name>.DB0 and the record format that the symbol libraries and the paste
// buffer share with it.
//
// A drawing file is text: a header line, then for each object of the list, in list order, a
// type-code line "%d\n" and the object's record. Numbers are decimal integers separated by single
// blanks, every record line ends in "\n". x and y coordinates are stored relative to a centre (the
// sheet centre of a drawing, the base point of a library or paste entry): the centre is subtracted
// on writing and added on reading. Heights, sizes, angles and colours are stored as they are, and
// so are a text's x2 and y2 (a dimension text keeps its direction code there).
//
// Header of a drawing file, "%d %d %d %d %d %d\n":
//   object count, sheet centre x, sheet centre y, 0, unitSystem, groupIdCounter
// The sheet centre is the one the file was written with (sheetWidth / 2 x 5, sheetHeight / 2 x 5
// of the drawing's unit system); reading adds the stored centre back, so a drawing reads back to
// the same model coordinates whatever the sheet size settings say later.
// Header of a library or paste file, "%d %d %d %d %d %d\n":
//   object count, 0, 0, 0, unitSystem, groupIdCounter
//
// Records (the first number repeats the type code):
//   lines 1, 2, 11, 25, 31, 41..99, 27001..27004:
//     type floor ownerId groupId x1 z1 x2 z2 y1 y2 lineAux2 lineAux1 colour penWidth penStyle
//   arrows 25000, 26000:
//     type floor ownerId groupId x1 y1 x2 y2 barb1x barb1y barb2x barb2y tickAx tickAy tickBx tickBy
//     colour
//   opening 28000: type floor ownerId groupId polyParam1 polyParam3 polyParam4 polyParam5
//     vertexCount polyParam2 fillColour colour openingParam1 openingParam2; then vertexCount lines
//     "x z y"; then four lines, polyAux 0..3
//   texts 4, 24, 34..37: type floor ownerId groupId x1 y1 x2 y2 z1 colour textLength escapement
//     alignment faceLength fontHeight fontWeight, one blank, the face name (faceLength characters)
//     and the text (textLength characters) with nothing between them, "\n"
//   arc 3: type floor ownerId groupId x1 z1 y1 x2 z2 y2 arcStartX arcStartY arcEndX arcEndY colour
//     penWidth penStyle
//   ellipse 5, circle 6, rectangle 7:
//     type floor ownerId groupId x1 z1 x2 z2 y1 y2 colour penWidth penStyle
//   rounded rectangle 8:
//     type floor ownerId groupId x1 z1 x2 z2 y1 y2 cornerRounding colour penWidth penStyle
//   polygons 100..24999 (but 1000, 1500), 27000: type floor ownerId groupId polyParam1 polyParam3
//     polyParam4 polyParam5 vertexCount polyParam2 fillColour colour; then vertexCount lines
//     "x z y"; then four lines, polyAux 0..3
//   external wall 1000, one line: type floor ownerId groupId penWidth penStyle x1 z1 x2 z2 y1 y2
//     colour spacing1 spacing2 spacing3 wallAux1 wallAux2 angle wallFlag wallLines[12]
//     wallColour1 wallColour2 joinInfo[4]
//   internal wall 1500, one line: type floor ownerId groupId penWidth penStyle x1 z1 x2 z2 y1 y2
//     colour wallWidth wallParams[4] angle wallFlag face2StartX face2Aux face2StartY face2EndX
//     face2EndY joinData[4] wallColour1 wallColour2
//   design room 29000: type floor ownerId groupId penWidth penStyle x1 x2 y1 y2 roomWidth
//     roomLength nameLength sizeText1Length sizeText2Length sizeDisplay textPointSize fillColour,
//     one blank, roomName, sizeText1 and sizeText2 (their lengths in characters, run together), "\n"
//   floor records 32000..32003, one line: type floor ownerId groupId penWidth penStyle x1 z1 x2 z2
//     y1 y2 colour infoValue (x and y stored as they are: a floor record has no place on the plan)
// Coordinates: x1, y1, x2, y2 (a text's anchor only), the arc's start and end points, the barbs and
// ticks, the vertices, the wall lines and the second face of an internal wall. A coordinate whose
// stored value would lie beyond the int32 range cannot be stored: such a drawing (library entry,
// paste buffer) is not written at all, so that every file written reads back as what was written.
// A file with an unknown type code, a short, overlong or non-numeric record, a vertexCount
// outside 0..16 or a counted text longer than its field does not load.
#include "model/list.h"
#include "platform/geometry.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

class TObject;

struct TFileHeader {
    int32_t count = 0;
    int32_t centreX = 0;
    int32_t centreY = 0;
    int32_t reserved = 0;
    int32_t unitSystem = 1;
    int32_t groupIdCounter = 0;
};

// The sheet size of a unit system in logical units, from CFG/DWGSIZEM.CFG (1) or DWGSIZEI.CFG (0);
// (0, 0) for any other unit system.
TPoint LoadSheetSize(int unitSystem);
// The sheet centre a drawing file of that unit system is written with, in model units: the sheet
// at the scale of a newly opened drawing (5 model units per logical unit), held in the int32 range.
TPoint DrawingFileCentre(int unitSystem);

// The model points the drawing file of the unit system in force can store exactly: the point and
// its offset from the sheet centre the file is written with both lie in the int32 range. Made
// once for a check of many points: it reads the sheet size when it is made.
class TStorableRange {
public:
    TStorableRange();
    bool Holds(int64_t x, int64_t y) const;

private:
    TPoint centre;
};
// The same for one point.
bool StorableInDrawingFile(int64_t x, int64_t y);

// Appends the type-code line and the record of one object, its coordinates less (originX, originY).
// False when a coordinate's stored value would lie beyond the int32 range: what was appended must
// not be written then, and `where` (when given) names the coordinate, e.g. "x -2147483000".
bool AppendObjectRecord(std::string& out, const TObject& object, int32_t originX, int32_t originY,
                        std::string* where = nullptr);
// The header line of a library or paste file.
std::string FormatLibraryHeader(int count, int unitSystem, int groupIdCounter);
// Why a library entry or the paste buffer is not written: an object of this type lies too far from
// its base point; `where` as AppendObjectRecord gives it.
std::string UnstorableEntryReason(int typeCode, const std::string& where);

// The whole text of a drawing file into `out`. False when an object lies too far from the
// header's centre to be stored exactly: `out` must not be written then, and `reason` (when given)
// names the object and its coordinate.
bool FormatDrawing(const TList& list, const TFileHeader& header, std::string& out, std::string* reason = nullptr);
// The same text in pieces to be written one after another, the header in the first: a long list
// is cut into runs of objects formatted at once on several threads. False as FormatDrawing, with
// `pieces` emptied.
bool FormatDrawingPieces(const TList& list, const TFileHeader& header, std::vector<std::string>& pieces,
                         std::string* reason = nullptr);
// Formats the same pieces and hands each, in order, to `put` as soon as it is ready (the piece may
// be taken from; the next ones are being formatted meanwhile). Stops when `put` returns false or
// at the piece of the first object that cannot be stored, before `put` sees it: `unstorable` then
// names the object as FormatDrawing's reason does (and is empty otherwise). True when every piece
// was put.
bool StreamDrawing(const TList& list, const TFileHeader& header, const std::function<bool(std::string&)>& put,
                   std::string& unstorable);

// Reads a drawing file's text. For a library or paste file pass library = true: the header's
// second to fifth numbers are not used and (originX, originY) is added to every coordinate
// instead of the stored centre. On failure `objects` is left empty and the result names the line
// (the caller adds the file name). `recycled` may hold the objects of an earlier reading: a record
// of the type of the object at its place there is read into that object, renewed, instead of a
// new one (what is taken is left null).
TLoadResult ParseObjectFile(const std::string& text, bool library, int64_t originX, int64_t originY,
                            TFileHeader& header, std::vector<std::unique_ptr<TObject>>& objects,
                            std::vector<std::unique_ptr<TObject>>* recycled = nullptr);
