#include "model/circleobj.h"

#include "model/paintextent.h"
#include "model/recordreader.h"
#include "model/recordwriter.h"

void TCircleobj::WriteRecord(TRecordWriter& out) const
{
    WriteIds(out);
    WritePoints(out);
    WritePen(out);
    out.EndLine();
}

bool TCircleobj::ReadRecord(TRecordReader& in)
{
    return ReadIds(in) && ReadPoints(in) && ReadPen(in) && in.EndLine();
}

void TCircleobj::Render(Canvas& dc, int scale, TFillStyle fill) const
{
    const TBrush old = dc.SelectBrush(FillBrush(fill, dc.Pen().colour));
    dc.Ellipse(ToWindow(x1, scale), ToWindow(y1, scale), ToWindow(x2, scale), ToWindow(y2, scale));
    dc.SelectBrush(old);
}

void TCircleobj::PaintExtent(TPaintExtent& extent, int) const
{
    extent.Point(x1, y1);
    extent.Point(x2, y2);
}
