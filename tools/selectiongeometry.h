#pragma once
// The geometry of the selection tools, object by object: which objects a selection may hold,
// which lie inside a selection rectangle, and moving and turning one object in place. Every
// length is in model units with y upwards; angles of a turn are whole degrees, clockwise.
#include "platform/geometry.h"

#include <cstdint>
#include <vector>

class Canvas;
class TList;
class TObject;
class TStorableRange;

// The selection rectangle: the drag rectangle with its corners ordered. An object is inside when
// its points lie strictly inside: a point on an edge is outside.
struct TSelectionRect {
    std::int32_t minX = 0;
    std::int32_t minY = 0;
    std::int32_t maxX = 0;
    std::int32_t maxY = 0;

    bool StrictlyHolds(std::int32_t x, std::int32_t y) const { return minX < x && x < maxX && minY < y && y < maxY; }
};

#include "model/modelbox.h"

// Objects a selection may hold: everything but walls, design rooms and floor records.
bool IsSelectableType(int typeCode);

// Whether the object lies inside the rectangle: an opening or polygon by every vertex, a text by
// its anchor, an arc by its start and end points (its bulge is not looked at), an arrow by the
// two ends of its shaft, every other figure by its two points. A polygon without vertices is
// never inside.
bool LiesInside(const TObject& object, const TSelectionRect& rect);
// The indices of the objects of a floor that lie inside the rectangle, in list order (a large
// list is looked through in pieces at once).
std::vector<int> ObjectsInside(const TList& objects, int floor, const TSelectionRect& rect);

// The model box an object covers on the screen: the box of its points, and for a text the box
// of its letters, measured with its own font on dc and turned by its escapement.
TModelBox PaintedBounds(const TObject& object, Canvas& dc);

// Moves the object by (dx, dy): every point it places in the plan. A text moves by its anchor
// only (its x2 and y2 hold a direction code); heights never change. The caller has made sure
// with ShiftStaysStorable that the move is one the drawing file can hold.
void ShiftObject(TObject& object, std::int64_t dx, std::int64_t dy);
// True when every point ShiftObject would move lands where the drawing file can store it. The
// object is only read.
bool ShiftStaysStorable(TObject& object, std::int64_t dx, std::int64_t dy, const TStorableRange& range);

// ShiftObject for the objects at these indices, each in range and each once (pieces of them are
// shifted at once).
void ShiftObjects(const TList& objects, const std::vector<int>& indices, std::int64_t dx, std::int64_t dy);
// The box of every point ShiftObject would move, over the objects at these indices (each in
// range); empty when they have none.
TModelBox PointBox(const TList& objects, const std::vector<int>& indices);

// Arcs, ellipses, rectangles and rounded rectangles keep their shape only when turned by a
// multiple of 90 degrees.
bool TurnsOnlyByQuarters(int typeCode);

// A turn clockwise by whole degrees about a centre. Multiples of 90 degrees are exact; other angles
// round each point to the nearest unit.
class TTurn {
public:
    TTurn(int degrees, TPoint centre);

    int Degrees() const { return degrees; }
    // The angle brought into 0..359.
    int Normalised() const { return normalised; }
    bool IsNone() const { return normalised == 0; }
    bool IsQuarter() const { return normalised % 90 == 0; }

    // Turns one point in place; the caller has made sure that the turned point is storable.
    void Point(std::int32_t& x, std::int32_t& y) const;
    // The turned place of a point, wide: it may lie beyond the int32 range.
    void Turned(std::int64_t x, std::int64_t y, std::int64_t& outX, std::int64_t& outY) const;
    // The turned place of a point given in reals (a circle's centre), not rounded: within a
    // rounding error of the exact place.
    void Exact(double x, double y, double& outX, double& outY) const;

private:
    int degrees;
    int normalised;
    std::int64_t centreX;
    std::int64_t centreY;
    double c;  // cosine and sine of the turn anticlockwise, which with y upwards turns clockwise
    double k;
};

// Turns the object in place. A circle turns about its own centre, keeping its radius; a text
// turns its anchor and its escapement and direction code (a centred horizontal text first becomes
// left-aligned, measured with its own font on dc); every other object turns its points. The
// caller has refused angles an object cannot take (TurnsOnlyByQuarters) and turns that would carry
// a point where the drawing file cannot store it (TurnStaysStorable).
void TurnObject(TObject& object, const TTurn& turn, Canvas& dc);
// True when every point TurnObject would turn lands where the drawing file can store it. The
// object is only read (a text is measured on dc).
bool TurnStaysStorable(TObject& object, const TTurn& turn, Canvas& dc, const TStorableRange& range);

// The new escapement of a text turned by `degrees` (tenths of a degree): a text that would read
// upside down or downwards is flipped to stay readable. Turns of 356 to 360 degrees leave it.
std::int32_t TurnedEscapement(std::int32_t escapement, int degrees);
// The new direction code (x2) of a text turned by `degrees`, tenths of a degree.
std::int32_t TurnedDirectionCode(std::int32_t code, int degrees);
