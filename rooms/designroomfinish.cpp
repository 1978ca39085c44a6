#include "rooms/designroomfinish.h"

#include "model/drawingedit.h"
#include "model/drawingstate.h"
#include "model/intwallobj.h"
#include "model/list.h"
#include "model/modelunits.h"
#include "model/roomobj.h"
#include "model/settingsrecords.h"
#include "model/textobj.h"
#include "model/typecodes.h"
#include "rooms/roomlabels.h"
#include "rooms/maxdesignroomsize.h"
#include "rooms/roomsides.h"
#include "tools/annotationbuilders.h"
#include "tools/derivedpoints.h"
#include "tools/drawingtool.h"
#include "walls/finishdesignrooms.h"
#include "walls/intwallobjtool.h"
#include "walls/wallsegment.h"

#include <algorithm>
#include <optional>
#include <vector>

namespace {

// The repaint area before any room widens it, and what it holds while no room was converted.
constexpr std::int32_t AREA_START_LOW = 300000;
constexpr std::int32_t AREA_START_HIGH = 0;

// A design room with one of these names is free space: it gets no walls and no labels.
bool IsSpace(const TRoomobj& room)
{
    return room.roomName == "space" || room.roomName == "SPACE";
}

// A design room named so gets no name text.
bool Unnamed(const TRoomobj& room)
{
    return room.roomName == "none";
}

const TRoomobj* DesignRoomOn(const TObject* object, int floorCode)
{
    return object && IsDesignRoomOn(*object, floorCode) ? dynamic_cast<const TRoomobj*>(object) : nullptr;
}

// The walls nearest a room on each side, and the room's edges moved onto the external walls'
// inner lines they lie within one logical unit of.
class TNeighbourScan {
public:
    explicit TNeighbourScan(TRoomRect& room) : room(room) {}

    void Wall(const TObject& object, int index)
    {
        TWallLines lines;
        if (!WallLinesOn(object, State().currentFloor, lines))
            return;
        if (!lines.internal)
            SnapEdges(lines.line);
        Face(lines.line, index);
        if (lines.hasFace)
            Face(lines.face, index);
    }

    TRoomNeighbours Neighbours() const
    {
        TRoomNeighbours neighbours;
        const TList& objects = State().objects;
        for (std::size_t side = 0; side < 4; ++side) {
            if (!nearest.sideFound[side])
                continue;
            neighbours[side] = WallNeighbour(*objects[nearest.index[side]], int(side));
            neighbours[side].boundary = nearest.line[side];
        }
        return neighbours;
    }

private:
    TRoomRect& room;
    TNearestSides nearest;

    void SnapEdges(const TWallSegment& face)
    {
        const std::int64_t u = State().unitsPerLogical;
        auto near = [u](std::int32_t edge, std::int32_t line) { return std::llabs(std::int64_t(edge) - line) < u + 1; };
        if (face.Vertical() && !face.Horizontal()) {
            if (near(room.left, face.x1))
                room.left = face.x1;
            else if (near(room.right, face.x1))
                room.right = face.x1;
        } else if (face.Horizontal() && !face.Vertical()) {
            if (near(room.top, face.y1))
                room.top = face.y1;
            else if (near(room.bottom, face.y1))
                room.bottom = face.y1;
        }
    }

    void Face(const TWallSegment& face, int wall)
    {
        if (face.Vertical()) {
            const std::int32_t x = face.x1;
            const std::int32_t low = std::min(face.y1, face.y2), high = std::max(face.y1, face.y2);
            const bool facing = (high >= room.top && low < room.top) || (high <= room.top && high > room.bottom);
            if (!facing)
                return;
            if (x <= room.left && (!nearest.sideFound[ROOM_LEFT] || x > nearest.line[ROOM_LEFT]))
                nearest.Offer(ROOM_LEFT, x, wall);
            else if (x >= room.right)
                nearest.Offer(ROOM_RIGHT, x, wall);
            return;
        }
        if (!face.Horizontal())
            return;  // a sloped face never bounds a room
        const std::int32_t y = face.y1;
        const std::int32_t low = std::min(face.x1, face.x2), high = std::max(face.x1, face.x2);
        const bool facing = (low <= room.left && high > room.left) || (low >= room.left && low < room.right);
        if (!facing)
            return;
        if (y >= room.top && (!nearest.sideFound[ROOM_TOP] || y < nearest.line[ROOM_TOP]))
            nearest.Offer(ROOM_TOP, y, wall);
        else if (y <= room.bottom)
            nearest.Offer(ROOM_BOTTOM, y, wall);
    }
};

void AddLabels(TDrawingEdit& edit, TIntwallobjtool& tool, const TRoomobj& room, const TRoomRect& rect,
               const TOffsetSettings& offsets)
{
    const std::int64_t d = offsets.internalOffset;
    tool.TakeActionId();
    const std::int64_t left = rect.left, right = rect.right, top = rect.top, bottom = rect.bottom;
    const std::int64_t cx = left + (right - left) / 2;
    const std::int64_t cy = top - (top - bottom) / 2;

    TRoomTextPlace place;
    place.ownerId = 0;
    place.groupId = tool.groupId;
    place.fontHeight = offsets.roomDimensionTextSize;
    TDerivedPoints& points = tool.derived;
    if (!Unnamed(room)) {
        place.typeCode = TYPE_ROOM_SIZE_TEXT;
        place.at = points.Take(cx, cy);
        edit.Add(MakeRoomText(place, room.roomName));
    }
    const int display = room.sizeDisplay;
    if (display == 1) {
        AddSizesBelowName(edit, place, rect, RoomSizesText(room.sizeText1, room.sizeText2), points);
        return;
    }
    place.typeCode = TYPE_LABEL_TEXT;
    if (display == 2 || display == 3) {
        const std::int64_t y = top - d;
        place.at = points.Take(cx, y);
        place.x2 = UPRIGHT_DIRECTION;
        AddSizeLabel(edit, tool, place, room.sizeText1, {rect.left, y, TArrowDirection::Left},
                     {rect.right, y, TArrowDirection::Right}, TSizeLabelOrder::TextFirst, points);
    }
    if (display == 2 || display == 4) {
        const std::int64_t x = left + d;
        place.at = points.Take(x, cy);
        place.x2 = LEVEL_DIRECTION;
        place.escapement = offsets.textOrientation;
        AddSizeLabel(edit, tool, place, room.sizeText2, {x, rect.top, TArrowDirection::Top},
                     {x, rect.bottom, TArrowDirection::Bottom}, TSizeLabelOrder::TextFirst, points);
    }
}

// What every room of one finish takes from the settings files: neither file changes while the
// rooms are converted.
struct TFinishSettings {
    std::int32_t wallThickness = 0;
    TOffsetSettings offsets;
};

TFinishSettings ReadFinishSettings()
{
    const TDrawingState& state = State();
    TFinishSettings settings;
    settings.wallThickness = DesignRoomWallThickness(state.currentFloor, state.unitSystem);
    settings.offsets = ReadSettings<TOffsetSettings>();
    return settings;
}

}  // namespace

void AddDesignRoomWall(TDrawingEdit& edit, const TIntwallobjtool& tool)
{
    AddIntwallObject(edit, tool);
    TList& objects = edit.Objects();
    static_cast<TIntwallobj&>(*objects[objects.count() - 1]).joinData = {0, 0, 0, 0};
}

void ConvertDesignRoom(TDrawingEdit& edit, TIntwallobjtool& tool, int index, std::int32_t wallThickness,
                       const TOffsetSettings& offsets)
{
    const TDrawingState& state = State();
    const TRoomobj* room = index >= 0 && index < state.objects.count()
                               ? DesignRoomOn(state.objects[index], state.currentFloor)
                               : nullptr;
    if (!room)
        return;
    tool.wallWidth = wallThickness;
    tool.groupId = 0;
    tool.colour = state.currentColour;
    tool.penStyle = 0;
    tool.penWidth = 1;
    TRoomRect rect{tool.x1, tool.y1, tool.x2, tool.y2};

    TNeighbourScan scan(rect);
    for (int i = 0; i < state.objects.count(); ++i)
        scan.Wall(*state.objects[i], i);

    TRoomWallValues values;
    values.thickness = tool.wallWidth;
    values.height = tool.z1;
    values.wallParams = tool.wallParams;
    values.wallColour1 = tool.wallColour1;
    values.wallColour2 = tool.wallColour2;
    // The room stays where it is while walls are appended after it.
    EmitRoomSides(edit, tool, rect, scan.Neighbours(), values, AddDesignRoomWall);
    AddLabels(edit, tool, *room, rect, offsets);
}

int FinishDesignRooms(TDrawingEdit& edit, TIntwallobjtool& tool)
{
    const TDrawingState& state = State();
    TList& objects = state.objects;
    TModelBox area;
    int converted = 0;
    // Read at the first room converted, so a floor with none reads nothing.
    std::optional<TFinishSettings> settings;
    tool.derived.Begin();
    // The list grows while rooms are converted; nothing appended is a design room.
    for (int i = 0; i < objects.count(); ++i) {
        const TRoomobj* room = DesignRoomOn(objects[i], state.currentFloor);
        if (!room || IsSpace(*room))
            continue;
        tool.x1 = room->x1;
        tool.y1 = room->y1;
        tool.x2 = room->x2;
        tool.y2 = room->y2;
        area.Add(room->x1, room->y1);
        area.Add(room->x2, room->y2);
        if (!settings)
            settings = ReadFinishSettings();
        ConvertDesignRoom(edit, tool, i, settings->wallThickness, settings->offsets);
        ++converted;
    }

    if (converted > 0) {
        // Every design room of the floor goes, free space included: the repaint covers them all,
        // so none is left standing on the screen.
        std::vector<int> rooms;
        for (int i = 0; i < objects.count(); ++i)
            if (const TRoomobj* room = DesignRoomOn(objects[i], state.currentFloor)) {
                rooms.push_back(i);
                area.Add(room->x1, room->y1);
                area.Add(room->x2, room->y2);
            }
        edit.RemoveAll(rooms);
        if (const auto point = tool.derived.Unstorable()) {
            // A wall or label the drawing file could not store refuses the whole finish.
            edit.Drop();
            TakeStorablePoint((*point)[0], (*point)[1], tool.window);
            tool.editLeft = AREA_START_LOW;
            tool.editBottom = AREA_START_LOW;
            tool.editRight = AREA_START_HIGH;
            tool.editTop = AREA_START_HIGH;
            return -1;
        }
        const std::int64_t margin = 2 * std::int64_t(state.unitsPerLogical) * tool.wallWidth;
        tool.editLeft = ClampToInt32(area.minX - margin);
        tool.editBottom = ClampToInt32(area.minY - margin);
        tool.editRight = ClampToInt32(area.maxX + margin);
        tool.editTop = ClampToInt32(area.maxY + margin);
    } else {
        tool.editLeft = AREA_START_LOW;
        tool.editBottom = AREA_START_LOW;
        tool.editRight = AREA_START_HIGH;
        tool.editTop = AREA_START_HIGH;
    }
    return converted;
}

void InstallDesignRoomFinish()
{
    InstallFinishDesignRooms([](TIntwallobjtool& tool) {
        TDrawingEdit edit;
        if (FinishDesignRooms(edit, tool) >= 0)
            edit.Commit();
    });
}
