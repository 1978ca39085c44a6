#include "model/list.h"

#include "model/drawingedit.h"
#include "model/drawingfile.h"
#include "model/drawingstate.h"
#include "model/extwallobj.h"
#include "model/libraryindex.h"
#include "model/modelunits.h"
#include "model/openinglabelrow.h"
#include "model/planturn.h"
#include "model/plantitles.h"
#include "model/programdirectory.h"
#include "model/selectionlist.h"
#include "model/settingsfile.h"
#include "model/settingsrecords.h"
#include "model/textfile.h"
#include "model/textobj.h"
#include "model/typecodes.h"

#include <algorithm>
#include <limits>
#include <numeric>
#include <unistd.h>

TList::TList() = default;

TList::~TList() = default;

void TList::Add(TObject* object)
{
    if (object)
        items.emplace_back(object);
}

void TList::Add(std::unique_ptr<TObject> object)
{
    if (object)
        items.push_back(std::move(object));
}

void TList::Remove(int index)
{
    if (index >= 0 && index < count())
        items.erase(items.begin() + index);
}

void TList::RemoveAll(const std::vector<int>& ascending)
{
    if (ascending.empty())
        return;
    // Each object kept moves down once, over the ones deleted before it.
    std::size_t kept = std::size_t(ascending.front());
    std::size_t next = 0;
    for (std::size_t i = kept; i < items.size(); ++i) {
        if (next < ascending.size() && std::size_t(ascending[next]) == i) {
            ++next;
            continue;
        }
        items[kept++] = std::move(items[i]);
    }
    items.resize(kept);
}

void TList::CutBack(int n)
{
    if (n >= 0 && n < count())
        items.resize(std::size_t(n));
}

void TList::Clear() { items.clear(); }

void TList::Replace(int index, std::unique_ptr<TObject> object)
{
    if (index >= 0 && index < count() && object)
        items[std::size_t(index)] = std::move(object);
}

void TList::Replace(int index, TObject* object) { Replace(index, std::unique_ptr<TObject>(object)); }

// ---------------------------------------------------------------------------------------------
// The drawing file

std::string TList::DrawingPath() const { return DwgsPath(State().drawingName + ".DB0"); }

bool TList::WriteDrawing(std::string* failure)
{
    TDrawingState& state = State();
    if (state.drawingName.empty())
        return false;
    const std::string path = DrawingPath();
    std::string message;
    std::string reason;
    // A drawing that could not be read stays as it is on disk until the user starts it afresh.
    if (failedPath == path)
        message = "The drawing file " + path + " could not be written: it could not be read, so it is kept as it was";
    else if (!WriteDrawingTo(path, reason))
        message = "The drawing file " + path + " could not be written: " + reason;
    else
        return true;
    if (failure)
        *failure = std::move(message);
    else if (state.reportWriteFailure)
        state.reportWriteFailure(message);
    return false;
}

bool TList::WriteDrawingTo(const std::string& path, std::string& reason)
{
    TDrawingState& state = State();
    TFileHeader header;
    const TPoint centre = DrawingFileCentre(state.unitSystem);
    header.centreX = centre.x;
    header.centreY = centre.y;
    header.unitSystem = state.unitSystem;
    header.groupIdCounter = state.groupIdCounter;
    // The text is written piece by piece while the later pieces are still being formatted.
    std::string unstorable;
    bool formatted = false;
    auto produce = [&](const TTextSink& sink) {
        formatted = StreamDrawing(*this, header, [&sink](std::string& piece) { return sink(piece); }, unstorable);
        return formatted;
    };
    if (!WriteTextFileAtomic(path, produce, &reason)) {
        // A drawing the file cannot hold is named as such, also when the write failed first.
        std::vector<std::string> pieces;
        if (!unstorable.empty() || (!formatted && !FormatDrawingPieces(*this, header, pieces, &unstorable)))
            reason = unstorable;
        return false;
    }
    if (!items.empty())
        state.drawingState = 2;
    if (state.drawingWritten)
        state.drawingWritten(path);
    return true;
}

TLoadResult TList::ReadDrawingFile(const std::string& path, TLoadedDrawing& drawing,
                                   std::vector<std::unique_ptr<TObject>>* recycled)
{
    TLoadResult result;
    std::string text;
    std::string reason;
    if (!ReadTextFile(path, text, &reason)) {
        result.ok = false;
        result.opened = false;
        result.message = "The drawing file " + path + " cannot be opened: " + reason + ".";
        return result;
    }
    TFileHeader header;
    result = ParseObjectFile(text, false, 0, 0, header, drawing.objects, recycled);
    if (!result.ok) {
        drawing.objects.clear();
        result.message = "The drawing file " + path + " cannot be read: " + result.message +
                         ". The file has not been changed.";
        return result;
    }
    drawing.unitSystem = header.unitSystem;
    drawing.groupIdCounter = header.groupIdCounter;
    return result;
}

void TList::Adopt(const std::string& path, TLoadedDrawing drawing)
{
    TDrawingState& state = State();
    items = std::move(drawing.objects);
    ++readings;
    if (failedPath == path)
        failedPath.clear();
    state.unitSystem = drawing.unitSystem;
    // The counter only moves forward, so ids already handed out are never given again.
    state.groupIdCounter = std::max(state.groupIdCounter, drawing.groupIdCounter);
    if (!items.empty())
        state.drawingState = 2;
}

TLoadResult TList::ReadForRepaint()
{
    if (!repaintFromList)
        return ReadDrawing();
    TLoadResult result;
    result.added = count();
    return result;
}

TLoadResult TList::ReadDrawing()
{
    // The list is empty while the file is read; its objects are read into again where the file
    // still has one of the same type at the same place (mostly all of them: a repaint reads what
    // the last one read).
    std::vector<std::unique_ptr<TObject>> last = std::move(items);
    items.clear();
    const std::string path = DrawingPath();
    TLoadedDrawing drawing;
    TLoadResult result = ReadDrawingFile(path, drawing, &last);
    if (!result.ok) {
        // A file that is there but cannot be opened or does not parse is never written over: the
        // list may not hold what it holds, and writing it would put the list in its place.
        const bool there = result.opened || ::access(path.c_str(), F_OK) == 0;
        if (there)
            failedPath = path;
        // A file that is there but could not be opened left the objects untouched: the list keeps
        // what the file held when it was last read or written. One that does not parse was read
        // into them; a missing file holds nothing.
        if (there && !result.opened)
            items = std::move(last);
        else
            ++readings;
        return result;
    }
    Adopt(path, std::move(drawing));
    return result;
}

TLoadResult TList::ReadBack()
{
    TLoadResult result = ReadDrawing();
    if (!result.ok && !items.empty()) {
        items.clear();
        ++readings;
    }
    return result;
}

// ---------------------------------------------------------------------------------------------
// Searches

std::optional<int> TList::FindObjectAt(int mode, int x, int y) const
{
    // Only the searches for walls and for texts find anything.
    if (mode != HIT_WALLS && mode != HIT_TEXTS)
        return std::nullopt;
    const TDrawingState& state = State();
    const double px = double(x) * state.unitsPerLogical;
    const double py = double(y) * state.unitsPerLogical;
    for (int i = 0; i < count(); ++i) {
        const TObject& object = *items[std::size_t(i)];
        if (object.floor == state.currentFloor && object.HitTest(mode, px, py, state.unitsPerLogical))
            return i;
    }
    return std::nullopt;
}

std::optional<int> TList::FindLineNear(int x, int y, std::int64_t tolerance) const
{
    const int floor = State().currentFloor;
    for (int i = 0; i < count(); ++i) {
        const TObject& object = *items[std::size_t(i)];
        if (object.typeCode == TYPE_LINE && object.floor == floor &&
            DistanceToSegment(x, y, object.x1, object.y1, object.x2, object.y2) <= double(tolerance))
            return i;
    }
    return std::nullopt;
}

std::optional<int> TList::FindByType(int typeCode) const
{
    for (int i = 0; i < count(); ++i)
        if (items[std::size_t(i)]->typeCode == typeCode)
            return i;
    return std::nullopt;
}

// ---------------------------------------------------------------------------------------------
// Extents and titles

bool TList::WriteExtents(std::string* reason, TExtentsSettings* measured)
{
    TDrawingState& state = State();
    if (items.empty())
        ReadDrawing();

    // Nothing found leaves the box inside out: 200000 0 0 200000.
    TExtentsSettings extents{TExtentsSettings::NOT_MEASURED_MIN, 0, 0, TExtentsSettings::NOT_MEASURED_MIN};
    auto measureAll = [&](int typeCode, int floorCode) {
        bool found = false;
        for (const auto& object : items) {
            if (object->typeCode != typeCode || object->floor != floorCode)
                continue;
            extents.minX = std::min({extents.minX, object->x1, object->x2});
            extents.maxX = std::max({extents.maxX, object->x1, object->x2});
            extents.minY = std::min({extents.minY, object->y1, object->y2});
            extents.maxY = std::max({extents.maxY, object->y1, object->y2});
            found = true;
        }
        return found;
    };

    if (ExtentsMeasureWalls(state.displayMode)) {
        measureAll(TYPE_EXTWALL, state.currentFloor);
    } else if (!measureAll(TYPE_DIMENSION_LINE, state.currentFloor)) {
        measureAll(TYPE_DIMENSION_LINE, state.currentFloor - 1);
    }
    if (measured)
        *measured = extents;
    return WriteSettings(extents, state.unitSystem, reason);
}

bool TList::ExtentsMeasureWalls(int displayMode)
{
    return displayMode == 1 || displayMode == 3 || displayMode == 11 || displayMode == 13;
}

void TList::MakeDrawingTitles(TDrawingEdit& edit)
{
    TDrawingState& state = State();
    const int floorCode = state.currentFloor;
    if (floorCode >= 100 || floorCode < GROUND_FLOOR || floorCode > SECOND_FLOOR)
        return;
    const std::string title = ReadPlanTitles()[std::size_t(floorCode - GROUND_FLOOR)];
    if (title.empty())
        return;

    // The title stands centred below the floor's external walls, beyond the overall dimensions.
    bool anyWall = false;
    int32_t minX = 0;
    int32_t maxX = 0;
    int32_t minY = 0;
    for (const auto& object : items) {
        if (!IsExternalWallOn(*object, floorCode))
            continue;
        const auto& wall = static_cast<const TExtwallobj&>(*object);
        auto take = [&](int32_t x, int32_t y) {
            minX = anyWall ? std::min(minX, x) : x;
            maxX = anyWall ? std::max(maxX, x) : x;
            minY = anyWall ? std::min(minY, y) : y;
            anyWall = true;
        };
        take(wall.x1, wall.y1);
        take(wall.x2, wall.y2);
        const int lines = wall.IsCavityWall() ? 3 : 1;
        for (int line = 0; line < lines; ++line) {
            const std::size_t i = std::size_t(line) * 4;
            take(wall.wallLines[i], wall.wallLines[i + 1]);
            take(wall.wallLines[i + 2], wall.wallLines[i + 3]);
        }
    }
    if (!anyWall)
        return;
    const int32_t overallOffset = ReadSettings<TOffsetSettings>(state.unitSystem).overallOffset;

    for (int i = count() - 1; i >= 0; --i) {
        const TObject& object = *items[std::size_t(i)];
        if (object.typeCode == TYPE_PLAN_TITLE && object.floor == floorCode &&
            static_cast<const TTextobj&>(object).text == title)
            edit.Remove(i);
    }

    auto text = std::make_unique<TTextobj>(TYPE_PLAN_TITLE);
    text->floor = floorCode;
    text->colour = int32_t(state.currentColour);
    text->x1 = std::midpoint(minX, maxX);
    text->y1 = ClampToInt32(int64_t(minY) - 2 * int64_t(overallOffset));
    text->SetText(title);
    text->SetFaceName(state.currentFontFace);
    text->alignment = 4;
    text->escapement = 0;
    text->fontWeight = 700;
    text->fontHeight = state.textPointSize;
    edit.Add(std::move(text));
}

// ---------------------------------------------------------------------------------------------
// Libraries and the paste buffer

TLoadResult TList::LoadLibraryFile(const std::string& fileName, std::vector<std::unique_ptr<TObject>>& loaded)
{
    loaded.clear();
    TDrawingState& state = State();
    const std::string path = LibsPath(fileName);
    TLoadResult result;
    std::string text;
    std::string reason;
    if (!ReadTextFile(path, text, &reason)) {
        result.ok = false;
        result.opened = false;
        result.message = "The file " + path + " cannot be opened: " + reason + ".";
        return result;
    }

    // The objects land near the lower left of the view.
    const int64_t scale = state.unitsPerLogical;
    const int64_t offsetX = (int64_t(state.viewExtX) / 8 + state.viewOrgX) * scale;
    const int64_t offsetY = (int64_t(state.viewExtY) / 6 + state.viewOrgY) * scale;
    TFileHeader header;
    result = ParseObjectFile(text, true, offsetX, offsetY, header, loaded);
    if (!result.ok) {
        result.message = "The file " + path + " cannot be read: " + result.message + ".";
        return result;
    }
    for (auto& object : loaded)
        object->floor = state.currentFloor;
    state.groupIdCounter = std::max(state.groupIdCounter, header.groupIdCounter);
    return result;
}

TLoadResult TList::ReadLibraryFile(const std::string& fileName)
{
    std::vector<std::unique_ptr<TObject>> loaded;
    const TLoadResult result = LoadLibraryFile(fileName, loaded);
    for (auto& object : loaded)
        items.push_back(std::move(object));
    return result;
}

bool TList::SaveLibrarySymbol(int library, const std::string& name, std::string* reason)
{
    const char* extension = LibraryExtension(library);
    if (!extension || !IsLibraryEntryName(name)) {
        if (reason)
            *reason = "no library entry can have that name";
        return false;
    }
    const TDrawingState& state = State();
    std::string records;
    int written = 0;
    std::string where;
    for (const TCopyEntry& entry : ReadCopyList()) {
        if (entry.index < 0 || entry.index >= count())
            break;
        if (!AppendObjectRecord(records, *items[std::size_t(entry.index)], entry.baseX, entry.baseY, &where)) {
            if (reason)
                *reason = UnstorableEntryReason(items[std::size_t(entry.index)]->typeCode, where);
            return false;
        }
        ++written;
    }
    if (written == 0) {
        if (reason)
            *reason = "nothing is selected";
        return false;
    }
    return WriteTextFileAtomic(LibsPath(name + extension),
                               FormatLibraryHeader(written, state.unitSystem, state.groupIdCounter) + records, reason);
}

bool TList::RegisterLibraryFile(int library, const std::string& name, std::string* reason)
{
    const char* indexFile = LibraryIndexFile(library);
    if (!indexFile || !IsLibraryEntryName(name)) {
        if (reason)
            *reason = "no library entry can have that name";
        return false;
    }
    // The index is written back as the library lists it, so that the count and the index agree
    // again (records beyond the count were never listed); a name listed already is not added twice.
    // A count the index falls short of (or unreadable records within it) is set to what is listed
    // even when the name is listed already.
    TLibraryCountSettings counts = ReadSettings<TLibraryCountSettings>();
    TLibraryIndex index = ReadLibraryIndex(library, *counts.Of(library));
    if (FindLibraryEntry(index, name) >= 0) {
        if (*counts.Of(library) == std::int32_t(index.names.size()))
            return true;
    } else {
        index.names.push_back(name);
    }
    if (!WriteSettingsFile(indexFile, index.Format(), reason))
        return false;
    // One count file for both unit systems: the list reads it whichever is in use.
    *counts.Of(library) = std::int32_t(index.names.size());
    return WriteSettings(counts, State().unitSystem, reason);
}

// ---------------------------------------------------------------------------------------------
// Rotating and mirroring the whole drawing

bool TList::RotateOrMirrorDrawing(int rotation)
{
    if (!IsPlanTurn(rotation))
        return false;
    const TPoint centre = DrawingFileCentre(State().unitSystem);
    // A point the turn would carry beyond what the drawing file can hold leaves it all as it was.
    bool exact = true;
    for (auto& object : items)
        object->ForEachPoint([&](int32_t& x, int32_t& y) { exact = exact && TurnsExactly(x, y, rotation, centre); });
    if (!exact)
        return false;
    for (auto& object : items)
        object->TurnOrMirror(rotation, centre);
    RealignOpeningLabels(items, rotation);
    return true;
}
