#pragma once
// An internal wall: the reference line (x1, y1)-(x2, y2) is its first face, the second face runs
// wallWidth away on the other side, its start belonging to the wall's start.
#include "model/object.h"

class TIntwallobj : public TObject {
public:
    explicit TIntwallobj(int32_t typeCode = 1500) : TObject(typeCode) {}
    ARKWELD_OBJECT_CLASS(TIntwallobj)

    int32_t wallWidth = 0;  // thickness
    std::array<int32_t, 4> wallParams{};
    int32_t angle = 0;  // tenths of a degree clockwise from +y
    int32_t wallFlag = 0;
    int32_t face2StartX = 0;
    int32_t face2Aux = 0;  // the second face's start height (0)
    int32_t face2StartY = 0;
    int32_t face2EndX = 0;
    int32_t face2EndY = 0;
    std::array<int32_t, 4> joinData{};
    int32_t wallColour1 = 0;
    int32_t wallColour2 = 0;

    // The second face under its other names.
    int32_t& faceStartX() { return face2StartX; }
    int32_t& faceStartZ() { return face2Aux; }
    int32_t& faceStartY() { return face2StartY; }
    int32_t& faceEndX() { return face2EndX; }
    int32_t& faceEndY() { return face2EndY; }
    const int32_t& faceStartX() const { return face2StartX; }
    const int32_t& faceStartZ() const { return face2Aux; }
    const int32_t& faceStartY() const { return face2StartY; }
    const int32_t& faceEndX() const { return face2EndX; }
    const int32_t& faceEndY() const { return face2EndY; }

    TFillStyle PlanFill() const override;
    void DumpFields(std::string& out) const override;
    void ForEachPoint(const std::function<void(int32_t& x, int32_t& y)>& visit) override;
    // Found by HIT_WALLS within wallWidth of its reference line.
    bool HitTest(int mode, double px, double py, int scale) const override;
    // Turns the faces and the angle.
    void TurnOrMirror(int rotation, TPoint centre) override;
    void WriteRecord(TRecordWriter& out) const override;
    bool ReadRecord(TRecordReader& in) override;
    void Render(Canvas& dc, int scale, TFillStyle fill) const override;
    void PaintExtent(TPaintExtent& extent, int scale) const override;
};
