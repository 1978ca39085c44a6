#include "model/typecodes.h"

#include "model/arcobj.h"
#include "model/arrowobj.h"
#include "model/circleobj.h"
#include "model/ellipseobj.h"
#include "model/extwallobj.h"
#include "model/infoobj.h"
#include "model/intwallobj.h"
#include "model/lineobj.h"
#include "model/openingobj.h"
#include "model/polyobj.h"
#include "model/rectangleobj.h"
#include "model/rndrectobj.h"
#include "model/roomobj.h"
#include "model/textobj.h"

bool IsLineType(int t)
{
    return t == 1 || t == 2 || t == 11 || t == 25 || t == 31 || (t >= 41 && t <= 99) || (t >= 27001 && t <= 27004);
}

bool IsTextType(int t) { return t == 4 || t == 24 || (t >= 34 && t <= 37); }

bool IsPolygonType(int t) { return (t >= 100 && t <= 24999 && t != 1000 && t != 1500) || t == 27000; }

bool IsArrowType(int t) { return t == 25000 || t == 26000; }

bool IsWallType(int t) { return t == TYPE_EXTWALL || t == TYPE_INTWALL; }

bool IsFloorRecordType(int t) { return t >= 32000 && t <= 32003; }

const char* ObjectKindInWords(int t)
{
    switch (t) {
    case TYPE_LINE:
        return "a line";
    case TYPE_OPENING_LINE:
        return "a line of a window or door";
    case TYPE_ARC:
        return "an arc";
    case TYPE_ELLIPSE:
        return "an ellipse";
    case TYPE_CIRCLE:
        return "a circle";
    case TYPE_RECTANGLE:
        return "a rectangle";
    case TYPE_RNDRECT:
        return "a rounded rectangle";
    case TYPE_DIMENSION_TEXT:
        return "a dimension text";
    case TYPE_LABEL_TEXT:
        return "a label";
    case TYPE_ROOM_SIZE_TEXT:
        return "a room size";
    case TYPE_PLAN_TITLE:
        return "a plan title";
    case TYPE_OPENING_POLYGON:
        return "a window or door outline";
    case TYPE_EXTWALL:
        return "an external wall";
    case TYPE_INTWALL:
        return "an internal wall";
    case TYPE_DIMENSION_LINE:
        return "a dimension line";
    case TYPE_ARROW:
        return "a dimension arrow";
    case TYPE_OPENING:
        return "an opening";
    case TYPE_DESIGN_ROOM:
        return "a room";
    default:
        break;
    }
    if (IsTextType(t))
        return "a text";
    if (IsLineType(t))
        return "a line";
    if (IsPolygonType(t))
        return "a shape";
    if (IsFloorRecordType(t))
        return "a floor record";
    return "an object";
}

std::unique_ptr<TObject> MakeObjectForType(int t)
{
    if (IsLineType(t))
        return std::make_unique<TLineobj>(t);
    if (IsTextType(t))
        return std::make_unique<TTextobj>(t);
    if (IsPolygonType(t))
        return std::make_unique<TPolyobj>(t);
    if (IsArrowType(t))
        return std::make_unique<TArrowobj>(t);
    if (IsFloorRecordType(t))
        return std::make_unique<TInfoobj>(t);
    switch (t) {
    case TYPE_ARC:
        return std::make_unique<TArcobj>(t);
    case TYPE_ELLIPSE:
        return std::make_unique<TEllipseobj>(t);
    case TYPE_CIRCLE:
        return std::make_unique<TCircleobj>(t);
    case TYPE_RECTANGLE:
        return std::make_unique<TRectangleobj>(t);
    case TYPE_RNDRECT:
        return std::make_unique<TRndrectobj>(t);
    case TYPE_EXTWALL:
        return std::make_unique<TExtwallobj>(t);
    case TYPE_INTWALL:
        return std::make_unique<TIntwallobj>(t);
    case TYPE_OPENING:
        return std::make_unique<TOpeningobj>(t);
    case TYPE_DESIGN_ROOM:
        return std::make_unique<TRoomobj>(t);
    default:
        return nullptr;
    }
}
