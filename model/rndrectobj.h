#pragma once
// A rectangle with rounded corners of radius cornerRounding.
#include "model/rectangleobj.h"

class TRndrectobj : public TRectangleobj {
public:
    explicit TRndrectobj(int32_t typeCode = 8) : TRectangleobj(typeCode) {}
    ARKWELD_OBJECT_CLASS(TRndrectobj)

    int32_t cornerRounding = 0;

    void DumpFields(std::string& out) const override;
    void WriteRecord(TRecordWriter& out) const override;
    bool ReadRecord(TRecordReader& in) override;
    void Render(Canvas& dc, int scale, TFillStyle fill) const override;
};
