#include "model/rndrectobj.h"

#include "model/modelunits.h"
#include "model/recordreader.h"
#include "model/recordwriter.h"

void TRndrectobj::DumpFields(std::string& out) const
{
    DumpBase(out);
    DumpInt(out, "cornerRounding", cornerRounding);
}

void TRndrectobj::WriteRecord(TRecordWriter& out) const
{
    WriteIds(out);
    WritePoints(out);
    out.Int(cornerRounding);
    WritePen(out);
    out.EndLine();
}

bool TRndrectobj::ReadRecord(TRecordReader& in)
{
    return ReadIds(in) && ReadPoints(in) && in.Int(cornerRounding) && ReadPen(in) && in.EndLine();
}

void TRndrectobj::Render(Canvas& dc, int scale, TFillStyle fill) const
{
    // The corners are rounded by an ellipse of twice the radius across.
    const int corner = ClampToInt32(int64_t(2) * cornerRounding / (scale > 0 ? scale : 1));
    const TBrush old = dc.SelectBrush(FillBrush(fill, dc.Pen().colour));
    dc.RoundRect(ToWindow(x1, scale), ToWindow(y1, scale), ToWindow(x2, scale), ToWindow(y2, scale), corner,
                 corner);
    dc.SelectBrush(old);
}
