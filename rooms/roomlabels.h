#pragma once
// The texts that name and size a room, shared by the fixed rooms and the finished design rooms:
// bottom-centred texts on the floor in view in the current colour and font.
#include "platform/geometry.h"
#include "rooms/roomsides.h"
#include "tools/annotationbuilders.h"

#include <cstdint>
#include <memory>
#include <string>

class TDerivedPoints;
class TDrawingEdit;
class TDrawingtool;
class TTextobj;

// The sizes below a room's name stand this many logical units under the room's centre.
constexpr int SIZES_BELOW_NAME = 50;
// The directions a size text carries in x2: a level size and an upright one.
constexpr std::int32_t LEVEL_DIRECTION = 900;
constexpr std::int32_t UPRIGHT_DIRECTION = 2700;

// Where a room label text stands and what it carries beside its words.
struct TRoomTextPlace {
    int typeCode = 0;         // 36 a name or the sizes below it, 35 a size beside its arrows
    std::int32_t ownerId = 0;
    std::int32_t groupId = 0;
    TPoint at;                // the anchor: the text's bottom centre
    std::int32_t x2 = LEVEL_DIRECTION;  // the direction of what it measures
    std::int32_t y2 = 0;
    std::int32_t z1 = 0;
    int escapement = 0;       // tenths of a degree
    int fontHeight = 0;       // points
};

std::unique_ptr<TTextobj> MakeRoomText(const TRoomTextPlace& place, const std::string& text);

// A room size as its labels show it: millimetres, or feet, inches and eighths.
std::string RoomSizeText(std::int32_t size);
// The width and length shown together below the name: "4000 x 3000".
std::string RoomSizesText(const std::string& width, const std::string& length);

// Appends the sizes text SIZES_BELOW_NAME logical units below the room's centre (halves rounded
// toward its left and top edges), with that distance in y2; the place gives everything else.
// Its anchor is taken through `points`.
void AddSizesBelowName(TDrawingEdit& edit, TRoomTextPlace place, const TRoomRect& room, const std::string& sizes,
                       TDerivedPoints& points);

// One arrow of a size label: its tip and where its head points.
struct TSizeArrow {
    std::int64_t x = 0;
    std::int64_t y = 0;
    TArrowDirection direction = TArrowDirection::Left;
};

// Whether a size label's text goes into the list before its arrows or after them.
enum class TSizeLabelOrder { TextFirst, ArrowsFirst };

// Appends a size text at its place and the two arrows that mark what it measures, in `order`;
// the arrows' points are taken through `points` (an arrow the drawing file cannot store is left
// out, and the caller refuses its change).
void AddSizeLabel(TDrawingEdit& edit, TDrawingtool& tool, const TRoomTextPlace& place, const std::string& text,
                  TSizeArrow first, TSizeArrow second, TSizeLabelOrder order, TDerivedPoints& points);
