#pragma once
// A rectangle with the corners (x1, y1) and (x2, y2).
#include "model/object.h"

class TRectangleobj : public TObject {
public:
    explicit TRectangleobj(int32_t typeCode = 7) : TObject(typeCode) {}
    ARKWELD_OBJECT_CLASS(TRectangleobj)

    void WriteRecord(TRecordWriter& out) const override;
    bool ReadRecord(TRecordReader& in) override;
    void Render(Canvas& dc, int scale, TFillStyle fill) const override;
    void PaintExtent(TPaintExtent& extent, int scale) const override;
};
