#pragma once
// A door, window or opening cut into a wall: a polygon with two parameters of its own.
#include "model/polyobj.h"

class TOpeningobj : public TPolyobj {
public:
    explicit TOpeningobj(int32_t typeCode = 28000) : TPolyobj(typeCode) {}
    ARKWELD_OBJECT_CLASS(TOpeningobj)

    int32_t openingParam1 = 0;
    int32_t openingParam2 = 0;

    void DumpFields(std::string& out) const override;
    void WriteRecord(TRecordWriter& out) const override;
    bool ReadRecord(TRecordReader& in) override;
};
