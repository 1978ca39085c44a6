#include "model/list.h"

#include "model/arcobj.h"
#include "model/drawingfile.h"
#include "model/drawingstate.h"
#include "model/extwallobj.h"
#include "model/intwallobj.h"
#include "model/libraryindex.h"
#include "model/modelunits.h"
#include "model/plantitles.h"
#include "model/programdirectory.h"
#include "model/roomobj.h"
#include "model/selectionlist.h"
#include "model/settingsfile.h"
#include "model/settingsrecords.h"
#include "model/textobj.h"
#include "model/typecodes.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numeric>

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

bool TList::WriteDrawing()
{
    TDrawingState& state = State();
    if (state.drawingName.empty())
        return false;
    const std::string path = DrawingPath();
    // A drawing that could not be read stays as it is on disk until the user starts it afresh.
    if (!failedPath.empty() && failedPath == path)
        return false;

    TFileHeader header;
    const TPoint centre = DrawingFileCentre(state.unitSystem);
    header.centreX = centre.x;
    header.centreY = centre.y;
    header.unitSystem = state.unitSystem;
    header.groupIdCounter = state.groupIdCounter;
    std::string reason;
    if (!WriteTextFileAtomic(path, FormatDrawing(*this, header), &reason)) {
        if (state.reportWriteFailure)
            state.reportWriteFailure("The drawing file " + path + " could not be written");
        return false;
    }
    if (!items.empty())
        state.drawingState = 2;
    return true;
}

TLoadResult TList::ReadDrawingFile(const std::string& path, TLoadedDrawing& drawing)
{
    TLoadResult result;
    std::string text;
    if (!ReadTextFile(path, text)) {
        result.ok = false;
        result.opened = false;
        result.message = "The drawing file " + path + " cannot be opened.";
        return result;
    }
    TFileHeader header;
    result = ParseObjectFile(text, false, 0, 0, header, drawing.objects);
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
    if (failedPath == path)
        failedPath.clear();
    state.unitSystem = drawing.unitSystem;
    // The counter only moves forward, so ids already handed out are never given again.
    state.groupIdCounter = std::max(state.groupIdCounter, drawing.groupIdCounter);
    if (!items.empty())
        state.drawingState = 2;
}

TLoadResult TList::ReadDrawing()
{
    Clear();
    const std::string path = DrawingPath();
    TLoadedDrawing drawing;
    TLoadResult result = ReadDrawingFile(path, drawing);
    if (!result.ok) {
        // A file that is there but does not parse is never written over.
        if (result.opened)
            failedPath = path;
        return result;
    }
    Adopt(path, std::move(drawing));
    return result;
}

// ---------------------------------------------------------------------------------------------
// Searches

namespace {

// Distance from a point to a segment, model units.
double DistanceToSegment(double px, double py, double ax, double ay, double bx, double by)
{
    const double dx = bx - ax;
    const double dy = by - ay;
    const double lengthSquared = dx * dx + dy * dy;
    double t = 0.0;
    if (lengthSquared > 0.0)
        t = std::clamp(((px - ax) * dx + (py - ay) * dy) / lengthSquared, 0.0, 1.0);
    return std::hypot(px - (ax + t * dx), py - (ay + t * dy));
}

// The share of the cell height an average character takes across, for finding a text without a
// device to measure it on.
constexpr double AVERAGE_CHARACTER_WIDTH = 0.55;

// True when the text's extent holds the model point.
bool TextHolds(const TTextobj& text, double px, double py, int scale)
{
    const double height = double(text.fontHeight) * scale * scale;  // logical height x model units
    const int shown = std::clamp<int32_t>(text.textLength, 0, int32_t(text.text.size()));
    const double width = height * AVERAGE_CHARACTER_WIDTH * shown;
    if (height <= 0.0 || width <= 0.0)
        return false;
    // The baseline turns clockwise by the escapement; "up" is the side the letters stand on.
    const double radians = text.escapement * 3.14159265358979 / 1800.0;
    const double alongX = std::cos(radians);
    const double alongY = -std::sin(radians);
    const double upX = std::sin(radians);
    const double upY = std::cos(radians);
    const unsigned flags = text.AlignFlags(TA_LEFT | TA_TOP);
    const double u0 = (flags & TA_CENTER) == TA_CENTER ? -width / 2 : (flags & TA_RIGHT) ? -width : 0.0;
    const double v0 = (flags & TA_BOTTOM) ? 0.0 : -height;
    const double dx = px - text.x1;
    const double dy = py - text.y1;
    const double u = dx * alongX + dy * alongY;
    const double v = dx * upX + dy * upY;
    return u >= u0 && u <= u0 + width && v >= v0 && v <= v0 + height;
}

}  // namespace

int TList::FindObjectAt(int mode, int x, int y) const
{
    // Mode 1 finds walls, mode 4 texts; no other mode finds anything.
    if (mode != 1 && mode != 4)
        return NO_INDEX;
    const TDrawingState& state = State();
    const double px = double(x) * state.unitsPerLogical;
    const double py = double(y) * state.unitsPerLogical;
    for (int i = 0; i < count(); ++i) {
        const TObject& object = *items[std::size_t(i)];
        if (object.floor != state.currentFloor)
            continue;
        if (mode == 1) {
            // A wall is hit within its thickness of its reference line.
            double thickness = -1.0;
            if (object.typeCode == TYPE_EXTWALL)
                thickness = double(static_cast<const TExtwallobj&>(object).Thickness());
            else if (object.typeCode == TYPE_INTWALL)
                thickness = static_cast<const TIntwallobj&>(object).wallWidth;
            if (thickness >= 0.0 &&
                DistanceToSegment(px, py, object.x1, object.y1, object.x2, object.y2) <= thickness)
                return i;
        } else if (IsTextType(object.typeCode) &&
                   TextHolds(static_cast<const TTextobj&>(object), px, py, state.unitsPerLogical)) {
            return i;
        }
    }
    return NO_INDEX;
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

int TList::FindByType(int typeCode) const
{
    for (int i = 0; i < count(); ++i)
        if (items[std::size_t(i)]->typeCode == typeCode)
            return i;
    return NO_INDEX;
}

// ---------------------------------------------------------------------------------------------
// Extents and titles

bool TList::WriteExtents()
{
    TDrawingState& state = State();
    if (items.empty())
        ReadDrawing();

    // Nothing found leaves the box inside out: 200000 0 0 200000.
    TExtentsSettings extents{200000, 0, 0, 200000};
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

    const int mode = state.displayMode;
    if (mode == 1 || mode == 3 || mode == 11 || mode == 13) {
        measureAll(TYPE_EXTWALL, state.currentFloor);
    } else if (!measureAll(TYPE_DIMENSION_LINE, state.currentFloor)) {
        measureAll(TYPE_DIMENSION_LINE, state.currentFloor - 1);
    }
    return WriteSettings(extents);
}

void TList::MakeDrawingTitles()
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
            Remove(i);
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
    Add(std::move(text));
    WriteDrawing();
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
    if (!ReadTextFile(path, text)) {
        result.ok = false;
        result.opened = false;
        result.message = "The file " + path + " cannot be opened.";
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

namespace {

const char* LibraryExtension(int library)
{
    switch (library) {
    case 1:
        return ".PLM";
    case 2:
        return ".ELM";
    case 3:
        return ".FUM";
    case 4:
        return ".MSM";
    default:
        return nullptr;
    }
}

}  // namespace

bool TList::SaveLibrarySymbol(int library, const std::string& name)
{
    const char* extension = LibraryExtension(library);
    if (!extension || name.empty())
        return false;
    const TDrawingState& state = State();
    std::string records;
    int written = 0;
    for (const TCopyEntry& entry : ReadCopyList()) {
        if (entry.index < 0 || entry.index >= count())
            break;
        AppendObjectRecord(records, *items[std::size_t(entry.index)], entry.baseX, entry.baseY);
        ++written;
    }
    return WriteTextFileAtomic(LibsPath(name + extension),
                               FormatLibraryHeader(written, state.unitSystem, state.groupIdCounter) + records);
}

bool TList::RegisterLibraryFile(int library, const std::string& name)
{
    const int unitSystem = State().unitSystem;
    if (!LibraryIndexFile(library) || (unitSystem != 0 && unitSystem != 1))
        return false;
    TLibraryCountSettings counts = ReadSettings<TLibraryCountSettings>(unitSystem);
    // A count already at the top of its range takes no more entries.
    if (counts.Count(library) == std::numeric_limits<int32_t>::max())
        return false;
    ++counts.Count(library);
    if (!WriteSettings(counts, unitSystem))
        return false;
    return AppendToLibraryIndex(library, name);
}

// ---------------------------------------------------------------------------------------------
// Rotating and mirroring the whole drawing

namespace {

// The angle turned (or mirrored, rotation 1), brought into 0..3599 whatever the file held.
int32_t TurnAngle(int32_t angle, int rotation)
{
    const int64_t turned = rotation == 1 ? 3600 - int64_t(angle) : int64_t(angle) + rotation * 10;
    return int32_t(((turned % 3600) + 3600) % 3600);
}

// Texts along an axis stay readable: upside-down becomes upright, downwards becomes upwards.
int32_t ReadableEscapement(int32_t escapement)
{
    if (escapement == 1800)
        return 0;
    if (escapement == 900)
        return 2700;
    return escapement;
}

}  // namespace

bool TList::RotateOrMirrorDrawing(int rotation)
{
    if (rotation != 1 && rotation != 90 && rotation != 180 && rotation != 270)
        return false;
    const TPoint centre = DrawingFileCentre(State().unitSystem);
    const int64_t cx = centre.x;
    const int64_t cy = centre.y;
    auto turn = [&](int32_t& x, int32_t& y) {
        const int64_t dx = x - cx;
        const int64_t dy = y - cy;
        int64_t nx = dx;
        int64_t ny = dy;
        if (rotation == 1)  // mirror left to right
            nx = -dx;
        else
            TurnClockwiseByQuarters(nx, ny, rotation);
        x = ClampToInt32(cx + nx);
        y = ClampToInt32(cy + ny);
    };

    for (auto& object : items) {
        object->ForEachPoint(turn);
        const int type = object->typeCode;
        if (type == TYPE_EXTWALL) {
            auto& wall = static_cast<TExtwallobj&>(*object);
            wall.angle = TurnAngle(wall.angle, rotation);
            if (rotation == 1) {
                // Wall lines lie to the right of the direction of travel: a mirrored wall runs
                // the other way round so that they still do.
                std::swap(wall.x1, wall.x2);
                std::swap(wall.y1, wall.y2);
                for (std::size_t i = 0; i < wall.wallLines.size(); i += 4) {
                    std::swap(wall.wallLines[i], wall.wallLines[i + 2]);
                    std::swap(wall.wallLines[i + 1], wall.wallLines[i + 3]);
                }
                wall.angle = (wall.angle + 1800) % 3600;
            }
        } else if (type == TYPE_INTWALL) {
            auto& wall = static_cast<TIntwallobj&>(*object);
            wall.angle = TurnAngle(wall.angle, rotation);
        } else if (IsTextType(type)) {
            auto& text = static_cast<TTextobj&>(*object);
            text.escapement = ReadableEscapement(TurnAngle(text.escapement, rotation));
            // A dimension or label text keeps the direction of what it measures in x2: it turns
            // with the drawing.
            if (type == TYPE_DIMENSION_TEXT || type == TYPE_LABEL_TEXT)
                text.x2 = TurnAngle(text.x2, rotation);
        } else if (type == TYPE_ARC && rotation == 1) {
            // A mirrored arc runs the other way: swap its ends to keep the same curve.
            auto& arc = static_cast<TArcobj&>(*object);
            std::swap(arc.arcStartX, arc.arcEndX);
            std::swap(arc.arcStartY, arc.arcEndY);
        } else if (type == TYPE_DESIGN_ROOM) {
            auto& room = static_cast<TRoomobj&>(*object);
            const int32_t left = std::min(room.x1, room.x2);
            const int32_t right = std::max(room.x1, room.x2);
            const int32_t top = std::max(room.y1, room.y2);
            const int32_t bottom = std::min(room.y1, room.y2);
            room.x1 = left;
            room.y1 = top;
            room.x2 = right;
            room.y2 = bottom;
            if (rotation == 90 || rotation == 270) {
                std::swap(room.roomWidth, room.roomLength);
                std::swap(room.sizeText1, room.sizeText2);
                std::swap(room.sizeText1Length, room.sizeText2Length);
            }
        }
    }
    return true;
}
