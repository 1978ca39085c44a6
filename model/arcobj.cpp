#include "model/arcobj.h"

#include "model/recordreader.h"
#include "model/recordwriter.h"

void TArcobj::DumpFields(std::string& out) const
{
    DumpBase(out);
    DumpInt(out, "arcStartX", arcStartX);
    DumpInt(out, "arcStartY", arcStartY);
    DumpInt(out, "arcEndX", arcEndX);
    DumpInt(out, "arcEndY", arcEndY);
}

void TArcobj::ForEachPoint(const std::function<void(int32_t& x, int32_t& y)>& visit)
{
    TObject::ForEachPoint(visit);
    visit(arcStartX, arcStartY);
    visit(arcEndX, arcEndY);
}

void TArcobj::WriteRecord(TRecordWriter& out) const
{
    WriteIds(out);
    out.X(x1).Int(z1).Y(y1).X(x2).Int(z2).Y(y2);
    out.X(arcStartX).Y(arcStartY).X(arcEndX).Y(arcEndY);
    WritePen(out);
    out.EndLine();
}

bool TArcobj::ReadRecord(TRecordReader& in)
{
    return ReadIds(in) && in.X(x1) && in.Int(z1) && in.Y(y1) && in.X(x2) && in.Int(z2) && in.Y(y2) &&
           in.X(arcStartX) && in.Y(arcStartY) && in.X(arcEndX) && in.Y(arcEndY) && ReadPen(in) && in.EndLine();
}

void TArcobj::Render(Canvas& dc, int scale, TFillStyle) const
{
    dc.Arc(ToWindow(x1, scale), ToWindow(y1, scale), ToWindow(x2, scale), ToWindow(y2, scale),
           ToWindow(arcStartX, scale), ToWindow(arcStartY, scale), ToWindow(arcEndX, scale),
           ToWindow(arcEndY, scale));
}
