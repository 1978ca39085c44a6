#include "rooms/roomlabels.h"

#include "model/dimensionvalue.h"
#include "model/drawingedit.h"
#include "model/drawingstate.h"
#include "model/modelunits.h"
#include "model/textobj.h"
#include "model/typecodes.h"
#include "tools/derivedpoints.h"

namespace {
// The texts stand on their anchor, centred over it.
constexpr int BOTTOM_CENTRE = 6;
}  // namespace

std::unique_ptr<TTextobj> MakeRoomText(const TRoomTextPlace& place, const std::string& text)
{
    const TDrawingState& state = State();
    auto label = std::make_unique<TTextobj>(place.typeCode);
    label->floor = state.currentFloor;
    label->ownerId = place.ownerId;
    label->groupId = place.groupId;
    label->penWidth = 1;
    label->penStyle = 0;
    label->colour = std::int32_t(state.currentColour);
    label->x1 = place.at.x;
    label->y1 = place.at.y;
    label->x2 = place.x2;
    label->y2 = place.y2;
    label->z1 = place.z1;
    label->SetText(text);
    label->SetFaceName(state.currentFontFace);
    label->escapement = place.escapement;
    label->alignment = BOTTOM_CENTRE;
    label->fontWeight = state.textWeight;
    label->fontHeight = place.fontHeight;
    return label;
}

std::string RoomSizeText(std::int32_t size)
{
    return FormatDimensionValue(size, TDimensionTextForm::Plain);
}

std::string RoomSizesText(const std::string& width, const std::string& length)
{
    return width + " x " + length;
}

void AddSizesBelowName(TDrawingEdit& edit, TRoomTextPlace place, const TRoomRect& room, const std::string& sizes,
                       TDerivedPoints& points)
{
    const std::int64_t left = room.left, right = room.right, top = room.top, bottom = room.bottom;
    const std::int64_t below = std::int64_t(SIZES_BELOW_NAME) * State().unitsPerLogical;
    place.typeCode = TYPE_ROOM_SIZE_TEXT;
    place.at = points.Take(left + (right - left) / 2, top - (top - bottom) / 2 - below);
    place.y2 = ClampToInt32(below);  // a distance, not a point
    edit.Add(MakeRoomText(place, sizes));
}

void AddSizeLabel(TDrawingEdit& edit, TDrawingtool& tool, const TRoomTextPlace& place, const std::string& text,
                  TSizeArrow first, TSizeArrow second, TSizeLabelOrder order, TDerivedPoints& points)
{
    if (order == TSizeLabelOrder::TextFirst)
        edit.Add(MakeRoomText(place, text));
    AddArrow(edit, tool, first.x, first.y, first.direction, points);
    AddArrow(edit, tool, second.x, second.y, second.direction, points);
    if (order == TSizeLabelOrder::ArrowsFirst)
        edit.Add(MakeRoomText(place, text));
}
