#include "model/infoobj.h"

#include "model/recordreader.h"
#include "model/recordwriter.h"

void TInfoobj::DumpFields(std::string& out) const
{
    DumpBase(out);
    DumpInt(out, "infoValue", infoValue);
}

void TInfoobj::ForEachPoint(const std::function<void(int32_t& x, int32_t& y)>&) {}

void TInfoobj::WriteRecord(TRecordWriter& out) const
{
    WriteIds(out);
    out.Int(penWidth).Int(penStyle);
    out.Int(x1).Int(z1).Int(x2).Int(z2).Int(y1).Int(y2).Int(colour).Int(infoValue);
    out.EndLine();
}

bool TInfoobj::ReadRecord(TRecordReader& in)
{
    return ReadIds(in) && in.Int(penWidth) && in.Int(penStyle) && in.Int(x1) && in.Int(z1) && in.Int(x2) &&
           in.Int(z2) && in.Int(y1) && in.Int(y2) && in.Int(colour) && in.Int(infoValue) && in.EndLine();
}

void TInfoobj::Render(Canvas&, int, TFillStyle) const {}

// A floor record draws nothing.
void TInfoobj::PaintExtent(TPaintExtent&, int) const {}
