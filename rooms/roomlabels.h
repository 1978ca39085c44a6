#pragma once
// The texts that name and size a room, shared by the fixed rooms and the finished design rooms:
// bottom-centred texts on the floor in view in the current colour and font.
#include "platform/geometry.h"

#include <cstdint>
#include <memory>
#include <string>

class TTextobj;

// Where a room label text stands and what it carries beside its words.
struct TRoomTextPlace {
    int typeCode = 0;         // 36 a name or the sizes below it, 35 a size beside its arrows
    std::int32_t ownerId = 0;
    std::int32_t groupId = 0;
    TPoint at;                // the anchor: the text's bottom centre
    std::int32_t x2 = 900;    // the direction of what it measures
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
