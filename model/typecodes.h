#pragma once
// The type codes of the drawing objects and the class each one makes.
#include <memory>

class TObject;

constexpr int TYPE_LINE = 1;
constexpr int TYPE_ARC = 3;
constexpr int TYPE_TEXT = 4;
constexpr int TYPE_OPENING_LINE = 11;  // lines of windows and doors: opening lines, leaves, jambs, frames
constexpr int TYPE_ELLIPSE = 5;
constexpr int TYPE_CIRCLE = 6;
constexpr int TYPE_RECTANGLE = 7;
constexpr int TYPE_RNDRECT = 8;
constexpr int TYPE_TYPED_TEXT = 24;
constexpr int TYPE_DIMENSION_TEXT = 34;
constexpr int TYPE_LABEL_TEXT = 35;
constexpr int TYPE_ROOM_SIZE_TEXT = 36;
constexpr int TYPE_PLAN_TITLE = 37;
constexpr int TYPE_OPENING_POLYGON = 100;
constexpr int TYPE_EXTWALL = 1000;
constexpr int TYPE_INTWALL = 1500;
constexpr int TYPE_DIMENSION_LINE = 25000;
constexpr int TYPE_ARROW = 26000;
constexpr int TYPE_POLYGON_27000 = 27000;
constexpr int TYPE_OPENING = 28000;
constexpr int TYPE_DESIGN_ROOM = 29000;
constexpr int TYPE_FLOOR_RECORD = 32000;  // + 0..3: floors 50..53

// The floor record's type code of a floor code (50..53), and back.
constexpr int FloorRecordType(int floorCode) { return floorCode + 31950; }

bool IsLineType(int typeCode);     // 1, 2, 11, 25, 31, 41..99, 27001..27004
bool IsTextType(int typeCode);     // 4, 24, 34..37
bool IsPolygonType(int typeCode);  // 100..24999 but 1000 and 1500, 27000
bool IsArrowType(int typeCode);    // 25000, 26000
bool IsWallType(int typeCode);     // 1000, 1500
bool IsFloorRecordType(int typeCode);  // 32000..32003

// What an object of the type code is, in words for the user ("a dimension arrow").
const char* ObjectKindInWords(int typeCode);

// A new object of the class that belongs to the type code, with that type code; null when no
// class does.
std::unique_ptr<TObject> MakeObjectForType(int typeCode);
