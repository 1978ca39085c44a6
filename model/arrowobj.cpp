#include "model/arrowobj.h"

#include "model/paintextent.h"
#include "model/recordreader.h"
#include "model/recordwriter.h"

void TArrowobj::DumpFields(std::string& out) const
{
    DumpBase(out);
    DumpArray(out, "barb1", barb1);
    DumpArray(out, "barb2", barb2);
    DumpArray(out, "tickA", tickA);
    DumpArray(out, "tickB", tickB);
}

void TArrowobj::ForEachPoint(const std::function<void(int32_t& x, int32_t& y)>& visit)
{
    TObject::ForEachPoint(visit);
    visit(barb1[0], barb1[1]);
    visit(barb2[0], barb2[1]);
    visit(tickA[0], tickA[1]);
    visit(tickB[0], tickB[1]);
}

void TArrowobj::WriteRecord(TRecordWriter& out) const
{
    WriteIds(out);
    out.X(x1).Y(y1).X(x2).Y(y2);
    out.X(barb1[0]).Y(barb1[1]).X(barb2[0]).Y(barb2[1]);
    out.X(tickA[0]).Y(tickA[1]).X(tickB[0]).Y(tickB[1]);
    out.Int(colour);
    out.EndLine();
}

bool TArrowobj::ReadRecord(TRecordReader& in)
{
    return ReadIds(in) && in.X(x1) && in.Y(y1) && in.X(x2) && in.Y(y2) && in.X(barb1[0]) && in.Y(barb1[1]) &&
           in.X(barb2[0]) && in.Y(barb2[1]) && in.X(tickA[0]) && in.Y(tickA[1]) && in.X(tickB[0]) &&
           in.Y(tickB[1]) && in.Int(colour) && in.EndLine();
}

void TArrowobj::Render(Canvas& dc, int scale, TFillStyle) const
{
    const int sx = ToWindow(x1, scale);
    const int sy = ToWindow(y1, scale);
    dc.MoveTo(sx, sy);
    dc.LineTo(ToWindow(x2, scale), ToWindow(y2, scale));
    dc.MoveTo(sx, sy);
    dc.LineTo(ToWindow(barb1[0], scale), ToWindow(barb1[1], scale));
    dc.MoveTo(sx, sy);
    dc.LineTo(ToWindow(barb2[0], scale), ToWindow(barb2[1], scale));
    dc.MoveTo(ToWindow(tickA[0], scale), ToWindow(tickA[1], scale));
    dc.LineTo(ToWindow(tickB[0], scale), ToWindow(tickB[1], scale));
}

void TArrowobj::PaintExtent(TPaintExtent& extent, int) const
{
    extent.Point(x1, y1);
    extent.Point(x2, y2);
    extent.Point(barb1[0], barb1[1]);
    extent.Point(barb2[0], barb2[1]);
    extent.Point(tickA[0], tickA[1]);
    extent.Point(tickB[0], tickB[1]);
}
