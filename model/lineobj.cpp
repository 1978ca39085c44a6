#include "model/lineobj.h"

#include "model/recordreader.h"
#include "model/recordwriter.h"

void TLineobj::DumpFields(std::string& out) const
{
    DumpBase(out);
    DumpInt(out, "lineAux1", lineAux1);
    DumpInt(out, "lineAux2", lineAux2);
}

void TLineobj::WriteRecord(TRecordWriter& out) const
{
    out.Int(typeCode).Int(floor).Int(ownerId).Int(groupId);
    out.X(x1).Int(z1).X(x2).Int(z2).Y(y1).Y(y2);
    out.Int(lineAux2).Int(lineAux1).Int(colour).Int(penWidth).Int(penStyle);
    out.EndLine();
}

bool TLineobj::ReadRecord(TRecordReader& in)
{
    return in.Int(typeCode) && in.Int(floor) && in.Int(ownerId) && in.Int(groupId) && in.X(x1) && in.Int(z1) &&
           in.X(x2) && in.Int(z2) && in.Y(y1) && in.Y(y2) && in.Int(lineAux2) && in.Int(lineAux1) &&
           in.Int(colour) && in.Int(penWidth) && in.Int(penStyle) && in.EndLine();
}

void TLineobj::Render(Canvas& dc, int scale, TFillStyle) const
{
    dc.MoveTo(ToWindow(x1, scale), ToWindow(y1, scale));
    dc.LineTo(ToWindow(x2, scale), ToWindow(y2, scale));
}
