#pragma once
// A circle: the ellipse in the box (x1, y1)-(x2, y2).
#include "model/object.h"

class TCircleobj : public TObject {
public:
    explicit TCircleobj(int32_t typeCode = 6) : TObject(typeCode) {}
    ARKWELD_OBJECT_CLASS(TCircleobj)

    void WriteRecord(TRecordWriter& out) const override;
    bool ReadRecord(TRecordReader& in) override;
    void Render(Canvas& dc, int scale, TFillStyle fill) const override;
    void PaintExtent(TPaintExtent& extent, int scale) const override;
};
