#pragma once
// A dimension line (25000) or arrow (26000): the shaft (x1, y1)-(x2, y2), two head strokes from
// (x1, y1) to the barbs, and the witness tick from tickA to tickB. Points are {x, y}.
#include "model/object.h"

class TArrowobj : public TObject {
public:
    explicit TArrowobj(int32_t typeCode = 26000) : TObject(typeCode) {}
    ARKWELD_OBJECT_CLASS(TArrowobj)

    std::array<int32_t, 2> barb1{};
    std::array<int32_t, 2> barb2{};
    std::array<int32_t, 2> tickA{};
    std::array<int32_t, 2> tickB{};

    void DumpFields(std::string& out) const override;
    void ForEachPoint(const std::function<void(int32_t& x, int32_t& y)>& visit) override;
    void WriteRecord(TRecordWriter& out) const override;
    bool ReadRecord(TRecordReader& in) override;
    void Render(Canvas& dc, int scale, TFillStyle fill) const override;
    void PaintExtent(TPaintExtent& extent, int scale) const override;
};
