#pragma once
// A floor record (type 31950 + floor code): the floor's storey height in z2 and its area (whole
// square metres or square feet) in infoValue. Never drawn; its x and y are not plan points.
#include "model/object.h"

class TInfoobj : public TObject {
public:
    explicit TInfoobj(int32_t typeCode = 32000) : TObject(typeCode) {}
    ARKWELD_OBJECT_CLASS(TInfoobj)

    int32_t infoValue = 0;

    void DumpFields(std::string& out) const override;
    void ForEachPoint(const std::function<void(int32_t& x, int32_t& y)>& visit) override;
    void WriteRecord(TRecordWriter& out) const override;
    bool ReadRecord(TRecordReader& in) override;
    void Render(Canvas& dc, int scale, TFillStyle fill) const override;
    void PaintExtent(TPaintExtent& extent, int scale) const override;
};
