#pragma once
// An arc of the ellipse in the box (x1, y1)-(x2, y2), from the start point's ray to the end
// point's ray.
#include "model/object.h"

class TArcobj : public TObject {
public:
    explicit TArcobj(int32_t typeCode = 3) : TObject(typeCode) {}
    ARKWELD_OBJECT_CLASS(TArcobj)

    int32_t arcStartX = 0;
    int32_t arcStartY = 0;
    int32_t arcEndX = 0;
    int32_t arcEndY = 0;

    void DumpFields(std::string& out) const override;
    void ForEachPoint(const std::function<void(int32_t& x, int32_t& y)>& visit) override;
    // The box of the ellipse, which holds the arc; the start and end points only give directions
    // and may lie anywhere along their rays.
    TModelBox Bounds() const override;
    // Turns every point; mirrored, the arc runs the other way, so its ends change places.
    void TurnOrMirror(int rotation, TPoint centre) override;
    void WriteRecord(TRecordWriter& out) const override;
    bool ReadRecord(TRecordReader& in) override;
    void Render(Canvas& dc, int scale, TFillStyle fill) const override;
    void PaintExtent(TPaintExtent& extent, int scale) const override;
};
