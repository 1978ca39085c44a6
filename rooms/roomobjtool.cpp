#include "rooms/roomobjtool.h"

#include "model/drawingedit.h"
#include "model/drawingstate.h"
#include "model/list.h"
#include "model/modelunits.h"
#include "model/roomobj.h"
#include "model/settingsrecords.h"
#include "model/textobj.h"
#include "model/typecodes.h"
#include "rooms/roomfinder.h"
#include "rooms/maxdesignroomsize.h"
#include "rooms/roomlabels.h"
#include "tools/annotationbuilders.h"

#include <string>

namespace {

// The margin of the repaint, in logical units.
constexpr int REPAINT_MARGIN = 5;

// A vertical size text stands upright when the offsets ask for it.
constexpr int UPRIGHT_TEXT = 2700;

// The work corner: a click exactly midway on the first click of the tool counts as the left (or
// upper) side.
bool FromRight(std::int32_t cornerSideX) { return cornerSideX == 2; }
bool FromBelow(std::int32_t cornerSideY) { return cornerSideY == 2; }

}  // namespace

// ---------------------------------------------------------------------------------------------
// The room finder

void TRoomobjtool::LButtonDown(Canvas& dc, const TRect& clientRect, int x, int y)
{
    if (kind != KIND_FIXED_ROOM)
        return;
    FindRoom(ModelPoint(dc, clientRect, x, y));
}

void TRoomobjtool::FindRoom(TPoint model)
{
    const std::int32_t t = DesignRoomWallThickness(State().currentFloor, State().unitSystem);
    leftWall = rightWall = aboveWall = belowWall = 0;
    held = THeld::Nothing;
    const TRoomSearch search = FindRoomAround(model, t, State().currentFloor);
    if (!search.found) {
        lineDrawn = 1;
        return;
    }

    const std::int64_t toLeft = std::int64_t(model.x) - search.line[ROOM_LEFT];
    const std::int64_t toRight = std::int64_t(search.line[ROOM_RIGHT]) - model.x;
    if (toLeft < toRight)
        cornerSideX = 1;
    else if (toRight < toLeft)
        cornerSideX = 2;
    const std::int64_t toAbove = std::int64_t(search.line[ROOM_TOP]) - model.y;
    const std::int64_t toBelow = std::int64_t(model.y) - search.line[ROOM_BOTTOM];
    if (toAbove < toBelow)
        cornerSideY = 1;
    else if (toBelow < toAbove)
        cornerSideY = 2;

    lineDrawn = 0;
    leftWall = search.index[ROOM_LEFT];
    rightWall = search.index[ROOM_RIGHT];
    aboveWall = search.index[ROOM_TOP];
    belowWall = search.index[ROOM_BOTTOM];
    held = THeld::Neighbours;
    designRoomWall = t;
    kind = KIND_FIXED_ROOM;

    TRoomSizeSettings size;
    size.width = search.Width();
    size.length = search.Length();
    std::string reason;
    if (!WriteSettings(size, State().unitSystem, &reason) && State().reportWriteFailure)
        State().reportWriteFailure("The room size CFG/" + SettingsFileName<TRoomSizeSettings>() +
                                   " could not be written: " + reason);
}

// ---------------------------------------------------------------------------------------------
// The builder

TRoomNeighbour TRoomobjtool::Neighbour(int side, std::int32_t index) const
{
    const TDrawingState& state = State();
    if (index < 0 || index >= state.objects.count())
        return {};
    const TObject& object = *state.objects[index];
    if (object.floor != state.currentFloor)
        return {};
    if (const auto* room = dynamic_cast<const TRoomobj*>(&object); room && object.typeCode == TYPE_DESIGN_ROOM) {
        // The line the finder measured to: the room's edge moved out by its walls' thickness.
        TRoomNeighbour neighbour;
        neighbour.kind = TNeighbourKind::DesignRoom;
        const std::int64_t t = designRoomWall;
        switch (side) {
        case ROOM_LEFT:
            neighbour.boundary = ClampToInt32(room->x2 + t);
            break;
        case ROOM_RIGHT:
            neighbour.boundary = ClampToInt32(room->x1 - t);
            break;
        case ROOM_TOP:
            neighbour.boundary = ClampToInt32(room->y2 - t);
            break;
        default:
            neighbour.boundary = ClampToInt32(room->y1 + t);
            break;
        }
        return neighbour;
    }
    return WallNeighbour(object, side);
}

bool TRoomobjtool::BuildRoom(TDrawingEdit& edit, int width, int length)
{
    if (held != THeld::Neighbours)
        return false;
    TDrawingState& state = State();
    const TIntWallDetailSettings details = ReadSettings<TIntWallDetailSettings>();
    const std::int32_t w = ReadSettings<TInternalWallSettings>().thickness;
    const TWallColourSettings colours = ReadSettings<TWallColourSettings>();
    joinData = {0, 0, 0, 0};
    groupId = 0;
    kind = KIND_INTWALL;
    colour = state.currentColour;
    penStyle = 0;
    penWidth = 1;
    lineAux1 = 0;
    z1 = z2 = details.height;

    const TRoomNeighbours neighbours = {Neighbour(ROOM_LEFT, leftWall), Neighbour(ROOM_RIGHT, rightWall),
                                        Neighbour(ROOM_TOP, aboveWall), Neighbour(ROOM_BOTTOM, belowWall)};
    // The room sits in the corner the click was nearer to.
    const std::int64_t left = FromRight(cornerSideX) ? std::int64_t(neighbours[ROOM_RIGHT].boundary) - width
                                                     : neighbours[ROOM_LEFT].boundary;
    const std::int64_t top = FromBelow(cornerSideY) ? std::int64_t(neighbours[ROOM_BOTTOM].boundary) + length
                                                    : neighbours[ROOM_TOP].boundary;
    derived.Begin();
    const TPoint topLeft = derived.Take(left, top);
    const TPoint bottomRight = derived.Take(left + width, top - length);
    TRoomRect room;
    room.left = topLeft.x;
    room.top = topLeft.y;
    room.right = bottomRight.x;
    room.bottom = bottomRight.y;

    TRoomWallValues values;
    values.thickness = w;
    values.height = details.height;
    values.wallParams = {details.wallParam1, details.wallParam2, details.wallParam3, details.wallParam4};
    values.wallColour1 = colours.colour2;
    values.wallColour2 = colours.colour2;
    EmitRoomSides(edit, *this, room, neighbours, values, AddIntwallObject);

    // The name in the middle, halves rounded toward the work corner.
    TakeActionId();
    const TOffsetSettings offsets = ReadSettings<TOffsetSettings>();
    TRoomTextPlace name;
    name.typeCode = TYPE_ROOM_SIZE_TEXT;
    name.ownerId = ownerId;
    name.groupId = groupId;
    name.at = derived.Take(FromRight(cornerSideX) ? std::int64_t(room.right) - width / 2
                                                  : std::int64_t(room.left) + width / 2,
                           FromBelow(cornerSideY) ? std::int64_t(room.bottom) + length / 2
                                                  : std::int64_t(room.top) - length / 2);
    name.z1 = details.height;
    name.fontHeight = offsets.roomNameTextSize;
    edit.Add(MakeRoomText(name, state.newRoomName));
    if (RefusedUnstorable(edit))
        return false;

    const std::int64_t margin = std::int64_t(w) + std::int64_t(REPAINT_MARGIN) * state.unitsPerLogical;
    editLeft = ClampToInt32(room.left - margin);
    editTop = ClampToInt32(room.top + margin);
    editRight = ClampToInt32(room.right + margin);
    editBottom = ClampToInt32(room.bottom - margin);
    leftWall = room.left;
    rightWall = room.right;
    aboveWall = room.top;
    belowWall = room.bottom;
    held = THeld::Room;
    kind = KIND_FIXED_ROOM;
    return true;
}

void TRoomobjtool::BuildRoom(Canvas&, const TRect&, int width, int length)
{
    TDrawingEdit edit;
    if (BuildRoom(edit, width, length))
        edit.Commit();
}

// ---------------------------------------------------------------------------------------------
// The size labels

bool TRoomobjtool::RefusedUnstorable(TDrawingEdit& edit)
{
    const auto point = derived.Unstorable();
    if (!point)
        return false;
    edit.Drop();
    AcceptsPoint((*point)[0], (*point)[1]);  // tells the user
    kind = KIND_FIXED_ROOM;
    held = THeld::Nothing;
    return true;
}

bool TRoomobjtool::AutoDimension(TDrawingEdit& edit, int sizeDisplay, int width, int length)
{
    penWidth = 1;
    kind = KIND_FIXED_ROOM;
    if (held != THeld::Room)
        return true;
    const TOffsetSettings offsets = ReadSettings<TOffsetSettings>();
    const std::int64_t o = offsets.internalOffset;
    const std::int64_t left = leftWall, right = rightWall, top = aboveWall, bottom = belowWall;
    const std::string widthText = RoomSizeText(width);
    const std::string lengthText = RoomSizeText(length);

    TRoomTextPlace place;
    place.ownerId = ownerId;
    place.groupId = groupId;
    place.z1 = z1;
    place.fontHeight = offsets.roomDimensionTextSize;

    if (sizeDisplay == 1) {
        AddSizesBelowName(edit, place, TRoomRect{leftWall, aboveWall, rightWall, belowWall},
                          RoomSizesText(widthText, lengthText), derived);
        return !RefusedUnstorable(edit);
    }
    place.typeCode = TYPE_LABEL_TEXT;
    if (sizeDisplay == 2 || sizeDisplay == 4) {
        const std::int64_t x = left + o;
        place.at = derived.Take(FromRight(cornerSideX) ? right - o : left + o,
                                FromBelow(cornerSideY) ? bottom + length / 2 : top - length / 2);
        place.x2 = UPRIGHT_DIRECTION;
        place.escapement = offsets.textOrientation == UPRIGHT_TEXT ? UPRIGHT_TEXT : 0;
        AddSizeLabel(edit, *this, place, lengthText, {x, aboveWall, TArrowDirection::Top},
                     {x, belowWall, TArrowDirection::Bottom}, TSizeLabelOrder::ArrowsFirst, derived);
    }
    if (sizeDisplay == 2 || sizeDisplay == 3) {
        const std::int64_t y = top - o;
        place.at = derived.Take(FromRight(cornerSideX) ? right - width / 2 : left + width / 2, y);
        place.x2 = LEVEL_DIRECTION;
        place.escapement = 0;
        AddSizeLabel(edit, *this, place, widthText, {leftWall, y, TArrowDirection::Left},
                     {rightWall, y, TArrowDirection::Right}, TSizeLabelOrder::ArrowsFirst, derived);
    }
    return !RefusedUnstorable(edit);
}

void TRoomobjtool::AutoDimension(Canvas&, const TRect&, int sizeDisplay, int width, int length, int)
{
    TDrawingEdit edit;
    derived.Begin();
    if (AutoDimension(edit, sizeDisplay, width, length))
        edit.Commit();
}

// ---------------------------------------------------------------------------------------------
// What the tool does not take

void TRoomobjtool::RButtonDown(Canvas&, const TRect&, TPoint&) {}
void TRoomobjtool::KeyDown(Canvas&, const TRect&, int, TPoint&, int) {}
void TRoomobjtool::PlaceText(Canvas&, const TRect&, TPoint&, const std::string&) {}
void TRoomobjtool::Char(Canvas&, const TRect&, int) {}
void TRoomobjtool::SubCommand(int) {}
