#include "model/lineobj.h"

#include "model/paintextent.h"
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
    WriteIds(out);
    WritePoints(out);
    out.Int(lineAux2).Int(lineAux1);
    WritePen(out);
    out.EndLine();
}

bool TLineobj::ReadRecord(TRecordReader& in)
{
    return ReadIds(in) && ReadPoints(in) && in.Int(lineAux2) && in.Int(lineAux1) && ReadPen(in) && in.EndLine();
}

void TLineobj::Render(Canvas& dc, int scale, TFillStyle) const
{
    dc.MoveTo(ToWindow(x1, scale), ToWindow(y1, scale));
    dc.LineTo(ToWindow(x2, scale), ToWindow(y2, scale));
}

void TLineobj::PaintExtent(TPaintExtent& extent, int) const
{
    extent.Point(x1, y1);
    extent.Point(x2, y2);
}
