#pragma once
// A straight line from (x1, y1) to (x2, y2).
#include "model/object.h"

class TLineobj : public TObject {
public:
    explicit TLineobj(int32_t typeCode = 1) : TObject(typeCode) {}
    ARKWELD_OBJECT_CLASS(TLineobj)

    int32_t lineAux1 = 0;  // direction of a line drawn with an arrow key
    int32_t lineAux2 = 0;

    void DumpFields(std::string& out) const override;
    void WriteRecord(TRecordWriter& out) const override;
    bool ReadRecord(TRecordReader& in) override;
    void Render(Canvas& dc, int scale, TFillStyle fill) const override;
    void PaintExtent(TPaintExtent& extent, int scale) const override;
};
