#pragma once
// The base of every drawing object: the floor it lies on, its ids and type code, its pen, two
// points with their heights and its colour. Every length is in model units with y upwards.
//
// Drawing: the Draw family draws at window coordinates, model coordinates divided by the scale
// (integer division truncating toward zero); the plain operations use `unitsPerLogical`, the
// Scaled ones a scale the caller gives (printing). The Solid and Hatched variants also fill the
// object's body where it has one (a wall's space between its faces, a closed figure's inside).
#include "model/modelbox.h"
#include "platform/canvas.h"
#include "platform/geometry.h"

#include <array>
#include <cstdint>
#include <functional>
#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

class TPaintExtent;
class TRecordReader;
class TRecordWriter;

// How the body of a figure is filled while it is drawn.
enum class TFillStyle { None, Solid, Hatched };

// The searches of TList::FindObjectAt: the walls, or the texts, under a point.
constexpr int HIT_WALLS = 1;
constexpr int HIT_TEXTS = 4;

class TPolyobj;

class TObject {
public:
    explicit TObject(int32_t typeCode = 0);
    virtual ~TObject();
    TObject(const TObject&) = default;
    TObject& operator=(const TObject&) = default;

    int32_t floor = 0;     // floor code
    int32_t ownerId = 0;   // id of the object or command it belongs to
    int32_t groupId = 0;   // id shared by one command's objects; an external wall's length
    int32_t typeCode = 0;  // selects the class, the file record and the drawing rules
    int32_t penWidth = 1;
    int32_t penStyle = 0;  // PenStyle
    int32_t x1 = 0;
    int32_t z1 = 0;
    int32_t x2 = 0;
    int32_t z2 = 0;
    int32_t y1 = 0;
    int32_t y2 = 0;
    int32_t colour = 0;    // 0x00BBGGRR

    virtual const char* ClassName() const = 0;
    virtual std::unique_ptr<TObject> Clone() const = 0;
    // Makes the object what a new object of its class with this type code is, keeping its memory
    // (a drawing read again reads into the objects of the last reading).
    virtual void Renew(int32_t typeCode) = 0;

    // Appends " name=value" for every field in declaration order.
    virtual void DumpFields(std::string& out) const;

    // The eight drawing operations.
    virtual void Draw(Canvas& dc) const;
    virtual void DrawSolid(Canvas& dc) const;
    virtual void DrawHatched(Canvas& dc) const;
    virtual void DrawWithPen(Canvas& dc, const TPen& pen) const;
    // Puts the drawing window's view mapping on dc, selects the object's own pen (PlanPen) and
    // draws it; walls follow the wall style of `displayMode`. The plan painter draws as this does.
    void DrawMapped(Canvas& dc, const TRect& clientRect, int highlight) const;
    // The object's own pen in a plan view: its colour (the highlight colour when highlight > 0),
    // its width times the print line factor while printing, its style.
    TPen PlanPen(int highlight) const;
    virtual void DrawScaled(Canvas& dc, int unitsPerLogicalUnit) const;
    virtual void DrawSolidScaled(Canvas& dc, int unitsPerLogicalUnit) const;
    virtual void DrawHatchedScaled(Canvas& dc, int unitsPerLogicalUnit) const;

    // The fill a plan view gives this object in the current display mode (walls only).
    virtual TFillStyle PlanFill() const { return TFillStyle::None; }
    // The object as a polygon (TPolyobj), without a cast: code walking every object of a large
    // plan asks this of each.
    virtual const TPolyobj* AsPolygon() const { return nullptr; }

    // Calls visit(x, y) for every point the object places in the plan (the coordinates the drawing
    // file stores relative to the sheet centre); heights and directions are not points.
    virtual void ForEachPoint(const std::function<void(int32_t& x, int32_t& y)>& visit);
    // The box the object covers in the plan, model units: by default the box of ForEachPoint's
    // points; a class whose points do not give its extent says its own.
    virtual TModelBox Bounds() const;

    // Each class's part in the operations on the whole list. A class's behaviour belongs to the
    // type codes MakeObjectForType gives it; made with another code (a tool's kind) the object
    // behaves as the base does.
    //
    // True when the object lies under the model point (px, py) in the search `mode` (HIT_WALLS,
    // HIT_TEXTS); `scale` is the view's model units per logical unit. The base is found by none.
    virtual bool HitTest(int mode, double px, double py, int scale) const;
    // Turns the object clockwise by 90, 180 or 270 degrees, or mirrors it left to right (rotation
    // 1), about the centre: every point, and whatever direction the object keeps.
    virtual void TurnOrMirror(int rotation, TPoint centre);

    // The record of the drawing file after the type-code line. The writer and the reader apply
    // the coordinate offset of the file they belong to.
    virtual void WriteRecord(TRecordWriter& out) const = 0;
    virtual bool ReadRecord(TRecordReader& in) = 0;

    // Draws the object at window coordinates (model / scale) with the pen selected in dc.
    virtual void Render(Canvas& dc, int scale, TFillStyle fill) const = 0;
    // Adds to `extent` everything Render(dc, scale, fill) draws, with any fill, on extent.Dc():
    // the points and boxes of its figures, its texts. A class that draws leaves nothing out; the
    // default (any pixel) keeps a class without its own extent always drawn.
    virtual void PaintExtent(TPaintExtent& extent, int scale) const;

protected:
    void DumpBase(std::string& out) const;

    // Record fields most records share: the ids "type floor ownerId groupId", the two points with
    // their heights "x1 z1 x2 z2 y1 y2" (x and y as plan points) and the pen "colour penWidth
    // penStyle".
    void WriteIds(TRecordWriter& out) const;
    bool ReadIds(TRecordReader& in);
    void WritePoints(TRecordWriter& out) const;
    bool ReadPoints(TRecordReader& in);
    void WritePen(TRecordWriter& out) const;
    bool ReadPen(TRecordReader& in);
};

// "index ClassName field=value ..." for the test driver's dump.
std::string DumpObject(int index, const TObject& object);

// Appending helpers for DumpFields.
void DumpInt(std::string& out, const char* name, int32_t value);
void DumpText(std::string& out, const char* name, const std::string& text);
template <std::size_t N>
void DumpArray(std::string& out, const char* name, const std::array<int32_t, N>& values)
{
    out += ' ';
    out += name;
    out += '=';
    for (std::size_t i = 0; i < N; ++i) {
        if (i)
            out += ',';
        out += std::to_string(values[i]);
    }
}

// A model coordinate at window scale: divided by the scale, truncating toward zero.
inline int ToWindow(int32_t model, int scale) { return int(model / (scale > 0 ? scale : 1)); }

// The brush a body is filled with: hollow, solid or cross-hatched in the colour.
TBrush FillBrush(TFillStyle fill, TColor colour);

// The wall style of a display mode's tens digit: 10 cross-hatched, 20 solid, else none.
TFillStyle WallStyleOfDisplayMode(int displayMode);
// Fills a wall's body (the space between its outer and inner lines) without an outline: hatched in
// hatchColour or solid in solidColour; nothing for TFillStyle::None.
void FillWallBody(Canvas& dc, std::initializer_list<TPoint> outline, TFillStyle fill, TColor hatchColour,
                  TColor solidColour);

// Implements Clone, Renew and ClassName for a concrete class.
#define ARKWELD_OBJECT_CLASS(ClassType)                                                           \
    const char* ClassName() const override { return #ClassType; }                              \
    std::unique_ptr<TObject> Clone() const override { return std::make_unique<ClassType>(*this); } \
    void Renew(int32_t newTypeCode) override { *this = ClassType(newTypeCode); }
