#include "model/rndrectobj.h"

#include "model/recordreader.h"
#include "model/recordwriter.h"

void TRndrectobj::DumpFields(std::string& out) const
{
    DumpBase(out);
    DumpInt(out, "cornerRounding", cornerRounding);
}

void TRndrectobj::WriteRecord(TRecordWriter& out) const
{
    out.Int(typeCode).Int(floor).Int(ownerId).Int(groupId);
    out.X(x1).Int(z1).X(x2).Int(z2).Y(y1).Y(y2);
    out.Int(cornerRounding).Int(colour).Int(penWidth).Int(penStyle);
    out.EndLine();
}

bool TRndrectobj::ReadRecord(TRecordReader& in)
{
    return in.Int(typeCode) && in.Int(floor) && in.Int(ownerId) && in.Int(groupId) && in.X(x1) && in.Int(z1) &&
           in.X(x2) && in.Int(z2) && in.Y(y1) && in.Y(y2) && in.Int(cornerRounding) && in.Int(colour) &&
           in.Int(penWidth) && in.Int(penStyle) && in.EndLine();
}

void TRndrectobj::Render(Canvas& dc, int scale, TFillStyle fill) const
{
    // The corners are rounded by an ellipse of twice the radius across.
    const int corner = int(int64_t(2) * cornerRounding / (scale > 0 ? scale : 1));
    const TBrush old = dc.SelectBrush(FillBrush(fill, dc.Pen().colour));
    dc.RoundRect(ToWindow(x1, scale), ToWindow(y1, scale), ToWindow(x2, scale), ToWindow(y2, scale), corner,
                 corner);
    dc.SelectBrush(old);
}
