#include "tests/fuzz/drawingreaderchecks.h"

#include "model/drawingedit.h"
#include "model/drawingfile.h"
#include "model/drawingstate.h"
#include "model/list.h"
#include "model/object.h"
#include "model/programdirectory.h"
#include "model/selectionlist.h"
#include "model/settingsfile.h"
#include "tools/pastebuffer.h"

#include <cstdint>
#include <fstream>
#include <memory>
#include <vector>

namespace {

using Objects = std::vector<std::unique_ptr<TObject>>;

// Writes the input as it is, without the atomic replace of the program's own writes: the readers
// are under test here, and a sync per input would slow the fuzzing down a hundredfold.
bool PutFile(const std::string& path, const std::string& text)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(text.data(), std::streamsize(text.size()));
    return bool(out);
}

std::vector<std::string> Dumps(const Objects& objects)
{
    std::vector<std::string> dumps;
    for (std::size_t i = 0; i < objects.size(); ++i)
        dumps.push_back(DumpObject(int(i), *objects[i]));
    return dumps;
}

std::vector<std::string> Dumps(const TList& list)
{
    std::vector<std::string> dumps;
    for (int i = 0; i < list.count(); ++i)
        dumps.push_back(DumpObject(i, *list[i]));
    return dumps;
}

// The first object whose dump differs, for the report.
std::string FirstDifference(const std::vector<std::string>& a, const std::vector<std::string>& b)
{
    if (a.size() != b.size())
        return std::to_string(a.size()) + " objects against " + std::to_string(b.size());
    for (std::size_t i = 0; i < a.size(); ++i)
        if (a[i] != b[i])
            return a[i] + "\n  against\n" + b[i];
    return "";
}

// True when some point of the list lies too far from the centre for a file to store it exactly.
bool HasUnstorablePoint(const TList& list, TPoint centre)
{
    bool found = false;
    for (const auto& object : list.Items())
        object->ForEachPoint([&](int32_t& x, int32_t& y) {
            const int64_t storedX = int64_t(x) - centre.x;
            const int64_t storedY = int64_t(y) - centre.y;
            found = found || storedX != int64_t(int32_t(storedX)) || storedY != int64_t(int32_t(storedY));
        });
    return found;
}

// A drawing that read is written as the program writes it (the sheet centre of its unit system
// now) and reads back as exactly the same objects; once written, writing it again gives the same
// file. Only a drawing with a point that the centre now in force cannot store exactly is refused,
// and written with the centre it was read with it never is.
std::string CheckDrawingWrittenReadsBack(Objects parsed, const TFileHeader& header)
{
    const std::vector<std::string> before = Dumps(parsed);
    TList list;
    for (auto& object : parsed)
        list.Add(std::move(object));

    TFileHeader own = header;
    std::string unused;
    if (!FormatDrawing(list, own, unused))
        return "the drawing cannot be written with the centre it was read with";

    TFileHeader written;
    const TPoint centre = DrawingFileCentre(header.unitSystem);
    written.centreX = centre.x;
    written.centreY = centre.y;
    written.unitSystem = header.unitSystem;
    written.groupIdCounter = header.groupIdCounter;
    std::string first;
    std::string reason;
    if (!FormatDrawing(list, written, first, &reason)) {
        if (!HasUnstorablePoint(list, centre))
            return "the drawing was refused though every point can be stored: " + reason;
        return "";
    }

    TFileHeader again;
    Objects reread;
    const TLoadResult back = ParseObjectFile(first, false, 0, 0, again, reread);
    if (!back.ok)
        return "the drawing as written does not read back: " + back.message + "\n" + first;
    if (again.unitSystem != header.unitSystem || again.groupIdCounter != header.groupIdCounter)
        return "the header as written reads back differently";
    const std::string difference = FirstDifference(before, Dumps(reread));
    if (!difference.empty())
        return "the drawing as written reads back as other objects: " + difference;

    TList second;
    for (auto& object : reread)
        second.Add(std::move(object));
    std::string secondText;
    if (!FormatDrawing(second, written, secondText) || secondText != first)
        return "writing the drawing read back gives another file";
    return "";
}

// Objects read from a library entry or the paste buffer, written relative to the point they were
// placed at (as a selection is saved to either), read back as the same objects.
std::string CheckPlacedWrittenReadsBack(const TList& placed, int64_t originX, int64_t originY)
{
    std::vector<TCopyEntry> entries;
    for (int i = 0; i < placed.count(); ++i)
        entries.push_back({i, int32_t(originX), int32_t(originY)});
    std::string text;
    std::string reason;
    if (!FormatPasteBuffer(placed, entries, text, &reason))
        return "the objects read cannot be written where they were placed: " + reason;
    TFileHeader header;
    Objects reread;
    const TLoadResult back = ParseObjectFile(text, true, originX, originY, header, reread);
    if (!back.ok)
        return "the objects as written do not read back: " + back.message + "\n" + text;
    const std::string difference = FirstDifference(Dumps(placed), Dumps(reread));
    if (!difference.empty())
        return "the objects as written read back as others: " + difference;
    return "";
}

std::string CheckAsDrawing(const std::string& text)
{
    TDrawingState& state = State();

    TFileHeader header;
    Objects parsed;
    const TLoadResult direct = ParseObjectFile(text, false, 0, 0, header, parsed);
    if (!direct.ok && !parsed.empty())
        return "a drawing that failed to read left objects";
    if (direct.ok && int64_t(parsed.size()) != header.count)
        return "the drawing read " + std::to_string(parsed.size()) + " objects of " + std::to_string(header.count);
    if (direct.ok && header.unitSystem != 0 && header.unitSystem != 1)
        return "a drawing of unit system " + std::to_string(header.unitSystem) + " was read";
    const std::vector<std::string> parsedDumps = Dumps(parsed);

    // As a repaint reads it: through the list, from the drawing file.
    const std::string path = state.objects.DrawingPath();
    if (!PutFile(path, text))
        return "cannot write " + path;
    const TLoadResult listed = state.objects.ReadDrawing();
    if (listed.ok != direct.ok)
        return "the list and the parser disagree on the drawing: " + listed.message + " / " + direct.message;
    if (listed.ok) {
        const std::string difference = FirstDifference(parsedDumps, Dumps(state.objects));
        if (!difference.empty())
            return "the list read other objects than the parser: " + difference;
        if (state.unitSystem != header.unitSystem)
            return "the list did not take the drawing's unit system";
        if (state.groupIdCounter < header.groupIdCounter)
            return "the action id counter went below the drawing's";
        return CheckDrawingWrittenReadsBack(std::move(parsed), header);
    }

    // Nothing may be written over a drawing that could not be read.
    if (!state.objects.IsEmpty())
        return "a drawing that failed to read left objects in the list";
    if (!state.objects.LoadFailed())
        return "a drawing that failed to read is not marked";
    if (state.objects.WriteDrawing())
        return "the list wrote over a drawing that failed to read";
    std::string onDisk;
    if (!ReadTextFile(path, onDisk) || onDisk != text)
        return "the drawing that failed to read was changed";
    state.objects.ClearLoadFailure();
    return "";
}

// Reads the text from LIBS/<fileName> as a library entry (appended to the list) or as the paste
// buffer (pasted with ids of their own), and checks it against the parser.
std::string CheckAsPlaced(const std::string& text, const std::string& fileName, bool paste)
{
    TDrawingState& state = State();
    state.objects.Clear();
    state.groupIdCounter = 0;
    const std::string path = LibsPath(fileName);
    if (!PutFile(path, text))
        return "cannot write " + path;

    // Where the objects are placed: near the lower left of the view.
    const int64_t originX = (int64_t(state.viewExtX) / 8 + state.viewOrgX) * state.unitsPerLogical;
    const int64_t originY = (int64_t(state.viewExtY) / 6 + state.viewOrgY) * state.unitsPerLogical;
    TFileHeader header;
    Objects parsed;
    const TLoadResult direct = ParseObjectFile(text, true, originX, originY, header, parsed);
    if (!direct.ok && !parsed.empty())
        return fileName + " failed to read but the parser kept objects";

    TLoadResult placed;
    if (paste) {
        TDrawingEdit edit(state.objects);
        placed = PasteObjects(edit);
    } else {
        placed = state.objects.ReadLibraryFile(fileName);
    }
    if (placed.ok != direct.ok)
        return "the reader and the parser disagree on " + fileName + ": " + placed.message + " / " + direct.message;
    if (!placed.ok)
        return state.objects.IsEmpty() ? "" : fileName + " failed to read but added objects";
    if (state.objects.count() != int(parsed.size()))
        return fileName + " added " + std::to_string(state.objects.count()) + " objects of " +
               std::to_string(parsed.size());
    if (state.groupIdCounter < header.groupIdCounter)
        return fileName + " left the action id counter below its own";
    for (int i = 0; i < state.objects.count(); ++i) {
        TObject& object = *state.objects[i];
        if (object.floor != state.currentFloor)
            return fileName + " added an object to floor " + std::to_string(object.floor);
        // Apart from the floor (and the ids a paste gives), the objects are those of the file.
        TObject& read = *parsed[std::size_t(i)];
        read.floor = object.floor;
        if (paste) {
            read.ownerId = object.ownerId;
            read.groupId = object.groupId;
        }
        if (DumpObject(i, read) != DumpObject(i, object))
            return fileName + " added other objects than the parser read: " + DumpObject(i, object);
    }
    return CheckPlacedWrittenReadsBack(state.objects, originX, originY);
}

}  // namespace

std::string CheckDrawingReaders(const std::string& text)
{
    // The same start for every input, whatever the one before left.
    TDrawingState& state = State();
    state.objects.Clear();
    state.objects.ClearLoadFailure();
    state.drawingName = "FUZZ";
    state.unitSystem = 1;
    state.groupIdCounter = 0;
    state.currentFloor = GROUND_FLOOR;
    state.unitsPerLogical = 5;
    state.viewExtX = 1000;
    state.viewExtY = 700;
    state.viewOrgX = 0;
    state.viewOrgY = 0;

    std::string problem = CheckAsDrawing(text);
    if (problem.empty())
        problem = CheckAsPlaced(text, "FUZZ.PLM", false);
    if (problem.empty())
        problem = CheckAsPlaced(text, "PASTE.CFG", true);
    state.objects.Clear();
    return problem;
}
