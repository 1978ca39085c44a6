#pragma once
// An ellipse in the box (x1, y1)-(x2, y2).
#include "model/object.h"

class TEllipseobj : public TObject {
public:
    explicit TEllipseobj(int32_t typeCode = 5) : TObject(typeCode) {}
    ARKWELD_OBJECT_CLASS(TEllipseobj)

    void WriteRecord(TRecordWriter& out) const override;
    bool ReadRecord(TRecordReader& in) override;
    void Render(Canvas& dc, int scale, TFillStyle fill) const override;
    void PaintExtent(TPaintExtent& extent, int scale) const override;
};
